#pragma once
#include <windows.h>

#include <cstdint>

#include "window/HandleRegistry.h"
#include "window/MessageMap.h"

// The message map every window and control class of the library uses.
template <class Owner>
using voMessageMap = MessageMap<Owner, LRESULT, WPARAM, LPARAM>;

// Base of every top-level window: owns one native window of the shared class
// "voAbstractWindowClass" and receives its messages through WindowProc.
class voAbstractWindow {
public:
    explicit voAbstractWindow(DWORD style);
    virtual ~voAbstractWindow() noexcept(false);
    voAbstractWindow(const voAbstractWindow&) = delete;
    voAbstractWindow& operator=(const voAbstractWindow&) = delete;

    virtual void Show(bool show);
    virtual bool SetSize(int width, int height);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND window = nullptr;
    HWND ownerWindow = nullptr;
    HINSTANCE moduleInstance = nullptr;
    bool visible = false;
    std::uint16_t identifier = 0;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

    static const wchar_t* const kClassName;
    static HandleRegistry<HWND, voAbstractWindow>& Registry();

protected:
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static void RegisterClassOnce(HINSTANCE instance);
    static LRESULT CALLBACK ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
