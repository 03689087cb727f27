// The text box on a real gradient parent under Wine: where its editor sits,
// what the parent hears, the repaint after an emptying deletion, the menu and
// the real clipboard, the frame's pixels, a box without its editor, leaks,
// and a parent that deletes it inside its notifications.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "control/voAbstractControl.h"
#include "harness/Deletion.h"
#include "harness/ImportPatch.h"
#include "harness/LeakCheck.h"
#include "harness/Pieces.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "widgets/text/voTextBox.h"

namespace {

constexpr std::uint16_t kId = 61;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDark = 0x3D3D3D;
using Command = std::pair<WPARAM, LPARAM>;

class BoxParent : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = TestParent::WindowProc(message, wParam, lParam);
        if (message == WM_COMMAND && onCommand) onCommand();
        return result;
    }
    std::vector<Command> Commands() const {
        std::vector<Command> commands;
        for (const RecordedMessage& record : Received(WM_COMMAND))
            commands.emplace_back(record.wParam, record.lParam);
        return commands;
    }
    std::function<void()> onCommand;
};

void Select(const voTextBox* box, int from, int to) {
    SendMessageW(box->richEdit, EM_SETSEL, from, to);
}
void Menu(const voTextBox* box, WPARAM item) { SendMessageW(box->ownWindow, WM_COMMAND, item, 0); }

std::wstring ClipboardText() {
    if (!OpenClipboard(nullptr)) return L"<not open>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::wstring text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

int CountNear(const PixelImage& image, COLORREF colour) {
    int count = 0;
    for (std::uint32_t pixel : image.pixels)
        count += ColourNear(RGB(pixel >> 16, (pixel >> 8) & 0xFF, pixel & 0xFF), colour, 40);
    return count;
}

// A menu opened during `act` is recorded and closed from a thread timer.
bool menuSeen = false;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return;
    menuSeen = true;
    EndMenu();
}
bool OpensAMenu(const std::function<void()>& act) {
    menuSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
    act();
    PumpMessages(100);
    KillTimer(nullptr, timer);
    return menuSeen;
}

class TextBoxTest : public ::testing::Test {
protected:
    voTextBox* Make() { return parent.Place(new Doomed<voTextBox>(parent.window, kId), 20, 20); }
    std::unique_ptr<BoxParent> owner = std::make_unique<BoxParent>();
    BoxParent& parent = *owner;
};

}  // namespace

TEST_F(TextBoxTest, TheEditorSitsInsideATwoPixelFrameAndOnlyChangesAndTheWheelNotify) {
    voTextBox* box = Make();
    EXPECT_EQ(box->kind, 5);
    wchar_t className[32] = {};
    GetClassNameW(box->richEdit, className, 32);
    EXPECT_STREQ(className, L"RichEdit20W");
    box->SetSize(280, 150);
    RECT rect{};
    GetWindowRect(box->richEdit, &rect);
    MapWindowPoints(nullptr, box->ownWindow, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.right, 2 + 276);
    EXPECT_EQ(rect.bottom, 2 + 146);

    box->SetText(L"first line\nsecond");
    PumpMessages(50);  // the editor's repaints are no change either
    EXPECT_TRUE(parent.Commands().empty());
    EXPECT_EQ(box->GetText(), L"first line\rsecond") << "the editor ends paragraphs with CR";
    SendMessageW(box->richEdit, WM_CHAR, L'x', 1);
    SendMessageW(box->richEdit, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    SendMessageW(box->richEdit, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(parent.Commands(),
              (std::vector<Command>{{1000, 0}, {1002, 0}, {1001, 1}, {1001, -1}}))
        << "typing; a notch toward the user, then away";
}

TEST_F(TextBoxTest, AnEmptyingDeletionRepaintsTheEditorWithinAboutAFifthOfASecond) {
    voTextBox* box = Make();
    box->SetSize(120, 40);
    const std::pair<const wchar_t*, std::function<void()>> paths[] = {
        {L"q", [box] { SendMessageW(box->richEdit, WM_KEYDOWN, VK_BACK, 1); }},
        {L"q", [box] { Select(box, 0, -1), Menu(box, 204); }},
        {L"q", [box] { Select(box, 0, -1), Menu(box, 201); }},
        {L"qq", [box] { SendMessageW(box->richEdit, WM_KEYDOWN, VK_BACK, 1); }},
    };
    for (const auto& path : paths) {
        box->SetText(path.first);
        Select(box, -1, -1);
        path.second();
        // Paint over the editor behind its back: only a repaint of its own clears it.
        UpdateWindow(box->richEdit);
        WindowDC dc(box->richEdit);
        SetDCBrushColor(dc.Get(), kRed);
        const RECT area{0, 0, 116, 36};
        FillRect(dc.Get(), &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        PumpMessages(350);
        const bool emptied = box->GetText().empty();
        EXPECT_EQ(emptied, path.first[1] == 0) << path.first;
        EXPECT_EQ(CountNear(ReadWindowPixels(box->richEdit), kRed) == 0, emptied)
            << "an emptied editor is repainted, only that";
    }
}

TEST_F(TextBoxTest, TheMenuCopiesCutsAndPastesUnicodeThroughTheClipboard) {
    voTextBox* box = Make();
    box->SetText(L"Zażółć gęślą 日本語");
    Select(box, 0, 6);
    Menu(box, 202);
    EXPECT_EQ(ClipboardText(), L"Zażółć");
    Select(box, -1, -1);
    Menu(box, 203);
    EXPECT_EQ(box->GetText(), L"Zażółć gęślą 日本語Zażółć");
    Select(box, 13, 16);
    Menu(box, 201);
    EXPECT_EQ(ClipboardText(), L"日本語");
    EXPECT_EQ(box->GetText(), L"Zażółć gęślą Zażółć");
    Menu(box, 205);
    CHARRANGE all{};
    SendMessageW(box->richEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&all));
    EXPECT_EQ(all.cpMax - all.cpMin, 19);

    auto rightPress = [box] {
        SendMessageW(box->richEdit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    };
    EXPECT_TRUE(OpensAMenu(rightPress));
    box->contextMenuEnabled = false;
    EXPECT_FALSE(OpensAMenu(rightPress));
}

TEST_F(TextBoxTest, TheFrameSharesTheEditorsColourOrTilesTheBitmap) {
    voTextBox* box = Make();
    box->SetSize(120, 40);
    box->SetFont(L"Georgia", 17);
    box->SetForegroundColor(0xFFFFFF);
    box->SetBackgroundColor(kDark);
    box->SetText(L"MMMM");
    PumpMessages(50);
    const PixelImage solid = ReadWindowPixels(box->ownWindow);
    for (POINT p : {POINT{0, 0}, POINT{1, 20}, POINT{119, 39}, POINT{110, 30}})
        EXPECT_TRUE(ColourNear(solid.At(p.x, p.y), kDark, 4)) << p.x << "," << p.y;
    EXPECT_GT(CountNear(solid, 0xFFFFFF), 20) << "white text on it";

    // Red and blue columns tiled over the frame from the box's corner.
    box->SetBackground(MakePiece(2, 2, [](int x, int) {
                           return Premultiplied(x == 0 ? kRed : RGB(0, 0, 255), 255);
                       }).Release());
    PumpMessages(50);
    const PixelImage tiled = ReadWindowPixels(box->ownWindow);
    EXPECT_TRUE(ColourNear(tiled.At(0, 10), kRed, 4));
    EXPECT_TRUE(ColourNear(tiled.At(1, 10), RGB(0, 0, 255), 4));
    EXPECT_TRUE(ColourNear(tiled.At(60, 20), kDark, 4)) << "the editor keeps its colour";
}

namespace {
using CreateWindowFunction = HWND(WINAPI*)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND,
                                           HMENU, HINSTANCE, LPVOID);
CreateWindowFunction realCreateWindow = nullptr;
HWND WINAPI NoRichEdit(DWORD exStyle, LPCWSTR name, LPCWSTR title, DWORD style, int x, int y, int w,
                       int h, HWND parent, HMENU menu, HINSTANCE instance, LPVOID data) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 && lstrcmpiW(name, L"RichEdit20W") == 0)
        return nullptr;
    return realCreateWindow(exStyle, name, title, style, x, y, w, h, parent, menu, instance, data);
}
}  // namespace

TEST_F(TextBoxTest, WithoutItsEditorTheBoxPaintsAndReportsNothing) {
    realCreateWindow = reinterpret_cast<CreateWindowFunction>(
        PatchImport("user32.dll", "CreateWindowExW", reinterpret_cast<void*>(&NoRichEdit)));
    ASSERT_NE(realCreateWindow, nullptr);
    voTextBox* box = Make();
    PatchImport("user32.dll", "CreateWindowExW", reinterpret_cast<void*>(realCreateWindow));
    ASSERT_EQ(box->richEdit, nullptr);
    box->SetBackgroundColor(kDark);
    box->SetSize(60, 30);
    box->SetText(L"lost");
    for (WPARAM item = 201; item <= 205; ++item) Menu(box, item);
    EXPECT_EQ(box->GetText(), L"");
    EXPECT_EQ(CountNear(ReadWindowPixels(box->ownWindow), kDark), 60 * 30);
    EXPECT_TRUE(parent.Commands().empty());
}

TEST_F(TextBoxTest, PaintingMakesAndLeaksNothing) {
    voTextBox* box = Make();
    box->SetBackgroundColor(kDark);
    box->Redraw(true);
    const auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) box->Redraw(true);
    };
    ExpectPaintsMakeNothing(paint, 10000, 10000);
}

TEST_F(TextBoxTest, AParentMayDeleteTheBoxInsideEachNotification) {
    for (WPARAM wheelDelta : {0, WHEEL_DELTA}) {
        voTextBox* box = Make();
        const HWND window = box->ownWindow;
        const HWND editor = box->richEdit;
        parent.Clear();
        parent.onCommand = [this] { parent.DeleteControl(kId); };
        FaultCounter faults;
        if (wheelDelta == 0)
            SendMessageW(editor, WM_CHAR, L'x', 1);
        else
            SendMessageW(editor, WM_MOUSEWHEEL, MAKEWPARAM(0, wheelDelta), 0);
        parent.onCommand = nullptr;
        EXPECT_EQ(faults.Faults(), 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(parent.Commands().size(), 1u) << "nothing after the deletion";
        EXPECT_TRUE(IsWindow(editor)) << "not destroyed inside its own call";
        EXPECT_TRUE(PumpUntil([editor] { return !IsWindow(editor); }, 500)) << "but after it";
    }
}

// The demo's text box, for a person to look at on the test display (VO_HOLD_MS):
//   --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_ShowTheLook*
TEST_F(TextBoxTest, DISABLED_ShowTheLook) {
    voTextBox* box = parent.Place(new voTextBox(parent.window, kId), 50, 100);
    box->SetSize(280, 150);
    box->SetFont(L"Georgia", 17);
    box->MakeFlat();
    box->SetForegroundColor(0xFFFFFF);
    box->SetBackgroundColor(kDark);
    box->SetText(
        L"This is an example of voTextBox widget. Second line of text.\nThird line of some "
        L"longer text.\n\nThere is nothing more to say.");
    const char* hold = std::getenv("VO_HOLD_MS");
    PumpMessages(hold != nullptr ? static_cast<DWORD>(std::atoi(hold)) : 0);
}
