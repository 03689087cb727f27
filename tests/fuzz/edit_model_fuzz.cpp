// Random keys, characters, clicks, drags, pastes and value changes against
// the editing model, alone and inside the spin box and the text edit,
// checking after every step that the indices stay on the text and the caret
// geometry is right, and for the text edit its modes and scroll rules.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "widgets/range/SpinBoxLogic.h"
#include "widgets/text/EditModel.h"
#include "widgets/text/TextEditLogic.h"

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t NextInt() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | Next();
        return static_cast<std::int32_t>(value);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Glyph widths from the input, zero widths included.
class FuzzFont : public vo::CharMeasure {
public:
    int widths[16] = {};
    int PrefixWidth(const std::wstring& text, std::size_t count) const override {
        int sum = 0;
        for (std::size_t i = 0; i < count; ++i) sum += widths[text[i] & 15];
        return sum;
    }
};

constexpr wchar_t kChars[] = {L'0', L'1', L'5', L'9', L'-', L'a', L' ', L'\t', 0x3000, 0};
constexpr unsigned kKeys[] = {vo::kVkBack, vo::kVkPrior, vo::kVkNext,  vo::kVkEnd,  vo::kVkHome,
                              vo::kVkLeft, vo::kVkUp,    vo::kVkRight, vo::kVkDown, vo::kVkDelete,
                              vo::kVkA,    vo::kVkC,     vo::kVkV,     vo::kVkX,    0x10};
constexpr std::int32_t kLimits[] = {INT_MIN, -1000, -50, -1, 0, 1, 9, 59, 999, 100000, INT_MAX};
constexpr std::int32_t kSteps[] = {INT_MIN, -3, 0, 1, 2, 5, 10, 1000, INT_MAX};

template <typename T, std::size_t N>
T Pick(Bytes& in, const T (&table)[N]) {
    return table[in.Next() % N];
}

void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition) Fail(what);
}

struct Session {
    FuzzFont font;
    vo::SpinBoxModel spin;  // its edit model is the one under test in both modes
    vo::SpinBoxGeometry geometry;
    bool spinMode = false;
    int width = 60;
    std::wstring clipboard;
    bool clipboardWorks = true;
    // Steps, and a cut or paste that falls back to the minimum (SetValue),
    // rewrite the text as the value, which may be longer than max length.
    bool reformatted = false;

    vo::EditModel& edit() { return spin.edit; }

    int Origin() {
        if (spinMode) return vo::SpinTextOrigin(edit().text(), font, width, geometry);
        return geometry.textMargin;
    }

    void KeyDown(const vo::KeyPress& press) {
        if (!spinMode) {
            if (edit().KeyDown(press) != vo::EditKeyResult::NotEditing) return;
            switch (edit().ClipboardActionFor(press)) {
            case vo::ClipboardAction::Copy: clipboard = edit().SelectedText(); break;
            case vo::ClipboardAction::Cut:
                clipboard = edit().SelectedText();
                edit().EraseSelection();
                break;
            case vo::ClipboardAction::Paste: edit().InsertLimited(clipboard); break;
            case vo::ClipboardAction::None: break;
            }
            return;
        }
        const std::int32_t before = spin.value;
        const auto outcome = vo::SpinKeyDown(spin, press);
        switch (outcome.clipboard) {
        case vo::ClipboardAction::Copy:
            if (clipboardWorks) clipboard = spin.edit.SelectedText();
            break;
        case vo::ClipboardAction::Cut:
            if (clipboardWorks) {
                clipboard = spin.edit.SelectedText();
                vo::SpinCut(spin);
            }
            break;
        case vo::ClipboardAction::Paste: vo::SpinPaste(spin, clipboard); break;
        case vo::ClipboardAction::None: break;
        }
        vo::FinishSpinKey(spin, outcome);
        const bool stepKey = press.key == vo::kVkUp || press.key == vo::kVkDown ||
                             press.key == vo::kVkPrior || press.key == vo::kVkNext;
        const bool transfer = outcome.clipboard == vo::ClipboardAction::Cut ||
                              outcome.clipboard == vo::ClipboardAction::Paste;
        reformatted = reformatted || (outcome.handled && stepKey) ||
                      (transfer && spin.edit.text() == std::to_wstring(spin.value));
        if (stepKey && outcome.handled && spin.step >= 0 && spin.minimum <= spin.maximum &&
            before >= spin.minimum && before <= spin.maximum) {
            Check(spin.value >= spin.minimum && spin.value <= spin.maximum,
                  "a step left the limits");
        }
    }

    void Step(Bytes& in) {
        const std::size_t lengthBefore = edit().text().size();
        bool lengthMayGrow = false;  // only SetText and SetValue may pass max length
        reformatted = false;
        switch (in.Next() % 12) {
        case 0: {
            const unsigned key = Pick(in, kKeys);
            const std::uint8_t mods = in.Next();
            KeyDown(vo::KeyPress{key, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0});
            break;
        }
        case 1: {
            const wchar_t ch = Pick(in, kChars);
            if (spinMode)
                vo::SpinTypeChar(spin, ch);
            else
                edit().TypeChar(ch);
            break;
        }
        case 2: {
            const int x = static_cast<std::int8_t>(in.Next()) * 2;
            edit().ClickAt(font, Origin(), x);
            const std::size_t i = edit().caretIndex();
            Check(edit().anchorIndex() == i, "a click left a selection");
            for (std::size_t j = 0; j < i; ++j)
                Check(edit().PixelX(font, Origin(), j) < x, "a click skipped a boundary");
            if (i < edit().text().size())
                Check(edit().PixelX(font, Origin(), i) >= x, "a click stopped left of x");
            break;
        }
        case 3: edit().DragTo(font, Origin(), static_cast<std::int8_t>(in.Next()) * 2); break;
        case 4:
            edit().ClickAt(font, Origin(), 0);
            edit().DragTo(font, Origin(), width);
            break;
        case 5: {
            clipboard.clear();
            for (int n = in.Next() % 8; n > 0; --n) clipboard += Pick(in, kChars);
            clipboardWorks = (in.Next() & 7) != 0;
            break;
        }
        case 6:
            lengthMayGrow = true;
            if (spinMode) {
                vo::SetValue(spin, in.NextInt());
                if (spin.minimum <= spin.maximum)
                    Check(spin.value >= spin.minimum && spin.value <= spin.maximum,
                          "SetValue stored a value outside the limits");
            } else {
                std::wstring text;
                for (int n = in.Next() % 12; n > 0; --n) text += Pick(in, kChars);
                edit().SetText(text);
            }
            break;
        case 7: {
            const unsigned key = vo::MenuCommandKey(200 + in.Next() % 8);
            if (key != 0) KeyDown(vo::KeyPress{key, false, false, true});
            break;
        }
        case 8: {
            const int high = in.Next();
            const int delta = static_cast<std::int16_t>(high << 8 | in.Next());
            const int steps = vo::SpinWheelSteps(delta);
            for (int n = steps < 0 ? -steps : steps; n > 0; --n)
                KeyDown(vo::KeyPress{steps > 0 ? vo::kVkUp : vo::kVkDown, false, false, true});
            break;
        }
        case 9: edit().SetMaxLength(in.Next() % 16); break;
        case 10: edit().Select(in.Next() % 16, in.Next() % 16); break;
        case 11:
            spin.minimum = Pick(in, kLimits);
            spin.maximum = Pick(in, kLimits);
            spin.step = Pick(in, kSteps);
            spin.editable = (in.Next() & 3) != 0;
            break;
        }

        const std::size_t length = edit().text().size();
        Check(edit().anchorIndex() <= length, "anchor past the end");
        Check(edit().caretIndex() <= length, "caret past the end");
        if (!lengthMayGrow && !reformatted && length > lengthBefore)
            Check(length <= edit().maxLength(), "an edit grew the text past max length");
        if (spinMode) {
            for (std::size_t i = 0; i < length; ++i) {
                const wchar_t ch = edit().text()[i];
                Check((ch >= L'0' && ch <= L'9') || ch == L'-', "a non-digit in the spin box");
            }
        }

        // The geometry follows the indices, measured independently here.
        const int origin = Origin();
        edit().UpdateGeometry(font, origin);
        auto expectedX = [&](std::size_t index) {
            long long x = origin;
            for (std::size_t i = 0; i < index; ++i) x += font.widths[edit().text()[i] & 15];
            return x;
        };
        Check(edit().anchorX() == expectedX(edit().anchorIndex()), "anchor x off its index");
        Check(edit().caretX() == expectedX(edit().caretIndex()), "caret x off its index");
    }
};

// The text edit's own rules over the same model.
class TextEditSession {
public:
    explicit TextEditSession(Bytes& in) : in_(in) {
        for (int& w : font_.widths) w = in.Next() % 16;
        const std::uint8_t setup = in.Next();
        model_.alignment = setup % 3;
        model_.passwordMode = (setup >> 2) % 3;
        model_.upperCase = (setup & 16) != 0;
        model_.restrictedCharacters = (setup & 32) != 0;
        model_.width = 17 + in.Next();
        model_.textMargin = in.Next() % 9;
        maxLength_ = static_cast<std::int8_t>(in.Next()) % 24;
        model_.edit.SetMaxLength(vo::EditMaxLength(maxLength_));
    }

    void Step() {
        vo::EditModel& edit = model_.edit;
        const std::wstring before = edit.text();
        const std::size_t anchorBefore = edit.anchorIndex(), caretBefore = edit.caretIndex();
        bool lengthMayGrow = false;
        switch (in_.Next() % 9) {
        case 0: Key(); break;
        case 1: Type(); break;
        case 2: vo::TextEditClick(model_, font_, static_cast<std::int8_t>(in_.Next()) * 2); break;
        case 3: Drag(); break;
        case 4:
            clipboard_.clear();
            for (int n = in_.Next() % 8; n > 0; --n) clipboard_ += Pick(in_, kChars);
            clipboardWorks_ = (in_.Next() & 7) != 0;
            break;
        case 5: {
            lengthMayGrow = true;
            std::wstring text;
            for (int n = in_.Next() % 24; n > 0; --n) text += Pick(in_, kChars);
            vo::TextEditSetText(model_, font_, text, maxLength_);
            Check(edit.caretIndex() == 0 && model_.scroll == 0, "SetText left the start");
            if (maxLength_ > 0)
                Check(edit.text().size() <= static_cast<std::size_t>(maxLength_),
                      "SetText kept more than max length");
            break;
        }
        case 6:
            maxLength_ = static_cast<std::int8_t>(in_.Next()) % 24;
            edit.SetMaxLength(vo::EditMaxLength(maxLength_));
            break;
        case 7: edit.Select(in_.Next() % 32, in_.Next() % 32); break;
        case 8: {
            const std::uint8_t mode = in_.Next();
            model_.passwordMode = mode % 3;
            model_.upperCase = (mode & 4) != 0;
            model_.restrictedCharacters = (mode & 8) != 0;
            model_.alignment = (mode >> 4) % 3;
            break;
        }
        }
        const std::size_t length = edit.text().size();
        Check(edit.anchorIndex() <= length, "anchor past the end");
        Check(edit.caretIndex() <= length, "caret past the end");
        if (!lengthMayGrow && length > before.size())
            Check(length <= edit.maxLength(), "an edit grew the text past max length");
        if (model_.passwordMode == vo::kPasswordAsterisks && lockedKey_)
            Check(edit.text() == before && edit.anchorIndex() == anchorBefore &&
                      edit.caretIndex() == caretBefore,
                  "a clipboard key acted in password mode");
        lockedKey_ = false;
        CheckGeometry();
    }

private:
    // The display form's width of the first `count` characters.
    long long Prefix(std::size_t count) const {
        long long sum = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const wchar_t ch =
                model_.passwordMode == vo::kPasswordAsterisks ? L'*' : model_.edit.text()[i];
            sum += font_.widths[ch & 15];
        }
        return sum;
    }
    long long Origin() const {
        const long long textWidth = Prefix(model_.edit.text().size());
        if (model_.alignment == 1)
            return textWidth < model_.width ? (model_.width - textWidth) / 2 : 0;
        return model_.scroll > model_.width ? 0 : model_.textMargin;
    }
    long long PixelX(std::size_t index) const { return Origin() + Prefix(index) - model_.scroll; }
    bool Fits() const { return Prefix(model_.edit.text().size()) + Origin() < model_.width; }

    void Key() {
        const unsigned key = Pick(in_, kKeys);
        const std::uint8_t mods = in_.Next();
        const vo::KeyPress press{key, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0};
        const bool dragStep = (mods & 8) != 0;
        lockedKey_ = press.ctrlOrSynthetic() &&
                     (key == vo::kVkA || key == vo::kVkC || key == vo::kVkX || key == vo::kVkV);
        const std::wstring clipboardBefore = clipboard_;
        const auto outcome = vo::TextEditKeyDown(model_, font_, press, dragStep);
        vo::EditModel& edit = model_.edit;
        switch (outcome.clipboard) {
        case vo::ClipboardAction::Copy:
            if (clipboardWorks_) clipboard_ = edit.SelectedText();
            break;
        case vo::ClipboardAction::Cut:
            if (clipboardWorks_) {
                clipboard_ = edit.SelectedText();
                vo::TextEditCut(model_, font_);
            }
            break;
        case vo::ClipboardAction::Paste: Paste(); break;
        case vo::ClipboardAction::None: break;
        }
        if (lockedKey_ && model_.passwordMode == vo::kPasswordAsterisks)
            Check(clipboard_ == clipboardBefore, "the clipboard changed in password mode");
        vo::UpdateTextEditCaret(model_, font_);
        if (key == vo::kVkHome) Check(model_.scroll == 0, "Home left a scroll");
        if (key == vo::kVkEnd && model_.alignment == 1)
            Check(model_.edit.caretX() == model_.width - vo::kTextEditEndGap,
                  "End did not bring the end to the right edge");
        if (outcome.notify) Check(!Fits() || model_.scroll == 0, "a fitting text stayed scrolled");
    }

    void Paste() {
        const std::size_t start = model_.edit.selectionStart();
        const std::wstring before = model_.edit.text();
        if (!vo::TextEditPaste(model_, font_, clipboard_)) {
            Check(model_.edit.text() == before, "a refused paste changed the text");
            return;
        }
        if (model_.upperCase)
            for (std::size_t i = start; i < model_.edit.caretIndex(); ++i)
                Check(model_.edit.text()[i] < L'a' || model_.edit.text()[i] > L'z',
                      "a pasted lower-case letter in upper-case mode");
        Check(!Fits() || model_.scroll == 0, "a fitting text stayed scrolled after a paste");
    }

    void Type() {
        const wchar_t ch = Pick(in_, kChars);
        const bool alphaNumeric = (ch >= L'0' && ch <= L'9') || ch == L'a';
        if (!vo::TextEditTypeChar(model_, font_, ch, alphaNumeric)) return;
        if (model_.restrictedCharacters)
            Check(alphaNumeric || ch == L' ', "a restricted character was typed");
        const wchar_t typed = model_.edit.text()[model_.edit.caretIndex() - 1];
        if (model_.upperCase) Check(typed != L'a', "a lower-case letter typed in upper-case mode");
        vo::UpdateTextEditCaret(model_, font_);
        Check(model_.edit.caretX() < model_.width, "typing left the caret past the right edge");
    }

    void Drag() {
        const int x = static_cast<std::int8_t>(in_.Next()) * 3;
        const auto edge = vo::TextEditDrag(model_, font_, x);
        if (edge == vo::DragEdge::Inside) return;
        const std::size_t caret = model_.edit.caretIndex();
        const unsigned key = edge == vo::DragEdge::PastRight ? vo::kVkRight : vo::kVkLeft;
        vo::TextEditKeyDown(model_, font_, vo::KeyPress{key, true, false, false}, true);
        const std::size_t moved = model_.edit.caretIndex();
        Check(moved + 1 >= caret && moved <= caret + 1,
              "a drag step moved more than one character");
    }

    void CheckGeometry() {
        vo::UpdateTextEditCaret(model_, font_);
        Check(model_.edit.anchorX() == PixelX(model_.edit.anchorIndex()), "anchor x off its index");
        Check(model_.edit.caretX() == PixelX(model_.edit.caretIndex()), "caret x off its index");
    }

    Bytes& in_;
    FuzzFont font_;
    vo::TextEditModel model_;
    int maxLength_ = 0;
    std::wstring clipboard_;
    bool clipboardWorks_ = true;
    bool lockedKey_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    if (in.Next() % 3 == 0) {
        TextEditSession textEdit(in);
        while (!in.empty()) textEdit.Step();
        return 0;
    }
    Session session;
    for (int& w : session.font.widths) w = in.Next() % 16;
    const std::uint8_t setup = in.Next();
    session.spinMode = (setup & 1) != 0;
    session.geometry.alignment = (setup >> 1) % 4;
    session.width = 26 + in.Next();
    session.spin.minimum = Pick(in, kLimits);
    session.spin.maximum = Pick(in, kLimits);
    session.spin.step = Pick(in, kSteps);
    session.spin.editable = (setup & 8) == 0;
    session.spin.edit.SetMaxLength(in.Next() % 16);
    if (!session.spinMode) session.spin.edit.SetText(L"");
    while (!in.empty()) session.Step(in);
    return 0;
}
