#pragma once
#include <map>

#include "window/voAbstractWindow.h"

class voAbstractControl;

// Borderless top-level window painted with a two-colour gradient inside a
// one-pixel border. It owns the controls placed on it and answers their
// background requests, so each control can paint the slice behind it.
class voAbstractGradientWindow : public voAbstractWindow {
public:
    voAbstractGradientWindow();
    ~voAbstractGradientWindow() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The window owns the control from now on; false (and not owned) when the
    // identifier is taken.
    bool AddControl(int identifier, voAbstractControl* control);
    voAbstractControl* GetControl(int identifier) const;
    // Deletes an owned control (also from inside a notification it sent);
    // false when no control has the identifier.
    bool DeleteControl(int identifier);

    bool innerFrame = false;
    int innerFrameTop = 10;
    COLORREF gradientStart = 0xC8C8C8;
    COLORREF gradientEnd = 0xE6E6E6;
    COLORREF borderColour = 0x323232;
    int gradientMode = 0;

protected:
    voMessageMap<voAbstractGradientWindow> messageMap;
    std::map<int, voAbstractControl*> controls;

private:
    LRESULT OnCloseOrDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnBackgroundRequest(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCapture(UINT message, WPARAM wParam, LPARAM lParam);

    void PaintGradient(HDC dc, const RECT& client) const;
    void PaintInnerFrame(HDC dc, const RECT& client) const;
    void PaintBorder(HDC dc, const RECT& client) const;
};
