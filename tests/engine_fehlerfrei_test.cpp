// The error-free transformations against GCC's 113-bit __float128: the sums and products are
// exact, double-double arithmetic keeps about 104 bits, and the compensated Horner value lies
// within the bound it reports, also next to a zero of high multiplicity where plain Horner's
// rule gives only noise.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "engine/Fehlerfrei.h"

namespace {

using numerik::Zwei;
using Quad = __float128;

Quad Q(Zwei z) {
    return static_cast<Quad>(z.hi) + static_cast<Quad>(z.lo);
}

double Abstand(Quad a, Quad b) {
    const Quad d = a - b;
    return static_cast<double>(d < 0 ? -d : d);
}

TEST(EngineFehlerfrei, SumsAndProductsAreExact) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> wert(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        const double a = wert(zufall);
        const double b = std::ldexp(wert(zufall), static_cast<int>(zufall() % 60) - 30);
        SCOPED_TRACE(::testing::Message() << a << " " << b);
        EXPECT_EQ(Q(numerik::ZweiSumme(a, b)), static_cast<Quad>(a) + static_cast<Quad>(b));
        EXPECT_EQ(Q(numerik::ZweiProdukt(a, b)), static_cast<Quad>(a) * static_cast<Quad>(b));
    }
}

TEST(EngineFehlerfrei, DoubleDoubleKeepsAboutHundredBits) {
    const Zwei drittel = numerik::Durch({1.0, 0.0}, {3.0, 0.0});
    EXPECT_LT(Abstand(Q(drittel), Quad(1) / 3), 1e-31);
    const Zwei summe = numerik::Plus(drittel, numerik::Mal(drittel, 2.0));
    EXPECT_LT(Abstand(Q(summe), 1), 1e-31);
    const Zwei quadrat = numerik::Mal(drittel, drittel);
    EXPECT_LT(Abstand(Q(quadrat), Quad(1) / 9), 1e-31);
}

// (x - 1)^9 expanded: whole coefficients, exact in Double.
constexpr std::array<double, 10> kHoch9 = {-1, 9, -36, 84, -126, 126, -84, 36, -9, 1};

Quad Genau(const std::array<double, 10>& c, double x) {
    Quad s = 0;
    for (int i = 9; i >= 0; --i) s = s * x + c[static_cast<std::size_t>(i)];
    return s;
}

TEST(EngineFehlerfrei, CompensatedHornerLiesWithinItsBound) {
    for (const double x : {0.5, 0.9, 0.99, 1.001, 1.01, 1.0 + 0x1p-20, 1.5, 2.0, -3.0}) {
        SCOPED_TRACE(x);
        const numerik::Wert v = numerik::KompensiertHorner(kHoch9, 9, x);
        EXPECT_LE(Abstand(Genau(kHoch9, x), v.wert), v.fehler);
        EXPECT_LE(v.fehler, 1e-8 * std::fabs(v.wert) + 1e-25);
    }
    // Where plain Horner's rule keeps four digits of (x - 1)^9, the compensated one keeps all.
    const double x = 1.1;
    const double exakt = static_cast<double>(Genau(kHoch9, x));
    EXPECT_NEAR(numerik::KompensiertHorner(kHoch9, 9, x).wert, exakt, 2.3e-16 * std::fabs(exakt));
}

TEST(EngineFehlerfrei, CompensatedHornerOnDoubleDoubleCoefficients) {
    // 1/3 - x/3 held as double-doubles: the low parts count.
    const Zwei drittel = numerik::Durch({1.0, 0.0}, {3.0, 0.0});
    const std::array<Zwei, 2> c = {drittel, numerik::Minus(drittel)};
    const numerik::Wert v = numerik::KompensiertHorner(c, 1, 0.75);
    const Quad genau = Q(drittel) - Q(drittel) * Quad(0.75);
    EXPECT_LE(Abstand(genau, v.wert), v.fehler);
    EXPECT_NEAR(v.wert, 1.0 / 12.0, 1e-17);
}

}  // namespace
