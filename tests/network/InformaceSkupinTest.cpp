// The group information texts, and the shot deviations after an adjustment: a loop turned
// onto its given points and closing exactly leaves no deviation, a dead end none computed.

#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "network/InformaceSkupin.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lomvira::test {
namespace {

TEST(InformaceSkupin, Texts)
{
    RegionTable oblasti;
    oblasti.InitRegions();
    int stav = 3;
    oblasti.AssignShotRegion(1, 2, stav);
    stav = 3;
    oblasti.AssignShotRegion(3, 4, stav);
    oblasti.CompressRegions(4);
    oblasti.SetRegionRotation(1, 0.1);
    oblasti.SetRegionRotation(2, 0.2);
    const std::pair<std::string, std::string> pripady[] = {
        {StupenVyrovnani(2, 1), "Stupeň vyrovnání:\r\nSoustava:1\r\nLineární: 2\r\nOtevřená: 1"},
        {StupenVyrovnani(5, 6), "Stupeň vyrovnání:\r\nSoustava:6\r\nAbsolutně vyrovnaná: 10\r\nKubická: 15\r\n"
                                "Síťová: 10\r\nLineární: 5\r\nOtevřená: 4"},
        {PopisSkupiny(3, SkupinaSit) + PopisSkupiny(1, -1) + PopisSkupiny(2, 7), "Skupina 3 SSkupina 1 NSkupina 2 ?"},
        {TextNatoceni(oblasti, 0, JednotkaStupne), "Natočení je pro oblasti různé."},
        {TextNatoceni(oblasti, 2, JednotkaGrady), "Natočení oblasti: 12.7324g"},
        {TextDelky(14.1425, 10), "Šikmá délka: 14.143 m\r\nVodorovná  : 10.000 m"},
        {TextOdchylek({SkupinaSit, -1, -0.0125, PI / 200, -PI / 400}, JednotkaGrady),
         "Odchylky po vyrovnání:\r\nDélky: -0.013\r\nSměru: 1.0000g\r\nSklonu: -0.5000g"},
        {TextOdchylek({SkupinaRajon, 0, 0, 0, 0}, JednotkaStupne), "Odchylky po vyrovnání:\r\nNevyrovnáno"},
    };
    for (const auto& [text, ocekavany] : pripady)
        EXPECT_EQ(text, ocekavany);
    oblasti.SetRegionRotation(2, 0.1);
    EXPECT_EQ(TextNatoceni(oblasti, 0, JednotkaStupne), "Natočení oblasti: 5.7296\xC2\xB0");
}

TEST(InformaceSkupin, ALoopTurnedOntoItsGivenPointsKeepsNoDeviation)
{
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k(platforma, nastaveni);
    // A3 lies 10 m east and 10 m north of A1 as measured, but turned by 0.2 rad.
    const double d = std::sqrt(200.0);
    const double x3 = 1000 + d * std::cos(PI / 4 + 0.2), y3 = 2000 + d * std::sin(PI / 4 + 0.2);
    NactiZapisnik(k, "! SOU_SYS = 0/d, VLASTNI, VIR_VYROV = SAMOSTATNE\n* A1 1000 2000 300\n* A3 "
                         + std::to_string(x3) + " " + std::to_string(y3) + " 301\n"
                         "A1 A2 10 90 0\nA2 A3 10.05 0 5.7106\nA3 A4 10 270 0\nA4 A1 10.05 180 -5.7106\n"
                         "A4 A10 2 90 0\n");
    Vectorize(k);
    ASSERT_EQ(SpustVypocet(k), "");
    ASSERT_GT(std::fabs(k.model.regions.GetRegionRotation(1)), 0.1);
    const std::vector<ShotDeviation> odchylky = ComputeShotDeviations(k.model, k.sit, *k.Soustava());
    ASSERT_EQ(odchylky.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(odchylky[i].Adjusted, -1) << i;
        EXPECT_NEAR(odchylky[i].DevLength, 0, 2e-3) << i;
        EXPECT_NEAR(odchylky[i].DevAzimuth, 0, 2e-4) << i;
        EXPECT_NEAR(odchylky[i].DevInclination, 0, 2e-4) << i;
    }
    EXPECT_EQ(odchylky[4].Adjusted, 0);
    EXPECT_EQ(odchylky[4].Kind, SkupinaRajon);
}

} // namespace
} // namespace lomvira::test
