#pragma once
// The bitmap files of the skins that travel beside a program in its
// "resources" folder (the build copies them there; an installed package's
// vo_copy_skin_files does it for a consumer), in the order each control's
// SetSkinFile numbers its pieces. Paths are relative to the program's
// working folder, as a program started from its own folder sees them.
#include <array>
#include <cstddef>
#include <string>

namespace vo {

inline constexpr std::array<const wchar_t*, 9> kModernButtonFiles = {
    L"resources\\2x20_button_modern_left.bmp",
    L"resources\\2x20_button_modern_right.bmp",
    L"resources\\1x20_button_modern_center.bmp",
    L"resources\\2x20_button_modern_hovered_left.bmp",
    L"resources\\2x20_button_modern_hovered_right.bmp",
    L"resources\\1x20_button_modern_hovered_center.bmp",
    L"resources\\2x20_button_modern_clicked_left.bmp",
    L"resources\\2x20_button_modern_clicked_right.bmp",
    L"resources\\1x20_button_modern_clicked_center.bmp"};
inline constexpr std::array<const wchar_t*, 8> kVerticalBarFiles = {
    L"resources\\13_vscroll_up_button.bmp",     L"resources\\13_vscroll_clicked_up_button.bmp",
    L"resources\\13_vscroll_down_button.bmp",   L"resources\\13_vscroll_clicked_down_button.bmp",
    L"resources\\13x1_vscroll_center.bmp",      L"resources\\13x1_vscroll_grip.bmp",
    L"resources\\13x1_vscroll_grip_border.bmp", L"resources\\13x1_vscroll_clicked_grip.bmp"};
inline constexpr std::array<const wchar_t*, 8> kHorizontalBarFiles = {
    L"resources\\13_hscroll_left_button.bmp",   L"resources\\13_hscroll_clicked_left_button.bmp",
    L"resources\\13_hscroll_right_button.bmp",  L"resources\\13_hscroll_clicked_right_button.bmp",
    L"resources\\1x13_hscroll_center.bmp",      L"resources\\1x13_hscroll_grip.bmp",
    L"resources\\1x13_hscroll_grip_border.bmp", L"resources\\1x13_hscroll_clicked_grip.bmp"};
inline constexpr std::array<const wchar_t*, 7> kDoubleButtonFiles = {
    L"resources\\2x20_doublebutton_left.png.bmp",
    L"resources\\2x20_doublebutton_right.bmp",
    L"resources\\1x20_doublebutton_center.bmp",
    L"resources\\2x20_doublebutton_clicked_left.bmp",
    L"resources\\2x20_doublebutton_clicked_right.bmp",
    L"resources\\1x20_doublebutton_clicked_center.bmp",
    L"resources\\1x20_doublebutton_center_line.bmp"};
inline constexpr std::array<const wchar_t*, 15> kComboBoxFiles = {
    L"resources\\2x20_comboBox_left.bmp",
    L"resources\\2x20_comboBox_right.bmp",
    L"resources\\1x20_comboBox_center.bmp",
    L"resources\\2x20_comboBox_hovered_left.bmp",
    L"resources\\2x20_comboBox_hovered_right.bmp",
    L"resources\\1x20_comboBox_hovered_center.bmp",
    L"resources\\2x20_comboBox_clicked_left.bmp",
    L"resources\\2x20_comboBox_clicked_right.bmp",
    L"resources\\1x20_comboBox_clicked_center.bmp",
    L"resources\\1x20_comboBox_vertical_line.bmp",
    L"resources\\1x20_comboBox_hovered_vertical_line.bmp",
    L"resources\\1x20_comboBox_clicked_vertical_line.bmp",
    L"resources\\6x18_comboBox_button.bmp",
    L"resources\\16x18_comboBox_clicked_button.bmp",
    L"resources\\16x18_comboBox_hovered_button.bmp"};
inline constexpr std::array<const wchar_t*, 9> kSpinBoxFiles = {
    L"resources\\2x19_spinbox_left.bmp",           L"resources\\2x19_spinbox_right.bmp",
    L"resources\\2x19_spinbox_center.bmp",         L"resources\\13x8_spinbox_up.bmp",
    L"resources\\13x8_spinbox_clicked_up.bmp",     L"resources\\13x8_spinbox_down.bmp",
    L"resources\\13x8_spinbox_clicked_down.bmp",   L"resources\\1x19_spinbox_center_line.bmp",
    L"resources\\13x1_spinbox_horizontal_line.bmp"};
inline constexpr std::array<const wchar_t*, 4> kCheckBoxFiles = {
    L"resources\\11_checkBox_checked.bmp", L"resources\\11_checkBox_hovered_checked.bmp",
    L"resources\\11_checkBox_unchecked.bmp", L"resources\\11_checkBox_hovered_unchecked.bmp"};
inline constexpr std::array<const wchar_t*, 4> kRadioButtonFiles = {
    L"resources\\11_radio_button_checked.bmp", L"resources\\11_radio_button_hovered_checked.bmp",
    L"resources\\11_radio_button_unchecked.bmp",
    L"resources\\11_radio_button_hovered_unchecked.bmp"};
inline constexpr const wchar_t* kPlayIconFile = L"resources\\18_play_icon.bmp";

// Gives the control each file by its number, counting from `first`, each path
// after `folder` (empty: relative to the working folder).
template <class Control, std::size_t N>
void SetSkinFiles(Control& control, const std::array<const wchar_t*, N>& files, int first,
                  const std::wstring& folder = std::wstring()) {
    for (std::size_t i = 0; i < N; ++i)
        control.SetSkinFile(first + static_cast<int>(i), folder + files[i]);
}

}  // namespace vo
