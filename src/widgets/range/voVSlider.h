#pragma once
#include "widgets/range/voSlider.h"

// The vertical slider: positions from top to bottom, labels left-aligned
// beside them, 41 pixels wide.
class voVSlider : public voSlider {
public:
    voVSlider(HWND parent, std::uint16_t identifier);
};
