#include "control/Skin.h"

Bitmap LoadSkinPiece(HINSTANCE instance, const std::wstring& nameOrPath, SkinSource source,
                     int width, int height) {
    if (nameOrPath.empty()) return Bitmap();
    const UINT flags = LR_CREATEDIBSECTION | (source == SkinSource::File ? LR_LOADFROMFILE : 0);
    return Bitmap(static_cast<HBITMAP>(
        LoadImageW(instance, nameOrPath.c_str(), IMAGE_BITMAP, width, height, flags)));
}

namespace {
bool BlendFrom(HDC target, HDC source, int x, int y, int width, int height,
               const BLENDFUNCTION& blend) {
    return AlphaBlend(target, x, y, width, height, source, 0, 0, width, height, blend) != FALSE;
}
}  // namespace

bool BlendPiece(HDC target, const KeptBitmap& piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend) {
    return piece && BlendFrom(target, piece.Dc(), x, y, width, height, blend);
}

bool BlendPiece(HDC target, HBITMAP piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend) {
    if (piece == nullptr) return false;
    MemoryDC source;
    if (!source) return false;
    SelectedObject selected(source.Get(), piece);
    return BlendFrom(target, source.Get(), x, y, width, height, blend);
}

bool DrawThreePieceSkin(HDC target, const ThreePieceSkin& skin, int width, int y,
                        const BLENDFUNCTION& blend) {
    const vo::ThreePieceLayout layout = vo::LayoutThreePiece(width, skin.sideWidth);
    auto side = [&](const KeptBitmap* piece, int x) {
        return piece != nullptr && BlendPiece(target, *piece, x, y, skin.sideWidth, skin.height, blend);
    };
    bool drawn = side(skin.left, layout.leftX);
    const bool centreHeld = skin.centre != nullptr && *skin.centre;
    drawn &= centreHeld;
    for (int column = 0; centreHeld && column < layout.centreCount; ++column)
        drawn &= BlendFrom(target, skin.centre->Dc(), layout.centreFirstX + column, y, 1, skin.height,
                           blend);
    drawn &= side(skin.right, layout.rightX);
    return drawn;
}

Font CreateCaptionFont(const CaptionFont& font) {
    return Font(CreateFontW(font.height, 0, font.angle, font.angle, font.weight, font.italic,
                            font.underline, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                            CLEARTYPE_QUALITY, 0, font.face.c_str()));
}

namespace {
auto FontMaker(const CaptionFont& font) {
    return [&font] { return std::make_unique<Font>(CreateCaptionFont(font)); };
}

std::shared_ptr<const Font> SharedFont(const CaptionFont& font) {
    return SharedFonts().Acquire(font, FontMaker(font));
}
}  // namespace

void DrawCaption(HDC dc, const std::wstring& text, RECT area, HFONT font, const CaptionStyle& style) {
    SetTextColor(dc, style.colour);
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              vo::CaptionFormatFlags(style.horizontal, style.vertical, style.lineMode));
}

void DrawCaption(HDC dc, const std::wstring& text, RECT area, const CaptionFont& font,
                 const CaptionStyle& style) {
    DrawCaption(dc, text, area, SharedFont(font)->Get(), style);
}

SIZE MeasureCaption(HWND window, const std::wstring& text, const CaptionFont& font,
                    TEXTMETRICW* metrics) {
    return MeasureCaption(window, text, SharedFont(font)->Get(), metrics);
}

SIZE MeasureCaption(HWND window, const std::wstring& text, HFONT font, TEXTMETRICW* metrics) {
    SIZE extent{0, 0};
    WindowDC dc(window);
    SelectedObject selected(dc.Get(), font);
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    if (metrics != nullptr && GetTextMetricsW(dc.Get(), metrics) == FALSE) *metrics = TEXTMETRICW{};
    return extent;
}

vo::SharedCache<PieceKey, KeptBitmap>& SharedPieces() {
    static vo::SharedCache<PieceKey, KeptBitmap> pieces;
    return pieces;
}

vo::SharedCache<CaptionFont, Font>& SharedFonts() {
    static vo::SharedCache<CaptionFont, Font> fonts;
    return fonts;
}

const KeptBitmap& PaintResources::Piece(HINSTANCE instance, const std::wstring& nameOrPath,
                                        SkinSource source, int width, int height) {
    const PieceKey key{instance, source, nameOrPath, width, height};
    return pieces_.Get(SharedPieces(), key, [&] {
        return std::make_unique<KeptBitmap>(LoadSkinPiece(instance, nameOrPath, source, width, height));
    });
}

HFONT PaintResources::FontFor(const CaptionFont& font) {
    return fonts_.Get(SharedFonts(), font, FontMaker(font)).Get();
}
