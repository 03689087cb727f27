#include "widgets/buttons/voRadioButton.h"

namespace {
const voToggleControl::PieceNames kRadioButtonPieces = {
    L"RadioButton_Checked", L"RadioButton_Hovered_Checked", L"RadioButton_Unchecked",
    L"RadioButton_Hovered_Unchecked"};
}  // namespace

voRadioButton::voRadioButton(HWND parent, std::uint16_t identifier, int width)
    : voToggleControl(parent, identifier, width, vo::ToggleKind::RadioButton, kRadioButtonPieces) {}
