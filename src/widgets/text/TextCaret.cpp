#include "widgets/text/TextCaret.h"

void TextCaret::ShowOnce(HWND window, bool& shown, POINT at) {
    if (shown || GetFocus() != window) return;
    if (!caret_.Create(window, size_.cx, size_.cy)) return;
    shown = true;
    SetCaretPos(at.x, at.y);
    ShowCaret(window);
}

void TextCaret::Place(bool shown, POINT at) {
    if (shown) SetCaretPos(at.x, at.y);
}

void TextCaret::Destroy(HWND window, bool& shown) {
    if (shown) HideCaret(window);
    caret_.Destroy();
    shown = false;
}
