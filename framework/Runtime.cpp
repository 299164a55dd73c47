// Placeholder until the Qt-backed runtime lands.
#include "framework/Runtime.h"

void RuntimeInit(Platform) {}
std::int32_t RuntimeExit() { return 0; }
