#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace {

constexpr const char* kNichtVerwertbar =
    "Eingabe so nicht verwertbar (z.B.: Grad des Polynoms muss kleiner als 10 sein ...)";

constexpr const char* kZeilenende = "\r\n";

constexpr const char* kZahlRat =
    "Bitte eine Zahl mit Komma oder Punkt eingeben, z.B. 2,5 oder -0.5 (ein leeres Feld gilt "
    "als 0); Brüche und Exponenten bitte ausschreiben, z.B. 0,5 statt 1/2 und 100000 statt 1e5.";

// A typed text as a message quotes it: a long one is cut, so the message stays readable.
std::string Gekuerzt(const std::string& text) {
    constexpr std::int32_t kZeichen = 30;
    return Len(text) > kZeichen ? Left(text, kZeichen) + "\u2026" : text;
}

// Which number of decimals a text of the decimals box names: the whole number from 0 to 6 that
// begins it ("    2 Dezimalen"), or 0 for "   ganze Zahlen". The box is editable; a text that
// names none ("abc", "2,5", "9 Dezimalen") gives std::nullopt.
std::optional<std::int32_t> Dezimalen(const std::string& text) {
    const std::size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) return std::nullopt;
    if (text.compare(anfang, 12, "ganze Zahlen") == 0) return 0;
    const std::size_t ende = text.find_first_not_of("0123456789.,+-", anfang);
    const std::string zahl = text.substr(anfang, ende - anfang);
    const std::optional<double> v = zahl.empty() ? std::nullopt : GetippteZahl(zahl);
    if (!v || !(*v >= 0.0 && *v <= 6.0) || *v != std::floor(*v)) return std::nullopt;
    return ToInt32(*v);
}

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

std::optional<std::vector<double>> ZahlenLesen(const std::vector<Zahlfeld>& felder,
                                               const std::string& folge) {
    std::vector<double> zahlen;
    std::string keineZahlen;
    for (const Zahlfeld& f : felder) {
        const std::string text = f.feld.Text();
        if (const std::optional<double> x = GetippteZahl(text)) {
            zahlen.push_back(*x);
        } else {
            keineZahlen += "Im Feld " + f.name + " steht keine Zahl: \u201E" + Gekuerzt(text) +
                           "\u201C" + kZeilenende;
        }
    }
    if (keineZahlen.empty()) return zahlen;
    MsgBox(keineZahlen + kZahlRat + " " + folge);
    return std::nullopt;
}

std::optional<std::vector<double>> EingabeZahlen(const std::vector<Zahlfeld>& felder,
                                                 const std::string& folge) {
    std::optional<std::vector<double>> zahlen = ZahlenLesen(felder, folge);
    if (!zahlen) return zahlen;
    for (std::size_t i = 0; i < felder.size(); ++i)
        if (std::isfinite((*zahlen)[i])) felder[i].feld.SetText(Str((*zahlen)[i]));
    return zahlen;
}

std::optional<std::pair<double, double>> IntegralGrenzen(class HauptF& w) {
    const std::vector<Zahlfeld> felder = {{w.vonF(), "\u201Evon\u201C des Integrals"},
                                          {w.bisF(), "\u201Ebis\u201C des Integrals"}};
    std::optional<std::vector<double>> grenzen;
    if (w.IntegralF().Text() == kNichtBerechnet) {
        // Reported already: read without a message.
        if (GetippteZahl(w.vonF().Text()) && GetippteZahl(w.bisF().Text()))
            grenzen = EingabeZahlen(felder, "");
    } else {
        grenzen = EingabeZahlen(felder, "Das Integral wird nicht berechnet.");
    }
    if (!grenzen) {
        w.IntegralF().SetText(kNichtBerechnet);
        return std::nullopt;
    }
    return std::pair{(*grenzen)[0], (*grenzen)[1]};
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
    // The box is editable. A text that names no number of decimals (a number outside 0 to 6
    // would make the rounding overflow) keeps the number in force; nothing is said while the
    // user types.
    const std::optional<std::int32_t> n = Dezimalen(StellenWahlB().Text());
    if (!n || *n == Stellenzahl) return;
    Stellenzahl = *n;
    Polynomauswertung();
}

void HauptF::Polynomauswertung() {
    if (!PPP) return;  // nothing to analyse before Init
    std::vector<double> NS = {0.0};
    bool ok = false;
    for (auto& zeile : WertTab) zeile.fill(0.0);
    TabLeer();

    const std::string eingabe = EingF().Text();
    String2Poly(*PPP, eingabe, ok);
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
            if (const auto grenzen = werkbank::IntegralGrenzen(*this)) {
                const auto [a, b] = *grenzen;
                IntegralF().SetText(werkbank::Zahltext(Gerundet(Stellenzahl, PPP->Integral(a, b))));
            }
            IntegralB().SetEnabled(true);
            AlleWerteBerechnen();
            WertB().SetEnabled(true);
            IntegralF1().SetText(werkbank::Zahltext(Gerundet(Stellenzahl, PPP->Umrandet())));
        }
        PPP->EckenErmitteln(KPMenge);
        GraphCanvas().Invalidate(true);
        fInPListeEinfuegen(PPP->Term2String());
    } else {
        // A character that cannot be read is named on a line of its own, with what to type.
        const std::string grund = Ablehnungsgrund(eingabe);
        MsgBox(std::string(kNichtVerwertbar) + (grund.empty() ? "" : kZeilenende + grund));
    }
    EingF().SetFocus();
}
