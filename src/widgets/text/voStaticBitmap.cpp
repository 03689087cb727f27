#include "widgets/text/voStaticBitmap.h"

#include <cstdlib>

#include "control/Skin.h"
#include "widgets/text/LabelLogic.h"

voStaticBitmap::voStaticBitmap(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD) {
    kind = vo::kStaticBitmapKind;
    accessibleName = L"Picture";
    messageMap.Insert(WM_LBUTTONDOWN, &voStaticBitmap::OnClick);
    messageMap.Insert(WM_LBUTTONUP, &voStaticBitmap::OnClick);
}

LRESULT voStaticBitmap::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

void voStaticBitmap::SetImage(const std::wstring& resourceName) {
    // Loaded once only to read its size.
    const Bitmap image = LoadSkinPiece(moduleInstance, resourceName, SkinSource::Resource, 0, 0);
    BITMAP info{};
    if (!image || GetObjectW(image.Get(), sizeof(info), &info) == 0) info = BITMAP{};
    imageName = resourceName;
    imageWidth = info.bmWidth;
    imageHeight = std::abs(info.bmHeight);
    fromFile = false;
    imageChanged = true;
    SetSize(imageWidth, imageHeight);
}

bool voStaticBitmap::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << fromFile << imageName << imageWidth
         << imageHeight;
    return true;
}

void voStaticBitmap::PaintContent(HDC dc) {
    const KeptBitmap& image = fromFile
                                  ? SkinPiece(imageName, SkinSource::File, imageWidth, imageHeight)
                                  : SkinPiece(imageName, SkinSource::Resource, 0, 0);
    BlendPiece(dc, image, 0, 0, imageWidth, imageHeight, blend);
    imageChanged = false;
}

LRESULT voStaticBitmap::OnClick(UINT message, WPARAM, LPARAM) {
    if (message == WM_LBUTTONDOWN) {
        SetCapture(ownWindow);
        NotifyParent();  // last: the parent may delete the control
    } else if (GetCapture() == ownWindow) {
        ReleaseCapture();
    }
    return 0;
}

AccessibleFacts voStaticBitmap::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_GRAPHIC;
    facts.state |= STATE_SYSTEM_READONLY;
    return facts;
}
