#pragma once
// Platform-free rules of the horizontal and vertical sliders: positions 25
// pixels apart, the cells and the grip, which cell a press or a drag selects
// and when the parent hears of it, the cursor over the grip, and the labels.
// Coordinates are the control's client pixels; "along" is x of the horizontal
// slider and y of the vertical one.
#include <cstdint>
#include <string>

namespace vo {

enum class SliderOrientation { Horizontal, Vertical };

constexpr int kSliderKindCode = 10;
constexpr int kSliderPositionSpacing = 25;
constexpr int kSliderMinimumPositions = 2;
constexpr int kSliderThicknessHorizontal = 27;
constexpr int kSliderThicknessVertical = 41;
constexpr int kSliderEndCapLength = 9;
constexpr int kSliderGripLength = 5;      // along the axis
constexpr int kSliderGripThickness = 19;  // across it
// DrawText flags of the labels: single line, centred on the horizontal
// slider, left-aligned on the vertical one, both vertically centred.
constexpr std::uint32_t kSliderLabelFormatHorizontal = 0x25;
constexpr std::uint32_t kSliderLabelFormatVertical = 0x24;

struct SliderModel {
    SliderOrientation orientation = SliderOrientation::Horizontal;
    std::int32_t labelStart = 0;
    std::uint32_t positionCount = kSliderMinimumPositions;
    std::int32_t labelStep = 0;
    wchar_t labelPrefix = 0;  // 0: none
    wchar_t labelSuffix = 0;  // 0: none
    int thickness = kSliderThicknessHorizontal;
    int endCapLength = kSliderEndCapLength;
    // Not clamped when the count shrinks (the parent reads what it set);
    // everything that draws or hit-tests goes through SliderShownIndex.
    std::uint32_t selectedIndex = 0;
};

// A slider as constructed: two positions, thickness 27 (vertical 41).
SliderModel MakeSlider(SliderOrientation orientation);

struct SliderSize {
    int width;
    int height;
};

// The argument along the axis counts positions (at least 2); the other is
// ignored. Length 25 x count + 7, thickness across.
SliderSize SliderSetSize(SliderModel& model, int a, int b);

// The selected index as drawn: never past the last position.
std::uint32_t SliderShownIndex(const SliderModel& model);

// The index a key moves the selection to, from the one shown: Left and Up
// one back, Right and Down one on, Home the first, End the last; any other
// key keeps it.
std::uint32_t SliderKeyIndex(const SliderModel& model, unsigned key);

// Rectangles: left and top included, right and bottom excluded.
struct SliderRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Cell i: along 3 + 25 i .. 28 + 25 i, across 1 .. 18.
SliderRect SliderCell(const SliderModel& model, std::uint32_t index);

// The grip on the shown index: where the hover test looks, and where the
// 5 x 19 (vertical 19 x 5) piece is drawn.
struct SliderGrip {
    SliderRect hover;
    int x;
    int y;
    int width;
    int height;
};
SliderGrip SliderGripAt(const SliderModel& model);

// The cell a press lands in, or -1 (the label band, the end caps).
int SliderCellAt(const SliderModel& model, int x, int y);

// WM_LBUTTONDOWN, after SetCapture and SetFocus: selects the cell under the
// point without notifying. True when the selection changed (redraw).
bool SliderPress(SliderModel& model, int x, int y);

// WM_MOUSEMOVE with the left button held: only the along coordinate counts,
// cell ends included, so capture keeps the drag going outside the control.
struct SliderDrag {
    bool notify;  // the selection moved to another position
    bool redraw;
};
SliderDrag SliderDragTo(SliderModel& model, int x, int y);

// WM_LBUTTONUP always notifies; there is nothing to compute.

enum class SliderCursor { Keep, Arrow, Hand };

// WM_MOUSEMOVE: the hand over the grip, else the arrow unless the left button
// is held.
SliderCursor SliderCursorFor(const SliderModel& model, int x, int y, bool leftHeld);

// Label of position i: prefix, decimal value labelStart + labelStep x i, suffix.
std::wstring SliderLabel(const SliderModel& model, std::uint32_t index);
SliderRect SliderLabelRect(const SliderModel& model, std::uint32_t index);
std::uint32_t SliderLabelFormat(const SliderModel& model);

}  // namespace vo
