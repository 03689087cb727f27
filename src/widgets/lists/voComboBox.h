#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "widgets/lists/ComboBoxLogic.h"
#include "widgets/lists/voComboBoxList.h"

// The closed part of a drop-down selector: a skinned field showing the
// chosen item's icon and text, with an arrow button at its right end. A
// click opens the attached list, which takes the focus and the mouse and
// tells the parent window about a choice; the field itself never notifies.
// It owns the attached list.
class voComboBox : public voAbstractControl {
public:
    voComboBox(HWND parent, std::uint16_t identifier, int width);
    ~voComboBox() override;

    // Never narrower than both side pieces and 9 pixels; the height is
    // always the skin height; the list takes the same width.
    bool SetSize(int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Deletes the list attached before and owns this one (null: none); the
    // list's selection is applied again and its result returned (false
    // without a list).
    bool SetList(voComboBoxList* list);
    bool AddItem(const std::wstring& text, const std::wstring& iconName, int iconWidth,
                 int iconHeight, int data);
    // As wide as the widest item text needs, with `extra` pixels on each side.
    void FitToItems(int extra);
    vo::ComboBoxItem GetSelectedItem() const;
    bool SetSelection(int index);
    // Piece 1..15 of the skin table, used while the skin source is 1; other
    // numbers are ignored.
    void SetSkinFile(int piece, const std::wstring& path);
    // The look of the 2 x 20 file skins: side width 2, skin height 20, button 16 x 18.
    void ApplyCompactGeometry();

    int skinSource = 0;  // 0 resources, 1 the files below
    int visualState = vo::kComboNormal;
    bool inputEnabled = true;
    int skinHeight = 23;
    int sideWidth = 6;
    int buttonWidth = 13;
    int buttonHeight = 17;
    int iconColumnWidth = 25;
    bool showIcon = true;
    CaptionFont font;  // height, weight, face, angle, italic
    COLORREF textColour = 0x000000;
    std::array<std::wstring, vo::kComboPieceCount> skinFilePaths;
    voComboBoxList* list = nullptr;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnKey(UINT message, WPARAM key, LPARAM lParam);
    void OpenList();
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Hover();
    void Press(POINT point);
    void Release();
    void Leave();

    vo::ComboGeometry Geometry() const;
    // The piece a role shows in the current state, or its fallback.
    const KeptBitmap& PieceFor(vo::ComboRole role);
    const KeptBitmap& Piece(int number);
    void PaintSkin(HDC dc, const vo::ComboLayout& layout);
    void PaintSelection(HDC dc, const vo::ComboLayout& layout);

    voMessageMap<voComboBox> messageMap;
};
