// The narrowing of the search's brackets. It finds the zero of the linear derivative directly
// and then, one derivative lower at a time down to f itself, narrows every sign change between
// the points found so far to a bracket of 1e-11: so each level is searched between the zeros of
// all higher derivatives, between which it is monotonic. Every sign that moves an end is sure.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Numerik.h"
#include "engine/Suchstand.h"
#include "framework/Text.h"

namespace suche {
namespace {

using numerik::kEinheit;

// Halving [-max, max] down to neighbouring Doubles takes fewer than 1080 passes; the cap only
// guards against a pass that narrows nothing.
constexpr int kMaxDurchlaeufe = 1100;

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
    double g = 0.0;
    const double s = numerik::NaeherungMitGroesse(a, x, steigung, g);
    sicher = std::fabs(s) > numerik::kSicher[static_cast<std::size_t>(a.grad)] * g || std::isinf(s);
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
}  // namespace

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

}  // namespace suche

double polynom::GibNullst(const PolynomT& P, double a, double b) {
    const int g = std::max(P.grad(), 0);
    const numerik::Ableitung p = numerik::AbleitungVon(P.Koeff, suche::Abstaende(P, g, 0), g, 0);
    const auto vorzeichenVon = [&p](double x) { return numerik::SicheresVorzeichen(p, x); };
    suche::Halbierung h{a, b, vorzeichenVon(a), vorzeichenVon(b)};
    suche::Halbieren(h, vorzeichenVon);
    // A bracket without a sign change (an interval given too narrow to halve) keeps its midpoint.
    if (!h.Wechsel()) return numerik::PunktGefangen(h.m);
    return numerik::PunktGefangen(p, numerik::Poliert(p, h.m, h.a, h.b), a, b);
}
