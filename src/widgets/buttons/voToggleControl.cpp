#include "widgets/buttons/voToggleControl.h"

#include <windowsx.h>

voToggleControl::voToggleControl(HWND parent, std::uint16_t identifier, int askedWidth,
                                 vo::ToggleKind toggle, const PieceNames& names)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP),
      toggleKind(toggle),
      pieceNames(names) {
    kind = vo::kToggleKindCode;
    // Both classes keep a check state, so SetChecked always acts.
    toggleMode = true;
    checked = false;
    const vo::ToggleSize size = vo::InitialToggleSize(askedWidth);
    voAbstractControl::SetSize(size.width, size.height);

    messageMap.Insert(WM_MOUSEMOVE, &voToggleControl::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voToggleControl::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voToggleControl::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voToggleControl::OnMouse);
    messageMap.Insert(WM_LBUTTONDBLCLK, &voToggleControl::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voToggleControl::OnKillFocus);
    messageMap.Insert(WM_CAPTURECHANGED, &voToggleControl::OnCaptureChanged);
    messageMap.Insert(WM_KEYDOWN, &voToggleControl::OnKey);
    messageMap.Insert(WM_KEYUP, &voToggleControl::OnKey);
}

LRESULT voToggleControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

LRESULT voToggleControl::OnKey(UINT message, WPARAM wParam, LPARAM) {
    const vo::KeyEdge edge = space.Take(message == WM_KEYDOWN, static_cast<unsigned>(wParam));
    if (edge == vo::KeyEdge::Pressed && enabled) PressInPlace();
    // A press cancelled meanwhile (disabled, focus lost) clicks nothing.
    if (edge == vo::KeyEdge::Released && pressing) ReleaseInPlace();
    return 0;
}

void voToggleControl::PressInPlace() {
    vo::ToggleModel model = Model();
    vo::PressToggle(model);
    Store(model);
    Redraw(false);
}

void voToggleControl::ReleaseInPlace() {
    vo::ToggleModel model = Model();
    const vo::ToggleNotice notice = vo::ReleaseToggle(model, toggleKind, true);
    Store(model);
    Redraw(false);
    // Last, as for a click: the parent may delete the control.
    if (notice.send) NotifyParent(notice.code);
}

LRESULT voToggleControl::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    // The key-up goes to the new focus: the press ends without a click.
    if (space.Cancel()) CancelPress();
    return ForwardFocusLoss(message, wParam, lParam);
}

void voToggleControl::SetChecked(bool value) {
    vo::ToggleModel model = Model();
    vo::SetToggleChecked(model, value);
    Store(model);
    Redraw(false);
}

bool voToggleControl::SetSize(int askedWidth, int askedHeight) {
    const vo::ToggleSize size = vo::ApplyToggleSizeRule(askedWidth, askedHeight, boxSize, gap);
    return voAbstractControl::SetSize(size.width, size.height);
}

void voToggleControl::SetText(const std::wstring& text) {
    caption = text;
    Redraw(false);
}

bool voToggleControl::FitToText() {
    TEXTMETRICW metrics{};
    const SIZE extent = MeasureCaption(ownWindow, caption, paintResources.FontFor(font), &metrics);
    const vo::ToggleFit fit =
        vo::FitToggleToText(extent.cx, extent.cy, metrics.tmExternalLeading, height, boxSize);
    gap = fit.gap;
    height = fit.size.height;
    return SetSize(fit.size.width, fit.size.height);
}

void voToggleControl::SetEnabled(bool value) {
    // A press cut short by disabling must not keep the mouse captured.
    if (!value) CancelPress();
    enabled = value;
    Redraw(false);
}

void voToggleControl::SetSkinSource(int source) {
    skinSource = source;
    if (source == 0) {
        boxSize = vo::kToggleDefaultBoxSize;
        gap = vo::kToggleDefaultGap;
    }
}

void voToggleControl::SetSkinFile(int index, const std::wstring& path) {
    if (index >= 0 && index < vo::kTogglePieceCount) skinFiles[index] = path;
}

bool voToggleControl::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinSource << visualState << boxSize
         << gap << font << textColour << disabledTextColour << caption << enabled;
    for (const std::wstring& file : skinFiles) look << file;
    return true;
}

void voToggleControl::PaintContent(HDC dc) {
    const int piece = vo::TogglePieceIndex(visualState, enabled);
    const vo::TogglePieceSource source = vo::ResolveTogglePieceSource(toggleKind, skinSource);
    if (piece >= 0 && source != vo::TogglePieceSource::None) {
        const KeptBitmap& box =
            source == vo::TogglePieceSource::Files
                ? SkinPiece(skinFiles[piece], SkinSource::File, boxSize, boxSize)
                : SkinPiece(pieceNames[piece], SkinSource::Resource, boxSize, boxSize);
        BlendPiece(dc, box, 0, vo::ToggleBoxTop(height, boxSize), boxSize, boxSize, blend);
    }
    if (caption.empty()) return;
    RECT area{};
    GetClientRect(ownWindow, &area);
    area.left = vo::ToggleCaptionLeft(boxSize, gap);
    CaptionStyle look;
    look.colour = enabled ? textColour : disabledTextColour;
    look.horizontal = vo::kAlignStart;
    look.vertical = vo::kAlignCentre;
    look.lineMode = vo::kSingleLine;
    DrawCaption(dc, caption, area, paintResources.FontFor(font), look);
}

LRESULT voToggleControl::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSELEAVE) {
        mouseTracking = false;
        // A pressed look that no press on the control started ends with the hover.
        if (!pressing) CancelHover();
        return 0;
    }
    if (!enabled) return 0;
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // The second click of a double click is a press like the first.
        SendMessageW(ownWindow, WM_LBUTTONDOWN, wParam, lParam);
        break;
    case WM_LBUTTONDOWN: Press(); break;
    case WM_LBUTTONUP: Release(lParam); break;
    case WM_MOUSEMOVE: Move(wParam, lParam); break;
    default: break;
    }
    return 0;
}

LRESULT voToggleControl::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Another window took the mouse in the middle of a press: no release will
    // come, so the pressed picture must not stay.
    if (reinterpret_cast<HWND>(lParam) != ownWindow) CancelPress();
    return 0;
}

void voToggleControl::Press() {
    SetCapture(ownWindow);
    SetFocus(ownWindow);
    vo::ToggleModel model = Model();
    vo::PressToggle(model);
    Store(model);
    Redraw(false);
}

void voToggleControl::Move(WPARAM wParam, LPARAM lParam) {
    vo::ToggleModel model = Model();
    const int before = model.visualState;
    vo::MoveToggle(model, Inside(lParam), wParam != 0);
    Store(model);
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    if (model.visualState != before) Redraw(false);
}

void voToggleControl::Release(LPARAM lParam) {
    vo::ToggleModel model = Model();
    const vo::ToggleNotice notice = vo::ReleaseToggle(model, toggleKind, Inside(lParam));
    // The press is over before the capture goes, so the capture change it
    // causes cancels nothing.
    Store(model);
    if (GetCapture() == ownWindow) ReleaseCapture();
    Redraw(false);
    // Last: the parent may act on the control (or delete it) from its handler.
    if (notice.send) NotifyParent(notice.code);
}

void voToggleControl::CancelPress() {
    if (!pressing) return;
    vo::ToggleModel model = Model();
    vo::CancelTogglePress(model);
    Store(model);
    if (GetCapture() == ownWindow) ReleaseCapture();
    Redraw(false);
}

void voToggleControl::CancelHover() {
    vo::ToggleModel model = Model();
    const int before = model.visualState;
    vo::CancelTogglePress(model);
    Store(model);
    if (model.visualState != before) Redraw(false);
}

bool voToggleControl::Inside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(ownWindow, &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, point) != FALSE;
}

vo::ToggleModel voToggleControl::Model() const {
    vo::ToggleModel model;
    model.visualState = visualState;
    model.checked = checked;
    model.pressing = pressing;
    return model;
}

void voToggleControl::Store(const vo::ToggleModel& model) {
    visualState = model.visualState;
    checked = model.checked;
    pressing = model.pressing;
}

AccessibleFacts voToggleControl::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (facts.name.empty()) facts.name = caption;
    const bool checkBox = toggleKind == vo::ToggleKind::CheckBox;
    facts.role = checkBox ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_RADIOBUTTON;
    if (checked) facts.state |= STATE_SYSTEM_CHECKED;
    if (vo::IsPressedState(visualState)) facts.state |= STATE_SYSTEM_PRESSED;
    if (!enabled)
        facts.state |= STATE_SYSTEM_UNAVAILABLE;
    else
        facts.defaultAction = checkBox && checked ? L"Uncheck" : L"Check";
    return facts;
}

void voToggleControl::DoAccessibleAction(long) {
    if (!enabled) return;
    PressInPlace();
    ReleaseInPlace();
}
