#pragma once
#include "widgets/range/voScrollBar.h"

// The vertical scroll bar: up and down arrows, 21 x 18 by default, and a bar
// at least 72 pixels high.
class voVScrollBar : public voScrollBar {
public:
    voVScrollBar(HWND parent, int height, std::uint16_t identifier);
};
