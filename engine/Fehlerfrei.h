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

// a * b + c for Horner's rule in Double, whose values only aim a point or give a sign against
// an error bound: fused where the engine is built for a machine with the instruction (one
// rounding in place of two, and half the time on the chain of multiplications and additions that
// Horner's rule is), else as written. The bounds, taken for two roundings a step, hold for both.
// The build decides once for every file that includes this (VEMTARIX_HORNER_FMA, set by the
// engine's target for all that link it), so the inline functions built on it are the same
// everywhere.
inline double MalPlus(double a, double b, double c) {
#if VEMTARIX_HORNER_FMA
    return std::fma(a, b, c);
#else
    return a * b + c;
#endif
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

// The compensated sum left unrounded, as a double-double: where two such values are subtracted
// (an antiderivative at both ends of an interval), the difference keeps what rounding each to a
// Double would drop. Its error is that of the value above without the final rounding.
template <std::size_t N>
Zwei KompensiertHornerZwei(const std::array<Zwei, N>& c, int grad, double x) {
    double s = c[static_cast<std::size_t>(grad)].hi;
    double e = c[static_cast<std::size_t>(grad)].lo;
    for (int i = grad - 1; i >= 0; --i) {
        const Zwei& k = c[static_cast<std::size_t>(i)];
        const Zwei p = ZweiProdukt(s, x);
        const Zwei t = ZweiSumme(p.hi, k.hi);
        s = t.hi;
        e = e * x + (p.lo + t.lo + k.lo);
    }
    return ZweiSumme(s, e);
}

// The same with the slope p'(x) beside the value, in Double: enough to steer Newton's method,
// whose steps the compensated values judge.
template <std::size_t N>
Wert KompensiertHorner(const std::array<Zwei, N>& c, int grad, double x, double& steigung) {
    double s = c[static_cast<std::size_t>(grad)].hi;
    double e = c[static_cast<std::size_t>(grad)].lo;
    double d = 0.0;
    double groesse = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = grad - 1; i >= 0; --i) {
        const Zwei& k = c[static_cast<std::size_t>(i)];
        d = d * x + s;
        const Zwei p = ZweiProdukt(s, x);
        const Zwei t = ZweiSumme(p.hi, k.hi);
        s = t.hi;
        e = e * x + (p.lo + t.lo + k.lo);
        groesse = groesse * ax + std::fabs(k.hi);
    }
    steigung = d;
    const double wert = s + e;
    const double g = Gamma(2 * grad + 1);
    return {wert, 2.0 * (kEinheit * std::fabs(wert) + g * g * groesse)};
}

// A bound on the relative error of one double-double operation (Plus, Mal): a few units of
// 2^-106, taken generously.
inline constexpr double kEinheitZwei = 16.0 * kEinheit * kEinheit;

// A polynomial of degree grad held as double-doubles, k[i] that of x^i, each within fehler[i] of
// the number it stands for and summed from terms of the size groesse[i] (the sum of their
// magnitudes): the ratio of the two says how many digits of a coefficient are sure, also where
// the terms cancelled to a small one. eingaben[i] bounds, to first order, how far the
// coefficient moves where the inputs it was formed of stand for other numbers than they are (a
// typed decimal that is no Double): kept apart from fehler, which says what the held inputs
// decide. nach[i][j] is the first-order change of coefficient i per change of input j (the
// derivative, signs kept, so that changes that cancel are seen to), for callers that give it.
template <std::size_t N>
struct ZweiPolynom {
    int grad = -1;
    std::array<Zwei, N> k{};
    std::array<double, N> fehler{};
    std::array<double, N> groesse{};
    std::array<double, N> eingaben{};
    std::array<std::array<double, N>, N> nach{};
};

// c as a ZweiPolynom: exact, its terms its coefficients.
template <std::size_t N>
ZweiPolynom<N> AlsZweiPolynom(const std::array<double, N>& c, int grad) {
    ZweiPolynom<N> p;
    p.grad = grad;
    for (int i = 0; i <= grad; ++i) {
        const auto u = static_cast<std::size_t>(i);
        p.k[u] = {c[u], 0.0};
        p.groesse[u] = std::fabs(c[u]);
    }
    return p;
}

// The quotient of p (degree n >= 1) by (x - z), z within zFehler of the zero it stands for: each
// coefficient within its fehler of the quotient of the numbers p and z stand for. The remainder
// is dropped. Where p's inputs stand for other numbers, the zero moves with them by up to
// zEingaben (to first order), and p's eingaben and that move are carried into the quotient's
// eingaben the way p's fehler and zFehler are carried into its fehler: the exact quotient obeys
// both recurrences below for any exact zero, so each, taken to first order, bounds the move.
// zNach[j] is the zero's own derivative by input j, which carries p's nach into q's.
//
// For a zero z of p, q_i is both sum_(j > i) p_j z^(j-i-1), summed from the top as
// q_(i-1) = p_i + z q_i, and -sum_(j <= i) p_j z^(j-i-1), summed from the constant term up as
// q_i = (q_(i-1) - p_i) / z. Each sum is only as good as its largest term is small against the
// result, and every q_i's terms are the |p_j z^j| scaled alike, so the quotient is split at the
// largest of them, j*: the q_i from j* up are summed from the top, which leaves that term out, the
// ones below from the constant term, which leaves it out too. A zero small against the others
// (j* = 0) is divided out from the top, a large one (j* = n) from the constant term, and where
// the constant term is 0, the zero 0 leaves p shifted down, exactly. The leading coefficient is
// p_n, exact.
template <std::size_t N>
ZweiPolynom<N> DurchLinear(const ZweiPolynom<N>& p, Zwei z, double zFehler, double zEingaben = 0.0,
                           const std::array<double, N>& zNach = {}) {
    const auto at = [](auto& a, int i) -> auto& {
        return a[static_cast<std::size_t>(i)];
    };
    const int n = p.grad;
    ZweiPolynom<N> q;
    q.grad = n - 1;
    // The largest term, by binary exponents: a factor 2 either way changes nothing that matters.
    int oben = 0;
    if (z.hi != 0.0) {
        const double l = std::log2(std::fabs(z.hi));
        double groesste = -HUGE_VAL;
        for (int j = 0; j <= n; ++j) {
            if (at(p.k, j).hi == 0.0) continue;
            const double t = std::ilogb(at(p.k, j).hi) + j * l;
            if (t > groesste) groesste = t;
            if (t >= groesste) oben = j;
        }
    }
    if (oben > n - 1) oben = n - 1;
    const double az = std::fabs(z.hi);
    at(q.k, n - 1) = at(p.k, n);
    at(q.fehler, n - 1) = at(p.fehler, n);
    at(q.groesse, n - 1) = at(p.groesse, n);
    at(q.eingaben, n - 1) = at(p.eingaben, n);
    at(q.nach, n - 1) = at(p.nach, n);
    for (int i = n - 1; i > oben; --i) {
        const Zwei zq = Mal(z, at(q.k, i));
        at(q.k, i - 1) = Plus(at(p.k, i), zq);
        at(q.fehler, i - 1) = at(p.fehler, i) + az * at(q.fehler, i) +
                              std::fabs(at(q.k, i).hi) * zFehler +
                              kEinheitZwei * (std::fabs(at(p.k, i).hi) + 2.0 * std::fabs(zq.hi));
        at(q.groesse, i - 1) = at(p.groesse, i) + az * at(q.groesse, i);
        at(q.eingaben, i - 1) =
            at(p.eingaben, i) + az * at(q.eingaben, i) + std::fabs(at(q.k, i).hi) * zEingaben;
        for (std::size_t j = 0; j < N; ++j)
            at(q.nach, i - 1)[j] =
                at(p.nach, i)[j] + z.hi * at(q.nach, i)[j] + at(q.k, i).hi * zNach[j];
    }
    if (oben == 0) return q;
    const Zwei kehrwert = Durch({1.0, 0.0}, z);
    const double relativ = zFehler / az;
    Zwei vorige = {};
    double voriger = 0.0;
    double vorGroesse = 0.0;
    double vorEingaben = 0.0;
    std::array<double, N> vorNach{};
    for (int i = 0; i < oben; ++i) {
        const Zwei d = Plus(vorige, Minus(at(p.k, i)));
        at(q.k, i) = Mal(d, kehrwert);
        at(q.fehler, i) =
            (voriger + at(p.fehler, i)) / az + std::fabs(at(q.k, i).hi) * relativ +
            2.0 * kEinheitZwei * (std::fabs(vorige.hi) + std::fabs(at(p.k, i).hi)) / az;
        at(q.groesse, i) = (vorGroesse + at(p.groesse, i)) / az;
        at(q.eingaben, i) =
            (vorEingaben + at(p.eingaben, i) + std::fabs(at(q.k, i).hi) * zEingaben) / az;
        vorEingaben = at(q.eingaben, i);
        for (std::size_t j = 0; j < N; ++j)
            at(q.nach, i)[j] = (vorNach[j] - at(p.nach, i)[j] - at(q.k, i).hi * zNach[j]) / z.hi;
        vorNach = at(q.nach, i);
        vorige = at(q.k, i);
        voriger = at(q.fehler, i);
        vorGroesse = at(q.groesse, i);
    }
    return q;
}

}  // namespace numerik
