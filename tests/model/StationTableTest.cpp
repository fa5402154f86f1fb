#include "model/StationTable.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace lomvira;

TEST(StationTable, NamesAreTenCodePointsComparedByBytes)
{
    StationTable t;
    bool novy = false;
    const std::tuple<std::string, int, bool, std::string> pripady[] = {
        {"ABCDEFGHIJK", 1, true, "ABCDEFGHIJ"}, {"ABCDEFGHIJ", 1, false, "ABCDEFGHIJ"}, {"A", 2, true, "A         "},
        {"a", 3, true, "a         "}, // case matters
        // The eleventh character is cut, the Czech letters stay whole.
        {"ŽĎÁRNÍKOVÁXY", 4, true, "ŽĎÁRNÍKOVÁ"}, {"Č1", 5, true, "Č1        "}};
    for (auto [jmeno, cislo, jeNovy, ulozeno] : pripady) {
        EXPECT_EQ(t.AddStation(jmeno, &novy), cislo);
        EXPECT_EQ(std::pair(novy, jmeno), std::pair(jeNovy, ulozeno));
    }
    EXPECT_EQ(t.FindStation("ABCDEFGHIJXYZ"), 1);
    EXPECT_EQ(std::pair(t.GetStation(0).Name, t.GetStationName(6)), std::pair(std::string("Neznamy   "), std::string()));
    EXPECT_EQ(t.GetStationByName("B").Name, "          ");

    // A second note is refused with a message; an empty one is ignored.
    test::FakePlatforma p;
    t.SetStationNote(2, "vchod", p);
    t.SetStationNote(2, "", p);
    t.SetStationNote(2, "jiný text", p);
    EXPECT_EQ(t.GetStation(2).Note, "vchod");
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Bod A          je jiz opatren poznamkou \r\nvchod");
}

TEST(StationTable, CoordinateExtremesFollowTheCoordinates)
{
    StationTable t;
    for (std::string s : {"A", "B", "C"})
        t.AddStation(s);
    t.SetStationCoordinates(1, 5.0, -1.0, 100.0);
    t.SetStationCoordinates(2, -3.0, 7.0, 90.0);
    t.SetStationCoordinates(3, 4.0, 2.0, 120.0);
    CoordinateExtremes e = t.GetCoordinateExtremes();
    EXPECT_EQ((std::vector<double>{e.Xmin, e.Xmax, e.Ymin, e.Ymax, e.Zmin, e.Zmax}),
              (std::vector<double>{-3, 5, -1, 7, 90, 120}));
    // New coordinates must not be hidden behind the cached extremes.
    t.SetStationCoordinates(2, 0.0, 0.0, 200.0);
    e = t.GetCoordinateExtremes();
    EXPECT_EQ((std::vector<double>{e.Xmin, e.Ymax, e.Zmax}), (std::vector<double>{0, 2, 200}));
    // A coordinate that is not a number never enters the table, nor does a missing station.
    EXPECT_FALSE(t.SetStationCoordinates(1, std::nan(""), 0.0, 0.0));
    EXPECT_FALSE(t.SetStationCoordinates(1, 0.0, std::numeric_limits<double>::infinity(), 0.0));
    EXPECT_FALSE(t.SetStationCoordinates(4, 5.0, 5.0, 5.0));
    EXPECT_EQ(t.GetStation(1).X, 5.0);
}
