#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <vector>

#include "engine/Dienste.h"
#include "tests/engine_polynome.h"

namespace {

struct Fenster {
    double xmin, xmax, ymin, ymax;
};

Fenster Von(const PolynomT& p) {
    return {p.xmin, p.xmax, p.ymin, p.ymax};
}

void ErwarteGueltig(const PolynomT& p) {
    EXPECT_TRUE(std::isfinite(p.xmax - p.xmin)) << p.Term2String();
    EXPECT_TRUE(std::isfinite(p.ymax - p.ymin)) << p.Term2String();
    EXPECT_LT(p.xmin, p.xmax) << p.Term2String();
    EXPECT_LT(p.ymin, p.ymax) << p.Term2String();
}

TEST(EngineFenster, WindowsOfTheCases) {
    struct Fall {
        PolynomT p;
        std::vector<double> kp;
        Fenster soll;
    };
    const Fall faelle[] = {
        {P({}), {0}, {-1, 1, -1, 1}},
        {P({5}), {0}, {-1, 1, -0.5, 5.5}},
        {P({-5}), {0}, {-1, 1, -5.5, 0.5}},
        {P({0, 1}), {0}, {-2, 2, -2, 2}},
        {P({-3, 1}), {0}, {-3, 6, -6, 3}},
        {P({4, 2}), {0}, {-4, 2, -4, 8}},
        {P({0, 0, 1}), {1, 0}, {-1, 1, -0.05, 1}},
        {P({0, 0, 0, 1}), {1, 0}, {-1, 1, -1, 0.05}},
        {P({0, -4, 1}), {3, 0, 2, 4}, {-0.4, 4.4, -4, 0.4 * 0.4 + 1.6}},
        // the array is read up to its upper bound, whatever element 0 says
        {P({0, -4, 1}), {1, 0, 2, 4}, {-0.4, 4.4, -4, 0.4 * 0.4 + 1.6}},
        // an empty y range is widened by 1
        {P({0, 0, 1}), {1, 0.5}, {-0.5, 1.5, -0.75, 1.25}},
    };
    for (const Fall& f : faelle) {
        PolynomT p = f.p;
        const std::vector<double> kp = f.kp;
        p.EckenErmitteln(kp);
        EXPECT_EQ(kp, f.kp) << "the caller's array stays";
        const Fenster ist = Von(p);
        EXPECT_DOUBLE_EQ(ist.xmin, f.soll.xmin) << f.p.Term2String();
        EXPECT_DOUBLE_EQ(ist.xmax, f.soll.xmax) << f.p.Term2String();
        EXPECT_DOUBLE_EQ(ist.ymin, f.soll.ymin) << f.p.Term2String();
        EXPECT_DOUBLE_EQ(ist.ymax, f.soll.ymax) << f.p.Term2String();
    }
}

TEST(EngineFenster, LinesAndConstantsIgnoreTheArray) {
    for (const PolynomT& p : {P({-3, 1}), P({5}), P({})}) {
        PolynomT a = p, b = p, c = p;
        a.EckenErmitteln({0});
        b.EckenErmitteln({});
        c.EckenErmitteln({2, 100, 200});
        EXPECT_EQ(a.xmin, b.xmin);
        EXPECT_EQ(a.ymax, b.ymax);
        EXPECT_EQ(a.xmin, c.xmin);
        EXPECT_EQ(a.ymax, c.ymax);
    }
}

// Without a critical point the window is that of a single critical point at 0.
TEST(EngineFenster, NoCriticalPoint) {
    for (const std::vector<double>& leer : {std::vector<double>{0}, std::vector<double>{}}) {
        PolynomT p = P({1, 0, 1});
        p.EckenErmitteln(leer);
        EXPECT_EQ(p.xmin, -1.0);
        EXPECT_EQ(p.xmax, 1.0);
        EXPECT_EQ(p.ymin, 1.0);
        EXPECT_EQ(p.ymax, 2.0);
    }
}

// Values that overflow, ranges too large for the +-1 widening, ends beyond the Double range.
TEST(EngineFenster, EveryWindowIsFiniteAndOrdered) {
    const PolynomT faelle[] = {
        P({1e300, 0, 0, 0, 0, 0, 0, 0, 0, 1e300}),
        P({0, 0, 1e308}),
        P({1e20, 0, 1}),
        P({1e300, 5e-324}),
        P({-1e308, 1e-308}),
        P({std::numeric_limits<double>::max()}),
        P({-std::numeric_limits<double>::max()}),
        P({5e-324}),
        P({1, std::nan("")}),
        P({std::nan("")}),
        P({1, std::numeric_limits<double>::infinity(), 1}),
    };
    for (const PolynomT& f : faelle) {
        PolynomT p = f;
        std::vector<double> kp = {0.0}, ns = {0.0};
        polynom::FindeKP(p, kp, ns);
        p.EckenErmitteln(kp);
        ErwarteGueltig(p);
    }
    PolynomT weit = P({0, 0, 1});
    weit.EckenErmitteln({2, -1e308, 1e308});
    ErwarteGueltig(weit);

    std::mt19937_64 gen(2);
    std::uniform_real_distribution<double> m(-1, 1);
    std::uniform_int_distribution<int> e(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        PolynomT p;
        const int g = static_cast<int>(gen() % 10);
        for (int k = 0; k <= g; ++k) p.Koeff[k] = gen() % 3 ? m(gen) * std::pow(10.0, e(gen)) : 0;
        std::vector<double> kp = {0.0}, ns = {0.0};
        polynom::FindeKP(p, kp, ns);
        p.EckenErmitteln(kp);
        ErwarteGueltig(p);
    }
}

}  // namespace
