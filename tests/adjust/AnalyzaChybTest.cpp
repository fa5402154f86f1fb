// The error analysis on notebooks: a loop without error has no misfit, a blunder puts its
// loop on top and its cross-link's difference near the blunder's size, and on generated
// loops "Najdi chybu" names each blundered line. None of it touches the computed survey.
#include "adjust/AnalyzaChyb.h"
#include "app/Kontext.h"
#include "app/KontrolaChyb.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace lomvira;

namespace {

// Two square loops joined by a traverse; the first loop's side A-B is 1 m too long.
const char* const DveSmycky = "A B 11 0 0\nB C 10 90 0\nC D 10 180 0\nD A 10 270 0\n"
                              "C E 5 45 0\n"
                              "E F 10 0 0\nF G 10 90 0\nG H 10 180 0\nH E 10 270 0\n";

struct Sit {
    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k{p, nastaveni};

    explicit Sit(const std::string& text)
    {
        NactiZapisnik(k, text);
        Vectorize(k);
        EXPECT_EQ(k.stav.Stav, 2);
    }
    CisloZamery Z(const char* a, const char* b) const { return std::abs(ZameraMezi(k, a, b)); }
};

TEST(AnalyzaChyb, BlunderPutsItsLoopOnTopAndCutsToItsSize)
{
    Sit s(DveSmycky);
    AnalyzaChyb a(s.k.model, s.k.sit, s.p, false);
    const std::vector<PolozkaChyby> intenzity = a.AnalyzujChyby(1);
    ASSERT_EQ(intenzity.size(), 8u); // the traverse C-E is no network
    const char* const chyba[] = {"A", "B", "B", "C", "C", "D", "D", "A"};
    const char* const bez[] = {"E", "F", "F", "G", "G", "H", "H", "E"};
    double nejmensi = 1e9;
    for (int i = 0; i < 8; i += 2) {
        nejmensi = std::min(nejmensi, a.Intenzita(s.Z(chyba[i], chyba[i + 1])));
        EXPECT_LT(a.Intenzita(s.Z(bez[i], bez[i + 1])), 1e-9);
    }
    EXPECT_GT(nejmensi, 1e-3);

    const std::vector<PolozkaChyby> rozdily = a.AnalyzujChyby(2, {s.Z("B", "C"), s.Z("E", "F")});
    ASSERT_EQ(rozdily.size(), 2u);
    const bool prvni = rozdily[0].hodnota > rozdily[1].hodnota; // groups come in walking order
    EXPECT_NEAR(rozdily[prvni ? 0 : 1].hodnota, 1.0, 1e-9);
    EXPECT_NEAR(rozdily[prvni ? 1 : 0].hodnota, 0.0, 1e-9);
    EXPECT_EQ(rozdily[0].zamery.size(), 4u);
    EXPECT_TRUE(a.AnalyzujChyby(2, {}).empty());
    EXPECT_TRUE(s.p.boxes.empty());
    EXPECT_EQ(s.p.status.back(), "Kontrola chyb dokončena.");
}

TEST(AnalyzaChyb, LeavesTheComputedSurveyAlone)
{
    Sit s(DveSmycky);
    SpustVypocet(s.k);
    ASSERT_EQ(s.k.stav.Stav, 3);
    std::vector<StationRecord> pred;
    for (int i = 1; i <= s.k.model.stations.StationCount(); ++i)
        pred.push_back(s.k.model.stations.GetStation(i));
    KontrolaChyb kontrola(s.k);
    ASSERT_TRUE(kontrola.Intenzity() && kontrola.NajdiChybu());
    EXPECT_EQ(s.k.stav.Stav, 3);
    for (int i = 1; i <= s.k.model.stations.StationCount(); ++i) {
        const StationRecord po = s.k.model.stations.GetStation(i);
        EXPECT_TRUE(po.X == pred[i - 1].X && po.Y == pred[i - 1].Y && po.Z == pred[i - 1].Z) << i;
    }
}

TEST(AnalyzaChyb, FindsTheBlunderedLineOfEachLoop)
{
    test::VolbySmycek v;
    v.smycek = 6;
    v.zamerStrany = 5;
    v.omyly = {{1, 2, 'd', 0.8}, {3, 6, 'a', 4.0}, {4, 1, 's', -3.0}};
    const test::GenerovaneSmycky g = test::GenerujSmycky(v);
    Sit s(g.jeskyne.text);
    std::vector<std::string> radky;
    std::istringstream in(g.jeskyne.text);
    for (std::string r; std::getline(in, r);)
        radky.push_back(r);

    // The group of each shot, from the intensities; then one finding per group, in the
    // order of the window's lines.
    AnalyzaChyb a(s.k.model, s.k.sit, s.p, false);
    std::map<CisloZamery, int> skupina;
    for (const PolozkaChyby& p : a.AnalyzujChyby(1))
        skupina[std::abs(p.polozka)] = p.skupina;
    const std::vector<NalezChyby> nalezy = a.NajdiChybu();
    KontrolaChyb kontrola(s.k);
    ASSERT_TRUE(kontrola.NajdiChybu());
    ASSERT_EQ(nalezy.size(), 6u); // one per loop
    ASSERT_EQ(kontrola.Radky().size(), 6u);
    int bezOmylu = 0;
    for (std::size_t j = 0; j < nalezy.size(); ++j) {
        bool omyl = false;
        for (std::size_t i = 0; i < v.omyly.size(); ++i) {
            std::istringstream mereni(radky[static_cast<std::size_t>(g.radkyOmylu[i] - 1)]);
            std::string od, k;
            double L, az, inc;
            mereni >> od >> k >> L >> az >> inc;
            const CisloZamery z = s.Z(od.c_str(), k.c_str());
            if (skupina[z] != nalezy[j].pricka.skupina)
                continue;
            omyl = true;
            SCOPED_TRACE(kontrola.Radky()[j].text);
            const double rad = std::abs(v.omyly[i].velikost) * PI / 180.0;
            const double velikost = v.omyly[i].velicina == 'd' ? std::abs(v.omyly[i].velikost)
                                    : v.omyly[i].velicina == 'a' ? L * std::cos(inc * PI / 180.0) * rad
                                                                : L * rad;
            EXPECT_EQ(std::abs(nalezy[j].podezrela), z);
            EXPECT_EQ(nalezy[j].velicina, v.omyly[i].velicina == 'd'   ? Velicina::Delka
                                          : v.omyly[i].velicina == 'a' ? Velicina::Azimut
                                                                       : Velicina::Sklon);
            EXPECT_NEAR(nalezy[j].pricka.hodnota, velikost, 0.02 * velikost);
            EXPECT_NE(kontrola.Radky()[j].text.find("(řádek " + std::to_string(g.radkyOmylu[i]) + ")"),
                      std::string::npos);
        }
        if (!omyl) {
            ++bezOmylu;
            EXPECT_LT(nalezy[j].pricka.hodnota, 1e-6);
        }
    }
    EXPECT_EQ(bezOmylu, 3);
}

} // namespace
