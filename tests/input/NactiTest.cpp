// The notebook parser: commands, definitions, the coordinate system, given points,
// measurement lines with their units, modes and attributes, and where each error is.
// Every notebook is written for its test; expectations are worked out by hand.

#include "app/Cisla.h"
#include "app/Nastaveni.h"
#include "input/Nacti.h"
#include "input/VypisZapisniku.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-12;
const std::string CRLF = "\r\n";

double Stupne(double d) { return d / 180.0 * PI; }
double Grady(double g) { return g / 200.0 * PI; }

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
        const std::int32_t start = ZacatekRadku(text, radek);
        const std::size_t konec = text.find('\n', static_cast<std::size_t>(start - 1));
        std::string radekTextu = text.substr(static_cast<std::size_t>(start - 1),
                                             konec == std::string::npos ? std::string::npos : konec - (start - 1));
        if (!radekTextu.empty() && radekTextu.back() == '\r')
            radekTextu.pop_back();
        EXPECT_EQ(n->ErrorRowStart(), start);
        EXPECT_EQ(n->ErrorRowLen(), static_cast<std::int32_t>(radekTextu.size()));
        EXPECT_EQ(n->ErrorRow(), radekTextu);
        EXPECT_EQ(n->ErrorHelp(), help);
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
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "nebyl zadan soubor zapisniku");

    p.boxes.clear();
    Parsuj("# jen komentář\r\n\r\n   \r\n# druhý\r\n   ");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(n->MereniCount(), 0);
    EXPECT_TRUE(p.boxes.empty());
    EXPECT_EQ(n->ErrorRowStart(), 0);
    EXPECT_EQ(n->ErrorRowLen(), 0);
    EXPECT_EQ(n->ErrorHelp(), 0);
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
    const std::string text = "! LOKALITA = \"Jeskyně pod Hradem\" \"12-34\"\r\n"
                             "! LOKALITA = \"Jiná\" \"99\"\r\n"
                             "! DATUM = 20240315.6\r\n"
                             "! MISTO = \"Velký dóm\"\r\n"
                             "! POLYGON = horni\r\n"
                             "A1 A2 10 20 0\r\n"
                             "! MISTO = chodba\r\n"
                             "! LAYER = dolni\r\n"
                             "A2 A3 10 20 0 P=HORNI\r\n"
                             "! VRSTVA = DOLNI\r\n"
                             "! DATUM = 20031532\r\n"
                             "A3 A4 10 20 0\r\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError());
    const Lokalita& l = n->LokalitaZapisniku();
    EXPECT_EQ(l.jmeno, "Jeskyně pod Hradem");
    EXPECT_EQ(l.cislo, "12-34");
    EXPECT_EQ(l.zacatekPrikazu, 1);
    // The second LOKALITA only warns.
    EXPECT_EQ(Texty(), std::vector<std::string>{"Lokalitu lze zadat pouze jednou!"});

    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_EQ(M(1).datum, 20240316); // rounded
    EXPECT_EQ(M(1).misto, 1);
    EXPECT_EQ(M(1).vrstva, 1);
    EXPECT_EQ(M(2).misto, 2);
    EXPECT_EQ(M(2).vrstva, 1); // its own P attribute beats the current layer 2
    EXPECT_EQ(M(3).vrstva, 2); // "DOLNI" again
    EXPECT_EQ(M(3).datum, 20031532); // month 15 is accepted
    EXPECT_EQ(n->Datum(), 20031532);
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
    EXPECT_EQ(n->LokalitaZapisniku().jmeno, "jeskyne.mer");
    EXPECT_EQ(n->LokalitaZapisniku().zacatekPrikazu, 0);
}

TEST_F(NactiTest, DateZeroOrMissingIsError1401)
{
    for (const std::string radek : {"! DATUM = 0", "! DATUM =", "! DATUM = pondeli", "! DATUM = 0.4"}) {
        const std::string text = "A B 1 2 3\n" + radek + "\nB C 1 2 3\n";
        Parsuj(text);
        OcekavejChybu(text, 1401, 2);
        EXPECT_EQ(n->MereniCount(), 1);
    }
}

TEST_F(NactiTest, UnknownWordsSadaAndKomparAreError2)
{
    for (const std::string radek : {"! SADA = 1", "! KOMPAR = 1", "! KOMPARACE = 1", "! XYZ = 1", "! DATUM 20240101",
                                    "! = 5", "!", "! 123 = 5"}) {
        const std::string text = "# a\r\n" + radek + "\r\n";
        Parsuj(text);
        OcekavejChybu(text, 2, 2);
    }
}

TEST_F(NactiTest, CommandWordsAreKnownByTheirOneLetterForms)
{
    // VODA (V: VZD), AHOJ (A: HOR_UH), SKLON (S: VER_UH), PRESNOST (P: VYP_POM),
    // KOORD (K: SOU_SYS), DEK (DEKLINACE).
    const std::string text = "!DATUM=20240101\n"
                             "! VODA = HLOUBKA\n"
                             "! AHOJ = KONTROLA\n"
                             "! SKLON = ZENIT\n"
                             "! PRESNOST = 1, 2, 3\n"
                             "! KOORD = JTSK, C_PDB\n"
                             "! DEK = 2\n"
                             "A B 5 10 190 60\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(n->Datum(), 20240101);
    EXPECT_TRUE(n->AzimutKontrola());
    EXPECT_EQ(n->SourSys().Typ(), 2);
    ASSERT_EQ(n->MereniCount(), 1);
    const Mereni& m = M(1);
    EXPECT_TRUE(m.maZpetnyAzimut);
    EXPECT_EQ(m.zpetnyAzimut, 190);
    // Zenith 60° is 30° above the horizon; a depth of 5 along it is a slope of 10.
    EXPECT_NEAR(m.sklonRad, Stupne(30), Tol);
    EXPECT_NEAR(m.sikmaDelka, 10.0, 1e-9);
    EXPECT_NEAR(m.deklinace->Hodnota, Stupne(2), Tol);
    EXPECT_NEAR(m.delkomer->Presnost, 0.01, Tol);
    EXPECT_NEAR(m.kompas.Presnost(), Stupne(2), Tol);   // in the anonymous compass's degrees
    EXPECT_NEAR(m.sklonomer->Presnost, Stupne(3), Tol);
    EXPECT_EQ(p.boxes.size(), 3u); // VZD, VER_UH and VYP_POM warn; KONTROLA does not
}

TEST_F(NactiTest, DeprecatedInstrumentCommandsWarnAndChangeTheAnonymousInstruments)
{
    const std::string text = "! VZDALENOST = VODOROVNA\r\n"
                             "! HOR_UHEL = GRAD, KONTROLA\r\n"
                             "! VER_UHEL = ZENITOVY, GRAD\r\n"
                             "! VYP_POM = 1, 0.5, 0.01/R\r\n"
                             "A B 10 100 300 50\r\n";
    const std::string uvod = "V zápisníku je použit zastaralý zpusob zadání měřidla:" + CRLF;
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    ASSERT_EQ(p.boxes.size(), 4u);
    EXPECT_EQ(p.boxes[0].text, uvod + "! VZDALENOST = VODOROVNA" + CRLF
                                   + "Pro určení vlastností a způsobu zadávání vzdálenosti je lepší použít příkaz "
                                     "DELKOMER.");
    EXPECT_EQ(p.boxes[1].text, uvod + "! HOR_UHEL = GRAD, KONTROLA" + CRLF
                                   + "Pro určení vlastností a způsobu zadávání azimutu je lepší použít příkaz KOMPAS.");
    EXPECT_EQ(p.boxes[2].text, uvod + "! VER_UHEL = ZENITOVY, GRAD" + CRLF
                                   + "Pro určení vlastností a způsobu zadávání sklonu je lepší použít příkaz "
                                     "SKLONOMER.");
    EXPECT_EQ(p.boxes[3].text, "Výpočtový poměr je lepší zadávat jako součást měřidla.");
    for (const auto& b : p.boxes)
        EXPECT_EQ(b.style & MsgBox::IconMask, MsgBox::Information);

    // Horizontal tape, compass and clinometer in grads, zenith angles, forward and back.
    const Mereni& m = M(1);
    EXPECT_EQ(m.delkomer->Zpusob, 1);
    EXPECT_EQ(m.kompas.Jednotky(), 1);
    EXPECT_EQ(m.sklonomer->Zpusob, 1);
    EXPECT_EQ(m.sklonomer->Jednotky, 1);
    EXPECT_EQ(m.zpusobDelky, -1); // no suffix letters: no overrides
    EXPECT_EQ(m.jednotkyAzimutu, -1);
    EXPECT_NEAR(m.delkomer->Presnost, 0.01, Tol);
    EXPECT_NEAR(m.kompas.Presnost(), Grady(0.5), Tol);
    EXPECT_NEAR(m.sklonomer->Presnost, 0.01, Tol);
    EXPECT_EQ(m.kompas.HodnotaOdchylky(), 0.0); // HOR_UH with a unit adds a deviation 0
    EXPECT_NEAR(m.stredniAzimut, PI / 2, Tol);
    EXPECT_NEAR(m.sklonRad, PI / 4, Tol);
    EXPECT_NEAR(m.sikmaDelka, 10 / std::cos(PI / 4), 1e-9);

    // Not interactive: the same notebook warns nobody.
    p.boxes.clear();
    Parsuj(text, false);
    EXPECT_FALSE(n->IsError());
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiTest, BackAzimuthModeSwitchesOnAndOff)
{
    const std::string text = "! AZIMUT = KONTROLA\n"
                             "A B 10 20 200 5\n"
                             "! AZIMUT = JEDNODUSE\n"
                             "B C 10 20 5\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError());
    EXPECT_TRUE(M(1).maZpetnyAzimut);
    EXPECT_EQ(M(1).sklon, 5);
    EXPECT_FALSE(M(2).maZpetnyAzimut);
    EXPECT_EQ(M(2).zpetnyAzimut, 0);
    EXPECT_EQ(M(2).sklon, 5);
    EXPECT_FALSE(n->AzimutKontrola());

    const std::string bezZpetneho = "! HOR_UH = KON\nA B 10 20\n";
    Parsuj(bezZpetneho);
    OcekavejChybu(bezZpetneho, 4, 2);
}

// --- instrument definitions and selections ------------------------------------------------

TEST_F(NactiTest, InstrumentErrorsAndTheirLines)
{
    struct Pripad {
        std::string text;
        int chyba;
        int radek;
    };
    const std::vector<Pripad> pripady = {
        {"A B 1 2 3\n! DELKOMER = PASMO\n", 52, 2},
        {"! KOMPAS = ( K )\n! KOMPAS = L, 2\n", 52, 2},
        {"! KOMPAS =\n", 51, 1},
        {"! SKLONOMER = , 5\n", 51, 1},
        // A definition is read as a whole block, so its error is on the block's last line.
        {"! SKLONOMER = (\n\n  )\n", 51, 3},
        {"! DELKOMER = ( P )\n! DELKOMER = ( P )\n", 53, 2},
        {"! SKLONOMER = ( S )\n! SKLONOMER = ( S\n! PRE = 1\n)\n", 53, 4},
        {"! DELKOMER = ( P\n  PRE = 1 )\n", 43, 2},
        {"! DELKOMER = ( P\n! ODCH = 1\n)\n", 43, 3},
        {"! KOMPAS = ( K\n! ZPU = SIK\n)\n", 43, 3},
        {"! KOMPAS = ( K )\n! KOMPAS = ( K\n! JED = G\n)\n", 43, 4}, // a repeated compass takes ODCH only
        {"! DELKOMER = ( P\n! PRE 1\n)\n", 2, 3},
        {"! DELKOMER = ) P\n", 811, 1},
        {"! KOMPAS = ) K\n", 911, 1},
        {"! SKLONOMER = ) S\n", 1011, 1},
        // An unclosed block leaves the reader on the line where it began.
        {"# x\n! DELKOMER = ( P\n! PRE = 1\nA B 1 2 3\n", 812, 2},
        {"! KOMPAS = ( K\n! PRE = 1\nA B 1 2 3\n", 912, 1},
        {"! SKLONOMER = ( S # (\nA B 1 2 3\n", 1012, 1},
    };
    for (const Pripad& c : pripady) {
        Parsuj(c.text);
        OcekavejChybu(c.text, c.chyba, c.radek);
        EXPECT_EQ(n->MereniCount(), c.text.rfind("A B", 0) == 0 ? 1 : 0) << c.text;
    }
}

TEST_F(NactiTest, DefinitionBlocksAndSelectionsReachTheRecords)
{
    const std::string text = "! DATUM = 20240315\n"
                             "! DELKOMER = ( PASMO   # hlavní pásmo\n"
                             "!  ZPUSOB = SIKMA\n"
                             "!  PRESNOST = 0.5\n"
                             "  )\n"
                             "! KOMPAS = ( BUSOLA\n"
                             "! JEDNOTKY = GRADY\n"
                             ")\n"
                             "! SKLONOMER = (SK)\n"
                             "! DELKOMER = PASMO\n"
                             "! KOMPAS = BUSOLA, 2\n"
                             "! SKLONOMER = SK\n"
                             "A B 10 100 5\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    const Mereni& m = M(1);
    EXPECT_EQ(m.delkomer->Jmeno, "PASMO");
    EXPECT_NEAR(m.delkomer->Presnost, 0.005, Tol);
    EXPECT_EQ(m.kompas.Jmeno(), "BUSOLA");
    EXPECT_NEAR(m.kompas.HodnotaOdchylky(), Grady(2), Tol); // the deviation on the selection line
    EXPECT_EQ(m.kompas.Odchylka()->Datum, 20240315);
    EXPECT_EQ(m.sklonomer->Jmeno, "SK");
    EXPECT_NEAR(m.azimutRad, PI / 2, Tol); // read in the compass's grads
    EXPECT_EQ(n->Meridla().Delkomery().Count(), 1); // no anonymous tape was registered
}

// --- the coordinate system ----------------------------------------------------------------

TEST_F(NactiTest, CoordinateSystemVariants)
{
    Parsuj("# vlastní\n! SOU_SYS = 30/d, BPV\n");
    ASSERT_FALSE(n->IsError());
    {
        const SourSystem& s = n->SourSys();
        EXPECT_EQ(s.Typ(), 1);
        EXPECT_NEAR(s.Natoceni(), PI / 3, Tol); // π/2 − 30°
        EXPECT_EQ(s.SLev(), 1.0);
        EXPECT_TRUE(s.BPV()); // the omitted handedness word does not swallow BPV
        EXPECT_EQ(s.JednotkyUhlu(), 0);
        EXPECT_EQ(s.AutomatickaKonvergence(), 0);
        EXPECT_EQ(s.ZpusobVyrovnani(), 2);
        EXPECT_EQ(s.ZacatekPrikazu(), 12); // after "# vlastní" and its LF (í is two bytes)
    }

    Parsuj("! SOU_SYS = 100/G, L\n");
    EXPECT_EQ(n->SourSys().Typ(), 1);
    EXPECT_NEAR(n->SourSys().Natoceni(), 0.0, Tol);
    EXPECT_EQ(n->SourSys().SLev(), -1.0);
    EXPECT_EQ(n->SourSys().JednotkyUhlu(), 1);
    EXPECT_FALSE(n->SourSys().BPV());

    Parsuj("! SOU_SYS = JTSK, C_PDB, BPV, VIR_VYROV = SPOLECNE, NUL_HLADINA = 250.5\n");
    ASSERT_FALSE(n->IsError());
    {
        const SourSystem& s = n->SourSys();
        EXPECT_EQ(s.Typ(), 2);
        EXPECT_EQ(s.SLev(), -1.0);
        EXPECT_EQ(s.AutomatickaKonvergence(), 2);
        EXPECT_TRUE(s.BPV());
        EXPECT_EQ(s.ZpusobVyrovnani(), 1);
        EXPECT_EQ(s.RelativniVysky(), 1);
        EXPECT_EQ(s.SrovnavaciRovina(), 250.5);
    }

    Parsuj("! SOU_SYS = JTSK_XY, C_TDB, NUL_BOD = a1\n");
    EXPECT_EQ(n->SourSys().Typ(), 3);
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 3);
    EXPECT_EQ(n->SourSys().RelativniVysky(), 2);
    EXPECT_EQ(n->SourSys().SrovnavaciBod(), "A1");

    Parsuj("! SOU_SYS = JSTK, C_TPB\n");
    EXPECT_EQ(n->SourSys().Typ(), 3);
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 4);

    Parsuj("! SOU_SYS = JTSK, 1.5/g\n");
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 1);
    EXPECT_NEAR(n->SourSys().Natoceni(), Grady(1.5), Tol);
    EXPECT_EQ(n->SourSys().JednotkyUhlu(), 1);

    // Without a heights word the rotation mode is still read.
    Parsuj("! SOU_SYS = JTSK, C_PDB, VIR_VYROV = ZADNE\n");
    EXPECT_EQ(n->SourSys().ZpusobVyrovnani(), 0);
    EXPECT_FALSE(n->SourSys().BPV());
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiTest, ZeroConvergenceAsksWhetherToComputeIt)
{
    const std::string otazka = "Byla zadana nulova meridianova konvergence." + CRLF + "Chcete ji vypocist automaticky?";
    p.answers.push_back(MsgBox::No);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, otazka);
    EXPECT_EQ(p.boxes[0].style & MsgBox::ButtonMask, MsgBox::YesNo);
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 1);
    EXPECT_EQ(n->SourSys().Natoceni(), 0.0);

    p.boxes.clear();
    p.answers.push_back(MsgBox::Yes);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 2);
}

TEST_F(NactiTest, CoordinateSystemErrorsAndWarnings)
{
    std::string text = "! SOU_SYS = JTSK, C_PDB\n! SOU_SYS = JTSK, C_TDB\n";
    Parsuj(text);
    OcekavejChybu(text, 1, 2);
    EXPECT_EQ(Texty(), std::vector<std::string>{"Souradnicovy system byl jiz zadan"});
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 2); // the first one stays

    p.boxes.clear();
    text = "* A1 1 2 3\n! SOU_SYS = JTSK, C_PDB\n";
    Parsuj(text);
    OcekavejChybu(text, 1, 2);
    EXPECT_EQ(Texty(), std::vector<std::string>{"Je nutno zadat nejprve souřadný systém a teprve potom dané body!"});

    p.boxes.clear();
    // The word after the convergence takes the heights' place, so the unknown word comes later.
    text = "! SOU_SYS = JTSK, C_PDB, BPV, NUL_VYSKA = 5\n";
    Parsuj(text);
    OcekavejChybu(text, 7, 1);
    EXPECT_EQ(Texty(), std::vector<std::string>{"Chyba v zadani souradneho systemu. (NUL_VYSKA)"});

    // A word without "=" ends the command with a message but no error; nothing is set.
    p.boxes.clear();
    Parsuj("! SOU_SYS = JTSK, C_PDB, BPV, NECO\n");
    EXPECT_FALSE(n->IsError());
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Chyba v prikazu.");
    EXPECT_NE(p.boxes[0].style & MsgBox::HelpButton, 0);
    EXPECT_EQ(n->SourSys().Typ(), 0);

    // A bad rotation mode only warns; the system is set with the default mode.
    p.boxes.clear();
    Parsuj("! SOU_SYS = JTSK, C_PDB, VIR_VYROV = NIKDY\n");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(Texty(), std::vector<std::string>{"Chyba - spatne urceni zpusobu matoceni!"});
    EXPECT_EQ(n->SourSys().Typ(), 2);
    EXPECT_EQ(n->SourSys().ZpusobVyrovnani(), 2);

    p.boxes.clear();
    Parsuj("! SOU_SYS = JTSK, C_PDB, VIR_VYROV\n");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(Texty(), std::vector<std::string>{"Chyba - chybi rovnitko v urceni zpusobu natoceni!"});
    EXPECT_EQ(n->SourSys().Typ(), 2);
}

TEST_F(NactiTest, NumbersTooLargeForADoubleAreError8)
{
    for (const std::string radek : {"! SOU_SYS = 1e999", "! SOU_SYS = JTSK, 1e999/g",
                                    "! SOU_SYS = JTSK, C_PDB, NUL_HLADINA = 1e999", "! DEKLINACE = 1e999",
                                    "! DEKLINACE = 1e999, 20240101", "! DEKLINACE = 2, 20240101, 1e999",
                                    "! KOMPAS = ( K )\n! KOMPAS = K, 1e999", "* A1 1e999 2 3", "* A1 1 2 -1e999"}) {
        const std::string text = "# x\n" + radek + "\n";
        Parsuj(text);
        EXPECT_EQ(n->Error(), ChybaHodnoty) << radek;
        EXPECT_EQ(n->ErrorRowStart(), ZacatekRadku(text, radek.find('\n') == std::string::npos ? 2 : 3)) << radek;
    }
    // A huge number that an earlier command let through does not taint the next command.
    Parsuj("! VYP_POM = 1, 1, 1e999\n! SOU_SYS = JTSK, C_PDB\n");
    EXPECT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(n->SourSys().Typ(), 2);
}

// --- given points --------------------------------------------------------------------------

TEST_F(NactiTest, GivenPoints)
{
    const std::string text = "! DATUM = 20240401\n"
                             "* A1 1000.5 2000.25 300 [ POPIS \"vchod\" ]\n"
                             "  *b2 1 2 3\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    ASSERT_EQ(n->DBody().Count(), 2);
    const DBod& a = *n->DBody().Bod(1);
    EXPECT_EQ(a.Name(), "A1");
    EXPECT_EQ(a.Bod().X, 1000.5);
    EXPECT_EQ(a.Bod().Y, 2000.25);
    EXPECT_EQ(a.Bod().Z, 300);
    EXPECT_EQ(a.Datum, 20240401);
    EXPECT_EQ(a.ZacatekRadku, 20);
    EXPECT_EQ(n->DBody().Bod(2)->Name(), "B2");
    EXPECT_EQ(n->DBody().Bod(2)->ZacatekRadku, ZacatekRadku(text, 3));
    // Given points are not stations met in measurement lines.
    EXPECT_EQ(n->PBody().Count(), 0);

    const std::string dvakrat = "* A1 1 2 3\n* A1 4 5 6\n";
    p.boxes.clear();
    Parsuj(dvakrat);
    OcekavejChybu(dvakrat, 5, 2);
    EXPECT_EQ(Texty(), std::vector<std::string>{"Nelze zadat dva body se stejnym oznacenim (A1)!"});
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
    const std::string text = R"NB(A1 A2 12.5 45 -3
A2 A3 10 12°30'36" 1°30'
A3 A4 10 50/G 10/G
A4 A5 10 1/R 0.1/R
A5 A6 10 45/D 3/D
A6 A7 10 0 80/Z
A7 A8 10/V 0 60
A8 A9 5/H 0 -30
A9 A10 10/V 0
A10 A11 -7.5 10 0
A11 A12 10 100/GD 5/DG
A12 A13 10 20 5/VZ
a13 a14 3 20
A14 A15 10/SV 20 5
)NB";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error() << " " << n->ErrorRow();
    ASSERT_EQ(n->MereniCount(), 14);

    EXPECT_EQ(M(1).od, "A1");
    EXPECT_EQ(M(1).k, "A2");
    EXPECT_EQ(M(1).delka, 12.5);
    EXPECT_EQ(M(1).azimut, 45);
    EXPECT_EQ(M(1).sklon, -3);
    EXPECT_EQ(M(1).radek, "A1 A2 12.5 45 -3");
    EXPECT_EQ(M(1).zacatekRadku, 1);
    EXPECT_NEAR(M(1).azimutRad, Stupne(45), Tol);
    EXPECT_NEAR(M(1).stredniAzimut, Stupne(45), Tol);
    EXPECT_NEAR(M(1).sklonRad, Stupne(-3), Tol);
    EXPECT_EQ(M(1).sikmaDelka, 12.5);
    EXPECT_EQ(M(2).zacatekRadku, 18);

    EXPECT_NEAR(M(2).azimut, 12.51, 1e-12); // 12°30'36"
    EXPECT_NEAR(M(2).sklon, 1.5, 1e-12);

    EXPECT_NEAR(M(3).azimutRad, PI / 4, Tol);
    EXPECT_NEAR(M(3).sklonRad, PI / 20, Tol);
    EXPECT_EQ(M(3).jednotkyAzimutu, 1);
    EXPECT_EQ(M(3).jednotkySklonu, 1);
    EXPECT_EQ(M(3).zpusobDelky, -1);
    EXPECT_EQ(M(3).zpusobSklonu, -1);

    EXPECT_NEAR(M(4).azimutRad, 1.0, Tol);
    EXPECT_NEAR(M(4).sklonRad, 0.1, Tol);
    EXPECT_EQ(M(4).jednotkyAzimutu, 2);
    EXPECT_EQ(M(4).jednotkySklonu, 2);

    // Letters equal to the instrument's own settings are no overrides.
    EXPECT_EQ(M(5).jednotkyAzimutu, -1);
    EXPECT_EQ(M(5).jednotkySklonu, -1);
    EXPECT_NEAR(M(5).azimutRad, Stupne(45), Tol);

    EXPECT_NEAR(M(6).sklonRad, Stupne(10), Tol); // zenith 80°
    EXPECT_EQ(M(6).zpusobSklonu, 1);

    EXPECT_NEAR(M(7).sikmaDelka, 20.0, 1e-9); // horizontal 10 at 60°
    EXPECT_EQ(M(7).zpusobDelky, 1);
    EXPECT_NEAR(M(8).sikmaDelka, 10.0, 1e-9); // depth 5 at -30°, a positive slope length
    EXPECT_EQ(M(8).zpusobDelky, 2);
    EXPECT_EQ(M(9).sikmaDelka, 10.0); // horizontal tape, level shot
    EXPECT_EQ(M(9).sklon, 0.0);

    EXPECT_EQ(M(10).delka, -7.5); // kept as written
    EXPECT_EQ(M(10).sikmaDelka, 7.5);

    // Azimuth unit: the first letter wins; inclination: the last.
    EXPECT_NEAR(M(11).azimutRad, PI / 2, Tol);
    EXPECT_EQ(M(11).jednotkyAzimutu, 1);
    EXPECT_NEAR(M(11).sklonRad, Grady(5), Tol);
    EXPECT_NEAR(M(12).sklonRad, PI / 2 - Stupne(5), Tol);
    EXPECT_EQ(M(14).zpusobDelky, 1);
    EXPECT_NEAR(M(14).sikmaDelka, 10 / std::cos(Stupne(5)), 1e-9);

    EXPECT_EQ(M(13).od, "A13");
    EXPECT_EQ(M(13).sklon, 0.0);
    EXPECT_EQ(n->PBody().Count(), 15);
    EXPECT_EQ(n->PBody().Bod(1)->Name(), "A1");
    EXPECT_EQ(n->PBody().Bod(15)->Name(), "A15");
}

TEST_F(NactiTest, SeparatorsNumericNamesAndTheLastLine)
{
    Parsuj("1,2;10,20;5\r\n"
           "* Čáp 1 2 3\r\n"
           "čáp Lež 4 5\n"
           "LEŽ X 1 2 3");
    ASSERT_FALSE(n->IsError()) << n->Error() << " " << n->ErrorRow();
    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_EQ(M(1).od, "1");
    EXPECT_EQ(M(1).k, "2");
    EXPECT_EQ(M(1).delka, 10);
    EXPECT_EQ(M(1).azimut, 20);
    EXPECT_EQ(M(1).sklon, 5);
    EXPECT_EQ(n->DBody().Bod(1)->Name(), "ČÁP"); // Czech letters are upper-cased too
    EXPECT_EQ(M(2).od, "ČÁP");
    EXPECT_EQ(M(2).k, "LEŽ");
    EXPECT_EQ(M(3).k, "X"); // a last line without its line end is read

    // A last line of one character without a line end is never processed.
    Parsuj("A B 1 2 3\nX");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(n->MereniCount(), 1);
}

TEST_F(NactiTest, MeasurementLineErrors)
{
    struct Pripad {
        std::string radek;
        int chyba;
        int help;
    };
    const std::vector<Pripad> pripady = {
        {"B1", 1, 0},
        {"B1 = 5", 1, 0},
        {"B1 B2", 2, 0},
        {"B1 B2 x 5", 2, 0},
        {"B1 B2 10", 3, 0},
        {"B1 B2 10 20 # poznámka", 5, 0}, // a comment where the inclination stands
        {"B1 B2 10 20 x", 5, 0},
        {"B1 B2 10 20 A=\"a\"", 5, 0},
        {"B1 B2 10 20 5 Q=1", 6, 1010},
        {"B1 B2 10 20 5 A 1", 6, 1010},
        {"B1 B2 10 20 5 A=5", 6, 1010},
        {"B1 B2 10 20 5 P=\"x\"", 6, 1010},
        {"B1 B2 10 20 5 B=", 6, 1010},
        // Values no shot can have.
        {"B1 B2 0 20 5", ChybaHodnoty, 0},
        {"B1 B2 10/V 20 90", ChybaHodnoty, 0},
        {"B1 B2 10/V 20 -90", ChybaHodnoty, 0},
        {"B1 B2 10/V 20 0/Z", ChybaHodnoty, 0},
        {"B1 B2 10/H 20 0", ChybaHodnoty, 0},
        {"B1 B2 1e999 20 5", ChybaHodnoty, 0},
        {"B1 B2 10 1e999 5", ChybaHodnoty, 0},
        {"B1 B2 10 20 1e999", ChybaHodnoty, 0},
    };
    for (const Pripad& c : pripady) {
        const std::string text = "A0 A1 1 1 0\r\n" + c.radek + "\r\nX Y 1 1 1\r\n";
        Parsuj(text);
        OcekavejChybu(text, c.chyba, 2, c.help);
        EXPECT_EQ(n->ErrorRowStart(), 14);
        // The faulty line's record exists; none after it.
        EXPECT_EQ(n->MereniCount(), 2) << c.radek;
    }
}

TEST_F(NactiTest, AttributesTextsLayersAndTheLastComment)
{
    const std::string text = "#   Vchod u smrku  \n"
                             "A1 A2 10 20 0 A=\"Vchod do jeskyně\", B=Krápník Z=@ P=Dolni\n"
                             "A2 A3 10 20 0 Z=@\n"
                             "# druhý komentář\n"
                             "A3 A4 10 20 0 a=@ # konec\n"
                             "a4 a5 1 2 3 ZZZ=\"z\" BOD=b\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(M(1).textA, "Vchod do jeskyně");
    EXPECT_EQ(M(1).textB, "Krápník");
    EXPECT_EQ(M(1).textZ, "Vchod u smrku");
    EXPECT_EQ(M(1).vrstva, 1);
    EXPECT_EQ(n->Vrstvy().ItemNo(std::string("Dolni")), 1);
    EXPECT_EQ(M(2).textZ, ""); // the comment was used by the line before
    EXPECT_EQ(M(2).vrstva, 0);
    EXPECT_EQ(M(3).textA, "druhý komentář");
    // Upper case is back for the names after the attribute values.
    EXPECT_EQ(M(4).od, "A4");
    EXPECT_EQ(M(4).textZ, "z");
    EXPECT_EQ(M(4).textB, "b");
}

TEST_F(NactiTest, ForwardAndBackAzimuths)
{
    const std::string text = "! HOR_UH = KON\n"
                             "A B 10 10/G 210.5/G 0\n"
                             "B C 10 10 190 0\n"
                             "C D 10 10 197.5 0\n"
                             "D E 10 350 172 0\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError());
    // 10 g and 210.5 g differ from a reversal by 0.45°, within the 5° of a zero tolerance.
    EXPECT_NEAR(M(1).stredniAzimut, Grady(10.25), Tol);
    EXPECT_EQ(M(1).jednotkyAzimutu, 1);
    EXPECT_NEAR(M(2).stredniAzimut, Stupne(10), Tol);
    EXPECT_NEAR(M(3).stredniAzimut, Stupne(13.75), Tol);
    EXPECT_NEAR(M(4).stredniAzimut, Stupne(351), Tol);
    EXPECT_NEAR(M(4).zpetnyAzimutRad, Stupne(172), Tol);
    // Only C-D (7.5°) is beyond the tolerance; D-E differs by 2°.
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Pozor! Rozdil azimutu 7.5°" + CRLF + "Pokračovat?");
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
    EXPECT_EQ(Texty(), std::vector<std::string>{"Pozor! Rozdil azimutu 1°" + CRLF + "Pokračovat?"});
}

TEST_F(NactiTest, LinesTooLongAndTooManyStations)
{
    const std::string dlouhy = "A B 1 2 3\n" + std::string(32768, 'x') + " Y 1 2 3\n";
    Parsuj(dlouhy);
    EXPECT_EQ(n->Error(), ChybaDelkyRadku);
    EXPECT_EQ(n->ErrorRowStart(), 11);
    EXPECT_EQ(n->ErrorRowLen(), 32768 + 8);
    EXPECT_EQ(n->MereniCount(), 1);
    // A comment of exactly 32767 bytes is fine.
    Parsuj("#" + std::string(32766, 'x') + "\nA B 1 2 3\n");
    EXPECT_FALSE(n->IsError());

    // A chain of 32767 shots meets its 32768th station on the last line.
    std::string text;
    char radek[64];
    for (int i = 1; i <= 32767; ++i) {
        std::snprintf(radek, sizeof radek, "B%05d B%05d 1 0\n", i, i + 1);
        text += radek;
    }
    Parsuj(text);
    EXPECT_EQ(n->Error(), ChybaPoctuBodu);
    EXPECT_EQ(n->ErrorRow(), "B32767 B32768 1 0");
    EXPECT_EQ(n->PBody().Count(), 32767);
}

// --- the listing of the parsed notebook ----------------------------------------------------

TEST_F(NactiTest, ListingSectionsAfterTheInstrumentsComeInOrder)
{
    Parsuj("! SOU_SYS = 30/d, NUL_BOD = A1\n"
           "* A1 100 200 300\n"
           "* G2 1 2 3\n"
           "! DEKLINACE = 2\n"
           "A1 A2 12.5 45 -3\n"
           "A2 A3 7 90 0\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    const std::string v = VypisZapisniku(*n);
    const std::size_t deklinace = v.find("DEKLINACE\r\n");
    const std::size_t c = v.find("C=60");
    const std::size_t kBodu = v.find(" k bodu: A1");
    const std::size_t dany1 = v.find("Dany: A1\t");
    const std::size_t dany2 = v.find("Dany: G2\t");
    const std::size_t mereni1 = v.find("A1\tA2\t12.5");
    const std::size_t mereni2 = v.find("A2\tA3\t7");
    const std::size_t body = v.find("Pocitane body:\r\nA1\r\nA2\r\nA3\r\n");
    for (std::size_t pos : {deklinace, c, kBodu, dany1, dany2, mereni1, mereni2, body})
        ASSERT_NE(pos, std::string::npos) << v;
    EXPECT_LT(deklinace, c);
    EXPECT_LT(c, kBodu);
    EXPECT_LT(kBodu, dany1);
    EXPECT_LT(dany1, dany2);
    EXPECT_LT(dany2, mereni1);
    EXPECT_LT(mereni1, mereni2);
    EXPECT_LT(mereni2, body);
    EXPECT_EQ(body + std::string("Pocitane body:\r\nA1\r\nA2\r\nA3\r\n").size(), v.size());
    // The measurement line carries the deviation and the declination (2°).
    const std::string radek = v.substr(mereni1, v.find("\r\n", mereni1) - mereni1);
    EXPECT_NE(radek.find("\tO=0"), std::string::npos) << radek;
    EXPECT_NE(radek.find("\tD=2"), std::string::npos) << radek;
}

} // namespace
} // namespace lomvira
