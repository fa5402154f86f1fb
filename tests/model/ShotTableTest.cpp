#include "common/Cisla.h"
#include "model/ShotTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace lomvira;

namespace {
constexpr double Tol = 1e-12;
constexpr double Stupen = PI / 180.0;
} // namespace

TEST(ShotTable, BothDirectionsFallIntoOneShotStoredFromTheLowerStation)
{
    ShotTable t;
    EXPECT_EQ(t.AddShot(2, 1, 10.0, 0.5, 0.2, 1e-4, 1e-6, 1e-6), 1);
    EXPECT_EQ(t.AddShot(1, 2, 10.0, 0.5 + PI, -0.2, 1e-4, 1e-6, 1e-6), 1);
    EXPECT_EQ(t.ShotCount(), 1);
    EXPECT_EQ(t.GetMeasurementCount(1), 2);
    EXPECT_EQ(t.GetMeasurementCount(-1), 2);

    const ShotValues dopredu = t.GetShot(1);
    EXPECT_EQ(dopredu.From, 1);
    EXPECT_EQ(dopredu.To, 2);
    EXPECT_NEAR(dopredu.L, 10.0, Tol);
    EXPECT_NEAR(dopredu.Az, 0.5 + PI, Tol);
    EXPECT_NEAR(dopredu.Inc, -0.2, Tol);

    EXPECT_EQ(t.GetSignedShot(1, 2), 1);
    EXPECT_EQ(t.GetSignedShot(2, 1), -1);
    EXPECT_EQ(t.GetSignedShot(1, 3), 0);
    EXPECT_EQ(t.FindShot(2, 1), 0); // pairs are looked up in their stored order only

    const ShotValues zpet = t.GetShot(-1);
    EXPECT_EQ(zpet.From, 2);
    EXPECT_EQ(zpet.To, 1);
    EXPECT_NEAR(zpet.Az, 0.5, Tol);
    EXPECT_NEAR(zpet.Inc, 0.2, Tol);

    const auto mezi = t.GetShotBetween(2, 1);
    ASSERT_TRUE(mezi.has_value());
    EXPECT_NEAR(mezi->Az, 0.5, Tol);
    EXPECT_NEAR(mezi->Inc, 0.2, Tol);
    EXPECT_FALSE(t.GetShotBetween(1, 3).has_value());
}

TEST(ShotTable, ASingleMeasurementComesBackExactly)
{
    ShotTable t;
    t.AddShot(1, 2, 12.34, 1.2345, -0.3, 1.7e-4, 3.1e-8, 2.9e-8);
    t.AddShot(1, 3, 7.77, -0.1, 0.7, 2.3e-4, 3.7e-8, 1.3e-8);
    const ShotValues a = t.GetShot(1);
    EXPECT_EQ(a.L, 12.34);
    EXPECT_EQ(a.Az, 1.2345);
    EXPECT_EQ(a.Inc, NormalizeSignedAngle(-0.3));
    const ShotValues b = t.GetShot(2);
    EXPECT_EQ(b.L, 7.77);
    EXPECT_EQ(b.Az, NormalizeAngle(-0.1));
    EXPECT_EQ(b.Inc, NormalizeSignedAngle(0.7));
}

TEST(ShotTable, RepeatedMeasurementsAreWeightedMeans)
{
    ShotTable t;
    t.AddShot(1, 2, 10.0, 1.0, 0.1, 1.0, 1.0, 1.0);
    t.AddShot(1, 2, 20.0, 1.3, 0.4, 3.0, 2.0, 2.0);
    const ShotValues v = t.GetShot(1);
    EXPECT_NEAR(v.L, 80.0 / 7.0, Tol); // (1 + 1/3) / (1/10 + 1/60): weighted harmonic mean
    EXPECT_NEAR(v.Az, 1.1, Tol);       // 1.0 + (0.3/2) / 1.5
    EXPECT_NEAR(v.Inc, 0.2, Tol);      // (0.1 + 0.4/2) / 1.5

    // Repetition reduces the variances only with VICE_MERENI.
    const ShotVariances s = t.GetShotVariances(-1, true);
    EXPECT_NEAR(s.L, 0.75, Tol);
    EXPECT_NEAR(s.Az, 1.0 / 1.5, Tol);
    EXPECT_NEAR(s.Inc, 1.0 / 1.5, Tol);
    const ShotVariances n = t.GetShotVariances(1, false);
    EXPECT_NEAR(n.L, 1.5, Tol);
    EXPECT_NEAR(n.Az, 2.0 / 1.5, Tol);
    EXPECT_NEAR(n.Inc, 2.0 / 1.5, Tol);

    t.AddShot(3, 4, 5.0, 0.0, 0.0, 0.25, 0.5, 0.125);
    const ShotVariances jedno = t.GetShotVariances(2, false);
    EXPECT_EQ(jedno.L, 0.25);
    EXPECT_EQ(jedno.Inc, 0.125);
}

TEST(ShotTable, AzimuthsEitherSideOfNorthAverageToNorth)
{
    ShotTable t;
    t.AddShot(1, 2, 5.0, 0.1 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    t.AddShot(1, 2, 5.0, 359.9 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    EXPECT_NEAR(NormalizeSignedAngle(t.GetShot(1).Az), 0.0, 1e-12);

    // The same when one reading was taken walking back: 359.8° forward and 180.4° back,
    // which is 0.4° forward.
    t.AddShot(3, 4, 5.0, 359.8 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    t.AddShot(4, 3, 5.0, 180.4 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    EXPECT_NEAR(NormalizeSignedAngle(t.GetShot(2).Az), 0.1 * Stupen, 1e-12);
}

TEST(ShotTable, MeasurementsThatWouldPutNaNIntoTheModelAreRefused)
{
    ShotTable t;
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(t.AddShot(1, 2, 0.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.AddShot(1, 2, -3.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.AddShot(1, 2, inf, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.AddShot(1, 2, 5.0, 0.0, 0.0, 0.0, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.AddShot(1, 2, 5.0, 0.0, 0.0, 1e-4, -1e-6, 1e-6), 0);
    EXPECT_EQ(t.AddShot(1, 2, 5.0, nan, 0.0, 1e-4, 1e-6, nan), 0);
    EXPECT_EQ(t.AddShot(1, 2, 5.0, 0.0, 0.0, 1e-320, 1e-6, 1e-6), 0); // its weight overflows
    EXPECT_EQ(t.AddShot(0, 2, 5.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.ShotCount(), 0);

    ASSERT_EQ(t.AddShot(1, 2, 5.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 1);
    EXPECT_EQ(t.AddShot(1, 2, 0.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6), 0);
    EXPECT_EQ(t.GetMeasurementCount(1), 1);
    EXPECT_EQ(t.GetShot(1).L, 5.0);
}

TEST(ShotTable, OutOfRangeNumbersAndStyles)
{
    ShotTable t;
    t.AddShot(1, 2, 5.0, 0.0, 0.0, 1e-4, 1e-6, 1e-6);
    EXPECT_EQ(t.GetMeasurementCount(0), -1);
    EXPECT_EQ(t.GetMeasurementCount(2), -1);
    EXPECT_EQ(t.GetShot(-2).From, 0);

    // Each style is taken from the first measurement that has one.
    t.SetShotStyles(-1, 3, 0);
    t.SetShotStyles(1, 5, 7);
    t.SetShotStyles(1, 6, 8);
    t.SetShotStyles(9, 1, 1);
    EXPECT_EQ(t.GetShotRecord(1).DrawStyle, 3);
    EXPECT_EQ(t.GetShotRecord(1).ViewStyle, 7);

    t.ClearShots();
    EXPECT_EQ(t.FindShot(1, 2), 0);
}

TEST(ShotFlags, PackAndUnpackFiveTwoBitValues)
{
    // 1 | 0<<2 | 2<<4 | 3<<6 | 1<<8 = 1 + 32 + 192 + 256
    EXPECT_EQ(PackFlags(1, 0, 2, 3, 1), 481);
    const auto v = UnpackFlags(481);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(v[2], 2);
    EXPECT_EQ(v[3], 3);
    EXPECT_EQ(v[4], 1);
    // Only the low two bits of each value count: -1 is 3, 4 is 0.
    EXPECT_EQ(PackFlags(-1, 4, 0, 0, 7), 3 | 3 << 8);
}

TEST(ShotTable, EveryRefusalTellsItsReason)
{
    struct Pripad {
        int a;
        double L, varL;
        OdmitnutiZamery duvod;
    };
    const Pripad pripady[] = {
        {1, 5.0, 1e-4, OdmitnutiZamery::Zadne},           {0, 5.0, 1e-4, OdmitnutiZamery::NeplatnyBod},
        {1, 1e-320, 1e-4, OdmitnutiZamery::NeplatnaHodnota},
        // Each weight fits, but a second one would carry the sum past the largest double.
        {3, 1e-308, 1.0, OdmitnutiZamery::Zadne},         {3, 1e-308, 1.0, OdmitnutiZamery::NeplatnaHodnota},
    };
    ShotTable t;
    for (const Pripad& c : pripady) {
        OdmitnutiZamery duvod = OdmitnutiZamery::PrilisMnohoZamer;
        const CisloZamery n = t.AddShot(c.a, c.a + 1, c.L, 0.0, 0.0, c.varL, 1e-6, 1e-6, &duvod);
        EXPECT_EQ(duvod, c.duvod) << c.a << " " << c.L << " " << c.varL;
        EXPECT_EQ(n != 0, c.duvod == OdmitnutiZamery::Zadne);
    }
    EXPECT_EQ(std::pair(t.GetMeasurementCount(1), t.GetMeasurementCount(2)), std::pair(1, 1));
}
