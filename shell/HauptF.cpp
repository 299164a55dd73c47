#include "shell/HauptF.h"

HauptF::HauptF() : Window("HauptF.HauptF") {}

HauptF::~HauptF() = default;

class HauptF& HauptF() {
    if (Window* open = _GetImplicitWindow("HauptF.HauptF"))
        return static_cast<class HauptF&>(*open);
    // Constructor() hands the window to the framework, which keeps it while it is open.
    auto* window = new class HauptF();
    window->Constructor();
    return *window;
}
