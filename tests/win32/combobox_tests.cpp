// The combo box and its list on a real gradient parent under Wine: opening,
// hovering, choosing and closing with real messages, where the list opens,
// what the parent hears, the looks read back, leaks, storms, and a parent
// that deletes the combo box (and its list) inside the list's notification.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control/voAbstractControl.h"
#include "harness/Compose.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "widgets/lists/voComboBox.h"

namespace {

constexpr std::uint16_t kId = 71;
constexpr std::uint16_t kListId = 171;
constexpr COLORREF kHover = 0xD2D2D2;
constexpr COLORREF kListFill = 0xF0F0F0;

void Send(HWND window, UINT message, WPARAM keys, int x, int y) {
    SendMessageW(window, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}
void Click(const voComboBox* combo) {
    Send(combo->ownWindow, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    Send(combo->ownWindow, WM_LBUTTONUP, 0, 10, 10);
}
void Key(const voComboBoxList* list, UINT key) {
    SendMessageW(list->ownWindow, WM_KEYDOWN, key, 1);
}
RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int Count(const PixelImage& image, RECT area, const std::function<bool(COLORREF)>& match) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += match(image.At(x, y));
    return count;
}
bool Ink(COLORREF c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 90; }
auto Not(COLORREF colour) {
    return [colour](COLORREF c) { return !ColourNear(c, colour, 3); };
}

std::wstring File(const std::wstring& name) { return L"resources\\" + name + L".bmp"; }
// Pieces 1 to 15: three sets of left, right and centre (normal, hovered,
// clicked), three vertical lines, then the hovered, clicked and normal button.
void UseDemoFiles(voComboBox& combo) {
    combo.skinSource = 1;
    combo.ApplyCompactGeometry();
    const std::wstring states[] = {L"", L"hovered_", L"clicked_"};
    for (int set = 0; set < 3; ++set) {
        combo.SetSkinFile(3 * set + 1, File(L"2x20_comboBox_" + states[set] + L"left"));
        combo.SetSkinFile(3 * set + 2, File(L"2x20_comboBox_" + states[set] + L"right"));
        combo.SetSkinFile(3 * set + 3, File(L"1x20_comboBox_" + states[set] + L"center"));
        combo.SetSkinFile(10 + set, File(L"1x20_comboBox_" + states[set] + L"vertical_line"));
    }
    combo.SetSkinFile(13, File(L"16x18_comboBox_hovered_button"));
    combo.SetSkinFile(14, File(L"16x18_comboBox_clicked_button"));
    combo.SetSkinFile(15, File(L"6x18_comboBox_button"));
}

class ComboTest : public ::testing::Test {
protected:
    // The demo's skin files lie beside the executable.
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previousFolder);
        SetCurrentDirectoryW(L"" VO_BIN_DIR);
    }
    void TearDown() override { SetCurrentDirectoryW(previousFolder); }

    voComboBox* Make(int y, int width = 120, std::uint16_t id = kId) {
        return parent.Place(new Doomed<voComboBox>(parent.window, id, width), 30, y);
    }
    // The five languages of the demo in 20-pixel rows, the first chosen.
    voComboBoxList* Languages(voComboBox* combo, std::uint16_t listId = kListId) {
        auto* list = new Doomed<voComboBoxList>(parent.window, listId, &parent);
        list->itemHeight = 20;
        combo->SetList(list);
        const wchar_t* const names[] = {L"English", L"Polski", L"日本語", L"Deutsch", L"Русский"};
        const wchar_t* const flags[] = {L"English", L"Polish", L"Japanese", L"German", L"Russian"};
        for (int i = 0; i < 5; ++i)
            combo->AddItem(names[i], std::wstring(L"Language_ComboBox_") + flags[i], 16, 11, i + 1);
        combo->SetSelection(0);
        return list;
    }

    wchar_t previousFolder[MAX_PATH] = {};
    std::unique_ptr<DeletingParent> owner = std::make_unique<DeletingParent>();
    DeletingParent& parent = *owner;
};

}  // namespace

TEST_F(ComboTest, AClickOpensTheListBelowAndAChoiceClosesItAndNotifies) {
    voComboBox* combo = Make(40);
    voComboBoxList* list = Languages(combo);
    EXPECT_EQ(combo->kind, 12);
    EXPECT_EQ(list->kind, 13);
    const HWND field = combo->ownWindow;
    Send(field, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_TRUE(IsWindowVisible(list->ownWindow));
    EXPECT_EQ(GetFocus(), list->ownWindow);
    Send(field, WM_LBUTTONUP, 0, 10, 10);
    EXPECT_EQ(GetCapture(), list->ownWindow) << "the next release anywhere reaches the list";
    EXPECT_EQ(combo->visualState, 2) << "pressed while the list is open";
    const RECT below = ScreenRect(list->ownWindow);
    EXPECT_EQ(below.left, ScreenRect(field).left);
    EXPECT_EQ(below.top, ScreenRect(field).top + 23 - 1) << "over the field's last pixel row";
    EXPECT_EQ(below.right - below.left, 120);
    EXPECT_EQ(below.bottom - below.top, 5 * 20 + 2);

    Send(list->ownWindow, WM_MOUSEMOVE, 0, 60, 45);  // row 2 spans y 41..61
    EXPECT_EQ(list->hoverIndex, 2);
    const PixelImage rows = ReadWindowPixels(list->ownWindow);
    EXPECT_TRUE(ColourNear(rows.At(0, 0), 0x8C8C8C, 3)) << "the frame";
    EXPECT_TRUE(ColourNear(rows.At(2, 5), kListFill, 3));
    const RECT flag{5, 45, 21, 56};  // 16 x 11, centred in the 25-pixel icon column
    EXPECT_GT(Count(rows, flag, Not(kHover)), 100);
    EXPECT_EQ(Count(rows, {1, 41, 29, 61}, Not(kHover)), Count(rows, flag, Not(kHover)))
        << "the hover fills the rest of the row";
    EXPECT_GT(Count(rows, {70, 1, 115, 21}, Ink), 10) << "right-aligned text";

    Send(list->ownWindow, WM_LBUTTONUP, 0, 60, 45);
    const auto commands = parent.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kId, 0));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(combo->GetSelectedItem().data, 3);
    EXPECT_FALSE(IsWindowVisible(list->ownWindow));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), field) << "the keys go back to the field";
    EXPECT_EQ(combo->visualState, 0);
    EXPECT_GT(Count(ReadWindowPixels(field), {31, 3, 80, 20}, Ink), 10) << "the chosen text";
}

TEST_F(ComboTest, KeysChooseOrCloseOnlyInAnAttachedOpenList) {
    auto* detached = new voComboBoxList(parent.window, kListId + 1, &parent);
    detached->itemHeight = 20;
    detached->AddItem(L"alone", L"", 0, 0, 9);
    detached->Open();
    Key(detached, VK_DOWN);
    Send(detached->ownWindow, WM_MOUSEMOVE, 0, 5, 5);
    EXPECT_EQ(detached->hoverIndex, -1) << "input is ignored until the list is attached";
    delete detached;

    voComboBox* combo = Make(40);
    voComboBoxList* list = Languages(combo);
    Click(combo);
    Key(list, VK_DOWN);
    EXPECT_EQ(list->hoverIndex, 1) << "the hover opens on the selection";
    Key(list, VK_ESCAPE);
    EXPECT_FALSE(list->visible);
    EXPECT_EQ(combo->visualState, 0);
    Key(list, VK_RETURN);
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty()) << "neither Escape nor a closed list chooses";

    Click(combo);
    Key(list, VK_SPACE);
    EXPECT_EQ(combo->GetSelectedItem().text, L"Polski");
    Click(combo);
    ASSERT_TRUE(list->SetHover(-1));
    Key(list, VK_RETURN);
    EXPECT_FALSE(list->visible);
    EXPECT_EQ(parent.Received(WM_COMMAND).size(), 2u) << "Enter notifies with no hover row too";
    EXPECT_EQ(list->selectedIndex, -1);
}

TEST_F(ComboTest, SelectionStaysWithinTheItemsAndNoneLeavesTheFieldEmpty) {
    voComboBox* combo = Make(40);
    voComboBoxList* list = Languages(combo);
    ASSERT_TRUE(combo->SetSelection(2));
    EXPECT_FALSE(combo->SetSelection(5));
    EXPECT_FALSE(list->SetSelection(-2)) << "no index before the first item";
    EXPECT_EQ(combo->GetSelectedItem().data, 3);
    EXPECT_TRUE(combo->SetSelection(-1));
    EXPECT_EQ(combo->GetSelectedItem(), vo::ComboBoxItem{});
    EXPECT_EQ(list->hoverIndex, -1);
    EXPECT_EQ(Count(ReadWindowPixels(combo->ownWindow), {6, 3, 80, 20}, Ink), 0)
        << "no icon and no text";
    EXPECT_TRUE(parent.Received(WM_COMMAND).empty())
        << "neither the field nor SetSelection notifies";
}

TEST_F(ComboTest, TheListOpensAboveAFieldAtTheBottomOfTheWorkArea) {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    SetWindowPos(parent.window, nullptr, 40, workArea.bottom - 60, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    voComboBox* combo = Make(20);
    voComboBoxList* list = Languages(combo);
    Click(combo);
    const RECT above = ScreenRect(list->ownWindow);
    EXPECT_EQ(above.left, ScreenRect(combo->ownWindow).left);
    EXPECT_EQ(above.top, ScreenRect(combo->ownWindow).top - 102);
}

TEST_F(ComboTest, RowsFollowTheItemHeightAndAMissingIconLeavesItsTextAlone) {
    voComboBox* combo = Make(40, 150);
    auto* list = new Doomed<voComboBoxList>(parent.window, kListId, &parent);
    combo->SetList(list);
    combo->AddItem(L"Lock", L"Task_ComboBox_Lock", 14, 14, 1);
    combo->AddItem(L"Lost", L"Task_ComboBox_No_Such_Icon", 14, 14, 2);
    EXPECT_EQ(list->height, 2) << "rows of height 0";
    list->itemHeight = 17;
    list->textAlignment = 0;
    combo->SetSelection(1);
    Click(combo);
    EXPECT_EQ(list->height, 2 * 17 + 2);
    const PixelImage rows = ReadWindowPixels(list->ownWindow);
    // 14 x 14 icons centred in the 25-pixel column: x 6..19, y 2..15 and 19..32.
    EXPECT_GT(Count(rows, {6, 2, 20, 16}, Not(kListFill)), 30) << "the lock";
    EXPECT_EQ(Count(rows, {1, 18, 29, 35}, Not(kHover)), 0) << "no icon in the hovered row";
    EXPECT_GT(Count(rows, {29, 18, 80, 35}, Ink), 10) << "its text, left-aligned";
}

TEST_F(ComboTest, FieldLooksComeFromTheirPiecesAndAClickWithoutAListOpensNothing) {
    voComboBox* plain = Make(20, 100);
    EXPECT_FALSE(plain->SetSelection(0) || plain->AddItem(L"x", L"", 0, 0, 1));
    EXPECT_EQ(plain->GetSelectedItem(), vo::ComboBoxItem{});
    Send(plain->ownWindow, WM_MOUSEMOVE, 0, 10, 10);
    EXPECT_EQ(plain->visualState, 1);
    Click(plain);
    EXPECT_EQ(plain->visualState, 2) << "pressed, with nothing to open";
    EXPECT_EQ(GetCapture(), nullptr);
    auto resource = [](const wchar_t* name, int x, int y, int w, int h, int count = 1) {
        return PieceLayer{
            std::wstring(L"ComboBox_") + name, SkinSource::Resource, x, y, w, h, count};
    };
    // Width 100: centre columns 6..93 but for the line's at 83.
    EXPECT_TRUE(SameImage(
        ReadWindowPixels(plain->ownWindow),
        ComposePieces(
            BackgroundBehind(*plain),
            {resource(L"Clicked_Left", 0, 0, 6, 23), resource(L"Clicked_Center", 6, 0, 1, 23, 77),
             resource(L"Clicked_Center", 84, 0, 1, 23, 10),
             resource(L"Clicked_Right", 94, 0, 6, 23), resource(L"Clicked_Button", 84, 3, 13, 17),
             resource(L"Vertical_Line", 83, 0, 1, 23)}),
        2));

    voComboBox* files = Make(60, 100, kId + 1);
    UseDemoFiles(*files);
    EXPECT_EQ(files->height, 20);
    Send(files->ownWindow, WM_MOUSEMOVE, 0, 10, 10);
    auto file = [](const wchar_t* name, int x, int y, int w, int h, int count = 1) {
        return PieceLayer{File(name), SkinSource::File, x, y, w, h, count};
    };
    EXPECT_TRUE(
        SameImage(ReadWindowPixels(files->ownWindow),
                  ComposePieces(BackgroundBehind(*files),
                                {file(L"2x20_comboBox_hovered_left", 0, 0, 2, 20),
                                 file(L"1x20_comboBox_hovered_center", 2, 0, 1, 20, 81),
                                 file(L"1x20_comboBox_hovered_center", 84, 0, 1, 20, 14),
                                 file(L"2x20_comboBox_hovered_right", 98, 0, 2, 20),
                                 file(L"16x18_comboBox_hovered_button", 83, 1, 16, 18),
                                 file(L"1x20_comboBox_hovered_vertical_line", 83, 0, 1, 20)}),
                  2));
    Send(files->ownWindow, WM_MOUSELEAVE, 0, 0, 0);
    EXPECT_EQ(files->visualState, 0);
}

TEST_F(ComboTest, FitToItemsAndSizesKeepTheListAsWideAsTheFieldWhichOwnsIt) {
    voComboBox* combo = Make(20, 50);
    auto* list = new Doomed<voComboBoxList>(parent.window, kListId, &parent);
    EXPECT_TRUE(combo->SetList(list)) << "a fresh list's -1 is accepted";
    EXPECT_EQ(list->width, 50) << "as wide as the field from the start";
    combo->AddItem(L"English", L"", 0, 0, 1);
    combo->AddItem(L"Deutsch", L"", 0, 0, 2);
    combo->FitToItems(3);
    Font tahoma(CreateFontW(15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, L"Tahoma"));
    WindowDC screen(nullptr);
    SelectedObject selected(screen.Get(), tahoma.Get());
    SIZE english{}, deutsch{};
    GetTextExtentPoint32W(screen.Get(), L"English", 7, &english);
    GetTextExtentPoint32W(screen.Get(), L"Deutsch", 7, &deutsch);
    const int expected = std::max(english.cx, deutsch.cx) + 25 + 2 * (3 + 6) + 14;
    EXPECT_EQ(combo->width, expected);
    EXPECT_EQ(list->width, expected);
    combo->SetSize(5, 99);
    EXPECT_EQ(combo->width, 2 * 6 + 9);
    EXPECT_EQ(combo->height, 23);
    EXPECT_EQ(list->width, 2 * 6 + 9);

    // A second list replaces the first and deletes it, unless it is the same.
    const HWND first = list->ownWindow;
    auto* second = new voComboBoxList(parent.window, kListId + 1, &parent);
    EXPECT_TRUE(combo->SetList(second));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(second->owner, combo);
    EXPECT_TRUE(combo->SetList(second));
    EXPECT_TRUE(IsWindow(second->ownWindow));
    const HWND kept = second->ownWindow;
    EXPECT_FALSE(combo->SetList(nullptr));
    EXPECT_FALSE(IsWindow(kept));
}

TEST_F(ComboTest, PaintingMakesAndLeaksNothing) {
    voComboBox* combo = Make(20);
    voComboBoxList* list = Languages(combo);
    voComboBox* files = Make(60, 120, kId + 1);
    UseDemoFiles(*files);
    Languages(files, kListId + 1)->SetSelection(3);
    Click(combo);
    // Eight paints a round: the three states of both skins, two hover rows.
    auto paint = [&](int rounds) {
        for (int round = 0; round < rounds; ++round) {
            for (int state = 0; state < 3; ++state) {
                combo->visualState = files->visualState = state;
                combo->Redraw(true);
                files->Redraw(true);
            }
            for (int row = 0; row < 2; ++row) {
                list->hoverIndex = (round + row) % 5;
                list->Redraw(true);
            }
        }
    };
    paint(5);
    ExpectPaintsMakeNothing(paint, 1250, 10000);
}

TEST_F(ComboTest, MessageStormsKeepIndicesStatesAndSizesInRange) {
    voComboBox* combo = Make(20);
    voComboBoxList* list = Languages(combo);
    auto invariants = [combo, list] {
        EXPECT_TRUE(list->selectedIndex >= -1 && list->selectedIndex < 5);
        EXPECT_TRUE(list->hoverIndex >= -1 && list->hoverIndex < 5);
        EXPECT_EQ(combo->height, 23);
        EXPECT_EQ(list->height, 102);
        EXPECT_EQ(list->width, combo->width);
        EXPECT_TRUE(!list->visible || combo->visualState == 2) << "pressed while open";
    };
    StormOptions options;
    options.messages = 1500;
    options.seed = 3;
    options.checkInvariants = invariants;
    EXPECT_TRUE(RunMessageStorm(combo->ownWindow, options));
    // Then at the list, opened again whenever it closed.
    options.seed = 4;
    options.checkEvery = 10;
    options.checkInvariants = [&] {
        invariants();
        if (!list->visible) Click(combo);
    };
    EXPECT_TRUE(RunMessageStorm(list->ownWindow, options));
    EXPECT_GT(parent.Received(WM_COMMAND).size(), 3u) << "the storm chose rows";
}

TEST_F(ComboTest, AParentMayDeleteTheComboBoxInsideTheListsNotification) {
    const std::pair<const char*, std::function<void(voComboBoxList*)>> paths[] = {
        {"release on a row",
         [](voComboBoxList* l) { Send(l->ownWindow, WM_LBUTTONUP, 0, 20, 30); }},
        {"Enter", [](voComboBoxList* l) { Key(l, VK_RETURN); }},
    };
    for (const auto& path : paths) {
        voComboBox* combo = Make(20);
        voComboBoxList* list = Languages(combo);
        const HWND field = combo->ownWindow;
        const HWND popup = list->ownWindow;
        Click(combo);
        parent.Clear();
        parent.deleteOn = 1;
        FaultCounter faults;
        path.second(list);
        PumpMessages(50);
        EXPECT_EQ(faults.Faults(), 0) << path.first << ": a deleted control was touched";
        EXPECT_FALSE(IsWindow(field) || IsWindow(popup)) << path.first;
        EXPECT_EQ(parent.Received(WM_COMMAND).size(), 1u) << path.first;
    }
}

// The looks, for a person to look at on the test display (VO_HOLD_MS each):
//   --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_ShowTheLooks*
TEST_F(ComboTest, DISABLED_ShowTheLooks) {
    voComboBox* resources = Make(20, 0);
    Languages(resources)->textAlignment = 0;
    resources->FitToItems(6);
    voComboBox* files = Make(60, 0, kId + 1);
    UseDemoFiles(*files);
    Languages(files, kListId + 1)->itemHeight = 17;
    files->textColour = 0xFFFFFF;
    files->FitToItems(0);
    Make(150, 120, kId + 2)->visualState = 2;
    const char* hold = std::getenv("VO_HOLD_MS");
    const DWORD holdMs = hold != nullptr ? static_cast<DWORD>(std::atoi(hold)) : 0;
    // A list below its field, then one above a field at the bottom of the work area.
    for (voComboBox* combo : {resources, files}) {
        if (combo == files) {
            RECT workArea{};
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
            SetWindowPos(parent.window, nullptr, 40, workArea.bottom - 120, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Click(combo);
        Send(combo->list->ownWindow, WM_MOUSEMOVE, 0, 20, 50);
        PumpMessages(holdMs);
        Key(combo->list, VK_ESCAPE);
    }
}
