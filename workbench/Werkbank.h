#pragma once
// Helpers that the workbench's files share. Not part of the window's interface.

#include <cstdint>
#include <string>

class HauptF;
class PolynomT;
class TextField;

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

// The text of a computed number for an output field: Str, or kUeberlauf for a number that is
// not finite.
std::string Zahltext(double x);

// Reads a number typed into an input field (Val) and shows it there as read (Str), so the field
// says which number was used. A number beyond the range of a Double keeps the text the user
// typed: no word replaces it, which would read back as 0 the next time.
double EingabeZahl(TextField& feld);

}  // namespace werkbank
