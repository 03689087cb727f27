// A window of the library with four of its controls. Each control is a child
// window the gradient window owns from AddControl on; the window reports its
// controls' clicks and changes to WindowProc as WM_COMMAND.
#include <windows.h>

#include "vo.h"

namespace {

enum ControlId : std::uint16_t { kCloseButton = 1, kCheckBox, kSpinBox, kTextEdit };

class HelloWindow : public voAbstractGradientWindow {
public:
    HelloWindow() {
        SetSize(280, 130);
        gradientStart = RGB(0xF4, 0xF8, 0xFC);
        gradientEnd = RGB(0xB4, 0xC8, 0xE0);

        auto* close = Add(new voButton(window, kCloseButton, 0, vo::kButtonNormal), 20, 20);
        close->SetText(L"Close");
        close->FitToText(12);

        auto* check = Add(new voCheckBox(window, kCheckBox, 0), 20, 55);
        check->SetText(L"Check me");
        check->FitToText();

        auto* spin = Add(new voSpinBox(window, kSpinBox, 60), 20, 85);
        spin->minimum = 0;
        spin->maximum = 99;
        spin->SetValue(42);
        spin->FitToDigits(2);

        auto* edit = Add(new voTextEdit(window, kTextEdit, 150, 0), 100, 85);
        edit->FitToLength(4, 20);
        edit->SetText(L"Hello, vo");

        for (auto& [id, control] : controls) control->Show(true);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == kCloseButton) {
            SendMessageW(window, WM_CLOSE, 0, 0);  // the window then ends the message loop
            return 0;
        }
        return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
    }

private:
    template <class Control>
    Control* Add(Control* control, int x, int y) {
        AddControl(control->controlId, control);
        control->SetPosition(x, y, true);
        return control;
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HelloWindow hello;
    SetWindowPos(hello.window, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    hello.Show(true);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        RethrowPendingWindowException();  // what a control's handler threw
    }
    return static_cast<int>(message.wParam);
}
