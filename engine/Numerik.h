#pragma once
// The engine's numeric kit: evaluation of a polynomial, the noise its term leaves open, the
// sure sign, the noise test, the bracketed Newton polish and the snaps to whole numbers, with the
// tolerances they use. The search for zeros, the factor form, the window's rounding services and
// the value table all take them from here; the error-free arithmetic beneath is Fehlerfrei.h.
//
// grad is the caller's degree of p (its highest non-zero coefficient, or more); coefficients
// above it are not read.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "engine/Fehlerfrei.h"
#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace numerik {

// Tolerances of the window's snapping and zero test; each comparison with them is strict.
// A value below this counts as zero (polynom::IstNull: absolute).
inline constexpr double kNullTest = 1e-08;
// A value within this of a whole number is that number: table values, quotient coefficients.
inline constexpr double kFangRunden = 1e-09;
// A zero within this of a whole number is written (zeros text, factor form) as that number.
inline constexpr double kFangAusgabe = 5e-05;
// A point of the search within this of a whole number is that number.
inline constexpr double kFangPunkt = 1e-10;
// A bracket of the search (and GibNullst's bisection) is narrowed while it is wider than this
// (b - a > kBreite, strict). It is the Double just above 1e-11, not the one nearest to it
// (0x1.5fd7fe1796496p-37 against ...495p-37): a bracket whose width is either of the two is not
// narrowed again, so a bisection takes the passes, and ends on the midpoint, that the zeros and
// points listed have always come from. Written as 1e-11 the bound would halve such an interval
// once more.
inline constexpr double kBreite = 1.0000000000000001e-11;

// Horner's rule in Double, from the degree down.
inline double Horner(const PolynomT& p, int grad, double x) {
    double s = 0.0;
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// (i + j)! / i!: the factor of c_(i + j) in the j-th derivative; whole numbers up to 9!, exact.
inline constexpr std::array<std::array<double, 10>, 10> kAbleitungsfaktor = [] {
    std::array<std::array<double, 10>, 10> t{};
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i + j < 10; ++i) {
            double f = 1.0;
            for (int k = i + 1; k <= i + j; ++k) f *= k;
            t[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = f;
        }
    return t;
}();

// c is exactly the decimal its term shows (Str: at most 15 significant digits): a whole number
// below 10^15, or a decimal of at most 15 digits that is a Double (0.5, 0.375, 2.25). With k the
// places of the 15th digit (or one more), c 10^k is then a whole number of at most 15 digits
// (trailing zeros aside): from 10^14 on c is whole and fmod exact; below, the product is exact as
// a double-double while 10^k is a Double (k <= 22), and no smaller c is such a decimal, since
// 10^k would need 5^k to divide a number below 10^15.
inline bool IstSchrift(double c) {
    static constexpr double kZehner[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double a = std::fabs(c);
    if (a == 0.0) return true;
    if (!(a <= std::numeric_limits<double>::max())) return false;
    int b = 0;
    std::frexp(a, &b);
    // 10^d <= a with d = floor((b - 1) log10(2)), the decimal exponent or one below it.
    const int k = 14 - (((b - 1) * 78913) >> 18);
    double ganz = 0.0;
    if (k <= 0) {
        if (-k > 22 || std::fmod(a, kZehner[-k]) != 0.0) return false;
        ganz = a / kZehner[-k];
    } else {
        if (k > 22) return false;
        const Zwei t = ZweiProdukt(a, kZehner[k]);
        const bool whole = t.hi >= 0x1p52 || (t.hi + 0x1p52) - 0x1p52 == t.hi;
        if (t.lo != 0.0 || !whole) return false;
        ganz = t.hi;
    }
    if (ganz >= 1e15) {
        if (std::fmod(ganz, 10.0) != 0.0) return false;
        ganz /= 10.0;
    }
    return ganz < 1e15;
}

// How far c may lie from the number it stands for: what the data leave open of it. A
// coefficient that is exactly the decimal its term shows carries nothing (whole numbers, 0.5):
// the zeros of exact coefficients are told apart however close. Any other coefficient stands for
// a number it was rounded from, a typed decimal (0.1) or a computed result, and lies within
// 2^-53 of its size from it, the bound of one rounding. The distance to the 15-digit decimal
// itself would not do: a typed decimal lies closer to it than that bound, but whether a computed
// Double is the one nearest its 15-digit decimal is chance (one time in five to one in a
// hundred), and for the others that distance, up to 5e-15 of the size, measures how the term is
// written, not how the number was computed.
inline double Unschaerfe(double c) {
    return IstSchrift(c) ? 0.0 : kEinheit * std::fabs(c);
}

// A derivative of the polynomial searched, as the search judges it: its coefficients exact as
// double-doubles (c_(i+j) (i+j)!/i! has up to 72 bits), and beside each what the term's decimals
// leave open of it, Unschaerfe(c_(i+j)) times the same factor.
struct Ableitung {
    int grad = -1;
    std::array<Zwei, 10> k{};
    std::array<double, 10> rauschen{};
};

// c f exactly as a double-double, for a whole number f of at most 26 bits (the derivative
// factors, up to 9!): c split into halves of 26 and 27 bits (Veltkamp), each half times f is
// exact, and so is the difference of the high half's product and the rounded one (they lie
// within a factor 2 of each other). No fused multiply-add is needed, which without hardware
// support costs a library call. Beyond 2^995 the split would overflow; there ZweiProdukt.
inline Zwei MalGanzzahl(double c, double f) {
    if (!(std::fabs(c) < 0x1p995)) return ZweiProdukt(c, f);
    const double t = 134217729.0 * c;
    const double oben = t - (t - c);
    const double unten = c - oben;
    const double p = c * f;
    return {p, (oben * f - p) + unten * f};
}

// c / f as a double-double for a whole number f of at most 26 bits (the antiderivative's
// divisors): q = c / f rounded, c - q f exact by MalGanzzahl, whose quotient by f is the rest.
inline Zwei DurchGanzzahl(double c, double f) {
    const double q = c / f;
    const Zwei p = MalGanzzahl(q, f);
    return SchnelleZweiSumme(q, ((c - p.hi) - p.lo) / f);
}

// The j-th derivative of c (degree grad), whose coefficients lie within abstand of the term's,
// written into a where it is formed (the search forms up to nine at a time); a's coefficients
// above its degree are 0.
inline void AbleitungVon(const std::array<double, 10>& c, const std::array<double, 10>& abstand,
                         int grad, int j, Ableitung& a) {
    a.grad = grad - j;
    const auto& faktor = kAbleitungsfaktor[static_cast<std::size_t>(j)];
    for (int i = 0; i < 10; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const auto v = static_cast<std::size_t>(i + j);
        a.k[u] = i <= a.grad ? MalGanzzahl(c[v], faktor[u]) : Zwei{};
        a.rauschen[u] = i <= a.grad ? abstand[v] * faktor[u] : 0.0;
    }
}

inline Ableitung AbleitungVon(const std::array<double, 10>& c,
                              const std::array<double, 10>& abstand, int grad, int j) {
    Ableitung a;
    AbleitungVon(c, abstand, grad, j, a);
    return a;
}

// The j-th derivative of p at x from p's own coefficients, exact as double-doubles, by
// compensated Horner and rounded once: the value of the coefficients held. The coefficients of
// f' and f'' as Doubles are rounded products (3 * 0.1 is not 3 times the Double 0.1), whose error
// shows where a value cancels: f' of 0.1x^3 - 0.3x at 1.0000001, about 6e-8, moves from its 9th
// digit on when taken from them.
inline double AbleitungGenau(const PolynomT& p, int j, double x) {
    const int grad = std::max(p.grad(), j);
    const Ableitung a = AbleitungVon(p.Koeff, {}, grad, j);
    return KompensiertHorner(a.k, a.grad, x).wert;
}

// gamma(2n + 2) for the degrees n = 0 to 9.
inline constexpr std::array<double, 10> kSicher = [] {
    std::array<double, 10> t{};
    for (int n = 0; n < 10; ++n) t[static_cast<std::size_t>(n)] = Gamma(2 * n + 2);
    return t;
}();

// Whether s, a's value at some x by Horner's rule in Double on the high parts, has the sign of the
// exact value there, by the size g summed beside it (SicheresVorzeichen below says why).
inline bool Sicher(const Ableitung& a, double s, double g) {
    return std::fabs(s) > kSicher[static_cast<std::size_t>(a.grad)] * g || std::isinf(s);
}

// The sign of the exact value at x. Horner's rule in Double on the high parts is off by at most
// gamma(2n) of sum |k_i x^i| (Higham; gamma(n) where its steps are fused), the low parts by u of
// it, and the size summed beside the value is itself off by as much: where the value is larger
// than gamma(2n + 2) of that size, its sign is sure, and that holds everywhere but next to a zero.
// There the compensated value decides, which keeps the sign where terms of 1e16 sum to values of
// order 1.
inline int SicheresVorzeichen(const Ableitung& a, double x) {
    const int n = a.grad;
    double s = a.k[static_cast<std::size_t>(n)].hi;
    double g = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = n - 1; i >= 0; --i) {
        const double c = a.k[static_cast<std::size_t>(i)].hi;
        s = MalPlus(s, x, c);
        g = MalPlus(g, ax, std::fabs(c));
    }
    if (Sicher(a, s, g)) return (s > 0.0) - (s < 0.0);
    const double w = KompensiertHorner(a.k, n, x).wert;
    return (w > 0.0) - (w < 0.0);
}

// The same, with the bound gamma(2n + 2) sum |k_i| X^i taken beforehand for an interval in which
// |x| <= X: where the value clears it, which is all but next to a zero, no size need be summed.
inline double Sicherheit(const Ableitung& a, double X) {
    double g = 0.0;
    for (int i = a.grad; i >= 0; --i) g = g * X + std::fabs(a.k[static_cast<std::size_t>(i)].hi);
    return kSicher[static_cast<std::size_t>(a.grad)] * g;
}

// a's value at x by Horner's rule in Double on the high parts.
inline double Naeherungswert(const Ableitung& a, double x) {
    double s = a.k[static_cast<std::size_t>(a.grad)].hi;
    for (int i = a.grad - 1; i >= 0; --i) s = MalPlus(s, x, a.k[static_cast<std::size_t>(i)].hi);
    return s;
}

// The same, where w is Naeherungswert(a, x).
inline int SicheresVorzeichen(const Ableitung& a, double x, double sicherheit, double w) {
    if (std::fabs(w) > sicherheit || std::isinf(w)) return (w > 0.0) - (w < 0.0);
    return SicheresVorzeichen(a, x);
}

inline int SicheresVorzeichen(const Ableitung& a, double x, double sicherheit) {
    return SicheresVorzeichen(a, x, sicherheit, Naeherungswert(a, x));
}

// sum rauschen_i |x|^i: how far the term's rounding could have moved the value at x.
inline double Rauschen(const Ableitung& a, double x) {
    double r = 0.0;
    const double ax = std::fabs(x);
    for (int i = a.grad; i >= 0; --i) r = r * ax + a.rauschen[static_cast<std::size_t>(i)];
    return r;
}

// The value at x cannot be told from 0: it lies within what the term's rounding could have moved
// it by and the compensated evaluation's own error bound.
inline bool ImRauschen(const Ableitung& a, double x) {
    const Wert w = KompensiertHorner(a.k, a.grad, x);
    return std::fabs(w.wert) <= w.fehler + Rauschen(a, x);
}

// A quick test that spares the compensated one: the value is clearly beyond the noise at every
// point of [lo, hi], which holds x, where Naeherungswert(a, x) is larger than twice this bound,
// taken with X = max(|lo|, |hi|) and breite = hi - lo. Horner's rule in Double at x is off by
// gamma(2n + 2) of the size at most; the value moves by at most (hi - lo) times the size of the
// derivative over the interval; the compensated bound is below 4u of the size; and the noise is
// added. All sizes are taken at X. Each is a sum of products of numbers that are not negative, so
// the bound taken with a larger X or breite is not smaller, also as rounded: a bound for a wider
// interval serves for every interval within it.
inline double KlarSchranke(const Ableitung& a, double X, double breite) {
    const int n = a.grad;
    double g = std::fabs(a.k[static_cast<std::size_t>(n)].hi);
    double dg = 0.0;
    double r = a.rauschen[static_cast<std::size_t>(n)];
    for (int i = n - 1; i >= 0; --i) {
        const auto u = static_cast<std::size_t>(i);
        dg = dg * X + g;
        g = g * X + std::fabs(a.k[u].hi);
        r = r * X + a.rauschen[u];
    }
    return (kSicher[static_cast<std::size_t>(n)] + 4.0 * kEinheit) * g + breite * dg + r;
}

// The test itself, where wert is Naeherungswert(a, x) at a point x of [lo, hi].
inline bool KlarUeberRauschen(const Ableitung& a, double wert, double lo, double hi) {
    const double X = std::max(std::fabs(lo), std::fabs(hi));
    return std::fabs(wert) > 2.0 * KlarSchranke(a, X, hi - lo);
}

// Newton's steps from x towards the zero of a in [lo, hi], each value by compensated Horner. A
// step counts only while it stays in [lo, hi] and does not make |value| larger, so where the slope
// vanishes or a step would leave the interval, the point reached stands. In an interval where a
// is monotonic, a few steps from a point near the zero reach a Double next to it, also where the
// terms summed are far larger than the values.
inline constexpr int kNewtonSchritte = 8;

inline double Poliert(const Ableitung& a, double x, double lo, double hi) {
    double steigung = 0.0;
    Wert v = KompensiertHorner(a.k, a.grad, x, steigung);
    for (int i = 0; i < kNewtonSchritte && v.wert != 0.0; ++i) {
        const double y = x - v.wert / steigung;
        if (!(lo <= y && y <= hi) || y == x) break;
        double neueSteigung = 0.0;
        const Wert w = KompensiertHorner(a.k, a.grad, y, neueSteigung);
        if (!(std::fabs(w.wert) <= std::fabs(v.wert))) break;
        x = y;
        v = w;
        steigung = neueSteigung;
    }
    return x;
}

// a's value at x by Horner's rule in Double on the high parts, with its slope and the size
// sum |k_i x^i| summed in the same pass: where the value is larger than gamma(2n + 2) of the
// size, its sign is sure (SicheresVorzeichen).
inline double NaeherungMitGroesse(const Ableitung& a, double x, double& steigung, double& groesse) {
    const int n = a.grad;
    double s = a.k[static_cast<std::size_t>(n)].hi;
    double d = 0.0;
    double g = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = n - 1; i >= 0; --i) {
        const double c = a.k[static_cast<std::size_t>(i)].hi;
        d = MalPlus(d, x, s);
        s = MalPlus(s, x, c);
        g = MalPlus(g, ax, std::fabs(c));
    }
    steigung = d;
    groesse = g;
    return s;
}

// a's value at x with its slope: by Horner's rule in Double where the value's sign is sure
// (genau false), else compensated (genau true). The slope is Double in both.
inline double WertUndSteigung(const Ableitung& a, double x, double& steigung, bool& genau) {
    double g = 0.0;
    const double s = NaeherungMitGroesse(a, x, steigung, g);
    genau = !Sicher(a, s, g);
    return genau ? KompensiertHorner(a.k, a.grad, x, steigung).wert : s;
}

// The zero of a in the bracket [lo, hi] with the sign vlo at lo (and the other sign, or 0, at
// hi), from x in it: Newton's method, with a halving of the bracket wherever a step would leave
// it or would not halve the last step, so it ends in every bracket and is quick next to a simple
// zero. The first value is compensated (x lies next to the zero, where Double can hardly tell
// the sign), the others are taken in Double while their sign is sure, else compensated. A step
// of a few units in the last place from a compensated value lands on the Double next to the zero
// (the step's own error is far below a unit there), which is taken as it is.
inline double Eingegrenzt(const Ableitung& a, double x, double lo, double hi, int vlo) {
    double letzter = 2.0 * (hi - lo);
    for (int i = 0; i < 2 * kNewtonSchritte + 120; ++i) {
        double steigung = 0.0;
        bool genau = i == 0;
        const double v = genau ? KompensiertHorner(a.k, a.grad, x, steigung).wert
                               : WertUndSteigung(a, x, steigung, genau);
        const int sv = (v > 0.0) - (v < 0.0);
        if (sv == 0) return x;
        (sv == vlo ? lo : hi) = x;
        const double schritt = v / steigung;
        double y = x - schritt;
        if (y == x) return x;
        const bool drin = lo <= y && y <= hi;
        // The last step, taken whatever the step before: from a Double next to the zero to the
        // one nearest it, also where that one is an end of the bracket.
        if (drin && genau && std::fabs(schritt) <= 8.0 * kEinheit * std::fabs(x)) return y;
        if (!drin || !(std::fabs(schritt) <= 0.5 * letzter)) {
            y = lo / 2 + hi / 2;
            if (!(lo < y && y < hi)) return x;
        }
        letzter = std::fabs(y - x);
        x = y;
    }
    return x;
}

// x snapped to the nearest whole number when it lies within schranke of it. Not finite x
// stays as it is.
inline double Gefangen(double x, double schranke) {
    const double ganz = Round(x);
    return Abs(x - ganz) < schranke ? ganz : x;
}

// The three snaps by what they snap: a point of the search (kFangPunkt; for a zero of a function
// the search knows, PunktGefangen below asks that it still vanish there), a value or quotient
// coefficient (kFangRunden, polynom::Runden), a zero as it is written (kFangAusgabe,
// polynom::RundnfAusg).
// + 0.0 makes a point snapped to 0 from below +0, not -0.
inline double PunktGefangen(double x) {
    return Gefangen(x, kFangPunkt) + 0.0;
}
inline double WertGefangen(double x) {
    return Gefangen(x, kFangRunden);
}
inline double AusgabeGefangen(double x) {
    return Gefangen(x, kFangAusgabe);
}

// A zero of a found between lo and hi, where a is monotonic, snapped to the nearest whole number
// N within kFangPunkt only where N lies strictly between them and a still vanishes at N within
// its noise: so the zero moves onto no other point and past none, no zero is lost, and the value
// table shows 0 at N where it showed 0 at x. Otherwise the point keeps its own x.
inline double PunktGefangen(const Ableitung& a, double x, double lo, double hi) {
    const double ganz = Round(x);
    if (Abs(x - ganz) < kFangPunkt && lo < ganz && ganz < hi && ImRauschen(a, ganz))
        return ganz + 0.0;
    return x + 0.0;
}

}  // namespace numerik
