#pragma once
#include "window/voAbstractGradientWindow.h"

// The first demonstration window. For now it shows the push buttons, check
// boxes and radio buttons in a provisional layout.
class DemoWindowI : public voAbstractGradientWindow {
public:
    DemoWindowI();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void AddButtons();
    void AddToggles();

    voMessageMap<DemoWindowI> demoMap;
};
