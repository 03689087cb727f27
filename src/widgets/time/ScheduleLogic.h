#pragma once
// Platform-free rules of the schedule viewer: the bar's width and time
// scale, the pixel range of an entry, the twelve- and twenty-four-hour
// forms, the overlap rule, the division columns and the hover test.
#include <string>
#include <vector>

namespace vo {

constexpr int kScheduleSpan = 43200;  // seconds of the twelve hours shown
constexpr int kScheduleDefaultWidth = 288;
constexpr int kScheduleSkinHeight = 24;
// Beyond this width a pixel would hold less than a second.
constexpr int kScheduleMaxWidth = kScheduleSpan + 2;

enum ScheduleKind { kTimeRange = 0, kWholeSpan = 1 };

// One scheduled stretch, copied into the viewer by AddEntry. The fields the
// viewer does not read are kept for the owner.
struct ScheduleEntry {
    int startPixel = -1;
    int endPixel = -1;
    unsigned char flag = 0;
    int startDate[3] = {-1, -1, -1};
    int startHour = -1;  // -1: not set
    int startMinute = -1;
    int startSecond = -1;
    int endDate[3] = {-1, -1, -1};
    int endHour = -1;
    int endMinute = -1;
    int endSecond = -1;
    bool twentyFourHourForm = true;  // false: hours 1..12 with the PM flags
    int startIsPM = 0;
    int endIsPM = 0;
    int tag = -1;
    int kind = kTimeRange;  // 0 time range (green), 1 whole span (blue), others kept only
    int extra[3] = {7, 0, 0};
    bool hovered = false;
};

struct ScheduleSize {
    int width;
    unsigned secondsPerPixel;
};
// The width SetSize applies for an asked width, and its time scale: the inner
// width (width - 2) always divides the span into whole seconds per pixel.
ScheduleSize ScheduleSizeFor(int askedWidth);

// The entry as a reader says it, in the twenty-four-hour form: "9:00 to
// 11:30", "from 9:00" without an end, "all day" for the whole span; empty
// without a start hour.
std::wstring ScheduleEntryText(const ScheduleEntry& entry);

bool ToTwentyFourHour(ScheduleEntry& entry);
bool ToTwelveHour(ScheduleEntry& entry);

// Computes the entry's start and end pixels on a bar of `width` at
// `secondsPerPixel`; false when the entry cannot be placed.
bool PlaceEntry(ScheduleEntry& entry, int width, unsigned secondsPerPixel);

// Whether a new range (ns, ne) is refused next to a held one (ps, pe).
bool RangesOverlap(int newStart, int newEnd, int heldStart, int heldEnd);

// Places `entry` and checks it against every held entry: true when it may be
// appended (its pixels are then set).
bool AcceptEntry(const std::vector<ScheduleEntry>& held, ScheduleEntry& entry, int width,
                 unsigned secondsPerPixel);

// Whether the pointer at column x is over the entry.
bool PointerOverEntry(const ScheduleEntry& entry, int x);

// The columns drawn with the division line: every (width - 2) / 6 pixels
// inside the borders; none when that spacing is 0.
std::vector<int> DivisionColumns(int width);

// The columns an entry covers when drawn, limited to the bar's inside:
// [first, last), empty when last <= first.
struct ColumnSpan {
    int first;
    int last;
};
ColumnSpan EntryColumns(const ScheduleEntry& entry, int width);

}  // namespace vo
