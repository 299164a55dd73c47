#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "framework/Text.h"
#include "tests/dezimaltext.h"
#include "workbench_fixture.h"

namespace {

const std::string kZuGross =
    "Das Ergebnis ist zu groß, um berechnet zu werden. f bleibt unverändert.";
const std::string kGleicheX = "Die x-Werte der Stützstellen müssen verschieden sein.";

// Whole numbers wide enough for the exact coefficients (GCC's extension).
__extension__ typedef __int128 Gross;
__extension__ typedef unsigned __int128 GrossOhneVorzeichen;

// The Double nearest zaehler / nenner (nenner > 0), rounded once to nearest even from the exact
// quotient: 53 bits of it and the remainder.
double Gerundet(Gross zaehler, Gross nenner) {
    if (zaehler == 0) return 0.0;
    const bool negativ = zaehler < 0;
    const auto a = static_cast<GrossOhneVorzeichen>(negativ ? -zaehler : zaehler);
    const auto n = static_cast<GrossOhneVorzeichen>(nenner);
    auto bits = [](GrossOhneVorzeichen v) {
        int b = 0;
        for (; v != 0; v >>= 1) ++b;
        return b;
    };
    int s = 53 - (bits(a) - bits(n));
    GrossOhneVorzeichen q = 0, r = 0, d = 0;
    for (;;) {
        const GrossOhneVorzeichen z = s >= 0 ? a << s : a;
        d = s >= 0 ? n : n << -s;
        q = z / d;
        r = z % d;
        if (q >= (static_cast<GrossOhneVorzeichen>(1) << 53))
            --s;
        else if (q < (static_cast<GrossOhneVorzeichen>(1) << 52))
            ++s;
        else
            break;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
    const double wert = std::ldexp(static_cast<double>(q), -s);
    return negativ ? -wert : wert;
}

}  // namespace

class Stuetzstellen : public WerkbankTest {
  protected:
    void Punkte(const std::vector<std::pair<const char*, const char*>>& punkte) {
        TextField* xs[] = {&w->xF0(), &w->xF1(), &w->xF2(), &w->xF3(), &w->xF4(), &w->xF5()};
        TextField* ys[] = {&w->yF0(), &w->yF1(), &w->yF2(), &w->yF3(), &w->yF4(), &w->yF5()};
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            xs[i]->SetText(punkte[i].first);
            ys[i]->SetText(punkte[i].second);
        }
    }
    std::vector<bool> Sichtbar() {
        return {w->xF2().Visible(), w->yF2().Visible(), w->xF3().Visible(), w->yF3().Visible(),
                w->xF4().Visible(), w->yF4().Visible(), w->xF5().Visible(), w->yF5().Visible()};
    }
};

TEST_F(Stuetzstellen, InterpolatingTheStartPointsGivesZero) {
    w->InterploierB().Push();
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_EQ(w->AusgF1().Text(), "Alle Polynome sind Teiler des Nullpolynoms");
}

TEST_F(Stuetzstellen, TwoAndThreePoints) {
    Punkte({{"1", "2"}, {"2", "3"}, {"5", "100"}});  // the third is hidden and plays no part
    w->InterploierB().Push();
    EXPECT_EQ(w->EingF().Text(), "1  + x  ");
    EXPECT_EQ(w->PListe.back(), "1  + x  ");

    w->AufAbPfeil().PressUp();
    Punkte({{"0", "0"}, {"1", "1"}, {"2", "4"}});
    w->InterploierB().Push();
    EXPECT_EQ(w->EingF().Text(), "x^2  ");
    EXPECT_EQ(w->AusgF2().Text(), "0");
}

TEST_F(Stuetzstellen, ArrowsMoveTheCountWithinTwoToSix) {
    w->AufAbPfeil().PressDown();
    EXPECT_EQ(w->sstellen().Text(), "2");
    EXPECT_EQ(Sichtbar(), std::vector<bool>(8, false));
    EXPECT_TRUE(w->xF1().Visible());

    w->AufAbPfeil().PressUp();
    EXPECT_EQ(w->sstellen().Text(), "3");
    EXPECT_EQ(Sichtbar(),
              (std::vector<bool>{true, true, false, false, false, false, false, false}));
    for (int i = 0; i < 5; ++i) w->AufAbPfeil().PressUp();
    EXPECT_EQ(w->sstellen().Text(), "6");
    EXPECT_EQ(Sichtbar(), std::vector<bool>(8, true));
    w->AufAbPfeil().PressDown();
    EXPECT_EQ(w->sstellen().Text(), "5");
    EXPECT_EQ(Sichtbar(), (std::vector<bool>{true, true, true, true, true, true, false, false}));
}

TEST_F(Stuetzstellen, EqualXValuesAreRefusedAndFStays) {
    Analysiere("x^3");
    const std::string zerlegung = w->AusgF1().Text();
    const std::vector<std::string> liste = w->PListe;
    for (auto punkte : {std::vector<std::pair<const char*, const char*>>{{"1", "5"}, {"1", "7"}},
                        {{"1", "5"}, {"1", "5"}}}) {
        host.Clear();
        Punkte(punkte);
        w->InterploierB().Push();
        EXPECT_EQ(Meldungen(), std::vector<std::string>{kGleicheX});
        EXPECT_EQ(w->EingF().Text(), "x^3  ");
        EXPECT_EQ(w->AusgF1().Text(), zerlegung);
        EXPECT_EQ(w->PListe, liste);
        EXPECT_TRUE(w->PPP->IstEndlich());
    }
}

TEST_F(Stuetzstellen, ResultsBeyondDoubleOrBeyondTheReaderAreRefused) {
    const std::string e308 = "1" + std::string(308, '0');
    const std::string e300 = "1" + std::string(300, '0');
    struct Fall {
        std::string x0, y0, x1, y1;
    };
    for (const Fall& f : {Fall{"0", e308, "0.001", "-" + e308},   // slope overflows
                          Fall{"0", e300, "0.5", "-" + e300}}) {  // finite, term too long
        host.Clear();
        Punkte({{f.x0.c_str(), f.y0.c_str()}, {f.x1.c_str(), f.y1.c_str()}});
        w->InterploierB().Push();
        EXPECT_EQ(Meldungen(), std::vector<std::string>{kZuGross});
        EXPECT_EQ(w->EingF().Text(), "x  ");
        EXPECT_EQ(w->PListe, (std::vector<std::string>{"0", "x  "}));
    }
}

TEST_F(Stuetzstellen, IntegrierenWritesTheUnroundedIntegral) {
    w->IntegralB().Push();  // empty bounds read as 0
    EXPECT_EQ(w->vonF().Text(), "0");
    EXPECT_EQ(w->bisF().Text(), "0");
    EXPECT_EQ(w->IntegralF().Text(), "0");

    w->EingF().SetText("x^2");
    w->bisF().SetText("1");
    EXPECT_EQ(w->IntegralF().Text(), "");  // typing a bound withdraws the old integral
    w->PushButton1().Push();
    EXPECT_EQ(w->IntegralF().Text(), "0.3");
    w->IntegralB().Push();
    EXPECT_EQ(w->IntegralF().Text(), "0.333333333333333");
}

// Over bounds far beyond 1e30 the antiderivative of x^9 overflows (inf - inf); the field says so
// in words rather than showing "nan", rounded or not, and so does "Wert Berechnen" far out.
TEST_F(Stuetzstellen, ResultsBeyondTheDoubleRangeReadUeberlauf) {
    const std::string gross = "1" + std::string(40, '0');
    Analysiere("x^9");
    w->vonF().SetText("-" + gross);
    w->bisF().SetText(gross);
    w->PushButton1().Push();
    EXPECT_EQ(w->IntegralF().Text(), "Überlauf");
    w->IntegralB().Push();
    EXPECT_EQ(w->IntegralF().Text(), "Überlauf");

    w->xXF().SetText(gross);
    w->WertB().Push();
    EXPECT_EQ(w->y1XF().Text(), "Überlauf");
    EXPECT_EQ(w->y2XF().Text(), "Überlauf");
}

TEST_F(Stuetzstellen, VerschiebenMovesTheGraph) {
    struct Fall {
        const char* f;
        const char* x0;
        const char* y0;
        const char* ergebnis;
    };
    for (const Fall& fall : {Fall{"x^2", "2", "0", "4  - 4x  + x^2  "},
                             Fall{"x^2", "0", "3", "3  + x^2  "}, Fall{"x", "1", "1", "x  "}}) {
        Analysiere(fall.f);
        w->xVF().SetText(fall.x0);
        w->yVF().SetText(fall.y0);
        w->VerschiebeB().Push();
        EXPECT_EQ(w->EingF().Text(), fall.ergebnis) << fall.f << " " << fall.x0 << fall.y0;
        EXPECT_EQ(w->xVF().Text(), fall.x0);
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Stuetzstellen, VerschiebenByTheNullVectorDoesNothing) {
    w->EingF().SetText("x^3");
    w->xVF().SetText("0");
    w->VerschiebeB().Push();
    EXPECT_EQ(w->EingF().Text(), "x^3");  // not even the analysis run
    EXPECT_TRUE(w->VerschiebeB().Enabled());
}

TEST_F(Stuetzstellen, VerschiebenBeyondDoubleIsRefused) {
    Analysiere("x^9");
    w->xVF().SetText("1" + std::string(200, '0'));
    w->VerschiebeB().Push();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{kZuGross});
    EXPECT_EQ(w->EingF().Text(), "x^9  ");
    EXPECT_EQ(w->PPP->grad(), 9);
    EXPECT_EQ(w->PPP->Koeff[0], 0.0);
}

// Shifting by a vector and back gives the typed term again: the typed decimals are no Doubles
// (after the shift by 2 the coefficient 10.3 is held as 10.300000000000000710...), and the
// binomial sums cancel, but each coefficient comes back as the short decimal it is.
TEST_F(Stuetzstellen, VerschiebenAndBackGivesTheTypedTerm) {
    struct Fall {
        const char* f;
        const char* x0;
        const char* y0;
        const char* unterwegs;
        const char* xZurueck;
        const char* yZurueck;
    };
    for (const Fall& fall :
         {Fall{"0.5x^4 - 1.7x^2 + 0.3", "2", "-1", "0.5  - 9.2x  + 10.3x^2  - 4x^3  + 0.5x^4  ",
               "-2", "1"},
          Fall{"x^3 - 3x", "0.1", "0", "0.299  - 2.97x  - 0.3x^2  + x^3  ", "-0.1", "0"}}) {
        Analysiere(fall.f);
        const std::string getippt = w->EingF().Text();
        w->xVF().SetText(fall.x0);
        w->yVF().SetText(fall.y0);
        w->VerschiebeB().Push();
        EXPECT_EQ(w->EingF().Text(), fall.unterwegs) << fall.f;
        w->xVF().SetText(fall.xZurueck);
        w->yVF().SetText(fall.yZurueck);
        w->VerschiebeB().Push();
        EXPECT_EQ(w->EingF().Text(), getippt) << fall.f;
    }
    EXPECT_TRUE(Meldungen().empty());
}

// Polynomials of degree 1 to 9 with coefficients of two decimals below 10, moved by a vector of
// one decimal (x0 within 1.5, so every coefficient of the moved polynomial is a decimal of at
// most 15 digits, which the input field shows exactly) and back.
TEST_F(Stuetzstellen, VerschiebenAndBackOnSeededPolynomials) {
    std::mt19937_64 zufall(15);
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    constexpr int kZuege = 300;
    int zurueck = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        const int grad = ganz(1, 9);
        PolynomT p;
        for (int i = 0; i <= grad; ++i) {
            const int k = ganz(0, 9) < 3 && i < grad ? 0 : ganz(-999, 999);
            p.Koeff[static_cast<std::size_t>(i)] = Val(Dezimaltext(k == 0 && i == grad ? 1 : k, 2));
        }
        int x0 = 0;
        while (x0 == 0) x0 = ganz(-15, 15);
        const int y0 = ganz(-50, 50);
        Analysiere(p.Term2String());
        const std::string getippt = w->EingF().Text();
        w->xVF().SetText(Dezimaltext(x0, 1));
        w->yVF().SetText(Dezimaltext(y0, 1));
        w->VerschiebeB().Push();
        w->xVF().SetText(Dezimaltext(-x0, 1));
        w->yVF().SetText(Dezimaltext(-y0, 1));
        w->VerschiebeB().Push();
        if (w->EingF().Text() == getippt)
            ++zurueck;
        else
            ADD_FAILURE() << getippt << " by " << Dezimaltext(x0, 1) << "; " << Dezimaltext(y0, 1)
                          << " and back: " << w->EingF().Text();
    }
    EXPECT_EQ(zurueck, kZuege);
    EXPECT_TRUE(Meldungen().empty());
}

class Interpolation : public Stuetzstellen {
  protected:
    void Anzahl(int n) {
        for (int i = 0; i < 4; ++i) w->AufAbPfeil().PressDown();
        for (int i = 2; i < n; ++i) w->AufAbPfeil().PressUp();
    }
    // The term of the interpolation polynomial through whole points, its coefficients rounded
    // once from the exact rationals: c_j = sum_m y_m e_m,j / D_m, with e_m the coefficients of
    // prod_(i != m) (x - x_i) and D_m = prod_(i != m) (x_m - x_i), over the common denominator
    // V = prod_(i < k) (x_k - x_i), which every D_m divides.
    static std::string ExakterTerm(const std::vector<int>& xs, const std::vector<int>& ys) {
        const std::size_t n = xs.size();
        Gross v = 1;
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t i = 0; i < k; ++i) v *= xs[k] - xs[i];
        std::vector<Gross> zaehler(n, 0);
        for (std::size_t m = 0; m < n; ++m) {
            std::vector<Gross> e(n, 0);
            e[0] = 1;
            Gross d = 1;
            std::size_t g = 0;
            for (std::size_t i = 0; i < n; ++i) {
                if (i == m) continue;
                ++g;
                for (std::size_t j = g + 1; j-- > 0;) e[j] = (j > 0 ? e[j - 1] : 0) - xs[i] * e[j];
                d *= xs[m] - xs[i];
            }
            for (std::size_t j = 0; j < n; ++j) zaehler[j] += ys[m] * e[j] * (v / d);
        }
        PolynomT p;
        for (std::size_t j = 0; j < n; ++j)
            p.Koeff[j] = v > 0 ? Gerundet(zaehler[j], v) : Gerundet(-zaehler[j], -v);
        return p.Term2String();
    }
    void Durch(const std::vector<int>& xs, const std::vector<int>& ys) {
        Anzahl(static_cast<int>(xs.size()));
        TextField* xf[] = {&w->xF0(), &w->xF1(), &w->xF2(), &w->xF3(), &w->xF4(), &w->xF5()};
        TextField* yf[] = {&w->yF0(), &w->yF1(), &w->yF2(), &w->yF3(), &w->yF4(), &w->yF5()};
        for (std::size_t i = 0; i < xs.size(); ++i) {
            xf[i]->SetText(Str(xs[i]));
            yf[i]->SetText(Str(ys[i]));
        }
        w->InterploierB().Push();
    }
};

// -383/12 rounded once shows 31.9166666666667, 3/20 shows 0.15, and (0;1) (1;3) (2;2) (3;5)
// give 1 + 35/6 x - 5x^2 + 7/6 x^3.
TEST_F(Interpolation, ThroughWholePointsShowsTheRoundedCoefficients) {
    Durch({2, 3, 4, 5, 6}, {22, 38, 21, -7, 37});
    EXPECT_EQ(w->EingF().Text(),
              "108  - 197.583333333333x  + 130.958333333333x^2  - 31.9166666666667x^3  + "
              "2.54166666666667x^4  ");
    Durch({0, 4, 5}, {-1, 8, 11});
    EXPECT_EQ(w->EingF().Text(), "- 1  + 1.65x  + 0.15x^2  ");
    Durch({0, 1, 2, 3}, {1, 3, 2, 5});
    EXPECT_EQ(w->EingF().Text(), "1  + 5.83333333333333x  - 5x^2  + 1.16666666666667x^3  ");
}

TEST_F(Interpolation, ThroughSeededWholePointsAgainstExactRationals) {
    std::mt19937_64 zufall(1515);
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    constexpr int kZuege = 300;
    int richtig = 0;
    for (int zug = 0; zug < kZuege; ++zug) {
        const int n = ganz(2, 6);
        std::vector<int> xs, ys;
        while (xs.size() < static_cast<std::size_t>(n)) {
            const int x = ganz(-9, 9);
            if (std::find(xs.begin(), xs.end(), x) == xs.end()) xs.push_back(x);
        }
        for (int i = 0; i < n; ++i) ys.push_back(ganz(-20, 20));
        Durch(xs, ys);
        const std::string exakt = ExakterTerm(xs, ys);
        if (w->EingF().Text() == exakt)
            ++richtig;
        else
            ADD_FAILURE() << exakt << " shown as " << w->EingF().Text();
    }
    EXPECT_EQ(richtig, kZuege);
    EXPECT_TRUE(Meldungen().empty());
}
