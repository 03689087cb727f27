#include "widgets/range/voVScrollBar.h"

voVScrollBar::voVScrollBar(HWND parent, int height, std::uint16_t identifier)
    : voScrollBar(parent, height, identifier, vo::ScrollOrientation::Vertical) {}
