#include <gtest/gtest.h>

#include <climits>

#include "widgets/buttons/DoubleButtonLogic.h"
#include "widgets/text/LabelLogic.h"

using vo::HalfHit;

TEST(DoubleButtonWidths, AHalfKeepsACapAndAColumnAndSumsSaturate) {
    EXPECT_EQ(vo::HalfWidthFor(-50, 7), 8);
    EXPECT_EQ(vo::HalfWidthFor(30, 7), 30);
    EXPECT_EQ(vo::HalfWidthFor(1, 2), 3);
    EXPECT_EQ(vo::DoubleButtonWidth(INT_MAX, 8), INT_MAX);
    const vo::HalfWidths empty = vo::FitHalves(0, 0, -20, 7, false);
    EXPECT_EQ(empty.first, 8);
    EXPECT_EQ(empty.second, 8);
    EXPECT_EQ(vo::FitHalves(16, INT_MAX, INT_MAX, 7, true).first, INT_MAX);
}

TEST(DoubleButtonPress, OnlyColumnsLeftAndRightOfTheDividerHitAHalf) {
    // 17 x 22 with halves of 8: columns 0-7 first, 8 divider, 9-16 second.
    EXPECT_EQ(vo::HitHalf(0, 0, 17, 22, 8), HalfHit::First);
    EXPECT_EQ(vo::HitHalf(7, 21, 17, 22, 8), HalfHit::First);
    EXPECT_EQ(vo::HitHalf(8, 10, 17, 22, 8), HalfHit::None);
    EXPECT_EQ(vo::HitHalf(9, 10, 17, 22, 8), HalfHit::Second);
    EXPECT_EQ(vo::HitHalf(16, 10, 17, 22, 8), HalfHit::Second);
    for (auto [x, y] : {std::pair{17, 10}, {-1, 10}, {3, 22}, {3, -1}})
        EXPECT_EQ(vo::HitHalf(x, y, 17, 22, 8), HalfHit::None) << x << "," << y;
    EXPECT_FALSE(vo::PressHalf(HalfHit::None, false).changed);
}

TEST(DoubleButtonLayout, TheSelectedHalfShowsTheClickedPiecesAroundTheDivider) {
    // 30 + 1 + 20 wide, caps of 7.
    const vo::DoubleButtonLayout first = vo::LayoutDoubleButton(51, 30, 7, 0);
    EXPECT_EQ(first.leftEndPiece, 4);
    EXPECT_EQ(first.firstBodyPiece, 6);
    EXPECT_EQ(first.secondBodyPiece, 3);
    EXPECT_EQ(first.rightEndPiece, 2);
    EXPECT_EQ(first.firstBodyX, 7);
    EXPECT_EQ(first.firstBodyCount, 23);  // columns 7 to 29
    EXPECT_EQ(first.dividerX, 30);
    EXPECT_EQ(first.secondBodyX, 31);
    EXPECT_EQ(first.secondBodyCount, 13);  // columns 31 to 43
    EXPECT_EQ(first.rightEndX, 44);
    EXPECT_EQ(first.firstCaptionRight, 32);  // W - S + 1
    EXPECT_EQ(first.secondCaptionLeft, 29);  // F - 1
    const vo::DoubleButtonLayout second = vo::LayoutDoubleButton(51, 30, 7, 1);
    EXPECT_EQ(second.leftEndPiece, 1);
    EXPECT_EQ(second.firstBodyPiece, 3);
    EXPECT_EQ(second.secondBodyPiece, 6);
    EXPECT_EQ(second.rightEndPiece, 5);

    const vo::DoubleButtonLayout narrow = vo::LayoutDoubleButton(5, 2, 7, 0);
    EXPECT_EQ(narrow.firstBodyCount, 0);
    EXPECT_EQ(narrow.secondBodyCount, 0);
    EXPECT_EQ(vo::LayoutDoubleButton(INT_MIN, INT_MAX, INT_MAX, 0).firstCaptionRight, INT_MAX);
    EXPECT_EQ(vo::DoubleButtonPieceName(8), nullptr);
}

TEST(LabelText, ABackslashAndNBecomeOneLineFeed) {
    EXPECT_EQ(vo::ExpandLineBreaks(L"a\\nb"), L"a\nb");
    EXPECT_EQ(vo::ExpandLineBreaks(L"\\n\\n"), L"\n\n");
    EXPECT_EQ(vo::ExpandLineBreaks(L"\\\\n"), L"\\\n");
    EXPECT_EQ(vo::ExpandLineBreaks(L"a\\tb\\"), L"a\\tb\\");
    EXPECT_EQ(vo::ExpandLineBreaks(L"N\\N"), L"N\\N");
}

TEST(LabelFit, AFittedTextIsItsLineAndNeverLowerThanBefore) {
    const vo::TextFit grows = vo::FitTextSize(57, 16, 2, 10);
    EXPECT_EQ(grows.width, 57);
    EXPECT_EQ(grows.height, 18);
    EXPECT_EQ(vo::FitTextSize(57, 16, 2, 40).height, 40);
    EXPECT_EQ(vo::FitTextSize(-3, INT_MAX, 5, 0).width, 0);
    EXPECT_EQ(vo::FitTextSize(1, INT_MAX, 5, 0).height, INT_MAX);
}

TEST(ColorLabelLook, ATypeWithoutAPillDrawsDarkText) {
    EXPECT_EQ(vo::ColorLabelPieces(3).left, nullptr);
    EXPECT_EQ(vo::ColorLabelTextColour(-1), 0x373737u);
}
