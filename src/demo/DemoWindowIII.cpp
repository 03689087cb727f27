#include "demo/DemoWindowIII.h"

DemoWindowIII::DemoWindowIII() { SetSize(370, 340); }
