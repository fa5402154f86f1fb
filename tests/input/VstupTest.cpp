// The notebook lexer: lines, token classes, numbers and angles, words, quoted texts,
// bracketed blocks, comments, and inputs that must never trip it.

#include "common/Platforma.h"
#include "input/Vstup.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-12;

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

TEST(VstupRadky, SmiseneKonceRadkuAZacatkyVTextu)
{
    struct Radek {
        const char* text;
        std::size_t zacatek;
        bool lf;
    };
    // A lone CR ends a line as LF and CR LF do; the last line needs no terminator.
    const std::vector<Radek> radky = {{"AB", 1, false}, {"CD", 5, true}, {"E", 8, false}, {"F", 10, false},
                                      {"", 13, true},   {"GH", 14, false}};
    Vstup v = Zapisnik("AB\r\nCD\nE\rF\r\n\nGH");
    for (const Radek& r : radky) {
        ASSERT_FALSE(v.Konec()) << r.text;
        EXPECT_EQ(v.Radek(), r.text);
        EXPECT_EQ(v.ZacatekRadku(), r.zacatek) << r.text;
        EXPECT_EQ(v.KonecLF, r.lf) << r.text;
        v.NovyRadek();
    }
    EXPECT_TRUE(v.Konec());
    v.NovyRadek(); // reading past the end stays harmless
    EXPECT_TRUE(v.Konec());
    EXPECT_EQ(v.Radek(), "");
    v.NaZacatek();
    EXPECT_EQ(v.Radek(), "AB");
}

TEST(VstupRadky, KonecTextu)
{
    EXPECT_TRUE(Zapisnik("").Konec());
    // A last line of one character without a terminator is already the end.
    Vstup v = Zapisnik("AB\nC");
    v.NovyRadek();
    EXPECT_TRUE(v.Konec());
    v = Zapisnik("AB\n");
    v.NovyRadek();
    EXPECT_TRUE(v.Konec());

    v = Zapisnik("A 12 # pozn (x\nB");
    v.OriznoutKomentar = true;
    v.NaZacatek();
    EXPECT_EQ(v.Radek(), "A 12 ");
}

TEST(VstupTridy, CoNasledujeAZacatekSlova)
{
    struct Pripad {
        const char* radek;
        int trida;
    };
    const std::vector<Pripad> pripady = {
        {"12", 1},   {"+5", 1},   {"-.5", 1}, {".5", 1},  {"+A", 3},  {". 5", 3},   {"-", 3},
        {"abc", 2},  {"=", 5},    {"\"x\"", 6}, {"/", 7}, {",", 0},   {";", 0},    {"#", 8},
        {"(", 9},    {")", 9},    {"!", 4},   {"*", 4},   {"č", 3},   {"°", 3},    {"", -2},
        {" \t ", -2},
    };
    for (const Pripad& p : pripady) {
        Vstup v = Zapisnik(p.radek);
        EXPECT_EQ(v.CoNasleduje(), p.trida) << p.radek;
        EXPECT_EQ(v.Poloha(), 0) << p.radek;
    }
    EXPECT_EQ(Zapisnik("   \nX").CoNasleduje(), -1);
    EXPECT_TRUE(Zapisnik("  \r\nX").KonecRadku());

    // Configured characters win over the built-in classes, the control character last.
    Vstup v = Zapisnik("! /");
    v.Oddelovac(",;!");
    v.Komentar("/");
    EXPECT_EQ(v.CoNasleduje(), 4);
    v.GetZnak();
    EXPECT_EQ(v.CoNasleduje(), 8);

    // Tabs expand to the next multiple of eight; a Czech letter is one character.
    v = Zapisnik("ab\tX \"č\" Y");
    v.GetKS();
    v.CoNasleduje();
    EXPECT_EQ(v.ZacatekSlova(), 4);
    EXPECT_EQ(v.ZacatekSlovaC(), 9);
    v.GetKS();
    v.GetPTH();
    v.CoNasleduje();
    EXPECT_EQ(v.ZacatekSlova(), 11);
    EXPECT_EQ(v.ZacatekSlovaC(), 15);
    v.GetKS();
    v.CoNasleduje();
    EXPECT_EQ(v.ZacatekSlovaC(), 0);
}

TEST(VstupCisla, CislaAUhly)
{
    struct Pripad {
        const char* radek;
        bool dms;
        double hodnota;
        int poloha; // column after the read
    };
    const std::vector<Pripad> pripady = {
        {"-12°30'", true, -12.5, 8},
        {"12°30", true, 12.5, 6},
        {"12°30'36\" X", true, 12.51, 10},
        {"12^30'36\"", true, 12.51, 9},
        {"-0°30'", true, -0.5, 7},
        {"-30'", true, -0.5, 4},     // minutes alone keep their sign
        {"30'15", true, 0.5 + 15.0 / 3600.0, 5},
        {"12°30' 5", true, 12.5, 7}, // a blank ends the angle
        {"12°30", false, 12.0, 2},   // without angles the degree sign stops the number
        {"1.5E2", true, 150.0, 5},
        {"1.5e-2", true, 0.015, 6},
        {"12-3 X", true, 12.0, 4},
        {"1.5-3", true, 1.5, 3},
        {"+.5", true, 0.5, 3},
        {"12 , 13", true, 12.0, 4},
        {"12;13", true, 12.0, 3},
        {"12E", true, 12.0, 3},
        {"ABC", true, 0.0, 0},
    };
    for (const Pripad& p : pripady) {
        Vstup v = Zapisnik(p.radek);
        v.UhlyDMS = p.dms;
        EXPECT_NEAR(v.GetCislo(), p.hodnota, Tol) << p.radek;
        EXPECT_EQ(v.Poloha(), p.poloha) << p.radek;
        EXPECT_FALSE(v.CisloMimoRozsah()) << p.radek;
    }

    Vstup v = Zapisnik("12,,13 , 14");
    EXPECT_EQ(v.GetCislo(), 12.0);
    EXPECT_EQ(v.GetCislo(), 0.0);
    EXPECT_EQ(v.Poloha(), 3);
    EXPECT_EQ(v.CoNasleduje(), 0);
}

TEST(VstupCisla, CisloMimoRozsahNeniNekonecno)
{
    // The last one: each part fits, their sum does not.
    const std::string devitky(400, '9');
    const std::vector<std::string> radky = {"1e999", "-1E999", devitky, "1.79e308°" + std::string(308, '9') + "'"};
    for (const std::string& radek : radky) {
        Vstup v = Zapisnik(radek + " 7");
        EXPECT_EQ(v.GetCislo(), 0.0) << radek;
        EXPECT_TRUE(v.CisloMimoRozsah()) << radek;
        EXPECT_EQ(v.GetCislo(), 7.0) << radek;
        EXPECT_FALSE(v.CisloMimoRozsah()) << radek;
    }
    // Too small to tell from zero is zero, not an error.
    Vstup v = Zapisnik("1e-999");
    EXPECT_EQ(v.GetCislo(), 0.0);
    EXPECT_FALSE(v.CisloMimoRozsah());
    v = Zapisnik("5/d 1e999/G");
    v.GetHodnota();
    v.GetHodnota();
    EXPECT_TRUE(v.CisloMimoRozsah());
    EXPECT_EQ(v.Parametr(), "G");
}

TEST(VstupCisla, HodnotaSPriponou)
{
    Vstup v = Zapisnik("12.5/d 120/G/R, 7/ , 8 9/D , 10 11/");
    // A separator after the suffix belongs to the field, as after a bare number.
    const std::vector<std::pair<double, std::string>> hodnoty = {{12.5, "D"}, {120.0, "GR"}, {7.0, ""}, {8.0, ""},
                                                                 {9.0, "D"},  {10.0, ""},    {11.0, ""}};
    for (const auto& [hodnota, parametr] : hodnoty) {
        EXPECT_EQ(v.GetHodnota(), hodnota);
        EXPECT_EQ(v.Parametr(), parametr) << hodnota;
    }
    EXPECT_EQ(v.CoNasleduje(), -2);
}

TEST(VstupSlova, GetSL)
{
    Vstup v = Zapisnik("ABc12 -12°30' 1.5e2;12-3 @x ,ž");
    EXPECT_EQ(Cti(v, &Vstup::GetSL, 2), (Slova{"ABC", "12"}));
    EXPECT_EQ(v.Poloha(), 6); // the blank after the number is consumed
    // Angles whatever UhlyDMS says; the comma ends an empty word.
    EXPECT_EQ(Cti(v, &Vstup::GetSL, 9), (Slova{"-12.5", "1.5E2", "12", "-3", "@", "X", "", "ž", ""}));

    v = Zapisnik("abc");
    v.VelkaPismena = false;
    EXPECT_EQ(v.GetSL(), "abc");
}

TEST(VstupSlova, GetKSAGetRovnitko)
{
    Vstup v = Zapisnik("! DATUM = 2003");
    EXPECT_EQ(v.GetZnak(), "!");
    EXPECT_EQ(v.GetKS(), "DATUM");
    EXPECT_TRUE(v.GetRovnitko());
    EXPECT_FALSE(v.GetRovnitko());
    EXPECT_EQ(v.GetCislo(), 2003.0);

    v = Zapisnik("vzdalenost,sik Kůň , b\tc d*e f=g");
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 6), (Slova{"VZDALENOST", "SIK", "KŮŇ", "B", "C", "D"}));
    EXPECT_EQ(v.CoNasleduje(), 4);
    v.GetZnak();
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 2), (Slova{"E", "F"}));
    EXPECT_EQ(v.CoNasleduje(), 5);

    // A comment or a bracket right after a name is left for its own reader.
    v = Zapisnik("BOD1#pozn");
    EXPECT_EQ(v.GetKS(), "BOD1");
    EXPECT_EQ(v.GetKomentar(), "pozn");
    v = Zapisnik("BOD2(a)");
    EXPECT_EQ(v.GetKS(), "BOD2");
    EXPECT_EQ(v.CoNasleduje(), 9);

    v = Zapisnik("Dlouhe jmeno  x");
    v.MezeraVeSlove = true;
    v.VelkaPismena = false;
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 2), (Slova{"Dlouhe jmeno", "x"}));
}

TEST(VstupSlova, GetPTH)
{
    test::FakePlatforma platforma;
    Vstup v = Zapisnik(R"(  "  Jeskyně u Pískovny " , x "abc" "neuzavřeno)", &platforma);
    EXPECT_EQ(v.GetPTH(), "JESKYNĚ U PÍSKOVNY ");
    EXPECT_EQ(v.CoNasleduje(), 2); // the comma went with the text
    EXPECT_EQ(v.GetPTH(), "");
    EXPECT_EQ(v.GetKS(), "X");
    v.VelkaPismena = false;
    EXPECT_EQ(v.GetPTH(), "abc");
    EXPECT_TRUE(platforma.boxes.empty());
    EXPECT_EQ(v.GetPTH(), "neuzavřeno");
    ASSERT_EQ(platforma.boxes.size(), 1u);
    EXPECT_EQ(platforma.boxes[0].text, "Chybí konec uvozovek!");
    EXPECT_EQ(platforma.boxes[0].style & MsgBox::ButtonMask, MsgBox::OkOnly);

    v = Zapisnik(" , \"x\"");
    EXPECT_EQ(Cti(v, &Vstup::GetPTH, 2), (Slova{"", "X"}));
}

TEST(VstupZavorky, BlokPresViceRadku)
{
    const std::string text = "! DELKOMER = ( Pasmo # (x\r\n! PRE = (1) \n)  rest\n";
    Vstup v = Zapisnik(text);
    v.GetZnak();
    v.GetKS();
    v.GetRovnitko();
    ASSERT_EQ(v.CoNasleduje(), 9);
    EXPECT_EQ(v.GetZavorka(), " Pasmo # (x\r\n! PRE = (1) \r\n");
    EXPECT_EQ(v.Chyba(), 0);
    EXPECT_EQ(v.Radek(), ")  rest");
    EXPECT_EQ(v.Poloha(), 1);
    EXPECT_EQ(v.GetKS(), "REST");

    // The closing bracket on a last line of one character still closes.
    v = Zapisnik("(a\n)");
    v.ZavorkaJednoradkova = true;
    EXPECT_EQ(v.GetZavorka(), "a  ");
    EXPECT_EQ(v.Chyba(), 0);

    v = Zapisnik("|a|b");
    v.Zavorka("|");
    EXPECT_EQ(v.GetZavorka(), "a");
    EXPECT_EQ(v.Poloha(), 3);
}

TEST(VstupZavorky, ChybyBloku)
{
    Vstup v = Zapisnik("x\nA = (abc\nde(f)\n");
    v.NovyRadek();
    v.GetKS();
    v.GetRovnitko();
    EXPECT_EQ(v.GetZavorka(), "abc\r\nde(f)\r\n");
    EXPECT_EQ(v.Chyba(), 12);
    EXPECT_EQ(v.Radek(), "A = (abc");
    EXPECT_EQ(v.ZacatekRadku(), 3u);
    EXPECT_EQ(v.Poloha(), 5);
    v.NovyRadek(); // and reading goes on from there
    EXPECT_EQ(v.Radek(), "de(f)");

    v = Zapisnik("  X (");
    EXPECT_EQ(v.GetZavorka(), "");
    EXPECT_EQ(v.Chyba(), 11);
    EXPECT_EQ(v.Poloha(), 0);
}

TEST(VstupKomentare, GetKomentarAZnaky)
{
    Vstup v = Zapisnik("  # text (x)");
    EXPECT_EQ(v.GetKomentar(), " text (x)");
    EXPECT_EQ(v.Chyba(), 0);
    EXPECT_EQ(v.Poloha(), 3);
    v = Zapisnik("  x # y");
    EXPECT_EQ(v.GetKomentar(), "");
    EXPECT_EQ(v.Chyba(), 21);
    EXPECT_EQ(v.Poloha(), 0);

    v = Zapisnik(" čx ,");
    EXPECT_EQ(v.GetZnak(), "č");
    EXPECT_EQ(v.Poloha(), 3);
    EXPECT_EQ(Cti(v, &Vstup::GetZN, 2), (Slova{"x", " "}));
    EXPECT_EQ(v.GetZnak(), ""); // a separator is not taken
    EXPECT_EQ(v.Poloha(), 5);
    EXPECT_EQ(Cti(v, &Vstup::GetZN, 2), (Slova{",", ""}));
    EXPECT_EQ(v.GetZnak(), "");
}

// Reads every token of every line the way a parser would, and insists on progress.
void Projdi(Vstup& v)
{
    std::size_t kroky = 0;
    const std::size_t mez = 4 * v.Soubor().size() + 20;
    for (v.NaZacatek(); !v.Konec(); v.NovyRadek()) {
        while (!v.KonecRadku()) {
            ASSERT_LT(++kroky, mez);
            const int pred = v.Poloha();
            const std::size_t radek = v.ZacatekRadku();
            switch (v.CoNasleduje()) {
            case 0: v.GetZN(); break;
            case 1: EXPECT_TRUE(std::isfinite(v.GetHodnota())); break;
            case 2: v.GetKS(); break;
            case 6: v.GetPTH(); break;
            case 8: v.GetKomentar(); v.GetZN(); break;
            case 9:
                if (v.Radek()[v.ZacatekSlova() - 1] == '(')
                    v.GetZavorka();
                else
                    v.GetZnak();
                break;
            default: v.GetZnak(); break;
            }
            ASSERT_LE(v.Poloha(), v.DelkaRadku());
            ASSERT_TRUE(v.Poloha() != pred || v.ZacatekRadku() != radek);
        }
    }
}

TEST(VstupOdolnost, PodivneVstupyNeprekazi)
{
    test::FakePlatforma platforma;
    const std::vector<std::string> texty = {
        std::string("\0\x01\xFF\xFE\x80\xC2", 6), "\r", "\r\r\n\n\r", "\xC2", "12\xC2", "°'\"^",
        "1e", "1e+", "-.", "((((\n(", "\"", "(\"\n#(\n", "12°30'40\"50\"", "5/", "5/\xC3", "=#=",
        std::string(40000, 'A') + " 12 (" + std::string(300, '(') + "\n)",
    };
    for (const std::string& t : texty) {
        Vstup v = Zapisnik(t, &platforma);
        Projdi(v);
    }
    // Columns do not wrap on a line longer than 16 bits can count.
    Vstup v = Zapisnik(std::string(40000, 'A') + " 12");
    EXPECT_EQ(v.GetKS().size(), 40000u);
    EXPECT_EQ(v.GetCislo(), 12.0);
    EXPECT_EQ(v.DelkaRadku(), 40003);
}

// dowprov.mer, Dow Cave - Providence Pot: based on cave survey data collected 1982-2015, CPC,
// WRCPC, RRCPC (Craven Pothole Club, White Rose Pothole Club, Red Rose Cave and Pothole Club).
TEST(VstupOdolnost, SkutecnyZapisnik)
{
    Vstup v;
    EXPECT_EQ(v.ReadFile(LOMVIRA_TEST_DATA "/neexistuje.mer"), "");
    const std::string text = v.ReadFile(LOMVIRA_TEST_DATA "/dowprov.mer");
    ASSERT_FALSE(text.empty());
    v = Zapisnik(text);
    int komentare = 0, body = 0, mereni = 0;
    for (; !v.Konec(); v.NovyRadek()) {
        const int trida = v.CoNasleduje();
        komentare += trida == 8;
        body += trida == 4;
        mereni += trida == 2;
    }
    EXPECT_EQ((std::vector<int>{komentare, body, mereni}), (std::vector<int>{3, 3, 759}));

    v.NaZacatek();
    for (int i = 0; i < 6; ++i)
        v.NovyRadek();
    EXPECT_EQ(Cti(v, &Vstup::GetKS, 2), (Slova{"S000001", "S000002"}));
    for (double hodnota : {15.26, 116.36105, -32.0})
        EXPECT_NEAR(v.GetHodnota(), hodnota, Tol);
    EXPECT_EQ(v.CoNasleduje(), -1);
}

} // namespace
} // namespace lomvira
