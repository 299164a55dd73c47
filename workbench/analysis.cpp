// Placeholder until the analysis run lands.
#include "shell/HauptF.h"

void HauptF::Event_Open() {}
