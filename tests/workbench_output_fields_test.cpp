#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/Ellipsis.h"
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

// Without the focus a text wider than its field is drawn from its start and ends in "…" at the
// right edge, and the field's tooltip shows it whole; a text that fits is drawn as it always
// was, with no tooltip. Read from pictures of the fields, the tooltip as the pointer shows it.
class AbgeschnitteneTexte : public WerkbankTest {
  protected:
    // Checks every text field and text area that shows, and returns the names of those whose
    // text is cut.
    std::set<std::string> PruefeJedesTextfeld() {
        std::set<std::string> abgeschnitten;
        for (RectControl* control : w->Controls()) {
            const std::string klasse = control->ClassName();
            if ((klasse != "TextField" && klasse != "TextArea") || !control->Visible()) continue;
            auto& feld = static_cast<TextControl&>(*control);
            SCOPED_TRACE(feld.Name() + " [" + feld.Text() + "]");
            const Image bild = feld.Grab();
            const std::string tooltip = feld.ToolTip();
            if (tooltip.empty()) {
                EXPECT_FALSE(EndsInEllipsis(bild));
                ErwarteGanz(feld, bild);
                continue;
            }
            abgeschnitten.insert(feld.Name());
            EXPECT_EQ(tooltip, feld.Text());
            EXPECT_TRUE(EndsInEllipsisAtRightEdge(bild));
            EXPECT_LE(FirstInkColumn(bild), 6);  // the start, whatever the alignment
        }
        return abgeschnitten;
    }
    // A text that fits shows whole: its ink keeps clear of the edges, where a cut text runs
    // into the frame; and a centred one stays centred.
    static void ErwarteGanz(const TextControl& feld, const Image& bild) {
        if (feld.Text().empty()) return;
        const std::vector<InkMark> marken = MarksOf(bild);
        ASSERT_FALSE(marken.empty());
        EXPECT_LE(marken.back().right, bild.width - 5);
        if (std::get<std::int32_t>(feld.Property("Alignment")) == 2) {
            EXPECT_NEAR(marken.front().left + marken.back().right, bild.width, 6);
        }
    }
    void Bildschirmfoto(const std::string& name) {
        const std::filesystem::path ordner = VEMTARIX_TEST_OUTPUT_DIR;
        std::filesystem::create_directories(ordner);
        EXPECT_TRUE(w->SaveScreenshot((ordner / (name + ".png")).string()));
    }
};

TEST_F(AbgeschnitteneTexte, EveryCutOutputEndsInEllipsisAndIsItsTooltip) {
    struct Fall {
        const char* polynom;
        const char* bild;
        std::vector<std::string> abgeschnitten;  // among others
        std::vector<std::string> ganz;           // among others
    };
    const Fall faelle[] = {
        {"-1000x^2 + 3771.23616x - 1234.5678",
         "abgeschnitten_quadratisch",
         {"y12F", "IntegralF", "IntegralF1", "y1XF", "y21F"},
         {"x1F", "y11F", "vonF", "bisF", "AusgF1", "AusgF2", "EingF"}},
        {"x^9 - 17x^7 + 101x^5 - 247x^3 + 210x",
         "abgeschnitten_neun_nullstellen",
         {"AusgF1", "AusgF2", "IntegralF", "y1XF"},
         {"EingF", "x1F", "y11F", "IntegralF1"}},
        {"123456789.5 + 23456789.25x + 3456789.125x^2 + 456789.0625x^3 + 56789.5x^4 + "
         "6789.25x^5 + 789.125x^6 + 89.0625x^7 + 9.5x^8 - x^9",
         "abgeschnitten_grosse_werte",
         {"EingF", "AusgF1", "IntegralF", "y11F", "y1XF"},
         {"AusgF2", "xXF", "IntegralF1"}},
    };
    w->StellenWahlB().Choose(5);  // "    6 Dezimalen"
    w->vonF().SetText("-3.3");
    w->bisF().SetText("7.7");
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.polynom);
        Analysiere(fall.polynom);
        w->xXF().SetText("12.345");
        w->WertB().Push();
        w->QuitB().SetFocus();  // the run left the focus in the input field
        const std::set<std::string> abgeschnitten = PruefeJedesTextfeld();
        for (const std::string& name : fall.abgeschnitten)
            EXPECT_EQ(abgeschnitten.count(name), 1u) << name;
        for (const std::string& name : fall.ganz) EXPECT_EQ(abgeschnitten.count(name), 0u) << name;
        Bildschirmfoto(fall.bild);
    }

    // The display slot gets the long term through "f <-> Anz".
    w->AnzeigeF().SetText("x");
    w->RZeigB().Push();
    w->QuitB().SetFocus();
    EXPECT_EQ(PruefeJedesTextfeld().count("AnzeigeF"), 1u);
    Bildschirmfoto("abgeschnitten_anzeige");
}

TEST_F(AbgeschnitteneTexte, ZerosFieldHidesItsSelectionWithoutFocusAndCopiesItWhole) {
    for (const char* polynom : {"x^2 - 2", "x^9 - 17x^7 + 101x^5 - 247x^3 + 210x"}) {
        SCOPED_TRACE(polynom);
        Analysiere(polynom);
        TextControl& nullstellen = w->AusgF2();
        w->QuitB().SetFocus();
        const Image vorher = nullstellen.Grab();
        nullstellen.SetFocus();
        nullstellen.PressKey("Ctrl+A");
        EXPECT_NE(nullstellen.Grab().pixels, vorher.pixels);  // shown while it has the focus
        nullstellen.PressKey("Ctrl+C");
        w->QuitB().SetFocus();
        EXPECT_EQ(nullstellen.Grab().pixels, vorher.pixels);

        // What Copy took is the whole text, not what the field shows of it.
        w->AnzeigeF().SetFocus();
        w->AnzeigeF().PressKey("Ctrl+A");
        w->AnzeigeF().PressKey("Ctrl+V");
        EXPECT_EQ(w->AnzeigeF().Text(), nullstellen.Text());
    }
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
