#pragma once
// The drawing primitives every skinned control shares: one skin loader with
// its process-wide piece cache, one compositor, the three-piece skin, and one
// caption drawer and measurer with their font cache.
#include <windows.h>

#include <memory>
#include <string>
#include <tuple>

#include "control/LookKey.h"
#include "control/SharedCache.h"
#include "control/SkinLogic.h"
#include "window/GdiHandles.h"

enum class SkinSource { Resource, File };

// A piece as a 32-bit DIB section at exactly (width, height): a named bitmap
// resource of `instance`, or a file path relative to the working directory.
// An empty holder when the piece is missing. Loads every time: paints take
// their pieces from a PaintResources instead.
Bitmap LoadSkinPiece(HINSTANCE instance, const std::wstring& nameOrPath, SkinSource source,
                     int width, int height);

// Composites a premultiplied piece onto `target` at (x, y) with its own alpha.
bool BlendPiece(HDC target, const KeptBitmap& piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend);
bool BlendPiece(HDC target, HBITMAP piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend);

struct ThreePieceSkin {
    const KeptBitmap* left;
    const KeptBitmap* centre;
    const KeptBitmap* right;
    int sideWidth;
    int height;
};

// Left piece, the 1-pixel centre repeated across the middle, right piece.
bool DrawThreePieceSkin(HDC target, const ThreePieceSkin& skin, int width, int y,
                        const BLENDFUNCTION& blend);

struct CaptionFont {
    int height = 13;
    int weight = FW_NORMAL;
    std::wstring face = L"Tahoma";
    int angle = 0;  // tenths of a degree
    bool italic = false;
    bool underline = false;

    auto Tied() const { return std::tie(height, weight, face, angle, italic, underline); }
    bool operator<(const CaptionFont& other) const { return Tied() < other.Tied(); }
    bool operator==(const CaptionFont& other) const { return Tied() == other.Tied(); }
};

Font CreateCaptionFont(const CaptionFont& font);

inline vo::LookKey& operator<<(vo::LookKey& look, const CaptionFont& font) {
    return look << font.height << font.weight << font.face << font.angle << font.italic
                << font.underline;
}

struct CaptionStyle {
    COLORREF colour = 0;
    int horizontal = 1;  // 0 left, 1 centre, 2 right
    int vertical = 1;    // 0 top, 1 centre, 2 bottom
    int lineMode = vo::kSingleLine;
};

void DrawCaption(HDC dc, const std::wstring& text, RECT area, HFONT font, const CaptionStyle& style);
// The same with the font from the shared font cache.
void DrawCaption(HDC dc, const std::wstring& text, RECT area, const CaptionFont& font,
                 const CaptionStyle& style);

// Width and height of `text` in `font`, measured on the window's DC; the
// font's metrics too when `metrics` is given.
SIZE MeasureCaption(HWND window, const std::wstring& text, HFONT font, TEXTMETRICW* metrics = nullptr);
// The same with the font from the shared font cache.
SIZE MeasureCaption(HWND window, const std::wstring& text, const CaptionFont& font,
                    TEXTMETRICW* metrics = nullptr);

// --- What paints share across the process -------------------------------------

struct PieceKey {
    HINSTANCE instance;
    SkinSource source;
    std::wstring nameOrPath;
    int width;
    int height;

    auto Tied() const { return std::tie(instance, source, nameOrPath, width, height); }
    bool operator<(const PieceKey& other) const { return Tied() < other.Tied(); }
    bool operator==(const PieceKey& other) const { return Tied() == other.Tied(); }
};

// Every piece is loaded once while any control uses it; a missing one is
// remembered as empty, so it is not looked for again at each paint.
vo::SharedCache<PieceKey, KeptBitmap>& SharedPieces();
vo::SharedCache<CaptionFont, Font>& SharedFonts();

// What one control keeps at hand between paints: its recent pieces and fonts
// (shared with every other control that uses the same ones). Changing a path,
// a style or a font field simply asks for another key at the next paint.
class PaintResources {
public:
    const KeptBitmap& Piece(HINSTANCE instance, const std::wstring& nameOrPath, SkinSource source,
                            int width, int height);
    HFONT FontFor(const CaptionFont& font);

private:
    vo::LocalMemo<PieceKey, KeptBitmap> pieces_{24};
    vo::LocalMemo<CaptionFont, Font> fonts_{4};
};
