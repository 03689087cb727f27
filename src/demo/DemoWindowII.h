#pragma once
#include <cstdint>

#include "window/voAbstractGradientWindow.h"

// The second demonstration window, a small timer panel: a settable clock in
// step with three spin boxes, a live clock, language and task combo boxes,
// buttons that fade the window out, pick a language or exit, a text link, a
// line of Polish capitals, a question mark, a schedule viewer with three
// blocks, a grip button and two radio buttons that exclude each other.
class DemoWindowII : public voAbstractGradientWindow {
public:
    DemoWindowII();
    ~DemoWindowII() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::uint32_t fadeDelay = 100;   // milliseconds until the next fade step
    std::uint32_t fadeAlpha = 255;   // the window's alpha during a fade

private:
    LRESULT OnCommandOrTimer(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int identifier);
    void OnTimer(UINT_PTR timer);
    void FadeStep();
    void ShowLocalTime();
    void SetClockHours();
    void MinutesOrSecondsChanged(int identifier);
    void ChooseTask();
    void UncheckRadio(int identifier);

    void AddClocks();
    void AddComboBoxes();
    void AddButtons();
    void AddSpinBoxes();
    void AddOthers();

    voMessageMap<DemoWindowII> demoMap;
};
