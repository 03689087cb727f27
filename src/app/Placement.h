#pragma once
// Where the shell puts the three demonstration windows: an L whose inner
// corner is the screen centre. Platform-free.
#include <array>

namespace vo {

struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint& other) const { return x == other.x && y == other.y; }
};

struct WindowExtent {
    int width;
    int height;
};

// Window I above-left of the centre, II to its right, III below it.
std::array<ScreenPoint, 3> PlaceInL(int screenWidth, int screenHeight, WindowExtent first,
                                    WindowExtent second, WindowExtent third);

}  // namespace vo
