#pragma once
// Prefix widths of a text in a real font, for the editing model's caret
// placement and hit-testing.
#include <windows.h>

#include "widgets/text/EditModel.h"
#include "window/GdiHandles.h"

// Measures on `dc` with `font` selected for the measure's lifetime. The DC is
// the control's own kept memory DC, so a measurement makes nothing.
class FontMeasure final : public vo::CharMeasure {
public:
    FontMeasure(HDC dc, HFONT font) : dc_(dc), selected_(dc, font) {}
    int PrefixWidth(const std::wstring& text, std::size_t count) const override;

private:
    HDC dc_;
    SelectedObject selected_;
};
