#include "widgets/range/voScrollBar.h"

#include <windowsx.h>

namespace {
constexpr int kTrackPiece = 5;
constexpr int kGripEndPiece = 7;
constexpr int kLastArrowPiece = 4;

// `columns` x `rows` copies of a piece that is one pixel along the way it
// repeats: one stretched blend draws what a blend per pixel would.
bool BlendRepeated(HDC dc, const KeptBitmap& piece, int x, int y, int w, int h, int columns,
                   int rows, const BLENDFUNCTION& blend) {
    return AlphaBlend(dc, x, y, w * columns, h * rows, piece.Dc(), 0, 0, w, h, blend) != FALSE;
}
}  // namespace

voScrollBar::voScrollBar(HWND parent, int extent, std::uint16_t identifier,
                         vo::ScrollOrientation axis)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP), orientation(axis) {
    kind = axis == vo::ScrollOrientation::Horizontal ? vo::kScrollBarKindCodeHorizontal
                                                     : vo::kScrollBarKindCodeVertical;
    accessibleName = axis == vo::ScrollOrientation::Horizontal ? L"Horizontal scroll bar"
                                                               : L"Vertical scroll bar";
    vo::ScrollBarModel model = vo::MakeScrollBar(orientation, extent);
    // The grip starts at its place for an empty range, not over the first arrow.
    vo::UpdateGripPosition(model);
    Store(model);
    voAbstractControl::SetSize(model.width, model.height);

    messageMap.Insert(WM_MOUSEMOVE, &voScrollBar::OnMove);
    messageMap.Insert(WM_LBUTTONDOWN, &voScrollBar::OnPress);
    messageMap.Insert(WM_LBUTTONUP, &voScrollBar::OnRelease);
    messageMap.Insert(WM_MOUSELEAVE, &voScrollBar::OnLeave);
    // The second click of a double click is a press like the first.
    messageMap.Insert(WM_LBUTTONDBLCLK, &voScrollBar::OnPress);
    messageMap.Insert(WM_MOUSEWHEEL, &voScrollBar::OnWheel);
    messageMap.Insert(WM_TIMER, &voScrollBar::OnTimer);
    messageMap.Insert(WM_KEYDOWN, &voScrollBar::OnKey);
    messageMap.Insert(WM_KILLFOCUS, &voScrollBar::OnKillFocus);
    messageMap.Insert(WM_CAPTURECHANGED, &voScrollBar::OnCaptureChanged);
}

LRESULT voScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

bool voScrollBar::SetSize(int askedWidth, int askedHeight) {
    vo::ScrollBarModel model = Model();
    const vo::ScrollSize size = vo::ScrollBarSetSize(model, askedWidth, askedHeight);
    Store(model);
    return voAbstractControl::SetSize(size.width, size.height);
}

void voScrollBar::UpdateGripSize() {
    vo::ScrollBarModel model = Model();
    vo::UpdateGripSize(model);
    Store(model);
}

void voScrollBar::UpdateGripPosition() {
    vo::ScrollBarModel model = Model();
    vo::UpdateGripPosition(model);
    Store(model);
    Redraw(false);
}

void voScrollBar::SetRange(std::uint32_t newTotal, std::uint32_t newPage,
                           std::uint32_t newPosition) {
    vo::ScrollBarModel model = Model();
    vo::SetScrollRange(model, newTotal, newPage, newPosition);
    Store(model);
    Redraw(false);
}

void voScrollBar::SetSkinFile(int index, const std::wstring& path) {
    if (index >= 1 && index <= vo::kScrollPieceCount) skinFiles[index - 1] = path;
}

// --- Input ----------------------------------------------------------------------

LRESULT voScrollBar::OnPress(UINT, WPARAM, LPARAM lParam) {
    SetCapture(ownWindow);
    SetFocus(ownWindow);
    vo::ScrollBarModel model = Model();
    const vo::ScrollEffects effects =
        vo::ScrollBarPress(model, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    Store(model);
    Apply(effects);
    return 0;
}

LRESULT voScrollBar::OnMove(UINT, WPARAM, LPARAM lParam) {
    vo::ScrollBarModel model = Model();
    vo::ScrollEffects effects =
        vo::ScrollBarMove(model, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    Store(model);
    if (effects.stop) return 0;
    const bool redraw = effects.redraw;
    effects.redraw = false;
    if (!Apply(effects)) return 0;
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    if (redraw) Redraw(false);
    return 0;
}

LRESULT voScrollBar::OnRelease(UINT, WPARAM, LPARAM) {
    vo::ScrollBarModel model = Model();
    const vo::ScrollEffects effects = vo::ScrollBarRelease(model);
    // Idle before the capture goes, so the capture change cancels nothing.
    Store(model);
    if (GetCapture() == ownWindow) ReleaseCapture();
    Apply(effects);
    return 0;
}

LRESULT voScrollBar::OnLeave(UINT, WPARAM, LPARAM) {
    mouseTracking = false;
    return 0;
}

LRESULT voScrollBar::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == ownWindow) return 0;
    vo::ScrollBarModel model = Model();
    const vo::ScrollEffects effects = vo::ScrollBarCaptureLost(model);
    Store(model);
    Apply(effects);
    return 0;
}

LRESULT voScrollBar::OnWheel(UINT, WPARAM wParam, LPARAM) {
    const vo::ScrollWheelPlan plan =
        vo::ScrollBarWheelPlan(Model(), GET_WHEEL_DELTA_WPARAM(wParam));
    // The model is read again before each step: the parent may change the bar
    // from its notification.
    for (int step = 0; step < plan.count && vo::ScrollBarWheelMayStep(Model(), plan.key); ++step)
        if (!SendToSelf(WM_KEYDOWN, plan.key)) return 0;
    return 0;
}

LRESULT voScrollBar::OnTimer(UINT, WPARAM wParam, LPARAM) {
    Apply(vo::ScrollBarTimer(Model(), static_cast<int>(wParam)));
    return 0;
}

LRESULT voScrollBar::OnKey(UINT, WPARAM wParam, LPARAM) {
    vo::ScrollBarModel model = Model();
    const vo::ScrollEffects effects = vo::ScrollBarKey(model, static_cast<int>(wParam));
    Store(model);
    Apply(effects);
    return 0;
}

LRESULT voScrollBar::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    // Only a focus that goes to no window is told to the parent.
    if (wParam == 0 && !SendToParent(WM_KILLFOCUS, 0, 0)) return 0;
    return voAbstractControl::WindowProc(message, wParam, lParam);
}

bool voScrollBar::Apply(const vo::ScrollEffects& effects) {
    for (const vo::ScrollTimer& timer : vo::kScrollTimers)
        if ((effects.killTimers & (1u << timer.id)) != 0) KillTimer(ownWindow, timer.id);
    if (effects.sendKey != 0 && !SendToSelf(WM_KEYDOWN, effects.sendKey)) return false;
    if (effects.startTimer != 0)
        SetTimer(ownWindow, effects.startTimer, static_cast<UINT>(effects.timerDelay), nullptr);
    if (effects.notify && !Notify()) return false;
    if (effects.redraw) Redraw(false);
    return true;
}

bool voScrollBar::Notify() { return NotifyParent(vo::ScrollBarNotificationValue(Model())); }

// --- Painting -------------------------------------------------------------------

bool voScrollBar::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinSource << state << buttonWidth
         << buttonHeight << gripOffset << gripLength;
    for (const std::wstring& file : skinFiles) look << file;
    return true;
}

void voScrollBar::PaintContent(HDC dc) {
    const vo::ScrollBarPaintLayout layout = vo::ScrollBarPaint(Model());
    DrawPiece(dc, layout.firstArrowPiece, 0);
    DrawPiece(dc, kTrackPiece, layout.trackFirst, layout.trackCount);
    DrawPiece(dc, kGripEndPiece, layout.gripEndAt[0]);
    DrawPiece(dc, kGripEndPiece, layout.gripEndAt[1]);
    DrawPiece(dc, layout.gripBodyPiece, layout.gripBodyFirst, layout.gripBodyCount);
    DrawPiece(dc, layout.secondArrowPiece, layout.secondArrowAt);
}

SIZE voScrollBar::PieceSize(int index) const {
    if (index <= kLastArrowPiece) return {buttonWidth, buttonHeight};
    // The one-pixel strips are repeated along the axis.
    return orientation == vo::ScrollOrientation::Horizontal ? SIZE{1, buttonHeight}
                                                            : SIZE{buttonWidth, 1};
}

const KeptBitmap* voScrollBar::Piece(int index) {
    const SIZE size = PieceSize(index);
    if (skinSource == 0)
        return &SkinPiece(vo::ScrollBarPieceName(orientation, index), SkinSource::Resource, size.cx,
                          size.cy);
    if (skinSource == 1)
        return &SkinPiece(skinFiles[index - 1], SkinSource::File, size.cx, size.cy);
    return nullptr;
}

void voScrollBar::DrawPiece(HDC dc, int index, int along, int count) {
    const KeptBitmap* piece = Piece(index);
    if (piece == nullptr || !*piece || count <= 0) return;
    const SIZE size = PieceSize(index);
    if (orientation == vo::ScrollOrientation::Horizontal)
        BlendRepeated(dc, *piece, along, 0, size.cx, size.cy, count, 1, blend);
    else
        BlendRepeated(dc, *piece, 0, along, size.cx, size.cy, 1, count, blend);
}

// --- The fields as the logic sees them -------------------------------------------

vo::ScrollBarModel voScrollBar::Model() const {
    vo::ScrollBarModel model;
    model.orientation = orientation;
    model.width = width;
    model.height = height;
    model.skinSource = skinSource;
    model.state = state;
    model.buttonWidth = buttonWidth;
    model.buttonHeight = buttonHeight;
    model.total = total;
    model.page = page;
    model.travel = travel;
    model.position = position;
    model.trackLength = trackLength;
    model.gripLength = gripLength;
    model.minimumGripLength = minimumGripLength;
    model.maximumGripLength = maximumGripLength;
    model.gripOffset = gripOffset;
    model.anchor = anchor;
    model.lineStep = lineStep;
    model.wheelLines = wheelLines;
    return model;
}

void voScrollBar::Store(const vo::ScrollBarModel& model) {
    skinSource = model.skinSource;
    state = model.state;
    buttonWidth = model.buttonWidth;
    buttonHeight = model.buttonHeight;
    total = model.total;
    page = model.page;
    travel = model.travel;
    position = model.position;
    trackLength = model.trackLength;
    gripLength = model.gripLength;
    minimumGripLength = model.minimumGripLength;
    maximumGripLength = model.maximumGripLength;
    gripOffset = model.gripOffset;
    anchor = model.anchor;
    lineStep = model.lineStep;
    wheelLines = model.wheelLines;
}

AccessibleFacts voScrollBar::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_SCROLLBAR;
    facts.value = std::to_wstring(position);
    facts.hasValue = true;
    return facts;
}
