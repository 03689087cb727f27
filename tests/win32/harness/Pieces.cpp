#include "harness/Pieces.h"

#include <cstdio>
#include <utility>
#include <vector>

std::uint32_t Premultiplied(COLORREF colour, int alpha) {
    auto channel = [alpha](int value) { return static_cast<std::uint32_t>(value * alpha / 255); };
    return (static_cast<std::uint32_t>(alpha) << 24) | (channel(GetRValue(colour)) << 16) |
           (channel(GetGValue(colour)) << 8) | channel(GetBValue(colour));
}

Bitmap MakePiece(int w, int h, const PixelSource& pixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap piece(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!piece) return piece;
    auto* row = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) row[y * w + x] = pixel(x, y);
    return piece;
}

Bitmap MakeSolidPiece(int w, int h, COLORREF colour) {
    return MakePiece(w, h, [colour](int, int) { return Premultiplied(colour, 255); });
}

bool WriteBitmapFile(const std::wstring& path, int w, int h, const PixelSource& pixel) {
    const DWORD imageSize = static_cast<DWORD>(w * h * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = h;  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageSize;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pixels[static_cast<std::size_t>(h - 1 - y) * w + x] = pixel(x, y);
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) return false;
    bool written = std::fwrite(&file, sizeof(file), 1, out) == 1;
    written = std::fwrite(&header, sizeof(header), 1, out) == 1 && written;
    written = std::fwrite(pixels.data(), 4, pixels.size(), out) == pixels.size() && written;
    return std::fclose(out) == 0 && written;
}

PieceFile::PieceFile(const std::wstring& name, int w, int h, const PixelSource& pixel) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + name;
    WriteBitmapFile(path_, w, h, pixel);
}

PieceFile::~PieceFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
}

PieceFile::PieceFile(PieceFile&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}
