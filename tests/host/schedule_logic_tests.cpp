#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>
#include <vector>

#include "widgets/time/ScheduleLogic.h"

using vo::ScheduleEntry;

namespace {

constexpr int kWidth = 288;
constexpr unsigned kScale = 151;

// Minutes and seconds left unset (-1) unless given, as the demonstration does.
ScheduleEntry Range(int startHour, int endHour, int minutesAndSeconds = -1) {
    ScheduleEntry entry;
    entry.startHour = startHour;
    entry.endHour = endHour;
    entry.startMinute = entry.startSecond = entry.endMinute = entry.endSecond = minutesAndSeconds;
    return entry;
}

std::pair<int, int> PixelsOf(ScheduleEntry entry) {
    EXPECT_TRUE(vo::PlaceEntry(entry, kWidth, kScale));
    return {entry.startPixel, entry.endPixel};
}

ScheduleEntry Whole() {
    ScheduleEntry entry;
    entry.kind = vo::kWholeSpan;
    return entry;
}

}  // namespace

TEST(ScheduleSize, TheInnerWidthDividesTwelveHoursIntoWholeSeconds) {
    for (auto [asked, width, scale] : {std::tuple{288, 288, 151u},
                                       {300, 302, 144u},
                                       {0, 3, 43200u},
                                       {-5, 3, 43200u},
                                       {7, 7, 8640u},
                                       {43202, 43202, 1u},
                                       // wider would be under a second per pixel (0 before)
                                       {43203, 43202, 1u},
                                       {INT_MAX, 43202, 1u}}) {
        const vo::ScheduleSize size = vo::ScheduleSizeFor(asked);
        EXPECT_EQ(std::pair(size.width, size.secondsPerPixel), std::pair(width, scale)) << asked;
    }
}

TEST(ScheduleEntries, TimeRangesFallOnTheirColumnsOfOneHalfDay) {
    EXPECT_EQ(PixelsOf(Range(1, 4, 0)), std::pair(24, 96));
    EXPECT_EQ(PixelsOf(Range(1, 4)), std::pair(24, 95));
    EXPECT_EQ(PixelsOf(Range(5, 7)), std::pair(119, 167));
    EXPECT_EQ(PixelsOf(Range(9, 11)), std::pair(215, 262));
    EXPECT_EQ(PixelsOf(Range(13, 15, 0)), PixelsOf(Range(1, 3, 0)));
    EXPECT_EQ(PixelsOf(Range(0, 12, 0)).second, 287);  // 12:00:00 is the right edge
    ScheduleEntry halfPast = Range(0, 12, 0);
    halfPast.endMinute = 30;
    EXPECT_EQ(PixelsOf(halfPast).second, 12);
    // Hour 0 with unset minutes starts at the left edge, not past the bar's end.
    EXPECT_EQ(PixelsOf(Range(0, 2)).first, 1);
    ScheduleEntry oneColumn = Range(1, 1, 0);
    oneColumn.endSecond = 10;
    EXPECT_FALSE(vo::PlaceEntry(oneColumn, kWidth, kScale));

    ScheduleEntry whole = Whole();
    ASSERT_TRUE(vo::PlaceEntry(whole, 302, 144));
    EXPECT_EQ(std::pair(whole.startPixel, whole.endPixel), std::pair(1, 300));
    ScheduleEntry other = Range(1, 4, 0);
    other.kind = 3;
    EXPECT_EQ(PixelsOf(other), std::pair(-1, -1));  // kept, not placed
}

TEST(ScheduleEntries, TwelveHourTimesArePlacedAndKeptInTheirForm) {
    ScheduleEntry afternoon = Range(1, 3, 0);
    afternoon.twentyFourHourForm = false;
    afternoon.startIsPM = afternoon.endIsPM = 1;
    EXPECT_EQ(PixelsOf(afternoon), PixelsOf(Range(1, 3, 0)));
    ASSERT_TRUE(vo::PlaceEntry(afternoon, kWidth, kScale));
    EXPECT_FALSE(afternoon.twentyFourHourForm);
    EXPECT_EQ(std::pair(afternoon.startHour, afternoon.startIsPM), std::pair(1, 1));
    ScheduleEntry incomplete = Range(1, 3);
    incomplete.twentyFourHourForm = false;
    EXPECT_FALSE(vo::PlaceEntry(incomplete, kWidth, kScale));

    ScheduleEntry midnight = Range(12, 12, 0);
    midnight.twentyFourHourForm = false;
    midnight.endIsPM = 1;
    ASSERT_TRUE(vo::ToTwentyFourHour(midnight));
    EXPECT_EQ(std::pair(midnight.startHour, midnight.endHour), std::pair(0, 12));
    EXPECT_FALSE(vo::ToTwentyFourHour(midnight));  // already in that form
    ScheduleEntry day = Range(0, 15, 0);
    ASSERT_TRUE(vo::ToTwelveHour(day));
    EXPECT_EQ(std::tuple(day.startHour, day.startIsPM, day.endHour, day.endIsPM),
              std::tuple(12, 0, 3, 1));
    ScheduleEntry start = Range(14, -1, 0);  // a whole-span entry has no end to convert
    start.kind = vo::kWholeSpan;
    ASSERT_TRUE(vo::ToTwelveHour(start));
    EXPECT_EQ(std::pair(start.startHour, start.endHour), std::pair(2, -1));
}

TEST(ScheduleEntries, OnlyRangesReachingInsideAnotherAreRefused) {
    // Against a held 24..95: inside, around, over either end; touching, identical, one end shared.
    for (auto [start, end, refused] : {std::tuple{30, 40, true},
                                       {10, 120, true},
                                       {10, 30, true},
                                       {90, 120, true},
                                       {95, 120, false},
                                       {10, 24, false},
                                       {24, 95, false},
                                       {24, 40, false},
                                       {60, 95, false}})
        EXPECT_EQ(vo::RangesOverlap(start, end, 24, 95), refused) << start << ".." << end;

    std::vector<ScheduleEntry> held{Range(1, 4)};
    ASSERT_TRUE(vo::PlaceEntry(held[0], kWidth, kScale));
    ScheduleEntry whole = Whole();
    EXPECT_FALSE(vo::AcceptEntry(held, whole, kWidth, kScale));
    ScheduleEntry same = Range(1, 4);
    EXPECT_TRUE(vo::AcceptEntry(held, same, kWidth, kScale));
    held.assign({Whole()});
    ASSERT_TRUE(vo::PlaceEntry(held[0], kWidth, kScale));
    ScheduleEntry secondWhole = Whole();
    EXPECT_TRUE(vo::AcceptEntry(held, secondWhole, kWidth, kScale));
    ScheduleEntry inside = Range(1, 4);
    EXPECT_FALSE(vo::AcceptEntry(held, inside, kWidth, kScale));
}

TEST(ScheduleDrawing, DivisionsColumnsAndHoverStayWithinTheBar) {
    EXPECT_EQ(vo::DivisionColumns(288), (std::vector<int>{48, 95, 142, 189, 236, 283}));
    EXPECT_TRUE(vo::DivisionColumns(7).empty());  // spacing 0
    auto columns = [](int start, int end, int kind) {
        ScheduleEntry entry;
        std::tie(entry.startPixel, entry.endPixel, entry.kind) = std::tuple(start, end, kind);
        const vo::ColumnSpan span = vo::EntryColumns(entry, kWidth);
        return std::pair(span.first, span.last);
    };
    EXPECT_EQ(columns(24, 96, vo::kTimeRange), std::pair(24, 96));
    EXPECT_EQ(columns(1, 286, vo::kWholeSpan), std::pair(1, 287));
    EXPECT_EQ(columns(-50, INT_MAX, vo::kTimeRange), std::pair(0, kWidth));
    EXPECT_EQ(columns(24, 96, 3).first, columns(24, 96, 3).second);

    ScheduleEntry entry;
    std::tie(entry.startPixel, entry.endPixel) = std::pair(24, 96);
    for (auto [x, over] : {std::pair{23, false}, {24, true}, {95, true}, {96, false}})
        EXPECT_EQ(vo::PointerOverEntry(entry, x), over) << x;
    std::tie(entry.startPixel, entry.endPixel) = std::pair(40, 41);
    EXPECT_TRUE(vo::PointerOverEntry(entry, 41));  // a one-column entry
    // Ends before it starts once folded (11:00 to 13:00): accepted, never drawn or hovered.
    ScheduleEntry folded = Range(11, 13, 0);
    ASSERT_TRUE(vo::AcceptEntry({}, folded, kWidth, kScale));
    const vo::ColumnSpan none = vo::EntryColumns(folded, kWidth);
    EXPECT_EQ(none.first, none.last);
    for (int x = 0; x < kWidth; ++x) EXPECT_FALSE(vo::PointerOverEntry(folded, x)) << x;
}

TEST(ScheduleEntries, AReaderHearsTheTwentyFourHourTimes) {
    EXPECT_EQ(vo::ScheduleEntryText(Range(9, 11)), L"9:00 to 11:00");  // unset minutes: full hours
    EXPECT_EQ(vo::ScheduleEntryText(Range(13, 17, 5)), L"13:05 to 17:05");
    ScheduleEntry twelveHour = Range(12, 3, 30);
    twelveHour.twentyFourHourForm = false;
    twelveHour.startIsPM = 0;  // midnight
    twelveHour.endIsPM = 1;
    EXPECT_EQ(vo::ScheduleEntryText(twelveHour), L"0:30 to 15:30");
    ScheduleEntry startOnly = Range(8, -1);
    startOnly.kind = 2;  // only kinds 0 and 3 have an end
    EXPECT_EQ(vo::ScheduleEntryText(startOnly), L"from 8:00");
    EXPECT_EQ(vo::ScheduleEntryText(Whole()), L"all day");
    EXPECT_EQ(vo::ScheduleEntryText(ScheduleEntry{}), L"");
}
