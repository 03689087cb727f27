#include "control/voAbstractControl.h"

#include <stdexcept>

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
    if (ownWindow == nullptr) throw std::runtime_error("voAbstractControl Window cannot be created");
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
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcW(ownWindow, message, wParam, lParam);
    }
}

bool voAbstractControl::RepaintNow() {
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
        SendBackgroundRequest(vo::kRequestShownOrResized);
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

bool voAbstractControl::SendBackgroundRequest(int code) {
    if (backgroundMode != vo::kBackgroundGradient) return false;
    NMHDR header{ownWindow, static_cast<UINT_PTR>(controlId), static_cast<UINT>(code)};
    return SendMessageW(parentWindow, WM_NOTIFY, reinterpret_cast<WPARAM>(parentWindow),
                        reinterpret_cast<LPARAM>(&header)) != 0;
}

bool voAbstractControl::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    const bool moved = SetWindowPos(ownWindow, nullptr, 0, 0, width, height,
                                    SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    if (backgroundBitmap && backgroundMode == vo::kBackgroundGradient) backgroundBitmap.Reset();
    if (!visible || backgroundMode != vo::kBackgroundGradient) return moved;
    SendBackgroundRequest(vo::kRequestShownOrResized);
    return RepaintNow() && moved;
}

bool voAbstractControl::SetPosition(int newX, int newY, bool apply) {
    const int oldX = x;
    const int oldY = y;
    x = newX;
    y = newY;
    if (!apply) return true;
    const bool moved = SetWindowPos(ownWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
    if (backgroundMode != vo::kBackgroundGradient) return moved;
    SendBackgroundRequest(vo::PositionRequestCode(oldX, oldY, x, y));
    return RepaintNow() && moved;
}

void voAbstractControl::SetBackgroundColor(COLORREF colour) { backgroundColour = colour; }

bool voAbstractControl::LoadBackground(const std::wstring& resourceName, int bitmapWidth,
                                       int bitmapHeight) {
    backgroundBitmap.Reset();
    backgroundBitmap.Reset(static_cast<HBITMAP>(LoadImageW(moduleInstance, resourceName.c_str(),
                                                           IMAGE_BITMAP, bitmapWidth, bitmapHeight,
                                                           LR_CREATEDIBSECTION)));
    return static_cast<bool>(backgroundBitmap);
}

void voAbstractControl::SetBackground(HBITMAP bitmap) {
    if (bitmap == backgroundBitmap.Get()) return;
    backgroundBitmap.Reset(bitmap);
}

HBITMAP voAbstractControl::CreateGradientSlice() {
    const vo::SliceLevels levels = vo::GradientSliceLevels({gradientStart, gradientEnd,
                                                            gradientHorizontal, parentWidth,
                                                            parentHeight, x, y, width, height});
    MemoryDC memory;
    HBITMAP slice = nullptr;
    {
        WindowDC windowDC(ownWindow);
        slice = CreateCompatibleBitmap(windowDC.Get(), width, height);
    }
    if (slice == nullptr || !memory) return slice;
    SelectedObject selected(memory.Get(), slice);
    auto grey = [](LONG vx, LONG vy, std::uint8_t level) {
        const COLOR16 channel = vo::VertexChannel(level);
        return TRIVERTEX{vx, vy, channel, channel, channel, 0};
    };
    TRIVERTEX vertices[2] = {grey(0, 0, levels.first), grey(width, height, levels.last)};
    GRADIENT_RECT rect{0, 1};
    GdiGradientFill(memory.Get(), vertices, 2, &rect, 1,
                    gradientHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return slice;
}

bool voAbstractControl::DrawGradientSlice(HDC dc) {
    Bitmap slice(CreateGradientSlice());
    MemoryDC memory;
    if (!slice || !memory) return false;
    SelectedObject selected(memory.Get(), slice.Get());
    return BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY) != FALSE;
}

bool voAbstractControl::FillBackgroundColor(HDC dc) {
    RECT client{};
    GetClientRect(ownWindow, &client);
    Brush brush(CreateSolidBrush(backgroundColour));
    return brush && FillRect(dc, &client, brush.Get()) != 0;
}

bool voAbstractControl::FillBackgroundBitmap(HDC dc) {
    if (!backgroundBitmap) return false;
    Brush brush(CreatePatternBrush(backgroundBitmap.Get()));
    RECT area{0, 0, width, height};
    return brush && FillRect(dc, &area, brush.Get()) != 0;
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

LRESULT voAbstractControl::PaintFrame() {
    {
        WindowDC windowDC(ownWindow);
        MemoryDC memory(windowDC.Get());
        Bitmap canvas(CreateCompatibleBitmap(windowDC.Get(), width, height));
        if (windowDC && memory && canvas) {
            SelectedObject selected(memory.Get(), canvas.Get());
            PaintBackground(memory.Get());
            PaintContent(memory.Get());
            BitBlt(windowDC.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
        }
    }
    ValidateRect(ownWindow, nullptr);
    return 0;
}

LRESULT voAbstractControl::ForwardFocusLoss(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND receiver = reinterpret_cast<HWND>(wParam);
    if (receiver == nullptr)
        SendMessageW(parentWindow, WM_KILLFOCUS, 0, 0);
    else
        SendMessageW(parentWindow, WM_SETFOCUS, reinterpret_cast<WPARAM>(ownWindow), 0);
    return voAbstractControl::WindowProc(message, wParam, lParam);
}

void voAbstractControl::NotifyParent(std::uint16_t code) {
    NotifyParent(code, reinterpret_cast<LPARAM>(this));
}

void voAbstractControl::NotifyParent(std::uint16_t code, LPARAM lParam) {
    SendMessageW(parentWindow, WM_COMMAND, MAKEWPARAM(controlId, code), lParam);
}
