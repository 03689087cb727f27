// Looks at the running demonstration program from outside, as a user's tools
// would: lists its visible top-level windows, or asks one of them to close.
//   demo_probe wait N TIMEOUT_MS   prints "x y width height" per window once N are visible
//   demo_probe count               prints how many are visible
//   demo_probe close               posts WM_CLOSE to one of them
//   demo_probe popups              prints "x y width height" of each visible pop-up
//                                  control window (an open combo box list)
//   demo_probe alpha X Y MS        samples the alpha of the window at (X, Y) for MS
//                                  milliseconds: "lowest L last A samples N"
//   demo_probe pixel X Y           prints the screen's "R G B" at (X, Y)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

BOOL CALLBACK CollectDemoWindow(HWND window, LPARAM list) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (wcscmp(name, L"voAbstractWindowClass") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> DemoWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectDemoWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

int Wait(int wanted, int timeout) {
    for (int waited = 0; waited <= timeout; waited += 50) {
        std::vector<HWND> windows = DemoWindows();
        if (static_cast<int>(windows.size()) >= wanted) {
            std::vector<RECT> rects;
            for (HWND window : windows) {
                RECT rect{};
                GetWindowRect(window, &rect);
                rects.push_back(rect);
            }
            std::sort(rects.begin(), rects.end(), [](const RECT& a, const RECT& b) {
                return a.top != b.top ? a.top < b.top : a.left < b.left;
            });
            for (const RECT& r : rects)
                std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            return 0;
        }
        Sleep(50);
    }
    std::printf("only %u windows\n", static_cast<unsigned>(DemoWindows().size()));
    return 1;
}

BOOL CALLBACK CollectPopup(HWND window, LPARAM list) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (wcscmp(name, L"voAbstractControlClass") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

int Popups() {
    std::vector<HWND> found;
    EnumWindows(CollectPopup, reinterpret_cast<LPARAM>(&found));
    for (HWND window : found) {
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return 0;
}

int Alpha(int x, int y, int milliseconds) {
    HWND window = WindowFromPoint(POINT{x, y});
    while (window != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    if (window == nullptr) return 1;
    int lowest = 255, last = 255, samples = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        BYTE alpha = 255;
        DWORD flags = 0;
        if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) {
            last = alpha;
            lowest = std::min<int>(lowest, alpha);
        }
        ++samples;
        Sleep(1);
    }
    std::printf("lowest %d last %d samples %d\n", lowest, last, samples);
    return 0;
}

int Pixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    if (colour == CLR_INVALID) return 1;
    std::printf("%d %d %d\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 4 && wcscmp(argv[1], L"wait") == 0) return Wait(_wtoi(argv[2]), _wtoi(argv[3]));
    if (argc >= 2 && wcscmp(argv[1], L"count") == 0) {
        std::printf("%u\n", static_cast<unsigned>(DemoWindows().size()));
        return 0;
    }
    if (argc >= 2 && wcscmp(argv[1], L"close") == 0) {
        std::vector<HWND> windows = DemoWindows();
        if (windows.empty()) return 1;
        PostMessageW(windows.front(), WM_CLOSE, 0, 0);
        return 0;
    }
    if (argc >= 2 && wcscmp(argv[1], L"popups") == 0) return Popups();
    if (argc >= 5 && wcscmp(argv[1], L"alpha") == 0)
        return Alpha(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]));
    if (argc >= 4 && wcscmp(argv[1], L"pixel") == 0) return Pixel(_wtoi(argv[2]), _wtoi(argv[3]));
    std::fprintf(stderr,
                 "usage: demo_probe wait N TIMEOUT_MS | count | close | popups | alpha X Y MS"
                 " | pixel X Y\n");
    return 2;
}
