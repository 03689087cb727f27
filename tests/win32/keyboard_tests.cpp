// Keyboard use under Wine with real key input (SendInput to the foreground
// window): Tab and Shift+Tab through the first demonstration window, the
// activation keys against the clicks they stand for, and the focus cue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "demo/DemoWindowI.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/buttons/voGripButton.h"
#include "widgets/buttons/voRadioButton.h"
#include "widgets/buttons/voTextLink.h"
#include "widgets/lists/voComboBox.h"
#include "widgets/lists/voComboBoxList.h"
#include "widgets/range/voHSlider.h"
#include "widgets/text/voStaticText.h"
#include "widgets/text/voTextBox.h"

namespace {

void SendKey(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
    // The thread's key state changes as the key's message is taken from the queue.
    PumpUntil([&] { return (GetKeyState(key) < 0) == down; });
    PumpMessages();
}

void Tap(WORD key, bool shift = false) {
    if (shift) SendKey(VK_SHIFT, true);
    SendKey(key, true);
    SendKey(key, false);
    if (shift) SendKey(VK_SHIFT, false);
}

// A real left click at a point of the control's client area.
void ClickAt(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, &point);
    SetCursorPos(point.x, point.y);
    PumpMessages(15);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    PumpMessages(40);
}

void ClickCentre(voAbstractControl& control) {
    ClickAt(control.GetHandle(), control.width / 2, control.height / 2);
}

void BringForward(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    PumpMessages(30);
}

int FocusedId(const voAbstractGradientWindow& window) {
    const HWND focus = GetFocus();
    for (int id = 1; id <= 64; ++id)
        if (voAbstractControl* control = window.GetControl(id))
            if (control->GetHandle() == focus) return id;
    return 0;
}

bool SameCommands(const std::vector<RecordedMessage>& a, const std::vector<RecordedMessage>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.message == y.message && x.wParam == y.wParam && x.lParam == y.lParam;
    });
}

int Luminance(COLORREF colour) {
    return (GetRValue(colour) * 3 + GetGValue(colour) * 6 + GetBValue(colour)) / 10;
}

bool OnCueFrame(int x, int y, int width, int height) {
    const bool inside = x >= 1 && y >= 1 && x <= width - 2 && y <= height - 2;
    return inside && (x == 1 || y == 1 || x == width - 2 || y == height - 2);
}

TEST(Keyboard, TabWalksWindowOneRowByRowAndShiftTabWalksBack) {
    DemoWindowI demo;
    SetWindowPos(demo.window, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    demo.Show(true);
    BringForward(demo.window);
    // Every control a person can operate, disabled ones left out (buttons 2
    // to 10, check boxes 28 and 29); the scroll bars and sliders last.
    const std::vector<int> stops = {1,  23, 22, 24, 19, 21, 20, 25, 26, 27, 11,
                                    12, 13, 14, 15, 16, 30, 32, 33, 31, 34};
    auto walk = [&](bool backwards) {
        SetFocus(demo.GetControl(stops.front())->GetHandle());
        std::vector<int> visited;
        for (std::size_t step = 0; step < stops.size(); ++step) {
            Tap(VK_TAB, backwards);
            visited.push_back(FocusedId(demo));
        }
        return visited;
    };
    std::vector<int> forward(stops.begin() + 1, stops.end());
    forward.push_back(stops.front());
    EXPECT_EQ(walk(false), forward);
    std::vector<int> backward(stops.rbegin(), stops.rend() - 1);
    backward.push_back(stops.front());
    EXPECT_EQ(walk(true), backward);

    // Disabled now, the check box is passed over.
    static_cast<voCheckBox*>(demo.GetControl(30))->SetEnabled(false);
    SetFocus(demo.GetControl(16)->GetHandle());
    Tap(VK_TAB);
    EXPECT_EQ(FocusedId(demo), 32);
}

// Each activation key against the click it stands for, on the same control:
// the same notifications in the same order, with the same wParam and lParam.
TEST(Keyboard, ActivationKeysNotifyAsClicksDo) {
    TestParent parent;
    BringForward(parent.window);
    std::vector<RecordedMessage> opened;  // the text link's opener stands for its notification
    struct Case {
        const char* name;
        voAbstractControl* control;
        WORD key;
        bool clicksOnRelease;
        std::function<void()> reset;
        POINT at;
    };
    auto* box = parent.Place(new voCheckBox(parent.window, 41, 0), 20, 20);
    box->SetText(L"Check box");
    box->FitToText();
    auto* radio = parent.Place(new voRadioButton(parent.window, 42, 0), 20, 45);
    radio->SetText(L"Radio button");
    radio->FitToText();
    auto* push = parent.Place(new voButton(parent.window, 43, 90, vo::kButtonNormal), 20, 70);
    push->SetText(L"Push");
    auto* pair = parent.Place(new voDoubleButton(parent.window, 44, 40), 20, 110);
    pair->firstCaption = L"One";
    pair->secondCaption = L"Two";
    auto* grip = parent.Place(new voGripButton(parent.window, 45), 20, 150);
    auto* link = parent.Place(new voTextLink(parent.window, 46), 20, 170);
    link->SetText(L"a link");
    link->FitToText();
    link->target = L"somewhere";
    link->openTarget = [&](const std::wstring&) {
        opened.push_back({WM_APP, 46, 0, 0, 0, nullptr});
    };
    const Case cases[] = {
        {"check box", box, VK_SPACE, true, [&] { box->SetChecked(false); }, {5, 5}},
        {"radio button", radio, VK_SPACE, true, [&] { radio->SetChecked(false); }, {5, 5}},
        {"push button", push, VK_SPACE, true, [] {}, {45, 10}},
        {"double button",
         pair,
         VK_SPACE,
         false,
         [&] { pair->SetChecked(true); },
         {pair->width - 10, 10}},
        {"grip", grip, VK_SPACE, true, [] {}, {18, 3}},
        {"text link", link, VK_RETURN, false, [] {}, {5, 5}},
    };
    auto told = [&] {
        std::vector<RecordedMessage> all = parent.Received(WM_COMMAND);
        all.insert(all.end(), opened.begin(), opened.end());
        return all;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        parent.Clear();
        opened.clear();
        ClickAt(c.control->GetHandle(), c.at.x, c.at.y);
        const std::vector<RecordedMessage> byClick = told();
        ASSERT_FALSE(byClick.empty());

        c.reset();
        SetFocus(c.control->GetHandle());
        PumpMessages(15);
        parent.Clear();
        opened.clear();
        SendKey(c.key, true);
        EXPECT_EQ(told().empty(), c.clicksOnRelease) << "told at the key's down";
        SendKey(c.key, false);
        EXPECT_TRUE(SameCommands(told(), byClick));
    }
}

// Controls a mouse drives with drags and pop-ups: the slider steps with the
// arrows, the combo box opens on F4, and Tab leaves the text box's editor.
TEST(Keyboard, SliderComboBoxAndTextBoxAnswerTheirKeys) {
    TestParent parent;
    BringForward(parent.window);
    auto* slider = parent.Place(new voHSlider(parent.window, 51), 20, 20);
    auto* combo = parent.Place(new voComboBox(parent.window, 52, 120), 20, 80);
    auto* list = new voComboBoxList(parent.window, 53, &parent);
    list->itemHeight = 20;
    combo->SetList(list);
    combo->AddItem(L"One", L"", 0, 0, 1);
    combo->AddItem(L"Two", L"", 0, 0, 2);
    auto* box = parent.Place(new voTextBox(parent.window, 54), 20, 200);
    box->SetSize(150, 60);
    auto* after = parent.Place(new voCheckBox(parent.window, 55, 60), 200, 200);

    SetFocus(slider->GetHandle());
    parent.Clear();
    Tap(VK_RIGHT);
    EXPECT_EQ(slider->selectedIndex, 1u);
    Tap(VK_HOME);
    Tap(VK_HOME);  // already at the start: nothing to tell
    EXPECT_EQ(slider->selectedIndex, 0u);
    const std::vector<RecordedMessage> moved = parent.Received(WM_COMMAND);
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0].wParam, 51u);
    EXPECT_EQ(moved[0].lParam, reinterpret_cast<LPARAM>(slider->GetHandle()));

    SetFocus(combo->GetHandle());
    Tap(VK_F4);
    EXPECT_TRUE(IsWindowVisible(list->GetHandle()));
    EXPECT_EQ(GetFocus(), list->GetHandle());
    Tap(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(list->GetHandle()));

    SetFocus(combo->GetHandle());
    Tap(VK_TAB);
    EXPECT_EQ(GetFocus(), box->richEdit) << "the box hands the keys to its editor";
    Tap(VK_TAB);
    EXPECT_EQ(GetFocus(), after->GetHandle());
    EXPECT_EQ(box->GetText(), L"") << "the Tab that left typed nothing";
}

TEST(Keyboard, TabOnAWindowHoldingTheFocusItselfReachesItsFirstOrLastStop) {
    TestParent parent;
    BringForward(parent.window);
    auto* first = parent.Place(new voCheckBox(parent.window, 41, 60), 20, 20);
    parent.Place(new voStaticText(parent.window, 42, 60), 20, 40);  // no tab stop
    auto* last = parent.Place(new voCheckBox(parent.window, 43, 60), 20, 60);
    SetFocus(parent.window);
    Tap(VK_TAB);
    EXPECT_EQ(GetFocus(), first->GetHandle());
    SetFocus(parent.window);
    Tap(VK_TAB, true);
    EXPECT_EQ(GetFocus(), last->GetHandle());
}

TEST(Keyboard, FocusCueShowsAfterTabNotAfterAClick) {
    TestParent parent;
    BringForward(parent.window);
    auto* first = parent.Place(new voCheckBox(parent.window, 41, 0), 20, 20);
    auto* second = parent.Place(new voCheckBox(parent.window, 42, 0), 20, 50);
    for (voCheckBox* box : {first, second}) {
        box->SetText(L"Focus me");
        box->FitToText();
    }
    const HWND window = first->GetHandle();
    ClickCentre(*first);
    ASSERT_EQ(GetFocus(), window);
    const PixelImage clicked = ReadWindowPixels(window);
    SetFocus(parent.window);
    PumpMessages(15);
    EXPECT_EQ(ReadWindowPixels(window).pixels, clicked.pixels) << "a click shows no cue";

    SetFocus(window);
    Tap(VK_TAB);
    Tap(VK_TAB, true);
    ASSERT_EQ(GetFocus(), window);
    const PixelImage keyed = ReadWindowPixels(window);
    int frame = 0;
    int frameChanged = 0;
    for (int y = 0; y < keyed.height; ++y) {
        for (int x = 0; x < keyed.width; ++x) {
            const bool changed = keyed.At(x, y) != clicked.At(x, y);
            if (OnCueFrame(x, y, keyed.width, keyed.height)) {
                ++frame;
                frameChanged += changed;
            } else {
                EXPECT_FALSE(changed) << "off the cue at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(frameChanged, frame * 3 / 4);
    // Seen on any skin: its dots alternate dark and light.
    for (int x = 1; x + 1 <= keyed.width - 2; ++x)
        EXPECT_GT(std::abs(Luminance(keyed.At(x, 1)) - Luminance(keyed.At(x + 1, 1))), 120) << x;

    // Once the keyboard was used, a click does not hide it again.
    ClickCentre(*second);
    ASSERT_EQ(GetFocus(), second->GetHandle());
    const PixelImage secondKeyed = ReadWindowPixels(second->GetHandle());
    EXPECT_NE(secondKeyed.At(1, 1), secondKeyed.At(2, 1));
}

TEST(Keyboard, DrawingTheCueMakesNothing) {
    TestParent parent;
    auto* box = parent.Place(new voCheckBox(parent.window, 41, 0), 20, 20);
    box->SetText(L"Leak check");
    box->FitToText();
    SetFocus(box->GetHandle());
    // Each change composes the picture again, with the cue and without.
    auto toggle = [&](int times) {
        for (int i = 0; i < times; ++i)
            SendMessageW(box->GetHandle(), WM_CHANGEUISTATE,
                         MAKEWPARAM(i % 2 ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS), 0);
    };
    toggle(2);
    PumpMessages();
    ExpectPaintsMakeNothing(toggle, 10000, 10000);  // every change painted once
}

// The parent deletes the control from inside what it is told: at the focus
// loss Tab causes, and at the click Space gives.
class DeletingOnFocusLoss : public DeletingParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DeletingParent::WindowProc(message, wParam, lParam);
        if (message == WM_SETFOCUS && doomed != 0 && controls.count(doomed) != 0 &&
            reinterpret_cast<HWND>(wParam) == controls[doomed]->GetHandle())
            Discard(doomed);
        return result;
    }
    int doomed = 0;
};

TEST(Keyboard, ParentMayDeleteTheControlAKeyActsOn) {
    FaultCounter faults;
    DeletingOnFocusLoss parent;
    BringForward(parent.window);
    auto* tabbed = parent.Place(new Doomed<voCheckBox>(parent.window, 41, 0), 20, 20);
    auto* next = parent.Place(new voCheckBox(parent.window, 42, 0), 20, 50);
    auto* spaced = parent.Place(new Doomed<voCheckBox>(parent.window, 43, 0), 20, 80);
    parent.doomed = 41;
    SetFocus(tabbed->GetHandle());
    Tap(VK_TAB);
    EXPECT_EQ(parent.GetControl(41), nullptr);
    EXPECT_EQ(GetFocus(), next->GetHandle());

    parent.deleteOn = 1;
    SetFocus(spaced->GetHandle());
    PumpMessages(15);
    parent.Clear();
    Tap(VK_SPACE);
    EXPECT_EQ(parent.GetControl(43), nullptr);
    EXPECT_EQ(faults.Faults(), 0);
}

}  // namespace
