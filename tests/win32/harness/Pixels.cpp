#include "harness/Pixels.h"

#include <cstdlib>

#include "window/GdiHandles.h"

COLORREF PixelImage::At(int px, int py) const {
    const std::uint32_t value = pixels[static_cast<std::size_t>(py) * width + px];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

PixelImage ReadWindowPixels(HWND window) {
    PixelImage image;
    RECT client{};
    GetClientRect(window, &client);
    image.width = client.right;
    image.height = client.bottom;
    if (image.width <= 0 || image.height <= 0) return image;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    // The window's own DC reads its surface, so other windows that overlap it
    // on the shared test display do not show through.
    WindowDC source(window);
    Bitmap target(CreateDIBSection(source.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDC memory(source.Get());
    if (!target || !memory) return image;
    {
        SelectedObject selected(memory.Get(), target.Get());
        BitBlt(memory.Get(), 0, 0, image.width, image.height, source.Get(), 0, 0, SRCCOPY);
    }
    const auto* read = static_cast<const std::uint32_t*>(bits);
    image.pixels.assign(read, read + static_cast<std::size_t>(image.width) * image.height);
    for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;
    return image;
}

bool ColourNear(COLORREF actual, COLORREF expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}
