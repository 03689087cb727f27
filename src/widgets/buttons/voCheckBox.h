#pragma once
#include "widgets/buttons/voToggleControl.h"

// A two-state box with a caption: a click toggles it and tells the parent
// (WM_COMMAND high word 0 when it became checked, 2 when unchecked).
class voCheckBox : public voToggleControl {
public:
    voCheckBox(HWND parent, std::uint16_t identifier, int width);
};
