#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/EditContextMenu.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/range/SpinBoxLogic.h"
#include "widgets/text/TextCaret.h"

// A one-line integer field with an up and a down arrow at its right edge.
// The arrows, the step keys and the wheel step the value between its
// limits; the digits can be edited in place with a caret, a selection, the
// clipboard and the shared context menu. Every change is reported to the
// parent with WM_COMMAND, the at-limit flags telling it when a step was
// refused at a limit.
class voSpinBox : public voAbstractControl {
public:
    static constexpr int kPieceCount = 9;

    voSpinBox(HWND parent, std::uint16_t identifier, int width);
    ~voSpinBox() override;

    // Never narrower than the end piece, the arrow column and one pixel; the
    // height is always the skin height.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Clamps to the limits and shows the stored value; false when clamped.
    // No notification.
    bool SetValue(std::int32_t value);
    // Room for `count` characters (typing and pasting may make that many).
    void FitToDigits(int count);
    // Piece 1..9 in the order left, right, centre, up, clicked up, down,
    // clicked down, centre line, horizontal line; used while the skin source
    // is 1. Other numbers are ignored.
    void SetSkinFile(int piece, const std::wstring& path);
    // The look of the 2 x 19 file skins: side width 2, skin height 19.
    void ApplyCompactGeometry();

    int skinHeight = 23;
    int sideWidth = 8;
    int arrowColumnWidth = 17;
    int arrowPieceWidth = 13;
    int arrowPictureWidth = 13;
    int arrowPictureHeight = 8;
    bool hoverOverText = false;
    bool hoverOverArrows = false;
    int skinSource = 0;    // 0 resources, 1 the files below, others no skin
    int upArrowState = 0;  // 0 normal, 2 pressed
    int downArrowState = 0;
    bool upHeld = false;
    bool downHeld = false;
    bool inputEnabled = true;
    int anchorX = 0;
    int caretX = 0;
    int caretY = vo::kSpinCaretY;
    std::uint32_t maxLength = 0;
    int anchorIndex = 0;
    int caretIndex = 0;
    int textMargin = 8;
    int alignment = 1;  // 0 left, 1 centred, 2 right
    CaptionFont font;   // height, weight, face, angle, italic
    COLORREF textColour = 0x000000;
    std::array<std::wstring, kPieceCount> skinFilePaths;
    // The pieces come from the shared piece cache at each compose.
    std::wstring text;
    std::int32_t value = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t step = 1;
    bool atMinimum = false;
    bool atMaximum = false;
    bool editable = true;
    bool caretShown = false;

protected:
    // Its editable text is the one item.
    long AccessibleItemCount() const override { return 1; }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long item, RECT& rect) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);

    void Press(POINT point);
    void ClickInText(int pointerX);
    // Presses an arrow and takes its first step; false when the parent
    // deleted the control meanwhile.
    bool PressArrow(int& state, bool& held, unsigned key, UINT_PTR timer);
    void Move(WPARAM wParam, POINT point);
    void TrackArrows(vo::SpinRegion region, bool buttonDown);
    void Release();
    void EndArrowPress(int& state, bool& held, UINT_PTR timer);
    void DoubleClick(WPARAM wParam, LPARAM lParam);
    void Wheel(WPARAM wParam);
    void Leave();
    void Repeat(int& state, bool& held, unsigned key, UINT_PTR timer);
    void KeyDown(WPARAM key, LPARAM lParam);
    void TypeChar(wchar_t ch);
    // Carries out a clipboard key; true when the parent is to be told.
    bool Transfer(vo::SpinBoxModel& model, vo::ClipboardAction action);

    vo::SpinBoxModel Model() const;
    void Store(const vo::SpinBoxModel& model);
    vo::SpinBoxGeometry Geometry() const;
    vo::SpinRegion RegionAt(POINT point) const;
    // Runs `action` on the editing model with the font's measure and the
    // text origin, then keeps indices and anchor x and caret x.
    template <class Action>
    void EditCaret(Action action);
    // Anchor x and caret x from the indices, in the font as it is now.
    void UpdateCaretGeometry();
    void PlaceCaret();
    // Sends a message to this control; false when it was deleted meanwhile.

    void PaintSkin(HDC dc);
    void PaintArrows(HDC dc, bool resourceLook);
    void PaintSelection(HDC dc);
    void PaintText(HDC dc);
    const KeptBitmap& Piece(int piece, int pieceWidth, int pieceHeight);

    EditContextMenu contextMenu;
    TextCaret caret;
    // Where the text is measured, with the control's font selected per use.
    MemoryDC measureDc;
    voMessageMap<voSpinBox> messageMap;
};
