// The instrument listing and the dates it shows.

#include "common/Cisla.h"
#include "common/Nastaveni.h"
#include "input/Datum.h"
#include "input/MeridlaStav.h"
#include "input/VypisMeridel.h"

#include <gtest/gtest.h>

#include <string>

namespace lomvira {
namespace {

TEST(DatumText, ShowsDayMonthYearAndRollsOverLikeACalendar)
{
    EXPECT_EQ(DatumText(20240315), "15.3.2024");
    EXPECT_EQ(DatumText(20001231), "31.12.2000");
    EXPECT_EQ(DatumText(20031501), "1.3.2004");  // month 15 of 2003
    EXPECT_EQ(DatumText(20030132), "1.2.2003");  // day 32 of January
    EXPECT_EQ(DatumText(20031232), "1.1.2004");
    EXPECT_EQ(DatumText(20040230), "1.3.2004");  // 2004 is a leap year
    EXPECT_EQ(DatumText(20030229), "1.3.2003");
    EXPECT_EQ(DatumText(19000229), "1.3.1900");  // 1900 is not
    EXPECT_EQ(DatumText(20000229), "29.2.2000"); // 2000 is
    EXPECT_EQ(DatumText(20030000), "30.11.2002"); // month 0 and day 0 step back
    EXPECT_EQ(DatumText(2147483647), "16.1.214751");
    EXPECT_EQ(DatumText(0), "neznámé");
    EXPECT_EQ(DatumText(-20240315), "neznámé");

    const KalendarniDatum d = DatumKalendar(20231399);
    EXPECT_EQ(d.rok, 2024);
    EXPECT_EQ(d.mesic, 4);
    EXPECT_EQ(d.den, 8); // 99 days from 1 January 2024: 31 + 29 + 31 = 91, then 8 April
}

TEST(UhelVeVypisu, TwoToFourDecimalsWithTheUnitMark)
{
    EXPECT_EQ(UhelVeVypisu(NaRadiany(12.5, JednotkaStupne), JednotkaStupne), "12.50° (=12°30')");
    EXPECT_EQ(UhelVeVypisu(NaRadiany(-1.2575, JednotkaStupne), JednotkaStupne), "-1.2575° (=-1°15'27\")");
    EXPECT_EQ(UhelVeVypisu(0.0, JednotkaStupne), "0.00° (=0°)");
    EXPECT_EQ(UhelVeVypisu(NaRadiany(0.123456, JednotkaGrady), JednotkaGrady), "0.1235g");
    EXPECT_EQ(UhelVeVypisu(NaRadiany(399.5, JednotkaGrady), JednotkaGrady), "399.50g");
    EXPECT_EQ(UhelVeVypisu(1.0, JednotkaRadiany), "1.00r");
    EXPECT_EQ(UhelVeVypisu(0.001, JednotkaRadiany), "0.001r");
}

constexpr const char* PrazdnyVypis = "MĚŘIDLA:\r\n"
                                     "Nebyly definovány žádné délkoměry!\r\n\r\n"
                                     "Nebyly definovány žádné kompasy!\r\n\r\n"
                                     "Nebyly definovány žádné sklonoměry!\r\n\r\n"
                                     "DEKLINACE\r\n";

TEST(VypisMeridel, NothingUsedNothingListed)
{
    MeridlaStav stav{Volby{}};
    EXPECT_EQ(VypisMeridel(stav), PrazdnyVypis);
}

TEST(VypisMeridel, NotebookWithoutInstrumentCommands)
{
    MeridlaStav stav{Volby{}}; // DK 0.0001, FK and EK 0.00017 rad
    stav.Pouzij();
    stav.Pouzij();
    // 0.00017 rad = 0.0097402825° = 35.065", cut to hundredths of a second.
    EXPECT_EQ(VypisMeridel(stav), "MĚŘIDLA:\r\n"
                                  "Délkoměr '#NEZNAMY 1'\r\n"
                                  " Datum zadání: neznámé\r\n"
                                  " Způsob zadávání: šikmá vzdálenost\r\n"
                                  " Jednotky: m \r\n"
                                  " Přesnost= 0.01%\r\n"
                                  "\r\n"
                                  "Kompas '#NEZNAMY 1'\r\n"
                                  " Datum zadání: neznámé\r\n"
                                  " Jednotky: ° - stupně (1/360)\r\n"
                                  " Přesnost=0.0097° (=35.06\")\r\n"
                                  " Odchylka=0.00° (=0°) k datu: neznámé\r\n"
                                  "\r\n"
                                  "Sklonoměr '#NEZNAMY 1'\r\n"
                                  " Datum zadání: neznámé\r\n"
                                  " Způsob zadávání úhlu: od horizontu\r\n"
                                  " Jednotky: ° - stupně (1/360)\r\n"
                                  " Přesnost=0.0097° (=35.06\")\r\n"
                                  "\r\n"
                                  "DEKLINACE\r\n");
}

TEST(VypisMeridel, DefinedInstrumentsDeviationsAndDeclinations)
{
    MeridlaStav stav{Volby{}};
    const auto bezBoxu = [](const std::string&, int, const std::string&, int) { return 1; };
    ASSERT_EQ(stav.Definice(DruhMeridla::Delkomer, " PASMO # hlavní\r\n! ZPUSOB = VODOROVNA\r\n! PRESNOST = 0.5\r\n ",
                            20240315, bezBoxu),
              0);
    ASSERT_EQ(stav.Definice(DruhMeridla::Delkomer, "R", 20240316, bezBoxu), 0);
    ASSERT_EQ(stav.Definice(DruhMeridla::Kompas, "K1\r\n! JED = GRADY\r\n! ODCH = 2\r\n! PRE = 1", 20240315, bezBoxu),
              0);
    ASSERT_EQ(stav.Definice(DruhMeridla::Sklonomer, "SK\r\n!PRE=0.5\r\n!ZPU=ZEN", 20240315, bezBoxu), 0);
    // Before any compass is selected the declination is in the anonymous compass's degrees.
    stav.PridejDeklinaci(1.5, "", std::nullopt, 0.0, "", 20240315);
    stav.PridejDeklinaci(-0.25, "G", 20231231, 0.01, "G", 20240315);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Delkomer, "PASMO", std::nullopt, 20240401), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K1", 3.0, 20240401), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Sklonomer, "SK", std::nullopt, 20240401), 0);
    stav.Pouzij();

    EXPECT_EQ(VypisMeridel(stav), "MĚŘIDLA:\r\n"
                                  "Délkoměr 'PASMO'\r\n"
                                  " Datum zadání: 15.3.2024\r\n"
                                  " Způsob zadávání: vodorovná vzdálenost\r\n"
                                  " Jednotky: m \r\n"
                                  " Přesnost= 0.5%\r\n"
                                  "\r\n"
                                  "Délkoměr 'R' - nepoužívaný!\r\n"
                                  " Datum zadání: 16.3.2024\r\n"
                                  " Způsob zadávání: šikmá vzdálenost\r\n"
                                  " Jednotky: m \r\n"
                                  " Přesnost= 0.01%\r\n"
                                  "\r\n"
                                  "Kompas 'K1'\r\n"
                                  " Datum zadání: 15.3.2024\r\n"
                                  " Jednotky: g - grády (1/400)\r\n"
                                  " Přesnost=1.00g\r\n"
                                  " Odchylka=2.00g k datu: 15.3.2024 - nepouzita\r\n"
                                  " Odchylka=3.00g k datu: 1.4.2024\r\n"
                                  "\r\n"
                                  "Sklonoměr 'SK'\r\n"
                                  " Datum zadání: 15.3.2024\r\n"
                                  " Způsob zadávání úhlu: od zenitu\r\n"
                                  " Jednotky: ° - stupně (1/360)\r\n"
                                  " Přesnost=0.50° (=30')\r\n"
                                  "\r\n"
                                  "DEKLINACE\r\n"
                                  " K datu 31.12.2023: -0.25g, roční přírůstek: 0.01g\r\n"
                                  " K datu 15.3.2024: 1.50° (=1°30')\r\n");
}

TEST(VypisMeridel, UnusedCompassInRadiansAmongUsedOnes)
{
    MeridlaStav stav{Volby{}};
    const auto bezBoxu = [](const std::string&, int, const std::string&, int) { return 1; };
    ASSERT_EQ(stav.Definice(DruhMeridla::Kompas, "KR\r\n!JED=RAD\r\n!PRE=0.002\r\n!ODCH=-0.01", 0, bezBoxu), 0);
    stav.ZastaralySklonomer(20100101, ZpusobOdZenitu, JednotkaGrady);
    stav.Pouzij();
    const std::string vypis = VypisMeridel(stav);
    EXPECT_NE(vypis.find("Kompas 'KR' - nepoužívaný!\r\n"
                         " Datum zadání: neznámé\r\n"
                         " Jednotky: R - radiány (1/2/PI)\r\n"
                         " Přesnost=0.002r\r\n"
                         " Odchylka=-0.01r k datu: neznámé - nepouzita\r\n"
                         "\r\n"
                         "Kompas '#NEZNAMY 1'\r\n"),
              std::string::npos)
        << vypis;
    // 0.00017 rad in grads: 0.0108225g.
    EXPECT_NE(vypis.find("Sklonoměr '#NEZNAMY 1'\r\n"
                         " Datum zadání: 1.1.2010\r\n"
                         " Způsob zadávání úhlu: od zenitu\r\n"
                         " Jednotky: g - grády (1/400)\r\n"
                         " Přesnost=0.0108g\r\n"
                         "\r\nDEKLINACE\r\n"),
              std::string::npos)
        << vypis;
}

} // namespace
} // namespace lomvira
