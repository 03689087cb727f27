#include "widgets/text/TextBoxLogic.h"

#include <algorithm>

#include "widgets/text/EditModel.h"

namespace vo {

namespace {
constexpr int kWheelNotch = 120;
}  // namespace

InnerSize TextBoxEditorSize(int width, int height) {
    const int frame = 2 * kTextBoxInset;
    return {std::max(width, frame) - frame, std::max(height, frame) - frame};
}

int TextBoxWheelSteps(int wheelDelta) { return wheelDelta / -kWheelNotch; }

bool StartsEmptyRepaint(unsigned key, bool ctrl) {
    return key == kVkBack || key == kVkDelete || (key == kVkX && ctrl);
}

TextBoxCommand TextBoxMenuCommand(int command) {
    switch (command) {
    case kMenuCut: return TextBoxCommand::Cut;
    case kMenuCopy: return TextBoxCommand::Copy;
    case kMenuPaste: return TextBoxCommand::Paste;
    case kMenuDelete: return TextBoxCommand::Delete;
    case kMenuSelectAll: return TextBoxCommand::SelectAll;
    default: return TextBoxCommand::None;
    }
}

}  // namespace vo
