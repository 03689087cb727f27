#include "window/GradientLogic.h"

namespace vo {

namespace {
std::uint8_t InterpolateChannel(std::uint8_t from, std::uint8_t to, int position, int extent) {
    if (extent <= 0) return from;
    if (position <= 0) return from;
    if (position >= extent) return to;
    const long long delta = static_cast<long long>(to) - from;
    return static_cast<std::uint8_t>(from + delta * position / extent);
}
}  // namespace

Colour InterpolateColour(Colour start, Colour end, int position, int extent) {
    return MakeColour(InterpolateChannel(RedOf(start), RedOf(end), position, extent),
                      InterpolateChannel(GreenOf(start), GreenOf(end), position, extent),
                      InterpolateChannel(BlueOf(start), BlueOf(end), position, extent));
}

bool AnswersBackgroundRequest(int code, int gradientMode) {
    switch (code) {
    case kRequestShownOrResized: return true;
    case kRequestMovedHorizontally: return gradientMode == kGradientHorizontal;
    case kRequestMovedVertically: return gradientMode == kGradientVertical;
    default: return false;
    }
}

}  // namespace vo
