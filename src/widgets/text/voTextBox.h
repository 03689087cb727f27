#pragma once
#include <richedit.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "control/EditContextMenu.h"
#include "control/LifeGuard.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/text/TextBoxLogic.h"

// A multi-line, word-wrapping text area: a system rich-edit editor in plain
// text mode, inset by 2 pixels, does the editing; the text box paints the
// frame around it and adds the shared context menu, the clipboard commands,
// change and wheel notifications to the parent, and a repaint of the editor
// once a deletion has emptied it. Without the editor it still paints its
// frame and reports nothing.
class voTextBox : public voAbstractControl {
public:
    voTextBox(HWND parent, std::uint16_t identifier);
    ~voTextBox() override;

    // The editor keeps the 2-pixel frame around it.
    bool SetSize(int width, int height) override;
    // The frame and the editor share the colour.
    void SetBackgroundColor(COLORREF colour) override;
    // The frame is tiled with the bitmap.
    bool LoadBackground(const std::wstring& resourceName, int width, int height) override;
    void SetBackground(HBITMAP bitmap) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Always an upright, weight-400 font.
    void SetFont(const std::wstring& face, int height);
    void SetForegroundColor(COLORREF colour);
    // Replaces the text without change notifications.
    void SetText(const std::wstring& text);
    std::wstring GetText() const;
    void MakeFlat();

    bool notifyChanges = true;
    CaptionFont font;  // height, weight, face, angle, italic (the editor's font)
    COLORREF textColour = 0x000000;
    // The frame's brush: solid of the background colour, or tiling the
    // background bitmap; none until one of them is set.
    Brush backgroundBrush;
    bool contextMenuEnabled = true;
    int flat = 0;
    HWND richEdit = nullptr;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;

private:
    // The rich-edit library, loaded once for the process: a box may be
    // deleted from inside the editor's own notification, while the
    // library's code is still running.
    static HMODULE RichEditLibrary();

    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(UINT message, WPARAM wParam, LPARAM lParam);

    // True when the editor must not handle the message (Tab moved the focus).
    bool Filter(const MSGFILTER& filter);
    LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam);
    // Both change notifications; false when the parent deleted this box.
    bool NotifyChange();
    void RunMenuCommand(vo::TextBoxCommand command);
    // Selected text to the clipboard; `erase` then removes it once it is there.
    void CopySelection(bool erase);
    void Paste();
    void SelectAll();
    std::wstring SelectedText() const;
    int TextLength() const;
    void StartEmptyRepaint();
    void UsePatternBrush();
    // Runs this box's reaction to a call of the editor's own, counting it:
    // the box may be deleted meanwhile.
    template <class Action>
    void InsideEditorCall(Action action) {
        const vo::LifeGuard::Watch watch = lifeGuard.Observe();
        ++editorCalls;
        action();
        if (watch.Alive()) --editorCalls;
    }

    // The editor's font, kept while the editor uses it.
    Font editorFont;
    EditContextMenu contextMenu;
    int editorCalls = 0;
    vo::LifeGuard lifeGuard;
    voMessageMap<voTextBox> messageMap;
};
