// The reader of polynomial text. It accepts far more than the writer writes: blanks, "*" and
// "**", runs of x, terms in any order and like terms, which add. Every term found costs counted
// steps, and more than 500 of them reject the text. Before the grammar sees a text, its
// characters are translated (engine/Eingabezeichen.h): a character the reader cannot read
// refuses the text, where it was once dropped and the rest read as another polynomial.
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/Dienste.h"
#include "engine/Eingabezeichen.h"
#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace {

constexpr std::string_view kBehalten = "0123456789+-x*.^";
constexpr std::int32_t kSchrittGrenze = 500;

struct Regel {
    const char* suche;
    const char* ersatz;
};

// Applied one after the other, each until its search text is gone. Powers 2 to 5 are written
// out as runs of x, so that products of them become one run.
constexpr std::array<Regel, 16> kRegeln = {{{"++", "+"},
                                            {"+-", "-"},
                                            {"-+", "-"},
                                            {"--", "+"},
                                            {"*+", "*"},
                                            {"+*", "*"},
                                            {"***", "**"},
                                            {"**", "^"},
                                            {"*", ""},
                                            {"^+", "^"},
                                            {"^^", "^"},
                                            {"x^1", "x"},
                                            {"x^2", "xx"},
                                            {"x^3", "xxx"},
                                            {"x^4", "xxxx"},
                                            {"x^5", "xxxxx"}}};

constexpr std::array<Regel, 4> kZusammenfassen = {
    {{"xxxxx", "x^5"}, {"xxxx", "x^4"}, {"xxx", "x^3"}, {"xx", "x^2"}}};

bool HatVorzeichen(std::string_view t) {
    return t.find_first_of("+-") != std::string_view::npos;
}

// A run of six to nine x is the power of its length; ten or more is a degree above 9.
bool LangeReihenSetzen(std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = i;
        while (j < s.size() && s[j] == 'x') ++j;
        const std::size_t laenge = j - i;
        if (laenge >= 10) return false;
        if (laenge >= 6) {
            out += "x^" + Str(static_cast<std::int32_t>(laenge));
        } else if (laenge > 0) {
            out.append(laenge, 'x');
        } else {
            out.push_back(s[i]);
            j = i + 1;
        }
        i = j;
    }
    s = std::move(out);
    return true;
}

// Cuts the terms of one power text out of s, adding each term's number to `koeff`. A term whose
// sign is missing keeps scanning towards the start of the text until the step cap rejects it.
void TermeEinlesen(std::int32_t& schritte, std::string& s, const std::string& potenz, double& koeff,
                   bool& ok) {
    const std::size_t lw = potenz.size();
    std::size_t p;
    while (ok && (p = s.find(potenz)) != std::string::npos) {
        polynom::Whilekontrolle(ok, schritte);
        const char vor = p >= 1 ? s[p - 1] : '\0';
        if (vor == '+' || vor == '-') {
            koeff += vor == '+' ? 1.0 : -1.0;
            s = s.substr(0, p - 1) + s.substr(p + lw);
            continue;
        }
        std::ptrdiff_t j = static_cast<std::ptrdiff_t>(p) - 1;
        std::string t = j >= 0 ? std::string(1, s[static_cast<std::size_t>(j)]) : "";
        while (!HatVorzeichen(t) && ok) {
            polynom::Whilekontrolle(ok, schritte);
            --j;
            if (j >= 0) t.insert(t.begin(), s[static_cast<std::size_t>(j)]);
        }
        koeff += Val(t);
        s = s.substr(0, j > 0 ? static_cast<std::size_t>(j) : 0) + s.substr(p + lw);
    }
}

// Constant terms, taken from the end of the text.
void KonstantenEinlesen(std::int32_t& schritte, std::string& s, double& koeff, bool& ok) {
    while (!s.empty() && ok) {
        polynom::Whilekontrolle(ok, schritte);
        std::ptrdiff_t j = static_cast<std::ptrdiff_t>(s.size()) - 1;
        std::string t(1, s.back());
        while (!HatVorzeichen(t) && ok) {
            polynom::Whilekontrolle(ok, schritte);
            --j;
            if (j >= 0) t.insert(t.begin(), s[static_cast<std::size_t>(j)]);
        }
        koeff += Val(t);
        s.resize(j > 0 ? static_cast<std::size_t>(j) : 0);
    }
}

// One reading of `text` into ten coefficients; false when it is rejected.
bool Einlesen(std::int32_t& schritte, const std::string& text, std::array<double, 10>& koeff) {
    bool ok = true;
    schritte = 0;
    koeff.fill(0.0);
    std::string s = text;
    for (char& c : s)
        if (c == 'X') c = 'x';

    // "x" directly followed by a digit is no power text. The test sees the text as typed, blanks
    // still in it: "x 5" passes it and is rejected by the step cap instead. The translated text
    // holds such a pair exactly where the typed one does, and "x²" (now "x^2") passes.
    for (char d = '0'; d <= '9'; ++d)
        if (s.find(std::string{'x', d}) != std::string::npos) ok = false;

    s = polynom::FehlzeichenKillen(s);
    for (const Regel& r : kRegeln) s = polynom::ZeichenReduzieren(s, r.suche, r.ersatz);
    if (!LangeReihenSetzen(s)) ok = false;
    for (const Regel& r : kZusammenfassen) s = polynom::ZeichenReduzieren(s, r.suche, r.ersatz);
    if (!ok) return false;

    s = "+" + s;
    for (std::int32_t n = 9; n >= 2; --n)
        TermeEinlesen(schritte, s, polynom::xhoch(n), koeff[n], ok);
    TermeEinlesen(schritte, s, "x", koeff[1], ok);
    KonstantenEinlesen(schritte, s, koeff[0], ok);
    return ok;
}

bool AlleEndlich(const std::array<double, 10>& koeff) {
    PolynomT p;
    p.Koeff = koeff;
    return p.IstEndlich();
}

}  // namespace

namespace polynom {

void Whilekontrolle(bool& ok, std::int32_t& schritte) {
    ++schritte;
    if (schritte > kSchrittGrenze) ok = false;
}

std::string FehlzeichenKillen(const std::string& text) {
    std::array<bool, 256> behalten{};
    for (char c : kBehalten) behalten[static_cast<unsigned char>(c)] = true;
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (behalten[static_cast<unsigned char>(c)]) out.push_back(c);
    return out;
}

// Replaces the first occurrence again and again, each search starting from the beginning, until
// none is left. Done in one pass: everything left of a replacement held no occurrence, so a new
// one can only begin in the last length - 1 characters before it. The replacement itself is
// read again, so occurrences it forms with its neighbours are found too.
std::string ZeichenReduzieren(const std::string& text, const std::string& search,
                              const std::string& replacement) {
    // Such a call would never end; it changes nothing.
    if (search.empty() || replacement.find(search) != std::string::npos) return text;
    std::size_t i = text.find(search);
    if (i == std::string::npos) return text;
    const std::size_t l = search.size();
    std::string out = text.substr(0, i);
    std::string offen(replacement.rbegin(), replacement.rend());  // read from the back
    i += l;
    auto endetMitSuche = [&] {
        return out.size() >= l && out.compare(out.size() - l, l, search) == 0;
    };
    while (true) {
        if (!offen.empty()) {
            out.push_back(offen.back());
            offen.pop_back();
            if (endetMitSuche()) {
                out.resize(out.size() - l);
                offen.append(replacement.rbegin(), replacement.rend());
            }
            continue;
        }
        // An occurrence that begins in out and ends in the rest of the text, earliest first.
        std::size_t ueber = 0;
        for (std::size_t j = std::min(l - 1, out.size()); j >= 1 && ueber == 0; --j)
            if (out.compare(out.size() - j, j, search, 0, j) == 0 &&
                text.compare(i, l - j, search, j, l - j) == 0)
                ueber = j;
        std::size_t p;
        if (ueber > 0) {
            out.resize(out.size() - ueber);
            p = i + l - ueber;
        } else if ((p = text.find(search, i)) != std::string::npos) {
            out.append(text, i, p - i);
            p += l;
        } else {
            out.append(text, i, std::string::npos);
            return out;
        }
        i = p;
        offen.assign(replacement.rbegin(), replacement.rend());
    }
}

// On success the target's coefficients are replaced; on rejection the target is untouched.
// A character that cannot be read rejects the text before any step is counted.
// A text is also rejected when a coefficient is not finite, or when the term the writer makes
// of the result would not read back (its own reading would exceed the step cap, or a number
// of it would overflow): so every accepted polynomial can be written and read again.
std::int32_t String2Poly(PolynomT& target, const std::string& text, bool& ok) {
    const eingabe::Uebersetzung u = eingabe::Uebersetzen(text);
    if (u.hindernis) {
        ok = false;
        return 0;
    }
    std::int32_t schritte = 0;
    std::array<double, 10> koeff{};
    ok = Einlesen(schritte, u.text, koeff) && AlleEndlich(koeff);
    if (ok) {
        // The count is that of the text itself, not of the term read back.
        std::int32_t zurueckSchritte = 0;
        PolynomT gelesen;
        gelesen.Koeff = koeff;
        std::array<double, 10> zurueck{};
        ok = Einlesen(zurueckSchritte, gelesen.Term2String(), zurueck) && AlleEndlich(zurueck);
    }
    if (ok) target.Koeff = koeff;
    return schritte;
}

}  // namespace polynom
