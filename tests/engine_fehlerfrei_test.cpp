// The error-free transformations against GCC's 113-bit __float128: the sums and products are
// exact, double-double arithmetic keeps about 104 bits, the compensated Horner value lies within
// the bound it reports, also next to a zero of high multiplicity where plain Horner's rule gives
// only noise, and the division by a linear factor gives the quotient to the last bit, whatever
// the size of the zero.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

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

// The polynomial with the coefficients c (lowest first) at x, in 113 bits.
Quad Wert(const std::vector<double>& c, Quad x) {
    Quad s = 0;
    for (std::size_t i = c.size(); i-- > 0;) s = s * x + c[i];
    return s;
}

Quad Steigung(const std::vector<double>& c, Quad x) {
    Quad s = 0;
    for (std::size_t i = c.size(); i-- > 1;) s = s * x + Quad(c[i]) * Quad(i);
    return s;
}

// The zero of c next to x, by Newton's method in 113 bits.
Quad Nullstelle(const std::vector<double>& c, Quad x) {
    for (int i = 0; i < 60; ++i) x -= Wert(c, x) / Steigung(c, x);
    return x;
}

// The quotient of c by (x - z), each coefficient from that of its two sums whose largest term is
// the smaller (both are exact for a zero z); in 113 bits.
std::vector<Quad> Quotient(const std::vector<double>& c, Quad z) {
    const std::size_t n = c.size() - 1;
    std::vector<Quad> q(n);
    for (std::size_t i = 0; i < n; ++i) {
        Quad oben = 0, unten = 0, groesstesOben = 0, groesstesUnten = 0;
        for (std::size_t j = i + 1; j <= n; ++j) {
            Quad t = Quad(c[j]);
            for (std::size_t k = i + 1; k < j; ++k) t *= z;
            oben += t;
            groesstesOben = std::max(groesstesOben, t < 0 ? -t : t);
        }
        for (std::size_t j = 0; j <= i && z != 0; ++j) {
            Quad t = -Quad(c[j]);
            for (std::size_t k = j; k < i + 1; ++k) t /= z;
            unten += t;
            groesstesUnten = std::max(groesstesUnten, t < 0 ? -t : t);
        }
        q[i] = z == 0 || groesstesOben <= groesstesUnten ? oben : unten;
    }
    return q;
}

// Zeros small and large against the others, in the middle, and 0 where the constant term is 0:
// each quotient coefficient is the Double nearest the exact one, and within the bound reported,
// which is of the order of 2^-106 of it.
TEST(EngineFehlerfrei, DivisionByALinearFactorNeitherCancelsNorDrops) {
    struct Fall {
        std::vector<double> c;  // lowest power first
        double naehe;           // the zero divided by is the one next to this
    };
    const Fall faelle[] = {
        {{1, 1, 1e6, 1}, -1e6},                 // x^3 + 1e6x^2 + x + 1
        {{7000, 7000, 4e9, 100}, -4e7},         // 100x^3 + 4e9x^2 + 7000x + 7000
        {{-1, 0, -1e17, 1}, 1e17},              // x^3 - 1e17x^2 - 1
        {{-6, 11, -6, 1}, 2},                   // (x - 1)(x - 2)(x - 3)
        {{0, 3, 2, 1}, 0},                      // x^3 + 2x^2 + 3x
        {{-2, 1002.002, -1001.002, 1}, 0.002},  // zeros 0.002, 1 and 1000
        {{-2, 1002.002, -1001.002, 1}, 1},
        {{-2, 1002.002, -1001.002, 1}, 1000},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << "zero near " << f.naehe);
        const Quad zeta = Nullstelle(f.c, f.naehe);
        const double hi = static_cast<double>(zeta);
        const Zwei z = {hi, static_cast<double>(zeta - hi)};
        std::array<double, 10> c{};
        std::copy(f.c.begin(), f.c.end(), c.begin());
        const auto p = numerik::AlsZweiPolynom(c, static_cast<int>(f.c.size()) - 1);
        const auto q = numerik::DurchLinear(p, z, 1e-31 * std::fabs(hi));
        const std::vector<Quad> soll = Quotient(f.c, zeta);
        EXPECT_EQ(q.grad + 1, static_cast<int>(soll.size()));
        if (q.grad + 1 != static_cast<int>(soll.size())) continue;
        for (std::size_t k = 0; k < soll.size(); ++k) {
            const double betrag = std::fabs(static_cast<double>(soll[k]));
            EXPECT_EQ(numerik::AlsDouble(q.k[k]), static_cast<double>(soll[k])) << "q" << k;
            EXPECT_LE(Abstand(Q(q.k[k]), soll[k]), q.fehler[k] + 1e-32 * betrag) << "q" << k;
            EXPECT_LE(q.fehler[k], 1e-28 * betrag) << "q" << k;
            EXPECT_GE(q.groesse[k], betrag) << "q" << k;
        }
    }
}

// Where an antiderivative of order 1e19 is taken at both ends of an interval, its difference of
// order 1 keeps its digits when the values stay double-doubles.
TEST(EngineFehlerfrei, CompensatedValuesAsDoubleDoublesKeepTheirDifference) {
    // (x - 1000)^3 + x: its values near 1000 are of order 1000, its terms of order 3e9.
    const std::vector<double> c = {-1e9, 3000001, -3000, 1};
    std::array<Zwei, 10> k{};
    for (std::size_t i = 0; i < c.size(); ++i) k[i] = {c[i], 0.0};
    const double a = 1000.25, b = 1000.5;
    const Zwei d = numerik::Plus(numerik::KompensiertHornerZwei(k, 3, b),
                                 numerik::Minus(numerik::KompensiertHornerZwei(k, 3, a)));
    const Quad soll = Wert(c, b) - Wert(c, a);
    EXPECT_LT(Abstand(Q(d), soll), 1e-20);
}

}  // namespace
