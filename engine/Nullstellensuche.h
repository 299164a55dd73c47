#pragma once
// The search for critical points and real zeros with what the counted arrays of
// polynom::FindeKP leave out: which points are zeros of f, and how often; and what the factor form
// leaves of f. Internal to the engine; FindeKP and the factor form are built on it.

#include <vector>

#include "engine/PolynomT.h"

struct Stelle {
    double x;
    bool nullstelle;   // a zero of f, not only of f' or f''
    int vielfachheit;  // for a zero of f: how often it divides f (the sum is at most the degree)
    int ordnung;       // the lowest of f, f', f'' (0, 1, 2) that vanishes here
};

// The critical points of p ascending, each once; empty for degree below 1 and for a
// polynomial with a coefficient that is not finite. Every x is finite. Nothing is kept between
// calls.
std::vector<Stelle> KritischeStellen(const PolynomT& p);

// What is left of p once the factor form has divided it by the linear factors of its real zeros
// (each as often as it divides p): the quotient, each coefficient rounded once, that the factor
// form writes last, in parentheses or as a number. p itself where it has no real zero.
PolynomT Faktorrest(const PolynomT& p);
