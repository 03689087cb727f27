#include <gtest/gtest.h>

#include <climits>

#include "control/ControlLogic.h"
#include "control/SkinLogic.h"

namespace {
vo::SliceInput DefaultParent(int x, int width) {
    return {0xC8C8C8, 0xE6E6E6, true, 370, 340, x, 30, width, 21};
}
}  // namespace

TEST(GradientSlice, LevelsOfAControlOnTheDefaultParent) {
    const auto middle = vo::GradientSliceLevels(DefaultParent(100, 50));
    EXPECT_EQ(middle.first, 208);
    EXPECT_EQ(middle.last, 212);
    const auto whole = vo::GradientSliceLevels(DefaultParent(0, 370));
    EXPECT_EQ(whole.first, 200);
    EXPECT_EQ(whole.last, 230);
}

TEST(GradientSlice, VerticalAndFallingGradients) {
    vo::SliceInput input{0xE6E6E6, 0xC8C8C8, false, 370, 340, 999, 170, 10, 170};
    const auto levels = vo::GradientSliceLevels(input);
    EXPECT_EQ(levels.first, 230 - 15);
    EXPECT_EQ(levels.last, 230 - 30);
}

TEST(GradientSlice, OnlyTheRedChannelCounts) {
    vo::SliceInput input{0x0000C8, 0xFFFFE6, true, 370, 340, 100, 0, 50, 10};
    const auto levels = vo::GradientSliceLevels(input);
    EXPECT_EQ(levels.first, 208);
    EXPECT_EQ(levels.last, 212);
}

TEST(GradientSlice, UnansweredParentGivesBlackAndHostileGeometryStaysDefined) {
    vo::SliceInput unanswered{0, 0, false, 0, 0, 10, 10, 20, 20};
    const auto black = vo::GradientSliceLevels(unanswered);
    EXPECT_EQ(black.first, 0);
    EXPECT_EQ(black.last, 0);
    // A zero extent with real colours must not divide by zero.
    vo::SliceInput zeroExtent{0xC8C8C8, 0xE6E6E6, true, 0, 0, 10, 0, 20, 20};
    EXPECT_EQ(vo::GradientSliceLevels(zeroExtent).first, 200);
    // The far edge is read unsigned: a control left of the parent wraps far right.
    vo::SliceInput wrapped{0xC8C8C8, 0xE6E6E6, true, 370, 340, -100, 0, 50, 10};
    const auto levels = vo::GradientSliceLevels(wrapped);
    EXPECT_EQ(levels.first, static_cast<std::uint8_t>(200 - 8));
    vo::SliceInput extreme{0x000000, 0xFFFFFF, true, 1, 1, INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    (void)vo::GradientSliceLevels(extreme);  // defined behaviour under the sanitizers
}

TEST(PositionRequest, CodesForEachKindOfMove) {
    EXPECT_EQ(vo::PositionRequestCode(10, 20, 10, 20), 0);
    EXPECT_EQ(vo::PositionRequestCode(10, 20, 10, 25), 2);
    EXPECT_EQ(vo::PositionRequestCode(10, 20, 15, 20), 1);
    EXPECT_EQ(vo::PositionRequestCode(10, 20, 15, 25), 0);
}

TEST(ThreePieceSkin, MinimumWidthDrawsExactlyOneCentreColumn) {
    const auto layout = vo::LayoutThreePiece(2 * 8 + 1, 8);
    EXPECT_EQ(layout.leftX, 0);
    EXPECT_EQ(layout.centreFirstX, 8);
    EXPECT_EQ(layout.centreCount, 1);
    EXPECT_EQ(layout.rightX, 9);
    const auto wide = vo::LayoutThreePiece(100, 7);
    EXPECT_EQ(wide.centreCount, 86);
    EXPECT_EQ(wide.rightX, 93);
    EXPECT_EQ(wide.centreFirstX + wide.centreCount, wide.rightX);
    EXPECT_EQ(vo::LayoutThreePiece(10, 8).centreCount, 0);  // narrower than two sides
}

TEST(IconPlacement, OffsetsPerAlignmentCode) {
    EXPECT_EQ(vo::IconOffset(vo::kAlignStart, 100, 14, 6, 3), 6);
    EXPECT_EQ(vo::IconOffset(vo::kAlignCentre, 100, 14, 6, 3), 43);
    EXPECT_EQ(vo::IconOffset(vo::kAlignEnd, 100, 14, 6, 3), 83);
    // Larger than the client: centred, overhanging both edges equally.
    const int offset = vo::IconOffset(vo::kAlignCentre, 20, 32, 0, 0);
    EXPECT_EQ(offset, -6);
    EXPECT_EQ(-offset, (offset + 32) - 20);
}

TEST(CaptionFlags, ComposedFromTheThreeCodes) {
    EXPECT_EQ(vo::CaptionFormatFlags(0, 0, 0), 0x20u);
    EXPECT_EQ(vo::CaptionFormatFlags(1, 1, 0), 0x25u);
    EXPECT_EQ(vo::CaptionFormatFlags(2, 2, 1), 0x1Au);
    EXPECT_EQ(vo::CaptionFormatFlags(1, 0, 2), 0x01u);
}
