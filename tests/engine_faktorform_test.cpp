#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "shell/HauptF.h"

namespace {

PolynomT P(std::initializer_list<double> k) {
    PolynomT p;
    int i = 0;
    for (double c : k) p.Koeff[i++] = c;
    return p;
}

std::array<double, 10> K(std::initializer_list<double> k) { return P(k).Koeff; }

class EngineFaktorform : public ::testing::Test {
protected:
    void SetUp() override { w.InitZustand(); }
    class HauptF w;
};

TEST_F(EngineFaktorform, DivisionByALinearFactor) {
    PolynomT q;
    q.PdurchxminusB(P({0, -1, 0, 1}), -1);
    EXPECT_EQ(q.Koeff, K({0, -1, 1}));
    q.PdurchxminusB(P({5}), 2);
    EXPECT_TRUE(q.IstNull());
    q = P({-6, 11, -6, 1});
    q.PdurchxminusB(q, 3);
    EXPECT_EQ(q.Koeff, K({2, -3, 1}));
    // Each coefficient but the leading one is snapped to a whole number within 1e-09.
    q.PdurchxminusB(P({0, 1.0000000000002, 0.5}), 0);
    EXPECT_EQ(q.Koeff, K({1, 0.5}));
}

TEST_F(EngineFaktorform, FactorForms) {
    struct Fall {
        PolynomT p;
        const char* text;
    };
    const Fall faelle[] = {
        {P({-1, 0, 1}), "( x + 1) * ( x-1)"},
        {P({-2, 0, 2}), "( x + 1) * ( x-1) * 2"},
        {P({1, 0, -1}), "( x + 1) * ( x-1) * (- 1  )"},
        {P({0, -1, 0, 1}), "( x + 1) * x * ( x-1)"},
        {P({1, 2, 1}), "( x + 1) * ( x + 1)"},
        {P({-1, 0, 0, 0, 1}), "( x + 1) * ( x-1) * (1  + x^2  )"},
        {P({0, 1, 0, 1}), "x * (1  + x^2  )"},
        {P({1, 0, 1}), "(1  + x^2  )"},
        {P({0, 0, 1}), "x * x"},
        {P({-3, 2}), "( x-1.5) * 2"},
        {P({2, -3, 0, 1}), "( x + 2) * ( x-1) * ( x-1)"},
        // zeros relative to the coefficients' size; the bisection ends within 1e-11 of sqrt(2)
        {P({-2000, 0, 1000}), "( x + 1.41421356236788) * ( x-1.41421356236788) * 1000"},
        {P({2e10, -3e10, 0, 1e10}), "( x + 2) * ( x-1) * ( x-1) * 10000000000"},
        // a zero within 5e-05 of a whole number is written and divided out as that number
        {P({-2.00001, 1}), "( x-2)"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(f.p.Faktorform(), f.text) << f.p.Term2String();
}

TEST_F(EngineFaktorform, ZeroList) {
    EXPECT_EQ(P({0, -1, 0, 1}).NullstellenString(), "-1 , 0 , 1");
    EXPECT_EQ(P({1, 0, 1}).NullstellenString(), "");
    EXPECT_EQ(P({7}).NullstellenString(), "");
    EXPECT_EQ(P({-2, 0, 1}).NullstellenString(), "-1.41421356236788 , 1.41421356236788");
}

TEST_F(EngineFaktorform, IntegralAndEnclosedArea) {
    PolynomT x9;
    x9.Koeff[9] = 1;
    EXPECT_DOUBLE_EQ(x9.Integral(0, 1), 0.1);
    EXPECT_DOUBLE_EQ(P({0, 0, 1}).Integral(0, 3), 9);
    EXPECT_DOUBLE_EQ(P({0, 0, 1}).Integral(3, 0), -9);
    EXPECT_EQ(P({1, 2, 3}).Integral(2, 2), 0.0);
    EXPECT_DOUBLE_EQ(P({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}).Integral(-1, 1),
                     2 * (1 + 1.0 / 3 + 1.0 / 5 + 1.0 / 7 + 1.0 / 9));

    EXPECT_NEAR(P({-1, 0, 1}).Umrandet(), 4.0 / 3, 1e-12);
    EXPECT_NEAR(P({0, -1, 0, 1}).Umrandet(), 0.5, 1e-12);
    EXPECT_EQ(P({1, 0, 1}).Umrandet(), 0.0);
    EXPECT_EQ(P({-1, 1}).Umrandet(), 0.0);
    EXPECT_EQ(P({5}).Umrandet(), 0.0) << "no zeros, no area";
    EXPECT_NEAR(P({-2000, 0, 1000}).Umrandet(), 4000 * std::sqrt(2.0) * 2 / 3, 1e-8);
}

TEST_F(EngineFaktorform, ZerosAsCountedArray) {
    std::vector<double> z;
    P({0, -1, 0, 1}).Nullstellenmenge(z);
    EXPECT_EQ(z, (std::vector<double>{3, -1, 0, 1}));
    z = {2, 8, 9};
    P({4}).Nullstellenmenge(z);
    EXPECT_EQ(z, (std::vector<double>{2, 8, 9})) << "untouched for a constant";
}

}  // namespace
