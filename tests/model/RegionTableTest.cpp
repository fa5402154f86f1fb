#include "model/RegionTable.h"

#include <gtest/gtest.h>

using namespace lomvira;

namespace {

// Stations are numbered as they are first met, as the load numbers them; the state says
// which ends are new.
void Zamera(RegionTable& t, int& pocet, int a, int b)
{
    int state = 0;
    if (a > pocet) {
        state += 1;
        pocet = a;
    }
    if (b > pocet) {
        state += 2;
        pocet = b;
    }
    t.AssignShotRegion(a, b, state);
}

} // namespace

TEST(RegionTable, RegionsMergeKeepTheSmallerNumberAndCompressWithoutGaps)
{
    RegionTable t;
    t.InitRegions();
    int n = 0;
    // A-B, C-D, B-C, E-F with A..F = 1..6
    Zamera(t, n, 1, 2);
    Zamera(t, n, 3, 4);
    EXPECT_EQ(t.RegionOf(3), 2);
    Zamera(t, n, 2, 3);
    EXPECT_EQ(t.RegionOf(4), 1);
    Zamera(t, n, 5, 6);
    EXPECT_EQ(t.RegionOf(5), 3);
    EXPECT_EQ(t.RegionCount(), 3);

    t.CompressRegions(6);
    EXPECT_EQ(t.RegionCount(), 2);
    EXPECT_EQ(t.RegionOf(1), 1);
    EXPECT_EQ(t.RegionOf(4), 1);
    EXPECT_EQ(t.RegionOf(5), 2);
    EXPECT_EQ(t.RegionOf(6), 2);

    t.BuildRegionLists(6);
    EXPECT_EQ(t.RegionStationCount(0), 6);
    EXPECT_EQ(t.RegionStationCount(1), 4);
    EXPECT_EQ(t.RegionStationCount(2), 2);
    EXPECT_EQ(t.RegionStationCount(3), 0);
    EXPECT_EQ(t.GetRegionStation(2, 1), 5);
    EXPECT_EQ(t.GetRegionStation(2, 2), 6);
    EXPECT_EQ(t.GetRegionStation(2, 3), 0);
    EXPECT_EQ(t.GetRegionStation(0, 4), 4);
    EXPECT_EQ(t.GetRegionStation(0, 7), 0);
    EXPECT_EQ(t.StationLocalNumber(6), 2);
    EXPECT_EQ(t.StationLocalNumber(3), 3);
}

TEST(RegionTable, InterleavedRegionsAreListedInStationOrder)
{
    RegionTable t;
    t.InitRegions();
    int n = 0;
    Zamera(t, n, 1, 2); // region 1
    Zamera(t, n, 3, 4); // region 2
    Zamera(t, n, 5, 6); // region 3
    Zamera(t, n, 6, 3); // joins 3 into 2; the count is not decreased by a merge
    EXPECT_EQ(t.RegionOf(5), 2);
    EXPECT_EQ(t.RegionCount(), 3);
    Zamera(t, n, 7, 1); // only the first end is new: it joins region 1
    Zamera(t, n, 1, 7); // both ends known and in one region: nothing changes
    EXPECT_EQ(t.RegionOf(7), 1);
    EXPECT_EQ(t.RegionCount(), 3);

    t.CompressRegions(7);
    t.BuildRegionLists(7);
    ASSERT_EQ(t.RegionCount(), 2);
    EXPECT_EQ(t.RegionStationCount(1), 3);
    EXPECT_EQ(t.GetRegionStation(1, 3), 7);
    EXPECT_EQ(t.RegionStationCount(2), 4);
    EXPECT_EQ(t.GetRegionStation(2, 1), 3);
    EXPECT_EQ(t.GetRegionStation(2, 4), 6);
    EXPECT_EQ(t.StationLocalNumber(5), 3);
    EXPECT_EQ(t.StationLocalNumber(7), 3);
}

TEST(RegionTable, AShotFromAStationToItselfStillGivesItARegion)
{
    RegionTable t;
    t.InitRegions();
    int state = 1; // the station is new; as its own other end it is "old" to the caller
    t.AssignShotRegion(1, 1, state);
    EXPECT_EQ(t.RegionOf(1), 1);
    t.CompressRegions(1);
    t.BuildRegionLists(1);
    EXPECT_EQ(t.GetRegionStation(1, 1), 1);
}

TEST(RegionTable, ReinitialisationForgetsRegionsAndRotations)
{
    RegionTable t;
    int n = 0;
    Zamera(t, n, 1, 2);
    t.SetRegionRotation(1, 0.5);
    t.SetRegionRotation(30, 0.7); // no such region: nothing is kept
    EXPECT_EQ(t.GetRegionRotation(1), 0.5);
    EXPECT_EQ(t.GetRegionRotation(30), 0.0);
    t.InitRegions();
    EXPECT_EQ(t.GetRegionRotation(1), 0.0);
    EXPECT_EQ(t.RegionOf(1), 0);
}
