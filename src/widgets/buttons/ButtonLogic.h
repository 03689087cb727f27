#pragma once
// Platform-free rules of the push button: the look of each style, its size
// rule, which pieces and icons a paint uses, where the caption and the round
// icon go, and how the mouse moves it between its normal, hovered and
// clicked looks.
#include <cstdint>

namespace vo {

enum ButtonStyle {
    kButtonNormal = 0,
    kButtonRound = 1,
    kButtonGreen = 2,
    kButtonRed = 3,
    kButtonRoundIcon = 4,
    kButtonCustom = 5,
};

enum ButtonVisualState { kButtonIdle = 0, kButtonHovered = 1, kButtonPressed = 2 };

// The round icon style: a fixed face and one of eight small icons on it.
constexpr int kRoundIconFaceSize = 22;
constexpr int kRoundIconSize = 14;
constexpr int kRoundIconCount = 8;

// What constructing a button of a style sets. Styles 4 and 5 leave the caption
// colours, and style 5 also the skin metrics, to the owner.
struct ButtonStyleLook {
    bool setsMetrics;
    int skinHeight;
    int sideWidth;
    bool setsColours;
    std::uint32_t textColour;          // COLORREF, 0x00BBGGRR
    std::uint32_t disabledTextColour;  // COLORREF
};

ButtonStyleLook ButtonLookFor(int style);

struct ButtonSize {
    int width;
    int height;
};

// Style 4 is square at the skin height whatever is asked; the others keep the
// asked width but never narrower than both side pieces plus one centre
// column, at the skin height. Never negative.
ButtonSize ButtonSizeFor(int style, int askedWidth, int skinHeight, int sideWidth);

// The width asked of SetSize by fit-to-text: the caption plus `extra` free
// pixels and a side piece on each side (22 for style 4). Saturates instead of
// overflowing.
int FitToTextWidth(int style, int captionWidth, int extra, int sideWidth);

// Which of the three piece sets a paint draws: a hovered set only when the
// style supplies one (its hovered left piece loaded), otherwise normal.
enum ButtonPieceSet { kPiecesNormal = 0, kPiecesHovered = 1, kPiecesClicked = 2 };
ButtonPieceSet PieceSetFor(int visualState, bool hoveredAvailable);

// Resource names of the three pieces of styles 0 to 3; null for other styles.
struct ButtonPieceNames {
    const wchar_t* left;
    const wchar_t* right;
    const wchar_t* centre;
};
ButtonPieceNames ButtonPieceResources(int style, ButtonPieceSet set);

// Style 5 piece numbers of SetSkinFile: left, right, centre of one set.
struct ButtonPieceNumbers {
    int left;
    int right;
    int centre;
};
ButtonPieceNumbers CustomPieceNumbers(ButtonPieceSet set);
constexpr int kCustomPieceCount = 9;

// The face of the round icon style in a visual state.
const wchar_t* RoundIconFace(int visualState);

// The built-in icon of an index, grey when disabled; null outside 0 to 7.
const wchar_t* RoundIconName(int index, bool enabled);
// What a screen reader calls a button showing that icon; null outside 0 to 7.
const wchar_t* RoundIconDescription(int index);

struct ButtonPoint {
    int x;
    int y;
};

// Where the round style's icon is blended: it sinks by one pixel when pressed.
ButtonPoint RoundIconPosition(int visualState);

// Which icon a paint shows, from the icons that loaded.
enum ButtonIconChoice { kNoIcon, kNormalIcon, kDisabledIcon, kClickedIcon };
struct HeldIcons {
    bool normal;
    bool disabled;
    bool clicked;
};
ButtonIconChoice ChooseButtonIcon(int style, bool enabled, int visualState, bool checked,
                                  HeldIcons held);

struct ButtonRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ButtonTextMargins {
    int top;
    int left;
    int bottom;
    int right;
};

// The client rectangle narrowed by the margins on the sides the alignments
// push the caption towards (both sides when centred).
ButtonRect CaptionRect(ButtonRect client, int horizontalAlignment, int verticalAlignment,
                       ButtonTextMargins margins);

// --- Mouse ---------------------------------------------------------------

// CaptureLost: another window took the mouse capture during a press.
enum class ButtonMouseEvent { Move, Press, Release, DoubleClick, Leave, CaptureLost };

struct ButtonOptions {
    bool enabled = true;
    bool toggleMode = false;
    bool keepChecked = false;
    bool notifyOnPress = false;
    bool notifyOnReleaseOutside = false;
    bool pressOnDragIn = true;
};

struct ButtonMouseInput {
    ButtonMouseEvent event;
    bool inside;      // the cursor is within the client rectangle (moves, releases)
    bool leftHeld;    // MK_LBUTTON in wParam (moves)
    bool hasCapture;  // the button holds the mouse capture
};

struct ButtonMouseState {
    int visualState;
    bool checked;
};

struct ButtonMouseResult {
    ButtonMouseState next;
    bool notify;          // send the click notification to the parent
    bool redraw;          // repaint (when visible)
    bool capture;         // take the mouse capture
    bool releaseCapture;  // give the mouse capture back
};

ButtonMouseResult ButtonMouseStep(const ButtonOptions& options, ButtonMouseState current,
                                  const ButtonMouseInput& input);

}  // namespace vo
