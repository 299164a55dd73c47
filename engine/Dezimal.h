#pragma once
// The decimals that computed Doubles stand for. The window writes every coefficient with at most
// 15 significant digits and reads it back, so a computed coefficient whose exact value is a short
// decimal (0.3, 20.5) should be the Double of that decimal, not of the noise that the typed
// numbers' binary rounding leaves in a result: 0.300000000000004 after a shift and back, where
// the user typed 0.3. An operation forms its coefficients in double-double, rounds each once,
// bounds what the rounding and its inputs may have moved it (Fehlerschranke), and takes the
// shortest decimal within that bound (KuerzesteDezimalzahl).

#include "engine/Fehlerfrei.h"

namespace numerik {

// The Double nearest the shortest decimal of at most 15 significant digits, 0 included, that lies
// within schranke of x: |decimal - x| <= schranke, decided exactly on the real decimal and the
// real Double, whatever their exponents. Among equally short decimals the one nearest x. x itself
// when no such decimal lies within the bound (also for x not finite, or a bound that is negative,
// not finite or NaN); 0 is +0.
double KuerzesteDezimalzahl(double x, double schranke);

// True when x is exactly a decimal of at most 15 significant digits (3, 0.5, 1e22). No other
// decimal of 15 digits or fewer has x as its nearest Double, so an x read from such a text stands
// for itself; any other x may stand for a decimal up to half its ulp (2^-53 |x|) away.
bool IstKurzeDezimalzahl(double x);

// 1 for an input Double that may stand for a decimal it is not, 0 for one that is a short decimal
// itself: how often 2^-53 of a term that has x as a factor counts towards the bound.
inline double Unsicher(double x) {
    return IstKurzeDezimalzahl(x) ? 0.0 : 1.0;
}

// The error bound of one coefficient c that an operation formed in double-double from its terms
// t and rounded once:
//   2^-53 (|c| + eingaben) + 2^-96 groesse, with eingaben = sum over the terms of k_t |t|.
// 2^-53 |c| is the one rounding. k_t counts the factors of t that may stand for a decimal they
// are not (Unsicher); each moves t by at most 2^-53 of itself, so to first order the inputs move
// c by at most 2^-53 sum k_t |t|. groesse is the size the double-double arithmetic errs against:
// sum |t|, or what the terms are formed of, taken without cancellation; 2^-96 of it covers that
// arithmetic (a few hundred units of 2^-106) and the second-order terms of the inputs (k_t^2
// 2^-106 |t|). With k the largest k_t + 1 the bound is at most k 2^-53 sum |t|, plus the small
// rest; the operations state their k. The bound is raised by 2^-40 of itself for the rounding of
// its own few Double sums.
struct Fehlerschranke {
    double eingaben = 0.0;
    double groesse = 0.0;

    void Term(double t, double k) {
        const double betrag = t < 0 ? -t : t;
        eingaben += k * betrag;
        groesse += betrag;
    }
    double Fuer(double c) const {
        const double betrag = c < 0 ? -c : c;
        return (kEinheit * (betrag + eingaben) + 0x1p-96 * groesse) * (1.0 + 0x1p-40);
    }
};

// c replaced by the shortest decimal within its bound.
inline double OhneRauschen(double c, const Fehlerschranke& s) {
    return KuerzesteDezimalzahl(c, s.Fuer(c));
}

// a + b, rounded once, as the shortest decimal within its bound: 2^-53 (|a + b| + |a| + |b|) when
// both may stand for other decimals, so k = 2 (each term carries its input's error, and the sum
// its one rounding); a term that is a short decimal itself carries none.
inline double KurzeSumme(double a, double b) {
    Fehlerschranke s;
    s.Term(a, Unsicher(a));
    s.Term(b, Unsicher(b));
    return OhneRauschen(a + b, s);
}

}  // namespace numerik
