#include "harness/Pump.h"

namespace {
void DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;  // a test asks for quit codes itself
        TranslateMessage(&message);
        DispatchMessageW(&message);
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
