// The property records of the main window and its controls, read back entry by entry with the
// property types as the record format defines them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "framework/Errors.h"
#include "framework/Properties.h"
#include "shell/layout.h"
#include "tests/shell_satzleser.h"

namespace {

using Liste = std::vector<std::string>;

using namespace satzleser;

Gelesen LesenVon(std::string_view name) {
    const Steuerelement* zeile = SteuerelementNamens(name);
    if (!zeile) throw RuntimeException("kein Steuerelement " + std::string(name));
    return Lesen(Eigenschaftssatz(*zeile));
}

// The record contents by class, typed from the record format's definition.
const std::map<Klasse, Liste>& Satzinhalte() {
    static const std::string kopf =
        "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex "
        "TabIndex ";
    static const std::map<Klasse, Liste> inhalte = {
        {Klasse::TextField,
         Woerter(kopf +
                 "TabStop Border Password UseFocusRing TextColor BackColor Enabled Format Visible "
                 "HelpTag AutoDeactivate TextFont Bold Italic Underline CueText Text Mask ReadOnly "
                 "LimitText AcceptTabs Alignment AutomaticallyCheckSpelling DataSource DataField")},
        {Klasse::TextArea,
         Woerter(kopf +
                 "TabStop Border Multiline ScrollbarHorizontal ScrollbarVertical Styled "
                 "UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate "
                 "HideSelection TextFont Bold Italic Underline Text Mask ReadOnly LimitText "
                 "AcceptTabs Alignment AutomaticallyCheckSpelling DataSource DataField")},
        {Klasse::Label,
         Woerter(kopf +
                 "Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent "
                 "HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource DataField "
                 "InitialParent")},
        {Klasse::PushButton,
         Woerter(kopf + "TabStop Caption Default Cancel Enabled Visible HelpTag AutoDeactivate "
                        "ButtonStyle TextFont Bold Italic Underline InitialParent")},
        {Klasse::ComboBox,
         Woerter(kopf +
                 "TabStop Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate "
                 "UseFocusRing TextFont Bold Italic Underline DataSource DataField AutoComplete")},
        {Klasse::Canvas,
         Woerter(kopf + "TabStop Visible HelpTag AutoDeactivate Enabled UseFocusRing AcceptFocus "
                        "AcceptTabs DoubleBuffer EraseBackground Transparent InitialParent")},
        {Klasse::UpDownArrows,
         Woerter(kopf +
                 "TabStop InitialParent Visible HelpTag AutoDeactivate Enabled AcceptFocus")},
    };
    return inhalte;
}

bool In(const std::set<std::string>& menge, std::string_view name) {
    return menge.count(std::string(name)) > 0;
}

constexpr Color kGruenErwartet{229, 255, 216};
constexpr Color kGelbErwartet{255, 255, 207};

}  // namespace

TEST(ShellRecords, WindowRecordIs293BytesWithItsPropertiesInOrder) {
    const std::string satz = Fenstersatz();
    EXPECT_EQ(satz.size(), 293u);
    const Gelesen g = Lesen(satz);
    const Liste erwartet = {"Placement",        "Width",        "Height",         "MinWidth",
                            "MinHeight",        "MaxWidth",     "MaxHeight",      "Frame",
                            "Composite",        "HasBackColor", "BackColor",      "Title",
                            "Visible",          "FullScreen",   "MenuBarVisible", "CloseButton",
                            "Resizeable",       "LiveResize",   "MaximizeButton", "MinimizeButton",
                            "FullScreenButton", "MacProcID"};
    EXPECT_EQ(g.objekt.reihenfolge, erwartet);
    EXPECT_EQ(g.Int("Width"), 994);
    EXPECT_EQ(g.Int("Height"), 754);
    EXPECT_EQ(g.Int("MinWidth"), 64);
    EXPECT_EQ(g.Int("MinHeight"), 64);
    EXPECT_EQ(g.Int("MaxWidth"), 32000);
    EXPECT_EQ(g.Int("MaxHeight"), 32000);
    EXPECT_EQ(g.Int("Placement") | g.Int("Frame") | g.Int("MacProcID"), 0);
    EXPECT_EQ(g.Text("Title"), "Vemtarix");
    EXPECT_EQ(g.Farbe("BackColor"), (Color{255, 255, 255}));
    for (const char* wahr : {"Visible", "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize",
                             "MaximizeButton", "MinimizeButton"})
        EXPECT_TRUE(g.Bool(wahr)) << wahr;
    for (const char* falsch : {"Composite", "HasBackColor", "FullScreen", "FullScreenButton"})
        EXPECT_FALSE(g.Bool(falsch)) << falsch;
}

TEST(ShellRecords, EveryControlRecordHoldsExactlyItsClassPropertiesAndTheSharedValues) {
    for (const Steuerelement& zeile : Steuerelemente()) {
        SCOPED_TRACE(std::string(zeile.name));
        const std::string satz = Eigenschaftssatz(zeile);
        EXPECT_GE(satz.size(), 226u);
        EXPECT_LE(satz.size(), 495u);
        const Gelesen g = Lesen(satz);

        Liste erwartet = Satzinhalte().at(zeile.klasse);
        if (zeile.name == "Label17" || zeile.name == "Label18") {
            erwartet.erase(std::find(erwartet.begin(), erwartet.end(), "TabPanelIndex"));
            erwartet.push_back("TabPanelIndex");
        }
        EXPECT_EQ(g.objekt.reihenfolge, erwartet);

        EXPECT_EQ(g.Text("Name"), zeile.name);
        EXPECT_EQ(g.Int("Index"), std::numeric_limits<std::int32_t>::min());
        EXPECT_EQ(g.Int("Left"), zeile.left);
        EXPECT_EQ(g.Int("Top"), zeile.top);
        EXPECT_EQ(g.Int("Width"), zeile.width);
        EXPECT_EQ(g.Int("Height"), zeile.height);
        EXPECT_EQ(g.Int("TabIndex"), zeile.tabIndex);
        EXPECT_EQ(g.Bool("LockLeft"), g.Bool("LockTop"));
        EXPECT_FALSE(g.Bool("LockRight"));
        EXPECT_FALSE(g.Bool("LockBottom"));
        EXPECT_EQ(g.Int("TabPanelIndex"), 0);
        EXPECT_EQ(g.Text("HelpTag"), "");
        EXPECT_TRUE(g.Bool("AutoDeactivate"));
        for (const char* leer :
             {"InitialParent", "DataSource", "DataField", "Format", "Mask", "CueText"})
            if (g.Hat(leer)) {
                EXPECT_EQ(g.Text(leer), "") << leer;
            }
        if (g.Hat("TextFont")) {
            EXPECT_EQ(g.Text("TextFont"), "System");
        }
        if (g.Hat("TextColor")) {
            EXPECT_EQ(g.Farbe("TextColor"), (Color{0, 0, 0}));
        }
        for (const char* aus :
             {"Italic", "Underline", "Password", "AutomaticallyCheckSpelling", "Cancel",
              "Multiline", "Selectable", "Styled", "ScrollbarHorizontal", "ScrollbarVertical",
              "AutoComplete", "DoubleBuffer"})
            if (g.Hat(aus)) {
                EXPECT_FALSE(g.Bool(aus)) << aus;
            }
        if (g.Hat("Border")) {
            EXPECT_TRUE(g.Bool("Border"));
        }
        if (g.Hat("LimitText")) {
            EXPECT_EQ(g.Int("LimitText"), 0);
        }
    }
}

TEST(ShellRecords, TheSmallestRecordIsTheArrowsAndTheLargestStaysInBounds) {
    std::size_t kleinster = 10000, groesster = 0;
    for (const Steuerelement& zeile : Steuerelemente()) {
        kleinster = std::min(kleinster, Eigenschaftssatz(zeile).size());
        groesster = std::max(groesster, Eigenschaftssatz(zeile).size());
    }
    EXPECT_EQ(kleinster, 226u);
    EXPECT_EQ(Eigenschaftssatz(*SteuerelementNamens("AufAbPfeil")).size(), 226u);
    EXPECT_LE(groesster, 495u);
}

TEST(ShellRecords, ColoursFlagsAndCodesDifferOnlyWhereTheLayoutSaysSo) {
    const std::set<std::string> gruen = {"EingF", "xF0",  "xF1",  "xF2", "xF3", "xF4",
                                         "xF5",   "yF0",  "yF1",  "yF2", "yF3", "yF4",
                                         "yF5",   "vonF", "bisF", "xXF", "xVF", "yVF"};
    const std::set<std::string> versteckt = {"xF2", "yF2", "xF3", "yF3",     "xF4",
                                             "yF4", "xF5", "yF5", "QuitB111"};
    const std::set<std::string> gesperrt = {"WertB", "QuitB111"};
    const std::set<std::string> nurLesen = {"sstellen", "IntegralF", "IntegralF1"};
    const std::set<std::string> fett = {"EingF", "IntegralF", "IntegralF1", "PushButton1"};
    const std::set<std::string> linksbuendig = {"EingF", "IntegralF", "IntegralF1"};
    const std::set<std::string> ohneTabStopp = {"EingF", "sstellen"};
    const std::set<std::string> textAlign0 = {
        "StaticText1",  "Label5",  "Label7",  "Label8",        "Label9", "Label12",
        "StaticText11", "Label13", "Label14", "StaticText111", "Label16"};
    // Text fields are unlocked by class, the other controls locked.
    const std::set<std::string> umgekehrtVerankert = {
        "EingF",         "vonF",          "bisF",         "IntegralF",
        "IntegralF1",    "xVF",           "yVF",          "StaticText1",
        "StaticTextx",   "StaticTexty",   "StaticTextx1", "StaticTexty1",
        "StaticTextx11", "StaticTexty11", "StaticText11", "StaticText111"};
    const std::set<std::string> fokusringUmgekehrt = {"sstellen", "IntegralF", "IntegralF1",
                                                      "RinglisteB"};
    int gruene = 0, gelbe = 0, sichtbare = 0;
    for (const Steuerelement& zeile : Steuerelemente()) {
        SCOPED_TRACE(std::string(zeile.name));
        const Gelesen g = LesenVon(zeile.name);
        const bool feld = zeile.klasse == Klasse::TextField;
        const bool bereich = zeile.klasse == Klasse::TextArea;
        if (feld || bereich) {
            const Color farbe = g.Farbe("BackColor");
            EXPECT_EQ(farbe, In(gruen, zeile.name) ? kGruenErwartet : kGelbErwartet);
            (farbe == kGruenErwartet ? gruene : gelbe)++;
            EXPECT_EQ(g.Bool("ReadOnly"), In(nurLesen, zeile.name));
            EXPECT_EQ(g.Int("Alignment"), In(linksbuendig, zeile.name) ? 1 : 2);
            EXPECT_EQ(g.Bool("AcceptTabs"), zeile.name == "EingF");
        }
        EXPECT_EQ(g.Bool("Visible"), !In(versteckt, zeile.name));
        sichtbare += g.Bool("Visible");
        EXPECT_EQ(g.Bool("Enabled"), !In(gesperrt, zeile.name));
        if (g.Hat("Bold")) {
            EXPECT_EQ(g.Bool("Bold"), In(fett, zeile.name));
        }
        if (g.Hat("TabStop")) {
            EXPECT_EQ(g.Bool("TabStop"), !In(ohneTabStopp, zeile.name));
        }
        if (g.Hat("TextAlign")) {
            EXPECT_EQ(g.Int("TextAlign"), In(textAlign0, zeile.name) ? 0 : 1);
        }
        EXPECT_EQ(g.Bool("LockLeft"), feld == In(umgekehrtVerankert, zeile.name));
        if (g.Hat("UseFocusRing")) {
            const bool klassenwert = feld || zeile.klasse == Klasse::Canvas;
            EXPECT_EQ(g.Bool("UseFocusRing"), klassenwert != In(fokusringUmgekehrt, zeile.name));
        }
        if (g.Hat("ButtonStyle")) {
            const bool pfeil = zeile.name == "RPfeilB" || zeile.name == "LPfeilB";
            EXPECT_EQ(g.Int("ButtonStyle"), pfeil ? 8 : 4);
        }
        if (g.Hat("Default")) {
            EXPECT_EQ(g.Bool("Default"), zeile.name == "PushButton1");
        }
        if (zeile.klasse == Klasse::TextArea) {
            EXPECT_FALSE(g.Bool("UseFocusRing"));
            EXPECT_TRUE(g.Bool("HideSelection"));
        }
    }
    EXPECT_EQ(gruene, 18);
    EXPECT_EQ(gelbe, 45);
    EXPECT_EQ(sichtbare, 104);

    const Gelesen canvas = LesenVon("GraphCanvas");
    EXPECT_FALSE(canvas.Bool("AcceptFocus"));
    EXPECT_FALSE(canvas.Bool("AcceptTabs"));
    EXPECT_TRUE(canvas.Bool("EraseBackground"));
    EXPECT_TRUE(canvas.Bool("Transparent"));
    EXPECT_TRUE(LesenVon("AufAbPfeil").Bool("AcceptFocus"));
}

TEST(ShellRecords, TextsAreTheSystemsOwnInUtf8) {
    struct Fall {
        const char* name;
        const char* eigenschaft;
        std::string text;
    };
    const std::vector<Fall> faelle = {
        {"EingF", "Text", "x"},
        {"sstellen", "Text", "2"},
        {"QuitB", "Caption", "Beenden"},
        {"Label6", "Text", "beträgt"},
        {"Label4", "Text",
         "Das bestimmte Integral \xC3\xBC"
         "ber dem Intervall"},
        {"Label9", "Text", " von"},
        {"Label10", "Text", "Die von der x-Achse und dem Graphen von f \r\r\r"},
        {"Label11", "Text",
         " berandete Fl\xC3\xA4"
         "che hat den Inhalt\r\r\r"},
        {"StaticText11", "Text", "St\xC3\xBCtzstellen"},
        {"StaticText111", "Text", "Anzahl der "},
        {"StaticTexty1", "Text", "f''(x)"},
        {"Label12", "Text", "f(x) ="},
        {"gmalhB", "Caption", "f := g * h"},
        {"RNextB1", "Caption", "Anz aus Liste"},
        {"StellenWahlB", "InitialValue",
         "    1 Dezimale\r    2 Dezimalen\r    3 Dezimalen\r    4 Dezimalen\r    5 Dezimalen\r"
         "    6 Dezimalen\r   ganze Zahlen"},
        {"RinglisteB", "InitialValue", "    Anzeigen\r    Speichern\r    Laden\r    Entleeren"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(LesenVon(f.name).Text(f.eigenschaft), f.text) << f.name;
    EXPECT_EQ(LesenVon("StellenWahlB").Int("ListIndex"), 0);
    EXPECT_EQ(LesenVon("RinglisteB").Int("ListIndex"), 0);

    const std::vector<std::pair<const char*, const char*>> stuetzstellen = {
        {"xF0", "1"}, {"yF0", ""},  {"xF1", "2"}, {"yF1", ""}, {"xF2", "3"}, {"yF2", ""},
        {"xF3", "4"}, {"yF3", "4"}, {"xF4", "5"}, {"yF4", ""}, {"xF5", ""},  {"yF5", ""}};
    for (const auto& [name, text] : stuetzstellen) {
        EXPECT_EQ(LesenVon(name).Text("Text"), text);
    }
    int leereFelder = 0;
    for (const Steuerelement& zeile : Steuerelemente())
        if (zeile.klasse == Klasse::TextField || zeile.klasse == Klasse::TextArea)
            leereFelder += LesenVon(zeile.name).Text("Text").empty();
    EXPECT_EQ(leereFelder, 63 - 8);  // EingF, sstellen and six support-point fields hold text
}
