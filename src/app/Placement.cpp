#include "app/Placement.h"

namespace vo {

std::array<ScreenPoint, 3> PlaceInL(int screenWidth, int screenHeight, WindowExtent first,
                                    WindowExtent second, WindowExtent third) {
    // Integer halves truncate toward zero, as C++ division does.
    const ScreenPoint one{screenWidth / 2 - first.width, screenHeight / 2 - first.height};
    const ScreenPoint two{one.x + second.width, one.y};
    const ScreenPoint three{one.x, one.y + third.height};
    return {one, two, three};
}

}  // namespace vo
