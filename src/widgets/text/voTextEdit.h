#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/EditContextMenu.h"
#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/text/TextCaret.h"
#include "widgets/text/TextEditLogic.h"

// A skinned one-line text field: a caret, a mouse and keyboard selection,
// horizontal scrolling when the text is wider than the field, the clipboard
// and the shared context menu. It can force upper case, mask its text with
// asterisks and limit its length; every change of the text is reported to
// the parent with WM_COMMAND. In click-to-edit mode it acts as a button until
// it is double-clicked.
class voTextEdit : public voAbstractControl {
public:
    static constexpr int kPieceCount = 6;

    // Skin mode 0: pieces from resources; 1: no skin; 2: the six files.
    voTextEdit(HWND parent, std::uint16_t identifier, int width, int skinMode);
    ~voTextEdit() override;

    // Never narrower than both end pieces and one pixel; the height is always
    // the skin height. Scrolls back to the start of the text.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Shows `text`, cut to a positive max length, from its start with the
    // caret there, and gives the keyboard focus to the parent. No notification.
    void SetText(const std::wstring& text);
    // Room for `count` characters and a width that shows that many "*" with
    // `extra` pixels beside them on each side.
    void FitToLength(int extra, int count);
    // Piece 1..6: left, right, centre, hovered left, hovered right, hovered
    // centre; read in skin mode 2. Other numbers are ignored.
    void SetSkinFile(int piece, const std::wstring& path);

    int skinHeight = vo::kTextEditSkinHeight;
    int sideWidth = vo::kTextEditSideWidth;
    int anchorX = 0;
    int caretX = 0;
    int maxLength = 0;  // 0 or below blocks typing and pasting
    int anchorIndex = 0;
    int caretIndex = 0;
    int scroll = 0;  // pixels the text is shifted left
    int textMargin = vo::kTextEditTextMargin;
    int skinMode = 0;
    int passwordMode = 0;  // 1 asterisks and no clipboard; other non-zero values hide the text
    bool upperCase = false;
    int alignment = 1;  // 0 left, 1 centred while the text fits
    CaptionFont font;   // height, weight, face, angle, italic
    COLORREF textColour = 0x000000;
    std::array<std::wstring, kPieceCount> skinFilePaths;
    // The pieces come from the shared piece cache at each compose.
    std::wstring text;
    bool clickToEdit = false;
    bool editing = false;      // click-to-edit: entered by a double click, left with the focus
    bool inputEnabled = true;  // false: the mouse is ignored
    bool caretShown = false;
    bool restrictedCharacters = false;  // typing takes only letters, digits and the space

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuCommand(UINT message, WPARAM wParam, LPARAM lParam);

    void IdleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Press(int pointerX);
    void Move(WPARAM wParam, int pointerX);
    void SelectAllByDoubleClick();
    void Leave();
    void KeyDown(WPARAM key, LPARAM lParam);
    void TypeChar(wchar_t ch);
    // Carries out a clipboard key; true when the parent is to be told.
    bool Transfer(vo::TextEditModel& model, const vo::CharMeasure& measure,
                  vo::ClipboardAction action);

    vo::TextEditModel Model() const;
    void Store(const vo::TextEditModel& model);
    // Runs `action(model, measure)` on the editing model in the control's
    // font, then keeps the indices, the scroll and the caret geometry.
    // Returns what the action returned.
    template <class Action>
    auto Edit(Action action);
    void UpdateCaretGeometry();
    void PlaceCaret();
    // Sends a message to this control; false when it was deleted meanwhile.

    void PaintSkin(HDC dc);
    void PaintSelection(HDC dc);
    void PaintText(HDC dc);

    EditContextMenu contextMenu;
    TextCaret caret;
    // Where the text is measured, with the control's font selected per use.
    MemoryDC measureDc;
    voMessageMap<voTextEdit> messageMap;
};
