#include "control/KeyboardFocus.h"

#include <cstdint>

#include "control/KeyboardLogic.h"
#include "control/voAbstractControl.h"

namespace {

const wchar_t* const kUiStateProperty = L"voKeyboardCueState";
// Kept with the state so that a stored 0 (every cue shown) differs from none kept.
constexpr std::uintptr_t kStoredMark = 0x10000;

constexpr COLORREF kCueDark = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kCueLight = RGB(0xF0, 0xF0, 0xF0);

HWND TopLevelOf(HWND window) { return GetAncestor(window, GA_ROOT); }

bool IsControlParentChild(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0 &&
           (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

bool RefusesFocus(HWND window) {
    const voAbstractControl* control = voAbstractControl::Registry().Find(window);
    return control != nullptr && !control->TakesKeyboardFocus();
}

void StoreUiState(HWND topLevel, WORD state) {
    SetPropW(topLevel, kUiStateProperty, reinterpret_cast<HANDLE>(state | kStoredMark));
}

BOOL CALLBACK TellUiState(HWND child, LPARAM wParam) {
    SendMessageW(child, WM_UPDATEUISTATE, static_cast<WPARAM>(wParam), 0);
    return TRUE;
}

}  // namespace

HWND TabStopRoot(HWND control) {
    // A pop-up (the open list of a combo box) is no stop of its owner's.
    if ((GetWindowLongW(control, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
    HWND root = GetParent(control);
    while (root != nullptr && IsControlParentChild(root)) root = GetParent(root);
    return root;
}

HWND NextTabStop(HWND control, bool backwards) {
    const HWND root = TabStopRoot(control);
    if (root == nullptr) return nullptr;
    HWND first = nullptr;
    for (HWND candidate = control;;) {
        candidate = GetNextDlgTabItem(root, candidate, backwards ? TRUE : FALSE);
        if (candidate == nullptr || candidate == control || !RefusesFocus(candidate))
            return candidate;
        // Around the whole window without finding one that takes the focus.
        if (candidate == first) return nullptr;
        if (first == nullptr) first = candidate;
    }
}

bool FocusFirstTabStop(HWND window, bool backwards) {
    // The first stop, then for Shift+Tab the one before it round the window:
    // the last.
    HWND target = GetNextDlgTabItem(window, nullptr, FALSE);
    if (target != nullptr && (backwards || RefusesFocus(target)))
        target = NextTabStop(target, backwards);
    if (target == nullptr) return false;
    SetFocus(target);
    LRESULT ignored = 0;
    AnswerUiStateMessage(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), ignored);
    return true;
}

WORD UiStateOf(HWND window) {
    const auto kept =
        reinterpret_cast<std::uintptr_t>(GetPropW(TopLevelOf(window), kUiStateProperty));
    return static_cast<WORD>((kept & kStoredMark) != 0 ? kept & 0xFFFF : vo::kInitialUiState);
}

bool AnswerUiStateMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result) {
    result = 0;
    if (message == WM_QUERYUISTATE) {
        result = UiStateOf(window);
        return true;
    }
    if (message != WM_CHANGEUISTATE && message != WM_UPDATEUISTATE) return false;
    const HWND topLevel = TopLevelOf(window);
    const WORD before = UiStateOf(topLevel);
    const WORD after = vo::ApplyUiStateChange(before, LOWORD(wParam), HIWORD(wParam));
    if (after == before) return true;
    StoreUiState(topLevel, after);
    EnumChildWindows(topLevel, TellUiState, static_cast<LPARAM>(wParam));
    return true;
}

void ForgetUiState(HWND topLevel) { RemovePropW(topLevel, kUiStateProperty); }

void DrawFocusCue(HDC dc, int width, int height) {
    const int right = width - 2;
    const int bottom = height - 2;
    if (right <= 1 || bottom <= 1) return;
    // The colour follows x + y, so the dots run on unbroken round the corners.
    auto dot = [dc](int x, int y) { SetPixelV(dc, x, y, (x + y) % 2 == 0 ? kCueDark : kCueLight); };
    for (int x = 1; x <= right; ++x) {
        dot(x, 1);
        dot(x, bottom);
    }
    for (int y = 2; y < bottom; ++y) {
        dot(1, y);
        dot(right, y);
    }
}

// --- What the control base does with them ----------------------------------------

bool voAbstractControl::RouteSharedKeys(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_KEYDOWN: {
        if (wParam != VK_TAB || tabToOwnHandler) return false;
        // The control's own key handler hears it first (a scroll bar tells its
        // parent of every key); then the focus moves on.
        const vo::LifeGuard::Watch watch = WatchLife();
        tabToOwnHandler = true;
        WindowProc(message, wParam, lParam);
        if (!watch.Alive()) return true;
        tabToOwnHandler = false;
        MoveFocusByTab(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    case WM_CHAR:
        // The character of the Tab that moved the focus away.
        return wParam == L'\t';
    case WM_UPDATEUISTATE:
        AnswerUiStateMessage(ownWindow, message, wParam, result);
        if (focused) Redraw(false);
        return true;
    default: return AnswerUiStateMessage(ownWindow, message, wParam, result);
    }
}

void voAbstractControl::MoveFocusByTab(bool backwards) {
    const HWND next = NextTabStop(ownWindow, backwards);
    if (next == nullptr || next == ownWindow) return;
    // The parent hears of the focus loss and may delete this control.
    const vo::LifeGuard::Watch watch = WatchLife();
    SetFocus(next);
    if (!watch.Alive()) return;
    // A parent told of the loss may send the focus elsewhere (window I sends
    // it to its scroll bar); the key asked for `next`, so it goes there.
    if (GetFocus() != next && IsWindow(next)) SetFocus(next);
    if (!watch.Alive()) return;
    // Keyboard navigation shows the focus cue from now on, as in a dialog.
    LRESULT ignored = 0;
    AnswerUiStateMessage(next, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), ignored);
}

bool voAbstractControl::FocusCueShown() const {
    return focused && (UiStateOf(ownWindow) & UISF_HIDEFOCUS) == 0;
}
