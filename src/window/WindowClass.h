#pragma once
// What the two shared window classes (top-level windows and controls) have
// in common: registration once per process, and one window procedure that
// routes each message to the object registered for its handle.
#include <windows.h>

#include <stdexcept>

#include "window/HandleRegistry.h"

// Registers `windowClass` unless `registered` says it already is; a failure
// raises `failure` and leaves the flag clear.
inline void RegisterWindowClassOnce(bool& registered, const WNDCLASSEXW& windowClass,
                                    const char* failure) {
    if (registered) return;
    if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error(failure);
    registered = true;
}

// Handles with no object (messages during creation, after destruction) go to
// the default handler.
template <class Object>
LRESULT RouteToObject(const HandleRegistry<HWND, Object>& registry, HWND hwnd, UINT message,
                      WPARAM wParam, LPARAM lParam) {
    return registry.Route(
        hwnd, [&](Object& object) { return object.WindowProc(message, wParam, lParam); },
        [&] { return DefWindowProcW(hwnd, message, wParam, lParam); });
}
