#include "widgets/buttons/DoubleButtonLogic.h"

#include <algorithm>
#include <cstdint>

#include "control/SkinLogic.h"

namespace vo {

namespace {
constexpr const wchar_t* kPieces[kDoubleButtonPieceCount] = {
    L"DoubleButton_Left",         L"DoubleButton_Right",         L"DoubleButton_Center",
    L"DoubleButton_Clicked_Left", L"DoubleButton_Clicked_Right", L"DoubleButton_Clicked_Center",
    L"DoubleButton_Center_Line"};
constexpr int kLeft = 1, kRight = 2, kBody = 3, kClickedLeft = 4, kClickedRight = 5,
              kClickedBody = 6;

int CaptionPart(int captionWidth, int extra, int capWidth) {
    return HalfWidthFor(ClampToInt(static_cast<std::int64_t>(extra) + captionWidth + capWidth),
                        capWidth);
}
}  // namespace

int HalfWidthFor(int askedWidth, int capWidth) {
    return std::max(askedWidth, ClampToInt(static_cast<std::int64_t>(capWidth) + 1));
}

int DoubleButtonWidth(int firstHalfWidth, int secondHalfWidth) {
    return ClampToInt(static_cast<std::int64_t>(firstHalfWidth) + secondHalfWidth + 1);
}

HalfWidths FitHalves(int firstCaptionWidth, int secondCaptionWidth, int extra, int capWidth,
                     bool equal) {
    HalfWidths widths{CaptionPart(firstCaptionWidth, extra, capWidth),
                      CaptionPart(secondCaptionWidth, extra, capWidth)};
    if (equal) widths.first = widths.second = std::max(widths.first, widths.second);
    return widths;
}

HalfHit HitHalf(int x, int y, int clientWidth, int clientHeight, int firstHalfWidth) {
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight) return HalfHit::None;
    if (x < firstHalfWidth) return HalfHit::First;
    return x > firstHalfWidth ? HalfHit::Second : HalfHit::None;
}

HalfSelection PressHalf(HalfHit hit, bool checked) {
    if (hit == HalfHit::First && !checked) return {true, kFirstHalf, true, kFirstHalf};
    if (hit == HalfHit::Second && checked) return {true, kSecondHalf, false, kSecondHalf};
    return {false, checked ? kFirstHalf : kSecondHalf, checked, 0};
}

const wchar_t* DoubleButtonPieceName(int piece) {
    return piece >= 1 && piece <= kDoubleButtonPieceCount ? kPieces[piece - 1] : nullptr;
}

bool IsDoubleButtonEnd(int piece) {
    return piece == kLeft || piece == kRight || piece == kClickedLeft || piece == kClickedRight;
}

DoubleButtonLayout LayoutDoubleButton(int width, int firstHalfWidth, int capWidth,
                                      int selectedHalf) {
    const bool first = selectedHalf == kFirstHalf;
    // Owner-set fields may be anything: sums are taken wide and clamped.
    auto at = [](std::int64_t value) { return ClampToInt(value); };
    const std::int64_t divider = firstHalfWidth;
    DoubleButtonLayout layout{};
    layout.leftEndPiece = first ? kClickedLeft : kLeft;
    layout.rightEndPiece = first ? kRight : kClickedRight;
    layout.firstBodyPiece = first ? kClickedBody : kBody;
    layout.secondBodyPiece = first ? kBody : kClickedBody;
    layout.firstBodyX = capWidth;
    layout.firstBodyCount = at(std::max<std::int64_t>(divider - capWidth, 0));
    layout.dividerX = firstHalfWidth;
    layout.secondBodyX = at(divider + 1);
    layout.rightEndX = at(static_cast<std::int64_t>(width) - capWidth);
    layout.secondBodyCount =
        at(std::max<std::int64_t>(static_cast<std::int64_t>(layout.rightEndX) - (divider + 1), 0));
    // Each caption may run two pixels past the divider into the other half.
    layout.firstCaptionRight = at(divider + 2);
    layout.secondCaptionLeft = at(divider - 1);
    return layout;
}

}  // namespace vo
