#pragma once
// A seeded storm of random input for a control: mouse moves, button presses
// and releases (with double clicks), wheel, keys, characters, timers and focus
// changes, sent as real messages to its window and pumped through the queue.
#include <windows.h>

#include <functional>

struct StormOptions {
    unsigned seed = 1;
    int messages = 2000;
    // Called every `checkEvery` messages and at the end: assert the control's
    // invariants there (indices within their ranges, no negative sizes).
    std::function<void()> checkInvariants;
    int checkEvery = 50;
};

// Returns false if the control's window died during the storm.
bool RunMessageStorm(HWND control, const StormOptions& options);
