// The narrowing of the search's brackets. It finds the zero of the linear derivative directly
// and then, one derivative lower at a time down to f itself, narrows every sign change between
// the points found so far to a bracket of 1e-11: so each level is searched between the zeros of
// all higher derivatives, between which it is monotonic. Every sign that moves an end is sure.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/Dienste.h"
#include "engine/Geordnet.h"
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
// the zero from one side, each aimed 0.4 of the width bound short of Newton's point: once a step
// is shorter than 0.45 of the width bound, the next point is set that far beyond the zero,
// towards the other end, which closes the bracket there (or, where the zero lies further, moves
// the near end on), and h.m is then the point that step aimed at, inside the bracket and next to
// the zero, or the end it was taken from. Aimed short, the two points that close the bracket lie
// some 4e-12 off the zero on either side, where Horner's rule in Double mostly tells the sign; a
// point on the zero itself would need the compensated value. A point where the value is exactly
// 0 ends the search of that bracket.
//
// The first point is anfang where it lies strictly inside, else the midpoint. Returns the slope
// at the last point evaluated, next to the zero (NaN where none was).
double Eingeengt(Halbierung& h, const Ableitung& a, double anfang) {
    constexpr double kJenseitsNull = 0.45 * numerik::kBreite;
    constexpr double kDavor = 0.4 * numerik::kBreite;
    // Where no Double lies strictly inside, the point is the midpoint as Mitte rounds it, an end.
    double x = h.m = Mitte(h.a, h.b);
    if (h.a < x && x < h.b && h.a < anfang && anfang < h.b) x = anfang;
    double steigung = kOffen;
    double letzter = h.b - h.a;
    double vorletzter = letzter;
    double ziel = kOffen;
    double vorher = kOffen;
    for (int n = 0; n < kMaxDurchlaeufe; ++n) {
        if (!(h.a < x && x < h.b)) return steigung;
        h.m = x;
        double groesse = 0.0;
        const double wert = numerik::NaeherungMitGroesse(a, x, steigung, groesse);
        // The sign as numerik::SicheresVorzeichen(a, x) takes it, from the same sums: Horner's
        // rule where its bound is cleared, else the compensated value.
        int v = (wert > 0.0) - (wert < 0.0);
        if (!numerik::Sicher(a, wert, groesse)) {
            const double genau = numerik::KompensiertHorner(a.k, a.grad, x).wert;
            v = (genau > 0.0) - (genau < 0.0);
        }
        // An exact zero is the point itself; the bracket shrinks onto it.
        if (v == 0) {
            h.a = h.b = x;
            h.vb = 0;
            return steigung;
        }
        Schritt(h, v);
        if (!(h.b - h.a > numerik::kBreite)) {
            // Where the point beyond closed the bracket, Newton's point before it lies next to
            // the zero, closer than either end: the polish starts there. Where the value's last
            // bits pointed that step out of the bracket, the end it was taken from, if it still
            // is one, is nearer to the zero than the point beyond.
            if (h.a < ziel && ziel < h.b) {
                h.m = ziel;
            } else if (!std::isnan(ziel) && (vorher == h.a || vorher == h.b)) {
                h.m = vorher;
            }
            return steigung;
        }
        const double schritt = wert / steigung;
        double y = x - schritt;
        ziel = kOffen;
        if (std::fabs(schritt) < kJenseitsNull) {
            ziel = y;
            vorher = x;
            // x is an end now and the zero lies towards the other: that way, whichever way the
            // value's last bits point the step. A point so far off that it left the bracket would
            // have found the bracket narrower than the width bound already.
            const double weit =
                std::max(std::fabs(schritt) + kJenseitsNull, 4.0 * kEinheit * std::fabs(x));
            y = x == h.a ? x + weit : x - weit;
        } else if (!(std::fabs(schritt) <= 0.5 * vorletzter)) {
            y = Mitte(h.a, h.b);
        } else if (std::fabs(schritt) > 2.0 * kDavor) {
            y += std::copysign(kDavor, schritt);
        }
        if (!(h.a < y && y < h.b)) y = Mitte(h.a, h.b);
        vorletzter = letzter;
        letzter = std::fabs(y - x);
        x = y;
    }
    return steigung;
}
// Where A(m)'s Taylor polynomial of degree 2 at x first crosses 0 from x in the direction
// richtung (1 or -1), from A(m)'s value w there. NaN where it does not cross 0 that way.
double TaylorNull(double x, double w, const Taylor& t, int richtung) {
    const double B = richtung * t.steigung;
    const double c = t.kruemmung;
    // c/2 s^2 + B s + w = 0: the smaller positive root s, each root without cancellation.
    double schritt = kOffen;
    if (c == 0.0) {
        schritt = -w / B;
    } else {
        const double q = -0.5 * (B + std::copysign(std::sqrt(B * B - 2.0 * c * w), B));
        const double s1 = 2.0 * q / c;
        const double s2 = w / q;
        schritt = s1 > 0.0 && !(s2 > 0.0 && s2 < s1) ? s1 : s2;
    }
    return schritt > 0.0 ? x + richtung * schritt : kOffen;
}

// The first point of the narrowing in the interval between the ends j and j + 1 of level m
// (-ende, the points so far, ende), A(m)'s values wa and wb there. Next to a point of the
// levels above, A(m)'s Taylor polynomial of degree 2 there, which the levels above have all but
// computed, crosses 0 close to the zero: from the end where the value is smaller, which as a rule
// lies nearer the zero, else from the other. Where it does not cross inside, an inner interval
// starts where the line through its ends' values crosses 0, and an outer one, reaching out to an
// interval end e beyond all zeros of the higher derivatives, at Laguerre's step from e, which
// from outside all zeros lands next to the outermost one.
double Anfang(const Suche& s, const Geordnet& funde, int m, std::size_t j, double wa, double wb) {
    const std::size_t u = funde.size();
    const double a = j == 0 ? -s.ende : funde[j - 1].x;
    const double b = j == u ? s.ende : funde[j].x;
    const auto drin = [a, b](double x) { return a < x && x < b; };
    const auto vonA = [&] {
        return j == 0 ? kOffen : TaylorNull(a, wa, funde.TaylorBei(j - 1), 1);
    };
    const auto vonB = [&] { return j == u ? kOffen : TaylorNull(b, wb, funde.TaylorBei(j), -1); };
    const bool zuerstA = j != 0 && (j == u || std::fabs(wa) <= std::fabs(wb));
    if (const double x = zuerstA ? vonA() : vonB(); drin(x)) return x;
    if (const double x = zuerstA ? vonB() : vonA(); drin(x)) return x;
    if (j == 0 || j == u) return Laguerre(s.Abl(m), j == 0 ? a : b);
    return a - wa * ((b - a) / (wb - wa));
}
}  // namespace

void Ebenen(Suche& s) {
    const int n = s.n;
    Geordnet funde(s.funde);
    // The interval ends of a level, -ende, the points so far and ende, with the level's values
    // and sure signs there.
    std::array<double, kHoechstensFunde + 2> ende;
    std::array<double, kHoechstensFunde + 2> werte;
    std::array<int, kHoechstensFunde + 2> vorzeichen;
    // The zero of the linear derivative, the Double nearest the exact quotient; + 0.0 writes it
    // as 0, not -0, where it lies at the origin. Where the quotient overflows, the zero lies
    // beyond every Double and is no point.
    const Ableitung& lin = s.Abl(n - 1);
    const double linear =
        numerik::AlsDouble(numerik::Durch(numerik::Minus(lin.k[0]), lin.k[1])) + 0.0;
    if (std::isfinite(linear))
        funde.Dazu({linear, n - 1, {linear, linear, 0, 0, linear}, linear, kUngefragt}, 0,
                   lin.k[1].hi);
    funde.Einordnen();
    for (int m = n - 2; m >= 0; --m) {
        const Ableitung& a = s.Abl(m);
        const std::size_t u = funde.size();
        const std::size_t enden = u + 2;
        ende[0] = -s.ende;
        for (std::size_t j = 1; j <= u; ++j) ende[j] = funde[j - 1].x;
        ende[u + 1] = s.ende;
        // The points so far lie within X of 0 (they are sorted), so one bound serves for them.
        const double X = u == 0 ? 0.0 : std::max(-funde[0].x, funde[u - 1].x);
        const double sicherheit = numerik::Sicherheit(a, X);
        vorzeichen[0] = numerik::SicheresVorzeichen(a, ende[0]);
        vorzeichen[u + 1] = numerik::SicheresVorzeichen(a, ende[u + 1]);
        werte[0] = werte[u + 1] = 0.0;
        // A(m)'s value at each point so far also answers Suche::Null(f, m) where it clears the
        // quick noise test's bound taken for all their brackets at once.
        const double klar = 2.0 * s.KlarSchranke(m, s.Weite());
        for (std::size_t j = 1; j <= u; ++j) {
            Fund& f = funde[j - 1];
            const double w = numerik::Naeherungswert(a, f.x);
            vorzeichen[j] = numerik::SicheresVorzeichen(a, f.x, sicherheit, w);
            werte[j] = w;
            if (std::fabs(w) > klar) f.null[static_cast<std::size_t>(m)] = 0;
        }
        for (std::size_t j = 0; j + 1 < enden; ++j) {
            if (vorzeichen[j] * vorzeichen[j + 1] >= 0) continue;
            Halbierung h{ende[j], ende[j + 1], vorzeichen[j], vorzeichen[j + 1]};
            const double steigung = Eingeengt(h, a, Anfang(s, funde, m, j, werte[j], werte[j + 1]));
            double x = h.m + 0.0;
            // The snap asks where the interval's ends truly lie: the points of the higher
            // derivatives polished (the ends beside them are funde[j - 1] and funde[j]).
            if (std::fabs(x - Round(x)) < numerik::kFangPunkt) {
                const double ganz = Round(x);
                const double lo = j == 0 ? -s.ende : s.Ende(funde[j - 1], ganz);
                const double hi = j == u ? s.ende : s.Ende(funde[j], ganz);
                x = numerik::PunktGefangen(a, x, lo, hi);
            }
            funde.Dazu({x, m, h, x == h.m ? kOffen : x, kUngefragt}, j, steigung);
        }
        funde.Absteigen(werte);
        funde.Einordnen();
    }
    funde.Sortieren();
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
