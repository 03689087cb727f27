#include "window/voAbstractWindow.h"

#include <stdexcept>

#include "control/KeyboardFocus.h"
#include "window/WindowClass.h"

const wchar_t* const voAbstractWindow::kClassName = L"voAbstractWindowClass";

namespace {
bool classRegistered = false;
}

HandleRegistry<HWND, voAbstractWindow>& voAbstractWindow::Registry() {
    static HandleRegistry<HWND, voAbstractWindow> registry;
    return registry;
}

voAbstractWindow::voAbstractWindow(DWORD style) : moduleInstance(GetModuleHandleW(nullptr)) {
    RegisterClassOnce(moduleInstance);
    window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kClassName, nullptr, style, 0, 0, 0,
                             0, nullptr, nullptr, moduleInstance, nullptr);
    if (window == nullptr) throw std::runtime_error("voAbstractWindow Window cannot be created");
    Registry().Insert(window, this);
    visible = false;
}

voAbstractWindow::~voAbstractWindow() noexcept(false) {
    if (!Registry().Erase(window))
        throw std::runtime_error("voAbstractWindow object doesn't exist");
}

void voAbstractWindow::RegisterClassOnce(HINSTANCE instance) {
    if (classRegistered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = 0;
    windowClass.lpfnWndProc = ClassWindowProc;
    windowClass.hInstance = instance;
    // No icon of this name ships with the program: the system default shows.
    windowClass.hIcon = LoadIconW(instance, L"App_Icon");
    windowClass.hIconSm = LoadIconW(instance, L"App_Icon");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterWindowClassOnce(classRegistered, windowClass,
                            "voAbstractWindow class cannot be registered");
}

LRESULT CALLBACK voAbstractWindow::ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    return RouteToObject(Registry(), hwnd, message, wParam, lParam);
}

void voAbstractWindow::Show(bool show) {
    ShowWindow(window, show ? SW_SHOW : SW_HIDE);
    visible = show;
}

bool voAbstractWindow::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    return SetWindowPos(window, nullptr, 0, 0, width, height,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) > 0;
}

LRESULT voAbstractWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The keyboard-cue state its controls draw by is kept here, not by the system.
    LRESULT answer = 0;
    if (AnswerUiStateMessage(window, message, wParam, answer)) return answer;
    if (message == WM_NCDESTROY) ForgetUiState(window);
    if (message == WM_KEYDOWN && wParam == VK_TAB &&
        FocusFirstTabStop(window, GetKeyState(VK_SHIFT) < 0))
        return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}
