// The search for zeros over random polynomials, measured against the zeros they were built from
// and against an independent reference: bisection in long double on the same Double coefficients;
// and the factor form of such polynomials against the zeros list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "framework/Text.h"
#include "tests/engine_polynome.h"

namespace {

long double WertL(const PolynomT& p, long double x) {
    long double s = 0.0L;
    for (int i = 9; i >= 0; --i) s = s * x + p.Koeff[i];
    return s;
}

// The zeros of p's Double coefficients near the sorted r, each bisected in long double between
// the midpoints of its neighbours; none where p does not change sign there.
std::optional<std::vector<double>> Referenz(const PolynomT& p, const std::vector<double>& r) {
    std::vector<double> z;
    for (std::size_t k = 0; k < r.size(); ++k) {
        long double a = k == 0 ? r[0] - 1 - std::fabs(r[0]) : (r[k - 1] + 0.5L * (r[k] - r[k - 1]));
        long double b =
            k + 1 == r.size() ? r[k] + 1 + std::fabs(r[k]) : (r[k] + 0.5L * (r[k + 1] - r[k]));
        const bool fa = WertL(p, a) > 0;
        if (fa == (WertL(p, b) > 0)) return std::nullopt;
        for (int i = 0; i < 200; ++i) {
            const long double m = a + (b - a) / 2;
            if (m == a || m == b) break;
            ((WertL(p, m) > 0) == fa ? a : b) = m;
        }
        z.push_back(static_cast<double>(a));
    }
    return z;
}

// The counted array ns holds as many zeros as soll, each within toleranz * max(1, |zero|).
bool Nahe(const std::vector<double>& ns, const std::vector<double>& soll, double toleranz = 1e-9) {
    if (ns.size() != soll.size() + 1) return false;
    for (std::size_t k = 0; k < soll.size(); ++k)
        if (!(std::fabs(ns[k + 1] - soll[k]) <= toleranz * std::max(1.0, std::fabs(soll[k]))))
            return false;
    return true;
}

// The zeros of the linear factors, read back from the factor form's text.
std::vector<double> Faktornullstellen(const std::string& text) {
    std::vector<double> z;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        if (text.compare(i, 4, "( x-") == 0)
            z.push_back(Val(text.substr(i + 4)));
        else if (text.compare(i, 6, "( x + ") == 0)
            z.push_back(-Val(text.substr(i + 6)));
        else if (text.compare(i, 1, "x") == 0)
            z.push_back(0.0);
        else
            break;
        i = text.find(" * ", i);
        if (i == std::string::npos) break;
    }
    return z;
}

class EngineSucheZufall : public ::testing::Test {
  protected:
    std::vector<double> Nullstellen(const PolynomT& p) {
        std::vector<double> kp = {0.0}, ns = {0.0};
        polynom::FindeKP(p, kp, ns);
        return ns;
    }
};

// Nine simple zeros drawn from (-W, W): every draw gives nine zeros. The rounded coefficients
// themselves move close zeros by more than 1e-9 in a few draws in a thousand, so the reference
// of the same coefficients is the measure of the search. Where zeros lie that close, the
// reference's long-double bisection is itself at the end of its precision, so the drawn zeros
// are asked for in 99.3% of the draws and not in as many as the reference meets.
TEST_F(EngineSucheZufall, NineRandomZeros) {
    constexpr int kZuege = 2000;
    std::mt19937_64 gen(20240611);
    for (double breite : {1.0, 5.0, 20.0, 1000.0}) {
        std::uniform_real_distribution<double> verteilung(-breite, breite);
        int anzahlRichtig = 0, wieReferenz = 0, wieGezogen = 0, referenzWieGezogen = 0, ohne = 0;
        for (int zug = 0; zug < kZuege; ++zug) {
            std::vector<double> r(9);
            for (double& z : r) z = verteilung(gen);
            std::sort(r.begin(), r.end());
            const PolynomT p = AusNullstellen(r);
            const std::vector<double> ns = Nullstellen(p);
            const auto ref = Referenz(p, r);
            anzahlRichtig += ns[0] == 9;
            ohne += !ref;
            wieReferenz += ref && Nahe(ns, *ref);
            wieGezogen += Nahe(ns, r);
            if (ref) {
                std::vector<double> gezaehlt = {9};
                gezaehlt.insert(gezaehlt.end(), ref->begin(), ref->end());
                referenzWieGezogen += Nahe(gezaehlt, r);
            }
        }
        const std::string w = std::to_string(static_cast<int>(breite));
        RecordProperty("W" + w + "_count", anzahlRichtig);
        RecordProperty("W" + w + "_noref", ohne);
        RecordProperty("W" + w + "_reference", wieReferenz);
        RecordProperty("W" + w + "_drawn", wieGezogen);
        RecordProperty("W" + w + "_reference_drawn", referenzWieGezogen);
        EXPECT_EQ(anzahlRichtig, kZuege) << "W = " << breite;
        EXPECT_GE(wieReferenz, kZuege * 995 / 1000) << "W = " << breite;
        EXPECT_GE(wieGezogen, kZuege * 993 / 1000) << "W = " << breite;
    }
}

// Families of polynomials built from drawn zeros, expanded in long double and rounded once: the
// drawn zeros are the reference. Each family asks for the right number of zeros in a share of
// the draws and for every zero within a tolerance of a drawn one in a share of them. A zero of
// multiplicity m is listed once; in every draw the factor form divides by the zeros listed.
struct Zug {
    std::vector<double> nullstellen;  // distinct, ascending
    std::vector<double> alle;         // with their multiplicity
};

struct Familie {
    const char* name;
    int zuege;
    double toleranz;
    double anteilAnzahl;  // share of draws with the right number of zeros
    double anteilNahe;    // share of draws with every zero within the tolerance
    Zug (*ziehen)(std::mt19937_64&);
};

std::vector<double> Gezogen(std::mt19937_64& gen, int anzahl, double breite) {
    std::uniform_real_distribution<double> lage(-breite, breite);
    std::vector<double> r(static_cast<std::size_t>(anzahl));
    for (double& z : r) z = lage(gen);
    return r;
}

Zug Mit(std::vector<double> einfach, const std::vector<double>& mehrfach, int m) {
    Zug z;
    z.alle = einfach;
    for (double x : mehrfach)
        for (int i = 0; i < m; ++i) z.alle.push_back(x);
    z.nullstellen = einfach;
    z.nullstellen.insert(z.nullstellen.end(), mehrfach.begin(), mehrfach.end());
    std::sort(z.nullstellen.begin(), z.nullstellen.end());
    std::sort(z.alle.begin(), z.alle.end());
    return z;
}

template <int W>
Zug DreiDoppelteDreiEinfache(std::mt19937_64& gen) {
    std::vector<double> r = Gezogen(gen, 6, W);
    return Mit({r[0], r[1], r[2]}, {r[3], r[4], r[5]}, 2);
}

Zug EineDreifacheDreiEinfache(std::mt19937_64& gen) {
    std::vector<double> r = Gezogen(gen, 4, 5);
    return Mit({r[0], r[1], r[2]}, {r[3]}, 3);
}

// Five zeros k/10, (k + j)/10, ..., (k + 4j)/10 from -1.5 to 2.7.
Zug FuenfInZehnteln(std::mt19937_64& gen) {
    std::uniform_int_distribution<int> anfang(-15, 15);
    std::uniform_int_distribution<int> schritt(1, 3);
    const int k = anfang(gen);
    const int j = schritt(gen);
    std::vector<double> r;
    for (int i = 0; i < 5; ++i) r.push_back((k + i * j) / 10.0);
    return Mit(r, {}, 1);
}

// Nine zeros a, a + d, ..., a + 8d spread over (-5, 5), d from 0.8 to 1.25.
Zug NeunGleichabstaendige(std::mt19937_64& gen) {
    const double d = std::uniform_real_distribution<double>(0.8, 1.25)(gen);
    const double a = std::uniform_real_distribution<double>(-5.0, 5.0 - 8 * d)(gen);
    std::vector<double> r;
    for (int i = 0; i < 9; ++i) r.push_back(a + i * d);
    return Mit(r, {}, 1);
}

// The factor form's linear factors are the zeros of the search, each written as the zeros text
// writes it and as often as it divides f, and nothing is left of f that has a zero there.
bool FaktorformWieListe(const PolynomT& p) {
    std::vector<std::string> soll;
    for (const Stelle& st : KritischeStellen(p)) {
        if (!st.nullstelle) continue;
        double z = st.x;
        polynom::RundnfAusg(z);
        for (int i = 0; i < st.vielfachheit; ++i) soll.push_back(Str(z));
    }
    std::vector<std::string> ist;
    for (double z : Faktornullstellen(p.Faktorform())) ist.push_back(Str(z));
    return ist == soll;
}

TEST_F(EngineSucheZufall, DrawnZerosAreFoundOnceAndClose) {
    const Familie familien[] = {
        {"three_double_three_simple_W5", 2000, 1e-7, 0.99, 0.98, DreiDoppelteDreiEinfache<5>},
        {"three_double_three_simple_W1000", 2000, 1e-7, 0.99, 0.98, DreiDoppelteDreiEinfache<1000>},
        {"one_triple_three_simple_W5", 2000, 1e-6, 0.99, 0.98, EineDreifacheDreiEinfache},
        {"five_in_tenths", 2000, 1e-9, 0.995, 0.99, FuenfInZehnteln},
        {"nine_evenly_spaced", 2000, 1e-9, 0.98, 0.97, NeunGleichabstaendige},
    };
    std::mt19937_64 gen(73);
    for (const Familie& f : familien) {
        int anzahlRichtig = 0, nahe = 0, hoechstensGrad = 0, wieListe = 0;
        for (int zug = 0; zug < f.zuege; ++zug) {
            const Zug z = f.ziehen(gen);
            const PolynomT p = AusNullstellen(z.alle);
            const std::vector<double> ns = Nullstellen(p);
            anzahlRichtig += ns.size() == z.nullstellen.size() + 1;
            nahe += Nahe(ns, z.nullstellen, f.toleranz);
            hoechstensGrad += ns[0] <= static_cast<double>(z.alle.size());
            wieListe += FaktorformWieListe(p);
        }
        RecordProperty(std::string(f.name) + "_count", anzahlRichtig);
        RecordProperty(std::string(f.name) + "_close", nahe);
        EXPECT_EQ(hoechstensGrad, f.zuege) << f.name;
        EXPECT_EQ(wieListe, f.zuege) << f.name;
        EXPECT_GE(anzahlRichtig, f.anteilAnzahl * f.zuege) << f.name;
        EXPECT_GE(nahe, f.anteilNahe * f.zuege) << f.name;
    }
}

// n zeros drawn from `lage`, each at least 0.4 from the others.
std::vector<double> Getrennt(std::mt19937_64& gen, std::uniform_real_distribution<double>& lage,
                             int n) {
    std::vector<double> r;
    while (static_cast<int>(r.size()) < n) {
        const double z = lage(gen);
        if (std::all_of(r.begin(), r.end(), [z](double y) { return std::fabs(y - z) >= 0.4; }))
            r.push_back(z);
    }
    return r;
}

// Zeros at least 0.4 apart, degree 2 to 9, leading coefficients from 1e-6 to 1e6.
TEST_F(EngineSucheZufall, WellConditionedZerosMatchTheReference) {
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> lage(-6.0, 6.0);
    std::uniform_real_distribution<double> skala(-6.0, 6.0);
    std::uniform_int_distribution<int> grad(2, 9);
    for (int fall = 0; fall < 500; ++fall) {
        const int n = grad(gen);
        std::vector<double> r = Getrennt(gen, lage, n);
        std::sort(r.begin(), r.end());
        const PolynomT p = AusNullstellen(r, std::pow(10.0L, skala(gen)));
        SCOPED_TRACE(p.Term2String());
        const auto ref = Referenz(p, r);
        EXPECT_TRUE(ref.has_value());
        const std::vector<double> ns = Nullstellen(p);
        EXPECT_EQ(ns[0], n);
        if (!ref.has_value() || ns[0] != n) continue;
        for (int k = 0; k < n; ++k)
            EXPECT_NEAR(ns[k + 1], (*ref)[k], 1e-9 * std::max(1.0, std::fabs((*ref)[k])));
    }
}

TEST_F(EngineSucheZufall, WholeNumberZerosComeOutExact) {
    std::mt19937_64 gen(17);
    std::uniform_int_distribution<int> lage(-20, 20);
    std::uniform_int_distribution<int> grad(1, 9);
    const double fuehrend[] = {1, -1, 3, 0.5, -0.25, 7};
    for (int fall = 0; fall < 300; ++fall) {
        std::vector<double> r;
        const int n = grad(gen);
        while (static_cast<int>(r.size()) < n) {
            const double z = lage(gen);
            if (std::find(r.begin(), r.end(), z) == r.end()) r.push_back(z);
        }
        std::sort(r.begin(), r.end());
        const PolynomT p = AusNullstellen(r, fuehrend[fall % 6]);
        std::vector<double> soll = {static_cast<double>(n)};
        soll.insert(soll.end(), r.begin(), r.end());
        EXPECT_EQ(Nullstellen(p), soll) << p.Term2String();
    }
}

// The factors divide f one zero after the other, and each quotient's zeros drift from f's; the
// factors still show f's zeros as the zeros list writes them.
TEST_F(EngineSucheZufall, FactorFormShowsTheZerosOfTheList) {
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> lage(-6.0, 6.0);
    std::uniform_real_distribution<double> skala(-6.0, 6.0);
    std::uniform_int_distribution<int> grad(2, 9);
    int faktoren = 0, gleichGeschrieben = 0;
    for (int fall = 0; fall < 500; ++fall) {
        const int n = grad(gen);
        std::vector<double> r = Getrennt(gen, lage, n);
        const PolynomT p = AusNullstellen(r, std::pow(10.0L, skala(gen)));
        const std::vector<double> ns = Nullstellen(p);
        const std::vector<double> fz = Faktornullstellen(p.Faktorform());
        SCOPED_TRACE(p.Term2String());
        EXPECT_EQ(fz.size() + 1, ns.size());
        if (fz.size() + 1 != ns.size()) continue;
        for (std::size_t k = 0; k < fz.size(); ++k) {
            double z = ns[k + 1];
            polynom::RundnfAusg(z);
            EXPECT_NEAR(fz[k], z, 1e-11 * std::max(1.0, std::fabs(z)));
            ++faktoren;
            gleichGeschrieben += Str(fz[k]) == Str(z);
        }
    }
    RecordProperty("factors", faktoren);
    RecordProperty("written_alike", gleichGeschrieben);
    EXPECT_GE(gleichGeschrieben, faktoren * 995 / 1000);
}

}  // namespace
