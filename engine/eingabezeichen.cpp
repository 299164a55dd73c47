// The characters of a typed polynomial: which pass, which become the reader's own, and the
// sentence that tells the user what to type instead of one that is refused.
#include "engine/Eingabezeichen.h"

#include <charconv>
#include <string_view>

#include "engine/Dienste.h"
#include "framework/Text.h"

namespace eingabe {
namespace {

bool IstZiffer(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Kept as typed, besides the digits and the point: X reads as x in the grammar.
bool IstLeserzeichen(char32_t c) {
    return c == U'+' || c == U'-' || c == U'x' || c == U'X' || c == U'*' || c == U'^';
}

bool IstX(char32_t c) {
    return c == U'x' || c == U'X';
}

bool IstBuchstabe(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == 0xAA || c == 0xB5 ||
           c == 0xBA || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) ||
           (c >= 0x370 && c <= 0x4FF);
}

// Characters that show nothing, or nothing of their own: named by their code, since quoting
// them would show the reader an empty pair of quotes.
bool IstUnsichtbar(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x300 && c <= 0x36F) ||
           c == 0x34F || c == 0x61C || c == 0x180E || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB) || c == 0xFFFE || c == 0xFFFF ||
           (c >= 0xE0000 && c <= 0xE007F);
}

bool IstZifferByte(std::string_view s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// Whether the next character that is no blank, from byte `ab` on, is an x.
bool FolgtX(std::string_view s, std::size_t ab) {
    while (ab < s.size()) {
        const Zeichen z = ZeichenAb(s, ab);
        if (!z.gueltig || !IstLeerraum(z.code)) return z.gueltig && IstX(z.code);
        ab += z.laenge;
    }
    return false;
}

// An e between a number and its exponent, as in 1e-3 or 2.5E4.
bool IstExponent(char32_t direktVorher, std::string_view s, std::size_t danach) {
    const bool nachZahl = IstZiffer(direktVorher) || direktVorher == U'.' || direktVorher == U',';
    if (!nachZahl) return false;
    if (IstZifferByte(s, danach)) return true;
    return danach < s.size() && (s[danach] == '+' || s[danach] == '-') &&
           IstZifferByte(s, danach + 1);
}

// Why a character that the reader has no use for cannot be read.
Hinderung Einordnen(char32_t c, char32_t direktVorher, std::string_view s, std::size_t danach) {
    switch (c) {
        case U'(':
        case U')':
        case U'[':
        case U']':
        case U'{':
        case U'}':
            return Hinderung::Klammer;
        case U'=':
            return Hinderung::Gleichung;
        case U'/':
        case U':':
        case 0xF7:    // ÷
        case 0x2044:  // fraction slash
        case 0x2215:  // division slash
            return Hinderung::Bruch;
        case 0xD7:    // ×
        case 0x2219:  // bullet operator
        case 0x22C5:  // dot operator
        case 0x2022:  // bullet
            return Hinderung::Malzeichen;
        case 0xB9:  // ¹
            return Hinderung::Hochzahl;
        default:
            break;
    }
    if ((c == U'e' || c == U'E') && IstExponent(direktVorher, s, danach))
        return Hinderung::Exponent;
    if (IstBuchstabe(c)) return Hinderung::Buchstabe;
    if (c >= 0x2070 && c <= 0x209F) return Hinderung::Hochzahl;
    if ((c >= 0x2010 && c <= 0x2015) || c == 0xFE63 || c == 0xFF0D) return Hinderung::Strich;
    if (IstUnsichtbar(c)) return Hinderung::Unsichtbar;
    return Hinderung::Sonstiges;
}

std::string Hex(std::uint32_t wert, int stellen) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, wert, 16);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    if (static_cast<int>(s.size()) < stellen) s.insert(0, stellen - s.size(), '0');
    return s;
}

std::string Benennung(const Hindernis& h) {
    const std::string stelle = Str(h.stelle);
    switch (h.art) {
        case Hinderung::KeinZeichen:
            return "An Stelle " + stelle + " steht das Byte 0x" +
                   Hex(static_cast<unsigned char>(h.zeichen[0]), 2) +
                   ", das kein Zeichen in UTF-8 ist.";
        case Hinderung::Unsichtbar:
            return "An Stelle " + stelle + " steht ein unsichtbares Zeichen (U+" +
                   Hex(static_cast<std::uint32_t>(h.code), 4) + "), das nicht gelesen werden kann.";
        default:
            return "Das Zeichen \u201E" + h.zeichen + "\u201C an Stelle " + stelle +
                   " kann nicht gelesen werden.";
    }
}

const char* Rat(Hinderung art) {
    switch (art) {
        case Hinderung::Klammer:
            return "Bitte das Polynom ohne Klammern, ausmultipliziert eingeben, z.B. x^2 + x - 2 "
                   "statt (x-1)(x+2).";
        case Hinderung::Gleichung:
            return "Bitte nur den Term eingeben, ohne Gleichheitszeichen, z.B. x^2 - 1 statt "
                   "f(x) = x^2 - 1 und x^2 + 3x - 4 statt x^2 + 3x - 4 = 0.";
        case Hinderung::Buchstabe:
            return "Die einzige Variable ist x: bitte nur den Term in x eingeben, z.B. x^2 - 1 "
                   "statt f(x) = x^2 - 1.";
        case Hinderung::Exponent:
            return "Bitte Zahlen ohne Exponent ausschreiben, z.B. 0,001x statt 1e-3x.";
        case Hinderung::Bruch:
            return "Bitte Brüche als Dezimalzahl schreiben, z.B. 0,5x^2 statt 1/2x^2.";
        case Hinderung::Malzeichen:
            return "Als Malzeichen bitte * oder den Malpunkt \u00B7 verwenden, z.B. 2*x oder "
                   "2\u00B7x, oder einfach 2x schreiben.";
        case Hinderung::Malpunkt:
            return "Der Malpunkt wird nur vor x gelesen (2\u00B7x wie 2x, x\u00B7x wie x^2); "
                   "Produkte von Zahlen bitte ausrechnen, z.B. 6x statt 2\u00B73x.";
        case Hinderung::HochzahlOhneX:
            return "\u00B2 und \u00B3 werden nur direkt hinter x gelesen (x\u00B2 wie x^2); "
                   "Potenzen von Zahlen bitte ausrechnen, z.B. 9 statt 3\u00B2.";
        case Hinderung::Hochzahl:
            return "Von den hochgestellten Ziffern werden nur \u00B2 und \u00B3 gelesen; andere "
                   "Potenzen bitte mit ^ schreiben, z.B. x^4 statt x\u2074.";
        case Hinderung::Strich:
            return "Das ist kein Minuszeichen: bitte das Minus mit der Taste - tippen, z.B. "
                   "x^2 - 1.";
        case Hinderung::Trennzeichen:
            return "Eine Zahl hat höchstens ein Dezimalkomma (oder einen Dezimalpunkt) und keine "
                   "Tausenderpunkte, z.B. 1000,5 statt 1.000,5.";
        case Hinderung::Unsichtbar:
        case Hinderung::KeinZeichen:
            return "Bitte den Term neu tippen, statt ihn einzufügen.";
        case Hinderung::Sonstiges:
            break;
    }
    return "Gelesen werden Ziffern, x, +, -, *, ^, Komma und Punkt, dazu \u00B2 und \u00B3 "
           "hinter x und der Malpunkt \u00B7 vor x; Leerzeichen werden übersprungen.";
}

}  // namespace

Uebersetzung Uebersetzen(const std::string& getippt) {
    Uebersetzung u;
    u.text.reserve(getippt.size());
    std::int32_t stelle = 0;
    char32_t vorher = 0;        // the last character before this one that is no blank
    char32_t direktVorher = 0;  // the character right before this one
    // The number being typed: how many "," and "." it has so far, and whether a "," is among
    // them. Blanks do not end it, since the reader drops them and joins its digits.
    int trenner = 0;
    bool komma = false;
    for (std::size_t i = 0; i < getippt.size();) {
        const Zeichen z = ZeichenAb(getippt, i);
        const std::size_t danach = i + z.laenge;
        const char32_t c = z.code;
        ++stelle;
        std::optional<Hinderung> art;
        if (!z.gueltig) {
            art = Hinderung::KeinZeichen;
        } else if (IstLeerraum(c)) {
            u.text += c < 0x80 ? static_cast<char>(c) : ' ';
        } else if (IstZiffer(c)) {
            u.text += static_cast<char>(c);
        } else if (c == U'.' || c == U',') {
            // A comma makes the number German, where a point could only be a thousands point:
            // "1.000,5" and "1,000,000" are refused rather than read as 1.
            if (trenner > 0 && (komma || c == U',')) {
                art = Hinderung::Trennzeichen;
            } else {
                ++trenner;
                komma = komma || c == U',';
                u.text += '.';
            }
        } else {
            trenner = 0;
            komma = false;
            if (IstLeserzeichen(c)) {
                u.text += static_cast<char>(c);
            } else if (c == 0xB2 || c == 0xB3) {
                // Right after x only: "3²" would read as 3^2, which the grammar takes as 3.
                if (IstX(vorher)) {
                    u.text += c == 0xB2 ? "^2" : "^3";
                } else {
                    art = Hinderung::HochzahlOhneX;
                }
            } else if (c == 0x2212) {
                u.text += '-';
            } else if (c == 0xB7) {
                // Before x only: "*" between numbers joins their digits (2*3 reads as 23).
                if (FolgtX(getippt, danach)) {
                    u.text += '*';
                } else {
                    art = Hinderung::Malpunkt;
                }
            } else {
                art = Einordnen(c, direktVorher, getippt, danach);
            }
        }
        if (art) {
            u.hindernis = Hindernis{*art, stelle, getippt.substr(i, z.laenge), c};
            return u;
        }
        if (!IstLeerraum(c)) vorher = c;
        direktVorher = c;
        i = danach;
    }
    return u;
}

std::string Satz(const Hindernis& h) {
    return Benennung(h) + " " + Rat(h.art);
}

}  // namespace eingabe

std::string polynom::Ablehnungsgrund(const std::string& text) {
    const eingabe::Uebersetzung u = eingabe::Uebersetzen(text);
    return u.hindernis ? eingabe::Satz(*u.hindernis) : "";
}
