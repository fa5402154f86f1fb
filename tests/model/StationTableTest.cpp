#include "model/StationTable.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace lomvira;

TEST(StationTable, NamesAreTenCharactersComparedByBytes)
{
    StationTable t;
    bool novy = false;
    std::string jmeno = "ABCDEFGHIJK";
    EXPECT_EQ(t.AddStation(jmeno, &novy), 1);
    EXPECT_TRUE(novy);
    EXPECT_EQ(jmeno, "ABCDEFGHIJ");
    std::string kratsi = "ABCDEFGHIJ";
    EXPECT_EQ(t.AddStation(kratsi, &novy), 1);
    EXPECT_FALSE(novy);
    EXPECT_EQ(t.FindStation("ABCDEFGHIJXYZ"), 1);

    std::string a = "A";
    EXPECT_EQ(t.AddStation(a), 2);
    EXPECT_EQ(a, "A         ");
    std::string mala = "a"; // case matters
    EXPECT_EQ(t.AddStation(mala), 3);

    // Ten code points, not ten bytes: the eleventh character is cut, the Czech letters stay whole.
    std::string cesky = "ŽĎÁRNÍKOVÁXY";
    EXPECT_EQ(t.AddStation(cesky), 4);
    EXPECT_EQ(cesky, "ŽĎÁRNÍKOVÁ");
    std::string kratke = "Č1";
    t.AddStation(kratke);
    EXPECT_EQ(kratke, "Č1        ");
}

TEST(StationTable, OutOfRangeGivesUnknownOrBlankRecords)
{
    StationTable t;
    std::string a = "A";
    t.AddStation(a);
    t.SetStationCoordinates(1, 1.0, 2.0, 3.0);
    for (int n : {0, 2}) {
        EXPECT_EQ(t.GetStation(n).Name, "Neznamy   ");
        EXPECT_EQ(t.GetStation(n).X, 0.0);
        EXPECT_EQ(t.GetStationName(n), "");
    }
    EXPECT_EQ(t.GetStationByName("B").Name, "          ");
    EXPECT_EQ(t.GetStationByName("A").Y, 2.0);
    EXPECT_EQ(t.GetStationName(1), "A         ");
    EXPECT_FALSE(t.SetStationCoordinates(2, 5.0, 5.0, 5.0));
}

TEST(StationTable, SecondNoteIsRefusedWithABoxEmptyTextIsIgnored)
{
    StationTable t;
    test::FakePlatforma p;
    std::string a = "A";
    t.AddStation(a);
    t.SetStationNote(1, "", p);
    t.SetStationNote(1, "vchod", p);
    t.SetStationNote(1, "", p);
    EXPECT_TRUE(p.boxes.empty());
    t.SetStationNote(1, "jiný text", p);
    EXPECT_EQ(t.GetStation(1).Note, "vchod");
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Bod A          je jiz opatren poznamkou \r\nvchod");
    EXPECT_EQ(p.boxes[0].style & MsgBox::IconMask, MsgBox::Critical);
    t.SetStationNote(7, "mimo", p);
    EXPECT_EQ(p.boxes.size(), 1u);
}

TEST(StationTable, CoordinateExtremesFollowTheCoordinates)
{
    StationTable t;
    const CoordinateExtremes prazdne = t.GetCoordinateExtremes();
    EXPECT_EQ(prazdne.Xmin, 0.0);
    EXPECT_EQ(prazdne.Zmax, 0.0);

    for (const char* n : {"A", "B", "C"}) {
        std::string s = n;
        t.AddStation(s);
    }
    t.SetStationCoordinates(1, 5.0, -1.0, 100.0);
    t.SetStationCoordinates(2, -3.0, 7.0, 90.0);
    t.SetStationCoordinates(3, 4.0, 2.0, 120.0);
    CoordinateExtremes e = t.GetCoordinateExtremes();
    EXPECT_EQ(e.Xmin, -3.0);
    EXPECT_EQ(e.Xmax, 5.0);
    EXPECT_EQ(e.Ymin, -1.0);
    EXPECT_EQ(e.Ymax, 7.0);
    EXPECT_EQ(e.Zmin, 90.0);
    EXPECT_EQ(e.Zmax, 120.0);

    // New coordinates must not be hidden behind the cached extremes.
    t.SetStationCoordinates(2, 0.0, 0.0, 200.0);
    e = t.GetCoordinateExtremes();
    EXPECT_EQ(e.Xmin, 0.0);
    EXPECT_EQ(e.Ymax, 2.0);
    EXPECT_EQ(e.Zmax, 200.0);

    // A coordinate that is not a number never enters the table.
    EXPECT_FALSE(t.SetStationCoordinates(1, std::nan(""), 0.0, 0.0));
    EXPECT_FALSE(t.SetStationCoordinates(1, 0.0, std::numeric_limits<double>::infinity(), 0.0));
    EXPECT_EQ(t.GetStation(1).X, 5.0);
}

