#pragma once
#include <memory>

#include "window/voAbstractGradientWindow.h"

class voCallendar;

// The third demonstration window, "Stylized widgets": controls skinned from
// bitmap files under "resources\" (read relative to the working directory; a
// missing file leaves its piece undrawn), two resource-skinned buttons, a
// rich-text box, and the calendar that pops up beside the window when its
// round button is clicked.
class DemoWindowIII : public voAbstractGradientWindow {
public:
    DemoWindowIII();
    ~DemoWindowIII() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::unique_ptr<voCallendar> calendar;

private:
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowCalendar();

    void AddButtons();
    void AddScrollBars();
    void AddStylizedControls();
    void AddCalendar();
    void AddCalendarButtonAndTextBox();

    voMessageMap<DemoWindowIII> demoMap;
};
