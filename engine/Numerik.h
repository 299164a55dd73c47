#pragma once
// The engine's numeric kit: evaluation of a polynomial, the noise test, the bracketed Newton
// polish and the snap to whole numbers, with the tolerances they use. The search for zeros, the
// factor form, the window's rounding services and the value table all take them from here.
//
// grad is the caller's degree of p (its highest non-zero coefficient, or more); coefficients
// above it are not read.

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace numerik {

// Tolerances of the window's snapping and zero test; each comparison with them is strict.
// A value below this counts as zero (HauptF::IstNull: absolute).
inline constexpr double kNullTest = 1e-08;
// The search keeps a point that is a zero of no derivative of f only where f, f' or f'' lies
// below this relative to the size of its sum there (RelativerWert): a filter, not a zero test.
inline constexpr double kFilterKritisch = 1e-08;
// A value within this of a whole number is that number: table values, quotient coefficients.
inline constexpr double kFangRunden = 1e-09;
// A zero within this of a whole number is written (zeros text, factor form) as that number.
inline constexpr double kFangAusgabe = 5e-05;
// A point of the search within this of a whole number is that number.
inline constexpr double kFangPunkt = 1e-10;
// The bisection halves while its interval is wider than this.
inline constexpr double kBreite = 1.0000000000000001e-11;

// The noise zone: a value of p at x no larger than this times sum |c_k x^k| cannot be told
// from 0. Values are taken in long double (a derivative from f's own coefficients), so what is
// left is the noise of the Double coefficients themselves: each is off by at most 2^-53 of its
// size from the number it stands for, which moves the value by at most 2^-53 of that sum. A
// double zero split by that rounding leaves at the critical point between its two halves a value
// no larger than that, so sign changes whose values in between lie within the bound are one
// zero. The bound is 2^-53 with 1% for the long-double evaluation. A lower bound leaves split
// double zeros as two, a higher one joins distinct simple zeros: the seeded families of the
// random test of the search show both. Distinct zeros whose value between them lies below the
// bound stay joined: their coefficients cannot tell them from a double zero.
inline constexpr double kRauschen = 1.12e-16;

// Horner's rule in Double, from the degree down.
inline double Horner(const PolynomT& p, int grad, double x) {
    double s = 0.0;
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// Coefficients of a polynomial in long double: the derivatives of f formed from f's own
// coefficients, so that they carry no rounding of their own.
using KoeffGenau = std::array<long double, 10>;

// Horner's rule in long double on the coefficients c (Double or long double): next to a zero,
// where the Double sum is mostly rounding, it still tells which of two neighbouring Doubles lies
// nearer the zero.
template <class K>
long double HornerGenau(const K& c, int grad, double x) {
    long double s = 0.0L;
    for (int i = grad; i >= 0; --i) s = s * x + c[i];
    return s;
}

inline long double HornerGenau(const PolynomT& p, int grad, double x) {
    return HornerGenau(p.Koeff, grad, x);
}

// The same with the slope, in one pass.
template <class K>
long double HornerGenau(const K& c, int grad, double x, long double& steigung) {
    long double s = 0.0L;
    long double d = 0.0L;
    for (int i = grad; i >= 0; --i) {
        d = d * x + s;
        s = s * x + c[i];
    }
    steigung = d;
    return s;
}

// p(x) in long double, rounded once to a Double: every digit of a value that is shown.
inline double WertGenau(const PolynomT& p, double x) {
    return static_cast<double>(HornerGenau(p.Koeff, 9, x));
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

// The j-th derivative of p in long double: c_k k (k - 1) ... (k - j + 1) at x^(k - j).
inline KoeffGenau AbleitungGenau(const PolynomT& p, int j) {
    KoeffGenau a{};
    const auto& faktor = kAbleitungsfaktor[static_cast<std::size_t>(j)];
    for (int i = 0; i + j <= 9; ++i)
        a[static_cast<std::size_t>(i)] =
            static_cast<long double>(p.Koeff[static_cast<std::size_t>(i + j)]) *
            faktor[static_cast<std::size_t>(i)];
    return a;
}

// p(x) and the size of what Horner's rule sums at x, sum |c_k x^k| (Horner's rule on |c_k| at
// |x|), in one pass. Long double, so that neither overflows where Double terms would.
template <class K>
long double WertUndGroesse(const K& c, int grad, double x, long double& groesse) {
    long double s = 0.0L;
    long double g = 0.0L;
    const long double ax = std::fabs(static_cast<long double>(x));
    for (int i = grad; i >= 0; --i) {
        s = s * x + c[i];
        g = g * ax + std::fabs(static_cast<long double>(c[i]));
    }
    groesse = g;
    return s;
}

// p(x) / sum |c_k x^k|: p's value relative to the size of what Horner's rule sums at x, which
// does not depend on the scale of the coefficients; 0 where p(x) is exactly 0.
template <class K>
double RelativerWert(const K& c, int grad, double x) {
    long double groesse = 0.0L;
    const long double s = WertUndGroesse(c, grad, x, groesse);
    if (s == 0.0L) return 0.0;
    return static_cast<double>(s / groesse);
}

inline double RelativerWert(const PolynomT& p, int grad, double x) {
    return RelativerWert(p.Koeff, grad, x);
}

template <class K>
bool ImRauschen(const K& c, int grad, double x) {
    long double groesse = 0.0L;
    const long double s = WertUndGroesse(c, grad, x, groesse);
    return std::fabs(s) <= kRauschen * groesse;
}

// Newton's steps in long double from x towards the zero of p in [a, b]. A step counts only while
// it stays in [a, b] and does not make |p| larger, so where p' vanishes or a step would leave
// the bracket, the point reached stands. In an interval where p is monotonic, a few steps from
// a point near the zero reach the Double nearest it, also from a point where the Double
// bisection stopped at a sign change of rounding noise.
inline constexpr int kNewtonSchritte = 8;

template <class K>
double Poliert(const K& c, int grad, double x, double a, double b) {
    long double steigung = 0.0L;
    long double v = HornerGenau(c, grad, x, steigung);
    for (int i = 0; i < kNewtonSchritte && v != 0.0L; ++i) {
        const double y = static_cast<double>(x - v / steigung);
        if (!(a <= y && y <= b) || y == x) break;
        long double neueSteigung = 0.0L;
        const long double wert = HornerGenau(c, grad, y, neueSteigung);
        if (!(std::fabs(wert) <= std::fabs(v))) break;
        x = y;
        v = wert;
        steigung = neueSteigung;
    }
    return x;
}

inline double Poliert(const PolynomT& p, int grad, double x, double a, double b) {
    return Poliert(p.Koeff, grad, x, a, b);
}

// x snapped to the nearest whole number when it lies within schranke of it. Not finite x
// stays as it is.
inline double Gefangen(double x, double schranke) {
    const double ganz = Round(x);
    return Abs(x - ganz) < schranke ? ganz : x;
}

// The three snaps by what they snap: a point of the search (kFangPunkt), a value or quotient
// coefficient (kFangRunden, HauptF::Runden), a zero as it is written (kFangAusgabe,
// HauptF::RundnfAusg).
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

}  // namespace numerik
