#pragma once
// The paint frame of everything this library draws itself: a picture kept
// between paints, composed again only when what it shows has changed, and
// copied to the window's DC in one BitBlt.
#include <windows.h>

#include <functional>
#include <memory>

#include "control/LookKey.h"
#include "window/GdiHandles.h"

class KeptPicture {
public:
    // Makes the picture `width` x `height` (compatible with `reference`) when
    // its size changed, and runs `compose` on it unless `look` is not empty
    // and equals the look it was last composed for. False when no picture.
    bool Update(HDC reference, int width, int height, vo::LookKey look,
                const std::function<void(HDC)>& compose);
    HDC Dc() const { return picture_ ? picture_->Dc() : nullptr; }

private:
    std::unique_ptr<KeptBitmap> picture_;
    int width_ = 0;
    int height_ = 0;
    vo::LookKey look_;
};

// WM_PAINT of a window drawn from a kept picture: a window nobody sees is
// only validated; otherwise the picture is brought up to date and copied.
LRESULT PaintFromPicture(HWND window, KeptPicture& picture, int width, int height, vo::LookKey look,
                         const std::function<void(HDC)>& compose);
