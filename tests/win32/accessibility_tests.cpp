// What a screen reader learns, asked through oleacc as a reader asks: one
// table of every control kind for name, role, state and value, the default
// actions against the clicks they stand for, and the change events.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/buttons/voGripButton.h"
#include "widgets/buttons/voRadioButton.h"
#include "widgets/buttons/voTextLink.h"
#include "widgets/lists/voComboBox.h"
#include "widgets/lists/voComboBoxList.h"
#include "widgets/range/voHScrollBar.h"
#include "widgets/range/voSpinBox.h"
#include "widgets/range/voVSlider.h"
#include "widgets/text/voColorLabel.h"
#include "widgets/text/voStaticBitmap.h"
#include "widgets/text/voStaticText.h"
#include "widgets/text/voTextBox.h"
#include "widgets/text/voTextEdit.h"
#include "widgets/time/voAnalogClock.h"
#include "widgets/time/voCallendar.h"
#include "widgets/time/voScheduleViewer.h"

namespace {

VARIANT Item(long item) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = item;
    return child;
}

// The reader's view of one window, as AccessibleObjectFromWindow gives it.
class Reader {
public:
    explicit Reader(HWND window) {
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    }
    ~Reader() {
        if (object != nullptr) object->Release();
    }
    bool Reached() const { return object != nullptr; }
    std::wstring Name(long item = 0) const { return Text(&IAccessible::get_accName, item); }
    std::wstring Action(long item = 0) const {
        return Text(&IAccessible::get_accDefaultAction, item);
    }
    HRESULT Value(std::wstring& value, long item = 0) const {
        BSTR text = nullptr;
        const HRESULT result = object->get_accValue(Item(item), &text);
        value = text != nullptr ? text : L"";
        SysFreeString(text);
        return result;
    }
    long Role(long item = 0) const { return Number(&IAccessible::get_accRole, item); }
    long State(long item = 0) const { return Number(&IAccessible::get_accState, item); }
    long Children() const {
        long count = -1;
        object->get_accChildCount(&count);
        return count;
    }
    HRESULT DoDefault(long item = 0) const { return object->accDoDefaultAction(Item(item)); }

    IAccessible* object = nullptr;

private:
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                      long item) const {
        BSTR text = nullptr;
        (object->*get)(Item(item), &text);
        std::wstring result = text != nullptr ? text : L"";
        SysFreeString(text);
        return result;
    }
    long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long item) const {
        VARIANT answer;
        VariantInit(&answer);
        if ((object->*get)(Item(item), &answer) != S_OK || answer.vt != VT_I4) return -1;
        return answer.lVal;
    }
};

class Readers : public ::testing::Test {
protected:
    void SetUp() override {
        spin = parent.Place(new voSpinBox(parent.window, 20, 60), 10, 160);
        spin->maximum = 99;
        spin->SetValue(42);
        combo = parent.Place(new voComboBox(parent.window, 30, 120), 200, 10);
        list = new voComboBoxList(parent.window, 31, &parent);
        list->itemHeight = 20;
        combo->SetList(list);
        for (const wchar_t* name : {L"English", L"Polski", L"Deutsch"})
            combo->AddItem(name, L"", 0, 0, 0);
        combo->SetSelection(1);
    }

    template <class Control>
    Control* Put(Control* control, int x, int y) {
        return parent.Place(control, x, y);
    }

    // The WM_COMMANDs the parent heard since the last call.
    std::vector<std::pair<WPARAM, LPARAM>> Commands() {
        std::vector<std::pair<WPARAM, LPARAM>> commands;
        for (const RecordedMessage& message : parent.Received(WM_COMMAND))
            commands.emplace_back(message.wParam, message.lParam);
        parent.Clear();
        return commands;
    }

    std::unique_ptr<TestParent> owner = std::make_unique<TestParent>();
    TestParent& parent = *owner;
    voSpinBox* spin = nullptr;
    voComboBox* combo = nullptr;
    voComboBoxList* list = nullptr;
};

struct Expected {
    const wchar_t* what;
    HWND window;
    std::wstring name;
    long role;
    long statesSet;
    long statesClear;
    const wchar_t* value;  // null: the control has none
};

TEST_F(Readers, EveryKindTellsItsNameRoleStateAndValue) {
    auto* button = Put(new voButton(parent.window, 1, 90, vo::kButtonNormal), 10, 10);
    button->SetText(L"Start");
    auto* icon = Put(new voButton(parent.window, 2, 0, vo::kButtonRoundIcon), 110, 10);
    icon->accessibleName = L"Open the calendar";
    auto* refresh = Put(new voButton(parent.window, 16, 0, vo::kButtonRoundIcon), 140, 10);
    refresh->SetIcon(6);
    auto* check = Put(new voCheckBox(parent.window, 3, 120), 10, 40);
    check->SetText(L"Remember me");
    check->SetChecked(true);
    auto* radio = Put(new voRadioButton(parent.window, 4, 120), 10, 60);
    radio->SetText(L"Small");
    auto* link = Put(new voTextLink(parent.window, 5), 10, 80);
    link->SetText(L"Home page");
    link->target = L"https://example.org/";
    auto* grip = Put(new voGripButton(parent.window, 6), 10, 100);
    auto* label = Put(new voStaticText(parent.window, 7, 100), 10, 110);
    label->SetText(L"Volume");
    auto* pill = Put(new voColorLabel(parent.window, 8, 0), 120, 110);
    pill->text = L"Online";
    auto* picture = Put(new voStaticBitmap(parent.window, 9), 10, 130);
    auto* bar = Put(new voHScrollBar(parent.window, 150, 10), 200, 60);
    bar->SetRange(100, 10, 30);
    auto* slider = Put(new voVSlider(parent.window, 11), 330, 40);
    slider->labelStart = 10;
    slider->labelStep = 5;
    slider->labelSuffix = L'%';
    slider->selectedIndex = 2;
    auto* edit = Put(new voTextEdit(parent.window, 12, 100, 0), 10, 200);
    edit->maxLength = 20;
    edit->SetText(L"hello");
    auto* box = Put(new voTextBox(parent.window, 13), 10, 230);
    box->SetText(L"two words");
    auto* clock = Put(new voAnalogClock(parent.window, 14), 200, 180);
    clock->SetHours(9);
    clock->SetMinutes(5, false);
    auto* schedule = Put(new voScheduleViewer(parent.window, 15), 10, 300);
    PumpMessages();

    const long focusable = STATE_SYSTEM_FOCUSABLE;
    const long hidden = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE;
    const Expected table[] = {
        {L"push button", button->ownWindow, L"Start", ROLE_SYSTEM_PUSHBUTTON, focusable,
         hidden | STATE_SYSTEM_PRESSED, nullptr},
        {L"icon button", icon->ownWindow, L"Open the calendar", ROLE_SYSTEM_PUSHBUTTON, 0, hidden,
         nullptr},
        {L"icon button, unnamed", refresh->ownWindow, L"Refresh", ROLE_SYSTEM_PUSHBUTTON, 0, hidden,
         nullptr},
        {L"check box", check->ownWindow, L"Remember me", ROLE_SYSTEM_CHECKBUTTON,
         focusable | STATE_SYSTEM_CHECKED, hidden, nullptr},
        {L"radio button", radio->ownWindow, L"Small", ROLE_SYSTEM_RADIOBUTTON, focusable,
         hidden | STATE_SYSTEM_CHECKED, nullptr},
        {L"text link", link->ownWindow, L"Home page", ROLE_SYSTEM_LINK,
         STATE_SYSTEM_LINKED | focusable, hidden, L"https://example.org/"},
        {L"grip", grip->ownWindow, L"Grip", ROLE_SYSTEM_GRIP, focusable, hidden, nullptr},
        {L"static text", label->ownWindow, L"Volume", ROLE_SYSTEM_STATICTEXT, STATE_SYSTEM_READONLY,
         focusable, nullptr},
        {L"colour label", pill->ownWindow, L"Online", ROLE_SYSTEM_STATICTEXT, STATE_SYSTEM_READONLY,
         focusable, nullptr},
        {L"static bitmap", picture->ownWindow, L"Picture", ROLE_SYSTEM_GRAPHIC,
         STATE_SYSTEM_READONLY, focusable, nullptr},
        {L"scroll bar", bar->ownWindow, L"Horizontal scroll bar", ROLE_SYSTEM_SCROLLBAR, focusable,
         hidden, L"30"},
        {L"slider", slider->ownWindow, L"Vertical slider", ROLE_SYSTEM_SLIDER, focusable, hidden,
         L"20%"},
        {L"spin box", spin->ownWindow, L"Spin box", ROLE_SYSTEM_SPINBUTTON, focusable,
         hidden | STATE_SYSTEM_READONLY, L"42"},
        {L"text edit", edit->ownWindow, L"Text", ROLE_SYSTEM_TEXT, focusable,
         hidden | STATE_SYSTEM_PROTECTED, L"hello"},
        {L"text box", box->ownWindow, L"Text box", ROLE_SYSTEM_TEXT, 0, hidden, L"two words"},
        {L"combo box", combo->ownWindow, L"Combo box", ROLE_SYSTEM_COMBOBOX,
         focusable | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_HASPOPUP, hidden, L"Polski"},
        {L"clock", clock->ownWindow, L"Clock", ROLE_SYSTEM_CLOCK, 0, hidden, L"9:05"},
        {L"schedule", schedule->ownWindow, L"Schedule", ROLE_SYSTEM_LIST, STATE_SYSTEM_READONLY,
         hidden, nullptr},
    };
    for (const Expected& row : table) {
        SCOPED_TRACE(row.what);
        const Reader reader(row.window);
        ASSERT_TRUE(reader.Reached());
        EXPECT_EQ(reader.Name(), row.name);
        EXPECT_EQ(reader.Role(), row.role);
        EXPECT_EQ(reader.State() & row.statesSet, row.statesSet);
        EXPECT_EQ(reader.State() & row.statesClear, 0);
        std::wstring value;
        const HRESULT told = reader.Value(value);
        if (row.value != nullptr) {
            EXPECT_EQ(told, S_OK);
            EXPECT_EQ(value, row.value);
        } else {
            EXPECT_NE(told, S_OK);
        }
    }
}

TEST_F(Readers, ItemsOfListsSpinBoxesDoubleButtonsAndSchedules) {
    auto* halves = Put(new voDoubleButton(parent.window, 40, 50), 10, 10);
    halves->firstCaption = L"Day";
    halves->secondCaption = L"Night";
    auto* schedule = Put(new voScheduleViewer(parent.window, 41), 10, 300);
    ScheduleEntry morning;
    morning.startDate[0] = 2026, morning.startDate[1] = 12, morning.startDate[2] = 8;
    morning.endDate[0] = 2026, morning.endDate[1] = 12, morning.endDate[2] = 8;
    morning.startHour = 9, morning.startMinute = 0, morning.startSecond = 0;
    morning.endHour = 11, morning.endMinute = 30, morning.endSecond = 0;
    ASSERT_TRUE(schedule->AddEntry(morning));
    PumpMessages();

    const Reader pair(halves->ownWindow);
    EXPECT_EQ(pair.Role(), ROLE_SYSTEM_GROUPING);
    ASSERT_EQ(pair.Children(), 2);
    EXPECT_EQ(pair.Name(1), L"Day");
    EXPECT_EQ(pair.Role(2), ROLE_SYSTEM_RADIOBUTTON);
    EXPECT_TRUE(pair.State(1) & STATE_SYSTEM_CHECKED);
    EXPECT_FALSE(pair.State(2) & STATE_SYSTEM_CHECKED);

    const Reader rows(list->ownWindow);
    EXPECT_EQ(rows.Role(), ROLE_SYSTEM_LIST);
    ASSERT_EQ(rows.Children(), 3);
    EXPECT_EQ(rows.Name(3), L"Deutsch");
    EXPECT_EQ(rows.Role(3), ROLE_SYSTEM_LISTITEM);
    EXPECT_TRUE(rows.State(2) & STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(rows.State(3) & STATE_SYSTEM_SELECTED);

    const Reader field(spin->ownWindow);
    ASSERT_EQ(field.Children(), 1);
    EXPECT_EQ(field.Role(1), ROLE_SYSTEM_TEXT);
    std::wstring text;
    EXPECT_EQ(field.Value(text, 1), S_OK);
    EXPECT_EQ(text, L"42");

    const Reader entries(schedule->ownWindow);
    ASSERT_EQ(entries.Children(), 1);
    EXPECT_EQ(entries.Name(1), L"9:00 to 11:30");
    EXPECT_EQ(entries.Children(), 1);
    EXPECT_EQ(entries.Name(2), L"");  // past the last item: nothing, no crash
}

TEST_F(Readers, DefaultActionsSendWhatAClickSends) {
    auto* button = Put(new voButton(parent.window, 1, 90, vo::kButtonNormal), 10, 10);
    button->SetText(L"Start");
    auto* check = Put(new voCheckBox(parent.window, 3, 120), 10, 40);
    check->SetText(L"Remember me");
    auto* grip = Put(new voGripButton(parent.window, 6), 10, 100);
    auto* halves = Put(new voDoubleButton(parent.window, 40, 50), 10, 130);
    PumpMessages();

    // Each row: the click a person gives, then the same through the reader.
    struct Row {
        const wchar_t* what;
        voAbstractControl* control;
        POINT point;
        long item;
        void (*reset)(voAbstractControl*);
    };
    const Row rows[] = {
        {L"push button", button, {20, 10}, 0, [](voAbstractControl*) {}},
        {L"check box", check, {5, 5}, 0, [](voAbstractControl* c) { c->SetChecked(false); }},
        {L"grip", grip, {10, 3}, 0, [](voAbstractControl*) {}},
        {L"double button",
         halves,
         {80, 10},
         2,
         [](voAbstractControl* c) { static_cast<voDoubleButton*>(c)->SetChecked(true); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.reset(row.control);
        parent.Clear();
        POINT screen = row.point;
        ClientToScreen(row.control->ownWindow, &screen);
        SetCursorPos(screen.x, screen.y);
        const LPARAM at = MAKELPARAM(row.point.x, row.point.y);
        SendMessageW(row.control->ownWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(row.control->ownWindow, WM_LBUTTONUP, 0, at);
        PumpMessages();
        const auto clicked = Commands();
        ASSERT_FALSE(clicked.empty());

        row.reset(row.control);
        parent.Clear();
        const Reader reader(row.control->ownWindow);
        EXPECT_FALSE(reader.Action(row.item).empty());
        EXPECT_EQ(reader.DoDefault(row.item), S_OK);
        PumpMessages();
        EXPECT_EQ(Commands(), clicked);
    }

    // Choosing a row of the list: as a click on it, the combo box's choice.
    const Reader rows3(list->ownWindow);
    EXPECT_EQ(rows3.DoDefault(3), S_OK);
    PumpMessages();
    const std::vector<std::pair<WPARAM, LPARAM>> chosen{
        {MAKEWPARAM(30, 0), reinterpret_cast<LPARAM>(combo->ownWindow)}};
    EXPECT_EQ(Commands(), chosen);
    EXPECT_EQ(combo->GetSelectedItem().text, L"Deutsch");

    // The combo box opens and closes its list.
    const Reader field(combo->ownWindow);
    EXPECT_EQ(field.Action(), L"Open");
    field.DoDefault();
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(list->ownWindow));
    EXPECT_TRUE(field.State() & STATE_SYSTEM_EXPANDED);
    EXPECT_EQ(field.Action(), L"Close");
    field.DoDefault();
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(list->ownWindow));
}

TEST_F(Readers, DisabledControlsAreUnavailableAndDoNothing) {
    auto* button = Put(new voButton(parent.window, 1, 90, vo::kButtonNormal), 10, 10);
    button->Disable();
    auto* check = Put(new voCheckBox(parent.window, 3, 120), 10, 40);
    check->SetEnabled(false);
    auto* grip = Put(new voGripButton(parent.window, 6), 10, 100);
    EnableWindow(grip->ownWindow, FALSE);
    PumpMessages();
    parent.Clear();
    for (voAbstractControl* control :
         {static_cast<voAbstractControl*>(button), static_cast<voAbstractControl*>(check)}) {
        const Reader reader(control->ownWindow);
        EXPECT_TRUE(reader.State() & STATE_SYSTEM_UNAVAILABLE);
        EXPECT_EQ(reader.Action(), L"");
        EXPECT_NE(reader.DoDefault(), S_OK);
    }
    EXPECT_TRUE(Reader(grip->ownWindow).State() & STATE_SYSTEM_UNAVAILABLE);
    PumpMessages();
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(check->checked);
}

TEST_F(Readers, APasswordIsNeverTold) {
    auto* edit = Put(new voTextEdit(parent.window, 12, 100, 0), 10, 200);
    edit->maxLength = 20;
    edit->passwordMode = 1;
    edit->SetText(L"s3cret");
    PumpMessages();
    const Reader reader(edit->ownWindow);
    std::wstring value;
    EXPECT_EQ(reader.Value(value), E_ACCESSDENIED);
    EXPECT_EQ(value, L"");
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_PROTECTED);
    EXPECT_EQ(reader.Name().find(L"s3cret"), std::wstring::npos);
}

// Events a reader hooks to follow along, recorded as they arrive.
struct HeardEvent {
    DWORD event;
    HWND window;
    LONG item;
};
std::vector<HeardEvent> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG item, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heard.push_back({event, window, item});
}

bool Heard(DWORD event, HWND window, LONG item = CHILDID_SELF) {
    for (const HeardEvent& one : heard)
        if (one.event == event && one.window == window && one.item == item) return true;
    return false;
}

TEST_F(Readers, ChangesAreAnnounced) {
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto* check = Put(new voCheckBox(parent.window, 3, 120), 10, 40);
    auto* clock = Put(new voAnalogClock(parent.window, 14), 200, 180);
    // A reader follows what it has read.
    for (HWND read : {check->ownWindow, clock->ownWindow, list->ownWindow}) Reader(read).Name();
    PumpMessages();
    heard.clear();

    SetFocus(check->ownWindow);
    Reader(check->ownWindow).DoDefault();
    clock->SetHours(7);
    clock->Redraw(false);
    Reader(list->ownWindow).DoDefault(3);
    PumpMessages(100);
    EXPECT_TRUE(Heard(EVENT_OBJECT_FOCUS, check->ownWindow));
    EXPECT_TRUE(Heard(EVENT_OBJECT_STATECHANGE, check->ownWindow));
    EXPECT_TRUE(Heard(EVENT_OBJECT_VALUECHANGE, clock->ownWindow));
    EXPECT_TRUE(Heard(EVENT_OBJECT_SELECTION, list->ownWindow, 3));
    EXPECT_FALSE(Heard(EVENT_OBJECT_VALUECHANGE, check->ownWindow));
    UnhookWinEvent(hook);
}

TEST_F(Readers, AnObjectOutlivingItsControlFailsSafely) {
    auto* check = new voCheckBox(parent.window, 3, 120);
    parent.Place(check, 10, 40);
    Reader reader(check->ownWindow);
    ASSERT_TRUE(reader.Reached());
    parent.DeleteControl(3);
    EXPECT_EQ(reader.Name(), L"");
    EXPECT_EQ(reader.State(), -1);
    EXPECT_EQ(reader.DoDefault(), RPC_E_DISCONNECTED);
}

TEST(CalendarReader, TellsTheSelectedDate) {
    TestParent parent;
    voCallendar calendar(parent.window, 50);
    calendar.SetMonthName(11, L"December");
    calendar.Show(true);
    calendar.selectedDay = 8;
    calendar.selectedMonth = 12;
    calendar.selectedYear = 2026;
    const Reader reader(calendar.window);
    ASSERT_TRUE(reader.Reached());
    EXPECT_EQ(reader.Name(), L"Calendar");
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_TABLE);
    std::wstring value;
    EXPECT_EQ(reader.Value(value), S_OK);
    EXPECT_EQ(value, L"8 December 2026");
}

}  // namespace
