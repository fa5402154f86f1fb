// The instrument listing and the dates and angles it shows.

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
    const std::pair<std::int32_t, const char*> pripady[] = {
        {20240315, "15.3.2024"}, {20031501, "1.3.2004"},  // month 15 of 2003
        {20030132, "1.2.2003"},  {20031232, "1.1.2004"},  // day 32
        {20040230, "1.3.2004"},  {19000229, "1.3.1900"},  // 2004 is a leap year, 1900 is not
        {20000229, "29.2.2000"}, {20030000, "30.11.2002"}, // 2000 is; month 0 and day 0 step back
        {20231399, "8.4.2024"},  {2147483647, "16.1.214751"}, {0, "neznámé"}, {-20240315, "neznámé"}};
    for (const auto& [datum, text] : pripady)
        EXPECT_EQ(DatumText(datum), text) << datum;
}

TEST(UhelVeVypisu, TwoToFourDecimalsWithTheUnitMark)
{
    const std::tuple<double, int, const char*> pripady[] = {
        {NaRadiany(-1.2575, JednotkaStupne), JednotkaStupne, "-1.2575° (=-1°15'27\")"},
        {NaRadiany(0.123456, JednotkaGrady), JednotkaGrady, "0.1235g"},
        {NaRadiany(399.5, JednotkaGrady), JednotkaGrady, "399.50g"},
        {0.001, JednotkaRadiany, "0.001r"}};
    for (const auto& [uhel, jednotky, text] : pripady)
        EXPECT_EQ(UhelVeVypisu(uhel, jednotky), text);
}

TEST(VypisMeridel, UnusedInstrumentsAreNotListedTheAnonymousOnesAre)
{
    MeridlaStav stav{Volby{}}; // DK 0.0001, FK and EK 0.00017 rad
    EXPECT_EQ(VypisMeridel(stav), "MĚŘIDLA:\r\nNebyly definovány žádné délkoměry!\r\n\r\n"
                                  "Nebyly definovány žádné kompasy!\r\n\r\n"
                                  "Nebyly definovány žádné sklonoměry!\r\n\r\nDEKLINACE\r\n");
    stav.ZastaralySklonomer(20100101, ZpusobOdZenitu, JednotkaGrady);
    stav.Pouzij();
    // The anonymous tape; 0.00017 rad in grads, 0.0108225g; the clinometer's date.
    const std::string vypis = VypisMeridel(stav);
    for (const char* cast : {"Délkoměr '#NEZNAMY 1'\r\n Datum zadání: neznámé\r\n Způsob zadávání: šikmá vzdálenost\r\n"
                             " Jednotky: m \r\n Přesnost= 0.01%\r\n",
                             "Sklonoměr '#NEZNAMY 1'\r\n Datum zadání: 1.1.2010\r\n Způsob zadávání úhlu: od zenitu\r\n"
                             " Jednotky: g - grády (1/400)\r\n Přesnost=0.0108g\r\n\r\nDEKLINACE\r\n"})
        EXPECT_NE(vypis.find(cast), std::string::npos) << vypis;
}

} // namespace
} // namespace lomvira
