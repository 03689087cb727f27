#include "widgets/buttons/voCheckBox.h"

namespace {
const voToggleControl::PieceNames kCheckBoxPieces = {
    L"CheckBox_Checked", L"CheckBox_Hovered_Checked", L"CheckBox_Unchecked",
    L"CheckBox_Hovered_Unchecked"};
}  // namespace

voCheckBox::voCheckBox(HWND parent, std::uint16_t identifier, int width)
    : voToggleControl(parent, identifier, width, vo::ToggleKind::CheckBox, kCheckBoxPieces) {}
