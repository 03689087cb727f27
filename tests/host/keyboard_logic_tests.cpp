// The keyboard-cue state changes and the held activation key.
#include <gtest/gtest.h>

#include "control/KeyboardLogic.h"

namespace {

TEST(KeyboardLogic, UiStateChangesFollowTheirAction) {
    struct Case {
        std::uint16_t state, action, flags, expected;
    };
    // Flag values: 1 hide focus, 2 hide accelerators, 4 active.
    const Case cases[] = {
        {3, 2, 1, 2},                // Tab shows the focus cue, the accelerators stay hidden
        {0, 1, 1, 1},                // set hides it again
        {2, 1, 1, 3}, {0, 2, 3, 0},  // clearing what is clear changes nothing
        {0, 3, 3, 3},                // initialize: back to hidden, as a window starts
        {4, 3, 1, 5},                // ...only for the flags named
        {0, 1, 8, 0},                // unknown flags and actions are ignored
        {1, 9, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vo::ApplyUiStateChange(c.state, c.action, c.flags), c.expected)
            << "state " << c.state << " action " << c.action << " flags " << c.flags;
    EXPECT_EQ(vo::kInitialUiState, 3) << "a new window hides both cues";
}

TEST(KeyboardLogic, HeldKeyPressesOnItsFirstDownAndClicksOnItsUp) {
    vo::HeldKey space(0x20);
    EXPECT_EQ(space.Take(false, 0x20), vo::KeyEdge::None) << "an up without its down";
    EXPECT_EQ(space.Take(true, 0x20), vo::KeyEdge::Pressed);
    EXPECT_EQ(space.Take(true, 0x20), vo::KeyEdge::None) << "a repeat";
    EXPECT_EQ(space.Take(false, 0x0D), vo::KeyEdge::None) << "another key";
    EXPECT_EQ(space.Take(false, 0x20), vo::KeyEdge::Released);
    EXPECT_FALSE(space.Cancel());
    space.Take(true, 0x20);
    EXPECT_TRUE(space.Cancel());
    EXPECT_EQ(space.Take(false, 0x20), vo::KeyEdge::None) << "a cancelled press clicks nothing";
}

}  // namespace
