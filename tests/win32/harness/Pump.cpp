#include "harness/Pump.h"

#include "window/WindowClass.h"

namespace {
// Bounded, so a window that never validates itself cannot keep the pump busy.
void DispatchPending() {
    MSG message;
    for (int handled = 0; handled < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
         ++handled) {
        if (message.message == WM_QUIT) continue;  // a test asks for quit codes itself
        TranslateMessage(&message);
        DispatchMessageW(&message);
        // What a handler threw fails the test here, as the program's loop would end it.
        RethrowPendingWindowException();
    }
}
}  // namespace

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        DispatchPending();
        if (milliseconds > 0) Sleep(5);
    } while (GetTickCount() - start < milliseconds);
    DispatchPending();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMilliseconds) return false;
        DispatchPending();
        Sleep(5);
    }
    return true;
}
