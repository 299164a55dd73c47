#pragma once
// Helpers that the workbench's files share. Not part of the window's interface.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// A number field as a message names it, such as "„von“ des Integrals".
struct Zahlfeld {
    TextField& feld;
    std::string name;
};

// Reads number fields as typed numbers (GetippteZahl: blanks dropped, "," as the point, an
// empty field as 0). When every field holds a number, gives the numbers in the fields' order.
// Otherwise shows one message that names each field holding no number, with its text, says
// what to type and ends with `folge`, what is not done; gives std::nullopt, and nothing is to
// be computed from the fields.
std::optional<std::vector<double>> ZahlenLesen(const std::vector<Zahlfeld>& felder,
                                               const std::string& folge);

// ZahlenLesen, and then each field shows its number as read (Str), so that it says which number
// was used ("1,5" becomes "1.5"). A number beyond the range of a Double keeps the text the user
// typed: no word replaces it, which would read back as 0 the next time.
std::optional<std::vector<double>> EingabeZahlen(const std::vector<Zahlfeld>& felder,
                                                 const std::string& folge);

// What IntegralF shows when a bound is no number and no integral was computed.
inline constexpr const char* kNichtBerechnet = "\u2014";

// The bounds of the integral, read as EingabeZahlen reads them. A bound that is no number is
// reported, and IntegralF then shows kNichtBerechnet; while it does, a bound that is still no
// number is not reported again, so that the analysis runs of one button press (and the presses
// that follow, until a bound is edited, which empties IntegralF) show the message once.
std::optional<std::pair<double, double>> IntegralGrenzen(class HauptF& w);

}  // namespace werkbank
