#include "demo/DemoWindowII.h"

#include <algorithm>

#include "demo/DemoLayout.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voGripButton.h"
#include "widgets/buttons/voRadioButton.h"
#include "widgets/buttons/voTextLink.h"
#include "widgets/lists/voComboBox.h"
#include "widgets/lists/voComboBoxList.h"
#include "widgets/range/voSpinBox.h"
#include "widgets/text/voStaticBitmap.h"
#include "widgets/text/voStaticText.h"
#include "widgets/time/voAnalogClock.h"
#include "widgets/time/voScheduleViewer.h"

namespace {
enum ControlId : std::uint16_t {
    kSettableClock = 1,
    kLiveClock = 2,
    kLanguages = 3,
    kTasks = 4,
    kStart = 5,
    kStop = 6,
    kJapanese = 7,
    kGerman = 8,
    kExit = 9,
    kHours = 10,
    kMinutes = 11,
    kSeconds = 12,
    kLink = 13,
    kCapitals = 14,
    kGrip = 15,
    kQuestionMark = 16,
    kSchedule = 17,
    kSimpleRadio = 18,
    kAnotherRadio = 19,
    kLanguageList = 20,
    kTaskList = 21,
};
constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT_PTR kClockTimer = 2;

void RedrawClock(voAnalogClock* clock) {
    if (clock == nullptr || !clock->visible) return;
    InvalidateRect(clock->GetHandle(), nullptr, FALSE);
    UpdateWindow(clock->GetHandle());
}
}  // namespace

DemoWindowII::DemoWindowII() {
    SizeDemoWindow(*this);
    AddClocks();
    AddComboBoxes();
    AddButtons();
    AddSpinBoxes();
    AddOthers();
    const int tabOrder[] = {kLanguages, kTasks,       kLink,         kStart,    kStop,
                            kHours,     kMinutes,     kSeconds,      kJapanese, kGerman,
                            kExit,      kSimpleRadio, kAnotherRadio, kGrip};
    OrderTabStops(*this, tabOrder);
    NameForReaders(*this, {{kSettableClock, L"Timer"},
                           {kLiveClock, L"Local time"},
                           {kLanguages, L"Language"},
                           {kTasks, L"Task"},
                           {kHours, L"Hours"},
                           {kMinutes, L"Minutes"},
                           {kSeconds, L"Seconds"},
                           {kQuestionMark, L"Help"}});
    SetTimer(window, kClockTimer, 1000, nullptr);
    demoMap.Insert(WM_COMMAND, &DemoWindowII::OnCommandOrTimer);
    demoMap.Insert(WM_TIMER, &DemoWindowII::OnCommandOrTimer);
}

DemoWindowII::~DemoWindowII() {
    KillTimer(window, kClockTimer);
    KillTimer(window, kFadeTimer);
    demoMap.Clear();
}

LRESULT DemoWindowII::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (demoMap.Dispatch(*this, message, wParam, lParam, result)) return result;
    return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
}

LRESULT DemoWindowII::OnCommandOrTimer(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND) OnCommand(LOWORD(wParam));
    if (message == WM_TIMER) OnTimer(wParam);
    return 0;
}

void DemoWindowII::OnCommand(int identifier) {
    switch (identifier) {
    case kSettableClock:
        if (auto* clock = Find<voAnalogClock>(*this, kSettableClock)) {
            const int units[3] = {clock->hours, clock->minutes, clock->seconds};
            for (int unit = 0; unit < 3; ++unit)
                if (auto* spin = Find<voSpinBox>(*this, kHours + unit)) spin->SetValue(units[unit]);
        }
        break;
    case kLanguages: ChooseTask(); break;
    case kStart:
        fadeAlpha = 255;
        fadeDelay = 20;
        SetTimer(window, kFadeTimer, 100, nullptr);
        break;
    case kStop: KillTimer(window, kFadeTimer); break;
    case kJapanese:
    case kGerman:
        if (auto* languages = Find<voComboBox>(*this, kLanguages))
            languages->SetSelection(identifier == kJapanese ? 2 : 3);
        break;
    case kExit: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case kHours: SetClockHours(); break;
    case kMinutes:
    case kSeconds: MinutesOrSecondsChanged(identifier); break;
    case kSimpleRadio: UncheckRadio(kAnotherRadio); break;
    case kAnotherRadio: UncheckRadio(kSimpleRadio); break;
    default: break;
    }
}

void DemoWindowII::OnTimer(UINT_PTR timer) {
    if (timer == kFadeTimer) FadeStep();
    if (timer == kClockTimer) ShowLocalTime();
}

// 178, 124, 86 ... 1, 0, each sooner than the last; at 0 the window is opaque again.
void DemoWindowII::FadeStep() {
    KillTimer(window, kFadeTimer);
    fadeDelay = static_cast<std::uint32_t>(fadeDelay * 0.9);
    fadeAlpha = static_cast<std::uint32_t>(fadeAlpha * 0.7);
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(fadeAlpha & 0xFF), LWA_ALPHA);
    if (fadeAlpha > 0)
        SetTimer(window, kFadeTimer, fadeDelay, nullptr);
    else
        SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
}

void DemoWindowII::ShowLocalTime() {
    auto* clock = Find<voAnalogClock>(*this, kLiveClock);
    if (clock == nullptr) return;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    clock->hours = std::clamp<int>(now.wHour, 0, clock->hourLimit);
    clock->UpdateAngles();
    clock->SetMinutes(now.wMinute, false);
    clock->SetSeconds(now.wSecond, false);
    RedrawClock(clock);
}

void DemoWindowII::SetClockHours() {
    auto* spin = Find<voSpinBox>(*this, kHours);
    auto* clock = Find<voAnalogClock>(*this, kSettableClock);
    if (spin == nullptr || clock == nullptr || spin->atMaximum) return;
    clock->hours = std::clamp<int>(spin->value, 0, clock->hourLimit);
    clock->UpdateAngles();
    RedrawClock(clock);
}

// At 59 an upward step wraps to 0 and carries into the next larger unit; at
// 0 a downward step wraps to 59 and borrows from it.
void DemoWindowII::MinutesOrSecondsChanged(int identifier) {
    auto* spin = Find<voSpinBox>(*this, identifier);
    auto* clock = Find<voAnalogClock>(*this, kSettableClock);
    if (spin == nullptr || clock == nullptr) return;
    auto setUnit = [&](int value, bool redraw) {
        if (identifier == kMinutes)
            clock->SetMinutes(value, redraw);
        else
            clock->SetSeconds(value, redraw);
    };
    auto* larger = Find<voSpinBox>(*this, identifier - 1);
    if (spin->atMaximum) {
        spin->SetValue(0);
        setUnit(0, false);
        if (larger != nullptr) SendMessageW(larger->GetHandle(), WM_KEYDOWN, VK_UP, 0);
    } else if (spin->atMinimum) {
        spin->SetValue(59);
        setUnit(59, false);
        if (larger != nullptr) SendMessageW(larger->GetHandle(), WM_KEYDOWN, VK_DOWN, 0);
    } else {
        setUnit(spin->value, true);
    }
}

// Language item data 1..5 pick task index 1, 2, 5, 4 and 1.
void DemoWindowII::ChooseTask() {
    auto* languages = Find<voComboBox>(*this, kLanguages);
    auto* tasks = Find<voComboBox>(*this, kTasks);
    if (languages == nullptr || tasks == nullptr) return;
    switch (languages->GetSelectedItem().data) {
    case 1: tasks->SetSelection(1); break;
    case 2: tasks->SetSelection(2); break;
    case 3: tasks->SetSelection(5); break;
    case 4: tasks->SetSelection(4); break;
    case 5: tasks->SetSelection(1); break;
    default: break;
    }
}

void DemoWindowII::UncheckRadio(int identifier) {
    auto* radio = Find<voRadioButton>(*this, identifier);
    if (radio == nullptr) return;
    radio->visualState = vo::kToggleUnchecked;
    radio->checked = false;
    radio->Redraw(false);
}

void DemoWindowII::AddClocks() {
    Put(*this, new voAnalogClock(window, kSettableClock), 15, 5, [](voAnalogClock& clock) {
        clock.hours = std::min(3, clock.hourLimit);
        clock.UpdateAngles();
        clock.minutes = 0;
        clock.UpdateAngles();
        clock.seconds = 30;
        clock.UpdateAngles();
        clock.ShowSeconds();
        clock.hourLimit = 19;
    });
    Put(*this, new voAnalogClock(window, kLiveClock), 175, 5, [](voAnalogClock& clock) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        clock.hours = std::clamp<int>(now.wHour, 0, clock.hourLimit);
        clock.UpdateAngles();
        clock.SetMinutes(now.wMinute, false);
        clock.SetSeconds(now.wSecond, false);
        clock.UpdateAngles();
        clock.ShowSeconds();
    });
}

void DemoWindowII::AddComboBoxes() {
    Put(*this, new voComboBox(window, kLanguages, 130), 25, 190, [this](voComboBox& languages) {
        auto* list = new voComboBoxList(window, kLanguageList, this);
        list->itemHeight = 20;
        languages.SetList(list);
        languages.AddItem(L"English", L"Language_ComboBox_English", 16, 11, 1);
        languages.AddItem(L"Polski", L"Language_ComboBox_Polish", 16, 11, 2);
        languages.AddItem(L"\u65E5\u672C\u8A9E", L"Language_ComboBox_Japanese", 16, 11, 3);
        languages.AddItem(L"Deutsch", L"Language_ComboBox_German", 16, 11, 4);
        languages.AddItem(L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439",
                          L"Language_ComboBox_Russian", 16, 11, 5);
        languages.FitToItems(0);
        languages.SetSelection(0);
    });
    Put(*this, new voComboBox(window, kTasks, 130), 145, 190, [this](voComboBox& tasks) {
        auto* list = new voComboBoxList(window, kTaskList, this);
        list->itemHeight = 17;
        list->textAlignment = 1;
        tasks.SetList(list);
        const wchar_t* items[][2] = {{L"Lock", L"Task_ComboBox_Lock"},
                                     {L"Log Off", L"Task_ComboBox_Logoff"},
                                     {L"Sleep", L"Task_ComboBox_Sleep"},
                                     {L"Restart", L"Task_ComboBox_Restart"},
                                     {L"Hibernate", L"Task_ComboBox_Hibernate"},
                                     {L"Hybrid Shut Down", L"Task_ComboBox_Hybrid_Shut_Down"},
                                     {L"Shut Down", L"Task_ComboBox_Shut_Down"}};
        int data = 1;
        for (const auto& item : items) tasks.AddItem(item[0], item[1], 14, 14, data++);
        tasks.FitToItems(0);
        tasks.SetSelection(1);
    });
}

void DemoWindowII::AddButtons() {
    struct Green {
        std::uint16_t id;
        int x, y;
        const wchar_t* caption;
    };
    for (const Green& g :
         {Green{kStart, 25, 250, L"Start"}, Green{kStop, 100, 250, L"Stop"},
          Green{kJapanese, 25, 280, L"\u65E5\u672C\u8A9E"}, Green{kGerman, 100, 280, L"Deutsch"}}) {
        Put(*this, new voButton(window, g.id, 50, vo::kButtonGreen), g.x, g.y,
            [&](voButton& button) {
                button.SetSize(70, 0);
                button.SetText(g.caption);
            });
    }
    Put(*this, new voButton(window, kExit, 50, vo::kButtonNormal), 230, 280, [](voButton& exit) {
        exit.SetText(L"Exit");
        exit.FitToText(10);
    });
}

void DemoWindowII::AddSpinBoxes() {
    struct Unit {
        std::uint16_t id;
        int x;
        std::uint32_t maxLength;
        std::int32_t maximum;
    };
    for (const Unit& u :
         {Unit{kHours, 175, 3, 999}, Unit{kMinutes, 230, 2, 59}, Unit{kSeconds, 285, 2, 59}}) {
        Put(*this, new voSpinBox(window, u.id, 50), u.x, 250, [&](voSpinBox& spin) {
            spin.maxLength = u.maxLength;
            spin.minimum = 0;
            spin.maximum = u.maximum;
        });
    }
}

void DemoWindowII::AddOthers() {
    Put(*this, new voTextLink(window, kLink), 25, 225, [](voTextLink& link) {
        link.SetText(L"www.example.org");
        link.target = L"https://www.example.org/";
        link.FitToText();
    });
    Put(*this, new voStaticText(window, kCapitals, 50), 165, 220, [](voStaticText& capitals) {
        capitals.SetText(L"\u0104\u0179\u0143\u0141\u00D3\u0106\u017B\u0118");
        capitals.SetColor(0x575757);
        capitals.SetFont(L"Georgia", 22, 700);
        capitals.FitToText();
    });
    Put(*this, new voGripButton(window, kGrip), 180, height - 7, [](voGripButton&) {});
    Put(*this, new voStaticBitmap(window, kQuestionMark), 295, 215,
        [](voStaticBitmap& bitmap) { bitmap.SetImage(L"Round_Question_Mark"); });
    Put(*this, new voScheduleViewer(window, kSchedule), 30, 157, [](voScheduleViewer& schedule) {
        for (const auto& hours : {std::pair<int, int>{1, 4}, {5, 7}, {9, 11}}) {
            vo::ScheduleEntry entry;
            entry.startHour = hours.first;
            entry.endHour = hours.second;
            schedule.AddEntry(entry);
        }
    });
    Put(*this, new voRadioButton(window, kSimpleRadio, 0), 30, 310, [](voRadioButton& radio) {
        radio.SetText(L"Simple radioButton control");
        radio.FitToText();
    });
    Put(*this, new voRadioButton(window, kAnotherRadio, 0), 200, 310, [](voRadioButton& radio) {
        radio.SetText(L"Another radioButton");
        radio.FitToText();
        radio.SetChecked(true);
    });
}
