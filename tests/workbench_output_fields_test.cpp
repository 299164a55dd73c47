#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workbench_fixture.h"

// Every text the program writes is shown from its first character, also when it is wider than
// its field: a number cut at the front (its sign, its leading digits) reads as another number.
// Each field checked holds more characters than it can show (a grid cell shows about ten), so
// a field that scrolled to the end would show a later character first.
class Ausgabefelder : public WerkbankTest {
  protected:
    void ErwarteAnfang(const std::vector<TextControl*>& felder) {
        for (TextControl* feld : felder) {
            EXPECT_GT(feld->Text().size(), 10u) << feld->Name() << " holds too short a text";
            EXPECT_EQ(feld->FirstVisibleCharacter(), 1) << feld->Name() << ": " << feld->Text();
        }
    }
};

TEST_F(Ausgabefelder, ValueTableAndFreeColumnShowTheirNumbersFromTheStart) {
    w->StellenWahlB().Choose(5);  // "    6 Dezimalen"
    Analysiere("x^5 - 7x^3 + 1000");
    ErwarteAnfang({&w->y21F(), &w->y31F(), &w->y12F(), &w->y13F()});

    w->xXF().SetText("-1234.56789");
    w->WertB().Push();
    ErwarteAnfang({&w->y1XF(), &w->y2XF(), &w->y3XF()});

    // Paging writes the grid anew.
    Analysiere("x^9 - 30x^7 + 273x^5 - 820x^3 + 576x + 0.5");
    ASSERT_TRUE(w->RPfeilB().Enabled());
    w->RPfeilB().Push();
    ErwarteAnfang({&w->y11F(), &w->y31F(), &w->y22F()});
}

TEST_F(Ausgabefelder, IntegralAndAreaShowTheirNumbersFromTheStart) {
    w->StellenWahlB().Choose(5);
    w->vonF().SetText("-1.6");
    w->bisF().SetText("1000.3");
    Analysiere("x^2 - 1000000");
    ASSERT_EQ(w->IntegralF1().Text(), "1333333333.33333");
    ErwarteAnfang({&w->IntegralF(), &w->IntegralF1()});
    w->IntegralB().Push();  // the unrounded integral
    ErwarteAnfang({&w->IntegralF()});
}

TEST_F(Ausgabefelder, InputAndTextAreasShowTheStartOfWhatTheProgramWrote) {
    const std::string lang =
        "123456789.5 + 23456789.25x + 3456789.125x^2 + 456789.0625x^3 + 56789.5x^4 + "
        "6789.25x^5 + 789.125x^6 + 89.0625x^7 + 9.5x^8 - x^9";
    Analysiere(lang);
    ASSERT_EQ(w->EingF().Text().rfind("123456789.5  + ", 0), 0u);
    ErwarteAnfang({&w->EingF(), &w->AusgF1()});

    Analysiere("x^9 - 30x^7 + 273x^5 - 820x^3 + 576x + 0.5");  // nine zeros, none whole
    ErwarteAnfang({&w->EingF(), &w->AusgF1(), &w->AusgF2()});

    // "f <-> Anz" puts the long term into the display slot.
    w->AnzeigeF().SetText("x");
    w->RZeigB().Push();
    ErwarteAnfang({&w->AnzeigeF()});
}

// The input field keeps Tab, and every run puts the focus back into it: Ctrl+Tab and
// Ctrl+Shift+Tab take the keyboard out along the tab chain, to "Beenden" (the other control
// with tab index 0) and to the last field of the chain.
class Eingabefeld : public WerkbankTest {};

TEST_F(Eingabefeld, CtrlTabTakesTheFocusOutOfTheInputField) {
    TextControl& eingabe = w->EingF();
    ASSERT_TRUE(eingabe.HasFocus());
    const std::string term = eingabe.Text();
    for (const char* taste : {"Tab", "Shift+Tab"}) {
        eingabe.PressKey(taste);
        EXPECT_TRUE(eingabe.HasFocus()) << taste;
    }
    EXPECT_EQ(eingabe.Text(), term);

    eingabe.PressKey("Ctrl+Tab");
    EXPECT_EQ(w->FocusedControl(), &w->QuitB());
    Analysiere("x^3 - x");
    ASSERT_TRUE(eingabe.HasFocus());
    eingabe.PressKey("Ctrl+Shift+Tab");
    EXPECT_EQ(w->FocusedControl(), &w->yVF());
}
