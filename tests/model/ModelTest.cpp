#include "model/Model.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace lomvira;

namespace {

using Dvojice = std::vector<std::pair<int, int>>;

// A model filled the way a load fills it.
struct Pruzkum {
    Model m;
    test::FakePlatforma p;
    StavZpracovani stav;

    void Zamera(std::string a, std::string b)
    {
        bool novyA = false, novyB = false;
        const int sa = m.stations.AddStation(a, &novyA);
        const int sb = m.stations.AddStation(b, &novyB);
        int state = (novyA ? 1 : 0) + (novyB ? 2 : 0);
        m.regions.AssignShotRegion(sa, sb, state);
        ASSERT_NE(m.shots.AddShot(sa, sb, 5.0, 0.1, 0.0, 1e-8, 3e-8, 3e-8), 0);
    }
    void DanyBod(const std::string& name)
    {
        m.givenPoints.SetGivenPoint(name, 1.0, 2.0, 3.0, p);
        m.givenPoints.SetGivenPointSource(name, "", "", p);
    }
    void Dokonci()
    {
        m.regions.CompressRegions(m.stations.StationCount());
        m.regions.BuildRegionLists(m.stations.StationCount());
        m.RebuildConnections();
        stav.Stav = 1;
    }
    // (station, given point) of every connection in table order
    Dvojice Spojeni() const
    {
        Dvojice out;
        for (int i = 1; i <= m.connections.ConnectionCount(); ++i)
            out.emplace_back(m.connections.GetConnection(i).Station, m.connections.GetConnection(i).GivenPoint);
        return out;
    }
    std::vector<int> VOblastech() const
    {
        return {m.connections.RegionConnectionCount(1), m.connections.RegionConnectionCount(2)};
    }
};

// A-B in region 1, C-D in region 2; given points C, X (no such station), A.
void DvaRegiony(Pruzkum& s)
{
    s.Zamera("A", "B");
    s.Zamera("C", "D");
    for (const char* n : {"C", "X", "A"})
        s.DanyBod(n);
    s.Dokonci();
}

} // namespace

TEST(Connections, GivenPointsNamedLikeStationsAreConnectedRegionByRegion)
{
    Pruzkum s;
    DvaRegiony(s);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {3, 1}}));
    EXPECT_EQ(std::pair(s.m.connections.GetConnection(1).SameName, s.m.connections.GetConnection(2).SameName),
              std::pair(-1, -1));
    EXPECT_EQ(s.VOblastech(), (std::vector<int>{1, 1}));
    EXPECT_EQ(std::pair(s.m.connections.GetRegionConnection(2, 1).Station, s.m.connections.GetRegionConnection(0, 2).Station),
              std::pair(3, 3)); // region 0 is the whole table

    s.m.Clear(); // nothing of the last notebook is left
    EXPECT_EQ(std::tuple(s.m.stations.StationCount(), s.m.givenPoints.GivenPointCount(),
                         s.m.connections.ConnectionCount(), s.m.connections.RegionConnectionCount(1)),
              std::tuple(0, 0, 0, 0));
}

TEST(Connections, AddingReconnectingAndDeletingKeepRegionBlocksAndResetTheStage)
{
    Pruzkum s;
    DvaRegiony(s);
    s.stav.Stav = 3;
    EXPECT_TRUE(s.m.AddConnection(2, 2, s.stav)); // B to X goes to the end of region 1
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 2}, {3, 1}}));
    EXPECT_EQ(std::pair(s.m.connections.GetConnection(2).SameName, s.stav.Stav), std::pair(0, std::int16_t{1}));

    // Re-connecting replaces the station's single connection; the groups built for the old
    // given point are stale, so the stage goes back as well.
    s.stav.Stav = 3;
    EXPECT_TRUE(s.m.AddConnection(2, 1, s.stav));
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 1}, {3, 1}}));
    EXPECT_EQ(s.stav.Stav, 1);
    s.stav.Stav = 3;
    EXPECT_FALSE(s.m.AddConnection(1, 3, s.stav)); // already so: nothing changes
    EXPECT_FALSE(s.m.AddConnection(9, 1, s.stav));
    EXPECT_FALSE(s.m.AddConnection(1, 4, s.stav));
    EXPECT_EQ(s.stav.Stav, 3);
    EXPECT_TRUE(s.m.AddConnection(4, 1, s.stav));
    EXPECT_EQ(s.VOblastech(), (std::vector<int>{2, 2}));

    s.stav.Stav = 2;
    s.m.DeleteConnection(2, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {3, 1}, {4, 1}}));
    EXPECT_EQ(s.VOblastech(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s.stav.Stav, 1);
    s.stav.Stav = 0; // nothing loaded: editing must not pretend a load succeeded
    s.m.DeleteConnection(1, s.stav);
    EXPECT_EQ(s.stav.Stav, 0);
    EXPECT_EQ(s.VOblastech(), (std::vector<int>{0, 2}));

    // Connecting by name replaces B's connection by hand, connects A again and keeps D's.
    s.m.AddConnection(2, 2, s.stav); // B to X by hand
    s.DanyBod("B");                  // given point 4
    s.stav.Stav = 3;
    s.m.ConnectGivenPointsByName(s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{2, 4}, {1, 3}, {3, 1}, {4, 1}}));
    EXPECT_EQ(std::pair(s.m.connections.GetConnection(2).SameName, s.stav.Stav), std::pair(-1, std::int16_t{1}));
}

TEST(Connections, DeletingAGivenPointRenumbersTheConnectionsToLaterPoints)
{
    Pruzkum s;
    for (auto [a, b] : {std::pair("P1", "P2"), {"P3", "P4"}, {"P4", "P5"}, {"P5", "Q"}})
        s.Zamera(a, b);
    for (const char* n : {"P1", "P2", "P3", "P4", "P5"})
        s.DanyBod(n);
    s.Dokonci();
    s.m.AddConnection(6, 3, s.stav); // Q to P3 as well
    s.stav.Stav = 3;
    s.m.DeleteGivenPoint(3, s.p, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 1}, {2, 2}, {4, 3}, {5, 4}}));
    EXPECT_EQ(s.VOblastech(), (std::vector<int>{2, 2}));
    EXPECT_EQ(std::pair(s.m.givenPoints.GivenPointCount(), s.m.givenPoints.GetGivenPoint(3).Name),
              std::pair(4, std::string("P4        ")));
    EXPECT_EQ(std::pair(s.stav.Stav, s.p.status.back()), std::pair(std::int16_t{1}, std::string("Mazání daného bodu")));

    // A point without connections: the numbers still move, so the stage goes back too.
    s.DanyBod("Z");
    s.stav.Stav = 3;
    s.m.DeleteGivenPoint(1, s.p, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{2, 1}, {4, 2}, {5, 3}}));
    EXPECT_EQ(s.stav.Stav, 1);
}

TEST(GivenPoints, OnlyMemoryLimitsThePointsWhileTheSourcesStayAtFifty)
{
    Model m;
    test::FakePlatforma p;
    for (int i = 1; i <= 2500; ++i)
        ASSERT_EQ(m.givenPoints.SetGivenPoint("G" + std::to_string(i), i, 0.0, 0.0, p), i);
    for (int i = 1; i <= 50; ++i)
        ASSERT_TRUE(m.givenPoints.SetGivenPointSource("G" + std::to_string(i), "", "z" + std::to_string(i), p));
    EXPECT_FALSE(m.givenPoints.SetGivenPointSource("G51", "", "z51", p));
    EXPECT_EQ(m.givenPoints.GetGivenPointSource(51).Source, "Zápisník");
    EXPECT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(m.givenPoints.SetGivenPoint("G3", std::nan(""), 0.0, 0.0, p), 0);
    EXPECT_EQ(m.givenPoints.GetGivenPoint(3).X, 3.0);

    // Removing one renumbers the later ones, and they are still found by name.
    ASSERT_TRUE(m.givenPoints.RemoveGivenPoint(4));
    EXPECT_EQ(std::pair(m.givenPoints.FindGivenPoint("G5"), m.givenPoints.FindGivenPoint("G4")), std::pair(4, 0));
    EXPECT_EQ(m.givenPoints.SetGivenPoint("G4", 4.0, 0.0, 0.0, p), 2500);
    m.givenPoints.ClearGivenPoints();
    EXPECT_EQ(m.givenPoints.SetGivenPoint("N", 0.0, 0.0, 0.0, p), 1);
    EXPECT_TRUE(m.givenPoints.SetGivenPointSource("N", "", "z51", p)); // the sources went too
}
