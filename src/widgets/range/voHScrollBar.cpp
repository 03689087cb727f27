#include "widgets/range/voHScrollBar.h"

voHScrollBar::voHScrollBar(HWND parent, int width, std::uint16_t identifier)
    : voScrollBar(parent, width, identifier, vo::ScrollOrientation::Horizontal) {}
