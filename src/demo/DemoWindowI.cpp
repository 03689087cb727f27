#include "demo/DemoWindowI.h"

DemoWindowI::DemoWindowI() { SetSize(370, 340); }
