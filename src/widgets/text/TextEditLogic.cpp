#include "widgets/text/TextEditLogic.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vo {

namespace {

// Sums of owner-set sizes and measured widths must not overflow.
int Saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

wchar_t UpperAscii(wchar_t ch) { return ch >= L'a' && ch <= L'z' ? ch - L'a' + L'A' : ch; }

// The model's measurements in its display form and scroll.
class View {
public:
    View(const TextEditModel& model, const CharMeasure& font)
        : model_(model), display_(font, model.passwordMode) {}

    const DisplayMeasure& Display() const { return display_; }
    std::size_t Length() const { return model_.edit.text().size(); }
    int Prefix(std::size_t index) const {
        return index > Length() ? -1 : display_.PrefixWidth(model_.edit.text(), index);
    }
    int TextWidth() const { return Prefix(Length()); }

    int Origin() const {
        if (model_.alignment == 1) {
            const int free = Saturate(std::int64_t{model_.width} - TextWidth());
            return free > 0 ? free / 2 : 0;
        }
        return model_.scroll > model_.width ? 0 : model_.textMargin;
    }
    // The origin the editing model measures from: shifted by the scroll.
    int ScrolledOrigin() const { return Saturate(std::int64_t{Origin()} - model_.scroll); }
    int PixelX(std::size_t index) const {
        return Saturate(std::int64_t{ScrolledOrigin()} + Prefix(index));
    }

    bool TextFits() const { return std::int64_t{TextWidth()} + Origin() < model_.width; }
    // The scroll that puts the boundary at `index` at the right edge less the gap.
    int ScrollShowingRight(std::size_t index) const {
        return Saturate(std::int64_t{Origin()} + Prefix(index) - model_.width + kTextEditEndGap);
    }
    // The scroll that puts the boundary at `index` at the left edge (never below 0).
    int ScrollShowingLeft(std::size_t index) const {
        return std::max(0, Saturate(std::int64_t{Origin()} + Prefix(index)));
    }

private:
    const TextEditModel& model_;
    DisplayMeasure display_;
};

void ScrollToCaretLeft(TextEditModel& model, const CharMeasure& font) {
    const View view(model, font);
    const std::size_t caret = model.edit.caretIndex();
    if (view.PixelX(caret) <= 0) model.scroll = view.ScrollShowingLeft(caret);
}

void ScrollToCaretRight(TextEditModel& model, const CharMeasure& font) {
    const View view(model, font);
    const std::size_t caret = model.edit.caretIndex();
    if (view.PixelX(caret) >= model.width) model.scroll = view.ScrollShowingRight(caret);
}

void MoveLeft(EditModel& edit, const KeyPress& press, bool dragStep) {
    if (edit.anchorIndex() == 0 && !edit.HasSelection()) return;
    const std::size_t caret = edit.caretIndex();
    if (dragStep || (press.shift && !press.ctrl)) {
        if (caret > 0) edit.MoveCaret(caret - 1);
    } else if (press.shift) {
        edit.MoveCaret(0);
    } else if (press.ctrl) {
        edit.CollapseTo(0);
    } else if (!edit.HasSelection()) {
        edit.CollapseTo(edit.anchorIndex() - 1);
    } else {
        edit.CollapseTo(caret);  // the selection collapses where the caret is
    }
}

void MoveRight(EditModel& edit, const KeyPress& press, bool dragStep) {
    const std::size_t length = edit.text().size();
    const std::size_t caret = edit.caretIndex();
    if (caret >= length && !edit.HasSelection()) return;
    if (dragStep || (press.shift && !press.ctrl)) {
        if (caret < length) edit.MoveCaret(caret + 1);
    } else if (press.shift) {
        edit.MoveCaret(length);
    } else if (press.ctrl) {
        edit.CollapseTo(length);
    } else if (!edit.HasSelection()) {
        edit.CollapseTo(edit.anchorIndex() + 1);
    } else {
        edit.CollapseTo(caret);
    }
}

// After an erase: a text that fits is not scrolled; otherwise the caret is
// kept from going left of the field.
void ScrollAfterErase(TextEditModel& model, const CharMeasure& font) {
    if (View(model, font).TextFits())
        model.scroll = 0;
    else
        ScrollToCaretLeft(model, font);
}

bool ClipboardLocked(int passwordMode) { return passwordMode == kPasswordAsterisks; }

}  // namespace

std::wstring DisplayText(const std::wstring& text, int passwordMode) {
    if (passwordMode == kPasswordAsterisks) return std::wstring(text.size(), L'*');
    return text;
}

int DisplayMeasure::PrefixWidth(const std::wstring& text, std::size_t count) const {
    if (mode_ != kPasswordAsterisks) return font_.PrefixWidth(text, count);
    return font_.PrefixWidth(std::wstring(text.size(), L'*'), count);
}

int TextEditOrigin(const TextEditModel& model, const CharMeasure& font) {
    return View(model, font).Origin();
}

void UpdateTextEditCaret(TextEditModel& model, const CharMeasure& font) {
    const View view(model, font);
    model.edit.UpdateGeometry(view.Display(), view.ScrolledOrigin());
}

void TextEditClick(TextEditModel& model, const CharMeasure& font, int x) {
    const View view(model, font);
    model.edit.ClickAt(view.Display(), view.ScrolledOrigin(), x);
}

DragEdge TextEditDrag(TextEditModel& model, const CharMeasure& font, int x) {
    // Past an edge the caret steps one character per move instead of
    // jumping to the boundary under the pointer, which would leave it out
    // of sight beyond the scrolled view.
    if (x >= model.width) return DragEdge::PastRight;
    if (x <= 0) return DragEdge::PastLeft;
    const View view(model, font);
    model.edit.DragTo(view.Display(), view.ScrolledOrigin(), x);
    return DragEdge::Inside;
}

TextEditKeyOutcome TextEditKeyDown(TextEditModel& model, const CharMeasure& font,
                                   const KeyPress& press, bool dragStep) {
    EditModel& edit = model.edit;
    TextEditKeyOutcome outcome;
    switch (press.key) {
    case kVkLeft:
    case kVkDown:
        MoveLeft(edit, press, dragStep);
        ScrollToCaretLeft(model, font);
        break;
    case kVkRight:
    case kVkUp:
        MoveRight(edit, press, dragStep);
        ScrollToCaretRight(model, font);
        break;
    case kVkHome:
        edit.CollapseTo(0);
        model.scroll = 0;
        break;
    case kVkEnd:
        edit.CollapseTo(edit.text().size());
        // In every case, so a short text is drawn shifted right.
        model.scroll = View(model, font).ScrollShowingRight(edit.text().size());
        break;
    case kVkBack:
    case kVkDelete: {
        const bool whole = press.ctrlOrSynthetic();
        const bool erased =
            press.key == kVkBack ? edit.EraseBackward(whole) : edit.EraseForward(whole);
        if (!erased) return {true, false, ClipboardAction::None};
        ScrollAfterErase(model, font);
        outcome.notify = true;
        break;
    }
    case kVkA:
        if (!ClipboardLocked(model.passwordMode) && press.ctrlOrSynthetic()) edit.SelectAll();
        break;
    default:
        if (!ClipboardLocked(model.passwordMode))
            outcome.clipboard = edit.ClipboardActionFor(press);
        break;
    }
    return outcome;
}

void TextEditCut(TextEditModel& model, const CharMeasure& font) {
    model.edit.EraseSelection();
    if (View(model, font).TextWidth() <= model.width) model.scroll = 0;
}

bool TextEditPaste(TextEditModel& model, const CharMeasure& font, const std::wstring& pasted) {
    EditModel& edit = model.edit;
    if (edit.Room() == 0) return false;
    std::wstring chars = pasted;
    if (model.upperCase) std::transform(chars.begin(), chars.end(), chars.begin(), UpperAscii);
    edit.InsertLimited(chars);
    const View view(model, font);
    if (view.TextFits()) {
        model.scroll = 0;
    } else if (view.Prefix(edit.anchorIndex()) >= model.width) {
        model.scroll = std::max(model.scroll, view.ScrollShowingRight(edit.anchorIndex()));
    }
    return true;
}

bool AcceptableChar(wchar_t ch, bool alphaNumeric, bool restricted) {
    if (alphaNumeric || ch == L' ') return true;
    return !restricted && ch >= 0x20 && ch <= 0x7E;
}

bool TextEditTypeChar(TextEditModel& model, const CharMeasure& font, wchar_t ch,
                      bool alphaNumeric) {
    if (!AcceptableChar(ch, alphaNumeric, model.restrictedCharacters)) return false;
    if (!model.edit.TypeChar(model.upperCase ? UpperAscii(ch) : ch)) return false;
    if (View(model, font).TextFits()) model.scroll = 0;
    // Past the right edge the view shows the end of the text.
    const View view(model, font);
    if (view.PixelX(model.edit.caretIndex()) >= model.width)
        model.scroll = view.ScrollShowingRight(model.edit.text().size());
    return true;
}

std::wstring CutToMaxLength(const std::wstring& text, int maxLength) {
    if (maxLength <= 0) return text;
    return text.substr(0, static_cast<std::size_t>(maxLength));
}

void TextEditSetText(TextEditModel& model, const CharMeasure& font, const std::wstring& text,
                     int maxLength) {
    model.edit.SetText(CutToMaxLength(text, maxLength));
    model.scroll = 0;
    TextEditClick(model, font, 0);
}

std::uint32_t EditMaxLength(int maxLength) {
    return static_cast<std::uint32_t>(std::max(maxLength, 0));
}

int InitialTextEditWidth(int width) { return std::max(width, kTextEditMinimumInitialWidth); }

bool TextEditIdle(bool clickToEdit, bool editing) { return clickToEdit && !editing; }

}  // namespace vo
