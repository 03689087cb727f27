// The pop-up calendar under Wine: showing (colour key, today), hiding on
// focus loss, the owner's notifications, real clicks and double clicks, the
// pictures of both views, leaks and a message storm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "control/Skin.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/time/voCallendar.h"

namespace {

constexpr std::uint16_t kId = 15;
constexpr POINT kTitle{50, 10};
constexpr POINT kPreviousMonth{17, 152};
constexpr POINT kNextMonth{132, 152};
constexpr POINT kPreviousYear{97, 31};
constexpr POINT kNextYear{124, 31};

POINT Cell(int index) { return {20 * (index % 7) + 16, 18 * (index / 7) + 49}; }

SYSTEMTIME Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

// Cells before the 1st of this month (weeks start on Monday), by the system's reckoning.
int LeadingCells() {
    SYSTEMTIME first = Today();
    first.wDay = 1;
    FILETIME file{};
    SystemTimeToFileTime(&first, &file);
    FileTimeToSystemTime(&file, &first);
    return (first.wDayOfWeek + 6) % 7;
}

// Records the date the calendar shows when it notifies.
class Owner : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && lParam != 0) {
            const auto* calendar = reinterpret_cast<const voCallendar*>(lParam);
            reported.emplace_back(calendar->selectedDay, calendar->selectedMonth,
                                  calendar->selectedYear);
        }
        return TestParent::WindowProc(message, wParam, lParam);
    }
    std::vector<std::tuple<int, int, int>> reported;
};

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        const wchar_t* const days[] = {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"};
        const wchar_t* const months[] = {L"January",   L"February", L"March",    L"April",
                                         L"May",       L"June",     L"July",     L"August",
                                         L"September", L"October",  L"November", L"December"};
        for (int i = 0; i < 7; ++i) calendar->SetDayName(i, days[i]);
        for (int i = 0; i < 12; ++i) {
            calendar->SetShortMonthName(i, std::wstring(months[i], 3));
            calendar->SetMonthName(i, months[i]);
        }
        SetWindowPos(calendar->window, HWND_TOPMOST, 440, 60, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void Send(UINT message, POINT at) {
        POINT screen = at;
        ClientToScreen(calendar->window, &screen);
        SetCursorPos(screen.x, screen.y);  // the calendar reads the pointer, not lParam
        SendMessageW(calendar->window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(at.x, at.y));
    }
    void Click(POINT at) {
        Send(WM_LBUTTONDOWN, at);
        Send(WM_LBUTTONUP, at);
    }
    void DoubleClick(POINT at) {
        Click(at);
        Send(WM_LBUTTONDBLCLK, at);
        Send(WM_LBUTTONUP, at);
    }
    PixelImage Shot() {
        InvalidateRect(calendar->window, nullptr, FALSE);
        UpdateWindow(calendar->window);
        return ReadWindowPixels(calendar->window);
    }
    void ExpectToday() {
        const SYSTEMTIME today = Today();
        EXPECT_EQ(std::tuple(calendar->displayedMonth, calendar->displayedYear),
                  std::tuple(today.wMonth, today.wYear));
        EXPECT_EQ(
            std::tuple(calendar->selectedDay, calendar->selectedMonth, calendar->selectedYear),
            std::tuple(today.wDay, today.wMonth, today.wYear));
    }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<Owner> owner = std::make_unique<Owner>();
    std::unique_ptr<voCallendar> calendar = std::make_unique<voCallendar>(owner->window, kId);
};

// The darkest channel of any pixel in a rectangle.
int DarkestIn(const PixelImage& image, RECT area) {
    int darkest = 255;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = image.At(x, y);
            darkest = std::min<int>({darkest, GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    return darkest;
}

COLORREF PiecePixel(const voCallendar& calendar, const wchar_t* name, SIZE size, POINT at) {
    Bitmap piece =
        LoadSkinPiece(calendar.moduleInstance, name, SkinSource::Resource, size.cx, size.cy);
    MemoryDC dc;
    SelectedObject selected(dc.Get(), piece.Get());
    return GetPixel(dc.Get(), at.x, at.y);
}

}  // namespace

TEST_F(CalendarTest, ShowingSelectsTodayWithTheColourKeyAndHidingResetsToToday) {
    EXPECT_FALSE(IsWindowVisible(calendar->window));
    EXPECT_EQ(calendar->selectedCell, -1);
    EXPECT_NE(GetClassLongW(calendar->window, GCL_STYLE) & CS_DBLCLKS, 0u);
    EXPECT_THROW(calendar->SetDayName(7, L"x"), std::out_of_range);
    EXPECT_THROW(calendar->SetShortMonthName(-1, L"x"), std::out_of_range);
    EXPECT_THROW(calendar->SetMonthName(12, L"x"), std::out_of_range);

    calendar->Show(true);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(calendar->window, &key, &alpha, &flags));
    EXPECT_EQ(std::tuple(key, alpha, flags),
              std::tuple(COLORREF{0xFF00FF}, BYTE{255}, DWORD{LWA_COLORKEY | LWA_ALPHA}));
    EXPECT_EQ(calendar->selectedCell, LeadingCells() + Today().wDay - 1);
    Click(kNextMonth);
    Click(kNextMonth);
    EXPECT_NE(calendar->displayedMonth, Today().wMonth);
    calendar->Show(false);
    EXPECT_FALSE(IsWindowVisible(calendar->window));
    ExpectToday();

    calendar->Show(true);
    Click(kNextMonth);
    SetFocus(owner->window);  // losing the focus hides it
    PumpMessages(20);
    EXPECT_FALSE(IsWindowVisible(calendar->window));
    EXPECT_FALSE(calendar->visible);
    ExpectToday();
}

TEST_F(CalendarTest, TheOwnerHearsOfADoubleClickedDayAndOfTheDayButton) {
    calendar->Show(true);
    DoubleClick(Cell(20));  // always a day of this month
    ASSERT_EQ(owner->Received(WM_COMMAND).size(), 1u);
    EXPECT_EQ(owner->Received(WM_COMMAND)[0].wParam, WPARAM{kId});
    EXPECT_EQ(owner->Received(WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(calendar.get()));
    const SYSTEMTIME today = Today();
    EXPECT_EQ(owner->reported.at(0),
              std::tuple(20 - LeadingCells() + 1, int{today.wMonth}, int{today.wYear}));
    EXPECT_FALSE(IsWindowVisible(calendar->window));

    calendar->Show(true);  // the day button tells the owner too; the calendar stays
    owner->Clear();
    const HWND button = calendar->dayButton->GetHandle();
    POINT centre{11, 11};
    ClientToScreen(button, &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(11, 11));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(11, 11));
    ASSERT_EQ(owner->Received(WM_COMMAND).size(), 1u);
    EXPECT_EQ(owner->Received(WM_COMMAND)[0].wParam, WPARAM{kId});
    EXPECT_TRUE(IsWindowVisible(calendar->window));
}

TEST_F(CalendarTest, ADoubleClickOnATitleOrAnArrowActsAsTwoClicks) {
    calendar->Show(true);
    Click(kTitle);
    DoubleClick(kTitle);
    EXPECT_EQ(calendar->view, vo::kMonthView);
    const int year = calendar->displayedYear;
    DoubleClick(kNextYear);
    EXPECT_EQ(calendar->displayedYear, year + 2);
    Click(kTitle);
    const int month = calendar->displayedMonth;
    DoubleClick(kPreviousMonth);
    EXPECT_EQ(calendar->displayedMonth, month > 2 ? month - 2 : month + 10);
    EXPECT_TRUE(owner->Received(WM_COMMAND).empty());
}

TEST_F(CalendarTest, PaintsTheGridWithItsSelectionAndTheMonthView) {
    calendar->Show(true);
    Click(kTitle);  // to December 2015 by the month view
    for (int year = calendar->displayedYear; year > 2015; --year) Click(kPreviousYear);
    Click({53, 137});
    Click(kTitle);
    ASSERT_EQ(std::pair(calendar->displayedMonth, calendar->displayedYear), std::pair(12, 2015));
    Click(Cell(34));  // the grey 3 of January
    PixelImage image = Shot();
    EXPECT_TRUE(ColourNear(image.At(128, 126),
                           PiecePixel(*calendar, L"Callendar_Small_Selection", {21, 18}, {2, 14}),
                           2));
    EXPECT_FALSE(ColourNear(image.At(108, 126), image.At(128, 126), 2)) << "cell 33 unselected";
    EXPECT_NEAR(DarkestIn(image, {106, 112, 126, 130}), 0x7A, 0x10);  // 2 January, grey
    EXPECT_NEAR(DarkestIn(image, {6, 40, 26, 58}), 0x7A, 0x10);       // 30 November, grey
    EXPECT_LT(DarkestIn(image, {66, 58, 86, 76}), 0x30);              // 10 December, black
    EXPECT_LT(DarkestIn(image, {5, 22, 25, 35}), 0x30);               // "Mo"

    Click(kTitle);
    image = Shot();
    EXPECT_TRUE(ColourNear(image.At(74, 40), 0xAEAEAE, 0));  // months | years
    EXPECT_TRUE(ColourNear(image.At(74, 150), 0xAEAEAE, 0));
    EXPECT_TRUE(ColourNear(image.At(38, 131),
                           PiecePixel(*calendar, L"Callendar_Medium_Selection", {34, 17}, {1, 2}),
                           2));
    EXPECT_FALSE(ColourNear(image.At(38, 111), image.At(38, 131), 2)) << "November unselected";
    EXPECT_LT(DarkestIn(image, {84, 89, 135, 105}), 0x30);  // 2015 on the big selection
    EXPECT_GT(DarkestIn(image, {5, 22, 70, 29}), 0x60) << "no weekday bar";
}

TEST_F(CalendarTest, PaintingMakesAndLeaksNothing) {
    calendar->Show(true);
    auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            calendar->selectedCell = i / 4 % 2 ? 10 : 11;  // every fourth paint composes again
            if (i % 100 == 0) calendar->view = 1 - calendar->view;
            InvalidateRect(calendar->window, nullptr, FALSE);
            UpdateWindow(calendar->window);
        }
    };
    paint(202);
    PumpMessages();
    ExpectPaintsMakeNothing(paint, 10000, 10000);
}

TEST_F(CalendarTest, AMessageStormKeepsTheDatesValid) {
    calendar->Show(true);
    StormOptions options;
    options.seed = 3;
    options.messages = 2500;
    options.checkInvariants = [this] {
        const voCallendar& c = *calendar;
        ASSERT_TRUE(c.view == vo::kDayView || c.view == vo::kMonthView);
        ASSERT_TRUE(c.displayedMonth >= 1 && c.displayedMonth <= 12) << c.displayedMonth;
        ASSERT_TRUE(c.selectedMonth >= 1 && c.selectedMonth <= 12) << c.selectedMonth;
        ASSERT_TRUE(c.selectedDay >= 1 && c.selectedDay <= 31) << c.selectedDay;
        ASSERT_TRUE(c.selectedCell >= -1 && c.selectedCell < vo::kDayCells) << c.selectedCell;
        for (int i = 0; i < vo::kDayCells; ++i) ASSERT_EQ(c.dayGrid[i].index, i);
    };
    EXPECT_TRUE(RunMessageStorm(calendar->window, options));
    for (const RecordedMessage& command : owner->Received(WM_COMMAND))
        EXPECT_EQ(command.wParam, WPARAM{kId});
}

// A view for a person to look at: VO_HOLD_MS keeps it on screen, VO_MONTH_VIEW
// shows the month view.
TEST_F(CalendarTest, DISABLED_ShowTheLooks) {
    calendar->Show(true);
    if (std::getenv("VO_MONTH_VIEW") != nullptr) Click(kTitle);
    PumpMessages(50);
    if (const char* hold = std::getenv("VO_HOLD_MS"))
        PumpMessages(static_cast<DWORD>(std::atoi(hold)));
}
