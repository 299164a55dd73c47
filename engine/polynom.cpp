#include <cmath>

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
    PolynomT t;
    for (int i = 0; i <= 9; ++i) t.Koeff[i] = numerik::KurzeSumme(a.Koeff[i], -b.Koeff[i]);
    KopieVon(t);
}

void PolynomT::KopieVon(const PolynomT& p) {
    for (int i = 0; i <= 9; ++i) Koeff[i] = p.Koeff[i];
}

void PolynomT::Produkt(const PolynomT& a, const PolynomT& b) {
    PolynomT t;
    const int ga = a.grad();
    const int gb = b.grad();
    for (int i = 0; i <= ga; ++i)
        for (int j = 0; j <= gb; ++j) {
            // Callers keep the degree sum within 9; a term beyond x^9 has no place to go.
            if (i + j > 9) continue;
            t.Koeff[i + j] = t.Koeff[i + j] + a.Koeff[i] * b.Koeff[j];
        }
    KopieVon(t);
}

void PolynomT::Nullen() {
    for (int i = 0; i <= 9; ++i) Koeff[i] = 0.0;
}

void PolynomT::Differenz(const PolynomT& a, const PolynomT& b) {
    PolynomT t;
    for (int i = 0; i <= 9; ++i) {
        t.Koeff[i] = numerik::KurzeSumme(a.Koeff[i], -b.Koeff[i]);
        Koeff[i] = t.Koeff[i];
    }
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
