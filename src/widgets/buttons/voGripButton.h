#pragma once
#include <windows.h>

#include <cstdint>

#include "control/KeyboardLogic.h"
#include "control/voAbstractControl.h"

// A small flat grip strip that lights up while the pointer is over it and
// reports every release of the left button over it to its parent. It keeps
// no pressed state and takes no focus.
class voGripButton : public voAbstractControl {
public:
    voGripButton(HWND parent, std::uint16_t identifier);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The size both pieces are loaded and drawn at, from the top-left corner,
    // whatever the control's size.
    int skinHeight = 6;
    int skinWidth = 36;
    bool hovered = false;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // Space: released on the focused grip, it is a click.
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    bool Inside(LPARAM lParam) const;

    vo::HeldKey space{VK_SPACE};
    voMessageMap<voGripButton> messageMap;
};
