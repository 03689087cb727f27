// The double button, grip button, text link, static text, static bitmap and
// colour label on a real gradient parent: looks, mouse, notifications,
// leaks, storms and deletion inside a notification.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/Compose.h"
#include "harness/Deletion.h"
#include "harness/ImportPatch.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pump.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/buttons/voGripButton.h"
#include "widgets/buttons/voTextLink.h"
#include "widgets/text/voColorLabel.h"
#include "widgets/text/voStaticBitmap.h"
#include "widgets/text/voStaticText.h"

namespace {

constexpr std::uint16_t kId = 61;

void Press(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}
void Release(HWND window, int x, int y) { SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

// The real pointer at a client point of `window`, with the moves it makes.
void PointerAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    PumpMessages(30);
}

// Two real clicks through the system queue: the second is a double click.
void DoubleClickAt(HWND window, int x, int y) {
    PointerAt(window, x, y);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, clicks, sizeof(INPUT));
    PumpMessages(100);
}

// Pumped first: the parent does not clip its children, so a paint it still
// owes would cover the control's.
PixelImage Shown(voAbstractControl& control) {
    PumpMessages();
    control.Redraw(true);
    return ReadWindowPixels(control.GetHandle());
}

int CountNear(const PixelImage& image, COLORREF colour, int tolerance) {
    int count = 0;
    for (std::uint32_t pixel : image.pixels)
        count += ColourNear(RGB(pixel >> 16, (pixel >> 8) & 0xFF, pixel & 0xFF), colour, tolerance);
    return count;
}

// Runs of rows holding dark pixels: one per line of dark text.
int DarkLines(const PixelImage& image) {
    int lines = 0;
    bool previous = false;
    for (int y = 0; y < image.height; ++y) {
        bool dark = false;
        for (int x = 0; x < image.width; ++x) dark |= GetGValue(image.At(x, y)) < 100;
        lines += dark && !previous;
        previous = dark;
    }
    return lines;
}

// Width and line height (with external leading), measured here.
SIZE Measured(const wchar_t* face, int height, int weight, const std::wstring& text) {
    Font font(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, face));
    WindowDC screen(nullptr);
    SelectedObject selected(screen.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return {size.cx, size.cy + metrics.tmExternalLeading};
}

PieceLayer Piece(const wchar_t* name, int x, int width, int height, int count = 1) {
    return {name, SkinSource::Resource, x, 0, width, height, count};
}

// Also keeps what the watched control showed when a WM_COMMAND came.
class PeekingParent : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && watched != nullptr) seen = ReadWindowPixels(watched);
        return TestParent::WindowProc(message, wParam, lParam);
    }
    HWND watched = nullptr;
    PixelImage seen;
};

class SmallControls : public ::testing::Test {
protected:
    template <class Control>
    Control* Place(Control* control, int y = 20) {
        return parent.Place(control, 20, y);
    }
    std::vector<RecordedMessage> Commands() const { return parent.Received(WM_COMMAND); }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<PeekingParent> owner = std::make_unique<PeekingParent>();
    PeekingParent& parent = *owner;
};

}  // namespace

TEST_F(SmallControls, DoubleButtonStartsWithTwoEightPixelHalvesAndSelectsSilently) {
    auto* button = new voDoubleButton(parent.window, kId, 0);
    EXPECT_EQ(button->width, 17);
    EXPECT_EQ(button->height, 22);
    EXPECT_TRUE(button->checked);
    Place(button);
    const PixelImage background = BackgroundBehind(*button);
    auto pill = [&](const wchar_t* left, const wchar_t* first, const wchar_t* second,
                    const wchar_t* right) {
        return ComposePieces(background, {Piece(left, 0, 7, 22), Piece(first, 7, 1, 22),
                                          Piece(L"DoubleButton_Center_Line", 8, 1, 22),
                                          Piece(second, 9, 1, 22), Piece(right, 10, 7, 22)});
    };
    EXPECT_TRUE(SameImage(Shown(*button),
                          pill(L"DoubleButton_Clicked_Left", L"DoubleButton_Clicked_Center",
                               L"DoubleButton_Center", L"DoubleButton_Right"),
                          2));
    button->SetChecked(false);
    EXPECT_EQ(button->selectedHalf, 1);
    EXPECT_TRUE(SameImage(Shown(*button),
                          pill(L"DoubleButton_Left", L"DoubleButton_Center",
                               L"DoubleButton_Clicked_Center", L"DoubleButton_Clicked_Right"),
                          2));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(SmallControls, DoubleButtonPressOnTheOtherHalfNotifiesBeforeTheRepaint) {
    auto* button = Place(new voDoubleButton(parent.window, kId, 30));
    const HWND window = button->GetHandle();
    const PixelImage first = Shown(*button);
    Press(window, 5, 10);  // the selected half
    Release(window, 200, 10);
    Press(window, 30, 10);  // the divider
    Release(window, 30, 10);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(GetFocus(), window);

    parent.watched = window;
    Press(window, 40, 10);
    Release(window, 40, 10);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 1));
    EXPECT_EQ(Commands()[0].lParam, reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(SameImage(parent.seen, first, 0)) << "the new look showed before the notification";
    EXPECT_FALSE(SameImage(Shown(*button), first, 8));
    EXPECT_NE(GetCapture(), window);

    // The second press of a double click is left to the base: one switch.
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 10));
    EXPECT_EQ(button->selectedHalf, 1);
    DoubleClickAt(window, 5, 10);
    ASSERT_EQ(Commands().size(), 2u);
    EXPECT_EQ(Commands()[1].wParam, MAKEWPARAM(kId, 0));
}

TEST_F(SmallControls, DoubleButtonFitsEachHalfToItsCaption) {
    auto* button = Place(new voDoubleButton(parent.window, kId, 0));
    button->firstCaption = L"Na";
    button->secondCaption = L"pisano";
    button->FitToText(0, true);
    const int wider = Measured(L"Tahoma", 15, 400, L"pisano").cx + 7;
    EXPECT_EQ(button->firstHalfWidth, wider);
    EXPECT_EQ(button->width, 2 * wider + 1);
    button->FitToText(10, false);
    EXPECT_EQ(button->firstHalfWidth, 10 + Measured(L"Tahoma", 15, 400, L"Na").cx + 7);
    EXPECT_EQ(button->secondHalfWidth, 10 + wider);
}

TEST_F(SmallControls, GripLightsUpOverItAndClicksOnEveryReleaseOverIt) {
    auto* grip = Place(new voGripButton(parent.window, kId));
    const HWND window = grip->GetHandle();
    const PixelImage background = BackgroundBehind(*grip);
    auto looks = [&](const wchar_t* piece) {
        return SameImage(Shown(*grip), ComposePieces(background, {Piece(piece, 0, 36, 6)}), 2);
    };
    EXPECT_TRUE(looks(L"GripButton_Grip"));
    PointerAt(window, 10, 3);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_TRUE(looks(L"GripButton_Hovered_Grip"));
    PointerAt(parent.window, 300, 300);
    EXPECT_TRUE(PumpUntil([&] { return !grip->hovered; })) << "no leave";
    EXPECT_TRUE(looks(L"GripButton_Grip"));
    grip->SetSize(50, 12);  // not scaled
    EXPECT_TRUE(SameImage(
        Shown(*grip), ComposePieces(BackgroundBehind(*grip), {Piece(L"GripButton_Grip", 0, 36, 6)}),
        2));

    Press(window, 5, 3);
    EXPECT_NE(GetFocus(), window);
    Release(window, 80, 3);
    EXPECT_TRUE(Commands().empty());
    Release(window, 5, 3);  // the press happened elsewhere
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(Commands()[0].lParam, reinterpret_cast<LPARAM>(grip));
    DoubleClickAt(window, 5, 3);
    EXPECT_EQ(Commands().size(), 3u);
}

TEST_F(SmallControls, TextLinkTurnsUnderlinedGreyBlueOnEnteringOnly) {
    auto* link = new voTextLink(parent.window, kId);
    EXPECT_EQ(link->width, 50);
    link->SetText(L"Visit the site");
    link->FitToText();
    const SIZE caption = Measured(L"Tahoma", 13, 400, L"Visit the site");
    EXPECT_EQ(link->width, caption.cx);
    EXPECT_EQ(link->height, std::max<int>(caption.cy, 10));
    const HWND window = Place(link)->GetHandle();
    // A row of the hover colour across most of the caption: the underline.
    auto underlined = [](const PixelImage& image) {
        for (int y = 0, run = 0; y < image.height; ++y, run = 0) {
            for (int x = 0; x < image.width; ++x) run += ColourNear(image.At(x, y), 0x6F5757, 12);
            if (run > image.width * 8 / 10) return true;
        }
        return false;
    };
    PixelImage image = Shown(*link);
    EXPECT_GT(CountNear(image, 0xDE0000, 40), 10);
    EXPECT_EQ(CountNear(image, 0x6F5757, 12), 0);
    PointerAt(window, 5, 5);  // the target is empty: only the look changes
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    image = ReadWindowPixels(window);
    EXPECT_EQ(CountNear(image, 0xDE0000, 40), 0);
    EXPECT_TRUE(underlined(image));
    {  // a mark of our own survives moves within: no repaint
        WindowDC dc(window);
        SetPixel(dc.Get(), 0, 0, RGB(255, 0, 255));
    }
    PointerAt(window, 20, 6);
    EXPECT_TRUE(ColourNear(ReadWindowPixels(window).At(0, 0), RGB(255, 0, 255), 0));
    PointerAt(parent.window, 300, 300);
    EXPECT_TRUE(PumpUntil([&] { return !link->hovered; })) << "no leave";
    EXPECT_FALSE(underlined(ReadWindowPixels(window)));
}

TEST_F(SmallControls, TextLinkOpensItsTargetOnAReleaseOverItOnly) {
    auto* link = Place(new voTextLink(parent.window, kId));
    std::vector<std::wstring> opened;
    link->openTarget = [&](const std::wstring& target) { opened.push_back(target); };
    const HWND window = link->GetHandle();
    Press(window, 5, 5);
    Release(window, 5, 5);  // no target yet
    link->target = L"https://example.org/";
    Press(window, 5, 5);
    Release(window, 5, 40);
    EXPECT_TRUE(opened.empty());
    Press(window, 5, 5);
    Release(window, 5, 5);
    EXPECT_EQ(opened, std::vector<std::wstring>{L"https://example.org/"});
    EXPECT_TRUE(Commands().empty());
}

namespace {
std::wstring shellCall;
HINSTANCE WINAPI RecordingShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                        LPCWSTR folder, INT show) {
    shellCall = std::wstring(verb) + L" " + file + L" " + std::to_wstring(show) +
                (owner || parameters || folder ? L" and more" : L"");
    return reinterpret_cast<HINSTANCE>(42);
}
}  // namespace

TEST(TextLinkShell, TheDefaultOpenerAsksTheShellToOpenTheTarget) {
    void* real = PatchImport("shell32.dll", "ShellExecuteW",
                             reinterpret_cast<void*>(&RecordingShellExecuteW));
    ASSERT_NE(real, nullptr);
    voTextLink::OpenWithShell(L"https://example.org/");
    PatchImport("shell32.dll", "ShellExecuteW", real);
    EXPECT_EQ(shellCall, L"open https://example.org/ " + std::to_wstring(SW_SHOWNORMAL));
}

TEST_F(SmallControls, StaticTextWrapsAnEscapedLineBreakAndFitsWithoutGettingLower) {
    auto* text = Place(new voStaticText(parent.window, kId, 100));
    text->SetText(L"a\\nb");
    text->SetSize(100, 40);
    EXPECT_EQ(DarkLines(Shown(*text)), 1);
    text->wordWrap = 1;
    EXPECT_EQ(DarkLines(Shown(*text)), 2);

    text->SetText(L"Stylized widgets");
    text->SetFont(L"Georgia", 16, 500);
    text->FitToText();
    const SIZE line = Measured(L"Georgia", 16, 500, L"Stylized widgets");
    EXPECT_EQ(text->width, line.cx);
    EXPECT_EQ(text->height, 40);
    voStaticText low(parent.window, kId + 1, -5);
    EXPECT_EQ(low.width, 0);
    low.SetText(L"Stylized widgets");
    low.SetFont(L"Georgia", 16, 500);
    low.FitToText();
    EXPECT_EQ(low.height, std::max<int>(line.cy, 10));
}

TEST_F(SmallControls, StaticBitmapShowsItsImageAtItsSizeAndNotifiesOncePerPress) {
    auto* bitmap = new voStaticBitmap(parent.window, kId);
    bitmap->SetImage(L"Round_Question_Mark");
    EXPECT_EQ(bitmap->width, 32);
    EXPECT_EQ(bitmap->height, 32);
    const HWND window = Place(bitmap)->GetHandle();
    EXPECT_TRUE(SameImage(
        Shown(*bitmap),
        ComposePieces(BackgroundBehind(*bitmap), {Piece(L"Round_Question_Mark", 0, 32, 32)}), 2));
    Press(window, 3, 3);
    EXPECT_EQ(GetCapture(), window);
    Release(window, 3, 3);
    EXPECT_NE(GetCapture(), window);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(Commands()[0].lParam, reinterpret_cast<LPARAM>(bitmap));

    bitmap->fromFile = true;  // a missing file: only the background
    bitmap->imageName = L"Z:\\nowhere\\missing.bmp";
    bitmap->SetSize(20, 12);
    EXPECT_TRUE(SameImage(Shown(*bitmap), BackgroundBehind(*bitmap), 0));
    bitmap->SetImage(L"No_Such_Image");
    EXPECT_EQ(bitmap->width, 0);
}

TEST_F(SmallControls, ColourLabelsArePillsWithWhiteOrDarkGreyTextAndReportNoClicks) {
    const wchar_t* names[3] = {L"Green", L"Red", L"Gray"};
    const COLORREF textColours[3] = {0xFFFFFF, 0xFFFFFF, 0x373737};
    for (int type = 0; type < 3; ++type) {
        auto* label = new voColorLabel(parent.window, static_cast<std::uint16_t>(kId + type), type);
        label->SetSize(3, 99);
        EXPECT_EQ(label->width, 17);
        EXPECT_EQ(label->height, 31);
        label->text = L"Ready";
        label->FitToText(10);
        const int width = Measured(L"Georgia", 22, 400, L"Ready").cx + 2 * (10 + 8);
        EXPECT_EQ(label->width, width);
        Place(label, 20 + 40 * type);
        const PixelImage withText = Shown(*label);
        label->text.clear();
        const PixelImage pill = Shown(*label);
        auto piece = [&](const wchar_t* part) {
            return L"Label_" + std::wstring(names[type]) + part;
        };
        EXPECT_TRUE(SameImage(
            pill,
            ComposePieces(BackgroundBehind(*label),
                          {{piece(L"_Left"), SkinSource::Resource, 0, 0, 8, 31},
                           {piece(L"_Center"), SkinSource::Resource, 8, 0, 1, 31, width - 16},
                           {piece(L"_Right"), SkinSource::Resource, width - 8, 0, 8, 31}}),
            2));
        EXPECT_GT(
            CountNear(withText, textColours[type], 16) - CountNear(pill, textColours[type], 16),
            20);
        Press(label->GetHandle(), 4, 4);
        Release(label->GetHandle(), 4, 4);
    }
    EXPECT_TRUE(Commands().empty());
}

namespace {
// One control of each class, each with two looks that Look() switches.
struct EveryClass {
    explicit EveryClass(TestParent& parent, std::uint16_t id = 1, int x = 10) {
        auto place = [&](auto* control, int y) {
            all.push_back(parent.Place(control, x, y));
            return control;
        };
        pill = place(new voDoubleButton(parent.window, id, 30), 10);
        pill->firstCaption = L"AM";
        pill->secondCaption = L"PM";
        grip = place(new voGripButton(parent.window, id + 1), 40);
        link = place(new voTextLink(parent.window, id + 2), 60);
        link->SetText(L"A link");
        link->FitToText();
        link->target = L"x";
        link->openTarget = [](const std::wstring&) {};
        text = place(new voStaticText(parent.window, id + 3, 80), 80);
        text->SetText(L"Static\\ntext");
        text->SetSize(80, 30);
        bitmap = new voStaticBitmap(parent.window, id + 4);
        bitmap->SetImage(L"Round_Question_Mark");
        place(bitmap, 115);
        label = place(new voColorLabel(parent.window, id + 5, 0), 155);
        label->text = L"Label";
        label->FitToText(5);
    }
    void Look(int look) {
        const bool second = look % 2 == 1;
        pill->selectedHalf = second;
        grip->hovered = link->hovered = second;
        text->wordWrap = second;
        bitmap->imageName =
            second ? L"Round_Question_Mark" : L"ROUND_QUESTION_MARK";  // another key
        label->colourType = look % 3;
        for (voAbstractControl* control : all) control->Redraw(true);
    }
    voDoubleButton* pill;
    voGripButton* grip;
    voTextLink* link;
    voStaticText* text;
    voStaticBitmap* bitmap;
    voColorLabel* label;
    std::vector<voAbstractControl*> all;
};
}  // namespace

TEST_F(SmallControls, TenThousandPaintsMakeAndLeakNothing) {
    EveryClass every(parent);
    for (int look = 0; look < 6; ++look) every.Look(look);  // every look once
    PumpMessages();
    const auto looks = [&](int count) {
        for (int look = 0; look < count; ++look) every.Look(look);
    };
    ExpectPaintsMakeNothing(looks, 1667, 6 * 1667);
}

TEST_F(SmallControls, MessageStormsKeepTheInvariants) {
    EveryClass every(parent);
    unsigned seed = 31;
    for (voAbstractControl* control : every.all) {
        const SIZE size{control->width, control->height};
        StormOptions options;
        options.seed = seed++;
        options.messages = 1200;
        options.checkInvariants = [&, control] {
            const voDoubleButton& pill = *every.pill;
            EXPECT_EQ(pill.checked, pill.selectedHalf == 0);
            EXPECT_TRUE(pill.selectedHalf == 0 || pill.selectedHalf == 1);
            EXPECT_TRUE(!every.grip->hovered || every.grip->mouseTracking);
            EXPECT_TRUE(!every.link->hovered || every.link->mouseTracking);
            EXPECT_EQ(control->width, size.cx) << control->kind;  // the mouse never resizes
            EXPECT_EQ(control->height, size.cy) << control->kind;
        };
        EXPECT_TRUE(RunMessageStorm(control->GetHandle(), options));
        EXPECT_NE(GetCapture(), control->GetHandle());
    }
    for (const RecordedMessage& command : Commands()) {
        const int id = LOWORD(command.wParam);
        EXPECT_TRUE(id == 1 || id == 2 || id == 4 || id == 5) << id;  // not the link, not the label
        EXPECT_TRUE(HIWORD(command.wParam) == 0 || (id == 1 && HIWORD(command.wParam) == 1));
    }
}

namespace {
// Also deletes the control whose forwarded focus loss names it.
class FocusDeletingParent : public DeletingParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DeletingParent::WindowProc(message, wParam, lParam);
        if (message == WM_SETFOCUS && control != nullptr &&
            reinterpret_cast<HWND>(wParam) == control) {
            control = nullptr;
            Discard(kId);
        }
        return result;
    }
    HWND control = nullptr;
};
}  // namespace

TEST(SmallControlsDeletion, TheParentMayDeleteEachControlInsideItsNotification) {
    auto owner = std::make_unique<FocusDeletingParent>();
    FocusDeletingParent& parent = *owner;
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 300, 300, 10, 10,
                                 parent.window, nullptr, nullptr, nullptr);
    // Clicks at x = 12 (the double button's second half); with `focus`, then
    // the focus goes elsewhere.
    auto expectDeleted = [&](voAbstractControl* control, bool focus) {
        GdiLeakCounter counter;
        ASSERT_TRUE(counter.Installed());
        parent.Clear();
        parent.deleteOn = focus ? 0 : 1;
        parent.control = focus ? control->GetHandle() : nullptr;
        const HWND window = parent.Place(control, 30, 30)->GetHandle();
        PumpMessages();
        FaultCounter faults;
        Press(window, focus ? 3 : 12, 3);
        Release(window, focus ? 3 : 12, 3);
        if (focus) SetFocus(other);
        PumpMessages(30);
        EXPECT_EQ(faults.Faults(), 0) << "a deleted control was touched";
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
    };
    expectDeleted(new Doomed<voDoubleButton>(parent.window, kId, 0), false);
    expectDeleted(new Doomed<voGripButton>(parent.window, kId), false);
    expectDeleted(new Doomed<voStaticText>(parent.window, kId, 40), false);
    auto* bitmap = new Doomed<voStaticBitmap>(parent.window, kId);
    bitmap->SetImage(L"Round_Question_Mark");
    expectDeleted(bitmap, false);
    expectDeleted(new Doomed<voDoubleButton>(parent.window, kId, 0), true);
    expectDeleted(new Doomed<voColorLabel>(parent.window, kId, 1), true);
    DestroyWindow(other);
}

// Every class in its main looks, held for a screenshot with
//   VO_HOLD_MS=20000 small_controls_tests.exe --gtest_also_run_disabled_tests
//   --gtest_filter=*ShowEvery*
TEST(SmallControlsLooks, DISABLED_ShowEveryLook) {
    TestParent parent(300, 270);
    SetCurrentDirectoryW(L"" VO_BIN_DIR);
    EveryClass first(parent), second(parent, 10, 150);
    first.Look(0);
    second.Look(1);
    first.text->SetText(L"Stylized widgets");
    first.text->SetFont(L"Georgia", 16, 500);
    first.text->FitToText();
    const wchar_t* files[7] = {
        L"2x20_doublebutton_left.png",      L"2x20_doublebutton_right",
        L"1x20_doublebutton_center",        L"2x20_doublebutton_clicked_left",
        L"2x20_doublebutton_clicked_right", L"1x20_doublebutton_clicked_center",
        L"1x20_doublebutton_center_line"};
    auto* pill = parent.Place(new voDoubleButton(parent.window, 20, 0), 10, 205);
    pill->skinSource = 1;
    pill->skinHeight = 20;
    pill->capWidth = 2;
    pill->textColour = 0xFFFFFF;
    for (int piece = 1; piece <= 7; ++piece)
        pill->SetSkinFile(piece, L"resources\\" + std::wstring(files[piece - 1]) + L".bmp");
    pill->firstCaption = L"First";
    pill->secondCaption = L"Second";
    pill->FitToText(5, false);
    second.pill->FitToText(0, true);
    second.label->FitToText(20);
    auto* grey = new voColorLabel(parent.window, 21, 2);
    grey->text = L"Waiting";
    grey->FitToText(10);
    parent.Place(grey, 150, 205);
    PumpMessages(50);
    if (const char* hold = std::getenv("VO_HOLD_MS")) PumpMessages(std::atoi(hold));
}
