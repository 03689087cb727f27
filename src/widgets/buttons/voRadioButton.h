#pragma once
#include "widgets/buttons/voToggleControl.h"

// A round box with a caption: a click checks it (WM_COMMAND high word 0) and
// a checked one stays checked. It keeps no group: a parent that wants one
// choice of several unchecks the others itself.
class voRadioButton : public voToggleControl {
public:
    voRadioButton(HWND parent, std::uint16_t identifier, int width);
};
