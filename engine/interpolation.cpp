// The interpolation polynomial through given points (Newton's form, point by point) and the
// shift of a graph, expanded by the binomial theorem in the window's scratch polynomials.
#include <algorithm>
#include <array>
#include <vector>

#include "engine/Dezimal.h"
#include "engine/Fehlerfrei.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

using numerik::Zwei;

}  // namespace

void PolynomT::Prim(int n, const std::vector<double>& xs) {
    PolynomT a;
    PolynomT l;
    PolynomT t;
    a.Koeff[0] = 1;
    for (int k = 1; k <= n - 1; ++k) {
        const double q = xs[static_cast<std::size_t>(n)] - xs[static_cast<std::size_t>(k)];
        l.Koeff[0] = (-xs[static_cast<std::size_t>(k)]) / q;
        l.Koeff[1] = 1 / q;
        t.KopieVon(a);
        a.Produkt(l, t);
    }
    Koeff = a.Koeff;
}

// Equal x values are not looked for: they divide by zero and leave coefficients that are not
// finite, which IstEndlich shows.
void PolynomT::Interpol(const std::vector<double>& xs, const std::vector<double>& ys) {
    // No point beyond either array, nor beyond the nine the arrays are made for.
    const auto grenze = static_cast<std::int32_t>(std::min(xs.size(), ys.size())) - 1;
    const std::int32_t anzahl =
        std::clamp(ToInt32(xs.empty() ? 0.0 : xs[0]), 0, std::clamp(grenze, 0, 9));
    PolynomT p;
    PolynomT d;
    PolynomT b;
    PolynomT t;
    p.Koeff[0] = ys.size() > 1 ? ys[1] : 0.0;
    for (std::int32_t k = 1; k <= anzahl; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double v = p.FWert(xs[i]);
        d.Koeff[0] = ys[i] - v;
        b.Prim(k, xs);
        t.Produkt(b, d);
        b.KopieVon(p);
        p.Summe(b, t);
    }
    KopieVon(p);
}

// p(x - d) = sum_j x^j sum_(i >= j) c_i C(i, j) (-d)^(i - j). Each term is formed in double-double
// (its high part in the window's scratch row Poly(i), its low part beside it) and each sum once.
//
// Bound of coefficient j (engine/Dezimal.h): the term c_i C(i, j) (-d)^(i - j) carries the error
// of c_i once and that of d (i - j) times, so k_t = 1 + (i - j) when both may stand for other
// decimals; with the one rounding, k = g - j + 2 for a polynomial of degree g:
// at most (g - j + 2) 2^-53 sum_i |c_i C(i, j) d^(i - j)|. C(i, j) is exact, and a c_i or a d
// that is a short decimal itself carries no error (numerik::Unsicher).
//
// A zero coefficient contributes exact zeros: multiplying it by an overflowing power of d would
// turn the row into NaN although the shifted polynomial is finite.
void PolynomT::xVerschiebungUm(double d) {
    class HauptF& w = HauptF();
    std::array<Zwei, 10> potenz{};
    potenz[0] = {1.0, 0.0};
    for (std::size_t m = 1; m <= 9; ++m) potenz[m] = numerik::Mal(potenz[m - 1], -d);
    std::array<std::array<double, 10>, 10> rest{};
    std::array<double, 10> unsicher{};
    for (std::size_t i = 0; i <= 9; ++i) {
        if (!w.Poly[i]) w.Poly[i].emplace();
        PolynomT& zeile = *w.Poly[i];
        unsicher[i] = Koeff[i] == 0.0 ? 0.0 : numerik::Unsicher(Koeff[i]);
        for (std::size_t j = 0; j <= i; ++j) {
            Zwei t{};
            if (Koeff[i] != 0.0)
                t = numerik::Mal(
                    numerik::ZweiProdukt(Koeff[i], static_cast<double>(w.BinKoeff[i][j])),
                    potenz[i - j]);
            zeile.Koeff[j] = t.hi;
            rest[i][j] = t.lo;
        }
    }
    const double unsicherD = numerik::Unsicher(d);
    PolynomT s;
    for (std::size_t j = 0; j <= 9; ++j) {
        Zwei summe{};
        numerik::Fehlerschranke schranke;
        for (std::size_t i = j; i <= 9; ++i) {
            if (Koeff[i] == 0.0) continue;
            const double hoch = w.Poly[i]->Koeff[j];
            summe = numerik::Plus(summe, {hoch, rest[i][j]});
            schranke.Term(hoch, unsicher[i] + static_cast<double>(i - j) * unsicherD);
        }
        s.Koeff[j] = numerik::OhneRauschen(numerik::AlsDouble(summe), schranke);
    }
    KopieVon(s);
}
