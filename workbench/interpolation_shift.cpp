#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/Dezimal.h"
#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace {

using Feld = TextField& (HauptF::*)();

constexpr std::array<Feld, 6> kXFelder = {&HauptF::xF0, &HauptF::xF1, &HauptF::xF2,
                                          &HauptF::xF3, &HauptF::xF4, &HauptF::xF5};
constexpr std::array<Feld, 6> kYFelder = {&HauptF::yF0, &HauptF::yF1, &HauptF::yF2,
                                          &HauptF::yF3, &HauptF::yF4, &HauptF::yF5};

constexpr std::int32_t kMinStellen = 2;
constexpr std::int32_t kMaxStellen = 6;

constexpr const char* kGleicheX = "Die x-Werte der Stützstellen müssen verschieden sein.";

// The support-point count that sstellen shows, kept within the range the arrows allow.
std::int32_t StuetzstellenAnzahl(class HauptF& w) {
    return std::clamp(ToInt32(Val(w.sstellen().Text())), kMinStellen, kMaxStellen);
}

void StuetzstellenZeigen(class HauptF& w, std::int32_t n) {
    for (std::int32_t i = 0; i < kMaxStellen; ++i) {
        const bool sichtbar = i < 2 || n > i;
        (w.*kXFelder[static_cast<std::size_t>(i)])().SetVisible(sichtbar);
        (w.*kYFelder[static_cast<std::size_t>(i)])().SetVisible(sichtbar);
    }
}

bool HatGleicheX(const std::vector<double>& xs, std::int32_t k) {
    for (std::int32_t i = 1; i <= k; ++i) {
        for (std::int32_t j = i + 1; j <= k; ++j) {
            if (xs[static_cast<std::size_t>(i)] == xs[static_cast<std::size_t>(j)]) return true;
        }
    }
    return false;
}

std::vector<werkbank::Zahlfeld> Vektorfelder(class HauptF& w) {
    return {{w.xVF(), "\u201Ex\u201C des Verschiebungsvektors"},
            {w.yVF(), "\u201Ey\u201C des Verschiebungsvektors"}};
}

// The vector's fields as read, reporting a field that holds no number.
std::optional<std::vector<double>> VektorLesen(class HauptF& w) {
    return werkbank::ZahlenLesen(Vektorfelder(w),
                                 "Es wird nicht verschoben; f bleibt unverändert.");
}

bool NichtNull(const std::vector<double>& v) {
    return v[0] != 0.0 || v[1] != 0.0;
}

// While the user types: a field that holds no number yet says nothing and counts for nothing.
bool VektorNichtNullBeimTippen(class HauptF& w) {
    const std::optional<double> x = GetippteZahl(w.xVF().Text());
    const std::optional<double> y = GetippteZahl(w.yVF().Text());
    return (x && *x != 0.0) || (y && *y != 0.0);
}

}  // namespace

void HauptF::sstellen_Open(TextField&) {
    sstellen().SetText("2");
}

void HauptF::sstellen_TextChange(TextField&) {}

void HauptF::AufAbPfeil_Up(UpDownArrows&) {
    std::int32_t n = ToInt32(Val(sstellen().Text()));
    if (n < kMaxStellen) {
        n = n + 1;
        sstellen().SetText(Str(n));
    }
    StuetzstellenZeigen(*this, n);
}

void HauptF::AufAbPfeil_Down(UpDownArrows&) {
    std::int32_t n = ToInt32(Val(sstellen().Text()));
    if (n > kMinStellen) {
        n = n - 1;
        sstellen().SetText(Str(n));
    }
    StuetzstellenZeigen(*this, n);
}

void HauptF::InterploierB_Action(PushButton&) {
    Interpolieren();
}

void HauptF::Interpolieren() {
    std::vector<double> X(10, 0.0);
    std::vector<double> Y(10, 0.0);
    PolynomT P;
    const std::int32_t k = StuetzstellenAnzahl(::HauptF());
    X[0] = k;
    // Only the points shown are read: the hidden ones play no part, and a text there that is no
    // number is not the user's concern.
    std::vector<werkbank::Zahlfeld> felder;
    for (std::int32_t i = 0; i < k; ++i) {
        const std::string punkt = " der " + Str(i + 1) + ". Stützstelle";
        felder.push_back(
            {(this->*kXFelder[static_cast<std::size_t>(i)])(), "\u201Ex\u201C" + punkt});
        felder.push_back(
            {(this->*kYFelder[static_cast<std::size_t>(i)])(), "\u201Ey\u201C" + punkt});
    }
    const auto punkte =
        werkbank::ZahlenLesen(felder, "Es wird nicht interpoliert; f bleibt unverändert.");
    if (!punkte) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(k); ++i) {
        X[i + 1] = (*punkte)[2 * i];
        Y[i + 1] = (*punkte)[2 * i + 1];
    }
    // Two points over one x admit no polynomial through them (the divisions of the Newton form
    // would give infinities), so f stays.
    if (HatGleicheX(X, k)) {
        MsgBox(kGleicheX);
        return;
    }
    P.Interpol(X, Y);
    if (!werkbank::AlsFVerwertbar(*this, P)) return;
    AusgF1().SetText("");
    AusgF2().SetText("");
    EingF().SetText(P.Term2String());
    Polynomauswertung();
}

void HauptF::vonF_TextChange(TextField&) {
    IntegralF().SetText("");
}

void HauptF::bisF_TextChange(TextField&) {
    IntegralF().SetText("");
}

void HauptF::IntegralB_Action(PushButton&) {
    // This press is about the bounds: a bound that is still no number is reported again.
    if (IntegralF().Text() == werkbank::kNichtBerechnet) IntegralF().SetText("");
    Polynomauswertung();
    const auto grenzen = werkbank::IntegralGrenzen(*this);
    if (!grenzen) return;
    const auto [a, b] = *grenzen;
    IntegralF().SetText(werkbank::Zahltext(PPP->Integral(a, b)));
}

void HauptF::xVF_TextChange(TextField&) {
    if (VektorNichtNullBeimTippen(*this)) VerschiebeB().SetEnabled(true);
}

void HauptF::yVF_TextChange(TextField&) {
    if (VektorNichtNullBeimTippen(*this)) VerschiebeB().SetEnabled(true);
}

void HauptF::VerschiebeB_Action(PushButton&) {
    const auto vektor = VektorLesen(*this);
    if (!vektor || !NichtNull(*vektor)) return;
    Polynomauswertung();
    Verschieben();
}

void HauptF::Verschieben() {
    const auto vektor = VektorLesen(*this);
    if (!vektor) return;
    const double x0 = (*vektor)[0];
    const double y0 = (*vektor)[1];
    // The shift is formed on a copy: f changes only once the result is known to be usable.
    PolynomT t = *PPP;
    t.Koeff[0] = numerik::KurzeSumme(t.Koeff[0], y0);
    if (x0 != 0.0) t.xVerschiebungUm(x0);
    werkbank::AlsFUebernehmen(*this, t);
}
