#include "control/Skin.h"

Bitmap LoadSkinPiece(HINSTANCE instance, const std::wstring& nameOrPath, SkinSource source,
                     int width, int height) {
    if (nameOrPath.empty()) return Bitmap();
    const UINT flags = LR_CREATEDIBSECTION | (source == SkinSource::File ? LR_LOADFROMFILE : 0);
    return Bitmap(static_cast<HBITMAP>(
        LoadImageW(instance, nameOrPath.c_str(), IMAGE_BITMAP, width, height, flags)));
}

bool BlendPiece(HDC target, HBITMAP piece, int x, int y, int width, int height,
                const BLENDFUNCTION& blend) {
    if (piece == nullptr) return false;
    MemoryDC source;
    if (!source) return false;
    SelectedObject selected(source.Get(), piece);
    return AlphaBlend(target, x, y, width, height, source.Get(), 0, 0, width, height, blend) != FALSE;
}

bool DrawThreePieceSkin(HDC target, const ThreePieceSkin& skin, int width, int y,
                        const BLENDFUNCTION& blend) {
    const vo::ThreePieceLayout layout = vo::LayoutThreePiece(width, skin.sideWidth);
    bool drawn = BlendPiece(target, skin.left, layout.leftX, y, skin.sideWidth, skin.height, blend);
    if (skin.centre != nullptr) {
        MemoryDC source;
        SelectedObject selected(source.Get(), skin.centre);
        for (int column = 0; column < layout.centreCount; ++column)
            drawn &= AlphaBlend(target, layout.centreFirstX + column, y, 1, skin.height, source.Get(),
                                0, 0, 1, skin.height, blend) != FALSE;
    } else {
        drawn = false;
    }
    drawn &= BlendPiece(target, skin.right, layout.rightX, y, skin.sideWidth, skin.height, blend);
    return drawn;
}

Font CreateCaptionFont(const CaptionFont& font) {
    return Font(CreateFontW(font.height, 0, font.angle, font.angle, font.weight, font.italic, FALSE,
                            FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                            CLEARTYPE_QUALITY, 0, font.face.c_str()));
}

void DrawCaption(HDC dc, const std::wstring& text, RECT area, const CaptionFont& font,
                 const CaptionStyle& style) {
    Font created = CreateCaptionFont(font);
    SetTextColor(dc, style.colour);
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, created.Get());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              vo::CaptionFormatFlags(style.horizontal, style.vertical, style.lineMode));
}

SIZE MeasureCaption(HWND window, const std::wstring& text, const CaptionFont& font,
                    TEXTMETRICW* metrics) {
    SIZE extent{0, 0};
    WindowDC dc(window);
    Font created = CreateCaptionFont(font);
    SelectedObject selected(dc.Get(), created.Get());
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    if (metrics != nullptr && GetTextMetricsW(dc.Get(), metrics) == FALSE) *metrics = TEXTMETRICW{};
    return extent;
}
