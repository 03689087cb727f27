#include "widgets/buttons/voGripButton.h"

#include <windowsx.h>

namespace {
constexpr int kGripKind = 17;
}  // namespace

voGripButton::voGripButton(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP) {
    kind = kGripKind;
    accessibleName = L"Grip";
    voAbstractControl::SetSize(skinWidth, skinHeight);

    messageMap.Insert(WM_MOUSEMOVE, &voGripButton::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voGripButton::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voGripButton::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voGripButton::OnMouse);
    messageMap.Insert(WM_KEYDOWN, &voGripButton::OnKey);
    messageMap.Insert(WM_KEYUP, &voGripButton::OnKey);
    messageMap.Insert(WM_KILLFOCUS, &voGripButton::OnKillFocus);
}

LRESULT voGripButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

LRESULT voGripButton::OnKey(UINT message, WPARAM wParam, LPARAM) {
    if (space.Take(message == WM_KEYDOWN, static_cast<unsigned>(wParam)) == vo::KeyEdge::Released)
        NotifyParent();  // last: the parent may delete the control
    return 0;
}

LRESULT voGripButton::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    space.Cancel();
    return voAbstractControl::WindowProc(message, wParam, lParam);
}

bool voGripButton::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinWidth << skinHeight << hovered;
    return true;
}

void voGripButton::PaintContent(HDC dc) {
    const wchar_t* name = hovered ? L"GripButton_Hovered_Grip" : L"GripButton_Grip";
    BlendPiece(dc, SkinPiece(name, SkinSource::Resource, skinWidth, skinHeight), 0, 0, skinWidth,
               skinHeight, blend);
}

bool voGripButton::Inside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(ownWindow, &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

LRESULT voGripButton::OnMouse(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (!mouseTracking) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            TrackMouseLeave();
        }
        if (Inside(lParam) && !hovered) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            hovered = true;
            Redraw(false);
        }
        break;
    case WM_LBUTTONDOWN: SetCapture(ownWindow); break;
    case WM_LBUTTONUP:
        if (GetCapture() == ownWindow) ReleaseCapture();
        if (Inside(lParam)) NotifyParent();  // last: the parent may delete the control
        break;
    case WM_MOUSELEAVE:
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        hovered = false;
        mouseTracking = false;
        Redraw(false);
        break;
    default: break;
    }
    return 0;
}

AccessibleFacts voGripButton::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_GRIP;
    facts.defaultAction = L"Press";
    return facts;
}

void voGripButton::DoAccessibleAction(long) { NotifyParent(); }
