#include <algorithm>
#include <array>
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

bool VektorNichtNull(class HauptF& w) {
    return Val(w.xVF().Text()) != 0.0 || Val(w.yVF().Text()) != 0.0;
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
    for (std::size_t i = 0; i < kXFelder.size(); ++i) {
        X[i + 1] = Val((this->*kXFelder[i])().Text());
        Y[i + 1] = Val((this->*kYFelder[i])().Text());
    }
    for (std::size_t i = static_cast<std::size_t>(k) + 1; i <= 9; ++i) X[i] = Y[i] = 0.0;
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
    Polynomauswertung();
    const double a = werkbank::EingabeZahl(vonF());
    const double b = werkbank::EingabeZahl(bisF());
    IntegralF().SetText(werkbank::Zahltext(PPP->Integral(a, b)));
}

void HauptF::xVF_TextChange(TextField&) {
    if (VektorNichtNull(*this)) VerschiebeB().SetEnabled(true);
}

void HauptF::yVF_TextChange(TextField&) {
    if (VektorNichtNull(*this)) VerschiebeB().SetEnabled(true);
}

void HauptF::VerschiebeB_Action(PushButton&) {
    if (!VektorNichtNull(*this)) return;
    Polynomauswertung();
    Verschieben();
}

void HauptF::Verschieben() {
    const double x0 = Val(xVF().Text());
    const double y0 = Val(yVF().Text());
    // The shift is formed on a copy: f changes only once the result is known to be usable.
    PolynomT t = *PPP;
    t.Koeff[0] = numerik::KurzeSumme(t.Koeff[0], y0);
    if (x0 != 0.0) t.xVerschiebungUm(x0);
    werkbank::AlsFUebernehmen(*this, t);
}
