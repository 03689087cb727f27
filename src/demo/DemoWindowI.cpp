#include "demo/DemoWindowI.h"

#include "demo/DemoLayout.h"

#include <initializer_list>

#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voDoubleButton.h"
#include "widgets/range/voHScrollBar.h"
#include "widgets/range/voHSlider.h"
#include "widgets/range/voSpinBox.h"
#include "widgets/range/voVScrollBar.h"
#include "widgets/range/voVSlider.h"
#include "widgets/text/voColorLabel.h"
#include "widgets/text/voTextEdit.h"

namespace {
enum ControlId : std::uint16_t {
    kExitButton = 1,
    kVerticalScrollBar = 31,
    kHorizontalSlider = 32,
    kVerticalSlider = 33,
    kHorizontalScrollBar = 34,
};
constexpr int kScrollBarStrip = 30;  // the strips the scroll bars stand in are never scrolled

void Place(voAbstractControl* control, int x, int y) {
    if (control == nullptr) return;
    control->SetPosition(x, y, true);
}
}  // namespace

DemoWindowI::DemoWindowI() {
    SizeDemoWindow(*this);
    AddButtons();
    AddColourLabels();
    AddDoubleButtons();
    AddTextEdits();
    AddSpinBoxes();
    AddCheckBoxes();
    AddRangeControls();
    // The rows of the content, then the sliders and the scroll bars.
    const int tabOrder[] = {kExitButton, 23, 22, 24, 19, 21, 20, 25, 26, 27, 11, 12, 13, 14, 15, 16,
                            30, kHorizontalSlider, kVerticalSlider, kVerticalScrollBar,
                            kHorizontalScrollBar};
    OrderTabStops(*this, tabOrder);
    demoMap.Insert(WM_SETFOCUS, &DemoWindowI::OnSetFocus);
    demoMap.Insert(WM_COMMAND, &DemoWindowI::OnCommand);
}

DemoWindowI::~DemoWindowI() { demoMap.Clear(); }

LRESULT DemoWindowI::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (demoMap.Dispatch(*this, message, wParam, lParam, result)) return result;
    return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
}

LRESULT DemoWindowI::OnSetFocus(UINT, WPARAM, LPARAM) {
    if (voAbstractControl* bar = GetControl(kVerticalScrollBar)) SetFocus(bar->GetHandle());
    return 0;
}

LRESULT DemoWindowI::OnCommand(UINT, WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case kExitButton: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case kVerticalScrollBar: ScrollVertically(HIWORD(wParam)); break;
    case kHorizontalScrollBar: ScrollHorizontally(HIWORD(wParam)); break;
    default: break;
    }
    return 0;
}

void DemoWindowI::ScrollVertically(int offset) {
    const int old = verticalScroll;
    RECT client{};
    GetClientRect(window, &client);
    RECT scrolled = client;
    scrolled.top -= old;
    scrolled.right -= kScrollBarStrip;
    scrolled.bottom = 306 - old;
    RECT clip = client;
    clip.right -= kScrollBarStrip;
    clip.top += 1;
    clip.bottom -= 1;
    verticalScroll = offset;
    RECT update{};
    ScrollWindowEx(window, 0, old - offset, &scrolled, &clip, nullptr, &update, SW_SCROLLCHILDREN);
    // The exposed area, then the top and bottom border rows along it.
    Repaint({update, {update.left, 0, update.right, 1},
             {update.left, height - 1, update.right, height}});
    UpdateWindow(window);
}

void DemoWindowI::ScrollHorizontally(int offset) {
    const int old = horizontalScroll;
    RECT client{};
    GetClientRect(window, &client);
    RECT scrolled = client;
    scrolled.left -= old;
    scrolled.right -= kScrollBarStrip + old;
    scrolled.bottom = height - 40;
    RECT clip = client;
    clip.left += 1;
    clip.right -= kScrollBarStrip + 1;
    clip.bottom -= kScrollBarStrip;
    horizontalScroll = offset;
    RECT update{};
    ScrollWindowEx(window, old - offset, 0, &scrolled, &clip, nullptr, &update, SW_SCROLLCHILDREN);
    // The exposed area, then the left and right border columns along it.
    Repaint({update, {0, update.top, 1, update.bottom}, {width - 1, update.top, width, update.bottom}});
    UpdateWindow(window);
}

void DemoWindowI::Repaint(std::initializer_list<RECT> areas) {
    for (const RECT& area : areas) InvalidateRect(window, &area, FALSE);
}

void DemoWindowI::AddButtons() {
    struct Made {
        std::uint16_t id;
        int style;
        int width;
    };
    const Made made[] = {{1, vo::kButtonNormal, 120}, {2, vo::kButtonNormal, 160},
                         {3, vo::kButtonGreen, 1},   {4, vo::kButtonRound, 1}};
    for (const Made& m : made) AddControl(m.id, new voButton(window, m.id, m.width, m.style));
    for (std::uint16_t id = 5; id <= 16; ++id)
        AddControl(id, new voButton(window, id, 0, vo::kButtonRoundIcon));

    if (auto* exit = Find<voButton>(*this, 1)) {
        Place(exit, 25, 25);
        exit->SetText(L"Exit program!");
        exit->SetFont(L"Tahoma", 15, 400);
        exit->FitToText(0);
        exit->Show(true);
    }
    if (auto* options = Find<voButton>(*this, 2)) {
        Place(options, 15, 60);
        options->SetText(L"Transparency settings options");
        options->FitToText(0);
        options->Disable();
        options->Show(true);
    }
    if (auto* green = Find<voButton>(*this, 3)) {
        Place(green, 10, 130);
        green->SetText(L"This is a green button");
        green->SetTextColor(0x00FFFFFF);
        green->FitToText(0);
        green->Disable();
        green->Show(true);
    }
    if (auto* option = Find<voButton>(*this, 4)) {
        Place(option, 120, 26);
        option->SetText(L"Option 3");
        option->FitToText(0);
        option->toggleMode = true;
        option->Disable();
        option->Show(true);
    }
    // Icons 0 to 5, disabled (5 to 10) and enabled (11 to 16).
    const POINT places[] = {{200, 160}, {225, 160}, {250, 160}, {273, 160}, {273, 110}, {273, 135},
                            {200, 220}, {225, 220}, {250, 220}, {273, 220}, {250, 245}, {273, 245}};
    for (std::uint16_t id = 5; id <= 16; ++id) {
        auto* icon = Find<voButton>(*this, id);
        if (icon == nullptr) continue;
        Place(icon, places[id - 5].x, places[id - 5].y);
        icon->SetIcon((id - 5) % 6);
        if (id == 5) icon->toggleMode = true;
        if (id <= 10) icon->Disable();
        icon->Show(true);
    }
}

void DemoWindowI::AddColourLabels() {
    AddControl(17, new voColorLabel(window, 17, 0));
    AddControl(18, new voColorLabel(window, 18, 1));
    struct Setting {
        int id, x, y, extra;
        const wchar_t* caption;
    };
    for (const Setting& s : {Setting{17, 15, 90, 10, L"Online"}, Setting{18, 150, 90, 20, L"Offline"}}) {
        auto* label = Find<voColorLabel>(*this, s.id);
        if (label == nullptr) continue;
        Place(label, s.x, s.y);
        label->text = s.caption;
        label->FitToText(s.extra);
        label->Show(true);
    }
}

void DemoWindowI::AddDoubleButtons() {
    AddControl(19, new voDoubleButton(window, 19, 50));
    AddControl(20, new voDoubleButton(window, 20, 90));
    AddControl(21, new voDoubleButton(window, 21, 70));
    struct Setting {
        int id, x, y;
        const wchar_t* first;
        const wchar_t* second;
        int extra;
        bool equalHalves;
    };
    for (const Setting& s : {Setting{19, 15, 160, L"Title", L"Ready", 10, false},
                             Setting{20, 15, 185, L"Na", L"pisano", 0, true},
                             Setting{21, 150, 160, L"AM", L"PM", 0, false}}) {
        auto* button = Find<voDoubleButton>(*this, s.id);
        if (button == nullptr) continue;
        Place(button, s.x, s.y);
        button->firstCaption = s.first;
        button->secondCaption = s.second;
        button->FitToText(s.extra, s.equalHalves);
        if (s.id == 21) {
            button->selectedHalf = vo::kSecondHalf;
            button->checked = false;
        }
        button->Show(true);
    }
}

void DemoWindowI::AddTextEdits() {
    AddControl(22, new voTextEdit(window, 22, 50, 0));
    AddControl(23, new voTextEdit(window, 23, 90, 0));
    AddControl(24, new voTextEdit(window, 24, 70, 0));
    if (auto* edit = Find<voTextEdit>(*this, 22)) {
        Place(edit, 200, 60);
        edit->upperCase = true;
        edit->FitToLength(5, 5);
        edit->alignment = 1;
        edit->Show(true);
    }
    if (auto* edit = Find<voTextEdit>(*this, 23)) {
        Place(edit, 200, 25);
        edit->FitToLength(0, 8);
        edit->alignment = 1;
        edit->Show(true);
    }
    if (auto* edit = Find<voTextEdit>(*this, 24)) {
        Place(edit, 150, 130);
        // Set while the maximum length is still 0, so it is taken whole.
        edit->SetText(L"1234567890");
        edit->alignment = 1;
        edit->FitToLength(0, 15);
        edit->Show(true);
    }
}

void DemoWindowI::AddSpinBoxes() {
    AddControl(25, new voSpinBox(window, 25, 60));
    AddControl(26, new voSpinBox(window, 26, 90));
    AddControl(27, new voSpinBox(window, 27, 70));
    for (int id = 25; id <= 27; ++id) {
        auto* spin = Find<voSpinBox>(*this, id);
        if (spin == nullptr) continue;
        Place(spin, 100 + 60 * (id - 25), 185);
        spin->minimum = 0;
        spin->maximum = 999;
        spin->SetValue(999);
        spin->alignment = id - 25;  // left, centred, right
        spin->FitToDigits(3);
        spin->Show(true);
    }
}

void DemoWindowI::AddCheckBoxes() {
    for (std::uint16_t id = 28; id <= 30; ++id) AddControl(id, new voCheckBox(window, id, 0));
    if (auto* box = Find<voCheckBox>(*this, 28)) {
        Place(box, 20, 220);
        box->SetText(L"Force");
        box->SetChecked(true);
        box->SetEnabled(false);
        box->FitToText();
        box->Show(true);
    }
    if (auto* box = Find<voCheckBox>(*this, 29)) {
        Place(box, 20, 235);
        box->SetText(L"Show round countdown");
        box->SetSize(100, 0);
        box->SetEnabled(false);
        box->FitToText();
        box->Show(true);
    }
    if (auto* box = Find<voCheckBox>(*this, 30)) {
        Place(box, 20, 250);
        box->SetText(L"Lock task with password");
        box->SetSize(100, 0);
        box->FitToText();
        box->Show(true);
    }
}

void DemoWindowI::AddRangeControls() {
    auto* vertical = new voVScrollBar(window, 260, kVerticalScrollBar);
    AddControl(kVerticalScrollBar, vertical);
    Place(vertical, 340, 20);
    vertical->total = 600;
    vertical->page = 100;
    vertical->position = 0;
    vertical->UpdateGripSize();
    vertical->UpdateGripPosition();
    vertical->lineStep = 25;
    vertical->Show(true);

    auto* across = new voHSlider(window, kHorizontalSlider);
    AddControl(kHorizontalSlider, across);
    Place(across, 30, 270);
    across->labelStart = 0;
    across->labelStep = 10;
    across->SetSize(10, 0);
    across->labelPrefix = L'-';
    across->labelSuffix = L'%';
    across->Show(true);

    auto* down = new voVSlider(window, kVerticalSlider);
    AddControl(kVerticalSlider, down);
    Place(down, 297, 20);
    down->labelStart = 0;
    down->labelStep = 10;
    down->SetSize(0, 10);
    down->labelSuffix = L'%';
    down->Show(true);

    auto* horizontal = new voHScrollBar(window, 260, kHorizontalScrollBar);
    AddControl(kHorizontalScrollBar, horizontal);
    Place(horizontal, 20, 310);
    horizontal->SetSize(280, 0);
    horizontal->total = 600;
    horizontal->page = 110;
    horizontal->position = 0;
    horizontal->UpdateGripSize();
    horizontal->UpdateGripPosition();
    horizontal->lineStep = 25;
    horizontal->Show(true);
}
