#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/Dezimal.h"
#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "framework/Text.h"
#include "tests/dezimaltext.h"
#include "tests/engine_polynome.h"

namespace {

using EngineFaktorrest = ::testing::Test;

// (x - a)(x - b)(x^2 + p x + q) for a, b, p, q in hundredths, as exact hundredths^4.
std::vector<std::int64_t> Produkt(std::int64_t a, std::int64_t b, std::int64_t p, std::int64_t q) {
    // Each factor scaled by 100: (100x - a), (100x - b), (10000x^2 + 100p x + 100q).
    std::vector<std::int64_t> c = {1};
    const auto mal = [&c](const std::vector<std::int64_t>& f) {
        std::vector<std::int64_t> d(c.size() + f.size() - 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = 0; j < f.size(); ++j) d[i + j] += c[i] * f[j];
        c = d;
    };
    mal({-a, 100});
    mal({-b, 100});
    mal({100 * q, 100 * p, 10000});
    return c;  // coefficient k over 10^8
}

// (x - a)(x - b)(x^2 + p x + q) with a, b, p, q of one or two decimals and no real zero of the
// quadratic, typed as its expanded term: the remainder is x^2 + p x + q, each the Double of the
// decimal typed, although the coefficients and zeros held are not those decimals.
TEST_F(EngineFaktorrest, TypedQuadraticFactorComesBack) {
    std::mt19937_64 gen(1504);
    std::uniform_int_distribution<int> stellen(1, 2);
    std::uniform_int_distribution<std::int64_t> nullstelle(-50, 50), linear(-30, 30),
        abstand(1, 50);
    int treffer = 0;
    int zuege = 0;
    std::string fehlschlaege;
    while (zuege < 300) {
        const auto zahl = [&](std::uniform_int_distribution<std::int64_t>& d) {
            return stellen(gen) == 1 ? 10 * d(gen) : d(gen) * 10 + nullstelle(gen) % 10;
        };
        const std::int64_t a = zahl(nullstelle), b = zahl(nullstelle), p = zahl(linear);
        // q > p^2 / 4 in hundredths: q = ceil(p^2 / 400) + a positive step.
        const std::int64_t q = (p * p + 399) / 400 + (stellen(gen) == 1 ? 10 : 1) * abstand(gen);
        if (a == b || 4 * 100 * q <= p * p) continue;
        ++zuege;
        const std::vector<std::int64_t> c = Produkt(a, b, p, q);
        std::string text;
        for (std::size_t k = c.size(); k-- > 0;) {
            if (c[k] == 0) continue;
            const std::string z = Dezimaltext(c[k], 8);
            text +=
                (c[k] < 0 || text.empty() ? "" : "+") + z + (k > 0 ? "x^" + std::to_string(k) : "");
        }
        PolynomT f;
        bool ok = false;
        polynom::String2Poly(f, text, ok);
        ASSERT_TRUE(ok) << text;
        const PolynomT rest = Faktorrest(f);
        const bool gut = rest.grad() == 2 && rest.Koeff[2] == 1 &&
                         rest.Koeff[1] == Val(Dezimaltext(p, 2)) &&
                         rest.Koeff[0] == Val(Dezimaltext(q, 2));
        treffer += gut;
        if (!gut) fehlschlaege += text + " -> " + rest.Term2String() + "\n";
    }
    RecordProperty("remainders_typed", treffer);
    EXPECT_GE(treffer, 299) << fehlschlaege;
}

// Interpolated through (0;1) (1;3) (2;2) (3;5) and shifted by (2;-1) as the window does it, term
// written and read back each time: -41 + 39.8333333333334x - 12x^2 + 1.16666666666667x^3. Its
// coefficients are the decimals written, not thirds, so its zero is 2 - 2.7e-14, not 2, and the
// exact quotient by it is 20.50000000000028 - 9.66666666666669x + 1.16666666666667x^2: 20.5 lies
// 2.8e-13 away, beyond what the half ulps of the coefficients move it (2e-14). The remainder is
// that quotient as the shortest decimals within that reach.
TEST_F(EngineFaktorrest, InterpolatedAndShifted) {
    const auto gelesen = [](PolynomT& p) {
        for (double& c : p.Koeff) c = Val(Str(c));
    };
    std::vector<double> xs = {4, 0, 1, 2, 3, 0, 0, 0, 0, 0}, ys = {0, 1, 3, 2, 5, 0, 0, 0, 0, 0};
    PolynomT p;
    p.Interpol(xs, ys);
    gelesen(p);
    p.Koeff[0] = numerik::KurzeSumme(p.Koeff[0], -1);
    p.xVerschiebungUm(2);
    gelesen(p);
    ASSERT_EQ(p.Koeff, K({-41, 39.8333333333334, -12, 1.16666666666667}));
    EXPECT_EQ(p.Faktorform(),
              "( x-2) * (20.5000000000003  - 9.66666666666669x  + 1.16666666666667x^2  )");
    const PolynomT r = Faktorrest(p);
    EXPECT_EQ(r.Koeff, K({20.5000000000003, -9.66666666666669, 1.16666666666667}));
}

// Where no short decimal lies within the bound, the rounded quotient stays: whole inputs leave
// only the arithmetic's error, so x^3 - 2 leaves cbrt(2)^2 + cbrt(2) x + x^2 to the last bit; a
// coefficient whose sign the held coefficients fix is not made 0 (x^2 + 1e-34x + 1e-17 beside the
// zero 1e17).
TEST_F(EngineFaktorrest, RemaindersThatKeepTheirBits) {
    const PolynomT r = Faktorrest(P({-2, 0, 0, 1}));
    const long double w3 = std::cbrt(2.0L);
    EXPECT_EQ(r.Koeff, K({static_cast<double>(w3 * w3), static_cast<double>(w3), 1}));

    PolynomT p;
    bool ok = false;
    polynom::String2Poly(p, "x^3 - 100000000000000000x^2 - 1", ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Faktorrest(p).Koeff, K({1e-17, 1e-34, 1}));
}

}  // namespace
