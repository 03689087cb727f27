#include "widgets/range/SliderLogic.h"

#include <algorithm>
#include <climits>

namespace vo {

namespace {

constexpr int kSlack = 7;  // length beyond the positions themselves
// As many positions as keep the length an int.
constexpr long long kMaximumPositions = (INT_MAX - kSlack) / kSliderPositionSpacing;
constexpr int kCellStart = 3;
constexpr int kCellEnd = 28;
constexpr int kCellAcrossFirst = 1;
constexpr int kCellAcrossEnd = 18;
constexpr int kGripStart = 13;

bool IsHorizontal(const SliderModel& model) {
    return model.orientation == SliderOrientation::Horizontal;
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

long long Spaced(long long index) { return kSliderPositionSpacing * index; }

// A rectangle from along and across spans.
SliderRect Oriented(const SliderModel& model, long long alongFirst, long long alongEnd,
                    long long acrossFirst, long long acrossEnd) {
    if (IsHorizontal(model))
        return {ClampToInt(alongFirst), ClampToInt(acrossFirst), ClampToInt(alongEnd),
                ClampToInt(acrossEnd)};
    return {ClampToInt(acrossFirst), ClampToInt(alongFirst), ClampToInt(acrossEnd),
            ClampToInt(alongEnd)};
}

bool Contains(const SliderRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Floor division for a positive divisor.
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

SliderModel MakeSlider(SliderOrientation orientation) {
    SliderModel model;
    model.orientation = orientation;
    model.thickness = IsHorizontal(model) ? kSliderThicknessHorizontal : kSliderThicknessVertical;
    SliderSetSize(model, 0, 0);
    return model;
}

SliderSize SliderSetSize(SliderModel& model, int a, int b) {
    const long long asked = IsHorizontal(model) ? a : b;
    const long long count =
        std::clamp<long long>(asked, kSliderMinimumPositions, kMaximumPositions);
    model.positionCount = static_cast<std::uint32_t>(count);
    const int length = static_cast<int>(Spaced(count) + kSlack);
    return IsHorizontal(model) ? SliderSize{length, model.thickness}
                               : SliderSize{model.thickness, length};
}

std::uint32_t SliderShownIndex(const SliderModel& model) {
    if (model.positionCount == 0) return 0;
    return std::min(model.selectedIndex, model.positionCount - 1);
}

std::uint32_t SliderKeyIndex(const SliderModel& model, unsigned key) {
    constexpr unsigned kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
                       kDown = 0x28;
    const std::uint32_t shown = SliderShownIndex(model);
    const std::uint32_t last = model.positionCount == 0 ? 0 : model.positionCount - 1;
    switch (key) {
    case kLeft:
    case kUp: return shown == 0 ? 0 : shown - 1;
    case kRight:
    case kDown: return std::min(shown + 1, last);
    case kHome: return 0;
    case kEnd: return last;
    default: return shown;
    }
}

SliderRect SliderCell(const SliderModel& model, std::uint32_t index) {
    return Oriented(model, kCellStart + Spaced(index), kCellEnd + Spaced(index), kCellAcrossFirst,
                    kCellAcrossEnd);
}

SliderGrip SliderGripAt(const SliderModel& model) {
    const long long start = kGripStart + Spaced(SliderShownIndex(model));
    SliderGrip grip{};
    grip.hover =
        Oriented(model, start, start + kSliderGripLength, kCellAcrossFirst, kCellAcrossEnd);
    const SliderRect drawn =
        Oriented(model, start, start + kSliderGripLength, 0, kSliderGripThickness);
    grip.x = drawn.left;
    grip.y = drawn.top;
    grip.width = drawn.right - drawn.left;
    grip.height = drawn.bottom - drawn.top;
    return grip;
}

int SliderCellAt(const SliderModel& model, int x, int y) {
    const long long along = IsHorizontal(model) ? x : y;
    const long long across = IsHorizontal(model) ? y : x;
    if (across < kCellAcrossFirst || across >= kCellAcrossEnd || along < kCellStart) return -1;
    // Cells touch: each owns its left end, the next one its right end.
    const long long index = (along - kCellStart) / kSliderPositionSpacing;
    return index < model.positionCount ? static_cast<int>(index) : -1;
}

bool SliderPress(SliderModel& model, int x, int y) {
    const int index = SliderCellAt(model, x, y);
    if (index < 0 || static_cast<std::uint32_t>(index) == model.selectedIndex) return false;
    model.selectedIndex = static_cast<std::uint32_t>(index);
    return true;
}

SliderDrag SliderDragTo(SliderModel& model, int x, int y) {
    const long long along = IsHorizontal(model) ? x : y;
    // Both ends count here, so a pointer on a shared edge lies in two cells.
    const long long first = std::max(0LL, -FloorDiv(kCellEnd - along, kSliderPositionSpacing));
    const long long last = std::min(FloorDiv(along - kCellStart, kSliderPositionSpacing),
                                    static_cast<long long>(model.positionCount) - 1);
    if (first > last) return {false, false};
    if (model.selectedIndex >= first && model.selectedIndex <= last) return {false, true};
    // One notification per move: the edge between two cells never reports the
    // left one on the way to the right one. The picture follows at once.
    model.selectedIndex = static_cast<std::uint32_t>(last);
    return {true, true};
}

SliderCursor SliderCursorFor(const SliderModel& model, int x, int y, bool leftHeld) {
    if (Contains(SliderGripAt(model).hover, x, y)) return SliderCursor::Hand;
    return leftHeld ? SliderCursor::Keep : SliderCursor::Arrow;
}

std::wstring SliderLabel(const SliderModel& model, std::uint32_t index) {
    // 64-bit, so a large step or index never wraps to a wrong number.
    const long long value =
        static_cast<long long>(model.labelStart) + static_cast<long long>(model.labelStep) * index;
    std::wstring text;
    if (model.labelPrefix != 0) text += model.labelPrefix;
    text += std::to_wstring(value);
    if (model.labelSuffix != 0) text += model.labelSuffix;
    return text;
}

SliderRect SliderLabelRect(const SliderModel& model, std::uint32_t index) {
    const long long offset = Spaced(index);
    if (IsHorizontal(model)) return {ClampToInt(8 + offset), 17, ClampToInt(29 + offset), 27};
    return {16, ClampToInt(17 + offset), 41, ClampToInt(27 + offset)};
}

std::uint32_t SliderLabelFormat(const SliderModel& model) {
    return IsHorizontal(model) ? kSliderLabelFormatHorizontal : kSliderLabelFormatVertical;
}

}  // namespace vo
