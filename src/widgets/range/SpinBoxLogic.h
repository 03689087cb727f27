#pragma once
// Platform-free rules of the spin box: value, limits and steps, the
// at-limit flags around each notification, the digit-only editing of its
// text, the clipboard rules, the wheel, the repeat schedule, and its
// regions and size arithmetic.
#include <cstdint>
#include <optional>
#include <string>

#include "widgets/text/EditModel.h"

namespace vo {

constexpr int kSpinBoxKindCode = 6;
constexpr int kSpinBoxMinimumInitialWidth = 26;
// Timers of the two arrows and their schedule: one step on the press, the
// next after 400 ms, then one every 100 ms (also on sliding back on).
constexpr int kSpinUpTimer = 1;
constexpr int kSpinDownTimer = 2;
constexpr int kSpinRepeatFirstDelayMs = 400;
constexpr int kSpinRepeatIntervalMs = 100;
constexpr int kWheelDelta = 120;
constexpr int kSpinCaretY = 2;

struct SpinBoxModel {
    SpinBoxModel() { edit.SetText(L"0"); }

    EditModel edit;  // text, selection, max length, caret geometry
    std::int32_t value = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t step = 1;
    bool atMinimum = false;
    bool atMaximum = false;
    bool editable = true;
    bool inputEnabled = true;
};

// Clamps to the limits (checked minimum first), shows the stored value as
// plain decimal text and returns whether the value was within them. The
// caret and the anchor stay, pulled back into a shorter text. No
// notification; the at-limit flags stay.
bool SetValue(SpinBoxModel& model, std::int32_t value);

// Reads leading blanks, an optional sign and digits up to the first other
// character. Nothing when there is no digit or the number does not fit in
// 32 bits.
std::optional<std::int32_t> ParseSpinText(const std::wstring& text);

// PageUp and PageDown move by the step when it exceeds 1 as an unsigned
// number, else by 10.
std::int32_t SpinPageStep(std::int32_t step);

// The outcome of a key press, for the control's key handler:
//   1. outcome = SpinKeyDown(model, press); stop if !outcome.handled;
//   2. carry out outcome.clipboard (Copy, or Cut then SpinCut, or Paste then
//      SpinPaste), which may ask for a notification too;
//   3. notify the parent when outcome.notify (or step 2 asked for it);
//   4. FinishSpinKey(model, outcome): the parts that come only after the
//      notification has returned;
//   5. when outcome.moveCaret: UpdateSpinCaret, caret position, redraw.
struct SpinKeyOutcome {
    bool handled = false;    // false: the message is ignored altogether
    bool notify = false;     // send the WM_COMMAND notification now
    bool moveCaret = false;  // end with the caret position and a redraw
    bool clearAtMinimumAfterNotify = false;
    ClipboardAction clipboard = ClipboardAction::None;
};

SpinKeyOutcome SpinKeyDown(SpinBoxModel& model, const KeyPress& press);
void FinishSpinKey(SpinBoxModel& model, const SpinKeyOutcome& outcome);

// Once the cut selection is on the clipboard: erases it; the rest of the
// text gives the value, or an emptied text the minimum. True: notify.
bool SpinCut(SpinBoxModel& model);

// Pastes clipboard text: digits only and as many as there is room for, or
// nothing. A result outside the limits sets the minimum. True when the
// paste was taken (notify), false when refused (no notification).
bool SpinPaste(SpinBoxModel& model, const std::wstring& clipboardText);

// A typed character (WM_CHAR). True when the parent is to be notified,
// which includes a digit refused for the limits or the length; false when
// the character was ignored (no digit, a full text, input not accepted).
bool SpinTypeChar(SpinBoxModel& model, wchar_t ch);

// Wheel notches in a delta: truncated toward zero, partial notches dropped.
// Positive: that many Up presses; negative: Down presses.
int SpinWheelSteps(int wheelDelta);

struct SpinBoxGeometry {
    int skinHeight = 23;
    int sideWidth = 8;
    int arrowColumnWidth = 17;
    int arrowPieceWidth = 13;
    int arrowPictureWidth = 13;
    int arrowPictureHeight = 8;
    int textMargin = 8;
    int alignment = 1;  // 0 left, 1 centred, 2 right
};

// The compact look used with 2 x 19 file skins: side width 2, skin height
// 19, arrow picture 13 x 8. The caller then resizes to (width, 19).
void ApplyCompactGeometry(SpinBoxGeometry& geometry);

// Construction: a width below 26 becomes 26.
int InitialSpinWidth(int width);
// SetSize: never narrower than side width + arrow column + 1.
int SpinWidthRule(int width, const SpinBoxGeometry& geometry);
// FitToDigits: the width asked for, given the measured width of the digit
// count's "*" characters (the size rule still applies).
int FitToDigitsWidth(int measuredWidth, const SpinBoxGeometry& geometry);

// Where a client point lies. The arrow hit areas are fixed rows of the
// arrow column (2..9 and 12..18) whatever the skin height.
enum class SpinRegion { Outside, Text, UpArrow, DownArrow, ArrowColumn };
SpinRegion SpinRegionAt(int x, int y, int width, const SpinBoxGeometry& geometry);

// Left edge of the text for a control `width` wide; alignments other than
// centred and right read as left.
int SpinTextOrigin(const std::wstring& text, const CharMeasure& measure, int width,
                   const SpinBoxGeometry& geometry);
// Anchor x and caret x from the indices, for the text as it is now.
void UpdateSpinCaret(SpinBoxModel& model, const CharMeasure& measure, int width,
                     const SpinBoxGeometry& geometry);

}  // namespace vo
