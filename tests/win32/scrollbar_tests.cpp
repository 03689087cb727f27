// The scroll bars on a real gradient parent under Wine: real repeat timers,
// notifications, focus, capture, the pictures, leaks, storms, a parent that
// deletes a bar in its notification, and a picture of the range controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/Compose.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pump.h"
#include "widgets/range/voHScrollBar.h"
#include "widgets/range/voHSlider.h"
#include "widgets/range/voVScrollBar.h"
#include "widgets/range/voVSlider.h"

namespace {

constexpr std::uint16_t kId = 51;

void Send(voAbstractControl* bar, UINT message, WPARAM wParam, int x = 0, int y = 0) {
    SendMessageW(bar->GetHandle(), message, wParam,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                            static_cast<WORD>(static_cast<short>(y))));
}
void Press(voAbstractControl* bar, int x, int y) { Send(bar, WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
void Release(voAbstractControl* bar) { Send(bar, WM_LBUTTONUP, 0); }

// The fields a bar keeps to itself.
struct Hidden : voScrollBar {
    using voScrollBar::gripLength;
    using voScrollBar::gripOffset;
    using voScrollBar::state;
};
int& State(voScrollBar* bar) { return bar->*(&Hidden::state); }
int GripOffset(voScrollBar* bar) { return bar->*(&Hidden::gripOffset); }
int GripLength(voScrollBar* bar) { return bar->*(&Hidden::gripLength); }

// Notes when each notification came.
class Parent : public DeletingParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) times.push_back(GetTickCount());
        return DeletingParent::WindowProc(message, wParam, lParam);
    }
    std::vector<DWORD> times;
};

SIZE ClientSize(voAbstractControl* control) {
    RECT client{};
    GetClientRect(control->GetHandle(), &client);
    return {client.right, client.bottom};
}

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path);
    return full.substr(0, full.find_last_of(L"\\/") + 1);
}

const std::vector<std::wstring> kHPieces = {
    L"HScrollBar_Left_Button",  L"HScrollBar_Clicked_Left_Button",
    L"HScrollBar_Right_Button", L"HScrollBar_Clicked_Right_Button",
    L"HScrollBar_Center",       L"HScrollBar_Grip",
    L"HScrollBar_Grip_Border",  L"HScrollBar_Clicked_Grip"};
const std::vector<std::wstring> kVPieces = {
    L"VScrollBar_Up_Button",   L"VScrollBar_Clicked_Up_Button",
    L"VScrollBar_Down_Button", L"VScrollBar_Clicked_Down_Button",
    L"VScrollBar_Center",      L"VScrollBar_Grip",
    L"VScrollBar_Grip_Border", L"VScrollBar_Clicked_Grip"};
const std::vector<std::wstring> kHFiles = {
    L"resources\\13_hscroll_left_button.bmp",   L"resources\\13_hscroll_clicked_left_button.bmp",
    L"resources\\13_hscroll_right_button.bmp",  L"resources\\13_hscroll_clicked_right_button.bmp",
    L"resources\\1x13_hscroll_center.bmp",      L"resources\\1x13_hscroll_grip.bmp",
    L"resources\\1x13_hscroll_grip_border.bmp", L"resources\\1x13_hscroll_clicked_grip.bmp"};

void UseFileSkins(voScrollBar* bar) {
    bar->skinSource = 1;
    for (int i = 1; i <= 8; ++i) bar->SetSkinFile(i, kHFiles[i - 1]);
    bar->buttonWidth = bar->buttonHeight = 13;
}

class ScrollBarTest : public ::testing::Test {
protected:
    // Each bar under an identifier of its own, so the parent files it.
    template <class Bar>
    Bar* Make(int extent, int x = 30, int y = 30) {
        return parent.Place(new Bar(parent.window, extent, nextId++), x, y);
    }
    std::vector<int> Positions() const {
        std::vector<int> positions;
        for (const auto& command : parent.Received(WM_COMMAND))
            positions.push_back(HIWORD(command.wParam));
        return positions;
    }
    void ExpectSentBy(voScrollBar* bar) const {
        for (const auto& command : parent.Received(WM_COMMAND)) {
            EXPECT_EQ(LOWORD(command.wParam), bar->controlId);
            EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(bar));
        }
    }

    std::unique_ptr<Parent> owner = std::make_unique<Parent>();
    Parent& parent = *owner;
    std::uint16_t nextId = kId;
};

}  // namespace

TEST_F(ScrollBarTest, TheWindowTakesTheLengthAlongTheAxisAndTheButtonThickness) {
    voScrollBar* h = Make<voHScrollBar>(10);
    voScrollBar* v = Make<voVScrollBar>(10, 300, 30);
    EXPECT_EQ(h->kind, 8);
    EXPECT_EQ(v->kind, 9);
    EXPECT_EQ(GripOffset(h), 17) << "an empty range puts the grip at its start";
    const SIZE built[] = {ClientSize(h), ClientSize(v)};
    h->SetSize(260, 99);
    v->SetSize(99, 260);
    const SIZE sized[] = {ClientSize(h), ClientSize(v)};
    UseFileSkins(h);
    h->SetSize(0, 0);
    const LONG sizes[] = {built[0].cx,      built[0].cy,     built[1].cx, built[1].cy,
                          sized[0].cx,      sized[0].cy,     sized[1].cx, sized[1].cy,
                          ClientSize(h).cx, ClientSize(h).cy};
    // Built, sized, and with 13-pixel file skins at the least length.
    EXPECT_EQ(std::vector<LONG>(sizes, sizes + 10),
              (std::vector<LONG>{64, 21, 21, 72, 260, 21, 21, 260, 54, 13}));
}

TEST_F(ScrollBarTest, AHeldArrowOrTrackStepsAtOnceAfter400msThenEvery100msUntilTheRelease) {
    struct Case {
        bool horizontal;
        POINT press;
        std::vector<int> first;                       // positions of the first notifications
    } cases[] = {{true, {250, 10}, {400, 500, 500}},  // right arrow, line step 100
                 {false, {10, 200}, {100, 200, 300, 400, 400}}};  // track below the grip
    for (const Case& c : cases) {
        voScrollBar* bar = c.horizontal
                               ? static_cast<voScrollBar*>(Make<voHScrollBar>(260))
                               : static_cast<voScrollBar*>(Make<voVScrollBar>(260, 300, 30));
        bar->lineStep = 100;
        bar->SetRange(600, 100, c.horizontal ? 300 : 0);
        parent.Clear();
        parent.times.clear();
        Press(bar, c.press.x, c.press.y);
        ASSERT_EQ(Positions().size(), 1u) << "the first step comes with the press";
        PumpMessages(960);
        const std::size_t held = Positions().size();
        Release(bar);
        PumpMessages(300);
        const std::vector<int> positions = Positions();
        ASSERT_EQ(positions.size(), held + 1) << "the release notifies once, and the repeat stops";
        EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), positions.begin()));
        EXPECT_EQ(positions.back(), c.first.back());
        ExpectSentBy(bar);
        // Steps at 0, 400, 500, ... 900 ms. A loaded machine delivers timers
        // late, never early: the bounds are loose above.
        EXPECT_GE(held, 5u);
        EXPECT_LE(held, 8u);
        const auto& t = parent.times;
        EXPECT_GE(static_cast<int>(t[1] - t[0]), 385);
        EXPECT_LE(static_cast<int>(t[1] - t[0]), 520);
        std::vector<int> gaps;
        for (std::size_t i = 2; i < held; ++i) gaps.push_back(static_cast<int>(t[i] - t[i - 1]));
        std::sort(gaps.begin(), gaps.end());
        EXPECT_GE(gaps[gaps.size() / 2], 85);
        EXPECT_LE(gaps[gaps.size() / 2], 150);
    }
}

TEST_F(ScrollBarTest, KeysAndTheWheelNotifyTheLow16BitsAndOnlyAFocusLostToNoWindowIsForwarded) {
    voScrollBar* bar = Make<voVScrollBar>(200);
    bar->lineStep = 20000;
    bar->SetRange(100000, 0, 70000);
    Send(bar, WM_KEYDOWN, VK_TAB);  // any key notifies
    Send(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA));
    Send(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA));
    bar->lineStep = 0;
    Send(bar, WM_KEYDOWN, VK_DOWN);  // the default step moves nothing but still notifies
    EXPECT_EQ(Positions(),
              (std::vector<int>{70000 - 65536, 50000, 30000, 10000, 0, 20000, 40000, 40000}));
    ExpectSentBy(bar);

    voScrollBar* other = Make<voHScrollBar>(100, 30, 250);
    for (HWND next : {other->GetHandle(), static_cast<HWND>(nullptr)}) {
        Press(bar, 10, 100);
        Release(bar);
        ASSERT_EQ(GetFocus(), bar->GetHandle());
        parent.Clear();
        SetFocus(next);
        EXPECT_FALSE(bar->focused);
        EXPECT_TRUE(parent.Received(WM_SETFOCUS).empty());
        EXPECT_EQ(parent.Received(WM_KILLFOCUS).size(), next == nullptr ? 1u : 0u);
    }
}

TEST_F(ScrollBarTest, ARealDragFollowsThePointerOutsideTheBarAndClampsAtBothEnds) {
    voScrollBar* bar = Make<voHScrollBar>(260, 40, 60);
    bar->SetRange(600, 100, 250);  // grip 111 .. 148
    auto moveTo = [&](int x, int y) {
        POINT point{x, y};
        ClientToScreen(bar->GetHandle(), &point);
        SetCursorPos(point.x, point.y);
        PumpMessages(30);
    };
    auto button = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof(INPUT));
        PumpMessages(30);
    };
    moveTo(120, 10);
    button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(State(bar), 3);
    moveTo(700, 90);  // far right and below the bar
    EXPECT_EQ(GripOffset(bar), 205);
    EXPECT_EQ(bar->position, 500u);
    moveTo(-60, -40);
    EXPECT_EQ(GripOffset(bar), 17);
    EXPECT_EQ(bar->position, 0u);
    moveTo(60, 200);
    EXPECT_GT(bar->position, 0u);
    const std::size_t moved = Positions().size();
    EXPECT_GE(moved, 3u);
    button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(State(bar), 0);
    EXPECT_NE(GetCapture(), bar->GetHandle());
    ASSERT_EQ(Positions().size(), moved + 1);
    EXPECT_EQ(Positions().back(), static_cast<int>(bar->position));
}

namespace {

// The bar as its pieces should compose it, for a grip from `offset`, `length` long.
std::vector<PieceLayer> BarLayers(bool horizontal, SkinSource source,
                                  const std::vector<std::wstring>& pieces, int arrow, int thickness,
                                  int extent, int offset, int length, int state) {
    auto at = [&](int piece, int along, int alongSize, int count = 1) {
        return PieceLayer{pieces[piece - 1],
                          source,
                          horizontal ? along : 0,
                          horizontal ? 0 : along,
                          horizontal ? alongSize : thickness,
                          horizontal ? thickness : alongSize,
                          count,
                          !horizontal};
    };
    return {at(state == 1 ? 2 : 1, 0, arrow),
            at(5, arrow, 1, extent - 2 * arrow),
            at(7, offset, 1),
            at(7, offset + length, 1),
            at(state == 3 ? 8 : 6, offset + 1, 1, length - 1),
            at(state == 2 ? 4 : 3, extent - arrow - (horizontal ? 1 : 0), arrow)};
}

}  // namespace

TEST_F(ScrollBarTest, EachLookShowsItsPiecesWithTheGripAtItsPlace) {
    voScrollBar* h = Make<voHScrollBar>(260, 30, 30);
    voScrollBar* v = Make<voVScrollBar>(260, 320, 30);
    struct Look {
        voScrollBar* bar;
        POINT press;  // none when x < 0
        int state;
    } looks[] = {{h, {-1, 0}, 0}, {h, {5, 10}, 1},   {h, {120, 10}, 3},
                 {v, {-1, 0}, 0}, {v, {10, 250}, 2}, {v, {10, 120}, 3}};
    for (const Look& look : looks) {
        const bool horizontal = look.bar == h;
        look.bar->SetRange(600, 100, 250);  // grip 111 .. 148 on both bars
        const PixelImage background = BackgroundBehind(*look.bar);
        if (look.press.x >= 0) Press(look.bar, look.press.x, look.press.y);
        const PixelImage expected =
            ComposePieces(background, BarLayers(horizontal, SkinSource::Resource,
                                                horizontal ? kHPieces : kVPieces, 18, 21, 260, 111,
                                                37, look.state));
        EXPECT_TRUE(SameImage(ReadWindowPixels(look.bar->GetHandle()), expected, 2))
            << "state " << look.state << (horizontal ? " horizontal" : " vertical");
        Release(look.bar);
        // The oracle tells a grip one pixel away from the right one.
        const PixelImage shifted = ComposePieces(
            background, BarLayers(horizontal, SkinSource::Resource,
                                  horizontal ? kHPieces : kVPieces, 18, 21, 260, 112, 37, 0));
        EXPECT_FALSE(SameImage(ReadWindowPixels(look.bar->GetHandle()), shifted, 2));
    }

    // The 13-pixel file skins of the third demonstration window.
    ASSERT_TRUE(SetCurrentDirectoryW(ExecutableFolder().c_str()));
    UseFileSkins(h);
    h->SetSize(200, 0);
    h->SetRange(600, 100, 0);
    EXPECT_EQ(GripOffset(h), 12);
    const PixelImage expected = ComposePieces(
        BackgroundBehind(*h),
        BarLayers(true, SkinSource::File, kHFiles, 13, 13, 200, 12, GripLength(h), 0));
    EXPECT_TRUE(SameImage(ReadWindowPixels(h->GetHandle()), expected, 2));
}

TEST_F(ScrollBarTest, TenThousandPaintsOfEveryLookMakeAndLeakNothing) {
    ASSERT_TRUE(SetCurrentDirectoryW(ExecutableFolder().c_str()));
    voScrollBar* bars[] = {Make<voHScrollBar>(260, 30, 30), Make<voVScrollBar>(260, 320, 30),
                           Make<voHScrollBar>(200, 30, 100)};
    UseFileSkins(bars[2]);
    auto paintLooks = [&](int paintsEach) {
        for (voScrollBar* bar : bars)
            for (int state = 0; state <= 4; ++state) {
                State(bar) = state;
                for (int paint = 0; paint < paintsEach; ++paint)
                    bar->SetRange(600, 100, paint % 2 == 0 ? 250 : 0);  // composes anew
            }
    };
    paintLooks(2);
    PumpMessages();
    ExpectPaintsMakeNothing(paintLooks, 667, 10005);  // 3 bars x 5 states x 667 = 10,005 paints
}

TEST_F(ScrollBarTest, MessageStormsKeepTheGripOnTheTrackAndLeaveNoRepeatRunning) {
    unsigned seed = 11;
    for (voScrollBar* bar : {static_cast<voScrollBar*>(Make<voHScrollBar>(260, 30, 30)),
                             static_cast<voScrollBar*>(Make<voVScrollBar>(200, 320, 30))}) {
        bar->lineStep = 37;
        bar->SetRange(1000, 150, 400);
        const SIZE size = ClientSize(bar);
        StormOptions options;
        options.seed = seed++;
        options.checkInvariants = [&] {
            ASSERT_GE(State(bar), 0);
            ASSERT_LE(State(bar), 4);
            EXPECT_GE(GripLength(bar), 20);
            EXPECT_LE(GripLength(bar), bar->trackLength * 9 / 10);
            EXPECT_GE(GripOffset(bar), 17);
            EXPECT_LE(GripOffset(bar) + GripLength(bar), 18 + bar->trackLength);
            EXPECT_LE(bar->position, 850u);
            EXPECT_EQ(ClientSize(bar).cx + ClientSize(bar).cy, size.cx + size.cy);
        };
        EXPECT_TRUE(RunMessageStorm(bar->GetHandle(), options));
        EXPECT_EQ(State(bar), 0);
        const std::size_t after = Positions().size();
        PumpMessages(600);
        EXPECT_EQ(Positions().size(), after) << "a repeat timer is still running";
    }
}

TEST_F(ScrollBarTest, AParentThatDeletesTheBarInItsNotificationStopsEverythingThere) {
    const std::pair<int, std::function<void(voScrollBar*)>> triggers[] = {
        {1, [](voScrollBar* bar) { Press(bar, 5, 10); }},    // the step it sends itself
        {2, [](voScrollBar* bar) { Press(bar, 250, 10); }},  // the first repeat
        {1,
         [](voScrollBar* bar) {
             Press(bar, 30, 10);  // on the grip
             Send(bar, WM_MOUSEMOVE, MK_LBUTTON, 60, 10);
         }},
        {1,
         [](voScrollBar* bar) {
             Press(bar, 30, 10);
             Release(bar);
         }},
        {1, [](voScrollBar* bar) { Send(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)); }},
    };
    for (const auto& [deleteOn, act] : triggers) {
        voScrollBar* bar = Make<Doomed<voHScrollBar>>(260);
        bar->lineStep = 10;
        bar->SetRange(600, 100, 0);
        const HWND window = bar->GetHandle();
        parent.Clear();
        parent.deleteOn = deleteOn;
        act(bar);  // a touch of the deleted bar faults
        PumpMessages(deleteOn == 2 ? 700 : 100);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Positions().size(), static_cast<std::size_t>(deleteOn));
    }
}

// The four range controls as the demonstration windows set them up, for a
// person to look at: VO_SHOT_BMP=<file> writes the parent's pixels,
// VO_HOLD_MS keeps it on screen for a while.
//   VO_SHOT_BMP='Z:\tmp\range.bmp' tools/wine-run.sh build/win64/bin/scrollbar_tests.exe
//       --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_ShowTheRangeControls*
TEST(RangeLooks, DISABLED_ShowTheRangeControls) {
    SetCurrentDirectoryW(ExecutableFolder().c_str());
    TestParent parent(430, 290);
    auto* h = new voHSlider(parent.window, 32);  // configured before it is shown
    h->SetSize(10, 0);
    h->labelStep = 10;
    h->labelPrefix = L'-';
    h->labelSuffix = L'%';
    h->selectedIndex = 3;
    parent.Place(h, 20, 16);
    auto* v = new voVSlider(parent.window, 33);
    v->SetSize(0, 10);
    v->labelStep = 10;
    v->labelSuffix = L'%';
    v->selectedIndex = 6;
    parent.Place(v, 370, 16);
    parent.Place(new voHScrollBar(parent.window, 260, 40), 20, 70)->SetRange(600, 100, 250);
    auto* pressed = parent.Place(new voHScrollBar(parent.window, 260, 41), 20, 100);
    pressed->SetRange(600, 100, 0);
    Press(pressed, 30, 10);  // the dragging look
    parent.Place(new voVScrollBar(parent.window, 200, 42), 295, 70)->SetRange(600, 100, 500);
    auto* files = parent.Place(new voHScrollBar(parent.window, 200, 43), 20, 140);
    UseFileSkins(files);
    files->SetSize(200, 0);
    files->SetRange(600, 150, 200);
    PumpMessages(50);
    if (const wchar_t* file = _wgetenv(L"VO_SHOT_BMP")) {
        const PixelImage image = ReadWindowPixels(parent.window);
        WriteBitmapFile(file, image.width, image.height, [&](int x, int y) {
            return image.pixels[static_cast<std::size_t>(y) * image.width + x];
        });
    }
    const char* hold = std::getenv("VO_HOLD_MS");
    PumpMessages(hold != nullptr ? static_cast<DWORD>(std::atoi(hold)) : 0);
    Release(pressed);
}
