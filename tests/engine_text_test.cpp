#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "framework/Text.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(EngineText, StrWritesPlainDecimalText) {
    struct Fall {
        double x;
        const char* text;
    };
    const Fall faelle[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {1e-7, "0.0000001"},
        {-1.5e-10, "-0.00000000015"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {1234.5678, "1234.5678"},
        {999999999999999.9, "1000000000000000"},
        {std::sqrt(2.0), "1.4142135623731"},
        {kInf, "inf"},
        {-kInf, "-inf"},
        {std::nan(""), "nan"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Str(f.x), f.text) << f.x;
    EXPECT_EQ(Str(std::int32_t{-42}), "-42");
    EXPECT_EQ(Str(std::int32_t{7}), "7");
}

TEST(EngineText, ValReadsTheNumberThatBeginsTheText) {
    struct Fall {
        std::string text;
        double wert;
    };
    const Fall faelle[] = {
        {"    2 Dezimalen", 2.0},
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {"+5", 5.0},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"1.2.3", 1.2},
        {"1e5", 1.0},
        {"\t 7x", 7.0},
        {"-0.00000000015", -1.5e-10},
        {"1" + std::string(400, '0'), kInf},
        {"-1" + std::string(400, '0'), -kInf},
        {"0." + std::string(400, '0') + "1", 0.0},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Val(f.text), f.wert) << f.text;
}

// A number field reads what was typed or nothing: never the number that merely begins the text.
TEST(EngineText, TypedNumbersAreReadWholeOrRefused) {
    struct Fall {
        std::string text;
        double wert;
    };
    const Fall zahlen[] = {
        {"", 0.0},
        {" \t ", 0.0},
        {"1,5", 1.5},
        {"-1,5", -1.5},
        {"+3", 3.0},
        {".5", 0.5},
        {",5", 0.5},
        {"5.", 5.0},
        {"-.5", -0.5},
        {" - 2 ", -2.0},
        {"1 000,5", 1000.5},
        {"1\u202F000", 1000.0},
        {"\u22122,5", -2.5},
        {"0.0000001", 1e-7},
        {"1" + std::string(400, '0'), kInf},
        {"-1" + std::string(400, '0'), -kInf},
    };
    for (const Fall& f : zahlen) {
        SCOPED_TRACE(f.text);
        const std::optional<double> x = GetippteZahl(f.text);
        EXPECT_TRUE(x.has_value());
        if (x) {
            EXPECT_EQ(*x, f.wert);
        }
    }
    for (const char* keine :
         {"1/2", "1e5", "1E-3", "abc",  "1.2.3", "1,2,3", "1.000,5", "--1", "+-1",     "1-",  ".",
          ",",   "-",   "+",    "0x10", "inf",   "nan",   "2a",      "(1)", "1\u00B2", "\xFF"}) {
        EXPECT_FALSE(GetippteZahl(keine).has_value()) << keine;
    }
    // Everything Str writes of a finite number reads back as Val reads it.
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> x(-1e6, 1e6);
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 2000; ++i) {
        const std::string text = Str(x(gen));
        ASSERT_EQ(GetippteZahl(text), Val(text)) << text;
    }
}

// Characters are taken whole; a byte that begins none is a character of its own.
TEST(EngineText, CharactersOfAUtf8Text) {
    struct Fall {
        std::string text;
        char32_t code;
        std::size_t laenge;
        bool gueltig;
    };
    const Fall faelle[] = {
        {"x", U'x', 1, true},
        {"\u00E4x", 0xE4, 2, true},
        {"\u2212", 0x2212, 3, true},
        {"\U0001F600", 0x1F600, 4, true},
        {"\x80x", 0xFFFD, 1, false},             // a continuation byte
        {"\xC3", 0xFFFD, 1, false},              // cut short
        {"\xC3x", 0xFFFD, 1, false},             // cut short by another character
        {"\xC0\x80", 0xFFFD, 1, false},          // overlong
        {"\xED\xA0\x80", 0xFFFD, 1, false},      // a surrogate
        {"\xF4\x90\x80\x80", 0xFFFD, 1, false},  // beyond U+10FFFF
        {"\xFF", 0xFFFD, 1, false},
    };
    for (const Fall& f : faelle) {
        const Zeichen z = ZeichenAb(f.text, 0);
        EXPECT_EQ(z.code, f.code) << f.text;
        EXPECT_EQ(z.laenge, f.laenge) << f.text;
        EXPECT_EQ(z.gueltig, f.gueltig) << f.text;
    }
    for (char32_t c : {U' ', U'\t', U'\n', U'\r', char32_t{0xA0}, char32_t{0x202F}})
        EXPECT_TRUE(IstLeerraum(c)) << static_cast<std::uint32_t>(c);
    for (char32_t c : {U'x', U'0', char32_t{0x200B}, char32_t{0xB7}})
        EXPECT_FALSE(IstLeerraum(c)) << static_cast<std::uint32_t>(c);
}

// Whatever Str writes, Val reads back to a value that Str writes the same way, within half a
// unit of the 15th digit: across the whole range, subnormal values included.
TEST(EngineText, StrAndValRoundTrip) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> mantisse(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-323, 307);
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 20000; ++i) {
        double x = mantisse(gen) * std::pow(10.0, exponent(gen));
        if (i % 2) x = -x;
        if (x == 0.0 || !std::isfinite(x)) continue;
        const std::string text = Str(x);
        ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        const double y = Val(text);
        ASSERT_EQ(Str(y), text) << x;
        if (std::fabs(x) >= std::numeric_limits<double>::min()) {
            ASSERT_LE(std::fabs(y - x), 5e-15 * std::fabs(x)) << text;
        }
    }
    for (double x : {5e-324, 1e-310, 2.2250738585072014e-308, 1.7e308})
        EXPECT_EQ(Str(Val(Str(x))), Str(x)) << x;
}

TEST(EngineText, NumberTextIgnoresTheLocale) {
    const std::string alt = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(Str(2.5), "2.5");
    EXPECT_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Val("2,5"), 2.0);
    std::setlocale(LC_ALL, alt.c_str());
}

TEST(EngineText, PositionsCountCharactersFromOne) {
    EXPECT_EQ(InStr("3x^2 + 1", "x^2"), 2);
    EXPECT_EQ(InStr("Größe x", "x"), 7);
    EXPECT_EQ(InStr("abc", "d"), 0);
    EXPECT_EQ(InStr("X", "x"), 0);  // letter case counts
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(Len("Größe"), 5);
    EXPECT_EQ(Mid("Größe", 3), "öße");
    EXPECT_EQ(Mid("Größe", 0), "Größe");
    EXPECT_EQ(Mid("Größe", 9), "");
    EXPECT_EQ(Mid("Größe", 2, 2), "rö");
    EXPECT_EQ(Mid("Größe", 0, 2), "");
    EXPECT_EQ(Mid("Größe", 4, 10), "ße");
    EXPECT_EQ(Left("Größe", 3), "Grö");
    EXPECT_EQ(Left("Größe", 0), "");
    EXPECT_EQ(Chr(94), "^");
    EXPECT_EQ(Chr(0xE4), "ä");
    EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Chr(-1), "");
}

TEST(EngineText, NumberServicesAreDefinedForEveryValue) {
    EXPECT_EQ(Round(2.5), 3.0);
    EXPECT_EQ(Round(-2.5), -3.0);
    EXPECT_EQ(Round(2.4), 2.0);
    EXPECT_EQ(Min(1, 2), 1.0);
    EXPECT_EQ(Max(1, 2), 2.0);
    EXPECT_EQ(Abs(-3), 3.0);
    EXPECT_EQ(Pow(-2, 3), -8.0);
    EXPECT_EQ(Pow(0, 0), 1.0);
    EXPECT_EQ(Pow(std::nan(""), 0), 1.0);
    EXPECT_EQ(ToInt32(7.0), 7);
    EXPECT_EQ(ToInt32(-7.0), -7);
    EXPECT_EQ(ToInt32(2.5), 3);
    EXPECT_EQ(ToInt32(std::nan("")), 0);
    EXPECT_EQ(ToInt32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ToInt32(-kInf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ToInt32(2147483646.6), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
