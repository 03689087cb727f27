#pragma once
// Platform-free rules of the double button: the widths of its two halves,
// which half a press hits and what it selects, and where each of its seven
// skin pieces and two captions go.
#include <cstdint>

namespace vo {

constexpr int kDoubleButtonKind = 3;
constexpr int kDoubleButtonSkinHeight = 22;
constexpr int kDoubleButtonCapWidth = 7;
// Pieces are numbered 1 to 7 as their setter numbers them.
constexpr int kDoubleButtonPieceCount = 7;
constexpr int kDoubleButtonDivider = 7;

enum DoubleButtonHalf { kFirstHalf = 0, kSecondHalf = 1 };

// A half is never narrower than its cap piece plus one body column.
int HalfWidthFor(int askedWidth, int capWidth);

// Both halves and the divider column between them; saturates.
int DoubleButtonWidth(int firstHalfWidth, int secondHalfWidth);

struct HalfWidths {
    int first;
    int second;
};

// Each half fits its caption with `extra` pixels and a cap; with `equal`
// both take the wider of the two.
HalfWidths FitHalves(int firstCaptionWidth, int secondCaptionWidth, int extra, int capWidth,
                     bool equal);

enum class HalfHit { None, First, Second };

// Left of the divider column is the first half, right of it the second; the
// divider itself and points outside the client hit nothing.
HalfHit HitHalf(int x, int y, int clientWidth, int clientHeight, int firstHalfWidth);

struct HalfSelection {
    bool changed;
    int selectedHalf;
    bool checked;        // the first half is selected
    std::uint16_t code;  // high word of the notification
};

// A press selects the half it hits unless that half is already selected
// (`checked` says the first one is).
HalfSelection PressHalf(HalfHit hit, bool checked);

// Resource name of piece 1 to 7; null for other numbers.
const wchar_t* DoubleButtonPieceName(int piece);
// Pieces 1, 2, 4 and 5 are the rounded ends; the others are one column wide.
bool IsDoubleButtonEnd(int piece);

struct DoubleButtonLayout {
    int leftEndPiece;
    int rightEndPiece;
    int firstBodyPiece;
    int secondBodyPiece;
    int firstBodyX;  // columns of the first body: firstBodyX .. dividerX - 1
    int firstBodyCount;
    int dividerX;  // piece 7
    int secondBodyX;
    int secondBodyCount;
    int rightEndX;
    int firstCaptionRight;  // the first caption is centred in [0, firstCaptionRight)
    int secondCaptionLeft;  // the second in [secondCaptionLeft, width)
};

// The selected half shows the clicked body and its clicked end.
DoubleButtonLayout LayoutDoubleButton(int width, int firstHalfWidth, int capWidth,
                                      int selectedHalf);

}  // namespace vo
