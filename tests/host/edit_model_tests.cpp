#include <gtest/gtest.h>

#include "widgets/text/EditModel.h"

using vo::EditKeyResult;
using vo::EditModel;

namespace {

// A narrow "1" among wider characters, to tell boundaries apart.
class FakeFont : public vo::CharMeasure {
public:
    int PrefixWidth(const std::wstring& text, std::size_t count) const override {
        int width = 0;
        for (std::size_t i = 0; i < count; ++i) width += text[i] == L'1' ? 4 : 8;
        return width;
    }
};

EditModel Model(const wchar_t* text, std::size_t anchor, std::size_t caret,
                std::uint32_t maxLength = 10) {
    EditModel model;
    model.SetText(text);
    model.Select(anchor, caret);
    model.SetMaxLength(maxLength);
    return model;
}

enum Mods { kNone = 0, kCtrl = 1, kShift = 2, kSynthetic = 4 };

struct KeyCase {
    const wchar_t* text;
    std::size_t anchor, caret;
    unsigned key;
    int mods;
    const wchar_t* textAfter;
    std::size_t anchorAfter, caretAfter;
    EditKeyResult result;
};

}  // namespace

TEST(EditModel, IndicesNeverPassTheEndOfTheText) {
    EditModel model = Model(L"12345", 4, 5);
    model.SetText(L"12");
    EXPECT_EQ(model.anchorIndex(), 2u);
    EXPECT_EQ(model.caretIndex(), 2u);
    model.Select(7, 1);
    EXPECT_EQ(model.anchorIndex(), 2u);
    EXPECT_EQ(model.SelectedText(), L"2");
}

TEST(EditModel, EditingKeys) {
    using R = EditKeyResult;
    const KeyCase cases[] = {
        {L"12345", 3, 3, vo::kVkLeft, kShift, L"12345", 3, 2, R::Moved},
        {L"12345", 3, 3, vo::kVkLeft, kCtrl | kShift, L"12345", 3, 0, R::Moved},
        {L"12345", 3, 3, vo::kVkLeft, kCtrl, L"12345", 0, 0, R::Moved},
        {L"12345", 3, 3, vo::kVkLeft, kNone, L"12345", 2, 2, R::Moved},
        {L"12345", 4, 1, vo::kVkLeft, kNone, L"12345", 1, 1, R::Moved},  // lower end
        {L"12345", 1, 1, vo::kVkRight, kNone, L"12345", 2, 2, R::Moved},
        {L"12345", 1, 1, vo::kVkRight, kShift, L"12345", 1, 2, R::Moved},
        {L"12345", 1, 1, vo::kVkRight, kCtrl | kShift, L"12345", 1, 5, R::Moved},
        {L"12345", 1, 1, vo::kVkRight, kCtrl, L"12345", 5, 5, R::Moved},
        {L"12345", 4, 1, vo::kVkRight, kNone, L"12345", 4, 4, R::Moved},  // upper end
        {L"12345", 2, 5, vo::kVkRight, kNone, L"12345", 2, 5, R::Moved},  // at the end: stays
        {L"12345", 2, 4, vo::kVkHome, kShift, L"12345", 0, 0, R::Moved},
        {L"12345", 2, 2, vo::kVkEnd, kNone, L"12345", 5, 5, R::Moved},
        {L"123", 1, 1, vo::kVkA, kNone, L"123", 1, 1, R::NotEditing},
        {L"123", 1, 1, vo::kVkA, kSynthetic, L"123", 0, 3, R::Moved},
        {L"12345", 3, 3, vo::kVkBack, kNone, L"1245", 2, 2, R::Erased},
        {L"12345", 3, 3, vo::kVkDelete, kNone, L"1235", 3, 3, R::Erased},
        // Ctrl or lParam 0: to the start or to the end, never by word.
        {L"12 345", 4, 4, vo::kVkBack, kCtrl, L"45", 0, 0, R::Erased},
        {L"12 345", 1, 1, vo::kVkDelete, kSynthetic, L"1", 1, 1, R::Erased},
        {L"12345", 4, 1, vo::kVkBack, kCtrl, L"15", 1, 1, R::Erased},  // a selection alone
        {L"12", 0, 0, vo::kVkBack, kCtrl, L"12", 0, 0, R::Refused},
        {L"12", 2, 2, vo::kVkDelete, kSynthetic, L"12", 2, 2, R::Refused},
    };
    for (const KeyCase& c : cases) {
        EditModel model = Model(c.text, c.anchor, c.caret);
        const vo::KeyPress press{c.key, (c.mods & kCtrl) != 0, (c.mods & kShift) != 0,
                                 (c.mods & kSynthetic) != 0};
        EXPECT_EQ(model.KeyDown(press), c.result) << c.text << " key " << c.key;
        EXPECT_EQ(model.text(), c.textAfter) << c.text << " key " << c.key;
        EXPECT_EQ(model.anchorIndex(), c.anchorAfter) << c.text << " key " << c.key;
        EXPECT_EQ(model.caretIndex(), c.caretAfter) << c.text << " key " << c.key;
    }
}

TEST(EditModel, ClipboardKeysAndMenuItems) {
    using vo::ClipboardAction;
    EditModel model = Model(L"123", 1, 1);
    EXPECT_EQ(model.ClipboardActionFor({vo::kVkC, true}), ClipboardAction::None);
    EXPECT_EQ(model.ClipboardActionFor({vo::kVkV, true}), ClipboardAction::Paste);
    EXPECT_EQ(model.ClipboardActionFor({vo::kVkV}), ClipboardAction::None);
    model.Select(0, 2);
    EXPECT_EQ(model.ClipboardActionFor({vo::kVkC, false, false, true}), ClipboardAction::Copy);
    EXPECT_EQ(model.ClipboardActionFor({vo::kVkX, true}), ClipboardAction::Cut);

    const unsigned keys[] = {0x58, 0x43, 0x56, 0x2E, 0x41, 0};
    for (int item = 201; item <= 206; ++item) EXPECT_EQ(vo::MenuCommandKey(item), keys[item - 201]);
}

TEST(EditModel, TypingAndInsertingKeepToMaxLength) {
    EditModel model = Model(L"12", 2, 2, 3);
    EXPECT_TRUE(model.TypeChar(L'3'));
    EXPECT_FALSE(model.TypeChar(L'4'));
    model.Select(1, 3);  // a selection makes room
    EXPECT_TRUE(model.TypeChar(L'9'));
    EXPECT_EQ(model.text(), L"19");
    EXPECT_EQ(model.caretIndex(), 2u);

    model = Model(L"", 0, 0, 3);
    EXPECT_EQ(model.InsertLimited(L"1234"), 3u);
    model.Select(2, 0);
    EXPECT_EQ(model.InsertLimited(L"7890"), 2u);
    EXPECT_EQ(model.text(), L"783");
    EXPECT_EQ(model.caretIndex(), 2u);
}

TEST(EditModel, RoomIsNeverNegativeWhenMaxLengthIsBelowTheLength) {
    EditModel model = Model(L"12345", 1, 2, 3);
    EXPECT_EQ(model.Room(), 0u);
    EXPECT_EQ(model.InsertLimited(L"9"), 0u);
    model.Select(0, 3);  // "1345": three of four go
    EXPECT_EQ(model.Room(), 2u);
    model.SetMaxLength(0);
    EXPECT_EQ(model.Room(), 0u);
}

TEST(EditModel, AClickPutsTheCaretAtTheFirstBoundaryAtOrRightOfThePointer) {
    const FakeFont font;
    // "212" from origin 10: boundaries at 10, 18, 22, 30.
    EditModel model = Model(L"212", 0, 0);
    const struct {
        int x;
        std::size_t index;
    } hits[] = {{-50, 0}, {10, 0}, {11, 1}, {19, 2}, {30, 3}, {31, 3}};
    for (const auto& hit : hits) EXPECT_EQ(model.HitTest(font, 10, hit.x), hit.index) << hit.x;

    model.ClickAt(font, 10, 17);
    EXPECT_EQ(model.anchorIndex(), 1u);
    model.DragTo(font, 10, 25);
    EXPECT_EQ(model.caretIndex(), 3u);
    EXPECT_EQ(model.anchorX(), 18);
    EXPECT_EQ(model.caretX(), 30);
    EXPECT_EQ(model.PixelX(font, 10, 4), 9);  // past the end: width -1
}
