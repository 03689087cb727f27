#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "control/KeyboardLogic.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/buttons/ButtonLogic.h"

// Push button: a caption (and, in the custom style, an icon) on a stretchable
// three-piece skin with normal, hovered and clicked looks, an optional toggle
// mode and a disabled look; or, in the round icon style, a fixed 22 x 22 face
// with one of eight built-in icons. Reports clicks with WM_COMMAND.
class voButton : public voAbstractControl {
public:
    voButton(HWND parent, std::uint16_t identifier, int width, int style);

    void SetChecked(bool checked) override;
    bool SetSize(int width, int height) override;  // the height follows the skin
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakesKeyboardFocus() const override { return enabled; }

    void SetText(const std::wstring& text);
    void SetFont(const std::wstring& face, int height, int weight);
    void SetTextColor(COLORREF colour);
    void SetDisabledTextColor(COLORREF colour);
    void SetIcon(int index);
    void Disable();
    // Sizes the button to its caption with `extra` free pixels on each side.
    void FitToText(int extra);
    // Custom style: piece 0-8 = normal, hovered, clicked sets of left, right, centre.
    void SetSkinFile(int piece, const std::wstring& path);
    // Custom style: 0 normal icon, 1 clicked icon, 2 disabled icon.
    void SetIconFile(int number, const std::wstring& path);

    int style;
    int visualState = vo::kButtonIdle;
    int iconIndex = 0;
    int skinHeight = 0;
    int sideWidth = 0;
    CaptionFont font;  // height, weight, face, angle, italic
    int textMarginTop = 0;
    int textMarginLeft = 0;
    int textMarginBottom = 0;
    int textMarginRight = 0;
    COLORREF textColour = 0;
    COLORREF disabledTextColour = 0;
    int textHorizontalAlignment = 1;
    int textVerticalAlignment = 1;
    int lineMode = vo::kSingleLine;
    int iconHorizontalAlignment = vo::kAlignCentre;
    int iconVerticalAlignment = vo::kAlignCentre;
    int iconYOffset = 0;
    int iconXOffset = 0;
    int iconBottomMargin = 0;
    int iconRightMargin = 0;
    std::wstring skinFiles[vo::kCustomPieceCount];
    std::wstring iconFile;
    std::wstring disabledIconFile;
    std::wstring clickedIconFile;
    int iconWidth = 0;
    int iconHeight = 0;
    // The piece bitmaps (three sets of three skin pieces, the round faces and
    // the icons) come from the shared piece cache by name or path at each
    // compose, so a changed style, state or path shows at the next paint.
    std::wstring caption;
    bool enabled = true;
    bool notifyOnPress = false;
    bool notifyOnReleaseOutside = false;
    bool keepChecked = false;
    bool pressOnDragIn = true;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    // Space: pressed while held, clicked by its release.
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    // `byKey`: the step of a key, which takes no mouse capture.
    void Step(const vo::ButtonMouseInput& input, bool byKey = false);
    // A press and its release over the button that take no mouse capture:
    // a key's, a reader's.
    void PressInPlace();
    void ReleaseInPlace();

    void PaintRoundIcon(HDC dc);
    void PaintSkin(HDC dc);
    void PaintCustomIcon(HDC dc);
    bool CursorInside() const;

    vo::HeldKey space{VK_SPACE};
    voMessageMap<voButton> messageMap;
};
