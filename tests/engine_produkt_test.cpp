// The product f * g of polynomials typed with short decimals against exact arithmetic: each
// coefficient is the Double of the exact decimal, so no noise term survives a cancellation.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/PolynomT.h"

namespace {

// The Double nearest n / 10^stellen, as the reader makes it of the decimal text.
double Dezimal(std::int64_t n, int stellen) {
    return std::strtod((std::to_string(n) + "e-" + std::to_string(stellen)).c_str(), nullptr);
}

TEST(EngineProdukt, ShortDecimalsGiveTheExactDecimalProduct) {
    std::mt19937_64 gen(4711);
    std::uniform_int_distribution<int> grad(1, 4);
    std::uniform_int_distribution<std::int64_t> hundertstel(-999, 999);
    constexpr int kZuege = 300;
    int richtig = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        std::int64_t A[10] = {}, B[10] = {}, C[10] = {};
        PolynomT a, b;
        const int ga = grad(gen), gb = grad(gen);
        for (int i = 0; i <= ga; ++i) a.Koeff[i] = Dezimal(A[i] = hundertstel(gen), 2);
        for (int j = 0; j <= gb; ++j) b.Koeff[j] = Dezimal(B[j] = hundertstel(gen), 2);
        for (int i = 0; i <= ga; ++i)
            for (int j = 0; j <= gb; ++j) C[i + j] += A[i] * B[j];
        PolynomT p;
        p.Produkt(a, b);
        bool gleich = true;
        for (int k = 0; k <= 9; ++k) gleich = gleich && p.Koeff[k] == Dezimal(C[k], 4);
        richtig += gleich;
    }
    EXPECT_EQ(richtig, kZuege);
}

// Where a coefficient cancels to 0 exactly, no term of 1e-18 is left; and an operand may be the
// target.
TEST(EngineProdukt, CancellationLeavesNoNoiseTerm) {
    PolynomT a, b;
    a.Koeff[0] = -0.1;
    a.Koeff[1] = 1;
    b.Koeff[0] = 0.01;
    b.Koeff[1] = 0.1;
    b.Koeff[2] = 1;
    a.Produkt(a, b);
    EXPECT_EQ(a.Koeff[0], -0.001);
    EXPECT_EQ(a.Koeff[1], 0.0);
    EXPECT_EQ(a.Koeff[2], 0.0);
    EXPECT_EQ(a.Koeff[3], 1.0);
    EXPECT_EQ(a.grad(), 3);
}

}  // namespace
