#pragma once
#include <windows.h>

#include <cstdint>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/range/SliderLogic.h"

// What the horizontal and the vertical slider share: a row (or column) of
// positions 25 pixels apart, each with a numeric label, and a grip on the
// selected one. A press selects, a drag with the left button held selects the
// position under the pointer; the parent hears of each newly selected
// position during a drag and of every release (WM_COMMAND, lParam = the
// slider's window handle), and reads the selected index.
class voSlider : public voAbstractControl {
public:
    ~voSlider() override = default;

    // The argument along the axis counts positions (at least 2), the other is
    // ignored: 25 pixels a position plus 7, and the fixed thickness across.
    bool SetSize(int a, int b) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Callers assign these directly; the labels read prefix, start + step x i, suffix.
    std::int32_t labelStart = 0;
    std::int32_t labelStep = 0;
    wchar_t labelPrefix = 0;  // 0: none
    wchar_t labelSuffix = 0;  // 0: none
    // Read by the parent when notified. Not clamped when the count shrinks:
    // the grip is then drawn on the last position.
    std::uint32_t selectedIndex = 0;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    voSlider(HWND parent, std::uint16_t identifier, vo::SliderOrientation orientation);

    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

    std::uint32_t positionCount = vo::kSliderMinimumPositions;
    int thickness = 0;
    int endCapLength = vo::kSliderEndCapLength;
    CaptionFont font;
    COLORREF textColour = 0x000000;

private:
    LRESULT OnPress(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMove(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnRelease(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLeave(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);

    // Returns whether the control still lives.
    bool Notify();

    void DrawRail(HDC dc);
    void DrawLabels(HDC dc);
    // Draws piece `role` at (along, across), `alongSize` x `acrossSize` of it,
    // `count` times side by side along the axis.
    void DrawPiece(HDC dc, int role, int along, int across, int alongSize, int acrossSize,
                   int count = 1);

    vo::SliderModel Model() const;
    void Store(const vo::SliderModel& model);

    const vo::SliderOrientation orientation;
    voMessageMap<voSlider> messageMap;
};
