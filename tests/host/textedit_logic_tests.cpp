#include <gtest/gtest.h>

#include <string>

#include "widgets/text/TextEditLogic.h"

using vo::ClipboardAction;
using vo::KeyPress;
using vo::TextEditModel;

namespace {

// Letters 6 pixels wide, "*" 5, so the asterisks of password mode measure
// differently from the text they hide.
class FakeFont : public vo::CharMeasure {
public:
    int PrefixWidth(const std::wstring& text, std::size_t count) const override {
        int width = 0;
        for (std::size_t i = 0; i < count; ++i) width += text[i] == L'*' ? 5 : 6;
        return width;
    }
};

const FakeFont kFont;

TextEditModel Edit(const wchar_t* text, int maxLength, int width = 100, int alignment = 1) {
    TextEditModel model;
    model.width = width;
    model.alignment = alignment;
    model.edit.SetText(text);
    model.edit.SetMaxLength(vo::EditMaxLength(maxLength));
    vo::UpdateTextEditCaret(model, kFont);
    return model;
}

bool Type(TextEditModel& model, const std::wstring& characters) {
    bool all = true;
    for (wchar_t ch : characters) {
        const bool alphaNumeric = (ch >= L'a' && ch <= L'z') || (ch >= L'0' && ch <= L'9');
        all = vo::TextEditTypeChar(model, kFont, ch, alphaNumeric) && all;
        vo::UpdateTextEditCaret(model, kFont);
    }
    return all;
}

vo::TextEditKeyOutcome Key(TextEditModel& model, unsigned key, bool ctrl = false,
                           bool shift = false, bool dragStep = false) {
    const auto outcome =
        vo::TextEditKeyDown(model, kFont, KeyPress{key, ctrl, shift, false}, dragStep);
    vo::UpdateTextEditCaret(model, kFont);
    return outcome;
}

void ExpectIndices(const TextEditModel& model, std::size_t anchor, std::size_t caret) {
    EXPECT_EQ(model.edit.anchorIndex(), anchor);
    EXPECT_EQ(model.edit.caretIndex(), caret);
}

}  // namespace

TEST(TextEditTyping, NothingIsTypedUntilMaxLengthAllowsIt) {
    TextEditModel model = Edit(L"", 0);
    EXPECT_FALSE(Type(model, L"a"));
    model = Edit(L"", -3);
    EXPECT_FALSE(Type(model, L"a"));
    model = Edit(L"", 2);
    EXPECT_TRUE(Type(model, L"ab"));
    EXPECT_FALSE(Type(model, L"c")) << "full";
    model.edit.Select(0, 1);
    EXPECT_TRUE(Type(model, L"x")) << "a selection makes room";
    EXPECT_EQ(model.edit.text(), L"xb");
    ExpectIndices(model, 1, 1);
}

TEST(TextEditTyping, CharacterClassesAndUpperCase) {
    TextEditModel model = Edit(L"", 20);
    model.restrictedCharacters = true;
    EXPECT_FALSE(Type(model, L"-"));
    EXPECT_TRUE(Type(model, L"x7 "));
    EXPECT_FALSE(vo::TextEditTypeChar(model, kFont, 0x00E9, false)) << "not alphanumeric";
    EXPECT_TRUE(vo::TextEditTypeChar(model, kFont, 0x00E9, true)) << "a letter beyond ASCII";
    model.restrictedCharacters = false;
    EXPECT_TRUE(Type(model, L"-~"));
    EXPECT_FALSE(Type(model, L"\t"));
    EXPECT_FALSE(vo::TextEditTypeChar(model, kFont, 0x7F, false));
    EXPECT_EQ(model.edit.text(), L"x7 \u00e9-~");

    model = Edit(L"", 20);
    model.upperCase = true;
    Type(model, L"az-");
    vo::TextEditTypeChar(model, kFont, 0x00E9, true);
    EXPECT_EQ(model.edit.text(), L"AZ-\u00e9") << "only a to z change";
}

TEST(TextEditPaste, UnfilteredUpperCasedAndLimitedByTheRoomLeft) {
    TextEditModel model = Edit(L"", 10);
    model.upperCase = true;
    EXPECT_TRUE(vo::TextEditPaste(model, kFont, L"abc"));
    EXPECT_EQ(model.edit.text(), L"ABC");
    model.upperCase = false;
    model.edit.Select(1, 2);
    EXPECT_TRUE(vo::TextEditPaste(model, kFont, L"-\t\u00e9xyzwvutsrq"));
    // Room 10 - (3 - 1) = 8 characters, at the former selection.
    EXPECT_EQ(model.edit.text(), L"A-\t\u00e9xyzwvC");
    ExpectIndices(model, 9, 9);
}

TEST(TextEditPaste, TextAlreadyLongerThanMaxLengthTakesNothing) {
    TextEditModel model = Edit(L"abcdefgh", 5);
    model.edit.CollapseTo(8);
    EXPECT_FALSE(vo::TextEditPaste(model, kFont, L"xyz"));
    EXPECT_EQ(model.edit.text(), L"abcdefgh");
    model.edit.Select(0, 2);  // 6 left: still no room, and the selection stays
    EXPECT_FALSE(vo::TextEditPaste(model, kFont, L"xyz"));
    EXPECT_EQ(model.edit.text(), L"abcdefgh");
    ExpectIndices(model, 0, 2);
    model.edit.Select(0, 4);  // 4 left: room for one
    EXPECT_TRUE(vo::TextEditPaste(model, kFont, L"xyz"));
    EXPECT_EQ(model.edit.text(), L"xefgh");
}

TEST(TextEditPassword, AsterisksAreMeasuredAndTheClipboardKeysDoNothing) {
    TextEditModel model = Edit(L"abc", 10, 100, 0);
    model.passwordMode = 1;
    EXPECT_EQ(vo::DisplayText(L"abc", 1), L"***");
    EXPECT_EQ(vo::DisplayText(L"abc", 2), L"abc");
    vo::TextEditClick(model, kFont, 4 + 6);  // margin 4, asterisks 5 wide
    EXPECT_EQ(model.edit.caretIndex(), 2u) << "the first boundary at or right of x";
    EXPECT_EQ(model.edit.caretX(), 4 + 10);
    for (unsigned key : {vo::kVkA, vo::kVkC, vo::kVkX, vo::kVkV}) {
        model.edit.Select(0, 2);
        EXPECT_EQ(Key(model, key, true).clipboard, ClipboardAction::None);
        ExpectIndices(model, 0, 2);
    }
    model.passwordMode = 0;
    EXPECT_EQ(Key(model, vo::kVkX, true).clipboard, ClipboardAction::Cut);
    Key(model, vo::kVkA, true);
    ExpectIndices(model, 0, 3);
}

TEST(TextEditScroll, TypingPastTheRightEdgeKeepsTheEndAtWidthLessTwo) {
    TextEditModel model = Edit(L"", 40, 60);
    Type(model, L"abcdefghi");  // 54 pixels: still inside, centred
    EXPECT_EQ(model.scroll, 0);
    EXPECT_EQ(vo::TextEditOrigin(model, kFont), 3);
    Type(model, L"j");  // 60: as wide as the field, drawn from 0
    EXPECT_EQ(model.scroll, 2);
    EXPECT_EQ(model.edit.caretX(), 58);
    Type(model, L"klm");
    EXPECT_EQ(model.scroll, 78 - 60 + 2);
    EXPECT_EQ(model.edit.caretX(), 58);
    Key(model, vo::kVkHome);
    EXPECT_EQ(model.scroll, 0);
    EXPECT_EQ(model.edit.caretX(), 0);
    Key(model, vo::kVkEnd);
    EXPECT_EQ(model.edit.caretX(), 58);
}

TEST(TextEditScroll, EndOnAShortTextScrollsNegativeUntilAnEditFitsItAgain) {
    TextEditModel model = Edit(L"abc", 10, 100);  // 18 wide, centred at 41
    Key(model, vo::kVkEnd);
    EXPECT_EQ(model.scroll, 18 + 41 - 100 + 2);
    EXPECT_EQ(model.edit.caretX(), 98);
    Key(model, vo::kVkLeft);
    EXPECT_EQ(model.edit.caretX(), 92) << "the shift stays while moving";
    Type(model, L"d");
    EXPECT_EQ(model.scroll, 0);
    EXPECT_EQ(model.edit.caretX(), 38 + 18);

    // Left aligned: the margin, or none once scrolled by more than the width.
    model = Edit(L"abcdefghijklmnopqrstuvwxyz", 30, 40, 0);
    EXPECT_EQ(vo::TextEditOrigin(model, kFont), 4);
    Key(model, vo::kVkEnd);
    EXPECT_EQ(model.scroll, 156 + 4 - 40 + 2);
    EXPECT_EQ(vo::TextEditOrigin(model, kFont), 0);
}

TEST(TextEditKeys, UpActsAsRightDownAsLeftAndASelectionCollapsesAtTheCaret) {
    for (unsigned right : {vo::kVkRight, vo::kVkUp}) {
        TextEditModel model = Edit(L"abcdef", 10);
        model.edit.Select(4, 1);
        Key(model, right);
        ExpectIndices(model, 1, 1);
        Key(model, right);
        ExpectIndices(model, 2, 2);
        Key(model, right, false, true);
        ExpectIndices(model, 2, 3);
        Key(model, right, true, true);
        ExpectIndices(model, 2, 6);
        model.edit.CollapseTo(6);
        Key(model, right);
        ExpectIndices(model, 6, 6);
    }
    for (unsigned left : {vo::kVkLeft, vo::kVkDown}) {
        TextEditModel model = Edit(L"abcdef", 10);
        model.edit.Select(1, 4);
        Key(model, left);
        ExpectIndices(model, 4, 4);
        Key(model, left);
        ExpectIndices(model, 3, 3);
        Key(model, left, true, true);
        ExpectIndices(model, 3, 0);
        model.edit.Select(0, 0);
        Key(model, left);
        ExpectIndices(model, 0, 0);
        model.edit.Select(0, 3);  // the anchor is 0, but a selection moves
        Key(model, left, true);
        ExpectIndices(model, 0, 0);
    }
}

TEST(TextEditKeys, LeftScrollsTheCaretBackToTheLeftEdge) {
    TextEditModel model = Edit(L"abcdefghijklmnopqrst", 30, 60);  // 120 wide, origin 0
    Key(model, vo::kVkEnd);
    ASSERT_EQ(model.scroll, 120 - 60 + 2);
    for (int i = 0; i < 10; ++i) Key(model, vo::kVkLeft);
    EXPECT_EQ(model.edit.caretX(), 0) << "index 10 came to x -2, then was shown at the edge";
    EXPECT_EQ(model.scroll, 60);
}

TEST(TextEditKeys, EraseRulesAndTheirScroll) {
    TextEditModel model = Edit(L"abc", 10);
    EXPECT_TRUE(Key(model, vo::kVkBack).refused);
    model.edit.CollapseTo(3);
    EXPECT_TRUE(Key(model, vo::kVkDelete).refused);
    const auto erased = Key(model, vo::kVkBack);
    EXPECT_TRUE(erased.notify && !erased.refused);
    EXPECT_EQ(model.edit.text(), L"ab");
    EXPECT_TRUE(Key(model, vo::kVkBack, true).notify);
    EXPECT_EQ(model.edit.text(), L"");

    // An erase that leaves the text narrower than the field unscrolls it.
    model = Edit(L"abcdefghijklmnopqrst", 30, 60);
    Key(model, vo::kVkEnd);
    model.edit.Select(2, 20);
    Key(model, vo::kVkDelete);
    EXPECT_EQ(model.scroll, 0);
    EXPECT_EQ(model.edit.text(), L"ab");
}

TEST(TextEditDrag, PastAnEdgeTheCaretStepsOneCharacterPerMoveAndScrolls) {
    TextEditModel model = Edit(L"abcdefghijklmnopqrst", 30, 60);
    vo::TextEditClick(model, kFont, 10);
    ExpectIndices(model, 2, 2);
    EXPECT_EQ(vo::TextEditDrag(model, kFont, 40), vo::DragEdge::Inside);
    ExpectIndices(model, 2, 7);
    vo::TextEditDrag(model, kFont, 56);
    ExpectIndices(model, 2, 10);
    for (std::size_t move = 1; move <= 5; ++move) {
        ASSERT_EQ(vo::TextEditDrag(model, kFont, 60 + 25), vo::DragEdge::PastRight);
        Key(model, vo::kVkRight, true, false, true);  // the drag step ignores Ctrl
        ExpectIndices(model, 2, 10 + move);
        EXPECT_EQ(model.edit.caretX(), 58);
    }
    EXPECT_EQ(vo::TextEditDrag(model, kFont, -7), vo::DragEdge::PastLeft);
    for (int move = 0; move < 10; ++move) Key(model, vo::kVkLeft, false, false, true);
    ExpectIndices(model, 2, 5);
    EXPECT_EQ(model.edit.caretX(), 0);
    EXPECT_EQ(model.scroll, 30);
}

TEST(TextEditSetText, CutsToAPositiveMaxLengthAndShowsTheStart) {
    EXPECT_EQ(vo::CutToMaxLength(L"1234567890", 0), L"1234567890");
    EXPECT_EQ(vo::CutToMaxLength(L"1234567890", -1), L"1234567890");
    EXPECT_EQ(vo::CutToMaxLength(L"1234567890", 8), L"12345678");
    TextEditModel model = Edit(L"abcdefghijklmnopqrst", 30, 60);
    Key(model, vo::kVkEnd);
    vo::TextEditSetText(model, kFont, L"xyz", 0);
    EXPECT_EQ(model.scroll, 0);
    ExpectIndices(model, 0, 0);
}

TEST(TextEditSize, InitialWidthAndCutScroll) {
    EXPECT_EQ(vo::InitialTextEditWidth(3), 17);
    EXPECT_EQ(vo::InitialTextEditWidth(40), 40);
    TextEditModel model = Edit(L"abcdefghijklmnopqrst", 30, 60);
    Key(model, vo::kVkEnd);
    model.edit.Select(0, 11);
    vo::TextEditCut(model, kFont);
    EXPECT_EQ(model.scroll, 0) << "54 pixels left fit";
}
