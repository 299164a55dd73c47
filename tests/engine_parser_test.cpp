#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>

#include "engine/Dienste.h"
#include "framework/Text.h"
#include "tests/engine_polynome.h"

namespace {

std::string Wiederholt(const std::string& teil, int n, const std::string& sep) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? sep : "") + teil;
    return s;
}

class EngineText2Poly : public ::testing::Test {
  protected:
    // A target with coefficients and a window of its own, to see that a rejection leaves both.
    PolynomT Ziel() const {
        PolynomT t = P({9, 8, 7});
        t.xmin = -4;
        t.xmax = 4;
        t.ymin = -3;
        t.ymax = 3;
        return t;
    }
    bool Lies(const std::string& text, PolynomT& ziel) {
        bool ok = false;
        schritte = polynom::String2Poly(ziel, text, ok);
        return ok;
    }
    std::int32_t schritte = 0;  // the steps of the last reading
};

TEST_F(EngineText2Poly, WriterForms) {
    struct Fall {
        PolynomT p;
        const char* text;
    };
    const Fall faelle[] = {
        {P({}), "0"},
        {P({0, 1}), "x  "},
        {P({1, -1, 2}), "1  - x  + 2x^2  "},
        {P({0, 0, 0, -1}), "- x^3  "},
        {P({-1}), "- 1  "},
        {P({-2, 0, 0, 0, 0, 0, 0, 0, 0, 0.5}), "- 2  + 0.5x^9  "},
        {P({0.1 + 0.2, -1e-7}), "0.3  - 0.0000001x  "},
        {P({std::nan(""), 3}), "nan  3x  "},
        {P({std::nan(""), 3, 4}), "nan  3x  + 4x^2  "},
        {P({0, -std::numeric_limits<double>::infinity()}), "- infx  "},
        // A coefficient whose text is "1" is written like 1 itself, as it reads back as 1.
        {P({1.0000000000000002, 1.0000000000000002, -0.9999999999999999}), "1  + x  - x^2  "},
    };
    for (const Fall& f : faelle) EXPECT_EQ(f.p.Term2String(), f.text);
    EXPECT_EQ(polynom::xhoch(0), "");
    EXPECT_EQ(polynom::xhoch(1), "x");
    EXPECT_EQ(polynom::xhoch(2), "x^2");
    EXPECT_EQ(polynom::xhoch(10), "x^10");
    EXPECT_EQ(polynom::xhoch(11), "");
    EXPECT_EQ(polynom::xhoch(-1), "");
}

TEST_F(EngineText2Poly, ReadsTheGrammar) {
    struct Fall {
        std::string text;
        PolynomT p;
    };
    const Fall faelle[] = {
        {"3x^2 - 4x + 1", P({1, -4, 3})},
        {"1  - x  + 2x^2  ", P({1, -1, 2})},
        {"2*x**3", P({0, 0, 0, 2})},
        {"x*x", P({0, 0, 1})},
        {"0.5x^2 + x^2", P({0, 0, 1.5})},
        {"x^2 + 2x^2 - x", P({0, -1, 3})},
        {"", P({})},
        {"0", P({})},
        {"--x", P({0, 1})},
        {"+-x", P({0, -1})},
        {"-x", P({0, -1})},
        {"x^+2", P({0, 0, 1})},
        {"x^^2", P({0, 0, 1})},
        {"x**2", P({0, 0, 1})},
        {"x^2x^3", P({0, 0, 0, 0, 0, 1})},
        {"x^2 x^3", P({0, 0, 0, 0, 0, 1})},
        {"1.5x^2*x", P({0, 0, 0, 1.5})},
        {"4 - 3", P({1})},
        {"3x^2+", P({0, 0, 3})},
        {"2*3", P({23})},
        {"2*3x", P({0, 23})},
        {"5 x", P({0, 5})},
        {".5x - 5.", P({-5, 0.5})},
        {"x^9 - x^6 + x^7", P({0, 0, 0, 0, 0, 0, -1, 1, 0, 1})},
        // Products of powers beyond 5 and runs of six to nine x.
        {"x^3*x^3", P({0, 0, 0, 0, 0, 0, 1})},
        {"x^5*x^4", P({0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        {"xxxxxxx", P({0, 0, 0, 0, 0, 0, 0, 1})},
        {"2xxxxxxxx - xxxxxxxxx", P({0, 0, 0, 0, 0, 0, 0, 0, 2, -1})},
        // Upper-case X reads as x.
        {"X^2 + 3X", P({0, 3, 1})},
        {"x^2 - 70001x + 70000", P({70000, -70001, 1})},
    };
    for (const Fall& f : faelle) {
        PolynomT t = Ziel();
        EXPECT_TRUE(Lies(f.text, t)) << f.text;
        EXPECT_EQ(t.Koeff, f.p.Koeff) << f.text;
        EXPECT_EQ(t.xmin, -4) << "the window stays";
    }
}

TEST_F(EngineText2Poly, RejectionLeavesTargetUnchanged) {
    const std::string rejected[] = {
        "x2",
        "3x2 + 1",
        "X2",
        "x^10",
        "x^20",
        "x 5",
        "x^2.5",
        "x^",
        "x^6*x",
        "xxxxxxxxxx",
        "x^5*x^5",
        "x^3*x^3*x^3*x",
        // a number beyond the Double range
        "1" + std::string(309, '0') + "x",
        // finite, but its text (15 digits) would read back beyond the Double range
        "17976931348623157" + std::string(292, '0'),
        // a decimal comma where the grammar has no number: a decimal power, a list
        "x^2,5",
        "x^2, x",
        "x\u00B25",
    };
    for (const std::string& text : rejected) {
        PolynomT t = Ziel();
        EXPECT_FALSE(Lies(text, t)) << text;
        EXPECT_EQ(polynom::Ablehnungsgrund(text), "") << "every character can be read: " << text;
        EXPECT_EQ(t.Koeff, Ziel().Koeff) << text;
        EXPECT_EQ(t.xmin, -4);
        EXPECT_EQ(t.xmax, 4);
        EXPECT_EQ(t.ymin, -3);
        EXPECT_EQ(t.ymax, 3);
    }
}

// What people type in place of the reader's own characters reads as them.
TEST_F(EngineText2Poly, ReadsTheDecimalCommaSuperscriptsMinusSignAndDot) {
    struct Fall {
        std::string text;
        PolynomT p;
    };
    const Fall faelle[] = {
        {"0,5x^2 - 2", P({-2, 0, 0.5})},
        {"-1,5", P({-1.5})},
        {"2,5x", P({0, 2.5})},
        {",5x + 5,", P({5, 0.5})},
        {"x\u00B2-1", P({-1, 0, 1})},
        {"x\u00B3 - 2,25x", P({0, -2.25, 0, 1})},
        {"X\u00B2 + x \u00B3", P({0, 0, 1, 1})},
        {"xx\u00B2", P({0, 0, 0, 1})},
        {"x\u00B2\u00B7x\u00B3", P({0, 0, 0, 0, 0, 1})},
        {"3\u00B7x\u00B2 \u2212 2 \u00B7 x + 1", P({1, -2, 3})},
        {"\u2212x", P({0, -1})},
        // no-break and narrow no-break spaces are blanks, inside a number too
        {"1\u00A0000x + 1\u202F000,5", P({1000.5, 1000})},
        {"\tx^2\r\n", P({0, 0, 1})},
    };
    for (const Fall& f : faelle) {
        PolynomT t = Ziel();
        EXPECT_TRUE(Lies(f.text, t)) << f.text;
        EXPECT_EQ(t.Koeff, f.p.Koeff) << f.text;
        EXPECT_EQ(polynom::Ablehnungsgrund(f.text), "") << f.text;
    }
}

bool IstUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); i += ZeichenAb(s, i).laenge)
        if (!ZeichenAb(s, i).gueltig) return false;
    return true;
}

// A character that cannot be read refuses the text, where it was once dropped and the rest read
// as some other polynomial; the reason names the first such character, whole, with its place.
TEST_F(EngineText2Poly, RefusesACharacterItCannotReadAndNamesIt) {
    struct Fall {
        std::string text;
        std::string benannt;
        std::string rat;
    };
    const Fall faelle[] = {
        {"(x-1)(x+2)", "\u201E(\u201C an Stelle 1",
         "ausmultipliziert eingeben, z.B. x^2 + x - 2 statt (x-1)(x+2)"},
        {"2(x+1)", "\u201E(\u201C an Stelle 2", "ausmultipliziert"},
        {"f(x) = x^2 - 1", "\u201Ef\u201C an Stelle 1", "einzige Variable ist x"},
        {"x^2 + 3x - 4 = 0", "\u201E=\u201C an Stelle 14", "nur den Term eingeben"},
        {"1/2x^2", "\u201E/\u201C an Stelle 2", "Dezimalzahl schreiben, z.B. 0,5x^2"},
        {"1e-3x", "\u201Ee\u201C an Stelle 2", "ohne Exponent ausschreiben"},
        {"2.5E4", "\u201EE\u201C an Stelle 4", "ohne Exponent ausschreiben"},
        {"3e + 1", "\u201Ee\u201C an Stelle 2", "einzige Variable ist x"},
        {"3a+1", "\u201Ea\u201C an Stelle 2", "einzige Variable ist x"},
        {"abc", "\u201Ea\u201C an Stelle 1", "einzige Variable ist x"},
        {"x\u00E4", "\u201E\u00E4\u201C an Stelle 2", "einzige Variable ist x"},
        {"2\u00B2", "\u201E\u00B2\u201C an Stelle 2", "nur direkt hinter x"},
        {"x\u00B2\u00B2", "\u201E\u00B2\u201C an Stelle 3", "nur direkt hinter x"},
        {"x\u2074", "\u201E\u2074\u201C an Stelle 2", "mit ^ schreiben"},
        {"2\u00B73", "\u201E\u00B7\u201C an Stelle 2", "nur vor x"},
        {"x\u00B7 2", "\u201E\u00B7\u201C an Stelle 2", "nur vor x"},
        {"2\u00D7x", "\u201E\u00D7\u201C an Stelle 2", "Malzeichen"},
        {"x \u2013 1", "\u201E\u2013\u201C an Stelle 3", "kein Minuszeichen"},
        {"1.000,5x", "\u201E,\u201C an Stelle 6", "Tausenderpunkte"},
        {"1,000,000", "\u201E,\u201C an Stelle 6", "Tausenderpunkte"},
        {"1,5 .3", "\u201E.\u201C an Stelle 5", "Tausenderpunkte"},
        {"5\u20AC", "\u201E\u20AC\u201C an Stelle 2", "Gelesen werden Ziffern"},
        {"2\U0001D465", "\u201E\U0001D465\u201C an Stelle 2", "Gelesen werden Ziffern"},
        {"x;x", "\u201E;\u201C an Stelle 2", "Gelesen werden Ziffern"},
        {"x\u200B+1", "An Stelle 2 steht ein unsichtbares Zeichen (U+200B)", "neu tippen"},
        {"x\x01", "An Stelle 2 steht ein unsichtbares Zeichen (U+0001)", "neu tippen"},
        {"x\xFF", "An Stelle 2 steht das Byte 0xFF", "neu tippen"},
        {"x\xC3", "An Stelle 2 steht das Byte 0xC3", "neu tippen"},
    };
    for (const Fall& f : faelle) {
        PolynomT t = Ziel();
        EXPECT_FALSE(Lies(f.text, t)) << f.text;
        EXPECT_EQ(t.Koeff, Ziel().Koeff) << f.text;
        EXPECT_EQ(t.xmax, 4) << f.text;
        const std::string satz = polynom::Ablehnungsgrund(f.text);
        EXPECT_NE(satz.find(f.benannt), std::string::npos) << satz;
        EXPECT_NE(satz.find(f.rat), std::string::npos) << satz;
        EXPECT_TRUE(IstUtf8(satz)) << f.text;
    }
}

TEST_F(EngineText2Poly, StepCap) {
    PolynomT t;
    EXPECT_TRUE(Lies(Wiederholt("1", 250, "+"), t));
    EXPECT_EQ(schritte, 500);
    EXPECT_EQ(t.Koeff[0], 250.0);
    EXPECT_FALSE(Lies(Wiederholt("1", 251, "+"), t));
    EXPECT_EQ(t.Koeff[0], 250.0);

    bool ok = true;
    std::int32_t zaehler = 499;
    polynom::Whilekontrolle(ok, zaehler);
    EXPECT_TRUE(ok);
    EXPECT_EQ(zaehler, 500);
    polynom::Whilekontrolle(ok, zaehler);
    EXPECT_FALSE(ok);
    zaehler = 0;
    polynom::Whilekontrolle(ok, zaehler);
    EXPECT_FALSE(ok) << "never set back to true";
}

// The term of an accepted text is read again with the same step cap. Written with its negative
// constant first, this term needs one step more than the text that was typed.
TEST_F(EngineText2Poly, AcceptedOnlyWhenItsTermReadsBack) {
    const std::string zahl = "123456789012345" + std::string(234, '0');  // 249 characters
    PolynomT t;
    EXPECT_FALSE(Lies(zahl + "x - " + zahl, t)) << "the term would take 501 steps";
    const std::string kuerzer = zahl.substr(1);
    ASSERT_TRUE(Lies(kuerzer + "x - " + zahl, t));
    EXPECT_EQ(schritte, 499) << "the count of the text itself";
    PolynomT zurueck;
    EXPECT_TRUE(Lies(t.Term2String(), zurueck));
    EXPECT_EQ(schritte, 500);
    EXPECT_EQ(zurueck.Koeff, t.Koeff);
}

// Everything the writer writes of an accepted polynomial reads back as the coefficients it
// shows, and writing that again gives the same text.
TEST_F(EngineText2Poly, WritingAndReadingAgainChangesNothing) {
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> art(0, 4);
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 3000; ++i) {
        PolynomT p;
        for (double& k : p.Koeff) {
            switch (art(gen)) {
                case 0:
                    k = 0;
                    break;
                case 1:
                    k = std::round(mantisse(gen));
                    break;
                case 2:
                    k = mantisse(gen) * std::pow(10.0, exponent(gen));
                    break;
                default:
                    k = mantisse(gen);
                    break;
            }
        }
        const std::string text = p.Term2String();
        PolynomT q;
        ASSERT_TRUE(Lies(text, q)) << text;
        for (int k = 0; k <= 9; ++k) {
            const double gezeigt = p.Koeff[k] < 0 ? -Val(Str(-p.Koeff[k])) : Val(Str(p.Koeff[k]));
            ASSERT_EQ(q.Koeff[k], gezeigt) << text;
        }
        ASSERT_EQ(q.Term2String(), text);
    }
    for (const std::string& text :
         {std::string("0." + std::string(320, '0') + "5x"), std::string("0.1x + 0.2x")}) {
        SCOPED_TRACE(text);
        PolynomT q, r;
        EXPECT_TRUE(Lies(text, q));
        EXPECT_TRUE(Lies(q.Term2String(), r));
        EXPECT_EQ(r.Term2String(), q.Term2String());
    }
}

// Naive reference: replace the first occurrence, start again from the beginning.
std::string NaivReduziert(std::string s, const std::string& such, const std::string& ersatz) {
    for (std::size_t p; (p = s.find(such)) != std::string::npos;) s.replace(p, such.size(), ersatz);
    return s;
}

TEST_F(EngineText2Poly, ReplacementRoutineAndFilter) {
    EXPECT_EQ(polynom::ZeichenReduzieren("a+++b", "++", "+"), "a+b");
    EXPECT_EQ(polynom::ZeichenReduzieren("x^2x^2", "x^2", "xx"), "xxxx");
    EXPECT_EQ(polynom::ZeichenReduzieren("****", "***", "**"), "**");
    EXPECT_EQ(polynom::ZeichenReduzieren("abc", "", "z"), "abc");
    EXPECT_EQ(polynom::ZeichenReduzieren("abc", "b", "bb"), "abc") << "would never end";
    EXPECT_EQ(polynom::FehlzeichenKillen("3 x^2,\tÄ-y*X.5"), "3x^2-*.5");

    std::mt19937 gen(3);
    const std::string alphabet = "x^+-*2.";
    const std::pair<std::string, std::string> regeln[] = {
        {"++", "+"},   {"+-", "-"},      {"--", "+"},    {"***", "**"}, {"**", "^"}, {"*", ""},
        {"x^2", "xx"}, {"x^5", "xxxxx"}, {"xxx", "x^3"}, {"xx", "x^2"}, {"-+", "-"}};
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 4000; ++i) {
        std::string s;
        const int n = static_cast<int>(gen() % 30);
        for (int k = 0; k < n; ++k) s += alphabet[gen() % alphabet.size()];
        for (const auto& [such, ersatz] : regeln)
            ASSERT_EQ(polynom::ZeichenReduzieren(s, such, ersatz), NaivReduziert(s, such, ersatz))
                << s << " " << such;
    }
}

TEST_F(EngineText2Poly, LongTextsEndQuickly) {
    PolynomT t;
    EXPECT_TRUE(Lies(std::string(200000, '+') + "x" + std::string(100001, '*') + "2", t));
    EXPECT_EQ(t.Koeff[2], 1.0);
    EXPECT_FALSE(Lies(std::string(200000, '-') + "x 5", t));
    EXPECT_TRUE(Lies(std::string(200000, ' ') + "x", t));
    EXPECT_EQ(t.Koeff[1], 1.0);
}

}  // namespace
