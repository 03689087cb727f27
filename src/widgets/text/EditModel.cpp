#include "widgets/text/EditModel.h"

#include <algorithm>
#include <climits>

namespace vo {

namespace {

// A font wide enough to push the caret off the int range is absurd, but the
// sum must still not overflow.
int SaturatingSum(long long a, long long b) {
    return static_cast<int>(std::clamp<long long>(a + b, INT_MIN, INT_MAX));
}

}  // namespace

unsigned MenuCommandKey(int command) {
    switch (command) {
    case kMenuCut: return kVkX;
    case kMenuCopy: return kVkC;
    case kMenuPaste: return kVkV;
    case kMenuDelete: return kVkDelete;
    case kMenuSelectAll: return kVkA;
    default: return 0;
    }
}

std::size_t EditModel::selectionStart() const { return std::min(anchorIndex_, caretIndex_); }

std::size_t EditModel::selectionEnd() const { return std::max(anchorIndex_, caretIndex_); }

std::wstring EditModel::SelectedText() const {
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

std::size_t EditModel::Clamp(std::size_t index) const { return std::min(index, text_.size()); }

void EditModel::SetText(std::wstring text) {
    text_ = std::move(text);
    anchorIndex_ = Clamp(anchorIndex_);
    caretIndex_ = Clamp(caretIndex_);
}

void EditModel::Select(std::size_t anchor, std::size_t caret) {
    anchorIndex_ = Clamp(anchor);
    caretIndex_ = Clamp(caret);
}

void EditModel::MoveCaret(std::size_t caret) { caretIndex_ = Clamp(caret); }

void EditModel::CollapseTo(std::size_t index) { Select(index, index); }

void EditModel::SelectAll() { Select(0, text_.size()); }

void EditModel::MoveLeft(bool ctrl, bool shift) {
    if (shift && !ctrl) {
        if (caretIndex_ > 0) --caretIndex_;
    } else if (shift) {
        caretIndex_ = 0;
    } else if (ctrl) {
        CollapseTo(0);
    } else if (!HasSelection() && anchorIndex_ >= 1) {
        CollapseTo(anchorIndex_ - 1);
    } else {
        CollapseTo(selectionStart());
    }
}

void EditModel::MoveRight(bool ctrl, bool shift) {
    // At the end nothing moves, not even a selection collapses.
    if (caretIndex_ >= text_.size()) return;
    if (shift && !ctrl) {
        ++caretIndex_;
    } else if (shift) {
        caretIndex_ = text_.size();
    } else if (ctrl) {
        CollapseTo(text_.size());
    } else if (!HasSelection()) {
        CollapseTo(anchorIndex_ + 1);
    } else {
        CollapseTo(selectionEnd());
    }
}

EditKeyResult EditModel::KeyDown(const KeyPress& press) {
    switch (press.key) {
    case kVkLeft: MoveLeft(press.ctrl, press.shift); return EditKeyResult::Moved;
    case kVkRight: MoveRight(press.ctrl, press.shift); return EditKeyResult::Moved;
    case kVkHome: CollapseTo(0); return EditKeyResult::Moved;
    case kVkEnd: CollapseTo(text_.size()); return EditKeyResult::Moved;
    case kVkBack:
        return EraseBackward(press.ctrlOrSynthetic()) ? EditKeyResult::Erased
                                                      : EditKeyResult::Refused;
    case kVkDelete:
        return EraseForward(press.ctrlOrSynthetic()) ? EditKeyResult::Erased
                                                     : EditKeyResult::Refused;
    case kVkA:
        if (!press.ctrlOrSynthetic()) return EditKeyResult::NotEditing;
        SelectAll();
        return EditKeyResult::Moved;
    default: return EditKeyResult::NotEditing;
    }
}

ClipboardAction EditModel::ClipboardActionFor(const KeyPress& press) const {
    if (!press.ctrlOrSynthetic()) return ClipboardAction::None;
    switch (press.key) {
    case kVkC: return HasSelection() ? ClipboardAction::Copy : ClipboardAction::None;
    case kVkX: return HasSelection() ? ClipboardAction::Cut : ClipboardAction::None;
    case kVkV: return ClipboardAction::Paste;
    default: return ClipboardAction::None;
    }
}

void EditModel::EraseSelection() {
    const std::size_t start = selectionStart();
    text_.erase(start, selectionEnd() - start);
    CollapseTo(start);
}

bool EditModel::EraseBackward(bool whole) {
    if (HasSelection()) {
        EraseSelection();
    } else if (caretIndex_ == 0) {
        return false;
    } else if (whole) {
        text_.erase(0, caretIndex_);
        CollapseTo(0);
    } else {
        text_.erase(caretIndex_ - 1, 1);
        CollapseTo(caretIndex_ - 1);
    }
    return true;
}

bool EditModel::EraseForward(bool whole) {
    if (HasSelection()) {
        EraseSelection();
    } else if (caretIndex_ >= text_.size()) {
        return false;
    } else {
        text_.erase(caretIndex_, whole ? std::wstring::npos : 1);
    }
    return true;
}

std::size_t EditModel::Room() const {
    const std::size_t kept = text_.size() - (selectionEnd() - selectionStart());
    // max length may have been lowered below the present length: no room
    // then, rather than an unsigned wrap to almost unlimited room.
    return maxLength_ > kept ? maxLength_ - kept : 0;
}

bool EditModel::CanType() const { return text_.size() < maxLength_ || HasSelection(); }

bool EditModel::TypeChar(wchar_t ch) {
    if (!CanType()) return false;
    EraseSelection();
    text_.insert(caretIndex_, 1, ch);
    CollapseTo(caretIndex_ + 1);
    return true;
}

std::size_t EditModel::InsertLimited(std::wstring_view chars) {
    const std::size_t count = std::min(Room(), chars.size());
    EraseSelection();
    text_.insert(caretIndex_, chars.substr(0, count));
    CollapseTo(caretIndex_ + count);
    return count;
}

int EditModel::PixelX(const CharMeasure& measure, int origin, std::size_t index) const {
    const int width = index > text_.size() ? -1 : measure.PrefixWidth(text_, index);
    return SaturatingSum(origin, width);
}

std::size_t EditModel::HitTest(const CharMeasure& measure, int origin, int x) const {
    for (std::size_t i = 0; i <= text_.size(); ++i) {
        if (PixelX(measure, origin, i) >= x) return i;
    }
    return text_.size();
}

void EditModel::UpdateGeometry(const CharMeasure& measure, int origin) {
    anchorX_ = PixelX(measure, origin, anchorIndex_);
    caretX_ = PixelX(measure, origin, caretIndex_);
}

void EditModel::ClickAt(const CharMeasure& measure, int origin, int x) {
    CollapseTo(HitTest(measure, origin, x));
    UpdateGeometry(measure, origin);
}

void EditModel::DragTo(const CharMeasure& measure, int origin, int x) {
    MoveCaret(HitTest(measure, origin, x));
    UpdateGeometry(measure, origin);
}

}  // namespace vo
