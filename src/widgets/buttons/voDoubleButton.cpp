#include "widgets/buttons/voDoubleButton.h"

#include <windowsx.h>

voDoubleButton::voDoubleButton(HWND parent, std::uint16_t identifier, int halfWidth)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP) {
    kind = vo::kDoubleButtonKind;
    font.height = 15;
    toggleMode = true;
    checked = true;
    firstHalfWidth = vo::HalfWidthFor(halfWidth, capWidth);
    secondHalfWidth = vo::HalfWidthFor(halfWidth, capWidth);
    ApplyHalfWidths();

    messageMap.Insert(WM_MOUSEMOVE, &voDoubleButton::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voDoubleButton::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voDoubleButton::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voDoubleButton::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voDoubleButton::ForwardFocusLoss);
    messageMap.Insert(WM_KEYDOWN, &voDoubleButton::OnKey);
}

LRESULT voDoubleButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

LRESULT voDoubleButton::OnKey(UINT, WPARAM wParam, LPARAM lParam) {
    const bool repeat = (lParam & (1 << 30)) != 0;
    if (!inputEnabled) return 0;
    // As a press on that half: only a change of half is told.
    switch (wParam) {
    case VK_SPACE:
        if (!repeat) Select(checked ? vo::HalfHit::Second : vo::HalfHit::First);
        break;
    case VK_LEFT: Select(vo::HalfHit::First); break;
    case VK_RIGHT: Select(vo::HalfHit::Second); break;
    default: break;
    }
    return 0;
}

void voDoubleButton::SetChecked(bool value) {
    selectedHalf = value ? vo::kFirstHalf : vo::kSecondHalf;
    checked = value;
    Redraw(false);
}

bool voDoubleButton::SetHalfWidth(int halfWidth, bool firstHalf) {
    (firstHalf ? firstHalfWidth : secondHalfWidth) = vo::HalfWidthFor(halfWidth, capWidth);
    return ApplyHalfWidths();
}

bool voDoubleButton::ApplyHalfWidths() {
    return voAbstractControl::SetSize(vo::DoubleButtonWidth(firstHalfWidth, secondHalfWidth),
                                      skinHeight);
}

void voDoubleButton::FitToText(int extra, bool equalHalves) {
    const HFONT captionFont = paintResources.FontFor(font);
    const vo::HalfWidths widths = vo::FitHalves(
        MeasureCaption(ownWindow, firstCaption, captionFont).cx,
        MeasureCaption(ownWindow, secondCaption, captionFont).cx, extra, capWidth, equalHalves);
    firstHalfWidth = widths.first;
    secondHalfWidth = widths.second;
    voAbstractControl::SetSize(vo::DoubleButtonWidth(firstHalfWidth, secondHalfWidth), height);
}

void voDoubleButton::SetSkinFile(int piece, const std::wstring& path) {
    if (piece >= 1 && piece <= vo::kDoubleButtonPieceCount) skinFiles[piece - 1] = path;
}

bool voDoubleButton::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinSource << selectedHalf
         << skinHeight << capWidth << firstHalfWidth << font << textColour << firstCaption
         << secondCaption;
    for (const std::wstring& file : skinFiles) look << file;
    return true;
}

const KeptBitmap& voDoubleButton::Piece(int number) {
    const int pieceWidth = vo::IsDoubleButtonEnd(number) ? capWidth : 1;
    if (skinSource == 1)
        return SkinPiece(skinFiles[number - 1], SkinSource::File, pieceWidth, skinHeight);
    // Any source but resources and files draws no skin: an empty name loads nothing.
    const wchar_t* name = skinSource == 0 ? vo::DoubleButtonPieceName(number) : L"";
    return SkinPiece(name, SkinSource::Resource, pieceWidth, skinHeight);
}

void voDoubleButton::DrawColumns(HDC dc, int piece, int firstX, int count) {
    const KeptBitmap& column = Piece(piece);
    for (int offset = 0; column && offset < count; ++offset)
        BlendPiece(dc, column, firstX + offset, 0, 1, skinHeight, blend);
}

void voDoubleButton::PaintContent(HDC dc) {
    const vo::DoubleButtonLayout layout =
        vo::LayoutDoubleButton(width, firstHalfWidth, capWidth, selectedHalf);
    BlendPiece(dc, Piece(layout.leftEndPiece), 0, 0, capWidth, skinHeight, blend);
    DrawColumns(dc, layout.firstBodyPiece, layout.firstBodyX, layout.firstBodyCount);
    DrawColumns(dc, vo::kDoubleButtonDivider, layout.dividerX, 1);
    BlendPiece(dc, Piece(layout.rightEndPiece), layout.rightEndX, 0, capWidth, skinHeight, blend);
    DrawColumns(dc, layout.secondBodyPiece, layout.secondBodyX, layout.secondBodyCount);

    const HFONT captionFont = paintResources.FontFor(font);
    const CaptionStyle centred{textColour, vo::kAlignCentre, vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, firstCaption, {0, 0, layout.firstCaptionRight, height}, captionFont, centred);
    DrawCaption(dc, secondCaption, {layout.secondCaptionLeft, 0, width, height}, captionFont,
                centred);
}

LRESULT voDoubleButton::OnMouse(UINT message, WPARAM, LPARAM lParam) {
    // The leave notification is spent whether or not the control listens now.
    if (message == WM_MOUSELEAVE) mouseTracking = false;
    if (!inputEnabled) return 0;
    switch (message) {
    case WM_MOUSEMOVE:
        if (!mouseTracking) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            TrackMouseLeave();
        }
        break;
    case WM_LBUTTONDOWN: Press(lParam); break;
    case WM_LBUTTONUP:
        if (GetCapture() == ownWindow) ReleaseCapture();
        break;
    default: break;
    }
    return 0;
}

void voDoubleButton::Press(LPARAM lParam) {
    SetCapture(ownWindow);
    SetFocus(ownWindow);
    RECT client{};
    GetClientRect(ownWindow, &client);
    Select(vo::HitHalf(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), client.right, client.bottom,
                       firstHalfWidth));
}

void voDoubleButton::Select(vo::HalfHit hit) {
    const vo::HalfSelection selection = vo::PressHalf(hit, checked);
    if (!selection.changed) return;
    selectedHalf = selection.selectedHalf;
    checked = selection.checked;
    // The parent hears of it before the new look shows, and may delete the control.
    if (!NotifyParent(selection.code)) return;
    Redraw(false);
}

AccessibleFacts voDoubleButton::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (!inputEnabled) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    if (item == CHILDID_SELF) {
        if (facts.name.empty()) facts.name = firstCaption + L" or " + secondCaption;
        facts.role = ROLE_SYSTEM_GROUPING;
        return facts;
    }
    const bool first = item == 1;
    facts.name = first ? firstCaption : secondCaption;
    facts.role = ROLE_SYSTEM_RADIOBUTTON;
    if ((selectedHalf == vo::kFirstHalf) == first) facts.state |= STATE_SYSTEM_CHECKED;
    if (inputEnabled) facts.defaultAction = L"Check";
    return facts;
}

bool voDoubleButton::AccessibleItemRect(long item, RECT& rect) const {
    const vo::DoubleButtonLayout layout =
        vo::LayoutDoubleButton(width, firstHalfWidth, capWidth, selectedHalf);
    rect = item == 1 ? RECT{0, 0, layout.dividerX, height}
                     : RECT{layout.secondBodyX, 0, width, height};
    return true;
}

void voDoubleButton::DoAccessibleAction(long item) {
    if (!inputEnabled || item == CHILDID_SELF) return;
    Select(item == 1 ? vo::HalfHit::First : vo::HalfHit::Second);
}
