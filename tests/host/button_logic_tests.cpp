#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "widgets/buttons/ButtonLogic.h"

namespace {

using vo::ButtonMouseEvent;

// Drives the state machine the way the window's messages would, keeping the
// capture the way the platform does.
struct Driver {
    vo::ButtonOptions options;
    vo::ButtonMouseState state{vo::kButtonIdle, false};
    bool captured = false;
    int notifications = 0;

    vo::ButtonMouseResult Step(ButtonMouseEvent event, bool inside = true, bool leftHeld = false) {
        const auto result = vo::ButtonMouseStep(options, state, {event, inside, leftHeld, captured});
        state = result.next;
        if (result.capture) captured = true;
        if (result.releaseCapture) captured = false;
        notifications += result.notify ? 1 : 0;
        return result;
    }
    void Click() {
        Step(ButtonMouseEvent::Press);
        Step(ButtonMouseEvent::Release);
    }
};

std::wstring Name(const wchar_t* name) { return name == nullptr ? L"(none)" : name; }

}  // namespace

TEST(ButtonStyles, MetricsAndColoursPerStyle) {
    const auto normal = vo::ButtonLookFor(vo::kButtonNormal);
    EXPECT_EQ(normal.skinHeight, 21);
    EXPECT_EQ(normal.sideWidth, 8);
    EXPECT_EQ(normal.textColour, 0x000000u);
    EXPECT_EQ(normal.disabledTextColour, 0x575757u);
    const auto round = vo::ButtonLookFor(vo::kButtonRound);
    EXPECT_EQ(round.skinHeight, 19);
    EXPECT_EQ(round.sideWidth, 11);
    for (int style : {vo::kButtonGreen, vo::kButtonRed}) {
        const auto look = vo::ButtonLookFor(style);
        EXPECT_EQ(look.skinHeight, 23);
        EXPECT_EQ(look.sideWidth, 7);
        EXPECT_EQ(look.textColour, 0xFFFFFFu);
        EXPECT_EQ(look.disabledTextColour, 0xC8C8C8u);
    }
    const auto icon = vo::ButtonLookFor(vo::kButtonRoundIcon);
    EXPECT_TRUE(icon.setsMetrics);
    EXPECT_EQ(icon.skinHeight, 22);
    EXPECT_EQ(icon.sideWidth, 22);
    EXPECT_FALSE(icon.setsColours);
    // The custom style and unknown codes leave everything to the owner.
    for (int style : {static_cast<int>(vo::kButtonCustom), 6, -1}) {
        EXPECT_FALSE(vo::ButtonLookFor(style).setsMetrics);
        EXPECT_FALSE(vo::ButtonLookFor(style).setsColours);
    }
}

TEST(ButtonSize, MinimumWidthSkinHeightAndTheSquareRoundIcon) {
    const auto normal = vo::ButtonSizeFor(vo::kButtonNormal, 10, 21, 8);
    EXPECT_EQ(normal.width, 17);
    EXPECT_EQ(normal.height, 21);
    EXPECT_EQ(vo::ButtonSizeFor(vo::kButtonNormal, 120, 21, 8).width, 120);
    EXPECT_EQ(vo::ButtonSizeFor(vo::kButtonRound, 1, 19, 11).width, 23);
    for (int asked : {0, 10, 100, -5}) {
        const auto size = vo::ButtonSizeFor(vo::kButtonRoundIcon, asked, 22, 22);
        EXPECT_EQ(size.width, 22) << asked;
        EXPECT_EQ(size.height, 22) << asked;
    }
    // Owner-set metrics never give negative or overflowing sizes.
    const auto negative = vo::ButtonSizeFor(vo::kButtonCustom, -40, -20, -9);
    EXPECT_EQ(negative.width, 1);
    EXPECT_EQ(negative.height, 0);
    EXPECT_EQ(vo::ButtonSizeFor(vo::kButtonCustom, 10, 20, INT_MAX).width, INT_MAX);
}

TEST(ButtonFitToText, CaptionPlusExtraAndSidesOnEachSide) {
    EXPECT_EQ(vo::FitToTextWidth(vo::kButtonNormal, 40, 5, 8), 66);
    EXPECT_EQ(vo::FitToTextWidth(vo::kButtonCustom, 100, 6, 2), 116);
    EXPECT_EQ(vo::FitToTextWidth(vo::kButtonRoundIcon, 300, 9, 22), 22);
    EXPECT_EQ(vo::FitToTextWidth(vo::kButtonNormal, INT_MAX, INT_MAX, 8), INT_MAX);
}

TEST(ButtonPieces, NamesAndNumbersPerStyleAndState) {
    const auto normal = vo::ButtonPieceResources(vo::kButtonNormal, vo::kPiecesNormal);
    EXPECT_EQ(Name(normal.left), L"Button_Normal_Left");
    EXPECT_EQ(Name(normal.right), L"Button_Normal_Right");
    EXPECT_EQ(Name(normal.centre), L"Button_Normal_Center");
    const auto clicked = vo::ButtonPieceResources(vo::kButtonRound, vo::kPiecesClicked);
    EXPECT_EQ(Name(clicked.left), L"Button_Round_Clicked_Left");
    EXPECT_EQ(Name(clicked.centre), L"Button_Round_Clicked_Center");
    EXPECT_EQ(Name(vo::ButtonPieceResources(vo::kButtonGreen, vo::kPiecesClicked).right),
              L"Button_Green_Clicked_Right");
    // No hovered resources exist: the normal ones stand in.
    EXPECT_EQ(Name(vo::ButtonPieceResources(vo::kButtonRed, vo::kPiecesHovered).left),
              L"Button_Red_Left");
    EXPECT_EQ(vo::ButtonPieceResources(vo::kButtonRoundIcon, vo::kPiecesNormal).left, nullptr);

    EXPECT_EQ(vo::PieceSetFor(vo::kButtonHovered, true), vo::kPiecesHovered);
    EXPECT_EQ(vo::PieceSetFor(vo::kButtonHovered, false), vo::kPiecesNormal);
    EXPECT_EQ(vo::PieceSetFor(vo::kButtonPressed, false), vo::kPiecesClicked);
    EXPECT_EQ(vo::CustomPieceNumbers(vo::kPiecesHovered).left, 3);
    EXPECT_EQ(vo::CustomPieceNumbers(vo::kPiecesClicked).centre, 8);
}

TEST(RoundIcon, FacesIconsAndTheOnePixelSink) {
    EXPECT_EQ(Name(vo::RoundIconFace(vo::kButtonIdle)), L"Button_Clicked_Round");
    EXPECT_EQ(Name(vo::RoundIconFace(vo::kButtonHovered)), L"Button_Clicked_Round");
    EXPECT_EQ(Name(vo::RoundIconFace(vo::kButtonPressed)), L"Button_Round");
    const wchar_t* enabled[] = {L"Button_Delete_Icon",   L"Button_Add_Icon",
                                L"Button_Schedule_Icon", L"Button_CountDown_Icon",
                                L"Button_Task_Icon",     L"Button_Cross_Icon",
                                L"Button_Refresh_Icon",  L"Button_Callendar_Icon"};
    const wchar_t* grey[] = {L"Button_Gray_Delete_Icon",   L"Button_Gray_Add_Icon",
                             L"Button_Gray_Schedule_Icon", L"Button_Gray_CountDown_Icon",
                             L"Button_Gray_Task_Icon",     L"Button_Gray_Cross_Icon",
                             L"Button_Gray_Refresh_Button", L"BUTTON_GRAY_CALLENDAR_ICON"};
    for (int index = 0; index < vo::kRoundIconCount; ++index) {
        EXPECT_EQ(Name(vo::RoundIconName(index, true)), enabled[index]);
        EXPECT_EQ(Name(vo::RoundIconName(index, false)), grey[index]);
    }
    for (int index : {-1, 8, INT_MAX, INT_MIN}) {
        EXPECT_EQ(vo::RoundIconName(index, true), nullptr);
        EXPECT_EQ(vo::RoundIconName(index, false), nullptr);
    }
    EXPECT_EQ(vo::RoundIconPosition(vo::kButtonIdle).x, 4);
    EXPECT_EQ(vo::RoundIconPosition(vo::kButtonIdle).y, 3);
    EXPECT_EQ(vo::RoundIconPosition(vo::kButtonHovered).y, 3);
    EXPECT_EQ(vo::RoundIconPosition(vo::kButtonPressed).x, 4);
    EXPECT_EQ(vo::RoundIconPosition(vo::kButtonPressed).y, 4);
}

TEST(ButtonIcons, ChoicePerStyleStateAndHeldIcons) {
    const vo::HeldIcons all{true, true, true};
    const int custom = vo::kButtonCustom;
    EXPECT_EQ(vo::ChooseButtonIcon(custom, true, vo::kButtonHovered, false, all), vo::kNormalIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(custom, true, vo::kButtonPressed, false, all), vo::kClickedIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(custom, true, vo::kButtonIdle, true, all), vo::kClickedIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(custom, false, vo::kButtonPressed, true, all), vo::kDisabledIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(custom, false, vo::kButtonIdle, false, {true, false, false}),
              vo::kNormalIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(custom, true, vo::kButtonPressed, false, {false, true, false}),
              vo::kNoIcon);
    // The round icon style loads only the icon matching the enabled flag.
    const int round = vo::kButtonRoundIcon;
    EXPECT_EQ(vo::ChooseButtonIcon(round, true, vo::kButtonIdle, true, {true, false, true}),
              vo::kNormalIcon);
    EXPECT_EQ(vo::ChooseButtonIcon(round, false, vo::kButtonIdle, false, {true, false, false}),
              vo::kNoIcon);
}

TEST(ButtonCaption, RectangleNarrowedOnTheAlignedSides) {
    const vo::ButtonRect client{0, 0, 100, 21};
    const vo::ButtonTextMargins margins{2, 5, 3, 7};
    auto same = [](vo::ButtonRect a, vo::ButtonRect b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(vo::CaptionRect(client, 1, 1, margins), {5, 2, 93, 18}));
    EXPECT_TRUE(same(vo::CaptionRect(client, 0, 0, margins), {5, 2, 100, 21}));
    EXPECT_TRUE(same(vo::CaptionRect(client, 2, 2, margins), {0, 0, 93, 18}));
}

TEST(ButtonMouse, HoveredPressedReleasedNotifiesOnceAndEndsIdle) {
    Driver button;
    button.Step(ButtonMouseEvent::Move);
    const auto press = button.Step(ButtonMouseEvent::Press);
    EXPECT_TRUE(press.capture);
    EXPECT_FALSE(press.notify);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    const auto release = button.Step(ButtonMouseEvent::Release);
    EXPECT_TRUE(release.releaseCapture);
    EXPECT_TRUE(release.notify);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_EQ(button.notifications, 1);
}

TEST(ButtonMouse, DragOutCancelsAndDragBackInRestores) {
    Driver button;
    button.Step(ButtonMouseEvent::Press);
    button.Step(ButtonMouseEvent::Move, false, true);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    button.Step(ButtonMouseEvent::Release, false);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_EQ(button.notifications, 0);
    EXPECT_FALSE(button.captured);

    button.Step(ButtonMouseEvent::Press);
    button.Step(ButtonMouseEvent::Move, false, true);
    button.Step(ButtonMouseEvent::Move, true, true);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    button.Step(ButtonMouseEvent::Release, true);
    EXPECT_EQ(button.notifications, 1);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
}

TEST(ButtonMouse, DragInWithoutPressOnDragInOnlyHovers) {
    Driver button;
    button.options.pressOnDragIn = false;
    button.Step(ButtonMouseEvent::Move, true, true);
    EXPECT_EQ(button.state.visualState, vo::kButtonHovered);
    button.options.pressOnDragIn = true;
    button.Step(ButtonMouseEvent::Leave);
    button.Step(ButtonMouseEvent::Move, true, true);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
}

TEST(ButtonMouse, NotifyOnPressAndOnReleaseOutside) {
    Driver onPress;
    onPress.options.notifyOnPress = true;
    EXPECT_TRUE(onPress.Step(ButtonMouseEvent::Press).notify);
    EXPECT_TRUE(onPress.Step(ButtonMouseEvent::Release).notify);
    EXPECT_EQ(onPress.notifications, 2);
    onPress.Step(ButtonMouseEvent::Press);
    EXPECT_FALSE(onPress.Step(ButtonMouseEvent::Release, false).notify);
    EXPECT_EQ(onPress.notifications, 3);

    Driver outside;
    outside.options.notifyOnReleaseOutside = true;
    outside.Step(ButtonMouseEvent::Press);
    outside.Step(ButtonMouseEvent::Move, false, true);
    EXPECT_TRUE(outside.Step(ButtonMouseEvent::Release, false).notify);
    EXPECT_EQ(outside.notifications, 1);
    EXPECT_EQ(outside.state.visualState, vo::kButtonIdle);
}

TEST(ButtonMouse, ToggleFlipsOnEveryPressAndDoubleClick) {
    Driver button;
    button.options.toggleMode = true;
    button.Click();
    EXPECT_TRUE(button.state.checked);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    EXPECT_EQ(button.notifications, 1);
    // Moving out or leaving keeps the checked look.
    button.Step(ButtonMouseEvent::Move, false);
    button.Step(ButtonMouseEvent::Leave, false);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    // The second click of a double click arrives as a double-click message.
    button.Step(ButtonMouseEvent::DoubleClick);
    button.Step(ButtonMouseEvent::Release);
    EXPECT_FALSE(button.state.checked);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_EQ(button.notifications, 2);
    button.Click();
    EXPECT_EQ(button.notifications, 3);
    EXPECT_TRUE(button.state.checked);
}

TEST(ButtonMouse, KeepCheckedMakesTheSecondPressDoNothing) {
    Driver button;
    button.options.toggleMode = true;
    button.options.keepChecked = true;
    button.Click();
    const auto second = button.Step(ButtonMouseEvent::Press);
    EXPECT_FALSE(second.notify);
    EXPECT_FALSE(second.redraw);
    EXPECT_TRUE(second.capture);  // the release still comes here and gives it back
    button.Step(ButtonMouseEvent::Release);
    EXPECT_FALSE(button.captured);
    EXPECT_TRUE(button.state.checked);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    EXPECT_EQ(button.notifications, 1);
}

TEST(ButtonMouse, DisabledIgnoresEveryEvent) {
    Driver button;
    button.options.enabled = false;
    button.options.toggleMode = true;
    for (auto event : {ButtonMouseEvent::Move, ButtonMouseEvent::Press,
                       ButtonMouseEvent::DoubleClick, ButtonMouseEvent::Release,
                       ButtonMouseEvent::Leave}) {
        const auto result = button.Step(event, true, true);
        EXPECT_FALSE(result.notify);
        EXPECT_FALSE(result.redraw);
        EXPECT_FALSE(result.capture);
    }
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_FALSE(button.state.checked);
}

TEST(ButtonMouse, DisablingMidPressStillGivesTheCaptureBack) {
    Driver button;
    button.options.notifyOnPress = true;
    button.Step(ButtonMouseEvent::Press);
    button.options.enabled = false;  // the parent disables it from the notification
    const auto release = button.Step(ButtonMouseEvent::Release);
    EXPECT_TRUE(release.releaseCapture);
    EXPECT_FALSE(release.notify);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_EQ(button.notifications, 1);
    // A release while another window holds the capture takes nothing from it.
    EXPECT_FALSE(button.Step(ButtonMouseEvent::Release).releaseCapture);
}

TEST(ButtonMouse, PressedLookWithNoCaptureEndsWhenTheMouseLeaves) {
    // Entered with the button held from elsewhere: no capture, so no move
    // outside will come to clear the look; the leave does.
    Driver button;
    button.Step(ButtonMouseEvent::Move, true, true);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    button.Step(ButtonMouseEvent::Leave, false);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    // With the capture, leaving keeps it: the captured moves decide.
    button.Step(ButtonMouseEvent::Press);
    button.Step(ButtonMouseEvent::Leave, false);
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
}

TEST(ButtonMouse, ToggleReleaseBringsTheLookBackToTheCheckedFlag) {
    Driver button;
    button.options.toggleMode = true;
    button.Step(ButtonMouseEvent::Move, true, true);  // drag-in shows the pressed look
    EXPECT_EQ(button.state.visualState, vo::kButtonPressed);
    const auto release = button.Step(ButtonMouseEvent::Release);
    EXPECT_FALSE(release.notify);
    EXPECT_FALSE(button.state.checked);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
}

TEST(ButtonMouse, LosingTheCaptureEndsAPressWithoutAClick) {
    Driver button;
    button.Step(ButtonMouseEvent::Press);
    button.captured = false;  // another window took the mouse
    const auto lost = button.Step(ButtonMouseEvent::CaptureLost);
    EXPECT_EQ(button.state.visualState, vo::kButtonIdle);
    EXPECT_TRUE(lost.redraw);
    EXPECT_FALSE(lost.notify);

    // A checked toggle keeps its pressed look; a hover is left alone.
    Driver toggle;
    toggle.options.toggleMode = true;
    toggle.Step(ButtonMouseEvent::Press);
    toggle.Step(ButtonMouseEvent::CaptureLost);
    EXPECT_EQ(toggle.state.visualState, vo::kButtonPressed);
    EXPECT_EQ(toggle.notifications, 1);  // the press; the loss sends nothing
    Driver hovered;
    hovered.Step(ButtonMouseEvent::Move);
    hovered.Step(ButtonMouseEvent::CaptureLost);
    EXPECT_EQ(hovered.state.visualState, vo::kButtonHovered);
}
