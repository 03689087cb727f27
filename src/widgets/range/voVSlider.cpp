#include "widgets/range/voVSlider.h"

voVSlider::voVSlider(HWND parent, std::uint16_t identifier)
    : voSlider(parent, identifier, vo::SliderOrientation::Vertical) {}
