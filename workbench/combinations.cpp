#include <string>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace {

constexpr std::int32_t kMaxGrad = 9;

// A PolynomT has ten coefficients, so a product must stay within degree 9.
bool GradZuHoch(const PolynomT& a, const PolynomT& b) {
    if (a.grad() + b.grad() <= kMaxGrad) return false;
    MsgBox("Grad des Ergebnispolynoms darf nicht größer als " + Str(kMaxGrad) + " sein.");
    return true;
}

// The first steps every combination with f shares: confirm what EingF shows, and keep f in the
// list before it is replaced.
void FBestaetigen(class HauptF& w) {
    w.Polynomauswertung();
    ::HauptF().fInPListeEinfuegen(w.PPP->Term2String());
}

}  // namespace

void HauptF::gfB_Action(PushButton&) {
    FBestaetigen(*this);
    Pg->Switch(*PPP);
    EingF().SetText(PPP->Term2String());
    Polynomauswertung();
}

void HauptF::gplusfB_Action(PushButton&) {
    FBestaetigen(*this);
    PolynomT t;
    t.Summe(*PPP, *Pg);
    werkbank::AlsFUebernehmen(*this, t);
}

void HauptF::gminusfB_Action(PushButton&) {
    FBestaetigen(*this);
    PolynomT t;
    t.Differenz(*PPP, *Pg);
    werkbank::AlsFUebernehmen(*this, t);
}

void HauptF::gmalfB_Action(PushButton&) {
    if (GradZuHoch(*PPP, *Pg)) return;
    FBestaetigen(*this);
    // The run just made may have read an edited, higher f than the one tested above.
    if (GradZuHoch(*PPP, *Pg)) return;
    PolynomT t;
    t.Produkt(*PPP, *Pg);
    werkbank::AlsFUebernehmen(*this, t);
}

void HauptF::gmalhB_Action(PushButton&) {
    if (GradZuHoch(*Ph, *Pg)) return;
    FBestaetigen(*this);
    PolynomT t;
    t.Produkt(*Ph, *Pg);
    werkbank::AlsFUebernehmen(*this, t);
}

void HauptF::g_AnzB_Action(PushButton&) {
    const std::string s = AnzeigeF().Text();
    AnzeigeF().SetText(Pg->Term2String());
    // A text that is no polynomial leaves g as it was; nothing is reported.
    bool ok = false;
    String2Poly(*Pg, s, ok);
}

void HauptF::RZeigB_Action(PushButton&) {
    const std::string s = AnzeigeF().Text();
    Polynomauswertung();
    AnzeigeF().SetText(PPP->Term2String());
    EingF().SetText(s);
    Polynomauswertung();
}

void HauptF::ghB1_Action(PushButton&) {
    Ph->Switch(*Pg);
}
