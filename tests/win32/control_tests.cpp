// The abstract control and the skin primitives on real windows under Wine:
// background requests, focus and click notifications, the paint frame read
// back from the screen, GDI balance over many paints, and a message storm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control/ControlLogic.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "harness/ImportPatch.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/TestParent.h"

namespace {

// A control built the way the library's controls are: its own message map,
// WM_PAINT entering the shared paint frame, and content the test supplies.
class ProbeControl : public voAbstractControl {
public:
    ProbeControl(HWND parent, std::uint16_t identifier, int w = 50, int h = 30)
        : voAbstractControl(parent, identifier, WS_CHILD) {
        messages.Insert(WM_PAINT, &ProbeControl::OnPaint);
        SetSize(w, h);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return Route(messages, message, wParam, lParam);
    }
    using voAbstractControl::NotifyParent;

    std::function<void(HDC)> content;
    int paints = 0;

protected:
    void PaintContent(HDC dc) override {
        if (content) content(dc);
    }

private:
    LRESULT OnPaint(UINT, WPARAM, LPARAM) {
        ++paints;
        return PaintFrame();
    }
    voMessageMap<ProbeControl> messages;
};

// Forwards its focus loss to the parent, as the check box and the sliders do.
class FocusForwardingControl : public voAbstractControl {
public:
    FocusForwardingControl(HWND parent, std::uint16_t identifier)
        : voAbstractControl(parent, identifier, WS_CHILD) {
        messages.Insert(WM_KILLFOCUS, &FocusForwardingControl::ForwardFocusLoss);
        SetSize(40, 20);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return Route(messages, message, wParam, lParam);
    }

private:
    voMessageMap<FocusForwardingControl> messages;
};

// Counts InvalidateRect calls per window, to tell "repainted" from "left alone"
// without relying on a hidden window's paint (which never comes anyway).
using InvalidateRectFunction = BOOL(WINAPI*)(HWND, const RECT*, BOOL);
InvalidateRectFunction realInvalidateRect = nullptr;
std::map<HWND, int> invalidations;

BOOL WINAPI CountingInvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    ++invalidations[window];
    return realInvalidateRect(window, rect, erase);
}

class InvalidationCounter {
public:
    InvalidationCounter() {
        invalidations.clear();
        realInvalidateRect = reinterpret_cast<InvalidateRectFunction>(PatchImport(
            "user32.dll", "InvalidateRect", reinterpret_cast<void*>(&CountingInvalidateRect)));
    }
    ~InvalidationCounter() {
        if (realInvalidateRect != nullptr)
            PatchImport("user32.dll", "InvalidateRect", reinterpret_cast<void*>(realInvalidateRect));
    }
    bool Installed() const { return realInvalidateRect != nullptr; }
    int For(HWND window) const {
        auto found = invalidations.find(window);
        return found == invalidations.end() ? 0 : found->second;
    }
};

// Counts AlphaBlend calls, to see how a three-piece skin is composited.
using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                         BLENDFUNCTION);
AlphaBlendFunction realAlphaBlend = nullptr;
int alphaBlends = 0;

BOOL WINAPI CountingAlphaBlend(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy,
                               int sw, int sh, BLENDFUNCTION blend) {
    ++alphaBlends;
    return realAlphaBlend(target, x, y, w, h, source, sx, sy, sw, sh, blend);
}

// What a premultiplied pixel over an opaque background looks like.
COLORREF Composite(std::uint32_t piece, COLORREF background) {
    const int alpha = static_cast<int>(piece >> 24);
    auto channel = [&](int shift, int under) {
        return static_cast<int>((piece >> shift) & 0xFF) + under * (255 - alpha) / 255;
    };
    return RGB(channel(16, GetRValue(background)), channel(8, GetGValue(background)),
               channel(0, GetBValue(background)));
}

int Grey(COLORREF colour) { return GetRValue(colour); }
bool IsGrey(COLORREF colour) {
    return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
}

// Where a child stands in its parent's client area, as the system sees it.
POINT PlaceInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top};
}

// Paints pending windows and lets Wine put its window surfaces on the screen.
// Bounded in time: a window that never validates itself gets WM_PAINT without
// end, and should fail its test rather than hang it.
void Settle(DWORD milliseconds = 30) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (GetTickCount() - start < milliseconds &&
               PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { parent = std::make_unique<TestParent>(); }
    void TearDown() override { parent.reset(); }

    // A control on the parent, filed there (the parent deletes it) but not yet placed.
    template <class Control = ProbeControl, class... Args>
    Control* Add(std::uint16_t identifier, Args... args) {
        auto* control = new Control(parent->window, identifier, args...);
        parent->AddControl(identifier, control);
        return control;
    }

    std::vector<RecordedMessage> Requests() const { return parent->Received(WM_NOTIFY); }

    std::unique_ptr<TestParent> parent;
};

// --- Background requests and geometry --------------------------------------

using ControlRequests = ControlTest;

TEST_F(ControlRequests, FirstShowAsksForTheGradientAndASecondShowOnlyRepaints) {
    ProbeControl* control = Add(7);
    parent->Clear();
    ASSERT_TRUE(control->Show(true));
    const auto requests = Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].notifyCode, 0u);
    EXPECT_EQ(requests[0].notifyId, 7u);
    EXPECT_EQ(requests[0].notifyFrom, control->ownWindow);
    EXPECT_EQ(requests[0].wParam, reinterpret_cast<WPARAM>(parent->window));
    // The parent answered inside the call.
    EXPECT_TRUE(control->parentGradientKnown);
    EXPECT_EQ(control->parentWidth, 370);
    EXPECT_EQ(control->parentHeight, 340);
    EXPECT_EQ(control->gradientStart, 0xC8C8C8u);
    EXPECT_EQ(control->gradientEnd, 0xE6E6E6u);
    EXPECT_TRUE(control->gradientHorizontal);
    EXPECT_TRUE(IsWindowVisible(control->ownWindow));
    EXPECT_GE(control->paints, 1);

    const int paints = control->paints;
    ASSERT_TRUE(control->Show(true));
    EXPECT_EQ(Requests().size(), 1u);
    EXPECT_EQ(control->paints, paints + 1);

    ASSERT_TRUE(control->Show(false));
    EXPECT_FALSE(control->visible);
    EXPECT_FALSE(IsWindowVisible(control->ownWindow));
    EXPECT_EQ(Requests().size(), 1u);
}

TEST_F(ControlRequests, SetSizeAsksAndRepaintsOnlyWhileVisible) {
    ProbeControl* control = Add(8);
    InvalidationCounter counter;
    ASSERT_TRUE(counter.Installed());
    parent->Clear();

    EXPECT_TRUE(control->SetSize(60, 20));
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(counter.For(control->ownWindow), 0);
    EXPECT_EQ(control->paints, 0);
    RECT rect{};
    GetClientRect(control->ownWindow, &rect);
    EXPECT_EQ(rect.right, 60);
    EXPECT_EQ(rect.bottom, 20);

    control->Show(true);
    parent->Clear();
    const int paints = control->paints;
    EXPECT_TRUE(control->SetSize(80, 24));
    const auto requests = Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].notifyCode, 0u);
    EXPECT_EQ(requests[0].notifyId, 8u);
    EXPECT_EQ(control->paints, paints + 1);
    EXPECT_EQ(control->width, 80);
    EXPECT_EQ(control->height, 24);
}

TEST_F(ControlRequests, SetPositionWithoutApplyChangesOnlyTheFields) {
    ProbeControl* control = parent->Place(Add(9), 100, 60);
    InvalidationCounter counter;
    parent->Clear();
    EXPECT_TRUE(control->SetPosition(10, 20, false));
    EXPECT_EQ(control->x, 10);
    EXPECT_EQ(control->y, 20);
    const POINT place = PlaceInParent(control->ownWindow);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 60);
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(counter.For(control->ownWindow), 0);
}

TEST_F(ControlRequests, SetPositionSendsTheCodeOfTheAxisThatChanged) {
    ProbeControl* control = parent->Place(Add(10), 100, 60);
    struct Move {
        int x, y;
        UINT code;
    };
    const Move moves[] = {{100, 60, 0}, {100, 80, 2}, {130, 80, 1}, {150, 100, 0}, {150, 100, 0}};
    for (const Move& move : moves) {
        parent->Clear();
        control->SetPosition(move.x, move.y, true);
        const auto requests = Requests();
        ASSERT_EQ(requests.size(), 1u) << move.x << "," << move.y;
        EXPECT_EQ(requests[0].notifyCode, move.code) << move.x << "," << move.y;
        EXPECT_EQ(requests[0].notifyId, 10u);
        const POINT place = PlaceInParent(control->ownWindow);
        EXPECT_EQ(place.x, move.x);
        EXPECT_EQ(place.y, move.y);
    }
    // Unlike SetSize, a move asks even while the control is hidden.
    control->Show(false);
    parent->Clear();
    control->SetPosition(170, 100, true);
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].notifyCode, 1u);
}

TEST_F(ControlRequests, SolidAndBitmapModesNeverAsk) {
    for (int mode : {1, 2}) {
        ProbeControl* control = Add(static_cast<std::uint16_t>(20 + mode));
        control->backgroundMode = mode;
        parent->Clear();
        control->Show(true);
        control->SetSize(40, 40);
        control->SetPosition(50, 50, true);
        control->SetPosition(60, 50, true);
        control->SetPosition(60, 70, true);
        control->SetPosition(80, 90, true);
        control->Show(true);
        EXPECT_TRUE(Requests().empty()) << "mode " << mode;
        EXPECT_FALSE(control->parentGradientKnown) << "mode " << mode;
        EXPECT_EQ(PlaceInParent(control->ownWindow).x, 80) << "mode " << mode;
    }
}

TEST_F(ControlRequests, SetCheckedActsOnlyInToggleMode) {
    ProbeControl* control = Add(11);
    control->SetChecked(true);
    EXPECT_FALSE(control->checked);
    control->toggleMode = true;
    control->SetChecked(true);
    EXPECT_TRUE(control->checked);
    control->SetChecked(false);
    EXPECT_FALSE(control->checked);
}

// --- Messages of the base window procedure ---------------------------------

using ControlMessages = ControlTest;

TEST_F(ControlMessages, EraseBackgroundIsAnsweredWithOneAndDrawsNothing) {
    ProbeControl* control = parent->Place(Add(12), 100, 60);
    control->backgroundMode = 1;
    control->backgroundColour = RGB(0, 0, 255);
    WindowDC dc(control->ownWindow);
    EXPECT_EQ(SendMessageW(control->ownWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0),
              1);
    Settle();
    // Still the gradient slice: nothing blue was painted.
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_FALSE(image.Empty());
    EXPECT_TRUE(IsGrey(image.At(10, 10))) << std::hex << image.At(10, 10);
}

TEST_F(ControlMessages, FocusMessagesReturnZeroAndToggleTheFlag) {
    ProbeControl* control = parent->Place(Add(13), 100, 60);
    int paints = control->paints;
    EXPECT_EQ(SendMessageW(control->ownWindow, WM_SETFOCUS, 0, 0), 0);
    EXPECT_TRUE(control->focused);
    EXPECT_EQ(control->paints, paints + 1);  // a visible control redraws its focus look
    EXPECT_EQ(SendMessageW(control->ownWindow, WM_KILLFOCUS, 0, 0), 0);
    EXPECT_FALSE(control->focused);

    // The real focus moves the flag the same way.
    SetFocus(control->ownWindow);
    EXPECT_EQ(GetFocus(), control->ownWindow);
    EXPECT_TRUE(control->focused);
    SetFocus(parent->window);
    EXPECT_FALSE(control->focused);

    // A hidden control changes the flag without painting.
    control->Show(false);
    paints = control->paints;
    SendMessageW(control->ownWindow, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(control->focused);
    EXPECT_EQ(control->paints, paints);
}

TEST_F(ControlMessages, FocusLossIsForwardedToTheParent) {
    auto* control = parent->Place(Add<FocusForwardingControl>(14), 100, 60);
    control->focused = true;
    parent->Clear();
    const HWND other = parent->window;
    EXPECT_EQ(SendMessageW(control->ownWindow, WM_KILLFOCUS, reinterpret_cast<WPARAM>(other), 0), 0);
    EXPECT_FALSE(control->focused);
    ASSERT_EQ(parent->received.size(), 1u);
    EXPECT_EQ(parent->received[0].message, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(parent->received[0].wParam, reinterpret_cast<WPARAM>(control->ownWindow));
    EXPECT_EQ(parent->received[0].lParam, 0);

    parent->Clear();
    control->focused = true;
    EXPECT_EQ(SendMessageW(control->ownWindow, WM_KILLFOCUS, 0, 0), 0);
    EXPECT_FALSE(control->focused);
    ASSERT_EQ(parent->received.size(), 1u);
    EXPECT_EQ(parent->received[0].message, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(parent->received[0].wParam, 0u);

    // The same when the system takes the focus away to nowhere.
    SetFocus(control->ownWindow);
    ASSERT_TRUE(control->focused);
    parent->Clear();
    SetFocus(nullptr);
    EXPECT_FALSE(control->focused);
    const auto kills = parent->Received(WM_KILLFOCUS);
    ASSERT_EQ(kills.size(), 1u);
    EXPECT_EQ(kills[0].wParam, 0u);
}

TEST_F(ControlMessages, ClickNotificationCarriesIdentifierCodeAndObject) {
    ProbeControl* control = Add(0xBEEF);
    parent->Clear();
    control->NotifyParent();
    control->NotifyParent(2);
    control->NotifyParent(0xFFFF, reinterpret_cast<LPARAM>(control->ownWindow));
    const auto commands = parent->Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 3u);
    for (const RecordedMessage& command : commands) EXPECT_EQ(LOWORD(command.wParam), 0xBEEF);
    EXPECT_EQ(HIWORD(commands[0].wParam), 0);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(HIWORD(commands[1].wParam), 2);
    EXPECT_EQ(commands[1].lParam, reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(HIWORD(commands[2].wParam), 0xFFFF);
    EXPECT_EQ(commands[2].lParam, reinterpret_cast<LPARAM>(control->ownWindow));
}

TEST_F(ControlMessages, DestructionLeavesTheRegistryAndClosesTheWindow) {
    auto* control = new ProbeControl(parent->window, 15);
    control->Show(true);
    const HWND window = control->ownWindow;
    ASSERT_EQ(voAbstractControl::Registry().Find(window), control);
    ASSERT_TRUE(IsWindow(window));
    const std::size_t before = voAbstractControl::Registry().Size();
    delete control;
    EXPECT_FALSE(voAbstractControl::Registry().Contains(window));
    EXPECT_EQ(voAbstractControl::Registry().Size(), before - 1);
    EXPECT_FALSE(IsWindow(window));
}

// --- What the paint frame puts on the screen --------------------------------

using ControlPixels = ControlTest;

TEST_F(ControlPixels, HorizontalGradientSliceContinuesTheParent) {
    ProbeControl* control = parent->Place(Add(30), 100, 60);
    Settle();
    const vo::SliceLevels levels = vo::GradientSliceLevels(
        {control->gradientStart, control->gradientEnd, control->gradientHorizontal,
         control->parentWidth, control->parentHeight, control->x, control->y, control->width,
         control->height});
    EXPECT_EQ(levels.first, 208);
    EXPECT_EQ(levels.last, 212);
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_EQ(image.width, 50);
    ASSERT_EQ(image.height, 30);
    int previous = 0;
    for (int x = 0; x < image.width; ++x) {
        const COLORREF top = image.At(x, 0);
        ASSERT_TRUE(IsGrey(top)) << "column " << x << std::hex << " " << top;
        ASSERT_GE(Grey(top), previous) << "column " << x;
        previous = Grey(top);
        for (int y = 1; y < image.height; ++y) ASSERT_EQ(image.At(x, y), top) << x << "," << y;
    }
    EXPECT_NEAR(Grey(image.At(0, 0)), levels.first, 1);
    EXPECT_NEAR(Grey(image.At(49, 0)), levels.last, 1);

    // The parent's own pixels on either side match the slice's edges.
    const PixelImage around = ReadWindowPixels(parent->window);
    EXPECT_NEAR(Grey(around.At(99, 70)), Grey(image.At(0, 10)), 2);
    EXPECT_NEAR(Grey(around.At(150, 70)), Grey(image.At(49, 10)), 2);
}

TEST_F(ControlPixels, VerticalGradientSliceContinuesTheParent) {
    parent->gradientMode = vo::kGradientVertical;
    // Repainted now: the parent does not clip its children, so a later paint
    // of it would cover the control.
    InvalidateRect(parent->window, nullptr, FALSE);
    UpdateWindow(parent->window);
    ProbeControl* control = parent->Place(Add(31, 40, 60), 200, 150);
    Settle();
    EXPECT_FALSE(control->gradientHorizontal);
    const vo::SliceLevels levels = vo::GradientSliceLevels(
        {control->gradientStart, control->gradientEnd, false, control->parentWidth,
         control->parentHeight, 200, 150, 40, 60});
    EXPECT_EQ(levels.first, 213);
    EXPECT_EQ(levels.last, 218);
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_EQ(image.height, 60);
    for (int y = 0; y < image.height; ++y)
        for (int x = 1; x < image.width; ++x) ASSERT_EQ(image.At(x, y), image.At(0, y)) << x << "," << y;
    EXPECT_NEAR(Grey(image.At(0, 0)), levels.first, 1);
    EXPECT_NEAR(Grey(image.At(0, 59)), levels.last, 1);
    const PixelImage around = ReadWindowPixels(parent->window);
    EXPECT_NEAR(Grey(around.At(210, 149)), Grey(image.At(10, 0)), 2);
    EXPECT_NEAR(Grey(around.At(210, 210)), Grey(image.At(10, 59)), 2);
}

TEST_F(ControlPixels, SolidModeFillsTheWholeControlWithTheColour) {
    ProbeControl* control = Add(32);
    control->backgroundMode = vo::kBackgroundColour;
    control->backgroundColour = RGB(30, 160, 90);
    parent->Place(control, 100, 60);
    Settle();
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_EQ(image.width, 50);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            ASSERT_EQ(image.At(x, y), RGB(30, 160, 90)) << x << "," << y;
}

TEST_F(ControlPixels, BitmapModeTilesTheBitmapFromTheTopLeft) {
    const COLORREF edge = RGB(200, 20, 20);
    const COLORREF fill = RGB(20, 20, 200);
    // 5 x 3 with a marked first row and column, so a shifted tiling shows.
    auto pattern = [&](int x, int y) { return (x == 0 || y == 0) ? edge : fill; };
    ProbeControl* control = Add(33, 47, 31);
    control->SetBackground(
        MakePiece(5, 3, [&](int x, int y) { return Premultiplied(pattern(x, y), 255); }).Release());
    control->backgroundMode = vo::kBackgroundBitmap;
    parent->Place(control, 100, 60);
    Settle();
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_EQ(image.width, 47);
    ASSERT_EQ(image.height, 31);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            ASSERT_EQ(image.At(x, y), pattern(x % 5, y % 3)) << x << "," << y;
}

TEST_F(ControlPixels, PieceAlphaDecidesBetweenBackgroundAndPiece) {
    const COLORREF background = RGB(40, 80, 120);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    // Left half transparent, right half opaque red, the last two rows half-covering blue.
    const PixelSource pixel = [&](int x, int y) {
        if (y >= 8) return Premultiplied(blue, 128);
        return x < 10 ? 0u : Premultiplied(red, 255);
    };
    const Bitmap made = MakePiece(20, 10, pixel);
    const PieceFile file(L"vo_control_tests_piece.bmp", 20, 10, pixel);
    bool blended[2] = {false, false};
    ProbeControl* controls[2] = {Add(34), Add(35)};
    controls[0]->content = [&](HDC dc) {
        blended[0] = BlendPiece(dc, made.Get(), 5, 5, 20, 10, controls[0]->blend);
    };
    controls[1]->content = [&](HDC dc) {
        Bitmap loaded = LoadSkinPiece(nullptr, file.Path(), SkinSource::File, 20, 10);
        blended[1] = BlendPiece(dc, loaded.Get(), 5, 5, 20, 10, controls[1]->blend);
    };
    for (int i = 0; i < 2; ++i) {
        controls[i]->backgroundMode = vo::kBackgroundColour;
        controls[i]->backgroundColour = background;
        parent->Place(controls[i], 100, 60 + 50 * i);
    }
    Settle();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "made in memory" : "read from a file");
        EXPECT_TRUE(blended[i]);
        const PixelImage image = ReadWindowPixels(controls[i]->ownWindow);
        ASSERT_EQ(image.width, 50);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 20; ++x) {
                const COLORREF expected = Composite(pixel(x, y), background);
                ASSERT_TRUE(ColourNear(image.At(5 + x, 5 + y), expected, 2))
                    << x << "," << y << std::hex << " got " << image.At(5 + x, 5 + y)
                    << " expected " << expected;
            }
        }
        EXPECT_EQ(image.At(4, 5), background);   // outside the piece
        EXPECT_EQ(image.At(25, 14), background);
        EXPECT_EQ(image.At(7, 7), background);   // alpha 0
        EXPECT_EQ(image.At(20, 7), red);         // opaque
    }
}

TEST_F(ControlPixels, MissingPieceLeavesTheBackgroundAndThePaintCompletes) {
    const COLORREF background = RGB(90, 60, 30);
    ProbeControl* control = Add(36);
    bool loaded = true;
    bool blended = true;
    control->content = [&](HDC dc) {
        Bitmap resource = LoadSkinPiece(GetModuleHandleW(nullptr), L"Vo_No_Such_Piece",
                                        SkinSource::Resource, 10, 10);
        Bitmap file = LoadSkinPiece(nullptr, L"resources\\no_such_piece.bmp", SkinSource::File, 10, 10);
        loaded = resource || file;
        blended = BlendPiece(dc, resource.Get(), 0, 0, 10, 10, control->blend) ||
                  BlendPiece(dc, file.Get(), 10, 0, 10, 10, control->blend);
    };
    control->backgroundMode = vo::kBackgroundColour;
    control->backgroundColour = background;
    parent->Place(control, 100, 60);
    Settle();
    EXPECT_GE(control->paints, 1);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(blended);
    EXPECT_FALSE(GetUpdateRect(control->ownWindow, nullptr, FALSE));  // validated
    const PixelImage image = ReadWindowPixels(control->ownWindow);
    ASSERT_EQ(image.width, 50);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) ASSERT_EQ(image.At(x, y), background) << x << "," << y;
}

TEST_F(ControlPixels, ThreePieceSkinRepeatsTheCentreOverWMinus2SColumns) {
    const COLORREF background = RGB(255, 255, 255);
    const COLORREF left = RGB(200, 0, 0), centre = RGB(0, 200, 0), right = RGB(0, 0, 200);
    const int side = 3, pieceHeight = 12, top = 4;
    const KeptBitmap leftPiece(MakeSolidPiece(side, pieceHeight, left));
    const KeptBitmap centrePiece(MakeSolidPiece(1, pieceHeight, centre));
    const KeptBitmap rightPiece(MakeSolidPiece(side, pieceHeight, right));
    for (int width : {40, 2 * side + 1}) {
        SCOPED_TRACE(width);
        ProbeControl* control = Add(static_cast<std::uint16_t>(40 + width), width, 20);
        bool drawn = false;
        control->content = [&](HDC dc) {
            const ThreePieceSkin skin{&leftPiece, &centrePiece, &rightPiece, side, pieceHeight};
            drawn = DrawThreePieceSkin(dc, skin, control->width, top, control->blend);
        };
        control->backgroundMode = vo::kBackgroundColour;
        control->backgroundColour = background;
        parent->Place(control, 100, 60 + width);
        Settle();

        // One blend per side piece and one per centre column.
        realAlphaBlend = reinterpret_cast<AlphaBlendFunction>(PatchImport(
            "msimg32.dll", "AlphaBlend", reinterpret_cast<void*>(&CountingAlphaBlend)));
        ASSERT_NE(realAlphaBlend, nullptr);
        alphaBlends = 0;
        control->Redraw(true);
        PatchImport("msimg32.dll", "AlphaBlend", reinterpret_cast<void*>(realAlphaBlend));
        EXPECT_TRUE(drawn);
        EXPECT_EQ(alphaBlends, 2 + (width - 2 * side));

        Settle();
        const PixelImage image = ReadWindowPixels(control->ownWindow);
        ASSERT_EQ(image.width, width);
        int centreColumns = 0;
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = x < side ? left : (x >= width - side ? right : centre);
            if (image.At(x, top) == centre) ++centreColumns;
            for (int y = 0; y < 20; ++y) {
                const bool inSkin = y >= top && y < top + pieceHeight;
                ASSERT_EQ(image.At(x, y), inSkin ? expected : background) << x << "," << y;
            }
        }
        EXPECT_EQ(centreColumns, width - 2 * side);
    }
}

// Bounds of the pixels that differ from the background.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int pixels = 0;
    int inColour = 0;
};

InkBox FindInk(const PixelImage& image, COLORREF background, COLORREF colour) {
    InkBox box;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const COLORREF pixel = image.At(x, y);
            if (pixel == background) continue;
            ++box.pixels;
            if (ColourNear(pixel, colour, 24)) ++box.inColour;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST_F(ControlPixels, CaptionIsDrawnInItsColourWhereItsAlignmentPutsIt) {
    const COLORREF background = RGB(255, 255, 255);
    const COLORREF ink = RGB(200, 0, 0);
    const int w = 160, h = 40;
    CaptionFont font;
    font.height = 18;
    font.weight = FW_BOLD;
    InkBox boxes[3];
    for (int horizontal : {0, 1, 2}) {
        SCOPED_TRACE(horizontal);
        ProbeControl* control = Add(static_cast<std::uint16_t>(50 + horizontal), w, h);
        control->content = [&, horizontal](HDC dc) {
            CaptionStyle style;
            style.colour = ink;
            style.horizontal = horizontal;
            DrawCaption(dc, L"HHHH", RECT{0, 0, w, h}, font, style);
        };
        control->backgroundMode = vo::kBackgroundColour;
        control->backgroundColour = background;
        parent->Place(control, 20, 20 + 50 * horizontal);
        Settle();
        const InkBox box = FindInk(ReadWindowPixels(control->ownWindow), background, ink);
        ASSERT_GT(box.pixels, 50);
        EXPECT_GT(box.inColour, box.pixels / 3);
        // Vertically centred on one line.
        EXPECT_NEAR(box.top, h - 1 - box.bottom, 3);
        EXPECT_LT(box.bottom - box.top, h / 2 + 2);
        boxes[horizontal] = box;
    }
    // Centred and right-aligned text is the left-aligned text moved by half
    // and all of the space its measured extent leaves.
    const SIZE extent = MeasureCaption(parent->window, L"HHHH", font);
    EXPECT_LE(boxes[0].left, 3);
    EXPECT_NEAR(boxes[1].left - boxes[0].left, (w - extent.cx) / 2, 1);
    EXPECT_NEAR(boxes[2].left - boxes[0].left, w - extent.cx, 1);
    EXPECT_EQ(boxes[2].right - boxes[2].left, boxes[0].right - boxes[0].left);
}

// --- GDI balance ------------------------------------------------------------

using ControlLeaks = ControlTest;

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Paints `control` `count` times through the paint frame; returns ms per paint.
double PaintRepeatedly(ProbeControl* control, int count) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) control->Redraw(true);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end) / count;
}

// Made in a function of its own: GCC may reuse an import address it loaded
// earlier in the same function, and would then bypass a patch made in between.
__attribute__((noinline)) HPEN PenMadeBeforeCounting() { return CreatePen(PS_SOLID, 1, 0); }

TEST_F(ControlLeaks, TheCounterSeesLiveObjectsAndDCsAndIgnoresStrangers) {
    Pen before(PenMadeBeforeCounting());
    const PieceFile file(L"vo_control_tests_counted.bmp", 2, 2, [](int, int) { return 0xFF000000u; });
    GdiLeakCounter counter;
    ASSERT_TRUE(counter.Installed());
    {
        Pen pen(CreatePen(PS_SOLID, 1, 0));
        WindowDC dc(parent->window);
        MemoryDC memory(dc.Get());
        Bitmap loaded = LoadSkinPiece(nullptr, file.Path(), SkinSource::File, 2, 2);
        Brush brush(CreatePatternBrush(loaded.Get()));
        EXPECT_EQ(counter.Live(), (GdiCounts{3, 2})) << counter.Describe();
        // Deleting what the counter never saw made changes nothing.
        DeleteObject(GetStockObject(BLACK_PEN));
        before.Reset();
        EXPECT_EQ(counter.Live(), (GdiCounts{3, 2}));
        // Nor does deleting a handle a second time.
        const HPEN gone = pen.Get();
        pen.Reset();
        DeleteObject(gone);
        EXPECT_EQ(counter.Live(), (GdiCounts{2, 2})) << counter.Describe();
    }
    EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
    EXPECT_EQ(counter.Acquired(), (GdiCounts{3, 2}));
    GdiLeakCounter second;  // one counter at a time
    EXPECT_FALSE(second.Installed());
}

TEST_F(ControlLeaks, AThousandSkinnedPaintsLeaveNothingBehind) {
    const PixelSource opaque = [](int, int) { return Premultiplied(RGB(120, 40, 200), 255); };
    const PieceFile leftFile(L"vo_control_tests_left.bmp", 3, 20, opaque);
    const PieceFile centreFile(L"vo_control_tests_centre.bmp", 1, 20, opaque);
    const PieceFile rightFile(L"vo_control_tests_right.bmp", 3, 20, opaque);
    ProbeControl* control = Add(60, 120, 24);
    bool allDrawn = true;
    // Loads, composites and releases its pieces and font within each paint,
    // as the controls do.
    control->content = [&](HDC dc) {
        const KeptBitmap left(LoadSkinPiece(nullptr, leftFile.Path(), SkinSource::File, 3, 20));
        const KeptBitmap centre(LoadSkinPiece(nullptr, centreFile.Path(), SkinSource::File, 1, 20));
        const KeptBitmap right(LoadSkinPiece(nullptr, rightFile.Path(), SkinSource::File, 3, 20));
        Bitmap missing = LoadSkinPiece(GetModuleHandleW(nullptr), L"Vo_No_Such_Piece",
                                       SkinSource::Resource, 8, 8);
        allDrawn &= DrawThreePieceSkin(dc, {&left, &centre, &right, 3, 20},
                                       control->width, 2, control->blend);
        BlendPiece(dc, missing.Get(), 0, 0, 8, 8, control->blend);
        DrawCaption(dc, L"Caption", RECT{0, 0, control->width, control->height}, CaptionFont{},
                    CaptionStyle{});
    };
    parent->Place(control, 20, 20);
    Settle();

    GdiLeakCounter counter;
    ASSERT_TRUE(counter.Installed());
    const int paints = control->paints;
    const double perPaint = PaintRepeatedly(control, 1000);
    EXPECT_EQ(control->paints, paints + 1000);
    EXPECT_TRUE(allDrawn);
    EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
    // This content loads its three pieces and a font itself at every paint
    // (window DC and piece DCs): the counter saw them all come and go.
    EXPECT_GE(counter.Acquired().objects, 4 * 1000);
    EXPECT_GE(counter.Acquired().deviceContexts, 4 * 1000);
    std::printf("[ measure  ] skinned paint: %.3f ms; acquired %ld objects, %ld DCs in 1000 paints\n",
                perPaint, counter.Acquired().objects, counter.Acquired().deviceContexts);
}

TEST_F(ControlLeaks, EveryBackgroundModeBalancesItsObjects) {
    ProbeControl* control = Add(61, 60, 30);
    control->SetBackground(MakeSolidPiece(4, 4, RGB(10, 20, 30)).Release());
    parent->Place(control, 20, 20);
    for (int mode : {0, 1, 2}) {
        control->backgroundMode = mode;
        control->Redraw(true);
        GdiLeakCounter counter;
        ASSERT_TRUE(counter.Installed());
        const double perPaint = PaintRepeatedly(control, 1000);
        EXPECT_EQ(counter.Live(), GdiCounts{}) << "mode " << mode << ": " << counter.Describe();
        // The picture, the slice and the pattern brush are kept: a paint
        // makes no object, and takes only the window's DC.
        EXPECT_EQ(counter.Acquired(), (GdiCounts{0, 1000})) << "mode " << mode;
        std::printf("[ measure  ] background mode %d paint: %.3f ms\n", mode, perPaint);
    }
}

TEST_F(ControlLeaks, MeasuringCaptionsLeavesNothingBehind) {
    ProbeControl* control = parent->Place(Add(62), 20, 20);
    const CaptionFont font;
    const SIZE one = MeasureCaption(control->ownWindow, L"M", font);
    GdiLeakCounter counter;
    SIZE four{};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 1000; ++i) four = MeasureCaption(control->ownWindow, L"MMMM", font);
    QueryPerformanceCounter(&end);
    EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
    EXPECT_EQ(counter.Acquired(), (GdiCounts{1000, 1000}));
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(four.cx, 4 * one.cx);
    EXPECT_EQ(four.cy, one.cy);
    CaptionFont bigger;
    bigger.height = 26;
    EXPECT_GT(MeasureCaption(control->ownWindow, L"MMMM", bigger).cx, four.cx);
    std::printf("[ measure  ] MeasureCaption: %.3f ms\n", Milliseconds(start, end) / 1000);
}

// --- Random input -----------------------------------------------------------

using ControlStorm = ControlTest;

TEST_F(ControlStorm, PlainAndPaintingControlsKeepTheirFieldsThroughAStorm) {
    auto* plain = parent->Place(Add<voAbstractControl>(70, static_cast<DWORD>(WS_CHILD)), 30, 30);
    plain->SetSize(80, 40);
    ProbeControl* painting = Add(71, 90, 30);
    painting->content = [&](HDC dc) {
        DrawCaption(dc, L"Storm", RECT{0, 0, painting->width, painting->height}, CaptionFont{},
                    CaptionStyle{});
    };
    parent->Place(painting, 150, 150);
    const std::pair<voAbstractControl*, unsigned> runs[] = {{plain, 11u}, {painting, 12u}};
    for (const auto& run : runs) {
        voAbstractControl* control = run.first;
        SCOPED_TRACE(control->controlId);
        const int w = control->width, h = control->height, cx = control->x, cy = control->y;
        int checks = 0;
        StormOptions options;
        options.seed = run.second;
        options.messages = 1500;
        options.checkInvariants = [&] {
            ++checks;
            ASSERT_EQ(voAbstractControl::Registry().Find(control->ownWindow), control);
            EXPECT_EQ(control->width, w);
            EXPECT_EQ(control->height, h);
            EXPECT_EQ(control->x, cx);
            EXPECT_EQ(control->y, cy);
            EXPECT_TRUE(control->visible);
            EXPECT_FALSE(control->checked);
            EXPECT_EQ(control->backgroundMode, vo::kBackgroundGradient);
            EXPECT_TRUE(control->parentGradientKnown);
            EXPECT_EQ(control->parentWidth, 370);
            const POINT place = PlaceInParent(control->ownWindow);
            EXPECT_EQ(place.x, cx);
            EXPECT_EQ(place.y, cy);
        };
        GdiLeakCounter counter;
        EXPECT_TRUE(RunMessageStorm(control->ownWindow, options));
        EXPECT_EQ(checks, 1500 / 50 + 1);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
        if (control == painting) {
            EXPECT_GT(painting->paints, 10);
        }
    }
}

TEST_F(ControlStorm, TheStormReportsAWindowThatDied) {
    auto* control = new voAbstractControl(parent->window, 72, WS_CHILD);
    control->SetSize(40, 20);
    control->Show(true);
    int checks = 0;
    StormOptions options;
    options.messages = 500;
    options.checkEvery = 10;
    options.checkInvariants = [&] {
        if (++checks == 2) DestroyWindow(control->ownWindow);
    };
    EXPECT_FALSE(RunMessageStorm(control->ownWindow, options));
    EXPECT_EQ(checks, 2);
    delete control;
}

}  // namespace
