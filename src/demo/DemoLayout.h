#pragma once
// What the three demonstration windows share in building themselves.
#include <windows.h>

#include "control/voAbstractControl.h"
#include "window/voAbstractGradientWindow.h"

// 370 x 340, with a taskbar button of its own (the tool-window style cleared).
inline void SizeDemoWindow(voAbstractGradientWindow& demo) {
    demo.width = 370;
    demo.height = 340;
    SetWindowPos(demo.window, nullptr, 0, 0, demo.width, demo.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongW(demo.window, GWL_EXSTYLE, GetWindowLongW(demo.window, GWL_EXSTYLE) & ~WS_EX_TOOLWINDOW);
}

// The control filed under `id`, as its class; null when none is.
template <class Control>
Control* Find(const voAbstractGradientWindow& demo, int id) {
    return static_cast<Control*>(demo.GetControl(id));
}

// Files a control, places it, lets `configure` set it up and shows it.
template <class Control, class Configure>
void Put(voAbstractGradientWindow& demo, Control* control, int x, int y, Configure configure) {
    demo.AddControl(control->controlId, control);
    control->SetPosition(x, y, true);
    configure(*control);
    control->Show(true);
}
