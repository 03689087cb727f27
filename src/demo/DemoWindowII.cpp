#include "demo/DemoWindowII.h"

DemoWindowII::DemoWindowII() { SetSize(370, 340); }
