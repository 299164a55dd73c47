#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Numerik.h"
#include "framework/Text.h"
#include "tests/engine_polynome.h"

namespace {

PolynomT Mal(double r, const PolynomT& p) {
    PolynomT q;
    q.SMal(r, p);
    return q;
}

PolynomT Produkt(std::initializer_list<PolynomT> faktoren) {
    PolynomT p = P({1});
    for (const PolynomT& f : faktoren) {
        PolynomT q;
        q.Produkt(p, f);
        p = q;
    }
    return p;
}

const double kWurzel2 = std::sqrt(2.0);

class EngineSuche : public ::testing::Test {
  protected:
    // False when there was nothing to search: the caller then counts no points.
    bool Suche(const PolynomT& p) { return polynom::FindeKP(p, kp, ns); }
    std::vector<double> kp = {0.0};
    std::vector<double> ns = {0.0};
};

TEST_F(EngineSuche, ConstantsFindNothingAndLeaveTheZerosAlone) {
    for (const PolynomT& p : {P({5}), P({})}) {
        kp = {3, 1, 2, 3};
        ns = {1, 42};
        EXPECT_FALSE(Suche(p));
        EXPECT_EQ(kp.size(), 1u);
        EXPECT_EQ(ns, (std::vector<double>{1, 42}));
    }
}

// Counted arrays: element 0 the count, then the points ascending; exact where whole numbers.
TEST_F(EngineSuche, CriticalPointsAndZeros) {
    struct Fall {
        PolynomT p;
        std::vector<double> kp;
        std::vector<double> ns;
    };
    const Fall faelle[] = {
        {P({-3, 2}), {1, 1.5}, {1, 1.5}},
        {P({-70000, 1}), {1, 70000}, {1, 70000}},
        {P({1, 0, 1}), {1, 0}, {0}},
        {P({0, 0, 1}), {1, 0}, {1, 0}},
        {P({-2, 0, 2}), {3, -1, 0, 1}, {2, -1, 1}},
        {P({0, -1, 0, 1}), {5, -1, -std::sqrt(1.0 / 3), 0, std::sqrt(1.0 / 3), 1}, {3, -1, 0, 1}},
        {P({70000, -70001, 1}), {3, 1, 35000.5, 70000}, {2, 1, 70000}},
        {P({4, 0, -5, 0, 1}),
         {9, -2, -std::sqrt(2.5), -1, -std::sqrt(5.0 / 6), 0, std::sqrt(5.0 / 6), 1, std::sqrt(2.5),
          2},
         {4, -2, -1, 1, 2}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.p.Term2String());
        Suche(f.p);
        EXPECT_EQ(kp.size(), f.kp.size());
        if (kp.size() == f.kp.size()) {
            for (std::size_t i = 0; i < kp.size(); ++i) {
                if (f.kp[i] == std::round(f.kp[i]))
                    EXPECT_EQ(kp[i], f.kp[i]) << " point " << i;
                else
                    EXPECT_NEAR(kp[i], f.kp[i], 1e-10) << " point " << i;
            }
        }
        EXPECT_EQ(ns, f.ns);
    }
}

// Given one array for both, the search leaves the zeros' counted array in it, whole, as
// assigning the two one after the other would.
TEST_F(EngineSuche, OneArrayForBothEndsAsTheZeros) {
    std::vector<double> beide = {7, 7};
    EXPECT_TRUE(polynom::FindeKP(P({0, -1, 0, 1}), beide, beide));
    EXPECT_EQ(beide, (std::vector<double>{3, -1, 0, 1}));
}

// Every digit written of a zero is right: an irrational zero is the Double nearest to it, not
// some point within the bisection's 1e-11 of it, and the critical points hold it alike.
TEST_F(EngineSuche, ZerosAreTheNearestDoubles) {
    const double w2 = kWurzel2;
    const double w3 = std::sqrt(3.0);
    const double w6 = std::sqrt(6.0);
    const double k2 = 1.2599210498948732;  // the cube root of 2, correctly rounded
    struct Fall {
        PolynomT p;
        std::vector<double> ns;
    };
    const Fall faelle[] = {
        {P({-2, 0, 1}), {2, -w2, w2}},
        {P({-0.002, 0, 0.001}), {2, -w2, w2}},
        {P({-2, 0, 0, 1}), {1, k2}},
        {P({6, 0, -5, 0, 1}), {4, -w3, -w2, w2, w3}},
        {P({0, -6, 0, 1}), {3, -w6, 0, w6}},
        // a double zero, found as the zero of f'
        {Produkt({P({-2, 0, 1}), P({-2, 0, 1})}), {2, -w2, w2}},
    };
    for (const Fall& f : faelle) {
        Suche(f.p);
        EXPECT_EQ(ns, f.ns) << f.p.Term2String();
        for (std::size_t k = 1; k < ns.size(); ++k)
            EXPECT_NE(std::find(kp.begin() + 1, kp.end(), ns[k]), kp.end()) << ns[k];
    }
}

// Whether a value counts as zero does not depend on the scale of the coefficients.
TEST_F(EngineSuche, ScaleDoesNotChangeWhatIsFound) {
    const PolynomT x2minus2 = P({-2, 0, 1});
    const PolynomT doppelt = Produkt({P({-1, 1}), P({-1, 1}), P({2, 1})});  // (x-1)^2 (x+2)
    const PolynomT drei = Produkt({P({-1, 1}), P({-2, 1}), P({-3, 1})});
    for (double s : {1.0, 0.001, 1000.0, 1e10, 1e-10, 1e-200, 1e200}) {
        SCOPED_TRACE(s);
        Suche(Mal(s, x2minus2));
        EXPECT_EQ(ns.size(), 3u);
        if (ns.size() == 3u) {
            EXPECT_NEAR(ns[1], -kWurzel2, 1e-11);
            EXPECT_NEAR(ns[2], kWurzel2, 1e-11);
        }
        EXPECT_EQ(kp.size(), 4u);
        if (kp.size() == 4u) {
            EXPECT_EQ(kp[2], 0.0);
        }

        Suche(Mal(s, doppelt));
        EXPECT_EQ(ns, (std::vector<double>{2, -2, 1}));

        Suche(Mal(s, drei));
        EXPECT_EQ(ns, (std::vector<double>{3, 1, 2, 3}));
    }
    // Written as typed, with its coefficients from decimal text.
    Suche(P({-2000, 0, 1000}));
    EXPECT_EQ(ns.size(), 3u);
    Suche(P({-6e-10, 11e-10, -6e-10, 1e-10}));
    EXPECT_EQ(ns, (std::vector<double>{3, 1, 2, 3}));
}

// A double zero that is no Double: its rounded coefficients leave f touching or nearly touching
// the axis; it is reported once, and a critical point between close simple zeros is not.
TEST_F(EngineSuche, EvenZerosAndCloseSimpleZeros) {
    Suche(Produkt({P({-0.3, 1}), P({-0.3, 1}), P({2, 1})}));
    ASSERT_EQ(ns.size(), 3u);
    EXPECT_EQ(ns[1], -2.0);
    EXPECT_NEAR(ns[2], 0.3, 1e-10);
    EXPECT_EQ(kp[0], 4.0);

    // f is about -6e-09 at the critical point between these two: small, but far beyond the noise
    // its coefficients leave open there (of order 1e-16), so its sign is sure and the point is
    // no zero.
    Suche(Produkt({P({-0.3, 1}), P({-0.3001, 1}), P({2, 1})}));
    ASSERT_EQ(ns.size(), 4u) << "three zeros, not the critical point between the close two";
    EXPECT_NEAR(ns[2], 0.3, 1e-11);
    EXPECT_NEAR(ns[3], 0.3001, 1e-11);
    EXPECT_EQ(kp[0], 6.0);
}

// Where f is flat at a zero (a multiple zero, or a simple one at a centre of symmetry), the
// rounding noise of its value changes sign several times; that is one zero, listed once, at the
// zero of the highest derivative that vanishes there. Close but distinct zeros stay apart.
TEST_F(EngineSuche, FlatZerosAreListedOnce) {
    struct Fall {
        const char* text;
        std::vector<double> ns;
    };
    const Fall faelle[] = {
        // (x - 0.1)(x - 0.2)(x - 0.3)(x - 0.4)(x - 0.5), zeros of its Double coefficients
        {"x^5-1.5x^4+0.85x^3-0.225x^2+0.0274x-0.0012",
         {5, 0.09999999999999996, 0.19999999999999976, 0.3000000000000019, 0.3999999999999968,
          0.5000000000000015}},
        {"x^3-0.6x^2+0.12x-0.008", {1, 0.2}},                    // (x - 0.2)^3
        {"x^4 - 0.4x^3 + 0.06x^2 - 0.004x + 0.0001", {1, 0.1}},  // (x - 0.1)^4
        {"x^2-2.0002x+1.0002", {2, 1, 1.0002}},
        {"x^3 - 3.003x^2 + 3.006002x - 1.003002", {3, 1, 1.001, 1.002}},
        // on the search bound, and beside it
        {"x^2 - 10000000000000000x", {2, 0, 1e16}},
        {"x^2 - 40000000000000000000x", {2, 0, 4e19}},
        {"-x^9 - 1000000000x^2 - 3x", {3, -19.306977288403885, -3e-9, 0}},
    };
    for (const Fall& f : faelle) {
        PolynomT p;
        bool ok = false;
        SCOPED_TRACE(f.text);
        polynom::String2Poly(p, f.text, ok);
        EXPECT_TRUE(ok);
        Suche(p);
        EXPECT_EQ(ns.size(), f.ns.size());
        if (ns.size() == f.ns.size()) {
            for (std::size_t k = 1; k < ns.size(); ++k)
                EXPECT_NEAR(ns[k], f.ns[k], 1e-9 * std::max(1.0, std::fabs(f.ns[k])));
        }
        std::vector<double> sortiert(kp.begin() + 1, kp.end());
        EXPECT_EQ(std::adjacent_find(sortiert.begin(), sortiert.end()), sortiert.end());
    }
}

// Where the Double values of f change sign by rounding noise, the bisection can end away from
// the zero; the polish in long double, over the interval where f is monotonic, still reaches
// the zero of the coefficients (bisected in 128 bits). The drawn pair -1.55331, -1.55324 (which
// the rounded coefficients move by 4e-06) has values between it above the noise zone and stays
// two.
TEST_F(EngineSuche, IllConditionedZerosAreThoseOfTheCoefficients) {
    struct Fall {
        PolynomT p;
        std::vector<double> soll;  // some of the zeros, and their number
        std::size_t anzahl;
        double toleranz;
    };
    const Fall faelle[] = {
        {P({10.41375244908213, 78.666968644213341, 256.77316917326101, 477.094145599922,
            557.87022727889723, 426.84174884787012, 214.15703380354014, 68.060228169424889,
            12.450200363882558, 1}),
         {-1.4760064737113057, -1.4156316945991558, -1.3812052366100893},
         9,
         1e-10},
        {P({1.0000009999999999, -2.0000010000000001, 1}), {0.99999999977800469}, 2, 1e-12},
        {P({-1.0804708738131676, -11.179648238462839, -20.927100161541293, 15.399036709740251,
            97.288512035395996, 141.37411208284422, 106.05967561769127, 45.089511614200703,
            10.346100502710199, 1}),
         {-1.553310958080266, -1.5532434810753735},
         9,
         1e-5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.p.Term2String());
        Suche(f.p);
        EXPECT_EQ(ns.size(), f.anzahl + 1);
        if (ns.size() != f.anzahl + 1) continue;
        for (double z : f.soll) {
            double naechste = ns[1];
            for (std::size_t k = 1; k < ns.size(); ++k)
                if (std::fabs(ns[k] - z) < std::fabs(naechste - z)) naechste = ns[k];
            EXPECT_NEAR(naechste, z, f.toleranz * std::fabs(z));
        }
    }
}

// At a centre of symmetry a zero of f is a zero of f'' as well, and each derivative's search
// reaches it at a slightly different Double: the value table lists it once.
TEST_F(EngineSuche, APointWhereSeveralDerivativesVanishIsListedOnce) {
    struct Fall {
        PolynomT p;
        std::size_t nullstellen;
    };
    const Fall faelle[] = {
        // (x - 0.4)(x - 0.5)(x - 0.6)(x - 0.7)(x - 0.8)
        {P({-0.067199999999999996, 0.59440000000000004, -2.0699999999999998, 3.5499999999999998, -3,
            1}),
         5},
        // zeros -3.5 to 3.5 shifted by -1.5432664296706
        {P({10.714656377668121, 254.77815794897515, 152.69825554896562, -291.90866569739961,
            -229.78638731161334, 11.37941589640883, 45.686795642550749, 12.3461314373648, 1}),
         8},
        // the derivative of (x + 0.1) x (x - 0.1) ... (x - 0.7)
        {P({-5.0400000000000005e-05, 0.0016056000000000002, -0.00019200000000000152,
            -0.25451999999999997, 2.4045000000000001, -9.8279999999999994, 20.579999999999998,
            -21.600000000000001, 9}),
         8},
    };
    for (const Fall& f : faelle) {
        Suche(f.p);
        EXPECT_EQ(ns.size(), f.nullstellen + 1) << f.p.Term2String();
        for (std::size_t k = 2; k < kp.size(); ++k)
            EXPECT_GT(kp[k] - kp[k - 1], 1e-11 * std::max(1.0, std::fabs(kp[k])))
                << f.p.Term2String() << " at " << kp[k];
        for (std::size_t k = 1; k < ns.size(); ++k)
            EXPECT_NE(std::find(kp.begin() + 1, kp.end(), ns[k]), kp.end())
                << "the zero " << ns[k] << " is a critical point";
    }
}

// A point is listed only where f, f' or f'' vanishes: the zeros of f''' and higher derivatives
// beside the critical points are none (1.911412 of (x-1)^3 (x-2)^4, 100.25 beside 99.886189),
// and where one lies next to a critical point (500001.25 beside the zero 500001.25000075 of f'),
// the critical point keeps its own x. Points as the value table shows them, at 6 decimals.
TEST_F(EngineSuche, OnlyZerosOfFAndItsFirstTwoDerivativesAreListed) {
    struct Fall {
        const char* text;
        std::vector<std::string> punkte;
    };
    const Fall faelle[] = {
        {"x^7-11x^6+51x^5-129x^4+192x^3-168x^2+80x-16",
         {"1", "1.226541", "1.428571", "1.630602", "2"}},
        {"x^4-401x^3+60302x^2-4030399.5x+101019955.5", {"99.886189"}},
        {"x^4-2000005x^3+1000009000007x^2-4000010000003x+3000003000000",
         {"1", "1.999999", "3", "211326.548418", "500001.250001", "788675.951582", "1000000",
          "1000000.5", "1000001"}},
    };
    for (const Fall& f : faelle) {
        PolynomT p;
        bool ok = false;
        SCOPED_TRACE(f.text);
        polynom::String2Poly(p, f.text, ok);
        EXPECT_TRUE(ok);
        Suche(p);
        std::vector<std::string> punkte;
        for (std::size_t k = 1; k < kp.size(); ++k)
            punkte.push_back(Str(polynom::Gerundet(6, kp[k])));
        EXPECT_EQ(punkte, f.punkte);
    }
}

// A point next to a whole number is snapped to it only where the function it is a zero of still
// vanishes there: the zero 1e-11 of x^2 + 1000000x - 0.00001 stays (f(0) is -0.00001), and the
// zero 1e-11 of x^3 - 0.00000000001x^2 is not lost in the double zero 0. A zero that is whole but
// for the rounding of typed decimals is snapped: (x - 2)(x - 0.1)(x - 0.3).
TEST_F(EngineSuche, ASnapLeavesTheFunctionZero) {
    PolynomT p;
    bool ok = false;
    polynom::String2Poly(p, "x^2+1000000x-0.00001", ok);
    Suche(p);
    ASSERT_EQ(ns.size(), 3u);
    EXPECT_NEAR(ns[2], 1e-11, 1e-24);
    EXPECT_EQ(polynom::Runden(numerik::KompensiertHorner(p.Koeff, 9, ns[2]).wert), 0.0);

    polynom::String2Poly(p, "x^3-0.00000000001x^2", ok);
    Suche(p);
    EXPECT_EQ(ns, (std::vector<double>{2, 0, 1e-11}));
    ASSERT_EQ(kp.size(), 5u) << "0, the zeros of f'' and f' between, 1e-11";
    EXPECT_NEAR(kp[2], 1e-11 / 3, 1e-26);
    EXPECT_NEAR(kp[3], 2e-11 / 3, 1e-26);

    polynom::String2Poly(p, "x^3-2.4x^2+0.83x-0.06", ok);
    Suche(p);
    ASSERT_EQ(ns.size(), 4u);
    EXPECT_EQ(ns[3], 2.0);
}

// The noise of a coefficient is what the data leave open of it: nothing for whole numbers, so the
// zeros of x^5 - 5x^3 + 4x shifted by (1000; -1), whose values of order 1 are sums of terms of
// 1e16, are five; and the rounding of typed decimals, so x^2 - 0.2x + 0.01 keeps its double zero.
TEST_F(EngineSuche, ZerosAreApartWhereTheDataSetThemApart) {
    PolynomT p;
    bool ok = false;
    polynom::String2Poly(p, "x^5-5000x^4+9999995x^3-9999985000x^2+4999985000004x-999995000004001",
                         ok);
    Suche(p);
    const std::vector<double> soll = {998.045920385377, 998.849015826725, 1000.27583419332,
                                      1000.79073430354, 1002.03849529104};
    ASSERT_EQ(ns.size(), soll.size() + 1);
    for (std::size_t k = 0; k < soll.size(); ++k) EXPECT_NEAR(ns[k + 1], soll[k], 1e-11);
    EXPECT_EQ(kp[0], 12.0);

    polynom::String2Poly(p, "x^2-0.2x+0.01", ok);
    Suche(p);
    EXPECT_EQ(ns, (std::vector<double>{1, 0.1}));
    EXPECT_EQ(kp, (std::vector<double>{1, 0.1}));
}

// Every critical point is polished in its own derivative: the value table's digits of f, f' and
// f'' there are those of the nearest Double.
TEST_F(EngineSuche, CriticalPointsAreTheNearestDoubles) {
    Suche(P({4, 0, -5, 0, 1}));
    ASSERT_EQ(kp.size(), 10u);
    EXPECT_EQ(kp[2], -std::sqrt(2.5));
    EXPECT_EQ(kp[4], -std::sqrt(5.0 / 6));
    EXPECT_EQ(kp[8], std::sqrt(2.5));
}

TEST_F(EngineSuche, ExtremeCoefficientsEndWithFinitePoints) {
    PolynomT p = P({1e300, -1e300, 0, 0, 0, 0, 0, 0, 0, 1e300});
    Suche(p);
    for (double x : kp) EXPECT_TRUE(std::isfinite(x));
    ASSERT_EQ(ns.size(), 2u);

    Suche(P({-1, 0, 1e-300}));  // zeros at +-1e150
    ASSERT_EQ(ns.size(), 3u);
    EXPECT_NEAR(ns[2] / 1e150, 1.0, 1e-12);

    // The zero lies beyond the Double range: no point, and nothing that is not finite.
    Suche(P({-1, 5e-324}));
    EXPECT_EQ(ns, (std::vector<double>{0}));
    EXPECT_EQ(kp, (std::vector<double>{0}));

    EXPECT_FALSE(Suche(P({1, std::numeric_limits<double>::infinity(), 1})));
    EXPECT_EQ(kp, (std::vector<double>{0}));
    EXPECT_EQ(ns, (std::vector<double>{0}));
}

TEST_F(EngineSuche, BisectionEndsForEveryInterval) {
    const double b = 1.0000000000000001e-11;
    // Too narrow to halve and without a sign change: its midpoint.
    EXPECT_EQ(polynom::GibNullst(P({-0.3, 1}), 0.2, 0.2 + b), (0.2 + (0.2 + b)) / 2);
    // A zero next to a whole number is snapped only where P vanishes there: P(2) is -1e-11.
    EXPECT_EQ(polynom::GibNullst(P({-2.00000000001, 1}), 2, 2 + b), 2.00000000001);
    EXPECT_EQ(polynom::GibNullst(P({-4, 0, 1}), 1.99999999997, 2.00000000005), 2.0) << "snapped";
    // Too narrow to halve, but holding the sign change: its midpoint is polished.
    EXPECT_EQ(polynom::GibNullst(P({-2, 0, 1}), kWurzel2 - 9e-12, kWurzel2 + 1e-12), kWurzel2);

    // Beyond 65536 neighbouring Doubles lie further apart than the width bound.
    EXPECT_EQ(polynom::GibNullst(P({-70000.3, 1}), 70000, 70001), 70000.3) << "polished";
    const double a = 1e17;
    const double c = polynom::GibNullst(P({-a - 8, 1}), a, std::nextafter(a, 1e300));
    EXPECT_TRUE(c == a || c == std::nextafter(a, 1e300));

    // Infinite ends, and values that are no number.
    const double inf = std::numeric_limits<double>::infinity();
    const double l = polynom::GibNullst(P({-5, 1}), -inf, inf);
    EXPECT_TRUE(std::isfinite(l));
    const double m = polynom::GibNullst(P({std::nan(""), 1}), 0, 1);
    EXPECT_TRUE(m >= 0 && m <= 1);

    // Signs, not the product of the two values: this product underflows to 0.
    EXPECT_NEAR(polynom::GibNullst(Mal(1e-200, P({-0.3, 1})), 0, 1), 0.3, 1e-11);
}

TEST_F(EngineSuche, Tolerances) {
    EXPECT_FALSE(polynom::IstNull(1e-08));
    EXPECT_TRUE(polynom::IstNull(9.9e-09));
    EXPECT_TRUE(polynom::IstNull(-9.9e-09));
    EXPECT_FALSE(polynom::IstNull(std::nan("")));
    EXPECT_EQ(polynom::Runden(3.0000000005), 3.0);
    EXPECT_EQ(polynom::Runden(-2.9999999995), -3.0);
    EXPECT_EQ(polynom::Runden(3.000000002), 3.000000002);
    EXPECT_TRUE(std::isinf(polynom::Runden(std::numeric_limits<double>::infinity())));
    double x = 2.00004;
    polynom::RundnfAusg(x);
    EXPECT_EQ(x, 2.0);
    x = 2.0001;
    polynom::RundnfAusg(x);
    EXPECT_EQ(x, 2.0001);

    EXPECT_EQ(polynom::Gerundet(2, 3.14159), 3.14);
    EXPECT_EQ(polynom::Gerundet(0, 2.4), 2.0);
    EXPECT_EQ(polynom::Gerundet(0, 2.5), 3.0);
    EXPECT_EQ(polynom::Gerundet(6, -0.1234565), -0.123457);
    // Where x * 10^n overflows, x itself.
    EXPECT_EQ(polynom::Gerundet(6, 1e305), 1e305);
    EXPECT_EQ(polynom::Gerundet(400, 1.5), 1.5);
    EXPECT_TRUE(std::isinf(polynom::Gerundet(2, std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(polynom::Gerundet(2, std::nan(""))));

    EXPECT_EQ(polynom::ggT(-12, 18), 6);
    EXPECT_EQ(polynom::ggT(0, 5), 5);
    EXPECT_EQ(polynom::ggT(5, 0), 5);
    EXPECT_EQ(polynom::ggT(0, 0), 0);
    const std::int64_t gross = (std::int64_t{1} << 53) + 1;
    EXPECT_EQ(polynom::ggT(gross, 3 * gross), gross);
    EXPECT_EQ(polynom::ggT(std::numeric_limits<std::int64_t>::min(), 6), 2);
    EXPECT_EQ(polynom::ggT(std::numeric_limits<std::int64_t>::min(), 0),
              std::numeric_limits<std::int64_t>::max());
}

}  // namespace
