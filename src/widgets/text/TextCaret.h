#pragma once
// The system caret of a one-line text control: made by a click while the
// control has the focus, moved after every edit, gone with the focus.
#include <windows.h>

#include "window/GdiHandles.h"

class TextCaret {
public:
    TextCaret(int width, int height) : size_{width, height} {}

    // Makes and shows the caret at `at` unless `shown` says it is there
    // already. Only the focused window may own it: a click whose focus went
    // elsewhere makes none. Sets `shown` when it shows.
    void ShowOnce(HWND window, bool& shown, POINT at);
    static void Place(bool shown, POINT at);
    void Destroy(HWND window, bool& shown);

    // Paints through `route`. A control copies its picture through the
    // window's own DC, not between BeginPaint and EndPaint: the caret must be
    // off meanwhile, or its next blink would invert fresh pixels and leave a
    // stray bar behind.
    template <class Route>
    static LRESULT PaintHidden(HWND window, bool shown, Route route) {
        const bool hidden = shown && HideCaret(window) != FALSE;
        const LRESULT result = route();
        if (hidden) ShowCaret(window);
        return result;
    }

private:
    Caret caret_;
    SIZE size_;
};
