// The notebook lexer: lines, token classes, numbers and angles, words, quoted texts,
// bracketed blocks, comments, and inputs that must never trip it.

#include "common/Platforma.h"
#include "input/Vstup.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lomvira {
namespace {

Vstup Zapisnik(std::string text, Platforma* platforma = nullptr)
{
    Vstup v(platforma);
    v.NastavProZapisnik();
    v.Soubor(std::move(text));
    return v;
}

using Slova = std::vector<std::string>;

// Reads n tokens with one reader.
Slova Cti(Vstup& v, std::string (Vstup::*cti)(), int n)
{
    Slova out;
    while (n-- > 0)
        out.push_back((v.*cti)());
    return out;
}

TEST(VstupTridy, CoNasleduje)
{
    const std::pair<const char*, int> pripady[] = {{"-.5", 1}, {"+A", 3}, {". 5", 3}, {"-", 3}, {"\"x\"", 6},
                                                   {"/", 7},   {";", 0},  {"(", 9},   {"č", 3}, {" \t ", -2}};
    for (const auto& [radek, trida] : pripady)
        EXPECT_EQ(Zapisnik(radek).CoNasleduje(), trida) << radek;
    EXPECT_EQ(Zapisnik("   \nX").CoNasleduje(), -1);
}

TEST(VstupCisla, CislaAUhly)
{
    struct Pripad {
        const char* radek;
        bool dms;
        double hodnota;
        int poloha; // column after the read
    };
    const Pripad pripady[] = {
        {"-12°30'", true, -12.5, 8},
        {"12°30'36\" X", true, 12.51, 10},
        {"12^30'36\"", true, 12.51, 9},
        {"-0°30'", true, -0.5, 7},
        {"-30'", true, -0.5, 4}, // minutes alone keep their sign
        {"30'15", true, 0.5 + 15.0 / 3600.0, 5},
        {"12°30' 5", true, 12.5, 7}, // a blank ends the angle
        {"12°30", false, 12.0, 2},   // without angles the degree sign stops the number
        {"1.5e-2", true, 0.015, 6},
        {"12-3 X", true, 12.0, 4},
        {"12 , 13", true, 12.0, 4},
        {"12E", true, 12.0, 3},
        {"ABC", true, 0.0, 0},
    };
    for (const Pripad& p : pripady) {
        Vstup v = Zapisnik(p.radek);
        v.UhlyDMS = p.dms;
        EXPECT_NEAR(v.GetCislo(), p.hodnota, 1e-12) << p.radek;
        EXPECT_EQ(v.Poloha(), p.poloha) << p.radek;
        EXPECT_FALSE(v.CisloMimoRozsah()) << p.radek;
    }
    Vstup v = Zapisnik("12,,13");
    EXPECT_EQ(v.GetCislo(), 12.0);
    EXPECT_EQ(v.GetCislo(), 0.0); // an empty field
    EXPECT_EQ(v.Poloha(), 3);
}

TEST(VstupCisla, CisloMimoRozsahNeniNekonecno)
{
    // The last one: each part fits, their sum does not.
    const std::string radky[] = {"1e999", "-1E999", std::string(400, '9'),
                                 "1.79e308°" + std::string(308, '9') + "'"};
    for (const std::string& radek : radky) {
        Vstup v = Zapisnik(radek + " 7");
        EXPECT_EQ(v.GetCislo(), 0.0) << radek;
        EXPECT_TRUE(v.CisloMimoRozsah()) << radek;
        EXPECT_EQ(v.GetCislo(), 7.0) << radek;
        EXPECT_FALSE(v.CisloMimoRozsah()) << radek;
    }
    EXPECT_FALSE(Zapisnik("1e-999").CisloMimoRozsah()); // too small to tell from zero is zero, not an error
}

TEST(VstupSlova, GetKSAGetRovnitko)
{
    Vstup v = Zapisnik("! DATUM = 2003");
    EXPECT_EQ((std::tuple{v.GetZnak(), v.GetKS(), v.GetRovnitko(), v.GetRovnitko(), v.GetCislo()}),
              std::tuple("!", "DATUM", true, false, 2003.0));
    v = Zapisnik("vzdalenost,sik Kůň , b\tc d*e f=g");
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 6), (Slova{"VZDALENOST", "SIK", "KŮŇ", "B", "C", "D"}));
    EXPECT_EQ(v.CoNasleduje(), 4);
    v.GetZnak();
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 2), (Slova{"E", "F"}));
    EXPECT_EQ(v.CoNasleduje(), 5);

    // A comment or a bracket right after a name is left for its own reader.
    v = Zapisnik("BOD1#pozn");
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 1), Slova{"BOD1"});
    EXPECT_EQ(v.GetKomentar(), "pozn");
    v = Zapisnik("BOD2(a)");
    EXPECT_EQ(v.GetKS(), "BOD2");
    EXPECT_EQ(v.CoNasleduje(), 9);
}

TEST(VstupSlova, GetPTH)
{
    test::FakePlatforma platforma;
    Vstup v = Zapisnik(R"(  "  Jeskyně u Pískovny " , x "abc" "neuzavřeno)", &platforma);
    EXPECT_EQ(v.GetPTH(), "JESKYNĚ U PÍSKOVNY ");
    EXPECT_EQ(v.CoNasleduje(), 2); // the comma went with the text
    EXPECT_EQ(v.GetKS(), "X");
    v.VelkaPismena = false;
    EXPECT_EQ(v.GetPTH(), "abc");
    EXPECT_TRUE(platforma.boxes.empty());
    EXPECT_EQ(v.GetPTH(), "neuzavřeno");
    ASSERT_EQ(platforma.boxes.size(), 1u);
    EXPECT_EQ(platforma.boxes[0].text, "Chybí konec uvozovek!");
}

TEST(VstupZavorky, BlokyAJejichChyby)
{
    Vstup v = Zapisnik("! DELKOMER = ( Pasmo # (x\r\n! PRE = (1) \n)  rest\n");
    v.GetZnak();
    v.GetKS();
    v.GetRovnitko();
    EXPECT_EQ(v.GetZavorka(), " Pasmo # (x\r\n! PRE = (1) \r\n");
    EXPECT_EQ(std::tuple(v.Chyba(), v.Radek(), v.Poloha()), std::tuple(0, ")  rest", 1));
    EXPECT_EQ(v.GetKS(), "REST");

    // Unclosed: error 12 and the reader back on the line where the block began.
    v = Zapisnik("x\nA = (abc\nde(f)\n");
    v.NovyRadek();
    v.GetKS();
    v.GetRovnitko();
    EXPECT_EQ(v.GetZavorka(), "abc\r\nde(f)\r\n");
    EXPECT_EQ(std::tuple(v.Chyba(), v.Radek(), v.ZacatekRadku(), v.Poloha()), std::tuple(12, "A = (abc", 3u, 5));
    v.NovyRadek();
    EXPECT_EQ(v.Radek(), "de(f)");

    v = Zapisnik("  X (");
    EXPECT_EQ(v.GetZavorka(), "");
    EXPECT_EQ(std::pair(v.Chyba(), v.Poloha()), std::pair(11, 0));

    v = Zapisnik("  x # y");
    EXPECT_EQ(v.GetKomentar(), "");
    EXPECT_EQ(std::pair(v.Chyba(), v.Poloha()), std::pair(21, 0));
}

} // namespace
} // namespace lomvira
