// Commands of the insert menu written into a notebook at a caret in the middle of a line:
// each must land before that line, read exactly as written, and parse to what was chosen.

#include "input/VkladaniPrikazu.h"
#include "common/Cisla.h"
#include "coords/PrikazSouSys.h"
#include "input/MeridlaStav.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace lomvira {
namespace {

// Compass K1 is defined (not selected); the caret goes into the second measurement line,
// whose record shows what the inserted command set.
const std::string Zapisnik = "# Zkusebni zapisnik\n"
                             "! KOMPAS = ( K1\n!  JEDNOTKY = GRAD\n  )\n"
                             "! DATUM = 20240315\n"
                             "A1 A2 10.5 45 -3\n"
                             "A2 A3 8.2 120 5 0\n";
const std::size_t Kurzor = Zapisnik.find("A2 A3") + 4;

struct Radek {
    const char* nazev;
    std::string prikaz;
    std::string ocekavany;
    // (actual, expected) pairs read from the parse.
    std::function<std::vector<std::pair<double, double>>(const Nacti&, const Mereni&)> hodnoty;
};

TEST(VkladaniPrikazu, ZapsanyPrikazSeCteJakoZvolenyATextSedi)
{
    const double g = PI / 200, d = PI / 180;
    VolbySouSys jtsk;
    jtsk.konvergence = KonvergenceJTSK::Zadana;
    jtsk.konvergenceText = "1,5";
    jtsk.bpv = true;
    jtsk.zpusobVyrovnani = 1;
    VolbySouSys vlastni;
    vlastni.jtsk = false;
    vlastni.osaXJednotky = JednotkaGrady;
    vlastni.zpusobVyrovnani = 0;
    vlastni.srovnavaci = true;
    vlastni.sr = "350,25";
    ZastaraleNastaveni zastarale;
    zastarale.vzdalenost = ZpusobSvisla;
    zastarale.jednotkyAzimutu = JednotkaGrady;
    zastarale.zpusobSklonu = ZpusobOdZenitu;

    const std::vector<Radek> radky = {
        {"delkomer s presnosti 0", PrikazDefinice({DruhMeridla::Delkomer, "pasmo 2", ZpusobVodorovna, 0, 0.0, 0, true}).text,
         "! DELKOMER = ( pasmo_2   # Definice Delkomeru 'pasmo_2'\r\n!  ZPUSOB = VODOROVNA\r\n!  PRESNOST = 0.01\r\n"
         "  )\r\n\r\n! DELKOMER = pasmo_2     # Pouzit delkomer 'pasmo_2'\r\n\r\n",
         [](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{
                 {m.delkomer->Presnost, 0.0001}, {m.delkomer->Zpusob, 1}, {m.delkomer->Jmeno == "PASMO_2", 1}};
         }},
        {"kompas v gradech", PrikazDefinice({DruhMeridla::Kompas, "Suunto", 0, JednotkaGrady, 1, -0.5, true}).text,
         "! KOMPAS = ( Suunto     # Definice kompasu 'Suunto'\r\n!  JEDNOTKY = GRAD\r\n!  PRESNOST = 1.00\r\n"
         "!  ODCHYLKA = -0.50\r\n  )\r\n\r\n! KOMPAS = Suunto       # Pouzit kompas 'Suunto'\r\n\r\n",
         [g](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{
                 {m.kompas.Presnost(), g}, {m.kompas.HodnotaOdchylky(), -0.5 * g}, {m.kompas.Jednotky(), 1}};
         }},
        {"zenitovy sklonomer", PrikazDefinice({DruhMeridla::Sklonomer, "S1", ZpusobOdZenitu, JednotkaRadiany, 0.01, 0, true}).text,
         "! SKLONOMER = ( S1  # Definice sklonomeru 'S1'\r\n!  JEDNOTKY = RAD\r\n!  PRESNOST = 0.01\r\n"
         "!  ZPUSOB = ZENITOVY\r\n  )\r\n\r\n! SKLONOMER = S1    # Pouzit sklonomer 'S1'\r\n\r\n",
         [](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{{m.sklonomer->Presnost, 0.01}, {m.sklonomer->Zpusob, 1}};
         }},
        {"vyber kompasu s odchylkou a datem",
         PrikazVyberu({DruhMeridla::Kompas, "K1", 0.25, JednotkaGrady, RadekDatumu(20250102, "2.1.2025")}).text,
         "! DATUM = 20250102 # tj. 2.1.2025\r\n! KOMPAS = K1, 0.25 # Vybran kompas 'K1' s odchylkou 0.25\r\n\r\n",
         [g](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{{m.kompas.HodnotaOdchylky(), 0.25 * g}, {m.datum, 20250102}};
         }},
        {"zapadni deklinace", PrikazDeklinace(2.5, true, JednotkaStupne, "").text,
         "! DEKLINACE = -2.50/D # Zadana deklinace -2.50\xC2\xB0\r\n",
         [d](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{{m.deklinace->Hodnota, -2.5 * d}};
         }},
        {"azimut s kontrolou", PrikazAzimutu(true), "! AZIMUT = KONTROLA # Zadavani smeru pri obou smerech zaveseni\r\n",
         [](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{{m.maZpetnyAzimut, 1}, {m.zpetnyAzimut, 5}};
         }},
        {"lokalita", PrikazLokality("Jeskyně u Mlýna", "1-23", false).text,
         "! LOKALITA = \"Jeskyně u Mlýna\" \"1-23\"\r\n\r\n",
         [](const Nacti& n, const Mereni&) {
             return std::vector<std::pair<double, double>>{{n.LokalitaZapisniku().jmeno == "Jeskyně u Mlýna", 1},
                                                          {n.LokalitaZapisniku().cislo == "1-23", 1}};
         }},
        {"zastarale nastaveni", PrikazyZastaralych(zastarale),
         "! VZDALENOST = HLOUBKA\r\n! HOR_UHEL = GRAD\r\n! VER_UHEL = ZENITOVY\r\n",
         [](const Nacti&, const Mereni& m) {
             return std::vector<std::pair<double, double>>{
                 {m.delkomer->Zpusob, 2}, {m.kompas.Jednotky(), 1}, {m.sklonomer->Zpusob, 1}};
         }},
        {"JTSK se zadanou konvergenci", PrikazSouSys(jtsk), "! SOU_SYS=JTSK,1.5/d,BPV,VIR_VYROV=SPOLECNE\r\n",
         [d](const Nacti& n, const Mereni&) {
             const SourSystem& s = n.SourSys();
             return std::vector<std::pair<double, double>>{
                 {s.Typ(), 2}, {s.Natoceni(), 1.5 * d}, {s.BPV(), 1}, {s.ZpusobVyrovnani(), 1}};
         }},
        {"vlastni system k hladine", PrikazSouSys(vlastni), "! SOU_SYS=0/g,P,VLASTNI,VIR_VYROV=ZADNE,NUL_HLADINA=350.25\r\n",
         [](const Nacti& n, const Mereni&) {
             const SourSystem& s = n.SourSys();
             return std::vector<std::pair<double, double>>{
                 {s.Typ(), 1}, {s.SLev(), 1}, {s.ZpusobVyrovnani(), 0}, {s.SrovnavaciRovina(), 350.25}};
         }},
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(r.nazev);
        EXPECT_EQ(r.prikaz, r.ocekavany);
        const TextSKurzorem v = VlozText(Zapisnik, Kurzor, r.prikaz);
        EXPECT_EQ(v.text.substr(0, v.kurzor), Zapisnik.substr(0, Zapisnik.find("A2 A3")) + r.prikaz);
        const RozborZapisniku rozbor(v.text, Volby{});
        ASSERT_FALSE(rozbor.Vysledek().IsError()) << rozbor.Vysledek().Error();
        ASSERT_EQ(rozbor.Vysledek().MereniCount(), 2);
        for (const auto& [skutecna, ocekavana] : r.hodnoty(rozbor.Vysledek(), *rozbor.Vysledek().MereniZaznam(2)))
            EXPECT_NEAR(skutecna, ocekavana, 1e-12);
        // A system read back presets the dialog to write the same line again.
        if (rozbor.Vysledek().SourSys().Typ() != 0) {
            EXPECT_EQ(PrikazSouSys(VolbyZeSystemu(rozbor.Vysledek().SourSys())), r.prikaz);
        }
    }
}

TEST(VkladaniPrikazu, OdmitnutiAVyberJenMeridelNadKurzorem)
{
    // Only what stands above the caret's line is offered; an anonymous instrument never is.
    const std::string text = "A1 A2 1 2 3\n! KOMPAS = ( B\n  )\n! KOMPAS = ( A\n  )\nX\n! KOMPAS = ( C\n  )\n";
    const RozborZapisniku nad(text.substr(0, ZacatekRadkuKurzoru(text, text.find("X") + 1)), Volby{});
    EXPECT_EQ(nad.Jmena(DruhMeridla::Kompas), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(nad.Jmena(DruhMeridla::Delkomer).empty());
    EXPECT_EQ(ZpravaBezMeridel(DruhMeridla::Kompas), "Na toto místo v zápisníku nelze vložit příkaz k výběru kompasu.\r\n"
                                                     "Nebyly dosud definovány žádné kompasy.");
    const struct {
        HotovyPrikaz p;
        const char* chyba;
    } odmitnute[] = {
        {PrikazDefinice({DruhMeridla::Delkomer, "  ", 0, 0, 1, 0, false}), "Nebyl zadán název měřidla!"},
        {PrikazDefinice({DruhMeridla::Kompas, "K#1", 0, 0, 1, 0, false}), "Název měřidla nesmí obsahovat znaky = ! * # ( ) , ; \""},
        {PrikazDeklinace(361, false, JednotkaStupne, ""), "Deklinace nesmí přesáhnout celou otáčku."},
        {PrikazLokality("Velka \"V\"", "", false), "Název ani číslo lokality nesmí obsahovat uvozovky."},
    };
    for (const auto& o : odmitnute) {
        EXPECT_TRUE(o.p.text.empty());
        EXPECT_EQ(o.p.chyba, o.chyba);
    }
    // A replaced line goes with its line end; the last line has none.
    EXPECT_EQ(SmazRadek("a\nbb\nc", 3).text, "a\nc");
    EXPECT_EQ(SmazRadek("a\nbb", 3).text, "a\n");
    EXPECT_EQ(VlozText("a\nb", 3, "").kurzor, 3u);
}

} // namespace
} // namespace lomvira
