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

#include "engine/HornerGenau.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

constexpr double kBreite = 1.0000000000000001e-11;  // halving goes on while b - a exceeds this
constexpr double kFang = 1e-10;  // a result this close to a whole number is that number
// Halving [-max, max] down to neighbouring Doubles takes fewer than 1080 passes; the cap only
// guards against a pass that narrows nothing.
constexpr int kMaxDurchlaeufe = 1100;
constexpr double kGroessteZahl = std::numeric_limits<double>::max();

// Signs rather than the product of two values: a product can underflow to 0 or overflow.
// NaN has no sign.
int Vorzeichen(double v) {
    return (v > 0.0) - (v < 0.0);
}

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
// midpoint of that sign), the sign vb at b, and m, the last midpoint.
struct Halbierung {
    double a;
    double b;
    int va;
    int vb;
    double m = 0.0;
};

// A point of the search, the derivative A(stufe) whose zero it is, and the bracket its bisection
// left (va = 0 for the zero of the linear derivative, which is computed directly). Every decision
// of the search, and the intervals of the next level, take the point as the bisection left it;
// only a zero of f is polished, as it is reported, so the polish moves no interval end and
// changes no sign the search sees.
struct Fund {
    double x;
    int stufe;
    Halbierung klammer;
    bool nebenWechsel = false;  // f changes sign in an interval beside it
};

// Halves the interval while it is wider than kBreite and its midpoint still lies strictly inside.
// Returns false once it is done; a pass that is not done leaves h.m to be evaluated.
bool Weiter(Halbierung& h, int n) {
    if (!(h.b - h.a > kBreite && n < kMaxDurchlaeufe)) return false;
    h.m = Mitte(h.a, h.b);
    return h.a < h.m && h.m < h.b;
}

void Schritt(Halbierung& h, double wert) {
    const int v = Vorzeichen(wert);
    if (h.va * v > 0) {
        h.a = h.m;
    } else {
        h.b = h.m;
        h.vb = v;
    }
}

void Halbieren(const PolynomT& p, int grad, Halbierung& h) {
    h.m = Mitte(h.a, h.b);
    for (int n = 0; Weiter(h, n); ++n) Schritt(h, Horner(p, grad, h.m));
}

// The bisection stops once the bracket is 1e-11 wide, which leaves the last four or five of the
// fifteen digits a zero is written with to chance. Newton's steps from the bisection's result
// reach the Double nearest the sign change; within a bracket this narrow the slope at its
// start serves every step. A step counts only while it stays in the bracket and does not make
// |p| larger, so where p' vanishes or the step leaves the bracket, the bisection's result
// stands. A bracket without a sign change (an interval given too narrow to halve) keeps its
// midpoint.
constexpr int kNewtonSchritte = 4;

double Poliert(const PolynomT& p, int grad, const Halbierung& h) {
    double x = h.m;
    if (h.va == 0 || h.va * h.vb > 0) return x;
    long double steigung = 0.0L;
    long double v = HornerGenau(p, grad, x, steigung);
    for (int i = 0; i < kNewtonSchritte && v != 0.0L; ++i) {
        const double y = static_cast<double>(x - v / steigung);
        if (!(h.a <= y && y <= h.b) || y == x) break;
        const long double wert = HornerGenau(p, grad, y);
        if (!(std::fabs(wert) <= std::fabs(v))) break;
        x = y;
        v = wert;
    }
    return x;
}

double Gefangen(double x) {
    return Abs(x - Round(x)) < kFang ? Round(x) : x;
}

// A zero of f as reported: written to 15 digits, so polished; the other points are only ever
// written to a few decimals.
double Gemeldet(const std::array<PolynomT, 10>& A, int n, const Fund& f) {
    if (f.klammer.va == 0) return f.x;
    return Gefangen(Poliert(A[f.stufe], n - f.stufe, f.klammer));
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
    Halbierung h{a, b, Vorzeichen(Horner(P, g, a)), Vorzeichen(Horner(P, g, b))};
    Halbieren(P, g, h);
    return Gefangen(Poliert(P, g, h));
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
    // A polynomial with an infinite or NaN coefficient has no values to search. The reader
    // refuses such a polynomial, but a quotient in the factor form can overflow.
    if (!A[0].IstEndlich()) {
        KPAnzahl = 0;
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
    const double linear = -A[n - 1].Koeff[0] / A[n - 1].Koeff[1] + 0.0;
    funde.push_back({linear, n - 1, {linear, linear, 0, 0, linear}});
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
                halbierungen.push_back({ende[j], ende[j + 1], vorzeichen[j], vorzeichen[j + 1]});
                intervalle.push_back(j);
            }
        for (Halbierung& h : halbierungen) Halbieren(A[m], g, h);
        for (std::size_t i = 0; i < halbierungen.size(); ++i) {
            const Halbierung& h = halbierungen[i];
            funde.push_back({Gefangen(h.m), m, h});
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
        const bool null = f.stufe == 0 ||
                          (!f.nebenWechsel && Abs(RelativerWert(A[0], n, f.x)) < kUnunterscheidbar);
        const double x = null ? Gemeldet(A, n, f) : f.x;
        punkte.push_back(x);
        if (null) nullstellen.push_back(x);
    }
    // Two points closer than the bracket's width may change places in the polish.
    std::sort(punkte.begin(), punkte.end());
    std::sort(nullstellen.begin(), nullstellen.end());
    KP = Gezaehlt(punkte);
    NS = Gezaehlt(nullstellen);
}
