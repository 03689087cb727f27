#pragma once
#include "window/voAbstractGradientWindow.h"

class DemoWindowI : public voAbstractGradientWindow {
public:
    DemoWindowI();
};
