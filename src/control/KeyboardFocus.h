#pragma once
// Keyboard use every control shares: Tab and Shift+Tab move the focus
// through a window's tab stops, each top-level window keeps its keyboard-cue
// state (the UI-state messages), and the focused control shows one focus cue
// once the keyboard has been used in its window.
#include <windows.h>

// The window whose tab stops Tab walks for a child control: its parent, or
// the nearest ancestor that is not a child holding controls of its own. Null
// for a window that is no child.
HWND TabStopRoot(HWND control);

// The tab stop after (or, backwards, before) `control` that takes the focus:
// a library control that is disabled by its own flag is passed over. Null
// when there is none; `control` itself when it is the only one.
HWND NextTabStop(HWND control, bool backwards);

// Tab or Shift+Tab reaching a window that holds the focus itself: its first
// (or last) tab stop that takes the focus gets it, and the cue shows. False
// when it has none.
bool FocusFirstTabStop(HWND window, bool backwards);

// The cue state of the top-level window of `window` (UISF_ flags).
WORD UiStateOf(HWND window);

// WM_CHANGEUISTATE, WM_UPDATEUISTATE and WM_QUERYUISTATE for `window`,
// answered from the state its top-level window keeps (the system keeps none
// under Wine): a change that alters the state is told to every window under
// the top-level with WM_UPDATEUISTATE. False for any other message.
bool AnswerUiStateMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result);

// Drops the state a top-level window kept; called as it is destroyed.
void ForgetUiState(HWND topLevel);

// One dotted frame, dark and light pixels in turn, a pixel inside the edge of
// a `width` x `height` picture: seen on any skin. Creates no GDI object.
void DrawFocusCue(HDC dc, int width, int height);
