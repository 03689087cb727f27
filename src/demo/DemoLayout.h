#pragma once
// What the three demonstration windows share in building themselves.
#include <windows.h>

#include <utility>

#include "control/voAbstractControl.h"
#include "window/voAbstractGradientWindow.h"

// 370 x 340, with a taskbar button of its own (the tool-window style cleared).
inline void SizeDemoWindow(voAbstractGradientWindow& demo) {
    demo.width = 370;
    demo.height = 340;
    SetWindowPos(demo.window, nullptr, 0, 0, demo.width, demo.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongW(demo.window, GWL_EXSTYLE,
                   GetWindowLongW(demo.window, GWL_EXSTYLE) & ~WS_EX_TOOLWINDOW);
}

// The control filed under `id`, as its class; null when none is.
template <class Control>
Control* Find(const voAbstractGradientWindow& demo, int id) {
    return static_cast<Control*>(demo.GetControl(id));
}

// Tab takes a window's controls in their order among its children: the
// listed ones go last, in the order given, row by row as they are read.
// Nothing moves on the screen.
template <class Identifiers>
void OrderTabStops(const voAbstractGradientWindow& demo, const Identifiers& ids) {
    for (int id : ids)
        if (voAbstractControl* control = demo.GetControl(id))
            SetWindowPos(control->GetHandle(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Files a control, places it, lets `configure` set it up and shows it.
template <class Control, class Configure>
void Put(voAbstractGradientWindow& demo, Control* control, int x, int y, Configure configure) {
    demo.AddControl(control->controlId, control);
    control->SetPosition(x, y, true);
    configure(*control);
    control->Show(true);
}

// What a screen reader calls the controls whose pictures say it without words.
inline void NameForReaders(const voAbstractGradientWindow& demo,
                           std::initializer_list<std::pair<int, const wchar_t*>> names) {
    for (const auto& [id, name] : names)
        if (voAbstractControl* control = demo.GetControl(id)) control->accessibleName = name;
}
