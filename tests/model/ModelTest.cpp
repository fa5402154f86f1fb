#include "common/Cisla.h"
#include "common/Text.h"
#include "model/Model.h"
#include "model/PBody.h"
#include "model/Razeni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace lomvira;

namespace {

// A model filled the way a load fills it.
struct Pruzkum {
    Model m;
    test::FakePlatforma p;
    StavZpracovani stav;

    void Zamera(std::string a, std::string b, double L = 10.0, double az = 0.0, double inc = 0.0)
    {
        bool novyA = false, novyB = false;
        const int sa = m.stations.AddStation(a, &novyA);
        const int sb = m.stations.AddStation(b, &novyB);
        int state = (novyA ? 1 : 0) + (novyB ? 2 : 0);
        m.regions.AssignShotRegion(sa, sb, state);
        const double varL = std::pow(0.0001 * L, 2);
        ASSERT_NE(m.shots.AddShot(sa, sb, L, az, inc, varL, 3e-8, 3e-8), 0);
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
    std::vector<std::pair<int, int>> Spojeni() const
    {
        std::vector<std::pair<int, int>> out;
        for (int i = 1; i <= m.connections.ConnectionCount(); ++i)
            out.emplace_back(m.connections.GetConnection(i).Station, m.connections.GetConnection(i).GivenPoint);
        return out;
    }
};

using Dvojice = std::vector<std::pair<int, int>>;

// A-B in region 1, C-D in region 2; given points C, X (no such station), A.
void DvaRegiony(Pruzkum& s)
{
    s.Zamera("A", "B");
    s.Zamera("C", "D");
    s.DanyBod("C");
    s.DanyBod("X");
    s.DanyBod("A");
    s.Dokonci();
}

} // namespace

TEST(Connections, GivenPointsNamedLikeStationsAreConnectedRegionByRegion)
{
    Pruzkum s;
    DvaRegiony(s);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {3, 1}}));
    EXPECT_EQ(s.m.connections.GetConnection(1).SameName, -1);
    EXPECT_EQ(s.m.connections.GetConnection(2).SameName, -1);
    for (auto [oblast, pocet] : {std::pair{1, 1}, {2, 1}, {3, 0}})
        EXPECT_EQ(s.m.connections.RegionConnectionCount(oblast), pocet) << oblast;
    EXPECT_EQ(s.m.connections.GetRegionConnection(2, 1).Station, 3);
    EXPECT_EQ(s.m.connections.GetRegionConnection(0, 2).Station, 3); // the whole table
    EXPECT_EQ(s.m.connections.GetRegionConnection(1, 2).Station, 0);

    const GivenPointSource zdroj = s.m.givenPoints.GetGivenPointSource(2);
    EXPECT_EQ(zdroj.Source, "Zápisník");
    EXPECT_EQ(zdroj.EqualName, "          ");
    EXPECT_EQ(s.m.givenPoints.GetGivenPointSource(4).Source, "");

    s.m.Clear(); // nothing of the last notebook is left
    EXPECT_EQ(s.m.stations.StationCount(), 0);
    EXPECT_EQ(s.m.givenPoints.GivenPointCount(), 0);
    EXPECT_EQ(s.m.connections.ConnectionCount(), 0);
    EXPECT_EQ(s.m.connections.RegionConnectionCount(1), 0);
}

TEST(Connections, AddingReconnectingAndDeletingKeepRegionBlocksAndResetTheStage)
{
    Pruzkum s;
    DvaRegiony(s);
    s.stav.Stav = 3;
    EXPECT_TRUE(s.m.AddConnection(2, 2, s.stav)); // B to X goes to the end of region 1
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 2}, {3, 1}}));
    EXPECT_EQ(s.m.connections.GetConnection(2).SameName, 0);
    EXPECT_EQ(s.stav.Stav, 1);

    // Re-connecting replaces the single connection of the station; the groups built for
    // the old given point are stale, so the stage goes back as well.
    s.stav.Stav = 3;
    EXPECT_TRUE(s.m.AddConnection(2, 1, s.stav));
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 1}, {3, 1}}));
    EXPECT_EQ(s.stav.Stav, 1);
    s.stav.Stav = 3;
    EXPECT_FALSE(s.m.AddConnection(1, 3, s.stav));
    EXPECT_EQ(s.stav.Stav, 3);
    EXPECT_FALSE(s.m.AddConnection(9, 1, s.stav));
    EXPECT_FALSE(s.m.AddConnection(1, 4, s.stav));

    EXPECT_TRUE(s.m.AddConnection(4, 1, s.stav));
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(s.m.connections.RegionConnectionCount(2), 2);

    EXPECT_TRUE(s.m.connections.SetConnectionDifferences(3, 0.1, 0.2, 0.3));
    EXPECT_EQ(s.m.connections.GetConnection(3).DiffB, 0.2);
    EXPECT_FALSE(s.m.connections.SetConnectionDifferences(7, 0.1, 0.2, 0.3));

    s.stav.Stav = 2;
    s.m.DeleteConnection(2, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {3, 1}, {4, 1}}));
    EXPECT_EQ(s.m.connections.RegionConnectionCount(1), 1);
    EXPECT_EQ(s.m.connections.RegionConnectionCount(2), 2);
    EXPECT_EQ(s.stav.Stav, 1);
    s.stav.Stav = 2;
    s.m.DeleteConnection(2, s.stav); // no connection: still back to 1
    EXPECT_EQ(s.stav.Stav, 1);
    s.stav.Stav = 0; // nothing loaded: editing must not pretend a load succeeded
    s.m.DeleteConnection(1, s.stav);
    EXPECT_EQ(s.stav.Stav, 0);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{3, 1}, {4, 1}}));
    EXPECT_EQ(s.m.connections.RegionConnectionCount(1), 0);
}

TEST(Connections, ConnectingByNameAddsNewPointsAndReplacesOtherConnections)
{
    Pruzkum s;
    DvaRegiony(s);
    s.m.AddConnection(2, 2, s.stav); // B to X by hand
    s.stav.Stav = 3;
    s.DanyBod("B"); // given point 4
    s.m.ConnectGivenPointsByName(s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 3}, {2, 4}, {3, 1}}));
    EXPECT_EQ(s.m.connections.GetConnection(2).SameName, -1);
    EXPECT_EQ(s.stav.Stav, 1);
}

TEST(Connections, DeletingAGivenPointRenumbersTheConnectionsToLaterPoints)
{
    Pruzkum s;
    s.Zamera("P1", "P2");
    s.Zamera("P3", "P4");
    s.Zamera("P4", "P5");
    s.Zamera("P5", "Q");
    for (const char* n : {"P1", "P2", "P3", "P4", "P5"})
        s.DanyBod(n);
    s.Dokonci();
    s.m.AddConnection(6, 3, s.stav); // Q to P3 as well
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 3}}));

    s.stav.Stav = 3;
    s.m.DeleteGivenPoint(3, s.p, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{1, 1}, {2, 2}, {4, 3}, {5, 4}}));
    EXPECT_EQ(s.m.connections.RegionConnectionCount(1), 2);
    EXPECT_EQ(s.m.connections.RegionConnectionCount(2), 2);
    EXPECT_EQ(s.m.givenPoints.GivenPointCount(), 4);
    EXPECT_EQ(s.m.givenPoints.GetGivenPoint(3).Name, "P4        ");
    EXPECT_EQ(s.stav.Stav, 1);
    ASSERT_FALSE(s.p.status.empty());
    EXPECT_EQ(s.p.status.back(), "Mazání daného bodu");

    // A point without connections: the numbers still move, so the stage goes back too.
    s.DanyBod("Z"); // 5, no station of that name
    s.stav.Stav = 3;
    s.m.DeleteGivenPoint(1, s.p, s.stav);
    EXPECT_EQ(s.Spojeni(), (Dvojice{{2, 1}, {4, 2}, {5, 3}}));
    EXPECT_EQ(s.stav.Stav, 1);

    const auto pocetZprav = s.p.status.size();
    s.m.DeleteGivenPoint(9, s.p, s.stav);
    EXPECT_EQ(s.p.status.size(), pocetZprav);
    EXPECT_EQ(s.m.givenPoints.GivenPointCount(), 4);
}

TEST(GivenPoints, OnlyMemoryLimitsThePointsWhileTheSourcesStayAtFifty)
{
    Model m;
    test::FakePlatforma p;
    for (int i = 1; i <= 2500; ++i)
        ASSERT_EQ(m.givenPoints.SetGivenPoint("G" + std::to_string(i), i, 0.0, 0.0, p), i);
    EXPECT_TRUE(p.boxes.empty());
    EXPECT_EQ(m.givenPoints.FindGivenPoint("G2001"), 2001);
    EXPECT_EQ(m.givenPoints.SetGivenPoint("G5", 55.0, 0.0, 0.0, p), 5); // changing one keeps its number
    EXPECT_EQ(m.givenPoints.GetGivenPoint(5).X, 55.0);

    for (int i = 1; i <= 50; ++i)
        ASSERT_TRUE(m.givenPoints.SetGivenPointSource("G" + std::to_string(i), "", "zdroj" + std::to_string(i), p));
    EXPECT_FALSE(m.givenPoints.SetGivenPointSource("G51", "", "zdroj51", p));
    EXPECT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(m.givenPoints.GetGivenPointSource(51).Source, "Zápisník");
    EXPECT_TRUE(m.givenPoints.SetGivenPointSource("G51", "ROH7", "zdroj7", p));
    EXPECT_EQ(m.givenPoints.GetGivenPointSource(51).Source, "zdroj7");
    EXPECT_EQ(m.givenPoints.GetGivenPointSource(51).EqualName, "ROH7      ");
    EXPECT_FALSE(m.givenPoints.SetGivenPointSource("NIKDO", "", "zdroj1", p));

    EXPECT_EQ(m.givenPoints.SetGivenPoint("G3", std::nan(""), 0.0, 0.0, p), 0);
    EXPECT_EQ(m.givenPoints.GetGivenPoint(3).X, 3.0);
    EXPECT_EQ(p.boxes.size(), 2u);

    // Removing one renumbers the later ones, and they are still found by name.
    ASSERT_TRUE(m.givenPoints.RemoveGivenPoint(4));
    EXPECT_EQ(std::pair(m.givenPoints.FindGivenPoint("G5"), m.givenPoints.FindGivenPoint("G4")), std::pair(4, 0));
    EXPECT_EQ(m.givenPoints.SetGivenPoint("G4", 4.0, 0.0, 0.0, p), 2500);

    m.givenPoints.ClearGivenPoints();
    EXPECT_EQ(m.givenPoints.SetGivenPoint("N", 0.0, 0.0, 0.0, p), 1);
    EXPECT_TRUE(m.givenPoints.SetGivenPointSource("N", "", "zdroj51", p)); // the sources went too
}

// The real notebook in tests/data: Dow Cave - Providence Pot. Based on cave survey data
// collected 1982-2015, CPC, WRCPC, RRCPC (Craven Pothole Club, White Rose Pothole Club,
// Red Rose Cave and Pothole Club).
TEST(Model, RealNotebookHasTheStationsLoopsAndGivenPointsItsPublishersState)
{
    std::ifstream soubor(LOMVIRA_TEST_DATA "/dowprov.mer");
    ASSERT_TRUE(soubor) << "missing tests/data/dowprov.mer";
    Pruzkum s;
    std::string radek;
    while (std::getline(soubor, radek)) {
        std::istringstream in(radek);
        std::string a, b;
        double x = 0, y = 0, z = 0;
        if (radek.empty() || radek[0] == '#')
            continue;
        if (radek[0] == '*') {
            in.ignore(1) >> a >> x >> y >> z;
            s.m.givenPoints.SetGivenPoint(a, x, y, z, s.p);
            continue;
        }
        ASSERT_TRUE(in >> a >> b >> x >> y >> z) << radek;
        s.Zamera(a, b, x, PI / 2 - y * PI / 180, z * PI / 180);
    }
    s.Dokonci();
    const Model& m = s.m;
    EXPECT_EQ(m.stations.StationCount(), 756);
    EXPECT_EQ(m.shots.ShotCount(), 759);
    // Five independent loops: shots - stations + regions.
    EXPECT_EQ(m.shots.ShotCount() - m.stations.StationCount() + m.regions.RegionCount(), 5);
    int vRegionech = 0;
    for (int r = 1; r <= m.regions.RegionCount(); ++r)
        vRegionech += m.regions.RegionStationCount(r);
    EXPECT_EQ(vRegionech, 756);
    ASSERT_EQ(m.connections.ConnectionCount(), 3);
    int predchozi = 0;
    for (int i = 1; i <= 3; ++i) {
        const ConnectionRecord c = m.connections.GetConnection(i);
        EXPECT_EQ(c.SameName, -1);
        EXPECT_EQ(m.stations.GetStationName(c.Station), m.givenPoints.GetGivenPoint(c.GivenPoint).Name);
        EXPECT_GE(m.regions.RegionOf(c.Station), predchozi);
        predchozi = m.regions.RegionOf(c.Station);
    }
    EXPECT_TRUE(s.p.boxes.empty());
}

// 32,000 stations met in a scrambled order, joined into one traverse piece by piece: the
// whole model with its name collections must build quickly, not in quadratic time.
TEST(Model, ALargeScrambledNotebookKeepsItsOrders)
{
    constexpr int N = 32000;
    Pruzkum s;
    PBody pbody;
    Razeni razeni;
    for (long i = 0; i < N - 1; ++i) {
        const long k = (i * 7919) % (N - 1) + 1; // 7919 is prime to N - 1: a permutation
        const std::string a = "R" + std::to_string(k), b = "R" + std::to_string(k + 1);
        for (const std::string& n : {a, b})
            if (!pbody.Exist(n))
                pbody.Add(n, 0.0, 0.0, 0.0, 0, 0, s.p);
        s.Zamera(a, b, 5.0, 0.1, 0.0);
    }
    s.Dokonci();
    for (int n = 1; n <= s.m.stations.StationCount(); ++n)
        razeni.Add(Orizni(s.m.stations.GetStationName(n)), n);
    ASSERT_EQ(razeni.Count(), N);
    EXPECT_EQ(s.m.stations.GetStationName(razeni.Item(1)), "R1        ");
    EXPECT_EQ(s.m.stations.GetStationName(razeni.Item(N)), "R32000    ");
    EXPECT_EQ(pbody.Bod(-10)->Name(), "R10");
    EXPECT_EQ(s.m.stations.StationCount(), N);
    EXPECT_EQ(s.m.shots.ShotCount(), N - 1);
    EXPECT_EQ(s.m.regions.RegionCount(), 1);
    // Stations met in scrambled order are still listed by number within their region.
    EXPECT_EQ(s.m.regions.GetRegionStation(1, N), N);
    EXPECT_EQ(s.m.regions.StationLocalNumber(N / 2), N / 2);
}
