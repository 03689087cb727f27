#include <gtest/gtest.h>

#include <climits>

#include "widgets/range/SpinBoxLogic.h"

using vo::KeyPress;
using vo::SpinBoxModel;

namespace {

class FixedFont : public vo::CharMeasure {
public:
    int PrefixWidth(const std::wstring&, std::size_t count) const override {
        return static_cast<int>(count) * 6;
    }
};

SpinBoxModel Spin(int minimum, int maximum, int value, std::uint32_t maxLength = 3) {
    SpinBoxModel model;
    model.minimum = minimum;
    model.maximum = maximum;
    vo::SetValue(model, value);
    model.edit.SetMaxLength(maxLength);
    return model;
}

// What the parent sees during the notification of one key press.
struct Notice {
    bool sent;
    int value;
    bool atMinimum;
    bool atMaximum;
};

Notice Press(SpinBoxModel& model, unsigned key, bool ctrl = false, bool synthetic = false) {
    const auto outcome = vo::SpinKeyDown(model, KeyPress{key, ctrl, false, synthetic});
    const Notice notice{outcome.notify, model.value, model.atMinimum, model.atMaximum};
    vo::FinishSpinKey(model, outcome);
    return notice;
}

void ExpectIndices(const SpinBoxModel& model, std::size_t anchor, std::size_t caret) {
    EXPECT_EQ(model.edit.anchorIndex(), anchor);
    EXPECT_EQ(model.edit.caretIndex(), caret);
}

}  // namespace

TEST(SpinBoxValue, ANewSpinBoxShowsZeroAndRefusesEveryStepAndDigit) {
    SpinBoxModel model;
    EXPECT_EQ(model.edit.text(), L"0");
    EXPECT_FALSE(vo::SpinTypeChar(model, L'5'));  // max length 0
    const auto up = Press(model, vo::kVkUp);
    EXPECT_TRUE(up.sent && up.atMaximum && !up.atMinimum);
    const auto down = Press(model, vo::kVkNext);
    EXPECT_TRUE(down.sent && down.atMinimum && !down.atMaximum);
}

TEST(SpinBoxValue, SetValueClampsAndPullsTheSelectionOntoTheShorterText) {
    SpinBoxModel model = Spin(0, 999, 0);
    EXPECT_FALSE(vo::SetValue(model, 1000));
    EXPECT_EQ(model.edit.text(), L"999");
    EXPECT_TRUE(vo::SetValue(model, 5));
    EXPECT_FALSE(vo::SetValue(model, -7));
    EXPECT_EQ(model.value, 0);
    model = Spin(-50, 50, -42);
    model.edit.Select(1, 3);
    vo::SetValue(model, 7);
    ExpectIndices(model, 1, 1);
}

TEST(SpinBoxSteps, UpAtTheMaximumRaisesAtMaximumAndBelowItClearsBoth) {
    SpinBoxModel model = Spin(0, 59, 59);
    const auto atLimit = Press(model, vo::kVkUp);
    EXPECT_EQ(atLimit.value, 59);
    EXPECT_TRUE(atLimit.atMaximum && !atLimit.atMinimum);
    model = Spin(0, 59, 58);
    model.atMinimum = true;
    const auto step = Press(model, vo::kVkUp);
    EXPECT_EQ(step.value, 59);
    EXPECT_FALSE(step.atMaximum || step.atMinimum);
    ExpectIndices(model, 2, 2);
}

TEST(SpinBoxSteps, PageStepsAndThePageUpFlagOrder) {
    SpinBoxModel model = Spin(0, 999, 100);
    EXPECT_EQ(Press(model, vo::kVkPrior).value, 110);
    model.step = 5;
    EXPECT_EQ(Press(model, vo::kVkPrior).value, 115);
    model.step = 0;
    EXPECT_EQ(Press(model, vo::kVkNext).value, 105);

    model = Spin(0, 999, 0);
    Press(model, vo::kVkDown);  // refused: at minimum
    vo::SetValue(model, 995);
    const auto notice = Press(model, vo::kVkPrior);
    EXPECT_EQ(notice.value, 999);
    EXPECT_TRUE(notice.atMaximum);
    EXPECT_TRUE(notice.atMinimum);  // cleared only after the parent has looked
    EXPECT_FALSE(model.atMinimum);
    vo::SetValue(model, 989);
    EXPECT_FALSE(Press(model, vo::kVkPrior).atMaximum);  // landing on it is no overshoot

    model = Spin(0, 999, 4);
    const auto down = Press(model, vo::kVkNext);
    EXPECT_EQ(down.value, 0);
    EXPECT_FALSE(down.atMinimum || down.atMaximum);
}

TEST(SpinBoxSteps, NoOverflowAtThe32BitEndsAndNoIndexPastAShorterText) {
    SpinBoxModel model = Spin(INT_MIN, INT_MAX, INT_MAX - 1);
    model.step = 5;
    EXPECT_EQ(Press(model, vo::kVkUp).value, INT_MAX);
    vo::SetValue(model, INT_MIN + 1);
    EXPECT_EQ(Press(model, vo::kVkNext).value, INT_MIN);

    model = Spin(0, 999, 100);
    model.edit.Select(0, 3);
    Press(model, vo::kVkDown);  // "99": the caret comes back, the anchor stays
    ExpectIndices(model, 0, 2);
    model = Spin(0, 999, 100);
    model.edit.Select(3, 1);
    Press(model, vo::kVkDown);  // the anchor fell off: both to the end
    ExpectIndices(model, 2, 2);
}

TEST(SpinBoxTyping, DigitsWithinLimitsAndLengthAndLeadingZerosStay) {
    SpinBoxModel model = Spin(0, 999, 999);
    model.edit.CollapseTo(3);
    EXPECT_FALSE(vo::SpinTypeChar(model, L'1'));  // full: ignored, no notice
    EXPECT_FALSE(vo::SpinTypeChar(model, L'a'));
    model.edit.SelectAll();
    EXPECT_TRUE(vo::SpinTypeChar(model, L'7'));
    EXPECT_EQ(model.value, 7);
    model.edit.SelectAll();
    Press(model, vo::kVkDelete);
    vo::SpinTypeChar(model, L'0');
    vo::SpinTypeChar(model, L'5');
    EXPECT_EQ(model.edit.text(), L"05");
    EXPECT_EQ(model.value, 5);
}

TEST(SpinBoxTyping, ARefusedDigitNotifiesAndLeavesTheCaretOnTheShorterText) {
    SpinBoxModel model = Spin(10, 59, 45);
    model.edit.CollapseTo(2);
    EXPECT_TRUE(vo::SpinTypeChar(model, L'1'));  // 451 is above 59
    EXPECT_EQ(model.edit.text(), L"45");
    model.edit.Select(2, 0);
    EXPECT_TRUE(vo::SpinTypeChar(model, L'7'));  // 7 is below 10
    EXPECT_EQ(model.edit.text(), L"");  // the replaced selection stays erased
    ExpectIndices(model, 0, 0);
    EXPECT_EQ(model.value, 45);
}

TEST(SpinBoxEditing, DeletingAndCutting) {
    SpinBoxModel model = Spin(3, 99, 7);
    model.edit.CollapseTo(1);
    EXPECT_TRUE(Press(model, vo::kVkBack).sent);
    EXPECT_EQ(model.edit.text(), L"");
    EXPECT_EQ(model.value, 7);  // an empty text keeps the old value
    EXPECT_FALSE(Press(model, vo::kVkBack).sent);

    model = Spin(3, 99, 7);
    model.edit.SelectAll();
    EXPECT_EQ(vo::SpinKeyDown(model, {vo::kVkX, true}).clipboard, vo::ClipboardAction::Cut);
    EXPECT_TRUE(vo::SpinCut(model));
    EXPECT_EQ(model.edit.text(), L"3");  // a cut that empties it sets the minimum

    model = Spin(0, 9999, 1234, 4);
    model.edit.CollapseTo(1);
    EXPECT_TRUE(Press(model, vo::MenuCommandKey(vo::kMenuDelete), false, true).sent);
    EXPECT_EQ(model.edit.text(), L"1");
    EXPECT_EQ(model.value, 1);
}

TEST(SpinBoxEditing, TextThatNamesNo32BitNumberKeepsThePreviousValue) {
    SpinBoxModel model = Spin(-50, 50, -5);
    model.edit.CollapseTo(2);
    Press(model, vo::kVkBack);
    EXPECT_EQ(model.edit.text(), L"-");
    EXPECT_EQ(model.value, -5);
    model = Spin(0, 50, 5, 12);
    model.edit.SetText(L"99999999999");
    model.edit.CollapseTo(11);
    Press(model, vo::kVkBack);
    EXPECT_EQ(model.value, 5);

    EXPECT_FALSE(vo::ParseSpinText(L"2147483648").has_value());
    EXPECT_EQ(vo::ParseSpinText(L"-2147483648"), INT_MIN);
    EXPECT_EQ(vo::ParseSpinText(L" +0012x7"), 12);
}

TEST(SpinBoxClipboard, PasteTakesDigitsOnlyUpToTheRoom) {
    SpinBoxModel model = Spin(0, 999, 5);
    model.edit.SelectAll();
    EXPECT_FALSE(vo::SpinPaste(model, L"12a"));
    EXPECT_EQ(model.edit.text(), L"5");
    Press(model, vo::kVkBack);
    EXPECT_TRUE(vo::SpinPaste(model, L"1234"));
    EXPECT_EQ(model.edit.text(), L"123");
    EXPECT_EQ(model.value, 123);
    // Max length lowered below the length: no room, not a wrapped huge one.
    model.edit.SetMaxLength(2);
    model.edit.Select(0, 1);
    EXPECT_FALSE(vo::SpinPaste(model, L"9"));
    EXPECT_EQ(model.edit.text(), L"123");
}

TEST(SpinBoxClipboard, APasteOutOfRangeResetsToTheMinimum) {
    SpinBoxModel model = Spin(10, 400, 42, 12);
    model.edit.CollapseTo(2);
    EXPECT_TRUE(vo::SpinPaste(model, L"7"));
    EXPECT_EQ(model.edit.text(), L"10");
    EXPECT_TRUE(vo::SpinPaste(model, L"9999999999"));  // beyond 32 bits
    EXPECT_EQ(model.value, 10);
    EXPECT_EQ(model.edit.text(), L"10");
}

TEST(SpinBoxInput, WhenNotEditableOnlyTheStepKeysActAndTheWheelCountsWholeNotches) {
    SpinBoxModel model = Spin(0, 99, 50);
    model.editable = false;
    model.edit.SelectAll();
    EXPECT_FALSE(vo::SpinTypeChar(model, L'7'));
    for (unsigned key : {vo::kVkBack, vo::kVkDelete, vo::kVkX, vo::kVkV, vo::kVkA, vo::kVkLeft})
        EXPECT_FALSE(vo::SpinKeyDown(model, KeyPress{key, true, false, true}).handled);
    EXPECT_EQ(model.edit.text(), L"50");
    EXPECT_EQ(Press(model, vo::kVkUp).value, 51);
    EXPECT_EQ(Press(model, vo::kVkDown).value, 50);
    EXPECT_EQ(Press(model, vo::kVkPrior).value, 60);
    EXPECT_EQ(Press(model, vo::kVkNext).value, 50);

    EXPECT_EQ(vo::SpinWheelSteps(240), 2);
    EXPECT_EQ(vo::SpinWheelSteps(60), 0);
    EXPECT_EQ(vo::SpinWheelSteps(-119), 0);
    EXPECT_EQ(vo::SpinWheelSteps(-360), -3);
}

TEST(SpinBoxGeometry, SizesRegionsAndTextOrigin) {
    vo::SpinBoxGeometry geometry;
    EXPECT_EQ(vo::InitialSpinWidth(10), 26);
    EXPECT_EQ(vo::SpinWidthRule(5, geometry), 26);
    EXPECT_EQ(vo::FitToDigitsWidth(21, geometry), 56);
    EXPECT_EQ(vo::FitToDigitsWidth(INT_MAX, geometry), INT_MAX);

    using vo::SpinRegion;
    const int points[][3] = {{42, 5, 0}, {43, 1, 3}, {43, 2, 1}, {59, 9, 1}, {50, 10, 3},
                             {50, 12, 2}, {50, 18, 2}, {50, 19, 3}, {60, 5, 4}, {10, 23, 4}};
    const SpinRegion regions[] = {SpinRegion::Text, SpinRegion::UpArrow, SpinRegion::DownArrow,
                                  SpinRegion::ArrowColumn, SpinRegion::Outside};
    for (const auto& p : points)
        EXPECT_EQ(vo::SpinRegionAt(p[0], p[1], 60, geometry), regions[p[2]]) << p[0] << "," << p[1];

    const FixedFont font;
    EXPECT_EQ(vo::SpinTextOrigin(L"12", font, 60, geometry), 15);        // 31 / 2
    EXPECT_EQ(vo::SpinTextOrigin(L"12345678", font, 60, geometry), -3);  // -5 / 2, down
    geometry.alignment = 2;
    EXPECT_EQ(vo::SpinTextOrigin(L"12", font, 60, geometry), 23);
    geometry.alignment = 0;
    EXPECT_EQ(vo::SpinTextOrigin(L"12", font, 60, geometry), 8);

    vo::ApplyCompactGeometry(geometry);
    EXPECT_EQ(geometry.skinHeight, 19);
    EXPECT_EQ(vo::SpinWidthRule(5, geometry), 20);  // side width 2
}
