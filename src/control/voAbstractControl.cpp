#include "control/voAbstractControl.h"

#include <stdexcept>

#include "control/KeyboardFocus.h"
#include "window/WindowClass.h"

const wchar_t* const voAbstractControl::kClassName = L"voAbstractControlClass";

namespace {
bool classRegistered = false;
}

HandleRegistry<HWND, voAbstractControl>& voAbstractControl::Registry() {
    static HandleRegistry<HWND, voAbstractControl> registry;
    return registry;
}

voAbstractControl::voAbstractControl(HWND parent, std::uint16_t identifier, DWORD style)
    : parentWindow(parent), controlId(identifier), moduleInstance(GetModuleHandleW(nullptr)) {
    RegisterClassOnce(moduleInstance);
    ownWindow = CreateWindowExW(0, kClassName, nullptr, style, 0, 0, 0, 0, parent, nullptr,
                                moduleInstance, nullptr);
    if (ownWindow == nullptr)
        throw std::runtime_error("voAbstractControl Window cannot be created");
    Registry().Insert(ownWindow, this);
}

voAbstractControl::~voAbstractControl() noexcept(false) {
    // The subclass parts are gone: this reaches DefWindowProcW, which destroys the window.
    SendMessageW(ownWindow, WM_CLOSE, 0, 0);
    if (!Registry().Erase(ownWindow))
        throw std::runtime_error("voAbstractControl object doesn't exist");
}

void voAbstractControl::RegisterClassOnce(HINSTANCE instance) {
    if (classRegistered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ClassWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kClassName;
    RegisterWindowClassOnce(classRegistered, windowClass,
                            "voAbstractControl class cannot be registered");
}

LRESULT CALLBACK voAbstractControl::ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
    return RouteToObject(Registry(), hwnd, message, wParam, lParam);
}

HWND voAbstractControl::GetHandle() { return ownWindow; }

void voAbstractControl::SetChecked(bool value) {
    if (toggleMode) checked = value;
}

LRESULT voAbstractControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        focused = true;
        Redraw(false);
        return 0;
    case WM_KILLFOCUS:
        focused = false;
        Redraw(false);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE:
        // Inside a dialog: arrows and characters are the control's own; Tab
        // and Enter stay the dialog's unless a control maps this itself.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT: return PaintFrame();
    default: {
        LRESULT answer = 0;
        if (accessible.Handle(message, wParam, lParam, answer)) return answer;
        return DefWindowProcW(ownWindow, message, wParam, lParam);
    }
    }
}

AccessibleFacts voAbstractControl::DescribeAccessible(long item) const {
    AccessibleFacts facts;
    if (item != CHILDID_SELF) return facts;
    facts.name = accessibleName;
    if ((GetWindowLongW(ownWindow, GWL_STYLE) & WS_TABSTOP) && TakesKeyboardFocus())
        facts.state |= STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == ownWindow) facts.state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowEnabled(ownWindow)) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(ownWindow)) facts.state |= STATE_SYSTEM_INVISIBLE;
    return facts;
}

bool voAbstractControl::AccessibleItemRect(long, RECT&) const { return false; }

void voAbstractControl::DoAccessibleAction(long) {}

AccessibleFacts voAbstractControl::DescribeLabel(const std::wstring& text) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(CHILDID_SELF);
    if (facts.name.empty()) facts.name = text;
    facts.role = ROLE_SYSTEM_STATICTEXT;
    facts.state |= STATE_SYSTEM_READONLY;
    return facts;
}

void voAbstractControl::AnnounceChanges(UINT message) {
    if (!AccessibleLink::ChangesNothing(message)) accessible.Announce();
}

bool voAbstractControl::RepaintNow() {
    // Nothing to do while the window or its parent is hidden: showing it
    // brings a paint of its own.
    if (!IsWindowVisible(ownWindow)) return true;
    const bool invalidated = InvalidateRect(ownWindow, nullptr, FALSE) != FALSE;
    const bool updated = UpdateWindow(ownWindow) != FALSE;
    return invalidated && updated;
}

bool voAbstractControl::Redraw(bool force) {
    if (!visible && !force) return true;
    return RepaintNow();
}

bool voAbstractControl::Show(bool show) {
    ShowWindow(ownWindow, show ? SW_SHOW : SW_HIDE);
    visible = show;
    if (!show) return true;
    if (backgroundMode == vo::kBackgroundGradient && !parentGradientKnown) {
        if (!SendBackgroundRequest(vo::kRequestShownOrResized)) return true;
        // The parent may have hidden the control from inside its answer.
        return visible ? RepaintNow() : true;
    }
    return RepaintNow();
}

void voAbstractControl::TrackMouseLeave() {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, ownWindow, 0};
    TrackMouseEvent(&track);
    mouseTracking = true;
}

bool voAbstractControl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) {
    const vo::LifeGuard::Watch watch = life.Observe();
    SendMessageW(parentWindow, message, wParam, lParam);
    return watch.Alive();
}

bool voAbstractControl::SendToSelf(UINT message, WPARAM wParam, LPARAM lParam) {
    const vo::LifeGuard::Watch watch = life.Observe();
    SendMessageW(ownWindow, message, wParam, lParam);
    return watch.Alive();
}

bool voAbstractControl::SendBackgroundRequest(int code) {
    if (backgroundMode != vo::kBackgroundGradient) return true;
    NMHDR header{ownWindow, static_cast<UINT_PTR>(controlId), static_cast<UINT>(code)};
    return SendToParent(WM_NOTIFY, reinterpret_cast<WPARAM>(parentWindow),
                        reinterpret_cast<LPARAM>(&header));
}

bool voAbstractControl::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    const bool moved = SetWindowPos(ownWindow, nullptr, 0, 0, width, height,
                                    SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    if (backgroundBitmap && backgroundMode == vo::kBackgroundGradient) backgroundBitmap.Reset();
    if (!visible || backgroundMode != vo::kBackgroundGradient) return moved;
    if (!SendBackgroundRequest(vo::kRequestShownOrResized)) return moved;
    return RepaintNow() && moved;
}

bool voAbstractControl::SetPosition(int newX, int newY, bool apply) {
    const int oldX = x;
    const int oldY = y;
    x = newX;
    y = newY;
    if (!apply) return true;
    const bool moved =
        SetWindowPos(ownWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
    if (backgroundMode != vo::kBackgroundGradient) return moved;
    if (!SendBackgroundRequest(vo::PositionRequestCode(oldX, oldY, x, y))) return moved;
    return RepaintNow() && moved;
}

void voAbstractControl::SetBackgroundColor(COLORREF colour) { backgroundColour = colour; }

bool voAbstractControl::LoadBackground(const std::wstring& resourceName, int bitmapWidth,
                                       int bitmapHeight) {
    patternBrush.Reset();
    patternSource = nullptr;
    backgroundBitmap.Reset();
    backgroundBitmap.Reset(
        static_cast<HBITMAP>(LoadImageW(moduleInstance, resourceName.c_str(), IMAGE_BITMAP,
                                        bitmapWidth, bitmapHeight, LR_CREATEDIBSECTION)));
    return static_cast<bool>(backgroundBitmap);
}

void voAbstractControl::SetBackground(HBITMAP bitmap) {
    if (bitmap == backgroundBitmap.Get()) return;
    patternBrush.Reset();
    patternSource = nullptr;
    backgroundBitmap.Reset(bitmap);
}

HBITMAP voAbstractControl::CreateGradientSlice() {
    MemoryDC memory;
    HBITMAP slice = nullptr;
    {
        WindowDC windowDC(ownWindow);
        slice = CreateCompatibleBitmap(windowDC.Get(), width, height);
    }
    if (slice == nullptr || !memory) return slice;
    SelectedObject selected(memory.Get(), slice);
    FillGradientSlice(memory.Get());
    return slice;
}

bool voAbstractControl::FillGradientSlice(HDC dc) const {
    const vo::SliceLevels levels =
        vo::GradientSliceLevels({gradientStart, gradientEnd, gradientHorizontal, parentWidth,
                                 parentHeight, x, y, width, height});
    auto grey = [](LONG vx, LONG vy, std::uint8_t level) {
        const COLOR16 channel = vo::VertexChannel(level);
        return TRIVERTEX{vx, vy, channel, channel, channel, 0};
    };
    TRIVERTEX vertices[2] = {grey(0, 0, levels.first), grey(width, height, levels.last)};
    GRADIENT_RECT rect{0, 1};
    return GdiGradientFill(dc, vertices, 2, &rect, 1,
                           gradientHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V) !=
           FALSE;
}

bool voAbstractControl::DrawGradientSlice(HDC dc) {
    // The same fill a slice bitmap would hold, straight into the control's
    // kept picture: no bitmap to make for it.
    return width > 0 && height > 0 && FillGradientSlice(dc);
}

bool voAbstractControl::FillBackgroundColor(HDC dc) {
    RECT client{};
    GetClientRect(ownWindow, &client);
    // The DC's own brush takes any colour: nothing is created per paint.
    SetDCBrushColor(dc, backgroundColour);
    return FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH))) != 0;
}

bool voAbstractControl::FillBackgroundBitmap(HDC dc) {
    if (!backgroundBitmap) return false;
    if (patternSource != backgroundBitmap.Get()) {
        patternBrush.Reset(CreatePatternBrush(backgroundBitmap.Get()));
        patternSource = backgroundBitmap.Get();
    }
    RECT area{0, 0, width, height};
    return patternBrush && FillRect(dc, &area, patternBrush.Get()) != 0;
}

bool voAbstractControl::PaintBackground(HDC dc) {
    switch (backgroundMode) {
    case vo::kBackgroundGradient: return DrawGradientSlice(dc);
    case vo::kBackgroundColour: return FillBackgroundColor(dc);
    case vo::kBackgroundBitmap: return FillBackgroundBitmap(dc);
    default: return false;
    }
}

void voAbstractControl::PaintContent(HDC) {}

bool voAbstractControl::DescribeLook(vo::LookKey&) const { return false; }

void voAbstractControl::DescribeBackground(vo::LookKey& look) const {
    look << backgroundMode << width << height;
    switch (backgroundMode) {
    case vo::kBackgroundGradient:
        look << parentWidth << parentHeight << gradientStart << gradientEnd << gradientHorizontal
             << x << y;
        break;
    case vo::kBackgroundColour: look << backgroundColour; break;
    case vo::kBackgroundBitmap:
        look << reinterpret_cast<std::uintptr_t>(backgroundBitmap.Get());
        break;
    default: break;
    }
}

LRESULT voAbstractControl::PaintFrame() {
    vo::LookKey look;
    const bool cue = FocusCueShown();
    if (DescribeLook(look)) {
        DescribeBackground(look);
        look << cue;
    } else {
        look.Clear();  // no look described: composed at every paint
    }
    return PaintFromPicture(ownWindow, picture, width, height, std::move(look),
                            [this, cue](HDC dc) {
                                PaintBackground(dc);
                                PaintContent(dc);
                                if (cue) DrawFocusCue(dc, width, height);
                            });
}

LRESULT voAbstractControl::ForwardFocusLoss(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND receiver = reinterpret_cast<HWND>(wParam);
    const bool alive = receiver == nullptr
                           ? SendToParent(WM_KILLFOCUS, 0, 0)
                           : SendToParent(WM_SETFOCUS, reinterpret_cast<WPARAM>(ownWindow), 0);
    if (!alive) return 0;
    return voAbstractControl::WindowProc(message, wParam, lParam);
}

bool voAbstractControl::NotifyParent(std::uint16_t code) {
    return NotifyParent(code, reinterpret_cast<LPARAM>(this));
}

bool voAbstractControl::NotifyParent(std::uint16_t code, LPARAM lParam) {
    return SendToParent(WM_COMMAND, MAKEWPARAM(controlId, code), lParam);
}
