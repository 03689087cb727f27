#pragma once
// Platform-free rules of the check box and the radio button: the visual
// states and their mouse transitions, which skin piece each state shows, the
// size rules, the fit-to-text arithmetic and where the box sits.
#include <cstdint>

namespace vo {

// The two toggles differ only in their pieces, in how far the skin source is
// honoured, and in what a click on a checked control does.
enum class ToggleKind { CheckBox, RadioButton };

// Visual states; they double as indices into the piece table.
enum ToggleVisualState {
    kToggleChecked = 0,
    kToggleCheckedPressed = 1,
    kToggleUnchecked = 2,
    kToggleUncheckedPressed = 3,
};

constexpr int kToggleKindCode = 7;
constexpr int kToggleDefaultBoxSize = 10;
constexpr int kToggleDefaultGap = 6;
constexpr int kToggleMinimumWidth = 16;
constexpr int kToggleInitialHeight = 10;
constexpr int kTogglePieceCount = 4;
// Notification codes in the high word of WM_COMMAND's wParam.
constexpr std::uint16_t kToggleBecameChecked = 0;
constexpr std::uint16_t kToggleBecameUnchecked = 2;

struct ToggleModel {
    int visualState = kToggleUnchecked;
    bool checked = false;
    // A press began on the control and its button has not come up yet.
    bool pressing = false;
};

struct ToggleNotice {
    bool send = false;
    std::uint16_t code = 0;
};

bool IsPressedState(int visualState);

// Checked shows piece 0, unchecked piece 2 (the unpressed pictures); a
// press in progress goes on and may still end in a click.
void SetToggleChecked(ToggleModel& model, bool checked);

// Left button down on the control: 2 -> 3, 0 -> 1, a pressed state stays.
void PressToggle(ToggleModel& model);

// Pointer moved. Leaving the control with the button held drops the pressed
// look (3 -> 2, 1 -> 0); moving inside with any button or key flag set
// (`anyFlag`) shows it, also when the press began elsewhere, so that a
// release inside then clicks.
void MoveToggle(ToggleModel& model, bool inside, bool anyFlag);

// Left button up. Inside: 3 -> 0 (notice 0); 1 -> 2 for a check box (notice
// 2), 1 -> 0 with no notice for a radio button. Outside: the pressed look is
// dropped and the check state stays as it was before the press.
ToggleNotice ReleaseToggle(ToggleModel& model, ToggleKind kind, bool inside);

// The press ends without a click (capture taken away, control disabled).
void CancelTogglePress(ToggleModel& model);

// Index of the piece to draw: the state's own piece while enabled, the
// hovered piece of the check state while disabled; -1 for a state outside
// 0..3, which draws no box.
int TogglePieceIndex(int visualState, bool enabled);

enum class TogglePieceSource { Resources, Files, None };

// Check box: 0 resources, anything else files. Radio button: 0 resources,
// 1 files, anything else no box at all.
TogglePieceSource ResolveTogglePieceSource(ToggleKind kind, int skinSource);

struct ToggleSize {
    int width;
    int height;
};

// Construction: a width below 16 becomes 16; the height is 10.
ToggleSize InitialToggleSize(int width);

// A width below box + gap becomes box + gap; a height of 0 (or less) becomes
// the box size.
ToggleSize ApplyToggleSizeRule(int width, int height, int boxSize, int gap);

struct ToggleFit {
    ToggleSize size;
    int gap;
};

// Fit to a measured caption: gap back to 6, height = max(measured height +
// external leading, current height), width = box + measured width + 6, then
// the size rule.
ToggleFit FitToggleToText(int measuredWidth, int measuredHeight, int externalLeading,
                          int currentHeight, int boxSize);

// Top of the box: centred on signed values, so a box taller than the
// control overhangs both edges by the same amount.
int ToggleBoxTop(int height, int boxSize);

// Left edge of the caption's rectangle.
int ToggleCaptionLeft(int boxSize, int gap);

}  // namespace vo
