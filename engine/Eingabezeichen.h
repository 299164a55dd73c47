#pragma once
// The characters of a typed polynomial, before the reader's grammar sees them. The reader's own
// characters ("0123456789+-x*.^" and X) and blanks pass as typed; a few that people type for
// them become them: "," the decimal point, "²" and "³" the powers ^2 and ^3 (only right after x),
// the minus sign U+2212 "-", the multiplication dot "·" "*" (only before x). Every other
// character is refused, so that no text is read as a polynomial other than the one typed.

#include <cstdint>
#include <optional>
#include <string>

namespace eingabe {

// Why a character cannot be read; each has its own advice.
enum class Hinderung {
    Klammer,
    Gleichung,
    Buchstabe,
    Exponent,       // the e of 1e-3
    Bruch,          // "/", ":", "÷"
    Malzeichen,     // "×" and the dots that are not "·"
    Malpunkt,       // "·" not followed by x
    HochzahlOhneX,  // "²" or "³" not right after x
    Hochzahl,       // the other superscript digits
    Strich,         // dashes that look like a minus
    Trennzeichen,   // a second "," or "." in a number that has a comma
    Unsichtbar,     // control characters, zero-width characters, combining marks
    KeinZeichen,    // a byte that is no UTF-8
    Sonstiges,
};

struct Hindernis {
    Hinderung art = Hinderung::Sonstiges;
    std::int32_t stelle = 0;  // position in the typed text, characters counted from 1
    std::string zeichen;      // the character's bytes, whole
    char32_t code = 0;
};

struct Uebersetzung {
    // What the grammar reads: only the reader's characters and blanks. The translation puts a
    // digit directly after an x only where one was typed there, so the test for "x" followed by
    // a digit gives the same answer on this text as on the typed one.
    std::string text;
    std::optional<Hindernis> hindernis;  // the first character that cannot be read
};

// A text made only of the reader's characters and blanks comes back as it is.
Uebersetzung Uebersetzen(const std::string& getippt);

// The German sentence that names the character and says what to type instead.
std::string Satz(const Hindernis& h);

}  // namespace eingabe
