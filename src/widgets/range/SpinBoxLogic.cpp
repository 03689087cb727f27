#include "widgets/range/SpinBoxLogic.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vo {

namespace {

constexpr std::int64_t kBeyondInt32 = std::int64_t{INT32_MAX} + 1;

// Steps are summed in 64 bits: value + step must not overflow near the ends
// of the 32-bit range.
std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

bool IsBlank(wchar_t ch) { return ch == L' ' || (ch >= L'\t' && ch <= L'\r'); }

// The number at the start of the text, held at one past the 32-bit range
// once it leaves it, so callers can still tell above from below.
std::optional<std::int64_t> ParseWide(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - L'0'), kBeyondInt32 + 1);
    }
    return negative ? -magnitude : magnitude;
}

bool FitsInt32(std::int64_t number) { return number >= INT32_MIN && number <= INT32_MAX; }

// An edit sets the value from what the text now says, without a range
// check; a text that names no 32-bit number leaves the value as it was.
void TakeValueFromText(SpinBoxModel& model) {
    if (const auto number = ParseSpinText(model.edit.text())) model.value = *number;
}

void Reformat(SpinBoxModel& model) { model.edit.SetText(std::to_wstring(model.value)); }

// A step that shortens the text collapses the selection at the end when the
// anchor falls off it; a caret past the end alone is pulled back too.
void ReformatAfterStep(SpinBoxModel& model) {
    std::wstring text = std::to_wstring(model.value);
    const bool anchorPastEnd = model.edit.anchorIndex() > text.size();
    model.edit.SetText(std::move(text));
    if (anchorPastEnd) model.edit.CollapseTo(model.edit.text().size());
}

SpinKeyOutcome StepUp(SpinBoxModel& model) {
    if (model.value >= model.maximum) {
        model.atMinimum = false;
        model.atMaximum = true;
    } else {
        model.value = ToInt32(std::min<std::int64_t>(
            std::int64_t{model.value} + model.step, model.maximum));
        Reformat(model);
        model.edit.CollapseTo(model.edit.text().size());
        model.atMinimum = model.atMaximum = false;
    }
    return {true, true, true, false, ClipboardAction::None};
}

SpinKeyOutcome StepDown(SpinBoxModel& model, std::int32_t amount) {
    if (model.value <= model.minimum) {
        model.atMinimum = true;
        model.atMaximum = false;
    } else {
        model.value = ToInt32(
            std::max<std::int64_t>(std::int64_t{model.value} - amount, model.minimum));
        ReformatAfterStep(model);
        model.atMinimum = model.atMaximum = false;
    }
    return {true, true, true, false, ClipboardAction::None};
}

SpinKeyOutcome PageUp(SpinBoxModel& model) {
    if (model.value >= model.maximum) {
        model.atMinimum = false;
        model.atMaximum = true;
        return {true, true, true, false, ClipboardAction::None};
    }
    const std::int64_t raised = std::int64_t{model.value} + SpinPageStep(model.step);
    model.atMaximum = raised > model.maximum;
    model.value = ToInt32(std::min<std::int64_t>(raised, model.maximum));
    ReformatAfterStep(model);
    // At minimum keeps its old value during the notification and is cleared
    // only once the parent has seen it.
    return {true, true, true, true, ClipboardAction::None};
}

bool IsStepKey(unsigned key) {
    return key == kVkUp || key == kVkDown || key == kVkPrior || key == kVkNext;
}

}  // namespace

bool SetValue(SpinBoxModel& model, std::int32_t value) {
    bool within = true;
    if (value < model.minimum) {
        model.value = model.minimum;
        within = false;
    } else if (value > model.maximum) {
        model.value = model.maximum;
        within = false;
    } else {
        model.value = value;
    }
    Reformat(model);
    return within;
}

std::optional<std::int32_t> ParseSpinText(const std::wstring& text) {
    const auto number = ParseWide(text);
    if (!number || !FitsInt32(*number)) return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

std::int32_t SpinPageStep(std::int32_t step) {
    return static_cast<std::uint32_t>(step) > 1u ? step : 10;
}

SpinKeyOutcome SpinKeyDown(SpinBoxModel& model, const KeyPress& press) {
    if (!model.inputEnabled) return {};
    if (!model.editable && !IsStepKey(press.key)) return {};
    switch (press.key) {
    case kVkUp: return StepUp(model);
    case kVkDown: return StepDown(model, model.step);
    case kVkPrior: return PageUp(model);
    case kVkNext: return StepDown(model, SpinPageStep(model.step));
    default: break;
    }

    SpinKeyOutcome outcome{true, false, true, false, ClipboardAction::None};
    switch (model.edit.KeyDown(press)) {
    case EditKeyResult::Refused: outcome.moveCaret = false; break;
    case EditKeyResult::Erased:
        // An emptied text keeps the old value until something is typed.
        TakeValueFromText(model);
        outcome.notify = true;
        break;
    case EditKeyResult::Moved: break;
    case EditKeyResult::NotEditing: outcome.clipboard = model.edit.ClipboardActionFor(press); break;
    }
    return outcome;
}

void FinishSpinKey(SpinBoxModel& model, const SpinKeyOutcome& outcome) {
    if (outcome.clearAtMinimumAfterNotify) model.atMinimum = false;
}

bool SpinCut(SpinBoxModel& model) {
    model.edit.EraseSelection();
    if (model.edit.text().empty()) SetValue(model, model.minimum);
    else TakeValueFromText(model);
    return true;
}

bool SpinPaste(SpinBoxModel& model, const std::wstring& clipboardText) {
    if (model.edit.Room() == 0) return false;
    if (!std::all_of(clipboardText.begin(), clipboardText.end(), IsDigit)) return false;
    model.edit.InsertLimited(clipboardText);
    const auto number = ParseWide(model.edit.text());
    if (!number) return true;  // nothing to read (a lone sign): the value stays
    if (*number < model.minimum || *number > model.maximum) SetValue(model, model.minimum);
    else model.value = static_cast<std::int32_t>(*number);
    return true;
}

bool SpinTypeChar(SpinBoxModel& model, wchar_t ch) {
    if (!model.inputEnabled || !model.editable || !IsDigit(ch)) return false;
    EditModel& edit = model.edit;
    if (edit.text().size() >= edit.maxLength() && !edit.HasSelection()) return false;

    // A refused digit still loses the selection it would have replaced; the
    // caret then stays where the digit would have gone.
    edit.EraseSelection();
    const std::size_t at = edit.caretIndex();
    std::wstring candidate = edit.text();
    candidate.insert(at, 1, ch);
    const auto number = ParseWide(candidate);
    if (number && *number >= model.minimum && *number <= model.maximum &&
        candidate.size() <= edit.maxLength()) {
        edit.SetText(std::move(candidate));
        edit.CollapseTo(at + 1);
        model.value = static_cast<std::int32_t>(*number);
    }
    return true;
}

int SpinWheelSteps(int wheelDelta) { return wheelDelta / kWheelDelta; }

void ApplyCompactGeometry(SpinBoxGeometry& geometry) {
    geometry.sideWidth = 2;
    geometry.skinHeight = 19;
    geometry.arrowPictureWidth = 13;
    geometry.arrowPictureHeight = 8;
}

int InitialSpinWidth(int width) { return std::max(width, kSpinBoxMinimumInitialWidth); }

int SpinWidthRule(int width, const SpinBoxGeometry& geometry) {
    const std::int64_t least =
        std::int64_t{geometry.sideWidth} + geometry.arrowColumnWidth + 1;
    return ToInt32(std::max<std::int64_t>(width, least));
}

int FitToDigitsWidth(int measuredWidth, const SpinBoxGeometry& geometry) {
    const std::int64_t asked =
        std::int64_t{geometry.arrowColumnWidth} + geometry.sideWidth + measuredWidth + 10;
    return SpinWidthRule(ToInt32(asked), geometry);
}

SpinRegion SpinRegionAt(int x, int y, int width, const SpinBoxGeometry& geometry) {
    const std::int64_t column = std::int64_t{width} - geometry.arrowColumnWidth;
    if (y < 0 || y >= geometry.skinHeight || x < 0 || x >= width) return SpinRegion::Outside;
    if (x < column) return SpinRegion::Text;
    if (y >= 2 && y < 10) return SpinRegion::UpArrow;
    if (y >= 12 && y < 19) return SpinRegion::DownArrow;
    return SpinRegion::ArrowColumn;
}

int SpinTextOrigin(const std::wstring& text, const CharMeasure& measure, int width,
                   const SpinBoxGeometry& geometry) {
    const std::int64_t textWidth = measure.PrefixWidth(text, text.size());
    const std::int64_t free = std::int64_t{width} - geometry.arrowColumnWidth - textWidth;
    switch (geometry.alignment) {
    case 1: {
        // Halved toward minus infinity, also when the text is wider than the field.
        const std::int64_t half = free >= 0 ? free / 2 : -((1 - free) / 2);
        return ToInt32(half);
    }
    case 2: return ToInt32(free - geometry.textMargin);
    default: return geometry.textMargin;
    }
}

void UpdateSpinCaret(SpinBoxModel& model, const CharMeasure& measure, int width,
                     const SpinBoxGeometry& geometry) {
    const int origin = SpinTextOrigin(model.edit.text(), measure, width, geometry);
    model.edit.UpdateGeometry(measure, origin);
}

}  // namespace vo
