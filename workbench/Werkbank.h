#pragma once
// Helpers that the workbench's files share. Not part of the window's interface.

#include <cstdint>
#include <string>

class HauptF;
class PolynomT;

namespace werkbank {

// Shown when a computed polynomial cannot become f: a coefficient is not finite, or its term is
// too long for the reader to take back.
inline constexpr const char* kZuGross =
    "Das Ergebnis ist zu groß, um berechnet zu werden. f bleibt unverändert.";

// True when t may become f: every coefficient finite and its term read back by String2Poly.
// Otherwise shows kZuGross and answers false; nothing else changes.
bool AlsFVerwertbar(class HauptF& w, const PolynomT& t);

// Writes t's term into EingF and analyses it, once AlsFVerwertbar allows it.
void AlsFUebernehmen(class HauptF& w, const PolynomT& t);

// x rounded to n decimals for output. A number so large that scaling it by 10^n overflows has
// no decimals to round; it is kept as it is instead of turning into an infinity.
double GerundetFuerAusgabe(class HauptF& w, std::int32_t n, double x);

// The polynomial list's membership index (HauptF::PListeMenge) made to match PListe again.
void PListeMengeNeuAufbauen(class HauptF& w);

}  // namespace werkbank
