#include "widgets/time/CalendarLogic.h"

#include <climits>

namespace vo {

namespace {

// The month view shows two years either side of the displayed one.
constexpr int kLastYear = INT_MAX - 2;
constexpr int kFirstYear = INT_MIN + 2;

constexpr int kColumns = 7;
constexpr int kMonthRows = 6;

int PreviousMonth(int month) { return month == 1 ? 12 : month - 1; }

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153LL * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void SelectDate(CalendarState& calendar, const CalendarDate& date) {
    calendar.currentDay = date.day;
    calendar.selectedDay = date.day;
    calendar.selectedMonth = date.month;
    calendar.selectedYear = date.year;
}

// A selected date whose month changed under it keeps a day that exists.
void KeepSelectedDayInMonth(CalendarState& calendar) {
    const int last = DaysInMonth(calendar.selectedMonth, calendar.selectedYear);
    if (calendar.selectedDay > last) calendar.selectedDay = last;
}

// After the grid changed, the selected cell keeps its place and its date
// becomes the selected one.
void FollowSelectedCell(CalendarState& calendar) {
    if (calendar.selectedCell < 0 || calendar.selectedCell >= kDayCells) {
        KeepSelectedDayInMonth(calendar);
        return;
    }
    SelectDate(calendar, DateOfCell(calendar.dayGrid[calendar.selectedCell],
                                    calendar.displayedMonth, calendar.displayedYear));
}

void StepMonth(CalendarState& calendar, int direction) {
    int month = calendar.displayedMonth + direction;
    int year = calendar.displayedYear;
    if (month < 1 && year > kFirstYear) {
        month = 12;
        --year;
    } else if (month > 12 && year < kLastYear) {
        month = 1;
        ++year;
    } else if (month < 1 || month > 12) {
        return;  // the end of the years that can be shown
    }
    calendar.displayedMonth = month;
    calendar.displayedYear = year;
    calendar.dayGrid = BuildDayGrid(month, year);
    calendar.selectedMonth = month;
    calendar.selectedYear = year;
    FollowSelectedCell(calendar);
}

void StepYear(CalendarState& calendar, int direction) {
    if (direction < 0 && calendar.displayedYear > kFirstYear) --calendar.displayedYear;
    if (direction > 0 && calendar.displayedYear < kLastYear) ++calendar.displayedYear;
    calendar.selectedYear = calendar.displayedYear;
    KeepSelectedDayInMonth(calendar);
}

void SwitchView(CalendarState& calendar) {
    if (calendar.view == kDayView) {
        calendar.view = kMonthView;
        return;
    }
    calendar.dayGrid = BuildDayGrid(calendar.displayedMonth, calendar.displayedYear);
    FollowSelectedCell(calendar);
    calendar.view = kDayView;
}

bool OverTitle(int x, int y) { return kMonthTitle.Contains(x, y) || kYearTitle.Contains(x, y); }

// The titles and arrows act first, each on its own.
bool PressTitleOrArrow(CalendarState& calendar, int x, int y) {
    const bool dayView = calendar.view == kDayView;
    if (OverTitle(x, y)) {
        SwitchView(calendar);
    } else if (dayView && kPreviousMonthArrow.Contains(x, y)) {
        StepMonth(calendar, -1);
    } else if (dayView && kNextMonthArrow.Contains(x, y)) {
        StepMonth(calendar, +1);
    } else if (!dayView && kPreviousYearArrow.Contains(x, y)) {
        StepYear(calendar, -1);
    } else if (!dayView && kNextYearArrow.Contains(x, y)) {
        StepYear(calendar, +1);
    } else {
        return false;
    }
    return true;
}

bool PressDayOrMonth(CalendarState& calendar, int x, int y) {
    if (calendar.view == kDayView) {
        const int cell = DayCellAt(x, y);
        if (cell < 0) return false;
        calendar.selectedCell = cell;
        SelectDate(calendar, DateOfCell(calendar.dayGrid[cell], calendar.displayedMonth,
                                        calendar.displayedYear));
        return true;
    }
    const int month = MonthAt(x, y);
    if (month < 0) return false;
    calendar.displayedMonth = month + 1;
    calendar.selectedMonth = month + 1;
    KeepSelectedDayInMonth(calendar);
    return true;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 31;
    }
}

int IsoWeekday(int day, int month, int year) {
    const long long days = DaysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday (4).
    return static_cast<int>(((days % 7 + 7) % 7 + 3) % 7) + 1;
}

DayGrid BuildDayGrid(int month, int year) {
    DayGrid grid{};
    const int firstWeekday = IsoWeekday(1, month, year);
    const int length = DaysInMonth(month, year);
    const int previousLength = DaysInMonth(PreviousMonth(month), year);
    int index = 0;
    for (; index < firstWeekday - 1; ++index)
        grid[index] = {previousLength - firstWeekday + 2 + index, true, index};
    for (int day = 1; day <= length; ++day, ++index) grid[index] = {day, false, index};
    for (int day = 1; index < kDayCells; ++day, ++index) grid[index] = {day, true, index};
    return grid;
}

int CellOfDay(const DayGrid& grid, int day) {
    for (const DayCell& cell : grid)
        if (!cell.otherMonth && cell.day == day) return cell.index;
    return -1;
}

CalendarDate DateOfCell(const DayCell& cell, int month, int year) {
    if (cell.otherMonth && cell.day <= 14)
        return month == 12 ? CalendarDate{cell.day, 1, year + 1}
                           : CalendarDate{cell.day, month + 1, year};
    if (cell.otherMonth && cell.day >= 16)
        return month == 1 ? CalendarDate{cell.day, 12, year - 1}
                          : CalendarDate{cell.day, month - 1, year};
    return {cell.day, month, year};
}

CalendarRect DayCellRect(int index) {
    const int column = index % kColumns;
    const int row = index / kColumns;
    return {20 * column + 6, 18 * row + 40, 20 * column + 26, 18 * row + 58};
}

CalendarRect DayCellHitRect(int index) {
    const CalendarRect painted = DayCellRect(index);
    return {painted.left + 1, painted.top, painted.right - 1, painted.bottom};
}

CalendarRect MonthCellRect(int month0) {
    const int column = month0 / kMonthRows;
    const int row = month0 % kMonthRows;
    return {34 * column + 3, 20 * row + 29, 34 * column + 36, 20 * row + 45};
}

int DayCellAt(int x, int y) {
    for (int index = 0; index < kDayCells; ++index)
        if (DayCellHitRect(index).Contains(x, y)) return index;
    return -1;
}

int MonthAt(int x, int y) {
    for (int month = 0; month < 12; ++month)
        if (MonthCellRect(month).Contains(x, y)) return month;
    return -1;
}

void ResetToToday(CalendarState& calendar, const CalendarDate& today, bool preselect) {
    calendar.displayedMonth = today.month;
    calendar.displayedYear = today.year;
    SelectDate(calendar, today);
    calendar.dayGrid = BuildDayGrid(today.month, today.year);
    if (!preselect) return;
    const int cell = CellOfDay(calendar.dayGrid, today.day);
    if (cell >= 0) calendar.selectedCell = cell;
}

bool PressAt(CalendarState& calendar, int x, int y) {
    const bool titleOrArrow = PressTitleOrArrow(calendar, x, y);
    const bool dayOrMonth = PressDayOrMonth(calendar, x, y);
    return titleOrArrow || dayOrMonth;
}

bool OverTitleOrArrow(const CalendarState& calendar, int x, int y) {
    if (OverTitle(x, y)) return true;
    if (calendar.view == kDayView)
        return kPreviousMonthArrow.Contains(x, y) || kNextMonthArrow.Contains(x, y);
    return kPreviousYearArrow.Contains(x, y) || kNextYearArrow.Contains(x, y);
}

int ConfirmCellAt(CalendarState& calendar, int x, int y) {
    if (calendar.view != kDayView) return -1;
    const int cell = DayCellAt(x, y);
    if (cell < 0) return -1;
    SelectDate(calendar,
               DateOfCell(calendar.dayGrid[cell], calendar.displayedMonth, calendar.displayedYear));
    return cell;
}

bool OverHotSpot(const CalendarState& calendar, int x, int y) {
    if (OverTitleOrArrow(calendar, x, y)) return true;
    return calendar.view == kDayView ? DayCellAt(x, y) >= 0 : MonthAt(x, y) >= 0;
}

}  // namespace vo
