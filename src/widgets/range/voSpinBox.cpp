#include "widgets/range/voSpinBox.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "control/Clipboard.h"
#include "widgets/text/FontMeasure.h"

namespace {

enum Piece {
    kLeft,
    kRight,
    kCentre,
    kUp,
    kClickedUp,
    kDown,
    kClickedDown,
    kCentreLine,
    kHorizontalLine
};

// Resource names in the order of the skin file paths.
const wchar_t* const kPieceNames[voSpinBox::kPieceCount] = {
    L"SpinBox_Left",         L"SpinBox_Right",       L"SpinBox_Center",
    L"SpinBox_Up",           L"SpinBox_Clicked_Up",  L"SpinBox_Down",
    L"SpinBox_Clicked_Down", L"SpinBox_Center_Line", L"SpinBox_Horizontal_Line"};

constexpr int kArrowPieceHeight = 8;
constexpr int kArrowPressed = 2;
constexpr int kCaretWidth = 1;
constexpr int kCaretHeight = 16;
constexpr int kFontHeight = 15;
// Where the resource skin puts its line and arrows, whatever the geometry.
constexpr int kResourceArrowRight = 16;
constexpr int kResourceLineY = 10;
constexpr int kResourceUpY = 2;
constexpr int kResourceDownY = 11;

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

std::size_t IndexOf(int index) { return static_cast<std::size_t>(std::max(index, 0)); }

// A piece drawn at its own size or stretched to another.
bool StretchPiece(HDC dc, const KeptBitmap& piece, RECT target, SIZE source,
                  const BLENDFUNCTION& blend) {
    return piece && AlphaBlend(dc, target.left, target.top, target.right - target.left,
                               target.bottom - target.top, piece.Dc(), 0, 0, source.cx, source.cy,
                               blend) != FALSE;
}

bool InArrowColumn(vo::SpinRegion region) {
    return region == vo::SpinRegion::UpArrow || region == vo::SpinRegion::DownArrow ||
           region == vo::SpinRegion::ArrowColumn;
}

}  // namespace

voSpinBox::voSpinBox(HWND parent, std::uint16_t identifier, int askedWidth)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP),
      contextMenu(moduleInstance),
      caret(kCaretWidth, kCaretHeight) {
    kind = vo::kSpinBoxKindCode;
    accessibleName = L"Spin box";
    font.height = kFontHeight;
    voAbstractControl::SetSize(vo::InitialSpinWidth(askedWidth), skinHeight);
    SetValue(0);

    messageMap.Insert(WM_MOUSEMOVE, &voSpinBox::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voSpinBox::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voSpinBox::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voSpinBox::OnMouse);
    messageMap.Insert(WM_LBUTTONDBLCLK, &voSpinBox::OnMouse);
    messageMap.Insert(WM_MOUSEWHEEL, &voSpinBox::OnMouse);
    messageMap.Insert(WM_CONTEXTMENU, &voSpinBox::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voSpinBox::OnKillFocus);
    messageMap.Insert(WM_CHAR, &voSpinBox::OnKey);
    messageMap.Insert(WM_KEYDOWN, &voSpinBox::OnKey);
    messageMap.Insert(WM_TIMER, &voSpinBox::OnTimer);
    messageMap.Insert(WM_COMMAND, &voSpinBox::OnMenuCommand);
    messageMap.Insert(WM_CAPTURECHANGED, &voSpinBox::OnCaptureChanged);
}

voSpinBox::~voSpinBox() = default;

LRESULT voSpinBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto route = [&] { return Route(messageMap, message, wParam, lParam); };
    if (message != WM_PAINT) return route();
    return TextCaret::PaintHidden(ownWindow, caretShown, route);
}

// --- Setters ---------------------------------------------------------------------

bool voSpinBox::SetSize(int askedWidth, int) {
    const bool sized =
        voAbstractControl::SetSize(vo::SpinWidthRule(askedWidth, Geometry()), skinHeight);
    // A centred or right-aligned text moved with the width.
    UpdateCaretGeometry();
    PlaceCaret();
    Redraw(false);
    return sized;
}

bool voSpinBox::SetValue(std::int32_t newValue) {
    vo::SpinBoxModel model = Model();
    const bool within = vo::SetValue(model, newValue);
    Store(model);
    UpdateCaretGeometry();
    PlaceCaret();
    Redraw(false);
    return within;
}

void voSpinBox::FitToDigits(int count) {
    if (count < 0) return;
    maxLength = static_cast<std::uint32_t>(count);
    const std::wstring stars(static_cast<std::size_t>(count), L'*');
    SIZE extent{};
    bool measured = false;
    {
        SelectedObject selected(measureDc.Get(), paintResources.FontFor(font));
        measured = GetTextExtentPoint32W(measureDc.Get(), stars.c_str(),
                                         static_cast<int>(stars.size()), &extent) != FALSE;
    }
    if (measured) SetSize(vo::FitToDigitsWidth(extent.cx, Geometry()), 0);
}

void voSpinBox::SetSkinFile(int piece, const std::wstring& path) {
    if (piece >= 1 && piece <= kPieceCount) skinFilePaths[piece - 1] = path;
}

void voSpinBox::ApplyCompactGeometry() {
    vo::SpinBoxGeometry geometry = Geometry();
    vo::ApplyCompactGeometry(geometry);
    sideWidth = geometry.sideWidth;
    skinHeight = geometry.skinHeight;
    arrowPictureWidth = geometry.arrowPictureWidth;
    arrowPictureHeight = geometry.arrowPictureHeight;
    SetSize(width, skinHeight);
}

// --- Model and geometry ----------------------------------------------------------

vo::SpinBoxModel voSpinBox::Model() const {
    vo::SpinBoxModel model;
    model.edit.SetText(text);
    model.edit.SetMaxLength(maxLength);
    model.edit.Select(IndexOf(anchorIndex), IndexOf(caretIndex));
    model.value = value;
    model.minimum = minimum;
    model.maximum = maximum;
    model.step = step;
    model.atMinimum = atMinimum;
    model.atMaximum = atMaximum;
    model.editable = editable;
    model.inputEnabled = inputEnabled;
    return model;
}

void voSpinBox::Store(const vo::SpinBoxModel& model) {
    text = model.edit.text();
    anchorIndex = static_cast<int>(model.edit.anchorIndex());
    caretIndex = static_cast<int>(model.edit.caretIndex());
    value = model.value;
    atMinimum = model.atMinimum;
    atMaximum = model.atMaximum;
}

vo::SpinBoxGeometry voSpinBox::Geometry() const {
    vo::SpinBoxGeometry geometry;
    geometry.skinHeight = skinHeight;
    geometry.sideWidth = sideWidth;
    geometry.arrowColumnWidth = arrowColumnWidth;
    geometry.arrowPieceWidth = arrowPieceWidth;
    geometry.arrowPictureWidth = arrowPictureWidth;
    geometry.arrowPictureHeight = arrowPictureHeight;
    geometry.textMargin = textMargin;
    geometry.alignment = alignment;
    return geometry;
}

vo::SpinRegion voSpinBox::RegionAt(POINT point) const {
    return vo::SpinRegionAt(point.x, point.y, width, Geometry());
}

template <class Action>
void voSpinBox::EditCaret(Action action) {
    vo::SpinBoxModel model = Model();
    const FontMeasure measure(measureDc.Get(), paintResources.FontFor(font));
    const int origin = vo::SpinTextOrigin(model.edit.text(), measure, width, Geometry());
    action(model.edit, measure, origin);
    model.edit.UpdateGeometry(measure, origin);
    Store(model);
    anchorX = model.edit.anchorX();
    caretX = model.edit.caretX();
}

void voSpinBox::UpdateCaretGeometry() {
    EditCaret([](vo::EditModel&, const vo::CharMeasure&, int) {});
}

void voSpinBox::PlaceCaret() { TextCaret::Place(caretShown, {caretX, caretY}); }

// --- Mouse -----------------------------------------------------------------------

LRESULT voSpinBox::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // The leave is bookkeeping that must happen even while input is off.
    if (message == WM_MOUSELEAVE) {
        Leave();
        return 0;
    }
    if (!inputEnabled) return 0;
    switch (message) {
    case WM_LBUTTONDOWN: Press(PointOf(lParam)); break;
    case WM_MOUSEMOVE: Move(wParam, PointOf(lParam)); break;
    case WM_LBUTTONUP: Release(); break;
    case WM_LBUTTONDBLCLK: DoubleClick(wParam, lParam); break;
    case WM_MOUSEWHEEL: Wheel(wParam); break;
    case WM_CONTEXTMENU: contextMenu.Show(ownWindow); break;
    default: break;
    }
    return 0;
}

void voSpinBox::Press(POINT point) {
    SetCapture(ownWindow);
    const vo::LifeGuard::Watch watch = WatchLife();
    SetFocus(ownWindow);
    if (!watch.Alive()) return;
    const vo::SpinRegion region = RegionAt(point);
    if (region == vo::SpinRegion::Text) ClickInText(point.x);
    if (region == vo::SpinRegion::UpArrow) {
        if (!PressArrow(upArrowState, upHeld, VK_UP, vo::kSpinUpTimer)) return;
    } else if (region == vo::SpinRegion::DownArrow) {
        if (!PressArrow(downArrowState, downHeld, VK_DOWN, vo::kSpinDownTimer)) return;
    }
    Redraw(false);
}

void voSpinBox::ClickInText(int pointerX) {
    EditCaret([pointerX](vo::EditModel& edit, const vo::CharMeasure& measure, int origin) {
        edit.ClickAt(measure, origin, pointerX);
    });
    caret.ShowOnce(ownWindow, caretShown, {caretX, caretY});
    PlaceCaret();
}

bool voSpinBox::PressArrow(int& state, bool& held, unsigned key, UINT_PTR timer) {
    state = kArrowPressed;
    // Held before the step is reported, so a capture lost during the
    // notification ends the press instead of leaving a repeat running.
    held = true;
    SetTimer(ownWindow, timer, vo::kSpinRepeatFirstDelayMs, nullptr);
    return SendToSelf(WM_KEYDOWN, key, 0);
}

void voSpinBox::Move(WPARAM wParam, POINT point) {
    const bool buttonDown = (wParam & MK_LBUTTON) != 0;
    if (caretShown && buttonDown && hoverOverText) {
        EditCaret([&point](vo::EditModel& edit, const vo::CharMeasure& measure, int origin) {
            edit.DragTo(measure, origin, point.x);
        });
        PlaceCaret();
    }
    const vo::SpinRegion region = RegionAt(point);
    if (region == vo::SpinRegion::Text && !hoverOverText && !buttonDown) {
        SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
        hoverOverText = true;
        hoverOverArrows = false;
    } else if (InArrowColumn(region) && !hoverOverArrows && !buttonDown) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        hoverOverText = false;
        hoverOverArrows = true;
    }
    TrackArrows(region, buttonDown);
    if (!mouseTracking) TrackMouseLeave();
    Redraw(false);
}

void voSpinBox::TrackArrows(vo::SpinRegion region, bool buttonDown) {
    // Sliding off a held arrow pauses its repeat; sliding back on with the
    // button down resumes it at the short interval. One change per move.
    const bool onUp = region == vo::SpinRegion::UpArrow;
    const bool onDown = region == vo::SpinRegion::DownArrow;
    if (upArrowState == kArrowPressed && !onUp && upHeld) {
        upArrowState = 0;
        KillTimer(ownWindow, vo::kSpinUpTimer);
    } else if (upArrowState == 0 && onUp && buttonDown && hoverOverArrows && upHeld) {
        upArrowState = kArrowPressed;
        SetTimer(ownWindow, vo::kSpinUpTimer, vo::kSpinRepeatIntervalMs, nullptr);
    } else if (downArrowState == kArrowPressed && !onDown && downHeld) {
        downArrowState = 0;
        KillTimer(ownWindow, vo::kSpinDownTimer);
    } else if (downArrowState == 0 && onDown && buttonDown && hoverOverArrows && downHeld) {
        downArrowState = kArrowPressed;
        SetTimer(ownWindow, vo::kSpinDownTimer, vo::kSpinRepeatIntervalMs, nullptr);
    }
}

void voSpinBox::Release() {
    if (upHeld)
        EndArrowPress(upArrowState, upHeld, vo::kSpinUpTimer);
    else if (downHeld)
        EndArrowPress(downArrowState, downHeld, vo::kSpinDownTimer);
    if (GetCapture() == ownWindow) ReleaseCapture();
    // The released arrow must not keep its pressed picture until the next move.
    Redraw(false);
}

void voSpinBox::EndArrowPress(int& state, bool& held, UINT_PTR timer) {
    state = 0;
    KillTimer(ownWindow, timer);
    held = false;
}

LRESULT voSpinBox::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Another window took the mouse: no release will come to end a press.
    if (reinterpret_cast<HWND>(lParam) == ownWindow || (!upHeld && !downHeld)) return 0;
    EndArrowPress(upArrowState, upHeld, vo::kSpinUpTimer);
    EndArrowPress(downArrowState, downHeld, vo::kSpinDownTimer);
    Redraw(false);
    return 0;
}

void voSpinBox::DoubleClick(WPARAM wParam, LPARAM lParam) {
    if (RegionAt(PointOf(lParam)) != vo::SpinRegion::Text) {
        // On an arrow it is one more press.
        SendToSelf(WM_LBUTTONDOWN, wParam, lParam);
        return;
    }
    SetCapture(ownWindow);
    const int right = width;
    EditCaret([right](vo::EditModel& edit, const vo::CharMeasure& measure, int origin) {
        edit.ClickAt(measure, origin, 0);
        edit.DragTo(measure, origin, right);
    });
    PlaceCaret();
    Redraw(false);
}

void voSpinBox::Wheel(WPARAM wParam) {
    if (!focused) return;
    const int steps = vo::SpinWheelSteps(GET_WHEEL_DELTA_WPARAM(wParam));
    const unsigned key = steps > 0 ? VK_UP : VK_DOWN;
    for (int done = 0; done < std::abs(steps); ++done) {
        if (!SendToSelf(WM_KEYDOWN, key, 0)) return;
    }
}

void voSpinBox::Leave() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    hoverOverText = false;
    hoverOverArrows = false;
    mouseTracking = false;
}

LRESULT voSpinBox::OnTimer(UINT, WPARAM timer, LPARAM) {
    if (timer == vo::kSpinUpTimer)
        Repeat(upArrowState, upHeld, VK_UP, timer);
    else if (timer == vo::kSpinDownTimer)
        Repeat(downArrowState, downHeld, VK_DOWN, timer);
    return 0;
}

void voSpinBox::Repeat(int& state, bool& held, unsigned key, UINT_PTR timer) {
    KillTimer(ownWindow, timer);
    // A timer message with no arrow pressed must not start a repeat of its own.
    if (!held || state != kArrowPressed) return;
    if (!SendToSelf(WM_KEYDOWN, key, 0)) return;
    if (held && state == kArrowPressed)
        SetTimer(ownWindow, timer, vo::kSpinRepeatIntervalMs, nullptr);
}

// --- Focus, keys, menu -------------------------------------------------------------

LRESULT voSpinBox::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    caret.Destroy(ownWindow, caretShown);
    return ForwardFocusLoss(message, wParam, lParam);
}

LRESULT voSpinBox::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR)
        TypeChar(static_cast<wchar_t>(wParam));
    else
        KeyDown(wParam, lParam);
    return 0;
}

void voSpinBox::KeyDown(WPARAM key, LPARAM lParam) {
    vo::SpinBoxModel model = Model();
    const vo::KeyPress press{static_cast<unsigned>(key), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                             lParam == 0};
    const vo::SpinKeyOutcome outcome = vo::SpinKeyDown(model, press);
    if (!outcome.handled) return;
    const bool transferred = Transfer(model, outcome.clipboard);
    Store(model);
    UpdateCaretGeometry();
    if ((outcome.notify || transferred) && !NotifyParent()) return;
    // The parent may have set another value or stepped this control meanwhile:
    // what comes after the notification starts from the fields as they are now.
    vo::SpinBoxModel after = Model();
    vo::FinishSpinKey(after, outcome);
    Store(after);
    if (!outcome.moveCaret) return;
    PlaceCaret();
    Redraw(false);
}

bool voSpinBox::Transfer(vo::SpinBoxModel& model, vo::ClipboardAction action) {
    switch (action) {
    case vo::ClipboardAction::Copy:
        PutClipboardText(ownWindow, model.edit.SelectedText());
        return false;
    case vo::ClipboardAction::Cut:
        // Nothing is erased that did not reach the clipboard.
        return PutClipboardText(ownWindow, model.edit.SelectedText()) && vo::SpinCut(model);
    case vo::ClipboardAction::Paste: {
        const std::optional<std::wstring> pasted = GetClipboardText(ownWindow);
        return pasted && vo::SpinPaste(model, *pasted);
    }
    default: return false;
    }
}

void voSpinBox::TypeChar(wchar_t ch) {
    vo::SpinBoxModel model = Model();
    if (!vo::SpinTypeChar(model, ch)) return;
    Store(model);
    UpdateCaretGeometry();
    if (!NotifyParent()) return;
    PlaceCaret();
    Redraw(false);
}

LRESULT voSpinBox::OnMenuCommand(UINT, WPARAM wParam, LPARAM) {
    EditContextMenu::SendAsKey(ownWindow, wParam);
    return 0;
}

// --- Painting ----------------------------------------------------------------------

bool voSpinBox::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinSource << skinHeight
         << sideWidth << arrowColumnWidth << arrowPieceWidth << arrowPictureWidth
         << arrowPictureHeight << upArrowState << downArrowState << anchorX << caretX << focused
         << GetSysColor(COLOR_HIGHLIGHT) << textMargin << alignment << font << textColour << text;
    for (const std::wstring& path : skinFilePaths) look << path;
    return true;
}

void voSpinBox::PaintContent(HDC dc) {
    if (skinSource == 0 || skinSource == 1) PaintSkin(dc);
    PaintSelection(dc);
    PaintText(dc);
}

const KeptBitmap& voSpinBox::Piece(int piece, int pieceWidth, int pieceHeight) {
    if (skinSource == 1)
        return SkinPiece(skinFilePaths[piece], SkinSource::File, pieceWidth, pieceHeight);
    return SkinPiece(kPieceNames[piece], SkinSource::Resource, pieceWidth, pieceHeight);
}

void voSpinBox::PaintSkin(HDC dc) {
    const int column = width - arrowColumnWidth;
    const KeptBitmap& left = Piece(kLeft, sideWidth, skinHeight);
    const KeptBitmap& right = Piece(kRight, sideWidth, skinHeight);
    const KeptBitmap& centre = Piece(kCentre, 1, skinHeight);
    const KeptBitmap& line = Piece(kCentreLine, 1, skinHeight);
    BlendPiece(dc, left, 0, 0, sideWidth, skinHeight, blend);
    for (int x = sideWidth; x < column; ++x) BlendPiece(dc, centre, x, 0, 1, skinHeight, blend);
    // The body under the arrows, between the centre line and the right end.
    for (int k = 1; k < arrowColumnWidth - sideWidth; ++k)
        BlendPiece(dc, centre, column + k, 0, 1, skinHeight, blend);
    BlendPiece(dc, line, column, 0, 1, skinHeight, blend);
    BlendPiece(dc, right, width - sideWidth, 0, sideWidth, skinHeight, blend);
    PaintArrows(dc, skinSource == 0);
}

void voSpinBox::PaintArrows(HDC dc, bool resourceLook) {
    const int column = width - arrowColumnWidth;
    const KeptBitmap& line = Piece(kHorizontalLine, arrowPieceWidth, 1);
    const RECT lineArea = resourceLook ? RECT{column, kResourceLineY, width - 3, kResourceLineY + 1}
                                       : RECT{column, skinHeight / 2, width, skinHeight / 2 + 1};
    StretchPiece(dc, line, lineArea, SIZE{arrowPieceWidth, 1}, blend);

    const int arrowX =
        resourceLook ? width - kResourceArrowRight : width - arrowPictureWidth - sideWidth;
    const int upY = resourceLook ? kResourceUpY : (skinHeight - 2 * arrowPictureHeight) / 2;
    const int downY = resourceLook ? kResourceDownY : upY + arrowPictureHeight + 1;
    const SIZE source{arrowPieceWidth, kArrowPieceHeight};
    const KeptBitmap& up =
        Piece(upArrowState == kArrowPressed ? kClickedUp : kUp, arrowPieceWidth, kArrowPieceHeight);
    const KeptBitmap& down = Piece(downArrowState == kArrowPressed ? kClickedDown : kDown,
                                   arrowPieceWidth, kArrowPieceHeight);
    StretchPiece(dc, up, RECT{arrowX, upY, arrowX + arrowPictureWidth, upY + arrowPictureHeight},
                 source, blend);
    StretchPiece(dc, down,
                 RECT{arrowX, downY, arrowX + arrowPictureWidth, downY + arrowPictureHeight},
                 source, blend);
}

void voSpinBox::PaintSelection(HDC dc) {
    if (anchorX == caretX || !focused) return;
    // Under the text, which is drawn over it unchanged.
    const RECT area{std::min(anchorX, caretX), 3, std::max(anchorX, caretX), skinHeight - 4};
    SetDCBrushColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void voSpinBox::PaintText(HDC dc) {
    RECT area{0, 0, width, height - 2};
    CaptionStyle style{textColour, vo::kAlignStart, vo::kAlignCentre, vo::kSingleLine};
    switch (alignment) {
    case 1:
        area.right -= arrowColumnWidth;
        style.horizontal = vo::kAlignCentre;
        break;
    case 2:
        area.right -= textMargin + arrowColumnWidth;
        style.horizontal = vo::kAlignEnd;
        break;
    default: area.left += textMargin; break;
    }
    DrawCaption(dc, text, area, paintResources.FontFor(font), style);
}

AccessibleFacts voSpinBox::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (item != CHILDID_SELF) {
        facts.name = accessibleName;
        facts.state = STATE_SYSTEM_FOCUSABLE | (GetFocus() == ownWindow ? STATE_SYSTEM_FOCUSED : 0);
    }
    facts.role = item == CHILDID_SELF ? ROLE_SYSTEM_SPINBUTTON : ROLE_SYSTEM_TEXT;
    if (!editable) facts.state |= STATE_SYSTEM_READONLY;
    facts.value = text;
    facts.hasValue = true;
    return facts;
}

bool voSpinBox::AccessibleItemRect(long, RECT& rect) const {
    rect = RECT{0, 0, width - arrowColumnWidth, height};
    return true;
}
