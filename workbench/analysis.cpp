#include <cmath>
#include <string>
#include <vector>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace {

constexpr const char* kNichtVerwertbar =
    "Eingabe so nicht verwertbar (z.B.: Grad des Polynoms muss kleiner als 10 sein ...)";

// What the integral and area fields show belongs to the polynomial before; for a constant or the
// zero polynomial neither is computed ("Integrieren" is off for them), so both are emptied.
void IntegralFelderLeeren(class HauptF& w) {
    w.IntegralF().SetText("");
    w.IntegralF1().SetText("");
}

}  // namespace

namespace werkbank {

bool AlsFVerwertbar(class HauptF& w, const PolynomT& t) {
    bool ok = t.IstEndlich();
    if (ok) {
        // The analysis run reads f back from EingF, so a term the reader refuses (too many
        // digits for its step cap) would be lost on the way; refuse it here with a message that
        // says why.
        PolynomT probe;
        w.String2Poly(probe, t.Term2String(), ok);
        ok = ok && probe.IstEndlich();
    }
    if (!ok) MsgBox(kZuGross);
    return ok;
}

void AlsFUebernehmen(class HauptF& w, const PolynomT& t) {
    if (!AlsFVerwertbar(w, t)) return;
    w.EingF().SetText(t.Term2String());
    w.Polynomauswertung();
}

std::string Zahltext(double x) {
    return std::isfinite(x) ? Str(x) : kUeberlauf;
}

double EingabeZahl(TextField& feld) {
    const double x = Val(feld.Text());
    if (std::isfinite(x)) feld.SetText(Str(x));
    return x;
}

}  // namespace werkbank

void HauptF::Event_Open() {
    Init();
}

void HauptF::Init() {
    InitZustand();
    Polynomauswertung();
}

void HauptF::PushButton1_Action(PushButton&) {
    Polynomauswertung();
}

void HauptF::EingF_TextChange(TextField&) {
    IntegralB().SetEnabled(false);
    WertB().SetEnabled(false);
    TabLeer();
}

void HauptF::StellenWahlB_TextChanged(ComboBox&) {
    const double v = Val(StellenWahlB().Text());
    // The box is editable; a typed number outside the offered 0 to 6 decimals (or not whole)
    // would make the rounding overflow, so the number in force stays.
    if (!(v >= 0.0 && v <= 6.0) || v != std::floor(v)) return;
    const std::int32_t n = ToInt32(v);
    if (n == Stellenzahl) return;
    Stellenzahl = n;
    Polynomauswertung();
}

void HauptF::Polynomauswertung() {
    if (!PPP) return;  // nothing to analyse before Init
    std::vector<double> NS = {0.0};
    bool ok = false;
    for (auto& zeile : WertTab) zeile.fill(0.0);
    TabLeer();

    String2Poly(*PPP, EingF().Text(), ok);
    EingF().SetText(PPP->Term2String());

    if (ok) {
        const int d = PPP->grad();
        if (d == -1) {
            AusgF2().SetText("Alle reellen Zahlen sind Nullstellen des Nullpolynoms");
            AusgF1().SetText("Alle Polynome sind Teiler des Nullpolynoms");
            IntegralFelderLeeren(*this);
            FindeKP(*PPP, KPMenge, NS);
        } else if (d == 0) {
            const double k = PPP->Koeff[0];
            AusgF2().SetText("Das konstante Polynom " + Str(k) + " hat keine Nullstellen");
            AusgF1().SetText(Str(k));
            IntegralFelderLeeren(*this);
            FindeKP(*PPP, KPMenge, NS);
        } else {
            PP[0]->KopieVon(*PPP);
            for (int i = 1; i <= 2; ++i) PP[i]->Abl(*PP[i - 1]);
            EingF().SetText(PPP->Term2String());
            FindeKP(*PPP, KPMenge, NS);
            AusgF1().SetText(PPP->Faktorform());
            AusgF2().SetText(Zahlfeldausgabe(NS));
            const double a = werkbank::EingabeZahl(vonF());
            const double b = werkbank::EingabeZahl(bisF());
            IntegralF().SetText(werkbank::Zahltext(Gerundet(Stellenzahl, PPP->Integral(a, b))));
            IntegralB().SetEnabled(true);
            AlleWerteBerechnen();
            WertB().SetEnabled(true);
            IntegralF1().SetText(werkbank::Zahltext(Gerundet(Stellenzahl, PPP->Umrandet())));
        }
        PPP->EckenErmitteln(KPMenge);
        GraphCanvas().Invalidate(true);
        fInPListeEinfuegen(PPP->Term2String());
    } else {
        MsgBox(kNichtVerwertbar);
    }
    EingF().SetFocus();
}
