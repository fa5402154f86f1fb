// The printed protocol on a recording page surface: page breaks and page numbers of every
// section, the title sheet's statistics and coordinate-system rows, the values of the
// measurement table, the blank coordinates before a computation, and that no text leaves
// its page.

#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Protokol.h"
#include "app/Vypocet.h"
#include "reports/TiskProtokolu.h"
#include "support/FakePlatforma.h"
#include "support/ZaznamTisku.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lomvira {
namespace {

using test::ZaznamTisku;

// A chain of n stations S1..Sn walked north, one metre apart.
std::string Retez(int n, const std::string& predpona = "S")
{
    std::string t = "# Řetěz bodů po metru k severu.\n";
    for (int i = 1; i < n; ++i)
        t += predpona + std::to_string(i) + " " + predpona + std::to_string(i + 1) + " 1 0 0\n";
    return t;
}

// Local system; A2 10 m north of A1, A3 10 m east of A2, A4 5 m slope down 30° to the south.
const char* const Mistni = "# Místní soustava, výšky a délky spočitatelné zpaměti.\n"
                           "! LOKALITA = \"Žlutá sluj\" \"77\"\n"
                           "* A1 100 200 50\n"
                           "A1 A2 10 0 0\nA2 A3 10 90 0\nA3 A4 5 180 -30\n";

class TiskProtokoluTest : public ::testing::Test {
protected:
    void Nacti(const std::string& text, bool spocitat = true)
    {
        k.souborZapisniku = "/data/zlutá.mer";
        NactiZapisnik(k, text);
        ASSERT_EQ(k.posledniChybaNacteni, 0);
        if (!spocitat)
            return;
        Vectorize(k);
        SpustVypocet(k);
        ASSERT_EQ(k.stav.Stav, 3);
    }
    std::string Tiskni(const CastiTisku& casti, ZaznamTisku& z, const FormatCisel& format = {})
    {
        k.komentarZpravy = "  Zaměřil Šimon  ";
        BehTisku beh = BehProtokolu(k, "1.2.2024 - 10:00", format);
        return TiskniProtokol(z, PodkladyProtokolu(k), beh, casti);
    }

    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};
};

constexpr CastiTisku Titul{true, false, false, false}, Mereni{false, true, false, false},
    Body{false, false, true, false}, Profily{false, false, false, true}, Vse{};

TEST_F(TiskProtokoluTest, StranyKazdehoOddiluCislovaneOdJedne)
{
    struct Pripad {
        const char* co;
        std::string zapisnik;
        CastiTisku casti;
        std::vector<const char*> nadpisy; // the heading of each page
    };
    const std::vector<Pripad> pripady = {
        {"9 profilů: 8 + 1", Retez(9), Profily, {"TABULKA PROFILŮ", "TABULKA PROFILŮ"}},
        {"8 profilů na stranu", Retez(8), Profily, {"TABULKA PROFILŮ"}},
        {"26 měření: 25 + 1", Retez(27), Mereni, {"ZÁPISNÍK KOMPASOVÉHO MĚŘENÍ", "ZÁPISNÍK KOMPASOVÉHO MĚŘENÍ"}},
        {"25 měření na stranu", Retez(26), Mereni, {"ZÁPISNÍK KOMPASOVÉHO MĚŘENÍ"}},
        {"31 bodů: 30 + 1", Retez(31), Body, {"SOUŘADNICE VYPOČTENÝCH BODŮ", "SOUŘADNICE VYPOČTENÝCH BODŮ"}},
        {"dvě oblasti po 3 a 2 bodech, každá na své straně", Retez(3, "A") + Retez(2, "B"), Body,
         {"SOUŘADNICE VYPOČTENÝCH BODŮ", "SOUŘADNICE VYPOČTENÝCH BODŮ"}},
        {"všechny oddíly v pořadí", Mistni, Vse,
         {"PROTOKOL O MĚŘENÍ", "ZÁPISNÍK KOMPASOVÉHO MĚŘENÍ", "SOUŘADNICE VYPOČTENÝCH BODŮ", "TABULKA PROFILŮ"}},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.co);
        Nacti(c.zapisnik);
        ZaznamTisku z;
        p.status.clear();
        EXPECT_EQ(Tiskni(c.casti, z), "");
        EXPECT_TRUE(z.Ukonceno());
        ASSERT_EQ(z.Stran(), static_cast<int>(c.nadpisy.size()));
        for (int s = 1; s <= z.Stran(); ++s) {
            EXPECT_NE(z.Najdi(c.nadpisy[static_cast<std::size_t>(s - 1)], s), nullptr) << s;
            EXPECT_NE(z.Najdi("Strana: " + std::to_string(s), s), nullptr) << s;
            EXPECT_NE(z.Najdi("Datum: 1.2.2024 - 10:00", s), nullptr) << s;
        }
    }
}

TEST_F(TiskProtokoluTest, TitulniListMistniSoustavy)
{
    Nacti(Mistni);
    ZaznamTisku z;
    Tiskni(Titul, z, FormatCisel{',', " "}); // lengths keep their "." whatever the user's marks
    const std::vector<std::pair<std::string, std::string>> ocekavane = {
        {"Počet daných bodů:", "1"},
        {"Počet připojovacích bodů:", "1"},
        {"Počet počítaných bodů:", "4"},
        {"Počet záměr:", "3"},
        {"Počet měření:", "3"},
        {"Denivelace:", "2.500 m"},
        {"Nejvyšší místo:", "50.000 m je v bodě A1"},
        {"Nejnižší místo:", "47.500 m je v bodě A4"},
        {"Celková délka polygonu:", "25.000 m"},
        {"Souřadný systém:", "vlastní"},
        {"Korekce natočení:", "nenatáčet"},
        {"Výškový systém:", "vlastní"},
    };
    for (const auto& [popis, hodnota] : ocekavane)
        EXPECT_EQ(z.Hodnota(popis), hodnota) << popis;
    EXPECT_EQ(z.Najdi("Meridiánová konvergence:"), nullptr);
    // The centred block: name, number, the trimmed comment.
    for (const char* text : {"Žlutá sluj", "77", "Zaměřil Šimon"}) {
        const auto* t = z.Najdi(text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_NEAR(t->x + t->sirka / 2, 100, 1e-9) << text;
    }
}

TEST_F(TiskProtokoluTest, MeridianovaKonvergenceVTitulnimListu)
{
    struct Pripad {
        const char* system;
        std::vector<std::string> radky; // the rows under "Meridiánová konvergence:"
    };
    const std::string body = "* P1 745000.5 1045000.25 300\n* P2 745010.5 1045020.25 310\nP1 P2 10 0 0\n";
    const std::vector<Pripad> pripady = {
        {"! SOU_SYS = JTSK, 1.5/g, BPV\n", {"C=1°21' = 1,5000g", "zadaná hodnotou"}},
        {"! SOU_SYS = JTSK, C_TDB, VIR_VYROV = SPOLECNE\n", {"", "pro souřadnice:", "(Y=745 005,500; X=1 045 010,250)"}},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.system);
        Nacti(c.system + body, false);
        ZaznamTisku z;
        Tiskni(Titul, z, FormatCisel{',', " "});
        const auto* konvergence = z.Najdi("Meridiánová konvergence:");
        ASSERT_NE(konvergence, nullptr);
        std::vector<std::string> radky;
        for (const auto& t : z.Texty())
            if (t.x == 95 && t.y > konvergence->y - 0.01 && t.y < z.Najdi("Korekce natočení:")->y)
                radky.push_back(t.text);
        ASSERT_EQ(radky.size(), c.radky.size());
        for (std::size_t i = 0; i < radky.size(); ++i) {
            if (!c.radky[i].empty()) {
                EXPECT_EQ(radky[i], c.radky[i]) << i;
            }
        }
    }
    ZaznamTisku z;
    Tiskni(Titul, z);
    EXPECT_EQ(z.Hodnota("Korekce natočení:"), "pro všechny oblasti společně");
}

TEST_F(TiskProtokoluTest, RadkyTabulkyMereni)
{
    Nacti("# Tabulka měření: zpětný směr, grady, zenit, vodorovná délka, opakované měření.\n"
          "! DEKLINACE = 2\n! AZIMUT = KONTROLA\nA1 A2 10.5 45 225.5 -3\n! AZIMUT = JEDNODUSE\n"
          "A2 A3 8/V 100/G 95/Z\nA3 A4 3 10 5\nA3 A4 3.2 10 5\n",
          false);
    ZaznamTisku z;
    Tiskni(Mereni, z);
    // The values of each row in the order they were printed (the columns left to right).
    auto radek = [&z](const std::string& od, int kolikaty) {
        std::vector<std::string> hodnoty;
        int nalezeno = 0;
        double y = -1;
        for (const auto& t : z.Texty())
            if (t.text == od && t.x < 40 && ++nalezeno == kolikaty)
                y = t.y;
        for (const auto& t : z.Texty())
            if (std::fabs(t.y - y) < 0.01 && !t.tucne)
                hodnoty.push_back(t.text);
        return hodnoty;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(radek("A1", 1), (V{"A1", "A2", "10.500 ", "45.000°", "225.500°", "-3.000° ", "2.0°", "47.250°"}));
    EXPECT_EQ(radek("A2", 1), (V{"A2", "A3", "8.000V", "100.000g", "95.000°Z", "2.2222g", "102.222g"}));
    // A repeated shot adds its three deviations from the shot's mean.
    EXPECT_EQ(radek("A3", 1).size(), 10u);
    EXPECT_EQ(radek("A3", 1)[2], "3.000 ");
}

TEST_F(TiskProtokoluTest, PredVypoctemBezSouradnicAVysek)
{
    Nacti(Mistni, false);
    ZaznamTisku z;
    Tiskni(Vse, z);
    EXPECT_EQ(z.Hodnota("Denivelace:"), "");
    EXPECT_EQ(z.Hodnota("Nejvyšší místo:"), "");
    // The length of the measured shots stands in for the computed one.
    EXPECT_EQ(z.Hodnota("Celková délka polygonu:"), "25.000 m");
    // Names without coordinates in the point table, labels without values in the profiles.
    for (const auto& t : z.Texty())
        EXPECT_TRUE(t.strana < 3 || t.text.find("0.000") == std::string::npos) << t.text << " on page " << t.strana;
}

TEST_F(TiskProtokoluTest, ZadnyTextNevybihaZeStrany)
{
    // Ten-character names, S-JTSK coordinates of seven digits, a long file name and a long
    // comment, on A4 and on the smaller A5.
    Nacti("! SOU_SYS = JTSK, C_PDB, NUL_HLADINA = 250\n! LOKALITA = \"Jeskyně pod Velkým Kamenným vrchem\" \"1234-56\"\n"
          "* ABCDEFGHIJ 745000.5 1045000.25 300\n"
          "! AZIMUT = KONTROLA\nABCDEFGHIJ KLMNOPQRST 123.456/V 359.999 179.999 -89.5/Z\n");
    k.souborZapisniku = "/" + std::string(150, 'd') + "/jeskyně.mer";
    for (const auto& [sirka, vyska] : {std::pair(200.0, 287.0), std::pair(138.0, 200.0)}) {
        ZaznamTisku z(sirka, vyska);
        k.komentarZpravy = std::string(80, 'W');
        BehTisku beh = BehProtokolu(k, "01.02.2024 - 10:00:00", FormatCisel{',', "\xC2\xA0"});
        TiskniProtokol(z, PodkladyProtokolu(k), beh, Vse);
        ASSERT_EQ(z.Stran(), 4);
        for (const auto& t : z.texty) {
            EXPECT_GE(t.x, 0) << t.text << " " << sirka;
            EXPECT_LE(t.x + t.sirka, sirka + 1e-9) << t.text << " " << sirka;
            EXPECT_GE(t.y, 0) << t.text;
            EXPECT_LE(t.y + t.velikost * 25.4 / 72, vyska) << t.text;
        }
        for (const auto& c : z.cary)
            EXPECT_TRUE(c.x1 >= 0 && c.x2 <= sirka && c.y1 >= 0 && c.y2 <= vyska) << c.x1 << " " << c.y2;
    }
}

TEST_F(TiskProtokoluTest, SelhaniKonceDokumentuSeOhlasi)
{
    Nacti(Mistni);
    ZaznamTisku z;
    z.chybaKonce = "Soubor /x.pdf nelze uložit: Disk je plný.";
    EXPECT_EQ(Tiskni(Titul, z), "Soubor /x.pdf nelze uložit: Disk je plný.");
}

} // namespace
} // namespace lomvira
