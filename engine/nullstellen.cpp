// The search for critical points and real zeros. It finds the zero of the linear derivative
// directly and then, one derivative lower at a time down to f itself, narrows every sign change
// between the points found so far to a bracket of 1e-11; so each level is searched between the
// zeros of all higher derivatives, between which it is monotonic. Points that lie in one zone of
// noise are then taken together as one point, and a zero of a higher derivative is kept only where
// f, f' or f'' vanishes there.
//
// The noise is what the data leave open. Each coefficient c_k may stand for a number up to
// delta_k away (numerik::Unschaerfe: 0 where c_k is exactly the decimal its term shows, as whole
// numbers are, else 2^-53 |c_k|, the bound of the rounding that made it), so a value at x may be
// off by sum delta_k |x|^k (with the derivative factors for f' and f''), plus the error bound of
// its compensated evaluation. Values within that cannot be told from 0, so zeros that rounding
// the typed decimals has split are one; values beyond it can, also where terms of 1e16 sum to
// values of order 1, so the zeros of exact coefficients stay apart however close they lie. Every
// sign the search decides on is sure: Horner's rule in Double where its error bound allows, the
// compensated value next to a zero.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "engine/Numerik.h"
#include "framework/Text.h"

namespace {

using numerik::Ableitung;
using numerik::kEinheit;

// Halving [-max, max] down to neighbouring Doubles takes fewer than 1080 passes; the cap only
// guards against a pass that narrows nothing.
constexpr int kMaxDurchlaeufe = 1100;
constexpr double kGroessteZahl = std::numeric_limits<double>::max();
// The interval ends lie this much (relative) beyond the search bound: the sum of the
// coefficients is rounded, so a zero can lie exactly on the bound, where it has no sign.
constexpr double kJenseits = 0x1p-48;

// A value not yet computed, or a point not yet aimed at.
constexpr double kOffen = std::numeric_limits<double>::quiet_NaN();

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

    // The bracket holds a sign change of p (or an exact zero at b).
    bool Wechsel() const { return va != 0 && va * vb <= 0; }
};

// Halves the interval while it is wider than the width bound and its midpoint still lies
// strictly inside. Returns false once it is done; a pass that is not done leaves h.m to be
// evaluated.
bool Weiter(Halbierung& h, int n) {
    if (!(h.b - h.a > numerik::kBreite && n < kMaxDurchlaeufe)) return false;
    h.m = Mitte(h.a, h.b);
    return h.a < h.m && h.m < h.b;
}

void Schritt(Halbierung& h, int v) {
    if (h.va * v > 0) {
        h.a = h.m;
    } else {
        h.b = h.m;
        h.vb = v;
    }
}

// vorzeichen(x) is the sign of the function at x.
template <class Zeichen>
void Halbieren(Halbierung& h, Zeichen vorzeichen) {
    h.m = Mitte(h.a, h.b);
    for (int n = 0; Weiter(h, n); ++n) Schritt(h, vorzeichen(h.m));
}

// a's value at x with its slope, by Horner's rule in Double on the high parts, and whether its
// sign is sure there: the bound of numerik::SicheresVorzeichen, gamma(2n + 2) of the size
// sum |k_i x^i| summed beside it, is cleared. The value aims the next point.
double Naeherung(const Ableitung& a, double x, double& steigung, bool& sicher) {
    const int n = a.grad;
    double s = a.k[static_cast<std::size_t>(n)].hi;
    double d = 0.0;
    double g = std::fabs(s);
    const double ax = std::fabs(x);
    for (int i = n - 1; i >= 0; --i) {
        const double c = a.k[static_cast<std::size_t>(i)].hi;
        d = d * x + s;
        s = s * x + c;
        g = g * ax + std::fabs(c);
    }
    steigung = d;
    sicher = std::fabs(s) > numerik::kSicher[static_cast<std::size_t>(n)] * g || std::isinf(s);
    return s;
}

// Laguerre's step from x, with a's value and first two derivatives by Horner's rule in Double on
// the high parts (only to aim a point): where all zeros are real and x lies beyond them, it lands
// between x and the nearest zero, next to that zero, and on it for a quadratic. NaN where the
// root it takes is not real.
double Laguerre(const Ableitung& a, double x) {
    const int n = a.grad;
    double s = a.k[static_cast<std::size_t>(n)].hi;
    double d = 0.0;
    double dd = 0.0;
    for (int i = n - 1; i >= 0; --i) {
        dd = dd * x + d;
        d = d * x + s;
        s = s * x + a.k[static_cast<std::size_t>(i)].hi;
    }
    const double g = d / s;
    const double h = g * g - 2.0 * dd / s;
    const double w = std::sqrt((n - 1) * (n * h - g * g));
    const double nenner = g + std::copysign(w, g);
    return x - n / nenner;
}

// Narrows the bracket as the halving does, to the same end (narrower than the width bound, or
// no Double left strictly inside, h.m its end last evaluated), in a few steps in place of some
// forty, and every sign that moves an end is sure. Newton's step aims each next point; a halving
// takes its place wherever the step would leave the bracket or would not be half as long as the
// step before the last, so it never takes much longer than halving. Newton's points close in on
// the zero from one side: once a step is shorter than a quarter of the width bound, the next
// point is set that far beyond the zero, towards the other end, which closes the bracket there
// (or, where the zero lies further, moves the near end on), and h.m is then the point that step
// aimed at, inside the bracket and next to the zero. A point where the value is exactly 0 ends
// the search of that bracket.
//
// In a bracket that reaches out to an interval end e (aussen -1 for -e, 1 for e), beyond all
// zeros of the higher derivatives, the zero is the outermost one of the function, and the first
// point is Laguerre's step from e, which from outside all zeros lands next to the outermost one,
// where halving would take a pass for each factor 2 between e and the zero. An inner bracket
// starts where the line through its ends' values wa and wb (Horner's rule in Double, as the level
// took them for the signs) crosses 0, which lies nearer its zero than the midpoint does and costs
// no evaluation.
void Eingeengt(Halbierung& h, const Ableitung& a, int aussen, double wa, double wb) {
    constexpr double kJenseitsNull = 0.25 * numerik::kBreite;
    // Where no Double lies strictly inside, the point is the midpoint as Mitte rounds it, an end.
    double x = h.m = Mitte(h.a, h.b);
    if (aussen != 0 && h.a < x && x < h.b) {
        const double y = Laguerre(a, aussen < 0 ? h.a : h.b);
        if (h.a < y && y < h.b) x = y;
    } else if (h.a < x && x < h.b) {
        const double y = h.a - wa * ((h.b - h.a) / (wb - wa));
        if (h.a < y && y < h.b) x = y;
    }
    double letzter = h.b - h.a;
    double vorletzter = letzter;
    double ziel = kOffen;
    for (int n = 0; n < kMaxDurchlaeufe; ++n) {
        if (!(h.a < x && x < h.b)) return;
        h.m = x;
        double steigung = 0.0;
        bool sicher = false;
        const double wert = Naeherung(a, x, steigung, sicher);
        // The sign as numerik::SicheresVorzeichen(a, x) takes it, from the same sums: Horner's
        // rule where its bound is cleared, else the compensated value.
        int v = (wert > 0.0) - (wert < 0.0);
        if (!sicher) {
            const double genau = numerik::KompensiertHorner(a.k, a.grad, x).wert;
            v = (genau > 0.0) - (genau < 0.0);
        }
        // An exact zero is the point itself; the bracket shrinks onto it.
        if (v == 0) {
            h.a = h.b = x;
            h.vb = 0;
            return;
        }
        Schritt(h, v);
        if (!(h.b - h.a > numerik::kBreite)) {
            // Where the point beyond closed the bracket, Newton's point before it lies next to
            // the zero, closer than either end: the polish starts there.
            if (h.a < ziel && ziel < h.b) h.m = ziel;
            return;
        }
        const double schritt = wert / steigung;
        double y = x - schritt;
        ziel = kOffen;
        if (std::fabs(schritt) < kJenseitsNull) {
            ziel = y;
            // x is an end now and the zero lies towards the other: that way, whichever way the
            // value's last bits point the step. A point so far off that it left the bracket would
            // have found the bracket narrower than the width bound already.
            const double weit =
                std::max(std::fabs(schritt) + kJenseitsNull, 4.0 * kEinheit * std::fabs(x));
            y = x == h.a ? x + weit : x - weit;
        } else if (!(std::fabs(schritt) <= 0.5 * vorletzter)) {
            y = Mitte(h.a, h.b);
        }
        if (!(h.a < y && y < h.b)) y = Mitte(h.a, h.b);
        vorletzter = letzter;
        letzter = std::fabs(y - x);
        x = y;
    }
}

// A point of the search, the derivative A(stufe) whose zero it is, and the bracket its
// search left (no sign change for the zero of the linear derivative, which is computed
// directly). The point as the search left it, snapped, is an interval end of the lower levels,
// so the polish moves no interval end. Whether another derivative vanishes at the point is asked
// at the point polished in A(stufe), computed when first needed: 1e-11 off it, the value of f at
// a double zero of exact coefficients lies far beyond their noise.
struct Fund {
    double x;
    int stufe;
    Halbierung klammer;
    double genau;  // x polished in A(stufe); NaN until asked
    // Per derivative j: -1 not yet asked, else whether A(j) is 0 at x within the noise.
    std::array<signed char, 10> null;
};

constexpr std::array<signed char, 10> kUngefragt = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

// Scales by a power of two so that the largest coefficient lies in [0.5, 1): exact, so every
// value keeps its sign and zeros stay where they are, while the derivatives (up to 9! times the
// leading coefficient) cannot overflow. Returns the exponent taken off.
int Normieren(PolynomT& p) {
    double groesste = 0.0;
    for (double c : p.Koeff) groesste = std::max(groesste, std::fabs(c));
    int e = 0;
    std::frexp(groesste, &e);
    for (double& c : p.Koeff) c = std::ldexp(c, -e);
    return e;
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

// The derivatives A(0) = f (scaled) to A(n - 1), exact, with their noise; the degree n and the
// interval ends +-ende.
struct Suche {
    std::array<Ableitung, 10> A;
    int n = 0;
    double ende = 0.0;
    std::vector<Fund> funde;

    const Ableitung& Abl(int j) const { return A[static_cast<std::size_t>(j)]; }

    double Genau(Fund& f) const {
        if (std::isnan(f.genau)) {
            const Halbierung& h = f.klammer;
            f.genau = numerik::Eingegrenzt(Abl(f.stufe), h.m, h.a, h.b, h.va);
        }
        return f.genau;
    }

    // Where f's point truly lies, as far as it matters to the whole number ganz: the point
    // polished where ganz is within reach of its bracket, else as the search left it (the
    // polished point lies in the bracket, and so does the point as left).
    double Ende(Fund& f, double ganz) const {
        const bool nahe = std::fabs(ganz - f.x) <= 2.0 * (f.klammer.b - f.klammer.a);
        return nahe ? Genau(f) : f.x;
    }

    // numerik::KlarSchranke of A(j) for the brackets of all points found so far (each widened to
    // hold its point): where A(j)'s value at one of them is larger than twice this, it is larger
    // than twice that point's own bound, and A(j) is clearly beyond its noise there.
    double KlarSchranke(int j) const {
        double X = 0.0;
        double breite = 0.0;
        for (const Fund& f : funde) {
            const double lo = std::min(f.klammer.a, f.x);
            const double hi = std::max(f.klammer.b, f.x);
            X = std::max({X, std::fabs(lo), std::fabs(hi)});
            breite = std::max(breite, hi - lo);
        }
        return numerik::KlarSchranke(Abl(j), X, breite);
    }

    // A(j) vanishes at f's point: it is a bracketed zero of A(j), or A(j)'s value at the point
    // polished lies in the noise, or A(j) is exactly 0 at the point as an interval end (where no
    // interval beside it was searched for A(j)). Most values lie far beyond the noise, which
    // Double arithmetic at the unpolished point tells at once.
    bool Null(Fund& f, int j) const {
        if (f.stufe == j) return true;
        signed char& c = f.null[static_cast<std::size_t>(j)];
        if (c < 0) {
            const Ableitung& a = Abl(j);
            const double lo = std::min(f.klammer.a, f.x);
            const double hi = std::max(f.klammer.b, f.x);
            c = !numerik::KlarUeberRauschen(a, f.x, lo, hi) &&
                (numerik::ImRauschen(a, Genau(f)) || numerik::SicheresVorzeichen(a, f.x) == 0);
        }
        return c != 0;
    }
};

void Ebenen(Suche& s) {
    const int n = s.n;
    std::vector<Fund>& funde = s.funde;
    std::vector<Fund> sortiert;
    funde.reserve(64);
    sortiert.reserve(64);
    std::vector<double> ende;
    std::vector<int> vorzeichen;
    std::vector<double> werte;
    std::vector<Halbierung> halbierungen;
    std::vector<std::size_t> intervall;
    // The zero of the linear derivative, the Double nearest the exact quotient; + 0.0 writes it
    // as 0, not -0, where it lies at the origin. Where the quotient overflows, the zero lies
    // beyond every Double and is no point.
    const Ableitung& lin = s.Abl(n - 1);
    const double linear =
        numerik::AlsDouble(numerik::Durch(numerik::Minus(lin.k[0]), lin.k[1])) + 0.0;
    if (std::isfinite(linear))
        funde.push_back({linear, n - 1, {linear, linear, 0, 0, linear}, linear, kUngefragt});
    for (int m = n - 2; m >= 0; --m) {
        const Ableitung& a = s.Abl(m);
        const std::size_t u = funde.size();
        // The interval ends of this level: -ende, the points so far, ende; and A(m)'s sign there.
        ende.assign(1, -s.ende);
        for (const Fund& f : funde) ende.push_back(f.x);
        ende.push_back(s.ende);
        vorzeichen.resize(ende.size());
        werte.assign(ende.size(), 0.0);
        // The points so far lie within X of 0 (they are sorted), so one bound serves for them.
        const double X = u == 0 ? 0.0 : std::max(-funde.front().x, funde.back().x);
        const double sicherheit = numerik::Sicherheit(a, X);
        vorzeichen.front() = numerik::SicheresVorzeichen(a, ende.front());
        vorzeichen.back() = numerik::SicheresVorzeichen(a, ende.back());
        // A(m)'s value at each point so far also answers Suche::Null(f, m) where it clears the
        // quick noise test's bound taken for all their brackets at once.
        const double klar = 2.0 * s.KlarSchranke(m);
        for (std::size_t j = 1; j + 1 < ende.size(); ++j) {
            Fund& f = funde[j - 1];
            const double w = numerik::Naeherungswert(a, f.x);
            vorzeichen[j] = numerik::SicheresVorzeichen(a, f.x, sicherheit, w);
            werte[j] = w;
            if (std::fabs(w) > klar) f.null[static_cast<std::size_t>(m)] = 0;
        }
        halbierungen.clear();
        intervall.clear();
        for (std::size_t j = 0; j + 1 < ende.size(); ++j)
            if (vorzeichen[j] * vorzeichen[j + 1] < 0) {
                halbierungen.push_back({ende[j], ende[j + 1], vorzeichen[j], vorzeichen[j + 1]});
                intervall.push_back(j);
            }
        for (std::size_t i = 0; i < halbierungen.size(); ++i) {
            Halbierung& h = halbierungen[i];
            const std::size_t j = intervall[i];
            const int aussen = j == 0 ? -1 : static_cast<int>(j == u);
            Eingeengt(h, a, aussen, werte[j], werte[j + 1]);
            double x = h.m + 0.0;
            // The snap asks where the interval's ends truly lie: the points of the higher
            // derivatives polished (the ends beside them are funde[j - 1] and funde[j]).
            if (std::fabs(x - Round(x)) < numerik::kFangPunkt) {
                const double ganz = Round(x);
                const double lo = j == 0 ? -s.ende : s.Ende(funde[j - 1], ganz);
                const double hi = j == u ? s.ende : s.Ende(funde[j], ganz);
                x = numerik::PunktGefangen(a, x, lo, hi);
            }
            funde.push_back({x, m, h, x == h.m ? kOffen : x, kUngefragt});
        }
        Einordnen(funde, u, sortiert);
    }
}

// Two neighbouring points are one when they are equal or when some of f, f', f'' vanishes at
// both: between them that derivative cannot be told from 0, so what changes sign there is noise.
bool Beisammen(Suche& s, Fund& p, Fund& q) {
    if (p.x == q.x) return true;
    const int oben = std::min(2, s.n - 1);
    for (int j = 0; j <= oben; ++j)
        if (s.Null(p, j) && s.Null(q, j)) return true;
    return false;
}

// A cluster of neighbouring points of the search, funde[von] to funde[bis - 1].
struct Haufen {
    std::size_t von;
    std::size_t bis;
};

// Some point of the cluster is a zero of A(j): its own bracketed zero, or in the noise zone.
bool Irgendwo(Suche& s, Haufen h, int j) {
    for (std::size_t i = h.von; i < h.bis; ++i)
        if (s.Null(s.funde[i], j)) return true;
    return false;
}

// The lowest of f, f', f'' that vanishes in the cluster, A(j0); -1 where none does.
int NiedrigsteNull(Suche& s, Haufen h) {
    const int oben = std::min(2, s.n - 1);
    for (int j = 0; j <= oben; ++j)
        if (Irgendwo(s, h, j)) return j;
    return -1;
}

// For A(j0) ~ c (x - a)^m the derivatives A(j0) to A(j0 + m - 1) all vanish at a and A(j0 + m)
// does not: so m is the smallest k >= 1 for which A(j0 + k) vanishes at no point of the cluster.
// Within the noise zone a cluster of close zeros is such a multiple zero, whichever point of it
// each derivative vanishes at. At a centre of symmetry of a simple zero, f'' may vanish but f'
// does not, so the zero stays simple.
//
// And a zero of odd multiplicity changes sign, one of even multiplicity does not: where a
// multiplicity above 1 contradicts the signs of A(j0) on both sides of the cluster, it is one
// less. In a wide stretch where f lies within the noise throughout,
// zeros of f' and f'' lie at points of their own: x^7 + 1055.7x^6 + ... + 1773136815049440, below
// the axis from -150.55 to -150.09 with a zero of f' and one of f'' there, touches it twice, not
// three times, and what the factor form leaves of it has no real zero.
int Vielfachheit(Suche& s, Haufen h, int j0) {
    int m = 1;
    while (j0 + m <= s.n - 1 && Irgendwo(s, h, j0 + m)) ++m;
    if (m == 1) return m;
    const double links = h.von == 0 ? -s.ende : s.funde[h.von - 1].x;
    const double rechts = h.bis == s.funde.size() ? s.ende : s.funde[h.bis].x;
    const Ableitung& a = s.Abl(j0);
    const int vor = numerik::SicheresVorzeichen(a, links / 2 + s.funde[h.von].x / 2);
    const int nach = numerik::SicheresVorzeichen(a, s.funde[h.bis - 1].x / 2 + rechts / 2);
    return vor == 0 || nach == 0 || (vor != nach) == (m % 2 == 1) ? m : m - 1;
}

// The point that stands for the cluster as a zero of A(k): the middle one of the cluster's own
// zeros of A(k), or, where it holds none, of the points at which A(k) lies in the noise zone.
std::size_t Vertreter(Suche& s, Haufen h, int k) {
    bool eigene = false;
    for (std::size_t i = h.von; i < h.bis && !eigene; ++i) eigene = s.funde[i].stufe == k;
    const auto kandidat = [&](std::size_t i) {
        return eigene ? s.funde[i].stufe == k : s.Null(s.funde[i], k);
    };
    std::size_t anzahl = 0;
    for (std::size_t i = h.von; i < h.bis; ++i) anzahl += kandidat(i);
    for (std::size_t i = h.von, j = 0; i < h.bis; ++i)
        if (kandidat(i) && j++ == anzahl / 2) return i;
    return h.von;
}

// The neighbouring zeros of A(k + 1) around x, between which A(k) is monotonic, or the interval
// ends: as the search left them, or where they truly lie as far as it matters to the whole number
// next to x. The polish of a cluster's estimate works there, and its snap stays strictly inside
// the true ones.
std::pair<double, double> Monoton(Suche& s, std::size_t von, int k, double x, bool genau) {
    const double ganz = Round(x);
    const auto stelle = [&s, genau, ganz](Fund& f) { return genau ? s.Ende(f, ganz) : f.x; };
    double a = -s.ende;
    double b = s.ende;
    for (std::size_t i = von; i-- > 0;)
        if (s.funde[i].stufe == k + 1 && s.funde[i].x < x) {
            a = stelle(s.funde[i]);
            break;
        }
    for (std::size_t i = von; i < s.funde.size(); ++i)
        if (s.funde[i].stufe == k + 1 && s.funde[i].x > x) {
            b = stelle(s.funde[i]);
            break;
        }
    return {a, b};
}

// The cluster's estimate as a zero of A(k), from its representative f: f itself where it is the
// zero of the linear derivative, f polished in its bracket where it is a bracketed zero of A(k),
// else Newton's steps in A(k) from f over the interval where A(k) is monotonic.
double Geschaetzt(Suche& s, Haufen h, int k) {
    Fund& f = s.funde[Vertreter(s, h, k)];
    if (k == s.n - 1) return f.x;
    if (f.stufe == k && f.klammer.Wechsel()) return s.Genau(f);
    const auto [a, b] = Monoton(s, h.von, k, f.x, false);
    return numerik::Poliert(s.Abl(k), f.x, a, b);
}

// One cluster as one point: a zero of A(j0) of multiplicity m, whose estimate is the zero of
// A(j0 + m - 1) in it, a simple, well-conditioned zero there, polished in A(j0 + m - 1). Where
// A(j0) does not vanish there within the noise (a wide stretch in which the derivatives vanish at
// points of their own), the estimate is the cluster's zero of A(j0) itself: the point listed is
// one at which A(j0) vanishes. A cluster in which none of f, f', f'' vanishes holds only zeros of
// higher derivatives: no critical point.
bool Zusammengefasst(Suche& s, Haufen h, Stelle& ergebnis) {
    const int j0 = NiedrigsteNull(s, h);
    if (j0 < 0) return false;
    const int m = Vielfachheit(s, h, j0);
    int k = j0 + m - 1;
    ergebnis.x = Geschaetzt(s, h, k);
    if (m > 1 && !numerik::ImRauschen(s.Abl(j0), ergebnis.x)) {
        k = j0;
        ergebnis.x = Geschaetzt(s, h, k);
    }
    if (k < s.n - 1 && std::fabs(ergebnis.x - Round(ergebnis.x)) < numerik::kFangPunkt) {
        const auto [a, b] = Monoton(s, h.von, k, ergebnis.x, true);
        ergebnis.x = numerik::PunktGefangen(s.Abl(k), ergebnis.x, a, b);
    }
    ergebnis.ordnung = j0;
    ergebnis.nullstelle = j0 == 0;
    ergebnis.vielfachheit = j0 == 0 ? m : 0;
    return std::isfinite(ergebnis.x);
}

// Two points a few units in the last place apart are one point the search reached twice: at a
// centre of symmetry a zero of f is also a zero of f'' (or of a higher derivative), and each is
// polished in its own derivative to the Double next to it, which may be a neighbour of the
// other. Distinct points further apart stay apart, however close: x^3 - 1e-11x^2 has the zeros 0
// and 1e-11 and critical points between them.
bool Derselbe(const Stelle& a, const Stelle& b) {
    return std::fabs(a.x - b.x) <= 0x1p-50 * std::max(std::fabs(a.x), std::fabs(b.x));
}

// Points of two clusters can meet; the one point keeps the place of the zero of the lowest of
// f, f', f'' among them, so the zeros list and the factor form see what they would alone, and the
// value table shows a critical point of f' where it lies, not at a point of f''' beside it. And
// the multiplicities must not add up to more than the degree (where noise lets a derivative
// vanish at some point of a cluster, the cluster can claim one more than f has to give).
void Bereinigen(std::vector<Stelle>& stellen, int n) {
    std::sort(stellen.begin(), stellen.end(),
              [](const Stelle& a, const Stelle& b) { return a.x < b.x; });
    std::vector<Stelle> out;
    for (const Stelle& st : stellen) {
        if (!out.empty() && Derselbe(out.back(), st)) {
            Stelle& eine = out.back();
            if (st.ordnung < eine.ordnung) {
                eine.x = st.x;
                eine.ordnung = st.ordnung;
            }
            eine.nullstelle = eine.nullstelle || st.nullstelle;
            eine.vielfachheit = std::max(eine.vielfachheit, st.vielfachheit);
        } else {
            out.push_back(st);
        }
    }
    int summe = 0;
    for (const Stelle& st : out) summe += st.vielfachheit;
    while (summe > n) {
        auto groesste = std::max_element(
            out.begin(), out.end(),
            [](const Stelle& a, const Stelle& b) { return a.vielfachheit < b.vielfachheit; });
        if (groesste->vielfachheit <= 1) break;
        --groesste->vielfachheit;
        --summe;
    }
    stellen.swap(out);
}

std::vector<double> Gezaehlt(const std::vector<double>& werte) {
    std::vector<double> out;
    out.reserve(werte.size() + 1);
    out.push_back(static_cast<double>(werte.size()));
    out.insert(out.end(), werte.begin(), werte.end());
    return out;
}

// What the term's decimals leave open of each coefficient of p, scaled by 2^-e as p is.
std::array<double, 10> Abstaende(const PolynomT& p, int grad, int e) {
    std::array<double, 10> abstand{};
    for (int i = 0; i <= grad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        abstand[k] = std::ldexp(numerik::Unschaerfe(p.Koeff[k]), -e);
    }
    return abstand;
}

std::vector<Stelle> Gesucht(const PolynomT& P) {
    Suche s;
    PolynomT f;
    f.KopieVon(P);
    s.n = f.grad();
    const int n = s.n;
    // A polynomial with an infinite or NaN coefficient has no values to search. The reader
    // refuses such a polynomial, but a quotient can overflow.
    if (n < 1 || !f.IstEndlich()) return {};
    const int e = Normieren(f);
    const std::array<double, 10> abstand = Abstaende(P, n, e);
    double summe = 0.0;
    for (double c : f.Koeff) summe += Abs(c);
    double r = Max(2, summe / Abs(f.Koeff[n]));
    if (!(r <= kGroessteZahl)) r = kGroessteZahl;
    s.ende = std::min(r + r * kJenseits, kGroessteZahl);
    for (int j = 0; j <= n - 1; ++j)
        s.A[static_cast<std::size_t>(j)] = numerik::AbleitungVon(f.Koeff, abstand, n, j);
    Ebenen(s);

    std::vector<Stelle> stellen;
    for (std::size_t von = 0; von < s.funde.size();) {
        std::size_t bis = von + 1;
        while (bis < s.funde.size() && Beisammen(s, s.funde[bis - 1], s.funde[bis])) ++bis;
        Stelle st{};
        if (Zusammengefasst(s, {von, bis}, st)) stellen.push_back(st);
        von = bis;
    }
    Bereinigen(stellen, n);
    return stellen;
}

}  // namespace

// The search keeps nothing between calls: each call searches the coefficients it is given.
std::vector<Stelle> KritischeStellen(const PolynomT& P) {
    return Gesucht(P);
}

double polynom::GibNullst(const PolynomT& P, double a, double b) {
    const int g = std::max(P.grad(), 0);
    const Ableitung p = numerik::AbleitungVon(P.Koeff, Abstaende(P, g, 0), g, 0);
    const auto vorzeichenVon = [&p](double x) { return numerik::SicheresVorzeichen(p, x); };
    Halbierung h{a, b, vorzeichenVon(a), vorzeichenVon(b)};
    Halbieren(h, vorzeichenVon);
    // A bracket without a sign change (an interval given too narrow to halve) keeps its midpoint.
    if (!h.Wechsel()) return numerik::PunktGefangen(h.m);
    return numerik::PunktGefangen(p, numerik::Poliert(p, h.m, h.a, h.b), a, b);
}

bool polynom::FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS) {
    KP.resize(1);
    if (P.grad() < 1 || !P.IstEndlich()) {
        if (P.grad() >= 1) {
            KP.assign(1, 0.0);
            NS.assign(1, 0.0);
        }
        return false;
    }
    std::vector<double> punkte, nullstellen;
    for (const Stelle& st : KritischeStellen(P)) {
        punkte.push_back(st.x);
        if (st.nullstelle) nullstellen.push_back(st.x);
    }
    KP = Gezaehlt(punkte);
    NS = Gezaehlt(nullstellen);
    return true;
}
