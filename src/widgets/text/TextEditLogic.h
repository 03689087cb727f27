#pragma once
// Platform-free rules of the one-line text edit, over the shared editing
// model: its display form (password asterisks), the text origin and the
// horizontal scroll, its own arrow keys, the character classes it types,
// upper case, its paste (no filter, limited by the room left), its size
// rules and the idle state of click-to-edit.
#include <cstdint>
#include <string>

#include "widgets/text/EditModel.h"

namespace vo {

constexpr int kTextEditKindCode = 4;
constexpr int kTextEditMinimumInitialWidth = 17;
constexpr int kTextEditSkinHeight = 21;
constexpr int kTextEditSideWidth = 8;
constexpr int kTextEditTextMargin = 4;
constexpr int kTextEditCaretY = 4;
constexpr int kTextEditCaretWidth = 1;
constexpr int kTextEditCaretHeight = 15;
// A text scrolled into view ends this far left of the right edge.
constexpr int kTextEditEndGap = 2;
constexpr int kPasswordAsterisks = 1;

struct TextEditModel {
    EditModel edit;  // text, selection, max length, anchor x and caret x
    int scroll = 0;  // pixels the text is shifted left; negative after End on a short text
    int width = kTextEditMinimumInitialWidth;
    int textMargin = kTextEditTextMargin;
    int alignment = 1;  // 0 left, 1 centred while the whole text fits
    int passwordMode = 0;
    bool upperCase = false;
    bool restrictedCharacters = false;
};

// What is drawn and measured: the text, or one "*" per character in
// password mode 1.
std::wstring DisplayText(const std::wstring& text, int passwordMode);

// The display form's widths in `font`.
class DisplayMeasure final : public CharMeasure {
public:
    DisplayMeasure(const CharMeasure& font, int passwordMode) : font_(font), mode_(passwordMode) {}
    int PrefixWidth(const std::wstring& text, std::size_t count) const override;

private:
    const CharMeasure& font_;
    int mode_;
};

// Left edge of the unscrolled text: the margin (none once scrolled by more
// than the width), or centred while the text is narrower than the field.
int TextEditOrigin(const TextEditModel& model, const CharMeasure& font);
// Anchor x and caret x: origin + prefix width - scroll.
void UpdateTextEditCaret(TextEditModel& model, const CharMeasure& font);

// A click: caret and anchor to the first boundary at or right of x.
void TextEditClick(TextEditModel& model, const CharMeasure& font, int x);

// Where a drag with the button down has taken the pointer. Inside, the caret
// followed it; past an edge the control moves the caret one character that
// way (a drag step), scrolling.
enum class DragEdge { Inside, PastLeft, PastRight };
DragEdge TextEditDrag(TextEditModel& model, const CharMeasure& font, int x);

// The outcome of a key press, for the control's key handler:
//   1. outcome = TextEditKeyDown(...); stop if outcome.refused;
//   2. carry out outcome.clipboard (Copy; Cut then TextEditCut when the
//      clipboard took the text; Paste then TextEditPaste), which may ask for
//      a notification;
//   3. caret geometry, notify when asked, caret position and a redraw.
struct TextEditKeyOutcome {
    bool refused = false;  // Backspace at the start or Delete at the end: nothing more
    bool notify = false;
    ClipboardAction clipboard = ClipboardAction::None;
};

// `dragStep`: the press a drag past an edge sends (lParam 1), which moves
// the caret alone, whatever the modifiers. Up acts as Right, Down as Left.
TextEditKeyOutcome TextEditKeyDown(TextEditModel& model, const CharMeasure& font,
                                   const KeyPress& press, bool dragStep);

// Once the cut selection is on the clipboard: erases it. Notify after it.
void TextEditCut(TextEditModel& model, const CharMeasure& font);

// Inserts the clipboard text as typed, unfiltered, upper-cased in that mode,
// as far as max length leaves room once the selection is gone. No room (the
// text may already be longer than max length): nothing changes and it
// returns false (no notification).
bool TextEditPaste(TextEditModel& model, const CharMeasure& font, const std::wstring& pasted);

// Whether a typed character is of a class the edit takes: a letter or digit
// (`alphaNumeric`, as the platform classifies it), the space, or, while not
// restricted, printable ASCII.
bool AcceptableChar(wchar_t ch, bool alphaNumeric, bool restricted);
// A typed character: true when taken (notify), false when ignored.
bool TextEditTypeChar(TextEditModel& model, const CharMeasure& font, wchar_t ch, bool alphaNumeric);

// The whole text, or its first max-length characters when that is positive.
std::wstring CutToMaxLength(const std::wstring& text, int maxLength);
// SetText: the text cut to max length, shown from its start (no scroll left
// over from a longer text) with the caret hit at x = 0.
void TextEditSetText(TextEditModel& model, const CharMeasure& font, const std::wstring& text,
                     int maxLength);
// Max length as the editing model holds it: below 0 allows nothing.
std::uint32_t EditMaxLength(int maxLength);

// Construction: a width below 17 becomes 17.
int InitialTextEditWidth(int width);

// In click-to-edit mode the field is idle (button-like) until a double click.
bool TextEditIdle(bool clickToEdit, bool editing);

}  // namespace vo
