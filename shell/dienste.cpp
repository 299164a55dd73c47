// The window's numeric and text services: each hands its arguments to the engine's function of
// the same name and keeps in the window's state what the engine reports back (the parser's
// step count in wzaehler, the count of critical points in KPAnzahl when there was nothing to
// search).
#include "engine/Dienste.h"

#include "shell/HauptF.h"

void HauptF::FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS) {
    if (!polynom::FindeKP(P, KP, NS)) KPAnzahl = 0;
}

double HauptF::GibNullst(const PolynomT& P, double a, double b) {
    return polynom::GibNullst(P, a, b);
}

bool HauptF::IstNull(double v) {
    return polynom::IstNull(v);
}

double HauptF::Runden(double x) {
    return polynom::Runden(x);
}

void HauptF::RundnfAusg(double& x) {
    polynom::RundnfAusg(x);
}

double HauptF::Gerundet(std::int32_t n, double x) {
    return polynom::Gerundet(n, x);
}

std::int64_t HauptF::ggT(std::int64_t a, std::int64_t b) {
    return polynom::ggT(a, b);
}

std::string HauptF::xhoch(std::int32_t n) {
    return polynom::xhoch(n);
}

void HauptF::String2Poly(PolynomT& target, const std::string& text, bool& ok) {
    wzaehler = polynom::String2Poly(target, text, ok);
}

void HauptF::Whilekontrolle(bool& ok) {
    polynom::Whilekontrolle(ok, wzaehler);
}

std::string HauptF::Ablehnungsgrund(const std::string& text) {
    return polynom::Ablehnungsgrund(text);
}

std::string HauptF::FehlzeichenKillen(const std::string& text) {
    return polynom::FehlzeichenKillen(text);
}

std::string HauptF::ZeichenReduzieren(const std::string& text, const std::string& search,
                                      const std::string& replacement) {
    return polynom::ZeichenReduzieren(text, search, replacement);
}
