#include "window/voAbstractGradientWindow.h"

#include "control/voAbstractControl.h"
#include "window/GdiHandles.h"
#include "window/GradientLogic.h"

voAbstractGradientWindow::voAbstractGradientWindow() : voAbstractWindow(WS_POPUP) {
    width = 280;
    height = 306;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    messageMap.Insert(WM_CLOSE, &voAbstractGradientWindow::OnCloseOrDestroy);
    messageMap.Insert(WM_DESTROY, &voAbstractGradientWindow::OnCloseOrDestroy);
    messageMap.Insert(WM_ERASEBKGND, &voAbstractGradientWindow::OnPaint);
    messageMap.Insert(WM_PAINT, &voAbstractGradientWindow::OnPaint);
    messageMap.Insert(WM_NOTIFY, &voAbstractGradientWindow::OnBackgroundRequest);
    messageMap.Insert(WM_LBUTTONDOWN, &voAbstractGradientWindow::OnCapture);
    messageMap.Insert(WM_LBUTTONUP, &voAbstractGradientWindow::OnCapture);
    SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
}

voAbstractGradientWindow::~voAbstractGradientWindow() {
    for (auto& entry : controls) delete entry.second;
    controls.clear();
    messageMap.Clear();
}

LRESULT voAbstractGradientWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (messageMap.Dispatch(*this, message, wParam, lParam, result)) return result;
    return DefaultProc(message, wParam, lParam);
}

bool voAbstractGradientWindow::AddControl(int controlId, voAbstractControl* control) {
    return controls.emplace(controlId, control).second;
}

bool voAbstractGradientWindow::DeleteControl(int controlId) {
    auto found = controls.find(controlId);
    if (found == controls.end()) return false;
    voAbstractControl* control = found->second;
    controls.erase(found);
    delete control;
    return true;
}

voAbstractControl* voAbstractGradientWindow::GetControl(int controlId) const {
    auto found = controls.find(controlId);
    return found == controls.end() ? nullptr : found->second;
}

LRESULT voAbstractGradientWindow::OnCloseOrDestroy(UINT message, WPARAM, LPARAM) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

LRESULT voAbstractGradientWindow::OnPaint(UINT message, WPARAM, LPARAM) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return 0;
    PaintDC paint(window);
    RECT client{};
    GetClientRect(window, &client);
    PaintGradient(paint.Get(), client);
    if (innerFrame) PaintInnerFrame(paint.Get(), client);
    PaintBorder(paint.Get(), client);
    return 0;
}

void voAbstractGradientWindow::PaintGradient(HDC dc, const RECT& client) const {
    auto vertex = [](LONG vx, LONG vy, COLORREF colour) {
        return TRIVERTEX{vx, vy, vo::VertexChannel(GetRValue(colour)),
                         vo::VertexChannel(GetGValue(colour)), vo::VertexChannel(GetBValue(colour)),
                         0};
    };
    TRIVERTEX vertices[2] = {vertex(1, 1, gradientStart),
                             vertex(client.right - 1, client.bottom - 1, gradientEnd)};
    GRADIENT_RECT rect{0, 1};
    GdiGradientFill(dc, vertices, 2, &rect, 1,
                    gradientMode == vo::kGradientHorizontal ? GRADIENT_FILL_RECT_H
                                                            : GRADIENT_FILL_RECT_V);
}

void voAbstractGradientWindow::PaintInnerFrame(HDC dc, const RECT& client) const {
    Pen pen(CreatePen(PS_SOLID, 1, RGB(0x8A, 0x8A, 0x8A)));
    SelectedObject selectPen(dc, pen.Get());
    SelectedObject selectBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, client.left + 7, client.top + innerFrameTop, client.right - 7, client.bottom - 35,
              5, 5);
}

void voAbstractGradientWindow::PaintBorder(HDC dc, const RECT& client) const {
    Pen pen(CreatePen(PS_SOLID, 1, borderColour));
    SelectedObject selectPen(dc, pen.Get());
    MoveToEx(dc, client.left, client.top, nullptr);
    LineTo(dc, client.right - 1, client.top);
    LineTo(dc, client.right - 1, client.bottom - 1);
    LineTo(dc, client.left, client.bottom - 1);
    LineTo(dc, client.left, client.top);
}

LRESULT voAbstractGradientWindow::OnBackgroundRequest(UINT, WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || !vo::AnswersBackgroundRequest(static_cast<int>(header->code), gradientMode))
        return 0;
    voAbstractControl* control = GetControl(static_cast<int>(header->idFrom));
    if (control == nullptr) return 0;
    control->parentGradientKnown = true;
    control->parentWidth = width;
    control->parentHeight = height;
    control->gradientStart = gradientStart;
    control->gradientEnd = gradientEnd;
    control->gradientHorizontal = gradientMode == vo::kGradientHorizontal;
    return 1;
}

LRESULT voAbstractGradientWindow::OnCapture(UINT message, WPARAM, LPARAM) {
    if (message == WM_LBUTTONDOWN) SetCapture(window);
    if (message == WM_LBUTTONUP) ReleaseCapture();
    return 0;
}
