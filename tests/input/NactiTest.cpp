// The notebook parser: commands, definitions, the coordinate system, given points,
// measurement lines with their units, modes and attributes, and where each error is.
// Every notebook is written for its test; expectations are worked out by hand.

#include "input/Nacti.h"
#include "common/Cisla.h"
#include "common/Nastaveni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
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

class NactiTest : public ::testing::Test {
protected:
    Nacti& Parsuj(const std::string& text, bool interaktivni = true)
    {
        p.boxes.clear();
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
        std::size_t z = 0;
        for (int i = 1; i < radek; ++i)
            z = text.find('\n', z) + 1;
        std::string r = text.substr(z, text.find('\n', z) - z);
        if (!r.empty() && r.back() == '\r')
            r.pop_back();
        EXPECT_EQ(std::tuple(n->ErrorRowStart(), n->ErrorRowLen(), n->ErrorRow(), n->ErrorHelp()),
                  std::tuple(static_cast<std::int32_t>(z + 1), static_cast<std::int32_t>(r.size()), r, help));
    }
    Texty_ Texty() const
    {
        Texty_ out;
        for (const auto& b : p.boxes)
            out.push_back(b.text);
        return out;
    }

    test::FakePlatforma p;
    Volby volby;
    std::unique_ptr<Nacti> n;
};

TEST_F(NactiTest, EmptyNotebookAndLocalityDatePlaceAndLayer)
{
    Parsuj("");
    EXPECT_FALSE(n->IsError());
    EXPECT_EQ(Texty(), Texty_{"nebyl zadan soubor zapisniku"});

    Parsuj("! LOKALITA = \"Jeskyně pod Hradem\" \"12-34\"\r\n! LOKALITA = \"Jiná\" \"99\"\r\n"
           "! DATUM = 20240315.6\r\n! MISTO = \"Velký dóm\"\r\n! POLYGON = horni\r\nA1 A2 10 20 0\r\n"
           "! MISTO = chodba\r\n! LAYER = dolni\r\nA2 A3 10 20 0 P=HORNI\r\n! VRSTVA = DOLNI\r\n"
           "! DATUM = 20031532\r\nA3 A4 10 20 0\r\n");
    ASSERT_FALSE(n->IsError());
    const Lokalita& l = n->LokalitaZapisniku();
    EXPECT_EQ(std::tuple(l.jmeno, l.cislo, l.zacatekPrikazu), std::tuple("Jeskyně pod Hradem", "12-34", 1));
    EXPECT_EQ(Texty(), Texty_{"Lokalitu lze zadat pouze jednou!"}); // the second one only warns
    ASSERT_EQ(n->MereniCount(), 3);
    // The date is rounded and month 15 accepted; M(2)'s own layer beats the current one.
    EXPECT_EQ(std::tuple(M(1).datum, M(3).datum), std::tuple(20240316, 20031532));
    EXPECT_EQ(std::tuple(M(1).misto, M(1).vrstva, M(2).misto, M(2).vrstva, M(3).vrstva),
              std::tuple(1, 1, 2, 1, 2));
    EXPECT_EQ(n->Mista().ItemNo(std::string("Velký dóm")), 1); // quoted: case kept
    EXPECT_EQ(n->Mista().ItemNo(std::string("CHODBA")), 2);    // a word: upper case
}

TEST_F(NactiTest, DeprecatedCommandsByTheirShortFormsWarnAndChangeTheAnonymousInstruments)
{
    // VODA (V: VZD), AHOJ (A: HOR_UH), SKLON (S: VER_UH), PRESNOST (P: VYP_POM), KOORD (K: SOU_SYS).
    const std::string text = "! VODA = HLOUBKA\n! AHOJ = GRAD, KONTROLA\n! SKLON = ZENIT\n"
                             "! PRESNOST = 1, 0.5, 3\n! KOORD = JTSK, C_PDB\n! DEK = 2\nA B 5 100 300 60\n";
    const std::string uvod = "V zápisníku je použit zastaralý zpusob zadání měřidla:" + CRLF;
    const std::string lepsi = "Pro určení vlastností a způsobu zadávání ";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(Texty(), (Texty_{uvod + "! VODA = HLOUBKA" + CRLF + lepsi + "vzdálenosti je lepší použít příkaz DELKOMER.",
                               uvod + "! AHOJ = GRAD, KONTROLA" + CRLF + lepsi + "azimutu je lepší použít příkaz KOMPAS.",
                               uvod + "! SKLON = ZENIT" + CRLF + lepsi + "sklonu je lepší použít příkaz SKLONOMER.",
                               "Výpočtový poměr je lepší zadávat jako součást měřidla."}));
    EXPECT_EQ(std::tuple(n->AzimutKontrola(), n->SourSys().Typ()), std::tuple(true, 2));
    const Mereni& m = M(1);
    EXPECT_EQ(std::tuple(m.delkomer->Zpusob, m.kompas.Jednotky(), m.sklonomer->Zpusob), std::tuple(2, 1, 1));
    EXPECT_EQ(std::tuple(m.zpusobDelky, m.jednotkyAzimutu), std::tuple(-1, -1)); // no suffixes, no overrides
    // Zenith 60° is 30° above the horizon; a depth of 5 along it is a slope of 10. The
    // compass's precision and the declination are in its grads.
    EXPECT_NEAR(m.sikmaDelka, 10.0, 1e-9);
    for (const auto& [hodnota, ocekavano] :
         {std::pair(m.sklonRad, Stupne(30)), std::pair(m.deklinace->Hodnota, Grady(2)),
          std::pair(m.delkomer->Presnost, 0.01), std::pair(m.kompas.Presnost(), Grady(0.5)),
          std::pair(m.sklonomer->Presnost, Stupne(3)), std::pair(m.stredniAzimut, PI / 2)})
        EXPECT_NEAR(hodnota, ocekavano, Tol);

    Parsuj(text, false); // not interactive: nobody is warned
    EXPECT_FALSE(n->IsError());
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiTest, ErrorsAndTheirLines)
{
    struct Pripad {
        std::string text;
        int chyba, radek, zaznamu = 0, help = 0;
    };
    std::vector<Pripad> pripady = {
        {"! HOR_UH = KON\nA B 10 20\n", 4, 2, 1}, // no back azimuth in the back-azimuth mode
        {"A B 1 2 3\n! DELKOMER = PASMO\n", 52, 2, 1},
        {"! KOMPAS =\n", 51, 1},
        // An error inside a definition block is on the block's line that holds it: the
        // name's line, the faulty property's line, the last line when the name is missing.
        {"! SKLONOMER = (\n\n  )\n", 51, 3},
        {"! DELKOMER = ( P )\n! DELKOMER = ( P )\n", 53, 2},
        {"! DELKOMER = ( P\n  PRE = 1 )\n", 43, 2},
        {"! KOMPAS = ( K )\n! KOMPAS = ( K\n! JED = G\n)\n", 43, 3}, // a repeated compass takes ODCH only
        {"! DELKOMER = ( P\n! PRE 1\n)\n", 2, 2},
        {"! DELKOMER = ) P\n", 811, 1},
        {"! KOMPAS = ) K\n", 911, 1},
        {"! SKLONOMER = ) S\n", 1011, 1},
        // An unclosed block leaves the reader on the line where it began.
        {"# x\n! DELKOMER = ( P\n! PRE = 1\nA B 1 2 3\n", 812, 2},
        {"! SKLONOMER = ( S # (\nA B 1 2 3\n", 1012, 1},
        {"A B 1 2 3\n! DATUM = 0\nB C 1 2 3\n", 1401, 2, 1},
        {"! DEKLINACE = 4.2, 20230229\n", ChybaDatumu, 1},
        {"! DEKLINACE = 2, 3000000000\n", ChybaHodnoty, 1},
        {"! SOU_SYS = JTSK, C_PDB, BPV, NUL_VYSKA = 5\n", 7, 1},
        {"* A1 1 2 3\n* A1 4 5 6\n", 5, 2},
        {"* A1 1 2\n", 4, 1},
    };
    // Unknown words, SADA and KOMPAR among them, are error 2.
    for (const std::string radek : {"! SADA = 1", "! KOMPAR = 1", "! DATUM 20240101", "! = 5", "!"})
        pripady.push_back({"# a\r\n" + radek + "\r\n", 2, 2});
    // Numbers too large for a double, and declinations and deviations beyond a full turn.
    for (const std::string radek :
         {"! SOU_SYS = JTSK, 1e999/g", "! SOU_SYS = JTSK, C_PDB, NUL_HLADINA = 1e999", "! DEKLINACE = 1e999",
          "! DEKLINACE = 2, 20240101, 1e999", "! VYP_POM = 1, 1e999/g, 1", "* A1 1 2 -1e999",
          "! DEKLINACE = -360.01", "! DEKLINACE = 6.29/R", "! KOMPAS = ( K )\n! KOMPAS = K, 361",
          "! KOMPAS = ( K\n! ODCH = 401\n! JED = GRADY\n)"})
        pripady.push_back({"# x\n" + radek + "\n", ChybaHodnoty, radek.find('\n') == std::string::npos ? 2 : 3});
    // A faulty measurement line: its record exists, none after it.
    auto Radky = [&](int chyba, int help, std::initializer_list<const char*> radky) {
        for (const std::string r : radky)
            pripady.push_back({"A0 A1 1 1 0\r\n" + r + "\r\nX Y 1 1 1\r\n", chyba, 2, 2, help});
    };
    Radky(1, 0, {"B1", "B1 = 5"});
    Radky(2, 0, {"B1 B2", "B1 B2 x 5"});
    Radky(3, 0, {"B1 B2 10"});
    Radky(5, 0, {"B1 B2 10 20 # poznámka", "B1 B2 10 20 x"}); // a comment: no inclination
    Radky(6, 1010, {"B1 B2 10 20 5 Q=1", "B1 B2 10 20 5 A 1", "B1 B2 10 20 5 A=5", "B1 B2 10 20 5 P=\"x\""});
    // Values no shot can have.
    Radky(ChybaHodnoty, 0,
          {"B1 B2 0 20 5", "B1 B2 10/V 20 90", "B1 B2 10/V 20 0/Z", "B1 B2 10/H 20 0", "B1 B2 10 1e999 5"});
    for (const Pripad& c : pripady) {
        Parsuj(c.text);
        OcekavejChybu(c.text, c.chyba, c.radek, c.help);
        EXPECT_EQ(n->MereniCount(), c.zaznamu) << c.text;
    }
    // Declinations and deviations of exactly a full turn are taken.
    Parsuj("! DEKLINACE = -360\n! DEKLINACE = 6.28/R\n! KOMPAS = ( K\n! ODCH = 390\n! JED = GRADY\n)\n"
           "! KOMPAS = K, 400\n! DEKLINACE = 4.2, 20240229\n");
    EXPECT_EQ(n->Error(), 0);
}

// The common forms are read by the computation's own tests; these are the unusual ones.
TEST_F(NactiTest, CoordinateSystemVariants)
{
    struct Pripad {
        std::string text;
        int typ;
        double slev;
        int konvergence, vyrovnani, jednotky;
        double natoceni;
    };
    const Pripad pripady[] = {
        // The omitted handedness word does not swallow BPV.
        {"! SOU_SYS = 30/d, BPV\n", 1, 1.0, 0, 2, 0, PI / 3},
        {"! SOU_SYS = 100/G, L\n", 1, -1.0, 0, 2, 1, 0.0},
        {"! SOU_SYS = JTSK_XY, C_TDB, NUL_BOD = a1\n", 3, -1.0, 3, 2, 0, 0.0},
        {"! SOU_SYS = JSTK, C_TPB\n", 3, -1.0, 4, 2, 0, 0.0},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.text);
        Parsuj("# vlastní\n" + c.text);
        ASSERT_FALSE(n->IsError());
        const SourSystem& s = n->SourSys();
        EXPECT_EQ(std::tuple(s.Typ(), s.SLev(), s.AutomatickaKonvergence(), s.ZpusobVyrovnani(), s.JednotkyUhlu()),
                  std::tuple(c.typ, c.slev, c.konvergence, c.vyrovnani, c.jednotky));
        EXPECT_NEAR(s.Natoceni(), c.natoceni, Tol);
        EXPECT_TRUE(p.boxes.empty());
    }
    EXPECT_EQ(n->SourSys().ZacatekPrikazu(), 12); // after "# vlastní" and its LF (í is two bytes)
    Parsuj("! SOU_SYS = JTSK_XY, C_TDB, NUL_BOD = a1\n");
    EXPECT_EQ(std::tuple(n->SourSys().RelativniVysky(), n->SourSys().SrovnavaciBod()), std::tuple(2, "A1"));

    // A zero convergence asks whether to compute it.
    p.answers.push_back(MsgBox::No);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    ASSERT_EQ(Texty(), Texty_{"Byla zadana nulova meridianova konvergence." + CRLF + "Chcete ji vypocist automaticky?"});
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 1);
    p.answers.push_back(MsgBox::Yes);
    Parsuj("! SOU_SYS = JTSK, 0\n");
    EXPECT_EQ(n->SourSys().AutomatickaKonvergence(), 2);
}

TEST_F(NactiTest, CoordinateSystemWarnings)
{
    struct Pripad {
        std::string text, zprava;
        int chyba, typ, konvergence; // -1: not checked
    };
    const Pripad pripady[] = {
        {"! SOU_SYS = JTSK, C_PDB\n! SOU_SYS = JTSK, C_TDB\n", "Souradnicovy system byl jiz zadan", 1, -1, 2},
        {"* A1 1 2 3\n! SOU_SYS = JTSK, C_PDB\n", "Je nutno zadat nejprve souřadný systém a teprve potom dané body!",
         1, -1, -1},
        // A word without "=" ends the command with a message but no error; nothing is set.
        {"! SOU_SYS = JTSK, C_PDB, BPV, NECO\n", "Chyba v prikazu.", 0, 0, -1},
        // A bad rotation mode only warns; the system is set with the default mode.
        {"! SOU_SYS = JTSK, C_PDB, VIR_VYROV = NIKDY\n", "Chyba - spatne urceni zpusobu matoceni!", 0, 2, -1},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.text);
        Parsuj(c.text);
        EXPECT_EQ(n->Error(), c.chyba);
        EXPECT_EQ(Texty(), Texty_{c.zprava});
        EXPECT_TRUE(c.typ < 0 || n->SourSys().Typ() == c.typ);
        EXPECT_TRUE(c.konvergence < 0 || n->SourSys().AutomatickaKonvergence() == c.konvergence);
    }
}

TEST_F(NactiTest, GivenPoints)
{
    const std::string text = "! DATUM = 20240401\n* A1 1000.5 2000.25 300 [ POPIS \"vchod\" ]\n  *b2 1 2 3\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError()) << n->Error();
    ASSERT_EQ(n->DBody().Count(), 2);
    const DBod& a = *n->DBody().Bod(1);
    EXPECT_EQ(std::tuple(a.Name(), a.Bod().X, a.Bod().Y, a.Bod().Z, a.Datum, a.ZacatekRadku),
              std::tuple("A1", 1000.5, 2000.25, 300.0, 20240401, 20));
    EXPECT_EQ(std::tuple(n->DBody().Bod(2)->Name(), n->DBody().Bod(2)->ZacatekRadku), std::tuple("B2", 62));
    EXPECT_EQ(n->PBody().Count(), 0); // given points are not stations met in measurement lines

    Parsuj("* A1 1 2 3\n* A1 4 5 6\n");
    EXPECT_EQ(Texty(), Texty_{"Nelze zadat dva body se stejnym oznacenim (A1)!"});
    EXPECT_EQ(n->DBody().Bod(1)->Bod().X, 1.0);
}

TEST_F(NactiTest, MeasurementLinesUnitsModesAndSuffixes)
{
    Parsuj("A1 A2 12.5 45 -3\nA2 A3 10 12°30'36\" 1°30'\nA3 A4 10 50/G 10/G\nA4 A5 10 1/R 0.1/R\n"
           "A5 A6 10 45/D 3/D\nA6 A7 10 0 80/Z\nA7 A8 10/V 0 60\nA8 A9 5/H 0 -30\nA9 A10 10/V 0\n"
           "A10 A11 -7.5 10 0\nA11 A12 10 100/GD 5/DG\nA12 A13 10 20 5/VZ\na13 a14 3 20\nA14 A15 10/SV 20 5");
    ASSERT_FALSE(n->IsError()) << n->Error() << " " << n->ErrorRow();
    ASSERT_EQ(n->MereniCount(), 14); // the last line needs no line end

    EXPECT_EQ(std::tuple(M(1).od, M(1).k, M(1).delka, M(1).azimut, M(1).sklon, M(1).sikmaDelka),
              std::tuple("A1", "A2", 12.5, 45.0, -3.0, 12.5));
    EXPECT_EQ(std::tuple(M(1).radek, M(1).zacatekRadku, M(2).zacatekRadku), std::tuple("A1 A2 12.5 45 -3", 1, 18));
    // 5: letters equal to the instrument's own; 6: zenith 80°; 11: the azimuth unit's first
    // letter wins, the inclination's last.
    const std::pair<double, double> uhly[] = {
        {M(2).azimut, 12.51},          {M(2).sklon, 1.5},         {M(1).azimutRad, Stupne(45)},
        {M(1).sklonRad, Stupne(-3)},   {M(3).azimutRad, PI / 4},  {M(3).sklonRad, PI / 20},
        {M(4).azimutRad, 1.0},         {M(4).sklonRad, 0.1},      {M(5).azimutRad, Stupne(45)},
        {M(6).sklonRad, Stupne(10)},   {M(11).azimutRad, PI / 2}, {M(11).sklonRad, Grady(5)},
        {M(12).sklonRad, PI / 2 - Stupne(5)}};
    for (const auto& [hodnota, ocekavano] : uhly)
        EXPECT_NEAR(hodnota, ocekavano, Tol);
    // Overrides: azimuth units, inclination units, length mode, inclination mode.
    const std::tuple<int, int, int, int, int> prepisy[] = {
        {3, 1, 1, -1, -1}, {4, 2, 2, -1, -1}, {5, -1, -1, -1, -1}, {6, -1, -1, -1, 1},
        {7, -1, -1, 1, -1}, {8, -1, -1, 2, -1}, {11, 1, 1, -1, -1}, {14, -1, -1, 1, -1}};
    for (const auto& [i, az, inc, delka, sklon] : prepisy)
        EXPECT_EQ(std::tuple(M(i).jednotkyAzimutu, M(i).jednotkySklonu, M(i).zpusobDelky, M(i).zpusobSklonu),
                  std::tuple(az, inc, delka, sklon))
            << i;
    // Horizontal 10 at 60°; depth 5 at -30°, a positive slope length.
    EXPECT_NEAR(M(7).sikmaDelka, 20.0, 1e-9);
    EXPECT_NEAR(M(8).sikmaDelka, 10.0, 1e-9);
    EXPECT_NEAR(M(14).sikmaDelka, 10 / std::cos(Stupne(5)), 1e-9);
    EXPECT_EQ(std::tuple(M(9).sikmaDelka, M(9).sklon), std::tuple(10.0, 0.0)); // horizontal tape, level shot
    EXPECT_EQ(std::tuple(M(10).delka, M(10).sikmaDelka), std::tuple(-7.5, 7.5)); // kept as written
    EXPECT_EQ(std::tuple(M(13).od, M(13).sklon), std::tuple("A13", 0.0));
    EXPECT_EQ(std::tuple(n->PBody().Count(), n->PBody().Bod(15)->Name()), std::tuple(15, "A15"));

    // Separators, Czech letters upper-cased; a last line of one character is never read.
    Parsuj("1,2;10,20;5\r\n* Čáp 1 2 3\r\nčáp Lež 4 5\nX");
    ASSERT_FALSE(n->IsError());
    ASSERT_EQ(n->MereniCount(), 2);
    EXPECT_EQ(std::tuple(M(1).od, M(1).k, M(1).delka, M(1).azimut, M(1).sklon), std::tuple("1", "2", 10.0, 20.0, 5.0));
    EXPECT_EQ(std::tuple(n->DBody().Bod(1)->Name(), M(2).od, M(2).k), std::tuple("ČÁP", "ČÁP", "LEŽ"));
}

TEST_F(NactiTest, AttributesTextsLayersAndTheLastComment)
{
    Parsuj("#   Vchod u smrku  \nA1 A2 10 20 0 A=\"Vchod do jeskyně\", B=Krápník Z=@ P=Dolni\n"
           "A2 A3 10 20 0 Z=@\n# druhý komentář\nA3 A4 10 20 0 a=@ # konec\na4 a5 1 2 3 ZZZ=\"z\" BOD=b\n");
    ASSERT_FALSE(n->IsError()) << n->Error();
    EXPECT_EQ(std::tuple(M(1).textA, M(1).textB, M(1).textZ, M(1).vrstva),
              std::tuple("Vchod do jeskyně", "Krápník", "Vchod u smrku", 1));
    EXPECT_EQ(n->Vrstvy().ItemNo(std::string("Dolni")), 1);
    EXPECT_EQ(std::tuple(M(2).textZ, M(2).vrstva), std::tuple("", 0)); // the line before used the comment
    EXPECT_EQ(M(3).textA, "druhý komentář");
    // Upper case is back for the names after the attribute values.
    EXPECT_EQ(std::tuple(M(4).od, M(4).textZ, M(4).textB), std::tuple("A4", "z", "b"));
}

TEST_F(NactiTest, ForwardAndBackAzimuths)
{
    const std::string text = "! HOR_UH = KON\nA B 10 10/G 210.5/G 0\nB C 10 10 190 0\nC D 10 10 196 0\n"
                             "D E 10 350 172 0\n! AZIMUT = JEDNODUSE\nE F 10 20 5\n";
    Parsuj(text);
    ASSERT_FALSE(n->IsError());
    // 10 g and 210.5 g differ from a reversal by 0.45°, within the 5° of a zero tolerance.
    EXPECT_EQ(M(1).jednotkyAzimutu, 1);
    for (const auto& [hodnota, ocekavano] :
         {std::pair(M(1).stredniAzimut, Grady(10.25)), std::pair(M(2).stredniAzimut, Stupne(10)),
          std::pair(M(3).stredniAzimut, Stupne(13)), std::pair(M(4).stredniAzimut, Stupne(351)),
          std::pair(M(4).zpetnyAzimutRad, Stupne(172)), std::pair(M(5).stredniAzimut, Stupne(20))})
        EXPECT_NEAR(hodnota, ocekavano, Tol);
    EXPECT_EQ(std::tuple(M(5).maZpetnyAzimut, M(5).sklon), std::tuple(false, 5.0));
    // Only C-D (6°) is beyond the tolerance; D-E differs by 2°.
    ASSERT_EQ(Texty(), Texty_{"Pozor! Rozdil azimutu 6°" + CRLF + "Pokračovat?"});
    EXPECT_EQ(p.boxes[0].style & MsgBox::ButtonMask, MsgBox::YesNo);

    // No stops the parse with error 21 on that line, and its record is complete; it is
    // asked even when not interactive.
    p.answers.push_back(MsgBox::No);
    Parsuj(text, false);
    OcekavejChybu(text, 21, 4);
    ASSERT_EQ(n->MereniCount(), 3);
    EXPECT_TRUE(M(3).uplny);
    EXPECT_NE(M(3).delkomer, nullptr);
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

} // namespace
} // namespace lomvira
