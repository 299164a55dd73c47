// The search for critical points and real zeros. It finds the zero of the linear derivative
// directly and then, from the next higher derivative down to f itself, bisects every sign change
// between the points found so far; so each level is searched between the zeros of all higher
// derivatives, between which it is monotonic.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

constexpr double kBreite = 1.0000000000000001e-11;  // halving goes on while b - a exceeds this
constexpr double kFang = 1e-10;  // a result this close to a whole number is that number
// Halving [-max, max] down to neighbouring Doubles takes fewer than 1080 passes; the cap only
// guards against a pass that narrows nothing.
constexpr int kMaxDurchlaeufe = 1100;
constexpr double kGroessteZahl = std::numeric_limits<double>::max();

// A point of the search and the derivative A(stufe) whose zero it is.
struct Fund {
    double x;
    int stufe;
    bool nebenWechsel = false;  // f changes sign in an interval beside it
};

// Signs rather than the product of two values: a product can underflow to 0 or overflow.
// NaN has no sign.
int Vorzeichen(double v) { return (v > 0.0) - (v < 0.0); }

// Horner's rule from the degree down. For finite x it gives exactly FWert's value (the leading
// zero coefficients only add exact zeros there) at a fraction of the cost.
double Horner(const PolynomT& p, int grad, double x) {
    double s = 0.0;
    for (int i = grad; i >= 0; --i) {
        s = s * x;
        s = s + p.Koeff[i];
    }
    return s;
}

// The midpoint where a + b overflows or an end is infinite.
double MitteAmRand(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return a + b;
    if (std::isinf(a) && std::isinf(b)) return a == b ? a : 0.0;
    const double h = a / 2 + b / 2;
    return std::isinf(h) ? std::copysign(kGroessteZahl, h) : h;
}

inline double Mitte(double a, double b) {
    const double m = (a + b) / 2;
    return std::isfinite(m) ? m : MitteAmRand(a, b);
}

// One bisection: [a, b] with the sign va of p at a, which stays the same (a only ever moves to a
// midpoint of that sign), and m, the last midpoint.
struct Halbierung {
    double a;
    double b;
    int va;
    double m = 0.0;
};

// Halves the interval while it is wider than kBreite and its midpoint still lies strictly inside.
// Returns false once it is done; a pass that is not done leaves h.m to be evaluated.
bool Weiter(Halbierung& h, int n) {
    if (!(h.b - h.a > kBreite && n < kMaxDurchlaeufe)) return false;
    h.m = Mitte(h.a, h.b);
    return h.a < h.m && h.m < h.b;
}

void Schritt(Halbierung& h, double wert) {
    if (h.va * Vorzeichen(wert) > 0)
        h.a = h.m;
    else
        h.b = h.m;
}

void Fangen(Halbierung& h) {
    if (Abs(h.m - Round(h.m)) < kFang) h.m = Round(h.m);
}

void Halbieren(const PolynomT& p, int grad, Halbierung& h) {
    h.m = Mitte(h.a, h.b);
    for (int n = 0; Weiter(h, n); ++n) Schritt(h, Horner(p, grad, h.m));
    Fangen(h);
}

// Two intervals side by side, each taking exactly the steps it takes alone: their evaluations
// do not depend on each other, so the processor overlaps them.
void HalbierenPaar(const PolynomT& p, int grad, Halbierung& h, Halbierung& k) {
    h.m = Mitte(h.a, h.b);
    k.m = Mitte(k.a, k.b);
    int n = 0;
    for (bool wh = Weiter(h, n), wk = Weiter(k, n); wh || wk; ++n) {
        if (wh && wk) {
            double s = 0.0, t = 0.0;
            for (int i = grad; i >= 0; --i) {
                s = s * h.m;
                t = t * k.m;
                s = s + p.Koeff[i];
                t = t + p.Koeff[i];
            }
            Schritt(h, s);
            Schritt(k, t);
        } else if (wh) {
            Schritt(h, Horner(p, grad, h.m));
        } else {
            Schritt(k, Horner(p, grad, k.m));
        }
        if (wh) wh = Weiter(h, n + 1);
        if (wk) wk = Weiter(k, n + 1);
    }
    Fangen(h);
    Fangen(k);
}

// v / sum |c_k x^k|: the value of p at x relative to the size of what Horner's rule sums there,
// which does not depend on the scale of the coefficients. The sum is formed in long double,
// which does not overflow where the Double terms would.
double RelativerWert(const PolynomT& p, int grad, double x) {
    const double v = Horner(p, grad, x);
    if (v == 0.0) return 0.0;
    long double summe = 0.0L;
    long double xk = 1.0L;
    const long double ax = std::fabs(static_cast<long double>(x));
    for (int k = 0; k <= grad; ++k) {
        summe += std::fabs(p.Koeff[k] * xk);
        xk *= ax;
    }
    return static_cast<double>(v / summe);
}

bool IstNullRelativ(class HauptF& w, const PolynomT& p, int grad, double x) {
    return w.IstNull(RelativerWert(p, grad, x));
}

// A point where f does not change sign is a zero of f (a zero of even order) only when f's value
// there cannot be told from 0: Horner's rule errs by less than 2e-15 of the sum above for degree
// 9, and a coefficient read from 15 digits by 5e-16 of its own size. Between two close simple
// zeros, or near an inflection point beside a zero, f is small but far above this bound; the
// zero test of 1e-08 would report such a point as a further zero.
constexpr double kUnunterscheidbar = 1e-13;

// Scales by a power of two so that the largest coefficient lies in [0.5, 1): exact, so every
// value keeps its sign and zeros stay where they are, while the derivatives (up to 9! times the
// leading coefficient) cannot overflow.
void Normieren(PolynomT& p) {
    double groesste = 0.0;
    for (double c : p.Koeff) groesste = std::max(groesste, std::fabs(c));
    int e = 0;
    std::frexp(groesste, &e);
    for (double& c : p.Koeff) c = std::ldexp(c, -e);
}

// Sorts the points ascending, stably, where those before u are sorted already and the new ones
// after them nearly so (each lies in an interval of its own): as a stable sort would.
void Einordnen(std::vector<Fund>& funde, std::size_t u, std::vector<Fund>& hilfe) {
    const auto kleiner = [](const Fund& a, const Fund& b) { return a.x < b.x; };
    for (std::size_t i = u + 1; i < funde.size(); ++i)
        for (std::size_t j = i; j > u && kleiner(funde[j], funde[j - 1]); --j)
            std::swap(funde[j], funde[j - 1]);
    hilfe.clear();
    std::merge(funde.begin(), funde.begin() + static_cast<std::ptrdiff_t>(u),
               funde.begin() + static_cast<std::ptrdiff_t>(u), funde.end(),
               std::back_inserter(hilfe), kleiner);
    funde.swap(hilfe);
}

std::vector<double> Gezaehlt(const std::vector<double>& werte) {
    std::vector<double> out;
    out.reserve(werte.size() + 1);
    out.push_back(static_cast<double>(werte.size()));
    out.insert(out.end(), werte.begin(), werte.end());
    return out;
}

}  // namespace

double HauptF::GibNullst(const PolynomT& P, double a, double b) {
    const int g = P.grad();
    Halbierung h{a, b, Vorzeichen(Horner(P, g, a))};
    Halbieren(P, g, h);
    return h.m;
}

void HauptF::FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS) {
    std::array<PolynomT, 10> A;
    KP.resize(1);
    A[0].KopieVon(P);
    const int n = A[0].grad();
    if (n < 1) {
        KPAnzahl = 0;
        return;
    }
    // A polynomial with an infinite or NaN coefficient has no values to search.
    if (!A[0].IstEndlich()) {
        KP.assign(1, 0.0);
        NS.assign(1, 0.0);
        return;
    }
    Normieren(A[0]);
    double s = 0.0;
    for (double c : A[0].Koeff) s += Abs(c);
    double r = Max(2, s / Abs(A[0].Koeff[n]));
    if (!(r <= kGroessteZahl)) r = kGroessteZahl;
    for (int i = 1; i <= n - 1; ++i) A[i].Abl(A[i - 1]);

    std::vector<Fund> funde, sortiert;
    funde.reserve(64);
    sortiert.reserve(64);
    std::vector<double> ende;
    std::vector<int> vorzeichen;
    std::vector<Halbierung> halbierungen;
    std::vector<std::size_t> intervalle;
    // + 0.0 writes the zero of a linear derivative through the origin as 0, not -0.
    funde.push_back({-A[n - 1].Koeff[0] / A[n - 1].Koeff[1] + 0.0, n - 1});
    for (int m = n - 2; m >= 0; --m) {
        const int g = n - m;
        const std::size_t u = funde.size();
        // The interval ends of this level: -r, the points so far, r; and A(m)'s sign at each.
        ende.assign(1, -r);
        for (const Fund& f : funde) ende.push_back(f.x);
        ende.push_back(r);
        vorzeichen.resize(ende.size());
        for (std::size_t j = 0; j < ende.size(); ++j)
            vorzeichen[j] = Vorzeichen(Horner(A[m], g, ende[j]));
        halbierungen.clear();
        intervalle.clear();
        for (std::size_t j = 0; j + 1 < ende.size(); ++j)
            if (vorzeichen[j] * vorzeichen[j + 1] < 0) {
                halbierungen.push_back({ende[j], ende[j + 1], vorzeichen[j]});
                intervalle.push_back(j);
            }
        std::size_t i = 0;
        for (; i + 1 < halbierungen.size(); i += 2)
            HalbierenPaar(A[m], g, halbierungen[i], halbierungen[i + 1]);
        if (i < halbierungen.size()) Halbieren(A[m], g, halbierungen[i]);
        for (std::size_t i = 0; i < halbierungen.size(); ++i) {
            funde.push_back({halbierungen[i].m, m});
            // Interval j lies between point j - 1 and point j.
            const std::size_t j = intervalle[i];
            if (m == 0 && j >= 1) funde[j - 1].nebenWechsel = true;
            if (m == 0 && j < u) funde[j].nebenWechsel = true;
        }
        Einordnen(funde, u, sortiert);
    }

    // A sign change of f, f' or f'' that was bracketed is such a zero whatever its value there;
    // every other point must be a zero of one of them by the relative test. A point beside which
    // f changes sign is no zero of f: f has a sign there, and the zero beside it is listed.
    const int oben = std::min(2, n - 1);
    std::vector<double> punkte, nullstellen;
    for (const Fund& f : funde) {
        bool bleibt = f.stufe <= 2;
        for (int i = 0; i <= oben && !bleibt; ++i) bleibt = IstNullRelativ(*this, A[i], n - i, f.x);
        if (!bleibt) continue;
        punkte.push_back(f.x);
        if (f.stufe == 0 ||
            (!f.nebenWechsel && Abs(RelativerWert(A[0], n, f.x)) < kUnunterscheidbar))
            nullstellen.push_back(f.x);
    }
    KP = Gezaehlt(punkte);
    NS = Gezaehlt(nullstellen);
}
