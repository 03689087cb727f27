#include "widgets/time/ScheduleLogic.h"

#include <algorithm>
#include <climits>

namespace vo {

namespace {

bool StartSet(const ScheduleEntry& entry) {
    return entry.startHour != -1 && entry.startMinute != -1 && entry.startSecond != -1;
}

bool EndSet(const ScheduleEntry& entry) {
    return entry.endHour != -1 && entry.endMinute != -1 && entry.endSecond != -1;
}

// Kinds 0 and 3 have an end time; the others only a start.
bool HasEnd(const ScheduleEntry& entry) { return entry.kind == 0 || entry.kind == 3; }

bool Convertible(const ScheduleEntry& entry) {
    return StartSet(entry) && (!HasEnd(entry) || EndSet(entry));
}

void HourToTwentyFour(int& hour, int isPM) {
    if (isPM != 0 && hour != 12) hour += 12;
    if (isPM == 0 && hour == 12) hour = 0;
}

void HourToTwelve(int& hour, int& isPM) {
    if (hour == 0) {
        hour = 12;
        isPM = 0;
    } else if (hour >= 1 && hour <= 11) {
        isPM = 0;
    } else if (hour == 12) {
        isPM = 1;
    } else if (hour > 12) {
        hour -= 12;
        isPM = 1;
    }
}

// The column of a moment `seconds` after the bar's start. A moment before the
// start (an unset minute of hour 0 counts -60 s) stays at the start.
int PixelOf(long long seconds, unsigned secondsPerPixel) {
    if (seconds < 0) seconds = 0;
    const long long pixel = seconds / static_cast<long long>(secondsPerPixel) + 1;
    return static_cast<int>(std::min<long long>(pixel, INT_MAX));
}

// Afternoon hours fold onto the same bar; an end at 12:00:00 (or 0:00:00)
// is the right edge.
int FoldedEndHour(const ScheduleEntry& entry) {
    const int hour = entry.endHour;
    if (hour > 12) return hour - 12;
    if (hour == 12) return entry.endMinute > 0 || entry.endSecond > 0 ? 0 : 12;
    if (hour == 0 && entry.endMinute == 0 && entry.endSecond == 0) return 12;
    return hour;
}

bool PlaceTimeRange(ScheduleEntry& entry, unsigned secondsPerPixel) {
    const bool converted = !entry.twentyFourHourForm;
    if (converted && !ToTwentyFourHour(entry)) return false;
    const long long startHour = entry.startHour >= 12 ? entry.startHour - 12 : entry.startHour;
    const long long endHour = FoldedEndHour(entry);
    entry.startPixel = PixelOf(startHour * 3600 + entry.startMinute * 60LL, secondsPerPixel);
    entry.endPixel =
        PixelOf(endHour * 3600 + entry.endMinute * 60LL + entry.endSecond, secondsPerPixel);
    if (entry.startPixel == entry.endPixel) return false;
    return !converted || ToTwelveHour(entry);
}

}  // namespace

ScheduleSize ScheduleSizeFor(int askedWidth) {
    int width = askedWidth;
    if (width < 3) {
        width = 3;
    } else if (width > kScheduleMaxWidth) {
        width = kScheduleMaxWidth;
    } else if (kScheduleSpan % (width - 2) != 0) {
        width = kScheduleSpan / (kScheduleSpan / (width - 2)) + 2;
    }
    return {width, static_cast<unsigned>(kScheduleSpan / (width - 2))};
}

bool ToTwentyFourHour(ScheduleEntry& entry) {
    if (!Convertible(entry) || entry.twentyFourHourForm) return false;
    HourToTwentyFour(entry.startHour, entry.startIsPM);
    if (HasEnd(entry)) HourToTwentyFour(entry.endHour, entry.endIsPM);
    entry.twentyFourHourForm = true;
    return true;
}

bool ToTwelveHour(ScheduleEntry& entry) {
    if (!Convertible(entry) || !entry.twentyFourHourForm) return false;
    HourToTwelve(entry.startHour, entry.startIsPM);
    if (HasEnd(entry)) HourToTwelve(entry.endHour, entry.endIsPM);
    entry.twentyFourHourForm = false;
    return true;
}

bool PlaceEntry(ScheduleEntry& entry, int width, unsigned secondsPerPixel) {
    switch (entry.kind) {
    case kTimeRange: return secondsPerPixel != 0 && PlaceTimeRange(entry, secondsPerPixel);
    case kWholeSpan:
        entry.startPixel = 1;
        entry.endPixel = width - 2;
        return true;
    default: return true;  // stored as it is, neither placed nor drawn
    }
}

bool RangesOverlap(int ns, int ne, int ps, int pe) {
    return (ps < ns && ne < pe) || (ns < ps && pe < ne) || (ns < pe && pe < ne) ||
           (ns < ps && ps < ne);
}

bool AcceptEntry(const std::vector<ScheduleEntry>& held, ScheduleEntry& entry, int width,
                 unsigned secondsPerPixel) {
    if (!PlaceEntry(entry, width, secondsPerPixel)) return false;
    return std::none_of(held.begin(), held.end(), [&](const ScheduleEntry& other) {
        return RangesOverlap(entry.startPixel, entry.endPixel, other.startPixel, other.endPixel);
    });
}

bool PointerOverEntry(const ScheduleEntry& entry, int x) {
    if (entry.startPixel <= x && x < entry.endPixel) return true;
    return x == entry.endPixel && static_cast<long long>(entry.endPixel) == entry.startPixel + 1LL;
}

std::vector<int> DivisionColumns(int width) {
    std::vector<int> columns;
    const int spacing = (width - 2) / 6;
    if (spacing <= 0) return columns;
    for (int column = spacing; column <= width - 3; column += spacing)
        columns.push_back(column + 1);
    return columns;
}

ColumnSpan EntryColumns(const ScheduleEntry& entry, int width) {
    long long first = entry.startPixel;
    long long last = entry.endPixel;  // time ranges end before their end pixel
    if (entry.kind == kWholeSpan) {
        ++last;  // the whole span includes it
    } else if (entry.kind != kTimeRange) {
        return {0, 0};
    }
    first = std::max<long long>(first, 0);
    last = std::min<long long>(last, width);
    return {static_cast<int>(first), static_cast<int>(std::max(first, last))};
}

}  // namespace vo

namespace vo {

namespace {

// An unset minute reads as the full hour, as the bar places it.
std::wstring HourAndMinute(int hour, int minute, bool twentyFourHourForm, int isPM) {
    if (!twentyFourHourForm) HourToTwentyFour(hour, isPM);
    const int shownMinute = minute < 0 ? 0 : minute;
    return std::to_wstring(hour) + (shownMinute < 10 ? L":0" : L":") + std::to_wstring(shownMinute);
}

}  // namespace

std::wstring ScheduleEntryText(const ScheduleEntry& entry) {
    if (entry.kind == kWholeSpan) return L"all day";
    if (entry.startHour < 0) return L"";
    const std::wstring start = HourAndMinute(entry.startHour, entry.startMinute,
                                             entry.twentyFourHourForm, entry.startIsPM);
    if (!HasEnd(entry) || entry.endHour < 0) return L"from " + start;
    return start + L" to " +
           HourAndMinute(entry.endHour, entry.endMinute, entry.twentyFourHourForm, entry.endIsPM);
}

}  // namespace vo
