#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "control/Accessible.h"
#include "control/ControlLogic.h"
#include "control/KeptPicture.h"
#include "control/LifeGuard.h"
#include "control/LookKey.h"
#include "control/Skin.h"
#include "window/GdiHandles.h"
#include "window/HandleRegistry.h"
#include "window/voAbstractWindow.h"

// Base of every child control: owns one native window of the shared class
// "voAbstractControlClass", keeps the geometry, visibility, focus, toggle and
// background state all controls share, and talks to the parent with
// background requests (WM_NOTIFY) and click notifications (WM_COMMAND).
// It answers screen readers for itself: a control describes itself by
// overriding DescribeAccessible (and its items' methods where it has items).
class voAbstractControl : protected AccessibleSource {
public:
    voAbstractControl(HWND parent, std::uint16_t identifier, DWORD style);
    virtual ~voAbstractControl() noexcept(false);
    voAbstractControl(const voAbstractControl&) = delete;
    voAbstractControl& operator=(const voAbstractControl&) = delete;

    virtual HWND GetHandle();
    virtual void SetChecked(bool checked);
    virtual bool SetSize(int width, int height);
    virtual bool SetPosition(int x, int y, bool apply);
    virtual void SetBackgroundColor(COLORREF colour);
    virtual bool LoadBackground(const std::wstring& resourceName, int width, int height);
    virtual void SetBackground(HBITMAP bitmap);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    bool Show(bool show);
    bool Redraw(bool force);
    void TrackMouseLeave();
    // Whether Tab may give this control the focus now; a control disabled by
    // its own flag says no and is passed over.
    virtual bool TakesKeyboardFocus() const { return true; }

    // Background painters, each covering the whole control in `dc`.
    bool DrawGradientSlice(HDC dc);
    bool FillBackgroundColor(HDC dc);
    bool FillBackgroundBitmap(HDC dc);
    // The parent's gradient behind the control; the caller deletes it.
    HBITMAP CreateGradientSlice();

    HWND ownWindow = nullptr;
    HWND parentWindow = nullptr;
    std::uint16_t controlId = 0;
    HINSTANCE moduleInstance = nullptr;
    int kind = 0;
    bool focused = false;
    bool visible = false;
    bool toggleMode = false;
    bool checked = false;
    COLORREF backgroundColour = 0xFFFFFF;
    Bitmap backgroundBitmap;
    bool parentGradientKnown = false;
    int parentWidth = 0;
    int parentHeight = 0;
    COLORREF gradientStart = 0;
    COLORREF gradientEnd = 0;
    bool gradientHorizontal = false;
    int backgroundMode = vo::kBackgroundGradient;
    int width = 0;
    int height = 0;
    bool mouseTracking = false;
    int x = 0;
    int y = 0;
    // Every control composites its pieces with their own per-pixel alpha.
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // What a screen reader calls a control that shows no caption of its own
    // (or, when set, instead of the caption).
    std::wstring accessibleName;

    static const wchar_t* const kClassName;
    static HandleRegistry<HWND, voAbstractControl>& Registry();

protected:
    // A subclass's WindowProc: its own map first, then this base's handling.
    template <class Derived>
    LRESULT Route(voMessageMap<Derived>& map, UINT message, WPARAM wParam, LPARAM lParam) {
        const vo::LifeGuard::Watch watch = life.Observe();
        LRESULT result = 0;
        if (!RouteSharedKeys(message, wParam, lParam, result) &&
            !map.Dispatch(static_cast<Derived&>(*this), message, wParam, lParam, result))
            result = voAbstractControl::WindowProc(message, wParam, lParam);
        if (watch.Alive()) AnnounceChanges(message);
        return result;
    }

    // What a screen reader is told. The base gives the name from
    // accessibleName, a client role and the window's states (focused,
    // focusable, unavailable, invisible); a control calls it, then sets its
    // role and adds its own name, states, value and default action.
    HWND AccessibleWindow() const override { return ownWindow; }
    long AccessibleItemCount() const override { return 0; }
    AccessibleFacts DescribeAccessible(long item) const override;
    bool AccessibleItemRect(long item, RECT& rect) const override;
    // Does what the default action names, as a click does it.
    void DoAccessibleAction(long item) override;
    // What a label is: static text named by its text (unless accessibleName
    // is set), read-only.
    AccessibleFacts DescribeLabel(const std::wstring& text) const;

    // Tab and Shift+Tab, the keyboard-cue messages (KeyboardFocus.cpp): taken
    // before the subclass's map, so no control needs code for them.
    bool RouteSharedKeys(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void MoveFocusByTab(bool backwards);
    // Focused, and the keyboard has been used in the window: the paint frame
    // then draws the focus cue over the picture.
    bool FocusCueShown() const;

    // The paint frame, entered from WM_PAINT by this base: background by mode
    // into the control's kept picture, PaintContent on top, one copy to the
    // window. The picture is composed again only when DescribeLook says
    // something it shows has changed.
    LRESULT PaintFrame();
    virtual void PaintContent(HDC dc);
    // Writes down every value the content painter reads (fields, state,
    // paths, fonts) and returns true; the base adds the background's. A
    // control that does not override it is composed at every paint.
    virtual bool DescribeLook(vo::LookKey& look) const;

    // WM_KILLFOCUS handler that tells the parent where the focus went.
    LRESULT ForwardFocusLoss(UINT message, WPARAM wParam, LPARAM lParam);

    // Sends to the parent, which may delete this control from its handler:
    // false when it did, and then the caller must touch no member.
    bool SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    // The same for a message to itself (a step it sends as a key press, whose
    // handler notifies the parent).
    bool SendToSelf(UINT message, WPARAM wParam, LPARAM lParam = 0);
    // Taken before any other call that may end in the parent (SetFocus
    // forwards focus losses); Alive() afterwards says whether to go on.
    vo::LifeGuard::Watch WatchLife() const { return life.Observe(); }
    // WM_COMMAND to the parent: identifier in the low word, `code` in the
    // high. Returns whether the control still lives.
    bool NotifyParent(std::uint16_t code = 0);
    bool NotifyParent(std::uint16_t code, LPARAM lParam);

    // Background request to the parent; returns whether the control still lives.
    bool SendBackgroundRequest(int code);
    bool RepaintNow();

    // A skin piece of this control's module or a file, kept between paints.
    const KeptBitmap& SkinPiece(const std::wstring& nameOrPath, SkinSource source, int pieceWidth,
                                int pieceHeight) {
        return paintResources.Piece(moduleInstance, nameOrPath, source, pieceWidth, pieceHeight);
    }

    // The pieces and fonts this control paints with, kept between paints.
    PaintResources paintResources;

private:
    static void RegisterClassOnce(HINSTANCE instance);
    static LRESULT CALLBACK ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool PaintBackground(HDC dc);
    void DescribeBackground(vo::LookKey& look) const;
    bool FillGradientSlice(HDC dc) const;

    void AnnounceChanges(UINT message);

    vo::LifeGuard life;
    // Set while the control's own key handler hears the Tab that then moves the focus.
    bool tabToOwnHandler = false;
    AccessibleLink accessible{*this};
    KeptPicture picture;
    // The tiling brush of the background bitmap it was made from.
    Brush patternBrush;
    HBITMAP patternSource = nullptr;
};
