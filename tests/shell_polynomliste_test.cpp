#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/PolynomListe.h"

namespace {

using Texte = std::vector<std::string>;

}  // namespace

TEST(PolynomListe, KeepsEachTextOnceInOrderOfFirstAppearance) {
    PolynomListe liste = {"0", "x  ", "0", "x^2  "};
    EXPECT_EQ(liste, (Texte{"0", "x  ", "x^2  "}));
    EXPECT_FALSE(liste.Anhaengen("x  "));
    EXPECT_TRUE(liste.Anhaengen("x "));  // trailing blanks count
    EXPECT_TRUE(liste.Anhaengen(""));
    EXPECT_FALSE(liste.Anhaengen(""));
    EXPECT_EQ(liste, (Texte{"0", "x  ", "x^2  ", "x ", ""}));
}

// Every way an entry leaves the list takes it out of the membership test too, so it can come
// back, and what stays is still found.
TEST(PolynomListe, RemovedAndCutEntriesAreNoLongerMembers) {
    PolynomListe liste = {"0", "a", "b", "c", "d"};
    liste.Entfernen(2);
    EXPECT_FALSE(liste.Enthaelt("b"));
    EXPECT_TRUE(liste.Enthaelt("c"));
    EXPECT_EQ(liste, (Texte{"0", "a", "c", "d"}));

    liste.KuerzenAuf(2);
    EXPECT_EQ(liste, (Texte{"0", "a"}));
    for (const char* weg : {"b", "c", "d"}) EXPECT_FALSE(liste.Enthaelt(weg)) << weg;
    EXPECT_TRUE(liste.Enthaelt("0"));

    EXPECT_TRUE(liste.Anhaengen("c"));
    EXPECT_TRUE(liste.Anhaengen("b"));
    EXPECT_EQ(liste, (Texte{"0", "a", "c", "b"}));

    liste = {"0"};
    EXPECT_FALSE(liste.Enthaelt("a"));
    EXPECT_EQ(liste.size(), 1u);
}
