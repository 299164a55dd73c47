#pragma once
// Polynomials for the engine's tests, written lowest power first: P({1, -1, 2}) is 1 - x + 2x^2.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "engine/PolynomT.h"

inline PolynomT P(std::initializer_list<double> k) {
    PolynomT p;
    int i = 0;
    for (double c : k) p.Koeff[i++] = c;
    return p;
}

inline std::array<double, 10> K(std::initializer_list<double> k) {
    return P(k).Koeff;
}

// The polynomial lead * prod (x - r), expanded in long double and rounded once to Doubles.
inline PolynomT AusNullstellen(const std::vector<double>& r, long double lead = 1.0L) {
    std::vector<long double> c = {lead};
    for (double z : r) {
        std::vector<long double> d(c.size() + 1, 0.0L);
        for (std::size_t i = 0; i < c.size(); ++i) {
            d[i + 1] += c[i];
            d[i] -= static_cast<long double>(z) * c[i];
        }
        c = d;
    }
    PolynomT p;
    for (std::size_t i = 0; i < c.size(); ++i) p.Koeff[i] = static_cast<double>(c[i]);
    return p;
}
