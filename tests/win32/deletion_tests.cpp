// A parent may delete a control inside any notification it sends: the push
// button, check box and radio button inside their click, a check box inside
// its forwarded focus loss. Each control lives on pages that become
// unreadable when it is deleted, so a touch afterwards faults and is counted.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/Pump.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voRadioButton.h"

namespace {

constexpr std::uint16_t kId = 77;

// Also deletes on the forwarded focus loss, which names the control in wParam.
class FocusDeletingParent : public DeletingParent {
public:
    HWND control = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DeletingParent::WindowProc(message, wParam, lParam);
        if (message == WM_SETFOCUS && reinterpret_cast<HWND>(wParam) == control && control != nullptr) {
            control = nullptr;
            Discard(kId);
        }
        return result;
    }
};

void ClickAt(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, &point);
    SetCursorPos(point.x, point.y);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class DeletionTest : public ::testing::Test {
protected:
    // Places `control`, lets `act` make it notify, and expects the parent to
    // have deleted it with nothing touched after and nothing left behind.
    void ExpectDeletedDuring(voAbstractControl* control, const std::function<void(HWND)>& act) {
        GdiLeakCounter counter;
        ASSERT_TRUE(counter.Installed());
        parent.Place(control, 30, 30);
        const HWND window = control->GetHandle();
        PumpMessages();
        FaultCounter faults;
        act(window);
        PumpMessages(50);
        EXPECT_EQ(faults.Faults(), 0) << "a deleted control was touched";
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(voAbstractControl::Registry().Contains(window));
        EXPECT_EQ(counter.Live(), GdiCounts{}) << "its pieces, fonts, slice and picture stay: "
                                               << counter.Describe();
    }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<FocusDeletingParent> owner = std::make_unique<FocusDeletingParent>();
    FocusDeletingParent& parent = *owner;
};

TEST_F(DeletionTest, InsideTheClickNotificationOfEachButtonKind) {
    parent.deleteOn = 1;
    auto* button = new Doomed<voButton>(parent.window, kId, 100, vo::kButtonNormal);
    button->SetText(L"Delete me");
    ExpectDeletedDuring(button, [](HWND window) { ClickAt(window, 10, 10); });
    parent.Clear();
    ExpectDeletedDuring(new Doomed<voCheckBox>(parent.window, kId, 80),
                        [](HWND window) { ClickAt(window, 3, 4); });
    parent.Clear();
    ExpectDeletedDuring(new Doomed<voRadioButton>(parent.window, kId, 80),
                        [](HWND window) { ClickAt(window, 3, 4); });
}

TEST_F(DeletionTest, InsideTheForwardedFocusLoss) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 200, 20, 20,
                                 parent.window, nullptr, nullptr, nullptr);
    auto* box = new Doomed<voCheckBox>(parent.window, kId, 80);
    parent.control = box->GetHandle();
    ExpectDeletedDuring(box, [other](HWND window) {
        SetFocus(window);
        SetFocus(other);
    });
    DestroyWindow(other);
}

}  // namespace
