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
    EXPECT_EQ(std::tuple(t.ShotCount(), t.GetMeasurementCount(1), t.GetMeasurementCount(-1)), std::tuple(1, 2, 2));
    EXPECT_EQ(std::tuple(t.GetSignedShot(1, 2), t.GetSignedShot(2, 1), t.GetSignedShot(1, 3), t.FindShot(2, 1)),
              std::tuple(1, -1, 0, 0)); // pairs are looked up in their stored order only

    const ShotValues dopredu = t.GetShot(1), zpet = t.GetShot(-1);
    EXPECT_EQ(std::tuple(dopredu.From, dopredu.To, zpet.From, zpet.To), std::tuple(1, 2, 2, 1));
    for (const auto& [hodnota, ocekavano] :
         {std::pair(dopredu.L, 10.0), std::pair(dopredu.Az, 0.5 + PI), std::pair(dopredu.Inc, -0.2),
          std::pair(zpet.Az, 0.5), std::pair(zpet.Inc, 0.2), std::pair(t.GetShotBetween(2, 1)->Inc, 0.2)})
        EXPECT_NEAR(hodnota, ocekavano, Tol);
    EXPECT_FALSE(t.GetShotBetween(1, 3).has_value());

    // A single measurement comes back exactly.
    t.AddShot(1, 3, 12.34, -0.1, 0.7, 2.3e-4, 3.7e-8, 1.3e-8);
    EXPECT_EQ(std::tuple(t.GetShot(2).L, t.GetShot(2).Az, t.GetShot(2).Inc),
              std::tuple(12.34, NormalizeAngle(-0.1), NormalizeSignedAngle(0.7)));
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
    const ShotVariances s = t.GetShotVariances(-1, true), n = t.GetShotVariances(1, false);
    for (const auto& [hodnota, ocekavano] : {std::pair(s.L, 0.75), std::pair(s.Az, 1.0 / 1.5), std::pair(s.Inc, 1.0 / 1.5),
                                             std::pair(n.L, 1.5), std::pair(n.Az, 2.0 / 1.5), std::pair(n.Inc, 2.0 / 1.5)})
        EXPECT_NEAR(hodnota, ocekavano, Tol);
    t.AddShot(3, 4, 5.0, 0.0, 0.0, 0.25, 0.5, 0.125);
    EXPECT_EQ(std::pair(t.GetShotVariances(2, false).L, t.GetShotVariances(2, false).Inc), std::pair(0.25, 0.125));

    // Azimuths either side of north average to north, also when one was read walking back:
    // 359.8° forward and 180.4° back is 0.4° forward.
    t.AddShot(5, 6, 5.0, 0.1 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    t.AddShot(5, 6, 5.0, 359.9 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    t.AddShot(7, 8, 5.0, 359.8 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    t.AddShot(8, 7, 5.0, 180.4 * Stupen, 0.0, 1e-4, 1e-6, 1e-6);
    EXPECT_NEAR(NormalizeSignedAngle(t.GetShot(3).Az), 0.0, 1e-12);
    EXPECT_NEAR(NormalizeSignedAngle(t.GetShot(4).Az), 0.1 * Stupen, 1e-12);
}

TEST(ShotTable, MeasurementsThatWouldPutNaNIntoTheModelAreRefusedWithTheirReason)
{
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    struct Pripad {
        int a;
        double L, az, varL, varAz;
        OdmitnutiZamery duvod;
    };
    const Pripad pripady[] = {
        {1, 0.0, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, -3.0, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, inf, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, 5.0, 0.0, 0.0, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, 5.0, 0.0, 1e-4, -1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, 5.0, nan, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        {1, 1e-320, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota}, // its weight overflows
        {0, 5.0, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnyBod},
        {1, 5.0, 0.0, 1e-4, 1e-6, OdmitnutiZamery::Zadne},
        {1, 0.0, 0.0, 1e-4, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
        // Each weight fits, but a second one would carry the sum past the largest double.
        {3, 1e-308, 0.0, 1.0, 1e-6, OdmitnutiZamery::Zadne},
        {3, 1e-308, 0.0, 1.0, 1e-6, OdmitnutiZamery::NeplatnaHodnota},
    };
    ShotTable t;
    for (const Pripad& c : pripady) {
        OdmitnutiZamery duvod = OdmitnutiZamery::PrilisMnohoZamer;
        const CisloZamery n = t.AddShot(c.a, c.a + 1, c.L, c.az, 0.0, c.varL, c.varAz, 1e-6, &duvod);
        EXPECT_EQ(duvod, c.duvod) << c.a << " " << c.L << " " << c.varL;
        EXPECT_EQ(n != 0, c.duvod == OdmitnutiZamery::Zadne);
    }
    EXPECT_EQ(std::tuple(t.ShotCount(), t.GetMeasurementCount(1), t.GetShot(1).L), std::tuple(2, 1, 5.0));
}

TEST(ShotTable, AStationMeasuredToManyPointsKeepsEveryPairApart)
{
    // A hub such as a given point shot to hundreds of details, in both directions and
    // interleaved with a traverse, each pair measured twice.
    ShotTable t;
    constexpr int Paprsku = 300;
    for (int kolo = 0; kolo < 2; ++kolo)
        for (int i = 0; i < Paprsku; ++i) {
            const int bod = 10 + i;
            const CisloZamery paprsek = kolo == 0 ? t.ShotCount() + 1 : i * 2 + 1;
            EXPECT_EQ(i % 2 ? t.AddShot(bod, 5, 1.0, 0.1, 0.0, 1e-4, 1e-6, 1e-6)
                            : t.AddShot(5, bod, 1.0, 0.1, 0.0, 1e-4, 1e-6, 1e-6),
                      paprsek);
            EXPECT_EQ(t.AddShot(bod, bod + 1, 2.0, 0.2, 0.0, 1e-4, 1e-6, 1e-6), i * 2 + 2);
        }
    ASSERT_EQ(t.ShotCount(), 2 * Paprsku);
    for (int i = 0; i < Paprsku; ++i) {
        EXPECT_EQ(t.GetSignedShot(10 + i, 5), -(i * 2 + 1));
        EXPECT_EQ(t.GetMeasurementCount(i * 2 + 1), 2);
        EXPECT_EQ(t.FindShot(10 + i, 11 + i), i * 2 + 2);
    }
    EXPECT_EQ(std::tuple(t.FindShot(5, 9), t.FindShot(5, 10 + Paprsku), t.FindShot(11, 10)), std::tuple(0, 0, 0));
    t.ClearShots();
    EXPECT_EQ(t.FindShot(5, 10), 0);
    EXPECT_EQ(t.AddShot(5, 10, 1.0, 0.1, 0.0, 1e-4, 1e-6, 1e-6), 1);
}
