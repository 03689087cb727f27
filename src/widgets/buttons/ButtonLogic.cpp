#include "widgets/buttons/ButtonLogic.h"

#include <algorithm>

#include "control/SkinLogic.h"

namespace vo {

namespace {

constexpr ButtonStyleLook kLooks[] = {
    {true, 21, 8, true, 0x000000, 0x575757},   // Normal
    {true, 19, 11, true, 0x000000, 0x575757},  // Round
    {true, 23, 7, true, 0xFFFFFF, 0xC8C8C8},   // Green
    {true, 23, 7, true, 0xFFFFFF, 0xC8C8C8},   // Red
    {true, 22, 22, false, 0, 0},               // round icon
};

// Rows: style 0 to 3; columns: normal left/right/centre, clicked left/right/centre.
constexpr const wchar_t* kPieces[4][6] = {
    {L"Button_Normal_Left", L"Button_Normal_Right", L"Button_Normal_Center",
     L"Button_Normal_Clicked_Left", L"Button_Normal_Clicked_Right",
     L"Button_Normal_Clicked_Center"},
    {L"Button_Round_Left", L"Button_Round_Right", L"Button_Round_Center",
     L"Button_Round_Clicked_Left", L"Button_Round_Clicked_Right", L"Button_Round_Clicked_Center"},
    {L"Button_Green_Left", L"Button_Green_Right", L"Button_Green_Center",
     L"Button_Green_Clicked_Left", L"Button_Green_Clicked_Right", L"Button_Green_Clicked_Center"},
    {L"Button_Red_Left", L"Button_Red_Right", L"Button_Red_Center", L"Button_Red_Clicked_Left",
     L"Button_Red_Clicked_Right", L"Button_Red_Clicked_Center"},
};

// The resource names are spelled as the skin resources carry them, odd
// spellings included.
constexpr const wchar_t* kRoundIcons[kRoundIconCount][2] = {
    {L"Button_Delete_Icon", L"Button_Gray_Delete_Icon"},
    {L"Button_Add_Icon", L"Button_Gray_Add_Icon"},
    {L"Button_Schedule_Icon", L"Button_Gray_Schedule_Icon"},
    {L"Button_CountDown_Icon", L"Button_Gray_CountDown_Icon"},
    {L"Button_Task_Icon", L"Button_Gray_Task_Icon"},
    {L"Button_Cross_Icon", L"Button_Gray_Cross_Icon"},
    {L"Button_Refresh_Icon", L"Button_Gray_Refresh_Button"},
    {L"Button_Callendar_Icon", L"BUTTON_GRAY_CALLENDAR_ICON"},
};

}  // namespace

ButtonStyleLook ButtonLookFor(int style) {
    if (style >= kButtonNormal && style <= kButtonRoundIcon) return kLooks[style];
    return {false, 0, 0, false, 0, 0};
}

ButtonSize ButtonSizeFor(int style, int askedWidth, int skinHeight, int sideWidth) {
    if (style == kButtonRoundIcon) {
        const int height = std::max(skinHeight, 0);
        return {height, height};
    }
    // Owner-set side widths may be anything: the shared rule never overflows.
    const SkinSize size = ThreePieceSize(askedWidth, skinHeight, sideWidth);
    return {size.width, size.height};
}

int FitToTextWidth(int style, int captionWidth, int extra, int sideWidth) {
    if (style == kButtonRoundIcon) return kRoundIconFaceSize;
    return ThreePieceFitWidth(captionWidth, extra, sideWidth);
}

ButtonPieceSet PieceSetFor(int visualState, bool hoveredAvailable) {
    if (visualState == kButtonPressed) return kPiecesClicked;
    if (visualState == kButtonHovered && hoveredAvailable) return kPiecesHovered;
    return kPiecesNormal;
}

ButtonPieceNames ButtonPieceResources(int style, ButtonPieceSet set) {
    if (style < kButtonNormal || style > kButtonRed) return {nullptr, nullptr, nullptr};
    const int column = set == kPiecesClicked ? 3 : 0;  // no hovered resources: normal ones
    return {kPieces[style][column], kPieces[style][column + 1], kPieces[style][column + 2]};
}

ButtonPieceNumbers CustomPieceNumbers(ButtonPieceSet set) {
    const int first = 3 * static_cast<int>(set);
    return {first, first + 1, first + 2};
}

const wchar_t* RoundIconFace(int visualState) {
    return visualState == kButtonPressed ? L"Button_Round" : L"Button_Clicked_Round";
}

const wchar_t* RoundIconDescription(int index) {
    static constexpr const wchar_t* kDescriptions[kRoundIconCount] = {
        L"Delete", L"Add", L"Schedule", L"Count down", L"Task", L"Close", L"Refresh", L"Calendar"};
    return index >= 0 && index < kRoundIconCount ? kDescriptions[index] : nullptr;
}

const wchar_t* RoundIconName(int index, bool enabled) {
    if (index < 0 || index >= kRoundIconCount) return nullptr;
    return kRoundIcons[index][enabled ? 0 : 1];
}

ButtonPoint RoundIconPosition(int visualState) {
    return {4, visualState == kButtonPressed ? 4 : 3};
}

ButtonIconChoice ChooseButtonIcon(int style, bool enabled, int visualState, bool checked,
                                  HeldIcons held) {
    auto pick = [](bool isHeld, ButtonIconChoice choice) { return isHeld ? choice : kNoIcon; };
    if (style == kButtonRoundIcon) {
        // Only the icon matching the enabled flag is loaded for this style.
        if (!enabled) return pick(held.disabled, kDisabledIcon);
        if (visualState == kButtonPressed && held.clicked) return kClickedIcon;
        return pick(held.normal, kNormalIcon);
    }
    if (!enabled) return held.disabled ? kDisabledIcon : pick(held.normal, kNormalIcon);
    if ((visualState == kButtonPressed || checked) && held.clicked) return kClickedIcon;
    return pick(held.normal, kNormalIcon);
}

ButtonRect CaptionRect(ButtonRect client, int horizontalAlignment, int verticalAlignment,
                       ButtonTextMargins margins) {
    ButtonRect rect = client;
    // Codes other than centre and right/bottom read as left/top, as the text flags do.
    if (horizontalAlignment != 2) rect.left += margins.left;
    if (horizontalAlignment == 1 || horizontalAlignment == 2) rect.right -= margins.right;
    if (verticalAlignment != 2) rect.top = margins.top;
    if (verticalAlignment == 1 || verticalAlignment == 2) rect.bottom -= margins.bottom;
    return rect;
}

ButtonMouseResult ButtonMouseStep(const ButtonOptions& options, ButtonMouseState current,
                                  const ButtonMouseInput& input) {
    ButtonMouseResult result{current, false, false, false, false};
    int& state = result.next.visualState;
    bool& checked = result.next.checked;

    // A pressed look that nothing will end any more: not checked, and the
    // mouse is not captured, so no move outside will arrive to clear it.
    const bool strandedPress = state == kButtonPressed && !checked && !input.hasCapture;

    if (!options.enabled) {
        // Input is ignored, but a press or hover begun before the button was
        // disabled still ends: the capture is given back (or the whole
        // program would keep sending its clicks here) and transient looks clear.
        if (input.event == ButtonMouseEvent::Release && input.hasCapture) {
            result.releaseCapture = true;
            if (!options.toggleMode && state == kButtonPressed) state = kButtonIdle;
        }
        if (input.event == ButtonMouseEvent::Leave && (state == kButtonHovered || strandedPress))
            state = kButtonIdle;
        result.redraw = state != current.visualState;
        return result;
    }

    switch (input.event) {
    case ButtonMouseEvent::Move:
        if (state == kButtonPressed && !input.inside && !checked) {
            state = kButtonIdle;
        } else if (state == kButtonIdle && input.inside) {
            state = input.leftHeld && options.pressOnDragIn ? kButtonPressed : kButtonHovered;
        }
        result.redraw = true;
        break;

    case ButtonMouseEvent::Press:
    case ButtonMouseEvent::DoubleClick:  // a double click is a second press
        result.capture = true;
        if (options.toggleMode) {
            if (checked && options.keepChecked) break;
            checked = !checked;
            state = checked ? kButtonPressed : kButtonIdle;
            result.notify = true;
        } else {
            state = kButtonPressed;
            result.notify = options.notifyOnPress;
        }
        result.redraw = true;
        break;

    case ButtonMouseEvent::Release:
        result.releaseCapture = input.hasCapture;
        if (options.toggleMode) {
            // The look follows the checked flag, also after a drag-in press.
            state = checked ? kButtonPressed : kButtonIdle;
        } else {
            state = kButtonIdle;
            result.notify = input.inside || options.notifyOnReleaseOutside;
        }
        result.redraw = true;
        break;

    case ButtonMouseEvent::Leave:
        if (state == kButtonHovered || strandedPress) {
            state = kButtonIdle;
            result.redraw = true;
        }
        break;

    case ButtonMouseEvent::CaptureLost:
        // No release will come: the press ends without a click, and a toggle
        // shows its checked flag.
        if (state == kButtonPressed && (!options.toggleMode || !checked)) {
            state = kButtonIdle;
            result.redraw = true;
        }
        break;
    }
    return result;
}

}  // namespace vo
