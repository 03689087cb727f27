// The check box and the radio button on a real gradient parent under Wine:
// clicks, drags, focus, the pictures they show, leaks and a message storm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "control/Skin.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voRadioButton.h"

namespace {

constexpr std::uint16_t kId = 41;

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

void Press(HWND control, int x = 3, int y = 4) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
}
void MoveHeld(HWND control, int x, int y) { SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
void ReleaseAt(HWND control, int x = 3, int y = 4) { SendMessageW(control, WM_LBUTTONUP, 0, At(x, y)); }
void Click(HWND control) {
    Press(control);
    ReleaseAt(control);
}

// The folder of this test executable, where the build puts resources\.
std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

const wchar_t* const kCheckBoxFiles[] = {
    L"resources\\11_checkBox_checked.bmp", L"resources\\11_checkBox_hovered_checked.bmp",
    L"resources\\11_checkBox_unchecked.bmp", L"resources\\11_checkBox_hovered_unchecked.bmp"};
const wchar_t* const kRadioFiles[] = {
    L"resources\\11_radio_button_checked.bmp", L"resources\\11_radio_button_hovered_checked.bmp",
    L"resources\\11_radio_button_unchecked.bmp", L"resources\\11_radio_button_hovered_unchecked.bmp"};
const wchar_t* const kCheckBoxPieces[] = {L"CheckBox_Checked", L"CheckBox_Hovered_Checked",
                                          L"CheckBox_Unchecked", L"CheckBox_Hovered_Unchecked"};
const wchar_t* const kRadioPieces[] = {L"RadioButton_Checked", L"RadioButton_Hovered_Checked",
                                       L"RadioButton_Unchecked", L"RadioButton_Hovered_Unchecked"};

// A rectangle of pixels as COLORREFs, clipped to the image.
struct Area {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int px, int py) const { return pixels[static_cast<std::size_t>(py) * width + px]; }
};

Area Crop(const PixelImage& image, int left, int top, int w, int h) {
    Area area;
    const int x0 = left < 0 ? 0 : left;
    const int y0 = top < 0 ? 0 : top;
    const int x1 = left + w > image.width ? image.width : left + w;
    const int y1 = top + h > image.height ? image.height : top + h;
    if (x1 <= x0 || y1 <= y0) return area;
    area.width = x1 - x0;
    area.height = y1 - y0;
    for (int py = y0; py < y1; ++py)
        for (int px = x0; px < x1; ++px) area.pixels.push_back(image.At(px, py));
    return area;
}

Area ControlArea(HWND control, int left, int top, int w, int h) {
    return Crop(ReadWindowPixels(control), left, top, w, h);
}

// `background` with `piece` (size box x box) composited at (0, pieceTop) by
// the same per-pixel alpha blend, computed here on a DIB of our own.
Area Composite(const Area& background, HBITMAP piece, int pieceTop, int box) {
    Bitmap canvas = MakePiece(background.width, background.height, [&](int x, int y) {
        const COLORREF c = background.At(x, y);
        return static_cast<std::uint32_t>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    });
    Area result = background;
    if (!canvas) return result;
    DIBSECTION section{};
    GetObjectW(canvas.Get(), sizeof(section), &section);
    const auto* raw = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    {
        MemoryDC target;
        SelectedObject selected(target.Get(), canvas.Get());
        BlendPiece(target.Get(), piece, 0, pieceTop, box, box, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
        GdiFlush();
    }
    for (std::size_t i = 0; i < result.pixels.size(); ++i)
        result.pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return result;
}

::testing::AssertionResult SameArea(const Area& actual, const Area& expected, int tolerance) {
    if (actual.width != expected.width || actual.height != expected.height || actual.pixels.empty())
        return ::testing::AssertionFailure() << "areas " << actual.width << "x" << actual.height
                                             << " and " << expected.width << "x" << expected.height;
    for (int py = 0; py < actual.height; ++py)
        for (int px = 0; px < actual.width; ++px)
            if (!ColourNear(actual.At(px, py), expected.At(px, py), tolerance))
                return ::testing::AssertionFailure()
                       << "pixel (" << px << ", " << py << ") is 0x" << std::hex << actual.At(px, py)
                       << ", expected 0x" << expected.At(px, py);
    return ::testing::AssertionSuccess();
}

// The largest channel difference between two areas of equal size.
int LargestDifference(const Area& a, const Area& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                   static_cast<int>((b.pixels[i] >> shift) & 0xFF));
            if (d > largest) largest = d;
        }
    return largest;
}

int Darkest(const Area& area) {
    int darkest = 255;
    for (COLORREF c : area.pixels) {
        const int channels[] = {GetRValue(c), GetGValue(c), GetBValue(c)};
        for (int channel : channels)
            if (channel < darkest) darkest = channel;
    }
    return darkest;
}

class ToggleTest : public ::testing::Test {
protected:
    template <class Control>
    Control* Make(int x, int y, int width = 120, std::uint16_t id = kId) {
        return parent.Place(new Control(parent.window, id, width), x, y);
    }

    std::vector<RecordedMessage> Commands() const { return parent.Received(WM_COMMAND); }

    // What a box-less control at the same column shows: the gradient slice.
    Area Background(int x, int width, int height, int boxSize) {
        auto* empty = Make<voRadioButton>(x, 300, width, nextBackgroundId++);
        empty->SetSkinSource(2);
        empty->SetSize(width, height);
        empty->Redraw(true);
        return ControlArea(empty->GetHandle(), 0, 0, boxSize, height);
    }

    // The box area of `control` must be `piece` composited over the slice.
    ::testing::AssertionResult ShowsPiece(voToggleControl& control, const wchar_t* name,
                                          SkinSource source) {
        control.Redraw(true);
        const int box = control.boxSize;
        const int top = (control.height - box) / 2;  // vertically centred, signed
        const Area background = Background(control.x, control.width, control.height, box);
        Bitmap piece = LoadSkinPiece(control.moduleInstance, name, source, box, box);
        if (!piece) return ::testing::AssertionFailure() << "the piece does not load";
        const Area expected = Composite(background, piece.Get(), top, box);
        const Area actual = ControlArea(control.GetHandle(), 0, 0, box, control.height);
        return SameArea(actual, expected, 2);
    }

    // Held by pointer: the window's destructor may throw, a fixture's may not.
    std::unique_ptr<TestParent> owner = std::make_unique<TestParent>();
    TestParent& parent = *owner;
    std::uint16_t nextBackgroundId = 900;
};

}  // namespace

TEST_F(ToggleTest, AFreshControlIsUncheckedEnabledTenHighAndAtLeastSixteenWide) {
    auto* narrow = new voCheckBox(parent.window, kId, 4);
    EXPECT_FALSE(IsWindowVisible(narrow->GetHandle()));
    parent.Place(narrow, 10, 10);
    auto* wide = Make<voRadioButton>(10, 40, 120, kId + 1);
    for (voToggleControl* control : {static_cast<voToggleControl*>(narrow),
                                     static_cast<voToggleControl*>(wide)}) {
        EXPECT_EQ(control->visualState, 2);
        EXPECT_FALSE(control->checked);
        EXPECT_TRUE(control->toggleMode);
        EXPECT_TRUE(control->enabled);
        EXPECT_EQ(control->kind, 7);
        EXPECT_EQ(control->height, 10);
        EXPECT_EQ(control->boxSize, 10);
        EXPECT_EQ(control->gap, 6);
        EXPECT_EQ(control->font.face, L"Tahoma");
        EXPECT_EQ(control->font.height, 13);
        EXPECT_EQ(control->disabledTextColour, 0x575757u);
        RECT client{};
        GetClientRect(control->GetHandle(), &client);
        EXPECT_EQ(client.bottom, 10);
        EXPECT_EQ(client.right, control->width);
    }
    EXPECT_EQ(narrow->width, 16);
    EXPECT_EQ(wide->width, 120);
}

TEST_F(ToggleTest, ClicksToggleACheckBoxAndReportEachChange) {
    auto* box = Make<voCheckBox>(20, 20);
    const HWND window = box->GetHandle();
    Press(window);
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(box->visualState, 3);
    EXPECT_TRUE(Commands().empty()) << "a press alone reports nothing";
    ReleaseAt(window);
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(box->visualState, 0);
    EXPECT_TRUE(box->checked);
    Click(window);
    EXPECT_EQ(box->visualState, 2);
    EXPECT_FALSE(box->checked);

    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(LOWORD(commands[0].wParam), kId);
    EXPECT_EQ(HIWORD(commands[0].wParam), 0);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(LOWORD(commands[1].wParam), kId);
    EXPECT_EQ(HIWORD(commands[1].wParam), 2);
    EXPECT_EQ(commands[1].lParam, reinterpret_cast<LPARAM>(box));
}

TEST_F(ToggleTest, ARadioButtonChecksOnceAndTwoCanBothBeChecked) {
    auto* first = Make<voRadioButton>(20, 20, 120, kId);
    auto* second = Make<voRadioButton>(20, 40, 120, kId + 1);
    Click(first->GetHandle());
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(Commands()[0].lParam, reinterpret_cast<LPARAM>(first));
    Click(first->GetHandle());
    Click(first->GetHandle());
    EXPECT_EQ(Commands().size(), 1u) << "clicks on a checked radio button send nothing";
    EXPECT_EQ(first->visualState, 0);
    EXPECT_TRUE(first->checked);

    Click(second->GetHandle());
    ASSERT_EQ(Commands().size(), 2u);
    EXPECT_EQ(Commands()[1].wParam, MAKEWPARAM(kId + 1, 0));
    EXPECT_TRUE(first->checked);
    EXPECT_TRUE(second->checked);
}

TEST_F(ToggleTest, DraggingOutAndReleasingLeavesTheStateAndDraggingBackShowsThePress) {
    auto* box = Make<voCheckBox>(20, 20, 120, kId);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    radio->SetChecked(true);
    struct Case {
        voToggleControl* control;
        int before;
        const wchar_t* pressedPiece;
    } cases[] = {{box, 2, kCheckBoxPieces[3]}, {radio, 0, kRadioPieces[1]}};
    for (const Case& c : cases) {
        const HWND window = c.control->GetHandle();
        Press(window);
        MoveHeld(window, -5, 4);
        EXPECT_EQ(c.control->visualState, c.before);
        MoveHeld(window, 30, 4);
        EXPECT_EQ(c.control->visualState, c.before + 1);
        EXPECT_TRUE(ShowsPiece(*c.control, c.pressedPiece, SkinSource::Resource));
        MoveHeld(window, 30, 25);
        ReleaseAt(window, 30, 25);
        EXPECT_EQ(c.control->visualState, c.before);
        EXPECT_EQ(c.control->checked, c.before == 0);
        EXPECT_NE(GetCapture(), window);
        // A release outside with no move out before it drops the press too.
        Press(window);
        ReleaseAt(window, 500, 4);
        EXPECT_EQ(c.control->visualState, c.before);
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ToggleTest, AMoveInWithAButtonHeldPressesEvenWhenThePressBeganElsewhere) {
    auto* box = Make<voCheckBox>(20, 20);
    const HWND window = box->GetHandle();
    MoveHeld(window, 5, 5);
    EXPECT_EQ(box->visualState, 3);
    EXPECT_TRUE(box->mouseTracking);
    ReleaseAt(window, 5, 5);
    EXPECT_EQ(box->visualState, 0);
    EXPECT_TRUE(box->checked);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));

    // Any key flag counts too; the pressed look no press started ends with the hover.
    parent.Clear();
    SendMessageW(window, WM_MOUSEMOVE, MK_SHIFT, At(6, 5));
    EXPECT_EQ(box->visualState, 1);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(box->mouseTracking);
    EXPECT_EQ(box->visualState, 0);
    EXPECT_TRUE(box->checked);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ToggleTest, EachStateShowsItsOwnPieceAndSetCheckedNeverNotifies) {
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    for (int state = 0; state < 4; ++state) {
        box->visualState = state;
        radio->visualState = state;
        EXPECT_TRUE(ShowsPiece(*box, kCheckBoxPieces[state], SkinSource::Resource)) << state;
        EXPECT_TRUE(ShowsPiece(*radio, kRadioPieces[state], SkinSource::Resource)) << state;
    }
    box->toggleMode = false;  // SetChecked does not consult it
    for (bool value : {true, false}) {
        box->SetChecked(value);
        radio->SetChecked(value);
        EXPECT_EQ(box->visualState, value ? 0 : 2);
        EXPECT_EQ(box->checked, value);
        EXPECT_TRUE(ShowsPiece(*box, kCheckBoxPieces[value ? 0 : 2], SkinSource::Resource));
        EXPECT_TRUE(ShowsPiece(*radio, kRadioPieces[value ? 0 : 2], SkinSource::Resource));
    }
    EXPECT_TRUE(Commands().empty());
    // The oracle can tell the pieces apart.
    box->SetChecked(true);
    const Area checkedBox = ControlArea(box->GetHandle(), 0, 0, 10, 10);
    box->SetChecked(false);
    EXPECT_GT(LargestDifference(checkedBox, ControlArea(box->GetHandle(), 0, 0, 10, 10)), 40);
}

TEST_F(ToggleTest, ADisabledControlIgnoresTheMouseAndDrawsTheHoveredPieceAndGreyText) {
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    auto* reference = Make<voCheckBox>(20, 60, 120, kId + 2);
    for (voToggleControl* control : {static_cast<voToggleControl*>(box),
                                     static_cast<voToggleControl*>(radio),
                                     static_cast<voToggleControl*>(reference)}) {
        control->font.height = 16;
        control->font.weight = FW_BOLD;
        control->SetSize(120, 18);
        control->SetText(L"Disabled");
    }
    radio->SetChecked(true);
    box->SetEnabled(false);
    radio->SetEnabled(false);

    const HWND window = box->GetHandle();
    Click(window);
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(3, 4));
    ReleaseAt(window);
    MoveHeld(radio->GetHandle(), 3, 4);
    Click(radio->GetHandle());
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(box->visualState, 2);
    EXPECT_EQ(radio->visualState, 0);
    EXPECT_TRUE(Commands().empty());

    EXPECT_TRUE(ShowsPiece(*box, kCheckBoxPieces[3], SkinSource::Resource));
    EXPECT_TRUE(ShowsPiece(*radio, kRadioPieces[1], SkinSource::Resource));

    // The caption: never darker than 0x575757 while disabled, black when enabled.
    const Area disabledText = ControlArea(window, 16, 0, 104, 18);
    const Area enabledText = ControlArea(reference->GetHandle(), 16, 0, 104, 18);
    EXPECT_NEAR(Darkest(disabledText), 0x57, 3);
    EXPECT_LE(Darkest(enabledText), 8);
    int greyPixels = 0;
    for (COLORREF c : disabledText.pixels) greyPixels += ColourNear(c, 0x575757, 3) ? 1 : 0;
    EXPECT_GT(greyPixels, 10);

    box->SetEnabled(true);
    Click(window);
    EXPECT_EQ(box->visualState, 0);
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ToggleTest, APressCutShortByDisablingOrALostCaptureEndsWithoutAClick) {
    auto* box = Make<voCheckBox>(20, 20);
    Press(box->GetHandle());
    ASSERT_EQ(GetCapture(), box->GetHandle());
    box->SetEnabled(false);
    EXPECT_NE(GetCapture(), box->GetHandle()) << "a disabled control must not keep the mouse";
    EXPECT_EQ(box->visualState, 2);
    box->SetEnabled(true);
    ReleaseAt(box->GetHandle());
    EXPECT_EQ(box->visualState, 2);

    box->SetChecked(true);
    Press(box->GetHandle());
    EXPECT_EQ(box->visualState, 1);
    SetCapture(parent.window);
    EXPECT_EQ(box->visualState, 0);
    EXPECT_TRUE(box->checked);
    ReleaseCapture();
    ReleaseAt(box->GetHandle());
    EXPECT_EQ(box->visualState, 0);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ToggleTest, ADoubleClickTogglesTwice) {
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    for (voToggleControl* control : {static_cast<voToggleControl*>(box),
                                     static_cast<voToggleControl*>(radio)}) {
        const HWND window = control->GetHandle();
        Press(window);
        ReleaseAt(window);
        SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(3, 4));
        EXPECT_EQ(GetCapture(), window);
        ReleaseAt(window);
    }
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(commands[1].wParam, MAKEWPARAM(kId, 2));
    EXPECT_EQ(commands[2].wParam, MAKEWPARAM(kId + 1, 0));
    EXPECT_EQ(box->visualState, 2);
    EXPECT_EQ(radio->visualState, 0);
}

TEST_F(ToggleTest, ARealClickThroughTheSystemQueueTogglesTheBox) {
    auto* box = Make<voCheckBox>(20, 20);
    box->SetText(L"Real click");
    PumpMessages();
    POINT point{4, 5};
    ClientToScreen(box->GetHandle(), &point);
    ASSERT_TRUE(SetCursorPos(point.x, point.y));
    PumpMessages(20);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
    ASSERT_TRUE(PumpUntil([&] { return !Commands().empty(); }, 2000));
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_TRUE(box->checked);
    PumpMessages(20);
    EXPECT_NE(GetCapture(), box->GetHandle());
}

TEST_F(ToggleTest, FocusLossIsForwardedToTheParent) {
    auto* box = Make<voCheckBox>(20, 20, 120, kId);
    auto* other = Make<voRadioButton>(20, 40, 120, kId + 1);
    Click(box->GetHandle());
    ASSERT_EQ(GetFocus(), box->GetHandle());
    EXPECT_TRUE(box->focused);
    parent.Clear();

    SetFocus(other->GetHandle());
    auto setFocus = parent.Received(WM_SETFOCUS);
    ASSERT_EQ(setFocus.size(), 1u);
    EXPECT_EQ(setFocus[0].wParam, reinterpret_cast<WPARAM>(box->GetHandle()));
    EXPECT_FALSE(box->focused);

    Click(box->GetHandle());
    parent.Clear();
    SetFocus(nullptr);
    const auto killFocus = parent.Received(WM_KILLFOCUS);
    ASSERT_EQ(killFocus.size(), 1u);
    EXPECT_EQ(killFocus[0].wParam, 0u);
    EXPECT_TRUE(parent.Received(WM_SETFOCUS).empty());
    EXPECT_FALSE(box->focused);
}

TEST_F(ToggleTest, SizeRulesRaiseTheWidthAndGiveAZeroHeightTheBox) {
    auto* box = Make<voCheckBox>(20, 20);
    EXPECT_TRUE(box->SetSize(5, 0));
    EXPECT_EQ(box->width, 16);
    EXPECT_EQ(box->height, 10);
    RECT client{};
    GetClientRect(box->GetHandle(), &client);
    EXPECT_EQ(client.right, 16);
    EXPECT_EQ(client.bottom, 10);
    box->boxSize = 11;
    box->gap = 2;
    box->SetSize(0, 0);
    EXPECT_EQ(box->width, 13);
    EXPECT_EQ(box->height, 11);
    box->SetSkinSource(0);
    EXPECT_EQ(box->boxSize, 10);
    EXPECT_EQ(box->gap, 6);
    box->SetSkinFile(4, L"ignored");
    box->SetSkinFile(-1, L"ignored");
    for (const auto& path : box->skinFiles) EXPECT_TRUE(path.empty());
}

TEST_F(ToggleTest, FitToTextMakesRoomForTheWholeCaption) {
    auto* box = Make<voCheckBox>(20, 20, 300);
    box->gap = 20;
    box->SetText(L"Remember me");
    ASSERT_TRUE(box->FitToText());
    TEXTMETRICW metrics{};
    const SIZE text = MeasureCaption(box->GetHandle(), box->caption, box->font, &metrics);
    EXPECT_EQ(box->gap, 6);
    EXPECT_EQ(box->width, 10 + text.cx + 6);
    EXPECT_EQ(box->height, std::max<int>(text.cy + metrics.tmExternalLeading, 10));
    std::printf("FitToText: caption %ld x %ld, external leading %ld -> control %d x %d\n", text.cx,
                text.cy, metrics.tmExternalLeading, box->width, box->height);
    // The caption's ink lies inside the control, right of the box and gap.
    box->Redraw(true);
    const PixelImage pixels = ReadWindowPixels(box->GetHandle());
    int inkLeft = pixels.width, inkRight = -1;
    for (int py = 0; py < pixels.height; ++py)
        for (int px = 11; px < pixels.width; ++px)
            if (Darkest(Crop(pixels, px, py, 1, 1)) < 100) {
                inkLeft = std::min(inkLeft, px);
                inkRight = std::max(inkRight, px);
            }
    EXPECT_GE(inkLeft, 16);
    EXPECT_GT(inkRight, box->width - 12) << "the text should reach near the right edge";
    EXPECT_LT(inkRight, box->width);

    // Never lower than it was; an empty caption leaves box + 6.
    box->SetSize(200, 40);
    box->SetText(L"");
    box->FitToText();
    EXPECT_EQ(box->width, 16);
    EXPECT_EQ(box->height, 40);
}

TEST_F(ToggleTest, AControlLowerThanTheBoxCentresItOverBothEdges) {
    auto* box = Make<voCheckBox>(20, 20);
    box->SetChecked(true);
    box->SetSize(60, 6);
    const Area background = Background(box->x, 60, 6, 10);
    Bitmap piece = LoadSkinPiece(box->moduleInstance, kCheckBoxPieces[0], SkinSource::Resource, 10, 10);
    ASSERT_TRUE(piece);
    box->Redraw(true);
    const Area actual = ControlArea(box->GetHandle(), 0, 0, 10, 6);
    EXPECT_TRUE(SameArea(actual, Composite(background, piece.Get(), -2, 10), 2));
    EXPECT_GT(LargestDifference(actual, background), 40) << "the box must be on screen";
}

TEST_F(ToggleTest, ARadioButtonWithSkinSourceTwoDrawsItsCaptionButNoBox) {
    auto* radio = Make<voRadioButton>(40, 20, 120);
    auto* shown = Make<voRadioButton>(40, 60, 120, kId + 1);
    for (voRadioButton* control : {radio, shown}) {
        control->SetSize(120, 16);
        control->SetText(L"Caption");
        control->SetChecked(true);
    }
    radio->SetSkinSource(2);
    radio->Redraw(true);
    shown->Redraw(true);
    // The parent's own gradient in the same columns, above the controls.
    const Area slice = Crop(ReadWindowPixels(parent.window), 40, 2, 10, 16);
    const Area boxArea = ControlArea(radio->GetHandle(), 0, 0, 10, 16);
    EXPECT_TRUE(SameArea(boxArea, slice, 2));
    EXPECT_GT(LargestDifference(ControlArea(shown->GetHandle(), 0, 0, 10, 16), slice), 40);
    EXPECT_LE(Darkest(ControlArea(radio->GetHandle(), 16, 0, 104, 16)), 8) << "caption drawn";
}

TEST_F(ToggleTest, FileSkinsLoadFromTheDemoPathsAndACheckBoxTakesAnyNonZeroSource) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(ExecutableFolder().c_str()));
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    box->SetSkinSource(2);
    radio->SetSkinSource(1);
    for (int i = 0; i < 4; ++i) {
        box->SetSkinFile(i, kCheckBoxFiles[i]);
        radio->SetSkinFile(i, kRadioFiles[i]);
    }
    box->boxSize = 11;
    radio->boxSize = 11;
    box->SetSize(120, 13);
    radio->SetSize(120, 13);
    for (int state = 0; state < 4; ++state) {
        box->visualState = state;
        radio->visualState = state;
        EXPECT_TRUE(ShowsPiece(*box, kCheckBoxFiles[state], SkinSource::File)) << state;
        EXPECT_TRUE(ShowsPiece(*radio, kRadioFiles[state], SkinSource::File)) << state;
    }
    // A missing file draws no box and the paint still completes.
    box->SetSkinFile(0, L"resources\\no_such_piece.bmp");
    box->visualState = 0;
    box->Redraw(true);
    const Area missing = ControlArea(box->GetHandle(), 0, 0, 11, 13);
    EXPECT_TRUE(SameArea(missing, Background(box->x, 120, 13, 11), 2));
    SetCurrentDirectoryW(previous);
}

TEST_F(ToggleTest, PaintingMakesAndLeaksNothing) {
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    box->SetText(L"Leak check");
    radio->SetText(L"Leak check");
    const std::vector<voToggleControl*> controls{box, radio};
    // Six looks: the four states enabled, then checked and unchecked disabled.
    auto paintLooks = [&](int paintsEach) {
        for (voToggleControl* control : controls) {
            for (int look = 0; look < 6; ++look) {
                control->visualState = look < 4 ? look : (look == 4 ? 0 : 2);
                control->enabled = look < 4;
                for (int paint = 0; paint < paintsEach; ++paint) {
                    control->caption = paint % 2 ? L"Leak check" : L"Leak check!";
                    control->Redraw(true);
                }
            }
        }
    };
    paintLooks(2);
    PumpMessages();
    ExpectPaintsMakeNothing(paintLooks, 850, 2 * 6 * 850);  // 10,200 paints
}

TEST_F(ToggleTest, MessageStormsKeepTheInvariants) {
    auto* box = Make<voCheckBox>(20, 20);
    auto* radio = Make<voRadioButton>(20, 40, 120, kId + 1);
    box->SetText(L"Storm");
    radio->SetText(L"Storm");
    unsigned seed = 7;
    for (voToggleControl* control : {static_cast<voToggleControl*>(box),
                                     static_cast<voToggleControl*>(radio)}) {
        for (bool enabled : {true, false}) {
            control->SetEnabled(enabled);
            const HWND window = control->GetHandle();
            StormOptions options;
            options.seed = seed++;
            options.messages = 1500;
            options.checkInvariants = [control, window] {
                ASSERT_GE(control->visualState, 0);
                ASSERT_LE(control->visualState, 3);
                EXPECT_EQ(control->checked, control->visualState <= 1);
                if (GetCapture() != window && !control->mouseTracking) {
                    EXPECT_EQ(control->visualState, control->checked ? 0 : 2)
                        << "pressed look with no press held and no hover";
                }
                EXPECT_GE(control->width, control->boxSize + control->gap);
                EXPECT_GE(control->height, 0);
            };
            EXPECT_TRUE(RunMessageStorm(window, options));
        }
    }
    // Only clicks report, and only with the two codes.
    for (const auto& command : Commands()) {
        EXPECT_TRUE(HIWORD(command.wParam) == 0 || HIWORD(command.wParam) == 2);
        if (command.lParam == reinterpret_cast<LPARAM>(radio)) {
            EXPECT_EQ(HIWORD(command.wParam), 0);
        }
    }
    EXPECT_FALSE(Commands().empty());
}

// Every look on one parent, for a person to look at: VO_SHOT_BMP=<file>
// writes the parent's pixels, VO_HOLD_MS keeps it on screen for a while.
//   VO_SHOT_BMP='Z:\tmp\looks.bmp' tools/wine-run.sh build/win32/bin/checkbox_tests.exe
//       --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_ShowEveryLook*
TEST_F(ToggleTest, DISABLED_ShowEveryLook) {
    SetCurrentDirectoryW(ExecutableFolder().c_str());
    const wchar_t* captions[] = {L"Checked", L"Checked, pressed", L"Unchecked",
                                 L"Unchecked, pressed", L"Disabled, checked", L"Disabled"};
    std::uint16_t id = 100;
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 6; ++row) {
            const int x = 12 + column * 180;
            const int y = 14 + row * 22;
            voToggleControl* control =
                column == 0 ? static_cast<voToggleControl*>(new voCheckBox(parent.window, id++, 160))
                            : static_cast<voToggleControl*>(new voRadioButton(parent.window, id++, 160));
            control->SetText(captions[row]);
            control->FitToText();
            parent.Place(control, x, y);
            control->SetChecked(row == 0 || row == 1 || row == 4);
            control->visualState = row < 4 ? row : control->visualState;
            if (row >= 4) control->SetEnabled(false);
            control->Redraw(true);
        }
        for (int row = 0; row < 4; ++row) {  // the file-skinned pieces, 11 x 11
            voToggleControl* control =
                column == 0 ? static_cast<voToggleControl*>(new voCheckBox(parent.window, id++, 160))
                            : static_cast<voToggleControl*>(new voRadioButton(parent.window, id++, 160));
            control->SetSkinSource(1);
            for (int i = 0; i < 4; ++i) control->SetSkinFile(i, (column == 0 ? kCheckBoxFiles : kRadioFiles)[i]);
            control->boxSize = 11;
            control->SetText(std::wstring(L"File skin, state ") + std::to_wstring(row));
            control->FitToText();
            parent.Place(control, 12 + column * 180, 160 + row * 22);
            control->visualState = row;
            control->Redraw(true);
        }
    }
    PumpMessages(50);
    // The parent's own surface, so other windows on a shared display cannot spoil it.
    if (const wchar_t* file = _wgetenv(L"VO_SHOT_BMP")) {
        const PixelImage image = ReadWindowPixels(parent.window);
        WriteBitmapFile(file, image.width, image.height, [&](int x, int y) {
            return image.pixels[static_cast<std::size_t>(y) * image.width + x];
        });
    }
    const char* hold = std::getenv("VO_HOLD_MS");
    PumpMessages(hold != nullptr ? static_cast<DWORD>(std::atoi(hold)) : 0);
}
