// The reader against its former self: every text made only of the characters it always read
// ("0123456789+-x*.^", X), blanks, tabs and line ends reads as before, to the bit, accepted or
// refused alike, with the same number of counted steps. The characters typed in place of those
// read as those would.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/Dienste.h"
#include "tests/support/BisherigerLeser.h"

namespace {

const std::string kZeichen = "0123456789+-x*.^X \t\n\r";

// Pieces that make the texts look like typed polynomials often enough to be accepted, next to
// the pieces that break them.
const std::vector<std::string> kStuecke = [] {
    const std::string alle =
        "+|-|x|X|^|*|**|.|0|1|2|3|5|7|9|12|0.5|2.|.25| |\t|\n|\r|  |x^2|x^3|x^5|x^6|x^9|x^1|xx|"
        "---|+-|1.5|x*x|250|1000000000000000";
    std::vector<std::string> teile;
    for (std::size_t a = 0, b; a <= alle.size(); a = b + 1) {
        b = std::min(alle.find('|', a), alle.size());
        teile.push_back(alle.substr(a, b - a));
    }
    return teile;
}();

std::string Zufallstext(std::mt19937_64& gen, bool ausStuecken) {
    std::string s;
    if (ausStuecken) {
        const auto n = gen() % 13;
        for (std::uint64_t i = 0; i < n; ++i) s += kStuecke[gen() % kStuecke.size()];
    } else {
        const auto n = gen() % 25;
        for (std::uint64_t i = 0; i < n; ++i) s += kZeichen[gen() % kZeichen.size()];
    }
    return s;
}

std::array<std::uint64_t, 10> Bits(const std::array<double, 10>& k) {
    std::array<std::uint64_t, 10> b{};
    for (std::size_t i = 0; i < k.size(); ++i) b[i] = std::bit_cast<std::uint64_t>(k[i]);
    return b;
}

TEST(BisherigeLesart, KeptCharactersBlanksAndTabsReadAsBefore) {
    std::mt19937_64 gen(20240612);
    const std::array<double, 10> vorbelegt = {9, -8, 7, -6, 5, -4, 3, -2, 1, 0.5};
    int angenommen = 0, abgelehnt = 0;
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 100000; ++i) {
        const std::string text = Zufallstext(gen, i % 3 != 0);
        bisher::Leser alt;
        std::array<double, 10> erwartet = vorbelegt;
        const bool okAlt = alt.Lesen(text, erwartet);

        PolynomT p;
        p.Koeff = vorbelegt;
        bool ok = false;
        const std::int32_t schritte = polynom::String2Poly(p, text, ok);
        ASSERT_EQ(ok, okAlt) << "[" << text << "]";
        ASSERT_EQ(Bits(p.Koeff), Bits(erwartet)) << "[" << text << "]";
        ASSERT_EQ(schritte, alt.zaehler) << "[" << text << "]";
        ++(ok ? angenommen : abgelehnt);
    }
    // Both outcomes must be well represented, or the comparison would prove little.
    EXPECT_GT(angenommen, 20000);
    EXPECT_GT(abgelehnt, 20000);
    RecordProperty("accepted", angenommen);
    RecordProperty("refused", abgelehnt);
}

// Pieces with the characters that stand for the reader's own: the decimal comma, ² and ³, the
// minus sign U+2212, the dot U+00B7 and the no-break space.
const std::vector<std::string> kErsatzStuecke = {
    ",",   "\u00B2", "\u00B3",  "\u2212",   "\u00B7", "\u00A0", "x\u00B2", "x\u00B3",
    "2,5", ",5",     "\u00B7x", "\u00B7 x", "x",      "+",      "-",       "1",
    "3",   "0.5",    " ",       "^",        "*",      "X"};

std::string Ersetzt(std::string s) {
    const std::pair<std::string, std::string> paare[] = {{",", "."},       {"\u00B2", "^2"},
                                                         {"\u00B3", "^3"}, {"\u2212", "-"},
                                                         {"\u00B7", "*"},  {"\u00A0", " "}};
    for (const auto& [was, wie] : paare)
        for (std::size_t p; (p = s.find(was)) != std::string::npos;) s.replace(p, was.size(), wie);
    return s;
}

// Unless the text is refused for one of them (and the reason says which), they read exactly as
// the characters they stand for would have read.
TEST(BisherigeLesart, CharactersTypedForTheReadersOwnReadAsThem) {
    std::mt19937_64 gen(1215);
    const std::array<double, 10> vorbelegt = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    int angenommen = 0, abgelehnt = 0;
    // A random sweep stops at its first failure: one counterexample, not thousands.
    for (int i = 0; i < 60000; ++i) {
        std::string text;
        const auto n = gen() % 10;
        for (std::uint64_t k = 0; k < n; ++k) text += kErsatzStuecke[gen() % kErsatzStuecke.size()];

        PolynomT p;
        p.Koeff = vorbelegt;
        bool ok = false;
        polynom::String2Poly(p, text, ok);
        if (!polynom::Ablehnungsgrund(text).empty()) {
            ASSERT_FALSE(ok) << "[" << text << "]";
            ASSERT_EQ(p.Koeff, vorbelegt) << "[" << text << "]";
            ++abgelehnt;
            continue;
        }
        bisher::Leser alt;
        std::array<double, 10> erwartet = vorbelegt;
        ASSERT_EQ(ok, alt.Lesen(Ersetzt(text), erwartet)) << "[" << text << "]";
        ASSERT_EQ(Bits(p.Koeff), Bits(erwartet)) << "[" << text << "]";
        angenommen += ok;
    }
    EXPECT_GT(angenommen, 5000);
    EXPECT_GT(abgelehnt, 5000);
    RecordProperty("accepted", angenommen);
    RecordProperty("refused_for_a_character", abgelehnt);
}

}  // namespace
