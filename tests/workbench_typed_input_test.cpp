// What is typed into the window is what is analysed: a text is read as typed (with the decimal
// comma, ² and ³, the minus sign and the dot) or refused with a message that says why, and
// nothing is computed from a refused text.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/Text.h"
#include "workbench_fixture.h"

namespace {

const std::string kNichtVerwertbar =
    "Eingabe so nicht verwertbar (z.B.: Grad des Polynoms muss kleiner als 10 sein ...)";

// The message's lines, split at CR LF.
std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t p; (p = text.find("\r\n", anfang)) != std::string::npos; anfang = p + 2)
        zeilen.push_back(text.substr(anfang, p - anfang));
    zeilen.push_back(text.substr(anfang));
    return zeilen;
}

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

}  // namespace

class GetippteEingabe : public WerkbankTest {
  protected:
    // Everything a refused text must leave as it was.
    struct Stand {
        std::string eingabe, zerlegung, nullstellen, integral, flaeche, anzeige;
        std::vector<std::string> liste;
        std::array<double, 10> koeff;
        std::array<double, 4> fenster;  // f's plotting window
        bool operator==(const Stand&) const = default;
    };
    Stand Jetzt() const {
        const PolynomT& f = *w->PPP;
        return {w->EingF().Text(),
                w->AusgF1().Text(),
                w->AusgF2().Text(),
                w->IntegralF().Text(),
                w->IntegralF1().Text(),
                w->AnzeigeF().Text(),
                w->PListe,
                f.Koeff,
                {f.xmin, f.xmax, f.ymin, f.ymax}};
    }
};

TEST_F(GetippteEingabe, TextsAreReadAsTheyAreMeant) {
    struct Fall {
        const char* getippt;
        const char* term;
    };
    for (const Fall& f :
         {Fall{"0,5x^2 - 2", "- 2  + 0.5x^2  "}, Fall{"-1,5", "- 1.5  "},
          Fall{"x\u00B2-1", "- 1  + x^2  "}, Fall{"x\u00B3 - 2,25x", "- 2.25x  + x^3  "},
          Fall{"3\u00B7x\u00B2 \u2212 2\u00B7x + 1", "1  - 2x  + 3x^2  "}}) {
        Analysiere(f.getippt);
        EXPECT_EQ(w->EingF().Text(), f.term) << f.getippt;
        EXPECT_EQ(w->PListe.back(), f.term) << f.getippt;
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GetippteEingabe, RefusedTextLeavesEverythingAndSaysWhichCharacter) {
    w->vonF().SetText("0");
    w->bisF().SetText("2");
    w->AnzeigeF().SetText("x^3");
    Analysiere("x^2 - 1");
    const Stand vorher = Jetzt();
    ASSERT_EQ(vorher.integral, "0.7");
    ASSERT_EQ(w->x1F().Text(), "-1");

    struct Fall {
        const char* getippt;
        const char* zweiteZeile;  // how the second line begins
    };
    for (const Fall& f :
         {Fall{"(x-1)(x+2)", "Das Zeichen \u201E(\u201C an Stelle 1 kann nicht gelesen werden."},
          Fall{"f(x) = x^2 - 1", "Das Zeichen \u201Ef\u201C an Stelle 1"},
          Fall{"x^2 + 3x - 4 = 0", "Das Zeichen \u201E=\u201C an Stelle 14"},
          Fall{"1/2x^2", "Das Zeichen \u201E/\u201C an Stelle 2"},
          Fall{"0,5x\u00B2 \u2212 2\u20AC", "Das Zeichen \u201E\u20AC\u201C an Stelle 10"}}) {
        host.Clear();
        Analysiere(f.getippt);
        ASSERT_EQ(Meldungen().size(), 1u) << f.getippt;
        const std::vector<std::string> zeilen = Zeilen(Meldungen()[0]);
        ASSERT_EQ(zeilen.size(), 2u) << Meldungen()[0];
        EXPECT_EQ(zeilen[0], kNichtVerwertbar);
        EXPECT_EQ(zeilen[1].rfind(f.zweiteZeile, 0), 0u) << zeilen[1];
        EXPECT_EQ(zeilen[1], w->Ablehnungsgrund(f.getippt));
        EXPECT_EQ(Jetzt(), vorher) << f.getippt;
        EXPECT_EQ(w->x1F().Text(), "") << "the value table stays empty";
        EXPECT_TRUE(w->EingF().HasFocus());
    }
    // A text refused for its form, with every character readable, keeps the one line.
    host.Clear();
    Analysiere("x^2,5");
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kNichtVerwertbar});
    EXPECT_EQ(Jetzt(), vorher);
}

TEST_F(GetippteEingabe, TheDisplaySlotIsReadByTheSameRules) {
    w->AnzeigeF().SetText("x\u00B2 - 0,5");
    w->g_AnzB().Push();
    EXPECT_EQ(w->Pg->Term2String(), "- 0.5  + x^2  ");

    // g keeps its value for a refused text, and nothing is said.
    w->AnzeigeF().SetText("(x-1)(x+2)");
    w->g_AnzB().Push();
    EXPECT_EQ(w->Pg->Term2String(), "- 0.5  + x^2  ");
    EXPECT_EQ(w->AnzeigeF().Text(), "- 0.5  + x^2  ");
    EXPECT_TRUE(Meldungen().empty());

    w->AnzeigeF().SetText("2(x+1)");
    w->RZeigB().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Zeilen(Meldungen()[0]).size(), 2u);
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_EQ(w->AnzeigeF().Text(), "x  ");
}

TEST_F(GetippteEingabe, BoundsWithADecimalComma) {
    w->vonF().SetText("0");
    w->bisF().SetText("1,5");
    Analysiere("x");
    EXPECT_EQ(w->bisF().Text(), "1.5");
    EXPECT_EQ(w->IntegralF().Text(), "1.1");
    w->IntegralB().Push();
    EXPECT_EQ(w->IntegralF().Text(), "1.125");
    EXPECT_TRUE(Meldungen().empty());
}

// A bound that is no number is reported once for a press, however many analysis runs the press
// makes, and no integral is computed from it; the rest of the analysis goes on.
TEST_F(GetippteEingabe, BoundThatIsNoNumberIsRefused) {
    w->vonF().SetText("1/2");
    w->bisF().SetText("1");
    Analysiere("x^2 - 1");
    ASSERT_EQ(Meldungen().size(), 1u);
    const std::vector<std::string> zeilen = Zeilen(Meldungen()[0]);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], "Im Feld \u201Evon\u201C des Integrals steht keine Zahl: \u201E1/2\u201C");
    EXPECT_TRUE(Enthaelt(zeilen[1], "Das Integral wird nicht berechnet.")) << zeilen[1];
    EXPECT_EQ(w->vonF().Text(), "1/2");
    EXPECT_EQ(w->bisF().Text(), "1");
    EXPECT_EQ(w->IntegralF().Text(), "\u2014");
    EXPECT_EQ(w->AusgF2().Text(), "-1  ,  1");
    EXPECT_EQ(w->IntegralF1().Text(), "1.3");

    w->gplusfB().Push();  // two analysis runs
    EXPECT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(w->IntegralF().Text(), "\u2014");

    w->IntegralB().Push();  // the button of the integral says it again
    EXPECT_EQ(Meldungen().size(), 2u);
    EXPECT_EQ(w->IntegralF().Text(), "\u2014");

    // Two fields without a number: one message names both.
    host.Clear();
    w->bisF().SetText("eins");
    w->IntegralB().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    const std::vector<std::string> beide = Zeilen(Meldungen()[0]);
    ASSERT_EQ(beide.size(), 3u);
    EXPECT_TRUE(Enthaelt(beide[0], "\u201Evon\u201C") && Enthaelt(beide[0], "\u201E1/2\u201C"));
    EXPECT_TRUE(Enthaelt(beide[1], "\u201Ebis\u201C") && Enthaelt(beide[1], "\u201Eeins\u201C"));

    host.Clear();
    w->vonF().SetText("0,5");
    w->bisF().SetText("");
    w->IntegralB().Push();
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_EQ(w->vonF().Text(), "0.5");
    EXPECT_EQ(w->bisF().Text(), "0");
    EXPECT_EQ(w->IntegralF().Text(), Str(w->PPP->Integral(0.5, 0)));
}

TEST_F(GetippteEingabe, ValueAtAPointWithACommaOrRefused) {
    Analysiere("x^2");
    w->xXF().SetText("0,5");
    w->WertB().Push();
    EXPECT_EQ(w->xXF().Text(), "0.5");
    EXPECT_EQ(w->y1XF().Text(), "0.25");
    EXPECT_TRUE(Meldungen().empty());

    w->xXF().SetText("1e5");
    w->WertB().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(
        Zeilen(Meldungen()[0])[0],
        "Im Feld \u201Ex\u201C bei \u201EWert Berechnen\u201C steht keine Zahl: \u201E1e5\u201C");
    EXPECT_EQ(w->xXF().Text(), "1e5");
    EXPECT_EQ(w->y1XF().Text(), "");
    EXPECT_EQ(w->y3XF().Text(), "");
}

TEST_F(GetippteEingabe, SupportPointsWithACommaOrRefused) {
    w->xF0().SetText("0,5");
    w->yF0().SetText("1");
    w->xF1().SetText("1,5");
    w->yF1().SetText("2");
    w->xF2().SetText("abc");  // hidden: plays no part
    w->InterploierB().Push();
    EXPECT_EQ(w->EingF().Text(), "0.5  + x  ");
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_EQ(w->xF0().Text(), "0,5") << "the point fields keep their texts";

    const Stand vorher = Jetzt();
    w->yF1().SetText("2/3");
    w->InterploierB().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Zeilen(Meldungen()[0])[0],
              "Im Feld \u201Ey\u201C der 2. St\u00FCtzstelle steht keine Zahl: \u201E2/3\u201C");
    EXPECT_TRUE(Enthaelt(Meldungen()[0], "f bleibt unver\u00E4ndert"));
    EXPECT_EQ(Jetzt(), vorher);
}

TEST_F(GetippteEingabe, ShiftVectorWithACommaOrRefusedWhenPressed) {
    Analysiere("x^2");
    w->xVF().SetText("0,5");
    w->VerschiebeB().Push();
    EXPECT_EQ(w->EingF().Text(), "0.25  - x  + x^2  ");
    EXPECT_EQ(w->xVF().Text(), "0,5");

    // Typing says nothing; the press refuses, before anything is analysed.
    w->xVF().SetText("a");
    w->yVF().SetText("1");
    w->yVF().SetText("1,");
    EXPECT_TRUE(Meldungen().empty());
    w->EingF().SetText("x^3");
    w->VerschiebeB().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Zeilen(Meldungen()[0])[0],
              "Im Feld \u201Ex\u201C des Verschiebungsvektors steht keine Zahl: \u201Ea\u201C");
    EXPECT_EQ(w->EingF().Text(), "x^3");
    EXPECT_EQ(w->PPP->Term2String(), "0.25  - x  + x^2  ");
}

// The decimals box is editable; a typed text that names no number of decimals keeps the number
// in force, without a word while the user types.
TEST_F(GetippteEingabe, DecimalsBoxKeepsItsNumberForTextsThatNameNone) {
    w->vonF().SetText("0");
    w->bisF().SetText("1");
    Analysiere("x^2");
    const std::string integral = w->IntegralF().Text();
    for (const char* getippt : {"2,5 Dezimalen", "abc", "", "Dezimalen: 3"}) {
        w->StellenWahlB().SetText(getippt);
        EXPECT_EQ(w->Stellenzahl, 1) << getippt;
        EXPECT_EQ(w->IntegralF().Text(), integral) << getippt;
    }
    w->StellenWahlB().SetText(" 3");
    EXPECT_EQ(w->Stellenzahl, 3);
    EXPECT_TRUE(Meldungen().empty());
}
