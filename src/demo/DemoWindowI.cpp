#include "demo/DemoWindowI.h"

#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voRadioButton.h"

namespace {
enum ControlId : std::uint16_t {
    kNormalButton = 1,
    kRoundButton,
    kGreenButton,
    kRedButton,
    kToggleButton,
    kDisabledButton,
    kExitButton,
    kFirstIconButton = 20,   // eight enabled, then eight disabled round icon buttons
    kFirstCheckBox = 40,
    kFirstRadioButton = 50,
};

template <class Control>
Control* Put(voAbstractGradientWindow& window, Control* control, int x, int y) {
    window.AddControl(control->controlId, control);
    control->SetPosition(x, y, true);
    control->Show(true);
    return control;
}
}  // namespace

DemoWindowI::DemoWindowI() {
    SetSize(370, 340);
    demoMap.Insert(WM_COMMAND, &DemoWindowI::OnCommand);
    AddButtons();
    AddToggles();
}

LRESULT DemoWindowI::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (demoMap.Dispatch(*this, message, wParam, lParam, result)) return result;
    return voAbstractGradientWindow::WindowProc(message, wParam, lParam);
}

LRESULT DemoWindowI::OnCommand(UINT, WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == kExitButton) SendMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}

void DemoWindowI::AddButtons() {
    struct Captioned {
        std::uint16_t id;
        int style;
        const wchar_t* caption;
        int x, y;
    };
    const Captioned captioned[] = {
        {kNormalButton, vo::kButtonNormal, L"Normal", 20, 20},
        {kRoundButton, vo::kButtonRound, L"Round", 130, 21},
        {kGreenButton, vo::kButtonGreen, L"Green", 240, 19},
        {kRedButton, vo::kButtonRed, L"Red", 20, 55},
        {kToggleButton, vo::kButtonNormal, L"Toggle", 130, 56},
        {kDisabledButton, vo::kButtonNormal, L"Disabled", 240, 56},
    };
    for (const Captioned& c : captioned) {
        auto* button = new voButton(window, c.id, 100, c.style);
        button->SetText(c.caption);
        if (c.id == kToggleButton) button->toggleMode = true;
        if (c.id == kDisabledButton) button->Disable();
        Put(*this, button, c.x, c.y);
    }
    for (int icon = 0; icon < 8; ++icon) {
        auto* enabled = new voButton(window, kFirstIconButton + icon, 22, vo::kButtonRoundIcon);
        enabled->SetIcon(icon);
        Put(*this, enabled, 20 + icon * 28, 95);
        auto* disabled = new voButton(window, kFirstIconButton + 8 + icon, 22, vo::kButtonRoundIcon);
        disabled->SetIcon(icon);
        disabled->Disable();
        Put(*this, disabled, 20 + icon * 28, 123);
    }
    auto* exit = new voButton(window, kExitButton, 100, vo::kButtonGreen);
    exit->SetText(L"Exit program!");
    exit->FitToText(10);
    Put(*this, exit, 20, 300);
}

void DemoWindowI::AddToggles() {
    const wchar_t* captions[] = {L"Check box", L"Checked", L"Disabled"};
    for (int row = 0; row < 3; ++row) {
        auto* box = new voCheckBox(window, kFirstCheckBox + row, 16);
        box->SetText(captions[row]);
        box->FitToText();
        if (row >= 1) box->SetChecked(true);
        if (row == 2) box->SetEnabled(false);
        Put(*this, box, 20, 165 + row * 22);
        auto* radio = new voRadioButton(window, kFirstRadioButton + row, 16);
        radio->SetText(row == 0 ? L"Radio button" : captions[row]);
        radio->FitToText();
        if (row >= 1) radio->SetChecked(true);
        if (row == 2) radio->SetEnabled(false);
        Put(*this, radio, 190, 165 + row * 22);
    }
}
