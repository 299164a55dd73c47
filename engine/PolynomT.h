#pragma once
// PolynomT: a real polynomial of degree at most 9 with its plotting window.
//
// Koeff[i] is the coefficient of x^i, i = 0..9. Every test of a coefficient against zero is
// exact (-0.0 is zero, NaN is not). An operation that produces a polynomial stores its result in
// the object it is called on and forms it in a temporary first, so the target may also be an
// operand. Copying and all arithmetic move coefficients only; the plotting window (xmin, xmax,
// ymin, ymax) is written by EckenErmitteln alone.
//
// The type calls the engine's services (engine/Dienste.h: FindeKP, Runden, RundnfAusg, xhoch,
// the binomial table) directly and needs no window; the factor form takes the search beneath
// FindeKP (engine/Nullstellensuche.h) directly, for the multiplicities. Members marked "kept"
// belong to the type's interface, but nothing in the program calls them.

#include <array>
#include <string>
#include <vector>

// Written in place of a number that left the range of a Double, in the factor form and in the
// window's output fields: "inf" or "nan" would tell a reader nothing.
inline constexpr const char* kUeberlauf = "Überlauf";

class PolynomT {
  public:
    std::array<double, 10> Koeff{};
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;

    // Highest i with Koeff[i] != 0; -1 for the zero polynomial.
    int grad() const;
    // Summe, Diff and Differenz round each coefficient once and take the shortest decimal within
    // its bound (numerik::KurzeSumme): 100.1 - 100 is 0.1, 0.1 - 0.1 is 0.
    void Summe(const PolynomT& a, const PolynomT& b);
    void SMal(double r, const PolynomT& p);  // kept
    void Abl(const PolynomT& p);
    // Horner's rule over all ten coefficients.
    double FWert(double x) const;
    bool IstNull() const;      // kept
    bool IstKonstant() const;  // kept
    // kept; the same as Differenz.
    void Diff(const PolynomT& a, const PolynomT& b);
    // Copies the ten coefficients of p; the plotting windows stay where they are.
    void KopieVon(const PolynomT& p);
    // The polynomial text form: "1  - x  + 2x^2  ", "0" for the zero polynomial. A coefficient
    // whose text is "1" is left out above power 0, as for 1 itself. Every polynomial that
    // String2Poly accepts is written so that the text reads back to the coefficients it shows,
    // and writing those gives the same text.
    std::string Term2String() const;
    // kept: shows Term2String in a message box. Defined with the window (shell/zeigen.cpp), so
    // the engine needs no dialogs; a program that calls it links the shell.
    void zeigen() const;
    // Requires a.grad() + b.grad() <= 9 (a term beyond x^9 would be dropped). Each coefficient
    // is formed in double-double, rounded once and takes the shortest decimal within its bound.
    void Produkt(const PolynomT& a, const PolynomT& b);
    // xs[0] holds the number of points N, xs[1..N] and ys[1..N] the points; both arrays have
    // ten elements (N is cut to what they hold). Through distinct points each coefficient is
    // formed in double-double, rounded once, and replaced by the shortest decimal within what
    // the rounding and the points' own rounding leave open (engine/Dezimal.h). Equal x values
    // are not looked for: they leave coefficients that are not finite (see IstEndlich).
    void Interpol(const std::vector<double>& xs, const std::vector<double>& ys);
    void Nullen();  // kept
    // kept: the quotient of p by (x - b); the remainder is dropped.
    void PdurchxminusB(const PolynomT& p, double b);
    // The real factor form, such as "( x + 1) * ( x-1) * 2"; for degree 1 to 9.
    std::string Faktorform() const;
    std::string NullstellenString() const;  // kept
    double Integral(double a, double b) const;
    // Fills z with the real zeros as a counted array; untouched for degree below 1.
    void Nullstellenmenge(std::vector<double>& z) const;
    // Area enclosed by the graph and the x-axis between the first and the last real zero;
    // 0 with fewer than two zeros (and for a constant).
    double Umrandet() const;
    void Differenz(const PolynomT& a, const PolynomT& b);
    // Exchanges the coefficients with p ("switch"; the word is taken in C++).
    void Switch(PolynomT& p);
    // Sets the plotting window from the counted array of critical points (read up to its
    // upper bound). Every window it sets is finite, with xmin < xmax, ymin < ymax and a finite
    // width and height; for degree 2 to 9 without a point it is that of one point at 0.
    void EckenErmitteln(const std::vector<double>& kp);
    // This polynomial := p(x - d), expanded with the binomial table polynom::kBinomKoeff in
    // rows of its own. Each coefficient is formed in double-double, rounded once and replaced
    // by the shortest decimal within its bound, so a shift by d and back by -d gives typed
    // decimals back.
    void xVerschiebungUm(double d);

    // True when every coefficient is finite. The arithmetic, the shift and the interpolation
    // follow IEEE rules, so an overflow (or interpolation through equal x values) shows here.
    bool IstEndlich() const;

  private:
    void Prim(int n, const std::vector<double>& xs);
};
