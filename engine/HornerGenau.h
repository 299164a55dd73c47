#pragma once
// Horner's rule in long double on a polynomial's Double coefficients, for the refinement of
// zeros: next to a zero, where the Double sum is mostly rounding, it still tells which of two
// neighbouring Doubles lies nearer the zero. Internal to the engine.

#include "engine/PolynomT.h"

inline long double HornerGenau(const PolynomT& p, int grad, double x) {
    long double s = 0.0L;
    for (int i = grad; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// The same with the slope, in one pass.
inline long double HornerGenau(const PolynomT& p, int grad, double x, long double& steigung) {
    long double s = 0.0L;
    long double d = 0.0L;
    for (int i = grad; i >= 0; --i) {
        d = d * x + s;
        s = s * x + p.Koeff[i];
    }
    steigung = d;
    return s;
}
