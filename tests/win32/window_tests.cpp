// The abstract window and the gradient window on real windows under Wine.
#include <gtest/gtest.h>

#include <memory>

#include "control/voAbstractControl.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "window/GradientLogic.h"
#include "window/voAbstractGradientWindow.h"

namespace {

class CountingWindow : public voAbstractWindow {
public:
    CountingWindow() : voAbstractWindow(WS_POPUP) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ++calls;
        return DefaultProc(message, wParam, lParam);
    }
    int calls = 0;
};

// Shows the window on top and reads back what it painted. Shown without
// activation: activating makes Wine's teardown of the window slow.
PixelImage ShowAndRead(voAbstractGradientWindow& window) {
    SetWindowPos(window.window, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(window.window, SW_SHOWNA);
    UpdateWindow(window.window);
    PumpMessages(200);
    return ReadWindowPixels(window.window);
}

// Drops the quit messages earlier tests posted, so each test sees its own.
void DrainQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace

TEST(AbstractWindow, TwoWindowsShareOneRegisteredClass) {
    CountingWindow first;
    CountingWindow second;  // a second registration would fail and throw
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"voAbstractWindowClass", &info));
    EXPECT_EQ(GetClassLongW(first.window, GCW_ATOM), GetClassLongW(second.window, GCW_ATOM));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(GetWindowLongW(first.window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    EXPECT_FALSE(IsWindowVisible(first.window));
    EXPECT_EQ(voAbstractWindow::Registry().Find(first.window), &first);
    DestroyWindow(first.window);
    DestroyWindow(second.window);
}

TEST(AbstractWindow, MessagesForUnregisteredHandlesReachTheDefaultHandler) {
    auto object = std::make_unique<CountingWindow>();
    const HWND window = object->window;
    SendMessageW(window, WM_NULL, 0, 0);
    EXPECT_EQ(object->calls, 1);
    object.reset();  // leaves the registry; the native window lives on
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(voAbstractWindow::Registry().Contains(window));
    EXPECT_TRUE(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"default")));
    wchar_t text[16] = {};
    SendMessageW(window, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"default");
    DestroyWindow(window);
}

TEST(AbstractWindow, SetSizeStoresTheSizeEvenWhenThePlatformRefuses) {
    CountingWindow object;
    EXPECT_TRUE(object.SetSize(120, 80));
    RECT rect{};
    GetWindowRect(object.window, &rect);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 80);
    DestroyWindow(object.window);
    EXPECT_FALSE(object.SetSize(50, 60));
    EXPECT_EQ(object.width, 50);
    EXPECT_EQ(object.height, 60);
}

TEST(AbstractWindow, ShowStoresVisibility) {
    CountingWindow object;
    object.SetSize(10, 10);
    object.Show(true);
    EXPECT_TRUE(object.visible);
    EXPECT_TRUE(IsWindowVisible(object.window));
    object.Show(false);
    EXPECT_FALSE(object.visible);
    EXPECT_FALSE(IsWindowVisible(object.window));
    DestroyWindow(object.window);
}

TEST(GradientWindow, ConstructsHiddenAt280By306WithItsDefaults) {
    voAbstractGradientWindow window;
    RECT rect{};
    GetWindowRect(window.window, &rect);
    EXPECT_EQ(rect.right - rect.left, 280);
    EXPECT_EQ(rect.bottom - rect.top, 306);
    EXPECT_EQ(window.gradientStart, 0xC8C8C8u);
    EXPECT_EQ(window.gradientEnd, 0xE6E6E6u);
    EXPECT_EQ(window.borderColour, 0x323232u);
    EXPECT_EQ(GetWindowLongW(window.window, GWL_STYLE) & WS_POPUP, static_cast<LONG>(WS_POPUP));
    EXPECT_FALSE(IsWindowVisible(window.window));
    DestroyWindow(window.window);
    DrainQuit();
}

TEST(GradientWindow, AddControlKeepsTheFirstControlForAnIdentifier) {
    voAbstractGradientWindow window;
    auto* first = new voAbstractControl(window.window, 5, WS_CHILD);
    auto duplicate = std::make_unique<voAbstractControl>(window.window, 5, WS_CHILD);
    EXPECT_TRUE(window.AddControl(5, first));
    EXPECT_FALSE(window.AddControl(5, duplicate.get()));
    EXPECT_EQ(window.GetControl(5), first);
    EXPECT_EQ(window.GetControl(6), nullptr);
    DestroyWindow(window.window);
    DrainQuit();
}

TEST(GradientWindow, DestroyingTheWindowObjectDeletesItsControls) {
    HWND controlWindow = nullptr;
    {
        voAbstractGradientWindow window;
        auto* control = new voAbstractControl(window.window, 9, WS_CHILD);
        controlWindow = control->ownWindow;
        window.AddControl(9, control);
    }
    EXPECT_FALSE(voAbstractControl::Registry().Contains(controlWindow));
    DrainQuit();
}

TEST(GradientWindow, EraseBackgroundReturnsOneAndCloseEndsTheLoopWithZero) {
    voAbstractGradientWindow window;
    DrainQuit();
    EXPECT_EQ(SendMessageW(window.window, WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(SendMessageW(window.window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window.window));
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

TEST(GradientWindow, BackgroundRequestsAreAnsweredPerGradientMode) {
    voAbstractGradientWindow window;
    window.SetSize(370, 340);
    auto* control = new voAbstractControl(window.window, 3, WS_CHILD);
    window.AddControl(3, control);
    auto request = [&](UINT code, UINT_PTR id) {
        NMHDR header{control->ownWindow, id, code};
        return SendMessageW(window.window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    };
    EXPECT_EQ(request(7, 3), 0);
    EXPECT_FALSE(control->parentGradientKnown);
    EXPECT_EQ(request(2, 3), 0);
    EXPECT_EQ(request(1, 3), 1);
    EXPECT_EQ(request(0, 4), 0);
    window.gradientMode = 1;
    EXPECT_EQ(request(1, 3), 0);
    EXPECT_EQ(request(2, 3), 1);
    EXPECT_EQ(request(0, 3), 1);
    EXPECT_TRUE(control->parentGradientKnown);
    EXPECT_EQ(control->parentWidth, 370);
    EXPECT_EQ(control->parentHeight, 340);
    EXPECT_EQ(control->gradientStart, 0xC8C8C8u);
    EXPECT_EQ(control->gradientEnd, 0xE6E6E6u);
    EXPECT_FALSE(control->gradientHorizontal);
    DestroyWindow(window.window);
    DrainQuit();
}

TEST(GradientWindow, PaintsTheGradientInsideAOnePixelBorder) {
    voAbstractGradientWindow window;
    window.SetSize(370, 340);
    const PixelImage image = ShowAndRead(window);
    ASSERT_EQ(image.width, 370);
    ASSERT_EQ(image.height, 340);
    for (int y : {0, 339}) EXPECT_EQ(image.At(185, y), 0x323232u) << "row " << y;
    for (int x : {0, 369}) EXPECT_EQ(image.At(x, 170), 0x323232u) << "column " << x;
    EXPECT_EQ(image.At(0, 0), 0x323232u);
    EXPECT_EQ(image.At(369, 339), 0x323232u);
    for (int y : {1, 170, 338}) {
        EXPECT_TRUE(ColourNear(image.At(1, y), 0xC8C8C8, 1)) << std::hex << image.At(1, y);
        EXPECT_TRUE(ColourNear(image.At(368, y), 0xE6E6E6, 1)) << std::hex << image.At(368, y);
    }
    // Grey, rising steadily from left to right.
    int previous = 0;
    for (int x = 1; x <= 368; ++x) {
        const COLORREF c = image.At(x, 100);
        ASSERT_EQ(GetRValue(c), GetGValue(c));
        ASSERT_EQ(GetRValue(c), GetBValue(c));
        ASSERT_GE(GetRValue(c), previous) << "x " << x;
        previous = GetRValue(c);
        const COLORREF expected = vo::InterpolateColour(0xC8C8C8, 0xE6E6E6, x - 1, 367);
        ASSERT_TRUE(ColourNear(c, expected, 1)) << "x " << x << std::hex << " " << c;
    }
    DestroyWindow(window.window);
    DrainQuit();
}

TEST(GradientWindow, VerticalModeAndTheInnerFrame) {
    voAbstractGradientWindow window;
    window.SetSize(370, 340);
    window.gradientMode = 1;
    window.innerFrame = true;
    const PixelImage image = ShowAndRead(window);
    ASSERT_EQ(image.width, 370);
    EXPECT_TRUE(ColourNear(image.At(100, 1), 0xC8C8C8, 1));
    EXPECT_TRUE(ColourNear(image.At(100, 338), 0xE6E6E6, 1));
    EXPECT_EQ(image.At(3, 1), image.At(300, 1));  // constant along a row
    // The frame: left edge at x = 7 from y = 10, bottom edge at y = 340 - 35 - 1.
    EXPECT_EQ(image.At(7, 150), 0x8A8A8Au);
    EXPECT_EQ(image.At(185, 10), 0x8A8A8Au);
    EXPECT_EQ(image.At(185, 304), 0x8A8A8Au);
    EXPECT_NE(image.At(185, 320), 0x8A8A8Au);
    DestroyWindow(window.window);
    DrainQuit();
}
