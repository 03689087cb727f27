#include "control/KeptPicture.h"

bool KeptPicture::Update(HDC reference, int width, int height, vo::LookKey look,
                         const std::function<void(HDC)>& compose) {
    if (width <= 0 || height <= 0) return false;
    if (!picture_ || width_ != width || height_ != height) {
        picture_ = std::make_unique<KeptBitmap>(Bitmap(CreateCompatibleBitmap(reference, width, height)));
        look_.Clear();
        if (!*picture_) {
            picture_.reset();
            return false;
        }
        width_ = width;
        height_ = height;
    }
    if (!look.Empty() && look == look_) return true;
    compose(picture_->Dc());
    look_ = std::move(look);
    return true;
}

LRESULT PaintFromPicture(HWND window, KeptPicture& picture, int width, int height, vo::LookKey look,
                         const std::function<void(HDC)>& compose) {
    if (IsWindowVisible(window)) {
        WindowDC windowDC(window);
        if (windowDC && picture.Update(windowDC.Get(), width, height, std::move(look), compose))
            BitBlt(windowDC.Get(), 0, 0, width, height, picture.Dc(), 0, 0, SRCCOPY);
    }
    ValidateRect(window, nullptr);
    return 0;
}
