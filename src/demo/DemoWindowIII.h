#pragma once
#include "window/voAbstractGradientWindow.h"

class DemoWindowIII : public voAbstractGradientWindow {
public:
    DemoWindowIII();
};
