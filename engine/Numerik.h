#pragma once
// The engine's numeric kit: evaluation of a polynomial, the noise test, the bracketed Newton
// polish and the snap to whole numbers, with the tolerances they use. The search for zeros, the
// factor form, the window's rounding services and the value table all take them from here.
//
// grad is the caller's degree of p (its highest non-zero coefficient, or more); coefficients
// above it are not read.

#include <cmath>

#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace numerik {

// Tolerances of the window's snapping and zero test; each comparison with them is strict.
// A value below this counts as zero in the search's filter of critical points.
inline constexpr double kNullTest = 1e-08;
// A value within this of a whole number is that number: table values, quotient coefficients.
inline constexpr double kFangRunden = 1e-09;
// A zero within this of a whole number is written (zeros text, factor form) as that number.
inline constexpr double kFangAusgabe = 5e-05;
// A point of the search within this of a whole number is that number.
inline constexpr double kFangPunkt = 1e-10;
// The bisection halves while its interval is wider than this.
inline constexpr double kBreite = 1.0000000000000001e-11;

// The noise zone: a value of p at x no larger than this times sum |c_k x^k| cannot be told
// from 0. The test evaluates in long double, so what is left is the noise of the Double
// coefficients themselves: each is off by up to 2^-53 of its size from the number it stands for,
// which moves the value by about 1e-16 of that sum. Sign changes of f whose values in between lie
// below this bound (rounding noise where f is flat at a zero, or a multiple zero split by its
// rounded coefficients) are one zero. Distinct zeros leave far larger values between them: among
// 8,000 draws of nine simple zeros none lay this close, while 1e-14 would join some of them.
inline constexpr double kRauschen = 5e-16;

// Horner's rule in Double, from the degree down.
inline double Horner(const PolynomT& p, int grad, double x) {
    double s = 0.0;
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// Horner's rule in long double on the Double coefficients: next to a zero, where the Double sum
// is mostly rounding, it still tells which of two neighbouring Doubles lies nearer the zero.
inline long double HornerGenau(const PolynomT& p, int grad, double x) {
    long double s = 0.0L;
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// The same with the slope, in one pass.
inline long double HornerGenau(const PolynomT& p, int grad, double x, long double& steigung) {
    long double s = 0.0L;
    long double d = 0.0L;
    for (int i = grad; i >= 0; --i) {
        d = d * x + s;
        s = s * x + p.Koeff[i];
    }
    steigung = d;
    return s;
}

// p(x) in long double, rounded once to a Double: every digit of a value that is shown.
inline double WertGenau(const PolynomT& p, double x) {
    return static_cast<double>(HornerGenau(p, 9, x));
}

// p(x) / sum |c_k x^k|: p's value relative to the size of what Horner's rule sums at x, which
// does not depend on the scale of the coefficients. Long double, so that neither overflows
// where Double terms would; 0 where p(x) is exactly 0.
inline double RelativerWert(const PolynomT& p, int grad, double x) {
    long double s = 0.0L;
    long double summe = 0.0L;
    long double xk = 1.0L;
    const long double ax = std::fabs(static_cast<long double>(x));
    for (int k = 0; k <= grad; ++k) {
        summe += std::fabs(p.Koeff[k] * xk);
        xk *= ax;
    }
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    if (s == 0.0L) return 0.0;
    return static_cast<double>(s / summe);
}

inline bool ImRauschen(const PolynomT& p, int grad, double x) {
    return std::fabs(RelativerWert(p, grad, x)) <= kRauschen;
}

// Newton's steps in long double from x towards the zero of p in [a, b]. A step counts only while
// it stays in [a, b] and does not make |p| larger, so where p' vanishes or a step would leave
// the bracket, the point reached stands. From a point within the bisection's bracket, a few
// steps reach the Double nearest the zero.
inline constexpr int kNewtonSchritte = 8;

inline double Poliert(const PolynomT& p, int grad, double x, double a, double b) {
    long double steigung = 0.0L;
    long double v = HornerGenau(p, grad, x, steigung);
    for (int i = 0; i < kNewtonSchritte && v != 0.0L; ++i) {
        const double y = static_cast<double>(x - v / steigung);
        if (!(a <= y && y <= b) || y == x) break;
        long double neueSteigung = 0.0L;
        const long double wert = HornerGenau(p, grad, y, neueSteigung);
        if (!(std::fabs(wert) <= std::fabs(v))) break;
        x = y;
        v = wert;
        steigung = neueSteigung;
    }
    return x;
}

// x snapped to the nearest whole number when it lies within schranke of it. Not finite x
// stays as it is.
inline double Gefangen(double x, double schranke) {
    const double ganz = Round(x);
    return Abs(x - ganz) < schranke ? ganz : x;
}

}  // namespace numerik
