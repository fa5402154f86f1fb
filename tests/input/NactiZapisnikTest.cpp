// The load: the parsed notebook turned into stations, shots, regions, given points and the
// measurement list; the faulty line selected and explained; the processing state.

#include "app/NactiZapisnik.h"
#include "common/Cisla.h"
#include "app/Kontext.h"
#include "common/Nastaveni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-9;
const std::string CRLF = "\r\n";
using Texty = std::vector<std::string>;

double Stupne(double d)
{
    return d / 180.0 * PI;
}

// Records what the load asks of the notebook window.
class FakeOkno : public OknoZapisniku {
public:
    void OznacChybnyRadek(std::int32_t z, std::int32_t d) override
    {
        volani.push_back("oznac");
        zacatek = z;
        delka = d;
    }
    void PrepniNaZapisnik() override { volani.push_back("prepni"); }
    void ZamerEditor() override { volani.push_back("zamer"); }
    void NastavTitulek(const std::string& lokalita) override
    {
        volani.push_back("titulek");
        titulek = lokalita;
    }
    Texty volani;
    std::int32_t zacatek = -1, delka = -1;
    std::string titulek;
};

class NactiZapisnikTest : public ::testing::Test {
protected:
    void Nacti(const std::string& text)
    {
        okno = FakeOkno();
        p.boxes.clear();
        NactiZapisnik(k, text, &okno);
    }
    // Shot i's length, direction and inclination (radians).
    void Zamera(int i, double l, double az, double inc)
    {
        const ShotValues s = k.model.shots.GetShot(i);
        EXPECT_NEAR(s.L, l, Tol) << i;
        EXPECT_NEAR(s.Az, az, Tol) << i;
        EXPECT_NEAR(s.Inc, inc, Tol) << i;
    }
    // The counts of stations, shots and listing records.
    std::tuple<int, int, int> Pocty() const
    {
        return {k.model.stations.StationCount(), k.model.shots.ShotCount(), k.seznamMereni.ListingCount()};
    }

    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};
    FakeOkno okno;
};

TEST_F(NactiZapisnikTest, EmptyTextEmptiesTheEarlierModelButNotWhileAnotherLongOperationRuns)
{
    k.souborZapisniku = "/data/jeskyne/dolni.mer";
    Nacti("A B 1 2 3\n");
    ASSERT_TRUE(k.stav.ZacniPraci());
    k.stav.Stav = 3;
    Nacti("");
    EXPECT_EQ(std::tuple(k.stav.Stav, k.model.stations.StationCount()), std::tuple(3, 2));
    EXPECT_TRUE(okno.volani.empty());
    k.stav.KonecPrace();

    Nacti("");
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.stav.Stav, k.stav.JeNacteno()), std::tuple(0, 1, true));
    EXPECT_EQ(Pocty(), std::tuple(0, 0, 0));
    EXPECT_EQ(std::tuple(k.razeniBodu.Count(), okno.titulek, k.stav.Zaneprazdneno()), std::tuple(0, "dolni.mer", 0));
}

TEST_F(NactiZapisnikTest, DeclinationDeviationAndRepeatedMeasurementsMakeTheShots)
{
    Nacti("! LOKALITA = \"Lomová jeskyně\" \"7\"\n! DATUM = 20240301\n! DEKLINACE = 2\n"
          "! KOMPAS = ( K\n! JED = D\n)\n! KOMPAS = K, 1\nA B 10 30 5\n"
          "! DATUM = 20240302\n! KOMPAS = K, -0.5\nB C 20 100 0\n"
          "! DEKLINACE = -1, 20200101\nC D 5 200 -10\nB A 10.2 213 -5\n");
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.stav.Stav, k.stav.Hotovo), std::tuple(0, 1, HotovoNacteno));
    EXPECT_EQ(Pocty(), std::tuple(4, 3, 4));
    EXPECT_EQ(std::tuple(k.model.shots.GetShot(1).From, k.model.shots.GetShot(1).To), std::tuple(1, 2));
    // direction = π/2 − (azimuth + declination + deviation); the declination given last is
    // in force, whatever its date. The reversed reading (213 − 1 − 0.5 − 180 = 31.5) joins
    // the first: equal weights give the harmonic mean of the lengths.
    Zamera(1, 2.0 / (1 / 10.0 + 1 / 10.2), Stupne(90 - (33 + 31.5) / 2), Stupne(5));
    Zamera(2, 20, Stupne(360 + 90 - (100 + 2 - 0.5)), 0);
    Zamera(3, 5, Stupne(360 + 90 - (200 - 1 - 0.5)), Stupne(-10));
    EXPECT_EQ(std::tuple(k.model.shots.GetMeasurementCount(1), k.model.shots.GetSignedShot(2, 1)), std::tuple(2, -1));

    EXPECT_NEAR(k.seznamMereni.GetListingRecord(3).CorrectedDirection, 198.5, 1e-9); // the listing ran its computation
    EXPECT_EQ(okno.volani, Texty{"titulek"});
    EXPECT_EQ(okno.titulek, "Lomová jeskyně");
}

TEST_F(NactiZapisnikTest, FaultyLineIsSelectedAndExplained)
{
    k.stav.Hotovo = HotovoNacteno | HotovoVektorizovano;
    k.stav.Stav = 2;
    Nacti("A B 10 30 5\r\nB C 10 40 0\r\nC D 10\r\nD E 1 2 3\r\n");
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.stav.Stav, k.stav.Hotovo), std::tuple(3, 0, 0));
    // Line 3 starts at byte 27 (1-based); the editor gets 0-based 26 and the length 6.
    EXPECT_EQ(std::tuple(okno.zacatek, okno.delka), std::tuple(26, 6));
    EXPECT_EQ(okno.volani, (Texty{"oznac", "prepni", "zamer"}));
    EXPECT_NE(std::find(p.status.begin(), p.status.end(), "Načítání zápisníku skončilo chybou 3"), p.status.end());
    EXPECT_EQ(Pocty(), std::tuple(3, 2, 2)); // the first two lines' shots are in the model

    // The message offers help where the error has any (its texts are checked by the command-line goldens).
    for (const auto& [text, help] : {std::pair("C D 10\n", 3), std::pair("A B 1 2 3 Q=1\n", 6), std::pair("! DATUM 2\n", 2)}) {
        Nacti(text);
        ASSERT_FALSE(p.boxes.empty()) << text;
        EXPECT_EQ(p.boxes.back().helpContext, help);
        EXPECT_NE(p.boxes.back().style & MsgBox::HelpButton, 0);
    }
}

TEST_F(NactiZapisnikTest, ForwardAndBackCheckAndAZeroTolerance)
{
    const std::string text = "! HOR_UH = KON\nA B 10 10 190 0\nB C 10 10 200 0\nC D 1 1 181 0\n";
    p.answers.push_back(MsgBox::No);
    Nacti(text);
    EXPECT_EQ(std::pair(k.posledniChybaNacteni, okno.zacatek), std::pair(21, 31));
    EXPECT_EQ(Pocty(), std::tuple(3, 2, 2)); // the refused line's shot is kept
    Zamera(2, 10, Stupne(90 - 15), 0);      // the mean of 10 and 200 − 180
    p.answers.push_back(MsgBox::Yes);
    Nacti(text);
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.model.shots.ShotCount()), std::tuple(0, 3));

    // A zero tolerance becomes 5°.
    k.volby.TOLERANCE = 0;
    const std::string o45 = "! HOR_UH = KON\nA B 10 10 194.5 0\n"; // 4.5° apart
    Nacti(o45);
    EXPECT_NEAR(k.volby.TOLERANCE, 5.0 / 180.0 * PI, 1e-15);
    EXPECT_TRUE(p.boxes.empty());
}

TEST_F(NactiZapisnikTest, GivenPointsLayersNotesAndTheNameSorter)
{
    Nacti("* G1 100 200 300\n* P1 1 2 3\n! POLYGON = HORNI\nP10 P2 10 30 5 A=\"vchod\"\n! POLYGON = DOLNI\n"
          "P2 P10 10 210 -5\nP2 P1 1 2 3 B=konec\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    // Given points enter only their table; P1 is connected to its namesake, G1 to nothing.
    EXPECT_EQ(std::tuple(k.model.stations.StationCount(), k.model.givenPoints.GetGivenPoint(1).Z), std::tuple(3, 300.0));
    ASSERT_EQ(k.model.connections.ConnectionCount(), 1);
    EXPECT_EQ(std::pair(k.model.connections.GetConnection(1).Station, k.model.connections.GetConnection(1).GivenPoint),
              std::pair(3, 2));
    // The first measurement's layer stays; notes reach their stations; natural order P1, P2, P10.
    const auto& z = k.model.shots;
    EXPECT_EQ(std::pair(z.GetShotRecord(1).DrawStyle, z.GetShotRecord(2).DrawStyle), std::pair(1, 2));
    EXPECT_EQ((Texty{k.model.stations.GetStation(1).Note, k.model.stations.GetStation(3).Note}), (Texty{"vchod", "konec"}));
    EXPECT_EQ((std::vector<int>{k.razeniBodu.Item(1), k.razeniBodu.Item(2), k.razeniBodu.Item(3)}),
              (std::vector<int>{3, 2, 1}));
}

TEST_F(NactiZapisnikTest, NamesAlikeInTheirTenCharacterFormAreOneStationInEitherOrder)
{
    // The long name is cut to the short one; the decomposed Č is the composed one.
    for (const std::string& text :
         {std::string("A1 ABCDEFGHIJ 1 0 0\nABCDEFGHIJK B1 1 90 0\n\xC4\x8C\x31 A1 1 0 0\nC\xCC\x8C\x31 B1 1 0 0\n"),
          std::string("ABCDEFGHIJK A1 1 0 0\nB1 ABCDEFGHIJ 1 90 0\nC\xCC\x8C\x31 A1 1 0 0\n\xC4\x8C\x31 B1 1 0 0\n")}) {
        Nacti(text);
        ASSERT_EQ(k.posledniChybaNacteni, 0) << text;
        EXPECT_EQ(Pocty(), std::tuple(4, 4, 4)) << text;
        const CisloBodu dlouhy = k.model.stations.FindStation("ABCDEFGHIJ");
        EXPECT_EQ(k.model.stations.FindStation("ABCDEFGHIJXYZ"), dlouhy);
        EXPECT_NE(k.model.shots.GetSignedShot(dlouhy, k.model.stations.FindStation("B1")), 0) << text;
        EXPECT_EQ(k.model.stations.FindStation("C\xCC\x8C\x31"), k.model.stations.FindStation("\xC4\x8C\x31"));
    }
}

TEST_F(NactiZapisnikTest, SurveysBeyondSixteenBitNumbersLoad)
{
    // 40,000 stations in a chain and a closing shot: numbers past 32,767 neither wrap nor
    // stop the load.
    constexpr int N = 40000;
    std::string text;
    char radek[64];
    for (int i = 1; i < N; ++i) {
        std::snprintf(radek, sizeof radek, "B%05d B%05d 1 0\n", i, i + 1);
        text += radek;
    }
    text += "B39999 B00001 1 0\n";
    Nacti(text);
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.model.stations.StationCount(), k.model.shots.ShotCount()),
              std::tuple(0, N, N));
    EXPECT_EQ(k.model.stations.FindStation("B40000"), N);
    EXPECT_EQ(k.model.shots.GetSignedShot(N, N - 1), -(N - 1));
    EXPECT_EQ(k.model.regions.RegionStationCount(1), N);
}

} // namespace
} // namespace lomvira
