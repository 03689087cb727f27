#include "harness/TestParent.h"

#include <algorithm>
#include <iterator>

#include "control/voAbstractControl.h"
#include "harness/Pump.h"

TestParent::TestParent(int clientWidth, int clientHeight) {
    SetSize(clientWidth, clientHeight);
    x = kScreenX;
    y = kScreenY;
    // Top-most at a fixed place, so screen read-backs see this window and nothing
    // else. Shown without activation: Wine hands an activated top-level window
    // to the (absent) window manager and then waits 2 s for it when the window
    // is destroyed. SetFocus on a control still activates it without that cost.
    SetWindowPos(window, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNA);
    visible = true;
    UpdateWindow(window);
    PumpMessages();
}

TestParent::~TestParent() {
    // The controls go before the native window: destroying a window with a
    // focused child would otherwise repaint that child while the test that
    // built it (and whatever its paint code refers to) is already gone.
    for (auto& entry : controls) delete entry.second;
    controls.clear();
    DestroyWindow(window);
    // WM_DESTROY posted a quit message meant for a program's loop, not for the
    // tests that follow.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

LRESULT TestParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_SETFOCUS ||
        message == WM_KILLFOCUS) {
        RecordedMessage record{message, wParam, lParam, 0, 0, nullptr};
        if (message == WM_NOTIFY && lParam != 0) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            record.notifyCode = header->code;
            record.notifyId = header->idFrom;
            record.notifyFrom = header->hwndFrom;
        }
        received.push_back(record);
    }
    return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
}

std::vector<RecordedMessage> TestParent::Received(UINT message) const {
    std::vector<RecordedMessage> matching;
    std::copy_if(received.begin(), received.end(), std::back_inserter(matching),
                 [message](const RecordedMessage& record) { return record.message == message; });
    return matching;
}
