// Small networks whose groups are worked out by hand from the walk: stations are numbered
// as first met in the shots, shots in order of creation and stored from the smaller
// station number; neighbours are tried from the last shot to the first, the virtual edge
// of a connection last of all.
#include "app/Cisla.h"
#include "app/Kontext.h"
#include "app/Text.h"
#include "input/NactiZapisnik.h"
#include "network/KontrolaSkupin.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <gtest/gtest.h>

#include <fstream>
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

TEST(Vectorize, TraversesBetweenGivenPointsAreOneNetworkGroup)
{
    Sit s;
    s.Z("A", "B");
    s.Z("B", "A"); // the same pair again: still one shot
    s.Z("B", "C");
    s.Z("C", "D");
    s.Dany("A");
    s.Dany("D");
    s.Nacteno();
    s.Vektorizuj();
    EXPECT_EQ(s.k.model.shots.ShotCount(), 3);
    EXPECT_EQ(s.Oblast(1), (Skupiny{"2 [A B C D] A-B B-C C-D {1:*A 4:*D}"}));
    EXPECT_EQ(s.k.stav.Stav, 2);
    EXPECT_TRUE(s.k.stav.JeVektorizovano());

    // A given point in the middle turns the traverse into three fixed points of one group.
    Sit m;
    m.Z("A", "B");
    m.Z("B", "C");
    m.Z("C", "D");
    m.Z("D", "E");
    m.Dany("A");
    m.Dany("C");
    m.Dany("E");
    m.Nacteno();
    m.Vektorizuj();
    EXPECT_EQ(m.Oblast(1), (Skupiny{"2 [A B C D E] A-B B-C C-D D-E {1:*A 3:*C 5:*E}"}));
}

TEST(Vectorize, DeadEndsHangFromTheStationTheyLeave)
{
    // A three-shot spur off a loop.
    Sit s;
    s.Z("P1", "P2");
    s.Z("P2", "P3");
    s.Z("P3", "P1");
    s.Z("P2", "S1");
    s.Z("S1", "S2");
    s.Z("S2", "S3");
    s.Dany("P1");
    s.Nacteno();
    s.Vektorizuj();
    EXPECT_EQ(s.Oblast(1), (Skupiny{"2 [P1 P3 P2] P1-P3 P3-P2 P2-P1 {1:*P1}",
                                    "0 [P2 S1 S2 S3] P2-S1 S1-S2 S2-S3 {1:P2}"}));
    EXPECT_EQ(s.k.sit.GetShotPlacement(6).Region, 1);
    EXPECT_EQ(s.k.sit.GetShotPlacement(6).Group, 2);

    // A connected spur end is no dead end: the spur becomes an open traverse to the loop.
    Sit t;
    t.Z("L1", "L2");
    t.Z("L2", "L3");
    t.Z("L3", "L1");
    t.Z("L1", "P");
    t.Z("P", "Q");
    t.Dany("Q");
    t.Nacteno();
    t.Vektorizuj();
    EXPECT_EQ(t.Oblast(1), (Skupiny{"1 [Q P L1] Q-P P-L1 {1:*Q}", "2 [L1 L3 L2] L1-L3 L3-L2 L2-L1 {1:L1}"}));
}

TEST(Vectorize, LoopsSharingStationsAndNestedLoopsFormOneGroup)
{
    // Three paths between J and K.
    Sit t;
    for (const char* x : {"a", "b", "c"}) {
        t.Z("J", x);
        t.Z(x, "K");
    }
    t.Dany("J");
    t.Nacteno();
    t.Vektorizuj();
    EXPECT_EQ(t.Oblast(1), (Skupiny{"2 [J c K b a] J-c c-K K-b b-J K-a a-J {1:*J}"}));

    // An inner ring joined to the outer one by two spokes: the closures walk back through
    // several vectors.
    Sit n;
    n.Z("O1", "O2");
    n.Z("O2", "O3");
    n.Z("O3", "O4");
    n.Z("O4", "O1");
    n.Z("I1", "I2");
    n.Z("I2", "I3");
    n.Z("I3", "I4");
    n.Z("I4", "I1");
    n.Z("O1", "I1");
    n.Z("O3", "I3");
    n.Dany("O2");
    n.Nacteno();
    n.Vektorizuj();
    EXPECT_EQ(n.Oblast(1), (Skupiny{"2 [O2 O3 I3 I4 I1 O1 O4 I2] O2-O3 O3-I3 I3-I4 I4-I1 I1-O1 O1-O4 O4-O3 "
                                    "O1-O2 I1-I2 I2-I3 {1:*O2}"}));
}

TEST(Vectorize, LoopsMeetingAtOneStationOrJoinedByATraverseAreSeparateGroups)
{
    // A figure of eight; the second loop is fixed at the station it shares.
    Sit f;
    f.Z("A", "X");
    f.Z("X", "B");
    f.Z("B", "A");
    f.Z("X", "C");
    f.Z("C", "D");
    f.Z("D", "X");
    f.Dany("A");
    f.Nacteno();
    f.Vektorizuj();
    EXPECT_EQ(f.Oblast(1), (Skupiny{"2 [A B X] A-B B-X X-A {1:*A}", "2 [X D C] X-D D-C C-X {1:X}"}));

    // Two loops joined by a traverse with a spur off it: the spur does not cut the traverse.
    Sit t;
    t.Z("A", "B");
    t.Z("B", "C");
    t.Z("C", "A");
    t.Z("C", "T");
    t.Z("T", "U");
    t.Z("U", "V");
    t.Z("V", "W");
    t.Z("W", "U");
    t.Z("T", "S1");
    t.Z("S1", "S2");
    t.Dany("A");
    t.Nacteno();
    t.Vektorizuj();
    EXPECT_EQ(t.Oblast(1), (Skupiny{"2 [A C B] A-C C-B B-A {1:*A}", "1 [C T U] C-T T-U {1:C}",
                                    "2 [U W V] U-W W-V V-U {1:U}", "0 [T S1 S2] T-S1 S1-S2 {1:T}"}));

    // A shot from a station to itself is a loop of its own.
    Sit v;
    v.Z("A", "B");
    v.Z("B", "C");
    v.Z("C", "A");
    v.Z("B", "B");
    v.Dany("A");
    v.Nacteno();
    v.Vektorizuj();
    EXPECT_EQ(v.Oblast(1), (Skupiny{"2 [A C B] A-C C-B B-A {1:*A}", "2 [B] B-B {1:B}"}));
}

TEST(Vectorize, RegionsWithoutGivenPointsStartAtPocatek)
{
    // Region 1 has a given point; region 2 is a bare traverse; region 3 a bare loop whose
    // first station hangs off a spur.
    Sit s;
    s.k.volby.DOTAZY = 2;
    s.Z("A", "B");
    s.Z("B", "C");
    s.Z("C", "A");
    s.Z("X", "Y");
    s.Z("Y", "Z");
    s.Z("E", "F");
    s.Z("F", "L1");
    s.Z("L1", "L2");
    s.Z("L2", "L3");
    s.Z("L3", "L1");
    s.Dany("A");
    s.Nacteno();
    s.Vektorizuj();
    EXPECT_EQ(s.Oblast(1), (Skupiny{"2 [A C B] A-C C-B B-A {1:*A}"}));
    // Everything was a dead end: the start is where the chain hangs, not its free end.
    EXPECT_EQ(s.Oblast(2), (Skupiny{"0 [X Y Z] X-Y Y-Z {1:*POCATEK}"}));
    // The first station that lies on the loop, not the spur's.
    EXPECT_EQ(s.Oblast(3),
              (Skupiny{"2 [L1 L3 L2] L1-L3 L3-L2 L2-L1 {1:*POCATEK}", "0 [L1 F E] L1-F F-E {1:*POCATEK}"}));
    ASSERT_EQ(s.p.boxes.size(), 2u);
    EXPECT_EQ(s.p.boxes[0].text, "Pro 2. oblast byl doplněn daný bod POCATEK");
    EXPECT_EQ(s.p.boxes[1].text, "Pro 3. oblast byl doplněn daný bod POCATEK");
    const int pocatek = s.k.model.givenPoints.FindGivenPoint("POCATEK");
    ASSERT_EQ(pocatek, 2);
    EXPECT_EQ(s.k.model.givenPoints.GetGivenPoint(pocatek).X, 0.0);
    ASSERT_EQ(s.k.model.connections.RegionConnectionCount(2), 1);
    EXPECT_EQ(s.k.model.connections.GetRegionConnection(2, 1).Station, s.B("X"));
    EXPECT_EQ(s.k.model.connections.GetRegionConnection(3, 1).Station, s.B("L1"));

    // A second run finds the connections in place: nothing added, nothing said, same groups.
    s.Vektorizuj();
    EXPECT_EQ(s.p.boxes.size(), 2u);
    EXPECT_EQ(s.k.model.givenPoints.GivenPointCount(), 2);
    EXPECT_EQ(s.k.model.connections.ConnectionCount(), 3);
    EXPECT_EQ(s.Oblast(2), (Skupiny{"0 [X Y Z] X-Y Y-Z {1:*POCATEK}"}));

    // Without the DOTAZY option the point is added silently; a one-shot region works too.
    Sit q;
    q.Z("A", "B");
    q.Nacteno();
    q.Vektorizuj();
    EXPECT_TRUE(q.p.boxes.empty());
    EXPECT_EQ(q.Oblast(1), (Skupiny{"0 [A B] A-B {1:*POCATEK}"}));
}

TEST(Vectorize, APointNamedPocatekKeepsItsCoordinates)
{
    Sit s;
    s.Z("POCATEK", "B");
    s.Z("B", "C");
    s.Z("C", "POCATEK");
    s.Z("X", "Y");
    s.Dany("POCATEK", 100.0, 200.0, 300.0);
    s.Nacteno();
    s.Vektorizuj();
    const StationRecord bod = s.k.model.givenPoints.GetGivenPoint(1);
    EXPECT_EQ(bod.X, 100.0);
    EXPECT_EQ(bod.Z, 300.0);
    EXPECT_EQ(s.k.model.givenPoints.GivenPointCount(), 1);
    EXPECT_EQ(s.Oblast(2), (Skupiny{"0 [X Y] X-Y {1:*POCATEK}"}));
}

TEST(Vectorize, RunsOnlyOnALoadedNotebookAndStopsOnARegionWithoutShots)
{
    Sit s;
    s.Z("A", "B");
    s.k.model.regions.CompressRegions(2);
    s.k.model.regions.BuildRegionLists(2);
    Vectorize(s.k); // Stav 0: nothing loaded, nothing said
    EXPECT_EQ(s.k.stav.Stav, 0);
    EXPECT_TRUE(s.p.boxes.empty());

    s.k.stav.Stav = 1; // the load stopped on an error
    Vectorize(s.k);
    ASSERT_EQ(s.p.boxes.size(), 1u);
    EXPECT_EQ(s.p.boxes[0].text, "Nelze vektorizovat, pokud nebyl načten soubor měření!");
    EXPECT_FALSE(s.k.stav.JeVektorizovano());

    s.k.stav.Hotovo |= HotovoNacteno;
    ASSERT_TRUE(s.k.stav.ZacniPraci()); // another long operation runs
    Vectorize(s.k);
    EXPECT_EQ(s.p.boxes.size(), 1u);
    EXPECT_FALSE(s.k.stav.JeVektorizovano());
    s.k.stav.KonecPrace();

    // A station put into a region of its own with no shot: no start can be found.
    Sit n;
    n.Z("A", "B");
    n.Z("B", "C");
    n.Z("C", "A");
    std::string osamely = "O";
    const int o = n.k.model.stations.AddStation(osamely);
    int state = 3;
    n.k.model.regions.AssignShotRegion(o, o, state);
    n.Dany("A");
    n.Nacteno();
    Vectorize(n.k);
    ASSERT_EQ(n.p.boxes.size(), 1u);
    EXPECT_EQ(n.p.boxes[0].text, "Nelze optimalizovat, pokud nejsou zadány dané body!");
    EXPECT_EQ(n.k.stav.Stav, 1);
    EXPECT_FALSE(n.k.stav.JeVektorizovano());
    EXPECT_EQ(n.k.stav.Zaneprazdneno(), 0);
    EXPECT_EQ(n.k.sit.GroupCount(0), 0);
    EXPECT_EQ(n.p.status.back(), "");
}

TEST(Vectorize, ReadAccessorsAnswerPerGroupPerRegionAndOverall)
{
    Sit s;
    s.Z("A", "B", 5.0);
    s.Z("B", "C", 12.0, 0.5, 0.1); // walked backwards below
    s.Z("C", "A", 13.0);
    s.Z("X", "Y", 2.0);
    s.Dany("A");
    s.Nacteno();
    s.Vektorizuj();
    const Krizovat& sit = s.k.sit;
    // Region 1: [A C B] with shots A-C (3), C-B (-2), B-A (-1); region 2: [X Y] with X-Y (4).
    EXPECT_EQ(sit.GroupCount(1), 1);
    EXPECT_EQ(sit.GroupCount(0), 2);
    EXPECT_EQ(sit.GlobalGroup(2, 1), 2);
    EXPECT_EQ(sit.GroupKind(2, 1), 0);
    EXPECT_EQ(sit.GroupKind(0, 2), 0);
    EXPECT_EQ(sit.GroupKind(1, 2), -1);
    EXPECT_EQ(sit.GroupShotCount(1, 0), 3);
    EXPECT_EQ(sit.GroupShotCount(0, 0), 4);
    EXPECT_EQ(sit.GroupShotCount(1, 2), 0);
    EXPECT_EQ(sit.GetGroupShot(1, 1, 2), -2);
    EXPECT_EQ(sit.GetGroupShot(0, 0, 4), 4);
    EXPECT_EQ(sit.GetGroupShot(1, 1, 4), 0);

    const GroupShotValues v = sit.GetGroupShotValues(1, 1, 2);
    EXPECT_EQ(v.From, 2); // C
    EXPECT_EQ(v.To, 3);   // B
    EXPECT_EQ(v.Shot, -2);
    EXPECT_DOUBLE_EQ(v.L, 12.0);
    EXPECT_DOUBLE_EQ(v.Az, 0.5 + PI);
    EXPECT_NEAR(v.Inc, -0.1, 1e-12); // normalised with the system's π
    const GroupShot e = sit.GetGroupShotEntry(1, 1, 2);
    EXPECT_EQ(e.FromPos, 3); // stored from B to C
    EXPECT_EQ(e.ToPos, 2);
    // Over the region the ends are the stations' numbers within it: C is 3, B is 2.
    const GroupShotValues w = sit.GetGroupShotValues(1, 0, 2);
    EXPECT_EQ(w.From, 3);
    EXPECT_EQ(w.To, 2);
    EXPECT_EQ(sit.GetGroupShotValues(2, 0, 1).From, 1);

    EXPECT_EQ(sit.GroupStationCount(1, 1), 3);
    EXPECT_EQ(sit.GroupStationCount(2, 0), 2);
    EXPECT_EQ(sit.GroupStationCount(0, 0), 5);
    EXPECT_EQ(sit.GetGroupStation(2, 0, 2), s.B("Y"));
    EXPECT_EQ(sit.GetGroupStation(1, 1, 4), 0);
    EXPECT_EQ(sit.GroupRefCount(1, 0), 1);
    EXPECT_EQ(sit.GroupRefCount(0, 0), 2);

    EXPECT_TRUE(s.p.boxes.empty());
    const GroupRef chybna = sit.Get_ZBod_OS(1, 2, 1);
    EXPECT_EQ(chybna.RefPosition, 0);
    ASSERT_EQ(s.p.boxes.size(), 1u);
    EXPECT_EQ(s.p.boxes[0].text, "?Krizovat.Get_ZBod_OS?");
    EXPECT_EQ(sit.Get_ZBod_OS(1, 1, 2).RefPosition, 0);
    EXPECT_EQ(s.p.boxes.size(), 1u);

    // A (0,0,0), B (3,4,0), C (3,4,12): A-C 13 (horizontal 5), C-B 12 (0), B-A 5 (5).
    s.k.model.stations.SetStationCoordinates(s.B("B"), 3.0, 4.0, 0.0);
    s.k.model.stations.SetStationCoordinates(s.B("C"), 3.0, 4.0, 12.0);
    s.k.model.stations.SetStationCoordinates(s.B("Y"), 0.0, 0.0, 2.0);
    EXPECT_DOUBLE_EQ(sit.GroupLength3D(1, 1), 30.0);
    EXPECT_DOUBLE_EQ(sit.GroupLength2D(1, 1), 10.0);
    EXPECT_DOUBLE_EQ(sit.GroupLength3D(0, 0), 32.0);
    EXPECT_DOUBLE_EQ(sit.GroupLength3D(1, 3), 0.0);

    // The adjacency is the measured network: no virtual edge at the connected A.
    EXPECT_EQ(sit.Degree(s.B("A")), 2);
    EXPECT_EQ(sit.Neighbour(s.B("A"), 1), s.B("B"));
    EXPECT_EQ(sit.Neighbour(s.B("A"), 2), s.B("C"));
    EXPECT_EQ(sit.Neighbour(s.B("A"), 3), 0);
    EXPECT_EQ(sit.Degree(0), 0);
    EXPECT_EQ(sit.Degree(99), 0);
}

TEST(Vectorize, ThousandsOfRegionsAndGeneratedSurveysKeepTheInvariants)
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
    EXPECT_EQ(s.k.model.regions.RegionCount(), 3000);
    EXPECT_EQ(s.k.sit.GroupCount(0), 3000);
    EXPECT_EQ(s.k.model.connections.ConnectionCount(), 3000);
    EXPECT_TRUE(s.k.stav.JeVektorizovano());

    for (unsigned seed : {1u, 2u, 3u}) {
        test::VolbyGeneratoru v;
        v.stanice = 3000;
        v.smyckaKazdych = 7;
        v.danychBodu = static_cast<int>(seed); // one to three given points
        v.seed = seed;
        Sit g;
        NactiZapisnik(g.k, test::GenerujJeskyni(v).text);
        ASSERT_TRUE(g.k.stav.JeNacteno());
        g.Vektorizuj();
        EXPECT_TRUE(g.k.stav.JeVektorizovano());
    }
}

// Based on cave survey data collected 1982-2015, CPC, WRCPC, RRCPC.
TEST(Vectorize, RealSurveyKeepsTheInvariants)
{
    std::ifstream f(LOMVIRA_SHARED_DATA "/dowprov.mer", std::ios::binary);
    ASSERT_TRUE(f) << "the shared survey is missing";
    std::stringstream text;
    text << f.rdbuf();
    Sit s;
    NactiZapisnik(s.k, text.str());
    ASSERT_TRUE(s.k.stav.JeNacteno());
    s.Vektorizuj();
    EXPECT_TRUE(s.k.stav.JeVektorizovano());
    // It has loops, so some group is a network.
    int site = 0;
    for (int g = 1; g <= s.k.sit.GroupCount(0); ++g)
        site += s.k.sit.GroupKind(0, g) == SkupinaSit ? 1 : 0;
    EXPECT_GE(site, 1);
}

TEST(KontrolaSkupin, ReportsGroupsThatNoLongerFitTheModel)
{
    Sit s;
    s.Z("A", "B");
    s.Z("B", "C");
    s.Z("C", "A");
    s.Dany("A");
    s.Nacteno();
    s.Vektorizuj();
    // A shot measured afterwards stands in no group; A loses its given point.
    s.Z("C", "D");
    s.k.model.DeleteConnection(s.B("A"), s.k.stav);
    EXPECT_EQ(KontrolujSkupiny(s.k.sit, s.k.model),
              (std::vector<std::string>{"group 1.1: given point 1 is not connected to station 1",
                                        "group 1.1: refers to 1 of its 0 connected stations",
                                        "shot 4 stands in 0 groups"}));
}
