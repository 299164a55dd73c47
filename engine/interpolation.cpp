// The interpolation polynomial through given points (Newton's form, point by point) and the
// shift of a graph, expanded by the binomial theorem in the window's scratch polynomials.
#include <algorithm>
#include <vector>

#include "framework/Text.h"
#include "shell/HauptF.h"

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

// A zero coefficient contributes exact zeros: multiplying it by an overflowing power of d would
// turn the row into NaN although the shifted polynomial is finite.
void PolynomT::xVerschiebungUm(double d) {
    class HauptF& w = HauptF();
    for (int i = 0; i <= 9; ++i) {
        if (!w.Poly[i]) w.Poly[i].emplace();
        PolynomT& zeile = *w.Poly[i];
        for (int j = 0; j <= i; ++j)
            zeile.Koeff[j] = Koeff[i] == 0.0 ? 0.0
                                             : (Koeff[i] * static_cast<double>(w.BinKoeff[i][j])) *
                                                   Pow(-d, static_cast<double>(i - j));
    }
    PolynomT s;
    for (int i = 0; i <= 9; ++i) s.Summe(s, *w.Poly[i]);
    KopieVon(s);
}
