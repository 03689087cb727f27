#include "widgets/text/FontMeasure.h"

#include <algorithm>

int FontMeasure::PrefixWidth(const std::wstring& text, std::size_t count) const {
    const int length = static_cast<int>(std::min(count, text.size()));
    SIZE extent{};
    if (length == 0 || GetTextExtentPoint32W(dc_, text.c_str(), length, &extent) == FALSE) return 0;
    return extent.cx;
}
