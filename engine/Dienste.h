#pragma once
// The engine's numeric and text services: the search for critical points and zeros, the snaps
// and the rounding, the power texts, and the reader of polynomial text with its routines. They
// keep no state between calls; what a caller is to remember (the parser's step count, whether
// the search found nothing) comes back to it. The main window offers each of them under the same
// name and keeps those results in its own state (shell/dienste.cpp). Those marked "kept" serve
// the window's service of the same name; nothing else in the program calls them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/PolynomT.h"

namespace polynom {

// C(i, j) for 0 <= j <= i <= 9, 0 above the diagonal: the factors of the shift p(x - d). A
// constant, so the shift needs no prepared state; the window copies it into its BinKoeff.
inline constexpr std::array<std::array<std::int32_t, 10>, 10> kBinomKoeff = [] {
    std::array<std::array<std::int32_t, 10>, 10> t{};
    for (std::size_t i = 0; i <= 9; ++i) {
        t[i][0] = 1;
        t[i][i] = 1;
        for (std::size_t j = 1; j < i; ++j) t[i][j] = t[i - 1][j - 1] + t[i - 1][j];
    }
    return t;
}();

// ---- The search ----

// KP := the critical points, NS := the real zeros of P, both counted arrays (element 0 the
// count, then the values ascending). Returns false when there was nothing to search: for degree
// below 1 KP is cut to one element and NS is untouched; for a higher degree with a coefficient
// that is not finite both hold the count 0. A caller that counts the points has 0 of them then.
bool FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS);
// kept: bisection for a sign change of P in [a, b]; needs P(a), P(b) of opposite signs.
double GibNullst(const PolynomT& P, double a, double b);

// ---- Tolerances and rounding ----

// kept: |v| < 1e-08 (NaN is no zero).
bool IstNull(double v);
// x snapped to the nearest whole number when within 1e-09 of it.
double Runden(double x);
// x snapped to the nearest whole number when within 5e-05 of it: a zero as it is written.
void RundnfAusg(double& x);
// x rounded to n decimals (halves away from zero); x itself where x · 10^n is no finite number.
double Gerundet(std::int32_t n, double x);
// kept: the greatest common divisor of |a| and |b|; ggT(0, 0) is 0.
std::int64_t ggT(std::int64_t a, std::int64_t b);

// ---- Text ----

// "x" for 1, "x^n" for 2 to 10, "" for every other n.
std::string xhoch(std::int32_t n);

// Reads `text` into target's coefficients; ok tells whether it was accepted. On rejection the
// target is untouched. Returns the steps the reading of the text took (a text that takes more
// than 500 is rejected; a text refused for one of its characters takes none).
std::int32_t String2Poly(PolynomT& target, const std::string& text, bool& ok);
// One step of the reader: counts it and rejects the text (ok := false) past 500 steps.
void Whilekontrolle(bool& ok, std::int32_t& schritte);
// Why String2Poly refuses a text for one of its characters: a German sentence that names the
// first character it cannot read and says what to type instead; "" when it can read every
// character (such a text may still be refused for its form, as x^10 or x2 are).
std::string Ablehnungsgrund(const std::string& text);
// The text with only the reader's characters "0123456789+-x*.^" left.
std::string FehlzeichenKillen(const std::string& text);
// Replaces the first occurrence of search again and again, each search from the beginning,
// until none is left. A search that is empty or lies within the replacement changes nothing.
std::string ZeichenReduzieren(const std::string& text, const std::string& search,
                              const std::string& replacement);

}  // namespace polynom
