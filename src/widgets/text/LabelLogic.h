#pragma once
// Platform-free rules of the static text, the static bitmap and the colour
// label (and the text link, which fits itself like the static text): the
// line-break escape, the fit-to-text size, and the colour label's skins.
#include <cstdint>
#include <string>

namespace vo {

constexpr int kColorLabelKind = 2;
constexpr int kStaticTextKind = 16;
constexpr int kStaticBitmapKind = 18;
constexpr int kColorLabelSkinHeight = 31;
constexpr int kColorLabelSideWidth = 8;

// Every backslash followed by "n" becomes one line feed, so callers can
// write line breaks as that escape.
std::wstring ExpandLineBreaks(const std::wstring& text);

struct TextFit {
    int width;
    int height;
};

// The caption measured as one line: its width, and its height with the
// font's external leading, but never lower than the control already is.
TextFit FitTextSize(int measuredWidth, int measuredHeight, int externalLeading, int currentHeight);

enum ColorLabelType { kLabelGreen = 0, kLabelRed = 1, kLabelGrey = 2 };

struct LabelPieceNames {
    const wchar_t* left;
    const wchar_t* right;
    const wchar_t* centre;
};

// The three pieces of a colour type; all null for a type outside 0 to 2.
LabelPieceNames ColorLabelPieces(int colourType);

// White on the green and red pills, dark grey on the grey one (and where
// no pill is drawn).
std::uint32_t ColorLabelTextColour(int colourType);

}  // namespace vo
