#include "widgets/lists/voComboBox.h"

#include <windowsx.h>

#include <algorithm>

namespace {
constexpr int kFontHeight = 15;
}  // namespace

voComboBox::voComboBox(HWND parent, std::uint16_t identifier, int askedWidth)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP) {
    kind = vo::kComboBoxKindCode;
    accessibleName = L"Combo box";
    font.height = kFontHeight;
    voAbstractControl::SetSize(vo::InitialComboWidth(askedWidth), skinHeight);

    messageMap.Insert(WM_MOUSEMOVE, &voComboBox::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voComboBox::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voComboBox::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voComboBox::OnMouse);
    messageMap.Insert(WM_KEYDOWN, &voComboBox::OnKey);
    messageMap.Insert(WM_SYSKEYDOWN, &voComboBox::OnKey);
}

voComboBox::~voComboBox() { delete list; }

LRESULT voComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

// --- Setters ---------------------------------------------------------------------

bool voComboBox::SetSize(int askedWidth, int) {
    const bool sized =
        voAbstractControl::SetSize(vo::ComboWidthRule(askedWidth, sideWidth), skinHeight);
    if (list != nullptr) list->SetSize(width, 0);
    return sized;
}

bool voComboBox::SetList(voComboBoxList* newList) {
    // Attaching the list held already must not delete it.
    if (newList != list) {
        delete list;
        list = newList;
    }
    if (list == nullptr) return false;
    list->owner = this;
    // As wide as the field from the start, not only from the next resize.
    list->SetSize(width, 0);
    return list->SetSelection(list->selectedIndex);
}

bool voComboBox::AddItem(const std::wstring& text, const std::wstring& iconName, int iconWidth,
                         int iconHeight, int data) {
    return list != nullptr && list->AddItem(text, iconName, iconWidth, iconHeight, data);
}

void voComboBox::FitToItems(int extra) {
    if (list == nullptr || list->items.empty()) return;
    int widest = 0;
    {
        WindowDC dc(ownWindow);
        SelectedObject selected(dc.Get(), paintResources.FontFor(font));
        for (const vo::ComboBoxItem& item : list->items) {
            SIZE extent{};
            if (GetTextExtentPoint32W(dc.Get(), item.text.c_str(),
                                      static_cast<int>(item.text.size()), &extent) == FALSE)
                return;
            widest = std::max(widest, static_cast<int>(extent.cx));
        }
    }
    SetSize(vo::ComboFitWidth(widest, extra, sideWidth, iconColumnWidth), 0);
}

vo::ComboBoxItem voComboBox::GetSelectedItem() const {
    return list != nullptr ? list->GetSelectedItem() : vo::ComboBoxItem{};
}

bool voComboBox::SetSelection(int index) { return list != nullptr && list->SetSelection(index); }

void voComboBox::SetSkinFile(int piece, const std::wstring& path) {
    if (piece >= 1 && piece <= vo::kComboPieceCount) skinFilePaths[piece - 1] = path;
}

void voComboBox::ApplyCompactGeometry() {
    vo::ComboGeometry geometry = Geometry();
    vo::ApplyCompactGeometry(geometry);
    sideWidth = geometry.sideWidth;
    skinHeight = geometry.skinHeight;
    buttonWidth = geometry.buttonWidth;
    buttonHeight = geometry.buttonHeight;
    SetSize(width, skinHeight);
}

vo::ComboGeometry voComboBox::Geometry() const {
    vo::ComboGeometry geometry;
    geometry.skinHeight = skinHeight;
    geometry.sideWidth = sideWidth;
    geometry.buttonWidth = buttonWidth;
    geometry.buttonHeight = buttonHeight;
    geometry.iconColumnWidth = iconColumnWidth;
    return geometry;
}

// --- Mouse -----------------------------------------------------------------------

LRESULT voComboBox::OnMouse(UINT message, WPARAM, LPARAM lParam) {
    // The leave is bookkeeping that must happen even while input is off.
    if (message == WM_MOUSELEAVE) {
        Leave();
        return 0;
    }
    if (!inputEnabled) return 0;
    switch (message) {
    case WM_MOUSEMOVE: Hover(); break;
    case WM_LBUTTONDOWN: Press({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); break;
    case WM_LBUTTONUP: Release(); break;
    default: break;
    }
    return 0;
}

void voComboBox::Hover() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (visualState == vo::kComboPressed) return;
    visualState = vo::kComboHovered;
    if (!mouseTracking) TrackMouseLeave();
    Redraw(false);
}

void voComboBox::Press(POINT point) {
    SetCapture(ownWindow);
    SetFocus(ownWindow);
    const RECT client{0, 0, width, height};
    if (PtInRect(&client, point) == FALSE) return;
    visualState = vo::kComboPressed;
    if (list != nullptr) {
        list->PlaceBelowOwner();
        if (list->visible) {
            // The release of this click reaches the list, which then ends the press.
            list->Hide();
            SetCapture(list->ownWindow);
        } else {
            list->Open();
            SetFocus(list->ownWindow);
        }
    }
    Redraw(false);
}

void voComboBox::Release() {
    // The open list takes the mouse, so the release of the next click,
    // wherever it is, reaches it.
    if (list != nullptr && list->visible)
        SetCapture(list->ownWindow);
    else if (GetCapture() == ownWindow)
        ReleaseCapture();
}

void voComboBox::Leave() {
    mouseTracking = false;
    if (visualState != vo::kComboHovered) return;
    visualState = vo::kComboNormal;
    Redraw(false);
}

// --- Painting --------------------------------------------------------------------

bool voComboBox::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinSource << visualState
         << skinHeight << sideWidth << buttonWidth << buttonHeight << iconColumnWidth << showIcon
         << font << textColour << (list != nullptr);
    for (const std::wstring& path : skinFilePaths) look << path;
    if (list != nullptr) {
        const vo::ComboBoxItem item = list->GetSelectedItem();
        look << list->selectedIndex << item.text << item.iconName << item.iconWidth
             << item.iconHeight << item.iconFromResource;
    }
    return true;
}

void voComboBox::PaintContent(HDC dc) {
    const vo::ComboLayout layout = vo::LayoutCombo(width, Geometry());
    PaintSkin(dc, layout);
    PaintSelection(dc, layout);
}

const KeptBitmap& voComboBox::Piece(int number) {
    const int pieceWidth = vo::ComboPieceWidth(number, Geometry());
    const int pieceHeight = vo::IsComboButtonPiece(number) ? buttonHeight : skinHeight;
    if (skinSource == 1)
        return SkinPiece(skinFilePaths[number - 1], SkinSource::File, pieceWidth, pieceHeight);
    const wchar_t* name = vo::ComboPieceResource(number);
    return SkinPiece(name != nullptr ? name : L"", SkinSource::Resource, pieceWidth, pieceHeight);
}

const KeptBitmap& voComboBox::PieceFor(vo::ComboRole role) {
    const vo::ComboPieceChoice choice = vo::ComboPieceFor(role, visualState);
    const KeptBitmap& piece = Piece(choice.piece);
    if (piece || choice.fallback == 0) return piece;
    return Piece(choice.fallback);
}

void voComboBox::PaintSkin(HDC dc, const vo::ComboLayout& layout) {
    BlendPiece(dc, PieceFor(vo::ComboRole::Left), 0, 0, sideWidth, skinHeight, blend);
    const KeptBitmap& centre = PieceFor(vo::ComboRole::Centre);
    for (int column = 0; column < layout.centreCount; ++column) {
        const int x = layout.centreFirstX + column;
        // The vertical line stands in that column.
        if (x != layout.lineX) BlendPiece(dc, centre, x, 0, 1, skinHeight, blend);
    }
    BlendPiece(dc, PieceFor(vo::ComboRole::Right), layout.rightX, 0, sideWidth, skinHeight, blend);
    BlendPiece(dc, PieceFor(vo::ComboRole::Button), layout.buttonX, layout.buttonY, buttonWidth,
               buttonHeight, blend);
    BlendPiece(dc, PieceFor(vo::ComboRole::Line), layout.lineX, 0, 1, skinHeight, blend);
}

void voComboBox::PaintSelection(HDC dc, const vo::ComboLayout& layout) {
    if (list == nullptr || list->selectedIndex < 0) return;
    const vo::ComboBoxItem item = list->GetSelectedItem();
    if (showIcon && vo::HasIcon(item)) {
        const SkinSource source =
            item.iconFromResource != 0 ? SkinSource::Resource : SkinSource::File;
        const KeptBitmap& icon = SkinPiece(item.iconName, source, item.iconWidth, item.iconHeight);
        BlendPiece(dc, icon, layout.iconX, vo::ComboIconY(height, item.iconHeight), item.iconWidth,
                   item.iconHeight, blend);
    }
    const CaptionStyle style{textColour, vo::kAlignStart, vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, item.text, RECT{layout.textLeft, 0, width, height},
                paintResources.FontFor(font), style);
}

// --- Screen readers ----------------------------------------------------------------

AccessibleFacts voComboBox::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_COMBOBOX;
    facts.value = GetSelectedItem().text;
    facts.hasValue = true;
    const bool open = list != nullptr && list->visible;
    facts.state |= STATE_SYSTEM_HASPOPUP | (open ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
    if (!inputEnabled)
        facts.state |= STATE_SYSTEM_UNAVAILABLE;
    else if (list != nullptr)
        facts.defaultAction = open ? L"Close" : L"Open";
    return facts;
}

void voComboBox::DoAccessibleAction(long) {
    if (!inputEnabled || list == nullptr) return;
    if (!list->visible) {
        OpenList();
        return;
    }
    list->Hide();
    visualState = vo::kComboNormal;
    Redraw(false);
}

LRESULT voComboBox::OnKey(UINT message, WPARAM key, LPARAM lParam) {
    // F4 and Alt+Down open the list, as they open a system drop-down.
    const bool opens =
        (message == WM_KEYDOWN && key == VK_F4) || (message == WM_SYSKEYDOWN && key == VK_DOWN);
    if (opens && inputEnabled && list != nullptr && !list->visible) {
        OpenList();
        return 0;
    }
    if (message == WM_SYSKEYDOWN) return DefWindowProcW(ownWindow, message, key, lParam);
    return 0;
}

void voComboBox::OpenList() {
    // As a click opens it, with the keys handed to the list.
    list->PlaceBelowOwner();
    list->Open();
    SetFocus(list->ownWindow);
    Redraw(false);
}
