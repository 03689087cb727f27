#pragma once
#include "window/voAbstractGradientWindow.h"

class DemoWindowII : public voAbstractGradientWindow {
public:
    DemoWindowII();
};
