// The numeric kit's judgement of a polynomial against GCC's 113-bit __float128: what the data
// leave open of a coefficient, the exact derivatives, the sign it decides on and the polish.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "engine/Numerik.h"

namespace {

using Quad = __float128;

TEST(EngineNumerik, NoiseOfACoefficient) {
    // Exactly the decimal its term shows: no noise.
    for (double c : {0.0, 1.0, -3.0, 0.5, 0.375, -2.25, 100.25, 4030399.5, 999999999999999.0, 1e15,
                     -999995000004001.0, 12345678901234.5, 1e22, 7.62939453125e-06})
        EXPECT_EQ(numerik::Unschaerfe(c), 0.0) << c;
    // Any other stands for what it was rounded from: a typed decimal that is no Double, a whole
    // number of 16 digits, which the term shows to 15, a computed Double.
    for (double c : {0.1, -0.2, 1e-8, 1e15 + 2, 1234567890123456.0, 1234567890123.45,
                     0.12345678901234567, 3.0000000000000004, 1e23, 1e300})
        EXPECT_EQ(numerik::Unschaerfe(c), 0x1p-53 * std::fabs(c)) << c;
}

// The derivatives' coefficients, c_(i+j) (i+j)!/i!, are exact as double-doubles.
TEST(EngineNumerik, DerivativesAreExact) {
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> wert(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int fall = 0; fall < 200; ++fall) {
        std::array<double, 10> c{};
        for (double& k : c) k = std::ldexp(wert(gen), exponent(gen));
        for (int j = 0; j <= 8; ++j) {
            const numerik::Ableitung a = numerik::AbleitungVon(c, {}, 9, j);
            for (int i = 0; i + j <= 9; ++i) {
                Quad soll = c[static_cast<std::size_t>(i + j)];
                for (int k = i + 1; k <= i + j; ++k) soll *= k;
                const numerik::Zwei z = a.k[static_cast<std::size_t>(i)];
                EXPECT_TRUE(Quad(z.hi) + Quad(z.lo) == soll) << "j = " << j << ", i = " << i;
            }
        }
    }
}

// x^5 - 5x^3 + 4x shifted by (1000; -1): its values of order 1 are sums of terms of 1e16, so
// Horner's rule in Double gets the sign wrong next to its zeros; the sign the kit decides on is
// that of the exact value everywhere, and the polish reaches the Double next to each zero.
TEST(EngineNumerik, SignsAreSureAndZerosPolishedWhereTermsAreHuge) {
    const std::array<double, 10> c = {-999995000004001, 4999985000004, -9999985000,
                                      9999995,          -5000,         1};
    const numerik::Ableitung f = numerik::AbleitungVon(c, {}, 5, 0);
    const auto exakt = [&c](Quad x) {
        Quad s = 0;
        for (int i = 5; i >= 0; --i) s = s * x + c[static_cast<std::size_t>(i)];
        return s;
    };
    PolynomT p;
    std::copy(c.begin(), c.end(), p.Koeff.begin());
    int doubleFalsch = 0;
    for (int i = 0; i <= 6000; ++i) {
        const double x = 997.0 + i * 1e-3;
        const int soll = (exakt(x) > 0) - (exakt(x) < 0);
        EXPECT_EQ(numerik::SicheresVorzeichen(f, x), soll) << x;
        const double h = numerik::Horner(p, 5, x);
        doubleFalsch += ((h > 0) - (h < 0)) != soll;
    }
    EXPECT_GT(doubleFalsch, 100) << "Double alone would do";

    for (double z0 : {998.045920385377, 998.849015826725, 1000.27583419332, 1000.79073430354,
                      1002.03849529104}) {
        Quad a = z0 - 1e-9, b = z0 + 1e-9;
        const bool fa = exakt(a) > 0;
        for (int k = 0; k < 200; ++k) (((exakt((a + b) / 2) > 0) == fa) ? a : b) = (a + b) / 2;
        const double z = numerik::Eingegrenzt(f, z0 + 3e-12, z0 - 1e-11, z0 + 1e-11,
                                              numerik::SicheresVorzeichen(f, z0 - 1e-11));
        const Quad abstand = Quad(z) - a;
        EXPECT_LE(static_cast<double>(abstand < 0 ? -abstand : abstand), std::nextafter(z, 2e3) - z)
            << z0;
    }
}

}  // namespace
