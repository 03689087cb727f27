#include "control/ControlLogic.h"

#include <cmath>
#include <cstdlib>

namespace vo {

int PositionRequestCode(int oldX, int oldY, int newX, int newY) {
    const bool xChanged = oldX != newX;
    const bool yChanged = oldY != newY;
    if (xChanged && !yChanged) return kRequestMovedHorizontally;
    if (yChanged && !xChanged) return kRequestMovedVertically;
    return kRequestShownOrResized;
}

namespace {

// trunc(position / extent * range), keeping only the low 8 bits as the
// level arithmetic does. Out-of-range products are clamped before the cast so
// the conversion is defined for any geometry.
std::uint8_t SliceOffset(float position, std::uint32_t extent, int range) {
    if (extent == 0) return 0;
    const float product = position / static_cast<float>(extent) * static_cast<float>(range);
    if (!std::isfinite(product)) return 0;
    const float limit = 1e18f;
    const float clamped = product > limit ? limit : (product < -limit ? -limit : product);
    return static_cast<std::uint8_t>(static_cast<long long>(clamped) & 0xFF);
}

}  // namespace

SliceLevels GradientSliceLevels(const SliceInput& in) {
    const int c1 = RedOf(in.gradientStart);
    const int c2 = RedOf(in.gradientEnd);
    const int range = std::abs(c1 - c2);
    const std::uint32_t extent =
        static_cast<std::uint32_t>(in.horizontal ? in.parentWidth : in.parentHeight);
    const int a = in.horizontal ? in.x : in.y;
    // The far edge is read as unsigned, as the parent extent is.
    const std::uint32_t b = static_cast<std::uint32_t>(
        static_cast<long long>(a) + (in.horizontal ? in.width : in.height));
    const int s = SliceOffset(static_cast<float>(a), extent, range);
    const int e = SliceOffset(static_cast<float>(b), extent, range);
    if (c1 <= c2)
        return {static_cast<std::uint8_t>(c1 + s), static_cast<std::uint8_t>(c1 + e)};
    return {static_cast<std::uint8_t>(c1 - s), static_cast<std::uint8_t>(c1 - e)};
}

}  // namespace vo
