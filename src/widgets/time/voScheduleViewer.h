#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "control/voAbstractControl.h"
#include "widgets/time/ScheduleLogic.h"

using ScheduleEntry = vo::ScheduleEntry;

// A one-line bar over twelve hours, left to right, with a division line
// every two hours. Each added entry shows as a coloured stretch: green for a
// time range, blue for the whole span. Hovering over an entry highlights it
// and tells the parent with WM_COMMAND (high word 1 over an entry, 0 when the
// pointer left one); the parent reads the entries' hovered flags.
class voScheduleViewer : public voAbstractControl {
public:
    voScheduleViewer(HWND parent, std::uint16_t identifier);

    // The height follows the skin; the width is made to divide twelve hours
    // into whole seconds per pixel.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Appends a copy placed on the bar; false (and nothing changes) when it
    // cannot be placed or reaches inside an entry already shown.
    bool AddEntry(ScheduleEntry entry);

    int skinHeight = vo::kScheduleSkinHeight;
    unsigned secondsPerPixel = 151;
    std::vector<ScheduleEntry> entries;  // in insertion order; read the hovered flags

protected:
    // Its entries are the items.
    long AccessibleItemCount() const override { return static_cast<long>(entries.size()); }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long item, RECT& rect) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove();
    void OnMouseLeave();
    // Blends the 1-pixel piece over columns [first, last).
    void DrawColumns(HDC dc, const wchar_t* piece, int first, int last);

    voMessageMap<voScheduleViewer> messageMap;
};
