#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Text.h"
#include "workbench_fixture.h"

namespace {

const std::string kNichtVerwertbar =
    "Eingabe so nicht verwertbar (z.B.: Grad des Polynoms muss kleiner als 10 sein ...)";

bool ZeigtUnendlichOderNaN(const std::string& s) {
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}

}  // namespace

using Analyse = WerkbankTest;

TEST_F(Analyse, StartShowsTheAnalysisOfX) {
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_FALSE(w->AusgF1().Text().empty());
    EXPECT_EQ(w->AusgF2().Text(), "0");
    EXPECT_EQ(w->vonF().Text(), "0");
    EXPECT_EQ(w->bisF().Text(), "0");
    EXPECT_EQ(w->IntegralF().Text(), "0");
    EXPECT_EQ(w->IntegralF1().Text(), "0");
    EXPECT_EQ(w->x1F().Text(), "0");
    EXPECT_EQ(w->y11F().Text(), "0");
    EXPECT_EQ(w->y21F().Text(), "1");
    EXPECT_EQ(w->y31F().Text(), "0");
    EXPECT_EQ(w->x2F().Text(), "");
    EXPECT_TRUE(w->IntegralB().Enabled());
    EXPECT_TRUE(w->WertB().Enabled());
    EXPECT_FALSE(w->LPfeilB().Enabled());
    EXPECT_FALSE(w->RPfeilB().Enabled());
    EXPECT_EQ(Liste(), (std::vector<std::string>{"0", "x  "}));
    EXPECT_EQ(w->KPAnzahl, 1);
    EXPECT_TRUE(w->EingF().HasFocus());
    EXPECT_TRUE(Meldungen().empty());
}

// No output keeps a value of an earlier f: the integral and the area of x are gone once the
// zero polynomial or a constant is analysed; the bounds the user typed stay.
TEST_F(Analyse, ZeroPolynomialGetsItsOwnTextsAndEmptiesIntegralAndArea) {
    w->vonF().SetText("0");
    w->bisF().SetText("1");
    Analysiere("x^2 - 1");
    ASSERT_EQ(w->IntegralF().Text(), "-0.7");
    ASSERT_EQ(w->IntegralF1().Text(), "1.3");

    Analysiere("0");
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_EQ(w->AusgF1().Text(), "Alle Polynome sind Teiler des Nullpolynoms");
    EXPECT_EQ(w->AusgF2().Text(), "Alle reellen Zahlen sind Nullstellen des Nullpolynoms");
    EXPECT_EQ(w->x1F().Text(), "");
    EXPECT_EQ(w->IntegralF().Text(), "");
    EXPECT_EQ(w->IntegralF1().Text(), "");
    EXPECT_EQ(w->vonF().Text(), "0");
    EXPECT_EQ(w->bisF().Text(), "1");
    EXPECT_FALSE(w->IntegralB().Enabled());
    EXPECT_EQ(w->KPAnzahl, 0);
    EXPECT_EQ(Liste(), (std::vector<std::string>{"0", "x  ", "- 1  + x^2  "}));
}

TEST_F(Analyse, ConstantsNameThemselvesWithTheirSign) {
    struct Fall {
        const char* eingabe;
        const char* term;
        const char* zahl;
    };
    for (const Fall& f : {Fall{"7", "7  ", "7"}, Fall{"-3", "- 3  ", "-3"}}) {
        SCOPED_TRACE(f.eingabe);
        Analysiere("x^2 - 1");
        EXPECT_FALSE(w->IntegralF1().Text().empty());
        Analysiere(f.eingabe);
        EXPECT_EQ(w->EingF().Text(), f.term);
        EXPECT_EQ(w->AusgF1().Text(), f.zahl);
        EXPECT_EQ(w->AusgF2().Text(),
                  std::string("Das konstante Polynom ") + f.zahl + " hat keine Nullstellen");
        EXPECT_EQ(w->x1F().Text(), "");
        EXPECT_EQ(w->IntegralF().Text(), "");
        EXPECT_EQ(w->IntegralF1().Text(), "");
        EXPECT_EQ(w->PListe.back(), f.term);
    }
}

TEST_F(Analyse, RejectedTextBringsBackThePreviousTerm) {
    Analysiere("x^2 - 1");
    const std::vector<std::string> listeVorher = Liste();
    const std::string zerlegung = w->AusgF1().Text();

    Analysiere("x^10");
    ASSERT_EQ(Meldungen(), std::vector<std::string>{kNichtVerwertbar});
    EXPECT_EQ(w->EingF().Text(), "- 1  + x^2  ");
    EXPECT_EQ(w->AusgF1().Text(), zerlegung);
    EXPECT_EQ(w->AusgF2().Text(), "-1  ,  1");
    EXPECT_EQ(w->x1F().Text(), "");
    EXPECT_EQ(Liste(), listeVorher);
    EXPECT_TRUE(w->EingF().HasFocus());

    // "OK" once more analyses the term that came back.
    w->PushButton1().Push();
    EXPECT_EQ(w->x1F().Text(), "-1");
    EXPECT_EQ(Meldungen().size(), 1u);
}

TEST_F(Analyse, NumberTooLongForADoubleIsRejectedAndFStays) {
    Analysiere("1" + std::string(400, '0') + "x");
    ASSERT_EQ(Meldungen(), std::vector<std::string>{kNichtVerwertbar});
    EXPECT_EQ(w->EingF().Text(), "x  ");
    EXPECT_TRUE(w->PPP->IstEndlich());
    EXPECT_EQ(Liste(), (std::vector<std::string>{"0", "x  "}));
}

TEST_F(Analyse, ReturnRunsTheAnalysisAndAPolynomialIsListedOnce) {
    w->EingF().SetText("x^2");
    w->PressReturn();
    EXPECT_EQ(w->EingF().Text(), "x^2  ");
    Analysiere("x*x");
    EXPECT_EQ(Liste(), (std::vector<std::string>{"0", "x  ", "x^2  "}));
}

TEST_F(Analyse, EditingTheInputWithdrawsTableAndButtons) {
    w->EingF().SetText("x^2");
    EXPECT_FALSE(w->IntegralB().Enabled());
    EXPECT_FALSE(w->WertB().Enabled());
    EXPECT_EQ(w->x1F().Text(), "");
    EXPECT_EQ(w->y21F().Text(), "");
}

TEST_F(Analyse, IntegralBoundsAreReadAsNumbers) {
    w->vonF().SetText("2");
    w->bisF().SetText("1");
    w->PushButton1().Push();
    EXPECT_EQ(w->IntegralF().Text(), "-1.5");
}

// A bound beyond the range of a Double is kept as typed, run after run, and the integral says
// that it overflowed; a word written into the field would read back as 0 the next time.
TEST_F(Analyse, BoundBeyondTheDoubleRangeStaysAsTyped) {
    const std::string riesig = "1" + std::string(400, '0');
    w->vonF().SetText("-" + riesig);
    w->bisF().SetText("1");
    for (int lauf = 0; lauf < 2; ++lauf) {
        w->PushButton1().Push();
        EXPECT_EQ(w->vonF().Text(), "-" + riesig);
        EXPECT_EQ(w->bisF().Text(), "1");
        EXPECT_EQ(w->IntegralF().Text(), "Überlauf");
    }
    w->IntegralB().Push();
    EXPECT_EQ(w->vonF().Text(), "-" + riesig);
    EXPECT_EQ(w->IntegralF().Text(), "Überlauf");
    EXPECT_TRUE(Meldungen().empty());

    w->vonF().SetText("0");
    w->IntegralB().Push();
    EXPECT_EQ(w->IntegralF().Text(), "0.5");
}

TEST_F(Analyse, NumberOfDecimalsRoundsIntegralAreaAndTable) {
    w->vonF().SetText("0");
    w->bisF().SetText("1");
    Analysiere("x^2 - 2");
    EXPECT_EQ(w->IntegralF().Text(), "-1.7");
    EXPECT_EQ(w->x1F().Text(), "-1.4");

    w->StellenWahlB().Choose(2);  // "    3 Dezimalen"
    EXPECT_EQ(w->Stellenzahl, 3);
    EXPECT_EQ(w->IntegralF().Text(), "-1.667");
    EXPECT_EQ(w->x1F().Text(), "-1.414");

    w->StellenWahlB().Choose(6);  // "   ganze Zahlen"
    EXPECT_EQ(w->Stellenzahl, 0);
    EXPECT_EQ(w->IntegralF().Text(), "-2");
    EXPECT_EQ(w->x1F().Text(), "-1");
    EXPECT_EQ(w->IntegralF1().Text(), Str(Round(w->PPP->Umrandet())));

    // The free column stays unrounded.
    w->xXF().SetText("0.5");
    w->WertB().Push();
    EXPECT_EQ(w->y1XF().Text(), "-1.75");
}

TEST_F(Analyse, ChangingTheDecimalsAnalysesWhatTheInputShows) {
    w->EingF().SetText("x^3");
    w->StellenWahlB().SetText("    1 Dezimale");  // the number in force: no run
    EXPECT_EQ(w->EingF().Text(), "x^3");
    EXPECT_EQ(w->x1F().Text(), "");
    w->StellenWahlB().Choose(1);
    EXPECT_EQ(w->EingF().Text(), "x^3  ");
    EXPECT_EQ(w->x1F().Text(), "0");
}

TEST_F(Analyse, TypedDecimalsOutsideZeroToSixKeepTheNumberInForce) {
    w->vonF().SetText("0");
    w->bisF().SetText("1");
    Analysiere("x^9 + 1000000000x - 3");
    const std::string integral = w->IntegralF().Text();
    for (const char* getippt : {"9 Dezimalen", "-400", "2.5", "400", "99999999999999999999"}) {
        w->StellenWahlB().SetText(getippt);
        EXPECT_EQ(w->Stellenzahl, 1) << getippt;
        EXPECT_EQ(w->IntegralF().Text(), integral) << getippt;
    }
    w->StellenWahlB().SetText("6");
    EXPECT_EQ(w->Stellenzahl, 6);
    for (TextField* feld :
         {&w->IntegralF(), &w->IntegralF1(), &w->x1F(), &w->y11F(), &w->y21F(), &w->y31F()}) {
        EXPECT_FALSE(ZeigtUnendlichOderNaN(feld->Text())) << feld->Name() << feld->Text();
    }
}

TEST_F(Analyse, InfoTextHasElevenPartsSeparatedByEmptyLines) {
    w->QuitB11().Push();
    ASSERT_EQ(Meldungen().size(), 1u);
    const std::string text = Meldungen()[0];
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    for (std::size_t p; (p = text.find("\r\n\r\n", anfang)) != std::string::npos; anfang = p + 4) {
        teile.push_back(text.substr(anfang, p - anfang));
    }
    teile.push_back(text.substr(anfang));
    ASSERT_EQ(teile.size(), 11u);
    EXPECT_EQ(teile[0].rfind("Vemtarix", 0), 0u);
    EXPECT_EQ(teile[1],
              "- untersucht Polynome maximal neunten Grades auf kritische Stellen. Mit kritischen "
              "Stellen sind dabei die Nullstellen des Polynoms und seiner ersten beiden "
              "Ableitungen gemeint. Das Programm ..");
    EXPECT_EQ(teile[4],
              "- berechnet den Inhalt der vom Graphen und der x-Achse berandeten Fläche,");
    EXPECT_EQ(teile[9],
              "Alle während einer Sitzung bearbeiteten Polynome werden in einer Liste gespeichert "
              "und bleiben während der Laufzeit des Programms verfügbar.");
    EXPECT_EQ(teile[10].rfind("Homepage: ", 0), 0u);
    EXPECT_NE(text.back(), '\n');
}

TEST_F(Analyse, BotschaftAnswersTheButtonPressed) {
    struct Fall {
        DialogHost::Answer antwort;
        const char* meldung;
    };
    for (const Fall& f : {Fall{Antwort::Action, "Du hast die Aktion gewünscht."},
                          Fall{Antwort::Alternate, "Du hast dich für den Negativfall enschieden"},
                          Fall{Antwort::Cancel, "Feige Nuss! Flucht vor der Entscheidung."}}) {
        host.Clear();
        host.AnswerButton(f.antwort);
        w->Botschaft();
        EXPECT_EQ(Meldungen(), std::vector<std::string>{f.meldung});
        ASSERT_EQ(Rueckfragen().size(), 1u);
        EXPECT_EQ(Rueckfragen()[0].text, "Angebot eines Unternehmens");
        EXPECT_EQ(Rueckfragen()[0].explanation, "Deine Entscheidung hat natürlich Folgen.");
        EXPECT_EQ(Rueckfragen()[0].action.Caption, "Mach etwas");
        EXPECT_EQ(Rueckfragen()[0].alternate.Caption, " Lass es");
        EXPECT_TRUE(Rueckfragen()[0].alternate.Visible);
        EXPECT_TRUE(Rueckfragen()[0].cancel.Visible);
    }
}
