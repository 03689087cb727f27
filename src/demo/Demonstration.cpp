#include "demo/Demonstration.h"

#include "app/Placement.h"
#include "demo/DemoWindowI.h"
#include "demo/DemoWindowII.h"
#include "demo/DemoWindowIII.h"

namespace {
void MoveTo(voAbstractWindow& window, const vo::ScreenPoint& place) {
    window.x = place.x;
    window.y = place.y;
    SetWindowPos(window.window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

int RunDemonstration(Application& application) {
    DemoWindowI first;
    DemoWindowII second;
    DemoWindowIII third;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const auto places = vo::PlaceInL(screenWidth, screenHeight, {first.width, first.height},
                                     {second.width, second.height}, {third.width, third.height});
    MoveTo(first, places[0]);
    MoveTo(second, places[1]);
    MoveTo(third, places[2]);
    first.Show(true);
    second.Show(true);
    third.Show(true);
    return application.Run();
}
