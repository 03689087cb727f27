#include "widgets/text/LabelLogic.h"

#include <algorithm>

#include "control/SkinLogic.h"

namespace vo {

namespace {
constexpr LabelPieceNames kLabelPieces[] = {
    {L"Label_Green_Left", L"Label_Green_Right", L"Label_Green_Center"},
    {L"Label_Red_Left", L"Label_Red_Right", L"Label_Red_Center"},
    {L"Label_Gray_Left", L"Label_Gray_Right", L"Label_Gray_Center"},
};
}  // namespace

std::wstring ExpandLineBreaks(const std::wstring& text) {
    std::wstring expanded;
    expanded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'\\' && at + 1 < text.size() && text[at + 1] == L'n') {
            expanded += L'\n';
            ++at;
        } else {
            expanded += text[at];
        }
    }
    return expanded;
}

TextFit FitTextSize(int measuredWidth, int measuredHeight, int externalLeading, int currentHeight) {
    const int lineHeight = ClampToInt(static_cast<std::int64_t>(measuredHeight) + externalLeading);
    return {std::max(measuredWidth, 0), std::max(lineHeight, currentHeight)};
}

LabelPieceNames ColorLabelPieces(int colourType) {
    if (colourType < kLabelGreen || colourType > kLabelGrey) return {nullptr, nullptr, nullptr};
    return kLabelPieces[colourType];
}

std::uint32_t ColorLabelTextColour(int colourType) {
    return colourType == kLabelGreen || colourType == kLabelRed ? 0xFFFFFF : 0x373737;
}

}  // namespace vo
