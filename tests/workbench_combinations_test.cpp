#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/Text.h"
#include "tests/dezimaltext.h"
#include "workbench_fixture.h"

namespace {

const std::string kGradMeldung = "Grad des Ergebnispolynoms darf nicht größer als 9 sein.";
const std::string kNichtVerwertbar =
    "Eingabe so nicht verwertbar (z.B.: Grad des Polynoms muss kleiner als 10 sein ...)";
const std::string kZuGross =
    "Das Ergebnis ist zu groß, um berechnet zu werden. f bleibt unverändert.";

}  // namespace

class Kombinationen : public WerkbankTest {
  protected:
    // g takes a polynomial through the display slot, as a user would put it there.
    void SetzeG(const std::string& text) {
        w->AnzeigeF().SetText(text);
        w->g_AnzB().Push();
    }
    void SetzeH(const std::string& text) {
        SetzeG(text);
        w->ghB1().Push();
    }
    std::string G() { return w->Pg->Term2String(); }
};

TEST_F(Kombinationen, GAndFChangePlaces) {
    w->gfB().Push();
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_EQ(G(), "x  ");
    w->gfB().Push();
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_EQ(G(), "0");
}

TEST_F(Kombinationen, SumAndDifference) {
    SetzeG("x^2");
    w->gplusfB().Push();
    EXPECT_EQ(w->EingF().Text(), "x  + x^2  ");
    w->gminusfB().Push();
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_EQ(w->PListe, (std::vector<std::string>{"0", "x  ", "x  + x^2  "}));

    SetzeG("x");
    w->gminusfB().Push();
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_EQ(w->AusgF1().Text(), "Alle Polynome sind Teiler des Nullpolynoms");
}

TEST_F(Kombinationen, InvalidInputCombinesThePreviousF) {
    SetzeG("1");
    w->EingF().SetText("x2");
    w->gplusfB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kNichtVerwertbar});
    EXPECT_EQ(w->EingF().Text(), "1  + x  ");
}

TEST_F(Kombinationen, ProductWithinDegreeNine) {
    SetzeG("x^5 + 1");
    Analysiere("x^4");
    w->gmalfB().Push();
    EXPECT_EQ(w->EingF().Text(), "x^4  + x^9  ");
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Kombinationen, ProductBeyondDegreeNineShowsOnlyTheMessage) {
    SetzeG("x^5");
    Analysiere("x^5 + x");
    const std::string zerlegung = w->AusgF1().Text();
    const std::vector<std::string> liste = w->PListe;
    w->gmalfB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kGradMeldung});
    EXPECT_EQ(w->EingF().Text(), "x  + x^5  ");
    EXPECT_EQ(w->AusgF1().Text(), zerlegung);
    EXPECT_EQ(w->PListe, liste);
}

TEST_F(Kombinationen, EditedInputOfHigherDegreeIsCaughtByTheSecondTest) {
    SetzeG("x^5");
    w->EingF().SetText("x^9 - x");  // f is still x, degree 1
    w->gmalfB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kGradMeldung});
    EXPECT_EQ(w->EingF().Text(), "- x  + x^9  ");
    EXPECT_EQ(w->PPP->grad(), 9);
    EXPECT_EQ(w->AusgF2().Text(), "-1  ,  0  ,  1");
}

TEST_F(Kombinationen, ZeroTimesDegreeNineIsZero) {
    Analysiere("x^9");
    w->gmalfB().Push();  // g is the zero polynomial: degrees -1 + 9
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Kombinationen, GTimesH) {
    w->gmalhB().Push();  // both zero at start
    EXPECT_EQ(w->EingF().Text(), "0");

    SetzeH("x^5");
    SetzeG("x - 1");
    w->gmalhB().Push();
    EXPECT_EQ(w->EingF().Text(), "- x^5  + x^6  ");

    SetzeG("x^5");
    w->EingF().SetText("x^3");
    w->gmalhB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kGradMeldung});
    EXPECT_EQ(w->EingF().Text(), "x^3");  // not analysed: the field keeps what it shows
}

TEST_F(Kombinationen, ResultsBeyondDoubleAreRefused) {
    const std::string e200 = "1" + std::string(200, '0');
    const std::string e308 = "1" + std::string(308, '0');
    struct Fall {
        std::string g, f;
        PushButton& (HauptF::*knopf)();
    };
    for (const Fall& fall :
         {Fall{e200 + "x", e200 + "x", &HauptF::gmalfB}, Fall{e308, e308, &HauptF::gplusfB},
          Fall{"-" + e308, e308, &HauptF::gminusfB}}) {
        host.Clear();
        SetzeG(fall.g);
        Analysiere(fall.f);
        const std::string term = w->EingF().Text();
        class HauptF& fenster = *w;
        (fenster.*fall.knopf)().Push();
        EXPECT_EQ(Meldungen(), std::vector<std::string>{kZuGross});
        EXPECT_EQ(w->EingF().Text(), term);
        EXPECT_TRUE(w->PPP->IstEndlich());
    }
}

TEST_F(Kombinationen, GAndTheDisplaySlot) {
    SetzeG("x^2");
    w->AnzeigeF().SetText("");
    w->g_AnzB().Push();
    EXPECT_EQ(w->AnzeigeF().Text(), "x^2  ");
    EXPECT_EQ(G(), "0");
    w->g_AnzB().Push();
    EXPECT_EQ(w->AnzeigeF().Text(), "0");
    EXPECT_EQ(G(), "x^2  ");

    w->AnzeigeF().SetText("x^12");
    w->g_AnzB().Push();
    EXPECT_EQ(w->AnzeigeF().Text(), "x^2  ");
    EXPECT_EQ(G(), "x^2  ");
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_EQ(w->EingF().Text(), "x  ");
}

TEST_F(Kombinationen, FAndTheDisplaySlot) {
    w->AnzeigeF().SetText("x^2");
    w->RZeigB().Push();
    EXPECT_EQ(w->EingF().Text(), "x^2  ");
    EXPECT_EQ(w->AnzeigeF().Text(), "x  ");

    w->AnzeigeF().SetText("x^+^");
    w->RZeigB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kNichtVerwertbar});
    EXPECT_EQ(w->EingF().Text(), "x^2  ");
    EXPECT_EQ(w->AnzeigeF().Text(), "x^2  ");
}

TEST_F(Kombinationen, HAndGChangePlacesUnseen) {
    SetzeG("x + 1");
    w->ghB1().Push();
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_EQ(G(), "0");
    EXPECT_EQ(w->Ph->Term2String(), "1  + x  ");
    EXPECT_EQ(w->PListe, (std::vector<std::string>{"0", "x  "}));
}

// f - g and g + f of typed decimals that nearly cancel: 100.1 - 100 leaves the typed 100.1's
// binary rounding at the 15th digit shown, 0.0999999999999943, where the difference is 0.1.
// Over seeded f and g of degree up to 9 with coefficients of two decimals up to 1000, each
// coefficient of the result is the short decimal it is, 0 where f and g agree.
TEST_F(Kombinationen, SumAndDifferenceShowTheDecimalsTheyAre) {
    SetzeG("100");
    Analysiere("100.1 + 1.1x");
    w->gminusfB().Push();
    EXPECT_EQ(w->EingF().Text(), "0.1  + 1.1x  ");

    std::mt19937_64 zufall(151);
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    constexpr int kZuege = 300;
    int richtig = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        const bool differenz = zug % 2 == 0;
        PolynomT f, g, ergebnis;
        const int grad = ganz(0, 9);
        for (int i = 0; i <= grad; ++i) {
            const int a = ganz(-99999, 99999);
            const int r = ganz(0, 3) == 0 ? 0 : ganz(-99, 99);
            // f - g = r with g = f - r; g + f = r with g = r - f.
            f.Koeff[static_cast<std::size_t>(i)] = Val(Dezimaltext(a, 2));
            g.Koeff[static_cast<std::size_t>(i)] = Val(Dezimaltext(differenz ? a - r : r - a, 2));
            ergebnis.Koeff[static_cast<std::size_t>(i)] = Val(Dezimaltext(r, 2));
        }
        SetzeG(g.Term2String());
        Analysiere(f.Term2String());
        (differenz ? w->gminusfB() : w->gplusfB()).Push();
        if (w->EingF().Text() == ergebnis.Term2String())
            ++richtig;
        else
            ADD_FAILURE() << f.Term2String() << (differenz ? " - (" : " + (") << g.Term2String()
                          << "): " << w->EingF().Text();
    }
    EXPECT_EQ(richtig, kZuege);
    EXPECT_TRUE(Meldungen().empty());
}
