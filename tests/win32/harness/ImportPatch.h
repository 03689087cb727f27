#pragma once
// Replaces an entry of this executable's import table, so a test can see the
// calls the code under test makes into a system DLL.
#include <windows.h>

// Points the import of `function` from `dll` at `replacement`; returns the
// original address, or null when the executable does not import it.
void* PatchImport(const char* dll, const char* function, void* replacement);
