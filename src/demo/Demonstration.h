#pragma once
#include "app/Application.h"

// The demonstration program's body: the three windows placed in an L around
// the screen centre, shown, and the message loop until one of them closes.
int RunDemonstration(Application& application);
