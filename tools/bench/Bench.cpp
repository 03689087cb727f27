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

// The system control standing in for each of our control kinds.
struct SystemKind {
    const char* name;
    const wchar_t* className;
    DWORD style;
};

const std::map<int, SystemKind>& SystemKinds() {
    static const std::map<int, SystemKind> kinds = {
        {1, {"push button", L"BUTTON", BS_PUSHBUTTON}},
        {2, {"colour label", L"STATIC", SS_LEFT}},
        {3, {"double button", L"BUTTON", BS_PUSHBUTTON}},
        {4, {"text edit", L"EDIT", WS_BORDER | ES_AUTOHSCROLL}},
        {5, {"text box", L"EDIT", WS_BORDER | ES_MULTILINE}},
        {6, {"spin box", L"EDIT", WS_BORDER | ES_NUMBER}},
        {7, {"check box / radio button", L"BUTTON", BS_AUTOCHECKBOX}},
        {8, {"horizontal scroll bar", L"SCROLLBAR", SBS_HORZ}},
        {9, {"vertical scroll bar", L"SCROLLBAR", SBS_VERT}},
        {10, {"slider", TRACKBAR_CLASSW, 0}},
        {11, {"analog clock", L"STATIC", SS_LEFT}},
        {12, {"combo box", L"COMBOBOX", CBS_DROPDOWNLIST}},
        {14, {"schedule viewer", L"STATIC", SS_LEFT}},
        {15, {"text link", L"STATIC", SS_NOTIFY}},
        {16, {"static text", L"STATIC", SS_LEFT}},
        {17, {"grip button", L"BUTTON", BS_PUSHBUTTON}},
        {18, {"static bitmap", L"STATIC", SS_LEFT}},
    };
    return kinds;
}

struct Placed {
    int kind;
    RECT rect;  // in the parent's client coordinates
    HWND window;
    int id;
};

// The control of each kind a press is timed on in window I: one that takes
// input (several there are disabled on purpose). The system scroll bar and
// trackbar track a press in a modal loop of their own until the button comes
// up, so a press alone cannot be timed on them.
const std::map<int, int>& PressedIds() {
    static const std::map<int, int> ids = {{1, 1}, {3, 20}, {4, 23}, {6, 26}, {7, 30}};
    return ids;
}

std::vector<Placed> ControlsOf(HWND parent) {
    std::vector<Placed> placed;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        voAbstractControl* control = voAbstractControl::Registry().Find(child);
        if (control == nullptr) continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        placed.push_back({control->kind, rect, child, control->controlId});
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
            controls.push_back({ours.kind, ours.rect, child, ours.id});
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
    // Away from every window: a release with the pointer over "Exit program!"
    // would click it.
    SetCursorPos(0, 0);
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
            auto id = PressedIds().find(kind.first);
            if (id == PressedIds().end()) continue;
            auto withId = [&](const Placed& p) { return p.id == id->second; };
            auto mine = std::find_if(ours.begin(), ours.end(), withId);
            auto theirs = std::find_if(system.controls.begin(), system.controls.end(), withId);
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
