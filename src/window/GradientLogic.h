#pragma once
// Gradient arithmetic and the background-request decisions of the gradient
// window, kept free of the platform so they can be unit-tested natively.
#include <cstdint>

namespace vo {

using Colour = std::uint32_t;  // 0x00BBGGRR, as a COLORREF

enum GradientMode { kGradientHorizontal = 0, kGradientVertical = 1 };

// Background request codes a control sends with WM_NOTIFY.
enum BackgroundRequest {
    kRequestShownOrResized = 0,
    kRequestMovedHorizontally = 1,
    kRequestMovedVertically = 2,
};

constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr Colour MakeColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

// The 16-bit channel value a gradient vertex carries for a colour byte.
constexpr std::uint16_t VertexChannel(std::uint8_t byte) {
    return static_cast<std::uint16_t>(byte << 8);
}

// Colour of a linear two-colour gradient at offset `position` of `extent`
// steps (position 0 gives `start`, position extent gives `end`).
Colour InterpolateColour(Colour start, Colour end, int position, int extent);

// Whether a gradient window answers a request with this code in this mode: a
// move along the axis in which the gradient does not change leaves the slice
// behind the control unchanged.
bool AnswersBackgroundRequest(int code, int gradientMode);

}  // namespace vo
