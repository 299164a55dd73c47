// Division by a linear factor, the real factor form, the zero list, the integral and the area
// enclosed by the graph and the x-axis: all built on the window's search for zeros.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/HornerGenau.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

double Gefangen(double summe, double schranke) {
    const double ganz = Round(summe);
    return Abs(summe - ganz) < schranke ? ganz : summe;
}

// Each division leaves the quotient's coefficients a little off, so its zeros drift from those
// of f by far more than the digits written, and the factors would disagree with the zeros list;
// a zero divided out as the whole number within 5e-05 of it moves the others by about as much.
// Newton's steps on f itself bring a zero z of the quotient back to the zero of f beside it:
// each counts only while it stays within a small bracket around z and does not make |f| larger,
// else z stands.
constexpr double kNaehe = 1e-3;
constexpr int kAngleichSchritte = 8;

double AnFAngeglichen(const PolynomT& f, double z) {
    const int grad = f.grad();
    const double d = kNaehe * std::max(1.0, Abs(z));
    const double a = z - d;
    const double b = z + d;
    double x = z;
    long double steigung = 0.0L;
    long double v = HornerGenau(f, grad, x, steigung);
    for (int i = 0; i < kAngleichSchritte && v != 0.0L; ++i) {
        const double y = static_cast<double>(x - v / steigung);
        if (!(a <= y && y <= b) || y == x) break;
        long double neueSteigung = 0.0L;
        const long double wert = HornerGenau(f, grad, y, neueSteigung);
        if (!(std::fabs(wert) <= std::fabs(v))) break;
        x = y;
        v = wert;
        steigung = neueSteigung;
    }
    return x;
}

}  // namespace

void PolynomT::PdurchxminusB(const PolynomT& p, double b) {
    class HauptF& w = HauptF();
    PolynomT q;
    const int n = p.grad();
    if (n > 0) {
        // A coefficient within 1e-09 of a whole number is that number, so that division by a
        // whole zero leaves whole coefficients. Where p's coefficients, or the two terms summed,
        // are smaller than 1, the bound shrinks with them: an absolute 1e-09 would turn a
        // coefficient of 1e-21 into 0 and invent zeros.
        double groesste = 0.0;
        for (double c : p.Koeff) groesste = std::max(groesste, Abs(c));
        q.Koeff[n - 1] = p.Koeff[n];
        for (int k = n - 1; k >= 1; --k) {
            const double produkt = b * q.Koeff[k];
            const double summe = p.Koeff[k] + produkt;
            const double groesse = std::min({1.0, groesste, Abs(p.Koeff[k]) + Abs(produkt)});
            q.Koeff[k - 1] = groesse >= 1.0 ? w.Runden(summe) : Gefangen(summe, 1e-09 * groesse);
        }
    }
    KopieVon(q);
}

std::string PolynomT::Faktorform() const {
    class HauptF& w = HauptF();
    std::vector<double> a = {0.0};
    std::vector<double> b = {0.0};
    PolynomT r;
    PolynomT t;
    r.KopieVon(*this);
    std::string text;
    std::string sep;
    w.FindeKP(r, a, b);
    bool geteilt = false;
    while (b[0] > 0 && r.grad() > 0) {
        // The first zero is one of f's own, as the zeros list has it.
        double z = geteilt ? AnFAngeglichen(*this, b[1]) : b[1];
        w.RundnfAusg(z);
        std::string faktor;
        if (z == 0.0)
            faktor = "x";
        else if (z > 0.0)
            faktor = "( x-" + Str(z) + ")";
        else
            faktor = "( x + " + Str(Abs(z)) + ")";
        text += sep + faktor;
        t.KopieVon(r);
        r.PdurchxminusB(t, z);
        w.FindeKP(r, a, b);
        geteilt = true;
        sep = " * ";
    }
    if (r.grad() > 0 || r.Koeff[0] < 0.0)
        text += sep + "(" + r.Term2String() + ")";
    else if (r.Koeff[0] != 1.0)
        text += sep + Str(r.Koeff[0]);
    return text;
}

std::string PolynomT::NullstellenString() const {
    class HauptF& w = HauptF();
    std::vector<double> b(10, 0.0);
    std::vector<double> a = {0.0};
    w.FindeKP(*this, a, b);
    const std::int32_t n = ToInt32(b[0]);
    std::string s;
    for (std::int32_t k = 1; k <= n; ++k) {
        if (k > 1) s += " , ";
        s += Str(w.Runden(b[static_cast<std::size_t>(k)]));
    }
    return s;
}

double PolynomT::Integral(double a, double b) const {
    std::array<double, 11> f{};
    for (int k = 1; k <= 10; ++k) f[k] = Koeff[k - 1] / static_cast<double>(k);
    auto stamm = [&f](double x) {
        double s = 0.0;
        for (int k = 10; k >= 0; --k) s = s * x + f[k];
        return s;
    };
    return stamm(b) - stamm(a);
}

void PolynomT::Nullstellenmenge(std::vector<double>& z) const {
    std::vector<double> kp = {0.0};
    HauptF().FindeKP(*this, kp, z);
}

// For degree below 1 the search leaves z empty: no zeros, no area.
double PolynomT::Umrandet() const {
    std::vector<double> z;
    Nullstellenmenge(z);
    double a = 0.0;
    if (z.empty() || z[0] <= 1) return a;
    for (std::size_t k = 1; k + 1 < z.size(); ++k) a = a + Abs(Integral(z[k], z[k + 1]));
    return a;
}
