#include "shell/wiring.h"

#include <array>

#include "shell/HauptF.h"
#include "shell/Umwandlung.h"

namespace {

template <class C>
C& Holen(class HauptF& fenster, std::string_view name) {
    return Als<C>(fenster._ControlByName(name));
}

struct Verbindung {
    std::string_view name;
    void (*verbinden)(class HauptF&);
};

#define WIRE(control, cls, event, handler) \
    Wire(Holen<cls>(w, #control), Event::event, w, &HauptF::handler)

// The 33 wirings, grouped by control in creation order; where a control has two, the order
// within the entry is the order in which they are made.
constexpr std::array<Verbindung, 31> kVerbindungen = {{
    {"EingF", [](class HauptF& w) { WIRE(EingF, TextField, TextChange, EingF_TextChange); }},
    {"QuitB", [](class HauptF& w) { WIRE(QuitB, PushButton, Action, QuitB_Action); }},
    {"sstellen",
     [](class HauptF& w) {
         WIRE(sstellen, TextField, TextChange, sstellen_TextChange);
         WIRE(sstellen, TextField, Open, sstellen_Open);
     }},
    {"InterploierB",
     [](class HauptF& w) { WIRE(InterploierB, PushButton, Action, InterploierB_Action); }},
    {"vonF", [](class HauptF& w) { WIRE(vonF, TextField, TextChange, vonF_TextChange); }},
    {"bisF", [](class HauptF& w) { WIRE(bisF, TextField, TextChange, bisF_TextChange); }},
    {"xXF", [](class HauptF& w) { WIRE(xXF, TextField, TextChange, xXF_TextChange); }},
    {"WertB", [](class HauptF& w) { WIRE(WertB, PushButton, Action, WertB_Action); }},
    {"RPfeilB", [](class HauptF& w) { WIRE(RPfeilB, PushButton, Action, RPfeilB_Action); }},
    {"LPfeilB", [](class HauptF& w) { WIRE(LPfeilB, PushButton, Action, LPfeilB_Action); }},
    {"PushButton1",
     [](class HauptF& w) { WIRE(PushButton1, PushButton, Action, PushButton1_Action); }},
    {"IntegralB", [](class HauptF& w) { WIRE(IntegralB, PushButton, Action, IntegralB_Action); }},
    {"gfB", [](class HauptF& w) { WIRE(gfB, PushButton, Action, gfB_Action); }},
    {"gplusfB", [](class HauptF& w) { WIRE(gplusfB, PushButton, Action, gplusfB_Action); }},
    {"gmalfB", [](class HauptF& w) { WIRE(gmalfB, PushButton, Action, gmalfB_Action); }},
    {"g_AnzB", [](class HauptF& w) { WIRE(g_AnzB, PushButton, Action, g_AnzB_Action); }},
    {"RZeigB", [](class HauptF& w) { WIRE(RZeigB, PushButton, Action, RZeigB_Action); }},
    {"AufAbPfeil",
     [](class HauptF& w) {
         WIRE(AufAbPfeil, UpDownArrows, Down, AufAbPfeil_Down);
         WIRE(AufAbPfeil, UpDownArrows, Up, AufAbPfeil_Up);
     }},
    {"gminusfB", [](class HauptF& w) { WIRE(gminusfB, PushButton, Action, gminusfB_Action); }},
    {"gmalhB", [](class HauptF& w) { WIRE(gmalhB, PushButton, Action, gmalhB_Action); }},
    {"ghB1", [](class HauptF& w) { WIRE(ghB1, PushButton, Action, ghB1_Action); }},
    {"RNextB1", [](class HauptF& w) { WIRE(RNextB1, PushButton, Action, RNextB1_Action); }},
    {"GraphCanvas",
     [](class HauptF& w) {
         WirePaint(Holen<Canvas>(w, "GraphCanvas"), w, &HauptF::GraphCanvas_Paint);
     }},
    {"QuitB11", [](class HauptF& w) { WIRE(QuitB11, PushButton, Action, QuitB11_Action); }},
    {"StellenWahlB",
     [](class HauptF& w) { WIRE(StellenWahlB, ComboBox, TextChanged, StellenWahlB_TextChanged); }},
    {"QuitB111", [](class HauptF& w) { WIRE(QuitB111, PushButton, Action, QuitB111_Action); }},
    {"RinglisteB",
     [](class HauptF& w) { WIRE(RinglisteB, ComboBox, TextChanged, RinglisteB_TextChanged); }},
    {"gfB1", [](class HauptF& w) { WIRE(gfB1, PushButton, Action, gfB1_Action); }},
    {"VerschiebeB",
     [](class HauptF& w) { WIRE(VerschiebeB, PushButton, Action, VerschiebeB_Action); }},
    {"xVF", [](class HauptF& w) { WIRE(xVF, TextField, TextChange, xVF_TextChange); }},
    {"yVF", [](class HauptF& w) { WIRE(yVF, TextField, TextChange, yVF_TextChange); }},
}};

#undef WIRE

}  // namespace

void EreignisseVerbinden(class HauptF& fenster, std::string_view name) {
    for (const Verbindung& v : kVerbindungen)
        if (v.name == name) v.verbinden(fenster);
}
