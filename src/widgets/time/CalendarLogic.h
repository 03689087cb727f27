#pragma once
// Platform-free rules of the pop-up calendar: the Monday-first grid of 42
// day cells, leap years and neighbouring months, the date of a cell, the
// places the pointer can hit, and what a click or double click does in the
// day and month views.
#include <array>

namespace vo {

struct CalendarDate {
    int day;
    int month;  // 1..12
    int year;
};

struct DayCell {
    int day = 0;
    bool otherMonth = false;  // a day of the previous or next month, shown grey
    int index = 0;
};

constexpr int kDayCells = 42;
using DayGrid = std::array<DayCell, kDayCells>;

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);
// 1 = Monday ... 7 = Sunday, proleptic Gregorian.
int IsoWeekday(int day, int month, int year);
// Leading days of the previous month, the month, then the next month.
DayGrid BuildDayGrid(int month, int year);
// The cell showing `day` of the grid's own month; -1 when none does.
int CellOfDay(const DayGrid& grid, int day);
// Grey cells up to the 14th belong to the next month, from the 16th to the
// previous one, across the year's ends.
CalendarDate DateOfCell(const DayCell& cell, int month, int year);

struct CalendarRect {
    int left;
    int top;
    int right;
    int bottom;
    // Right and bottom edges excluded, as a hit rectangle.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// The painted rectangle of day cell i (the selection piece's place) and the
// slightly narrower rectangle a click hits.
CalendarRect DayCellRect(int index);
CalendarRect DayCellHitRect(int index);
// Month j (0 = January) of the month view: January to June on the left.
CalendarRect MonthCellRect(int month0);
int DayCellAt(int x, int y);  // -1 when no cell is hit
int MonthAt(int x, int y);    // 0..11, -1 when none

enum CalendarView { kDayView = 0, kMonthView = 1 };

constexpr CalendarRect kMonthTitle{16, 2, 89, 19};
constexpr CalendarRect kYearTitle{89, 2, 121, 19};
constexpr CalendarRect kPreviousMonthArrow{10, 148, 24, 157};
constexpr CalendarRect kNextMonthArrow{125, 148, 139, 157};
constexpr CalendarRect kPreviousYearArrow{90, 27, 104, 36};
constexpr CalendarRect kNextYearArrow{117, 27, 131, 36};
constexpr CalendarRect kFirstMonthLabel{9, 30, 34, 45};
constexpr CalendarRect kFirstYearLabel{84, 49, 135, 65};

// What the calendar's handlers change; the calendar class carries it as its
// own fields.
struct CalendarState {
    int view = kDayView;
    int currentDay = 1;
    int displayedMonth = 1;
    int displayedYear = 2000;
    int selectedCell = -1;  // 0..41, or -1 for none
    int selectedDay = 1;
    int selectedMonth = 1;
    int selectedYear = 2000;
    DayGrid dayGrid{};
};

// Shows and selects `today`; with `preselect`, the cell of today's day
// becomes the selected cell, otherwise the selected cell stays.
void ResetToToday(CalendarState& calendar, const CalendarDate& today, bool preselect);

// A press at (x, y): first a title or an arrow of the current view, then a
// day or a month in the view now current. Returns whether anything changed.
bool PressAt(CalendarState& calendar, int x, int y);
// Whether a double click's point is over a title or an arrow of the current
// view (it then acts as a second press).
bool OverTitleOrArrow(const CalendarState& calendar, int x, int y);
// The day cell a double click in the day view confirms: its date becomes
// the selected one. -1 (nothing changed) when none is hit.
int ConfirmCellAt(CalendarState& calendar, int x, int y);
// Where the hand cursor shows.
bool OverHotSpot(const CalendarState& calendar, int x, int y);

}  // namespace vo
