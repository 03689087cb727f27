#pragma once
// Unicode text on the system clipboard, for the controls that edit text.
#include <windows.h>

#include <optional>
#include <string>

// Puts `text` on the clipboard as CF_UNICODETEXT for `owner`. True only when
// the clipboard took it, so a cut may then erase what it copied.
bool PutClipboardText(HWND owner, const std::wstring& text);

// Whether the clipboard holds Unicode text.
bool ClipboardHasText();

// The clipboard's Unicode text, up to its first zero; nothing when there is
// none or the clipboard cannot be opened.
std::optional<std::wstring> GetClipboardText(HWND owner);
