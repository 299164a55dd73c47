// Division by a linear factor, the real factor form, the zero list, the integral and the area
// enclosed by the graph and the x-axis: all built on the window's search for zeros.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/Nullstellensuche.h"
#include "engine/Numerik.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

std::string Faktor(double z) {
    if (z == 0.0) return "x";
    if (z > 0.0) return "( x-" + Str(z) + ")";
    return "( x + " + Str(Abs(z)) + ")";
}

// t divided by (x - b) into r. From the highest coefficient down (PdurchxminusB) as a rule; the
// remainder it drops, p0 + b q0, should vanish beside p0. Where it does not (a zero so large
// that b q0 swamps the small coefficients: x^3 - 1e17x^2 - 1 would leave x^2, with a zero at 0
// that f does not have), the division from the constant term up, q0 = -p0 / b and
// qk = (q(k-1) - pk) / b, keeps them, if what it drops at the top is smaller in turn.
void Geteilt(PolynomT& r, const PolynomT& t, double b) {
    r.PdurchxminusB(t, b);
    const int n = t.grad();
    if (n < 1 || b == 0.0 || t.Koeff[0] == 0.0) return;
    const double rest = t.Koeff[0] + b * r.Koeff[0];
    if (!(Abs(rest) > numerik::kFangRunden * Abs(t.Koeff[0]))) return;
    PolynomT q;
    q.Koeff[0] = -t.Koeff[0] / b;
    for (int k = 1; k <= n - 1; ++k) q.Koeff[k] = (q.Koeff[k - 1] - t.Koeff[k]) / b;
    const double oben = t.Koeff[n] - q.Koeff[n - 1];
    if (q.IstEndlich() && Abs(oben) / Abs(t.Koeff[n]) < Abs(rest) / Abs(t.Koeff[0])) {
        q.Koeff[n - 1] = t.Koeff[n];
        r.KopieVon(q);
    }
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
            q.Koeff[k - 1] = groesse >= 1.0
                                 ? w.Runden(summe)
                                 : numerik::Gefangen(summe, numerik::kFangRunden * groesse);
        }
    }
    KopieVon(q);
}

// The zeros of f, each as often as it divides f, in the order and with the digits of the zeros
// list. f is divided by each zero as found; the factor shows it as the zeros text does, snapped
// within 5e-05 to a whole number. Dividing by the snapped number instead would leave a quotient
// that no longer vanishes where f's other zeros lie (-3e-09 written as 0 beside the zero 0).
std::string PolynomT::Faktorform() const {
    class HauptF& w = HauptF();
    PolynomT r;
    PolynomT t;
    r.KopieVon(*this);
    std::string text;
    std::string sep;
    for (const Stelle& st : KritischeStellen(*this)) {
        if (!st.nullstelle) continue;
        double z = st.x;
        w.RundnfAusg(z);
        const std::string faktor = Faktor(z);
        for (int i = 0; i < st.vielfachheit && r.grad() > 0; ++i) {
            text += sep + faktor;
            t.KopieVon(r);
            Geteilt(r, t, st.x);
            sep = " * ";
        }
    }
    if (!r.IstEndlich())
        text += sep + "(" + kUeberlauf + ")";
    else if (r.grad() > 0 || r.Koeff[0] < 0.0)
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
