// Reading any text either rejects it and leaves the target as it was, or gives a polynomial with
// finite coefficients whose term reads back to the coefficients it shows and is written again
// the same way. Every reading ends within the step cap. A text with a reason for its refusal is
// refused, and the reason is whole UTF-8 text, whatever bytes the text held.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Dienste.h"
#include "framework/Text.h"

namespace {

void Pruefe(bool bedingung, const char* was, const std::string& text) {
    if (bedingung) return;
    std::fprintf(stderr, "%s: [%s]\n", was, text.c_str());
    std::abort();
}

double Gezeigt(double c) {
    return c < 0 ? -Val(Str(-c)) : Val(Str(c));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    PolynomT ziel;
    for (int i = 0; i <= 9; ++i) ziel.Koeff[i] = 0.5 * i - 2;
    ziel.xmin = -3;
    ziel.xmax = 4;
    ziel.ymin = -5;
    ziel.ymax = 6;
    const PolynomT vorher = ziel;

    bool ok = false;
    const std::int32_t schritte = polynom::String2Poly(ziel, text, ok);
    Pruefe(schritte <= 501, "beyond the step cap", text);
    const std::string grund = polynom::Ablehnungsgrund(text);
    Pruefe(grund.empty() || !ok, "accepted, but a reason to refuse it", text);
    for (std::size_t i = 0; i < grund.size(); i += ZeichenAb(grund, i).laenge)
        Pruefe(ZeichenAb(grund, i).gueltig, "reason is no UTF-8", text);
    Pruefe(ziel.xmin == -3 && ziel.xmax == 4 && ziel.ymin == -5 && ziel.ymax == 6, "window changed",
           text);
    if (!ok) {
        Pruefe(ziel.Koeff == vorher.Koeff, "rejected, but the target changed", text);
        return 0;
    }
    Pruefe(ziel.IstEndlich() && ziel.grad() <= 9, "coefficient not finite", text);

    const std::string term = ziel.Term2String();
    PolynomT zurueck;
    bool okZurueck = false;
    polynom::String2Poly(zurueck, term, okZurueck);
    Pruefe(okZurueck, "term does not read back", term);
    for (int i = 0; i <= 9; ++i)
        Pruefe(zurueck.Koeff[i] == Gezeigt(ziel.Koeff[i]), "term reads back differently", term);
    Pruefe(zurueck.Term2String() == term, "term written differently", term);
    return 0;
}
