// The interpolation polynomial through given points and the shift of a graph. Both form each
// coefficient as a sum of terms in double-double, round it once and take the shortest decimal
// within the coefficient's error bound (engine/Dezimal.h): points and coefficients that the user
// typed as short decimals give back the short decimals that the exact arithmetic on them gives.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/Dezimal.h"
#include "engine/Dienste.h"
#include "engine/Fehlerfrei.h"
#include "framework/Text.h"

namespace {

using numerik::Zwei;

bool XVerschieden(const std::vector<double>& xs, std::int32_t anzahl) {
    for (std::int32_t i = 1; i <= anzahl; ++i)
        for (std::int32_t j = i + 1; j <= anzahl; ++j)
            if (xs[static_cast<std::size_t>(i)] == xs[static_cast<std::size_t>(j)]) return false;
    return true;
}

// The node terms below are of first order in 2^-53. Moving the points by 2^-53 of their size
// moves each difference x_m - x_i by at most 2^-53 2 max |x|, a part r = 2^-53 2 max |x| / min gap
// of it; what first order leaves out is of about that relative size for each of the N - 1 factors
// of a term, so the node terms are raised by 2 N r: 1 + 4 N 2^-53 max |x| / min |x_k - x_m|.
double ZweiteOrdnung(const std::vector<double>& xs, std::int32_t anzahl) {
    double groesste = 0.0;
    double naechste = HUGE_VAL;
    for (std::int32_t i = 1; i <= anzahl; ++i) {
        const double xi = xs[static_cast<std::size_t>(i)];
        groesste = std::max(groesste, std::fabs(xi));
        for (std::int32_t j = i + 1; j <= anzahl; ++j)
            naechste = std::min(naechste, std::fabs(xi - xs[static_cast<std::size_t>(j)]));
    }
    return 1.0 + 4.0 * anzahl * numerik::kEinheit * groesste / naechste;
}

// Through anzahl >= 2 points with distinct x values, by Lagrange's basis in double-double:
// c_j = sum_m y_m L_m,j, with L_m = prod_(i != m) (x - x_i) / (x_m - x_i).
//
// Bound of c_j (engine/Dezimal.h): the terms y_m L_m,j with k_t = 1 for a y_m that may stand for
// another decimal. The x values enter every term, so their errors are taken where they act: moving
// x_m by e changes the interpolation polynomial, to first order, by -e p'(x_m) L_m (it still
// passes through the other points, and through (x_m + e, y_m)), so x_m adds 2^-53 |x_m p'(x_m)
// L_m,j| to the bound of c_j, raised by ZweiteOrdnung. So k = 2 on the value terms and k = 1 on
// these node terms: 2^-53 (2 sum |y_m L_m,j| + sum |x_m p'(x_m) L_m,j|) when no input is a short
// decimal itself. p'(x_m) is taken with its own error bound from the coefficients before
// rounding. The double-double arithmetic errs against the products of the x values without
// cancellation, sum_m |y_m| prod_(i != m) (x + |x_i|) / |prod (x_m - x_i)|, the size it is given.
PolynomT DurchVerschiedenePunkte(const std::vector<double>& xs, const std::vector<double>& ys,
                                 std::int32_t anzahl) {
    const auto n = static_cast<std::size_t>(anzahl);
    std::array<Zwei, 10> summe{};
    std::array<std::array<Zwei, 10>, 10> basis{};
    std::array<numerik::Fehlerschranke, 10> schranke{};
    for (std::size_t m = 1; m <= n; ++m) {
        std::array<Zwei, 10> zaehler{};
        std::array<double, 10> ohneAusloeschung{};
        zaehler[0] = {1.0, 0.0};
        ohneAusloeschung[0] = 1.0;
        Zwei nenner{1.0, 0.0};
        std::size_t g = 0;
        for (std::size_t i = 1; i <= n; ++i) {
            if (i == m) continue;
            const double xi = xs[i];
            ++g;
            for (std::size_t j = g + 1; j-- > 0;) {
                const Zwei hoeher = j > 0 ? zaehler[j - 1] : Zwei{};
                zaehler[j] = numerik::Plus(hoeher, numerik::Mal(zaehler[j], -xi));
                ohneAusloeschung[j] =
                    (j > 0 ? ohneAusloeschung[j - 1] : 0.0) + ohneAusloeschung[j] * std::fabs(xi);
            }
            nenner = numerik::Mal(nenner, numerik::ZweiSumme(xs[m], -xi));
        }
        const double ym = ys[m];
        const double unsicher = numerik::Unsicher(ym);
        for (std::size_t j = 0; j < n; ++j) {
            basis[m][j] = numerik::Durch(zaehler[j], nenner);
            const Zwei term = numerik::Mal(basis[m][j], ym);
            summe[j] = numerik::Plus(summe[j], term);
            schranke[j].eingaben += unsicher * std::fabs(term.hi);
            schranke[j].groesse += std::fabs(ym) * ohneAusloeschung[j] / std::fabs(nenner.hi);
        }
    }

    std::array<Zwei, 10> ableitung{};
    for (std::size_t j = 0; j + 1 < n; ++j)
        ableitung[j] = numerik::Mal(summe[j + 1], static_cast<double>(j + 1));
    const double zweiteOrdnung = ZweiteOrdnung(xs, anzahl);
    for (std::size_t m = 1; m <= n; ++m) {
        if (numerik::Unsicher(xs[m]) == 0.0) continue;
        const numerik::Wert s =
            numerik::KompensiertHorner(ableitung, static_cast<int>(n) - 2, xs[m]);
        const double knoten = zweiteOrdnung * std::fabs(xs[m]) * (std::fabs(s.wert) + s.fehler);
        for (std::size_t j = 0; j < n; ++j)
            schranke[j].eingaben += knoten * std::fabs(basis[m][j].hi);
    }

    PolynomT p;
    for (std::size_t j = 0; j < n; ++j)
        p.Koeff[j] = numerik::OhneRauschen(numerik::AlsDouble(summe[j]), schranke[j]);
    return p;
}

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

// Through distinct points by Lagrange's basis, as above. Fewer than two points, or equal x
// values, which no polynomial passes through, go the way of Newton's form in Double, point by
// point: equal x values divide by zero and leave coefficients that are not finite (IstEndlich
// shows them), unless the correction of that point is exactly 0.
void PolynomT::Interpol(const std::vector<double>& xs, const std::vector<double>& ys) {
    // No point beyond either array, nor beyond the nine the arrays are made for.
    const auto grenze = static_cast<std::int32_t>(std::min(xs.size(), ys.size())) - 1;
    const std::int32_t anzahl =
        std::clamp(ToInt32(xs.empty() ? 0.0 : xs[0]), 0, std::clamp(grenze, 0, 9));
    if (anzahl >= 2 && XVerschieden(xs, anzahl)) {
        KopieVon(DurchVerschiedenePunkte(xs, ys, anzahl));
        return;
    }
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
// in a row of its own per coefficient c_i, and each sum once.
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
    std::array<Zwei, 10> potenz{};
    potenz[0] = {1.0, 0.0};
    for (std::size_t m = 1; m <= 9; ++m) potenz[m] = numerik::Mal(potenz[m - 1], -d);
    std::array<std::array<Zwei, 10>, 10> zeile{};
    std::array<double, 10> unsicher{};
    for (std::size_t i = 0; i <= 9; ++i) {
        if (Koeff[i] == 0.0) continue;
        unsicher[i] = numerik::Unsicher(Koeff[i]);
        for (std::size_t j = 0; j <= i; ++j)
            zeile[i][j] = numerik::Mal(
                numerik::ZweiProdukt(Koeff[i], static_cast<double>(polynom::kBinomKoeff[i][j])),
                potenz[i - j]);
    }
    const double unsicherD = numerik::Unsicher(d);
    PolynomT s;
    for (std::size_t j = 0; j <= 9; ++j) {
        Zwei summe{};
        numerik::Fehlerschranke schranke;
        for (std::size_t i = j; i <= 9; ++i) {
            if (Koeff[i] == 0.0) continue;
            summe = numerik::Plus(summe, zeile[i][j]);
            schranke.Term(zeile[i][j].hi, unsicher[i] + static_cast<double>(i - j) * unsicherD);
        }
        s.Koeff[j] = numerik::OhneRauschen(numerik::AlsDouble(summe), schranke);
    }
    KopieVon(s);
}
