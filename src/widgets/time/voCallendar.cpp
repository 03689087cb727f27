#include "widgets/time/voCallendar.h"

#include <stdexcept>
#include <string>

namespace {

constexpr int kCalendarWidth = 150;
constexpr int kCalendarHeight = 160;
constexpr int kSideWidth = 10;
constexpr COLORREF kSeeThrough = 0x00FF00FF;
constexpr COLORREF kSeparatorColour = 0xAEAEAE;
constexpr COLORREF kOtherMonthColour = 0x7A7A7A;
constexpr COLORREF kTextColour = 0;
constexpr int kDayButtonId = 0;
constexpr int kCalendarIcon = 7;
constexpr int kDayButtonX = 125;
constexpr int kDayButtonY = 3;
constexpr vo::CalendarRect kBigSelection{89, 90, 129, 107};
// Room kept between the month name and the ends of its rectangle: the year
// follows right after the title bar's divider.
constexpr int kTitleMargin = 2;

vo::CalendarDate Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wDay, now.wMonth, now.wYear};
}

std::shared_ptr<const Font> KeepFont(const wchar_t* face, int height) {
    CaptionFont font;
    font.face = face;
    font.height = height;
    font.weight = 500;
    return SharedFonts().Acquire(font,
                                 [&] { return std::make_unique<Font>(CreateCaptionFont(font)); });
}

RECT ToRect(const vo::CalendarRect& area) { return {area.left, area.top, area.right, area.bottom}; }

// Centred horizontally from the top of the rectangle: DT_CENTER | DT_VCENTER
// without DT_SINGLELINE.
void DrawCentred(HDC dc, const std::wstring& text, RECT area, const Font& font, COLORREF colour) {
    DrawCaption(dc, text, area, font.Get(), CaptionStyle{colour, 1, 1, vo::kNoLineMode});
}

}  // namespace

voCallendar::voCallendar(HWND owner, std::uint16_t calendarId)
    : voAbstractWindow(WS_POPUP | WS_CLIPCHILDREN) {
    width = kCalendarWidth;
    height = kCalendarHeight;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Double clicks confirm a day: the shared top-level class asks for them.
    SetClassLongW(window, GCL_STYLE, CS_DBLCLKS);
    ownerWindow = owner;
    identifier = calendarId;

    dayButton = new voButton(window, kDayButtonId, 100, vo::kButtonRoundIcon);
    dayButton->SetIcon(kCalendarIcon);
    dayButton->backgroundMode = vo::kBackgroundColour;
    dayButton->SetBackgroundColor(0);
    dayButton->backgroundMode = vo::kBackgroundBitmap;
    dayButton->LoadBackground(L"Callendar_Button_Day_Background", 22, 22);
    dayButton->SetPosition(kDayButtonX, kDayButtonY, true);
    dayButton->Show(true);

    for (std::size_t i = 0; i < titleFonts.size(); ++i)
        titleFonts[i] = KeepFont(L"Georgia", kLargestTitle - static_cast<int>(i));
    fonts[kDayNameFont] = KeepFont(L"Courier New", 14);
    fonts[kDayFont] = KeepFont(L"Times New Roman", 15);
    fonts[kShortMonthFont] = KeepFont(L"Tahoma", 16);
    fonts[kYearFont] = KeepFont(L"Tahoma", 19);

    vo::ResetToToday(*this, Today(), false);

    messageMap.Insert(WM_KILLFOCUS, &voCallendar::OnKillFocus);
    messageMap.Insert(WM_CLOSE, &voCallendar::OnCloseOrDestroy);
    messageMap.Insert(WM_DESTROY, &voCallendar::OnCloseOrDestroy);
    messageMap.Insert(WM_PAINT, &voCallendar::OnPaint);
    messageMap.Insert(WM_MOUSEMOVE, &voCallendar::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voCallendar::OnMouse);
    messageMap.Insert(WM_LBUTTONDBLCLK, &voCallendar::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voCallendar::OnMouse);
    messageMap.Insert(WM_COMMAND, &voCallendar::OnCommand);
}

voCallendar::~voCallendar() {
    // Without the map, closing the window below posts no quit message.
    messageMap.Clear();
    delete dayButton;
    dayButton = nullptr;
    dayNames.clear();
    shortMonthNames.clear();
    monthNames.clear();
    // Nothing else would close the window, which would stay on screen.
    if (IsWindow(window)) DestroyWindow(window);
}

LRESULT voCallendar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (accessible.Handle(message, wParam, lParam, result)) return result;
    const vo::LifeGuard::Watch watch = life.Observe();
    if (!messageMap.Dispatch(*this, message, wParam, lParam, result))
        result = DefaultProc(message, wParam, lParam);
    if (watch.Alive() && !AccessibleLink::ChangesNothing(message)) accessible.Announce();
    return result;
}

AccessibleFacts voCallendar::DescribeAccessible(long) const {
    AccessibleFacts facts;
    facts.name = accessibleName;
    facts.role = ROLE_SYSTEM_TABLE;
    // The selected date as the calendar names it.
    const std::wstring month = selectedMonth >= 1 && selectedMonth <= 12
                                   ? monthNames[static_cast<std::size_t>(selectedMonth - 1)]
                                   : std::wstring();
    facts.value = std::to_wstring(selectedDay) + L" " +
                  (month.empty() ? std::to_wstring(selectedMonth) : month) + L" " +
                  std::to_wstring(selectedYear);
    facts.hasValue = true;
    facts.state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_READONLY;
    if (GetFocus() == window) facts.state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowVisible(window)) facts.state |= STATE_SYSTEM_INVISIBLE;
    return facts;
}

void voCallendar::Show(bool show) {
    if (!layeredAttributesApplied) {
        SetLayeredWindowAttributes(window, kSeeThrough, 255, LWA_COLORKEY | LWA_ALPHA);
        layeredAttributesApplied = true;
    }
    if (width != kCalendarWidth && height != kCalendarHeight)
        SetSize(kCalendarWidth, kCalendarHeight);
    vo::ResetToToday(*this, Today(), true);
    ShowWindow(window, show ? SW_SHOW : SW_HIDE);
    visible = show;
    if (show) Repaint();  // a calendar already shown has new dates
}

void voCallendar::SetName(std::vector<std::wstring>& table, int index, const std::wstring& text) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        throw std::out_of_range("voCallendar name index out of range");
    table[static_cast<std::size_t>(index)] = text;
    if (visible) Repaint();
}

void voCallendar::SetDayName(int index, const std::wstring& text) {
    SetName(dayNames, index, text);
}

void voCallendar::SetShortMonthName(int index, const std::wstring& text) {
    SetName(shortMonthNames, index, text);
}

void voCallendar::SetMonthName(int index, const std::wstring& text) {
    SetName(monthNames, index, text);
}

LRESULT voCallendar::OnKillFocus(UINT, WPARAM, LPARAM) {
    Show(false);
    return 0;
}

LRESULT voCallendar::OnCloseOrDestroy(UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) DestroyWindow(window);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return 0;
}

LRESULT voCallendar::OnCommand(UINT, WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == kDayButtonId) NotifyOwner();
    return 0;
}

bool voCallendar::NotifyOwner() {
    const vo::LifeGuard::Watch watch = life.Observe();
    SendMessageW(ownerWindow, WM_COMMAND, identifier, reinterpret_cast<LPARAM>(this));
    return watch.Alive();
}

void voCallendar::Repaint() {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

POINT voCallendar::CursorPoint() const {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    return point;
}

LRESULT voCallendar::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = CursorPoint();
    switch (message) {
    case WM_MOUSEMOVE:
        if (vo::OverHotSpot(*this, point.x, point.y)) SetCursor(LoadCursorW(nullptr, IDC_HAND));
        break;
    case WM_LBUTTONDOWN:
        if (vo::PressAt(*this, point.x, point.y)) Repaint();
        break;
    case WM_LBUTTONDBLCLK: OnDoubleClick(wParam, lParam); break;
    default: break;  // WM_MOUSELEAVE
    }
    return 0;
}

void voCallendar::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
    POINT point = CursorPoint();
    // On a title or an arrow, the second click of the pair acts again.
    if (vo::OverTitleOrArrow(*this, point.x, point.y))
        SendMessageW(window, WM_LBUTTONDOWN, wParam, lParam);
    point = CursorPoint();
    if (vo::ConfirmCellAt(*this, point.x, point.y) < 0) return;
    if (!NotifyOwner()) return;
    Show(false);
}

// --- Painting -------------------------------------------------------------------

LRESULT voCallendar::OnPaint(UINT, WPARAM, LPARAM) {
    vo::LookKey look;
    DescribeLook(look);
    return PaintFromPicture(window, picture, kCalendarWidth, kCalendarHeight, std::move(look),
                            [this](HDC dc) { Compose(dc); });
}

void voCallendar::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << view << displayedMonth
         << displayedYear << selectedCell;
    for (const vo::DayCell& cell : dayGrid) look << cell.day << cell.otherMonth;
    for (const auto* table : {&dayNames, &shortMonthNames, &monthNames})
        for (const std::wstring& name : *table) look << name;
}

void voCallendar::Compose(HDC dc) {
    PaintBackground(dc);
    if (view == vo::kDayView)
        PaintDayView(dc);
    else
        PaintMonthView(dc);
    PaintTitles(dc);
}

const KeptBitmap& voCallendar::Piece(const wchar_t* name, int pieceWidth, int pieceHeight) {
    return paintResources.Piece(moduleInstance, name, SkinSource::Resource, pieceWidth,
                                pieceHeight);
}

void voCallendar::CopyPiece(HDC dc, const wchar_t* name, int x, int y, int pieceWidth,
                            int pieceHeight) {
    const KeptBitmap& piece = Piece(name, pieceWidth, pieceHeight);
    if (piece) BitBlt(dc, x, y, pieceWidth, pieceHeight, piece.Dc(), 0, 0, SRCCOPY);
}

void voCallendar::BlendNamedPiece(HDC dc, const wchar_t* name, int x, int y, int pieceWidth,
                                  int pieceHeight) {
    BlendPiece(dc, Piece(name, pieceWidth, pieceHeight), x, y, pieceWidth, pieceHeight, blend);
}

void voCallendar::PaintBackground(HDC dc) {
    CopyPiece(dc, L"Callendar_Background_Left", 0, 0, kSideWidth, kCalendarHeight);
    // One stretched copy of the 1-pixel column fills what a copy per column would.
    const KeptBitmap& centre = Piece(L"Callendar_Background_Center", 1, kCalendarHeight);
    if (centre)
        StretchBlt(dc, kSideWidth, 0, kCalendarWidth - 2 * kSideWidth, kCalendarHeight, centre.Dc(),
                   0, 0, 1, kCalendarHeight, SRCCOPY);
    CopyPiece(dc, L"Callendar_Background_Right", kCalendarWidth - kSideWidth, 0, kSideWidth,
              kCalendarHeight);
    BlendNamedPiece(dc, L"Callendar_Field", 5, 3, 140, 19);
}

void voCallendar::PaintDayView(HDC dc) {
    CopyPiece(dc, L"Callendar_Small_Field", 5, 22, 140, 13);
    BlendNamedPiece(dc, L"Callendar_Arrow_Left", vo::kPreviousMonthArrow.left,
                    vo::kPreviousMonthArrow.top, 14, 9);
    BlendNamedPiece(dc, L"Callendar_Arrow_Right", vo::kNextMonthArrow.left, vo::kNextMonthArrow.top,
                    14, 9);
    if (selectedCell >= 0 && selectedCell < vo::kDayCells) {
        const vo::CalendarRect cell = vo::DayCellRect(selectedCell);
        CopyPiece(dc, L"Callendar_Small_Selection", cell.left, cell.top, 21, 18);
    }
    for (int k = 0; k < 7; ++k)
        DrawCentred(dc, dayNames[static_cast<std::size_t>(k)], {5 + 20 * k, 22, 25 + 20 * k, 35},
                    *fonts[kDayNameFont], kTextColour);
    for (const vo::DayCell& cell : dayGrid)
        DrawCentred(dc, std::to_wstring(cell.day), ToRect(vo::DayCellRect(cell.index)),
                    *fonts[kDayFont], cell.otherMonth ? kOtherMonthColour : kTextColour);
}

void voCallendar::PaintMonthView(HDC dc) {
    SetDCBrushColor(dc, kSeparatorColour);
    RECT separator{74, 22, 75, kCalendarHeight};
    FillRect(dc, &separator, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    BlendNamedPiece(dc, L"Callendar_Arrow_Left", vo::kPreviousYearArrow.left,
                    vo::kPreviousYearArrow.top, 14, 9);
    BlendNamedPiece(dc, L"Callendar_Arrow_Right", vo::kNextYearArrow.left, vo::kNextYearArrow.top,
                    14, 9);
    if (displayedMonth >= 1 && displayedMonth <= 12) {
        const vo::CalendarRect month = vo::MonthCellRect(displayedMonth - 1);
        CopyPiece(dc, L"Callendar_Medium_Selection", month.left, month.top, 34, 17);
    }
    CopyPiece(dc, L"Callendar_Big_Selection", kBigSelection.left, kBigSelection.top, 40, 17);
    for (int row = 0; row < 6; ++row) {
        const int top = vo::kFirstMonthLabel.top + 20 * row;
        const int bottom = vo::kFirstMonthLabel.bottom + 20 * row;
        DrawCentred(dc, shortMonthNames[static_cast<std::size_t>(row)], {9, top, 34, bottom},
                    *fonts[kShortMonthFont], kTextColour);
        DrawCentred(dc, shortMonthNames[static_cast<std::size_t>(row) + 6], {42, top, 67, bottom},
                    *fonts[kShortMonthFont], kTextColour);
    }
    for (int k = 0; k < 5; ++k) {
        const long long year = static_cast<long long>(displayedYear) - 2 + k;
        const vo::CalendarRect label = vo::kFirstYearLabel;
        DrawCentred(dc, std::to_wstring(year),
                    {label.left, label.top + 20 * k, label.right, label.bottom + 20 * k},
                    *fonts[kYearFont], kTextColour);
    }
}

void voCallendar::PaintTitles(HDC dc) {
    const std::wstring month = displayedMonth >= 1 && displayedMonth <= 12
                                   ? monthNames[static_cast<std::size_t>(displayedMonth) - 1]
                                   : std::wstring();
    const std::wstring year = std::to_wstring(displayedYear);
    const Font& font = TitleFont(dc, month, year);
    DrawCentred(dc, month, ToRect(vo::kMonthTitle), font, kTextColour);
    DrawCentred(dc, year, ToRect(vo::kYearTitle), font, kTextColour);
}

const Font& voCallendar::TitleFont(HDC dc, const std::wstring& month, const std::wstring& year) {
    auto widthOf = [dc](const Font& font, const std::wstring& text) {
        SIZE extent{0, 0};
        SelectedObject selected(dc, font.Get());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        return extent.cx;
    };
    const int monthRoom = vo::kMonthTitle.right - vo::kMonthTitle.left - 2 * kTitleMargin;
    const int yearRoom = vo::kYearTitle.right - vo::kYearTitle.left;
    for (const auto& font : titleFonts)
        if (widthOf(*font, month) <= monthRoom && widthOf(*font, year) <= yearRoom) return *font;
    return *titleFonts.back();
}
