#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "framework/Text.h"
#include "tests/engine_polynome.h"

namespace {

TEST(EngineFaktorform, DivisionByALinearFactor) {
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
    // That bound holds where p's coefficients and the two terms summed are 1 or more; below, it
    // shrinks with their size, so a small coefficient is not taken for 0, and rounding noise
    // (here 5e-26 in the constant) still is.
    const double w2 = std::sqrt(2.0);
    q.PdurchxminusB(P({0, -2e-10, 0, 1e-10}), -w2);
    EXPECT_EQ(q.Koeff, K({0, -w2 * 1e-10, 1e-10}));
}

// Each linear factor shows the zero as the zeros list has it. Later factors come from the
// quotients, whose zeros drift from f's by far more than the digits written.
TEST(EngineFaktorform, LinearFactorsAreThoseOfTheZerosList) {
    const PolynomT faelle[] = {
        P({-819, 2910, -1126, 1842, -2163, -400}),
        P({-2, 0, 0, 1}),
        // (x^2 - 2)(x^2 - 3)
        P({6, 0, -5, 0, 1}),
        // nine irrational zeros, where 256x^9 - 576x^7 + 432x^5 - 120x^3 + 9x is 0.5
        P({-0.5, 9, 0, -120, 0, 432, 0, -576, 0, 256}),
        // (x + 3.99998)(x^2 - 2): divided out as x + 4, which moves the others by 1e-05
        P({-7.99996, -2, 3.99998, 1}),
    };
    for (const PolynomT& p : faelle) {
        std::vector<double> z;
        p.Nullstellenmenge(z);
        std::string faktoren;
        for (std::size_t k = 1; k < z.size(); ++k) {
            double x = z[k];
            polynom::RundnfAusg(x);
            if (k > 1) faktoren += " * ";
            faktoren += x == 0 ? "x" : x > 0 ? "( x-" + Str(x) + ")" : "( x + " + Str(-x) + ")";
        }
        const std::string text = p.Faktorform();
        EXPECT_EQ(text.substr(0, faktoren.size()), faktoren) << p.Term2String();
        EXPECT_EQ(text.find("( x", faktoren.size()), std::string::npos) << text;
    }
    EXPECT_EQ(P({-819, 2910, -1126, 1842, -2163, -400}).NullstellenString(),
              "-6.24784137091994 , 0.306498976607872 , 1.04788498029464");
}

// Snapped to whole numbers within an absolute 1e-09, the quotients of these would be multiples
// of x, and the factor form would show zeros at 0.
TEST(EngineFaktorform, SmallCoefficientsAreNoZeros) {
    EXPECT_EQ(P({-2e-21, 0, 1e-21}).Faktorform(),
              "( x + 1.4142135623731) * ( x-1.4142135623731) * 0.000000000000000000001");
    PolynomT p;
    p.Koeff[0] = -1;
    p.Koeff[9] = 1e-21;
    const std::string text = p.Faktorform();
    const std::string anfang = "( x-215.443469003188) * (";
    EXPECT_EQ(text.substr(0, anfang.size()), anfang) << text;
    EXPECT_EQ(text.find(" * ", anfang.size()), std::string::npos) << text;
    EXPECT_NE(text.find("0.000000000000000000001x^8  )"), std::string::npos) << text;
}

TEST(EngineFaktorform, FactorForms) {
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
        // zeros relative to the coefficients' size, to every digit written
        {P({-2000, 0, 1000}), "( x + 1.4142135623731) * ( x-1.4142135623731) * 1000"},
        {P({2e10, -3e10, 0, 1e10}), "( x + 2) * ( x-1) * ( x-1) * 10000000000"},
        // a zero within 5e-05 of a whole number is written and divided out as that number
        {P({-2.00001, 1}), "( x-2)"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(f.p.Faktorform(), f.text) << f.p.Term2String();
}

// The factor form shows the zeros of the list, a multiple zero as equal factors, and no number
// that is not finite.
TEST(EngineFaktorform, FactorsAgreeWithTheZerosList) {
    struct Fall {
        std::string text;
        std::string faktorform;
    };
    const Fall faelle[] = {
        {"x^3-0.6x^2+0.12x-0.008", "( x-0.2) * ( x-0.2) * ( x-0.2)"},
        {"x^2 - 10000000000000000x", "x * ( x-10000000000000000)"},
        // -3e-09 is written as 0, but divided out as itself
        {"-x^9 - 1000000000x^2 - 3x",
         "( x + 19.3069772884039) * x * x * (- 51794746.7934618  + 2682695.79539883x  - "
         "138949.549446567x^2  + 7196.85673065054x^3  - 372.759372072866x^4  + "
         "19.3069772914039x^5  - x^6  )"},
        // divided from the highest coefficient down, the quotient would be x^2: a zero at 0
        {"x^3 - 100000000000000000x^2 - 1",
         "( x-100000000000000000) * (0.00000000000000001  + 0.0000000000000000000000000000000001x  "
         "+ "
         "x^2  )"},
        // the zero lies beyond the Double range
        {"2" + std::string(307, '0') + " - 0.0001x",
         "(2" + std::string(307, '0') + "  - 0.0001x  )"},
    };
    for (const Fall& f : faelle) {
        PolynomT p;
        bool ok = false;
        SCOPED_TRACE(f.text);
        polynom::String2Poly(p, f.text, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(p.Faktorform(), f.faktorform);
    }
    // Divided by a zero near 7e100 from the highest coefficient down, the quotient overflows;
    // from the constant term up it keeps finite coefficients: 3x^6 + 2.08e101x^5 + ...
    PolynomT p;
    bool ok = false;
    polynom::String2Poly(p, "3x^7 - 9x^6 - 1" + std::string(303, '0') + "x^4 - 5", ok);
    ASSERT_TRUE(ok);
    const std::string text = p.Faktorform();
    EXPECT_EQ(text.substr(0, 9), "( x-69336");
    EXPECT_TRUE(text.ends_with("x^5  + 3x^6  )")) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    // Its area: between 0 and 1e16, 1e48 / 6.
    polynom::String2Poly(p, "x^2 - 10000000000000000x", ok);
    EXPECT_NEAR(p.Umrandet() / (1e48 / 6), 1.0, 1e-12);
}

// Close zeros whose values between them lie in the noise zone are one multiple zero: the list
// holds it once, the factor form divides by it as often, and no factor is left over whose zero
// the list misses. Zeros just outside the zone stay apart, and a simple zero at a centre of
// symmetry (f'' vanishes there, f' does not) stays simple.
TEST(EngineFaktorform, ZerosJoinedInTheNoiseDivideAsOften) {
    struct Fall {
        const char* name;
        PolynomT p;
        std::vector<double> ns;
        const char* faktorform;
    };
    const Fall faelle[] = {
        {"(x-1)^2(x-1.00001)",
         P({-1.0000100000000001, 3.0000200000000001, -3.0000100000000001, 1}),
         {1, 1.0000033333333334},
         "( x-1) * ( x-1) * ( x-1)"},
        {"(x-1)^2(x-1.000001)",
         P({-1.0000009999999999, 3.0000019999999998, -3.0000010000000001, 1}),
         {1, 1.0000003333333334},
         "( x-1) * ( x-1) * ( x-1)"},
        {"(x-1)^2(x-1.0001)^2",
         P({1.0002000099999999, -4.0006000200000003, 6.0006000100000003, -4.0001999999999995, 1}),
         {1, 1.00005},
         "( x-1) * ( x-1) * ( x-1) * ( x-1)"},
        {"(x-1)^2(x-1.0001)",
         P({-1.0001, 3.0002, -3.0000999999999998, 1}),
         {2, 1, 1.0000999777812269},
         "( x-1) * ( x-1) * ( x-1.00009997778123)"},
        {"(x-0.1)(x-0.2)(x-0.3)(x-0.4)(x-0.5)",
         P({-0.0012, 0.0274, -0.225, 0.85, -1.5, 1}),
         {5, 0.09999999999999996, 0.19999999999999976, 0.3000000000000019, 0.3999999999999968,
          0.5000000000000015},
         "( x-0.1) * ( x-0.2) * ( x-0.300000000000002) * ( x-0.399999999999997) * "
         "( x-0.500000000000002)"},
    };
    for (const Fall& f : faelle) {
        std::vector<double> kp = {0.0}, ns = {0.0};
        SCOPED_TRACE(f.name);
        polynom::FindeKP(f.p, kp, ns);
        EXPECT_EQ(ns.size(), f.ns.size());
        if (ns.size() == f.ns.size()) {
            for (std::size_t k = 1; k < ns.size(); ++k) EXPECT_NEAR(ns[k], f.ns[k], 1e-12);
        }
        EXPECT_EQ(f.p.Faktorform(), f.faktorform);
    }
}

// The remainder is f divided by the linear factors shown, to the last digit: a large zero is
// divided out from the constant term up and the zero 0 first, where the division from the top
// would cancel (it gave a remainder with real zeros for x^4 + 1000000x^3 + x^2 + x and the
// constant 0.0305 for 0.000175); no snap loses a zero; and a quotient that is whole is whole.
TEST(EngineFaktorform, TheRemainderIsTheExactQuotient) {
    struct Fall {
        const char* text;
        const char* faktorform;
    };
    const Fall faelle[] = {
        {"x^4+1000000x^3+x^2+x",
         "( x + 1000000) * x * (0.000001000000000001  + 0.000000999999000001x  + x^2  )"},
        {"100x^4+4000000000x^3+7000x^2+7000x",
         "( x + 40000000) * x * (0.000175000000000008  + 0.000174999995625008x  + 100x^2  )"},
        {"x^3-0.00000000001x^2", "x * x * x"},
        {"x^4 - x^2 - 2", "( x + 1.4142135623731) * ( x-1.4142135623731) * (1  + x^2  )"},
        {"x^5-5000x^4+9999995x^3-9999985000x^2+4999985000004x-999995000004001",
         "( x-998.045920385377) * ( x-998.849015826725) * ( x-1000.27583419332) * "
         "( x-1000.79073430354) * ( x-1002.03849529104)"},
    };
    for (const Fall& f : faelle) {
        PolynomT p;
        bool ok = false;
        SCOPED_TRACE(f.text);
        polynom::String2Poly(p, f.text, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(p.Faktorform(), f.faktorform);
    }
}

TEST(EngineFaktorform, ZeroList) {
    EXPECT_EQ(P({0, -1, 0, 1}).NullstellenString(), "-1 , 0 , 1");
    EXPECT_EQ(P({1, 0, 1}).NullstellenString(), "");
    EXPECT_EQ(P({7}).NullstellenString(), "");
    EXPECT_EQ(P({-2, 0, 1}).NullstellenString(), "-1.4142135623731 , 1.4142135623731");
}

TEST(EngineFaktorform, IntegralAndEnclosedArea) {
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

    // The antiderivative is far larger than the integral: (x - 1000)^2 from 1000 to 1001, and
    // the area between the zeros of x^5 - 5x^3 + 4x shifted by (1000; -1), where the
    // antiderivative is of order 1e19 (6.98244689039940347 in 113 bits).
    EXPECT_DOUBLE_EQ(P({1e6, -2000, 1}).Integral(1000, 1001), 1.0 / 3);
    const PolynomT verschoben =
        P({-999995000004001, 4999985000004, -9999985000, 9999995, -5000, 1});
    EXPECT_NEAR(verschoben.Umrandet(), 6.9824468903994035, 1e-12);
}

TEST(EngineFaktorform, ZerosAsCountedArray) {
    std::vector<double> z;
    P({0, -1, 0, 1}).Nullstellenmenge(z);
    EXPECT_EQ(z, (std::vector<double>{3, -1, 0, 1}));
    z = {2, 8, 9};
    P({4}).Nullstellenmenge(z);
    EXPECT_EQ(z, (std::vector<double>{2, 8, 9})) << "untouched for a constant";
}

}  // namespace
