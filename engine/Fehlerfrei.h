#pragma once
// Error-free transformations and the arithmetic built on them: a sum or product of two Doubles
// written exactly as a Double and the rounding error beside it, numbers held as the unevaluated
// sum of two Doubles (about 106 bits), and Horner's rule compensated with them, which evaluates
// as if in twice the working precision and says how far its result can be off.
//
// Nothing here may be compiled with -ffast-math or with x87 arithmetic: the transformations
// rely on every operation being rounded once, to nearest, in Double.

#include <array>
#include <cmath>
#include <cstddef>

namespace numerik {

// The unit roundoff of Double arithmetic, 2^-53.
inline constexpr double kEinheit = 0x1p-53;

// gamma(k) = k u / (1 - k u): the bound on the relative error of k rounded operations in a row.
constexpr double Gamma(int k) {
    return k * kEinheit / (1.0 - k * kEinheit);
}

// hi + lo, with hi the rounded value and lo what rounding dropped: |lo| <= ulp(hi) / 2.
struct Zwei {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b = hi + lo exactly, for any a and b (Knuth's TwoSum; six operations, no branch).
inline Zwei ZweiSumme(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    const double e = (a - (s - bb)) + (b - bb);
    return {s, e};
}

// a + b = hi + lo exactly, for |a| >= |b| or a = 0 (Dekker's FastTwoSum).
inline Zwei SchnelleZweiSumme(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b = hi + lo exactly, unless the product underflows (TwoProduct with a fused multiply-add).
inline Zwei ZweiProdukt(double a, double b) {
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

// Double-double arithmetic: each result has a relative error of a few units of 2^-106.
inline Zwei Plus(Zwei a, Zwei b) {
    Zwei s = ZweiSumme(a.hi, b.hi);
    const Zwei t = ZweiSumme(a.lo, b.lo);
    s.lo += t.hi;
    s = SchnelleZweiSumme(s.hi, s.lo);
    s.lo += t.lo;
    return SchnelleZweiSumme(s.hi, s.lo);
}

inline Zwei Minus(Zwei a) {
    return {-a.hi, -a.lo};
}

inline Zwei Mal(Zwei a, double b) {
    Zwei p = ZweiProdukt(a.hi, b);
    p.lo = std::fma(a.lo, b, p.lo);
    return SchnelleZweiSumme(p.hi, p.lo);
}

inline Zwei Mal(Zwei a, Zwei b) {
    Zwei p = ZweiProdukt(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return SchnelleZweiSumme(p.hi, p.lo);
}

// a / b; the quotient's error, like that of the other operations, lies near 2^-104 relative.
inline Zwei Durch(Zwei a, Zwei b) {
    const double q1 = a.hi / b.hi;
    const Zwei r = Plus(a, Minus(Mal(b, q1)));
    const double q2 = r.hi / b.hi;
    const Zwei r2 = Plus(r, Minus(Mal(b, q2)));
    const double q3 = r2.hi / b.hi;
    return Plus(SchnelleZweiSumme(q1, q2), {q3, 0.0});
}

// The Double nearest hi + lo.
inline double AlsDouble(Zwei a) {
    return a.hi + a.lo;
}

// A value of a polynomial with a bound on its error: |p(x) - wert| <= fehler.
struct Wert {
    double wert = 0.0;
    double fehler = 0.0;
};

// Horner's rule compensated with error-free transformations (Graillat, Langlois and Louvet):
// the result is as accurate as Horner's rule in twice the precision, rounded once. Its error is
// at most u |p(x)| + gamma(2n)^2 sum |c_k x^k|; the bound written here doubles both terms to
// cover the rounding of the bound itself (the sum is taken by Horner's rule in Double, whose own
// relative error is below gamma(2n)). Coefficients c[0..grad], c[k] that of x^k.
template <std::size_t N>
Wert KompensiertHorner(const std::array<double, N>& c, int grad, double x) {
    double s = c[static_cast<std::size_t>(grad)];
    double e = 0.0;
    double groesse = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = grad - 1; i >= 0; --i) {
        const Zwei p = ZweiProdukt(s, x);
        const Zwei t = ZweiSumme(p.hi, c[static_cast<std::size_t>(i)]);
        s = t.hi;
        e = e * x + (p.lo + t.lo);
        groesse = groesse * ax + std::fabs(c[static_cast<std::size_t>(i)]);
    }
    const double wert = s + e;
    const double g = Gamma(2 * grad);
    return {wert, 2.0 * (kEinheit * std::fabs(wert) + g * g * groesse)};
}

// The same on coefficients held as double-doubles (derivatives of f formed exactly, quotients
// of a division): each low part joins the error term, whose bound grows by sum |lo_k x^k|,
// itself within the gamma(2n)^2 term's reach for low parts below u of their high parts.
template <std::size_t N>
Wert KompensiertHorner(const std::array<Zwei, N>& c, int grad, double x) {
    double s = c[static_cast<std::size_t>(grad)].hi;
    double e = c[static_cast<std::size_t>(grad)].lo;
    double groesse = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = grad - 1; i >= 0; --i) {
        const Zwei& k = c[static_cast<std::size_t>(i)];
        const Zwei p = ZweiProdukt(s, x);
        const Zwei t = ZweiSumme(p.hi, k.hi);
        s = t.hi;
        e = e * x + (p.lo + t.lo + k.lo);
        groesse = groesse * ax + std::fabs(k.hi);
    }
    const double wert = s + e;
    const double g = Gamma(2 * grad + 1);
    return {wert, 2.0 * (kEinheit * std::fabs(wert) + g * g * groesse)};
}

}  // namespace numerik
