#include <gtest/gtest.h>

#include "widgets/text/TextBoxLogic.h"

TEST(TextBox, EditorInsetWheelStepsAndRepaintKeys) {
    EXPECT_EQ(vo::TextBoxEditorSize(3, -9).width, 0);
    EXPECT_EQ(vo::TextBoxEditorSize(3, -9).height, 0);
    EXPECT_EQ(vo::TextBoxWheelSteps(-240), 2);
    EXPECT_EQ(vo::TextBoxWheelSteps(360), -3);
    EXPECT_EQ(vo::TextBoxWheelSteps(-60), 0) << "a partial notch";
    EXPECT_TRUE(vo::StartsEmptyRepaint(0x2E, false));
    EXPECT_TRUE(vo::StartsEmptyRepaint('X', true));
    EXPECT_FALSE(vo::StartsEmptyRepaint('X', false));
    EXPECT_FALSE(vo::StartsEmptyRepaint('C', true));
}
