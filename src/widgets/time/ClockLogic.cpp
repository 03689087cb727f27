#include "widgets/time/ClockLogic.h"

#include <climits>
#include <cmath>
#include <tuple>

namespace vo {

namespace {

std::wstring TwoDigits(int value) {
    return (value >= 0 && value < 10 ? L"0" : L"") + std::to_wstring(value);
}

// The centre and radius of the circle the hit wedges are cut from.
constexpr int kDialCentre = 72;
constexpr int kDialRadius = 72;
// The clock's own approximation of pi for the pointer angle.
constexpr double kClockPi = 3.1415;
constexpr double kExactPi = 3.14159265358979323846;

// Whole numbers; the hour limit may be anything an owner assigns.
int ClampHours(long long hours, int hourLimit) {
    if (hours > hourLimit) hours = hourLimit;
    if (hours < 0) hours = 0;
    return static_cast<int>(hours);
}

// One step towards the next or previous value, without overflowing.
int OneMore(int value) { return value < INT_MAX ? value + 1 : value; }
int OneLess(int value) { return value > INT_MIN ? value - 1 : value; }

double Normalised(double degrees) {
    double result = std::fmod(degrees, 360.0);
    if (result < 0.0) result += 360.0;
    return result;
}

auto Time(const ClockState& clock) {
    return std::make_tuple(clock.hours, clock.minutes, clock.seconds);
}

}  // namespace

void UpdateAngles(ClockState& clock) {
    const double extraSeconds = clock.secondsShown ? clock.seconds : 0;
    clock.hourAngle = static_cast<float>(
        ((clock.hours % 12) + clock.minutes / 60.0 + extraSeconds / 3600.0) / 12.0 * 360.0);
    clock.minuteAngle = static_cast<float>((clock.minutes + extraSeconds / 60.0) / 60.0 * 360.0);
    clock.secondAngle = static_cast<float>(clock.seconds / 60.0 * 360.0);
}

void SetHours(ClockState& clock, int hours) {
    clock.hours = ClampHours(hours, clock.hourLimit);
    UpdateAngles(clock);
}

bool SetMinutes(ClockState& clock, int minutes) {
    clock.minutes = minutes;
    const bool inRange = minutes >= 0 && minutes < 60;
    if (minutes >= 60) {
        clock.hours = ClampHours(static_cast<long long>(clock.hours) + 1, clock.hourLimit);
        clock.minutes = 0;
    } else if (minutes < 0) {
        if (clock.hours > 0) {
            clock.hours = ClampHours(static_cast<long long>(clock.hours) - 1, clock.hourLimit);
            clock.minutes = 59;
        } else {
            clock.minutes = 0;
        }
    }
    UpdateAngles(clock);
    return inRange;
}

bool SetSeconds(ClockState& clock, int seconds) {
    clock.seconds = seconds;
    const bool inRange = seconds >= 0 && seconds < 60;
    if (seconds >= 60) {
        clock.seconds = 0;
        SetMinutes(clock, OneMore(clock.minutes));
    } else if (seconds < 0) {
        clock.seconds = 59;
        SetMinutes(clock, OneLess(clock.minutes));
    }
    UpdateAngles(clock);
    return inRange;
}

int PointAngle(int x, int y) {
    const double theta =
        std::atan2(static_cast<double>(x) - kDialCentre, static_cast<double>(kDialCentre) - y);
    int degrees = static_cast<int>(std::floor(theta * 180.0 / kClockPi + 0.5));
    if (degrees < 0) degrees += 360;
    return degrees;
}

int StepIndex(int angle) { return angle >= 1 && angle <= 359 ? angle / 6 : -1; }

int HourDragSteps(int currentHour, int newHour) {
    if (currentHour >= 9 && currentHour <= 11 && newHour >= 0 && newHour <= 3)
        return newHour - currentHour + 12;
    if (currentHour >= 0 && currentHour <= 3 && newHour >= 9 && newHour <= 11)
        return -(currentHour - newHour + 12);
    return newHour - currentHour;
}

int SixtyDragSteps(int current, int next) {
    if (current >= 45 && current <= 59 && next >= 0 && next <= 15) return next - current + 60;
    if (current >= 0 && current <= 15 && next >= 45 && next <= 59) return -(current - next + 60);
    return next - current;
}

bool InHandWedge(float handAngle, int x, int y) {
    const double dx = static_cast<double>(x) - kDialCentre;
    const double dy = static_cast<double>(y) - kDialCentre;
    if (dx * dx + dy * dy > static_cast<double>(kDialRadius) * kDialRadius) return false;
    if (dx == 0.0 && dy == 0.0) return true;  // every wedge meets at the centre
    // The wedge runs counter-clockwise from the radial at A + 6 to the one at
    // trunc(A) - 6 (354 when that is negative): clockwise, from L to A + 6.
    int last = static_cast<int>(std::trunc(handAngle)) - 6;
    if (last < 0) last = 354;
    const double sweep = Normalised(static_cast<double>(handAngle) + 6.0 - last);
    const double pointer = Normalised(std::atan2(dx, -dy) * 180.0 / kExactPi);
    return Normalised(pointer - last) <= sweep;
}

ClockHand HandAt(const ClockState& clock, int x, int y) {
    if (InHandWedge(clock.minuteAngle, x, y)) return ClockHand::Minute;
    if (clock.secondsShown && InHandWedge(clock.secondAngle, x, y)) return ClockHand::Second;
    if (InHandWedge(clock.hourAngle, x, y)) return ClockHand::Hour;
    return ClockHand::None;
}

bool OverAnyHand(const ClockState& clock, int x, int y) {
    return HandAt(clock, x, y) != ClockHand::None;
}

bool DragTo(ClockState& clock, int x, int y) {
    const auto before = Time(clock);
    const int step = StepIndex(PointAngle(x, y));
    if (clock.draggingHour) {
        const int newHour = step < 0 ? 0 : step / 5;
        const int steps = HourDragSteps(clock.hours % 12, newHour);
        SetHours(clock, ClampHours(static_cast<long long>(clock.hours) + steps, clock.hourLimit));
    } else if (clock.draggingMinute) {
        if (step < 0) return false;
        SetMinutes(clock, clock.minutes + SixtyDragSteps(clock.minutes, step));
    } else if (clock.draggingSecond) {
        if (step < 0) return false;
        SetSeconds(clock, clock.seconds + SixtyDragSteps(clock.seconds, step));
    }
    return Time(clock) != before;
}

HandPlacement HourHandPlacement() { return {L"AnalogClock_Hour_Hand", 5, 54, 71.5f, -2.0f, 18.0f}; }
HandPlacement MinuteHandPlacement() {
    return {L"AnalogClock_Minute_Hand", 7, 70, 71.0f, -3.0f, 5.0f};
}
HandPlacement SecondHandPlacement() {
    return {L"AnalogClock_Second_Hand", 7, 77, 71.0f, -3.0f, 8.5f};
}

}  // namespace vo

namespace vo {

std::wstring ClockReading(const ClockState& clock) {
    std::wstring reading = std::to_wstring(clock.hours) + L":" + TwoDigits(clock.minutes);
    if (clock.secondsShown) reading += L":" + TwoDigits(clock.seconds);
    return reading;
}

}  // namespace vo
