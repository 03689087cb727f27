#pragma once
#include <windows.h>

#include <functional>
#include <string>

// The process's single-instance marker and message loop.
class Application {
public:
    Application() = default;
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // True when another copy already shows its marker window.
    bool AnotherInstanceRuns() const;
    // The hidden window a later copy finds; a failure to create it is ignored.
    void CreateMarker();
    // Pumps messages until WM_QUIT and returns its code.
    int Run();

    MSG message{};
    std::wstring instanceName;
    HWND markerWindow = nullptr;

    static const wchar_t* const kInstanceName;
};

// Everything between the instance guard and the end of the loop: construct the
// windows, place and show them, run the loop, tear them down. The
// demonstration program passes its own; tests pass theirs.
using ProgramBody = std::function<int(Application&)>;

// Runs `body` inside the guarded region and returns the exit code: 0 when
// another instance runs, the body's code, or -1 after an error box.
int RunApplication(const ProgramBody& body);
