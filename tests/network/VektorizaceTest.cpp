// Small networks whose groups are worked out by hand from the walk: stations are numbered
// as first met in the shots, shots in order of creation and stored from the smaller
// station number; neighbours are tried from the last shot to the first, the virtual edge
// of a connection last of all.
#include "common/Cisla.h"
#include "app/Kontext.h"
#include "common/Text.h"
#include "app/NactiZapisnik.h"
#include "network/KontrolaSkupin.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace lomvira;

namespace {

using Skupiny = std::vector<std::string>;

struct Sit {
    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};

    // One measurement from a to b (regions assigned the way the load assigns them).
    void Z(std::string a, std::string b, double L = 10.0, double az = 0.0, double inc = 0.0)
    {
        bool novyA = false, novyB = false;
        const int sa = k.model.stations.AddStation(a, &novyA);
        const int sb = k.model.stations.AddStation(b, &novyB);
        int state = (novyA ? 1 : 0) + (novyB ? 2 : 0);
        k.model.regions.AssignShotRegion(sa, sb, state);
        ASSERT_NE(k.model.shots.AddShot(sa, sb, L, az, inc, 1e-6, 1e-6, 1e-6), 0);
    }
    // Shots written as "A-B B-C".
    void Mereni(const std::string& tahy)
    {
        std::istringstream in(tahy);
        for (std::string t; in >> t;)
            Z(t.substr(0, t.find('-')), t.substr(t.find('-') + 1));
    }
    void Dany(const std::string& name, double x = 0.0, double y = 0.0, double z = 0.0)
    {
        k.model.givenPoints.SetGivenPoint(name, x, y, z, p);
    }
    // What the load does after the last measurement.
    void Nacteno()
    {
        const int n = k.model.stations.StationCount();
        k.model.regions.CompressRegions(n);
        k.model.regions.BuildRegionLists(n);
        k.model.RebuildConnections();
        k.stav.Hotovo |= HotovoNacteno;
        k.stav.Stav = 1;
    }
    void Vektorizuj()
    {
        Vectorize(k);
        for (const std::string& chyba : KontrolujSkupiny(k.sit, k.model))
            ADD_FAILURE() << chyba;
    }
    void Sestav(const std::string& tahy, const std::string& dane)
    {
        Mereni(tahy);
        std::istringstream in(dane);
        for (std::string j; in >> j;)
            Dany(j);
        Nacteno();
        Vektorizuj();
    }
    Skupiny Zpravy() const
    {
        Skupiny out;
        for (const auto& box : p.boxes)
            out.push_back(box.text);
        return out;
    }
    int B(const std::string& name) const { return k.model.stations.FindStation(name); }
    std::string Jmeno(int s) const { return Orizni(k.model.stations.GetStationName(s)); }

    // "kind [stations] shots oriented along the walk {position:reference}", a given point
    // reference as *name.
    std::string Popis(int r, int g) const
    {
        const Krizovat& sit = k.sit;
        std::string out = std::to_string(sit.GroupKind(r, g)) + " [";
        for (int i = 1; i <= sit.GroupStationCount(r, g); ++i)
            out += (i > 1 ? " " : "") + Jmeno(sit.GetGroupStation(r, g, i));
        out += "]";
        for (int i = 1; i <= sit.GroupShotCount(r, g); ++i) {
            const GroupShotValues v = sit.GetGroupShotValues(r, g, i);
            out +=
                " " + Jmeno(sit.GetGroupStation(r, g, v.From)) + "-" + Jmeno(sit.GetGroupStation(r, g, v.To));
        }
        out += " {";
        for (int i = 1; i <= sit.GroupRefCount(r, g); ++i) {
            const GroupRef ref = sit.Get_ZBod_OS(r, g, i);
            const std::string bod = ref.RefPoint < 0
                                        ? "*" + Orizni(k.model.givenPoints.GetGivenPoint(-ref.RefPoint).Name)
                                        : Jmeno(ref.RefPoint);
            out += (i > 1 ? " " : "") + std::to_string(ref.RefPosition) + ":" + bod;
        }
        return out + "}";
    }
    Skupiny Oblast(int r) const
    {
        Skupiny out;
        for (int g = 1; g <= k.sit.GroupCount(r); ++g)
            out.push_back(Popis(r, g));
        return out;
    }
};

} // namespace

TEST(Vectorize, GroupsOfSmallNetworks)
{
    struct Pripad {
        const char* nazev;
        const char* mereni;
        const char* dane;
        Skupiny skupiny;
    };
    const Pripad pripady[] = {
        {"a given point in the middle; the same pair again is still one shot", "A-B B-A B-C C-D D-E", "A C E",
         {"2 [A B C D E] A-B B-C C-D D-E {1:*A 3:*C 5:*E}"}},
        {"a dead end hangs from the station it leaves", "P1-P2 P2-P3 P3-P1 P2-S1 S1-S2 S2-S3", "P1",
         {"2 [P1 P3 P2] P1-P3 P3-P2 P2-P1 {1:*P1}", "0 [P2 S1 S2 S3] P2-S1 S1-S2 S2-S3 {1:P2}"}},
        {"a connected spur end is an open traverse to the loop", "L1-L2 L2-L3 L3-L1 L1-P P-Q", "Q",
         {"1 [Q P L1] Q-P P-L1 {1:*Q}", "2 [L1 L3 L2] L1-L3 L3-L2 L2-L1 {1:L1}"}},
        {"three paths between J and K are one group", "J-a a-K J-b b-K J-c c-K", "J",
         {"2 [J c K b a] J-c c-K K-b b-J K-a a-J {1:*J}"}},
        {"an inner ring on two spokes: closures walk back through several vectors",
         "O1-O2 O2-O3 O3-O4 O4-O1 I1-I2 I2-I3 I3-I4 I4-I1 O1-I1 O3-I3", "O2",
         {"2 [O2 O3 I3 I4 I1 O1 O4 I2] O2-O3 O3-I3 I3-I4 I4-I1 I1-O1 O1-O4 O4-O3 O1-O2 I1-I2 I2-I3 {1:*O2}"}},
        {"two loops joined by a traverse; its spur does not cut the traverse",
         "A-B B-C C-A C-T T-U U-V V-W W-U T-S1 S1-S2", "A",
         {"2 [A C B] A-C C-B B-A {1:*A}", "1 [C T U] C-T T-U {1:C}", "2 [U W V] U-W W-V V-U {1:U}",
          "0 [T S1 S2] T-S1 S1-S2 {1:T}"}},
        {"a shot from a station to itself is a loop of its own", "A-B B-C C-A B-B", "A",
         {"2 [A C B] A-C C-B B-A {1:*A}", "2 [B] B-B {1:B}"}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Sit s;
        s.Sestav(p.mereni, p.dane);
        EXPECT_EQ(s.Oblast(1), p.skupiny);
        EXPECT_EQ(std::pair(s.k.stav.Stav, s.k.stav.JeVektorizovano()), std::pair(std::int16_t{2}, true));
    }
}

TEST(Vectorize, RegionsWithoutGivenPointsStartAtPocatek)
{
    // Region 1 has a given point; region 2 is a bare traverse; region 3 a bare loop whose
    // first station hangs off a spur.
    Sit s;
    s.k.volby.DOTAZY = 2;
    s.Sestav("A-B B-C C-A X-Y Y-Z E-F F-L1 L1-L2 L2-L3 L3-L1", "A");
    // Everything a dead end: the start is where the chain hangs, not its free end; in a
    // loop the first station that lies on the loop, not the spur's.
    EXPECT_EQ(s.Oblast(2), (Skupiny{"0 [X Y Z] X-Y Y-Z {1:*POCATEK}"}));
    EXPECT_EQ(s.Oblast(3),
              (Skupiny{"2 [L1 L3 L2] L1-L3 L3-L2 L2-L1 {1:*POCATEK}", "0 [L1 F E] L1-F F-E {1:*POCATEK}"}));
    const Skupiny zpravy = {"Pro 2. oblast byl doplněn daný bod POCATEK", "Pro 3. oblast byl doplněn daný bod POCATEK"};
    EXPECT_EQ(s.Zpravy(), zpravy);
    EXPECT_EQ(std::pair(s.k.model.givenPoints.FindGivenPoint("POCATEK"), s.k.model.givenPoints.GetGivenPoint(2).X),
              std::pair(2, 0.0));
    // A second run finds the connections in place: nothing added, nothing said, same groups.
    s.Vektorizuj();
    EXPECT_EQ(s.Zpravy(), zpravy);
    EXPECT_EQ(std::pair(s.k.model.givenPoints.GivenPointCount(), s.k.model.connections.ConnectionCount()), std::pair(2, 3));
    EXPECT_EQ(s.Oblast(2), (Skupiny{"0 [X Y Z] X-Y Y-Z {1:*POCATEK}"}));

    // Without the DOTAZY option the point is added silently; a point of that name keeps its coordinates.
    Sit q;
    q.Mereni("POCATEK-B B-C C-POCATEK X-Y");
    q.Dany("POCATEK", 100.0, 200.0, 300.0);
    q.Sestav("", "");
    EXPECT_TRUE(q.p.boxes.empty());
    EXPECT_EQ(std::pair(q.k.model.givenPoints.GivenPointCount(), q.k.model.givenPoints.GetGivenPoint(1).Z), std::pair(1, 300.0));
    EXPECT_EQ(q.Oblast(2), (Skupiny{"0 [X Y] X-Y {1:*POCATEK}"}));
}

TEST(Vectorize, RunsOnlyOnALoadedNotebook)
{
    Sit s;
    s.Z("A", "B");
    s.k.model.regions.CompressRegions(2);
    s.k.model.regions.BuildRegionLists(2);
    Vectorize(s.k); // Stav 0: nothing loaded, nothing said
    EXPECT_EQ(std::pair(s.k.stav.Stav, s.p.boxes.size()), std::pair(std::int16_t{0}, 0ul));
    s.k.stav.Stav = 1; // the load stopped on an error
    Vectorize(s.k);
    EXPECT_EQ(s.Zpravy(), Skupiny{"Nelze vektorizovat, pokud nebyl načten soubor měření!"});
    EXPECT_FALSE(s.k.stav.JeVektorizovano());
}

TEST(Vectorize, ReadAccessorsAnswerPerGroupPerRegionAndOverall)
{
    Sit s;
    s.Z("A", "B", 5.0);
    s.Z("B", "C", 12.0, 0.5, 0.1); // walked backwards below
    s.Z("C", "A", 13.0);
    s.Z("X", "Y", 2.0);
    s.Sestav("", "A");
    const Krizovat& sit = s.k.sit;
    // Region 1: [A C B] with shots A-C (3), C-B (-2), B-A (-1); region 2: [X Y] with X-Y (4).
    // Over the region the ends are the stations' numbers within it: C is 3, B is 2.
    const GroupShotValues v = sit.GetGroupShotValues(1, 1, 2), w = sit.GetGroupShotValues(1, 0, 2);
    EXPECT_EQ((std::vector<int>{sit.GlobalGroup(2, 1), sit.GroupKind(1, 2), sit.GetGroupShot(0, 0, 4),
                                sit.GetGroupShot(1, 1, 4), sit.GroupRefCount(0, 0), v.From, v.To, v.Shot, w.From, w.To}),
              (std::vector<int>{2, -1, 4, 0, 2, 2, 3, -2, 3, 2}));
    EXPECT_DOUBLE_EQ(v.Az, 0.5 + PI);
    EXPECT_NEAR(v.Inc, -0.1, 1e-12);
    EXPECT_EQ(sit.Get_ZBod_OS(1, 2, 1).RefPosition, 0);
    EXPECT_EQ(s.Zpravy(), Skupiny{"?Krizovat.Get_ZBod_OS?"});

    // A (0,0,0), B (3,4,0), C (3,4,12): A-C 13, C-B 12, B-A 5; X-Y 2.
    s.k.model.stations.SetStationCoordinates(s.B("B"), 3.0, 4.0, 0.0);
    s.k.model.stations.SetStationCoordinates(s.B("C"), 3.0, 4.0, 12.0);
    s.k.model.stations.SetStationCoordinates(s.B("Y"), 0.0, 0.0, 2.0);
    EXPECT_EQ(std::pair(sit.GroupLength3D(1, 1), sit.GroupLength3D(0, 0)), std::pair(30.0, 32.0));
}

TEST(Vectorize, ThousandsOfRegionsAndARealSurveyKeepTheInvariants)
{
    Sit s;
    for (int i = 0; i < 3000; ++i) {
        const std::string n = std::to_string(i);
        s.Z("A" + n, "B" + n); // a single shot
        if (i % 3 == 0) {
            s.Z("B" + n, "C" + n); // a loop
            s.Z("C" + n, "A" + n);
        }
    }
    s.Nacteno();
    s.Vektorizuj();
    EXPECT_EQ((std::vector<int>{s.k.model.regions.RegionCount(), s.k.sit.GroupCount(0),
                                s.k.model.connections.ConnectionCount()}),
              (std::vector<int>{3000, 3000, 3000}));

    // A real survey: based on cave survey data collected 1982-2015, CPC, WRCPC, RRCPC.
    // (Generated ones go through the whole computation in the exact-geometry tests.)
    std::ifstream f(LOMVIRA_TEST_DATA "/dowprov.mer", std::ios::binary);
    Sit g;
    NactiZapisnik(g.k, std::string(std::istreambuf_iterator<char>(f), {}));
    ASSERT_TRUE(g.k.stav.JeNacteno());
    g.Vektorizuj();
    EXPECT_TRUE(g.k.stav.JeVektorizovano());
}

TEST(KontrolaSkupin, ReportsGroupsThatNoLongerFitTheModel)
{
    Sit s;
    s.Sestav("A-B B-C C-A", "A");
    // A shot measured afterwards stands in no group; A loses its given point.
    s.Z("C", "D");
    s.k.model.DeleteConnection(s.B("A"), s.k.stav);
    EXPECT_EQ(KontrolujSkupiny(s.k.sit, s.k.model),
              (std::vector<std::string>{"group 1.1: given point 1 is not connected to station 1",
                                        "group 1.1: refers to 1 of its 0 connected stations",
                                        "shot 4 stands in 0 groups"}));
}
