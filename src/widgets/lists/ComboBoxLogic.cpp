#include "widgets/lists/ComboBoxLogic.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "control/SkinLogic.h"
#include "widgets/text/EditModel.h"

namespace vo {

namespace {
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkSpace = 0x20;
// The arrow's column at the right end of the field.
constexpr int kLineFromRight = 17;
constexpr int kFitArrowRoom = 14;
constexpr int kMinimumInnerWidth = 9;
constexpr int kTextGap = 4;
constexpr int kTextRightMargin = 5;

std::int64_t RowTop(std::int64_t index, int itemHeight) { return index * itemHeight + 1; }

bool RowHolds(std::size_t index, int y, int itemHeight) {
    const std::int64_t top = RowTop(static_cast<std::int64_t>(index), itemHeight);
    return y >= top && y <= top + itemHeight;
}

std::int64_t FloorHalf64(std::int64_t value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

// Rows that cannot be hit need not be scanned.
std::size_t HittableRows(std::size_t count, int itemHeight) { return itemHeight > 0 ? count : 0; }
}  // namespace

bool ComboBoxItem::operator==(const ComboBoxItem& other) const {
    auto tied = [](const ComboBoxItem& item) {
        return std::tie(item.text, item.iconName, item.iconWidth, item.iconHeight, item.data,
                        item.iconFromResource);
    };
    return tied(*this) == tied(other);
}

bool HasIcon(const ComboBoxItem& item) {
    return !item.iconName.empty() && item.iconWidth > 0 && item.iconHeight > 0;
}

int ListHeight(std::size_t count, int itemHeight) {
    const std::int64_t rows = static_cast<std::int64_t>(std::min<std::size_t>(count, INT32_MAX));
    return ClampToInt(rows * std::max(itemHeight, 0) + 2);
}

bool AcceptsListIndex(int index, std::size_t count) {
    return index >= -1 && static_cast<std::int64_t>(index) < static_cast<std::int64_t>(count);
}

int RowAt(int y, std::size_t count, int itemHeight) {
    for (std::size_t row = 0; row < HittableRows(count, itemHeight); ++row) {
        if (RowHolds(row, y, itemHeight)) return static_cast<int>(row);
    }
    return -1;
}

int HoverAfterMove(int y, int hover, std::size_t count, int itemHeight) {
    for (std::size_t row = 0; row < HittableRows(count, itemHeight); ++row) {
        if (static_cast<int>(row) != hover && RowHolds(row, y, itemHeight))
            return static_cast<int>(row);
    }
    return hover;
}

int ChosenRow(int x, int y, int width, std::size_t count, int itemHeight) {
    const int row = RowAt(y, count, itemHeight);
    return row >= 0 && x > 0 && x < width ? row : -1;
}

ListKeyOutcome ListKeyDown(unsigned key, int hover, std::size_t count) {
    ListKeyOutcome outcome;
    outcome.hover = hover;
    const int last = static_cast<int>(std::min<std::size_t>(count, INT32_MAX)) - 1;
    auto hoverAt = [&](int index) {
        if (AcceptsListIndex(index, count)) outcome.hover = index;
    };
    switch (key) {
    case kVkReturn:
    case kVkSpace: outcome.choose = true; break;
    case kVkEscape: outcome.close = true; break;
    case kVkPrior:
    case kVkLeft: hoverAt(0); break;
    case kVkNext:
    case kVkRight: hoverAt(last); break;
    case kVkUp:
        if (hover > 0) hoverAt(hover - 1);
        break;
    case kVkDown:
        if (hover < last) hoverAt(hover + 1);
        break;
    default: break;
    }
    return outcome;
}

ListRowLayout LayoutListRow(int index, int itemHeight, int iconColumnWidth, int listWidth,
                            int iconWidth, int iconHeight) {
    const std::int64_t top = RowTop(index, itemHeight);
    ListRowLayout row{};
    row.left = 1;
    row.top = ClampToInt(top);
    row.right = listWidth - 1;
    row.bottom = ClampToInt(top + itemHeight);
    row.iconX = ClampToInt(FloorHalf64(static_cast<std::int64_t>(iconColumnWidth) - iconWidth) + 1);
    row.iconY = ClampToInt(FloorHalf64(static_cast<std::int64_t>(itemHeight) - iconHeight) + top);
    row.textLeft = ClampToInt(static_cast<std::int64_t>(iconColumnWidth) + kTextGap);
    row.textRight = listWidth - kTextRightMargin;
    return row;
}

ListPlacement PlaceList(const ListPlacementInput& in) {
    const std::int64_t fieldTop = static_cast<std::int64_t>(in.ownerScreenY) + in.comboY;
    const std::int64_t room =
        static_cast<std::int64_t>(in.workAreaBottom) - in.comboHeight - fieldTop;
    ListPlacement placement{};
    placement.x = ClampToInt(static_cast<std::int64_t>(in.ownerScreenX) + in.comboX);
    placement.above = in.listHeight > room;
    placement.y =
        ClampToInt(placement.above ? fieldTop - in.listHeight : fieldTop + in.comboHeight - 1);
    return placement;
}

int InitialComboWidth(int width) { return width <= 20 ? 21 : width; }

int ComboWidthRule(int width, int sideWidth) {
    const std::int64_t minimum = 2 * static_cast<std::int64_t>(sideWidth) + kMinimumInnerWidth;
    return ClampToInt(std::max<std::int64_t>(width, minimum));
}

int ComboFitWidth(int widestText, int extra, int sideWidth, int iconColumnWidth) {
    return ClampToInt(static_cast<std::int64_t>(widestText) + iconColumnWidth +
                      2 * (static_cast<std::int64_t>(extra) + sideWidth) + kFitArrowRoom);
}

void ApplyCompactGeometry(ComboGeometry& geometry) {
    geometry.sideWidth = 2;
    geometry.skinHeight = 20;
    geometry.buttonWidth = 16;
    geometry.buttonHeight = 18;
}

ComboLayout LayoutCombo(int width, const ComboGeometry& g) {
    ComboLayout layout{};
    layout.centreFirstX = g.sideWidth;
    layout.centreCount = std::max(0, ClampToInt(static_cast<std::int64_t>(width) -
                                                2 * static_cast<std::int64_t>(g.sideWidth)));
    layout.rightX = ClampToInt(static_cast<std::int64_t>(width) - g.sideWidth);
    layout.buttonX = ClampToInt(static_cast<std::int64_t>(width) - g.sideWidth / 2 - g.buttonWidth);
    layout.buttonY =
        FloorHalf(ClampToInt(static_cast<std::int64_t>(g.skinHeight) - g.buttonHeight));
    layout.lineX = width - kLineFromRight;
    layout.iconX = g.sideWidth;
    layout.textLeft = ClampToInt(static_cast<std::int64_t>(g.iconColumnWidth) + g.sideWidth);
    return layout;
}

int ComboIconY(int height, int iconHeight) {
    return FloorHalf(ClampToInt(static_cast<std::int64_t>(height) - iconHeight));
}

ComboPieceChoice ComboPieceFor(ComboRole role, int visualState) {
    // Piece numbers by role: normal, hovered, pressed; and which of the
    // hovered and pressed ones fall back to the normal piece when missing.
    struct Row {
        int normal, hovered, pressed;
        bool pressedFallsBack;
    };
    static const Row rows[] = {
        {1, 4, 7, false},     // left
        {2, 5, 8, false},     // right
        {3, 6, 9, false},     // centre
        {10, 11, 12, true},   // vertical line
        {15, 13, 14, false},  // button
    };
    const Row& row = rows[static_cast<int>(role)];
    switch (visualState) {
    case kComboHovered: return {row.hovered, row.normal};
    case kComboPressed: return {row.pressed, row.pressedFallsBack ? row.normal : 0};
    default: return {row.normal, 0};
    }
}

const wchar_t* ComboPieceResource(int piece) {
    static const wchar_t* const names[kComboPieceCount] = {L"ComboBox_Left",
                                                           L"ComboBox_Right",
                                                           L"ComboBox_Center",
                                                           nullptr,
                                                           nullptr,
                                                           nullptr,
                                                           L"ComboBox_Clicked_Left",
                                                           L"ComboBox_Clicked_Right",
                                                           L"ComboBox_Clicked_Center",
                                                           L"ComboBox_Vertical_Line",
                                                           nullptr,
                                                           nullptr,
                                                           nullptr,
                                                           L"ComboBox_Clicked_Button",
                                                           L"ComboBox_Button"};
    return piece >= 1 && piece <= kComboPieceCount ? names[piece - 1] : nullptr;
}

bool IsComboButtonPiece(int piece) { return piece >= 13 && piece <= kComboPieceCount; }

int ComboPieceWidth(int piece, const ComboGeometry& geometry) {
    if (IsComboButtonPiece(piece)) return geometry.buttonWidth;
    switch (piece) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
    case 8: return geometry.sideWidth;
    default: return 1;  // centres and vertical lines
    }
}

int FloorHalf(int value) { return static_cast<int>(FloorHalf64(value)); }

}  // namespace vo
