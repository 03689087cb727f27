#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "control/Skin.h"
#include "control/voAbstractControl.h"

// A hyperlink: a one-line caption in a link colour that changes colour, is
// underlined and shows the hand cursor while the pointer is over it, and that
// opens its target with the shell when the left button is released over it.
// It tells its parent nothing.
class voTextLink : public voAbstractControl {
public:
    using Opener = std::function<void(const std::wstring& target)>;

    voTextLink(HWND parent, std::uint16_t identifier);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void SetText(const std::wstring& text);
    // Exactly as wide as the caption in the normal font; never lower than now.
    void FitToText();
    // The shell's "open" verb on `target`: a web address or any path.
    static void OpenWithShell(const std::wstring& target);

    bool hovered = false;
    bool handCursorShown = false;
    CaptionFont normalFont;
    COLORREF normalColour = 0xDE0000;
    CaptionFont hoverFont;  // the normal font, underlined
    COLORREF hoverColour = 0x6F5757;
    std::wstring caption;
    std::wstring target;  // nothing happens on a click while it is empty
    // How an activation opens the target; tests put their own here.
    Opener openTarget = &voTextLink::OpenWithShell;

protected:
    AccessibleFacts DescribeAccessible(long item) const override;
    void DoAccessibleAction(long item) override;
    void PaintContent(HDC dc) override;
    bool DescribeLook(vo::LookKey& look) const override;

private:
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // Enter opens the target, as a click does.
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnDialogCode(UINT message, WPARAM wParam, LPARAM lParam);
    void Move(LPARAM lParam);
    void Leave();
    bool Inside(LPARAM lParam) const;
    void Open();

    voMessageMap<voTextLink> messageMap;
};
