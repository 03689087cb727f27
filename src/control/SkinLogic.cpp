#include "control/SkinLogic.h"

#include <algorithm>
#include <climits>

namespace vo {

namespace {
// The DrawText flag values, spelled here so this file needs no platform header.
constexpr std::uint32_t kLeft = 0x0, kCenter = 0x1, kRight = 0x2;
constexpr std::uint32_t kTop = 0x0, kVCenter = 0x4, kBottom = 0x8;
constexpr std::uint32_t kWordBreakFlag = 0x10, kSingleLineFlag = 0x20;
}  // namespace

ThreePieceLayout LayoutThreePiece(int width, int sideWidth) {
    const int centreCount = width - 2 * sideWidth;
    return {0, sideWidth, centreCount > 0 ? centreCount : 0, width - sideWidth};
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

SkinSize ThreePieceSize(int askedWidth, int skinHeight, int sideWidth) {
    const std::int64_t minimum = 2 * static_cast<std::int64_t>(std::max(sideWidth, 0)) + 1;
    return {ClampToInt(std::max<std::int64_t>(askedWidth, minimum)), std::max(skinHeight, 0)};
}

int ThreePieceFitWidth(int captionWidth, int extra, int sideWidth) {
    return ClampToInt(static_cast<std::int64_t>(captionWidth) +
                      2 * (static_cast<std::int64_t>(extra) + sideWidth));
}

int IconOffset(int alignment, int clientExtent, int iconExtent, int fixedOffset, int margin) {
    switch (alignment) {
    case kAlignCentre: return (clientExtent - iconExtent) / 2;
    case kAlignEnd: return clientExtent - iconExtent - margin;
    default: return fixedOffset;
    }
}

std::uint32_t CaptionFormatFlags(int horizontal, int vertical, int lineMode) {
    std::uint32_t flags = 0;
    flags |= horizontal == 1 ? kCenter : (horizontal == 2 ? kRight : kLeft);
    flags |= vertical == 1 ? kVCenter : (vertical == 2 ? kBottom : kTop);
    if (lineMode == kSingleLine) flags |= kSingleLineFlag;
    if (lineMode == kWordBreak) flags |= kWordBreakFlag;
    return flags;
}

}  // namespace vo
