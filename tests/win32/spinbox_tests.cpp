// The spin box on a real gradient parent under Wine: what the parent sees
// during each notification, real timers, wheel, clipboard and context menu,
// caret and focus, its pictures, leaks, a storm, and a parent that deletes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Complete before the harness deletes controls through their base.
#include "control/voAbstractControl.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/range/voSpinBox.h"

namespace {

constexpr std::uint16_t kId = 52;

void Send(HWND window, UINT message, WPARAM keys, POINT point) {
    SendMessageW(window, message, keys,
                 MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}
// A real key press has a repeat count of 1; lParam 0 is the control's own.
void Key(HWND window, UINT key, LPARAM data = 1) { SendMessageW(window, WM_KEYDOWN, key, data); }
void Type(HWND window, const wchar_t* characters) {
    for (; *characters != L'\0'; ++characters) SendMessageW(window, WM_CHAR, *characters, 1);
}
void Wheel(HWND window, short delta) {
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
}
POINT UpArrow(const voSpinBox& spin) { return {spin.width - 8, 5}; }
POINT DownArrow(const voSpinBox& spin) { return {spin.width - 8, 15}; }

// What the parent read from the control while a notification was on.
struct Notice {
    WPARAM wParam;
    LPARAM lParam;
    int value;
    bool atMinimum;
    bool atMaximum;
    std::wstring text;
    DWORD tick;
};

class SpinParent : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && lParam != 0) {  // only spin boxes notify here
            const auto* spin = reinterpret_cast<const voSpinBox*>(lParam);
            notices.push_back({wParam, lParam, spin->value, spin->atMinimum, spin->atMaximum,
                               spin->text, GetTickCount()});
        }
        const LRESULT result = TestParent::WindowProc(message, wParam, lParam);
        if (onMessage) onMessage(message, wParam);
        return result;
    }
    std::vector<Notice> notices;
    std::function<void(UINT, WPARAM)> onMessage;
};

void PutText(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * 2);
    std::copy(text.begin(), text.end(), static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    EXPECT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text = L"<not open>";
    if (!OpenClipboard(owner)) return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : L"<none>";
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

HWND CaretWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info.hwndCaret;
}

void UseDemoFiles(voSpinBox& spin) {
    static const wchar_t* const files[voSpinBox::kPieceCount] = {
        L"2x19_spinbox_left",         L"2x19_spinbox_right",       L"2x19_spinbox_center",
        L"13x8_spinbox_up",           L"13x8_spinbox_clicked_up",  L"13x8_spinbox_down",
        L"13x8_spinbox_clicked_down", L"1x19_spinbox_center_line", L"13x1_spinbox_horizontal_line"};
    spin.ApplyCompactGeometry();
    spin.skinSource = 1;
    spin.textColour = 0xFFFFFF;
    for (int piece = 1; piece <= voSpinBox::kPieceCount; ++piece)
        spin.SetSkinFile(piece, std::wstring(L"resources\\") + files[piece - 1] + L".bmp");
}

int Count(const PixelImage& image, RECT area, const std::function<bool(COLORREF)>& match) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += match(image.At(x, y));
    return count;
}
bool Ink(COLORREF c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 80; }

class SpinTest : public ::testing::Test {
protected:
    // The demo's skin files lie beside the executable.
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previousFolder);
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path);
        SetCurrentDirectoryW(folder.substr(0, folder.find_last_of(L"\\/") + 1).c_str());
    }
    void TearDown() override { SetCurrentDirectoryW(previousFolder); }

    voSpinBox* Make(int y, int width = 60, std::uint16_t id = kId) {
        return parent.Place(new Doomed<voSpinBox>(parent.window, id, width), 20, y);
    }
    voSpinBox* Within(int minimum, int maximum, int value, std::uint32_t maxLength = 3,
                      std::uint16_t id = kId) {
        voSpinBox* spin = Make(20 + (id - kId) * 30, 60, id);
        spin->minimum = minimum;
        spin->maximum = maximum;
        spin->maxLength = maxLength;
        spin->SetValue(value);
        return spin;
    }

    wchar_t previousFolder[MAX_PATH] = {};
    std::unique_ptr<SpinParent> owner = std::make_unique<SpinParent>();
    SpinParent& parent = *owner;
};

}  // namespace

TEST_F(SpinTest, ANewSpinBoxShowsZeroAndRefusesEveryStepWithAnAtLimitFlag) {
    voSpinBox* narrow = Make(20, 10);
    RECT client{};
    GetClientRect(narrow->GetHandle(), &client);
    EXPECT_EQ(client.right, 26);
    EXPECT_EQ(client.bottom, 23);
    EXPECT_EQ(narrow->kind, 6);

    const PixelImage zero = ReadWindowPixels(Make(60, 60, kId + 1)->GetHandle());
    EXPECT_GT(Count(zero, {15, 5, 28, 19}, Ink), 8) << "a digit in the middle of the field";
    EXPECT_EQ(Count(zero, {0, 5, 15, 19}, Ink) + Count(zero, {28, 5, 42, 19}, Ink), 0);

    Type(narrow->GetHandle(), L"5");
    Key(narrow->GetHandle(), VK_UP);
    Key(narrow->GetHandle(), VK_NEXT);
    ASSERT_EQ(parent.notices.size(), 2u) << "no digit fits in max length 0";
    EXPECT_TRUE(parent.notices[0].atMaximum && !parent.notices[0].atMinimum);
    EXPECT_TRUE(parent.notices[1].atMinimum && !parent.notices[1].atMaximum);
    EXPECT_EQ(narrow->text, L"0");
}

TEST_F(SpinTest, TheParentReadsValueAndFlagsDuringEachNotification) {
    voSpinBox* spin = Within(0, 59, 59);
    const HWND window = spin->GetHandle();
    for (int value : {59, 58}) {
        spin->SetValue(value);
        Send(window, WM_LBUTTONDOWN, MK_LBUTTON, UpArrow(*spin));
        Send(window, WM_LBUTTONUP, 0, UpArrow(*spin));
    }
    ASSERT_EQ(parent.notices.size(), 2u);
    for (const Notice& notice : parent.notices) {
        EXPECT_EQ(notice.wParam, MAKEWPARAM(kId, 0));
        EXPECT_EQ(notice.lParam, reinterpret_cast<LPARAM>(spin));
        EXPECT_EQ(notice.value, 59);
    }
    EXPECT_TRUE(parent.notices[0].atMaximum && !parent.notices[0].atMinimum);
    EXPECT_FALSE(parent.notices[1].atMaximum || parent.notices[1].atMinimum);

    // PageUp past the maximum; at minimum, raised by a refused step before,
    // is still up during the notification and cleared after it.
    parent.notices.clear();
    spin->maximum = 999;
    spin->SetValue(0);
    Key(window, VK_DOWN);
    spin->SetValue(995);
    Key(window, VK_PRIOR);
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[1].text, L"999");
    EXPECT_TRUE(parent.notices[1].atMaximum && parent.notices[1].atMinimum);
    EXPECT_FALSE(spin->atMinimum);

    // A digit refused by the limits notifies, a non-digit does not; an emptied
    // text keeps the value; leading zeros stay.
    parent.notices.clear();
    spin->maximum = 59;
    Key(window, 'A', 0);
    Type(window, L"x77");
    Key(window, VK_BACK);
    Type(window, L"05");
    ASSERT_EQ(parent.notices.size(), 5u);
    EXPECT_EQ(parent.notices[1].text, L"7") << "77 is above 59";
    EXPECT_EQ(parent.notices[2].text, L"");
    EXPECT_EQ(parent.notices[2].value, 7);
    EXPECT_EQ(parent.notices[4].text, L"05");
    EXPECT_EQ(spin->value, 5);
    EXPECT_EQ(spin->caretIndex, 2);
}

TEST_F(SpinTest, SizeRulesFitToDigitsAndTheCompactGeometry) {
    voSpinBox* spin = Make(20, 100);
    spin->SetSize(5, 99);
    EXPECT_EQ(spin->width, 26);
    EXPECT_EQ(spin->height, 23);
    spin->FitToDigits(3);
    const int stars = MeasureCaption(spin->GetHandle(), L"***", spin->font).cx;
    ASSERT_GT(stars, 10);
    EXPECT_EQ(spin->maxLength, 3u);
    spin->ApplyCompactGeometry();
    RECT client{};
    GetClientRect(spin->GetHandle(), &client);
    EXPECT_EQ(client.right, 17 + 8 + stars + 10);
    EXPECT_EQ(client.bottom, 19);
}

TEST_F(SpinTest, HoldingAnArrowStepsAtOnceAfter400MsThenEvery100MsAndPausesOffIt) {
    voSpinBox* spin = Within(0, 1000, 500, 4);
    const HWND window = spin->GetHandle();
    Send(window, WM_MOUSEMOVE, 0, DownArrow(*spin));
    const DWORD start = GetTickCount();
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, DownArrow(*spin));
    EXPECT_EQ(spin->downArrowState, 2);
    PumpMessages(1000);
    Send(window, WM_LBUTTONUP, 0, DownArrow(*spin));
    EXPECT_EQ(spin->downArrowState, 0);
    const std::size_t held = parent.notices.size();
    PumpMessages(300);
    EXPECT_EQ(parent.notices.size(), held) << "the release ends the repeat";
    ASSERT_GE(held, 6u);
    EXPECT_LE(held, 10u);
    EXPECT_LT(parent.notices[0].tick - start, 50u);
    EXPECT_GE(parent.notices[1].tick - start, 370u);
    EXPECT_LE(parent.notices[1].tick - start, 600u);
    std::vector<DWORD> gaps;
    for (std::size_t i = 2; i < held; ++i)
        gaps.push_back(parent.notices[i].tick - parent.notices[i - 1].tick);
    std::sort(gaps.begin(), gaps.end());
    EXPECT_GE(gaps[gaps.size() / 2], 85u);
    EXPECT_LE(gaps[gaps.size() / 2], 160u);
    EXPECT_EQ(parent.notices[held - 1].value, 500 - static_cast<int>(held));

    // Off the arrow with the button down: paused; back on: again at 100 ms.
    parent.notices.clear();
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, DownArrow(*spin));
    Send(window, WM_MOUSEMOVE, MK_LBUTTON, {spin->width - 8, 40});
    EXPECT_EQ(spin->downArrowState, 0);
    PumpMessages(600);
    EXPECT_EQ(parent.notices.size(), 1u);
    const DWORD back = GetTickCount();
    Send(window, WM_MOUSEMOVE, MK_LBUTTON, DownArrow(*spin));
    EXPECT_EQ(spin->downArrowState, 2);
    ASSERT_TRUE(PumpUntil([&] { return parent.notices.size() == 2; }, 1000));
    EXPECT_GE(parent.notices[1].tick - back, 80u);
    EXPECT_LE(parent.notices[1].tick - back, 250u);
    Send(window, WM_LBUTTONUP, 0, DownArrow(*spin));
    // A timer message with no arrow held starts no repeat.
    SendMessageW(window, WM_TIMER, 1, 0);
    PumpMessages(250);
    EXPECT_EQ(parent.notices.size(), 2u);
}

TEST_F(SpinTest, TheWheelStepsWholeNotchesOnlyWhileFocused) {
    voSpinBox* spin = Within(0, 99, 50);
    const HWND window = spin->GetHandle();
    Wheel(window, 240);
    EXPECT_TRUE(parent.notices.empty());
    SetFocus(window);
    Wheel(window, 240);
    EXPECT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(spin->value, 52);
    Wheel(window, 60);
    EXPECT_EQ(parent.notices.size(), 2u);
}

TEST_F(SpinTest, WhenNotEditableOnlyTheFourStepKeysAct) {
    voSpinBox* spin = Within(0, 99, 50);
    const HWND window = spin->GetHandle();
    spin->editable = false;
    PutText(parent.window, L"7");
    Key(window, 'A', 0);
    Type(window, L"9");
    for (UINT key : {0x58u /* X */, 0x56u /* V */, UINT{VK_BACK}}) Key(window, key, 0);
    EXPECT_EQ(spin->text, L"50");
    EXPECT_EQ(spin->anchorIndex, spin->caretIndex) << "not even select all";
    EXPECT_TRUE(parent.notices.empty());
    for (UINT key : {VK_UP, VK_PRIOR, VK_DOWN, VK_NEXT}) Key(window, key);
    ASSERT_EQ(parent.notices.size(), 4u);
    const int expected[] = {51, 61, 60, 50};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(parent.notices[i].value, expected[i]);
}

TEST_F(SpinTest, CopyCutAndPasteGoThroughTheRealClipboard) {
    voSpinBox* spin = Within(0, 999, 123);
    const HWND window = spin->GetHandle();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;  // Ctrl held for real, then the menu's form (lParam 0)
    SetKeyboardState(keys);
    Key(window, 'A');
    Key(window, 'C');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(ClipboardText(parent.window), L"123");

    // A cut the clipboard cannot take (another window holds it open) erases nothing.
    spin->anchorIndex = 1;
    spin->caretIndex = 3;
    ASSERT_TRUE(OpenClipboard(parent.window));
    Key(window, 'X', 0);
    CloseClipboard();
    EXPECT_EQ(spin->text, L"123");
    EXPECT_TRUE(parent.notices.empty());
    Key(window, 'X', 0);
    EXPECT_EQ(ClipboardText(parent.window), L"23");
    EXPECT_EQ(spin->value, 1);
    ASSERT_EQ(parent.notices.size(), 1u);

    PutText(parent.window, L"12a");
    Key(window, 'V', 0);
    EXPECT_EQ(spin->text, L"1");
    EXPECT_EQ(parent.notices.size(), 1u) << "a refused paste says nothing";
    Key(window, VK_BACK);
    PutText(parent.window, L"1234");
    Key(window, 'V', 0);
    EXPECT_EQ(spin->text, L"123");
    EXPECT_EQ(spin->caretIndex, 3);
    ASSERT_EQ(parent.notices.size(), 3u);
    EXPECT_EQ(parent.notices[2].value, 123);
}

TEST_F(SpinTest, TheContextMenusDeleteErasesFromTheCaretToTheEnd) {
    voSpinBox* spin = Within(0, 9999, 1234, 4);
    const HWND window = spin->GetHandle();
    spin->anchorIndex = spin->caretIndex = 1;
    SetCursorPos(TestParent::kScreenX + 40, TestParent::kScreenY + 30);
    // The fourth item, Delete, chosen in the menu's own loop.
    for (int item = 0; item < 4; ++item) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
    PumpUntil([&] { return !parent.notices.empty(); }, 1000);
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].text, L"1");
    EXPECT_EQ(parent.notices[0].value, 1);
}

TEST_F(SpinTest, AClickMakesTheCaretTheHighlightShowsWhileFocusedAndFocusLossIsForwarded) {
    voSpinBox* spin = Within(0, 999, 888);
    voSpinBox* other = Within(0, 9, 0, 1, kId + 1);
    const HWND window = spin->GetHandle();
    SetFocus(window);
    EXPECT_EQ(CaretWindow(), nullptr) << "focus alone makes no caret";
    const int origin = (spin->width - 17 - MeasureCaption(window, L"888", spin->font).cx) / 2;
    const int digit = MeasureCaption(window, L"8", spin->font).cx;
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, {origin + 1, 10});
    Send(window, WM_LBUTTONUP, 0, {origin + 1, 10});
    EXPECT_EQ(CaretWindow(), window);
    EXPECT_EQ(spin->caretIndex, 1) << "the first boundary at or right of the pointer";
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, origin + digit);
    EXPECT_EQ(caret.y, 2);

    Send(window, WM_LBUTTONDBLCLK, MK_LBUTTON, {origin + 1, 10});
    Send(window, WM_LBUTTONUP, 0, {origin + 1, 10});
    EXPECT_EQ(spin->anchorIndex, 0);
    EXPECT_EQ(spin->caretIndex, 3);
    SendMessageW(window, WM_KILLFOCUS, 0, 0);  // no caret in the picture read back
    SendMessageW(window, WM_SETFOCUS, 0, 0);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    auto isHighlight = [highlight](COLORREF c) { return ColourNear(c, highlight, 8); };
    const RECT field{0, 3, spin->width - 17, 19};
    const PixelImage selected = ReadWindowPixels(window);
    EXPECT_GT(Count(selected, field, isHighlight), 3 * digit * 16 / 2);
    EXPECT_GT(Count(selected, field, Ink), 20) << "the digits stay drawn over it";

    parent.Clear();
    SetFocus(other->GetHandle());
    EXPECT_EQ(CaretWindow(), nullptr);
    EXPECT_FALSE(spin->caretShown);
    EXPECT_EQ(Count(ReadWindowPixels(window), field, isHighlight), 0);
    SetFocus(window);
    SetFocus(nullptr);
    const auto sets = parent.Received(WM_SETFOCUS);
    const auto kills = parent.Received(WM_KILLFOCUS);
    ASSERT_EQ(sets.size(), 2u);  // the other spin box forwards its own loss too
    EXPECT_EQ(sets[0].wParam, reinterpret_cast<WPARAM>(window));
    ASSERT_EQ(kills.size(), 1u);
    EXPECT_EQ(kills[0].wParam, 0u);
}

TEST_F(SpinTest, PressedArrowsAndFileSkinsShowTheirPieces) {
    voSpinBox* spin = Make(20);
    const HWND window = spin->GetHandle();
    const PixelImage normal = ReadWindowPixels(window);
    spin->upArrowState = spin->downArrowState = 2;
    spin->Redraw(true);
    const PixelImage pressed = ReadWindowPixels(window);
    const RECT up{44, 2, 57, 10}, down{44, 11, 57, 19};
    int changedUp = 0, changedDown = 0, changedElsewhere = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 60; ++x) {
            const POINT p{x, y};
            const bool differs = !ColourNear(normal.At(x, y), pressed.At(x, y), 20);
            (PtInRect(&up, p)     ? changedUp
             : PtInRect(&down, p) ? changedDown
                                  : changedElsewhere) += differs;
        }
    EXPECT_GT(changedUp, 10);
    EXPECT_GT(changedDown, 10);
    EXPECT_EQ(changedElsewhere, 0);

    voSpinBox* files = Make(60, 60, kId + 1);
    voSpinBox* missing = Make(100, 60, kId + 2);
    UseDemoFiles(*files);
    UseDemoFiles(*missing);
    missing->SetSkinFile(1, L"resources\\no_such_piece.bmp");
    missing->SetSkinFile(3, L"resources\\no_such_piece.bmp");
    files->Redraw(true);
    missing->Redraw(true);
    const PixelImage drawn = ReadWindowPixels(files->GetHandle());
    const PixelImage bare = ReadWindowPixels(missing->GetHandle());
    ASSERT_EQ(drawn.height, 19);
    int differing = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 15; ++x) differing += !ColourNear(drawn.At(x, y), bare.At(x, y), 10);
    EXPECT_GT(differing, 15 * 19 / 2) << "left piece and body come from the files";
}

TEST_F(SpinTest, PaintingMakesAndLeaksNothing) {
    voSpinBox* plain = Within(0, 999, 123);
    voSpinBox* files = Make(60, 60, kId + 1);
    UseDemoFiles(*files);
    SetFocus(plain->GetHandle());
    // Five looks: normal, each arrow pressed, a selection, the file skin.
    auto paintLooks = [&](int paintsEach) {
        for (int look = 0; look < 5; ++look) {
            voSpinBox* spin = look == 4 ? files : plain;
            plain->upArrowState = look == 1 ? 2 : 0;
            plain->downArrowState = look == 2 ? 2 : 0;
            plain->anchorX = look == 3 ? 12 : plain->caretX;
            for (int paint = 0; paint < paintsEach; ++paint) {
                spin->text = paint % 2 ? L"12" : L"123";
                spin->Redraw(true);
            }
        }
    };
    paintLooks(2);
    PumpMessages();
    ExpectPaintsMakeNothing(paintLooks, 2000, 5 * 2000);
}

TEST_F(SpinTest, AMessageStormKeepsIndicesInTheTextAndTheValueWithinTheLimits) {
    voSpinBox* spin = Within(-50, 50, 7);
    const HWND window = spin->GetHandle();
    StormOptions options;
    options.seed = 12;
    options.messages = 1500;
    options.checkInvariants = [spin, window] {
        ASSERT_GE(spin->anchorIndex, 0);
        ASSERT_GE(spin->caretIndex, 0);
        ASSERT_LE(static_cast<std::size_t>(std::max(spin->anchorIndex, spin->caretIndex)),
                  spin->text.size());
        EXPECT_GE(spin->value, -50);
        EXPECT_LE(spin->value, 50);
        EXPECT_LE(spin->text.size(), 3u);
        EXPECT_TRUE(spin->upArrowState == 0 || (spin->upArrowState == 2 && spin->upHeld));
        EXPECT_TRUE(spin->downArrowState == 0 || (spin->downArrowState == 2 && spin->downHeld));
        EXPECT_TRUE(!spin->caretShown || GetFocus() == window);
        EXPECT_EQ(spin->height, 23);
    };
    EXPECT_TRUE(RunMessageStorm(window, options));
    EXPECT_FALSE(spin->upHeld || spin->downHeld) << "the last release ends any press";
    EXPECT_GT(parent.notices.size(), 20u);
}

TEST_F(SpinTest, AParentMayDeleteTheControlInsideEachNotification) {
    PutText(parent.window, L"5");
    struct Path {
        const char* name;
        UINT deleteOn;
        int deleteAt;  // the how-manieth such message deletes
        std::function<void(voSpinBox&, HWND)> act;
    };
    auto press = [](voSpinBox& s, HWND w) { Send(w, WM_LBUTTONDOWN, MK_LBUTTON, UpArrow(s)); };
    const Path paths[] = {
        {"arrow", WM_COMMAND, 1, press},
        {"repeat timer", WM_COMMAND, 2, press},
        {"double click on an arrow", WM_COMMAND, 1,
         [](voSpinBox& s, HWND w) { Send(w, WM_LBUTTONDBLCLK, MK_LBUTTON, UpArrow(s)); }},
        {"wheel", WM_COMMAND, 1, [](voSpinBox&, HWND w) { SetFocus(w), Wheel(w, 360); }},
        {"digit", WM_COMMAND, 1, [](voSpinBox&, HWND w) { Type(w, L"1"); }},
        {"delete", WM_COMMAND, 1, [](voSpinBox&, HWND w) { Key(w, VK_DELETE, 0); }},
        {"cut", WM_COMMAND, 1, [](voSpinBox&, HWND w) { Key(w, 'A', 0), Key(w, 'X', 0); }},
        {"paste", WM_COMMAND, 1, [](voSpinBox&, HWND w) { Key(w, 'V', 0); }},
        {"menu", WM_COMMAND, 1, [](voSpinBox&, HWND w) { SendMessageW(w, WM_COMMAND, 204, 0); }},
        {"focus", WM_SETFOCUS, 1,
         [this](voSpinBox&, HWND w) { SetFocus(w), SetFocus(parent.window); }},
    };
    for (const Path& path : paths) {
        voSpinBox* spin = Within(0, 99, 0, 2);
        const HWND window = spin->GetHandle();
        int seen = 0, commands = 0;
        parent.onMessage = [&](UINT message, WPARAM wParam) {
            commands += message == WM_COMMAND;
            const bool fromSpin = message == WM_COMMAND || reinterpret_cast<HWND>(wParam) == window;
            if (message == path.deleteOn && fromSpin && ++seen == path.deleteAt)
                parent.DeleteControl(kId);
        };
        path.act(*spin, window);
        PumpUntil([&] { return !IsWindow(window); }, 1000);
        PumpMessages(150);  // a repeat timer, had it outlived its window
        parent.onMessage = nullptr;
        EXPECT_FALSE(IsWindow(window)) << path.name;
        EXPECT_EQ(commands, path.deleteOn == WM_COMMAND ? path.deleteAt : 0)
            << path.name << ": nothing reported after the deletion";
        parent.DeleteControl(kId);
    }
}

// The looks, for a person to look at: VO_SHOT_BMP=<file> writes the parent's
// pixels, VO_HOLD_MS keeps it on screen for a while.
TEST_F(SpinTest, DISABLED_ShowEveryLook) {
    std::uint16_t id = 100;
    auto add = [&](int x, int y, int width, int value) {
        voSpinBox* spin = parent.Place(new voSpinBox(parent.window, id++, width), x, y);
        spin->minimum = -999;
        spin->maximum = 999;
        spin->maxLength = 4;
        spin->SetValue(value);
        return spin;
    };
    for (int alignment = 0; alignment < 3; ++alignment) {
        voSpinBox* spin = add(20, 20 + alignment * 30, 90, 42 * (alignment + 1));
        spin->alignment = alignment;
        spin->SetSize(90, 0);
    }
    add(140, 20, 60, 0)->FitToDigits(3);
    add(140, 50, 60, -17)->upArrowState = 2;
    add(140, 80, 60, 59)->downArrowState = 2;
    UseDemoFiles(*add(20, 120, 60, 12));
    voSpinBox* filedPressed = add(100, 120, 60, 7);
    UseDemoFiles(*filedPressed);
    filedPressed->upArrowState = 2;
    // Focused, with a selection dragged over the last two digits.
    const HWND focused = add(20, 160, 90, 345)->GetHandle();
    Send(focused, WM_MOUSEMOVE, 0, {30, 10});
    Send(focused, WM_LBUTTONDOWN, MK_LBUTTON, {30, 10});
    Send(focused, WM_MOUSEMOVE, MK_LBUTTON, {45, 10});
    Send(focused, WM_LBUTTONUP, 0, {45, 10});
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
