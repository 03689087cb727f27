#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "widgets/range/ScrollBarLogic.h"

using vo::ScrollBarModel;
using vo::ScrollHit;
using vo::ScrollOrientation;

namespace {

constexpr unsigned Bit(int id) { return 1u << id; }
constexpr auto kBoth = {ScrollOrientation::Horizontal, ScrollOrientation::Vertical};

// A 260-pixel bar over 600 units with 100 visible, grip placed for `position`.
ScrollBarModel Bar(ScrollOrientation orientation = ScrollOrientation::Horizontal,
                   std::uint32_t position = 0) {
    ScrollBarModel model = vo::MakeScrollBar(orientation, 260);
    model.total = 600;
    model.page = 100;
    model.position = position;
    vo::UpdateGripSize(model);
    vo::UpdateGripPosition(model);
    return model;
}

std::tuple<int, int, int> Grip(const ScrollBarModel& m) {
    return {m.gripOffset, m.gripLength, m.travel};
}

// What a press or timer asks of the window: key sent, timer set and its delay.
std::tuple<int, int, int> Step(const vo::ScrollEffects& e) {
    return {e.sendKey, e.startTimer, e.timerDelay};
}

}  // namespace

TEST(ScrollBarGeometry, SixHundredOverOneHundredOnA260PixelBar) {
    for (auto orientation : kBoth) {
        ScrollBarModel model = Bar(orientation);
        EXPECT_EQ(model.trackLength, 224);
        EXPECT_EQ(model.maximumGripLength, 201);
        EXPECT_EQ(Grip(model), std::make_tuple(17, 37, 187));  // overlaps the arrow by 1
        model.position = 500;
        vo::UpdateGripPosition(model);
        EXPECT_EQ(model.gripOffset, 18 + 187);
        model.position = 250;
        vo::UpdateGripPosition(model);
        EXPECT_EQ(model.gripOffset, 18 + 93);
    }
}

TEST(ScrollBarGeometry, GripLimitsAndRangesThatCannotBeDividedBy) {
    ScrollBarModel model = Bar();
    model.page = 1;
    vo::UpdateGripSize(model);
    EXPECT_EQ(model.gripLength, 20);
    model.total = 1;
    model.page = UINT32_MAX;
    vo::UpdateGripSize(model);
    EXPECT_EQ(Grip(model), std::make_tuple(17, 201, 23));

    model.total = model.page = 0;
    model.position = 55;
    vo::UpdateGripSize(model);
    vo::UpdateGripPosition(model);
    EXPECT_EQ(Grip(model), std::make_tuple(17, 20, 204));
    model.total = 100;
    model.page = 300;
    vo::ScrollBarKey(model, vo::kScrollKeyDown);
    EXPECT_EQ(model.position, 0u);
    EXPECT_EQ(model.gripOffset, 17);
}

TEST(ScrollBarGeometry, SettingARangeKeepsThePositionInsideIt) {
    ScrollBarModel model = vo::MakeScrollBar(ScrollOrientation::Horizontal, 260);
    vo::SetScrollRange(model, 600, 100, 900);
    EXPECT_EQ(model.position, 500u);
    EXPECT_EQ(Grip(model), std::make_tuple(205, 37, 187));
    vo::SetScrollRange(model, 100, 300, 50);
    EXPECT_EQ(model.position, 0u);
    EXPECT_EQ(Grip(model), std::make_tuple(17, 201, 23));
}

TEST(ScrollBarGeometry, OutOfRangeFieldsStayInsideTheTrack) {
    ScrollBarModel model = Bar();
    model.position = UINT32_MAX;  // assigned directly, beyond total - page
    vo::UpdateGripPosition(model);
    EXPECT_EQ(model.gripOffset, 205);
    // A track shorter than the minimum grip: the grip fills it, travel is 0,
    // and a drag gives position 0 instead of dividing by zero.
    model.trackLength = 12;
    vo::UpdateGripSize(model);
    EXPECT_EQ(model.gripLength, 12);
    EXPECT_EQ(model.travel, 0);
    model.gripOffset = 30;
    vo::PixelsToPosition(model);
    EXPECT_EQ(model.position, 0u);
}

TEST(ScrollBarSize, MinimumLengthsAndAFixedThickness) {
    ScrollBarModel horizontal = Bar();
    horizontal.gripOffset = 111;
    auto size = vo::ScrollBarSetSize(horizontal, 10, 99);
    EXPECT_EQ(std::tie(size.width, size.height), std::make_tuple(64, 21));
    EXPECT_EQ(horizontal.trackLength, 28);
    EXPECT_EQ(horizontal.maximumGripLength, 25);
    EXPECT_EQ(horizontal.gripOffset, 111);  // the caller updates the position
    ScrollBarModel vertical = Bar(ScrollOrientation::Vertical);
    size = vo::ScrollBarSetSize(vertical, 99, 10);
    EXPECT_EQ(std::tie(size.width, size.height), std::make_tuple(21, 72));
    EXPECT_EQ(vertical.trackLength, 36);
    // 13-pixel buttons of the file skins.
    vertical.buttonWidth = vertical.buttonHeight = 13;
    size = vo::ScrollBarSetSize(vertical, 0, 0);
    EXPECT_EQ(std::tie(size.width, size.height), std::make_tuple(13, 52));
}

TEST(ScrollBarKeys, StepsClampSaturateAndAlwaysNotify) {
    ScrollBarModel model = Bar();
    EXPECT_TRUE(vo::ScrollBarKey(model, vo::kScrollKeyDown).notify);  // line step 0
    EXPECT_EQ(model.position, 0u);
    model.lineStep = 30;
    vo::ScrollBarKey(model, vo::kScrollKeyDown);
    EXPECT_EQ(model.position, 30u);
    EXPECT_EQ(model.gripOffset, 18 + 11);
    model.lineStep = 40;
    vo::ScrollBarKey(model, vo::kScrollKeyUp);
    EXPECT_EQ(model.position, 0u);
    model.position = 490;
    vo::ScrollBarKey(model, vo::kScrollKeyDown);
    EXPECT_TRUE(vo::ScrollBarKey(model, vo::kScrollKeyDown).notify);
    EXPECT_EQ(model.position, 500u);

    model.total = UINT32_MAX;
    model.page = 0;
    model.position = UINT32_MAX - 5;
    model.lineStep = 10;
    vo::ScrollBarKey(model, vo::kScrollKeyDown);
    EXPECT_EQ(model.position, UINT32_MAX);  // not wrapped round to 4
    model.position = 70000;
    EXPECT_EQ(vo::ScrollBarNotificationValue(model), 4464);
}

TEST(ScrollBarPress, HitTestWithTheResourceInset) {
    ScrollBarModel model = Bar();  // grip 17 .. 54
    EXPECT_EQ(vo::ScrollBarHitTest(model, 30, 16), ScrollHit::Grip);
    EXPECT_EQ(vo::ScrollBarHitTest(model, 30, 3), ScrollHit::None);
    EXPECT_EQ(vo::ScrollBarHitTest(model, 30, 17), ScrollHit::None);
    EXPECT_EQ(vo::ScrollBarHitTest(model, 54, 10), ScrollHit::None);  // closed span for paging
    EXPECT_EQ(vo::ScrollBarHitTest(model, 55, 10), ScrollHit::TrackAfter);
    EXPECT_EQ(vo::ScrollBarHitTest(model, 242, 10), ScrollHit::SecondArrow);
    EXPECT_EQ(vo::ScrollBarHitTest(model, 16, 0), ScrollHit::FirstArrow);
    model.skinSource = 1;
    EXPECT_EQ(vo::ScrollBarHitTest(model, 30, 0), ScrollHit::Grip);

    ScrollBarModel vertical = Bar(ScrollOrientation::Vertical, 500);  // grip 205 .. 242
    EXPECT_EQ(vo::ScrollBarHitTest(vertical, 10, 100), ScrollHit::TrackBefore);
    EXPECT_EQ(vo::ScrollBarHitTest(vertical, 10, 210), ScrollHit::Grip);
    EXPECT_EQ(vo::ScrollBarHitTest(vertical, 20, 210), ScrollHit::None);
}

TEST(ScrollBarPress, ArrowsStepAtOnceAndRepeatOnTheirTimers) {
    ScrollBarModel model = Bar();
    EXPECT_EQ(Step(vo::ScrollBarPress(model, 5, 10)), std::make_tuple(vo::kScrollKeyUp, 1, 400));
    EXPECT_EQ(model.state, vo::kScrollFirstArrowHeld);
    const int keys[] = {vo::kScrollKeyUp, vo::kScrollKeyDown, vo::kScrollKeyPageUp,
                        vo::kScrollKeyPageDown};
    const int holders[] = {vo::kScrollFirstArrowHeld, vo::kScrollSecondArrowHeld, vo::kScrollPaging,
                           vo::kScrollPaging};
    for (int id = 1; id <= 4; ++id) {
        ScrollBarModel held = Bar();
        held.state = holders[id - 1];
        EXPECT_EQ(Step(vo::ScrollBarTimer(held, id)), std::make_tuple(keys[id - 1], id, 100));
        EXPECT_EQ(vo::ScrollBarTimer(held, id).killTimers, Bit(id));
    }
    EXPECT_EQ(Step(vo::ScrollBarTimer(model, 5)), std::make_tuple(0, 0, 0));
    auto effects = vo::ScrollBarRelease(model);
    EXPECT_EQ(effects.killTimers, Bit(1));
    EXPECT_TRUE(effects.notify);
    EXPECT_EQ(model.state, vo::kScrollIdle);
    EXPECT_EQ(Step(vo::ScrollBarPress(model, 250, 10)),
              std::make_tuple(vo::kScrollKeyDown, 2, 400));
}

TEST(ScrollBarPress, APressAfterAMissedReleaseEndsTheRepeat) {
    ScrollBarModel model = Bar();
    vo::ScrollBarPress(model, 5, 10);
    auto effects = vo::ScrollBarPress(model, 150, 10);  // on the track, still in state 1
    EXPECT_EQ(effects.killTimers, Bit(1));
    EXPECT_EQ(effects.sendKey, 0);
    EXPECT_EQ(model.state, vo::kScrollIdle);
    // Pressing the grip starts a drag; the old repeat must not outlive it.
    vo::ScrollBarPress(model, 150, 10);
    EXPECT_EQ(vo::ScrollBarPress(model, 30, 10).killTimers, Bit(3) | Bit(4));
    EXPECT_EQ(model.state, vo::kScrollDragging);
}

TEST(ScrollBarPress, TrackPressPagesTowardThePointAndStopsUnderIt) {
    ScrollBarModel model = Bar();
    EXPECT_EQ(Step(vo::ScrollBarPress(model, 200, 10)),
              std::make_tuple(vo::kScrollKeyPageDown, 4, 400));
    EXPECT_EQ(model.state, vo::kScrollPaging);
    for (std::uint32_t position : {100u, 200u, 300u, 400u, 400u, 400u}) {
        EXPECT_TRUE(vo::ScrollBarKey(model, vo::kScrollKeyPageDown).notify);
        EXPECT_EQ(model.position, position);
    }
    EXPECT_EQ(model.gripOffset, 167);  // 167 .. 204 covers 200
    EXPECT_EQ(vo::ScrollBarRelease(model).killTimers, Bit(3) | Bit(4));

    EXPECT_EQ(Step(vo::ScrollBarPress(model, 60, 10)),
              std::make_tuple(vo::kScrollKeyPageUp, 3, 400));
    for (std::uint32_t position : {300u, 200u, 100u, 100u}) {
        vo::ScrollBarKey(model, vo::kScrollKeyPageUp);
        EXPECT_EQ(model.position, position);
    }
}

TEST(ScrollBarDrag, FollowsThePointerAndClampsOutsideTheControl) {
    for (auto orientation : kBoth) {
        const bool horizontal = orientation == ScrollOrientation::Horizontal;
        ScrollBarModel model = Bar(orientation);
        // Moves along the axis; returns whether the parent hears of it.
        auto move = [&](int along) {
            return (horizontal ? vo::ScrollBarMove(model, along, 10)
                               : vo::ScrollBarMove(model, 10, along))
                .notify;
        };
        vo::ScrollBarPress(model, horizontal ? 30 : 10, horizontal ? 10 : 30);
        ASSERT_EQ(model.state, vo::kScrollDragging);
        EXPECT_TRUE(move(40));
        EXPECT_EQ(std::tie(model.gripOffset, model.position), std::make_tuple(27, 24u));
        EXPECT_FALSE(move(40));
        EXPECT_TRUE(move(1000));
        EXPECT_EQ(std::tie(model.gripOffset, model.position), std::make_tuple(205, 500u));
        EXPECT_FALSE(move(3000));
        EXPECT_TRUE(move(-500));
        EXPECT_EQ(std::tie(model.gripOffset, model.position), std::make_tuple(17, 0u));
        EXPECT_FALSE(move(-900));
    }
}

TEST(ScrollBarWheel, NotchesTimesWheelLinesUntilAnEnd) {
    ScrollBarModel model = Bar(ScrollOrientation::Horizontal, 250);
    auto plan = vo::ScrollBarWheelPlan(model, -120);
    EXPECT_EQ(std::tie(plan.key, plan.count), std::make_tuple(vo::kScrollKeyDown, 2));
    EXPECT_EQ(vo::ScrollBarWheelPlan(model, 119).count, 0);
    // Two notches away from the user: four steps planned, the fourth not sent.
    model.lineStep = 100;
    plan = vo::ScrollBarWheelPlan(model, 240);
    EXPECT_EQ(std::tie(plan.key, plan.count), std::make_tuple(vo::kScrollKeyUp, 4));
    int sent = 0;
    for (int i = 0; i < plan.count && vo::ScrollBarWheelMayStep(model, plan.key); ++i, ++sent)
        vo::ScrollBarKey(model, plan.key);
    EXPECT_EQ(sent, 3);
    EXPECT_EQ(model.position, 0u);
}

TEST(ScrollBarPaint, TheHorizontalSecondArrowLeavesTheLastColumn) {
    ScrollBarModel model = Bar();
    model.state = vo::kScrollDragging;
    const auto layout = vo::ScrollBarPaint(model);
    EXPECT_EQ(std::tie(layout.secondArrowAt, layout.trackCount, layout.gripBodyPiece),
              std::make_tuple(241, 224, 8));
    EXPECT_EQ(vo::ScrollBarPaint(Bar(ScrollOrientation::Vertical)).secondArrowAt, 242);
}

TEST(ScrollBarPress, ATimerTheStateDoesNotHoldIsKilledWithoutAStep) {
    ScrollBarModel model = Bar();
    for (int id = 1; id <= 4; ++id) {  // idle: a stray WM_TIMER must not start a repeat
        const auto effects = vo::ScrollBarTimer(model, id);
        EXPECT_EQ(Step(effects), std::make_tuple(0, 0, 0));
        EXPECT_EQ(effects.killTimers, Bit(id));
    }
    model.state = vo::kScrollFirstArrowHeld;
    EXPECT_EQ(Step(vo::ScrollBarTimer(model, 2)), std::make_tuple(0, 0, 0));

    // A capture taken away ends the press without the release's notification.
    model.state = vo::kScrollPaging;
    auto lost = vo::ScrollBarCaptureLost(model);
    EXPECT_EQ(lost.killTimers, Bit(3) | Bit(4));
    EXPECT_FALSE(lost.notify);
    EXPECT_TRUE(lost.redraw);
    EXPECT_EQ(model.state, vo::kScrollIdle);
    EXPECT_FALSE(vo::ScrollBarCaptureLost(model).redraw);
}
