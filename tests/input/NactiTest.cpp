// The notebook parser: commands, definitions, the coordinate system, given points,
// measurement lines with their units, modes and attributes, and where each error is.
// Every notebook is written for its test; expectations are worked out by hand.

#include "input/Nacti.h"
#include "common/Cisla.h"
#include "common/Nastaveni.h"
#include "input/VypisZapisniku.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-12;
const std::string CRLF = "\r\n";
using Texty_ = std::vector<std::string>;

double Stupne(double d)
{
    return d / 180.0 * PI;
}
double Grady(double g)
{
    return g / 200.0 * PI;
}

// Each pair is a value and what it should be, within `tol`.
void Blizko(std::initializer_list<std::pair<double, double>> dvojice, double tol = Tol)
{
    int i = 0;
    for (const auto& [hodnota, ocekavano] : dvojice) {
        ++i;
        EXPECT_NEAR(hodnota, ocekavano, tol) << "pair " << i;
    }
}

// The 1-based byte index at which line `cislo` (1-based) of the text starts.
std::int32_t ZacatekRadku(const std::string& text, int cislo)
{
    std::size_t pos = 0;
    for (int i = 1; i < cislo; ++i)
        pos = text.find('\n', pos) + 1;
    return static_cast<std::int32_t>(pos + 1);
}

class NactiTest : public ::testing::Test {
protected:
    Nacti& Parsuj(const std::string& text, bool interaktivni = true)
    {
        n = std::make_unique<Nacti>(p, volby);
        n->Zapisnik(text);
        n->Interaktivni = interaktivni;
        n->Zpracuj();
        return *n;
    }
    const Mereni& M(int i) const
    {
        const Mereni* m = n->MereniZaznam(i);
        EXPECT_NE(m, nullptr) << "record " << i;
        static const Mereni prazdne;
        return m ? *m : prazdne;
    }
    // The error, its line text and its start; the line is given by its number.
    void OcekavejChybu(const std::string& text, int cislo, int radek, int help = 0)
    {
        SCOPED_TRACE(text);
        ASSERT_EQ(n->Error(), cislo);
        EXPECT_TRUE(n->IsError());
        const std::size_t z = static_cast<std::size_t>(ZacatekRadku(text, radek) - 1);
        std::string r = text.substr(z, text.find('\n', z) - z);
        if (!r.empty() && r.back() == '\r')
            r.pop_back();
        EXPECT_EQ(std::tuple(n->ErrorRowStart(), n->ErrorRowLen(), n->ErrorRow(), n->ErrorHelp()),
                  std::tuple(static_cast<std::int32_t>(z + 1), static_cast<std::int32_t>(r.size()), r, help));
    }
    // A record's overrides: azimuth units, inclination units, length mode, inclination mode.
    std::tuple<int, int, int, int> Prepisy(int i) const
    {
        const Mereni& m = M(i);
        return {m.jednotkyAzimutu, m.jednotkySklonu, m.zpusobDelky, m.zpusobSklonu};
    }
    std::vector<std::string> Texty() const
    {
        std::vector<std::string> out;
        for (const auto& b : p.boxes)
            out.push_back(b.text);
        return out;
    }

    test::FakePlatforma p;
    Volby volby;
    std::unique_ptr<Nacti> n;
};

// --- the main loop and the warning box ---------------------------------------------------

TEST_F(NactiTest, EmptyAndCommentOnlyNotebooks)
{
    Parsuj("");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(Texty(), Texty_{"nebyl zadan soubor zapisniku"});

    p.boxes.clear();
    Parsuj("# jen komentář\r\n\r\n   \r\n# druhý\r\n   ");
    EXPECT_FALSE(n->IsError());
    EXPECT_TRUE(p.boxes.empty());
    EXPECT_EQ(std::tuple(n->MereniCount(), n->ErrorRowStart(), n->ErrorRowLen(), n->ErrorHelp()),
              std::tuple(0, 0, 0, 0));
    EXPECT_EQ(n->MereniZaznam(0), nullptr);
    EXPECT_EQ(n->MereniZaznam(1), nullptr);
}

TEST_F(NactiTest, WarningsAreSilentWhenNotInteractive)
{
    Parsuj("# x");
    n->Interaktivni = false;
    EXPECT_EQ(n->MyMsgBox("a", MsgBox::YesNoCancel | MsgBox::DefaultButton2), MsgBox::No);
    EXPECT_TRUE(p.boxes.empty());
    n->Interaktivni = true;
    p.answers.push_back(MsgBox::Cancel);
    EXPECT_EQ(n->MyMsgBox("a", MsgBox::YesNoCancel | MsgBox::DefaultButton2, "titulek", 77), MsgBox::Cancel);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].helpContext, 77);
}

// --- commands ------------------------------------------------------------------------------

TEST_F(NactiTest, LocalityDatePlaceAndLayer)
{
    Parsuj("! LOKALITA = \"Jeskyně pod Hradem\" \"12-34\"\r\n! LOKALITA = \"Jiná\" \"99\"\r\n! DATUM = "
           "20240315.6\r\n"
           "! MISTO = \"Velký dóm\"\r\n! POLYGON = horni\r\nA1 A2 10 20 0\r\n! MISTO = chodba\r\n! LAYER = "
           "dolni\r\n"
           "A2 A3 10 20 0 P=HORNI\r\n! VRSTVA = DOLNI\r\n! DATUM = 20031532\r\nA3 A4 10 20 0\r\n");
    ASSERT_FALSE(n->IsError());
    const Lokalita& l = n->LokalitaZapisniku();
    EXPECT_EQ(std::tuple(l.jmeno, l.cislo, l.zacatekPrikazu), std::tuple("Jeskyně pod Hradem", "12-34", 1));
    // The second LOKALITA only warns.
    EXPECT_EQ(Texty(), Texty_{"Lokalitu lze zadat pouze jednou!"});

    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_EQ(M(1).datum, 20240316); // rounded
    EXPECT_EQ(M(3).datum, 20031532); // month 15 is accepted
    EXPECT_EQ(n->Datum(), 20031532);
    EXPECT_EQ(std::tuple(M(1).misto, M(1).vrstva, M(2).misto), std::tuple(1, 1, 2));
    EXPECT_EQ(M(2).vrstva, 1); // its own P attribute beats the current layer 2
    EXPECT_EQ(M(3).vrstva, 2); // "DOLNI" again
    EXPECT_EQ(n->Mista().ItemNo(std::string("Velký dóm")), 1); // quoted: case kept
    EXPECT_EQ(n->Mista().ItemNo(std::string("CHODBA")), 2);    // a word: upper case
    EXPECT_EQ(n->Vrstvy().Count(), 2);
}

TEST_F(NactiTest, LocalityNameIsTheFileNameUntilALocalityCommand)
{
    n = std::make_unique<Nacti>(p, volby);
    n->JmenoSouboru("jeskyne.mer");
    n->Zapisnik("A B 1 2 3");
    n->Zpracuj();
    EXPECT_EQ(std::tuple(n->LokalitaZapisniku().jmeno, n->LokalitaZapisniku().zacatekPrikazu),
              std::tuple("jeskyne.mer", 0));
}

TEST_F(NactiTest, CommandWordsAreKnownByTheirOneLetterForms)
{
    // VODA (V: VZD), AHOJ (A: HOR_UH), SKLON (S: VER_UH), PRESNOST (P: VYP_POM),
    // KOORD (K: SOU_SYS), DEK (DEKLINACE).
    Parsuj("!DATUM=20240101\n! VODA = HLOUBKA\n! AHOJ = KONTROLA\n! SKLON = ZENIT\n! PRESNOST = 1, 2, 3\n"
           "! KOORD = JTSK, C_PDB\n! DEK = 2\nA B 5 10 190 60\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(std::tuple(n->Datum(), n->AzimutKontrola(), n->SourSys().Typ()), std::tuple(20240101, true, 2));
    ASSERT_EQ(n->MereniCount(), 1);
    const Mereni& m = M(1);
    EXPECT_EQ(std::tuple(m.maZpetnyAzimut, m.zpetnyAzimut), std::tuple(true, 190.0));
    // Zenith 60° is 30° above the horizon; a depth of 5 along it is a slope of 10.
    EXPECT_NEAR(m.sikmaDelka, 10.0, 1e-9);
    // The compass's precision is in the anonymous compass's degrees.
    Blizko({{m.sklonRad, Stupne(30)},
            {m.deklinace->Hodnota, Stupne(2)},
            {m.delkomer->Presnost, 0.01},
            {m.kompas.Presnost(), Stupne(2)},
            {m.sklonomer->Presnost, Stupne(3)}});
    EXPECT_EQ(p.boxes.size(), 3u); // VZD, VER_UH and VYP_POM warn; KONTROLA does not
}

TEST_F(NactiTest, DeprecatedInstrumentCommandsWarnAndChangeTheAnonymousInstruments)
{
    const std::string text =
        "! VZDALENOST = VODOROVNA\r\n! HOR_UHEL = GRAD, KONTROLA\r\n! VER_UHEL = ZENITOVY, GRAD\r\n"
        "! VYP_POM = 1, 0.5, 0.01/R\r\nA B 10 100 300 50\r\n";
    const std::string uvod = "V zápisníku je použit zastaralý zpusob zadání měřidla:" + CRLF;
    const std::string lepsi = "Pro určení vlastností a způsobu zadávání ";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(
        Texty(),
        (Texty_{
            uvod + "! VZDALENOST = VODOROVNA" + CRLF + lepsi + "vzdálenosti je lepší použít příkaz DELKOMER.",
            uvod + "! HOR_UHEL = GRAD, KONTROLA" + CRLF + lepsi + "azimutu je lepší použít příkaz KOMPAS.",
            uvod + "! VER_UHEL = ZENITOVY, GRAD" + CRLF + lepsi + "sklonu je lepší použít příkaz SKLONOMER.",
            "Výpočtový poměr je lepší zadávat jako součást měřidla."}));
    for (const auto& b : p.boxes)
        EXPECT_EQ(b.style & MsgBox::IconMask, MsgBox::Information);

    // Horizontal tape, compass and clinometer in grads, zenith angles, forward and back.
    const Mereni& m = M(1);
    EXPECT_EQ(std::tuple(m.delkomer->Zpusob, m.kompas.Jednotky(), m.sklonomer->Zpusob, m.sklonomer->Jednotky),
              std::tuple(1, 1, 1, 1));
    EXPECT_EQ(std::tuple(m.zpusobDelky, m.jednotkyAzimutu),
              std::tuple(-1, -1));              // no suffix letters: no overrides
    EXPECT_EQ(m.kompas.HodnotaOdchylky(), 0.0); // HOR_UH with a unit adds a deviation 0
    Blizko({{m.delkomer->Presnost, 0.01},
            {m.kompas.Presnost(), Grady(0.5)},
            {m.sklonomer->Presnost, 0.01},
            {m.stredniAzimut, PI / 2},
            {m.sklonRad, PI / 4}});
    EXPECT_NEAR(m.sikmaDelka, 10 / std::cos(PI / 4), 1e-9);

    // Not interactive: the same notebook warns nobody.
    p.boxes.clear();
    Parsuj(text, false);
    EXPECT_FALSE(n->IsError());
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiTest, BackAzimuthModeSwitchesOnAndOff)
{
    Parsuj("! AZIMUT = KONTROLA\nA B 10 20 200 5\n! AZIMUT = JEDNODUSE\nB C 10 20 5\n");
    ASSERT_FALSE(n->IsError());
    EXPECT_EQ(std::tuple(M(1).maZpetnyAzimut, M(1).sklon), std::tuple(true, 5.0));
    EXPECT_EQ(std::tuple(M(2).maZpetnyAzimut, M(2).zpetnyAzimut, M(2).sklon), std::tuple(false, 0.0, 5.0));
    EXPECT_FALSE(n->AzimutKontrola());
}

// --- errors and their lines -------------------------------------------------------------

TEST_F(NactiTest, ErrorsAndTheirLines)
{
    struct Pripad {
        std::string text;
        int chyba, radek, zaznamu = 0, help = 0;
    };
    std::vector<Pripad> pripady = {
        {"! HOR_UH = KON\nA B 10 20\n", 4, 2, 1}, // no back azimuth in the back-azimuth mode
        {"A B 1 2 3\n! DELKOMER = PASMO\n", 52, 2, 1},
        {"! KOMPAS = ( K )\n! KOMPAS = L, 2\n", 52, 2},
        {"! KOMPAS =\n", 51, 1},
        {"! SKLONOMER = , 5\n", 51, 1},
        // An error inside a definition block is on the block's line that holds it: the
        // name's line, the faulty property's line, the last line when the name is missing.
        {"! SKLONOMER = (\n\n  )\n", 51, 3},
        {"! DELKOMER = ( P )\n! DELKOMER = ( P )\n", 53, 2},
        {"! SKLONOMER = ( S )\n! SKLONOMER = ( S\n! PRE = 1\n)\n", 53, 2},
        {"! DELKOMER = ( P\n  PRE = 1 )\n", 43, 2},
        {"! DELKOMER = ( P\n! ODCH = 1\n)\n", 43, 2},
        {"! KOMPAS = ( K\n! ZPU = SIK\n)\n", 43, 2},
        {"! KOMPAS = ( K )\n! KOMPAS = ( K\n! JED = G\n)\n", 43, 3}, // a repeated compass takes ODCH only
        {"! DELKOMER = ( P\n! PRE 1\n)\n", 2, 2},
        {"! DELKOMER = ) P\n", 811, 1},
        {"! KOMPAS = ) K\n", 911, 1},
        {"! SKLONOMER = ) S\n", 1011, 1},
        // An unclosed block leaves the reader on the line where it began.
        {"# x\n! DELKOMER = ( P\n! PRE = 1\nA B 1 2 3\n", 812, 2},
        {"! KOMPAS = ( K\n! PRE = 1\nA B 1 2 3\n", 912, 1},
        {"! SKLONOMER = ( S # (\nA B 1 2 3\n", 1012, 1},
    };
    // A date of zero or none is error 1401.
    for (const std::string radek : {"! DATUM = 0", "! DATUM =", "! DATUM = pondeli", "! DATUM = 0.4"})
        pripady.push_back({"A B 1 2 3\n" + radek + "\nB C 1 2 3\n", 1401, 2, 1});
    // Unknown words, SADA and KOMPAR among them, are error 2.
    for (const std::string radek : {"! SADA = 1", "! KOMPAR = 1", "! KOMPARACE = 1", "! XYZ = 1",
                                    "! DATUM 20240101", "! = 5", "!", "! 123 = 5"})
        pripady.push_back({"# a\r\n" + radek + "\r\n", 2, 2});
    // Numbers too large for a double.
    for (const std::string radek :
         {"! SOU_SYS = 1e999", "! SOU_SYS = JTSK, 1e999/g", "! SOU_SYS = JTSK, C_PDB, NUL_HLADINA = 1e999",
          "! DEKLINACE = 1e999", "! DEKLINACE = 1e999, 20240101", "! DEKLINACE = 2, 20240101, 1e999",
          "! KOMPAS = ( K )\n! KOMPAS = K, 1e999", "* A1 1e999 2 3", "* A1 1 2 -1e999"})
        pripady.push_back(
            {"# x\n" + radek + "\n", ChybaHodnoty, radek.find('\n') == std::string::npos ? 2 : 3});
    // A faulty measurement line: its record exists, none after it.
    auto Radky = [&](int chyba, int help, std::initializer_list<const char*> radky) {
        for (const std::string r : radky)
            pripady.push_back({"A0 A1 1 1 0\r\n" + r + "\r\nX Y 1 1 1\r\n", chyba, 2, 2, help});
    };
    Radky(1, 0, {"B1", "B1 = 5"});
    Radky(2, 0, {"B1 B2", "B1 B2 x 5"});
    Radky(3, 0, {"B1 B2 10"});
    Radky(5, 0,
          {"B1 B2 10 20 # poznámka", "B1 B2 10 20 x", "B1 B2 10 20 A=\"a\""}); // a comment: no inclination
    Radky(6, 1010,
          {"B1 B2 10 20 5 Q=1", "B1 B2 10 20 5 A 1", "B1 B2 10 20 5 A=5", "B1 B2 10 20 5 P=\"x\"",
           "B1 B2 10 20 5 B="});
    // Values no shot can have.
    Radky(ChybaHodnoty, 0,
          {"B1 B2 0 20 5", "B1 B2 10/V 20 90", "B1 B2 10/V 20 -90", "B1 B2 10/V 20 0/Z", "B1 B2 10/H 20 0",
           "B1 B2 1e999 20 5", "B1 B2 10 1e999 5", "B1 B2 10 20 1e999"});
    for (const Pripad& c : pripady) {
        Parsuj(c.text);
        OcekavejChybu(c.text, c.chyba, c.radek, c.help);
        EXPECT_EQ(n->MereniCount(), c.zaznamu) << c.text;
    }
}

// --- instrument definitions and selections ------------------------------------------------

TEST_F(NactiTest, DefinitionBlocksAndSelectionsReachTheRecords)
{
    Parsuj("! DATUM = 20240315\n! DELKOMER = ( PASMO   # hlavní pásmo\n!  ZPUSOB = SIKMA\n!  PRESNOST = "
           "0.5\n  )\n"
           "! KOMPAS = ( BUSOLA\n! JEDNOTKY = GRADY\n)\n! SKLONOMER = (SK)\n! DELKOMER = PASMO\n"
           "! KOMPAS = BUSOLA, 2\n! SKLONOMER = SK\nA B 10 100 5\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    const Mereni& m = M(1);
    EXPECT_EQ(std::tuple(m.delkomer->Jmeno, m.kompas.Jmeno(), m.sklonomer->Jmeno),
              std::tuple("PASMO", "BUSOLA", "SK"));
    // The deviation is the one on the selection line; the azimuth is read in the compass's grads.
    Blizko({{m.delkomer->Presnost, 0.005}, {m.kompas.HodnotaOdchylky(), Grady(2)}, {m.azimutRad, PI / 2}});
    EXPECT_EQ(m.kompas.Odchylka()->Datum, 20240315);
    EXPECT_EQ(n->Meridla().Delkomery().Count(), 1); // no anonymous tape was registered
}

// --- the coordinate system ----------------------------------------------------------------

TEST_F(NactiTest, CoordinateSystemVariants)
{
    const SourSystem* s = nullptr;
    auto Sys = [&](const std::string& text) {
        Parsuj(text);
        EXPECT_FALSE(n->IsError()) << text;
        s = &n->SourSys();
    };
    Sys("# vlastní\n! SOU_SYS = 30/d, BPV\n");
    EXPECT_NEAR(s->Natoceni(), PI / 3, Tol); // π/2 − 30°
    // The omitted handedness word does not swallow BPV.
    EXPECT_EQ(std::tuple(s->Typ(), s->SLev(), s->BPV(), s->JednotkyUhlu(), s->AutomatickaKonvergence(),
                         s->ZpusobVyrovnani()),
              std::tuple(1, 1.0, true, 0, 0, 2));
    EXPECT_EQ(s->ZacatekPrikazu(), 12); // after "# vlastní" and its LF (í is two bytes)

    Sys("! SOU_SYS = 100/G, L\n");
    EXPECT_NEAR(s->Natoceni(), 0.0, Tol);
    EXPECT_EQ(std::tuple(s->Typ(), s->SLev(), s->JednotkyUhlu(), s->BPV()), std::tuple(1, -1.0, 1, false));

    Sys("! SOU_SYS = JTSK, C_PDB, BPV, VIR_VYROV = SPOLECNE, NUL_HLADINA = 250.5\n");
    EXPECT_EQ(std::tuple(s->Typ(), s->SLev(), s->AutomatickaKonvergence(), s->BPV(), s->ZpusobVyrovnani(),
                         s->RelativniVysky(), s->SrovnavaciRovina()),
              std::tuple(2, -1.0, 2, true, 1, 1, 250.5));

    Sys("! SOU_SYS = JTSK_XY, C_TDB, NUL_BOD = a1\n");
    EXPECT_EQ(std::tuple(s->Typ(), s->AutomatickaKonvergence(), s->RelativniVysky(), s->SrovnavaciBod()),
              std::tuple(3, 3, 2, "A1"));

    Sys("! SOU_SYS = JSTK, C_TPB\n");
    EXPECT_EQ(std::tuple(s->Typ(), s->AutomatickaKonvergence()), std::tuple(3, 4));

    Sys("! SOU_SYS = JTSK, 1.5/g\n");
    EXPECT_EQ(std::tuple(s->AutomatickaKonvergence(), s->JednotkyUhlu()), std::tuple(1, 1));
    EXPECT_NEAR(s->Natoceni(), Grady(1.5), Tol);

    // Without a heights word the rotation mode is still read.
    Sys("! SOU_SYS = JTSK, C_PDB, VIR_VYROV = ZADNE\n");
    EXPECT_EQ(std::tuple(s->ZpusobVyrovnani(), s->BPV()), std::tuple(0, false));
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiTest, ZeroConvergenceAsksWhetherToComputeIt)
{
    p.answers.push_back(MsgBox::No);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    ASSERT_EQ(Texty(), Texty_{"Byla zadana nulova meridianova konvergence." + CRLF +
                              "Chcete ji vypocist automaticky?"});
    EXPECT_EQ(p.boxes[0].style & MsgBox::ButtonMask, MsgBox::YesNo);
    EXPECT_EQ(std::tuple(n->SourSys().AutomatickaKonvergence(), n->SourSys().Natoceni()), std::tuple(1, 0.0));

    p.answers.push_back(MsgBox::Yes);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 2);
}

TEST_F(NactiTest, CoordinateSystemErrorsAndWarnings)
{
    struct Pripad {
        std::string text, zprava;
        int chyba, radek, typ, konvergence, vyrovnani; // -1: not checked
    };
    const std::vector<Pripad> pripady = {
        // The first system stays.
        {"! SOU_SYS = JTSK, C_PDB\n! SOU_SYS = JTSK, C_TDB\n", "Souradnicovy system byl jiz zadan", 1, 2, -1,
         2, -1},
        {"* A1 1 2 3\n! SOU_SYS = JTSK, C_PDB\n",
         "Je nutno zadat nejprve souřadný systém a teprve potom dané body!", 1, 2, -1, -1, -1},
        // The word after the convergence takes the heights' place, so the unknown word comes later.
        {"! SOU_SYS = JTSK, C_PDB, BPV, NUL_VYSKA = 5\n", "Chyba v zadani souradneho systemu. (NUL_VYSKA)", 7,
         1, -1, -1, -1},
        // A word without "=" ends the command with a message but no error; nothing is set.
        {"! SOU_SYS = JTSK, C_PDB, BPV, NECO\n", "Chyba v prikazu.", 0, 0, 0, -1, -1},
        // A bad rotation mode only warns; the system is set with the default mode.
        {"! SOU_SYS = JTSK, C_PDB, VIR_VYROV = NIKDY\n", "Chyba - spatne urceni zpusobu matoceni!", 0, 0, 2,
         -1, 2},
        {"! SOU_SYS = JTSK, C_PDB, VIR_VYROV\n", "Chyba - chybi rovnitko v urceni zpusobu natoceni!", 0, 0, 2,
         -1, -1},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.text);
        p.boxes.clear();
        Parsuj(c.text);
        if (c.chyba)
            OcekavejChybu(c.text, c.chyba, c.radek);
        else
            EXPECT_FALSE(n->IsError());
        EXPECT_EQ(Texty(), Texty_{c.zprava});
        const SourSystem& s = n->SourSys();
        for (const auto& [ocekavano, hodnota] :
             {std::pair(c.typ, s.Typ()), std::pair(c.konvergence, s.AutomatickaKonvergence()),
              std::pair(c.vyrovnani, s.ZpusobVyrovnani())}) {
            if (ocekavano >= 0) {
                EXPECT_EQ(hodnota, ocekavano);
            }
        }
    }
    // The message after a word without "=" offers help.
    p.boxes.clear();
    Parsuj(pripady[3].text);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_NE(p.boxes[0].style & MsgBox::HelpButton, 0);
}

// --- given points --------------------------------------------------------------------------

TEST_F(NactiTest, GivenPoints)
{
    const std::string text = "! DATUM = 20240401\n* A1 1000.5 2000.25 300 [ POPIS \"vchod\" ]\n  *b2 1 2 3\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    ASSERT_EQ(n->DBody().Count(), 2);
    const DBod& a = *n->DBody().Bod(1);
    EXPECT_EQ(std::tuple(a.Name(), a.Bod().X, a.Bod().Y, a.Bod().Z),
              std::tuple("A1", 1000.5, 2000.25, 300.0));
    EXPECT_EQ(std::tuple(a.Datum, a.ZacatekRadku), std::tuple(20240401, 20));
    EXPECT_EQ(std::tuple(n->DBody().Bod(2)->Name(), n->DBody().Bod(2)->ZacatekRadku),
              std::tuple("B2", ZacatekRadku(text, 3)));
    // Given points are not stations met in measurement lines.
    EXPECT_EQ(n->PBody().Count(), 0);

    const std::string dvakrat = "* A1 1 2 3\n* A1 4 5 6\n";
    p.boxes.clear();
    Parsuj(dvakrat);
    OcekavejChybu(dvakrat, 5, 2);
    EXPECT_EQ(Texty(), Texty_{"Nelze zadat dva body se stejnym oznacenim (A1)!"});
    EXPECT_EQ(n->DBody().Bod(1)->Bod().X, 1.0);

    for (const std::string neuplny : {"* A1 1 2\n", "* A1\n", "* A1 1 x 3\n", "*\n"}) {
        Parsuj(neuplny);
        OcekavejChybu(neuplny, 4, 1);
        EXPECT_EQ(n->DBody().Count(), 0);
    }
}

// --- measurement lines ------------------------------------------------------------------

TEST_F(NactiTest, MeasurementLinesUnitsModesAndSuffixes)
{
    Parsuj("A1 A2 12.5 45 -3\nA2 A3 10 12°30'36\" 1°30'\nA3 A4 10 50/G 10/G\nA4 A5 10 1/R 0.1/R\nA5 A6 10 "
           "45/D 3/D\n"
           "A6 A7 10 0 80/Z\nA7 A8 10/V 0 60\nA8 A9 5/H 0 -30\nA9 A10 10/V 0\nA10 A11 -7.5 10 0\n"
           "A11 A12 10 100/GD 5/DG\nA12 A13 10 20 5/VZ\na13 a14 3 20\nA14 A15 10/SV 20 5\n");
    ASSERT_FALSE(n->IsError()) << n->Error() << " " << n->ErrorRow();
    ASSERT_EQ(n->MereniCount(), 14);

    EXPECT_EQ(std::tuple(M(1).od, M(1).k, M(1).delka, M(1).azimut, M(1).sklon, M(1).sikmaDelka),
              std::tuple("A1", "A2", 12.5, 45.0, -3.0, 12.5));
    EXPECT_EQ(std::tuple(M(1).radek, M(1).zacatekRadku, M(2).zacatekRadku),
              std::tuple("A1 A2 12.5 45 -3", 1, 18));
    Blizko({{M(2).azimut, 12.51}, {M(2).sklon, 1.5}}); // 12°30'36" and 1°30'

    // 5: letters equal to the instrument's own; 6: zenith 80°; 11: the azimuth unit's first letter
    // wins, the inclination's last.
    Blizko({{M(1).azimutRad, Stupne(45)},
            {M(1).stredniAzimut, Stupne(45)},
            {M(1).sklonRad, Stupne(-3)},
            {M(3).azimutRad, PI / 4},
            {M(3).sklonRad, PI / 20},
            {M(4).azimutRad, 1.0},
            {M(4).sklonRad, 0.1},
            {M(5).azimutRad, Stupne(45)},
            {M(6).sklonRad, Stupne(10)},
            {M(11).azimutRad, PI / 2},
            {M(11).sklonRad, Grady(5)},
            {M(12).sklonRad, PI / 2 - Stupne(5)}});
    // Overrides: azimuth units, inclination units, length mode, inclination mode.
    EXPECT_EQ(Prepisy(3), std::tuple(1, 1, -1, -1));
    EXPECT_EQ(Prepisy(4), std::tuple(2, 2, -1, -1));
    EXPECT_EQ(Prepisy(5), std::tuple(-1, -1, -1, -1));
    EXPECT_EQ(Prepisy(6), std::tuple(-1, -1, -1, 1));
    EXPECT_EQ(Prepisy(7), std::tuple(-1, -1, 1, -1));
    EXPECT_EQ(Prepisy(8), std::tuple(-1, -1, 2, -1));
    EXPECT_EQ(std::get<0>(Prepisy(11)), 1);
    EXPECT_EQ(std::get<2>(Prepisy(14)), 1);

    // Horizontal 10 at 60°; depth 5 at -30°, a positive slope length.
    Blizko({{M(7).sikmaDelka, 20.0}, {M(8).sikmaDelka, 10.0}, {M(14).sikmaDelka, 10 / std::cos(Stupne(5))}},
           1e-9);
    EXPECT_EQ(std::tuple(M(9).sikmaDelka, M(9).sklon), std::tuple(10.0, 0.0)); // horizontal tape, level shot
    EXPECT_EQ(std::tuple(M(10).delka, M(10).sikmaDelka), std::tuple(-7.5, 7.5)); // kept as written
    EXPECT_EQ(std::tuple(M(13).od, M(13).sklon), std::tuple("A13", 0.0));
    EXPECT_EQ(std::tuple(n->PBody().Count(), n->PBody().Bod(1)->Name(), n->PBody().Bod(15)->Name()),
              std::tuple(15, "A1", "A15"));
}

TEST_F(NactiTest, SeparatorsNumericNamesAndTheLastLine)
{
    Parsuj("1,2;10,20;5\r\n* Čáp 1 2 3\r\nčáp Lež 4 5\nLEŽ X 1 2 3");
    ASSERT_FALSE(n->IsError()) << n->Error() << " " << n->ErrorRow();
    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_EQ(std::tuple(M(1).od, M(1).k, M(1).delka, M(1).azimut, M(1).sklon),
              std::tuple("1", "2", 10.0, 20.0, 5.0));
    EXPECT_EQ(n->DBody().Bod(1)->Name(), "ČÁP"); // Czech letters are upper-cased too
    EXPECT_EQ(std::tuple(M(2).od, M(2).k), std::tuple("ČÁP", "LEŽ"));
    EXPECT_EQ(M(3).k, "X"); // a last line without its line end is read

    // A last line of one character without a line end is never processed.
    Parsuj("A B 1 2 3\nX");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(n->MereniCount(), 1);
}

TEST_F(NactiTest, AttributesTextsLayersAndTheLastComment)
{
    Parsuj("#   Vchod u smrku  \nA1 A2 10 20 0 A=\"Vchod do jeskyně\", B=Krápník Z=@ P=Dolni\nA2 A3 10 20 0 "
           "Z=@\n"
           "# druhý komentář\nA3 A4 10 20 0 a=@ # konec\na4 a5 1 2 3 ZZZ=\"z\" BOD=b\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(std::tuple(M(1).textA, M(1).textB, M(1).textZ, M(1).vrstva),
              std::tuple("Vchod do jeskyně", "Krápník", "Vchod u smrku", 1));
    EXPECT_EQ(n->Vrstvy().ItemNo(std::string("Dolni")), 1);
    EXPECT_EQ(std::tuple(M(2).textZ, M(2).vrstva),
              std::tuple("", 0)); // the comment was used by the line before
    EXPECT_EQ(M(3).textA, "druhý komentář");
    // Upper case is back for the names after the attribute values.
    EXPECT_EQ(std::tuple(M(4).od, M(4).textZ, M(4).textB), std::tuple("A4", "z", "b"));
}

TEST_F(NactiTest, ForwardAndBackAzimuths)
{
    const std::string text =
        "! HOR_UH = KON\nA B 10 10/G 210.5/G 0\nB C 10 10 190 0\nC D 10 10 197.5 0\nD E 10 350 172 0\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError());
    // 10 g and 210.5 g differ from a reversal by 0.45°, within the 5° of a zero tolerance.
    EXPECT_EQ(M(1).jednotkyAzimutu, 1);
    Blizko({{M(1).stredniAzimut, Grady(10.25)},
            {M(2).stredniAzimut, Stupne(10)},
            {M(3).stredniAzimut, Stupne(13.75)},
            {M(4).stredniAzimut, Stupne(351)},
            {M(4).zpetnyAzimutRad, Stupne(172)}});
    // Only C-D (7.5°) is beyond the tolerance; D-E differs by 2°.
    ASSERT_EQ(Texty(), Texty_{"Pozor! Rozdil azimutu 7.5°" + CRLF + "Pokračovat?"});
    EXPECT_EQ(p.boxes[0].style & MsgBox::ButtonMask, MsgBox::YesNo);

    // No stops the parse with error 21 on that line, and its record is complete.
    p.boxes.clear();
    p.answers.push_back(MsgBox::No);
    Parsuj(text, false); // asked even when not interactive
    ASSERT_EQ(p.boxes.size(), 1u);
    OcekavejChybu(text, 21, 4);
    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_TRUE(M(3).uplny);
    EXPECT_NE(M(3).delkomer, nullptr);
    EXPECT_NEAR(M(3).stredniAzimut, Stupne(13.75), Tol);

    // A tolerance of its own is used as given: with 0.01 rad (0.57°) the 0.45° pass and 1° does not.
    volby.TOLERANCE = 0.01;
    p.boxes.clear();
    Parsuj("! HOR_UH = KON\nA B 10 10/G 210.5/G 0\nB C 10 10 191 0\n");
    EXPECT_EQ(Texty(), Texty_{"Pozor! Rozdil azimutu 1°" + CRLF + "Pokračovat?"});
}

TEST_F(NactiTest, LinesTooLong)
{
    Parsuj("A B 1 2 3\n" + std::string(32768, 'x') + " Y 1 2 3\n");
    EXPECT_EQ(std::tuple(n->Error(), n->ErrorRowStart(), n->ErrorRowLen(), n->MereniCount()),
              std::tuple(ChybaDelkyRadku, 11, 32768 + 8, 1));
    // A comment of exactly 32767 bytes is fine.
    Parsuj("#" + std::string(32766, 'x') + "\nA B 1 2 3\n");
    EXPECT_FALSE(n->IsError());
}

// --- the listing of the parsed notebook ----------------------------------------------------

TEST_F(NactiTest, ListingSectionsAfterTheInstrumentsComeInOrder)
{
    Parsuj("! SOU_SYS = 30/d, NUL_BOD = A1\n* A1 100 200 300\n* G2 1 2 3\n! DEKLINACE = 2\n"
           "A1 A2 12.5 45 -3\nA2 A3 7 90 0\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    const std::string v = VypisZapisniku(*n);
    const std::string body = "Pocitane body:\r\nA1\r\nA2\r\nA3\r\n";
    std::size_t pred = 0;
    for (const std::string& cast :
         {std::string("DEKLINACE\r\n"), std::string("C=60"), std::string(" k bodu: A1"),
          std::string("Dany: A1\t"), std::string("Dany: G2\t"), std::string("A1\tA2\t12.5"),
          std::string("A2\tA3\t7"), body}) {
        const std::size_t pos = v.find(cast);
        ASSERT_NE(pos, std::string::npos) << cast << "\n" << v;
        EXPECT_LT(pred, pos + 1) << cast;
        pred = pos + 1;
    }
    EXPECT_EQ(pred - 1 + body.size(), v.size());
    // The measurement line carries the deviation and the declination (2°).
    const std::size_t mereni1 = v.find("A1\tA2\t12.5");
    const std::string radek = v.substr(mereni1, v.find("\r\n", mereni1) - mereni1);
    EXPECT_NE(radek.find("\tO=0"), std::string::npos) << radek;
    EXPECT_NE(radek.find("\tD=2"), std::string::npos) << radek;
}

// Declinations and deviations up to a full turn are taken, beyond it they are error 8 on
// their line, wherever the compass's unit is given; a declination date must be a real day.
TEST_F(NactiTest, DeclinationsDeviationsAndDatesBeyondTheirRange)
{
    const std::tuple<std::string, int, int> pripady[] = {
        {"! DEKLINACE = 4.2, 20240229\n! DEKLINACE = -360\n! DEKLINACE = 400/G\n! DEKLINACE = 6.28/R\n", 0, 0},
        {"! DEKLINACE = 4.2, 20230229\n", ChybaDatumu, 1},
        {"! DEKLINACE = -360.01\n", ChybaHodnoty, 1},
        {"! DEKLINACE = 6.29/R\n", ChybaHodnoty, 1},
        {"! KOMPAS = ( K\n! ODCH = 390\n! JED = GRADY\n)\n! KOMPAS = K, 400\n", 0, 0},
        {"! KOMPAS = ( K\n! ODCH = 401\n! JED = GRADY\n)\n", ChybaHodnoty, 2},
        {"! KOMPAS = ( K )\n! KOMPAS = ( K\n! ODCH = -361\n)\n", ChybaHodnoty, 3},
        {"! KOMPAS = ( K )\n! KOMPAS = K, 361\n", ChybaHodnoty, 2},
    };
    for (const auto& [text, chyba, radek] : pripady) {
        Parsuj(text);
        if (chyba == 0)
            EXPECT_EQ(n->Error(), 0) << text;
        else
            OcekavejChybu(text, chyba, radek);
    }
}

} // namespace
} // namespace lomvira
