#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/range/ScrollBarLogic.h"

// What the horizontal and the vertical scroll bar share: an arrow button at
// each end, a track between them and a grip that shows the visible share of a
// content and its position. Every change of the position is sent to the
// parent (WM_COMMAND, the position's low 16 bits in the high word), which
// scrolls its own content. Held arrows and track presses repeat on window
// timers 1 to 4.
class voScrollBar : public voAbstractControl {
public:
    ~voScrollBar() override = default;

    // The size along the axis (at least the minimum length); the thickness
    // follows the buttons. The grip keeps its offset until UpdateGripPosition.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Grip length from page / total. No redraw.
    void UpdateGripSize();
    // Grip offset from the position, then a redraw.
    void UpdateGripPosition();
    // Stores the three values and updates the grip.
    void SetRange(std::uint32_t total, std::uint32_t page, std::uint32_t position);
    // Index 1 to 8, in the order of the pieces; other indices are ignored.
    void SetSkinFile(int index, const std::wstring& path);

    // Callers assign these directly, then update the grip.
    int skinSource = 0;  // 0 resources, 1 files, anything else only the background
    int buttonWidth = 0;
    int buttonHeight = 0;
    std::uint32_t total = 0;
    std::uint32_t page = 0;
    std::uint32_t position = 0;
    int trackLength = 0;
    std::uint32_t lineStep = 0;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    voScrollBar(HWND parent, int extent, std::uint16_t identifier,
                vo::ScrollOrientation orientation);

    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

    int state = vo::kScrollIdle;
    int travel = 0;
    int gripLength = 0;
    int minimumGripLength = vo::kScrollMinimumGripLength;
    int maximumGripLength = 0;
    int gripOffset = 0;
    int anchor = 0;
    int wheelLines = vo::kScrollWheelLines;
    std::array<std::wstring, vo::kScrollPieceCount> skinFiles;

private:
    LRESULT OnPress(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMove(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnRelease(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLeave(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWheel(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);

    // Carries out what a step of the logic asks for, in order; false when the
    // parent deleted the control on the way (then no member may be touched).
    bool Apply(const vo::ScrollEffects& effects);
    bool Notify();

    // Piece 1 to 8 of the current skin source; null when it has none.
    const KeptBitmap* Piece(int index);
    // Draws piece `index` at `along` on the axis, `count` times side by side.
    void DrawPiece(HDC dc, int index, int along, int count = 1);
    SIZE PieceSize(int index) const;

    vo::ScrollBarModel Model() const;
    void Store(const vo::ScrollBarModel& model);

    const vo::ScrollOrientation orientation;
    // Tells a handler that sent itself a key whether the control survived it.
    voMessageMap<voScrollBar> messageMap;
};
