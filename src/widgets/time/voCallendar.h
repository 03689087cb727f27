#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control/Accessible.h"
#include "control/KeptPicture.h"
#include "control/LifeGuard.h"
#include "control/LookKey.h"
#include "control/Skin.h"
#include "widgets/buttons/voButton.h"
#include "widgets/time/CalendarLogic.h"
#include "window/voAbstractWindow.h"

// A small pop-up date picker: a borderless, colour-keyed top-level window of
// 150 x 160 showing a month as 42 day cells (day view) or the twelve months
// and five years around the displayed year (month view). A double click on a
// day, or the round day button, tells the owner with WM_COMMAND; the owner
// then reads the selected date. It hides itself when it loses the focus.
// The navigation fields (view, current day, displayed and selected date,
// selected cell, day grid) come from vo::CalendarState.
class voCallendar : public voAbstractWindow, public vo::CalendarState, private AccessibleSource {
public:
    voCallendar(HWND owner, std::uint16_t identifier);
    ~voCallendar() override;

    // Showing or hiding resets the dates to today.
    void Show(bool show) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Replace one name; an index outside the table raises std::out_of_range.
    void SetDayName(int index, const std::wstring& text);  // 0 = Monday
    void SetShortMonthName(int index, const std::wstring& text);
    void SetMonthName(int index, const std::wstring& text);

    voButton* dayButton = nullptr;
    std::vector<std::wstring> dayNames = std::vector<std::wstring>(7);
    std::vector<std::wstring> shortMonthNames = std::vector<std::wstring>(12);
    std::vector<std::wstring> monthNames = std::vector<std::wstring>(12);
    bool layeredAttributesApplied = false;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    std::wstring accessibleName = L"Calendar";

private:
    HWND AccessibleWindow() const override { return window; }
    long AccessibleItemCount() const override { return 0; }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long, RECT&) const override { return false; }
    void DoAccessibleAction(long) override {}

    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCloseOrDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);

    void OnDoubleClick(WPARAM wParam, LPARAM lParam);
    // Tells the owner; false when the owner deleted the calendar meanwhile.
    bool NotifyOwner();
    void Repaint();
    void SetName(std::vector<std::wstring>& table, int index, const std::wstring& text);
    POINT CursorPoint() const;

    void Compose(HDC dc);
    void DescribeLook(vo::LookKey& look) const;
    void PaintBackground(HDC dc);
    void PaintDayView(HDC dc);
    void PaintMonthView(HDC dc);
    void PaintTitles(HDC dc);
    const KeptBitmap& Piece(const wchar_t* name, int pieceWidth, int pieceHeight);
    void CopyPiece(HDC dc, const wchar_t* name, int x, int y, int pieceWidth, int pieceHeight);
    void BlendNamedPiece(HDC dc, const wchar_t* name, int x, int y, int pieceWidth,
                         int pieceHeight);

    voMessageMap<voCallendar> messageMap;
    PaintResources paintResources;
    // The largest title font (17 pixels when they fit) in which the month
    // name and the year fit their rectangles, so neither runs into the other.
    const Font& TitleFont(HDC dc, const std::wstring& month, const std::wstring& year);

    // The fonts, kept for the calendar's life: a paint makes none.
    enum FontRole { kDayNameFont, kDayFont, kShortMonthFont, kYearFont, kFontCount };
    std::array<std::shared_ptr<const Font>, kFontCount> fonts;
    static constexpr int kLargestTitle = 17;
    static constexpr int kSmallestTitle = 11;
    std::array<std::shared_ptr<const Font>, kLargestTitle - kSmallestTitle + 1> titleFonts;
    KeptPicture picture;
    vo::LifeGuard life;
    AccessibleLink accessible{*this};
};
