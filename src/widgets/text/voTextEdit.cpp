#include "widgets/text/voTextEdit.h"

#include <windowsx.h>

#include <algorithm>

#include "control/Clipboard.h"
#include "control/SkinLogic.h"
#include "widgets/text/FontMeasure.h"

namespace {

enum Piece { kLeft, kRight, kCentre };

const wchar_t* const kPieceNames[] = {L"TextEdit_Left", L"TextEdit_Right", L"TextEdit_Center"};

constexpr int kFontHeight = 15;
constexpr int kResourceSkin = 0;
constexpr int kNoSkin = 1;
constexpr int kFileSkin = 2;
constexpr int kSkinTextTop = 3;
constexpr int kFrameInset = 2;
constexpr LPARAM kDragStep = 1;

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

std::size_t IndexOf(int index) { return static_cast<std::size_t>(std::max(index, 0)); }

// DrawTextW reads "&" as a mnemonic prefix; doubled, it is drawn as itself,
// as wide as it was measured.
std::wstring WithoutPrefixes(const std::wstring& text) {
    std::wstring drawn;
    drawn.reserve(text.size());
    for (wchar_t ch : text) {
        drawn += ch;
        if (ch == L'&') drawn += ch;
    }
    return drawn;
}

}  // namespace

voTextEdit::voTextEdit(HWND parent, std::uint16_t identifier, int askedWidth, int mode)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP),
      skinMode(mode),
      contextMenu(moduleInstance),
      caret(vo::kTextEditCaretWidth, vo::kTextEditCaretHeight) {
    kind = vo::kTextEditKindCode;
    accessibleName = L"Text";
    font.height = kFontHeight;
    voAbstractControl::SetSize(vo::InitialTextEditWidth(askedWidth), skinHeight);

    messageMap.Insert(WM_MOUSEMOVE, &voTextEdit::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voTextEdit::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voTextEdit::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voTextEdit::OnMouse);
    messageMap.Insert(WM_LBUTTONDBLCLK, &voTextEdit::OnMouse);
    messageMap.Insert(WM_CONTEXTMENU, &voTextEdit::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voTextEdit::OnKillFocus);
    messageMap.Insert(WM_CHAR, &voTextEdit::OnKey);
    messageMap.Insert(WM_KEYDOWN, &voTextEdit::OnKey);
    messageMap.Insert(WM_COMMAND, &voTextEdit::OnMenuCommand);
}

voTextEdit::~voTextEdit() = default;

LRESULT voTextEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto route = [&] { return Route(messageMap, message, wParam, lParam); };
    if (message != WM_PAINT) return route();
    return TextCaret::PaintHidden(ownWindow, caretShown, route);
}

// --- Model and geometry ----------------------------------------------------------

vo::TextEditModel voTextEdit::Model() const {
    vo::TextEditModel model;
    model.edit.SetText(text);
    model.edit.SetMaxLength(vo::EditMaxLength(maxLength));
    model.edit.Select(IndexOf(anchorIndex), IndexOf(caretIndex));
    model.scroll = scroll;
    model.width = width;
    model.textMargin = textMargin;
    model.alignment = alignment;
    model.passwordMode = passwordMode;
    model.upperCase = upperCase;
    model.restrictedCharacters = restrictedCharacters;
    return model;
}

void voTextEdit::Store(const vo::TextEditModel& model) {
    text = model.edit.text();
    anchorIndex = static_cast<int>(model.edit.anchorIndex());
    caretIndex = static_cast<int>(model.edit.caretIndex());
    anchorX = model.edit.anchorX();
    caretX = model.edit.caretX();
    scroll = model.scroll;
}

template <class Action>
auto voTextEdit::Edit(Action action) {
    vo::TextEditModel model = Model();
    const FontMeasure measure(measureDc.Get(), paintResources.FontFor(font));
    auto result = action(model, measure);
    vo::UpdateTextEditCaret(model, measure);
    Store(model);
    return result;
}

void voTextEdit::UpdateCaretGeometry() {
    Edit([](vo::TextEditModel&, const vo::CharMeasure&) { return true; });
}

void voTextEdit::PlaceCaret() { TextCaret::Place(caretShown, {caretX, vo::kTextEditCaretY}); }

// --- Setters ---------------------------------------------------------------------

bool voTextEdit::SetSize(int askedWidth, int) {
    scroll = 0;
    const vo::SkinSize size = vo::ThreePieceSize(askedWidth, skinHeight, sideWidth);
    const bool sized = voAbstractControl::SetSize(size.width, size.height);
    // A centred text moved with the width.
    UpdateCaretGeometry();
    PlaceCaret();
    Redraw(false);
    return sized;
}

void voTextEdit::SetText(const std::wstring& newText) {
    const int limit = maxLength;
    Edit([&newText, limit](vo::TextEditModel& model, const vo::CharMeasure& measure) {
        vo::TextEditSetText(model, measure, newText, limit);
        return true;
    });
    const vo::LifeGuard::Watch watch = WatchLife();
    SetFocus(parentWindow);
    if (!watch.Alive()) return;
    PlaceCaret();
    Redraw(false);
}

void voTextEdit::FitToLength(int extra, int count) {
    maxLength = count;
    const std::wstring stars(IndexOf(count), L'*');
    SIZE extent{};
    bool measured = false;
    {
        SelectedObject selected(measureDc.Get(), paintResources.FontFor(font));
        measured = GetTextExtentPoint32W(measureDc.Get(), stars.c_str(),
                                         static_cast<int>(stars.size()), &extent) != FALSE;
    }
    if (measured) SetSize(vo::ThreePieceFitWidth(extent.cx, extra, sideWidth), 0);
}

void voTextEdit::SetSkinFile(int piece, const std::wstring& path) {
    if (piece >= 1 && piece <= kPieceCount) skinFilePaths[piece - 1] = path;
}

// --- Mouse -----------------------------------------------------------------------

LRESULT voTextEdit::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // The leave is bookkeeping that must happen in every state, or leave
    // tracking would never be armed again.
    if (message == WM_MOUSELEAVE) {
        Leave();
        return 0;
    }
    if (!inputEnabled) return 0;
    if (vo::TextEditIdle(clickToEdit, editing)) {
        IdleMouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_LBUTTONDOWN: Press(GET_X_LPARAM(lParam)); break;
    case WM_MOUSEMOVE: Move(wParam, GET_X_LPARAM(lParam)); break;
    case WM_LBUTTONUP:
        if (GetCapture() == ownWindow) ReleaseCapture();
        break;
    case WM_LBUTTONDBLCLK: SelectAllByDoubleClick(); break;
    case WM_CONTEXTMENU: contextMenu.Show(ownWindow); break;
    default: break;
    }
    return 0;
}

void voTextEdit::IdleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: SetCursor(LoadCursorW(nullptr, IDC_ARROW)); break;
    case WM_LBUTTONDOWN: NotifyParent(0, 0); break;
    case WM_LBUTTONDBLCLK:
        editing = true;
        Edit([](vo::TextEditModel& model, const vo::CharMeasure&) {
            model.edit.CollapseTo(model.edit.caretIndex());
            return true;
        });
        // Now editing, the press places the caret at the click.
        SendToSelf(WM_LBUTTONDOWN, wParam, lParam);
        break;
    default: break;
    }
}

void voTextEdit::Press(int pointerX) {
    const vo::LifeGuard::Watch watch = WatchLife();
    SetFocus(ownWindow);
    if (!watch.Alive()) return;
    SetCapture(ownWindow);
    Edit([pointerX](vo::TextEditModel& model, const vo::CharMeasure& measure) {
        vo::TextEditClick(model, measure, pointerX);
        return true;
    });
    caret.ShowOnce(ownWindow, caretShown, {caretX, vo::kTextEditCaretY});
    PlaceCaret();
    Redraw(false);
}

void voTextEdit::Move(WPARAM wParam, int pointerX) {
    if (caretShown && (wParam & MK_LBUTTON) != 0) {
        const vo::DragEdge edge =
            Edit([pointerX](vo::TextEditModel& model, const vo::CharMeasure& measure) {
                return vo::TextEditDrag(model, measure, pointerX);
            });
        // Past an edge: one character that way per move, scrolling.
        if (edge != vo::DragEdge::Inside &&
            !SendToSelf(WM_KEYDOWN, edge == vo::DragEdge::PastRight ? VK_RIGHT : VK_LEFT,
                        kDragStep))
            return;
        PlaceCaret();
    }
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
        TrackMouseLeave();
    }
    Redraw(false);
}

void voTextEdit::SelectAllByDoubleClick() {
    SetCapture(ownWindow);
    Edit([](vo::TextEditModel& model, const vo::CharMeasure&) {
        model.edit.SelectAll();
        return true;
    });
    PlaceCaret();
    Redraw(false);
}

void voTextEdit::Leave() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    mouseTracking = false;
}

// --- Focus, keys, menu -------------------------------------------------------------

LRESULT voTextEdit::OnKillFocus(UINT, WPARAM wParam, LPARAM) {
    if (clickToEdit) editing = false;
    caret.Destroy(ownWindow, caretShown);
    focused = false;
    Redraw(false);
    // The parent hears where the focus went, after the control has let it go.
    const HWND receiver = reinterpret_cast<HWND>(wParam);
    if (receiver == ownWindow) return 0;
    if (receiver == nullptr)
        SendToParent(WM_KILLFOCUS, 0, 0);
    else
        SendToParent(WM_SETFOCUS, reinterpret_cast<WPARAM>(ownWindow), 0);
    return 0;
}

LRESULT voTextEdit::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR)
        TypeChar(static_cast<wchar_t>(wParam));
    else
        KeyDown(wParam, lParam);
    return 0;
}

void voTextEdit::KeyDown(WPARAM key, LPARAM lParam) {
    const vo::KeyPress press{static_cast<unsigned>(key), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                             lParam == 0};
    bool notify = false;
    const bool refused = Edit([&](vo::TextEditModel& model, const vo::CharMeasure& measure) {
        const vo::TextEditKeyOutcome outcome =
            vo::TextEditKeyDown(model, measure, press, lParam == kDragStep);
        notify = outcome.notify || Transfer(model, measure, outcome.clipboard);
        return outcome.refused;
    });
    if (refused) return;
    if (notify && !NotifyParent()) return;
    PlaceCaret();
    Redraw(false);
}

bool voTextEdit::Transfer(vo::TextEditModel& model, const vo::CharMeasure& measure,
                          vo::ClipboardAction action) {
    switch (action) {
    case vo::ClipboardAction::Copy:
        PutClipboardText(ownWindow, model.edit.SelectedText());
        return false;
    case vo::ClipboardAction::Cut:
        // Nothing is erased that did not reach the clipboard.
        if (!PutClipboardText(ownWindow, model.edit.SelectedText())) return false;
        vo::TextEditCut(model, measure);
        return true;
    case vo::ClipboardAction::Paste: {
        const std::optional<std::wstring> pasted = GetClipboardText(ownWindow);
        return pasted && vo::TextEditPaste(model, measure, *pasted);
    }
    default: return false;
    }
}

void voTextEdit::TypeChar(wchar_t ch) {
    const bool alphaNumeric = IsCharAlphaNumericW(ch) != FALSE;
    const bool taken =
        Edit([ch, alphaNumeric](vo::TextEditModel& model, const vo::CharMeasure& measure) {
            return vo::TextEditTypeChar(model, measure, ch, alphaNumeric);
        });
    if (!taken) return;
    PlaceCaret();
    if (!NotifyParent()) return;
    Redraw(false);
}

LRESULT voTextEdit::OnMenuCommand(UINT, WPARAM wParam, LPARAM) {
    EditContextMenu::SendAsKey(ownWindow, wParam);
    return 0;
}

// --- Painting ----------------------------------------------------------------------

bool voTextEdit::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinMode << skinHeight << sideWidth
         << anchorX << caretX << focused << GetSysColor(COLOR_HIGHLIGHT) << scroll << textMargin
         << alignment << passwordMode << font << textColour << text;
    for (const std::wstring& path : skinFilePaths) look << path;
    return true;
}

void voTextEdit::PaintContent(HDC dc) {
    if (skinMode != kNoSkin) PaintSkin(dc);
    // The selection and a scrolled text stay off the skin's frame.
    const int inset = skinMode == kNoSkin ? 0 : kFrameInset;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inset, 0, width - inset, height);
    PaintSelection(dc);
    PaintText(dc);
    RestoreDC(dc, saved);
}

void voTextEdit::PaintSkin(HDC dc) {
    // Only the three plain pieces are ever drawn; the hovered ones stay unread.
    if (skinMode != kResourceSkin && skinMode != kFileSkin) return;
    auto piece = [this](Piece which, int pieceWidth) -> const KeptBitmap& {
        if (skinMode == kFileSkin)
            return SkinPiece(skinFilePaths[which], SkinSource::File, pieceWidth, skinHeight);
        return SkinPiece(kPieceNames[which], SkinSource::Resource, pieceWidth, skinHeight);
    };
    const KeptBitmap& left = piece(kLeft, sideWidth);
    const KeptBitmap& centre = piece(kCentre, 1);
    const KeptBitmap& right = piece(kRight, sideWidth);
    DrawThreePieceSkin(dc, ThreePieceSkin{&left, &centre, &right, sideWidth, skinHeight}, width, 0,
                       blend);
}

void voTextEdit::PaintSelection(HDC dc) {
    if (anchorX == caretX || !focused) return;
    // Under the text, which is drawn over it unchanged.
    const RECT area{std::min(anchorX, caretX), 2, std::max(anchorX, caretX), skinHeight - 1};
    SetDCBrushColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void voTextEdit::PaintText(HDC dc) {
    if (passwordMode != 0 && passwordMode != vo::kPasswordAsterisks) return;
    int origin = 0;
    {
        const FontMeasure measure(measureDc.Get(), paintResources.FontFor(font));
        origin = vo::TextEditOrigin(Model(), measure);
    }
    // Drawn from where the caret geometry measures it, so a centred text and
    // one shifted by a negative scroll stand where their caret does.
    const RECT area{origin - scroll, skinMode == kNoSkin ? 0 : kSkinTextTop, width, height};
    const CaptionStyle style{textColour, vo::kAlignStart, vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, WithoutPrefixes(vo::DisplayText(text, passwordMode)), area,
                paintResources.FontFor(font), style);
}

AccessibleFacts voTextEdit::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_TEXT;
    // A password is never told, not even its length.
    if (passwordMode != 0) {
        facts.state |= STATE_SYSTEM_PROTECTED;
        return facts;
    }
    facts.value = text;
    facts.hasValue = true;
    return facts;
}
