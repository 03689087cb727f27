#pragma once
// Pixel oracles for skinned controls: what a control should show, composed
// from skin pieces the test names itself over the background read back from
// the screen, and a comparison that names the first pixel that differs.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "control/Skin.h"
#include "control/voAbstractControl.h"
#include "harness/Pixels.h"

struct PieceLayer {
    std::wstring nameOrPath;
    SkinSource source;
    int x;
    int y;
    int width;  // the piece's size, loaded and drawn
    int height;
    int count = 1;  // copies side by side: along x, or along y when `down`
    bool down = false;
};

// `image` with whatever `draw` paints on a 32-bit copy of it.
PixelImage DrawOver(const PixelImage& image, const std::function<void(HDC)>& draw);

// `background` with each layer's piece composited by its own alpha, in order.
PixelImage ComposePieces(const PixelImage& background, const std::vector<PieceLayer>& layers);

// What the parent shows behind `control`: the control is hidden while a bare
// control with the same place, size and gradient paints only its background.
PixelImage BackgroundBehind(voAbstractControl& control);

PixelImage CropImage(const PixelImage& image, int left, int top, int width, int height);

::testing::AssertionResult SameImage(const PixelImage& actual, const PixelImage& expected,
                                     int tolerance);
