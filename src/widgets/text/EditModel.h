#pragma once
// Platform-free single-line editing: the text, the anchor and caret indices
// of the selection, the editing keys, the insertion rules, and the caret's
// pixel geometry and hit-testing through a measuring interface. Shared by
// the spin box and the one-line text controls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vo {

// Virtual-key codes, with the values the platform's VK_ names carry.
constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkPrior = 0x21;  // PageUp
constexpr unsigned kVkNext = 0x22;   // PageDown
constexpr unsigned kVkEnd = 0x23;
constexpr unsigned kVkHome = 0x24;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDown = 0x28;
constexpr unsigned kVkDelete = 0x2E;
constexpr unsigned kVkA = 0x41;
constexpr unsigned kVkC = 0x43;
constexpr unsigned kVkV = 0x56;
constexpr unsigned kVkX = 0x58;

// Items of the shared context menu (menu resource 200).
constexpr int kMenuCut = 201;
constexpr int kMenuCopy = 202;
constexpr int kMenuPaste = 203;
constexpr int kMenuDelete = 204;
constexpr int kMenuSelectAll = 205;

// The key press a context-menu item becomes (sent with lParam 0); 0 for
// items that are not editing commands.
unsigned MenuCommandKey(int command);

struct KeyPress {
    unsigned key = 0;
    bool ctrl = false;
    bool shift = false;
    // lParam 0: sent by the control itself (menu, wheel, timer), never by a
    // real key, whose repeat count is at least 1.
    bool synthetic = false;

    // The clipboard keys and select-all need Ctrl, and Backspace and Delete
    // erase to the end of the text with it; a synthetic press counts as Ctrl.
    bool ctrlOrSynthetic() const { return ctrl || synthetic; }
};

// Text measurement in the control's font, so hit-testing and caret
// placement can run against a fake font off the platform.
class CharMeasure {
public:
    virtual ~CharMeasure() = default;
    // Width in pixels of the first `count` characters of `text`
    // (count <= text.size()).
    virtual int PrefixWidth(const std::wstring& text, std::size_t count) const = 0;
};

enum class EditKeyResult {
    NotEditing,  // not an editing key, or a guarded key without its modifier
    Moved,       // caret or selection changed (possibly to where it was)
    Erased,      // Backspace or Delete removed characters
    Refused,     // Backspace at the start or Delete at the end: nothing to do
};

enum class ClipboardAction { None, Copy, Cut, Paste };

// Invariant: anchor and caret index always lie within 0..text length.
class EditModel {
public:
    const std::wstring& text() const { return text_; }
    std::size_t anchorIndex() const { return anchorIndex_; }
    std::size_t caretIndex() const { return caretIndex_; }
    int anchorX() const { return anchorX_; }
    int caretX() const { return caretX_; }
    // Most characters typing or pasting may produce; 0 allows neither.
    std::uint32_t maxLength() const { return maxLength_; }
    void SetMaxLength(std::uint32_t maxLength) { maxLength_ = maxLength; }

    // Lower and upper end of the selection, in either drag direction.
    std::size_t selectionStart() const;
    std::size_t selectionEnd() const;
    bool HasSelection() const { return anchorIndex_ != caretIndex_; }
    std::wstring SelectedText() const;

    // Replaces the text; the indices stay where they were unless that is
    // past the new end, where they are pulled back to it.
    void SetText(std::wstring text);
    // Indices past the end of the text are taken as the end.
    void Select(std::size_t anchor, std::size_t caret);
    void MoveCaret(std::size_t caret);  // the anchor stays: extends the selection
    void CollapseTo(std::size_t index);
    void SelectAll();

    // Editing keys: Left, Right, Home, End, Backspace, Delete, and Ctrl+A.
    EditKeyResult KeyDown(const KeyPress& press);
    // Which clipboard transfer a key asks for: Copy and Cut need a
    // selection, all three Ctrl or a synthetic press.
    ClipboardAction ClipboardActionFor(const KeyPress& press) const;

    // Backspace or Delete. `whole` erases from the start to the caret
    // (Backspace) or from the caret to the end (Delete) instead of one
    // character; a selection is erased either way. False when there was
    // nothing to erase.
    bool EraseBackward(bool whole);
    bool EraseForward(bool whole);
    void EraseSelection();  // anchor = caret = start of the former selection

    // Characters a paste may still add: max length minus the length the
    // text keeps once the selection is replaced, never below 0.
    std::size_t Room() const;
    // Typing is possible while the text is shorter than max length, or a
    // selection is there to be replaced.
    bool CanType() const;
    // Types one character when CanType: replaces the selection and puts the
    // caret after it. Characters are not filtered here.
    bool TypeChar(wchar_t ch);
    // Replaces the selection with as many leading characters of `chars` as
    // Room allows and puts the caret after them; returns how many went in.
    std::size_t InsertLimited(std::wstring_view chars);

    // Client x of index i for text drawn from `origin`; an index past the
    // end measures as one pixel left of the origin.
    int PixelX(const CharMeasure& measure, int origin, std::size_t index) const;
    // The first character boundary at or right of x, or the end of the text.
    std::size_t HitTest(const CharMeasure& measure, int origin, int x) const;
    // Recomputes anchor x and caret x from the indices.
    void UpdateGeometry(const CharMeasure& measure, int origin);
    // A click: caret and anchor to the boundary hit at x.
    void ClickAt(const CharMeasure& measure, int origin, int x);
    // A drag: the caret alone to the boundary hit at x.
    void DragTo(const CharMeasure& measure, int origin, int x);

private:
    std::wstring text_;
    std::size_t anchorIndex_ = 0;
    std::size_t caretIndex_ = 0;
    int anchorX_ = 0;
    int caretX_ = 0;
    std::uint32_t maxLength_ = 0;

    void MoveLeft(bool ctrl, bool shift);
    void MoveRight(bool ctrl, bool shift);
    std::size_t Clamp(std::size_t index) const;
};

}  // namespace vo
