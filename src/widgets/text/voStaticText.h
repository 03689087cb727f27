#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"

// A caption in a chosen font, colour and alignment, on one line or word
// wrapped. A press on it is reported to the parent.
class voStaticText : public voAbstractControl {
public:
    voStaticText(HWND parent, std::uint16_t identifier, int width);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A backslash followed by "n" in `text` becomes a line break.
    void SetText(const std::wstring& text);
    void SetColor(COLORREF colour);
    // Upright and not italic.
    void SetFont(const std::wstring& face, int height, int weight);
    // As wide as the text on one line; never lower than now.
    void FitToText();

    CaptionFont font;
    COLORREF textColour = 0x000000;
    int horizontalAlignment = 0;  // 0 left, 1 centre, 2 right
    int verticalAlignment = 1;    // 0 top, 1 centre, 2 bottom
    int wordWrap = 0;             // non-zero: several lines, broken at words and line feeds
    std::wstring text;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnClick(UINT message, WPARAM wParam, LPARAM lParam);

    voMessageMap<voStaticText> messageMap;
};
