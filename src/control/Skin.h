#pragma once
// The drawing primitives every skinned control shares: one skin loader, one
// compositor, the three-piece skin, and one caption drawer and measurer.
#include <windows.h>

#include <string>

#include "control/SkinLogic.h"
#include "window/GdiHandles.h"

enum class SkinSource { Resource, File };

// A piece as a 32-bit DIB section at exactly (width, height): a named bitmap
// resource of `instance`, or a file path relative to the working directory.
// An empty holder when the piece is missing.
Bitmap LoadSkinPiece(HINSTANCE instance, const std::wstring& nameOrPath, SkinSource source,
                     int width, int height);

// Composites a premultiplied piece onto `target` at (x, y) with its own alpha.
bool BlendPiece(HDC target, HBITMAP piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend);

struct ThreePieceSkin {
    HBITMAP left;
    HBITMAP centre;
    HBITMAP right;
    int sideWidth;
    int height;
};

// Left piece, the 1-pixel centre repeated per column, right piece, across `width`.
bool DrawThreePieceSkin(HDC target, const ThreePieceSkin& skin, int width, int y,
                        const BLENDFUNCTION& blend);

struct CaptionFont {
    int height = 13;
    int weight = FW_NORMAL;
    std::wstring face = L"Tahoma";
    int angle = 0;  // tenths of a degree
    bool italic = false;
};

Font CreateCaptionFont(const CaptionFont& font);

struct CaptionStyle {
    COLORREF colour = 0;
    int horizontal = 1;  // 0 left, 1 centre, 2 right
    int vertical = 1;    // 0 top, 1 centre, 2 bottom
    int lineMode = vo::kSingleLine;
};

void DrawCaption(HDC dc, const std::wstring& text, RECT area, const CaptionFont& font,
                 const CaptionStyle& style);

// Width and height of `text` in `font`, measured on the window's DC; the
// font's metrics too when `metrics` is given.
SIZE MeasureCaption(HWND window, const std::wstring& text, const CaptionFont& font,
                    TEXTMETRICW* metrics = nullptr);
