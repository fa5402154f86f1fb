#include "model/RegionTable.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lomvira;

// Shots between stations numbered as they are first met, as the load numbers them; the
// state passed says which ends are new.
void Zamery(RegionTable& t, const std::vector<std::pair<int, int>>& zamery)
{
    int pocet = 0;
    for (auto [a, b] : zamery) {
        int state = (a > pocet ? 1 : 0) + (b > std::max(a, pocet) ? 2 : 0);
        pocet = std::max({pocet, a, b});
        t.AssignShotRegion(a, b, state);
    }
}

TEST(RegionTable, RegionsMergeKeepTheSmallerNumberAndCompressWithoutGaps)
{
    RegionTable t;
    t.InitRegions();
    // 1-2 (region 1), 3-4 (2), 5-6 (3), 6-3 joins 3 into 2 (the count is not decreased by a
    // merge), 7-1: only the first end is new, 1-7: nothing changes, 8-9 (4).
    Zamery(t, {{1, 2}, {3, 4}, {5, 6}, {6, 3}, {7, 1}, {1, 7}, {8, 9}});
    EXPECT_EQ((std::vector<int>{t.RegionOf(5), t.RegionOf(7), t.RegionOf(8), t.RegionCount()}),
              (std::vector<int>{2, 1, 4, 4}));

    t.CompressRegions(9);
    t.BuildRegionLists(9);
    ASSERT_EQ(t.RegionCount(), 3);
    EXPECT_EQ((std::vector<int>{t.RegionOf(9), t.RegionStationCount(0), t.RegionStationCount(1),
                                t.RegionStationCount(2), t.RegionStationCount(3), t.RegionStationCount(4)}),
              (std::vector<int>{3, 9, 3, 4, 2, 0}));
    // Interleaved regions are listed in station order.
    EXPECT_EQ((std::vector<int>{t.GetRegionStation(1, 3), t.GetRegionStation(2, 1), t.GetRegionStation(2, 4),
                                t.GetRegionStation(3, 3), t.GetRegionStation(0, 4), t.StationLocalNumber(5),
                                t.StationLocalNumber(7), t.StationLocalNumber(9)}),
              (std::vector<int>{7, 3, 6, 0, 4, 3, 3, 2}));
}

TEST(RegionTable, AShotFromAStationToItselfStillGivesItARegion)
{
    RegionTable t;
    t.InitRegions();
    int state = 1; // the station is new; as its own other end it is "old" to the caller
    t.AssignShotRegion(1, 1, state);
    t.CompressRegions(1);
    t.BuildRegionLists(1);
    EXPECT_EQ(std::pair(t.RegionOf(1), t.GetRegionStation(1, 1)), std::pair(1, 1));
}

TEST(RegionTable, ReinitialisationForgetsRegionsAndRotations)
{
    RegionTable t;
    Zamery(t, {{1, 2}});
    t.SetRegionRotation(1, 0.5);
    t.SetRegionRotation(30, 0.7); // no such region: nothing is kept
    EXPECT_EQ(std::pair(t.GetRegionRotation(1), t.GetRegionRotation(30)), std::pair(0.5, 0.0));
    t.InitRegions();
    EXPECT_EQ(std::pair(t.GetRegionRotation(1), t.RegionOf(1)), std::pair(0.0, 0));
}
