#pragma once
// The polynomial reader as it stood before the typed text was translated first: every character
// outside "0123456789+-x*.^" (and X) was dropped in silence. Texts made only of those characters,
// blanks, tabs and line ends must still read exactly so; this copy is the reference the
// regression test holds the reader to. It keeps its own step counter and replacement routine, so
// that a change to the window's services shows too. It needs only Val, Str and Term2String.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace bisher {

struct Regel {
    const char* suche;
    const char* ersatz;
};

inline constexpr std::array<Regel, 16> kRegeln = {{{"++", "+"},
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

inline constexpr std::array<Regel, 4> kZusammenfassen = {
    {{"xxxxx", "x^5"}, {"xxxx", "x^4"}, {"xxx", "x^3"}, {"xx", "x^2"}}};

class Leser {
  public:
    // The whole reading: coefficients read, finite, and the term written of them reads back.
    bool Lesen(const std::string& text, std::array<double, 10>& koeff) {
        std::array<double, 10> k{};
        bool ok = Einlesen(text, k) && Endlich(k);
        if (ok) {
            const std::int32_t schritte = zaehler;
            PolynomT gelesen;
            gelesen.Koeff = k;
            std::array<double, 10> zurueck{};
            ok = Einlesen(gelesen.Term2String(), zurueck) && Endlich(zurueck);
            zaehler = schritte;
        }
        if (ok) koeff = k;
        return ok;
    }

    std::int32_t zaehler = 0;

  private:
    static bool Endlich(const std::array<double, 10>& k) {
        PolynomT p;
        p.Koeff = k;
        return p.IstEndlich();
    }

    void Schritt(bool& ok) {
        ++zaehler;
        if (zaehler > 500) ok = false;
    }

    static std::string Filtern(const std::string& text) {
        constexpr std::string_view kBehalten = "0123456789+-x*.^";
        std::string out;
        for (char c : text)
            if (kBehalten.find(c) != std::string_view::npos) out.push_back(c);
        return out;
    }

    // The one-pass replacement of the window's routine, copied as it stood.
    static std::string Reduzieren(const std::string& text, const std::string& search,
                                  const std::string& replacement) {
        if (search.empty() || replacement.find(search) != std::string::npos) return text;
        std::size_t i = text.find(search);
        if (i == std::string::npos) return text;
        const std::size_t l = search.size();
        std::string out = text.substr(0, i);
        std::string offen(replacement.rbegin(), replacement.rend());
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

    static bool HatVorzeichen(std::string_view t) {
        return t.find_first_of("+-") != std::string_view::npos;
    }

    static bool LangeReihenSetzen(std::string& s) {
        std::string out;
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

    void TermeEinlesen(std::string& s, const std::string& potenz, double& koeff, bool& ok) {
        const std::size_t lw = potenz.size();
        std::size_t p;
        while (ok && (p = s.find(potenz)) != std::string::npos) {
            Schritt(ok);
            const char vor = p >= 1 ? s[p - 1] : '\0';
            if (vor == '+' || vor == '-') {
                koeff += vor == '+' ? 1.0 : -1.0;
                s = s.substr(0, p - 1) + s.substr(p + lw);
                continue;
            }
            std::ptrdiff_t j = static_cast<std::ptrdiff_t>(p) - 1;
            std::string t = j >= 0 ? std::string(1, s[static_cast<std::size_t>(j)]) : "";
            while (!HatVorzeichen(t) && ok) {
                Schritt(ok);
                --j;
                if (j >= 0) t.insert(t.begin(), s[static_cast<std::size_t>(j)]);
            }
            koeff += Val(t);
            s = s.substr(0, j > 0 ? static_cast<std::size_t>(j) : 0) + s.substr(p + lw);
        }
    }

    void KonstantenEinlesen(std::string& s, double& koeff, bool& ok) {
        while (!s.empty() && ok) {
            Schritt(ok);
            std::ptrdiff_t j = static_cast<std::ptrdiff_t>(s.size()) - 1;
            std::string t(1, s.back());
            while (!HatVorzeichen(t) && ok) {
                Schritt(ok);
                --j;
                if (j >= 0) t.insert(t.begin(), s[static_cast<std::size_t>(j)]);
            }
            koeff += Val(t);
            s.resize(j > 0 ? static_cast<std::size_t>(j) : 0);
        }
    }

    bool Einlesen(const std::string& text, std::array<double, 10>& koeff) {
        bool ok = true;
        zaehler = 0;
        koeff.fill(0.0);
        std::string s = text;
        for (char& c : s)
            if (c == 'X') c = 'x';
        for (char d = '0'; d <= '9'; ++d)
            if (s.find(std::string{'x', d}) != std::string::npos) ok = false;

        s = Filtern(s);
        for (const Regel& r : kRegeln) s = Reduzieren(s, r.suche, r.ersatz);
        if (!LangeReihenSetzen(s)) ok = false;
        for (const Regel& r : kZusammenfassen) s = Reduzieren(s, r.suche, r.ersatz);
        if (!ok) return false;

        s = "+" + s;
        for (std::int32_t n = 9; n >= 2; --n)
            TermeEinlesen(s, "x^" + Str(n), koeff[static_cast<std::size_t>(n)], ok);
        TermeEinlesen(s, "x", koeff[1], ok);
        KonstantenEinlesen(s, koeff[0], ok);
        return ok;
    }
};

}  // namespace bisher
