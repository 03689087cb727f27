// The analog clock on a real gradient parent under Wine: hands drawn at their
// angles, the repaint rule of the carries, dragging with real messages, a
// parent deleting it from its notifications, leaks and a message storm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "widgets/time/voAnalogClock.h"

namespace {

constexpr std::uint16_t kId = 61;

// The pixel `radius` from (cx, cy) at `degrees` clockwise from 12 o'clock,
// `across` pixels to the right of that direction.
POINT Polar(double degrees, double radius, double across = 0, double cx = 72, double cy = 72) {
    const double r = degrees * 3.14159265358979 / 180.0;
    return {static_cast<LONG>(std::floor(cx + radius * std::sin(r) + across * std::cos(r))),
            static_cast<LONG>(std::floor(cy - radius * std::cos(r) + across * std::sin(r)))};
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// The darkest channel around a pixel (3 x 3): half a pixel of placement decides nothing.
int Ink(const PixelImage& image, POINT p) {
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const COLORREF c = image.At(p.x + dx, p.y + dy);
            darkest =
                std::min<int>({darkest, std::max({GetRValue(c), GetGValue(c), GetBValue(c)})});
        }
    return darkest;
}

// A hand at `degrees` about (71.5, pivotY) covers dark pixels out to `reach`.
::testing::AssertionResult HandAt(const PixelImage& image, double degrees, double reach,
                                  double pivotY = 71.0) {
    for (double radius = 15; radius <= reach; radius += 8)
        if (Ink(image, Polar(degrees, radius, 0, 71.5, pivotY)) > 0x70)
            return ::testing::AssertionFailure()
                   << "no hand at " << degrees << ", radius " << radius;
    return ::testing::AssertionSuccess();
}

// The lightest a pixel can be called: its darkest channel.
int Lightness(const PixelImage& image, POINT p) {
    const COLORREF c = image.At(p.x, p.y);
    return std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
}

bool BareFace(const PixelImage& image, double degrees) {
    for (double radius = 20; radius <= 48; radius += 7)
        if (Lightness(image, Polar(degrees, radius, 0, 71.5, 71.5)) < 0xC0) return false;
    return true;
}

// Also deletes the clock when told that the focus left it.
class ClockOwner : public DeletingParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DeletingParent::WindowProc(message, wParam, lParam);
        if (message == WM_SETFOCUS && focusFrom != nullptr &&
            reinterpret_cast<HWND>(wParam) == focusFrom) {
            focusFrom = nullptr;
            Discard(kId);
        }
        return result;
    }
    HWND focusFrom = nullptr;
};

class ClockTest : public ::testing::Test {
protected:
    template <class Clock = voAnalogClock>
    Clock* Make(int hours, int minutes, int seconds, bool withSeconds, int x = 20,
                std::uint16_t id = kId) {
        auto* clock = new Clock(parent.window, id);
        clock->SetHours(hours);
        clock->SetMinutes(minutes, false);
        clock->SetSeconds(seconds, false);
        if (withSeconds) clock->ShowSeconds();
        return parent.Place(clock, x, 20);
    }
    PixelImage Shot(voAnalogClock* clock) {
        clock->Redraw(true);
        return ReadWindowPixels(clock->GetHandle());
    }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<ClockOwner> owner = std::make_unique<ClockOwner>();
    ClockOwner& parent = *owner;
};

}  // namespace

TEST_F(ClockTest, HandsShowRotatedToTheirAnglesTipsOutwards) {
    voAnalogClock* clock = Make(4, 7, 30, true);  // hour 123.75, minute 45, second 180
    clock->SetSize(50, 60);
    EXPECT_EQ(std::tuple(clock->kind, clock->width, clock->height), std::tuple(11, 143, 143));
    const PixelImage image = Shot(clock);
    EXPECT_TRUE(HandAt(image, 45, 63));
    EXPECT_TRUE(HandAt(image, 123.75, 47, 71.5));
    for (double radius : {20.0, 35.0, 48.0}) {  // the red second hand
        const COLORREF c = image.At(Polar(180, radius, 0, 71.5).x, Polar(180, radius, 0, 71.5).y);
        EXPECT_GT(GetRValue(c) - std::max(GetGValue(c), GetBValue(c)), 0x40) << radius;
    }
    for (double bare : {225.0, 270.0, 315.0}) EXPECT_TRUE(BareFace(image, bare)) << bare;
    // The minute hand's narrow tip is outside; its round base is at the pivot.
    for (double across : {-2.5, 2.5})
        EXPECT_GE(Lightness(image, Polar(45, 64, across, 71.5, 71.0)), 0x90);

    const PixelImage plain = Shot(Make(9, 15, 40, false, 190, kId + 1));  // hour 277.5, minute 90
    EXPECT_TRUE(HandAt(plain, 90, 63));
    EXPECT_TRUE(HandAt(plain, 277.5, 47, 71.5));
    EXPECT_TRUE(BareFace(plain, 180)) << "no second hand until shown";
}

TEST_F(ClockTest, ACarriedMinuteAtTheHourLimitDoesNotRepaint) {
    voAnalogClock* clock = Make(60, 59, 0, false);  // minute hand at 354
    ASSERT_TRUE(HandAt(Shot(clock), 354, 40));
    clock->SetMinutes(60, true);
    EXPECT_EQ(std::pair(clock->hours, clock->minutes), std::pair(60, 0));
    PumpMessages();
    EXPECT_TRUE(HandAt(ReadWindowPixels(clock->GetHandle()), 354, 40)) << "repainted after a carry";
    clock->SetMinutes(30, true);
    EXPECT_TRUE(HandAt(ReadWindowPixels(clock->GetHandle()), 180, 40));
}

TEST_F(ClockTest, DraggingTheMinuteHandNotifiesEachChangeAndReleaseReturnsTheFocus) {
    voAnalogClock* clock = Make(5, 58, 0, false);
    const HWND window = clock->GetHandle();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Polar(348, 50)));
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(GetFocus(), window);
    parent.Clear();
    for (int move = 0; move < 3; ++move)
        SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(Polar(14, 50)));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(Polar(0, 50)));  // 12 o'clock: no step
    EXPECT_EQ(std::pair(clock->hours, clock->minutes), std::pair(6, 2));
    SendMessageW(window, WM_LBUTTONUP, 0, 0);
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(GetFocus(), parent.window);
    // Two changes, two notifications, then the forwarded focus loss.
    ASSERT_GE(parent.received.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(parent.received[i].message, static_cast<UINT>(WM_COMMAND));
        EXPECT_EQ(parent.received[i].wParam, MAKEWPARAM(kId, 0));
        EXPECT_EQ(parent.received[i].lParam, reinterpret_cast<LPARAM>(clock));
    }
    EXPECT_EQ(parent.received[2].message, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(parent.received[2].wParam, reinterpret_cast<WPARAM>(window));
}

TEST_F(ClockTest, AParentMayDeleteTheClockInsideItsNotifications) {
    for (bool onFocus : {false, true}) {  // a drag's notification, a release's focus hand-back
        auto* clock = Make<Doomed<voAnalogClock>>(5, 58, 0, false);
        const HWND window = clock->GetHandle();
        parent.Clear();
        parent.deleteOn = onFocus ? 0 : 1;
        parent.focusFrom = onFocus ? window : nullptr;
        FaultCounter faults;
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Polar(348, 50)));
        if (onFocus)
            SendMessageW(window, WM_LBUTTONUP, 0, 0);
        else
            SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, At(Polar(14, 50)));
        PumpMessages(20);
        EXPECT_EQ(faults.Faults(), 0) << "a deleted clock was touched (on focus " << onFocus << ")";
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(ClockTest, PaintingMakesAndLeaksNothing) {
    voAnalogClock* clock = Make(10, 10, 10, true);
    // Every fourth paint shows a new look, composed again; the others copy the kept one.
    auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) clock->SetSeconds(i / 4 % 2 ? 11 : 10, true);
    };
    paint(8);
    PumpMessages();
    ExpectPaintsMakeNothing(paint, 10000, 10000);
}

TEST_F(ClockTest, AMessageStormKeepsTheTimeInRange) {
    voAnalogClock* clock = Make(3, 30, 30, true);
    clock->hourLimit = 19;
    StormOptions options;
    options.seed = 11;
    options.messages = 2500;
    options.checkInvariants = [clock] {
        ASSERT_TRUE(clock->hours >= 0 && clock->hours <= 19) << clock->hours;
        ASSERT_TRUE(clock->minutes >= 0 && clock->minutes <= 59) << clock->minutes;
        ASSERT_TRUE(clock->seconds >= 0 && clock->seconds <= 59) << clock->seconds;
        for (float angle : {clock->hourAngle, clock->minuteAngle, clock->secondAngle})
            ASSERT_TRUE(angle >= 0.0f && angle < 360.0f) << angle;
        ASSERT_LE(clock->draggingHour + clock->draggingMinute + clock->draggingSecond, 1);
    };
    EXPECT_TRUE(RunMessageStorm(clock->GetHandle(), options));
    for (const RecordedMessage& command : parent.Received(WM_COMMAND))
        EXPECT_EQ(command.wParam, MAKEWPARAM(kId, 0));
}

// The clocks for a person to look at: VO_HOLD_MS keeps them on screen.
TEST_F(ClockTest, DISABLED_ShowTheLooks) {
    Make(10, 8, 30, true);
    Make(4, 42, 0, false, 190, kId + 1);
    PumpMessages(50);
    if (const char* hold = std::getenv("VO_HOLD_MS"))
        PumpMessages(static_cast<DWORD>(std::atoi(hold)));
}
