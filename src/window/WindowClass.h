#pragma once
// What the two shared window classes (top-level windows and controls) have
// in common: registration once per process, and one window procedure that
// routes each message to the object registered for its handle.
#include <windows.h>

#include <exception>
#include <stdexcept>
#include <utility>

#include "window/HandleRegistry.h"

// Registers `windowClass` unless `registered` says it already is; a failure
// raises `failure` and leaves the flag clear.
inline void RegisterWindowClassOnce(bool& registered, const WNDCLASSEXW& windowClass,
                                    const char* failure) {
    if (registered) return;
    if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error(failure);
    registered = true;
}

// An exception must not unwind through the system's frames of a window
// procedure: the first one a handler throws is kept here, and the message
// loop throws it again where the program's guarded region catches it.
inline std::exception_ptr& PendingWindowException() {
    static std::exception_ptr pending;
    return pending;
}

inline void RethrowPendingWindowException() {
    if (std::exception_ptr pending = std::exchange(PendingWindowException(), nullptr))
        std::rethrow_exception(pending);
}

// Handles with no object (messages during creation, after destruction) go to
// the default handler.
template <class Object>
LRESULT RouteToObject(const HandleRegistry<HWND, Object>& registry, HWND hwnd, UINT message,
                      WPARAM wParam, LPARAM lParam) {
    try {
        return registry.Route(
            hwnd, [&](Object& object) { return object.WindowProc(message, wParam, lParam); },
            [&] { return DefWindowProcW(hwnd, message, wParam, lParam); });
    } catch (...) {
        if (!PendingWindowException()) PendingWindowException() = std::current_exception();
        return 0;
    }
}
