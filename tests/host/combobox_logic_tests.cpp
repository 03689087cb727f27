#include <gtest/gtest.h>

#include <climits>

#include "widgets/lists/ComboBoxLogic.h"

namespace {
constexpr unsigned kEnter = 0x0D, kEscape = 0x1B, kSpace = 0x20, kPageUp = 0x21, kPageDown = 0x22,
                   kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
}  // namespace

TEST(ComboList, RowsOfTwentyPixelsAndTheirSharedEdges) {
    EXPECT_EQ(vo::ListHeight(5, 20), 102);
    EXPECT_EQ(vo::ListHeight(0, 20), 2);
    // Row i spans 1 + 20 i .. 1 + 20 (i + 1), both ends included.
    EXPECT_EQ(vo::RowAt(0, 5, 20), -1);
    EXPECT_EQ(vo::RowAt(1, 5, 20), 0);
    EXPECT_EQ(vo::RowAt(21, 5, 20), 0) << "a shared edge belongs to the upper row first";
    EXPECT_EQ(vo::RowAt(22, 5, 20), 1);
    EXPECT_EQ(vo::RowAt(101, 5, 20), 4);
    EXPECT_EQ(vo::RowAt(102, 5, 20), -1);
    EXPECT_EQ(vo::RowAt(-5, 5, 20), -1);
}

TEST(ComboList, RowsOfHeightZeroOrLessAreTwoPixelsOfFrameAndCannotBeHit) {
    EXPECT_EQ(vo::ListHeight(5, 0), 2);
    EXPECT_EQ(vo::ListHeight(5, -7), 2);
    for (int y : {-1, 0, 1, 2}) {
        EXPECT_EQ(vo::RowAt(y, 5, 0), -1) << y;
        EXPECT_EQ(vo::ChosenRow(10, y, 100, 5, 0), -1) << y;
        EXPECT_EQ(vo::HoverAfterMove(y, -1, 5, 0), -1) << y;
    }
    EXPECT_EQ(vo::ListHeight(3, INT_MAX), INT_MAX) << "saturates";
}

TEST(ComboList, AMoveHoversTheFirstOtherRowUnderThePointer) {
    EXPECT_EQ(vo::HoverAfterMove(30, -1, 5, 20), 1);
    EXPECT_EQ(vo::HoverAfterMove(41, 1, 5, 20), 2) << "on the hover row's lower edge: the next";
    EXPECT_EQ(vo::HoverAfterMove(30, 1, 5, 20), 1) << "inside the hover row: stays";
    EXPECT_EQ(vo::HoverAfterMove(500, 3, 5, 20), 3) << "below the rows: stays";
}

TEST(ComboList, AReleaseChoosesARowOnlyStrictlyInsideTheWidth) {
    EXPECT_EQ(vo::ChosenRow(1, 30, 120, 5, 20), 1);
    EXPECT_EQ(vo::ChosenRow(119, 30, 120, 5, 20), 1);
    EXPECT_EQ(vo::ChosenRow(0, 30, 120, 5, 20), -1);
    EXPECT_EQ(vo::ChosenRow(120, 30, 120, 5, 20), -1);
    EXPECT_EQ(vo::ChosenRow(50, 0, 120, 5, 20), -1);
}

TEST(ComboList, KeysStepWithinTheRowsAndEnterOrSpaceChoose) {
    struct Case {
        unsigned key;
        int hover;
        int after;
    };
    const Case cases[] = {
        {kUp, 0, 0},       {kUp, 3, 2},     {kUp, -1, -1},   {kDown, 4, 4},
        {kDown, 1, 2},     {kDown, -1, 0},  {kPageUp, 3, 0}, {kLeft, 3, 0},
        {kPageDown, 1, 4}, {kRight, -1, 4}, {0x41, 2, 2},
    };
    for (const Case& c : cases) {
        const vo::ListKeyOutcome outcome = vo::ListKeyDown(c.key, c.hover, 5);
        EXPECT_EQ(outcome.hover, c.after) << "key " << c.key << " from " << c.hover;
        EXPECT_FALSE(outcome.choose || outcome.close) << c.key;
    }
    for (unsigned key : {kEnter, kSpace}) {
        const vo::ListKeyOutcome outcome = vo::ListKeyDown(key, -1, 5);
        EXPECT_TRUE(outcome.choose) << "also with no hover row";
        EXPECT_EQ(outcome.hover, -1);
    }
    EXPECT_TRUE(vo::ListKeyDown(kEscape, 2, 5).close);
    EXPECT_FALSE(vo::ListKeyDown(kEscape, 2, 5).choose);
    EXPECT_EQ(vo::ListKeyDown(kPageUp, -1, 0).hover, -1) << "an empty list has no first item";
}

TEST(ComboList, IconsCentredInTheirColumnAndTheTextBeside) {
    const vo::ListRowLayout row = vo::LayoutListRow(2, 20, 25, 120, 16, 11);
    EXPECT_EQ(row.left, 1);
    EXPECT_EQ(row.top, 41);
    EXPECT_EQ(row.right, 119);
    EXPECT_EQ(row.bottom, 61);
    EXPECT_EQ(row.iconX, 5);
    EXPECT_EQ(row.iconY, 4 + 41);
    EXPECT_EQ(row.textLeft, 29);
    EXPECT_EQ(row.textRight, 115);
    const vo::ListRowLayout large = vo::LayoutListRow(0, 17, 25, 120, 30, 20);
    EXPECT_EQ(large.iconX, -3 + 1) << "halves rounded down";
    EXPECT_EQ(large.iconY, -2 + 1);
}

TEST(ComboList, OpensBelowOverlappingTheFieldOrAboveWhenTheWorkAreaWouldCutIt) {
    // Owner at (100, 200) on the screen, field at (30, 40), 23 high; work area to 1040.
    vo::ListPlacementInput input{100, 200, 30, 40, 23, 102, 1040};
    vo::ListPlacement placement = vo::PlaceList(input);
    EXPECT_FALSE(placement.above);
    EXPECT_EQ(placement.x, 130);
    EXPECT_EQ(placement.y, 240 + 23 - 1);
    input.workAreaBottom = 240 + 23 + 102;  // exactly room enough
    EXPECT_FALSE(vo::PlaceList(input).above);
    input.workAreaBottom -= 1;
    placement = vo::PlaceList(input);
    EXPECT_TRUE(placement.above);
    EXPECT_EQ(placement.y, 240 - 102);
    input.workAreaBottom = 200;  // the field itself lies below the work area
    EXPECT_TRUE(vo::PlaceList(input).above);
}

TEST(ComboField, SizesNeverOverflowOrGoNegative) {
    EXPECT_EQ(vo::InitialComboWidth(20), 21);
    EXPECT_EQ(vo::InitialComboWidth(-4), 21);
    EXPECT_EQ(vo::ComboFitWidth(INT_MAX, INT_MAX, 6, 25), INT_MAX);
    EXPECT_EQ(vo::LayoutCombo(3, vo::ComboGeometry{}).centreCount, 0);
    EXPECT_EQ(vo::ComboIconY(23, 11), 6);
    EXPECT_EQ(vo::ComboIconY(20, 25), -3) << "halves rounded down";
}

TEST(ComboField, EachStateShowsItsPiecesAndFallsBackWhereThePartSays) {
    using vo::ComboRole;
    auto choice = [](ComboRole role, int state) {
        const vo::ComboPieceChoice c = vo::ComboPieceFor(role, state);
        return std::make_pair(c.piece, c.fallback);
    };
    EXPECT_EQ(choice(ComboRole::Left, 0), std::make_pair(1, 0));
    EXPECT_EQ(choice(ComboRole::Centre, 1), std::make_pair(6, 3));
    EXPECT_EQ(choice(ComboRole::Right, 2), std::make_pair(8, 0));
    EXPECT_EQ(choice(ComboRole::Line, 1), std::make_pair(11, 10));
    EXPECT_EQ(choice(ComboRole::Line, 2), std::make_pair(12, 10)) << "the pressed line falls back";
    EXPECT_EQ(choice(ComboRole::Button, 0), std::make_pair(15, 0));
    EXPECT_EQ(choice(ComboRole::Button, 1), std::make_pair(13, 15));
    EXPECT_EQ(choice(ComboRole::Button, 2), std::make_pair(14, 0));
    EXPECT_STREQ(vo::ComboPieceResource(14), L"ComboBox_Clicked_Button");
    EXPECT_STREQ(vo::ComboPieceResource(10), L"ComboBox_Vertical_Line");
    for (int hoveredOrAbsent : {4, 5, 6, 11, 12, 13, 0, 16})
        EXPECT_EQ(vo::ComboPieceResource(hoveredOrAbsent), nullptr) << hoveredOrAbsent;
    const vo::ComboGeometry geometry;
    EXPECT_EQ(vo::ComboPieceWidth(7, geometry), 6);
    EXPECT_EQ(vo::ComboPieceWidth(9, geometry), 1);
    EXPECT_EQ(vo::ComboPieceWidth(12, geometry), 1);
    EXPECT_EQ(vo::ComboPieceWidth(13, geometry), 13);
}
