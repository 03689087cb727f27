// The push button on a real parent window, driven with real messages and the
// real pointer, checked by its state, its WM_COMMAND notifications and the
// pixels it leaves on the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "control/Skin.h"
#include "harness/ImportPatch.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/buttons/voButton.h"

namespace {

constexpr std::uint16_t kId = 41;

// --- Pointer and input ------------------------------------------------------

// Puts the real pointer at a client point of `window` and lets the moves the
// system generates for it arrive.
void PointerAt(HWND window, int cx, int cy) {
    POINT point{cx, cy};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    PumpMessages(20);
}

LPARAM ClientLParam(int cx, int cy) { return MAKELPARAM(cx, cy); }

void Press(voButton* button) {
    SendMessageW(button->ownWindow, WM_LBUTTONDOWN, MK_LBUTTON, ClientLParam(5, 5));
}
void Release(voButton* button) { SendMessageW(button->ownWindow, WM_LBUTTONUP, 0, ClientLParam(5, 5)); }

// --- Pixels of a skin piece ----------------------------------------------------

struct PiecePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgra;  // premultiplied, top-down
    COLORREF Colour(int px, int py) const {
        const std::uint32_t value = bgra[static_cast<std::size_t>(py) * width + px];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    int Alpha(int px, int py) const { return bgra[static_cast<std::size_t>(py) * width + px] >> 24; }
};

PiecePixels ReadPiece(const wchar_t* name, int width, int height) {
    PiecePixels piece;
    Bitmap bitmap = LoadSkinPiece(GetModuleHandleW(nullptr), name, SkinSource::Resource, width, height);
    if (!bitmap) return piece;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    piece.bgra.resize(static_cast<std::size_t>(width) * height);
    WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap.Get(), 0, height, piece.bgra.data(), &info, DIB_RGB_COLORS) ==
        height) {
        piece.width = width;
        piece.height = height;
    }
    return piece;
}

// Every opaque pixel of `piece` shows at (left, top) of the image, except
// those under `skip` (image coordinates); returns how many were compared so a
// test can insist the comparison was not empty.
int ExpectOpaquePixelsAt(const PixelImage& image, const PiecePixels& piece, int left, int top,
                         RECT skip = {0, 0, 0, 0}) {
    int compared = 0;
    for (int py = 0; py < piece.height; ++py)
        for (int px = 0; px < piece.width; ++px) {
            const POINT at{left + px, top + py};
            if (piece.Alpha(px, py) != 255 || PtInRect(&skip, at)) continue;
            ++compared;
            EXPECT_TRUE(ColourNear(image.At(at.x, at.y), piece.Colour(px, py), 2))
                << "at " << at.x << "," << at.y << ": " << std::hex << image.At(at.x, at.y)
                << " vs " << piece.Colour(px, py);
        }
    return compared;
}

int CountNear(const PixelImage& image, COLORREF colour, int tolerance) {
    int count = 0;
    for (int py = 0; py < image.height; ++py)
        for (int px = 0; px < image.width; ++px) count += ColourNear(image.At(px, py), colour, tolerance);
    return count;
}

PixelImage Shown(voButton* button) {
    button->Redraw(true);
    PumpMessages();
    return ReadWindowPixels(button->ownWindow);
}

// --- Bitmap files for the custom style --------------------------------------

// A 32-bit bitmap file of one colour; `clearCorner` makes its top-left pixel
// fully transparent.
PieceFile SolidFile(const std::wstring& name, int width, int height, COLORREF colour,
                    bool clearCorner = false) {
    return PieceFile(L"vo_button_" + name + L".bmp", width, height, [=](int x, int y) {
        return clearCorner && x == 0 && y == 0 ? 0u : Premultiplied(colour, 255);
    });
}

struct CustomSkin {
    COLORREF normal = RGB(200, 40, 40);
    COLORREF hovered = RGB(40, 200, 40);
    COLORREF clicked = RGB(40, 40, 200);
    COLORREF icon = RGB(250, 250, 0);
    COLORREF clickedIcon = RGB(0, 250, 250);
    COLORREF disabledIcon = RGB(120, 120, 120);
    COLORREF background = RGB(255, 0, 255);
    std::vector<PieceFile> pieces;  // left, right, centre of each set
    std::vector<PieceFile> icons;   // normal, clicked, disabled as SetIconFile numbers them

    CustomSkin() {
        const COLORREF sets[3] = {normal, hovered, clicked};
        const wchar_t* names[3] = {L"normal", L"hovered", L"clicked"};
        for (int set = 0; set < 3; ++set) {
            const std::wstring base = names[set];
            pieces.push_back(SolidFile(base + L"_left", 2, 20, sets[set], true));
            pieces.push_back(SolidFile(base + L"_right", 2, 20, sets[set]));
            pieces.push_back(SolidFile(base + L"_centre", 1, 20, sets[set]));
        }
        icons.push_back(SolidFile(L"icon", 6, 6, icon));
        icons.push_back(SolidFile(L"icon_clicked", 6, 6, clickedIcon));
        icons.push_back(SolidFile(L"icon_disabled", 6, 6, disabledIcon));
    }
    CustomSkin(const CustomSkin&) = delete;
    CustomSkin& operator=(const CustomSkin&) = delete;

    // A 60-wide custom button on a solid background, with every file set.
    voButton* Make(TestParent& parent, std::uint16_t id = kId) {
        auto* button = new voButton(parent.window, id, 150, vo::kButtonCustom);
        button->sideWidth = 2;
        button->skinHeight = 20;
        button->SetSize(60, 0);
        for (int piece = 0; piece < 9; ++piece) button->SetSkinFile(piece, pieces[piece].Path());
        for (int number = 0; number < 3; ++number) button->SetIconFile(number, icons[number].Path());
        button->iconWidth = 6;
        button->iconHeight = 6;
        button->backgroundMode = vo::kBackgroundColour;
        button->SetBackgroundColor(background);
        return parent.Place(button, 20, 20);
    }
};

void ExpectWindowSize(voButton* button, int width, int height) {
    RECT rect{};
    GetWindowRect(button->ownWindow, &rect);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
    EXPECT_EQ(button->width, width);
    EXPECT_EQ(button->height, height);
}

void ExpectOneClick(const TestParent& parent, voButton* button) {
    const auto commands = parent.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), button->controlId);
    EXPECT_EQ(HIWORD(commands[0].wParam), 0);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button));
}

}  // namespace

// --- Construction and size ------------------------------------------------------

TEST(ButtonSize, EachStyleTakesItsSkinHeightAndMinimumWidth) {
    TestParent parent;
    auto* normal = parent.Place(new voButton(parent.window, 1, 10, vo::kButtonNormal), 10, 10);
    ExpectWindowSize(normal, 17, 21);
    EXPECT_EQ(normal->kind, 1);
    EXPECT_EQ(normal->textColour, 0x000000u);
    EXPECT_EQ(normal->disabledTextColour, 0x575757u);
    EXPECT_EQ(normal->font.face, L"Tahoma");
    EXPECT_EQ(normal->font.height, 15);
    EXPECT_EQ(normal->font.weight, 400);

    auto* icon = parent.Place(new voButton(parent.window, 2, 300, vo::kButtonRoundIcon), 10, 40);
    ExpectWindowSize(icon, 22, 22);
    icon->SetSize(5, 90);
    ExpectWindowSize(icon, 22, 22);

    auto* green = parent.Place(new voButton(parent.window, 3, 120, vo::kButtonGreen), 10, 70);
    ExpectWindowSize(green, 120, 23);
    green->SetSize(3, 200);  // the height argument is ignored
    ExpectWindowSize(green, 15, 23);
    EXPECT_EQ(green->textColour, 0xFFFFFFu);
    EXPECT_EQ(green->disabledTextColour, 0xC8C8C8u);

    auto* round = parent.Place(new voButton(parent.window, 4, 1, vo::kButtonRound), 10, 100);
    ExpectWindowSize(round, 23, 19);

    // The custom style follows the metrics its owner sets.
    auto* custom = parent.Place(new voButton(parent.window, 5, 100, vo::kButtonCustom), 10, 130);
    custom->sideWidth = 2;
    custom->skinHeight = 20;
    custom->SetSize(1, 0);
    ExpectWindowSize(custom, 5, 20);
}

TEST(ButtonSize, FitToTextAddsExtraAndASidePieceOnEachSide) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, 1, 10, vo::kButtonNormal), 10, 10);
    button->SetText(L"Exit program!");
    const int measured = MeasureCaption(button->ownWindow, button->caption, button->font).cx;
    ASSERT_GT(measured, 40);
    button->FitToText(5);
    ExpectWindowSize(button, measured + 2 * (5 + 8), 21);

    button->SetFont(L"Tahoma", 24, 700);
    const int larger = MeasureCaption(button->ownWindow, button->caption, button->font).cx;
    EXPECT_GT(larger, measured);
    button->FitToText(0);
    ExpectWindowSize(button, larger + 16, 21);

    auto* icon = parent.Place(new voButton(parent.window, 2, 0, vo::kButtonRoundIcon), 10, 40);
    icon->SetText(L"a long caption the round icon never shows");
    icon->FitToText(30);
    ExpectWindowSize(icon, 22, 22);
}

// --- Mouse ----------------------------------------------------------------------

TEST(ButtonMouse, HoverPressReleaseNotifiesOnceAndEndsNormal) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    PointerAt(parent.window, 5, 5);
    PointerAt(button->ownWindow, 30, 10);
    SendMessageW(button->ownWindow, WM_MOUSEMOVE, 0, ClientLParam(30, 10));
    EXPECT_EQ(button->visualState, vo::kButtonHovered);
    EXPECT_TRUE(button->mouseTracking);
    parent.Clear();

    Press(button);
    EXPECT_EQ(button->visualState, vo::kButtonPressed);
    EXPECT_EQ(GetCapture(), button->ownWindow);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
    Release(button);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    EXPECT_NE(GetCapture(), button->ownWindow);
    ExpectOneClick(parent, button);

    // Leaving for real ends a hover through the tracked leave.
    SendMessageW(button->ownWindow, WM_MOUSEMOVE, 0, ClientLParam(30, 10));
    EXPECT_EQ(button->visualState, vo::kButtonHovered);
    PointerAt(parent.window, 5, 5);
    EXPECT_TRUE(PumpUntil([&] { return button->visualState == vo::kButtonIdle; }, 500));
    EXPECT_FALSE(button->mouseTracking);
}

TEST(ButtonMouse, DragOutCancelsAndDragBackInRestoresTheClick) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    PointerAt(button->ownWindow, 30, 10);
    Press(button);
    PointerAt(button->ownWindow, 120, 60);  // captured: the move outside reaches the button
    SendMessageW(button->ownWindow, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(120, 60));
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    Release(button);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
    EXPECT_NE(GetCapture(), button->ownWindow);

    PointerAt(button->ownWindow, 30, 10);
    Press(button);
    PointerAt(button->ownWindow, 120, 60);
    SendMessageW(button->ownWindow, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(120, 60));
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    // Back inside with the left button still held.
    POINT inside{30, 10};
    ClientToScreen(button->ownWindow, &inside);
    SetCursorPos(inside.x, inside.y);
    SendMessageW(button->ownWindow, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(30, 10));
    EXPECT_EQ(button->visualState, vo::kButtonPressed);
    PumpMessages(20);
    EXPECT_EQ(button->visualState, vo::kButtonPressed);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
    Release(button);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    ExpectOneClick(parent, button);
}

TEST(ButtonMouse, NotifyOnPressAndOnReleaseOutside) {
    TestParent parent;
    auto* onPress = parent.Place(new voButton(parent.window, 7, 80, vo::kButtonNormal), 20, 20);
    onPress->notifyOnPress = true;
    PointerAt(onPress->ownWindow, 30, 10);
    Press(onPress);
    ExpectOneClick(parent, onPress);
    Release(onPress);  // inside: the usual click as well
    EXPECT_EQ(parent.Received(WM_COMMAND).size(), 2u);
    parent.Clear();
    Press(onPress);
    PointerAt(parent.window, 300, 300);
    Release(onPress);  // outside: only the press spoke
    EXPECT_EQ(parent.Received(WM_COMMAND).size(), 1u);

    auto* outside = parent.Place(new voButton(parent.window, 8, 80, vo::kButtonNormal), 20, 60);
    outside->notifyOnReleaseOutside = true;
    parent.Clear();
    PointerAt(outside->ownWindow, 30, 10);
    Press(outside);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
    PointerAt(parent.window, 300, 300);
    Release(outside);
    ExpectOneClick(parent, outside);
    EXPECT_EQ(outside->visualState, vo::kButtonIdle);
}

TEST(ButtonMouse, ToggleModeFlipsOnEachPressAndDoubleClick) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonRound), 20, 20);
    button->toggleMode = true;
    PointerAt(button->ownWindow, 30, 10);
    bool expected = false;
    for (int click = 1; click <= 4; ++click) {
        // Every second click arrives as a double click, as the system sends it.
        PostMessageW(button->ownWindow, click % 2 == 0 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN,
                     MK_LBUTTON, ClientLParam(30, 10));
        PostMessageW(button->ownWindow, WM_LBUTTONUP, 0, ClientLParam(30, 10));
        PumpMessages();
        expected = !expected;
        EXPECT_EQ(button->checked, expected) << click;
        EXPECT_EQ(button->visualState, expected ? vo::kButtonPressed : vo::kButtonIdle) << click;
        EXPECT_EQ(parent.Received(WM_COMMAND).size(), static_cast<std::size_t>(click));
    }
    // Checked, the look stays pressed when the pointer moves away.
    Press(button);
    Release(button);
    PointerAt(parent.window, 300, 300);
    SendMessageW(button->ownWindow, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(button->visualState, vo::kButtonPressed);

    button->keepChecked = true;
    parent.Clear();
    PointerAt(button->ownWindow, 30, 10);
    Press(button);
    Release(button);
    SendMessageW(button->ownWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, ClientLParam(30, 10));
    Release(button);
    EXPECT_TRUE(button->checked);
    EXPECT_EQ(button->visualState, vo::kButtonPressed);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
    EXPECT_NE(GetCapture(), button->ownWindow);
}

TEST(ButtonMouse, SetCheckedActsOnlyInToggleMode) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    button->SetChecked(true);
    EXPECT_FALSE(button->checked);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    button->toggleMode = true;
    button->SetChecked(true);
    EXPECT_TRUE(button->checked);
    EXPECT_EQ(button->visualState, vo::kButtonPressed);
    button->SetChecked(false);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
}

TEST(ButtonMouse, DisabledButtonIgnoresTheMouse) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    button->toggleMode = true;
    button->notifyOnPress = true;
    button->Disable();
    PointerAt(button->ownWindow, 30, 10);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                         WM_MOUSEMOVE}) {
        EXPECT_EQ(SendMessageW(button->ownWindow, message, MK_LBUTTON, ClientLParam(30, 10)), 0);
        EXPECT_EQ(button->visualState, vo::kButtonIdle);
        EXPECT_NE(GetCapture(), button->ownWindow);
    }
    EXPECT_FALSE(button->checked);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
}

TEST(ButtonMouse, AnotherWindowTakingTheCaptureEndsThePress) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    PointerAt(button->ownWindow, 30, 10);
    Press(button);
    ASSERT_EQ(button->visualState, vo::kButtonPressed);
    SetCapture(parent.window);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    ReleaseCapture();
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
}

TEST(ButtonMouse, DisabledFromItsOwnPressStillGivesTheMouseBack) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 80, vo::kButtonNormal), 20, 20);
    PointerAt(button->ownWindow, 30, 10);
    Press(button);
    ASSERT_EQ(GetCapture(), button->ownWindow);
    button->Disable();
    Release(button);
    EXPECT_NE(GetCapture(), button->ownWindow);
    EXPECT_EQ(button->visualState, vo::kButtonIdle);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty());
}

// --- Looks ----------------------------------------------------------------------

TEST(ButtonLooks, ClickedPiecesShowOnlyWhilePressed) {
    // Left and centre pieces per style: normal, then clicked.
    const wchar_t* const pieces[4][2][2] = {
        {{L"Button_Normal_Left", L"Button_Normal_Center"},
         {L"Button_Normal_Clicked_Left", L"Button_Normal_Clicked_Center"}},
        {{L"Button_Round_Left", L"Button_Round_Center"},
         {L"Button_Round_Clicked_Left", L"Button_Round_Clicked_Center"}},
        {{L"Button_Green_Left", L"Button_Green_Center"},
         {L"Button_Green_Clicked_Left", L"Button_Green_Clicked_Center"}},
        {{L"Button_Red_Left", L"Button_Red_Center"},
         {L"Button_Red_Clicked_Left", L"Button_Red_Clicked_Center"}},
    };
    TestParent parent;
    for (int style = vo::kButtonNormal; style <= vo::kButtonRed; ++style) {
        SCOPED_TRACE(style);
        auto* button = parent.Place(
            new voButton(parent.window, static_cast<std::uint16_t>(style + 1), 90, style), 20,
            20 + 30 * style);
        const int side = button->sideWidth;
        const int h = button->skinHeight;
        for (int state : {vo::kButtonIdle, vo::kButtonHovered, vo::kButtonPressed}) {
            const auto& names = pieces[style][state == vo::kButtonPressed ? 1 : 0];
            const PiecePixels centre = ReadPiece(names[1], 1, h);
            const PiecePixels left = ReadPiece(names[0], side, h);
            ASSERT_EQ(centre.height, h);
            button->visualState = state;
            const PixelImage image = Shown(button);
            // The first, a middle and the last centre column show the piece.
            for (int cx : {side, 45, 90 - side - 1})
                EXPECT_GT(ExpectOpaquePixelsAt(image, centre, cx, 0), h / 2) << "state " << state;
            EXPECT_GT(ExpectOpaquePixelsAt(image, left, 0, 0), 0);
        }
    }
}

namespace {
using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
AlphaBlendFunction realAlphaBlend = nullptr;
int alphaBlends = 0;
BOOL WINAPI CountingAlphaBlend(HDC a, int b, int c, int d, int e, HDC f, int g, int h, int i, int j,
                               BLENDFUNCTION k) {
    ++alphaBlends;
    return realAlphaBlend(a, b, c, d, e, f, g, h, i, j, k);
}
}  // namespace

TEST(ButtonLooks, AnUnchangedButtonRepaintsItsKeptPictureAndADirectAssignmentShowsNextPaint) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 150, vo::kButtonNormal), 20, 20);
    button->SetFont(L"Tahoma", 18, 700);
    button->SetText(L"HHHHHH");
    button->SetTextColor(RGB(0, 0, 255));
    const PixelImage before = Shown(button);
    realAlphaBlend = reinterpret_cast<AlphaBlendFunction>(
        PatchImport("msimg32.dll", "AlphaBlend", reinterpret_cast<void*>(&CountingAlphaBlend)));
    ASSERT_NE(realAlphaBlend, nullptr);
    alphaBlends = 0;
    const PixelImage again = Shown(button);
    EXPECT_EQ(alphaBlends, 0) << "nothing changed, nothing composed";
    EXPECT_EQ(again.pixels, before.pixels);

    // Fields assigned without a setter, then a paint the system asks for.
    button->textColour = RGB(255, 0, 0);
    InvalidateRect(button->ownWindow, nullptr, FALSE);
    UpdateWindow(button->ownWindow);
    EXPECT_GT(alphaBlends, 0);
    PixelImage image = ReadWindowPixels(button->ownWindow);
    EXPECT_GT(CountNear(image, RGB(255, 0, 0), 40), 20);
    EXPECT_EQ(CountNear(image, RGB(0, 0, 255), 60), 0);
    button->caption = L"";
    InvalidateRect(button->ownWindow, nullptr, FALSE);
    UpdateWindow(button->ownWindow);
    image = ReadWindowPixels(button->ownWindow);
    EXPECT_EQ(CountNear(image, RGB(255, 0, 0), 60), 0);
    PatchImport("msimg32.dll", "AlphaBlend", reinterpret_cast<void*>(realAlphaBlend));
}

TEST(ButtonLooks, CaptionColourFollowsTheEnabledFlag) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 150, vo::kButtonNormal), 20, 20);
    button->SetFont(L"Tahoma", 18, 700);
    button->SetText(L"HHHHHH");
    button->SetTextColor(RGB(0, 0, 255));
    button->SetDisabledTextColor(RGB(255, 0, 0));
    PixelImage image = Shown(button);
    EXPECT_GT(CountNear(image, RGB(0, 0, 255), 40), 20);
    EXPECT_EQ(CountNear(image, RGB(255, 0, 0), 60), 0);
    button->Disable();
    image = Shown(button);
    EXPECT_GT(CountNear(image, RGB(255, 0, 0), 40), 20);
    EXPECT_EQ(CountNear(image, RGB(0, 0, 255), 60), 0);
}

TEST(ButtonLooks, RoundIconSinksOnePixelWhenPressed) {
    TestParent parent;
    auto* button = parent.Place(new voButton(parent.window, kId, 0, vo::kButtonRoundIcon), 20, 20);
    button->SetIcon(1);
    const PiecePixels icon = ReadPiece(L"Button_Add_Icon", 14, 14);
    const PiecePixels idleFace = ReadPiece(L"Button_Clicked_Round", 22, 22);
    const PiecePixels pressedFace = ReadPiece(L"Button_Round", 22, 22);
    ASSERT_EQ(icon.height, 14);
    ASSERT_EQ(pressedFace.height, 22);

    PixelImage image = Shown(button);
    EXPECT_GT(ExpectOpaquePixelsAt(image, icon, 4, 3), 10);
    EXPECT_GT(ExpectOpaquePixelsAt(image, idleFace, 0, 0, {4, 3, 18, 17}), 100);

    PointerAt(button->ownWindow, 11, 11);
    Press(button);
    image = ReadWindowPixels(button->ownWindow);
    EXPECT_GT(ExpectOpaquePixelsAt(image, icon, 4, 4), 10);
    EXPECT_GT(ExpectOpaquePixelsAt(image, pressedFace, 0, 0, {4, 4, 18, 18}), 100);
    Release(button);
    image = ReadWindowPixels(button->ownWindow);
    EXPECT_GT(ExpectOpaquePixelsAt(image, icon, 4, 3), 10);
}

TEST(ButtonLooks, DisabledRoundIconsShowTheirGreyIcons) {
    const wchar_t* const greyIcons[vo::kRoundIconCount] = {
        L"Button_Gray_Delete_Icon", L"Button_Gray_Add_Icon",   L"Button_Gray_Schedule_Icon",
        L"Button_Gray_CountDown_Icon", L"Button_Gray_Task_Icon", L"Button_Gray_Cross_Icon",
        L"Button_Gray_Refresh_Button", L"BUTTON_GRAY_CALLENDAR_ICON"};
    TestParent parent;
    for (int index = 0; index < vo::kRoundIconCount; ++index) {
        SCOPED_TRACE(index);
        auto* button = parent.Place(
            new voButton(parent.window, static_cast<std::uint16_t>(index + 1), 0, vo::kButtonRoundIcon),
            20 + 30 * index, 20);
        button->Disable();
        button->SetIcon(-1);
        const PixelImage bare = Shown(button);
        button->SetIcon(index);
        const PixelImage shown = Shown(button);
        // The grey icons are translucent: each pixel is the icon over the bare face.
        const PiecePixels icon = ReadPiece(greyIcons[index], 14, 14);
        ASSERT_EQ(icon.height, 14);
        int covered = 0;
        for (int py = 0; py < 14; ++py)
            for (int px = 0; px < 14; ++px) {
                const int alpha = icon.Alpha(px, py);
                if (alpha < 64) continue;
                ++covered;
                const COLORREF under = bare.At(4 + px, 3 + py);
                const COLORREF over = icon.Colour(px, py);
                auto mix = [&](int top, int bottom) { return top + bottom * (255 - alpha) / 255; };
                const COLORREF expected = RGB(mix(GetRValue(over), GetRValue(under)),
                                              mix(GetGValue(over), GetGValue(under)),
                                              mix(GetBValue(over), GetBValue(under)));
                EXPECT_TRUE(ColourNear(shown.At(4 + px, 3 + py), expected, 3))
                    << px << "," << py << std::hex << ": " << shown.At(4 + px, 3 + py) << " vs "
                    << expected;
            }
        EXPECT_GT(covered, 10);
    }
    // An index outside the eight shows the bare face, enabled or not.
    const PiecePixels face = ReadPiece(L"Button_Clicked_Round", 22, 22);
    std::uint16_t id = 20;
    for (int index : {8, -1}) {
        for (bool enabled : {true, false}) {
            SCOPED_TRACE(index);
            auto* button = parent.Place(new voButton(parent.window, id, 0, vo::kButtonRoundIcon),
                                        20 + 30 * (id - 20), 60);
            ++id;
            button->SetIcon(index);
            button->enabled = enabled;
            EXPECT_GT(ExpectOpaquePixelsAt(Shown(button), face, 0, 0), 200);
        }
    }
}

TEST(ButtonLooks, CustomStyleDrawsItsFilesPerState) {
    CustomSkin skin;
    TestParent parent;
    voButton* button = skin.Make(parent);
    button->SetFont(L"Tahoma", 15, 400);

    auto expectLook = [&](COLORREF pieces, COLORREF icon, const char* what) {
        SCOPED_TRACE(what);
        const PixelImage image = Shown(button);
        EXPECT_TRUE(ColourNear(image.At(10, 2), pieces, 1)) << std::hex << image.At(10, 2);
        EXPECT_TRUE(ColourNear(image.At(1, 10), pieces, 1));   // left piece
        EXPECT_TRUE(ColourNear(image.At(58, 10), pieces, 1));  // right piece
        // The transparent corner of the left piece shows the background.
        EXPECT_TRUE(ColourNear(image.At(0, 0), skin.background, 1)) << std::hex << image.At(0, 0);
        // The icon is centred: (60 - 6) / 2, (20 - 6) / 2.
        EXPECT_TRUE(ColourNear(image.At(27, 7), icon, 1)) << std::hex << image.At(27, 7);
        EXPECT_TRUE(ColourNear(image.At(32, 12), icon, 1));
        EXPECT_TRUE(ColourNear(image.At(26, 7), pieces, 1));
    };
    expectLook(skin.normal, skin.icon, "normal");
    button->visualState = vo::kButtonHovered;
    expectLook(skin.hovered, skin.icon, "hovered");
    button->visualState = vo::kButtonPressed;
    expectLook(skin.clicked, skin.clickedIcon, "clicked");
    button->visualState = vo::kButtonIdle;
    button->toggleMode = true;
    button->SetChecked(true);
    expectLook(skin.clicked, skin.clickedIcon, "checked");
    button->SetChecked(false);
    button->Disable();
    expectLook(skin.normal, skin.disabledIcon, "disabled");

    // Without hovered pieces the hovered state shows the normal ones; without
    // a disabled icon the normal icon stands in.
    button->skinFiles[3] = L"";
    button->SetIconFile(2, L"");
    button->visualState = vo::kButtonHovered;
    expectLook(skin.normal, skin.icon, "hovered without hovered pieces");
}

TEST(ButtonLooks, CustomIconAlignmentsAndMissingFiles) {
    CustomSkin skin;
    TestParent parent;
    voButton* button = skin.Make(parent);
    button->iconHorizontalAlignment = vo::kAlignStart;
    button->iconVerticalAlignment = vo::kAlignStart;
    button->iconXOffset = 3;
    button->iconYOffset = 1;
    PixelImage image = Shown(button);
    EXPECT_TRUE(ColourNear(image.At(3, 1), skin.icon, 1));
    EXPECT_TRUE(ColourNear(image.At(2, 1), skin.normal, 1));
    button->iconHorizontalAlignment = vo::kAlignEnd;
    button->iconVerticalAlignment = vo::kAlignEnd;
    button->iconRightMargin = 4;
    button->iconBottomMargin = 2;
    image = Shown(button);
    EXPECT_TRUE(ColourNear(image.At(60 - 6 - 4, 20 - 6 - 2), skin.icon, 1));
    EXPECT_TRUE(ColourNear(image.At(55, 12), skin.icon, 1));
    EXPECT_TRUE(ColourNear(image.At(56, 12), skin.normal, 1));

    // A missing centre piece leaves the background; the rest still paints.
    button->SetSkinFile(2, L"Z:\\nowhere\\missing.bmp");
    button->SetIconFile(0, L"");
    image = Shown(button);
    EXPECT_TRUE(ColourNear(image.At(30, 10), skin.background, 1)) << std::hex << image.At(30, 10);
    EXPECT_TRUE(ColourNear(image.At(1, 10), skin.normal, 1));
    EXPECT_TRUE(ColourNear(image.At(58, 10), skin.normal, 1));
}

// --- Resources and robustness ------------------------------------------------

TEST(ButtonResources, TenThousandPaintsOfEveryStyleMakeAndLeakNothing) {
    GdiLeakCounter counter;
    ASSERT_TRUE(counter.Installed());
    CustomSkin skin;
    auto owner = std::make_unique<TestParent>();
    TestParent& parent = *owner;
    std::vector<voButton*> buttons;
    for (int style = vo::kButtonNormal; style <= vo::kButtonRoundIcon; ++style) {
        auto* button = parent.Place(new voButton(parent.window, static_cast<std::uint16_t>(style + 1),
                                                 100, style),
                                    10, 10 + 30 * style);
        button->SetText(L"Leak check");
        buttons.push_back(button);
    }
    voButton* custom = skin.Make(parent, 50);
    custom->SetText(L"Files");
    buttons.push_back(custom);
    PumpMessages();

    // Every look changes between two paints, so each paint composes anew.
    auto paintRound = [&](int paint) {
        for (voButton* button : buttons) {
            button->visualState = paint % 3;
            button->enabled = paint % 4 != 0;
            button->checked = paint % 5 == 0;
            button->Redraw(true);
        }
    };
    for (int paint = 0; paint < 60; ++paint) paintRound(paint);  // every look once

    const GdiCounts before = counter.Live();
    const GdiCounts acquiredBefore = counter.Acquired();
    const int rounds = 10000 / static_cast<int>(buttons.size());
    const DWORD start = GetTickCount();
    for (int paint = 0; paint < rounds; ++paint) paintRound(paint);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(counter.Live(), before) << counter.Describe();
    // Pieces, fonts, slices and pictures are kept: a paint makes nothing and
    // takes only the window's DC.
    const long paints = static_cast<long>(rounds * buttons.size());
    const GdiCounts acquired{counter.Acquired().objects - acquiredBefore.objects,
                             counter.Acquired().deviceContexts - acquiredBefore.deviceContexts};
    EXPECT_EQ(acquired, (GdiCounts{0, paints}));
    std::printf("%ld button paints took %lu ms\n", paints, elapsed);
    // What the buttons kept goes with them: pieces, fonts, slices, pictures.
    owner.reset();
    EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
}

TEST(ButtonResources, MessageStormKeepsStateAndSizeInRange) {
    CustomSkin skin;
    TestParent parent;
    int style = 0;
    for (voButton* button :
         {parent.Place(new voButton(parent.window, 1, 60, vo::kButtonNormal), 20, 20),
          parent.Place(new voButton(parent.window, 2, 0, vo::kButtonRoundIcon), 20, 60),
          skin.Make(parent, 3)}) {
        SCOPED_TRACE(style++);
        button->SetText(L"Storm");
        button->toggleMode = button->controlId == 2;
        button->notifyOnPress = button->controlId == 3;
        StormOptions options;
        options.seed = 1000u + button->controlId;
        options.messages = 1000;
        options.checkInvariants = [button] {
            EXPECT_GE(button->visualState, vo::kButtonIdle);
            EXPECT_LE(button->visualState, vo::kButtonPressed);
            if (button->style == vo::kButtonRoundIcon) {
                EXPECT_EQ(button->width, 22);
            } else {
                EXPECT_GE(button->width, 2 * button->sideWidth + 1);
            }
            EXPECT_EQ(button->height, button->skinHeight);
        };
        EXPECT_TRUE(RunMessageStorm(button->ownWindow, options));
    }
}

// Every style and state side by side; with VO_BUTTON_SHOWCASE_MS set, the
// window stays up that long so it can be photographed.
TEST(ButtonLooks, EveryLookOnOneWindow) {
    TestParent parent(460, 300);
    const wchar_t* names[] = {L"Normal", L"Round", L"Green", L"Red"};
    const wchar_t* states[] = {L"normal", L"hovered", L"clicked", L"toggled", L"disabled"};
    std::uint16_t id = 1;
    std::vector<voButton*> all;
    for (int style = vo::kButtonNormal; style <= vo::kButtonRed; ++style)
        for (int look = 0; look < 5; ++look) {
            auto* button = parent.Place(new voButton(parent.window, id++, 84, style), 8 + 88 * look,
                                        10 + 28 * style);
            button->SetText(std::wstring(names[style]) + L" " + states[look]);
            button->SetFont(L"Tahoma", 12, 400);
            if (look == 1) button->visualState = vo::kButtonHovered;
            if (look == 2) button->visualState = vo::kButtonPressed;
            if (look == 3) {
                button->toggleMode = true;
                button->SetChecked(true);
            }
            if (look == 4) button->Disable();
            all.push_back(button);
        }
    for (int index = 0; index < vo::kRoundIconCount; ++index)
        for (int disabled = 0; disabled < 2; ++disabled) {
            auto* button = parent.Place(new voButton(parent.window, id++, 0, vo::kButtonRoundIcon),
                                        8 + 28 * index, 130 + 28 * disabled);
            button->SetIcon(index);
            if (disabled) button->Disable();
            all.push_back(button);
        }
    auto* pressedIcon = parent.Place(new voButton(parent.window, id++, 0, vo::kButtonRoundIcon),
                                     240, 130);
    pressedIcon->SetIcon(7);
    pressedIcon->visualState = vo::kButtonPressed;
    all.push_back(pressedIcon);

    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(L"" VO_BIN_DIR);
    const wchar_t* modern[9] = {
        L"resources\\2x20_button_modern_left.bmp",         L"resources\\2x20_button_modern_right.bmp",
        L"resources\\1x20_button_modern_center.bmp",       L"resources\\2x20_button_modern_hovered_left.bmp",
        L"resources\\2x20_button_modern_hovered_right.bmp", L"resources\\1x20_button_modern_hovered_center.bmp",
        L"resources\\2x20_button_modern_clicked_left.bmp", L"resources\\2x20_button_modern_clicked_right.bmp",
        L"resources\\1x20_button_modern_clicked_center.bmp"};
    const wchar_t* customStates[] = {L"Modern", L"Modern hovered", L"Modern clicked"};
    for (int look = 0; look < 3; ++look) {
        auto* button = new voButton(parent.window, id++, 150, vo::kButtonCustom);
        button->sideWidth = 2;
        button->skinHeight = 20;
        for (int piece = 0; piece < 9; ++piece) button->SetSkinFile(piece, modern[piece]);
        button->SetIconFile(0, L"resources\\18_play_icon.bmp");
        button->iconWidth = 18;
        button->iconHeight = 18;
        button->iconHorizontalAlignment = vo::kAlignStart;
        button->iconXOffset = 2;
        button->iconYOffset = 1;
        button->textMarginLeft = 22;
        button->textHorizontalAlignment = 0;
        button->SetTextColor(RGB(255, 255, 255));
        button->SetText(customStates[look]);
        button->FitToText(12);
        button->visualState = look;
        parent.Place(button, 8 + 130 * look, 200);
        all.push_back(button);
    }
    PumpMessages();
    for (voButton* button : all) {
        const PixelImage image = ReadWindowPixels(button->ownWindow);
        // The bare slice behind the button: a custom-style button with no
        // files and no caption, of the same width at the same x, draws nothing else.
        auto* bare = new voButton(parent.window, id++, button->width, vo::kButtonCustom);
        bare->sideWidth = 0;
        bare->skinHeight = button->height;
        parent.Place(bare, button->x, 270);
        bare->SetSize(button->width, button->height);
        const PixelImage slice = ReadWindowPixels(bare->ownWindow);
        ASSERT_EQ(image.width, slice.width);
        ASSERT_EQ(image.height, slice.height);
        // A skinned look covers most of its area with pieces.
        int changed = 0;
        for (int py = 0; py < image.height; ++py)
            for (int px = 0; px < image.width; ++px) changed += !ColourNear(image.At(px, py), slice.At(px, py), 8);
        EXPECT_GT(changed, image.width * image.height / 3) << button->controlId;
        parent.DeleteControl(bare->controlId);
    }
    if (const char* hold = std::getenv("VO_BUTTON_SHOWCASE_MS")) PumpMessages(std::atoi(hold));
    SetCurrentDirectoryW(previous);
}
