#pragma once
// The event wiring of the main window's controls.

#include <string_view>

class HauptF;

// Wires the events of the control with this name to the window's handlers, if it has any.
// Called once for each control, right after its property record has been applied.
void EreignisseVerbinden(class HauptF& fenster, std::string_view name);
