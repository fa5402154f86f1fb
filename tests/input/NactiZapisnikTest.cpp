// The load: the parsed notebook turned into stations, shots, regions, given points and the
// measurement list; the faulty line selected and explained; the processing state.

#include "app/Cisla.h"
#include "app/Kontext.h"
#include "app/Nastaveni.h"
#include "input/NactiZapisnik.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-9;
const std::string CRLF = "\r\n";

double Stupne(double d) { return d / 180.0 * PI; }

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

    std::vector<std::string> volani;
    std::int32_t zacatek = -1;
    std::int32_t delka = -1;
    std::string titulek;
};

class NactiZapisnikTest : public ::testing::Test {
protected:
    void Nacti(const std::string& text)
    {
        okno = FakeOkno();
        NactiZapisnik(k, text, &okno);
    }
    bool MaStav(const std::string& text) const
    {
        return std::find(p.status.begin(), p.status.end(), text) != p.status.end();
    }

    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};
    FakeOkno okno;
};

TEST_F(NactiZapisnikTest, EmptyTextLoadsAndEmptiesTheEarlierModel)
{
    k.souborZapisniku = "/data/jeskyne/dolni.mer";
    Nacti("A B 1 2 3\n");
    ASSERT_EQ(k.model.stations.StationCount(), 2);

    Nacti("");
    EXPECT_EQ(k.posledniChybaNacteni, 0);
    EXPECT_EQ(k.stav.Stav, 1);
    EXPECT_TRUE(k.stav.JeNacteno());
    EXPECT_EQ(k.model.stations.StationCount(), 0);
    EXPECT_EQ(k.model.shots.ShotCount(), 0);
    EXPECT_EQ(k.seznamMereni.ListingCount(), 0);
    EXPECT_EQ(k.razeniBodu.Count(), 0);
    EXPECT_EQ(okno.titulek, "dolni.mer");
    EXPECT_EQ(k.stav.Zaneprazdneno(), 0); // the busy guard is left
}

TEST_F(NactiZapisnikTest, DeclinationAndDatedDeviationTurnTheAzimuthIntoADirection)
{
    const std::string text = "! LOKALITA = \"Lomová jeskyně\" \"7\"\n"
                             "! DATUM = 20240301\n"
                             "! DEKLINACE = 2\n"
                             "! KOMPAS = ( K\n"
                             "! JED = D\n"
                             ")\n"
                             "! KOMPAS = K, 1\n"
                             "A B 10 30 5\n"
                             "! DATUM = 20240302\n"
                             "! KOMPAS = K, -0.5\n"
                             "B C 20 100 0\n"
                             "! DEKLINACE = -1, 20200101\n"
                             "C D 5 200 -10\n";
    Nacti(text);
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    EXPECT_EQ(k.stav.Stav, 1);
    EXPECT_EQ(k.stav.Hotovo, HotovoNacteno);
    ASSERT_EQ(k.model.stations.StationCount(), 4);
    ASSERT_EQ(k.model.shots.ShotCount(), 3);
    EXPECT_EQ(k.model.regions.RegionCount(), 1);

    // direction = π/2 − (azimuth + declination + deviation)
    const ShotValues ab = k.model.shots.GetShot(1);
    EXPECT_EQ(ab.From, 1);
    EXPECT_EQ(ab.To, 2);
    EXPECT_NEAR(ab.L, 10.0, Tol);
    EXPECT_NEAR(ab.Az, Stupne(90 - (30 + 2 + 1)), Tol);
    EXPECT_NEAR(ab.Inc, Stupne(5), Tol);
    EXPECT_NEAR(k.model.shots.GetShot(2).Az, Stupne(360 + 90 - (100 + 2 - 0.5)), Tol);
    // The declination given last is in force, whatever its date.
    EXPECT_NEAR(k.model.shots.GetShot(3).Az, Stupne(360 + 90 - (200 - 1 - 0.5)), Tol);
    EXPECT_NEAR(k.model.shots.GetShot(3).Inc, Stupne(-10), Tol);

    ASSERT_EQ(k.seznamMereni.ListingCount(), 3);
    const MeasurementListRecord r1 = k.seznamMereni.GetListingRecord(1);
    EXPECT_EQ(r1.From, 1);
    EXPECT_EQ(r1.To, 2);
    EXPECT_EQ(r1.Direction, 30);
    EXPECT_EQ(r1.NameFrom, "A         ");
    EXPECT_NEAR(r1.Deviation, Stupne(1), 1e-12);
    EXPECT_NEAR(r1.Declination, Stupne(2), 1e-12);
    EXPECT_EQ(r1.Flags, 0);
    const MeasurementListRecord r3 = k.seznamMereni.GetListingRecord(3);
    EXPECT_NEAR(r3.Deviation, Stupne(-0.5), 1e-12);
    EXPECT_NEAR(r3.Declination, Stupne(-1), 1e-12);
    EXPECT_NEAR(r3.CorrectedDirection, 198.5, 1e-9); // the listing has run its computation

    // The phases after the parse told the status line what they do.
    EXPECT_TRUE(MaStav("Komprese OBLASTÍ"));
    EXPECT_TRUE(MaStav("Vytřídění bodů do oblastí"));
    EXPECT_TRUE(MaStav("Přiřazení daných bodů"));
    EXPECT_EQ(okno.volani, std::vector<std::string>{"titulek"});
    EXPECT_EQ(okno.titulek, "Lomová jeskyně");
}

TEST_F(NactiZapisnikTest, RepeatedAndReversedMeasurementsAccumulateIntoOneShot)
{
    Nacti("A B 10 30 5\n"
          "B A 10.2 210 -5\n"
          "B C 1 2 3\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    ASSERT_EQ(k.model.shots.ShotCount(), 2);
    EXPECT_EQ(k.model.shots.GetMeasurementCount(1), 2);
    EXPECT_EQ(k.model.shots.GetMeasurementCount(2), 1);
    EXPECT_EQ(k.model.shots.GetSignedShot(2, 1), -1);
    const ShotValues s = k.model.shots.GetShot(1);
    // Equal weights: the harmonic mean of 10 and 10.2; the reversed reading turned round.
    EXPECT_NEAR(s.L, 2.0 / (1 / 10.0 + 1 / 10.2), Tol);
    EXPECT_NEAR(s.Az, Stupne(60), Tol);
    EXPECT_NEAR(s.Inc, Stupne(5), Tol);
    EXPECT_EQ(k.seznamMereni.ListingCount(), 3);
}

TEST_F(NactiZapisnikTest, FaultyThirdLineIsSelectedAndExplained)
{
    const std::string text = "A B 10 30 5\r\n"
                             "B C 10 40 0\r\n"
                             "C D 10\r\n"
                             "D E 1 2 3\r\n";
    k.stav.Hotovo = HotovoNacteno | HotovoVektorizovano;
    k.stav.Stav = 2;
    Nacti(text);
    EXPECT_EQ(k.posledniChybaNacteni, 3);
    EXPECT_EQ(k.stav.Stav, 0);
    EXPECT_EQ(k.stav.Hotovo, 0);
    // Line 3 starts at byte 27 (1-based); the editor gets 0-based 26 and the length 6.
    EXPECT_EQ(okno.zacatek, 26);
    EXPECT_EQ(okno.delka, 6);
    EXPECT_EQ(okno.volani, (std::vector<std::string>{"oznac", "prepni", "zamer"}));
    EXPECT_TRUE(MaStav("Načítání zápisníku skončilo chybou 3"));
    EXPECT_FALSE(MaStav("Komprese OBLASTÍ"));
    ASSERT_FALSE(p.boxes.empty());
    // Error 3 has no text of its own.
    EXPECT_EQ(p.boxes.back().text, "Chyba 3 v řádku:" + CRLF + "C D 10");
    EXPECT_EQ(p.boxes.back().helpContext, 3);
    EXPECT_NE(p.boxes.back().style & MsgBox::HelpButton, 0);
    // The first two lines' shots are in the model.
    EXPECT_EQ(k.model.stations.StationCount(), 3);
    EXPECT_EQ(k.model.shots.ShotCount(), 2);
    EXPECT_EQ(k.seznamMereni.ListingCount(), 2);
}

TEST_F(NactiZapisnikTest, ErrorMessagesAndHelpContexts)
{
    struct Pripad {
        std::string text;
        std::string zprava;
        int help;
    };
    const std::vector<Pripad> pripady = {
        {"# x\n! DATUM 2024\n", "Chybí '='." + CRLF + "! DATUM 2024", 0},
        {"! DATUM = 0\n", "Chyba v zadání datumu." + CRLF + "! DATUM = 0", 0},
        {"A B 1 2 3 Q=1\n", "Chyba 6 v řádku:" + CRLF + "A B 1 2 3 Q=1", 6},
        {"! DELKOMER = ) P\n", "Chyba 811 v řádku:" + CRLF + "! DELKOMER = ) P", 811},
        {"! KOMPAS = ( K\n! ODCH = 1\n)\n! KOMPAS = Q\n",
         "Pokus o použití nedefinovaného měřidla." + CRLF + "! KOMPAS = Q", 0},
        {"A B 0 1 2\n",
         "Nepřípustná hodnota měření: nulová délka, nekonečná šikmá délka (vodorovný délkoměr při sklonu ±90°, "
         "svislý při sklonu 0°) nebo číslo mimo rozsah."
             + CRLF + "A B 0 1 2",
         0},
    };
    for (const Pripad& c : pripady) {
        p.boxes.clear();
        Nacti(c.text);
        ASSERT_FALSE(p.boxes.empty()) << c.text;
        EXPECT_EQ(p.boxes.back().text, c.zprava);
        EXPECT_EQ(p.boxes.back().helpContext, c.help) << c.text;
        EXPECT_NE(p.boxes.back().style & MsgBox::HelpButton, 0);
        EXPECT_EQ(k.stav.Stav, 0);
    }
}

TEST_F(NactiZapisnikTest, RefusedForwardBackCheckKeepsTheFaultyLinesShot)
{
    const std::string text = "! HOR_UH = KON\n"
                             "A B 10 10 190 0\n"
                             "B C 10 10 200 0\n"
                             "C D 1 1 181 0\n";
    p.answers.push_back(MsgBox::No);
    Nacti(text);
    EXPECT_EQ(k.posledniChybaNacteni, 21);
    EXPECT_EQ(p.boxes.back().text, "Rozdíl mezi směrem tam a zpět překročil povolenou hodnotu." + CRLF
                                       + "B C 10 10 200 0");
    EXPECT_EQ(k.model.shots.ShotCount(), 2);
    EXPECT_NEAR(k.model.shots.GetShot(2).Az, Stupne(90 - 15), Tol); // mean of 10 and 200 − 180
    EXPECT_EQ(k.seznamMereni.ListingCount(), 2);

    // Yes: the line is kept and the load goes on.
    p.answers.push_back(MsgBox::Yes);
    Nacti(text);
    EXPECT_EQ(k.posledniChybaNacteni, 0);
    EXPECT_EQ(k.model.shots.ShotCount(), 3);
    EXPECT_EQ(k.stav.Stav, 1);
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
    Nacti("* G1 100 200 300\n"
          "* A 1 2 3\n"
          "A B 10 30 5\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    EXPECT_EQ(k.model.stations.StationCount(), 2);
    EXPECT_EQ(k.model.stations.FindStation("G1"), 0);
    ASSERT_EQ(k.model.givenPoints.GivenPointCount(), 2);
    const StationRecord g = k.model.givenPoints.GetGivenPoint(1);
    EXPECT_EQ(g.Name, "G1        ");
    EXPECT_EQ(g.X, 100);
    EXPECT_EQ(g.Y, 200);
    EXPECT_EQ(g.Z, 300);
    EXPECT_EQ(k.model.givenPoints.GetGivenPointSource(1).Source, "Zápisník");
    // A has a given point of its name and is connected; G1 meets no station.
    ASSERT_EQ(k.model.connections.ConnectionCount(), 1);
    EXPECT_EQ(k.model.connections.GetConnection(1).Station, 1);
    EXPECT_EQ(k.model.connections.GetConnection(1).GivenPoint, 2);
}

TEST_F(NactiZapisnikTest, LayersPlacesNotesRegionsAndTheNameSorter)
{
    Nacti("! POLYGON = HORNI\n"
          "! MISTO = DOM\n"
          "P10 P2 10 30 5 A=\"vchod\"\n"
          "! POLYGON = DOLNI\n"
          "P2 P10 10 210 -5\n"
          "P2 P1 1 2 3 B=konec\n"
          "X1 X2 1 2 3 A=jinak\n"
          "X2 X3 1 2 3\n"
          "X3 X1 1 2 3 B=znovu\n");
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    const ShotRecord s1 = k.model.shots.GetShotRecord(1);
    EXPECT_EQ(s1.DrawStyle, 1); // the first measurement's layer stays
    EXPECT_EQ(s1.ViewStyle, 1);
    EXPECT_EQ(k.model.shots.GetShotRecord(2).DrawStyle, 2);
    EXPECT_EQ(k.model.stations.GetStation(1).Note, "vchod");
    EXPECT_EQ(k.model.stations.GetStation(3).Note, "konec");
    // X1 keeps its first note; the second one is refused with a message.
    EXPECT_EQ(k.model.stations.GetStation(4).Note, "jinak");
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Bod X1" + std::string(8, ' ') + " je jiz opatren poznamkou " + CRLF + "jinak");
    EXPECT_EQ(p.boxes[0].style & MsgBox::IconMask, MsgBox::Critical);

    EXPECT_EQ(k.model.regions.RegionCount(), 2);
    EXPECT_EQ(k.model.regions.RegionOf(4), 2);
    EXPECT_EQ(k.model.regions.RegionOf(3), 1);
    // Natural order: P1, P2, P10, X1, X2, X3.
    ASSERT_EQ(k.razeniBodu.Count(), 6);
    EXPECT_EQ(k.razeniBodu.Item(1), 3);
    EXPECT_EQ(k.razeniBodu.Item(2), 2);
    EXPECT_EQ(k.razeniBodu.Item(3), 1);
    EXPECT_EQ(k.razeniBodu.Item(6), 6);
}

TEST_F(NactiZapisnikTest, NothingHappensWhileAnotherLongOperationRuns)
{
    Nacti("A B 1 2 3\n");
    ASSERT_TRUE(k.stav.ZacniPraci());
    k.stav.Stav = 3;
    Nacti("");
    EXPECT_EQ(k.stav.Stav, 3);
    EXPECT_EQ(k.model.stations.StationCount(), 2);
    EXPECT_TRUE(okno.volani.empty());
    k.stav.KonecPrace();
}

TEST_F(NactiZapisnikTest, MoreShotsThanTheModelHoldsIsError11OnTheirLine)
{
    // 32767 stations in a chain give 32766 shots; two closing shots make one too many.
    std::string text;
    char radek[64];
    for (int i = 1; i < 32767; ++i) {
        std::snprintf(radek, sizeof radek, "B%05d B%05d 1 0\n", i, i + 1);
        text += radek;
    }
    text += "B00001 B00003 1 0\n";
    const std::size_t posledni = text.size();
    text += "B00001 B00004 1 0\n";
    Nacti(text);
    EXPECT_EQ(k.posledniChybaNacteni, ChybaPoctuZamer);
    EXPECT_EQ(okno.zacatek, static_cast<std::int32_t>(posledni));
    EXPECT_EQ(okno.delka, 17);
    EXPECT_EQ(k.model.shots.ShotCount(), 32767);
    EXPECT_EQ(k.stav.Stav, 0);
}

} // namespace
} // namespace lomvira
