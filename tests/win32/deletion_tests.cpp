// A parent may delete a control inside any notification it sends. This
// executable runs a page heap while the controls live: every object made then
// gets pages of its own, and deleting it makes them inaccessible, so a control
// that touched any member after its parent deleted it would end the test with
// an access violation.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>

#include "harness/LeakCheck.h"
#include "harness/Pump.h"
#include "harness/TestParent.h"
#include "widgets/buttons/voButton.h"
#include "widgets/buttons/voCheckBox.h"
#include "widgets/buttons/voRadioButton.h"

namespace {
bool pageHeapOn = false;
constexpr int kMaxPageBlocks = 8192;
void* pageBlocks[kMaxPageBlocks];
int pageBlockCount = 0;

bool IsPageBlock(void* block) {
    for (int i = 0; i < pageBlockCount; ++i)
        if (pageBlocks[i] == block) return true;
    return false;
}
}  // namespace

void* operator new(std::size_t size) {
    if (pageHeapOn && pageBlockCount < kMaxPageBlocks) {
        if (void* block = VirtualAlloc(nullptr, size ? size : 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
            pageBlocks[pageBlockCount++] = block;
            return block;
        }
    }
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    if (!IsPageBlock(block)) return std::free(block);
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(block, &info, sizeof(info));
    DWORD previous = 0;
    VirtualProtect(block, info.RegionSize, PAGE_NOACCESS, &previous);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {
// The system may swallow a fault inside a window procedure it called itself
// (focus changes): every access violation is counted where it is raised.
LONG accessViolations = 0;
LONG WINAPI CountAccessViolation(EXCEPTION_POINTERS* exception) {
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) ++accessViolations;
    return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

namespace {

constexpr std::uint16_t kId = 77;

// Deletes the control with kId from inside the notification `trigger` names.
class DeletingParent : public TestParent {
public:
    UINT trigger = WM_COMMAND;
    HWND control = nullptr;
    int deleted = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = TestParent::WindowProc(message, wParam, lParam);
        // The click names the control in its low word, the forwarded focus loss in wParam.
        const bool fromControl = message == WM_COMMAND ? LOWORD(wParam) == kId
                                                       : reinterpret_cast<HWND>(wParam) == control;
        if (message == trigger && fromControl && DeleteControl(kId)) ++deleted;
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
    // Makes the control under the page heap, places it and lets `act` make it
    // notify; the parent deletes it from its handler.
    void DeleteDuring(UINT trigger, const std::function<voAbstractControl*(HWND)>& make,
                      const std::function<void(HWND)>& act) {
        parent.trigger = trigger;
        GdiLeakCounter counter;
        ASSERT_TRUE(counter.Installed());
        accessViolations = 0;
        void* counting = AddVectoredExceptionHandler(1, CountAccessViolation);
        pageHeapOn = true;
        voAbstractControl* control = parent.Place(make(parent.window), 30, 30);

        const HWND window = control->GetHandle();
        parent.control = window;
        PumpMessages();
        act(window);
        pageHeapOn = false;
        PumpMessages(50);
        RemoveVectoredExceptionHandler(counting);
        EXPECT_EQ(accessViolations, 0) << "a deleted control was touched";
        EXPECT_EQ(parent.deleted, 1);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(voAbstractControl::Registry().Contains(window));
        // Its pieces, fonts, slice and picture went with it.
        EXPECT_EQ(counter.Live(), GdiCounts{}) << counter.Describe();
    }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<DeletingParent> owner = std::make_unique<DeletingParent>();
    DeletingParent& parent = *owner;
};

TEST_F(DeletionTest, InsideTheClickNotificationOfEachButtonKind) {
    DeleteDuring(
        WM_COMMAND,
        [](HWND owner) {
            auto* button = new voButton(owner, kId, 100, vo::kButtonNormal);
            button->SetText(L"Delete me");
            return button;
        },
        [](HWND window) { ClickAt(window, 10, 10); });
    parent.deleted = 0;
    DeleteDuring(
        WM_COMMAND, [](HWND owner) { return new voCheckBox(owner, kId, 80); },
        [](HWND window) { ClickAt(window, 3, 4); });
    parent.deleted = 0;
    DeleteDuring(
        WM_COMMAND, [](HWND owner) { return new voRadioButton(owner, kId, 80); },
        [](HWND window) { ClickAt(window, 3, 4); });
}

TEST_F(DeletionTest, InsideTheForwardedFocusLoss) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 200, 20, 20,
                                 parent.window, nullptr, nullptr, nullptr);
    DeleteDuring(
        WM_SETFOCUS, [](HWND owner) { return new voCheckBox(owner, kId, 80); },
        [other](HWND window) {
            SetFocus(window);
            SetFocus(other);
        });
    DestroyWindow(other);
}

}  // namespace
