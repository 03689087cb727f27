#pragma once
// Layout arithmetic of skinned drawing, free of the platform: where the three
// pieces of a stretchable skin go, where an icon sits, and which text flags a
// caption's alignment codes make.
#include <cstdint>

namespace vo {

struct ThreePieceLayout {
    int leftX;         // 0
    int centreFirstX;  // first column of the repeated centre piece
    int centreCount;   // columns of the centre piece (never negative)
    int rightX;        // W - S
};

// Layout of a skin of width `width` from side pieces `sideWidth` wide.
ThreePieceLayout LayoutThreePiece(int width, int sideWidth);

// `value` held within the range of int, for sums of owner-set sizes.
int ClampToInt(std::int64_t value);

struct SkinSize {
    int width;
    int height;
};

// A control drawn as one three-piece skin: the asked width, but never
// narrower than both side pieces plus one centre column (a negative side
// counts as none), at the skin's height. Saturates, never negative.
SkinSize ThreePieceSize(int askedWidth, int skinHeight, int sideWidth);

// The width that fits a caption with `extra` free pixels and a side piece on
// each side of it. Saturates instead of overflowing.
int ThreePieceFitWidth(int captionWidth, int extra, int sideWidth);

enum IconAlignment { kAlignStart = 0, kAlignCentre = 1, kAlignEnd = 2 };

// Offset of an icon along one axis: `fixedOffset` from the start (code 0),
// centred on signed values (1, negative when the icon is larger than the
// client), or against the end less `margin` (2).
int IconOffset(int alignment, int clientExtent, int iconExtent, int fixedOffset, int margin);

enum LineMode { kSingleLine = 0, kWordBreak = 1, kNoLineMode = 2 };

// DrawText flags for a horizontal code (left, centre, right), a vertical code
// (top, centre, bottom) and a line mode (single line, word break, none).
std::uint32_t CaptionFormatFlags(int horizontal, int vertical, int lineMode);

}  // namespace vo
