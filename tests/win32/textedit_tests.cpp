// The text edit on a real gradient parent under Wine: notifications as the
// parent sees them, the real clipboard and font, caret, focus and
// click-to-edit, its skins, leaks, a storm, and a parent that deletes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Complete before the harness deletes controls through their base.
#include "control/Clipboard.h"
#include "control/voAbstractControl.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/text/voTextEdit.h"

namespace {

constexpr std::uint16_t kId = 63;
constexpr LPARAM kRealKey = 0x00010001;  // repeat count 1 and a scan code

void Mouse(HWND window, UINT message, WPARAM keys, int x) {
    SendMessageW(window, message, keys, MAKELPARAM(static_cast<WORD>(x), 10));
}
void Keys(HWND window, std::initializer_list<UINT> keys, LPARAM data = kRealKey) {
    for (UINT key : keys) SendMessageW(window, WM_KEYDOWN, key, data);
}
void Type(HWND window, const std::wstring& characters) {
    for (wchar_t ch : characters) SendMessageW(window, WM_CHAR, ch, kRealKey);
}
void HoldCtrl(bool held) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}
// The system's bridge to the X clipboard holds the clipboard for a moment
// after every change: these wait until it lets go.
void PutText(HWND owner, const std::wstring& text) {
    for (int tries = 0; tries < 100 && !PutClipboardText(owner, text); ++tries) PumpMessages(10);
    PumpMessages(30);
}
std::wstring ClipboardText(HWND owner) {
    for (int tries = 0; tries < 100; ++tries, PumpMessages(10))
        if (const auto text = GetClipboardText(owner)) return *text;
    return L"<none>";
}
int Width(const voTextEdit& edit, const std::wstring& text) {
    return MeasureCaption(edit.ownWindow, text, edit.font).cx;
}
int CaretX() {
    POINT point{-1, -1};
    GetCaretPos(&point);
    return point.y == 4 ? point.x : -1000 - point.y;  // the caret's row is fixed
}
int Count(const PixelImage& image, const std::function<bool(COLORREF)>& match) {
    int count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) count += match(image.At(x, y));
    return count;
}

class EditParent : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && lParam != 0)
            texts.push_back(reinterpret_cast<const voTextEdit*>(lParam)->text);
        const LRESULT result = TestParent::WindowProc(message, wParam, lParam);
        if (onMessage) onMessage(message, wParam);
        return result;
    }
    std::vector<std::wstring> texts;  // what the parent read during each notification
    std::function<void(UINT, WPARAM)> onMessage;
};

class TextEditTest : public ::testing::Test {
protected:
    void TearDown() override { HoldCtrl(false); }
    voTextEdit* Make(int y, int width = 100, int maxLength = 20, int skinMode = 0, int id = kId) {
        auto* edit =
            new Doomed<voTextEdit>(parent.window, static_cast<std::uint16_t>(id), width, skinMode);
        parent.Place(edit, 20, y)->maxLength = maxLength;
        return edit;
    }
    std::vector<RecordedMessage> Commands() const { return parent.Received(WM_COMMAND); }

    std::unique_ptr<EditParent> owner = std::make_unique<EditParent>();
    EditParent& parent = *owner;
};

void UseDemoFiles(voTextEdit& edit) {
    const wchar_t* const files[] = {
        L"2x20_button_modern_left",          L"2x20_button_modern_right",
        L"1x20_button_modern_center",        L"2x20_button_modern_hovered_left",
        L"2x20_button_modern_hovered_right", L"1x20_button_modern_hovered_center"};
    edit.sideWidth = 2;
    edit.skinHeight = 20;
    edit.textColour = 0xFFFFFF;
    for (int piece = 1; piece <= voTextEdit::kPieceCount; ++piece)
        edit.SetSkinFile(piece,
                         L"" VO_BIN_DIR L"/resources/" + std::wstring(files[piece - 1]) + L".bmp");
    edit.SetSize(edit.width, 0);
}

}  // namespace

TEST_F(TextEditTest, NothingIsTypedUntilMaxLengthThenEachAcceptedChangeNotifies) {
    voTextEdit* edit = Make(20, 5, 0);
    const HWND window = edit->GetHandle();
    EXPECT_EQ(edit->kind, 4);
    EXPECT_EQ(edit->width, 17);
    EXPECT_EQ(edit->height, 21);
    Type(window, L"a");
    edit->FitToLength(5, 5);
    EXPECT_EQ(edit->maxLength, 5);
    EXPECT_EQ(edit->width, Width(*edit, L"*****") + 2 * (5 + 8));

    edit->restrictedCharacters = true;
    Type(window, L"a\u00e9\u20ac\t");             // the platform's letters only
    Keys(window, {VK_HOME, VK_BACK, VK_DELETE});  // nothing before the caret: silent
    EXPECT_EQ(parent.texts, (std::vector<std::wstring>{L"a", L"a\u00e9", L"\u00e9"}));
    ASSERT_EQ(Commands().size(), 3u);
    for (const RecordedMessage& command : Commands()) {
        EXPECT_EQ(command.wParam, MAKEWPARAM(kId, 0));
        EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(edit));
    }
}

TEST_F(TextEditTest, TheRealClipboardUpperCasePasswordModeAndSetText) {
    voTextEdit* edit = Make(20, 100, 5);
    const HWND window = edit->GetHandle();
    edit->upperCase = true;
    PutText(parent.window, L"abc");
    HoldCtrl(true);
    Keys(window, {'V', 'A', 'C'});
    HoldCtrl(false);
    EXPECT_EQ(ClipboardText(parent.window), L"ABC");
    PumpMessages(30);
    SendMessageW(window, WM_COMMAND, 201, 0);  // the menu's Cut
    EXPECT_EQ(parent.texts, (std::vector<std::wstring>{L"ABC", L""}));

    // SetText keeps all with max length 0 and hands the focus to the parent.
    SetFocus(window);
    edit->maxLength = 0;
    edit->SetText(L"1234567890");
    EXPECT_EQ(edit->text, L"1234567890");
    EXPECT_EQ(GetFocus(), parent.window);
    edit->maxLength = 8;
    Keys(window, {VK_END});
    edit->SetText(L"1234567890");
    EXPECT_EQ(edit->text, L"12345678");
    EXPECT_EQ(edit->caretIndex + edit->anchorIndex, 0);

    // Max length lowered below the text: a paste takes nothing and says nothing.
    edit->maxLength = 5;
    Keys(window, {'V'}, 0);
    edit->passwordMode = 1;
    PutText(parent.window, L"zz");
    HoldCtrl(true);
    Keys(window, {'A', 'C', 'X', 'V'});
    HoldCtrl(false);
    EXPECT_EQ(edit->anchorIndex, edit->caretIndex);
    EXPECT_EQ(edit->text, L"12345678");
    EXPECT_EQ(ClipboardText(parent.window), L"zz");
    EXPECT_EQ(Commands().size(), 2u);
}

TEST_F(TextEditTest, TheCaretStandsOnTheRealFontsBoundariesAsterisksAndScroll) {
    voTextEdit* edit = Make(20, 100);
    const HWND window = edit->GetHandle();
    const std::wstring sample = L"Wmm text";
    edit->SetText(sample);
    const int origin = (100 - Width(*edit, sample)) / 2;
    Mouse(window, WM_LBUTTONDOWN, MK_LBUTTON, origin + Width(*edit, L"W") - 1);
    Mouse(window, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(edit->caretIndex, 1) << "the first boundary at or right of the pointer";
    EXPECT_EQ(CaretX(), origin + Width(*edit, L"W"));

    edit->passwordMode = 1;
    ASSERT_NE(Width(*edit, L"***"), Width(*edit, L"Wmm"));
    Keys(window, {VK_RIGHT, VK_UP});  // Up as Right
    const std::wstring stars(sample.size(), L'*');
    EXPECT_EQ(CaretX(), (100 - Width(*edit, stars)) / 2 + Width(*edit, L"***"));

    // Typing past the right edge keeps the end of the text at W - 2; Home unscrolls.
    edit->passwordMode = 0;
    Keys(window, {VK_END});
    Type(window, L"on and on and on");
    EXPECT_EQ(CaretX(), 98);
    SendMessageW(window, WM_KILLFOCUS, 0, 0);  // no caret in the picture read back
    const PixelImage image = ReadWindowPixels(window);
    int lastInk = 0;
    for (int y = 5; y < 19; ++y)
        for (int x = 0; x < 100; ++x)
            if (ColourNear(image.At(x, y), 0x000000, 80)) lastInk = std::max(lastInk, x);
    EXPECT_GE(lastInk, 92);
    EXPECT_LE(lastInk, 97);
    Keys(window, {VK_HOME});
    EXPECT_EQ(edit->scroll, 0);
    EXPECT_EQ(edit->caretX, 0);
}

TEST_F(TextEditTest, ASelectionDraggedEitherWayHighlightsAlikeAndFocusLossIsForwarded) {
    voTextEdit* edit = Make(20, 120);
    const HWND window = edit->GetHandle();
    edit->SetText(L"select me");
    const int left = (120 - Width(*edit, L"select me")) / 2 + 3;
    const int right = left + Width(*edit, L"select") - 5;
    auto dragAndRead = [&](int from, int to) {
        Mouse(window, WM_LBUTTONDOWN, MK_LBUTTON, from);
        Mouse(window, WM_MOUSEMOVE, MK_LBUTTON, to);
        Mouse(window, WM_LBUTTONUP, 0, to);
        SendMessageW(window, WM_KILLFOCUS, 0, 0);  // drops the caret, keeps the indices
        SendMessageW(window, WM_SETFOCUS, 0, 0);
        return ReadWindowPixels(window);
    };
    const PixelImage forward = dragAndRead(left, right);
    const PixelImage backward = dragAndRead(right, left);
    EXPECT_EQ(edit->anchorIndex, 6);
    EXPECT_EQ(edit->caretIndex, 1);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    auto isHighlight = [highlight](COLORREF c) { return ColourNear(c, highlight, 8); };
    EXPECT_GT(Count(forward, isHighlight), (right - left) * 10);
    EXPECT_TRUE(forward.pixels == backward.pixels);

    // Focus loss is forwarded, to another window or to none, and not when
    // the focus stays with the control.
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 300, 300, 10, 10,
                                       parent.window, nullptr, nullptr, nullptr);
    parent.Clear();
    SendMessageW(window, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    SetFocus(other);
    SetFocus(window);
    SetFocus(nullptr);
    DestroyWindow(other);
    const auto sets = parent.Received(WM_SETFOCUS);
    const auto kills = parent.Received(WM_KILLFOCUS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].wParam, reinterpret_cast<WPARAM>(window));
    ASSERT_EQ(kills.size(), 1u);
    EXPECT_EQ(kills[0].wParam, 0u);
    EXPECT_EQ(Count(ReadWindowPixels(window), isHighlight), 0);
}

TEST_F(TextEditTest, ClickToEditIsAButtonUntilDoubleClickedAndAgainWithoutTheFocus) {
    voTextEdit* edit = Make(20, 100);
    const HWND window = edit->GetHandle();
    edit->clickToEdit = true;
    edit->SetText(L"abcdef");
    Mouse(window, WM_LBUTTONDOWN, MK_LBUTTON, 50);
    Mouse(window, WM_LBUTTONUP, 0, 50);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(Commands()[0].lParam, 0);
    EXPECT_FALSE(edit->caretShown || GetFocus() == window);

    const int atC = (100 - Width(*edit, L"abcdef")) / 2 + Width(*edit, L"abc") - 1;
    Mouse(window, WM_LBUTTONDBLCLK, MK_LBUTTON, atC);
    Mouse(window, WM_LBUTTONUP, 0, atC);
    EXPECT_TRUE(edit->editing && GetFocus() == window);
    EXPECT_EQ(edit->anchorIndex, 3) << "the caret at the click";
    EXPECT_EQ(CaretX(), edit->caretX);
    Mouse(window, WM_LBUTTONDOWN, MK_LBUTTON, 10);
    EXPECT_EQ(Commands().size(), 1u) << "editing: a click places the caret";
    SetFocus(parent.window);
    EXPECT_FALSE(edit->editing);
}

TEST_F(TextEditTest, EachSkinModeDrawsItsOwnPiecesAndPaintingMakesAndLeaksNothing) {
    // At the same x, so the same slice of gradient lies behind each.
    voTextEdit* edits[] = {Make(20, 60, 5, 0), Make(50, 60, 5, 1, kId + 1),
                           Make(80, 60, 5, 2, kId + 2)};
    UseDemoFiles(*edits[2]);
    PixelImage drawn[3];
    for (int mode = 0; mode < 3; ++mode) drawn[mode] = ReadWindowPixels(edits[mode]->GetHandle());
    auto differing = [&](int a, int b) {
        int count = 0;
        for (int y = 2; y < 18; ++y)
            for (int x = 0; x < 60; ++x)
                count += !ColourNear(drawn[a].At(x, y), drawn[b].At(x, y), 10);
        return count;
    };
    EXPECT_GT(differing(0, 1), 60 * 16 / 2) << "the resource skin covers the field";
    EXPECT_GT(differing(2, 1), 60 * 16 / 2) << "the file skin too";
    EXPECT_GT(differing(2, 0), 60 * 16 / 4) << "with other pictures";

    voTextEdit* plain = edits[0];
    plain->SetText(L"leak check");
    SetFocus(plain->GetHandle());
    // Four looks: selected, password, no skin, file skin.
    auto paintLooks = [&](int paintsEach) {
        for (int look = 0; look < 4; ++look) {
            voTextEdit* edit = look == 3 ? edits[2] : plain;
            plain->anchorX = look == 0 ? 10 : plain->caretX;
            plain->passwordMode = look == 1 ? 1 : 0;
            plain->skinMode = look == 2 ? 1 : 0;
            for (int paint = 0; paint < paintsEach; ++paint) {
                edit->text = paint % 2 ? L"leak" : L"check";
                edit->Redraw(true);
            }
        }
    };
    paintLooks(2);
    PumpMessages();
    ExpectPaintsMakeNothing(paintLooks, 2500, 4 * 2500);
}

TEST_F(TextEditTest, AMessageStormKeepsIndicesInTheTextAndItWithinMaxLength) {
    for (bool clickToEdit : {false, true}) {
        voTextEdit* edit = Make(20, 80, 12);
        const HWND window = edit->GetHandle();
        edit->clickToEdit = edit->upperCase = clickToEdit;
        StormOptions options;
        options.seed = clickToEdit ? 7 : 13;
        options.messages = 1200;
        options.checkInvariants = [edit, window] {
            ASSERT_GE(std::min(edit->anchorIndex, edit->caretIndex), 0);
            ASSERT_LE(static_cast<std::size_t>(std::max(edit->anchorIndex, edit->caretIndex)),
                      edit->text.size());
            EXPECT_LE(edit->text.size(), 12u);
            EXPECT_TRUE(!edit->caretShown || GetFocus() == window);
            EXPECT_EQ(edit->height, 21);
            EXPECT_EQ(edit->text.find_first_of(edit->upperCase ? L"az" : L"\t"),
                      std::wstring::npos);
        };
        EXPECT_TRUE(RunMessageStorm(window, options));
        EXPECT_GT(Commands().size(), 10u);
        parent.DeleteControl(kId);
        parent.Clear();
    }
}

TEST_F(TextEditTest, AParentMayDeleteTheControlInsideEachNotification) {
    PutText(parent.window, L"pasted");
    enum Act {
        kTyped,
        kErased,
        kCut,
        kPasted,
        kMenuDelete,
        kIdleClick,
        kFocusAway,
        kFocusNone,
        kSetText
    };
    for (int act = kTyped; act <= kSetText; ++act) {
        voTextEdit* edit = Make(20, 100, 20);
        edit->SetText(L"text");
        const HWND window = edit->GetHandle();
        const UINT deleteOn = act == kFocusNone   ? WM_KILLFOCUS
                              : act >= kFocusAway ? WM_SETFOCUS
                                                  : WM_COMMAND;
        int commands = 0;
        bool deleted = false;
        parent.onMessage = [&](UINT message, WPARAM wParam) {
            commands += message == WM_COMMAND;
            // The control's own forwarding, not the system's focus messages.
            const bool fromEdit =
                message == WM_COMMAND ||
                (message == WM_SETFOCUS ? reinterpret_cast<HWND>(wParam) == window : wParam == 0);
            if (message == deleteOn && fromEdit && !deleted) deleted = parent.DeleteControl(kId);
        };
        FaultCounter faults;
        if (act >= kFocusAway) SetFocus(window);
        switch (act) {
        case kTyped: Type(window, L"xy"); break;
        case kErased: Keys(window, {VK_DELETE, VK_DELETE}); break;
        case kCut: Keys(window, {'A', 'X'}, 0); break;
        case kPasted: Keys(window, {'V', 'V'}, 0); break;
        case kMenuDelete: SendMessageW(window, WM_COMMAND, 204, 0); break;
        case kIdleClick:
            edit->clickToEdit = true;
            Mouse(window, WM_LBUTTONDOWN, MK_LBUTTON, 5);
            break;
        case kFocusAway: SetFocus(parent.window); break;
        case kFocusNone: SetFocus(nullptr); break;
        case kSetText: edit->SetText(L"gone"); break;
        }
        PumpMessages(20);
        parent.onMessage = nullptr;
        EXPECT_EQ(faults.Faults(), 0) << act << ": a deleted control was touched";
        EXPECT_FALSE(IsWindow(window)) << act;
        EXPECT_EQ(commands, deleteOn == WM_COMMAND ? 1 : 0) << act;
        parent.DeleteControl(kId);
    }
}

// The looks, for a person to look at: VO_SHOT_BMP=<file> writes the parent's
// pixels, VO_HOLD_MS keeps it on screen for a while.
TEST_F(TextEditTest, DISABLED_ShowEveryLook) {
    int id = 100;
    auto add = [&](int x, int y, int width, int mode, const wchar_t* text) {
        auto* edit = parent.Place(new voTextEdit(parent.window, id++, width, mode), x, y);
        edit->maxLength = 40;
        edit->SetText(text);
        return edit;
    };
    add(20, 20, 120, 0, L"Resource skin");
    add(20, 50, 120, 1, L"No skin at all");
    UseDemoFiles(*add(20, 80, 120, 2, L"File skin"));
    add(20, 110, 120, 0, L"secret")->passwordMode = 1;
    add(20, 140, 120, 0, L"Double-click me")->clickToEdit = true;
    add(160, 20, 80, 0, L"Left & aligned")->alignment = 0;
    Type(add(160, 50, 80, 0, L"")->GetHandle(), L"Scrolled to its end");
    const HWND selected = add(160, 80, 120, 0, L"Focused, selected")->GetHandle();
    Mouse(selected, WM_LBUTTONDOWN, MK_LBUTTON, 30);
    Mouse(selected, WM_MOUSEMOVE, MK_LBUTTON, 75);
    Mouse(selected, WM_LBUTTONUP, 0, 75);
    RedrawWindow(parent.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(50);
    if (const wchar_t* file = _wgetenv(L"VO_SHOT_BMP")) {
        const PixelImage image = ReadWindowPixels(parent.window);
        WriteBitmapFile(file, image.width, image.height, [&](int x, int y) {
            return image.pixels[static_cast<std::size_t>(y) * image.width + x];
        });
    }
    const char* hold = std::getenv("VO_HOLD_MS");
    PumpMessages(hold != nullptr ? static_cast<DWORD>(std::atoi(hold)) : 0);
}
