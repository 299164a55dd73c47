// The main window as the start-up opens it: its own properties, its 113 controls as the layout
// lays them down, and what the framework's controls hold after their records were applied.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/HauptF.h"
#include "shell/layout.h"
#include "tests/shell_satzleser.h"
#include "tests/support/FreshApplication.h"

namespace {

using satzleser::Gelesen;

class ShellWindow : public FreshApplicationTest {
  protected:
    class HauptF& fenster = HauptF();
    RectControl& Ctl(std::string_view name) { return fenster._ControlByName(name); }
    TextControl& Txt(std::string_view name) { return dynamic_cast<TextControl&>(Ctl(name)); }
};

// The window as its construction leaves it, before its Open event runs the first analysis,
// which rewrites the input field and fills the outputs.
class OhneErsteAuswertung : public HauptF {
  public:
    void Event_Open() override {}
};

class ShellWindowBeforeOpen : public FreshApplicationTest {
  protected:
    ShellWindowBeforeOpen() : fenster(*new OhneErsteAuswertung()) { fenster.Constructor(); }
    OhneErsteAuswertung& fenster;  // the framework owns it once built
    RectControl& Ctl(std::string_view name) { return fenster._ControlByName(name); }
    TextControl& Txt(std::string_view name) { return dynamic_cast<TextControl&>(Ctl(name)); }
};

}  // namespace

TEST_F(ShellWindow, OpensAtItsSizeWithItsTitle) {
    EXPECT_EQ(fenster.Title(), "Vemtarix");
    EXPECT_EQ(fenster.Width(), 994);
    EXPECT_EQ(fenster.Height(), 754);
    EXPECT_TRUE(fenster.IsVisible());
    EXPECT_EQ(&HauptF(), &fenster);
    const Gelesen satz = satzleser::Lesen(Fenstersatz());
    for (const std::string& name : satz.objekt.reihenfolge)
        EXPECT_EQ(fenster.Property(name), satz.objekt.Property(name)) << name;
    EXPECT_EQ(std::get<std::int32_t>(fenster.Property("MinWidth")), 64);
    EXPECT_EQ(std::get<std::int32_t>(fenster.Property("MaxHeight")), 32000);
    EXPECT_FALSE(std::get<bool>(fenster.Property("FullScreenButton")));
}

TEST_F(ShellWindow, HoldsTheControlsOfTheLayoutInCreationOrder) {
    const std::vector<RectControl*>& controls = fenster.Controls();
    ASSERT_EQ(controls.size(), 113u);
    int sichtbar = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Steuerelement& zeile = Steuerelemente()[i];
        SCOPED_TRACE(std::string(zeile.name));
        RectControl& c = *controls[i];
        EXPECT_EQ(c.Name(), zeile.name);
        EXPECT_EQ(std::string(c.ClassName()), KlassenName(zeile.klasse));
        EXPECT_EQ(&Ctl(zeile.name), &c);
        const Rect r = c.Bounds();
        EXPECT_EQ(r.left, zeile.left);
        EXPECT_EQ(r.top, zeile.top);
        EXPECT_EQ(r.width, zeile.width);
        EXPECT_EQ(r.height, zeile.height);
        sichtbar += c.Visible();
    }
    EXPECT_EQ(sichtbar, 104);
    // Spot checks typed from the layout, apart from the table above.
    EXPECT_EQ(Ctl("y25F").Bounds().height, 28);
    EXPECT_EQ(Ctl("y24F").Bounds().height, 25);
    EXPECT_EQ(Ctl("y1XF").Bounds().width, 72);
    EXPECT_EQ(Ctl("y19F").Bounds().width, 70);
    EXPECT_EQ(Ctl("xXF").Bounds().left, 742);
    EXPECT_EQ(std::string(Ctl("AufAbPfeil").ClassName()), "UpDownArrows");
    EXPECT_EQ(std::string(Ctl("GraphCanvas").ClassName()), "Canvas");
}

TEST_F(ShellWindowBeforeOpen, StartsWithTheInitialTextsFlagsAndEntries) {
    EXPECT_EQ(Txt("EingF").Text(), "x");
    EXPECT_EQ(Txt("sstellen").Text(), "2");
    EXPECT_EQ(Txt("QuitB").Text(), "Beenden");
    EXPECT_EQ(Txt("Label11").Text(),
              " berandete Fl\xC3\xA4"
              "che hat den Inhalt\r\r\r");
    const std::vector<std::pair<const char*, const char*>> stuetzstellen = {
        {"xF0", "1"}, {"yF0", ""},  {"xF1", "2"}, {"yF1", ""}, {"xF2", "3"}, {"yF2", ""},
        {"xF3", "4"}, {"yF3", "4"}, {"xF4", "5"}, {"yF4", ""}, {"xF5", ""},  {"yF5", ""}};
    for (const auto& [name, text] : stuetzstellen) {
        EXPECT_EQ(Txt(name).Text(), text) << name;
        const bool ersteZwei = std::string(name).back() == '0' || std::string(name).back() == '1';
        EXPECT_EQ(Ctl(name).Visible(), ersteZwei) << name;
    }
    for (const char* name : {"AusgF1", "AusgF2", "AnzeigeF", "IntegralF", "IntegralF1", "y11F"})
        EXPECT_EQ(Txt(name).Text(), "") << name;

    auto& stellen = dynamic_cast<ComboBox&>(Ctl("StellenWahlB"));
    EXPECT_EQ(stellen.ListIndex(), 0);
    EXPECT_EQ(stellen.Text(), "    1 Dezimale");
    ASSERT_EQ(stellen.Entries().size(), 7u);
    EXPECT_EQ(stellen.Entries()[6], "   ganze Zahlen");
    auto& ring = dynamic_cast<ComboBox&>(Ctl("RinglisteB"));
    EXPECT_EQ(ring.Text(), "    Anzeigen");
    EXPECT_EQ(ring.Entries(), (std::vector<std::string>{"    Anzeigen", "    Speichern",
                                                        "    Laden", "    Entleeren"}));

    EXPECT_FALSE(Ctl("WertB").Enabled());
    EXPECT_FALSE(Ctl("QuitB111").Enabled());
    EXPECT_FALSE(Ctl("QuitB111").Visible());
    for (const char* aktiv : {"IntegralB", "RPfeilB", "LPfeilB", "VerschiebeB", "PushButton1"})
        EXPECT_TRUE(Ctl(aktiv).Enabled()) << aktiv;
    int nurLesen = 0;
    for (RectControl* c : fenster.Controls())
        if (auto* feld = dynamic_cast<TextField*>(c)) nurLesen += feld->ReadOnly();
    EXPECT_EQ(nurLesen, 3);
    EXPECT_TRUE(dynamic_cast<TextField&>(Ctl("sstellen")).ReadOnly());
    EXPECT_TRUE(dynamic_cast<TextField&>(Ctl("IntegralF1")).ReadOnly());
}

TEST_F(ShellWindow, InputFieldsAreGreenAndResultFieldsYellow) {
    const std::set<std::string> gruen = {"EingF", "xF0",  "xF1",  "xF2", "xF3", "xF4",
                                         "xF5",   "yF0",  "yF1",  "yF2", "yF3", "yF4",
                                         "yF5",   "vonF", "bisF", "xXF", "xVF", "yVF"};
    int felder = 0;
    for (RectControl* c : fenster.Controls()) {
        if (!dynamic_cast<TextField*>(c) && !dynamic_cast<TextArea*>(c)) continue;
        ++felder;
        const Color farbe = std::get<Color>(c->Property("BackColor"));
        EXPECT_EQ(farbe, gruen.count(c->Name()) ? RGB(0xE5, 0xFF, 0xD8) : RGB(0xFF, 0xFF, 0xCF))
            << c->Name();
    }
    EXPECT_EQ(felder, 63);
}

TEST_F(ShellWindowBeforeOpen, EachControlHoldsExactlyTheValuesOfItsRecord) {
    for (const Steuerelement& zeile : Steuerelemente()) {
        SCOPED_TRACE(std::string(zeile.name));
        const Gelesen erwartet = satzleser::Lesen(Eigenschaftssatz(zeile));
        RectControl& c = Ctl(zeile.name);
        for (const std::string& name : erwartet.objekt.reihenfolge)
            EXPECT_EQ(c.Property(name), erwartet.objekt.Property(name)) << name;
    }
    EXPECT_EQ(std::get<std::int32_t>(Ctl("EingF").Property("TabIndex")), 0);
    EXPECT_EQ(std::get<std::int32_t>(Ctl("QuitB").Property("TabIndex")), 0);
    EXPECT_EQ(std::get<std::int32_t>(Ctl("StaticText11").Property("TabIndex")), 76);
    EXPECT_FALSE(std::get<bool>(Ctl("EingF").Property("TabStop")));
    EXPECT_FALSE(std::get<bool>(Ctl("sstellen").Property("TabStop")));
}

TEST_F(ShellWindow, TextSettingsThatNoRecordHolds) {
    const std::map<std::string, float> groessen = {
        {"EingF", 16},    {"QuitB", 16},       {"InterploierB", 16}, {"IntegralF", 16},
        {"AusgF1", 16},   {"PushButton1", 16}, {"IntegralB", 16},    {"IntegralF1", 16},
        {"AnzeigeF", 16}, {"AusgF2", 16},      {"VerschiebeB", 16},  {"Label1", 20},
        {"Label2", 20},   {"Label12", 20},     {"RPfeilB", 24},      {"LPfeilB", 24},
        {"sstellen", 32}};
    for (const auto& [name, groesse] : groessen) EXPECT_EQ(Txt(name).TextSize(), groesse) << name;
    EXPECT_EQ(Txt("EingF").TextUnit(), 2);
    EXPECT_EQ(Txt("Label4").TextUnit(), 0);
    EXPECT_EQ(Txt("RinglisteB").TextUnit(), 0);
    for (const char* name : {"AusgF1", "AusgF2", "AnzeigeF"})
        EXPECT_EQ(dynamic_cast<TextArea&>(Ctl(name)).LineSpacing(), 1.0) << name;
}

TEST_F(ShellWindow, AccessorsReturnTheirControlsAsTheirClass) {
    EXPECT_EQ(&fenster.EingF(), &Ctl("EingF"));
    EXPECT_EQ(&fenster.EingF(), &fenster.EingF());
    EXPECT_EQ(&fenster.Label7(), &Ctl("Label7"));
    EXPECT_EQ(&fenster.AufAbPfeil(), &Ctl("AufAbPfeil"));
    EXPECT_EQ(&fenster.GraphCanvas(), &Ctl("GraphCanvas"));
    EXPECT_EQ(&fenster.StellenWahlB(), &Ctl("StellenWahlB"));
    EXPECT_EQ(&fenster.AnzeigeF(), &Ctl("AnzeigeF"));
    EXPECT_EQ(&fenster.y3XF(), &Ctl("y3XF"));
    EXPECT_EQ(&fenster.Label18(), &Ctl("Label18"));
    EXPECT_EQ(fenster.QuitB().Text(), "Beenden");
}

TEST_F(ShellWindow, ScreenshotShowsEveryText) {
    const std::filesystem::path ordner = VEMTARIX_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(ordner);
    const std::filesystem::path datei = ordner / "shell_hauptfenster.png";
    std::filesystem::remove(datei);
    ASSERT_TRUE(fenster.SaveScreenshot(datei.string()));
    EXPECT_GT(std::filesystem::file_size(datei), 1000u);
}
