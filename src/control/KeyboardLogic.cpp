#include "control/KeyboardLogic.h"

namespace vo {

std::uint16_t ApplyUiStateChange(std::uint16_t state, std::uint16_t action, std::uint16_t flags) {
    const int known = flags & (kUiHideFocus | kUiHideAccelerators | kUiActive);
    switch (action) {
    case kUiSet: return static_cast<std::uint16_t>(state | known);
    case kUiClear: return static_cast<std::uint16_t>(state & ~known);
    case kUiInitialize:
        return static_cast<std::uint16_t>((state & ~known) | (kInitialUiState & known));
    default: return state;
    }
}

KeyEdge HeldKey::Take(bool down, unsigned key) {
    if (key != key_ || down == held_) return KeyEdge::None;
    held_ = down;
    return down ? KeyEdge::Pressed : KeyEdge::Released;
}

bool HeldKey::Cancel() {
    const bool was = held_;
    held_ = false;
    return was;
}

}  // namespace vo
