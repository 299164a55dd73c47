// Division by a linear factor, the real factor form, the zero list, the integral and the area
// enclosed by the graph and the x-axis: all built on the window's search for zeros.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/Dezimal.h"
#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "engine/Numerik.h"
#include "framework/Text.h"

namespace {

std::string Faktor(double z) {
    if (z == 0.0) return "x";
    if (z > 0.0) return "( x-" + Str(z) + ")";
    return "( x + " + Str(Abs(z)) + ")";
}

using numerik::Zwei;

// A zero of f as the factor form divides by it: a double-double next to the zero of f's exact
// coefficients, within fehler of it. The search gives the Double next to the zero (for a zero of
// multiplicity m, that of the derivative A(m - 1), f's best estimate there); one Newton step in
// A(m - 1) on compensated values adds the next 53 bits. Its error: the value's error bound and
// the slope's over the slope, and the step's square times the curvature over the slope, doubled.
// A step that is no correction in the last bits leaves the Double as it is.
//
// eingaben: how far the zero moves, to first order, where f's coefficients stand for the
// decimals they were typed as, up to half their ulp (numerik::Unsicher): that move of
// A(m - 1)'s value over its slope, |dz| <= 2^-53 sum_i Unsicher(f_(i+m-1)) |a_i x^i| / |a'(x)|.
// For a multiple zero this takes the typed polynomial to have it as often, a simple zero of its
// A(m - 1); infinite where no slope is known.
struct Teiler {
    Zwei z;
    double fehler;
    double eingaben = HUGE_VAL;
    std::array<double, 10> nach{};  // dz / df_i (NullstelleNach); 0 where no slope is known
};

// The exact derivatives of f, each formed when first asked for.
class Ableitungen {
  public:
    Ableitungen(const PolynomT& f, int n) : f_(f), n_(n) {}
    const numerik::Ableitung& operator[](int j) {
        auto& a = a_[static_cast<std::size_t>(j)];
        if (a.grad < 0) a = numerik::AbleitungVon(f_.Koeff, {}, n_, j);
        return a;
    }

  private:
    const PolynomT& f_;
    int n_;
    std::array<numerik::Ableitung, 10> a_{};
};

// numerik::Unsicher of each of f's coefficients, asked once per factor form: deciding whether a
// Double is a short decimal is the costly part of the bound.
using Unsicherheit = std::array<double, 10>;

// The move of a zero at x of a = A(j) with the slope steigung, where f's coefficients stand for
// their typed decimals (Teiler::eingaben), raised by 2^-40 for the rounding of its own sum.
double EingabenBewegung(const Unsicherheit& unsicher, const numerik::Ableitung& a, int j, double x,
                        double steigung) {
    double summe = 0.0;
    const double ax = std::fabs(x);
    for (int i = a.grad; i >= 0; --i)
        summe = summe * ax + unsicher[static_cast<std::size_t>(i + j)] *
                                 std::fabs(a.k[static_cast<std::size_t>(i)].hi);
    return numerik::kEinheit * summe / std::fabs(steigung) * (1.0 + 0x1p-40);
}

// The zero's derivatives by f's coefficients, for the zero x of a = A(j) with the slope steigung:
// dx / df_(i+j) = -(da(x) / df_(i+j)) / a'(x), the derivative factor (i+j)!/i! times x^i over
// the slope, with its sign.
std::array<double, 10> NullstelleNach(const numerik::Ableitung& a, int j, double x,
                                      double steigung) {
    std::array<double, 10> d{};
    double potenz = 1.0;
    for (int i = 0; i <= a.grad; ++i) {
        d[static_cast<std::size_t>(i + j)] =
            -numerik::kAbleitungsfaktor[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] *
            potenz / steigung;
        potenz *= x;
    }
    return d;
}

// The real zeros of p, each as often as it divides p.
int Nullstellenzahl(const PolynomT& p) {
    int n = 0;
    for (const Stelle& st : KritischeStellen(p))
        if (st.nullstelle) n += st.vielfachheit;
    return n;
}

Teiler Verfeinert(const Unsicherheit& unsicher, Ableitungen& abl, int n, const Stelle& st) {
    const int j = st.vielfachheit - 1;
    const Teiler grob = {{st.x, 0.0}, 4.0 * numerik::kEinheit * std::fabs(st.x)};
    if (j + 1 > n) return grob;
    const numerik::Wert v = numerik::KompensiertHorner(abl[j].k, n - j, st.x);
    double kruemmung = 0.0;
    const numerik::Wert s = numerik::KompensiertHorner(abl[j + 1].k, n - j - 1, st.x, kruemmung);
    const double eingaben = EingabenBewegung(unsicher, abl[j], j, st.x, s.wert);
    const std::array<double, 10> nach = NullstelleNach(abl[j], j, st.x, s.wert);
    if (v.wert == 0.0) return {{st.x, 0.0}, 0.0, eingaben, nach};
    const double schritt = v.wert / s.wert;
    const double fehler =
        2.0 *
        ((v.fehler + std::fabs(schritt) * s.fehler + schritt * schritt * std::fabs(kruemmung)) /
         std::fabs(s.wert));
    if (!std::isfinite(fehler) || !(std::fabs(schritt) <= 0x1p-30 * std::fabs(st.x)))
        return {grob.z, grob.fehler, eingaben, nach};
    return {numerik::SchnelleZweiSumme(st.x, -schritt), fehler, eingaben, nach};
}

// The quotient of f by the linear factors of its zeros, in double-double precision, each
// division in the direction that does not cancel (numerik::DurchLinear), the zeros 0 first, which
// leave f shifted down exactly. Each coefficient is rounded once and then replaced by the
// shortest decimal within its bound (numerik::KuerzesteDezimalzahl), so that the quotient of a
// typed (x - 3)(x - 4)(x^2 + 0.6x + 0.3) is x^2 + 0.6x + 0.3 again, and x^4 - x^2 - 2 divided
// by +-sqrt(2) leaves x^2 + 1, not a term of 1e-32 x beside it.
//
// The bound of a coefficient c, whose terms are the products t = f_j z^(j-i-1) of f's
// coefficients and the zeros that the division sums:
//   2^-53 |c| + fehler + bewegung, raised by 2^-96 sum |t| and by 2^-40 of itself.
// 2^-53 |c| is the one rounding. fehler holds the double-double arithmetic and each zero's
// distance from f's exact zero. bewegung is how far c moves, to first order, where each f_j
// that is no short decimal stands for the typed one up to its half ulp 2^-53 |f_j| away, the
// zeros moving with f: 2^-53 sum_j Unsicher(f_j) |f_j dc/df_j|, the derivatives carried through
// the division with their signs (ZweiPolynom::nach), so that moves that cancel are not counted
// twice, plus 2^-45 of their magnitude bound (eingaben) for the rounding of those sums, and never
// above that bound. The magnitude bound is 2^-53 sum |t| for f's changes and 2^-53 cond(z)
// |q_j z^(j-i)| for each zero's move, cond(z) = sum |f_j z^j| / |z f'(z)|. So
//   bound <= k 2^-53 sum |t|, k = 2 + sum over the zeros of cond(z) (with q's terms beside f's):
// 2 where the zeros stand still, one for the rounding and one for the inputs; a coefficient that
// is a short decimal itself adds nothing, so whole coefficients leave only the rounding and
// fehler. The 2^-96 covers what first order leaves out (products of two half ulps).
//
// What the held coefficients decide stays: a coefficient whose fehler is not far below its terms
// (2^-70 of them: an ill-conditioned zero leaves its last bits unsure) keeps its rounded Double;
// one whose sign they fix keeps that sign and is not made 0; and where the decimals would give
// the quotient another count of real zeros than the rounded one has (a double zero out of a pair
// that lies just off the axis), the rounded coefficients stay.
PolynomT Rest(const PolynomT& f, const Unsicherheit& unsicher, std::vector<Teiler> teiler) {
    std::stable_partition(teiler.begin(), teiler.end(),
                          [](const Teiler& t) { return t.z.hi == 0.0 && t.z.lo == 0.0; });
    numerik::ZweiPolynom<10> r = numerik::AlsZweiPolynom(f.Koeff, f.grad());
    // Each f_j's half ulp where it may stand for a typed decimal it is not, 0 where it is one.
    std::array<double, 10> halbeUlp{};
    for (int i = 0; i <= r.grad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        halbeUlp[k] = numerik::kEinheit * unsicher[k] * std::fabs(f.Koeff[k]);
        r.eingaben[k] = halbeUlp[k];
        r.nach[k][k] = 1.0;
    }
    for (const Teiler& t : teiler) {
        if (r.grad < 1) break;
        r = numerik::DurchLinear(r, t.z, t.fehler, t.eingaben, t.nach);
    }
    PolynomT gerundet;
    PolynomT rest;
    bool geaendert = false;
    for (int i = 0; i <= r.grad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double c = numerik::AlsDouble(r.k[k]);
        gerundet.Koeff[k] = c;
        rest.Koeff[k] = c;
        if (!(r.fehler[k] <= 0x1p-70 * r.groesse[k])) continue;
        const double betrag = std::fabs(c);
        const double gehalten = (numerik::kEinheit * betrag + r.fehler[k]) * (1.0 + 0x1p-40);
        double bewegung = 0.0;
        for (std::size_t j = 0; j < halbeUlp.size(); ++j)
            bewegung += halbeUlp[j] * std::fabs(r.nach[k][j]);
        bewegung = std::min(bewegung + 0x1p-45 * r.eingaben[k], r.eingaben[k]);
        double schranke =
            (numerik::kEinheit * betrag + r.fehler[k] + bewegung + 0x1p-96 * r.groesse[k]) *
            (1.0 + 0x1p-40);
        if (betrag > gehalten)
            schranke = std::min(schranke, std::nextafter(betrag, 0.0) - gehalten);
        rest.Koeff[k] = numerik::KuerzesteDezimalzahl(c, schranke) + 0.0;
        geaendert = geaendert || rest.Koeff[k] != c;
    }
    if (geaendert && r.grad >= 2 && Nullstellenzahl(rest) != Nullstellenzahl(gerundet))
        return gerundet;
    return rest;
}

// The antiderivative F(x) = sum c_k x^(k+1) / (k+1), F(0) = 0, with its coefficients and
// values as double-doubles: an integral F(b) - F(a) keeps its digits where F is far larger than
// the integral, as between the zeros of x^5 - 5000x^4 + ... - 999995000004001, where F is of
// order 1e19 and the areas of order 1.
struct Stammfunktion {
    std::array<Zwei, 11> k{};
    int grad = 0;

    explicit Stammfunktion(const PolynomT& p) : grad(p.grad() + 1) {
        for (int i = 1; i <= grad; ++i)
            k[static_cast<std::size_t>(i)] = numerik::DurchGanzzahl(
                p.Koeff[static_cast<std::size_t>(i - 1)], static_cast<double>(i));
    }
    Zwei operator()(double x) const { return numerik::KompensiertHornerZwei(k, grad, x); }
};

}  // namespace

void PolynomT::PdurchxminusB(const PolynomT& p, double b) {
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
                                 ? polynom::Runden(summe)
                                 : numerik::Gefangen(summe, numerik::kFangRunden * groesse);
        }
    }
    KopieVon(q);
}

namespace {

// The linear factors of p's real zeros, each as often as it divides p, in the order and with the
// digits of the zeros list, and what is left of p after dividing by them all. Each factor shows
// its zero as the zeros text does, snapped within 5e-05 to a whole number; p is divided by the
// zero itself, made more precise. Dividing by the snapped number instead would leave a quotient
// that no longer vanishes where p's other zeros lie (-3e-09 written as 0 beside the zero 0).
struct Zerlegung {
    std::vector<std::string> faktoren;
    PolynomT rest;
};

Zerlegung Zerlegt(const PolynomT& p) {
    const int n = p.grad();
    Zerlegung z;
    std::vector<Teiler> teiler;
    Ableitungen abl(p, n);
    Unsicherheit unsicher{};
    for (int i = 0; i <= n; ++i)
        unsicher[static_cast<std::size_t>(i)] =
            numerik::Unsicher(p.Koeff[static_cast<std::size_t>(i)]);
    for (const Stelle& st : KritischeStellen(p)) {
        if (!st.nullstelle) continue;
        double x = st.x;
        polynom::RundnfAusg(x);
        const std::string faktor = Faktor(x);
        const Teiler t = Verfeinert(unsicher, abl, n, st);
        for (int i = 0; i < st.vielfachheit && static_cast<int>(teiler.size()) < n; ++i) {
            z.faktoren.push_back(faktor);
            teiler.push_back(t);
        }
    }
    z.rest = teiler.empty() ? p : Rest(p, unsicher, teiler);
    return z;
}

}  // namespace

PolynomT Faktorrest(const PolynomT& p) {
    return Zerlegt(p).rest;
}

std::string PolynomT::Faktorform() const {
    const Zerlegung z = Zerlegt(*this);
    std::string text;
    std::string sep;
    for (const std::string& f : z.faktoren) {
        text += sep + f;
        sep = " * ";
    }
    const PolynomT& r = z.rest;
    if (!r.IstEndlich())
        text += sep + "(" + kUeberlauf + ")";
    else if (r.grad() > 0 || r.Koeff[0] < 0.0)
        text += sep + "(" + r.Term2String() + ")";
    else if (r.Koeff[0] != 1.0)
        text += sep + Str(r.Koeff[0]);
    return text;
}

std::string PolynomT::NullstellenString() const {
    std::vector<double> b(10, 0.0);
    std::vector<double> a = {0.0};
    polynom::FindeKP(*this, a, b);
    const std::int32_t n = ToInt32(b[0]);
    std::string s;
    for (std::int32_t k = 1; k <= n; ++k) {
        if (k > 1) s += " , ";
        s += Str(polynom::Runden(b[static_cast<std::size_t>(k)]));
    }
    return s;
}

double PolynomT::Integral(double a, double b) const {
    const Stammfunktion f(*this);
    return numerik::AlsDouble(numerik::Plus(f(b), numerik::Minus(f(a))));
}

void PolynomT::Nullstellenmenge(std::vector<double>& z) const {
    std::vector<double> kp = {0.0};
    polynom::FindeKP(*this, kp, z);
}

// For degree below 1 the search leaves z empty: no zeros, no area.
double PolynomT::Umrandet() const {
    std::vector<double> z;
    Nullstellenmenge(z);
    double a = 0.0;
    if (z.empty() || z[0] <= 1) return a;
    const Stammfunktion f(*this);
    Zwei links = f(z[1]);
    for (std::size_t k = 1; k + 1 < z.size(); ++k) {
        const Zwei rechts = f(z[k + 1]);
        a = a + Abs(numerik::AlsDouble(numerik::Plus(rechts, numerik::Minus(links))));
        links = rechts;
    }
    return a;
}
