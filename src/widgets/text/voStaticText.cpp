#include "widgets/text/voStaticText.h"

#include <algorithm>

#include "widgets/text/LabelLogic.h"

voStaticText::voStaticText(HWND parent, std::uint16_t identifier, int askedWidth)
    : voAbstractControl(parent, identifier, WS_CHILD) {
    kind = vo::kStaticTextKind;
    SetFont(L"Tahoma", 13, FW_NORMAL);
    // A window cannot be narrower than nothing.
    voAbstractControl::SetSize(std::max(askedWidth, 0), 10);

    messageMap.Insert(WM_LBUTTONDOWN, &voStaticText::OnClick);
    messageMap.Insert(WM_LBUTTONUP, &voStaticText::OnClick);
}

LRESULT voStaticText::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

void voStaticText::SetText(const std::wstring& newText) {
    text = vo::ExpandLineBreaks(newText);
    Redraw(false);
}

void voStaticText::SetColor(COLORREF colour) {
    textColour = colour;
    Redraw(false);
}

void voStaticText::SetFont(const std::wstring& face, int fontHeight, int weight) {
    font.face = face;
    font.height = fontHeight;
    font.weight = weight;
    font.angle = 0;
    font.italic = false;
    Redraw(false);
}

void voStaticText::FitToText() {
    TEXTMETRICW metrics{};
    const SIZE extent = MeasureCaption(ownWindow, text, paintResources.FontFor(font), &metrics);
    if (metrics.tmHeight == 0) return;  // nothing could be measured
    const vo::TextFit fit =
        vo::FitTextSize(extent.cx, extent.cy, metrics.tmExternalLeading, height);
    SetSize(fit.width, fit.height);
}

bool voStaticText::DescribeLook(vo::LookKey& look) const {
    look << font << textColour << horizontalAlignment << verticalAlignment << wordWrap << text;
    return true;
}

void voStaticText::PaintContent(HDC dc) {
    const CaptionStyle style{textColour, horizontalAlignment, verticalAlignment,
                             wordWrap != 0 ? vo::kWordBreak : vo::kSingleLine};
    DrawCaption(dc, text, {0, 0, width, height}, paintResources.FontFor(font), style);
}

LRESULT voStaticText::OnClick(UINT message, WPARAM, LPARAM) {
    if (message == WM_LBUTTONDOWN) {
        SetCapture(ownWindow);
        NotifyParent();  // last: the parent may delete the control
    } else if (GetCapture() == ownWindow) {
        ReleaseCapture();
    }
    return 0;
}

AccessibleFacts voStaticText::DescribeAccessible(long) const { return DescribeLabel(text); }
