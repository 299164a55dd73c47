#pragma once
// The event wiring of the main window's controls. Which events reach which handler is the table
// shell/Ereignisse.def; HauptF declares its handlers from it, wiring.cpp wires them.

#include <string_view>
#include <vector>

#include "framework/Controls.h"

class Graphics;
class HauptF;

// The function type of a handler of `event` raised by a control of class C: it takes the control
// (Paint also the drawing context and the areas to redraw) and returns nothing.
template <class C, Event event>
struct HandlersignaturVon {
    using Typ = void(C& control);
};
template <>
struct HandlersignaturVon<Canvas, Event::Paint> {
    using Typ = void(Canvas& control, Graphics& g, const std::vector<Rect>& areas);
};
template <class C, Event event>
using Handlersignatur = typename HandlersignaturVon<C, event>::Typ;

// Wires the events of the control with this name to the window's handlers, if it has any.
// Called once for each control, right after its property record has been applied.
void EreignisseVerbinden(class HauptF& fenster, std::string_view name);
