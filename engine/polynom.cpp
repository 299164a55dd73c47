#include <array>
#include <cmath>
#include <cstddef>

#include "engine/Dezimal.h"
#include "engine/Numerik.h"
#include "engine/PolynomT.h"

int PolynomT::grad() const {
    int d = -1;
    for (int i = 0; i <= 9; ++i)
        if (Koeff[i] != 0.0) d = i;
    return d;
}

// Sums and differences take the shortest decimal within 2^-53 (|a + b| + |a| + |b|) of each
// coefficient (numerik::KurzeSumme): 0.3 - 0.1 is 0.2, not 0.19999999999999998.
void PolynomT::Summe(const PolynomT& a, const PolynomT& b) {
    PolynomT t;
    for (int i = 0; i <= 9; ++i) t.Koeff[i] = numerik::KurzeSumme(a.Koeff[i], b.Koeff[i]);
    KopieVon(t);
}

void PolynomT::SMal(double r, const PolynomT& p) {
    PolynomT t;
    for (int i = 0; i <= 9; ++i) t.Koeff[i] = r * p.Koeff[i];
    KopieVon(t);
}

void PolynomT::Abl(const PolynomT& p) {
    PolynomT t;
    for (int i = 0; i <= 8; ++i) t.Koeff[i] = p.Koeff[i + 1] * static_cast<double>(i + 1);
    KopieVon(t);
}

double PolynomT::FWert(double x) const {
    return numerik::Horner(*this, 9, x);
}

bool PolynomT::IstNull() const {
    return grad() == -1;
}

bool PolynomT::IstKonstant() const {
    return grad() < 1;
}

void PolynomT::Diff(const PolynomT& a, const PolynomT& b) {
    Differenz(a, b);
}

void PolynomT::KopieVon(const PolynomT& p) {
    for (int i = 0; i <= 9; ++i) Koeff[i] = p.Koeff[i];
}

// Each coefficient sum a_i b_j is formed in double-double and rounded once, then takes the
// shortest decimal within its bound (engine/Dezimal.h): the product a_i b_j carries the input
// error of each factor that may stand for another decimal, k_t = Unsicher(a_i) + Unsicher(b_j),
// and the sum one rounding, so k = 3. So (x - 0.1)(x^2 + 0.1x + 0.01) is x^3 - 0.001, with no
// term of 1e-18 x where 0.01 - 0.1 * 0.1 cancels.
void PolynomT::Produkt(const PolynomT& a, const PolynomT& b) {
    std::array<numerik::Zwei, 10> summe{};
    std::array<numerik::Fehlerschranke, 10> schranke{};
    const int ga = a.grad();
    const int gb = b.grad();
    for (int i = 0; i <= ga; ++i)
        for (int j = 0; j <= gb; ++j) {
            // Callers keep the degree sum within 9; a term beyond x^9 has no place to go.
            if (i + j > 9) continue;
            const auto k = static_cast<std::size_t>(i + j);
            const numerik::Zwei t = numerik::ZweiProdukt(a.Koeff[i], b.Koeff[j]);
            summe[k] = numerik::Plus(summe[k], t);
            schranke[k].Term(t.hi, numerik::Unsicher(a.Koeff[i]) + numerik::Unsicher(b.Koeff[j]));
        }
    for (std::size_t k = 0; k < 10; ++k)
        Koeff[k] = numerik::OhneRauschen(numerik::AlsDouble(summe[k]), schranke[k]);
}

void PolynomT::Nullen() {
    for (int i = 0; i <= 9; ++i) Koeff[i] = 0.0;
}

void PolynomT::Differenz(const PolynomT& a, const PolynomT& b) {
    PolynomT t;
    for (int i = 0; i <= 9; ++i) t.Koeff[i] = numerik::KurzeSumme(a.Koeff[i], -b.Koeff[i]);
    KopieVon(t);
}

void PolynomT::Switch(PolynomT& p) {
    PolynomT t;
    t.KopieVon(p);
    p.KopieVon(*this);
    KopieVon(t);
}

bool PolynomT::IstEndlich() const {
    for (double k : Koeff)
        if (!std::isfinite(k)) return false;
    return true;
}
