#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/text/LabelLogic.h"

// A green, red or grey pill with centred text in a large serif font. The
// mouse only sets the arrow cursor and takes the focus; it reports no
// clicks, only where the focus went when it leaves.
class voColorLabel : public voAbstractControl {
public:
    voColorLabel(HWND parent, std::uint16_t identifier, int colourType);

    // At least both end pieces and one centre column wide; always the skin's height.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The text with `extra` free pixels and an end piece on each side.
    void FitToText(int extra);

    int colourType;  // 0 green, 1 red, 2 grey; any other draws no pill
    int skinHeight = vo::kColorLabelSkinHeight;
    int sideWidth = vo::kColorLabelSideWidth;
    CaptionFont font;
    COLORREF textColour;
    std::wstring text;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);

    voMessageMap<voColorLabel> messageMap;
};
