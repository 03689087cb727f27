#include "widgets/buttons/voButton.h"

namespace {
constexpr int kButtonKind = 1;
}  // namespace

voButton::voButton(HWND parent, std::uint16_t identifier, int askedWidth, int buttonStyle)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP), style(buttonStyle) {
    kind = kButtonKind;
    SetFont(L"Tahoma", 15, FW_NORMAL);
    const vo::ButtonStyleLook look = vo::ButtonLookFor(style);
    if (look.setsMetrics) {
        skinHeight = look.skinHeight;
        sideWidth = look.sideWidth;
    }
    if (look.setsColours) {
        textColour = look.textColour;
        disabledTextColour = look.disabledTextColour;
    }
    const vo::ButtonSize size = vo::ButtonSizeFor(style, askedWidth, skinHeight, sideWidth);
    voAbstractControl::SetSize(size.width, size.height);

    messageMap.Insert(WM_MOUSEMOVE, &voButton::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voButton::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voButton::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voButton::OnMouse);
    messageMap.Insert(WM_LBUTTONDBLCLK, &voButton::OnMouse);
    messageMap.Insert(WM_CAPTURECHANGED, &voButton::OnCaptureChanged);
    messageMap.Insert(WM_KEYDOWN, &voButton::OnKey);
    messageMap.Insert(WM_KEYUP, &voButton::OnKey);
    messageMap.Insert(WM_KILLFOCUS, &voButton::OnKillFocus);
}

LRESULT voButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

LRESULT voButton::OnKey(UINT message, WPARAM wParam, LPARAM) {
    // The steps of a press and a release inside, as a click takes them.
    switch (space.Take(message == WM_KEYDOWN, static_cast<unsigned>(wParam))) {
    case vo::KeyEdge::Pressed: PressInPlace(); break;
    case vo::KeyEdge::Released: ReleaseInPlace(); break;
    case vo::KeyEdge::None: break;
    }
    return 0;
}

void voButton::PressInPlace() { Step({vo::ButtonMouseEvent::Press, true, false, false}, true); }

void voButton::ReleaseInPlace() { Step({vo::ButtonMouseEvent::Release, true, false, false}, true); }

LRESULT voButton::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    // The key-up goes to the new focus: the press ends without a click.
    if (space.Cancel()) Step({vo::ButtonMouseEvent::CaptureLost, false, false, false}, true);
    return voAbstractControl::WindowProc(message, wParam, lParam);
}

void voButton::SetChecked(bool value) {
    if (!toggleMode) return;
    visualState = value ? vo::kButtonPressed : vo::kButtonIdle;
    checked = value;
}

bool voButton::SetSize(int askedWidth, int) {
    const vo::ButtonSize size = vo::ButtonSizeFor(style, askedWidth, skinHeight, sideWidth);
    return voAbstractControl::SetSize(size.width, size.height);
}

void voButton::SetText(const std::wstring& text) {
    caption = text;
    Redraw(false);
}

void voButton::SetFont(const std::wstring& face, int fontHeight, int weight) {
    font.face = face;
    font.height = fontHeight;
    font.weight = weight;
    font.angle = 0;
    font.italic = false;
    Redraw(false);
}

void voButton::SetTextColor(COLORREF colour) {
    textColour = colour;
    Redraw(false);
}

void voButton::SetDisabledTextColor(COLORREF colour) {
    disabledTextColour = colour;
    Redraw(false);
}

void voButton::SetIcon(int index) {
    iconIndex = index;
    Redraw(false);
}

void voButton::Disable() {
    enabled = false;
    Redraw(false);
}

void voButton::FitToText(int extra) {
    const int captionWidth =
        style == vo::kButtonRoundIcon
            ? 0
            : MeasureCaption(ownWindow, caption, paintResources.FontFor(font)).cx;
    SetSize(vo::FitToTextWidth(style, captionWidth, extra, sideWidth), 0);
}

void voButton::SetSkinFile(int piece, const std::wstring& path) {
    if (piece >= 0 && piece < vo::kCustomPieceCount) skinFiles[piece] = path;
}

void voButton::SetIconFile(int number, const std::wstring& path) {
    switch (number) {
    case 0: iconFile = path; break;
    case 1: clickedIconFile = path; break;
    case 2: disabledIconFile = path; break;
    default: break;
    }
}

bool voButton::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << style << visualState << iconIndex
         << skinHeight << sideWidth << font << textMarginTop << textMarginLeft << textMarginBottom
         << textMarginRight << textColour << disabledTextColour << textHorizontalAlignment
         << textVerticalAlignment << lineMode << iconHorizontalAlignment << iconVerticalAlignment
         << iconYOffset << iconXOffset << iconBottomMargin << iconRightMargin << iconFile
         << disabledIconFile << clickedIconFile << iconWidth << iconHeight << caption << enabled
         << checked;
    for (const std::wstring& file : skinFiles) look << file;
    return true;
}

void voButton::PaintContent(HDC dc) {
    if (style == vo::kButtonRoundIcon) {
        PaintRoundIcon(dc);  // no caption on this style
        return;
    }
    PaintSkin(dc);
    if (style == vo::kButtonCustom) PaintCustomIcon(dc);
    if (caption.empty()) return;

    RECT client{};
    GetClientRect(ownWindow, &client);
    const vo::ButtonRect area = vo::CaptionRect(
        {client.left, client.top, client.right, client.bottom}, textHorizontalAlignment,
        textVerticalAlignment, {textMarginTop, textMarginLeft, textMarginBottom, textMarginRight});
    CaptionStyle look;
    look.colour = enabled ? textColour : disabledTextColour;
    look.horizontal = textHorizontalAlignment;
    look.vertical = textVerticalAlignment;
    look.lineMode = lineMode;
    DrawCaption(dc, caption, {area.left, area.top, area.right, area.bottom},
                paintResources.FontFor(font), look);
}

void voButton::PaintRoundIcon(HDC dc) {
    const KeptBitmap& face = SkinPiece(vo::RoundIconFace(visualState), SkinSource::Resource,
                                       vo::kRoundIconFaceSize, vo::kRoundIconFaceSize);
    BlendPiece(dc, face, 0, 0, vo::kRoundIconFaceSize, vo::kRoundIconFaceSize, blend);
    // Only the icon matching the enabled flag is needed.
    const wchar_t* iconName = vo::RoundIconName(iconIndex, enabled);
    if (iconName == nullptr) return;
    const KeptBitmap& icon =
        SkinPiece(iconName, SkinSource::Resource, vo::kRoundIconSize, vo::kRoundIconSize);

    const bool held = static_cast<bool>(icon);
    const vo::ButtonIconChoice choice = vo::ChooseButtonIcon(
        style, enabled, visualState, checked, {held && enabled, held && !enabled, false});
    if (choice == vo::kNoIcon) return;
    const vo::ButtonPoint at = vo::RoundIconPosition(visualState);
    BlendPiece(dc, icon, at.x, at.y, vo::kRoundIconSize, vo::kRoundIconSize, blend);
}

void voButton::PaintSkin(HDC dc) {
    auto pieces = [&](vo::ButtonPieceSet set) {
        ThreePieceSkin skin{nullptr, nullptr, nullptr, sideWidth, skinHeight};
        auto piece = [&](const std::wstring& nameOrPath, SkinSource source, int pieceWidth) {
            return &SkinPiece(nameOrPath, source, pieceWidth, skinHeight);
        };
        if (style == vo::kButtonCustom) {
            const vo::ButtonPieceNumbers number = vo::CustomPieceNumbers(set);
            skin.left = piece(skinFiles[number.left], SkinSource::File, sideWidth);
            skin.right = piece(skinFiles[number.right], SkinSource::File, sideWidth);
            skin.centre = piece(skinFiles[number.centre], SkinSource::File, 1);
        } else {
            const vo::ButtonPieceNames names = vo::ButtonPieceResources(style, set);
            if (names.left == nullptr) return skin;
            skin.left = piece(names.left, SkinSource::Resource, sideWidth);
            skin.right = piece(names.right, SkinSource::Resource, sideWidth);
            skin.centre = piece(names.centre, SkinSource::Resource, 1);
        }
        return skin;
    };

    // Only the custom style has hovered pieces; it shows them when its
    // hovered left piece loads, and the normal ones otherwise.
    const bool tryHovered = style == vo::kButtonCustom && visualState == vo::kButtonHovered;
    ThreePieceSkin skin{nullptr, nullptr, nullptr, sideWidth, skinHeight};
    if (tryHovered) skin = pieces(vo::kPiecesHovered);
    if (!tryHovered || skin.left == nullptr || !*skin.left)
        skin = pieces(vo::PieceSetFor(visualState, false));
    DrawThreePieceSkin(dc, skin, width, 0, blend);
}

void voButton::PaintCustomIcon(HDC dc) {
    auto load = [&](const std::wstring& path) -> const KeptBitmap& {
        return SkinPiece(path, SkinSource::File, iconWidth, iconHeight);
    };
    const KeptBitmap& normal = load(iconFile);
    const KeptBitmap& disabled = load(disabledIconFile);
    const KeptBitmap& clicked = load(clickedIconFile);
    const vo::ButtonIconChoice choice = vo::ChooseButtonIcon(
        style, enabled, visualState, checked,
        {static_cast<bool>(normal), static_cast<bool>(disabled), static_cast<bool>(clicked)});
    const KeptBitmap* icon = nullptr;
    switch (choice) {
    case vo::kNormalIcon: icon = &normal; break;
    case vo::kDisabledIcon: icon = &disabled; break;
    case vo::kClickedIcon: icon = &clicked; break;
    case vo::kNoIcon: return;
    }
    RECT client{};
    GetClientRect(ownWindow, &client);
    const int left = vo::IconOffset(iconHorizontalAlignment, client.right, iconWidth, iconXOffset,
                                    iconRightMargin);
    const int top = vo::IconOffset(iconVerticalAlignment, client.bottom, iconHeight, iconYOffset,
                                   iconBottomMargin);
    BlendPiece(dc, *icon, left, top, iconWidth, iconHeight, blend);
}

bool voButton::CursorInside() const {
    RECT client{};
    GetClientRect(ownWindow, &client);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(ownWindow, &cursor);
    return PtInRect(&client, cursor) != FALSE;
}

LRESULT voButton::OnMouse(UINT message, WPARAM wParam, LPARAM) {
    vo::ButtonMouseInput input{vo::ButtonMouseEvent::Move, false, (wParam & MK_LBUTTON) != 0,
                               GetCapture() == ownWindow};
    switch (message) {
    case WM_MOUSEMOVE: input.event = vo::ButtonMouseEvent::Move; break;
    case WM_LBUTTONDOWN: input.event = vo::ButtonMouseEvent::Press; break;
    case WM_LBUTTONDBLCLK: input.event = vo::ButtonMouseEvent::DoubleClick; break;
    case WM_LBUTTONUP: input.event = vo::ButtonMouseEvent::Release; break;
    case WM_MOUSELEAVE: input.event = vo::ButtonMouseEvent::Leave; break;
    default: return 0;
    }
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP) input.inside = CursorInside();
    // The leave notification is spent whether or not the button listens now.
    if (message == WM_MOUSELEAVE) mouseTracking = false;
    if (message == WM_MOUSEMOVE && enabled && !mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    Step(input);
    return 0;
}

LRESULT voButton::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Another window took the mouse in the middle of a press: no release will come.
    if (reinterpret_cast<HWND>(lParam) != ownWindow)
        Step({vo::ButtonMouseEvent::CaptureLost, false, false, false});
    return 0;
}

void voButton::Step(const vo::ButtonMouseInput& input, bool byKey) {
    vo::ButtonOptions options;
    options.enabled = enabled;
    options.toggleMode = toggleMode;
    options.keepChecked = keepChecked;
    options.notifyOnPress = notifyOnPress;
    options.notifyOnReleaseOutside = notifyOnReleaseOutside;
    options.pressOnDragIn = pressOnDragIn;
    const vo::ButtonMouseResult step = vo::ButtonMouseStep(options, {visualState, checked}, input);

    visualState = step.next.visualState;
    checked = step.next.checked;
    if (step.capture && !byKey) SetCapture(ownWindow);
    if (step.releaseCapture) ReleaseCapture();
    // The parent may delete the button from its handler.
    if (step.notify && !NotifyParent()) return;
    if (step.redraw) Redraw(false);
}

AccessibleFacts voButton::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (facts.name.empty()) facts.name = caption;
    // An icon button its owner has not named says what its icon shows.
    const wchar_t* icon =
        style == vo::kButtonRoundIcon ? vo::RoundIconDescription(iconIndex) : nullptr;
    if (facts.name.empty()) facts.name = icon != nullptr ? icon : L"Button";
    facts.role = ROLE_SYSTEM_PUSHBUTTON;
    if (visualState == vo::kButtonPressed) facts.state |= STATE_SYSTEM_PRESSED;
    if (!enabled)
        facts.state |= STATE_SYSTEM_UNAVAILABLE;
    else
        facts.defaultAction = L"Press";
    return facts;
}

void voButton::DoAccessibleAction(long) {
    // A press and a release inside, as the key gives them.
    const vo::LifeGuard::Watch watch = WatchLife();
    PressInPlace();
    if (watch.Alive()) ReleaseInPlace();
}
