// Draws every control family in its main looks on a gradient window, each
// look set up with real messages or the public fields and operations, as a
// caller would, and saves one PNG per family into the folder given on the
// command line: the pictures of the documentation pages (make docs).
#include <windows.h>
// GDI+ encodes the pictures (after windows.h, which it needs).
#include <gdiplus.h>

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "ShotSheet.h"
#include "control/FileSkins.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/buttons/voGripButton.h"
#include "widgets/buttons/voRadioButton.h"
#include "widgets/buttons/voTextLink.h"
#include "widgets/lists/voComboBox.h"
#include "widgets/lists/voComboBoxList.h"
#include "widgets/range/voHScrollBar.h"
#include "widgets/range/voHSlider.h"
#include "widgets/range/voSpinBox.h"
#include "widgets/range/voVScrollBar.h"
#include "widgets/range/voVSlider.h"
#include "widgets/text/voColorLabel.h"
#include "widgets/text/voStaticBitmap.h"
#include "widgets/text/voStaticText.h"
#include "widgets/text/voTextBox.h"
#include "widgets/text/voTextEdit.h"
#include "widgets/time/CalendarLogic.h"
#include "widgets/time/voAnalogClock.h"
#include "widgets/time/voCallendar.h"
#include "widgets/time/voScheduleViewer.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// The program's folder: the skin files are found from it wherever the
// program was started.
const std::wstring& ProgramFolder() {
    static const std::wstring folder = [] {
        wchar_t path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring found(path, length);
        found.erase(found.find_last_of(L"\\/") + 1);
        return found;
    }();
    return folder;
}

template <class Control, std::size_t N>
void SetFiles(Control& control, const std::array<const wchar_t*, N>& files, int first) {
    vo::SetSkinFiles(control, files, first, ProgramFolder());
}

std::wstring SkinFile(const wchar_t* path) { return ProgramFolder() + path; }

// --- Looks that need the pointer, the capture or the focus ------------------------

// The pointer resting over the control's middle.
void Hover(ShotSheet& sheet, voAbstractControl& control) {
    voAbstractControl* target = &control;
    sheet.Live(
        sheet.AreaOf(control),
        [target] { PointAt(*target, target->width / 2, target->height / 2); },
        [target] { SendMessageW(target->GetHandle(), WM_MOUSELEAVE, 0, 0); });
}

// The left button held down at (x, y) of the control; released outside it after.
void HoldDown(ShotSheet& sheet, voAbstractControl& control, int px, int py) {
    voAbstractControl* target = &control;
    sheet.Live(
        sheet.AreaOf(control),
        [target, px, py] {
            PointAt(*target, px, py);
            SendMessageW(target->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(px, py));
        },
        [target] {
            ParkPointer();
            SendMessageW(target->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
        });
}

void HoldDownMiddle(ShotSheet& sheet, voAbstractControl& control) {
    HoldDown(sheet, control, control.width / 2, control.height / 2);
}

// A click, then a double click at (x, y): the field takes the focus and
// selects its text.
void FocusAndSelect(ShotSheet& sheet, voAbstractControl& control, int px, int py) {
    voAbstractControl* target = &control;
    sheet.Live(
        sheet.AreaOf(control),
        [target, px, py] {
            const HWND handle = target->GetHandle();
            const LPARAM at = MAKELPARAM(px, py);
            SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(handle, WM_LBUTTONUP, 0, at);
            SendMessageW(handle, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageW(handle, WM_LBUTTONUP, 0, at);
        },
        [target] { SetFocus(GetParent(target->GetHandle())); });
}

// --- Buttons --------------------------------------------------------------------

voButton& AddButton(ShotSheet& sheet, const std::wstring& caption, int style, const wchar_t* text) {
    return sheet.Cell(caption, new voButton(sheet.window, sheet.NextId(), 110, style),
                      [text](voButton& button) { button.SetText(text); });
}

void ModernButton(voButton& button, const wchar_t* text) {
    button.sideWidth = 2;
    button.skinHeight = 20;
    button.SetSize(110, 0);
    SetFiles(button, vo::kModernButtonFiles, 0);
    button.SetText(text);
    button.SetTextColor(kWhite);
}

void PushButtons(ShotSheet& sheet) {
    sheet.Row(L"Push button:\nstyles 0 to 3");
    AddButton(sheet, L"normal (0)", vo::kButtonNormal, L"Normal");
    AddButton(sheet, L"round (1)", vo::kButtonRound, L"Round");
    AddButton(sheet, L"green (2)", vo::kButtonGreen, L"Green");
    AddButton(sheet, L"red (3)", vo::kButtonRed, L"Red");

    sheet.Row(L"Push button:\nstates");
    AddButton(sheet, L"normal", vo::kButtonNormal, L"Save");
    HoldDownMiddle(sheet, AddButton(sheet, L"pressed", vo::kButtonNormal, L"Save"));
    voButton& toggled = AddButton(sheet, L"checked (toggle mode)", vo::kButtonNormal, L"Bold");
    toggled.toggleMode = true;
    toggled.SetChecked(true);
    AddButton(sheet, L"disabled", vo::kButtonNormal, L"Save").Disable();

    sheet.Row(L"Push button:\ncustom style (5)");
    auto modern = [&](const wchar_t* caption) -> voButton& {
        return sheet.Cell(caption,
                          new voButton(sheet.window, sheet.NextId(), 110, vo::kButtonCustom),
                          [](voButton& button) { ModernButton(button, L"Modern"); });
    };
    modern(L"normal");
    Hover(sheet, modern(L"hovered"));
    HoldDownMiddle(sheet, modern(L"pressed"));
    voButton& withIcon = modern(L"with an icon");
    withIcon.iconWidth = 18;
    withIcon.iconHeight = 18;
    withIcon.iconHorizontalAlignment = vo::kAlignStart;
    withIcon.iconXOffset = 4;
    withIcon.SetIconFile(0, SkinFile(vo::kPlayIconFile));
    withIcon.SetText(L"   Play");

    sheet.Row(L"Icon buttons:\nround icon style (4)");
    for (int icon = 0; icon < vo::kRoundIconCount; ++icon) {
        sheet.Cell(L"icon " + std::to_wstring(icon),
                   new voButton(sheet.window, sheet.NextId(), 0, vo::kButtonRoundIcon),
                   [icon](voButton& button) { button.SetIcon(icon); });
    }
    HoldDownMiddle(
        sheet,
        sheet.Cell(L"pressed", new voButton(sheet.window, sheet.NextId(), 0, vo::kButtonRoundIcon),
                   [](voButton& button) { button.SetIcon(2); }));
    sheet.Cell(L"disabled", new voButton(sheet.window, sheet.NextId(), 0, vo::kButtonRoundIcon),
               [](voButton& button) {
                   button.SetIcon(2);
                   button.Disable();
               });
}

template <class Toggle>
Toggle& AddToggle(ShotSheet& sheet, const std::wstring& caption, const wchar_t* text, bool checked,
                  bool enabled) {
    return sheet.Cell(caption, new Toggle(sheet.window, sheet.NextId(), 0), [&](Toggle& toggle) {
        toggle.SetText(text);
        toggle.SetChecked(checked);
        toggle.SetEnabled(enabled);
        toggle.FitToText();
    });
}

void Toggles(ShotSheet& sheet) {
    sheet.Row(L"Check box");
    AddToggle<voCheckBox>(sheet, L"unchecked", L"Remember me", false, true);
    AddToggle<voCheckBox>(sheet, L"checked", L"Remember me", true, true);
    HoldDown(sheet, AddToggle<voCheckBox>(sheet, L"pressed", L"Remember me", false, true), 5, 5);
    AddToggle<voCheckBox>(sheet, L"disabled", L"Remember me", false, false);
    AddToggle<voCheckBox>(sheet, L"disabled, checked", L"Remember me", true, false);

    sheet.Row(L"Radio button");
    AddToggle<voRadioButton>(sheet, L"unchecked", L"Small", false, true);
    AddToggle<voRadioButton>(sheet, L"checked", L"Large", true, true);
    HoldDown(sheet, AddToggle<voRadioButton>(sheet, L"pressed", L"Medium", false, true), 5, 5);
    AddToggle<voRadioButton>(sheet, L"disabled", L"Huge", false, false);
    AddToggle<voRadioButton>(sheet, L"disabled, checked", L"Tiny", true, false);
}

void DoubleButtons(ShotSheet& sheet) {
    sheet.Row(L"Double button");
    auto add = [&](const wchar_t* caption, bool first) {
        sheet.Cell(caption, new voDoubleButton(sheet.window, sheet.NextId(), 0),
                   [first](voDoubleButton& button) {
                       button.firstCaption = L"AM";
                       button.secondCaption = L"PM";
                       button.FitToText(12, true);
                       button.SetChecked(first);
                   });
    };
    add(L"first half selected", true);
    add(L"second half selected", false);
    sheet.Cell(L"skin files (source 1)", new voDoubleButton(sheet.window, sheet.NextId(), 0),
               [](voDoubleButton& button) {
                   button.firstCaption = L"List";
                   button.secondCaption = L"Grid";
                   button.textColour = kWhite;
                   button.skinSource = 1;
                   button.skinHeight = 20;
                   button.capWidth = 2;
                   SetFiles(button, vo::kDoubleButtonFiles, 1);
                   button.FitToText(12, true);
               });
}

void GripAndLink(ShotSheet& sheet) {
    sheet.Row(L"Grip button");
    sheet.Cell(L"normal", new voGripButton(sheet.window, sheet.NextId()), [](voGripButton&) {});
    Hover(sheet, sheet.Cell(L"hovered", new voGripButton(sheet.window, sheet.NextId()),
                            [](voGripButton&) {}));

    sheet.Row(L"Text link");
    auto link = [&](const wchar_t* caption) -> voTextLink& {
        return sheet.Cell(caption, new voTextLink(sheet.window, sheet.NextId()), [](voTextLink& l) {
            l.SetText(L"www.example.org");
            l.target = L"https://www.example.org/";
            l.FitToText();
        });
    };
    link(L"normal");
    Hover(sheet, link(L"hovered"));
}

// --- Range ----------------------------------------------------------------------

template <class Bar>
Bar& AddBar(ShotSheet& sheet, const wchar_t* caption, int length, std::uint32_t position) {
    return sheet.Cell(caption, new Bar(sheet.window, length, sheet.NextId()), [position](Bar& bar) {
        bar.lineStep = 25;
        bar.SetRange(600, 100, position);
    });
}

template <class Bar>
void FileSkinnedBar(ShotSheet& sheet, int length, bool horizontal,
                    const std::array<const wchar_t*, 8>& files) {
    sheet.Cell(L"skin files (source 1)", new Bar(sheet.window, length, sheet.NextId()),
               [&](Bar& bar) {
                   bar.skinSource = 1;
                   bar.buttonWidth = 13;
                   bar.buttonHeight = 13;
                   bar.trackLength = length - 26;
                   bar.SetSize(horizontal ? length : 13, horizontal ? 13 : length);
                   SetFiles(bar, files, 1);
                   bar.SetRange(600, 100, 200);
               });
}

void ScrollBars(ShotSheet& sheet) {
    constexpr int kLength = 160;
    sheet.Row(L"Horizontal\nscroll bar");
    AddBar<voHScrollBar>(sheet, L"at the start", kLength, 0);
    AddBar<voHScrollBar>(sheet, L"scrolled to 250 of 500", kLength, 250);
    voHScrollBar& arrow = AddBar<voHScrollBar>(sheet, L"right arrow held", kLength, 0);
    HoldDown(sheet, arrow, arrow.width - 6, arrow.height / 2);
    voHScrollBar& grip = AddBar<voHScrollBar>(sheet, L"grip dragged", kLength, 0);
    HoldDown(sheet, grip, grip.buttonWidth + 10, grip.height / 2);
    FileSkinnedBar<voHScrollBar>(sheet, kLength, true, vo::kHorizontalBarFiles);

    constexpr int kHeight = 130;
    sheet.Row(L"Vertical\nscroll bar");
    AddBar<voVScrollBar>(sheet, L"at the start", kHeight, 0);
    AddBar<voVScrollBar>(sheet, L"scrolled to 250", kHeight, 250);
    voVScrollBar& down = AddBar<voVScrollBar>(sheet, L"down arrow held", kHeight, 0);
    HoldDown(sheet, down, down.width / 2, down.height - 6);
    voVScrollBar& drag = AddBar<voVScrollBar>(sheet, L"grip dragged", kHeight, 0);
    HoldDown(sheet, drag, drag.width / 2, drag.buttonHeight + 10);
    FileSkinnedBar<voVScrollBar>(sheet, kHeight, false, vo::kVerticalBarFiles);
}

template <class Slider>
Slider& AddSlider(ShotSheet& sheet, const wchar_t* caption, int positions, std::int32_t start,
                  std::int32_t step, wchar_t suffix, std::uint32_t selected) {
    const bool horizontal = std::is_same<Slider, voHSlider>::value;
    return sheet.Cell(caption, new Slider(sheet.window, sheet.NextId()), [&](Slider& slider) {
        slider.labelStart = start;
        slider.labelStep = step;
        slider.labelSuffix = suffix;
        slider.SetSize(horizontal ? positions : 0, horizontal ? 0 : positions);
        slider.selectedIndex = selected;
    });
}

void Sliders(ShotSheet& sheet) {
    sheet.Row(L"Horizontal slider");
    AddSlider<voHSlider>(sheet, L"6 positions, index 0", 6, 0, 10, 0, 0);
    AddSlider<voHSlider>(sheet, L"suffix '%', index 3", 5, 0, 25, L'%', 3);

    sheet.Row(L"Vertical slider");
    AddSlider<voVSlider>(sheet, L"index 1", 4, 1, 1, 0, 1);
    AddSlider<voVSlider>(sheet, L"suffix 'x', index 2", 4, 1, 2, L'x', 2);
}

voSpinBox& AddSpin(ShotSheet& sheet, const wchar_t* caption, std::int32_t value) {
    return sheet.Cell(caption, new voSpinBox(sheet.window, sheet.NextId(), 60),
                      [value](voSpinBox& spin) {
                          spin.minimum = 0;
                          spin.maximum = 99;
                          spin.SetValue(value);
                          spin.FitToDigits(3);
                      });
}

void SpinBoxes(ShotSheet& sheet) {
    sheet.Row(L"Spin box");
    AddSpin(sheet, L"value 42 of 0 to 99", 42);
    voSpinBox& up = AddSpin(sheet, L"up arrow held", 42);
    HoldDown(sheet, up, up.width - 10, 6);
    voSpinBox& focused = AddSpin(sheet, L"focused, digits selected", 42);
    FocusAndSelect(sheet, focused, 12, focused.height / 2);
    sheet.Cell(L"skin files (source 1)", new voSpinBox(sheet.window, sheet.NextId(), 60),
               [](voSpinBox& spin) {
                   spin.maxLength = 3;
                   spin.minimum = 0;
                   spin.maximum = 255;
                   spin.SetValue(222);
                   spin.textColour = kWhite;
                   spin.skinSource = 1;
                   spin.ApplyCompactGeometry();
                   SetFiles(spin, vo::kSpinBoxFiles, 1);
                   spin.SetSize(60, 0);
               });
}

// --- Text -----------------------------------------------------------------------

voStaticText& AddStatic(ShotSheet& sheet, const wchar_t* caption, const wchar_t* text,
                        const std::function<void(voStaticText&)>& style) {
    return sheet.Cell(caption, new voStaticText(sheet.window, sheet.NextId(), 0),
                      [&](voStaticText& label) {
                          label.SetText(text);
                          label.FitToText();
                          style(label);
                      });
}

void Labels(ShotSheet& sheet) {
    sheet.Row(L"Static text");
    AddStatic(sheet, L"default font", L"Plain caption", [](voStaticText&) {});
    AddStatic(sheet, L"font and colour", L"Georgia 20", [](voStaticText& label) {
        label.SetFont(L"Georgia", 20, FW_BOLD);
        label.SetColor(0x8A4A1F);
        label.FitToText();
    });
    AddStatic(sheet, L"word wrap, two lines", L"Words wrap at the\\nline break",
              [](voStaticText& label) {
                  label.wordWrap = 1;
                  label.SetSize(130, 32);
              });
    AddStatic(sheet, L"right-aligned, 130 wide", L"Total: 42", [](voStaticText& label) {
        label.horizontalAlignment = 2;
        label.SetSize(130, label.height);
    });

    sheet.Row(L"Static bitmap");
    for (const wchar_t* name :
         {L"Round_Question_Mark", L"Language_ComboBox_English", L"Task_ComboBox_Restart"}) {
        sheet.Cell(name, new voStaticBitmap(sheet.window, sheet.NextId()),
                   [name](voStaticBitmap& bitmap) { bitmap.SetImage(name); });
    }

    sheet.Row(L"Colour label");
    struct Pill {
        const wchar_t* caption;
        int type;
        const wchar_t* text;
    };
    for (const Pill& pill : {Pill{L"green (0)", vo::kLabelGreen, L"Online"},
                             Pill{L"red (1)", vo::kLabelRed, L"Offline"},
                             Pill{L"grey (2)", vo::kLabelGrey, L"Away"}}) {
        sheet.Cell(pill.caption, new voColorLabel(sheet.window, sheet.NextId(), pill.type),
                   [&pill](voColorLabel& label) {
                       label.text = pill.text;
                       label.FitToText(10);
                   });
    }
}

voTextEdit& AddEdit(ShotSheet& sheet, const wchar_t* caption, const wchar_t* text,
                    int password = 0) {
    return sheet.Cell(caption, new voTextEdit(sheet.window, sheet.NextId(), 120, 0),
                      [text, password](voTextEdit& edit) {
                          edit.maxLength = 40;
                          edit.passwordMode = password;
                          edit.SetText(text);
                      });
}

void TextFields(ShotSheet& sheet) {
    sheet.Row(L"Text edit");
    AddEdit(sheet, L"empty", L"");
    AddEdit(sheet, L"with text", L"Ada Lovelace");
    voTextEdit& focused = AddEdit(sheet, L"focused, text selected", L"Ada Lovelace");
    FocusAndSelect(sheet, focused, focused.width / 2, focused.height / 2);
    AddEdit(sheet, L"password (mode 1)", L"secret", 1);
    sheet.Cell(L"skin files (mode 2)", new voTextEdit(sheet.window, sheet.NextId(), 120, 2),
               [](voTextEdit& edit) {
                   edit.sideWidth = 2;
                   edit.skinHeight = 20;
                   edit.SetSize(120, 0);
                   for (int piece = 0; piece < voTextEdit::kPieceCount; ++piece)
                       edit.SetSkinFile(piece + 1, SkinFile(vo::kModernButtonFiles[piece]));
                   edit.textColour = kWhite;
                   edit.maxLength = 40;
                   edit.SetText(L"White on dark");
               });

    sheet.Row(L"Text box");
    const wchar_t* text =
        L"A multi-line text area that wraps its words. Second sentence.\nA new line.";
    sheet.Cell(L"white background", new voTextBox(sheet.window, sheet.NextId()),
               [text](voTextBox& box) {
                   box.SetSize(230, 72);
                   box.SetBackgroundColor(kWhite);
                   box.SetText(text);
               });
    sheet.Cell(L"flat, dark, Georgia", new voTextBox(sheet.window, sheet.NextId()),
               [text](voTextBox& box) {
                   box.SetSize(230, 72);
                   box.SetFont(L"Georgia", 15);
                   box.MakeFlat();
                   box.SetForegroundColor(kWhite);
                   box.SetBackgroundColor(0x3D3D3D);
                   box.SetText(text);
               });
}

// --- Lists ----------------------------------------------------------------------

voComboBox& AddLanguages(ShotSheet& sheet, const wchar_t* caption, bool fileSkin, int selection) {
    return sheet.Cell(caption, new voComboBox(sheet.window, sheet.NextId(), 130),
                      [&](voComboBox& combo) {
                          auto* list = new voComboBoxList(sheet.window, sheet.NextId(), &sheet);
                          list->itemHeight = 20;
                          combo.SetList(list);
                          combo.AddItem(L"English", L"Language_ComboBox_English", 16, 11, 1);
                          combo.AddItem(L"Polski", L"Language_ComboBox_Polish", 16, 11, 2);
                          combo.AddItem(L"Deutsch", L"Language_ComboBox_German", 16, 11, 3);
                          combo.AddItem(L"Espa\u00F1ol", L"", 0, 0, 4);
                          combo.FitToItems(fileSkin ? 6 : 0);
                          if (fileSkin) {
                              combo.textColour = kWhite;
                              combo.skinSource = 1;
                              combo.ApplyCompactGeometry();
                              SetFiles(combo, vo::kComboBoxFiles, 1);
                          }
                          combo.SetSelection(selection);
                      });
}

// The list opened by a click on the field, the pointer resting on its third row.
void OpenList(ShotSheet& sheet, voComboBox& combo) {
    voComboBox* target = &combo;
    const int listHeight = combo.list->height;
    sheet.Live(
        sheet.AreaOf(combo, listHeight + 2),
        [target] {
            const LPARAM middle = MAKELPARAM(target->width / 2, target->height / 2);
            SendMessageW(target->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
            SendMessageW(target->GetHandle(), WM_LBUTTONUP, 0, middle);
            voComboBoxList& list = *target->list;
            PointAt(list, list.width / 2, 2 * list.itemHeight + list.itemHeight / 2);
        },
        [target] { SendMessageW(target->list->GetHandle(), WM_KEYDOWN, VK_ESCAPE, 0); });
}

void ComboBoxes(ShotSheet& sheet) {
    sheet.Row(L"Combo box:\nresource skin");
    AddLanguages(sheet, L"closed", false, 0);
    Hover(sheet, AddLanguages(sheet, L"hovered", false, 1));
    HoldDownMiddle(sheet, AddLanguages(sheet, L"pressed", false, 2));
    OpenList(sheet, AddLanguages(sheet, L"list open", false, 0));
    sheet.ReserveBelow(110);

    sheet.Row(L"Combo box:\nskin files (source 1)");
    AddLanguages(sheet, L"closed", true, 0);
    Hover(sheet, AddLanguages(sheet, L"hovered", true, 1));
    HoldDownMiddle(sheet, AddLanguages(sheet, L"pressed", true, 2));
    OpenList(sheet, AddLanguages(sheet, L"list open", true, 0));
    sheet.ReserveBelow(110);
}

// --- Time -----------------------------------------------------------------------

void Clocks(ShotSheet& sheet) {
    sheet.Row(L"Analog clock");
    sheet.Cell(L"10:10:30, second hand shown", new voAnalogClock(sheet.window, sheet.NextId()),
               [](voAnalogClock& clock) {
                   clock.SetHours(10);
                   clock.SetMinutes(10, false);
                   clock.SetSeconds(30, false);
                   clock.ShowSeconds();
               });
    sheet.Cell(L"4:45, no second hand", new voAnalogClock(sheet.window, sheet.NextId()),
               [](voAnalogClock& clock) {
                   clock.SetHours(4);
                   clock.SetMinutes(45, false);
               });
}

void NameCalendar(voCallendar& calendar) {
    const wchar_t* days[] = {L"M", L"T", L"W", L"T", L"F", L"S", L"S"};
    for (int day = 0; day < 7; ++day) calendar.SetDayName(day, days[day]);
    const wchar_t* shortMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                    L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    const wchar_t* months[] = {L"January",   L"February", L"March",    L"April",
                               L"May",       L"June",     L"July",     L"August",
                               L"September", L"October",  L"November", L"December"};
    for (int month = 0; month < 12; ++month) {
        calendar.SetShortMonthName(month, shortMonths[month]);
        calendar.SetMonthName(month, months[month]);
    }
}

// The calendar is a pop-up window of its own: shown over an empty cell, on a
// fixed date so the picture does not change from day to day.
void Calendars(ShotSheet& sheet, voCallendar& calendar) {
    sheet.Row(L"Calendar\n(pop-up window)");
    constexpr vo::CalendarDate kShown{14, 3, 2024};
    voCallendar* shown = &calendar;
    auto showAt = [&sheet, shown, kShown](const RECT& cell, bool monthView) {
        const POINT corner = sheet.OnScreen({cell.left, cell.top});
        shown->x = corner.x;
        shown->y = corner.y;
        SetWindowPos(shown->window, HWND_TOPMOST, shown->x, shown->y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
        shown->Show(true);
        vo::ResetToToday(*shown, kShown, true);
        InvalidateRect(shown->window, nullptr, FALSE);
        if (monthView) {
            // A press on the month's name turns to the month view; the
            // calendar reads where the pointer is.
            POINT title{(vo::kMonthTitle.left + vo::kMonthTitle.right) / 2,
                        (vo::kMonthTitle.top + vo::kMonthTitle.bottom) / 2};
            const LPARAM at = MAKELPARAM(title.x, title.y);
            ClientToScreen(shown->window, &title);
            SetCursorPos(title.x, title.y);
            SendMessageW(shown->window, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(shown->window, WM_LBUTTONUP, 0, at);
        }
        UpdateWindow(shown->window);
    };
    const RECT dayCell = sheet.EmptyCell(L"day view", calendar.width, calendar.height);
    sheet.Live(
        dayCell, [=] { showAt(dayCell, false); }, [shown] { shown->Show(false); });
    const RECT monthCell = sheet.EmptyCell(L"month view", calendar.width, calendar.height);
    sheet.Live(
        monthCell, [=] { showAt(monthCell, true); }, [shown] { shown->Show(false); });
}

void Schedules(ShotSheet& sheet) {
    sheet.Row(L"Schedule viewer");
    auto add = [&](const wchar_t* caption, bool wholeSpan) -> voScheduleViewer& {
        return sheet.Cell(
            caption, new voScheduleViewer(sheet.window, sheet.NextId()),
            [wholeSpan](voScheduleViewer& schedule) {
                schedule.SetSize(218, 0);
                vo::ScheduleEntry entry;
                if (wholeSpan) {
                    entry.kind = vo::kWholeSpan;
                    schedule.AddEntry(entry);
                    return;
                }
                for (const auto& hours : {std::pair<int, int>{1, 4}, {5, 7}, {9, 11}}) {
                    entry.startHour = hours.first;
                    entry.endHour = hours.second;
                    schedule.AddEntry(entry);
                }
            });
    };
    add(L"three time ranges", false);
    voScheduleViewer& hovered = add(L"pointer over 5 to 7", false);
    voScheduleViewer* target = &hovered;
    sheet.Live(
        sheet.AreaOf(hovered), [target] { PointAt(*target, target->width / 2, 10); },
        [target] { SendMessageW(target->GetHandle(), WM_MOUSELEAVE, 0, 0); });
    add(L"whole span", true);
}

// --- The families -----------------------------------------------------------------

struct Family {
    const wchar_t* file;
    int width;
    int height;
    std::function<void(ShotSheet&)> build;
};

bool Shoot(const std::wstring& folder, const Family& family) {
    ShotSheet sheet(family.width, family.height);
    family.build(sheet);
    const std::wstring path = folder + L"\\" + family.file;
    const bool saved = sheet.Photograph(path);
    std::fwprintf(saved ? stdout : stderr, L"%ls %ls\n", saved ? L"wrote" : L"FAILED",
                  path.c_str());
    return saved;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: vo_docs <folder for the pictures>\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    CreateDirectoryW(folder.c_str(), nullptr);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        std::fwprintf(stderr, L"GDI+ did not start\n");
        return 1;
    }
    int failures = 0;
    {
        const Family families[] = {
            {L"buttons.png", 815, 470,
             [](ShotSheet& sheet) {
                 PushButtons(sheet);
                 Toggles(sheet);
                 DoubleButtons(sheet);
                 GripAndLink(sheet);
             }},
            {L"range.png", 1070, 500,
             [](ShotSheet& sheet) {
                 ScrollBars(sheet);
                 Sliders(sheet);
                 SpinBoxes(sheet);
             }},
            {L"text.png", 890, 375,
             [](ShotSheet& sheet) {
                 Labels(sheet);
                 TextFields(sheet);
             }},
            {L"lists.png", 720, 330, ComboBoxes},
        };
        for (const Family& family : families)
            if (!Shoot(folder, family)) ++failures;

        // The calendar is no control of the sheet's: declared after it, it goes first.
        ShotSheet sheet(890, 445);
        voCallendar calendar(sheet.window, sheet.NextId());
        NameCalendar(calendar);
        Clocks(sheet);
        Calendars(sheet, calendar);
        Schedules(sheet);
        const std::wstring path = folder + L"\\time.png";
        const bool saved = sheet.Photograph(path);
        std::fwprintf(saved ? stdout : stderr, L"%ls %ls\n", saved ? L"wrote" : L"FAILED",
                      path.c_str());
        if (!saved) ++failures;
    }
    Gdiplus::GdiplusShutdown(token);
    return failures == 0 ? 0 : 1;
}
