#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/lists/ComboBoxLogic.h"

class voComboBox;

// The drop-down part of a combo box: a borderless pop-up owned by the window
// given at construction, at screen coordinates, with one row per item (icon
// and text) and a hover highlight. It holds the mouse capture while open;
// a choice records the selection, closes it and tells its parent window
// with the combo box's identifier and window handle.
class voComboBoxList : public voAbstractControl {
public:
    voComboBoxList(HWND parent, std::uint16_t identifier, voAbstractWindow* ownerWindow);

    // The height follows the rows: item count x item height + 2.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool AddItem(const std::wstring& text, const std::wstring& iconName, int iconWidth,
                 int iconHeight, int data);
    int GetItemCount() const;
    // The chosen item, or the empty record when none is chosen.
    vo::ComboBoxItem GetSelectedItem() const;
    // -1 clears the selection; the hover follows it. No notification.
    bool SetSelection(int index);
    bool SetHover(int index);
    // The item's icon as a new bitmap at its own size, or an empty holder.
    Bitmap LoadItemIcon(int index) const;
    // Puts the list below the owner combo box, or above it when the work
    // area's bottom would cut it.
    void PlaceBelowOwner();
    // Shows the list; the owner then gives it the focus.
    void Open();
    // Hides it, the focus going back to the owner first. No choice, no
    // change of the owner's look.
    void Hide();

    CaptionFont font;  // height, weight, face, angle, italic
    COLORREF textColour = 0x000000;
    COLORREF hoverColour = 0xD2D2D2;
    // The list's own fill is the base background colour (mode 1).
    COLORREF borderColour = 0x8C8C8C;
    int itemHeight = 0;
    int iconColumnWidth = 25;
    int selectedIndex = -1;
    int hoverIndex = -1;
    int textAlignment = 2;  // 0 left, 1 centred, 2 right
    voComboBox* owner = nullptr;
    voAbstractWindow* ownerWindow = nullptr;
    std::vector<vo::ComboBoxItem> items;

protected:
    // Its rows are the items, chosen as a click on them chooses.
    long AccessibleItemCount() const override { return static_cast<long>(items.size()); }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long item, RECT& rect) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);

    void Close();
    // Tells the parent window; false when it deleted this list meanwhile.
    bool NotifyChoice();
    POINT OwnerWindowOrigin() const;

    void PaintBorder(HDC dc);
    void PaintRow(HDC dc, std::size_t index);
    const KeptBitmap& ItemIcon(std::size_t index);

    // The rows' icons, kept between paints however many rows there are.
    struct KeptIcon {
        PieceKey key{};
        std::shared_ptr<const KeptBitmap> bitmap;
    };
    std::vector<KeptIcon> icons;
    voMessageMap<voComboBoxList> messageMap;
};
