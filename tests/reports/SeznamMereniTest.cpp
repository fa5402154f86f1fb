// The measurement list: corrected directions, deviations of repeated measurements and
// from the adjusted network, the measurements in the computation's convention, and the
// listing lines byte for byte.

#include "common/Cisla.h"
#include "app/Kontext.h"
#include "common/Nastaveni.h"
#include "app/NactiZapisnik.h"
#include "model/Model.h"
#include "model/ShotTable.h"
#include "reports/SeznamMereni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-9;
const std::string DEG = "\xC2\xB0";

double Stupne(double d) { return d / 180.0 * PI; }

// Codes: distance mode, back direction, direction unit, inclination mode, inclination unit.
std::int16_t Kody(int delka, int zpet, int smer, int zpusobSklonu, int sklon)
{
    return PackFlags(delka, zpet, smer, zpusobSklonu, sklon);
}

class SeznamMereniTest : public ::testing::Test {
protected:
    void Pridej(double smer, double zpet, std::int16_t kody, double odchylka = 0, double deklinace = 0)
    {
        s.AddListingRecord(1, 2, 10, smer, zpet, 0, kody, odchylka, deklinace, "A", "B");
    }
    void NactiText(const std::string& text)
    {
        NactiZapisnik(k, text);
        ASSERT_EQ(k.posledniChybaNacteni, 0);
    }
    MeasurementListRecord R(int n) const { return k.seznamMereni.GetListingRecord(n); }

    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};
    Model prazdny;
    SeznamMereni s;
};

TEST_F(SeznamMereniTest, MeanOfForwardAndBackAndTheCorrectedDirection)
{
    Pridej(10, 190, Kody(0, 1, 0, 0, 0));
    Pridej(10, 192, Kody(0, 1, 0, 0, 0));
    Pridej(350, 172, Kody(0, 1, 0, 0, 0));
    Pridej(10, 210.5, Kody(0, 1, 1, 0, 1));        // grads
    Pridej(100, 0, Kody(0, 0, 1, 0, 1), 0, 0.01);  // grads, declination 0.01 rad
    Pridej(359, 0, Kody(0, 0, 0, 0, 0), Stupne(0.5), Stupne(1.5)); // past the full circle
    Pridej(6.2, 0, Kody(0, 0, 2, 0, 2), 0, 0.1);   // radians
    Pridej(10, 500, Kody(0, 0, 0, 0, 0));          // a back direction without its flag is not used
    s.VypocetOdchylek(prazdny, p, false, nullptr);

    const std::vector<double> ocekavane = {10, 11, 351, 10.25, 100 + 0.01 / PI * 200, 1, 6.3 - 2 * PI, 10};
    ASSERT_EQ(s.ListingCount(), static_cast<int>(ocekavane.size()));
    for (int i = 1; i <= s.ListingCount(); ++i)
        EXPECT_NEAR(s.GetListingRecord(i).CorrectedDirection, ocekavane[i - 1], 1e-9) << i;
}

TEST_F(SeznamMereniTest, DeviationsOfRepeatedMeasurementsFromTheirShotsMean)
{
    NactiText("A B 10 30 5\n"
              "A B 10.2 32 5\n"
              "B C 5 90 0\n"
              "D E 10/V 45 60/Z\n"   // horizontal 10 at 30°
              "E D 12/V 225 120/Z\n" // the same shot walked back, horizontal 12
              "F G 5/H 10 -30\n"     // depths 5 and 6 at -30°
              "F G 6/H 10 -30\n");
    // Equal weights: the mean length is the harmonic mean, the mean direction 31°.
    const double ab = 2 / (1 / 10.0 + 1 / 10.2);
    EXPECT_EQ(R(1).HasRepeatDeviations, -1);
    EXPECT_NEAR(R(1).RepeatDevDistance, ab - 10, Tol);
    EXPECT_NEAR(R(1).RepeatDevDirection, 1, Tol);
    EXPECT_NEAR(R(2).RepeatDevDistance, ab - 10.2, Tol);
    EXPECT_NEAR(R(2).RepeatDevDirection, -1, Tol);
    EXPECT_EQ(R(3).HasRepeatDeviations, 0);

    // Horizontal lengths: the reduced mean is the harmonic mean of 10 and 12, seen from
    // either end; zenith angles and directions agree exactly.
    const double de = 2 / (1 / 10.0 + 1 / 12.0);
    EXPECT_NEAR(R(4).RepeatDevDistance, de - 10, Tol);
    EXPECT_NEAR(R(5).RepeatDevDistance, de - 12, Tol);
    for (int i : {4, 5})
        EXPECT_NEAR(R(i).RepeatDevInclination, 0, Tol) << i;
    // Depths downwards are reduced by the size of the sine.
    const double fg = 2 / (1 / 10.0 + 1 / 12.0) * 0.5;
    EXPECT_NEAR(R(6).RepeatDevDistance, fg - 5, Tol);
    EXPECT_NEAR(R(7).RepeatDevDistance, fg - 6, Tol);
}

TEST_F(SeznamMereniTest, DeviationsFromTheAdjustedNetworkOnlyWhenComputed)
{
    NactiText("A B 10 90 0\nB C 5 0 0\n");
    // Azimuth 90° is the first axis; put B a little off it and turn the region by 1°.
    k.model.stations.SetStationCoordinates(1, 0, 0, 0);
    k.model.stations.SetStationCoordinates(2, 10, 0.1, 0);
    k.model.regions.SetRegionRotation(1, Stupne(1));

    k.seznamMereni.VypocetOdchylek(k.model, p, false, [](int) { return true; });
    EXPECT_EQ(R(1).HasAdjustedDeviations, 0); // not computed
    k.seznamMereni.VypocetOdchylek(k.model, p, true, [](int shot) { return shot == 1; });
    EXPECT_EQ(R(1).HasAdjustedDeviations, -1);
    EXPECT_NEAR(R(1).AdjustedDevDistance, std::sqrt(100.01) - 10, Tol);
    EXPECT_NEAR(R(1).AdjustedDevDirection, -std::atan(0.01) / PI * 180 - 1, Tol);
    EXPECT_EQ(R(2).HasAdjustedDeviations, 0); // not in an adjusted network
}

TEST_F(SeznamMereniTest, MeasurementsInTheComputationsConvention)
{
    s.AddListingRecord(3, 4, 5, 30, 0, -30, Kody(2, 0, 0, 0, 0), 0, Stupne(2), "C", "D");
    s.AddListingRecord(4, 5, 10, 100, 300, 60, Kody(1, 1, 1, 1, 0), 0, 0, "D", "E");
    s.AddListingRecord(5, 6, 7, 1, 0, 0.5, Kody(0, 0, 2, 0, 2), 0, 0, "E", "F");
    s.VypocetOdchylek(prazdny, p, false, nullptr);

    // A depth of 5 downwards at 30° is a slope length of 10, not -10.
    const ListingMeasurement m1 = s.GetListingMeasurement(1);
    EXPECT_NEAR(m1.L, 10, Tol);
    EXPECT_NEAR(m1.I, Stupne(-30), Tol);
    EXPECT_NEAR(m1.A, Stupne(90 - 32), Tol);
    // Horizontal 10 at zenith 60° (30° up); grads forward and back.
    const ListingMeasurement m2 = s.GetListingMeasurement(2);
    EXPECT_NEAR(m2.I, Stupne(30), Tol);
    EXPECT_NEAR(m2.L, 10 / std::cos(Stupne(30)), Tol);
    EXPECT_NEAR(m2.A, 0, Tol);
    EXPECT_NEAR(s.GetListingMeasurement(3).A, PI / 2 - 1, Tol); // radians
}

TEST_F(SeznamMereniTest, ListingLinesByteForByte)
{
    s.AddListingRecord(1, 2, 12.345, 45.5, 0, -3.5, Kody(0, 0, 0, 0, 0), Stupne(1), Stupne(2), "A1", "A2");
    s.AddListingRecord(3, 4, 7.25, 140, 340.5, 95, Kody(1, 1, 1, 1, 1), 0, 0, "B1", "B2");
    const auto drivejsi = s.GetListingRecord(2).DefaultAccuracies;
    s.NastavVychoziPresnosti(0.1, 0.2, 0.3); // a record keeps the accuracies it was added with
    s.AddListingRecord(5, 6, 1234.5, 1.5, 0, -0.25, Kody(2, 0, 2, 0, 2), 0, 0.1, "Čáp", "ABCDEFGHIJKL");
    s.VypocetOdchylek(prazdny, p, false, nullptr);

    const std::vector<std::string> radky = s.VypisMereni('.');
    ASSERT_EQ(radky.size(), 3u);
    EXPECT_EQ(radky[0], "A1        A2          12.345   45.50" + DEG + "          -3.50" + DEG + "   48.500" + DEG
                            + "   1.000" + DEG + "   2.000" + DEG);
    EXPECT_EQ(radky[1], "B1        B2           7.250V 140.00g 340.50g  95.00gZ 140.250g   0.000g   0.000g");
    EXPECT_EQ(radky[2], "Čáp       ABCDEFGHIJ1234.500H   1.50r          -0.25r    1.600r   0.000r   0.100r");
    const MeasurementListRecord r2 = s.GetListingRecord(2), r3 = s.GetListingRecord(3);
    EXPECT_EQ((std::vector<std::string>{r2.NameFrom, r2.NameTo, r3.NameFrom, r3.NameTo}),
              (std::vector<std::string>{"B1        ", "B2        ", "Čáp       ", "ABCDEFGHIJ"}));
    EXPECT_EQ(std::tuple(r2.DefaultAccuracies, r3.DefaultAccuracies),
              std::tuple(drivejsi, std::array<double, 3>{0.1, 0.2, 0.3}));

    EXPECT_EQ(s.VypisMereni(',')[0], "A1        A2          12,345   45,50" + DEG + "          -3,50" + DEG
                                         + "   48,500" + DEG + "   1,000" + DEG + "   2,000" + DEG);
}

} // namespace
} // namespace lomvira
