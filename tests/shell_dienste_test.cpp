// The window's numeric and text services hand their work to the engine and keep what it reports
// in the window's state: the parser's steps in wzaehler, no points in KPAnzahl.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "shell/HauptF.h"
#include "tests/engine_polynome.h"
#include "tests/support/FreshApplication.h"

namespace {

// A main window object that is never built (no widget, no controls) but is the open one, its
// state prepared as Init prepares it.
class ShellDienste : public FreshApplicationTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(&HauptF(), &w);
        w.InitZustand();
    }
    class HauptF w;
};

std::string Wiederholt(const std::string& teil, int n, const std::string& sep) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? sep : "") + teil;
    return s;
}

TEST_F(ShellDienste, InitPreparesTheShiftAndThePolynomials) {
    for (int i = 0; i <= 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(w.Poly[i].has_value());
        if (w.Poly[i]) {
            EXPECT_TRUE(w.Poly[i]->IstNull());
        }
        for (int j = 0; j <= 9; ++j) {
            const int c =
                j > i ? 0
                      : static_cast<int>(std::lround(
                            std::tgamma(i + 1) / (std::tgamma(j + 1) * std::tgamma(i - j + 1))));
            EXPECT_EQ(w.BinKoeff[i][j], c) << j;
        }
    }
    EXPECT_EQ(w.BinKoeff[9][4], 126);
    ASSERT_TRUE(w.PPP && w.Pg && w.Ph && w.PP[0] && w.PP[1] && w.PP[2]);
    EXPECT_TRUE(w.PPP->IstNull());
    EXPECT_EQ(w.PListe, (std::vector<std::string>{"0"}));
}

// The shift works in rows of its own: the window's scratch stays as Init left it.
TEST_F(ShellDienste, AShiftLeavesTheWindowsScratchAlone) {
    PolynomT p = P({1, -2, 0.5, 0, 3, -1, 0.25, 0, 0, 2});
    p.xVerschiebungUm(0.75);
    for (int i = 0; i <= 9; ++i) EXPECT_TRUE(w.Poly[i] && w.Poly[i]->IstNull()) << i;
    EXPECT_EQ(w.BinKoeff, polynom::kBinomKoeff);
}

TEST_F(ShellDienste, TheParserCountsItsStepsInTheWindow) {
    PolynomT t;
    bool ok = false;
    w.String2Poly(t, Wiederholt("1", 250, "+"), ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(w.wzaehler, 500);
    EXPECT_EQ(t.Koeff[0], 250.0);
    w.String2Poly(t, Wiederholt("1", 251, "+"), ok);
    EXPECT_FALSE(ok);
    EXPECT_GT(w.wzaehler, 500);
    EXPECT_EQ(t.Koeff[0], 250.0);
    w.String2Poly(t, "2(x+1)", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(w.wzaehler, 0) << "refused for a character before any step";

    ok = true;
    w.wzaehler = 499;
    w.Whilekontrolle(ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(w.wzaehler, 500);
    w.Whilekontrolle(ok);
    EXPECT_FALSE(ok);
}

TEST_F(ShellDienste, NothingToSearchLeavesNoPoints) {
    for (const PolynomT& p : {P({5}), P({}), P({1, std::numeric_limits<double>::infinity(), 1})}) {
        SCOPED_TRACE(p.Term2String());
        w.KPAnzahl = 7;
        std::vector<double> kp = {3, 1, 2, 3}, ns = {1, 42};
        w.FindeKP(p, kp, ns);
        EXPECT_EQ(w.KPAnzahl, 0);
        EXPECT_EQ(kp.size(), 1u);
    }
    // Where there are points, the value table counts them, not the search.
    w.KPAnzahl = 7;
    std::vector<double> kp = {0}, ns = {0}, kpEngine = {0}, nsEngine = {0};
    w.FindeKP(P({-1, 0, 1}), kp, ns);
    EXPECT_TRUE(polynom::FindeKP(P({-1, 0, 1}), kpEngine, nsEngine));
    EXPECT_EQ(w.KPAnzahl, 7);
    EXPECT_EQ(kp, kpEngine);
    EXPECT_EQ(ns, (std::vector<double>{2, -1, 1}));
}

// Each of the other services gives the engine's answer.
TEST_F(ShellDienste, TheOtherServicesAnswerAsTheEngine) {
    EXPECT_EQ(w.GibNullst(P({-2, 0, 1}), 1, 2), polynom::GibNullst(P({-2, 0, 1}), 1, 2));
    EXPECT_TRUE(w.IstNull(9.9e-09));
    EXPECT_FALSE(w.IstNull(1e-08));
    EXPECT_EQ(w.Runden(3.0000000005), 3.0);
    double x = 1.99999;
    w.RundnfAusg(x);
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(w.Gerundet(2, 3.14159), 3.14);
    EXPECT_EQ(w.ggT(-12, 18), 6);
    EXPECT_EQ(w.xhoch(3), "x^3");
    EXPECT_EQ(w.Ablehnungsgrund("2(x+1)"), polynom::Ablehnungsgrund("2(x+1)"));
    EXPECT_NE(w.Ablehnungsgrund("2(x+1)"), "");
    EXPECT_EQ(w.FehlzeichenKillen("3 x^2,\tÄ-y*X.5"), "3x^2-*.5");
    EXPECT_EQ(w.ZeichenReduzieren("a+++b", "++", "+"), "a+b");
}

}  // namespace
