#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// What a window shows, read back from its surface into 0x00RRGGBB pixels.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    // As a COLORREF (0x00BBGGRR), to compare with the library's colours.
    COLORREF At(int x, int y) const;
    bool Empty() const { return pixels.empty(); }
};

// Reads the window's client area as painted. Paint the window
// first (UpdateWindow or PumpMessages).
PixelImage ReadWindowPixels(HWND window);

// True when every channel of `actual` is within `tolerance` of `expected`.
bool ColourNear(COLORREF actual, COLORREF expected, int tolerance);
