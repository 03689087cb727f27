#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/KeyboardLogic.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/buttons/CheckBoxLogic.h"

// What the check box and the radio button share: a box picture at the left,
// vertically centred, and a one-line caption right of it. The two classes
// differ only in their piece names, their skin-source rule and what a click
// on a checked control does, all given by the kind passed here.
class voToggleControl : public voAbstractControl {
public:
    ~voToggleControl() override = default;

    // Shows the unpressed picture of the new check state; no notification,
    // whatever the toggle mode.
    void SetChecked(bool checked) override;
    // A width below box + gap becomes box + gap, a height of 0 the box size.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakesKeyboardFocus() const override { return enabled; }

    void SetText(const std::wstring& text);
    // Box + caption width + 6 wide, at least as high as the caption's line.
    bool FitToText();
    void SetEnabled(bool enabled);
    // 0 also puts box size and gap back to 10 and 6. No redraw.
    void SetSkinSource(int source);
    // Index 0 checked, 1 hovered checked, 2 unchecked, 3 hovered unchecked;
    // other indices are ignored. No redraw.
    void SetSkinFile(int index, const std::wstring& path);

    int skinSource = 0;
    int visualState = vo::kToggleUnchecked;
    int boxSize = vo::kToggleDefaultBoxSize;
    int gap = vo::kToggleDefaultGap;
    CaptionFont font;
    COLORREF textColour = 0x000000;
    COLORREF disabledTextColour = 0x575757;
    std::array<std::wstring, vo::kTogglePieceCount> skinFiles;
    std::wstring caption;
    bool enabled = true;

    // Resource names of the four pieces, in the order of the skin files.
    using PieceNames = std::array<const wchar_t*, vo::kTogglePieceCount>;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void DoAccessibleAction(long item) override;
    voToggleControl(HWND parent, std::uint16_t identifier, int width, vo::ToggleKind kind,
                    const PieceNames& pieceNames);

    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    // Space: the pressed look while held, the click at its release.
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);

    void Press();
    // A press and its release over the control that take no mouse capture:
    // a key's, a reader's.
    void PressInPlace();
    void ReleaseInPlace();
    void Move(WPARAM wParam, LPARAM lParam);
    void Release(LPARAM lParam);
    void CancelPress();
    void CancelHover();
    bool Inside(LPARAM lParam) const;
    vo::ToggleModel Model() const;
    void Store(const vo::ToggleModel& model);

    const vo::ToggleKind toggleKind;
    const PieceNames pieceNames;
    // True from a press on the control until its release (or a cancel); a
    // pressed look without it came from a move inside with a button held.
    bool pressing = false;
    vo::HeldKey space{VK_SPACE};
    voMessageMap<voToggleControl> messageMap;
};
