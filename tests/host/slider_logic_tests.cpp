#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "widgets/range/SliderLogic.h"

using vo::SliderCursor;
using vo::SliderModel;
using vo::SliderOrientation;

namespace {

SliderModel Slider(SliderOrientation orientation, int count) {
    SliderModel model = vo::MakeSlider(orientation);
    vo::SliderSetSize(model, count, count);
    return model;
}

std::tuple<int, int, int, int> Edges(const vo::SliderRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::tuple<int, int> Dimensions(const vo::SliderSize& s) { return {s.width, s.height}; }

}  // namespace

TEST(SliderSize, PositionsAreCountedAlongTheAxis) {
    SliderModel horizontal = vo::MakeSlider(SliderOrientation::Horizontal);
    EXPECT_EQ(horizontal.positionCount, 2u);
    EXPECT_EQ(Dimensions(vo::SliderSetSize(horizontal, 10, 0)), std::make_tuple(257, 27));
    EXPECT_EQ(horizontal.positionCount, 10u);
    EXPECT_EQ(Dimensions(vo::SliderSetSize(horizontal, 1, 99)), std::make_tuple(57, 27));
    EXPECT_EQ(Dimensions(vo::SliderSetSize(horizontal, -5, 0)), std::make_tuple(57, 27));
    SliderModel vertical = vo::MakeSlider(SliderOrientation::Vertical);
    EXPECT_EQ(Dimensions(vo::SliderSetSize(vertical, 0, 10)), std::make_tuple(41, 257));
    EXPECT_EQ(Dimensions(vo::SliderSetSize(vertical, 10, 0)), std::make_tuple(41, 57));
    // The length stays an int however many positions are asked for.
    const int width = vo::SliderSetSize(horizontal, INT_MAX, 0).width;
    EXPECT_GT(width, 2000000000);
    EXPECT_EQ(horizontal.positionCount * 25LL + 7, width);
}

TEST(SliderLabels, PrefixNumberAndSuffix) {
    SliderModel horizontal = Slider(SliderOrientation::Horizontal, 10);
    horizontal.labelStep = 10;
    horizontal.labelPrefix = L'-';
    horizontal.labelSuffix = L'%';
    SliderModel vertical = horizontal;
    vertical.orientation = SliderOrientation::Vertical;
    vertical.labelPrefix = 0;
    const wchar_t* numbers[] = {L"0",  L"10", L"20", L"30", L"40",
                                L"50", L"60", L"70", L"80", L"90"};
    for (std::uint32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(vo::SliderLabel(horizontal, i), L"-" + std::wstring(numbers[i]) + L"%");
        EXPECT_EQ(vo::SliderLabel(vertical, i), std::wstring(numbers[i]) + L"%");
    }
    vertical.labelSuffix = 0;
    vertical.labelStart = INT_MAX;
    vertical.labelStep = INT_MAX;
    EXPECT_EQ(vo::SliderLabel(vertical, 2), L"6442450941");  // no wrap-around
    EXPECT_EQ(Edges(vo::SliderLabelRect(horizontal, 2)), std::make_tuple(58, 17, 79, 27));
    EXPECT_EQ(Edges(vo::SliderLabelRect(vertical, 2)), std::make_tuple(16, 67, 41, 77));
}

TEST(SliderGeometry, CellsAndGrip) {
    SliderModel horizontal = Slider(SliderOrientation::Horizontal, 10);
    EXPECT_EQ(Edges(vo::SliderCell(horizontal, 9)), std::make_tuple(228, 1, 253, 18));
    horizontal.selectedIndex = 3;
    auto grip = vo::SliderGripAt(horizontal);
    EXPECT_EQ(Edges(grip.hover), std::make_tuple(88, 1, 93, 18));
    EXPECT_EQ(std::tie(grip.x, grip.y, grip.width, grip.height), std::make_tuple(88, 0, 5, 19));
    SliderModel vertical = Slider(SliderOrientation::Vertical, 10);
    EXPECT_EQ(Edges(vo::SliderCell(vertical, 1)), std::make_tuple(1, 28, 18, 53));
    vertical.selectedIndex = 3;
    grip = vo::SliderGripAt(vertical);
    EXPECT_EQ(std::tie(grip.x, grip.y, grip.width, grip.height), std::make_tuple(0, 88, 19, 5));
}

TEST(SliderMouse, PressSelectsTheCellUnderThePointOnly) {
    SliderModel model = Slider(SliderOrientation::Horizontal, 10);
    EXPECT_TRUE(vo::SliderPress(model, 28, 5));  // a cell's right end is the next cell
    EXPECT_EQ(model.selectedIndex, 1u);
    EXPECT_FALSE(vo::SliderPress(model, 40, 17));  // same cell
    EXPECT_FALSE(vo::SliderPress(model, 80, 18));  // label band
    EXPECT_FALSE(vo::SliderPress(model, 2, 5));    // end cap
    EXPECT_FALSE(vo::SliderPress(model, 253, 5));  // past the last cell
    EXPECT_EQ(model.selectedIndex, 1u);
    SliderModel vertical = Slider(SliderOrientation::Vertical, 10);
    EXPECT_TRUE(vo::SliderPress(vertical, 5, 60));
    EXPECT_EQ(vertical.selectedIndex, 2u);
}

TEST(SliderMouse, DragNotifiesOncePerPositionEntered) {
    for (auto orientation : {SliderOrientation::Horizontal, SliderOrientation::Vertical}) {
        const bool horizontal = orientation == SliderOrientation::Horizontal;
        SliderModel model = Slider(orientation, 10);
        int notices = 0;
        // Only the coordinate along the axis counts.
        for (int along : {10, 20, 30, 40, 60, 60, 80, 1000, -50})
            notices += (horizontal ? vo::SliderDragTo(model, along, 500)
                                   : vo::SliderDragTo(model, -500, along))
                           .notify;
        EXPECT_EQ(notices, 3);
        EXPECT_EQ(model.selectedIndex, 3u);
    }
}

TEST(SliderMouse, ASharedCellEdgeNotifiesAtMostOnce) {
    SliderModel model = Slider(SliderOrientation::Horizontal, 10);
    for (std::uint32_t selected : {0u, 1u}) {  // the edge between cells 0 and 1
        model.selectedIndex = selected;
        EXPECT_FALSE(vo::SliderDragTo(model, 28, 5).notify);
        EXPECT_EQ(model.selectedIndex, selected);
    }
    model.selectedIndex = 5;
    EXPECT_TRUE(vo::SliderDragTo(model, 53, 5).notify);
    EXPECT_EQ(model.selectedIndex, 2u);
}

TEST(SliderMouse, HandCursorOnlyOverTheGrip) {
    SliderModel model = Slider(SliderOrientation::Horizontal, 10);
    EXPECT_EQ(vo::SliderCursorFor(model, 13, 1, false), SliderCursor::Hand);
    EXPECT_EQ(vo::SliderCursorFor(model, 17, 17, true), SliderCursor::Hand);
    EXPECT_EQ(vo::SliderCursorFor(model, 18, 10, false), SliderCursor::Arrow);
    EXPECT_EQ(vo::SliderCursorFor(model, 18, 10, true), SliderCursor::Keep);
}

TEST(SliderShrink, ASelectionBeyondTheCountIsDrawnOnTheLastPosition) {
    SliderModel model = Slider(SliderOrientation::Horizontal, 10);
    model.selectedIndex = 9;
    vo::SliderSetSize(model, 4, 0);
    EXPECT_EQ(model.selectedIndex, 9u);  // the parent still reads what was selected
    EXPECT_EQ(vo::SliderShownIndex(model), 3u);
    EXPECT_EQ(vo::SliderGripAt(model).x, 88);
    EXPECT_EQ(vo::SliderCursorFor(model, 90, 5, false), SliderCursor::Hand);
    EXPECT_TRUE(vo::SliderDragTo(model, 90, 5).notify);  // entering it is a change
    EXPECT_EQ(model.selectedIndex, 3u);
    model.positionCount = 0;
    EXPECT_EQ(vo::SliderShownIndex(model), 0u);
}

TEST(SliderKeys, ArrowsStepOneHomeAndEndJumpAndTheEndsHold) {
    SliderModel model = Slider(SliderOrientation::Vertical, 4);  // positions 0..3
    model.selectedIndex = 1;
    const unsigned end = 0x23, home = 0x24, left = 0x25, up = 0x26, right = 0x27, down = 0x28;
    EXPECT_EQ(vo::SliderKeyIndex(model, left), 0u);
    EXPECT_EQ(vo::SliderKeyIndex(model, up), 0u);
    EXPECT_EQ(vo::SliderKeyIndex(model, right), 2u);
    EXPECT_EQ(vo::SliderKeyIndex(model, down), 2u);
    EXPECT_EQ(vo::SliderKeyIndex(model, end), 3u);
    EXPECT_EQ(vo::SliderKeyIndex(model, 'A'), 1u);
    model.selectedIndex = 0;
    EXPECT_EQ(vo::SliderKeyIndex(model, up), 0u);
    model.selectedIndex = 9;  // past the last: moves from the one shown
    EXPECT_EQ(vo::SliderKeyIndex(model, down), 3u);
    EXPECT_EQ(vo::SliderKeyIndex(model, left), 2u);
    EXPECT_EQ(vo::SliderKeyIndex(model, home), 0u);
}
