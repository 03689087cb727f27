// The application shell: the guarded region's error boxes, the instance guard
// and the loop, through the body the shell takes as a parameter.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "app/Application.h"
#include "control/voAbstractControl.h"
#include "harness/ImportPatch.h"
#include "window/voAbstractGradientWindow.h"

namespace {

struct SeenBox {
    bool found = false;
    std::wstring texts;
};

// Wine draws MB_TOPMOST boxes like any other, so the style is read where the
// shell hands it to the system: at its MessageBoxA import.
using MessageBoxAFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
MessageBoxAFunction realMessageBoxA = nullptr;
UINT lastBoxStyle = 0;
HWND lastBoxOwner = reinterpret_cast<HWND>(1);

int WINAPI RecordingMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    lastBoxStyle = style;
    lastBoxOwner = owner;
    return realMessageBoxA(owner, text, caption, style);
}

class ErrorBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        realMessageBoxA = reinterpret_cast<MessageBoxAFunction>(
            PatchImport("user32.dll", "MessageBoxA", reinterpret_cast<void*>(&RecordingMessageBoxA)));
        ASSERT_NE(realMessageBoxA, nullptr);
    }
    void TearDown() override {
        PatchImport("user32.dll", "MessageBoxA", reinterpret_cast<void*>(realMessageBoxA));
    }
    void ExpectTopmostTaskModalErrorBox() {
        EXPECT_EQ(lastBoxStyle, static_cast<UINT>(MB_TOPMOST | MB_TASKMODAL | MB_ICONERROR));
        EXPECT_EQ(lastBoxOwner, nullptr);
        lastBoxStyle = 0;
    }
};

BOOL CALLBACK CollectText(HWND child, LPARAM lParam) {
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    reinterpret_cast<std::wstring*>(lParam)->append(text).append(L"|");
    return TRUE;
}

// Waits for the error box with `caption` on another thread, records it and
// presses its OK button, as a user would.
std::thread DismissBox(const wchar_t* caption, SeenBox& seen) {
    return std::thread([caption, &seen] {
        for (int attempt = 0; attempt < 500 && !seen.found; ++attempt) {
            HWND box = FindWindowW(L"#32770", caption);
            if (box == nullptr || !IsWindowVisible(box)) {
                Sleep(10);
                continue;
            }
            seen.found = true;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&seen.texts));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
}

template <class Body>
int RunWithBox(const wchar_t* caption, SeenBox& seen, Body body) {
    std::thread watcher = DismissBox(caption, seen);
    const int code = RunApplication(body);
    watcher.join();
    return code;
}

}  // namespace

TEST_F(ErrorBoxTest, EachCaughtKindShowsItsBoxAndReturnsMinusOne) {
    SeenBox runtime;
    EXPECT_EQ(RunWithBox(L"Runtime Error", runtime,
                         [](Application&) -> int {
                             throw std::runtime_error("voAbstractWindow class cannot be registered");
                         }),
              -1);
    EXPECT_TRUE(runtime.found);
    ExpectTopmostTaskModalErrorBox();
    EXPECT_NE(runtime.texts.find(L"voAbstractWindow class cannot be registered"), std::wstring::npos)
        << std::string(runtime.texts.begin(), runtime.texts.end());

    SeenBox logic;
    EXPECT_EQ(RunWithBox(L"Logic Error", logic,
                         [](Application&) -> int { throw std::out_of_range("index past the end"); }),
              -1);
    EXPECT_TRUE(logic.found);
    ExpectTopmostTaskModalErrorBox();
    EXPECT_NE(logic.texts.find(L"index past the end"), std::wstring::npos);

    SeenBox unknown;
    EXPECT_EQ(RunWithBox(L"Unknown Error", unknown, [](Application&) -> int { throw 42; }), -1);
    EXPECT_TRUE(unknown.found);
    ExpectTopmostTaskModalErrorBox();
    EXPECT_NE(unknown.texts.find(L"Unhandled Exception"), std::wstring::npos);
}

namespace {
class ThrowingControl : public voAbstractControl {
public:
    explicit ThrowingControl(HWND parent) : voAbstractControl(parent, 5, WS_CHILD) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::runtime_error(wParam == 0 ? "thrown in a sent message" : "later");
        return voAbstractControl::WindowProc(message, wParam, lParam);
    }
};
}  // namespace

TEST_F(ErrorBoxTest, AnExceptionInAHandlerEndsTheLoopWithItsBox) {
    SeenBox seen;
    LRESULT sent = -1;
    const int code = RunWithBox(L"Runtime Error", seen, [&](Application& application) {
        voAbstractGradientWindow window;
        ThrowingControl control(window.window);
        // The send returns through the system normally; the loop throws the
        // kept exception after the next message it dispatches.
        sent = SendMessageW(control.GetHandle(), WM_APP, 0, 0);
        PostMessageW(control.GetHandle(), WM_APP, 1, 0);
        return application.Run();
    });
    EXPECT_EQ(code, -1);
    EXPECT_EQ(sent, 0);
    EXPECT_TRUE(seen.found);
    EXPECT_NE(seen.texts.find(L"thrown in a sent message"), std::wstring::npos)
        << std::string(seen.texts.begin(), seen.texts.end());
}

TEST(ApplicationShell, TheMarkerLivesWhileTheBodyRunsAndGoesAfter) {
    bool markerSeen = false;
    const int code = RunApplication([&](Application& application) {
        markerSeen = FindWindowW(nullptr, L"oneInstanceRandomName1234567890") != nullptr &&
                     application.markerWindow != nullptr &&
                     !IsWindowVisible(application.markerWindow);
        return 7;
    });
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(markerSeen);
    EXPECT_EQ(FindWindowW(nullptr, L"oneInstanceRandomName1234567890"), nullptr);
}

TEST(ApplicationShell, AnotherInstanceMeansExitZeroWithoutRunningTheBody) {
    HWND marker = CreateWindowExW(0, L"Static", L"oneInstanceRandomName1234567890", 0, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(marker, nullptr);
    bool ran = false;
    EXPECT_EQ(RunApplication([&](Application&) {
                  ran = true;
                  return 5;
              }),
              0);
    EXPECT_FALSE(ran);
    DestroyWindow(marker);
}

TEST(ApplicationShell, RunReturnsTheQuitCode) {
    Application application;
    PostQuitMessage(3);
    EXPECT_EQ(application.Run(), 3);
}
