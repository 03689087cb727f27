#include "widgets/range/voSlider.h"

#include <windowsx.h>

namespace {

enum PieceRole { kStartCap, kEndCap, kGrip, kRail, kSeparator, kBand, kRoleCount };

struct PieceShape {
    const wchar_t* horizontal;
    const wchar_t* vertical;
    int along;  // size of the resource along the axis
    int across;
};

constexpr PieceShape kPieces[kRoleCount] = {
    {L"HSlider_Left", L"VSlider_Top", 9, 18},
    {L"HSlider_Right", L"VSlider_Bottom", 9, 18},
    {L"HSlider_Grip", L"VSlider_Grip", 5, 19},
    {L"HSlider_Center_Line", L"VSlider_Center_Line", 1, 18},
    {L"HSlider_Vertical_Line", L"VSlider_Horizontal_Line", 1, 18},
    {L"HSlider_Vertical_Bkg", L"VSlider_Horizontal_Bkg", 1, 11},
};

constexpr int kFirstSeparator = 28;
constexpr int kSeparatorLength = 15;  // across; the piece is drawn shorter than it is
constexpr int kBandStart = 8;
constexpr int kBandAcross = 17;
constexpr int kBandSlack = 16;  // the band stops 8 pixels before the end too
constexpr int kFontHeight = 12;

}  // namespace

voSlider::voSlider(HWND parent, std::uint16_t identifier, vo::SliderOrientation axis)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP), orientation(axis) {
    kind = vo::kSliderKindCode;
    accessibleName =
        axis == vo::SliderOrientation::Horizontal ? L"Horizontal slider" : L"Vertical slider";
    font.height = kFontHeight;
    const vo::SliderModel model = vo::MakeSlider(orientation);
    Store(model);
    SetSize(0, 0);

    messageMap.Insert(WM_MOUSEMOVE, &voSlider::OnMove);
    messageMap.Insert(WM_LBUTTONDOWN, &voSlider::OnPress);
    messageMap.Insert(WM_LBUTTONUP, &voSlider::OnRelease);
    messageMap.Insert(WM_MOUSELEAVE, &voSlider::OnLeave);
    messageMap.Insert(WM_KILLFOCUS, &voSlider::ForwardFocusLoss);
    messageMap.Insert(WM_KEYDOWN, &voSlider::OnKey);
}

LRESULT voSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

bool voSlider::SetSize(int a, int b) {
    vo::SliderModel model = Model();
    const vo::SliderSize size = vo::SliderSetSize(model, a, b);
    Store(model);
    return voAbstractControl::SetSize(size.width, size.height);
}

// --- Input ----------------------------------------------------------------------

LRESULT voSlider::OnPress(UINT, WPARAM, LPARAM lParam) {
    SetCapture(ownWindow);
    SetFocus(ownWindow);
    vo::SliderModel model = Model();
    if (!vo::SliderPress(model, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) return 0;
    Store(model);
    Redraw(false);
    return 0;
}

LRESULT voSlider::OnMove(UINT, WPARAM wParam, LPARAM lParam) {
    const int px = GET_X_LPARAM(lParam);
    const int py = GET_Y_LPARAM(lParam);
    const bool held = (wParam & MK_LBUTTON) != 0;
    // Leave tracking first, so the arrow it sets never hides the hand over the grip.
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    switch (vo::SliderCursorFor(Model(), px, py, held)) {
    case vo::SliderCursor::Hand: SetCursor(LoadCursorW(nullptr, IDC_HAND)); break;
    case vo::SliderCursor::Arrow: SetCursor(LoadCursorW(nullptr, IDC_ARROW)); break;
    case vo::SliderCursor::Keep: break;
    }
    if (!held) return 0;
    vo::SliderModel model = Model();
    const vo::SliderDrag drag = vo::SliderDragTo(model, px, py);
    Store(model);
    if (drag.notify && !Notify()) return 0;
    if (drag.redraw) Redraw(false);
    return 0;
}

LRESULT voSlider::OnRelease(UINT, WPARAM, LPARAM) {
    if (GetCapture() == ownWindow) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    Notify();
    return 0;
}

LRESULT voSlider::OnLeave(UINT, WPARAM, LPARAM) {
    mouseTracking = false;
    return 0;
}

LRESULT voSlider::OnKey(UINT, WPARAM key, LPARAM) {
    // The arrows move the selection a position at a time, telling the parent
    // as a drag onto that position does.
    const vo::SliderModel model = Model();
    const std::uint32_t next = vo::SliderKeyIndex(model, static_cast<unsigned>(key));
    if (next == vo::SliderShownIndex(model)) return 0;
    selectedIndex = next;
    if (!Notify()) return 0;
    Redraw(false);
    return 0;
}

bool voSlider::Notify() { return NotifyParent(0, reinterpret_cast<LPARAM>(ownWindow)); }

// --- Painting -------------------------------------------------------------------

bool voSlider::DescribeLook(vo::LookKey& look) const {
    const vo::SliderModel model = Model();
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << labelStart << positionCount
         << labelStep << labelPrefix << labelSuffix << thickness << endCapLength << font
         << textColour << vo::SliderShownIndex(model);
    return true;
}

void voSlider::PaintContent(HDC dc) {
    DrawRail(dc);
    const vo::SliderGrip grip = vo::SliderGripAt(Model());
    const bool horizontal = orientation == vo::SliderOrientation::Horizontal;
    DrawPiece(dc, kGrip, horizontal ? grip.x : grip.y, horizontal ? grip.y : grip.x,
              kPieces[kGrip].along, kPieces[kGrip].across);
    DrawLabels(dc);
}

void voSlider::DrawRail(HDC dc) {
    const bool horizontal = orientation == vo::SliderOrientation::Horizontal;
    const int length = horizontal ? width : height;
    // The horizontal rail sits one pixel below the grip's top; the vertical
    // one is flush with the grip's left edge, and its start cap one pixel down.
    const int railAcross = horizontal ? 1 : 0;
    const int startAlong = horizontal ? 0 : 1;
    const int capAcross = kPieces[kStartCap].across;
    DrawPiece(dc, kStartCap, startAlong, railAcross, endCapLength, capAcross);
    DrawPiece(dc, kRail, endCapLength, railAcross, 1, kPieces[kRail].across,
              length - 2 * endCapLength);
    for (std::uint32_t i = 0; i + 1 < positionCount; ++i)
        DrawPiece(dc, kSeparator,
                  kFirstSeparator + vo::kSliderPositionSpacing * static_cast<int>(i), railAcross, 1,
                  kSeparatorLength);
    DrawPiece(dc, kEndCap, length - endCapLength, railAcross, endCapLength, capAcross);
    DrawPiece(dc, kBand, kBandStart, kBandAcross, 1, kPieces[kBand].across, length - kBandSlack);
}

void voSlider::DrawLabels(HDC dc) {
    const vo::SliderModel model = Model();
    CaptionStyle style;
    style.colour = textColour;
    style.horizontal =
        (vo::SliderLabelFormat(model) & DT_CENTER) != 0 ? vo::kAlignCentre : vo::kAlignStart;
    style.vertical = vo::kAlignCentre;
    style.lineMode = vo::kSingleLine;
    const HFONT labelFont = paintResources.FontFor(font);
    for (std::uint32_t i = 0; i < positionCount; ++i) {
        const vo::SliderRect area = vo::SliderLabelRect(model, i);
        DrawCaption(dc, vo::SliderLabel(model, i),
                    RECT{area.left, area.top, area.right, area.bottom}, labelFont, style);
    }
}

void voSlider::DrawPiece(HDC dc, int role, int along, int across, int alongSize, int acrossSize,
                         int count) {
    const PieceShape& shape = kPieces[role];
    const bool horizontal = orientation == vo::SliderOrientation::Horizontal;
    const KeptBitmap& piece =
        horizontal ? SkinPiece(shape.horizontal, SkinSource::Resource, shape.along, shape.across)
                   : SkinPiece(shape.vertical, SkinSource::Resource, shape.across, shape.along);
    if (!piece || count <= 0) return;
    // Repeated pieces are one pixel along the axis: one stretched blend draws
    // what a blend per pixel would.
    const int length = alongSize * count;
    if (horizontal)
        AlphaBlend(dc, along, across, length, acrossSize, piece.Dc(), 0, 0, alongSize, acrossSize,
                   blend);
    else
        AlphaBlend(dc, across, along, acrossSize, length, piece.Dc(), 0, 0, acrossSize, alongSize,
                   blend);
}

// --- The fields as the logic sees them -------------------------------------------

vo::SliderModel voSlider::Model() const {
    vo::SliderModel model;
    model.orientation = orientation;
    model.labelStart = labelStart;
    model.positionCount = positionCount;
    model.labelStep = labelStep;
    model.labelPrefix = labelPrefix;
    model.labelSuffix = labelSuffix;
    model.thickness = thickness;
    model.endCapLength = endCapLength;
    model.selectedIndex = selectedIndex;
    return model;
}

void voSlider::Store(const vo::SliderModel& model) {
    labelStart = model.labelStart;
    positionCount = model.positionCount;
    labelStep = model.labelStep;
    labelPrefix = model.labelPrefix;
    labelSuffix = model.labelSuffix;
    thickness = model.thickness;
    endCapLength = model.endCapLength;
    selectedIndex = model.selectedIndex;
}

AccessibleFacts voSlider::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_SLIDER;
    // The position as its label reads; the bare index where labels are off.
    facts.value = vo::SliderLabel(Model(), selectedIndex);
    if (facts.value.empty()) facts.value = std::to_wstring(selectedIndex);
    facts.hasValue = true;
    return facts;
}
