#include "widgets/range/voHSlider.h"

voHSlider::voHSlider(HWND parent, std::uint16_t identifier)
    : voSlider(parent, identifier, vo::SliderOrientation::Horizontal) {}
