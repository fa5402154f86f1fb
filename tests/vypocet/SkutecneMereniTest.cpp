// A real survey with noise and loops against an independent adjustment of the same data:
// every station in one dense least-squares system. The group-by-group computation may
// differ from it only by a share of the loop misclosures.
//
// The survey: Dow Cave - Providence Pot (Great Whernside, Wharfedale, UK), based on cave
// survey data collected 1982-2015, CPC, WRCPC, RRCPC.
#include "app/Vypocet.h"
#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"
#include "support/HusteReseni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lomvira {
namespace {

TEST(SkutecneMereni, DowProvidenceOdpovidaHustemuVyrovnani)
{
    const NactenyText soubor = NactiZapisnik(LOMVIRA_TEST_DATA "/dowprov.mer");
    ASSERT_TRUE(soubor.ok) << soubor.chyba;
    test::FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k(platforma, nastaveni);
    NactiZapisnik(k, soubor.text);
    ASSERT_EQ(k.posledniChybaNacteni, 0);
    Vectorize(k);
    ASSERT_EQ(SpustVypocet(k), "");
    ASSERT_EQ(k.stav.Stav, 3);

    // The same shots and given points as one system over all stations.
    const int n = k.model.stations.StationCount();
    std::vector<test::HustaZamera> zamery;
    for (int s = 1; s <= k.model.shots.ShotCount(); ++s) {
        const ShotValues z = k.model.shots.GetShot(s);
        const ShotVariances v = k.model.shots.GetShotVariances(s, false);
        zamery.push_back({z.From, z.To, z.L, z.Az, z.Inc, v.L, v.Az, v.Inc});
    }
    std::vector<test::HustyPevnyBod> pevne;
    for (int i = 1; i <= k.model.connections.ConnectionCount(); ++i) {
        const ConnectionRecord c = k.model.connections.GetConnection(i);
        const StationRecord p = k.model.givenPoints.GetGivenPoint(c.GivenPoint);
        pevne.push_back({c.Station, {p.X, p.Y, p.Z}});
    }
    ASSERT_EQ(pevne.size(), 3u);
    const auto huste = test::HusteReseni(n, zamery, pevne);
    ASSERT_TRUE(huste.has_value());

    // Each loop of this survey lies in one network group with the given points it reaches,
    // and the dead ends and traverses carry no redundancy, so the group-by-group result
    // is the least-squares solution of the whole survey.
    double nejvetsi = 0;
    for (int s = 1; s <= n; ++s) {
        const StationRecord p = k.model.stations.GetStation(s);
        const BodXYZ& h = (*huste)[static_cast<std::size_t>(s)];
        const double d = std::sqrt((p.X - h.X) * (p.X - h.X) + (p.Y - h.Y) * (p.Y - h.Y) + (p.Z - h.Z) * (p.Z - h.Z));
        nejvetsi = std::max(nejvetsi, d);
    }
    EXPECT_LT(nejvetsi, 1e-6);
    // Given points are held exactly.
    for (const test::HustyPevnyBod& b : pevne) {
        const StationRecord p = k.model.stations.GetStation(b.uzel);
        EXPECT_EQ(p.X, b.xyz.X);
        EXPECT_EQ(p.Y, b.xyz.Y);
        EXPECT_EQ(p.Z, b.xyz.Z);
    }
}

} // namespace
} // namespace lomvira
