#pragma once
// Platform-free rules of the analog clock: hand angles from the time, the
// one-step carries of minutes and seconds, the wedge under each hand, the
// angle of a pointer and the steps a dragged hand moves by.
#include <string>

namespace vo {

constexpr int kClockSize = 143;
constexpr int kDefaultHourLimit = 60;

// The state the clock's handlers change; the clock class carries it as its
// own fields.
struct ClockState {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hourLimit = kDefaultHourLimit;
    bool draggingHour = false;
    bool draggingMinute = false;
    bool draggingSecond = false;
    bool secondsShown = false;
    // Degrees clockwise from 12 o'clock.
    float hourAngle = 0.0f;
    float minuteAngle = 0.0f;
    float secondAngle = 0.0f;
};

// The time as a reader says it: "h:mm", and ":ss" while the seconds show.
std::wstring ClockReading(const ClockState& clock);

void UpdateAngles(ClockState& clock);
// Hours clamped to [0, hour limit], then the angles.
void SetHours(ClockState& clock, int hours);
// Stores the minutes, carrying one step into the hours when out of 0..59.
// Returns true when no carry happened (only then may the caller repaint).
bool SetMinutes(ClockState& clock, int minutes);
// The same for seconds, carrying one step into the minutes.
bool SetSeconds(ClockState& clock, int seconds);

// Whole degrees 0..359 clockwise from 12 o'clock of a client point.
int PointAngle(int x, int y);
// The 6-degree step holding an angle 1..359; -1 for 0, which has none.
int StepIndex(int angle);

// Signed steps a dragged hand moves: whole hours on a 12-hour dial, or
// minutes and seconds on a 60-step dial, wrapping across 12 o'clock.
int HourDragSteps(int currentHour, int newHour);
int SixtyDragSteps(int current, int next);

// Whether a client point lies in the wedge of +-6 degrees around a hand at
// `handAngle`, within the circle inscribed in the control.
bool InHandWedge(float handAngle, int x, int y);

enum class ClockHand { None, Hour, Minute, Second };
// The hand a press grabs: the minute hand first, then the second hand (when
// shown), then the hour hand.
ClockHand HandAt(const ClockState& clock, int x, int y);
// Whether the pointer is over any hand (the hand cursor shows there).
bool OverAnyHand(const ClockState& clock, int x, int y);

// Moves the dragged hand towards the pointer; returns whether the time changed.
bool DragTo(ClockState& clock, int x, int y);

// Where a hand image goes: rotated about (71.5, pivotY), drawn at (drawX,
// drawY) relative to x = 71.5 before the rotation.
struct HandPlacement {
    const wchar_t* resource;
    int width;
    int height;
    float pivotY;
    float drawX;
    float drawY;
};
HandPlacement HourHandPlacement();
HandPlacement MinuteHandPlacement();
HandPlacement SecondHandPlacement();
constexpr float kPivotX = 71.5f;

}  // namespace vo
