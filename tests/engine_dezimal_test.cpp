// The shortest decimal within a bound, decided exactly: at the bound itself the decimal is in,
// one Double below it is out, also where no power of ten is a Double (1e23) and far below 1.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Dezimal.h"

namespace {

using numerik::IstKurzeDezimalzahl;
using numerik::KuerzesteDezimalzahl;

double Darunter(double x) {
    return std::nextafter(x, 0.0);
}

TEST(EngineDezimal, ShortestDecimalWithinTheBound) {
    const double nahe03 = 0.1 + 0.2;  // 0.30000000000000004
    const double rauschen = 5.551115123125783e-17;
    // 1e23 lies halfway between two Doubles, 2^23 from each; from_chars takes the even one.
    const double ueber1e23 = 100000000000000008388608.0;
    const double zwei20 = std::ldexp(1.0, -20);  // 9.5367431640625e-07, 14 digits exactly
    const double neben2hoch20 = zwei20 + std::ldexp(1.0, -70);
    struct Fall {
        double x, schranke, erwartet;
    };
    for (const Fall& f : {
             Fall{nahe03, 1e-16, 0.3},
             Fall{-nahe03, 1e-16, -0.3},
             Fall{nahe03, 0.0, nahe03},
             Fall{rauschen, 6e-17, 0.0},
             Fall{rauschen, 5e-17, 6e-17},  // 0 is not within, the one digit is
             Fall{0.3, 0.5, 0.0},           // 0 before any digit
             Fall{0.16, 0.1, 0.2},          // 0.1 and 0.2 are both within: the nearer
             Fall{9.9999999999999, 1e-12, 10.0},
             Fall{1.0 / 3.0, 1e-17, 1.0 / 3.0},  // no decimal of 15 digits that near
             Fall{1.0 / 3.0, 4e-16, 0.333333333333333},
             Fall{ueber1e23, 0x1p23, 1e23},
             Fall{ueber1e23, Darunter(0x1p23), ueber1e23},
             Fall{neben2hoch20, std::ldexp(1.0, -70), zwei20},
             Fall{neben2hoch20, Darunter(std::ldexp(1.0, -70)), 9.53674316406251e-07},
         }) {
        EXPECT_EQ(KuerzesteDezimalzahl(f.x, f.schranke), f.erwartet)
            << f.x << " within " << f.schranke;
    }
    EXPECT_NE(1e23, ueber1e23);
}

TEST(EngineDezimal, WhatCannotBeDecidedStaysAsItIs) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(KuerzesteDezimalzahl(inf, 1.0), inf);
    EXPECT_EQ(KuerzesteDezimalzahl(-inf, 1.0), -inf);
    EXPECT_TRUE(std::isnan(KuerzesteDezimalzahl(std::nan(""), 1.0)));
    for (double schranke : {-1.0, inf, std::nan("")})
        EXPECT_EQ(KuerzesteDezimalzahl(0.1 + 0.2, schranke), 0.1 + 0.2) << schranke;
    EXPECT_EQ(KuerzesteDezimalzahl(1e-310, 0.0), 1e-310);
}

TEST(EngineDezimal, ShortDecimalsStandForThemselves) {
    struct Fall {
        double x;
        bool kurz;
    };
    for (const Fall& f :
         {Fall{0.0, true}, Fall{3.0, true}, Fall{-0.375, true}, Fall{123456789012345.0, true},
          Fall{1e22, true}, Fall{std::ldexp(1.0, -20), true}, Fall{0.1, false}, Fall{1e23, false},
          Fall{1234567890123456.0, false}, Fall{std::ldexp(1.0, -30), false},
          Fall{std::numeric_limits<double>::infinity(), false}})
        EXPECT_EQ(IstKurzeDezimalzahl(f.x), f.kurz) << f.x;
}

// a + b of two typed numbers: the cancellation in 100.1 - 100 shows the typed 100.1's binary
// rounding at the 15th digit; the sum takes the decimal. A remainder that the operands' own
// digits make is kept, even a tiny one.
TEST(EngineDezimal, SumOfTypedNumbers) {
    EXPECT_EQ(numerik::KurzeSumme(100.1, -100.0), 0.1);
    EXPECT_EQ(numerik::KurzeSumme(0.3, -0.1), 0.2);
    EXPECT_EQ(numerik::KurzeSumme(0.1, -0.1), 0.0);
    EXPECT_EQ(numerik::KurzeSumme(1e-17, 1.0), 1.0);
    EXPECT_EQ(numerik::KurzeSumme(1e15 + 1, -1e15), 1.0);
    EXPECT_EQ(numerik::KurzeSumme(0.123456789012345, 1e-14), 0.123456789012355);
    const double rest = 1.0 + std::ldexp(1.0, -52);  // no decimal a user types
    EXPECT_EQ(numerik::KurzeSumme(rest, -1.0), 2e-16);
}

}  // namespace
