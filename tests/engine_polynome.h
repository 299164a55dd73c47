#pragma once
// Polynomials for the engine's tests, written lowest power first: P({1, -1, 2}) is 1 - x + 2x^2.

#include <array>
#include <initializer_list>

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
