#pragma once
#include "widgets/range/voScrollBar.h"

// The horizontal scroll bar: left and right arrows, 18 x 21 by default, and a
// bar at least 64 pixels wide.
class voHScrollBar : public voScrollBar {
public:
    voHScrollBar(HWND parent, int width, std::uint16_t identifier);
};
