// The layout table against the window's layout as it is laid down: the value grid's rule, the
// class counts, the tab order and the explicit text settings.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "shell/layout.h"

namespace {

const Steuerelement& Zeile(std::string_view name) {
    const Steuerelement* zeile = SteuerelementNamens(name);
    if (!zeile) throw std::runtime_error("kein Steuerelement " + std::string(name));
    return *zeile;
}

}  // namespace

TEST(ShellLayout, ValueGridFollowsItsRule) {
    struct Reihe {
        const char* vorne;
        int top;
        int ersterTab;
    };
    const Reihe reihen[] = {{"x", 524, 53}, {"y1", 555, 54}, {"y2", 585, 31}, {"y3", 616, 32}};
    int felder = 0;
    for (const Reihe& r : reihen) {
        for (int k = 1; k <= 10; ++k) {
            const std::string name =
                std::string(r.vorne) + (k == 10 ? std::string("X") : std::to_string(k)) + "F";
            SCOPED_TRACE(name);
            const Steuerelement& z = Zeile(name);
            EXPECT_EQ(z.klasse, Klasse::TextField);
            EXPECT_EQ(z.left, k == 10 ? 742 : 103 + 70 * (k - 1));
            EXPECT_EQ(z.width, k == 10 ? 72 : 70);
            EXPECT_EQ(z.top, r.top);
            EXPECT_EQ(z.height, name == "y25F" ? 28 : 25);
            EXPECT_EQ(z.tabIndex, r.ersterTab + 2 * (k - 1));
            EXPECT_EQ(z.text, "");
            ++felder;
        }
    }
    EXPECT_EQ(felder, 40);
    // Creation order: f'(x) and f''(x) column by column from number 28, x and f(x) from 50.
    const auto& t = Steuerelemente();
    EXPECT_EQ(t[27].name, "y21F");
    EXPECT_EQ(t[28].name, "y31F");
    EXPECT_EQ(t[45].name, "y2XF");
    EXPECT_EQ(t[46].name, "y3XF");
    EXPECT_EQ(t[49].name, "x1F");
    EXPECT_EQ(t[50].name, "y11F");
    EXPECT_EQ(t[67].name, "xXF");
    EXPECT_EQ(t[68].name, "y1XF");
}

TEST(ShellLayout, ClassesNamesAndSpotCheckedPlaces) {
    std::map<Klasse, int> anzahl;
    std::set<std::string_view> namen;
    for (const Steuerelement& z : Steuerelemente()) {
        ++anzahl[z.klasse];
        namen.insert(z.name);
    }
    EXPECT_EQ(namen.size(), 113u);
    EXPECT_EQ(anzahl[Klasse::TextField], 60);
    EXPECT_EQ(anzahl[Klasse::Label], 26);
    EXPECT_EQ(anzahl[Klasse::PushButton], 20);
    EXPECT_EQ(anzahl[Klasse::TextArea], 3);
    EXPECT_EQ(anzahl[Klasse::ComboBox], 2);
    EXPECT_EQ(anzahl[Klasse::Canvas], 1);
    EXPECT_EQ(anzahl[Klasse::UpDownArrows], 1);

    struct Ort {
        const char* name;
        int nummer, left, top, width, height;
    };
    const Ort orte[] = {
        {"EingF", 1, 118, 68, 697, 32},           {"QuitB", 2, 830, 693, 142, 46},
        {"sstellen", 5, 758, 460, 31, 49},        {"Label8", 27, 527, 693, 22, 25},
        {"WertB", 72, 830, 524, 142, 31},         {"RPfeilB", 73, 136, 468, 35, 53},
        {"LPfeilB", 74, 103, 468, 35, 52},        {"xF5", 88, 593, 460, 72, 25},
        {"AufAbPfeil", 90, 785, 472, 27, 22},     {"GraphCanvas", 96, 60, 217, 400, 232},
        {"StellenWahlB", 102, 830, 585, 141, 20}, {"Label18", 113, 690, 432, 25, 20},
    };
    for (const Ort& o : orte) {
        SCOPED_TRACE(o.name);
        const Steuerelement& z = Steuerelemente()[o.nummer - 1];
        EXPECT_EQ(z.name, o.name);
        EXPECT_EQ(z.left, o.left);
        EXPECT_EQ(z.top, o.top);
        EXPECT_EQ(z.width, o.width);
        EXPECT_EQ(z.height, o.height);
    }
}

TEST(ShellLayout, TabOrderLeavesExactlyTheKnownGaps) {
    std::multiset<int> tabs;
    for (const Steuerelement& z : Steuerelemente()) tabs.insert(z.tabIndex);
    EXPECT_EQ(tabs.count(0), 2u);
    EXPECT_EQ(Zeile("EingF").tabIndex, 0);
    EXPECT_EQ(Zeile("QuitB").tabIndex, 0);
    std::set<int> luecken;
    for (int i = 0; i <= 121; ++i)
        if (tabs.count(i) == 0) luecken.insert(i);
    EXPECT_EQ(luecken, (std::set<int>{17, 18, 30, 88, 89, 90, 93, 95, 100, 101}));
    EXPECT_EQ(*tabs.rbegin(), 121);
    for (int i = 1; i <= 121; ++i) {
        EXPECT_LE(tabs.count(i), 1u) << i;
    }
}

TEST(ShellLayout, ExplicitTextSettings) {
    const std::map<std::string, float> groessen = {
        {"EingF", 16},    {"QuitB", 16},       {"InterploierB", 16}, {"IntegralF", 16},
        {"AusgF1", 16},   {"PushButton1", 16}, {"IntegralB", 16},    {"IntegralF1", 16},
        {"AnzeigeF", 16}, {"AusgF2", 16},      {"VerschiebeB", 16},  {"Label1", 20},
        {"Label2", 20},   {"Label12", 20},     {"RPfeilB", 24},      {"LPfeilB", 24},
        {"sstellen", 32}};
    int mitEinheit = 0;
    for (const Steuerelement& z : Steuerelemente()) {
        SCOPED_TRACE(std::string(z.name));
        const Werte w = WerteVon(z);
        auto it = groessen.find(std::string(z.name));
        if (it == groessen.end()) {
            EXPECT_FALSE(w.textSize.has_value());
        } else {
            EXPECT_TRUE(w.textSize.has_value());
            if (w.textSize) {
                EXPECT_EQ(*w.textSize, it->second);
            }
        }
        const bool zeigtText = z.klasse != Klasse::Canvas && z.klasse != Klasse::UpDownArrows;
        EXPECT_EQ(w.textUnit.has_value(), zeigtText);
        if (w.textUnit) {
            EXPECT_EQ(*w.textUnit, z.name == "EingF" ? 2 : 0);
            ++mitEinheit;
        }
        EXPECT_EQ(w.lineSpacing.has_value(), z.klasse == Klasse::TextArea);
        if (w.lineSpacing) {
            EXPECT_EQ(*w.lineSpacing, 1.0);
        }
    }
    EXPECT_EQ(mitEinheit, 111);
}
