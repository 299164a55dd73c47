#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/Numerik.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace {

using Feld = TextField& (HauptF::*)();

// The value grid: row r - 1 of StringTab's rows 1 to 4 (x, f, f', f''), column c - 1 of its
// columns 1 to 10 (10 is the free column X).
constexpr std::array<std::array<Feld, 10>, 4> kGitter = {{
    {&HauptF::x1F, &HauptF::x2F, &HauptF::x3F, &HauptF::x4F, &HauptF::x5F, &HauptF::x6F,
     &HauptF::x7F, &HauptF::x8F, &HauptF::x9F, &HauptF::xXF},
    {&HauptF::y11F, &HauptF::y12F, &HauptF::y13F, &HauptF::y14F, &HauptF::y15F, &HauptF::y16F,
     &HauptF::y17F, &HauptF::y18F, &HauptF::y19F, &HauptF::y1XF},
    {&HauptF::y21F, &HauptF::y22F, &HauptF::y23F, &HauptF::y24F, &HauptF::y25F, &HauptF::y26F,
     &HauptF::y27F, &HauptF::y28F, &HauptF::y29F, &HauptF::y2XF},
    {&HauptF::y31F, &HauptF::y32F, &HauptF::y33F, &HauptF::y34F, &HauptF::y35F, &HauptF::y36F,
     &HauptF::y37F, &HauptF::y38F, &HauptF::y39F, &HauptF::y3XF},
}};

constexpr int kSpalten = 9;     // point columns of the grid
constexpr int kTabPunkte = 50;  // points WertTab has room for (columns 1 to 50)

}  // namespace

void HauptF::AlleWerteBerechnen() {
    const int n = static_cast<int>(KPMenge.size()) - 1;
    // The table holds at most 50 points; beyond that the first 50 are kept, and the count and the
    // paging go by the points kept.
    const int behalten = std::clamp(n, 0, kTabPunkte);
    // The values of f, f' and f'' are taken from f's coefficients, exact, and rounded once (the
    // derivatives' rounded coefficients would leave noise where a value cancels), so that the
    // rounding to the shown decimals starts from the Double nearest the value (f(-sqrt(2.5)) of x^4
    // - 5x^2 + 4 is -2.25, not -2.2499999999999991, and shows as -2.3 at one decimal).
    for (int i = 1; i <= behalten; ++i) {
        const double x = KPMenge[static_cast<std::size_t>(i)];
        WertTab[0][i] = x;
        for (int k = 0; k <= 2; ++k)
            WertTab[k + 1][i] = Runden(numerik::AbleitungGenau(*PP[0], k, x));
    }
    links = 1;
    rechts = ToInt32(Min(kSpalten, behalten));
    KPAnzahl = behalten;
    WerteEintragen();
}

void HauptF::WerteEintragen() {
    for (int r = 1; r <= 4; ++r) {
        for (int j = std::max(links, 1); j <= std::min(rechts, kTabPunkte); ++j) {
            const int spalte = j - links + 1;
            if (spalte > kSpalten) break;
            StringTab[r][spalte] = werkbank::Zahltext(Gerundet(Stellenzahl, WertTab[r - 1][j]));
        }
    }
    TabFill();
    LPfeilB().SetEnabled(links > 1);
    RPfeilB().SetEnabled(rechts < KPAnzahl);
}

void HauptF::TabFill() {
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 10; ++c) {
            TextField& feld = (this->*kGitter[r - 1][c - 1])();
            const std::string& text = StringTab[r][c];
            // A field that already shows its text is left alone: the outcome is the same and an
            // analysis run refreshes the grid several times.
            if (feld.Text() != text) feld.SetText(text);
        }
    }
}

void HauptF::TabLeer() {
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 10; ++c) StringTab[r][c].clear();
    }
    TabFill();
}

void HauptF::RPfeilB_Action(PushButton&) {
    if (rechts < KPAnzahl) {
        ++links;
        ++rechts;
        WerteEintragen();
    }
}

void HauptF::LPfeilB_Action(PushButton&) {
    if (links > 1) {
        --links;
        --rechts;
        WerteEintragen();
    }
    RPfeilB().SetEnabled(rechts < KPAnzahl);
}

void HauptF::WertB_Action(PushButton&) {
    if (!PPP) return;
    const auto gelesen =
        werkbank::EingabeZahlen({{xXF(), "\u201Ex\u201C bei \u201EWert Berechnen\u201C"}},
                                "Die Werte werden nicht berechnet.");
    if (!gelesen) return;
    const double x = gelesen->front();
    const std::array<Feld, 3> werte = {&HauptF::y1XF, &HauptF::y2XF, &HauptF::y3XF};
    if (!PP[0]) return;
    for (std::size_t k = 0; k < werte.size(); ++k) {
        const double wert = numerik::AbleitungGenau(*PP[0], static_cast<int>(k), x);
        (this->*werte[k])().SetText(werkbank::Zahltext(Runden(wert)));
    }
}

void HauptF::xXF_TextChange(TextField&) {
    y1XF().SetText("");
    y2XF().SetText("");
    y3XF().SetText("");
}

std::string HauptF::Zahlfeldausgabe(const std::vector<double>& values) {
    std::string s;
    for (std::size_t i = 1; i < values.size(); ++i) {
        double x = values[i];
        RundnfAusg(x);
        if (i > 1) s += "  ,  ";
        s += Str(x);
    }
    return s;
}
