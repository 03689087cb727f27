#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "widgets/time/ClockLogic.h"

using vo::ClockHand;
using vo::ClockState;

namespace {

ClockState At(int hours, int minutes, int seconds, bool secondsShown = false) {
    ClockState clock;
    clock.secondsShown = secondsShown;
    clock.hours = hours;
    clock.minutes = minutes;
    clock.seconds = seconds;
    vo::UpdateAngles(clock);
    return clock;
}

// The pixel `radius` from the dial centre (72, 72) at `degrees` clockwise from 12.
std::pair<int, int> Polar(double degrees, double radius) {
    const double r = degrees * 3.14159265358979 / 180.0;
    return {static_cast<int>(std::lround(72 + radius * std::sin(r))),
            static_cast<int>(std::lround(72 - radius * std::cos(r)))};
}

bool DragTowards(ClockState& clock, double degrees) {
    const auto [x, y] = Polar(degrees, 50);
    return vo::DragTo(clock, x, y);
}

ClockHand HandAt(const ClockState& clock, double degrees) {
    const auto [x, y] = Polar(degrees, 60);
    return vo::HandAt(clock, x, y);
}

}  // namespace

TEST(ClockTime, AnglesOfHalfPastThreeAndHoursClampedToTheLimit) {
    const ClockState shown = At(3, 30, 30, true);
    EXPECT_FLOAT_EQ(shown.hourAngle, 105.25f);
    EXPECT_FLOAT_EQ(shown.minuteAngle, 183.0f);
    EXPECT_FLOAT_EQ(shown.secondAngle, 180.0f);
    EXPECT_FLOAT_EQ(At(3, 30, 30).hourAngle, 105.0f);
    EXPECT_FLOAT_EQ(At(3, 30, 30).minuteAngle, 180.0f);

    ClockState clock;
    vo::SetHours(clock, 15);
    EXPECT_FLOAT_EQ(clock.hourAngle, 90.0f);  // 3 o'clock
    for (auto [asked, limit, kept] : {std::tuple{75, 60, 60}, {-3, 60, 0}, {25, 19, 19}}) {
        clock.hourLimit = limit;
        vo::SetHours(clock, asked);
        EXPECT_EQ(clock.hours, kept) << asked;
    }
}

TEST(ClockTime, MinutesAndSecondsCarryOneStepAndOnlyInRangeMayRepaint) {
    ClockState clock = At(60, 59, 0);
    EXPECT_FALSE(vo::SetMinutes(clock, 60));  // at the limit
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(60, 0));
    clock = At(0, 10, 0);
    EXPECT_FALSE(vo::SetMinutes(clock, -1));
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(0, 0));
    clock = At(5, 10, 0);
    EXPECT_FALSE(vo::SetMinutes(clock, 75));  // one step: 6:00, not 6:15
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(6, 0));
    EXPECT_FALSE(vo::SetMinutes(clock, -1));
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(5, 59));
    EXPECT_TRUE(vo::SetMinutes(clock, 30));

    clock = At(2, 59, 59, true);
    EXPECT_FALSE(vo::SetSeconds(clock, 60));
    EXPECT_EQ(std::tuple(clock.hours, clock.minutes, clock.seconds), std::tuple(3, 0, 0));
    EXPECT_FALSE(vo::SetSeconds(clock, -1));
    EXPECT_EQ(std::tuple(clock.hours, clock.minutes, clock.seconds), std::tuple(2, 59, 59));
    EXPECT_TRUE(vo::SetSeconds(clock, 15));
    EXPECT_FLOAT_EQ(clock.secondAngle, 90.0f);
}

TEST(ClockPointer, WholeDegreesStepsAndTheWedgesAroundTheHands) {
    EXPECT_EQ(vo::PointAngle(72, 0), 0);
    EXPECT_EQ(vo::PointAngle(143, 72), 90);
    EXPECT_EQ(vo::PointAngle(0, 72), 270);
    EXPECT_EQ(vo::PointAngle(71, 0), 359);
    EXPECT_EQ(vo::StepIndex(0), -1);
    EXPECT_EQ(vo::StepIndex(5), 0);
    EXPECT_EQ(vo::StepIndex(359), 59);
    // +-6 degrees around the hand; near 12 the far radial is 354; not beyond the dial.
    for (auto [hand, at, in] : {std::tuple{90.0f, 95.0, true},
                                {90.0f, 98.0, false},
                                {90.0f, 85.0, true},
                                {90.0f, 82.0, false},
                                {3.0f, 356.0, true},
                                {3.0f, 351.0, false},
                                {357.0f, 2.0, true}}) {
        const auto [x, y] = Polar(at, 60);
        EXPECT_EQ(vo::InHandWedge(hand, x, y), in) << hand << " at " << at;
    }
    const auto [farX, farY] = Polar(90, 75);
    EXPECT_FALSE(vo::InHandWedge(90, farX, farY));

    EXPECT_EQ(HandAt(At(0, 0, 0, true), 5), ClockHand::Minute);  // all three overlap
    ClockState quarter = At(0, 15, 0, true);                     // hour 7.5, minute 90, second 0
    EXPECT_EQ(HandAt(quarter, 5), ClockHand::Second);
    EXPECT_EQ(HandAt(quarter, 10), ClockHand::Hour);
    EXPECT_EQ(HandAt(quarter, 200), ClockHand::None);
    quarter.secondsShown = false;
    EXPECT_EQ(HandAt(quarter, 5), ClockHand::Hour);
}

TEST(ClockDrag, MinuteAndSecondHandsWrapThroughTheCarryAndTwelveHasNoStep) {
    ClockState clock = At(5, 58, 0);
    clock.draggingMinute = true;
    EXPECT_TRUE(DragTowards(clock, 14));  // forward 4: 62 carries to 6:00
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(6, 0));
    EXPECT_TRUE(DragTowards(clock, 14));
    EXPECT_EQ(clock.minutes, 2);
    EXPECT_FALSE(DragTowards(clock, 14));
    EXPECT_FALSE(DragTowards(clock, 0));
    EXPECT_TRUE(DragTowards(clock, 332));  // back 7 through 59
    EXPECT_EQ(std::pair(clock.hours, clock.minutes), std::pair(5, 59));

    clock = At(1, 10, 59, true);
    clock.draggingSecond = true;
    EXPECT_TRUE(DragTowards(clock, 8));
    EXPECT_EQ(std::pair(clock.minutes, clock.seconds), std::pair(11, 0));
    EXPECT_FALSE(DragTowards(clock, 0));
}

TEST(ClockDrag, TheHourHandMovesWholeHoursTheShortWayRoundTwelve) {
    ClockState clock = At(11, 0, 0);
    clock.draggingHour = true;
    for (auto [towards, hours] : {std::pair{35.0, 13}, {302.0, 10}, {0.0, 12}}) {
        EXPECT_TRUE(DragTowards(clock, towards));
        EXPECT_EQ(clock.hours, hours) << towards;
    }
    clock = At(19, 0, 0);
    clock.hourLimit = 19;
    clock.draggingHour = true;
    EXPECT_FALSE(DragTowards(clock, 272));  // 21 clamped back to 19: no change
    EXPECT_EQ(clock.hours, 19);
}

TEST(ClockReading, HoursThenTwoDigitMinutesAndSecondsWhileShown) {
    ClockState clock = At(9, 5, 7);
    EXPECT_EQ(vo::ClockReading(clock), L"9:05");
    clock.secondsShown = true;
    EXPECT_EQ(vo::ClockReading(clock), L"9:05:07");
    clock = At(23, 59, 0);
    clock.secondsShown = true;
    EXPECT_EQ(vo::ClockReading(clock), L"23:59:00");
}
