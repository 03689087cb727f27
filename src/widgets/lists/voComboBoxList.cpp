#include "widgets/lists/voComboBoxList.h"

#include <windowsx.h>

#include "widgets/lists/voComboBox.h"

namespace {
constexpr int kFontHeight = 15;
constexpr COLORREF kListBackground = 0xF0F0F0;
}  // namespace

voComboBoxList::voComboBoxList(HWND parent, std::uint16_t identifier,
                               voAbstractWindow* listOwnerWindow)
    : voAbstractControl(parent, identifier, WS_POPUP), ownerWindow(listOwnerWindow) {
    kind = vo::kComboBoxListKindCode;
    accessibleName = L"List";
    font.height = kFontHeight;
    // A pop-up has no gradient behind it: its fill is its own colour, and it
    // never asks its parent for a background.
    backgroundMode = vo::kBackgroundColour;
    backgroundColour = kListBackground;

    messageMap.Insert(WM_MOUSEMOVE, &voComboBoxList::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voComboBoxList::OnMouse);
    messageMap.Insert(WM_KEYDOWN, &voComboBoxList::OnKey);
    messageMap.Insert(WM_CAPTURECHANGED, &voComboBoxList::OnCaptureChanged);
}

LRESULT voComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

// --- Items, selection, size ------------------------------------------------------

bool voComboBoxList::SetSize(int newWidth, int) {
    return voAbstractControl::SetSize(newWidth, vo::ListHeight(items.size(), itemHeight));
}

bool voComboBoxList::AddItem(const std::wstring& text, const std::wstring& iconName, int iconWidth,
                             int iconHeight, int data) {
    items.push_back({text, iconName, iconWidth, iconHeight, data, 1});
    // The height follows the rows.
    SetSize(width, 0);
    return true;
}

int voComboBoxList::GetItemCount() const { return static_cast<int>(items.size()); }

vo::ComboBoxItem voComboBoxList::GetSelectedItem() const {
    if (selectedIndex < 0 || !vo::AcceptsListIndex(selectedIndex, items.size())) return {};
    return items[static_cast<std::size_t>(selectedIndex)];
}

bool voComboBoxList::SetSelection(int index) {
    if (!vo::AcceptsListIndex(index, items.size())) return false;
    selectedIndex = index;
    hoverIndex = index;
    if (owner != nullptr) owner->Redraw(false);
    Redraw(false);
    return true;
}

bool voComboBoxList::SetHover(int index) {
    if (!vo::AcceptsListIndex(index, items.size())) return false;
    hoverIndex = index;
    return true;
}

Bitmap voComboBoxList::LoadItemIcon(int index) const {
    if (index < 0 || !vo::AcceptsListIndex(index, items.size())) return Bitmap();
    const vo::ComboBoxItem& item = items[static_cast<std::size_t>(index)];
    if (!vo::HasIcon(item)) return Bitmap();
    return LoadSkinPiece(moduleInstance, item.iconName,
                         item.iconFromResource != 0 ? SkinSource::Resource : SkinSource::File,
                         item.iconWidth, item.iconHeight);
}

POINT voComboBoxList::OwnerWindowOrigin() const {
    // Where the window stands now, which its object's fields need not know
    // after the user has moved it.
    POINT origin{0, 0};
    const HWND window = ownerWindow != nullptr ? ownerWindow->window : owner->parentWindow;
    ClientToScreen(window, &origin);
    return origin;
}

void voComboBoxList::PlaceBelowOwner() {
    if (owner == nullptr) return;
    SetSize(width, 0);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT origin = OwnerWindowOrigin();
    const vo::ListPlacement placement = vo::PlaceList(
        {origin.x, origin.y, owner->x, owner->y, owner->height, height, workArea.bottom});
    // Stored as SetPosition stores them; moved without activation: a hidden
    // pop-up activated by its move is handed to the window manager, and
    // hiding it then waits for one.
    SetPosition(placement.x, placement.y, false);
    SetWindowPos(ownWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void voComboBoxList::Open() {
    ShowWindow(ownWindow, SW_SHOWNA);
    visible = true;
    Redraw(false);
}

// --- Mouse and keys --------------------------------------------------------------

LRESULT voComboBoxList::OnMouse(UINT message, WPARAM, LPARAM lParam) {
    if (owner == nullptr) return 0;
    const int pointerX = GET_X_LPARAM(lParam);
    const int pointerY = GET_Y_LPARAM(lParam);
    if (message == WM_MOUSEMOVE) {
        const int hover = vo::HoverAfterMove(pointerY, hoverIndex, items.size(), itemHeight);
        if (hover == hoverIndex) return 0;
        hoverIndex = hover;
        Redraw(false);
        return 0;
    }
    // A release reaching a closed list (the owner handed it the capture
    // while closing it) only ends the owner's press.
    const int row =
        visible ? vo::ChosenRow(pointerX, pointerY, width, items.size(), itemHeight) : -1;
    if (row >= 0) {
        SetSelection(row);
        if (!NotifyChoice()) return 0;
    }
    Close();
    return 0;
}

LRESULT voComboBoxList::OnKey(UINT, WPARAM key, LPARAM) {
    // Keys reaching a closed list choose nothing the user could see.
    if (owner == nullptr || !visible) return 0;
    const vo::ListKeyOutcome outcome =
        vo::ListKeyDown(static_cast<unsigned>(key), hoverIndex, items.size());
    hoverIndex = outcome.hover;
    if (outcome.choose) {
        SetSelection(hoverIndex);
        Close();
        if (!NotifyChoice()) return 0;
    } else if (outcome.close) {
        Close();
    }
    Redraw(false);
    return 0;
}

LRESULT voComboBoxList::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Without the capture an open list would never see the release that
    // closes it.
    if (visible && reinterpret_cast<HWND>(lParam) != ownWindow) Close();
    return 0;
}

void voComboBoxList::Hide() {
    // The keys go back to the field they came from, not to a hidden list;
    // and a pop-up hidden while active is handed to the window manager,
    // whose absence every later hiding then waits for.
    const bool holdsKeys = GetFocus() == ownWindow || GetActiveWindow() == ownWindow;
    if (holdsKeys && owner != nullptr) SetFocus(owner->ownWindow);
    ShowWindow(ownWindow, SW_HIDE);
    visible = false;
}

void voComboBoxList::Close() {
    // Closed before the capture goes, so the capture's loss finds it closed.
    Hide();
    if (GetCapture() == ownWindow) ReleaseCapture();
    if (owner == nullptr) return;
    owner->visualState = vo::kComboNormal;
    owner->Redraw(false);
}

bool voComboBoxList::NotifyChoice() {
    return SendToParent(WM_COMMAND, MAKEWPARAM(owner->controlId, 0),
                        reinterpret_cast<LPARAM>(owner->ownWindow));
}

// --- Painting --------------------------------------------------------------------

bool voComboBoxList::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << font << textColour << hoverColour
         << borderColour << itemHeight << iconColumnWidth << hoverIndex << textAlignment;
    for (const vo::ComboBoxItem& item : items)
        look << item.text << item.iconName << item.iconWidth << item.iconHeight
             << item.iconFromResource;
    return true;
}

void voComboBoxList::PaintContent(HDC dc) {
    PaintBorder(dc);
    for (std::size_t index = 0; index < items.size(); ++index) PaintRow(dc, index);
}

void voComboBoxList::PaintBorder(HDC dc) {
    SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, borderColour);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, width - 1, 0);
    LineTo(dc, width - 1, height - 1);
    LineTo(dc, 0, height - 1);
    LineTo(dc, 0, 0);
}

void voComboBoxList::PaintRow(HDC dc, std::size_t index) {
    const vo::ComboBoxItem& item = items[index];
    const vo::ListRowLayout row =
        vo::LayoutListRow(static_cast<int>(index), itemHeight, iconColumnWidth, width,
                          item.iconWidth, item.iconHeight);
    if (static_cast<int>(index) == hoverIndex) {
        const RECT area{row.left, row.top, row.right, row.bottom};
        SetDCBrushColor(dc, hoverColour);
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    BlendPiece(dc, ItemIcon(index), row.iconX, row.iconY, item.iconWidth, item.iconHeight, blend);
    const CaptionStyle style{textColour, textAlignment, vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, item.text, RECT{row.textLeft, row.top, row.textRight, row.bottom},
                paintResources.FontFor(font), style);
}

const KeptBitmap& voComboBoxList::ItemIcon(std::size_t index) {
    static const KeptBitmap none;
    const vo::ComboBoxItem& item = items[index];
    if (!vo::HasIcon(item)) return none;
    if (icons.size() < items.size()) icons.resize(items.size());
    const SkinSource source = item.iconFromResource != 0 ? SkinSource::Resource : SkinSource::File;
    const PieceKey key{moduleInstance, source, item.iconName, item.iconWidth, item.iconHeight};
    KeptIcon& kept = icons[index];
    if (!kept.bitmap || !(kept.key == key)) {
        kept.key = key;
        kept.bitmap = SharedPieces().Acquire(key, [&] {
            return std::make_unique<KeptBitmap>(LoadSkinPiece(moduleInstance, item.iconName, source,
                                                              item.iconWidth, item.iconHeight));
        });
    }
    return *kept.bitmap;
}

// --- Screen readers ----------------------------------------------------------------

AccessibleFacts voComboBoxList::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (item == CHILDID_SELF) {
        facts.role = ROLE_SYSTEM_LIST;
        return facts;
    }
    const int row = static_cast<int>(item - 1);
    facts.name = items[static_cast<std::size_t>(row)].text;
    facts.role = ROLE_SYSTEM_LISTITEM;
    facts.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (row == selectedIndex) facts.state |= STATE_SYSTEM_SELECTED;
    if (row == hoverIndex) {
        facts.state |= STATE_SYSTEM_HOTTRACKED;
        if (GetFocus() == ownWindow) facts.state |= STATE_SYSTEM_FOCUSED;
    }
    if (!visible) facts.state |= STATE_SYSTEM_INVISIBLE;
    facts.defaultAction = L"Select";
    return facts;
}

bool voComboBoxList::AccessibleItemRect(long item, RECT& rect) const {
    const vo::ListRowLayout row =
        vo::LayoutListRow(static_cast<int>(item - 1), itemHeight, iconColumnWidth, width, 0, 0);
    rect = RECT{row.left, row.top, row.right, row.bottom};
    return true;
}

void voComboBoxList::DoAccessibleAction(long item) {
    if (owner == nullptr || item == CHILDID_SELF) return;
    SetSelection(static_cast<int>(item - 1));
    Close();
    NotifyChoice();
}
