#pragma once
#include <initializer_list>

#include "window/voAbstractGradientWindow.h"

// The first demonstration window: the resource-skinned controls (buttons in
// every style, round icon buttons, colour labels, double buttons, text edits,
// spin boxes, check boxes, both sliders and both scroll bars). The exit button
// closes it; the two scroll bars scroll the whole content, controls included.
class DemoWindowI : public voAbstractGradientWindow {
public:
    DemoWindowI();
    ~DemoWindowI() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int horizontalScroll = 0;  // pixels the content is scrolled to the left
    int verticalScroll = 0;    // pixels the content is scrolled up

private:
    LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void ScrollVertically(int offset);
    void ScrollHorizontally(int offset);
    void Repaint(std::initializer_list<RECT> areas);

    void AddButtons();
    void AddColourLabels();
    void AddDoubleButtons();
    void AddTextEdits();
    void AddSpinBoxes();
    void AddCheckBoxes();
    void AddRangeControls();

    voMessageMap<DemoWindowI> demoMap;
};
