// Keyword tables: numbering, recognition by any form or a longer word, and the Czech
// texts of parse errors.

#include "common/Platforma.h"
#include "input/Chybovnik.h"
#include "input/KlicovaSlova.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lomvira {
namespace {

TEST(KlicovaSlova, PrikazyVsechnyTvaryAKanonickaJmena)
{
    const KlicovaSlova k(Tabulka::Prikazy);
    const std::vector<std::pair<const char*, int>> tvary = {
        {"VZD", 1},     {"V", 1},         {"HOR_UH", 2},   {"A", 2},       {"VER_UH", 3}, {"S", 3},
        {"SOU_SYS", 4}, {"K", 4},         {"VYP_POM", 5},  {"P", 5},       {"LOKALITA", 6}, {"SADA", 7},
        {"DELKOMER", 8}, {"KOMPAS", 9},   {"SKLONOMER", 10}, {"DEKLINACE", 11}, {"DEK", 11},
        {"POLYGON", 12}, {"VRSTVA", 12},  {"LAYER", 12},   {"MISTO", 13},  {"DATUM", 14}, {"KOMPAR", 15},
    };
    for (const auto& [slovo, cislo] : tvary)
        EXPECT_EQ(k.KSHle(slovo), cislo) << slovo;

    const std::vector<std::string> kanonicka = {"VZD", "HOR_UH", "VER_UH", "SOU_SYS", "VYP_POM",
                                                "LOKALITA", "SADA", "DELKOMER", "KOMPAS", "SKLONOMER",
                                                "DEKLINACE", "POLYGON", "MISTO", "DATUM", "KOMPAR"};
    EXPECT_EQ(k.Pocet(), 15);
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(k.Klic(n), kanonicka[n - 1]) << n;
    EXPECT_EQ(k.Klic(0), "");
    EXPECT_EQ(k.Klic(16), "");
    EXPECT_EQ(k.Klic(-1), "");
    EXPECT_EQ(k.Klice(), Tabulka::Prikazy);
}

TEST(KlicovaSlova, DelsiSlovoADelsiTvarVyhravaji)
{
    const KlicovaSlova k(Tabulka::Prikazy);
    // A longer form is tried before a shorter one that is its prefix.
    EXPECT_EQ(k.KSHle("VER_UHEL"), 3);
    EXPECT_EQ(k.KSHle("KOMPARACE"), 15);
    EXPECT_EQ(k.KSHle("KOMPASY"), 9);
    EXPECT_EQ(k.KSHle("SKLONOMERY"), 10);
    EXPECT_EQ(k.KSHle("DEKL"), 11);
    EXPECT_EQ(k.KSHle("VZDALENOST"), 1);
    EXPECT_EQ(k.KSHle("AZIMUT"), 2);
    // Any other word that begins with a one-letter form.
    EXPECT_EQ(k.KSHle("KRAS"), 4);
    EXPECT_EQ(k.KSHle("SLUJ"), 3);
    EXPECT_EQ(k.KSHle("PROPAST"), 5);
    EXPECT_EQ(k.KSHle("ABRI"), 2);
    EXPECT_EQ(k.KSHle("VODA"), 1);
    // A word shorter than every form it begins, lower case, and no word at all.
    EXPECT_EQ(k.KSHle("MIS"), 0);
    EXPECT_EQ(k.KSHle("DAT"), 0);
    EXPECT_EQ(k.KSHle("datum"), 0);
    EXPECT_EQ(k.KSHle(""), 0);
}

TEST(KlicovaSlova, OstatniTabulky)
{
    struct Pripad {
        const char* tabulka;
        std::vector<std::pair<const char*, int>> slova;
    };
    const std::vector<Pripad> pripady = {
        {Tabulka::VlastnostiMeridla, {{"JEDNOTKY", 1}, {"PRESNOST", 2}, {"ZPUSOB", 3}}},
        {Tabulka::VlastnostiKompasu, {{"ODCHYLKA", 1}, {"KOMP_ZAM", 2}, {"JED", 3}, {"PRE", 4}}},
        {Tabulka::VlastnostiOpakovanehoKompasu, {{"ODCH", 1}, {"KOMP_ZAM", 2}, {"JED", 0}, {"PRE", 0}}},
        {Tabulka::ZpusobDelky, {{"SIKMA", 1}, {"VODOROVNA", 2}, {"HLOUBKA", 3}, {"SVISLA", 3}}},
        {Tabulka::ZpusobSklonu, {{"VYSKA", 1}, {"ZENIT", 2}}},
        {Tabulka::JednotkyUhlu, {{"STUPNE", 1}, {"ST", 1}, {"DEG", 1}, {"GRADY", 2}, {"G", 2}, {"RADIANY", 3}}},
        {Tabulka::JednotkyDelky, {{"M", 1}, {"CM", 2}, {"MM", 3}, {"FT", 4}, {"IN", 5}, {"MILE", 1}}},
        {Tabulka::HorUh, {{"JEDNODUSE", 1}, {"KONTROLA", 2}, {"DEG", 3}, {"D", 3}, {"GRA", 4}, {"RAD", 5}}},
        {Tabulka::VerUh, {{"VYS", 1}, {"ZEN", 2}, {"D", 3}, {"G", 4}, {"RAD", 5}}},
    };
    for (const Pripad& p : pripady) {
        const KlicovaSlova k(p.tabulka);
        for (const auto& [slovo, cislo] : p.slova)
            EXPECT_EQ(k.KSHle(slovo), cislo) << p.tabulka << " " << slovo;
        EXPECT_EQ(k.KSHle("X"), 0) << p.tabulka;
        EXPECT_EQ(k.KSHle(""), 0) << p.tabulka;
    }
}

TEST(KlicovaSlova, NeobvykleTabulky)
{
    KlicovaSlova k("DATUM");
    EXPECT_EQ(k.Pocet(), 1);
    EXPECT_EQ(k.KSHle("DATUM"), 1);
    EXPECT_EQ(k.Klic(1), "DATUM");
    EXPECT_EQ(k.Klic(2), "");

    k.Klice("");
    EXPECT_EQ(k.Pocet(), 0);
    EXPECT_EQ(k.KSHle("DATUM"), 0);
    EXPECT_EQ(k.Klic(1), "");

    // An empty keyword keeps its number, so the ones after it are not renumbered.
    k.Klice("A;;B");
    EXPECT_EQ(k.KSHle("B"), 3);
    EXPECT_EQ(k.Klic(3), "B");

    // More forms than the 30 of the classic tables.
    std::string t;
    for (int i = 1; i <= 40; ++i)
        t += (i > 1 ? ";K" : "K") + std::to_string(100 + i);
    k.Klice(t);
    EXPECT_EQ(k.Pocet(), 40);
    EXPECT_EQ(k.KSHle("K140"), 40);
    EXPECT_EQ(k.KSHle("K101"), 1);
}

TEST(Chybovnik, TextyChyb)
{
    test::FakePlatforma platforma;
    const std::vector<std::pair<int, const char*>> texty = {
        {1, "Špatný řídící znak."},
        {2, "Chybí '='."},
        {4, "Neúplný zápis."},
        {12, "Chybí jedna či více uzavíracích závorek."},
        {21, "Rozdíl mezi směrem tam a zpět překročil povolenou hodnotu."},
        {42, "Neznámý nebo nevhodně použitý příkaz."},
        {43, "Neznámý nebo nevhodně použitý příkaz vrámci definice měřidla."},
        {51, "Nebylo zadáno jméno měřidla."},
        {52, "Pokus o použití nedefinovaného měřidla."},
        {53, "Pokus o opětovné definování stejného měřidla."},
        {1401, "Chyba v zadání datumu."},
    };
    for (const auto& [cislo, text] : texty)
        EXPECT_EQ(ChybaText(cislo, &platforma), text) << cislo;
    EXPECT_TRUE(platforma.boxes.empty());

    for (int cislo : {0, 3, 812, 1402, -1}) {
        EXPECT_EQ(ChybaText(cislo, &platforma), "") << cislo;
        ASSERT_FALSE(platforma.boxes.empty());
        EXPECT_EQ(platforma.boxes.back().text, "Nedefinovana chyba " + std::to_string(cislo));
    }
    EXPECT_EQ(platforma.boxes.size(), 5u);
    EXPECT_EQ(ChybaText(7), "");
}

} // namespace
} // namespace lomvira
