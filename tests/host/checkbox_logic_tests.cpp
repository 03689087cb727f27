#include <gtest/gtest.h>

#include <climits>

#include "widgets/buttons/CheckBoxLogic.h"

using vo::ToggleKind;
using vo::ToggleModel;

namespace {

ToggleModel Model(int state, bool checked, bool pressing = false) {
    ToggleModel model;
    model.visualState = state;
    model.checked = checked;
    model.pressing = pressing;
    return model;
}

// Press then release inside: one click.
vo::ToggleNotice Click(ToggleModel& model, ToggleKind kind) {
    vo::PressToggle(model);
    return vo::ReleaseToggle(model, kind, true);
}

}  // namespace

TEST(ToggleStates, PressShowsThePressedPictureOfTheCheckState) {
    ToggleModel unchecked = Model(2, false);
    vo::PressToggle(unchecked);
    EXPECT_EQ(unchecked.visualState, 3);
    EXPECT_FALSE(unchecked.checked);
    EXPECT_TRUE(unchecked.pressing);

    ToggleModel checked = Model(0, true);
    vo::PressToggle(checked);
    EXPECT_EQ(checked.visualState, 1);
    EXPECT_TRUE(checked.checked);

    for (int pressed : {1, 3}) {
        ToggleModel model = Model(pressed, pressed == 1, true);
        vo::PressToggle(model);
        EXPECT_EQ(model.visualState, pressed);
    }
}

TEST(ToggleStates, ClicksOnACheckBoxAlternateWithCodesZeroAndTwo) {
    ToggleModel model;
    auto notice = Click(model, ToggleKind::CheckBox);
    EXPECT_TRUE(notice.send);
    EXPECT_EQ(notice.code, 0);
    EXPECT_EQ(model.visualState, 0);
    EXPECT_TRUE(model.checked);
    EXPECT_FALSE(model.pressing);

    notice = Click(model, ToggleKind::CheckBox);
    EXPECT_TRUE(notice.send);
    EXPECT_EQ(notice.code, 2);
    EXPECT_EQ(model.visualState, 2);
    EXPECT_FALSE(model.checked);
}

TEST(ToggleStates, ARadioButtonChecksOnceAndThenStaysSilent) {
    ToggleModel model;
    auto notice = Click(model, ToggleKind::RadioButton);
    EXPECT_TRUE(notice.send);
    EXPECT_EQ(notice.code, 0);
    EXPECT_EQ(model.visualState, 0);
    for (int i = 0; i < 3; ++i) {
        notice = Click(model, ToggleKind::RadioButton);
        EXPECT_FALSE(notice.send);
        EXPECT_EQ(model.visualState, 0);
        EXPECT_TRUE(model.checked);
    }
}

TEST(ToggleStates, DraggingOutAndReleasingKeepsTheStateBeforeThePress) {
    for (bool startChecked : {false, true}) {
        for (ToggleKind kind : {ToggleKind::CheckBox, ToggleKind::RadioButton}) {
            ToggleModel model = Model(startChecked ? 0 : 2, startChecked);
            vo::PressToggle(model);
            vo::MoveToggle(model, false, true);
            EXPECT_EQ(model.visualState, startChecked ? 0 : 2);
            EXPECT_EQ(model.checked, startChecked);
            EXPECT_TRUE(model.pressing);
            // Back inside with the button held: pressed again.
            vo::MoveToggle(model, true, true);
            EXPECT_EQ(model.visualState, startChecked ? 1 : 3);
            vo::MoveToggle(model, false, true);
            const auto notice = vo::ReleaseToggle(model, kind, false);
            EXPECT_FALSE(notice.send);
            EXPECT_EQ(model.visualState, startChecked ? 0 : 2);
            EXPECT_EQ(model.checked, startChecked);
            EXPECT_FALSE(model.pressing);
        }
    }
}

TEST(ToggleStates, ReleaseOutsideWithoutAMoveOutStillDropsThePressedLook) {
    ToggleModel model = Model(2, false);
    vo::PressToggle(model);
    EXPECT_FALSE(vo::ReleaseToggle(model, ToggleKind::CheckBox, false).send);
    EXPECT_EQ(model.visualState, 2);
    model = Model(0, true);
    vo::PressToggle(model);
    EXPECT_FALSE(vo::ReleaseToggle(model, ToggleKind::CheckBox, false).send);
    EXPECT_EQ(model.visualState, 0);
    EXPECT_TRUE(model.checked);
}

TEST(ToggleStates, AMoveInsideWithAnyFlagPressesWhereverThePressBegan) {
    ToggleModel model = Model(2, false, true);
    vo::MoveToggle(model, true, false);  // no flag: nothing changes
    EXPECT_EQ(model.visualState, 2);
    // No press of its own: a drag that began elsewhere, or a key flag.
    ToggleModel unchecked = Model(2, false);
    vo::MoveToggle(unchecked, true, true);
    EXPECT_EQ(unchecked.visualState, 3);
    EXPECT_FALSE(unchecked.pressing);
    ToggleModel checked = Model(0, true);
    vo::MoveToggle(checked, true, true);
    EXPECT_EQ(checked.visualState, 1);
    EXPECT_TRUE(checked.checked);
}

TEST(ToggleStates, ReleaseInsideAnUnpressedStateSendsNothing) {
    for (ToggleKind kind : {ToggleKind::CheckBox, ToggleKind::RadioButton}) {
        for (int state : {0, 2}) {
            ToggleModel model = Model(state, state == 0);
            EXPECT_FALSE(vo::ReleaseToggle(model, kind, true).send);
            EXPECT_EQ(model.visualState, state);
        }
    }
}

TEST(ToggleStates, CancelAndSetCheckedEndAPress) {
    ToggleModel model = Model(3, false, true);
    vo::CancelTogglePress(model);
    EXPECT_EQ(model.visualState, 2);
    EXPECT_FALSE(model.pressing);
    model = Model(1, true, true);
    vo::CancelTogglePress(model);
    EXPECT_EQ(model.visualState, 0);
    EXPECT_TRUE(model.checked);

    model = Model(3, false, true);
    vo::SetToggleChecked(model, true);
    EXPECT_EQ(model.visualState, 0);
    EXPECT_TRUE(model.checked);
}

TEST(TogglePieces, EnabledShowsTheStatePieceDisabledTheHoveredPieceOfItsCheckState) {
    EXPECT_EQ(vo::TogglePieceIndex(0, true), 0);
    EXPECT_EQ(vo::TogglePieceIndex(1, true), 1);
    EXPECT_EQ(vo::TogglePieceIndex(2, true), 2);
    EXPECT_EQ(vo::TogglePieceIndex(3, true), 3);
    EXPECT_EQ(vo::TogglePieceIndex(0, false), 1);
    EXPECT_EQ(vo::TogglePieceIndex(1, false), 1);
    EXPECT_EQ(vo::TogglePieceIndex(2, false), 3);
    EXPECT_EQ(vo::TogglePieceIndex(3, false), 3);
}

TEST(TogglePieces, AStateOutsideTheTableDrawsNoPiece) {
    for (int state : {-1, 4, INT_MAX, INT_MIN}) {
        EXPECT_EQ(vo::TogglePieceIndex(state, true), -1);
        EXPECT_EQ(vo::TogglePieceIndex(state, false), -1);
    }
}

TEST(TogglePieces, SkinSourceRuleDiffersBetweenTheKinds) {
    using vo::TogglePieceSource;
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::CheckBox, 0), TogglePieceSource::Resources);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::CheckBox, 1), TogglePieceSource::Files);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::CheckBox, 2), TogglePieceSource::Files);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::CheckBox, -1), TogglePieceSource::Files);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::RadioButton, 0),
              TogglePieceSource::Resources);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::RadioButton, 1), TogglePieceSource::Files);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::RadioButton, 2), TogglePieceSource::None);
    EXPECT_EQ(vo::ResolveTogglePieceSource(ToggleKind::RadioButton, -1), TogglePieceSource::None);
}

TEST(ToggleSizes, ConstructionRaisesTheWidthTo16AndSetsHeight10) {
    EXPECT_EQ(vo::InitialToggleSize(0).width, 16);
    EXPECT_EQ(vo::InitialToggleSize(15).width, 16);
    EXPECT_EQ(vo::InitialToggleSize(-40).width, 16);
    EXPECT_EQ(vo::InitialToggleSize(16).width, 16);
    EXPECT_EQ(vo::InitialToggleSize(120).width, 120);
    EXPECT_EQ(vo::InitialToggleSize(120).height, 10);
}

TEST(ToggleSizes, SetSizeRaisesTheWidthToBoxPlusGapAndAZeroHeightToTheBox) {
    auto size = vo::ApplyToggleSizeRule(5, 0, 10, 6);
    EXPECT_EQ(size.width, 16);
    EXPECT_EQ(size.height, 10);
    size = vo::ApplyToggleSizeRule(15, 3, 10, 6);
    EXPECT_EQ(size.width, 16);
    EXPECT_EQ(size.height, 3);
    size = vo::ApplyToggleSizeRule(16, 20, 10, 6);
    EXPECT_EQ(size.width, 16);
    EXPECT_EQ(size.height, 20);
    size = vo::ApplyToggleSizeRule(0, 0, 11, 2);
    EXPECT_EQ(size.width, 13);
    EXPECT_EQ(size.height, 11);
    size = vo::ApplyToggleSizeRule(100, -7, 11, 6);
    EXPECT_EQ(size.width, 100);
    EXPECT_EQ(size.height, 11);
}

TEST(ToggleSizes, HugeBoxAndGapSaturateInsteadOfOverflowing) {
    const auto size = vo::ApplyToggleSizeRule(0, 0, INT_MAX, INT_MAX);
    EXPECT_EQ(size.width, INT_MAX);
    EXPECT_EQ(vo::ToggleCaptionLeft(INT_MAX, 6), INT_MAX);
    EXPECT_EQ(vo::FitToggleToText(INT_MAX, INT_MAX, 5, 0, 10).size.width, INT_MAX);
    EXPECT_EQ(vo::FitToggleToText(INT_MAX, INT_MAX, 5, 0, 10).size.height, INT_MAX);
}

TEST(ToggleFitting, WidthIsBoxPlusTextPlusSixAndHeightNeverShrinks) {
    // Caption 57 x 16 with 1 pixel of external leading on a 10-high control.
    auto fit = vo::FitToggleToText(57, 16, 1, 10, 10);
    EXPECT_EQ(fit.size.width, 73);
    EXPECT_EQ(fit.size.height, 17);
    EXPECT_EQ(fit.gap, 6);
    // A control already taller than the text keeps its height.
    fit = vo::FitToggleToText(57, 16, 0, 30, 11);
    EXPECT_EQ(fit.size.width, 74);
    EXPECT_EQ(fit.size.height, 30);
}

TEST(ToggleFitting, AnEmptyCaptionGivesBoxPlusSix) {
    const auto fit = vo::FitToggleToText(0, 0, 0, 10, 10);
    EXPECT_EQ(fit.size.width, 16);
    EXPECT_EQ(fit.size.height, 10);
    // A zero current height and no text still leaves the box's height.
    EXPECT_EQ(vo::FitToggleToText(0, 0, 0, 0, 10).size.height, 10);
}

TEST(ToggleLayout, TheBoxIsCentredOnSignedValues) {
    EXPECT_EQ(vo::ToggleBoxTop(10, 10), 0);
    EXPECT_EQ(vo::ToggleBoxTop(20, 10), 5);
    EXPECT_EQ(vo::ToggleBoxTop(17, 10), 3);
    EXPECT_EQ(vo::ToggleBoxTop(17, 11), 3);
    // Lower than the box: it overhangs both edges equally, never far off.
    EXPECT_EQ(vo::ToggleBoxTop(6, 10), -2);
    EXPECT_EQ(vo::ToggleBoxTop(0, 10), -5);
    EXPECT_EQ(vo::ToggleCaptionLeft(10, 6), 16);
    EXPECT_EQ(vo::ToggleCaptionLeft(11, 6), 17);
}
