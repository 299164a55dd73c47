// Placeholder until the layout table lands.
#include "shell/HauptF.h"

void HauptF::Layout() {}
void HauptF::CreateControls() {}
