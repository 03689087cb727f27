#pragma once
// Platform-free rules of the text box: its notification numbers, the inset
// of the hosted editor, the wheel steps it reports, the keys after which an
// emptied editor is repainted, and what each context-menu item does.
#include <cstdint>

namespace vo {

constexpr int kTextBoxKindCode = 5;
// WM_COMMAND wParam values the parent receives (no control identifier).
constexpr std::uintptr_t kTextBoxChanging = 1000;
constexpr std::uintptr_t kTextBoxWheel = 1001;
constexpr std::uintptr_t kTextBoxChanged = 1002;
// The editor's repaint after a deletion that may have emptied it.
constexpr unsigned kTextBoxRepaintTimer = 1;
constexpr unsigned kTextBoxRepaintDelayMs = 200;
constexpr int kTextBoxInset = 2;

struct InnerSize {
    int width;
    int height;
};

// The editor fills the text box but a frame of the inset on every side;
// never negative.
InnerSize TextBoxEditorSize(int width, int height);

// Whole notches of a wheel delta, positive when the wheel turns toward the
// user (a negative delta); a partial notch counts as none.
int TextBoxWheelSteps(int wheelDelta);

// Backspace, Delete, or X with Ctrl held: the text may now be empty.
bool StartsEmptyRepaint(unsigned key, bool ctrl);

enum class TextBoxCommand { None, Cut, Copy, Paste, Delete, SelectAll };

// The context-menu item a command number stands for.
TextBoxCommand TextBoxMenuCommand(int command);

}  // namespace vo
