#include "harness/MessageStorm.h"

#include <cwchar>
#include <random>

namespace {

// Storm steps that leave a modal loop running (a context menu, a window move
// loop) would stall the storm; a thread timer notices a step that takes too
// long and breaks such loops the way a user would.
long stepsTaken = 0;
long stepsAtLastTick = -1;
int stalledTicks = 0;

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") == 0) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK BreakModalLoops(HWND, UINT, UINT_PTR, DWORD) {
    if (stepsTaken != stepsAtLastTick) {
        stepsAtLastTick = stepsTaken;
        stalledTicks = 0;
        return;
    }
    if (++stalledTicks < 2) return;
    EndMenu();
    // A move or size loop ends on Esc from the thread's queue.
    PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
    ReleaseCapture();
    // Message boxes and dialogs are cancelled.
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}

// Dispatches what is pending, for at most `milliseconds`: a control that never
// validates its window would otherwise keep the storm in WM_PAINT for ever.
void PumpBriefly(DWORD milliseconds = 20) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds &&
           PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Storm {
public:
    Storm(HWND control, const StormOptions& options)
        : control_(control), options_(options), random_(options.seed) {}

    bool Run() {
        stepsAtLastTick = -1;
        stalledTicks = 0;
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 100, BreakModalLoops);
        bool alive = true;
        for (int step = 0; step < options_.messages; ++step) {
            ++stepsTaken;
            if (!IsWindow(control_)) {
                alive = false;
                break;
            }
            OneMessage();
            if (options_.checkInvariants && options_.checkEvery > 0 &&
                (step + 1) % options_.checkEvery == 0 && IsWindow(control_))
                options_.checkInvariants();
        }
        if (alive && IsWindow(control_)) {
            // Leave no button held, whatever the last steps pressed.
            SendMessageW(control_, WM_LBUTTONUP, 0, ClientPoint(true));
            ReleaseCapture();
            PumpBriefly();
        }
        if (watchdog != 0) KillTimer(nullptr, watchdog);
        alive = alive && IsWindow(control_);
        if (alive && options_.checkInvariants) options_.checkInvariants();
        return alive;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }

    POINT RandomClientPoint(bool inside) {
        RECT client{};
        GetClientRect(control_, &client);
        const int w = client.right > 0 ? client.right : 1;
        const int h = client.bottom > 0 ? client.bottom : 1;
        if (inside) return {Uniform(0, w - 1), Uniform(0, h - 1)};
        // Outside: beyond one of the four edges, by up to 40 pixels.
        switch (Uniform(0, 3)) {
        case 0: return {Uniform(-40, -1), Uniform(-40, h + 40)};
        case 1: return {Uniform(w, w + 40), Uniform(-40, h + 40)};
        case 2: return {Uniform(-40, w + 40), Uniform(-40, -1)};
        default: return {Uniform(-40, w + 40), Uniform(h, h + 40)};
        }
    }

    LPARAM ClientPoint(bool inside) {
        const POINT point = RandomClientPoint(inside);
        return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    }

    LPARAM ScreenPoint() {
        POINT point = RandomClientPoint(Chance(70));
        ClientToScreen(control_, &point);
        return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    }

    WPARAM MouseKeys() const {
        WPARAM keys = 0;
        if (leftDown_) keys |= MK_LBUTTON;
        if (rightDown_) keys |= MK_RBUTTON;
        return keys;
    }

    static LPARAM KeyData(UINT key, bool release) {
        LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
        if (release) data |= static_cast<LPARAM>(0xC0000000u);  // previous state down, released
        return data;
    }

    // Most messages are sent (the control handles them before the call
    // returns); some are posted and pumped, as the system would deliver them.
    void Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
        if (Chance(20)) {
            PostMessageW(control_, message, wParam, lParam);
            PumpBriefly();
        } else {
            SendMessageW(control_, message, wParam, lParam);
        }
    }

    void OneMessage() {
        static const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP,     VK_DOWN,   VK_HOME,
                                    VK_END,  VK_PRIOR, VK_NEXT,   VK_DELETE, VK_BACK,
                                    VK_RETURN, VK_SPACE, VK_TAB};
        static const wchar_t printable[] = L"aZ09 .,-_/\\'\"<>()\u00e9\u00df\u65e5";
        static const wchar_t controlChars[] = {1, 3, 8, 9, 13, 22, 24, 26, 27, 127};
        const int roll = Uniform(0, 99);
        if (roll < 22) {
            Deliver(WM_MOUSEMOVE, MouseKeys(), ClientPoint(Chance(70)));
        } else if (roll < 30) {
            leftDown_ = true;
            Deliver(WM_LBUTTONDOWN, MouseKeys(), ClientPoint(Chance(85)));
        } else if (roll < 38) {
            leftDown_ = false;
            Deliver(WM_LBUTTONUP, MouseKeys(), ClientPoint(Chance(75)));
        } else if (roll < 41) {
            leftDown_ = true;
            Deliver(WM_LBUTTONDBLCLK, MouseKeys(), ClientPoint(true));
        } else if (roll < 43) {
            rightDown_ = true;
            Deliver(WM_RBUTTONDOWN, MouseKeys(), ClientPoint(true));
        } else if (roll < 45) {
            rightDown_ = false;
            Deliver(WM_RBUTTONUP, MouseKeys(), ClientPoint(Chance(80)));
        } else if (roll < 49) {
            const short delta = static_cast<short>(Chance(50) ? WHEEL_DELTA : -WHEEL_DELTA);
            Deliver(WM_MOUSEWHEEL, MAKEWPARAM(MouseKeys(), delta), ScreenPoint());
        } else if (roll < 52) {
            Deliver(WM_MOUSELEAVE, 0, 0);
        } else if (roll < 66) {
            const UINT key = keys[Uniform(0, static_cast<int>(sizeof(keys) / sizeof(keys[0])) - 1)];
            Deliver(WM_KEYDOWN, key, KeyData(key, false));
            if (Chance(70)) Deliver(WM_KEYUP, key, KeyData(key, true));
        } else if (roll < 76) {
            wchar_t character = 0;
            if (Chance(75))
                character = printable[Uniform(0, static_cast<int>(wcslen(printable)) - 1)];
            else
                character = controlChars[Uniform(0, static_cast<int>(sizeof(controlChars) /
                                                                     sizeof(controlChars[0])) - 1)];
            Deliver(WM_CHAR, character, 1);
        } else if (roll < 84) {
            Deliver(WM_TIMER, static_cast<WPARAM>(Uniform(1, 4)), 0);
        } else if (roll < 88) {
            const HWND other = GetParent(control_);
            if (Chance(50))
                SendMessageW(control_, WM_SETFOCUS, reinterpret_cast<WPARAM>(other), 0);
            else
                SendMessageW(control_, WM_KILLFOCUS,
                             Chance(50) ? reinterpret_cast<WPARAM>(other) : 0, 0);
        } else if (roll < 92) {
            // Real focus changes, so the system's own messages and GetFocus agree.
            const int choice = Uniform(0, 2);
            SetFocus(choice == 0 ? control_ : (choice == 1 ? GetParent(control_) : nullptr));
            PumpBriefly();
        } else if (roll < 95) {
            Deliver(WM_CAPTURECHANGED, 0, Chance(50) ? 0 : reinterpret_cast<LPARAM>(GetParent(control_)));
        } else {
            // Moves the real pointer, so hit tests that read GetCursorPos vary too.
            POINT point = RandomClientPoint(Chance(60));
            ClientToScreen(control_, &point);
            SetCursorPos(point.x, point.y);
            PumpBriefly();
        }
    }

    HWND control_;
    const StormOptions& options_;
    std::mt19937 random_;
    bool leftDown_ = false;
    bool rightDown_ = false;
};

}  // namespace

bool RunMessageStorm(HWND control, const StormOptions& options) {
    if (!IsWindow(control)) return false;
    Storm storm(control, options);
    return storm.Run();
}
