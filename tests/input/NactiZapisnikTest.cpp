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
#include <utility>
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
        NactiZapisnik(k, text, &okno);
    }
    // The last message box: the error's text, its help context and a help button.
    void Hlaseni(const std::string& text, int help)
    {
        ASSERT_FALSE(p.boxes.empty());
        EXPECT_EQ(p.boxes.back().text, text);
        EXPECT_EQ(p.boxes.back().helpContext, help);
        EXPECT_NE(p.boxes.back().style & MsgBox::HelpButton, 0);
        p.boxes.clear();
    }
    bool MaStav(const std::string& text) const
    {
        return std::find(p.status.begin(), p.status.end(), text) != p.status.end();
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
    void Pocty(int body, int zamery, int zaznamy)
    {
        EXPECT_EQ(std::tuple(k.model.stations.StationCount(), k.model.shots.ShotCount(),
                             k.seznamMereni.ListingCount()),
                  std::tuple(body, zamery, zaznamy));
    }
    // The last load's error and the processing state.
    void Stav(int chyba, int stav)
    {
        EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.stav.Stav), std::tuple(chyba, stav));
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
    Stav(0, 1);
    EXPECT_TRUE(k.stav.JeNacteno());
    Pocty(0, 0, 0);
    EXPECT_EQ(k.razeniBodu.Count(), 0);
    EXPECT_EQ(okno.titulek, "dolni.mer");
    EXPECT_EQ(k.stav.Zaneprazdneno(), 0); // the busy guard is left
}

TEST_F(NactiZapisnikTest, DeclinationAndDatedDeviationTurnTheAzimuthIntoADirection)
{
    Nacti("! LOKALITA = \"Lomová jeskyně\" \"7\"\n! DATUM = 20240301\n! DEKLINACE = 2\n"
          "! KOMPAS = ( K\n! JED = D\n)\n! KOMPAS = K, 1\nA B 10 30 5\n"
          "! DATUM = 20240302\n! KOMPAS = K, -0.5\nB C 20 100 0\n"
          "! DEKLINACE = -1, 20200101\nC D 5 200 -10\n");
    Stav(0, 1);
    EXPECT_EQ(k.stav.Hotovo, HotovoNacteno);
    Pocty(4, 3, 3);
    EXPECT_EQ(k.model.regions.RegionCount(), 1);

    // direction = π/2 − (azimuth + declination + deviation)
    EXPECT_EQ(std::tuple(k.model.shots.GetShot(1).From, k.model.shots.GetShot(1).To), std::tuple(1, 2));
    Zamera(1, 10, Stupne(90 - (30 + 2 + 1)), Stupne(5));
    Zamera(2, 20, Stupne(360 + 90 - (100 + 2 - 0.5)), 0);
    // The declination given last is in force, whatever its date.
    Zamera(3, 5, Stupne(360 + 90 - (200 - 1 - 0.5)), Stupne(-10));

    const MeasurementListRecord r1 = k.seznamMereni.GetListingRecord(1);
    EXPECT_EQ(std::tuple(r1.From, r1.To, r1.Direction, r1.Flags), std::tuple(1, 2, 30.0, 0));
    EXPECT_EQ(r1.NameFrom, "A         ");
    const MeasurementListRecord r3 = k.seznamMereni.GetListingRecord(3);
    for (const auto& [hodnota, ocekavano] :
         {std::pair(r1.Deviation, Stupne(1)), std::pair(r1.Declination, Stupne(2)),
          std::pair(r3.Deviation, Stupne(-0.5)), std::pair(r3.Declination, Stupne(-1))})
        EXPECT_NEAR(hodnota, ocekavano, 1e-12);
    EXPECT_NEAR(r3.CorrectedDirection, 198.5, 1e-9); // the listing has run its computation

    // The phases after the parse told the status line what they do.
    for (const char* stav : {"Komprese OBLASTÍ", "Vytřídění bodů do oblastí", "Přiřazení daných bodů"})
        EXPECT_TRUE(MaStav(stav)) << stav;
    EXPECT_EQ(okno.volani, Texty{"titulek"});
    EXPECT_EQ(okno.titulek, "Lomová jeskyně");
}

TEST_F(NactiZapisnikTest, RepeatedAndReversedMeasurementsAccumulateIntoOneShot)
{
    Nacti("A B 10 30 5\nB A 10.2 210 -5\nB C 1 2 3\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    Pocty(3, 2, 3);
    EXPECT_EQ(std::tuple(k.model.shots.GetMeasurementCount(1), k.model.shots.GetMeasurementCount(2)),
              std::tuple(2, 1));
    EXPECT_EQ(k.model.shots.GetSignedShot(2, 1), -1);
    // Equal weights: the harmonic mean of 10 and 10.2; the reversed reading turned round.
    Zamera(1, 2.0 / (1 / 10.0 + 1 / 10.2), Stupne(60), Stupne(5));
}

TEST_F(NactiZapisnikTest, FaultyThirdLineIsSelectedAndExplained)
{
    k.stav.Hotovo = HotovoNacteno | HotovoVektorizovano;
    k.stav.Stav = 2;
    Nacti("A B 10 30 5\r\nB C 10 40 0\r\nC D 10\r\nD E 1 2 3\r\n");
    Stav(3, 0);
    EXPECT_EQ(k.stav.Hotovo, 0);
    // Line 3 starts at byte 27 (1-based); the editor gets 0-based 26 and the length 6.
    EXPECT_EQ(std::tuple(okno.zacatek, okno.delka), std::tuple(26, 6));
    EXPECT_EQ(okno.volani, (Texty{"oznac", "prepni", "zamer"}));
    EXPECT_TRUE(MaStav("Načítání zápisníku skončilo chybou 3"));
    EXPECT_FALSE(MaStav("Komprese OBLASTÍ"));
    // Error 3 has no text of its own.
    ASSERT_FALSE(p.boxes.empty());
    Hlaseni("Chyba 3 v řádku:" + CRLF + "C D 10", 3);
    // The first two lines' shots are in the model.
    Pocty(3, 2, 2);
}

TEST_F(NactiZapisnikTest, ErrorMessagesAndHelpContexts)
{
    struct Pripad {
        std::string text, zprava;
        int help;
    };
    const std::vector<Pripad> pripady = {
        {"# x\n! DATUM 2024\n", "Chybí '='." + CRLF + "! DATUM 2024", 2},
        {"! DATUM = 0\n", "Chyba v zadání datumu." + CRLF + "! DATUM = 0", 1401},
        {"A B 1 2 3 Q=1\n", "Chyba 6 v řádku:" + CRLF + "A B 1 2 3 Q=1", 6},
        {"! DELKOMER = ) P\n", "Chyba 811 v řádku:" + CRLF + "! DELKOMER = ) P", 811},
        {"! KOMPAS = ( K\n! ODCH = 1\n)\n! KOMPAS = Q\n",
         "Pokus o použití nedefinovaného měřidla." + CRLF + "! KOMPAS = Q", 52},
        {"A B 0 1 2\n",
         ChybaText(ChybaHodnoty) + CRLF + "A B 0 1 2",
         ChybaHodnoty},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.text);
        Nacti(c.text);
        Hlaseni(c.zprava, c.help);
        EXPECT_EQ(k.stav.Stav, 0);
    }
}

TEST_F(NactiZapisnikTest, RefusedForwardBackCheckKeepsTheFaultyLinesShot)
{
    const std::string text = "! HOR_UH = KON\nA B 10 10 190 0\nB C 10 10 200 0\nC D 1 1 181 0\n";
    p.answers.push_back(MsgBox::No);
    Nacti(text);
    EXPECT_EQ(k.posledniChybaNacteni, 21);
    EXPECT_EQ(p.boxes.back().text,
              "Rozdíl mezi směrem tam a zpět překročil povolenou hodnotu." + CRLF + "B C 10 10 200 0");
    Pocty(3, 2, 2);
    EXPECT_NEAR(k.model.shots.GetShot(2).Az, Stupne(90 - 15), Tol); // mean of 10 and 200 − 180

    // Yes: the line is kept and the load goes on.
    p.answers.push_back(MsgBox::Yes);
    Nacti(text);
    Stav(0, 1);
    EXPECT_EQ(k.model.shots.ShotCount(), 3);
}

TEST_F(NactiZapisnikTest, ZeroToleranceBecomesFiveDegreesAndAPositiveOneStays)
{
    const std::string text = "! HOR_UH = KON\nA B 10 10 194.5 0\n"; // 4.5° apart
    Nacti(text);
    EXPECT_NEAR(k.volby.TOLERANCE, 5.0 / 180.0 * PI, 1e-15);
    EXPECT_TRUE(p.boxes.empty());

    k.volby.TOLERANCE = 0.05; // 2.86°
    Nacti(text);
    EXPECT_EQ(k.volby.TOLERANCE, 0.05);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Pozor! Rozdil azimutu 4.5°" + CRLF + "Pokračovat?");
}

TEST_F(NactiZapisnikTest, GivenPointsEnterOnlyTheGivenPointTable)
{
    Nacti("* G1 100 200 300\n* A 1 2 3\nA B 10 30 5\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    EXPECT_EQ(k.model.stations.StationCount(), 2);
    EXPECT_EQ(k.model.stations.FindStation("G1"), 0);
    ASSERT_EQ(k.model.givenPoints.GivenPointCount(), 2);
    const StationRecord g = k.model.givenPoints.GetGivenPoint(1);
    EXPECT_EQ(g.Name, "G1        ");
    EXPECT_EQ((std::vector<double>{g.X, g.Y, g.Z}), (std::vector<double>{100, 200, 300}));
    EXPECT_EQ(k.model.givenPoints.GetGivenPointSource(1).Source, "Zápisník");
    // A has a given point of its name and is connected; G1 meets no station.
    ASSERT_EQ(k.model.connections.ConnectionCount(), 1);
    EXPECT_EQ(std::tuple(k.model.connections.GetConnection(1).Station,
                         k.model.connections.GetConnection(1).GivenPoint),
              std::tuple(1, 2));
}

TEST_F(NactiZapisnikTest, LayersPlacesNotesRegionsAndTheNameSorter)
{
    Nacti("! POLYGON = HORNI\n! MISTO = DOM\nP10 P2 10 30 5 A=\"vchod\"\n! POLYGON = DOLNI\n"
          "P2 P10 10 210 -5\nP2 P1 1 2 3 B=konec\nX1 X2 1 2 3 A=jinak\nX2 X3 1 2 3\nX3 X1 1 2 3 B=znovu\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    // The first measurement's layer stays.
    const auto& z = k.model.shots;
    EXPECT_EQ(
        std::tuple(z.GetShotRecord(1).DrawStyle, z.GetShotRecord(1).ViewStyle, z.GetShotRecord(2).DrawStyle),
        std::tuple(1, 1, 2));
    // X1 keeps its first note; the second one is refused with a message.
    const auto& b = k.model.stations;
    EXPECT_EQ((Texty{b.GetStation(1).Note, b.GetStation(3).Note, b.GetStation(4).Note}),
              (Texty{"vchod", "konec", "jinak"}));
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text,
              "Bod X1" + std::string(8, ' ') + " je jiz opatren poznamkou " + CRLF + "jinak");
    EXPECT_EQ(p.boxes[0].style & MsgBox::IconMask, MsgBox::Critical);

    const auto& o = k.model.regions;
    EXPECT_EQ(std::tuple(o.RegionCount(), o.RegionOf(4), o.RegionOf(3)), std::tuple(2, 2, 1));
    // Natural order: P1, P2, P10, X1, X2, X3.
    std::vector<int> poradi;
    for (int i = 1; i <= k.razeniBodu.Count(); ++i)
        poradi.push_back(k.razeniBodu.Item(i));
    EXPECT_EQ(poradi, (std::vector<int>{3, 2, 1, 4, 5, 6}));
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
    Stav(0, 1);
    EXPECT_EQ(std::tuple(k.model.stations.StationCount(), k.model.shots.ShotCount()), std::tuple(N, N));
    const int posledni = k.model.stations.FindStation("B40000");
    EXPECT_EQ(posledni, N);
    EXPECT_EQ(k.model.shots.GetSignedShot(posledni, posledni - 1), -(N - 1));
    EXPECT_EQ(k.model.regions.RegionStationCount(1), N);
}

} // namespace
} // namespace lomvira
