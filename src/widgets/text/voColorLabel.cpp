#include "widgets/text/voColorLabel.h"

#include "control/SkinLogic.h"

voColorLabel::voColorLabel(HWND parent, std::uint16_t identifier, int type)
    : voAbstractControl(parent, identifier, WS_CHILD),
      colourType(type),
      textColour(vo::ColorLabelTextColour(type)) {
    kind = vo::kColorLabelKind;
    font.height = 22;
    font.face = L"Georgia";
    voColorLabel::SetSize(0, 0);  // the narrowest pill, 17 x 31

    messageMap.Insert(WM_MOUSEMOVE, &voColorLabel::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voColorLabel::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voColorLabel::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voColorLabel::OnMouse);
    messageMap.Insert(WM_KILLFOCUS, &voColorLabel::ForwardFocusLoss);
}

LRESULT voColorLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

bool voColorLabel::SetSize(int askedWidth, int) {
    const vo::SkinSize size = vo::ThreePieceSize(askedWidth, skinHeight, sideWidth);
    return voAbstractControl::SetSize(size.width, size.height);
}

void voColorLabel::FitToText(int extra) {
    TEXTMETRICW metrics{};
    const SIZE extent = MeasureCaption(ownWindow, text, paintResources.FontFor(font), &metrics);
    if (metrics.tmHeight == 0) return;  // nothing could be measured
    SetSize(vo::ThreePieceFitWidth(extent.cx, extra, sideWidth), 0);
}

bool voColorLabel::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << colourType << skinHeight
         << sideWidth << font << textColour << text;
    return true;
}

void voColorLabel::PaintContent(HDC dc) {
    const vo::LabelPieceNames names = vo::ColorLabelPieces(colourType);
    if (names.left != nullptr) {
        auto piece = [&](const wchar_t* name, int pieceWidth) {
            return &SkinPiece(name, SkinSource::Resource, pieceWidth, skinHeight);
        };
        const ThreePieceSkin skin{piece(names.left, sideWidth), piece(names.centre, 1),
                                  piece(names.right, sideWidth), sideWidth, skinHeight};
        DrawThreePieceSkin(dc, skin, width, 0, blend);
    }
    const CaptionStyle centred{textColour, vo::kAlignCentre, vo::kAlignCentre, vo::kSingleLine};
    DrawCaption(dc, text, {0, 0, width, height}, paintResources.FontFor(font), centred);
}

LRESULT voColorLabel::OnMouse(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (!mouseTracking) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            TrackMouseLeave();
        }
        break;
    case WM_LBUTTONDOWN:
        SetCapture(ownWindow);
        SetFocus(ownWindow);
        break;
    case WM_LBUTTONUP:
        if (GetCapture() == ownWindow) ReleaseCapture();
        break;
    case WM_MOUSELEAVE: mouseTracking = false; break;
    default: break;
    }
    return 0;
}

AccessibleFacts voColorLabel::DescribeAccessible(long) const { return DescribeLabel(text); }
