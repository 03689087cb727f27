#include <windows.h>

#include "demo/Demonstration.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunApplication(RunDemonstration); }
