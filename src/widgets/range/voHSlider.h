#pragma once
#include "widgets/range/voSlider.h"

// The horizontal slider: positions from left to right, labels centred under
// them, 27 pixels high.
class voHSlider : public voSlider {
public:
    voHSlider(HWND parent, std::uint16_t identifier);
};
