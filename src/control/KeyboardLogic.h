#pragma once
// Platform-free rules of keyboard use shared by every control: the keyboard
// cue state a top-level window keeps (whether the focus cue is hidden), how
// the cue-state messages change it, and the key that activates a button.
#include <cstdint>

namespace vo {

// Flags of the state, with the values the platform's UISF_ names carry.
enum UiStateFlag : std::uint16_t {
    kUiHideFocus = 0x1,
    kUiHideAccelerators = 0x2,
    kUiActive = 0x4,
};

// Actions of a change, with the values of the platform's UIS_ names.
enum UiStateAction : std::uint16_t {
    kUiSet = 1,
    kUiClear = 2,
    kUiInitialize = 3,
};

// A window nobody has used the keyboard in yet hides its cues, as one shown
// to a mouse user does: a click never shows a focus cue until a key has.
constexpr std::uint16_t kInitialUiState = kUiHideFocus | kUiHideAccelerators;

// The state after a change: set adds the flags, clear removes them,
// initialize puts them back to how they start. Unknown actions and flags
// change nothing.
std::uint16_t ApplyUiStateChange(std::uint16_t state, std::uint16_t action, std::uint16_t flags);

enum class KeyEdge { None, Pressed, Released };

// One activation key held on a control, as a mouse button is: the press
// comes with its first key-down (not the repeats), the click with the key-up
// that ends it; other keys are nothing to it.
class HeldKey {
public:
    explicit HeldKey(unsigned key) : key_(key) {}

    KeyEdge Take(bool down, unsigned key);
    // The press ends without a click (the focus went elsewhere, so its up
    // will not come here): true when the key was held.
    bool Cancel();
    bool Held() const { return held_; }

private:
    unsigned key_;
    bool held_ = false;
};

}  // namespace vo
