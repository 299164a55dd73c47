#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "engine/PolynomT.h"
#include "tests/engine_polynome.h"

namespace {

PolynomT MitFenster(PolynomT p, double w) {
    p.xmin = w;
    p.xmax = w + 1;
    p.ymin = w + 2;
    p.ymax = w + 3;
    return p;
}

void ErwarteFenster(const PolynomT& p, double w) {
    EXPECT_EQ(p.xmin, w);
    EXPECT_EQ(p.xmax, w + 1);
    EXPECT_EQ(p.ymin, w + 2);
    EXPECT_EQ(p.ymax, w + 3);
}

TEST(EnginePolynom, NewPolynomialIsZeroWithZeroWindow) {
    const PolynomT p;
    EXPECT_EQ(p.grad(), -1);
    EXPECT_TRUE(p.IstNull());
    EXPECT_TRUE(p.IstKonstant());
    for (double x : {-3.0, 0.0, 1e300}) EXPECT_EQ(p.FWert(x), 0.0);
    EXPECT_EQ(p.xmin, 0.0);
    EXPECT_EQ(p.xmax, 0.0);
    EXPECT_EQ(p.ymin, 0.0);
    EXPECT_EQ(p.ymax, 0.0);
}

TEST(EnginePolynom, DegreeTestsCoefficientsExactly) {
    PolynomT tiny;
    tiny.Koeff[9] = 1e-300;
    EXPECT_EQ(tiny.grad(), 9);
    EXPECT_EQ(P({-0.0}).grad(), -1);
    EXPECT_EQ(P({0, -0.0}).grad(), -1);
    EXPECT_EQ(P({4}).grad(), 0);
    EXPECT_TRUE(P({4}).IstKonstant());
    EXPECT_FALSE(P({4}).IstNull());
    EXPECT_EQ(P({1, 0, 5e-324}).grad(), 2);
    EXPECT_EQ(P({1, std::nan("")}).grad(), 1);
    EXPECT_FALSE(P({1, 2}).IstKonstant());
}

TEST(EnginePolynom, DerivativeAndValue) {
    PolynomT d;
    d.Abl(P({5}));
    EXPECT_TRUE(d.IstNull());
    PolynomT x9;
    x9.Koeff[9] = 1;
    d.Abl(x9);
    EXPECT_EQ(d.Koeff, K({0, 0, 0, 0, 0, 0, 0, 0, 9}));
    d.Abl(P({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(d.Koeff, K({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));

    const PolynomT p = P({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0});
    EXPECT_EQ(p.FWert(0), 0.1);
    double summe = 0;
    for (int i = 9; i >= 0; --i) summe += p.Koeff[i];
    EXPECT_EQ(p.FWert(1), summe);
    EXPECT_EQ(P({1, -3, 2}).FWert(2), 3.0);
    EXPECT_EQ(P({1, -3, 2}).FWert(-1.5), 10.0);
}

// The result is formed before it is stored, so the target may be an operand.
TEST(EnginePolynom, TargetMayBeAnOperand) {
    PolynomT t = P({1, 2, 3});
    t.Summe(t, t);
    EXPECT_EQ(t.Koeff, K({2, 4, 6}));
    t.Differenz(t, t);
    EXPECT_TRUE(t.IstNull());
    t = P({1, 2, 3});
    t.Diff(t, t);
    EXPECT_TRUE(t.IstNull());
    t = P({1, 1});
    t.Produkt(t, t);
    EXPECT_EQ(t.Koeff, K({1, 2, 1}));
    t.Produkt(t, t);
    EXPECT_EQ(t.Koeff, K({1, 4, 6, 4, 1}));
    t.SMal(-0.5, t);
    EXPECT_EQ(t.Koeff, K({-0.5, -2, -3, -2, -0.5}));
    t = P({0, 1, 1});
    t.Abl(t);
    EXPECT_EQ(t.Koeff, K({1, 2}));
    PolynomT a = P({3, 1});
    a.Summe(P({1, 1}), a);
    EXPECT_EQ(a.Koeff, K({4, 2}));
    a.Differenz(P({10}), a);
    EXPECT_EQ(a.Koeff, K({6, -2}));
}

// Sums and differences of typed decimals are the decimals: 100.1 - 100 held in Doubles is
// 0.0999999999999943, which the difference does not keep.
TEST(EnginePolynom, SumAndDifferenceOfTypedDecimals) {
    PolynomT t;
    t.Differenz(P({100.1, 0.3, 1}), P({100, 0.1, 1}));
    EXPECT_EQ(t.Koeff, K({0.1, 0.2}));
    t.Diff(P({100.1, 0.3}), P({100, 0.1}));
    EXPECT_EQ(t.Koeff, K({0.1, 0.2}));
    t.Summe(P({-100.1, 1.0 / 3}), P({100, 1.0 / 3}));
    EXPECT_EQ(t.Koeff, K({-0.1, 2.0 / 3}));
}

TEST(EnginePolynom, Product) {
    PolynomT x4, x5, t;
    x4.Koeff[4] = 1;
    x5.Koeff[5] = 1;
    t.Produkt(x4, x5);
    EXPECT_EQ(t.grad(), 9);
    EXPECT_EQ(t.Koeff[9], 1.0);
    t.Produkt(P({1, -1}), P({1, 1}));
    EXPECT_EQ(t.Koeff, K({1, 0, -1}));
    PolynomT voll = P({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    t.Produkt(voll, PolynomT());
    EXPECT_TRUE(t.IstNull());
    t.Produkt(PolynomT(), voll);
    EXPECT_TRUE(t.IstNull());
}

TEST(EnginePolynom, CopyAndSwapMoveCoefficientsOnly) {
    PolynomT a = MitFenster(P({1, 2}), 10);
    PolynomT b = MitFenster(P({7, 0, 3}), 20);
    a.KopieVon(b);
    EXPECT_EQ(a.Koeff, K({7, 0, 3}));
    ErwarteFenster(a, 10);
    a = MitFenster(P({1, 2}), 10);
    a.Switch(b);
    EXPECT_EQ(a.Koeff, K({7, 0, 3}));
    EXPECT_EQ(b.Koeff, K({1, 2}));
    ErwarteFenster(a, 10);
    ErwarteFenster(b, 20);
    a.Switch(a);
    EXPECT_EQ(a.Koeff, K({7, 0, 3}));
    a.Summe(a, b);
    a.Nullen();
    EXPECT_TRUE(a.IstNull());
    ErwarteFenster(a, 10);
}

TEST(EnginePolynom, IstEndlichShowsOverflow) {
    EXPECT_TRUE(P({1, 2, 3}).IstEndlich());
    EXPECT_FALSE(P({1, std::numeric_limits<double>::infinity()}).IstEndlich());
    EXPECT_FALSE(P({std::nan("")}).IstEndlich());
    PolynomT gross = P({0, 1e200});
    PolynomT q;
    q.Produkt(gross, gross);
    EXPECT_FALSE(q.IstEndlich());
}

}  // namespace
