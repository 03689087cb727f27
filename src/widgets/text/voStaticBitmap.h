#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "control/voAbstractControl.h"

// One bitmap, a named resource or a file, drawn with its own alpha at its
// natural size. A press on it is reported to the parent.
class voStaticBitmap : public voAbstractControl {
public:
    voStaticBitmap(HWND parent, std::uint16_t identifier);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A bitmap resource of the module; the control takes its natural size
    // (0 x 0 when there is no such resource).
    void SetImage(const std::wstring& resourceName);

    bool fromFile = false;  // true: `imageName` is a file path, loaded at the image size
    bool imageChanged = false;
    std::wstring imageName;
    int imageWidth = 0;
    int imageHeight = 0;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnClick(UINT message, WPARAM wParam, LPARAM lParam);

    voMessageMap<voStaticBitmap> messageMap;
};
