#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/Text.h"
#include "workbench_fixture.h"

namespace {

// Twelve critical points: -2, -1.639, -1.208, -1, -0.532, 0, 0.047, 0.575, 1, 1.761, 2.396, 3.
const char* const kZwoelfPunkte = "x^5 - x^4 - 7x^3 + x^2 + 6x";

// 0.3(x - 0.047)^9 written out: near its ninefold zero the search finds more than 50 points.
const char* const kVieleNullstellen =
    "-0.00000000000033573914193083 +0.0000000000642904739867547x -0.0000000054715297010004x^2 "
    "+0.0000002716362262908x^3 -0.0000086692412646x^4 +0.0001844519418x^5 -0.0026163396x^6 "
    "+0.0238572x^7 -0.1269x^8 +0.3x^9";

}  // namespace

class Wertetabelle : public WerkbankTest {
  protected:
    std::array<std::string, 9> ZeileX() {
        return {w->x1F().Text(), w->x2F().Text(), w->x3F().Text(), w->x4F().Text(), w->x5F().Text(),
                w->x6F().Text(), w->x7F().Text(), w->x8F().Text(), w->x9F().Text()};
    }
};

TEST_F(Wertetabelle, NinePointsFillTheGridWithoutPaging) {
    Analysiere("x^4 - 5x^2 + 4");
    EXPECT_EQ(ZeileX(), (std::array<std::string, 9>{"-2", "-1.6", "-1", "-0.9", "0", "0.9", "1",
                                                    "1.6", "2"}));
    EXPECT_EQ(w->y11F().Text(), "0");    // f(-2)
    EXPECT_EQ(w->y21F().Text(), "-12");  // f'(-2)
    EXPECT_EQ(w->y31F().Text(), "38");   // f''(-2)
    EXPECT_EQ(w->y15F().Text(), "4");    // f(0)
    EXPECT_EQ(w->y22F().Text(), "0");    // f' at -1.58
    EXPECT_EQ(w->y34F().Text(), "0");    // f'' at -0.91
    EXPECT_EQ(w->AusgF2().Text(), "-2  ,  -1  ,  1  ,  2");
    EXPECT_FALSE(w->LPfeilB().Enabled());
    EXPECT_FALSE(w->RPfeilB().Enabled());
}

TEST_F(Wertetabelle, FewerPointsLeaveTheOtherColumnsEmpty) {
    Analysiere("x^2 - 1");
    EXPECT_EQ(ZeileX(), (std::array<std::string, 9>{"-1", "0", "1", "", "", "", "", "", ""}));
    EXPECT_EQ(w->y14F().Text(), "");
    EXPECT_EQ(w->y34F().Text(), "");
}

TEST_F(Wertetabelle, TwelvePointsArePagedOneAtATime) {
    Analysiere(kZwoelfPunkte);
    ASSERT_EQ(w->KPAnzahl, 12);
    EXPECT_EQ(w->x1F().Text(), "-2");
    EXPECT_EQ(w->x9F().Text(), "1");
    EXPECT_FALSE(w->LPfeilB().Enabled());
    EXPECT_TRUE(w->RPfeilB().Enabled());

    for (int i = 0; i < 3; ++i) w->RPfeilB().Push();
    EXPECT_EQ(w->x1F().Text(), "-1");
    EXPECT_EQ(w->x9F().Text(), "3");
    EXPECT_EQ(w->y19F().Text(), "0");  // f(3)
    EXPECT_TRUE(w->LPfeilB().Enabled());
    EXPECT_FALSE(w->RPfeilB().Enabled());
    EXPECT_EQ(w->links, 4);
    EXPECT_EQ(w->rechts, 12);

    // At the end the move is not possible: nothing moves.
    w->RPfeilB_Action(w->RPfeilB());
    EXPECT_EQ(w->links, 4);

    for (int i = 0; i < 3; ++i) w->LPfeilB().Push();
    EXPECT_EQ(w->x1F().Text(), "-2");
    EXPECT_EQ(w->x9F().Text(), "1");
    EXPECT_FALSE(w->LPfeilB().Enabled());
    EXPECT_TRUE(w->RPfeilB().Enabled());

    // "<" at the start moves nothing but still sets ">" by what lies to the right.
    w->RPfeilB().SetEnabled(false);
    w->LPfeilB_Action(w->LPfeilB());
    EXPECT_EQ(w->links, 1);
    EXPECT_TRUE(w->RPfeilB().Enabled());
}

TEST_F(Wertetabelle, ValueAtAChosenPoint) {
    w->WertB().Push();  // empty field: the values at 0 for f = x
    EXPECT_EQ(w->xXF().Text(), "0");
    EXPECT_EQ(w->y1XF().Text(), "0");
    EXPECT_EQ(w->y2XF().Text(), "1");
    EXPECT_EQ(w->y3XF().Text(), "0");

    Analysiere("x^3 - x");
    w->xXF().SetText("0.3");
    w->WertB().Push();
    EXPECT_EQ(w->y1XF().Text(), "-0.273");
    EXPECT_EQ(w->y2XF().Text(), "-0.73");
    EXPECT_EQ(w->y3XF().Text(), "1.8");

    // Editing x withdraws the three values.
    w->xXF().SetText("0.35");
    EXPECT_EQ(w->y1XF().Text(), "");
    EXPECT_EQ(w->y2XF().Text(), "");
    EXPECT_EQ(w->y3XF().Text(), "");
}

// An x beyond the Double range stays as typed: a word in its place would read back as 0.
TEST_F(Wertetabelle, AnXBeyondTheDoubleRangeStaysAsTyped) {
    Analysiere("x^2");
    const std::string riesig = "1" + std::string(400, '0');
    w->xXF().SetText(riesig);
    w->WertB().Push();
    EXPECT_EQ(w->xXF().Text(), riesig);
    EXPECT_EQ(w->y1XF().Text(), "Überlauf");
}

TEST_F(Wertetabelle, RefreshingTheTableEmptiesTheFreeColumn) {
    Analysiere(kZwoelfPunkte);
    w->xXF().SetText("2");
    w->WertB().Push();
    ASSERT_EQ(w->y1XF().Text(), "-24");
    w->RPfeilB().Push();
    EXPECT_EQ(w->xXF().Text(), "");
    EXPECT_EQ(w->y1XF().Text(), "");

    w->xXF().SetText("2");
    w->WertB().Push();
    w->PushButton1().Push();
    EXPECT_EQ(w->xXF().Text(), "");
    EXPECT_EQ(w->y3XF().Text(), "");
}

// The search lists each point once, so no polynomial reaches 50 points; the table's bound still
// holds for a longer counted array.
TEST_F(Wertetabelle, AtMostFiftyPointsAreKeptAndPaged) {
    Analysiere("x^2 - 1");
    w->KPMenge = {60.0};
    for (int i = 1; i <= 60; ++i) w->KPMenge.push_back(i);
    w->AlleWerteBerechnen();
    EXPECT_EQ(w->KPAnzahl, 50);
    int schritte = 0;
    while (w->RPfeilB().Enabled() && schritte < 100) {
        w->RPfeilB().Push();
        ++schritte;
    }
    EXPECT_EQ(schritte, 41);
    EXPECT_EQ(w->rechts, 50);
    EXPECT_EQ(w->x9F().Text(), "50");
}

// Near the ninefold zero the rounding noise of f changes sign many times; it is one zero.
TEST_F(Wertetabelle, NinefoldZeroIsOnePoint) {
    Analysiere(kVieleNullstellen);
    EXPECT_EQ(w->KPAnzahl, 1);
    EXPECT_EQ(w->x1F().Text(), "0");
    EXPECT_EQ(w->AusgF2().Text(), "0.047");
}

// f(-sqrt(2.5)) of x^4 - 5x^2 + 4 is -2.25: summed in Double it is -2.2499999999999991 and would
// show as -2.2; rounded half away from zero it is -2.3.
TEST_F(Wertetabelle, ShownDigitsComeFromTheValueRoundedOnce) {
    w->Stellenzahl = 1;
    Analysiere("x^4 - 5x^2 + 4");
    EXPECT_EQ(w->x2F().Text(), "-1.6");
    EXPECT_EQ(w->y12F().Text(), "-2.3");
    EXPECT_EQ(w->y18F().Text(), "-2.3");
}

// f' and f'' are the derivatives of the coefficients held, not of their rounded products: f' of
// 0.1x^3 - 0.3x at 1.0000001 cancels to about 6e-8, where 3 * 0.1 rounded would move it from its
// 10th digit on. The reference is 113-bit arithmetic on the held coefficients.
TEST_F(Wertetabelle, DerivativeValuesAreThoseOfTheHeldCoefficients) {
    Analysiere("0.1x^3 - 0.3x");
    w->xXF().SetText("1.0000001");
    w->WertB().Push();
    const __float128 x = 1.0000001, c3 = 0.1, c1 = -0.3;
    const auto ableitung = static_cast<double>(3 * c3 * x * x + c1);
    const auto zweite = static_cast<double>(6 * c3 * x);
    EXPECT_EQ(w->y2XF().Text(), Str(ableitung));
    EXPECT_EQ(w->y3XF().Text(), Str(zweite));
}

TEST_F(Wertetabelle, CountedArrayAsText) {
    EXPECT_EQ(w->Zahlfeldausgabe({0.0}), "");
    EXPECT_EQ(w->Zahlfeldausgabe({3.0, 1.0, 2.5, 3.00001}), "1  ,  2.5  ,  3");
}

// At 6 decimals the table shows only points where f, f' or f'' vanishes (no 1.911412, a zero of
// f''' of (x-1)^3 (x-2)^4; no 100.25 beside 99.886189), and a zero next to 0 that is not 0 keeps
// its place: its column shows f = 0 there, not -0.00001. The zeros of the shifted x^5 - 5x^3 + 4x
// stay five.
TEST_F(Wertetabelle, OnlyCriticalPointsWithTheirValuesAreShown) {
    w->Stellenzahl = 6;
    Analysiere("x^7-11x^6+51x^5-129x^4+192x^3-168x^2+80x-16");
    EXPECT_EQ(ZeileX(), (std::array<std::string, 9>{"1", "1.226541", "1.428571", "1.630602", "2",
                                                    "", "", "", ""}));

    Analysiere("x^4-401x^3+60302x^2-4030399.5x+101019955.5");
    EXPECT_EQ(ZeileX(), (std::array<std::string, 9>{"99.886189", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(w->y21F().Text(), "0");

    Analysiere("x^2+1000000x-0.00001");
    ASSERT_EQ(w->KPAnzahl, 3);
    EXPECT_EQ(w->x3F().Text(), "0");
    EXPECT_EQ(w->y13F().Text(), "0");
    EXPECT_EQ(w->y23F().Text(), "1000000");
    EXPECT_EQ(w->y33F().Text(), "2");

    Analysiere("x^5-5000x^4+9999995x^3-9999985000x^2+4999985000004x-999995000004001");
    EXPECT_EQ(w->AusgF2().Text(),
              "998.045920385377  ,  998.849015826725  ,  1000.27583419332  ,  1000.79073430354  ,  "
              "1002.03849529104");
    EXPECT_EQ(w->IntegralF1().Text(), "6.982447");
}
