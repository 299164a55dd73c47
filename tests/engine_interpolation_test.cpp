#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "framework/Text.h"
#include "tests/dezimaltext.h"
#include "tests/engine_polynome.h"

namespace {

// The point arrays as the caller makes them: upper bound 9, the count in xs(0).
PolynomT Durch(std::initializer_list<std::pair<double, double>> punkte) {
    std::vector<double> xs(10, 0.0), ys(10, 0.0);
    xs[0] = static_cast<double>(punkte.size());
    std::size_t k = 1;
    for (const auto& [x, y] : punkte) {
        xs[k] = x;
        ys[k++] = y;
    }
    PolynomT p = P({99, 99});
    p.Interpol(xs, ys);
    return p;
}

// C(i, j) as the shift needs it; 0 above the diagonal.
TEST(EngineInterpolation, BinomialTable) {
    for (int i = 0; i <= 9; ++i)
        for (int j = 0; j <= 9; ++j) {
            const int c =
                j > i ? 0
                      : static_cast<int>(std::lround(
                            std::tgamma(i + 1) / (std::tgamma(j + 1) * std::tgamma(i - j + 1))));
            EXPECT_EQ(polynom::kBinomKoeff[i][j], c) << i << " " << j;
        }
    EXPECT_EQ(polynom::kBinomKoeff[9][4], 126);
}

TEST(EngineInterpolation, ThroughPoints) {
    EXPECT_EQ(Durch({{1, 2}, {2, 3}}).Koeff, K({1, 1}));
    EXPECT_EQ(Durch({{0, 0}, {1, 1}, {2, 4}}).Koeff, K({0, 0, 1}));
    EXPECT_TRUE(Durch({{1, 0}, {2, 0}}).IstNull());
    EXPECT_EQ(Durch({{1, 5}, {1, 5}}).Koeff, K({5}));
    const PolynomT gleich = Durch({{1, 5}, {1, 7}});
    EXPECT_FALSE(gleich.IstEndlich()) << "equal x values divide by zero";

    // Six points of a quintic give it back; the order of the points does not matter.
    const PolynomT q = P({1, -2, 0.5, 0, 3, -1});
    const double xs[] = {-2, 3, -1, 0.5, 1, 2};
    std::vector<double> x(10, 0), y(10, 0);
    x[0] = 6;
    for (int k = 0; k < 6; ++k) {
        x[k + 1] = xs[k];
        y[k + 1] = q.FWert(xs[k]);
    }
    PolynomT p;
    p.Interpol(x, y);
    for (int i = 0; i <= 9; ++i) EXPECT_NEAR(p.Koeff[i], q.Koeff[i], 1e-12) << i;

    // The window is not touched.
    p.xmin = 7;
    p.Interpol(x, y);
    EXPECT_EQ(p.xmin, 7);
}

TEST(EngineInterpolation, Shift) {
    PolynomT p = P({0, 0, 1});
    p.xmin = 3;
    p.xVerschiebungUm(1);
    EXPECT_EQ(p.Koeff, K({1, -2, 1}));
    EXPECT_EQ(p.xmin, 3);

    p = P({0, 1});
    p.xVerschiebungUm(-2);
    EXPECT_EQ(p.Koeff, K({2, 1}));
    for (double d : {-5.0, 0.0, 1e300}) {
        p = P({3});
        p.xVerschiebungUm(d);
        EXPECT_EQ(p.Koeff, K({3})) << d;
    }

    // By 0.1 and back: the typed decimals of the way there and back, although neither 0.1 nor
    // its powers are Doubles. A coefficient that no short decimal lies near keeps its Double.
    struct Fall {
        std::array<double, 10> p;
        double d;
        std::array<double, 10> verschoben;
    };
    for (const Fall& f : {Fall{K({0, -3, 0, 1}), 0.1, K({0.299, -2.97, -0.3, 1})},
                          Fall{K({0.299, -2.97, -0.3, 1}), -0.1, K({0, -3, 0, 1})},
                          Fall{K({0, 1.0 / 3}), 1, K({-1.0 / 3, 1.0 / 3})}}) {
        p.Koeff = f.p;
        p.xVerschiebungUm(f.d);
        EXPECT_EQ(p.Koeff, f.verschoben) << f.d;
    }

    const PolynomT q = P({1, -2, 0.5, 0, 3, -1, 0.25, 0, 0, 2});
    p = q;
    p.xVerschiebungUm(0.75);
    EXPECT_NEAR(p.FWert(1.75), q.FWert(1), 1e-12);
    p.xVerschiebungUm(-0.75);
    for (int i = 0; i <= 9; ++i) EXPECT_NEAR(p.Koeff[i], q.Koeff[i], 1e-11) << i;
}

// Through distinct points each coefficient is the Double nearest the exact one, or the shortest
// decimal within what the points' own rounding leaves open: points typed with one decimal give
// the polynomial they lie on, without noise in the coefficients that are 0. A coefficient that is
// tiny beside the others because the points say so stays.
TEST(EngineInterpolation, CoefficientsWithoutNoise) {
    struct Fall {
        std::initializer_list<std::pair<double, double>> punkte;
        std::array<double, 10> koeff;
    };
    for (const Fall& f : {
             Fall{{{0, 1}, {1, 3}, {2, 2}, {3, 5}}, K({1, 35.0 / 6, -5, 7.0 / 6})},
             Fall{{{0.1, 0.2}, {0.3, 0.5}}, K({0.05, 1.5})},
             Fall{{{0.1, 1}, {0.2, 4}, {0.3, 9}, {-0.7, 49}}, K({0, 0, 100})},
             Fall{{{0, 1e-17}, {1, 1}, {2, 4}}, K({1e-17, -1.5e-17, 1})},
             Fall{{{-1, 1}, {0, 1.0 / 3}, {1, 1}}, K({1.0 / 3, 0, 1 - 1.0 / 3})},
         }) {
        EXPECT_EQ(Durch(f.punkte).Koeff, f.koeff) << f.punkte.begin()->first;
    }
}

// Points typed with one decimal on a polynomial with coefficients of one decimal: the typed
// values are exact decimals, but neither they nor the x values are Doubles, and the Lagrange
// sums cancel. Every coefficient comes back as typed.
TEST(EngineInterpolation, DecimalPointsGiveThePolynomialTheyLieOn) {
    std::mt19937_64 zufall(1506);
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    constexpr int kZuege = 300;
    int richtig = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        const int n = ganz(2, 6);
        std::array<std::int64_t, 6> c{};  // tenths
        PolynomT erwartet;
        for (int i = 0; i < n; ++i) {
            c[static_cast<std::size_t>(i)] = ganz(-99, 99);
            erwartet.Koeff[static_cast<std::size_t>(i)] =
                Val(Dezimaltext(c[static_cast<std::size_t>(i)], 1));
        }
        std::vector<double> xs(10, 0.0), ys(10, 0.0);
        xs[0] = n;
        std::vector<int> gezogen;
        while (gezogen.size() < static_cast<std::size_t>(n)) {
            const int x = ganz(-30, 30);  // tenths
            if (std::find(gezogen.begin(), gezogen.end(), x) != gezogen.end()) continue;
            gezogen.push_back(x);
            // p(x) in millionths: c_i / 10 (x / 10)^i 10^6 = c_i x^i 10^(5 - i), i <= 5.
            std::int64_t y = 0, potenz = 1, zehner = 100000;
            for (int i = 0; i < n; ++i) {
                y += c[static_cast<std::size_t>(i)] * potenz * zehner;
                potenz *= x;
                zehner /= 10;
            }
            xs[gezogen.size()] = Val(Dezimaltext(x, 1));
            ys[gezogen.size()] = Val(Dezimaltext(y, 6));
        }
        PolynomT p;
        p.Interpol(xs, ys);
        if (p.Koeff == erwartet.Koeff)
            ++richtig;
        else
            ADD_FAILURE() << erwartet.Term2String() << " interpolated as " << p.Term2String();
    }
    EXPECT_EQ(richtig, kZuege);
}

// A zero coefficient times an overflowing power of d is 0, not NaN: x moved by 1e200 is
// x - 1e200. An overflow of the shifted polynomial itself shows in IstEndlich.
TEST(EngineInterpolation, ShiftFarAway) {
    PolynomT p = P({0, 1});
    p.xVerschiebungUm(1e200);
    EXPECT_EQ(p.Koeff, K({-1e200, 1}));
    PolynomT x9;
    x9.Koeff[9] = 1;
    x9.xVerschiebungUm(1e300);
    EXPECT_FALSE(x9.IstEndlich());
}

}  // namespace
