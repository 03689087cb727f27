#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "control/voAbstractControl.h"
#include "widgets/time/ClockLogic.h"

class ClockHandRenderer;

// A 143 x 143 clock face with hour, minute and optional second hands drawn
// rotated from bitmaps. It keeps no time of its own: the owner sets it. The
// user drags a hand to change the time; each change is reported with
// WM_COMMAND. The hour value is a count up to the hour limit, so the clock
// also serves as a duration picker. The time fields (hours, minutes,
// seconds, hourLimit, the dragging flags, secondsShown, the angles) come from
// vo::ClockState.
class voAnalogClock : public voAbstractControl, public vo::ClockState {
public:
    voAnalogClock(HWND parent, std::uint16_t identifier);
    ~voAnalogClock() override;

    bool SetSize(int width, int height) override;  // always the clock's own size
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void SetHours(int hours);
    void SetMinutes(int minutes, bool redraw);
    void SetSeconds(int seconds, bool redraw);
    void ShowSeconds();
    void UpdateAngles();

    int clockHeight = vo::kClockSize;
    int clockWidth = vo::kClockSize;
    bool arrowCursorShown = false;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, int x, int y);
    void OnButtonDown(int x, int y);
    void OnButtonUp();
    void DrawHand(HDC dc, const vo::HandPlacement& hand, float angle);

    std::unique_ptr<ClockHandRenderer> renderer;
    voMessageMap<voAnalogClock> messageMap;
};
