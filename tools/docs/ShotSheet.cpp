#include "ShotSheet.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "widgets/text/voStaticText.h"
#include "window/GdiHandles.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr int kMargin = 14;
constexpr int kLabelWidth = 150;
constexpr int kCaptionHeight = 17;
constexpr int kCaptionSlack = 6;
constexpr int kHeadingLineHeight = 16;
constexpr int kCellGap = 22;
constexpr int kRowGap = 16;
constexpr int kScreenX = 40;
constexpr int kScreenY = 40;
constexpr COLORREF kCaptionColour = 0x505050;
constexpr COLORREF kHeadingColour = 0x202020;

// A 32-bit top-down picture the screen is copied into, piece by piece.
class Canvas {
public:
    Canvas(int canvasWidth, int canvasHeight) : width_(canvasWidth), height_(canvasHeight) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    }

    // Copies `area` of the screen to `at` in the picture.
    bool CopyFromScreen(const RECT& area, POINT at) {
        if (!bitmap_ || !dc_) return false;
        SelectedObject selected(dc_.Get(), bitmap_.Get());
        WindowDC screen(nullptr);
        const bool copied =
            BitBlt(dc_.Get(), at.x, at.y, area.right - area.left, area.bottom - area.top,
                   screen.Get(), area.left, area.top, SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        return copied;
    }

    bool SavePng(const std::wstring& path) const {
        if (!bitmap_) return false;
        CLSID encoder{};
        if (!PngEncoder(encoder)) return false;
        Gdiplus::GpBitmap* image = nullptr;
        if (gp::GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppRGB,
                                          static_cast<BYTE*>(bits_), &image) != Gdiplus::Ok)
            return false;
        const bool saved =
            gp::GdipSaveImageToFile(image, path.c_str(), &encoder, nullptr) == Gdiplus::Ok;
        gp::GdipDisposeImage(image);
        return saved;
    }

private:
    static bool PngEncoder(CLSID& encoder) {
        UINT count = 0;
        UINT size = 0;
        if (gp::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
        std::vector<BYTE> buffer(size);
        auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
        if (gp::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
        for (UINT i = 0; i < count; ++i) {
            if (codecs[i].MimeType != nullptr && std::wstring(codecs[i].MimeType) == L"image/png") {
                encoder = codecs[i].Clsid;
                return true;
            }
        }
        return false;
    }

    int width_;
    int height_;
    void* bits_ = nullptr;
    Bitmap bitmap_;
    MemoryDC dc_;
};

}  // namespace

void Settle(int rounds) {
    for (int round = 0; round < rounds; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;  // a closed sheet's; the program goes on
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        GdiFlush();
        Sleep(40);
    }
}

void PointAt(voAbstractControl& control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control.GetHandle(), &point);
    SetCursorPos(point.x, point.y);
    SendMessageW(control.GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void ParkPointer() { SetCursorPos(0, 0); }

ShotSheet::ShotSheet(int sheetWidth, int sheetHeight) {
    SetSize(sheetWidth, sheetHeight);
    SetWindowPos(window, nullptr, kScreenX, kScreenY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    x = kScreenX;
    y = kScreenY;
    gradientMode = 1;  // vertical: lighter at the top
    gradientStart = 0xE8E8E8;
    gradientEnd = 0xCCCCCC;
}

ShotSheet::~ShotSheet() {
    // The controls go with the base; the window itself must not stay on screen.
    ShowWindow(window, SW_HIDE);
}

void ShotSheet::Row(const std::wstring& label) {
    if (firstRow) {
        rowTop = kMargin;
        firstRow = false;
    } else {
        rowTop += kCaptionHeight + rowHeight + reserveBelow + kRowGap;
    }
    rowHeight = 0;
    reserveBelow = 0;
    cursorX = kMargin + kLabelWidth;
    AddCaption(label, kMargin, ControlTop(), true);
}

int ShotSheet::ControlTop() const { return rowTop + kCaptionHeight; }

RECT ShotSheet::EmptyCell(const std::wstring& caption, int cellWidth, int cellHeight) {
    const RECT cell{cursorX, ControlTop(), cursorX + cellWidth, ControlTop() + cellHeight};
    EndCell(caption, cellWidth, cellHeight);
    return cell;
}

void ShotSheet::EndCell(const std::wstring& caption, int controlWidth, int controlHeight) {
    const std::uint16_t captionId = nextId;
    AddCaption(caption, cursorX, rowTop, false);
    const int captionWidth = GetControl(captionId)->width;
    cursorX += std::max(controlWidth, captionWidth) + kCellGap;
    rowHeight = std::max(rowHeight, controlHeight);
}

void ShotSheet::AddCaption(const std::wstring& text, int left, int top, bool heading) {
    const std::uint16_t id = NextId();
    auto* caption = new voStaticText(window, id, 0);
    AddControl(id, caption);
    caption->SetPosition(left, top, true);
    caption->SetText(text);
    caption->SetColor(heading ? kHeadingColour : kCaptionColour);
    caption->SetFont(L"Tahoma", heading ? 13 : 12, heading ? FW_BOLD : FW_NORMAL);
    if (heading) {
        caption->wordWrap = 1;
        caption->verticalAlignment = 0;
        const auto lines = 1 + std::count(text.begin(), text.end(), L'\n');
        caption->SetSize(kLabelWidth - 10, static_cast<int>(lines) * kHeadingLineHeight);
    } else {
        caption->FitToText();
        // A few pixels of slack: under Wine the fitted width can come out
        // short of the drawn text by about one character.
        caption->SetSize(caption->width + kCaptionSlack, caption->height);
    }
}

void ShotSheet::Live(const RECT& area, std::function<void()> enter, std::function<void()> leave) {
    liveLooks.push_back({area, std::move(enter), std::move(leave)});
}

RECT ShotSheet::AreaOf(voAbstractControl& control, int below) const {
    return {control.x, control.y, control.x + control.width, control.y + control.height + below};
}

POINT ShotSheet::OnScreen(POINT client) const {
    ClientToScreen(window, &client);
    return client;
}

bool ShotSheet::CheckFit() const {
    bool fits = true;
    for (const auto& entry : controls) {
        const voAbstractControl& control = *entry.second;
        if (control.x + control.width > width - kMargin / 2 ||
            control.y + control.height > height - kMargin / 2) {
            std::fprintf(stderr,
                         "control %d (kind %d, %d x %d at %d, %d) reaches past the %d x %d sheet\n",
                         entry.first, control.kind, control.width, control.height, control.x,
                         control.y, width, height);
            fits = false;
        }
    }
    return fits;
}

void ShotSheet::ShowEverything() {
    for (const auto& entry : controls) entry.second->Show(true);
    ShowWindow(window, SW_SHOW);
    visible = true;
    SetForegroundWindow(window);
    SetFocus(window);
    UpdateWindow(window);
    ParkPointer();
    Settle(8);
}

bool ShotSheet::Photograph(const std::wstring& path) {
    const bool fits = CheckFit();
    ShowEverything();
    Canvas canvas(width, height);
    bool copied = canvas.CopyFromScreen({x, y, x + width, y + height}, {0, 0});
    for (const LiveLook& look : liveLooks) {
        look.enter();
        Settle();
        const POINT origin = OnScreen({look.area.left, look.area.top});
        const RECT onScreen{origin.x, origin.y, origin.x + look.area.right - look.area.left,
                            origin.y + look.area.bottom - look.area.top};
        copied = canvas.CopyFromScreen(onScreen, {look.area.left, look.area.top}) && copied;
        look.leave();
        ParkPointer();
        Settle(2);
    }
    ShowWindow(window, SW_HIDE);
    visible = false;
    Settle(2);
    return fits && copied && canvas.SavePng(path);
}
