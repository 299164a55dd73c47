// Division by a linear factor, the real factor form, the zero list, the integral and the area
// enclosed by the graph and the x-axis: all built on the window's search for zeros.
#include <array>
#include <vector>

#include "framework/Text.h"
#include "shell/HauptF.h"

void PolynomT::PdurchxminusB(const PolynomT& p, double b) {
    class HauptF& w = HauptF();
    PolynomT q;
    const int n = p.grad();
    if (n > 0) {
        q.Koeff[n - 1] = p.Koeff[n];
        for (int k = n - 1; k >= 1; --k) q.Koeff[k - 1] = w.Runden(p.Koeff[k] + b * q.Koeff[k]);
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
    while (b[0] > 0 && r.grad() > 0) {
        double z = b[1];
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
