#pragma once
// Small owners for GDI objects, device contexts and the caret, so every
// create has its release by construction.
#include <windows.h>

#include <utility>

// A pen, brush, bitmap, font or region; deleted when the holder goes.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// Selects an object into a DC for the holder's lifetime, then puts back the
// one it replaced (a selected object must not be deleted).
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with `reference` (the screen when null).
class MemoryDC {
public:
    explicit MemoryDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDC() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// A bitmap kept selected in a memory DC of its own, so that drawing from it
// or into it costs no selection; owns both. Empty (no DC) for a null bitmap.
class KeptBitmap {
public:
    KeptBitmap() = default;
    explicit KeptBitmap(Bitmap bitmap) : bitmap_(std::move(bitmap)) {
        if (!bitmap_) return;
        dc_ = CreateCompatibleDC(nullptr);
        if (dc_ != nullptr) previous_ = SelectObject(dc_, bitmap_.Get());
    }
    ~KeptBitmap() {
        if (dc_ == nullptr) return;
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    KeptBitmap(const KeptBitmap&) = delete;
    KeptBitmap& operator=(const KeptBitmap&) = delete;

    HDC Dc() const { return dc_; }
    HBITMAP Get() const { return bitmap_.Get(); }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    Bitmap bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The common DC of a window (GetDC), released when the holder goes.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint around a WM_PAINT pass.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The thread's caret, owned by one window while it has the focus.
class Caret {
public:
    Caret() = default;
    ~Caret() { Destroy(); }
    Caret(const Caret&) = delete;
    Caret& operator=(const Caret&) = delete;

    bool Create(HWND window, int width, int height) {
        Destroy();
        created_ = CreateCaret(window, nullptr, width, height) != FALSE;
        return created_;
    }
    void Destroy() {
        if (created_) DestroyCaret();
        created_ = false;
    }
    bool Exists() const { return created_; }

private:
    bool created_ = false;
};
