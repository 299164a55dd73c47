#include "shell/wiring.h"

#include <string_view>

#include "shell/HauptF.h"
#include "shell/Umwandlung.h"

namespace {

template <class C>
C& Holen(class HauptF& fenster, std::string_view name) {
    return Als<C>(fenster._ControlByName(name));
}

template <class C>
void Verbinden(class HauptF& fenster, C& control, Event event, void (HauptF::*handler)(C&)) {
    Wire(control, event, fenster, handler);
}

// Paint alone hands its handler more than the control.
void Verbinden(class HauptF& fenster, Canvas& canvas, Event,
               void (HauptF::*handler)(Canvas&, Graphics&, const std::vector<Rect>&)) {
    WirePaint(canvas, fenster, handler);
}

struct Verbindung {
    std::string_view name;
    void (*verbinden)(class HauptF&);
};

// The table names each handler after its control and event; a row that does not is a typing
// error that would otherwise show only as a handler wired to the wrong event.
#define EVENT(control, cls, event, handler, caption, file) \
    static_assert(std::string_view(#handler) == #control "_" #event);
#include "shell/Ereignisse.def"
#undef EVENT

// One entry per row of the table, in its order; a control with two events has two entries, made
// in that order.
constexpr Verbindung kVerbindungen[] = {
#define EVENT(control, cls, event, handler, caption, file)                      \
    {#control, [](class HauptF& w) {                                            \
         Verbinden(w, Holen<cls>(w, #control), Event::event, &HauptF::handler); \
     }},
#include "shell/Ereignisse.def"
#undef EVENT
};

}  // namespace

void EreignisseVerbinden(class HauptF& fenster, std::string_view name) {
    for (const Verbindung& v : kVerbindungen)
        if (v.name == name) v.verbinden(fenster);
}
