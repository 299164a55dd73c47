// The search for critical points and real zeros. The points of every derivative are found level
// by level, each narrowed to a bracket of 1e-11 (engine/klammern.cpp); here the points that lie in
// one zone of noise are taken together as one point, and a zero of a higher derivative is kept
// only where f, f' or f'' vanishes there.
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
#include <cstddef>
#include <utility>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "engine/Numerik.h"
#include "engine/Suchstand.h"
#include "framework/Text.h"

namespace {

using numerik::Ableitung;
using suche::Fund;
using suche::kGroessteZahl;
using suche::Suche;

// The interval ends lie this much (relative) beyond the search bound: the sum of the
// coefficients is rounded, so a zero can lie exactly on the bound, where it has no sign.
constexpr double kJenseits = 0x1p-48;

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
}  // namespace

bool suche::Suche::NullGefragt(Fund& f, int j) const {
    const Ableitung& a = Abl(j);
    const double wert = numerik::Naeherungswert(a, f.x);
    if (j < static_cast<int>(klar.size()) && std::fabs(wert) > klar[static_cast<std::size_t>(j)])
        return false;
    const double lo = std::min(f.klammer.a, f.x);
    const double hi = std::max(f.klammer.b, f.x);
    return !numerik::KlarUeberRauschen(a, wert, lo, hi) &&
           (numerik::ImRauschen(a, Genau(f)) || numerik::SicheresVorzeichen(a, f.x) == 0);
}

namespace {

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
    std::size_t behalten = 0;
    for (const Stelle& st : stellen) {
        if (behalten > 0 && Derselbe(stellen[behalten - 1], st)) {
            Stelle& eine = stellen[behalten - 1];
            if (st.ordnung < eine.ordnung) {
                eine.x = st.x;
                eine.ordnung = st.ordnung;
            }
            eine.nullstelle = eine.nullstelle || st.nullstelle;
            eine.vielfachheit = std::max(eine.vielfachheit, st.vielfachheit);
        } else {
            stellen[behalten++] = st;
        }
    }
    stellen.resize(behalten);
    int summe = 0;
    for (const Stelle& st : stellen) summe += st.vielfachheit;
    while (summe > n) {
        auto groesste = std::max_element(
            stellen.begin(), stellen.end(),
            [](const Stelle& a, const Stelle& b) { return a.vielfachheit < b.vielfachheit; });
        if (groesste->vielfachheit <= 1) break;
        --groesste->vielfachheit;
        --summe;
    }
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
    const std::array<double, 10> abstand = suche::Abstaende(P, n, e);
    double summe = 0.0;
    for (double c : f.Koeff) summe += Abs(c);
    double r = Max(2, summe / Abs(f.Koeff[n]));
    if (!(r <= kGroessteZahl)) r = kGroessteZahl;
    s.ende = std::min(r + r * kJenseits, kGroessteZahl);
    for (int j = 0; j <= n - 1; ++j)
        numerik::AbleitungVon(f.Koeff, abstand, n, j, s.A[static_cast<std::size_t>(j)]);
    suche::Ebenen(s);
    const Suche::Reichweite reichweite = s.Weite();
    for (int j = 0; j <= std::min(2, n - 1); ++j)
        s.klar[static_cast<std::size_t>(j)] = 2.0 * s.KlarSchranke(j, reichweite);

    std::vector<Stelle> stellen;
    stellen.reserve(s.funde.size());
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

bool polynom::FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS) {
    KP.resize(1);
    if (P.grad() < 1 || !P.IstEndlich()) {
        if (P.grad() >= 1) {
            KP.assign(1, 0.0);
            NS.assign(1, 0.0);
        }
        return false;
    }
    // The counted arrays, the count first, then the points: KP whole before NS, so that where
    // both name one array it ends as NS, as assigning them one after the other would leave it.
    const std::vector<Stelle> stellen = KritischeStellen(P);
    KP.assign(1, static_cast<double>(stellen.size()));
    for (const Stelle& st : stellen) KP.push_back(st.x);
    NS.assign(1, 0.0);
    for (const Stelle& st : stellen)
        if (st.nullstelle) NS.push_back(st.x);
    NS[0] = static_cast<double>(NS.size() - 1);
    return true;
}
