#include "harness/Compose.h"

#include <cstdio>
#include <string>

#include "harness/Pieces.h"

PixelImage DrawOver(const PixelImage& image, const std::function<void(HDC)>& draw) {
    PixelImage result = image;
    Bitmap canvas = MakePiece(image.width, image.height, [&](int x, int y) {
        return image.pixels[static_cast<std::size_t>(y) * image.width + x];
    });
    if (!canvas) return result;
    {
        MemoryDC target;
        SelectedObject selected(target.Get(), canvas.Get());
        draw(target.Get());
        GdiFlush();
    }
    DIBSECTION section{};
    GetObjectW(canvas.Get(), sizeof(section), &section);
    const auto* raw = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    for (std::size_t i = 0; i < result.pixels.size(); ++i) result.pixels[i] = raw[i] & 0x00FFFFFF;
    return result;
}

PixelImage ComposePieces(const PixelImage& background, const std::vector<PieceLayer>& layers) {
    return DrawOver(background, [&](HDC target) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        for (const PieceLayer& layer : layers) {
            Bitmap piece = LoadSkinPiece(GetModuleHandleW(nullptr), layer.nameOrPath, layer.source,
                                         layer.width, layer.height);
            for (int i = 0; piece && i < layer.count; ++i)
                BlendPiece(target, piece.Get(), layer.x + (layer.down ? 0 : i * layer.width),
                           layer.y + (layer.down ? i * layer.height : 0), layer.width, layer.height,
                           blend);
        }
    });
}

PixelImage BackgroundBehind(voAbstractControl& control) {
    const bool wasVisible = control.visible;
    control.Show(false);
    PixelImage background;
    {
        voAbstractControl bare(control.parentWindow, 0xFFFE, WS_CHILD);
        bare.parentGradientKnown = control.parentGradientKnown;
        bare.parentWidth = control.parentWidth;
        bare.parentHeight = control.parentHeight;
        bare.gradientStart = control.gradientStart;
        bare.gradientEnd = control.gradientEnd;
        bare.gradientHorizontal = control.gradientHorizontal;
        bare.backgroundMode = control.backgroundMode;
        bare.backgroundColour = control.backgroundColour;
        bare.SetSize(control.width, control.height);
        bare.SetPosition(control.x, control.y, true);
        bare.Show(true);
        background = ReadWindowPixels(bare.GetHandle());
    }
    control.Show(wasVisible);
    return background;
}

PixelImage CropImage(const PixelImage& image, int left, int top, int width, int height) {
    PixelImage crop;
    crop.width = width;
    crop.height = height;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            crop.pixels.push_back(x >= 0 && y >= 0 && x < image.width && y < image.height
                                      ? image.pixels[static_cast<std::size_t>(y) * image.width + x]
                                      : 0);
    return crop;
}

namespace {
std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%06lX", static_cast<unsigned long>(colour));
    return text;
}
}  // namespace

::testing::AssertionResult SameImage(const PixelImage& actual, const PixelImage& expected,
                                     int tolerance) {
    if (actual.width != expected.width || actual.height != expected.height || actual.Empty())
        return ::testing::AssertionFailure() << "images " << actual.width << "x" << actual.height
                                             << " and " << expected.width << "x" << expected.height;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (!ColourNear(actual.At(x, y), expected.At(x, y), tolerance))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << Hex(actual.At(x, y))
                       << ", expected " << Hex(expected.At(x, y));
    return ::testing::AssertionSuccess();
}
