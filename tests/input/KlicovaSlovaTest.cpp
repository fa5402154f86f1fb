// Keyword tables: recognition by any form or a longer word, numbering, and errors without a text.

#include "common/Platforma.h"
#include "input/Chybovnik.h"
#include "input/KlicovaSlova.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lomvira {
namespace {

TEST(KlicovaSlova, DelsiTvarAJednopismenneTvary)
{
    const KlicovaSlova k(Tabulka::Prikazy);
    const std::pair<const char*, int> slova[] = {
        // A longer form is tried before a shorter one that is its prefix.
        {"VER_UHEL", 3}, {"KOMPARACE", 15}, {"KOMPASY", 9}, {"SKLONOMERY", 10}, {"DEKL", 11}, {"LAYER", 12},
        // Any other word that begins with a one-letter form.
        {"KRAS", 4}, {"SLUJ", 3}, {"PROPAST", 5}, {"ABRI", 2}, {"VODA", 1},
        // A word shorter than every form it begins, lower case, and no word at all.
        {"MIS", 0}, {"DAT", 0}, {"datum", 0}, {"", 0}};
    for (const auto& [slovo, cislo] : slova)
        EXPECT_EQ(k.KSHle(slovo), cislo) << slovo;
    EXPECT_EQ(std::tuple(k.Klic(12), k.Klic(0), k.Klic(16)), std::tuple("POLYGON", "", ""));
}

TEST(Chybovnik, ChybaBezTextuSeOhlasi)
{
    test::FakePlatforma platforma;
    EXPECT_EQ(ChybaText(53, &platforma), "Pokus o opětovné definování stejného měřidla.");
    EXPECT_TRUE(platforma.boxes.empty());
    for (int cislo : {0, 3, 812, -1}) {
        EXPECT_EQ(ChybaText(cislo, &platforma), "") << cislo;
        EXPECT_EQ(platforma.boxes.back().text, "Nedefinovana chyba " + std::to_string(cislo));
    }
    EXPECT_EQ(ChybaText(7), ""); // without a platform nobody is told
}

} // namespace
} // namespace lomvira
