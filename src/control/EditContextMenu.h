#pragma once
// The context menu the text-editing controls share: the pop-up "MyMenu" of
// menu resource 200. Its commands come back to the owner as WM_COMMAND and
// stand for key presses, which the owner sends itself with lParam 0.
#include <windows.h>

class EditContextMenu {
public:
    static constexpr int kResource = 200;

    explicit EditContextMenu(HINSTANCE instance);
    ~EditContextMenu();
    EditContextMenu(const EditContextMenu&) = delete;
    EditContextMenu& operator=(const EditContextMenu&) = delete;

    // Sub-menu 0 of the resource; null when the module has no such menu.
    HMENU Popup() const { return popup_; }

    // Modal, at the cursor, owned by `owner`, to which the chosen item is
    // posted as WM_COMMAND.
    bool Show(HWND owner) const;

    // For WM_COMMAND from the menu: sends `control` WM_KEYDOWN with the key of
    // the item and lParam 0. False for anything but one of the five items.
    static bool SendAsKey(HWND control, WPARAM command);

private:
    HMENU menu_;
    HMENU popup_;
};
