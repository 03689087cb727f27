#include "widgets/time/voAnalogClock.h"

#include <windowsx.h>
// GDI+ (flat interface) draws the hands rotated.
#include <gdiplus.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace gp = Gdiplus::DllExports;

namespace {

constexpr int kClockKind = 11;
constexpr const wchar_t* kFaceResource = L"AnalogClock_Clock_Face";

// One GDI+ session while any clock lives, and each hand picture copied into
// a GDI+ image once. Kept images must not outlive their session, so the
// session is held (not started and shut down per paint) for as long as any
// clock may draw with them.
class HandImages {
public:
    HandImages() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~HandImages() {
        for (auto& entry : images_)
            if (entry.second != nullptr) gp::GdipDisposeImage(entry.second);
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    HandImages(const HandImages&) = delete;
    HandImages& operator=(const HandImages&) = delete;

    static std::shared_ptr<HandImages> Shared() {
        static std::weak_ptr<HandImages> shared;
        std::shared_ptr<HandImages> live = shared.lock();
        if (!live) {
            live = std::make_shared<HandImages>();
            shared = live;
        }
        return live;
    }

    bool Started() const { return started_; }

    // The piece's pixels as a GDI+ image of its own, rows in memory order
    // (the hand resources keep their tip in the first row); null when the
    // piece is missing.
    Gdiplus::GpImage* ImageOf(HINSTANCE instance, const std::wstring& name,
                              const KeptBitmap& piece) {
        const auto key = std::make_pair(instance, name);
        auto found = images_.find(key);
        if (found != images_.end()) return found->second;
        Gdiplus::GpImage* image = started_ ? CopyPixels(piece) : nullptr;
        images_.emplace(key, image);
        return image;
    }

private:
    static Gdiplus::GpImage* CopyPixels(const KeptBitmap& piece) {
        DIBSECTION section{};
        if (!piece || GetObjectW(piece.Get(), sizeof(section), &section) != sizeof(section) ||
            section.dsBm.bmBits == nullptr || section.dsBm.bmBitsPixel != 32)
            return nullptr;
        const int w = section.dsBm.bmWidth;
        const int h = section.dsBm.bmHeight;
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (gp::GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppPARGB, nullptr, &bitmap) !=
            Gdiplus::Ok)
            return nullptr;
        Gdiplus::GpRect area(0, 0, w, h);
        Gdiplus::BitmapData locked{};
        if (gp::GdipBitmapLockBits(bitmap, &area, Gdiplus::ImageLockModeWrite,
                                   PixelFormat32bppPARGB, &locked) != Gdiplus::Ok) {
            gp::GdipDisposeImage(bitmap);
            return nullptr;
        }
        const auto* source = static_cast<const BYTE*>(section.dsBm.bmBits);
        for (int row = 0; row < h; ++row)
            std::memcpy(static_cast<BYTE*>(locked.Scan0) + row * locked.Stride,
                        source + row * w * 4, static_cast<std::size_t>(w) * 4);
        gp::GdipBitmapUnlockBits(bitmap, &locked);
        return bitmap;
    }

    ULONG_PTR token_ = 0;
    bool started_ = false;
    std::map<std::pair<HINSTANCE, std::wstring>, Gdiplus::GpImage*> images_;
};

}  // namespace

// What one clock keeps for drawing its hands: the shared images, and its own
// graphics object (on its picture's DC) and matrix, made once.
class ClockHandRenderer {
public:
    ClockHandRenderer() : images_(HandImages::Shared()) {
        if (images_->Started()) gp::GdipCreateMatrix(&matrix_);
    }
    ~ClockHandRenderer() {
        if (graphics_ != nullptr) gp::GdipDeleteGraphics(graphics_);
        if (matrix_ != nullptr) gp::GdipDeleteMatrix(matrix_);
    }
    ClockHandRenderer(const ClockHandRenderer&) = delete;
    ClockHandRenderer& operator=(const ClockHandRenderer&) = delete;

    HandImages& Images() { return *images_; }

    // Rotates the hand by `angle` degrees clockwise about (71.5, pivot y) and
    // draws it at its offset from x = 71.5.
    void Draw(HDC dc, Gdiplus::GpImage* image, const vo::HandPlacement& hand, float angle) {
        Gdiplus::GpGraphics* graphics = GraphicsFor(dc);
        if (graphics == nullptr || matrix_ == nullptr || image == nullptr) return;
        const auto prepend = Gdiplus::MatrixOrderPrepend;
        gp::GdipSetMatrixElements(matrix_, 1, 0, 0, 1, 0, 0);
        gp::GdipTranslateMatrix(matrix_, vo::kPivotX, 0, prepend);
        gp::GdipTranslateMatrix(matrix_, 0, hand.pivotY, prepend);
        gp::GdipRotateMatrix(matrix_, angle, prepend);
        gp::GdipTranslateMatrix(matrix_, 0, -hand.pivotY, prepend);
        gp::GdipSetWorldTransform(graphics, matrix_);
        gp::GdipDrawImageRect(graphics, image, hand.drawX, hand.drawY,
                              static_cast<Gdiplus::REAL>(hand.width),
                              static_cast<Gdiplus::REAL>(hand.height));
        gp::GdipResetWorldTransform(graphics);
    }

private:
    Gdiplus::GpGraphics* GraphicsFor(HDC dc) {
        if (dc == graphicsDc_) return graphics_;
        if (graphics_ != nullptr) gp::GdipDeleteGraphics(graphics_);
        graphics_ = nullptr;
        graphicsDc_ = nullptr;
        if (images_->Started() && gp::GdipCreateFromHDC(dc, &graphics_) == Gdiplus::Ok)
            graphicsDc_ = dc;
        return graphics_;
    }

    std::shared_ptr<HandImages> images_;
    Gdiplus::GpGraphics* graphics_ = nullptr;
    HDC graphicsDc_ = nullptr;
    Gdiplus::GpMatrix* matrix_ = nullptr;
};

voAnalogClock::voAnalogClock(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD),
      renderer(std::make_unique<ClockHandRenderer>()) {
    kind = kClockKind;
    accessibleName = L"Clock";
    vo::UpdateAngles(*this);
    SetSize(clockWidth, clockHeight);
    messageMap.Insert(WM_MOUSEMOVE, &voAnalogClock::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voAnalogClock::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voAnalogClock::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voAnalogClock::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voAnalogClock::ForwardFocusLoss);
    messageMap.Insert(WM_CAPTURECHANGED, &voAnalogClock::OnCaptureChanged);
}

voAnalogClock::~voAnalogClock() = default;

LRESULT voAnalogClock::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

bool voAnalogClock::SetSize(int, int) {
    return voAbstractControl::SetSize(clockWidth, clockHeight);
}

void voAnalogClock::SetHours(int value) { vo::SetHours(*this, value); }

void voAnalogClock::SetMinutes(int value, bool redraw) {
    if (vo::SetMinutes(*this, value) && redraw) Redraw(true);
}

void voAnalogClock::SetSeconds(int value, bool redraw) {
    if (vo::SetSeconds(*this, value) && redraw) Redraw(true);
}

void voAnalogClock::ShowSeconds() {
    secondsShown = true;
    UpdateAngles();
    Redraw(false);
}

void voAnalogClock::UpdateAngles() { vo::UpdateAngles(*this); }

bool voAnalogClock::DescribeLook(vo::LookKey& look) const {
    // The angles with their fractions: the key keeps whole numbers.
    auto bits = [](float angle) {
        std::uint32_t value = 0;
        std::memcpy(&value, &angle, sizeof(value));
        return value;
    };
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << clockWidth << clockHeight
         << secondsShown << bits(hourAngle) << bits(minuteAngle) << bits(secondAngle);
    return true;
}

void voAnalogClock::PaintContent(HDC dc) {
    BlendPiece(dc, SkinPiece(kFaceResource, SkinSource::Resource, vo::kClockSize, vo::kClockSize),
               0, 0, clockWidth, clockHeight, blend);
    DrawHand(dc, vo::HourHandPlacement(), hourAngle);
    DrawHand(dc, vo::MinuteHandPlacement(), minuteAngle);
    if (secondsShown) DrawHand(dc, vo::SecondHandPlacement(), secondAngle);
}

void voAnalogClock::DrawHand(HDC dc, const vo::HandPlacement& hand, float angle) {
    const KeptBitmap& piece =
        SkinPiece(hand.resource, SkinSource::Resource, hand.width, hand.height);
    renderer->Draw(dc, renderer->Images().ImageOf(moduleInstance, hand.resource, piece), hand,
                   angle);
}

LRESULT voAnalogClock::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const int pointX = GET_X_LPARAM(lParam);
    const int pointY = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(wParam, pointX, pointY); break;
    case WM_LBUTTONDOWN: OnButtonDown(pointX, pointY); break;
    case WM_LBUTTONUP: OnButtonUp(); break;
    case WM_MOUSELEAVE: mouseTracking = false; break;
    default: break;
    }
    return 0;
}

void voAnalogClock::OnMouseMove(WPARAM wParam, int pointX, int pointY) {
    const bool buttonUp = (wParam & MK_LBUTTON) == 0;
    if (buttonUp && vo::OverAnyHand(*this, pointX, pointY)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        arrowCursorShown = false;
    } else if (buttonUp && !arrowCursorShown) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        arrowCursorShown = true;
    }
    if (vo::DragTo(*this, pointX, pointY)) {
        Redraw(false);
        // The parent may delete the clock from its handler.
        if (!NotifyParent()) return;
    }
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
}

void voAnalogClock::OnButtonDown(int pointX, int pointY) {
    SetCapture(ownWindow);
    // Taking the focus may end in the parent, which may delete the clock.
    const vo::LifeGuard::Watch watch = WatchLife();
    SetFocus(ownWindow);
    if (!watch.Alive()) return;
    switch (vo::HandAt(*this, pointX, pointY)) {
    case vo::ClockHand::Minute: draggingMinute = true; break;
    case vo::ClockHand::Second: draggingSecond = true; break;
    case vo::ClockHand::Hour: draggingHour = true; break;
    case vo::ClockHand::None: break;
    }
}

void voAnalogClock::OnButtonUp() {
    draggingHour = draggingMinute = draggingSecond = false;
    if (GetCapture() == ownWindow) ReleaseCapture();
    // Last: the parent may delete the clock when told the focus left it.
    SetFocus(parentWindow);
}

LRESULT voAnalogClock::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Another window took the mouse in the middle of a drag: no release will come.
    if (reinterpret_cast<HWND>(lParam) != ownWindow)
        draggingHour = draggingMinute = draggingSecond = false;
    return 0;
}

AccessibleFacts voAnalogClock::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_CLOCK;
    facts.value = vo::ClockReading(*this);
    facts.hasValue = true;
    return facts;
}
