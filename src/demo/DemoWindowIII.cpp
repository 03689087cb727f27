#include "demo/DemoWindowIII.h"

#include <array>

#include "control/FileSkins.h"
#include "demo/DemoLayout.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/buttons/voRadioButton.h"
#include "widgets/lists/voComboBox.h"
#include "widgets/lists/voComboBoxList.h"
#include "widgets/range/voHScrollBar.h"
#include "widgets/range/voSpinBox.h"
#include "widgets/range/voVScrollBar.h"
#include "widgets/text/voStaticText.h"
#include "widgets/text/voTextBox.h"
#include "widgets/text/voTextEdit.h"
#include "widgets/time/voCallendar.h"

namespace {
constexpr std::uint16_t kCalendarId = 15;
constexpr std::uint16_t kCalendarButton = 16;
constexpr COLORREF kWhite = 0x00FFFFFF;

void ModernSkin(voButton& button) {
    button.sideWidth = 2;
    button.skinHeight = 20;
}
}  // namespace

DemoWindowIII::DemoWindowIII() {
    SizeDemoWindow(*this);
    AddButtons();
    AddScrollBars();
    AddStylizedControls();
    AddCalendar();
    AddCalendarButtonAndTextBox();
    // Row by row down the left, then the scroll bar on the right.
    const int tabOrder[] = {6, 1, 8, 2, 9, 3, 10, 4, 11, 12, 13, 14, kCalendarButton, 17, 5};
    OrderTabStops(*this, tabOrder);
    NameForReaders(*this, {{4, L"Play"}, {9, L"Language"}, {10, L"Level"}});
    demoMap.Insert(WM_COMMAND, &DemoWindowIII::OnCommand);
}

DemoWindowIII::~DemoWindowIII() {
    calendar.reset();
    demoMap.Clear();
}

LRESULT DemoWindowIII::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (demoMap.Dispatch(*this, message, wParam, lParam, result)) return result;
    return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
}

LRESULT DemoWindowIII::OnCommand(UINT, WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == kCalendarId && calendar) calendar->Show(false);
    if (LOWORD(wParam) == kCalendarButton) ShowCalendar();
    return 0;
}

// Left of the window, overlapping it by 10 pixels, topmost.
void DemoWindowIII::ShowCalendar() {
    if (!calendar) return;
    calendar->x = x - calendar->width + 10;
    calendar->y = y - calendar->height / 2 + 175;
    SetWindowPos(calendar->window, nullptr, calendar->x, calendar->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(calendar->window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    calendar->Show(true);
}

void DemoWindowIII::AddButtons() {
    Put(*this, new voButton(window, 1, 150, vo::kButtonRed), 15, 25, [](voButton& button) {
        button.SetText(L"It's a red button");
        button.SetFont(L"Georgia", 14, 500);
    });
    Put(*this, new voButton(window, 2, 150, vo::kButtonGreen), 15, 55, [](voButton& button) {
        button.SetText(L"It's a green button");
        button.SetFont(L"Georgia", 14, 500);
    });
    Put(*this, new voButton(window, 3, 150, vo::kButtonCustom), 15, 85, [](voButton& button) {
        ModernSkin(button);
        vo::SetSkinFiles(button, vo::kModernButtonFiles, 0);
        button.SetText(L"It's a customized-modern button");
        button.SetTextColor(kWhite);
        button.SetFont(L"Georgia", 14, 500);
        button.FitToText(6);
    });
    Put(*this, new voButton(window, 4, 150, vo::kButtonCustom), 15, 115, [](voButton& button) {
        button.iconWidth = 18;
        button.iconHeight = 18;
        ModernSkin(button);
        button.SetSize(50, 0);
        vo::SetSkinFiles(button, vo::kModernButtonFiles, 0);
        button.SetIconFile(0, vo::kPlayIconFile);
    });
}

void DemoWindowIII::AddScrollBars() {
    Put(*this, new voVScrollBar(window, 150, 5), width - 20, 10, [this](voVScrollBar& bar) {
        bar.skinSource = 1;
        bar.SetSize(20, height - 20);
        bar.trackLength = bar.height - 26;
        bar.buttonWidth = 13;
        bar.buttonHeight = 13;
        bar.SetSize(13, bar.height);
        vo::SetSkinFiles(bar, vo::kVerticalBarFiles, 1);
        bar.total = 600;
        bar.page = 100;
        bar.position = 0;
        bar.UpdateGripSize();
        bar.UpdateGripPosition();
        bar.lineStep = 25;
    });
    Put(*this, new voHScrollBar(window, 150, 6), 15, 5, [](voHScrollBar& bar) {
        bar.trackLength = bar.width - 26;
        bar.buttonWidth = 13;
        bar.buttonHeight = 13;
        bar.skinSource = 1;
        bar.SetSize(bar.width, 13);
        vo::SetSkinFiles(bar, vo::kHorizontalBarFiles, 1);
        bar.total = 900;
        bar.page = 100;
        bar.position = 0;
        bar.UpdateGripSize();
        bar.UpdateGripPosition();
        bar.lineStep = 25;
    });
}

void DemoWindowIII::AddStylizedControls() {
    Put(*this, new voStaticText(window, 7, 150), 190, 5, [](voStaticText& text) {
        text.SetText(L"Stylized widgets");
        text.SetColor(0x2C2C2C);
        text.SetFont(L"Georgia", 16, 500);
        text.FitToText();
    });
    Put(*this, new voDoubleButton(window, 8, 0), 215, 25, [](voDoubleButton& button) {
        button.firstCaption = L"First";
        button.secondCaption = L"Second";
        button.textColour = kWhite;
        button.FitToText(5, false);
        button.skinSource = 1;
        button.skinHeight = 20;
        button.capWidth = 2;
        vo::SetSkinFiles(button, vo::kDoubleButtonFiles, 1);
    });
    Put(*this, new voComboBox(window, 9, 100), 210, 50, [this](voComboBox& combo) {
        auto* list = new voComboBoxList(window, 10, this);
        list->itemHeight = 20;
        combo.SetList(list);
        combo.AddItem(L"English", L"Language_ComboBox_English", 16, 11, 1);
        combo.AddItem(L"Polski", L"Language_ComboBox_Polish", 16, 11, 2);
        combo.AddItem(L"\u65E5\u672C\u8A9E", L"Language_ComboBox_Japanese", 16, 11, 3);
        combo.AddItem(L"Deutsch", L"Language_ComboBox_German", 16, 11, 4);
        combo.AddItem(L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439", L"Language_ComboBox_Russian",
                      16, 11, 5);
        combo.FitToItems(6);
        combo.textColour = kWhite;
        combo.skinSource = 1;
        combo.ApplyCompactGeometry();
        vo::SetSkinFiles(combo, vo::kComboBoxFiles, 1);
        list->SetSelection(0);
    });
    Put(*this, new voSpinBox(window, 10, 100), 230, 85, [](voSpinBox& spin) {
        spin.SetSize(60, 19);
        spin.maxLength = 3;
        spin.minimum = 0;
        spin.maximum = 255;
        spin.SetValue(222);
        spin.textColour = kWhite;
        spin.skinSource = 1;
        spin.ApplyCompactGeometry();
        vo::SetSkinFiles(spin, vo::kSpinBoxFiles, 1);
    });
    Put(*this, new voCheckBox(window, 11, 100), 75, 110, [](voCheckBox& box) {
        box.SetSkinSource(1);
        box.boxSize = 11;
        box.gap = 6;
        vo::SetSkinFiles(box, vo::kCheckBoxFiles, 0);
        box.SetChecked(true);
        box.SetEnabled(true);
        box.SetText(L"This is a customized checkBox");
        box.FitToText();
    });
    Put(*this, new voRadioButton(window, 12, 100), 75, 125, [](voRadioButton& radio) {
        radio.SetSkinSource(1);
        radio.boxSize = 11;
        radio.gap = 6;
        vo::SetSkinFiles(radio, vo::kRadioButtonFiles, 0);
        radio.SetChecked(false);
        radio.SetEnabled(true);
        radio.SetText(L"This is a customized radioButton");
        radio.FitToText();
    });
    Put(*this, new voButton(window, 13, 100, vo::kButtonCustom), 15, 145, [](voButton& button) {
        ModernSkin(button);
        button.SetSize(90, 0);
        button.iconHorizontalAlignment = vo::kAlignStart;
        button.iconXOffset = 2;
        button.iconYOffset = 0;
        button.iconBottomMargin = 0;
        button.iconRightMargin = 0;
        vo::SetSkinFiles(button, vo::kModernButtonFiles, 0);
        button.SetIconFile(0, vo::kPlayIconFile);
        button.iconWidth = 18;
        button.iconHeight = 18;
        button.SetText(L"  Show");
        button.SetTextColor(kWhite);
    });
    Put(*this, new voTextEdit(window, 14, 100, 2), 120, 145, [](voTextEdit& edit) {
        edit.SetSize(130, 0);
        edit.sideWidth = 2;
        edit.skinHeight = 20;
        edit.maxLength = 200;
        for (int piece = 0; piece < 6; ++piece)
            edit.SetSkinFile(piece + 1, vo::kModernButtonFiles[piece]);
        edit.textColour = kWhite;
    });
}

void DemoWindowIII::AddCalendar() {
    calendar = std::make_unique<voCallendar>(window, kCalendarId);
    const wchar_t* days[] = {L"M", L"T", L"W", L"T", L"F", L"S", L"S"};
    for (int day = 0; day < 7; ++day) calendar->SetDayName(day, days[day]);
    const wchar_t* shortMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                    L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    const wchar_t* months[] = {L"January",   L"February", L"March",    L"April",
                               L"May",       L"June",     L"July",     L"August",
                               L"September", L"October",  L"November", L"December"};
    for (int month = 0; month < 12; ++month) {
        calendar->SetShortMonthName(month, shortMonths[month]);
        calendar->SetMonthName(month, months[month]);
    }
}

void DemoWindowIII::AddCalendarButtonAndTextBox() {
    Put(*this, new voButton(window, kCalendarButton, 100, vo::kButtonRoundIcon), 10, 175,
        [](voButton& button) { button.SetIcon(7); });
    Put(*this, new voTextBox(window, 17), 50, 180, [](voTextBox& box) {
        box.SetSize(280, 150);
        box.SetFont(L"Georgia", 17);
        box.MakeFlat();
        box.SetForegroundColor(kWhite);
        box.SetBackgroundColor(0x3D3D3D);
        box.SetText(
            L"This is an example of voTextBox widget. Second line of text.\n"
            L"Third line of some longer text.\n\nThere is nothing more to say.");
    });
}
