#include "control/EditContextMenu.h"

#include "widgets/text/EditModel.h"

EditContextMenu::EditContextMenu(HINSTANCE instance)
    : menu_(LoadMenuW(instance, MAKEINTRESOURCEW(kResource))),
      popup_(menu_ != nullptr ? GetSubMenu(menu_, 0) : nullptr) {}

EditContextMenu::~EditContextMenu() {
    // The pop-up goes with the menu that holds it.
    if (menu_ != nullptr) DestroyMenu(menu_);
}

bool EditContextMenu::Show(HWND owner) const {
    POINT cursor{};
    if (popup_ == nullptr || GetCursorPos(&cursor) == FALSE) return false;
    return TrackPopupMenu(popup_, 0, cursor.x, cursor.y, 0, owner, nullptr) != FALSE;
}

bool EditContextMenu::SendAsKey(HWND control, WPARAM command) {
    // A menu's command has 0 in the high word (1 is an accelerator).
    if (HIWORD(command) != 0) return false;
    const unsigned key = vo::MenuCommandKey(LOWORD(command));
    if (key == 0) return false;
    SendMessageW(control, WM_KEYDOWN, key, 0);
    return true;
}
