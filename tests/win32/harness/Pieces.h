#pragma once
// Skin pieces made at run time: 32-bit premultiplied bitmaps in memory and
// the same pixels as bitmap files, the two forms the controls read.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "window/GdiHandles.h"

// Premultiplied 0xAARRGGBB, the layout of a 32-bit DIB pixel.
std::uint32_t Premultiplied(COLORREF colour, int alpha);

// The pixel at (x, y), counted from the top-left corner.
using PixelSource = std::function<std::uint32_t(int x, int y)>;

// A 32-bit DIB section of w x h with the given pixels; empty when it cannot
// be made.
Bitmap MakePiece(int w, int h, const PixelSource& pixel);
Bitmap MakeSolidPiece(int w, int h, COLORREF colour);

// Writes the pixels as a 32-bit bitmap file at `path`. Rows are stored
// bottom-up: Wine does not load top-down 32-bit files from disk.
bool WriteBitmapFile(const std::wstring& path, int w, int h, const PixelSource& pixel);

// A bitmap file named `name` in the temp folder, deleted with the holder.
class PieceFile {
public:
    PieceFile(const std::wstring& name, int w, int h, const PixelSource& pixel);
    ~PieceFile();
    PieceFile(PieceFile&& other) noexcept;
    PieceFile& operator=(PieceFile&&) = delete;
    PieceFile(const PieceFile&) = delete;
    PieceFile& operator=(const PieceFile&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};
