#pragma once
// Platform-free rules of the combo box and its drop-down list: the item
// record, the list's rows and hit tests, its keys, where it opens (below the
// field, or above it when the work area's bottom would cut it), the field's
// width rules and fit arithmetic, and where each piece of the field goes.
#include <cstddef>
#include <string>

namespace vo {

constexpr int kComboBoxKindCode = 12;
constexpr int kComboBoxListKindCode = 13;
constexpr int kComboPieceCount = 15;

// One row of the list; the empty record (all defaults) stands for no item.
struct ComboBoxItem {
    std::wstring text;
    std::wstring iconName;  // a resource name, or a file path when not from a resource
    int iconWidth = -1;
    int iconHeight = -1;
    int data = -1;
    int iconFromResource = 1;

    bool operator==(const ComboBoxItem& other) const;
};

// An icon is looked for only when it has a name and a drawable size.
bool HasIcon(const ComboBoxItem& item);

// --- The list ----------------------------------------------------------------------

// Rows and the one-pixel frame: count x item height + 2, never negative (a
// negative item height counts as 0), saturating.
int ListHeight(std::size_t count, int itemHeight);

// Selection and hover accept -1 (none) and the indices of the items. An
// index below -1 would address memory before the items and is refused.
bool AcceptsListIndex(int index, std::size_t count);

// The first row whose span 1 + i x h .. 1 + (i + 1) x h (both ends
// included) holds `y`, or -1. Rows of height 0 or less cannot be hit.
int RowAt(int y, std::size_t count, int itemHeight);

// The hover after a move to `y`: the first row holding `y` that is not the
// hover row already (on the edge shared with the next row, the next one), or
// the hover as it was.
int HoverAfterMove(int y, int hover, std::size_t count, int itemHeight);

// The row a release at (x, y) chooses: a row holding `y` with 0 < x < width,
// or -1.
int ChosenRow(int x, int y, int width, std::size_t count, int itemHeight);

struct ListKeyOutcome {
    bool choose = false;  // select the hover row, close, notify
    bool close = false;   // close without a choice
    int hover = -1;       // the hover after the key
};

// Enter and Space choose, Escape closes, PageUp and Left hover the first
// item, PageDown and Right the last, Up and Down step within the rows.
ListKeyOutcome ListKeyDown(unsigned key, int hover, std::size_t count);

struct ListRowLayout {
    int left, top, right, bottom;  // the row, inside the frame
    int iconX, iconY;              // the icon centred in the icon column
    int textLeft, textRight;       // the text rectangle spans the row's height
};

ListRowLayout LayoutListRow(int index, int itemHeight, int iconColumnWidth, int listWidth,
                            int iconWidth, int iconHeight);

struct ListPlacementInput {
    int ownerScreenX;  // where the owner window's client area starts on the screen
    int ownerScreenY;
    int comboX;  // the combo box in the owner window
    int comboY;
    int comboHeight;
    int listHeight;
    int workAreaBottom;
};

struct ListPlacement {
    int x;
    int y;
    bool above;
};

// Below the field, overlapping its last pixel row, unless the list is taller
// than the room between the field and the work area's bottom: then above
// it. A field already below the work area has no room at all.
ListPlacement PlaceList(const ListPlacementInput& input);

// --- The field ---------------------------------------------------------------------

enum ComboVisualState { kComboNormal = 0, kComboHovered = 1, kComboPressed = 2 };

// Construction: a width of 20 or less becomes 21.
int InitialComboWidth(int width);
// SetSize: never narrower than both side pieces and 9 pixels.
int ComboWidthRule(int width, int sideWidth);
// FitToItems: the widest text, the icon column, `extra` and a side piece on
// each side, and 14 pixels for the arrow. Saturates.
int ComboFitWidth(int widestText, int extra, int sideWidth, int iconColumnWidth);

struct ComboGeometry {
    int skinHeight = 23;
    int sideWidth = 6;
    int buttonWidth = 13;
    int buttonHeight = 17;
    int iconColumnWidth = 25;
};

// The look of the 2 x 20 file skins: side width 2, skin height 20, button
// 16 x 18.
void ApplyCompactGeometry(ComboGeometry& geometry);

struct ComboLayout {
    int centreFirstX;  // centre columns from here, `centreCount` of them,
    int centreCount;   // except the one at `lineX`
    int rightX;
    int buttonX;
    int buttonY;
    int lineX;
    int iconX;
    int textLeft;
};

ComboLayout LayoutCombo(int width, const ComboGeometry& geometry);
// Where an icon of `iconHeight` sits in a field `height` high.
int ComboIconY(int height, int iconHeight);

enum class ComboRole { Left, Right, Centre, Line, Button };

// Piece numbers 1..15 of the skin table: the one a state shows, and the one
// drawn instead when it is missing (0: none).
struct ComboPieceChoice {
    int piece;
    int fallback;
};
ComboPieceChoice ComboPieceFor(ComboRole role, int visualState);
// The resource of a piece number, or null when the resources have none.
const wchar_t* ComboPieceResource(int piece);
// Tall pieces (1 to 12) are loaded at their width x skin height, the
// buttons (13 to 15) at the button size.
bool IsComboButtonPiece(int piece);
int ComboPieceWidth(int piece, const ComboGeometry& geometry);

// Halves rounded down, also for negative values.
int FloorHalf(int value);

}  // namespace vo
