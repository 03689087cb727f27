// Random keys, characters, clicks, drags, pastes and value changes against
// the editing model, alone and inside the spin box, checking after every
// step that the indices stay on the text and the caret geometry is right.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "widgets/range/SpinBoxLogic.h"
#include "widgets/text/EditModel.h"

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
constexpr unsigned kKeys[] = {vo::kVkBack, vo::kVkPrior, vo::kVkNext,  vo::kVkEnd, vo::kVkHome,
                              vo::kVkLeft, vo::kVkUp,    vo::kVkRight, vo::kVkDown, vo::kVkDelete,
                              vo::kVkA,    vo::kVkC,     vo::kVkV,     vo::kVkX,   0x10};
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
            if (spinMode) vo::SpinTypeChar(spin, ch);
            else edit().TypeChar(ch);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
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
