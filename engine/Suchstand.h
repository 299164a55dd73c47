#pragma once
// What the search for critical points (engine/nullstellen.cpp) holds while it runs: the
// derivatives with their noise, the points found level by level with their brackets, and what
// has been asked of them. The narrowing of the brackets, level by level, is engine/klammern.cpp;
// taking the points together and the services, engine/nullstellen.cpp.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "engine/Numerik.h"
#include "engine/PolynomT.h"

namespace suche {

using numerik::Ableitung;

constexpr double kGroessteZahl = std::numeric_limits<double>::max();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

// A value not yet computed, or a point not yet aimed at.
constexpr double kOffen = std::numeric_limits<double>::quiet_NaN();

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

    // How far the brackets of all points found so far reach (each widened to hold its point):
    // the largest |x| in them, and the widest.
    struct Reichweite {
        double X;
        double breite;
    };
    Reichweite Weite() const {
        double X = 0.0;
        double breite = 0.0;
        for (const Fund& f : funde) {
            const double lo = std::min(f.klammer.a, f.x);
            const double hi = std::max(f.klammer.b, f.x);
            X = std::max({X, std::fabs(lo), std::fabs(hi)});
            breite = std::max(breite, hi - lo);
        }
        return {X, breite};
    }

    // numerik::KlarSchranke of A(j) for those brackets: where A(j)'s value at one of the points
    // is larger than twice this, it is larger than twice that point's own bound, and A(j) is
    // clearly beyond its noise there.
    double KlarSchranke(int j, Reichweite r) const {
        return numerik::KlarSchranke(Abl(j), r.X, r.breite);
    }

    // A(j) vanishes at f's point: it is a bracketed zero of A(j), or A(j)'s value at the point
    // polished lies in the noise, or A(j) is exactly 0 at the point as an interval end (where no
    // interval beside it was searched for A(j)). Asked once per point and derivative.
    bool Null(Fund& f, int j) const {
        if (f.stufe == j) return true;
        signed char& c = f.null[static_cast<std::size_t>(j)];
        if (c < 0) c = NullGefragt(f, j);
        return c != 0;
    }

    // Twice KlarSchranke(j) for f, f' and f'' (where the degree has them) once all points are
    // found: the bound of the quick noise test for every point at once (infinite until then).
    std::array<double, 3> klar = {kUnendlich, kUnendlich, kUnendlich};

  private:
    // Most values lie far beyond the noise, which Double arithmetic at the unpolished point
    // tells at once (engine/nullstellen.cpp).
    bool NullGefragt(Fund& f, int j) const;
};

// What the term's decimals leave open of each coefficient of p, scaled by 2^-e as p is.
inline std::array<double, 10> Abstaende(const PolynomT& p, int grad, int e) {
    std::array<double, 10> abstand{};
    for (int i = 0; i <= grad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        abstand[k] = std::ldexp(numerik::Unschaerfe(p.Koeff[k]), -e);
    }
    return abstand;
}

// Finds the points of A(n - 1) down to A(0), each level narrowed to brackets between the points
// of the levels above, into s.funde, sorted (engine/klammern.cpp).
void Ebenen(Suche& s);

}  // namespace suche
