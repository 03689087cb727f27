#pragma once
// A gradient window laid out as a grid of captioned controls, photographed
// into a PNG file: the pictures of the documentation pages. Each row has a
// label at the left; each cell a small caption over its control.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "control/voAbstractControl.h"
#include "window/voAbstractGradientWindow.h"

class ShotSheet : public voAbstractGradientWindow {
public:
    // The window's size is fixed first: every control asks for the gradient
    // behind it when it is placed.
    ShotSheet(int sheetWidth, int sheetHeight);
    ~ShotSheet() override;

    // Starts a row named `label` (a "\n" in it breaks the line) below the last.
    void Row(const std::wstring& label);
    // Leaves `pixels` free below the current row (for a list that opens there).
    void ReserveBelow(int pixels) { reserveBelow = pixels; }

    // Files `control`, puts it in the next cell of the row under `caption`
    // and lets `configure` set it up, as a caller would. Shown by Photograph.
    template <class Control, class Configure>
    Control& Cell(const std::wstring& caption, Control* control, Configure configure) {
        AddControl(control->controlId, control);
        control->SetPosition(cursorX, ControlTop(), true);
        configure(*control);
        EndCell(caption, control->width, control->height);
        return *control;
    }
    // An empty cell of the given size under `caption`, for a window that is
    // not a child control; returns its rectangle in client coordinates.
    RECT EmptyCell(const std::wstring& caption, int cellWidth, int cellHeight);

    // A look that needs what only one window has at a time (the pointer, the
    // mouse capture, the keyboard focus): `enter` sets it up just before
    // `area` is photographed, `leave` undoes it afterwards.
    void Live(const RECT& area, std::function<void()> enter, std::function<void()> leave);
    // A control's rectangle in client coordinates, grown by `below` pixels.
    RECT AreaOf(voAbstractControl& control, int below = 0) const;

    std::uint16_t NextId() { return nextId++; }
    // Screen position of a client point.
    POINT OnScreen(POINT client) const;

    // Shows the sheet, photographs it with every live look in turn and saves
    // the PNG; false when the picture could not be taken or written.
    bool Photograph(const std::wstring& path);

private:
    struct LiveLook {
        RECT area;
        std::function<void()> enter;
        std::function<void()> leave;
    };

    int ControlTop() const;
    void EndCell(const std::wstring& caption, int controlWidth, int controlHeight);
    void AddCaption(const std::wstring& text, int left, int top, bool heading);
    void ShowEverything();
    bool CheckFit() const;

    std::uint16_t nextId = 1;
    int rowTop = 0;
    int rowHeight = 0;
    int reserveBelow = 0;
    int cursorX = 0;
    bool firstRow = true;
    std::vector<LiveLook> liveLooks;
};

// Runs the messages waiting for this thread, repeatedly for a while, so
// everything shown or changed has painted and reached the screen.
void Settle(int rounds = 4);

// Puts the pointer on a control, at (x, y) of its client area, and tells the
// control as the system does.
void PointAt(voAbstractControl& control, int x, int y);
// Moves the pointer away from every window.
void ParkPointer();
