// Times the library's controls against the system controls at the same
// rectangles, in one run with interleaved rounds: a full repaint of the first
// demonstration window, a press on one control of each kind, and building and
// showing the whole window. Prints the medians and the ratios.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control/voAbstractControl.h"
#include "demo/DemoWindowI.h"
#include "window/voAbstractGradientWindow.h"

namespace {

constexpr int kRounds = 15;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The system control standing in for each of our control kinds, and
// whether a press on it is timed.
struct SystemKind {
    const char* name;
    const wchar_t* className;
    DWORD style;
    bool press;
};

const std::map<int, SystemKind>& SystemKinds() {
    static const std::map<int, SystemKind> kinds = {
        {1, {"push button", L"BUTTON", BS_PUSHBUTTON, true}},
        {2, {"colour label", L"STATIC", SS_LEFT, false}},
        {3, {"double button", L"BUTTON", BS_PUSHBUTTON, true}},
        {4, {"text edit", L"EDIT", WS_BORDER | ES_AUTOHSCROLL, true}},
        {5, {"text box", L"EDIT", WS_BORDER | ES_MULTILINE, false}},
        {6, {"spin box", L"EDIT", WS_BORDER | ES_NUMBER, true}},
        {7, {"check box / radio button", L"BUTTON", BS_AUTOCHECKBOX, true}},
        {8, {"horizontal scroll bar", L"SCROLLBAR", SBS_HORZ, true}},
        {9, {"vertical scroll bar", L"SCROLLBAR", SBS_VERT, true}},
        {10, {"slider", TRACKBAR_CLASSW, 0, true}},
        {11, {"analog clock", L"STATIC", SS_LEFT, false}},
        {12, {"combo box", L"COMBOBOX", CBS_DROPDOWNLIST, false}},
        {14, {"schedule viewer", L"STATIC", SS_LEFT, false}},
        {15, {"text link", L"STATIC", SS_NOTIFY, false}},
        {16, {"static text", L"STATIC", SS_LEFT, false}},
        {17, {"grip button", L"BUTTON", BS_PUSHBUTTON, true}},
        {18, {"static bitmap", L"STATIC", SS_LEFT, false}},
    };
    return kinds;
}

struct Placed {
    int kind;
    RECT rect;  // in the parent's client coordinates
    HWND window;
};

std::vector<Placed> ControlsOf(HWND parent) {
    std::vector<Placed> placed;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        voAbstractControl* control = voAbstractControl::Registry().Find(child);
        if (control == nullptr) continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        placed.push_back({control->kind, rect, child});
    }
    return placed;
}

// A gradient window like ours, holding one system control at each rectangle.
struct SystemWindow {
    std::unique_ptr<voAbstractGradientWindow> window;
    std::vector<Placed> controls;

    SystemWindow(const std::vector<Placed>& layout, int width, int height, int x, int y) {
        window = std::make_unique<voAbstractGradientWindow>();
        window->SetSize(width, height);
        SetWindowPos(window->window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (const Placed& ours : layout) {
            auto kind = SystemKinds().find(ours.kind);
            if (kind == SystemKinds().end()) continue;
            HWND child = CreateWindowExW(0, kind->second.className, L"Caption",
                                         WS_CHILD | WS_VISIBLE | kind->second.style, ours.rect.left,
                                         ours.rect.top, ours.rect.right - ours.rect.left,
                                         ours.rect.bottom - ours.rect.top, window->window, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
            controls.push_back({ours.kind, ours.rect, child});
        }
    }
    void Show() {
        ShowWindow(window->window, SW_SHOWNA);
        UpdateWindow(window->window);
    }
};

void ShowOurs(DemoWindowI& demo, int x, int y) {
    SetWindowPos(demo.window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(demo.window, SW_SHOWNA);
    UpdateWindow(demo.window);
}

double FullRepaint(HWND window) {
    const double start = Now();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return Now() - start;
}

// Button down to the pressed look on the screen; the release is not timed.
double Press(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const LPARAM point = MAKELPARAM(client.right / 2, client.bottom / 2);
    const double start = Now();
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    UpdateWindow(control);
    const double elapsed = Now() - start;
    SendMessageW(control, WM_LBUTTONUP, 0, point);
    UpdateWindow(control);
    return elapsed;
}

struct Row {
    std::string what;
    double ours;
    double system;
};

void Print(const std::vector<Row>& rows) {
    std::printf("%-42s %12s %12s %8s\n", "", "ours (ms)", "system (ms)", "ratio");
    for (const Row& row : rows)
        std::printf("%-42s %12.3f %12.3f %8.2f\n", row.what.c_str(), row.ours, row.system,
                    row.system > 0 ? row.ours / row.system : 0.0);
}

// Interleaves rounds of the two measurements and keeps their medians.
Row Compare(const std::string& what, const std::function<double()>& ours,
            const std::function<double()>& system) {
    std::vector<double> a, b;
    for (int round = 0; round < kRounds; ++round) {
        a.push_back(ours());
        b.push_back(system());
    }
    return {what, Median(a), Median(b)};
}

}  // namespace

int wmain() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<Row> rows;
    {
        DemoWindowI demo;
        ShowOurs(demo, 40, 40);
        const std::vector<Placed> ours = ControlsOf(demo.window);
        SystemWindow system(ours, demo.width, demo.height, 460, 40);
        system.Show();
        Pump();
        rows.push_back(Compare("full repaint of window I (" + std::to_string(ours.size()) + " controls)",
                               [&] { return FullRepaint(demo.window); },
                               [&] { return FullRepaint(system.window->window); }));
        for (const auto& kind : SystemKinds()) {
            if (!kind.second.press) continue;
            auto mine = std::find_if(ours.begin(), ours.end(), [&](const Placed& p) {
                return p.kind == kind.first && IsWindowEnabled(p.window);
            });
            auto theirs = std::find_if(system.controls.begin(), system.controls.end(),
                                       [&](const Placed& p) { return p.kind == kind.first; });
            if (mine == ours.end() || theirs == system.controls.end()) continue;
            rows.push_back(Compare(std::string("press, ") + kind.second.name,
                                   [&] { return Press(mine->window); },
                                   [&] { return Press(theirs->window); }));
        }
    }
    {
        std::vector<Placed> layout;
        {
            DemoWindowI probe;
            layout = ControlsOf(probe.window);
        }
        auto buildOurs = [] {
            const double start = Now();
            auto demo = std::make_unique<DemoWindowI>();
            ShowOurs(*demo, 40, 420);
            Pump();
            const double elapsed = Now() - start;
            demo.reset();
            Pump();
            return elapsed;
        };
        auto buildSystem = [&] {
            const double start = Now();
            auto system = std::make_unique<SystemWindow>(layout, 370, 340, 460, 420);
            system->Show();
            Pump();
            const double elapsed = Now() - start;
            system.reset();
            Pump();
            return elapsed;
        };
        rows.push_back(Compare("build and show window I", buildOurs, buildSystem));
    }
    std::printf("vo bench: %d-bit build, medians of %d interleaved rounds\n",
                static_cast<int>(sizeof(void*) * 8), kRounds);
    Print(rows);
    return 0;
}
