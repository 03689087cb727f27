#pragma once
// For the test every control needs: a parent that deletes the control from
// inside a notification, and a control that faults if it is touched after.
#include <windows.h>

#include <cstddef>
#include <new>

#include "control/voAbstractControl.h"
#include "harness/TestParent.h"

// A control on pages of its own that become unreadable when it is deleted: a
// handler that still reads or writes a member afterwards faults at once. The
// pages are never given back.
template <class Control>
struct Doomed : Control {
    using Control::Control;
    static void* operator new(std::size_t size) {
        void* memory = VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (memory == nullptr) throw std::bad_alloc();
        return memory;
    }
    static void operator delete(void* memory, std::size_t size) {
        DWORD previous = 0;
        VirtualProtect(memory, size, PAGE_NOACCESS, &previous);
    }
};

// Counts the access violations raised while it lives, where they are raised:
// the system swallows a fault inside a window procedure it called itself (a
// focus change), which would otherwise let a touch after deletion pass.
class FaultCounter {
public:
    FaultCounter() : handler_(AddVectoredExceptionHandler(1, &FaultCounter::Count)) { faults_ = 0; }
    ~FaultCounter() { RemoveVectoredExceptionHandler(handler_); }
    FaultCounter(const FaultCounter&) = delete;
    FaultCounter& operator=(const FaultCounter&) = delete;
    long Faults() const { return faults_; }

private:
    static LONG WINAPI Count(EXCEPTION_POINTERS* exception) {
        if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) ++faults_;
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static inline long faults_ = 0;
    void* handler_;
};

// Deletes the control that sends the `deleteOn`-th WM_COMMAND (counted from
// the last Clear) from inside its handler.
class DeletingParent : public TestParent {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = TestParent::WindowProc(message, wParam, lParam);
        if (message == WM_COMMAND && static_cast<int>(Received(WM_COMMAND).size()) == deleteOn)
            Discard(LOWORD(wParam));
        return result;
    }
    // Deletes a control this window owns and forgets it.
    void Discard(int identifier) {
        delete controls[identifier];
        controls.erase(identifier);
    }
    int deleteOn = 0;
};
