#include <gtest/gtest.h>

#include "app/Placement.h"
#include "window/GradientLogic.h"
#include "window/HandleRegistry.h"
#include "window/MessageMap.h"

namespace {

using Result = long;
using WParam = unsigned long;
using LParam = long;

struct Base {
    Result OnBase(std::uint32_t, WParam, LParam) { return 1; }
};

struct Handlers : Base {
    Result First(std::uint32_t message, WParam, LParam) { return 100 + static_cast<Result>(message); }
    Result Second(std::uint32_t, WParam, LParam) { return 200; }
    Result Echo(std::uint32_t, WParam w, LParam l) { return static_cast<Result>(w) * 1000 + l; }
};

// A subclass map in front of a base map in front of the default, as the
// windows chain them.
struct Chain {
    Handlers object;
    MessageMap<Handlers, Result, WParam, LParam> own;
    MessageMap<Handlers, Result, WParam, LParam> base;
    Result Dispatch(std::uint32_t message) {
        Result result = 0;
        if (own.Dispatch(object, message, 0, 0, result)) return result;
        if (base.Dispatch(object, message, 0, 0, result)) return result;
        return -1;  // the default handler
    }
};

}  // namespace

TEST(MessageMap, InsertNeverReplacesAnEntry) {
    MessageMap<Handlers, Result, WParam, LParam> map;
    Handlers object;
    EXPECT_TRUE(map.Insert(15, &Handlers::First));
    EXPECT_FALSE(map.Insert(15, &Handlers::Second));
    Result result = 0;
    ASSERT_TRUE(map.Dispatch(object, 15, 0, 0, result));
    EXPECT_EQ(result, 115);
    EXPECT_EQ(map.Size(), 1u);
}

TEST(MessageMap, OwnMapThenBaseMapThenDefault) {
    Chain chain;
    chain.own.Insert(2, &Handlers::Second);
    chain.base.Insert(2, &Handlers::First);
    chain.base.Insert(3, &Handlers::First);
    EXPECT_EQ(chain.Dispatch(2), 200);  // the base never sees a message the subclass handles
    EXPECT_EQ(chain.Dispatch(3), 103);
    EXPECT_EQ(chain.Dispatch(4), -1);
}

TEST(MessageMap, PassesParametersAndResultUnchanged) {
    MessageMap<Handlers, Result, WParam, LParam> map;
    Handlers object;
    map.Insert(0x0201, &Handlers::Echo);
    Result result = 0;
    ASSERT_TRUE(map.Dispatch(object, 0x0201, 7, -3, result));
    EXPECT_EQ(result, 6997);
}

TEST(HandleRegistry, KeepsTheFirstObjectAndRoutesUnknownHandlesToTheFallback) {
    HandleRegistry<const void*, int> registry;
    int a = 1, b = 2;
    const void* handle = &a;
    EXPECT_TRUE(registry.Insert(handle, &a));
    EXPECT_FALSE(registry.Insert(handle, &b));
    EXPECT_EQ(registry.Find(handle), &a);
    auto route = [&](const void* h) {
        return registry.Route(h, [](int& object) { return object; }, [] { return -1; });
    };
    EXPECT_EQ(route(handle), 1);
    EXPECT_EQ(route(&b), -1);
    EXPECT_TRUE(registry.Erase(handle));
    EXPECT_FALSE(registry.Erase(handle));
    EXPECT_EQ(route(handle), -1);
    registry.Insert(&b, nullptr);
    EXPECT_EQ(route(&b), -1);  // a null object is not routed to
}

TEST(Placement, ThreeWindowsFormAnLAroundTheCentre) {
    const auto places = vo::PlaceInL(1920, 1080, {370, 340}, {370, 340}, {370, 340});
    EXPECT_EQ(places[0], (vo::ScreenPoint{590, 200}));
    EXPECT_EQ(places[1], (vo::ScreenPoint{960, 200}));
    EXPECT_EQ(places[2], (vo::ScreenPoint{590, 540}));
}

TEST(Placement, OddScreensTruncateTheHalvesAndSmallScreensGoNegative) {
    const auto odd = vo::PlaceInL(1025, 769, {370, 340}, {200, 340}, {370, 100});
    EXPECT_EQ(odd[0], (vo::ScreenPoint{142, 44}));
    EXPECT_EQ(odd[1], (vo::ScreenPoint{342, 44}));
    EXPECT_EQ(odd[2], (vo::ScreenPoint{142, 144}));
    const auto small = vo::PlaceInL(640, 480, {370, 340}, {370, 340}, {370, 340});
    EXPECT_EQ(small[0], (vo::ScreenPoint{-50, -100}));
}

TEST(BackgroundRequest, AnsweredPerGradientMode) {
    EXPECT_TRUE(vo::AnswersBackgroundRequest(0, vo::kGradientHorizontal));
    EXPECT_TRUE(vo::AnswersBackgroundRequest(0, vo::kGradientVertical));
    EXPECT_TRUE(vo::AnswersBackgroundRequest(1, vo::kGradientHorizontal));
    EXPECT_FALSE(vo::AnswersBackgroundRequest(1, vo::kGradientVertical));
    EXPECT_FALSE(vo::AnswersBackgroundRequest(2, vo::kGradientHorizontal));
    EXPECT_TRUE(vo::AnswersBackgroundRequest(2, vo::kGradientVertical));
    EXPECT_FALSE(vo::AnswersBackgroundRequest(3, vo::kGradientHorizontal));
    EXPECT_FALSE(vo::AnswersBackgroundRequest(-1, vo::kGradientVertical));
}

TEST(Gradient, InterpolatesEachChannelBetweenTheEnds) {
    EXPECT_EQ(vo::InterpolateColour(0xC8C8C8, 0xE6E6E6, 0, 367), 0xC8C8C8u);
    EXPECT_EQ(vo::InterpolateColour(0xC8C8C8, 0xE6E6E6, 367, 367), 0xE6E6E6u);
    EXPECT_EQ(vo::InterpolateColour(0xC8C8C8, 0xE6E6E6, 183, 366), 0xD7D7D7u);
    EXPECT_EQ(vo::InterpolateColour(0x0000FF, 0xFF0000, 1, 2), 0x7F0080u);  // toward the start
    EXPECT_EQ(vo::InterpolateColour(0x102030, 0x405060, 5, 0), 0x102030u);  // no extent
    EXPECT_EQ(vo::VertexChannel(0xC8), 0xC800);
}
