#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/buttons/DoubleButtonLogic.h"

// A two-way switch: one pill split into two captioned halves, exactly one of
// them selected. A press on the other half selects it and tells the parent
// (WM_COMMAND, high word 0 for the first half, 1 for the second). The base
// checked flag carries the selection: checked means the first half.
class voDoubleButton : public voAbstractControl {
public:
    voDoubleButton(HWND parent, std::uint16_t identifier, int halfWidth);

    // Selects the first half (true) or the second, silently, whatever the
    // toggle mode.
    void SetChecked(bool checked) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakesKeyboardFocus() const override { return inputEnabled; }
    // At least cap width + 1; the control is then both halves and the divider wide.
    virtual bool SetHalfWidth(int width, bool firstHalf);

    // Each half as wide as its caption plus `extra` and a cap; with
    // `equalHalves` both as wide as the wider.
    void FitToText(int extra, bool equalHalves);
    // Pieces 1 to 7, in the order of DoubleButtonPieceName; others are ignored.
    void SetSkinFile(int piece, const std::wstring& path);

    int skinSource = 0;  // 0 resources, 1 the seven files, anything else no skin
    int selectedHalf = vo::kFirstHalf;
    bool inputEnabled = true;
    int skinHeight = vo::kDoubleButtonSkinHeight;
    int capWidth = vo::kDoubleButtonCapWidth;
    int firstHalfWidth = 0;
    int secondHalfWidth = 0;
    CaptionFont font;
    COLORREF textColour = 0x000000;
    std::array<std::wstring, vo::kDoubleButtonPieceCount> skinFiles;  // pieces 1 to 7
    std::wstring firstCaption;
    std::wstring secondCaption;

protected:
    // Each half is an item a reader can check, as a pair of radio buttons.
    long AccessibleItemCount() const override { return 2; }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long item, RECT& rect) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // Space selects the other half, Left and Right the half on their side.
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void Press(LPARAM lParam);
    void Select(vo::HalfHit hit);
    bool ApplyHalfWidths();
    const KeptBitmap& Piece(int number);
    void DrawColumns(HDC dc, int piece, int firstX, int count);

    voMessageMap<voDoubleButton> messageMap;
};
