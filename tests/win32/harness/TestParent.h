#pragma once
// A real gradient window to put a control on, recording what the control
// tells it: every WM_COMMAND, WM_NOTIFY, WM_SETFOCUS and WM_KILLFOCUS, in order.
#include <windows.h>

#include <vector>

#include "window/voAbstractGradientWindow.h"

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT notifyCode;       // WM_NOTIFY: the NMHDR code (lParam is gone after the call)
    UINT_PTR notifyId;     // WM_NOTIFY: the NMHDR idFrom
    HWND notifyFrom;       // WM_NOTIFY: the NMHDR hwndFrom
};

class TestParent : public voAbstractGradientWindow {
public:
    // Shown, top-most, at a fixed place on the screen, 370 x 340 by default.
    explicit TestParent(int width = 370, int height = 340);
    ~TestParent() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The recorded messages of one kind, in order.
    std::vector<RecordedMessage> Received(UINT message) const;
    void Clear() { received.clear(); }

    // Adds, places and shows a control the parent then owns; returns it.
    template <class Control>
    Control* Place(Control* control, int x, int y) {
        AddControl(control->controlId, control);
        control->SetPosition(x, y, true);
        control->Show(true);
        return control;
    }

    static constexpr int kScreenX = 40;
    static constexpr int kScreenY = 40;

    std::vector<RecordedMessage> received;
};
