#pragma once
#include <windows.h>

#include <functional>

// Dispatches the thread's pending messages (paints included) for `milliseconds`.
void PumpMessages(DWORD milliseconds = 0);

// Pumps until `done` holds or the time runs out; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds = 2000);
