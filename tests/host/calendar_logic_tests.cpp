#include <gtest/gtest.h>

#include <tuple>

#include "widgets/time/CalendarLogic.h"

using vo::CalendarState;

namespace {

// Centres of the places the calendar fixes, from its rectangles.
struct Point {
    int x;
    int y;
};
Point Cell(int index) { return {20 * (index % 7) + 16, 18 * (index / 7) + 49}; }
Point Month(int month0) { return {34 * (month0 / 6) + 19, 20 * (month0 % 6) + 37}; }
constexpr Point kTitle{50, 10};
constexpr Point kPreviousMonth{17, 152};
constexpr Point kNextMonth{132, 152};
constexpr Point kNextYear{124, 31};
constexpr Point kYearLabel{110, 57};

CalendarState ShownOn(int day, int month, int year) {
    CalendarState calendar;
    vo::ResetToToday(calendar, {day, month, year}, true);
    return calendar;
}

bool Press(CalendarState& calendar, Point point) { return vo::PressAt(calendar, point.x, point.y); }

auto Selected(const CalendarState& calendar) {
    return std::tuple(calendar.selectedDay, calendar.selectedMonth, calendar.selectedYear);
}

}  // namespace

TEST(CalendarArithmetic, LeapYearsWeekdaysAndTheMondayFirstGrid) {
    for (auto [year, days] : {std::pair{2000, 29}, {2016, 29}, {1900, 28}, {2100, 28}})
        EXPECT_EQ(vo::DaysInMonth(2, year), days) << year;
    EXPECT_EQ(vo::DaysInMonth(4, 2015), 30);
    EXPECT_EQ(vo::IsoWeekday(1, 1, 2000), 6);  // a Saturday
    EXPECT_EQ(vo::IsoWeekday(1, 1, 1), 1);

    const vo::DayGrid february = vo::BuildDayGrid(2, 2016);  // the 1st is a Monday
    EXPECT_EQ(std::tuple(february[0].day, february[0].otherMonth), std::tuple(1, false));
    EXPECT_EQ(std::tuple(february[29].day, february[29].otherMonth), std::tuple(1, true));
    EXPECT_EQ(std::tuple(february[41].day, february[41].index), std::tuple(13, 41));
    const vo::DayGrid january = vo::BuildDayGrid(1, 2016);  // a Friday: December's end before
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::tuple(january[i].day, january[i].otherMonth), std::tuple(28 + i, true));
    EXPECT_EQ(vo::CellOfDay(january, 15), 18);
    EXPECT_EQ(vo::BuildDayGrid(11, 2015)[6].day, 1);  // a Sunday: six leading cells

    const vo::DayGrid december = vo::BuildDayGrid(12, 2015);
    const vo::CalendarDate next = vo::DateOfCell(december[34], 12, 2015);
    EXPECT_EQ(std::tuple(next.day, next.month, next.year), std::tuple(3, 1, 2016));
    const vo::CalendarDate previous = vo::DateOfCell(january[0], 1, 2016);
    EXPECT_EQ(std::tuple(previous.day, previous.month, previous.year), std::tuple(28, 12, 2015));
}

TEST(CalendarArithmetic, HitRectanglesOfCellsAndMonths) {
    EXPECT_EQ(vo::DayCellAt(7, 40), 0);
    EXPECT_EQ(vo::DayCellAt(6, 40), -1);  // the painted edge is not hit
    EXPECT_EQ(vo::DayCellAt(144, 147), 41);
    EXPECT_EQ(vo::DayCellAt(144, 148), -1);
    EXPECT_EQ(vo::MonthAt(3, 29), 0);
    EXPECT_EQ(vo::MonthAt(36, 29), -1);
    EXPECT_EQ(vo::MonthAt(69, 144), 11);
}

TEST(CalendarDayView, ArrowsKeepTheSelectedCellAndGreyCellsBelongToTheirMonth) {
    CalendarState calendar = ShownOn(15, 1, 2016);
    EXPECT_EQ(calendar.selectedCell, 18);
    ASSERT_TRUE(Press(calendar, kPreviousMonth));
    EXPECT_EQ(std::tuple(calendar.displayedMonth, calendar.displayedYear), std::tuple(12, 2015));
    EXPECT_EQ(calendar.selectedCell, 18);
    EXPECT_EQ(Selected(calendar), std::tuple(18, 12, 2015));
    ASSERT_TRUE(Press(calendar, Cell(34)));  // the grey 3 below December 2015
    EXPECT_EQ(Selected(calendar), std::tuple(3, 1, 2016));
    ASSERT_TRUE(Press(calendar, Cell(10)));
    EXPECT_EQ(Selected(calendar), std::tuple(10, 12, 2015));
    ASSERT_TRUE(Press(calendar, kNextMonth));
    ASSERT_TRUE(Press(calendar, kNextMonth));
    EXPECT_EQ(Selected(calendar), std::tuple(11, 2, 2016));

    // Cell 34 of January 2016 is the 31st; of February it shows 6 March, not "6 February".
    calendar = ShownOn(31, 1, 2016);
    ASSERT_TRUE(Press(calendar, kNextMonth));
    EXPECT_EQ(Selected(calendar), std::tuple(6, 3, 2016));
}

TEST(CalendarMonthView, MonthsChangeInPlaceYearsOnlyByArrowsAndTheTitleReturns) {
    CalendarState calendar = ShownOn(31, 1, 2016);
    ASSERT_TRUE(Press(calendar, kTitle));
    ASSERT_TRUE(Press(calendar, Month(1)));
    EXPECT_EQ(std::tuple(calendar.view, calendar.displayedMonth), std::tuple(vo::kMonthView, 2));
    EXPECT_EQ(Selected(calendar), std::tuple(29, 2, 2016));  // kept within February
    ASSERT_TRUE(Press(calendar, kNextYear));
    EXPECT_EQ(Selected(calendar), std::tuple(28, 2, 2017));
    EXPECT_FALSE(Press(calendar, kYearLabel));
    EXPECT_FALSE(Press(calendar, kPreviousMonth));  // a day-view arrow
    EXPECT_EQ(calendar.displayedYear, 2017);
    ASSERT_TRUE(Press(calendar, Month(2)));
    ASSERT_TRUE(Press(calendar, kTitle));
    EXPECT_EQ(calendar.view, vo::kDayView);
    EXPECT_EQ(calendar.dayGrid[2].day, 1);                  // March 2017 starts on a Wednesday
    EXPECT_EQ(Selected(calendar), std::tuple(2, 4, 2017));  // cell 34 shows 2 April

    // Only the day view confirms a cell; titles and the current view's arrows repeat.
    calendar = ShownOn(15, 12, 2015);
    EXPECT_EQ(vo::ConfirmCellAt(calendar, Cell(34).x, Cell(34).y), 34);
    EXPECT_EQ(Selected(calendar), std::tuple(3, 1, 2016));
    EXPECT_TRUE(vo::OverTitleOrArrow(calendar, kNextMonth.x, kNextMonth.y));
    EXPECT_FALSE(vo::OverTitleOrArrow(calendar, kNextYear.x, kNextYear.y));
    calendar.view = vo::kMonthView;
    EXPECT_EQ(vo::ConfirmCellAt(calendar, Cell(10).x, Cell(10).y), -1);
    EXPECT_TRUE(vo::OverTitleOrArrow(calendar, kNextYear.x, kNextYear.y));
    EXPECT_FALSE(vo::OverHotSpot(calendar, kYearLabel.x, kYearLabel.y));
}
