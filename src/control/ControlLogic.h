#pragma once
// Platform-free rules of the abstract control: which background request a
// geometry change sends, and the grey levels of the gradient slice behind it.
#include <cstdint>

#include "window/GradientLogic.h"

namespace vo {

enum BackgroundMode { kBackgroundGradient = 0, kBackgroundColour = 1, kBackgroundBitmap = 2 };

// The request a move with apply sends: 1 when only x changed, 2 when only y
// changed, 0 when both or neither did.
int PositionRequestCode(int oldX, int oldY, int newX, int newY);

struct SliceLevels {
    std::uint8_t first;  // grey level at the control's left (top) edge
    std::uint8_t last;   // grey level at its right (bottom) edge
};

struct SliceInput {
    Colour gradientStart;
    Colour gradientEnd;
    bool horizontal;
    int parentWidth;
    int parentHeight;
    int x;
    int y;
    int width;
    int height;
};

// Only the red channel of the parent's colours counts: the slice is grey.
// A parent extent of 0 (the parent has not answered yet) gives offset 0.
SliceLevels GradientSliceLevels(const SliceInput& input);

}  // namespace vo
