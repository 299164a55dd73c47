// Zeros and critical points to the last bit: every simple zero and every critical point the
// search lists lies within 4e-16 max(1, |x|) of an exact real zero of the Double coefficients the
// program holds (of f, or of the derivative it is a zero of). The exact zero is shown by a sign
// change of the polynomial evaluated in GCC's 113-bit __float128 across that interval, whose
// own rounding lies some 1e-33 of the terms below every value it decides on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/Nullstellensuche.h"
#include "tests/engine_polynome.h"

namespace {

using Quad = __float128;

constexpr double kLetztesBit = 4e-16;

// The j-th derivative of the held coefficients at x, exact coefficients, 113-bit Horner.
Quad Wert(const PolynomT& p, int j, Quad x) {
    Quad s = 0;
    for (int i = 9; i >= j; --i) {
        Quad c = p.Koeff[static_cast<std::size_t>(i)];
        for (int k = i - j + 1; k <= i; ++k) c *= k;
        s = s * x + c;
    }
    return s;
}

int Zeichen(Quad v) {
    return (v > 0) - (v < 0);
}

// The j-th derivative has an exact zero within 4e-16 max(1, |x|) of x.
bool AufsBit(const PolynomT& p, int j, double x) {
    const Quad t = kLetztesBit * std::max(1.0, std::fabs(x));
    const int links = Zeichen(Wert(p, j, Quad(x) - t));
    const int rechts = Zeichen(Wert(p, j, Quad(x) + t));
    return links * rechts <= 0;
}

struct Familie {
    const char* name;
    std::vector<double> (*ziehen)(std::mt19937_64&);
};

std::vector<double> NeunEinfache(std::mt19937_64& gen) {
    std::uniform_real_distribution<double> lage(-5.0, 5.0);
    std::vector<double> r(9);
    for (double& z : r) z = lage(gen);
    return r;
}

// a + k h, k = 0..8, a and h in tenths, all in (-5, 5).
std::vector<double> NeunGleichabstaendige(std::mt19937_64& gen) {
    const int h = std::uniform_int_distribution<int>(1, 12)(gen);
    const int a = std::uniform_int_distribution<int>(-49, 49 - 8 * h)(gen);
    std::vector<double> r;
    for (int k = 0; k < 9; ++k) r.push_back((a + k * h) / 10.0);
    return r;
}

class LetztesBit : public ::testing::TestWithParam<Familie> {};

TEST_P(LetztesBit, SimpleZerosAndCriticalPointsLieOnTheirExactZero) {
    constexpr int kZuege = 2000;
    std::mt19937_64 gen(9090);
    int nullstellenGut = 0;
    int punkteGut = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        const PolynomT p = AusNullstellen(GetParam().ziehen(gen));
        bool nullstellen = true;
        bool punkte = true;
        for (const Stelle& st : KritischeStellen(p)) {
            const bool ganz = st.x == std::round(st.x);
            const bool gut = AufsBit(p, st.ordnung, st.x);
            if (st.nullstelle && st.vielfachheit == 1 && !ganz) nullstellen = nullstellen && gut;
            if (!st.nullstelle && !ganz) punkte = punkte && gut;
        }
        nullstellenGut += nullstellen;
        punkteGut += punkte;
    }
    std::printf("%s: zeros %d / %d, critical points %d / %d\n", GetParam().name, nullstellenGut,
                kZuege, punkteGut, kZuege);
    EXPECT_GE(nullstellenGut, 0.995 * kZuege);
    EXPECT_GE(punkteGut, 0.995 * kZuege);
}

INSTANTIATE_TEST_SUITE_P(Familien, LetztesBit,
                         ::testing::Values(Familie{"NeunEinfache", NeunEinfache},
                                           Familie{"NeunGleichabstaendige", NeunGleichabstaendige}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Nine evenly spaced zeros: at their centre of symmetry f, f'' and f'''' vanish, and points of
// two derivatives found there can be neighbouring Doubles, a bracket with no Double inside. Its
// point is one of its ends, not a point at 0 that the search never reached.
TEST(LetztesBitKlammer, ABracketWithNoDoubleInsideKeepsItsEnd) {
    std::vector<double> r;
    for (int i = 0; i < 9; ++i) r.push_back(-3.4122050104649913 + i * 1.0276014338612425);
    const PolynomT p = AusNullstellen(r);
    std::vector<double> nullstellen;
    for (const Stelle& st : KritischeStellen(p))
        if (st.nullstelle) nullstellen.push_back(st.x);
    ASSERT_EQ(nullstellen.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_NEAR(nullstellen[i], r[i], 1e-12) << i;
}

}  // namespace
