#include "widgets/buttons/voTextLink.h"

#include <shellapi.h>
#include <windowsx.h>

#include "widgets/text/LabelLogic.h"

namespace {
constexpr int kTextLinkKind = 15;
}  // namespace

voTextLink::voTextLink(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP) {
    kind = kTextLinkKind;
    hoverFont.underline = true;
    voAbstractControl::SetSize(50, 10);

    messageMap.Insert(WM_MOUSEMOVE, &voTextLink::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voTextLink::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voTextLink::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voTextLink::OnMouse);
    messageMap.Insert(WM_KEYDOWN, &voTextLink::OnKey);
    messageMap.Insert(WM_GETDLGCODE, &voTextLink::OnDialogCode);
}

LRESULT voTextLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

LRESULT voTextLink::OnKey(UINT, WPARAM wParam, LPARAM lParam) {
    const bool repeat = (lParam & (1 << 30)) != 0;
    if (wParam == VK_RETURN && !repeat) Open();
    return 0;
}

LRESULT voTextLink::OnDialogCode(UINT, WPARAM, LPARAM lParam) {
    // In a dialog Enter is the link's, not the default button's.
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

void voTextLink::SetText(const std::wstring& text) {
    caption = text;
    Redraw(false);
}

void voTextLink::FitToText() {
    TEXTMETRICW metrics{};
    const SIZE extent =
        MeasureCaption(ownWindow, caption, paintResources.FontFor(normalFont), &metrics);
    if (metrics.tmHeight == 0) return;  // nothing could be measured
    const vo::TextFit fit =
        vo::FitTextSize(extent.cx, extent.cy, metrics.tmExternalLeading, height);
    SetSize(fit.width, fit.height);
}

void voTextLink::OpenWithShell(const std::wstring& target) {
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool voTextLink::DescribeLook(vo::LookKey& look) const {
    look << hovered << normalFont << normalColour << hoverFont << hoverColour << caption;
    return true;
}

void voTextLink::PaintContent(HDC dc) {
    const CaptionStyle style{hovered ? hoverColour : normalColour, vo::kAlignStart,
                             vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, caption, {0, 0, width, height},
                paintResources.FontFor(hovered ? hoverFont : normalFont), style);
}

bool voTextLink::Inside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(ownWindow, &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

LRESULT voTextLink::OnMouse(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: Move(lParam); break;
    case WM_LBUTTONDOWN: SetCapture(ownWindow); break;
    case WM_LBUTTONUP:
        if (GetCapture() == ownWindow) ReleaseCapture();
        if (Inside(lParam)) Open();
        break;
    case WM_MOUSELEAVE: Leave(); break;
    default: break;
    }
    return 0;
}

void voTextLink::Move(LPARAM lParam) {
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    const bool inside = Inside(lParam);
    if (inside == hovered) return;  // moving within (or outside) repaints nothing
    hovered = inside;
    if (hovered && !handCursorShown) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        handCursorShown = true;
    }
    Redraw(false);
}

void voTextLink::Leave() {
    if (handCursorShown) {
        handCursorShown = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    hovered = false;
    mouseTracking = false;
    Redraw(false);
}

AccessibleFacts voTextLink::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (facts.name.empty()) facts.name = caption;
    facts.role = ROLE_SYSTEM_LINK;
    facts.state |= STATE_SYSTEM_LINKED;
    facts.value = target;
    facts.hasValue = true;
    if (!target.empty() && openTarget) facts.defaultAction = L"Jump";
    return facts;
}

void voTextLink::DoAccessibleAction(long) { Open(); }

void voTextLink::Open() {
    // Nothing happens while there is no target, or nothing to open it with.
    if (!target.empty() && openTarget) openTarget(target);
}
