// The whole computation on generated surveys with exact measurements: every station must
// come back at its true position with declination and dated compass deviations, and a
// region on one given point is never turned (plain surveys, S-JTSK and the rotation onto
// given points have their own tests).
// Also what stops the computation: no vectorisation, and memory running out.
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "app/Kontext.h"
#include "coords/SourSystTransf.h"
#include "app/NactiZapisnik.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <new>
#include <tuple>

namespace lomvira {
namespace {

constexpr double Presnost = 1e-6; // metres

struct Prostredi {
    test::FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k{platforma, nastaveni};

    // Loads, vectorises and computes; the computation must finish.
    void Spocti(const std::string& text)
    {
        NactiZapisnik(k, text);
        ASSERT_EQ(k.posledniChybaNacteni, 0) << k.nacti->ErrorRow();
        Vectorize(k);
        ASSERT_EQ(k.stav.Stav, 2);
        ASSERT_EQ(SpustVypocet(k), "");
        ASSERT_EQ(k.stav.Stav, 3);
        ASSERT_TRUE(k.stav.JeVypocteno());
    }

    // The output record of a station.
    ZBod Vystup(const std::string& name) const
    {
        const SourSystTransf t(k.nacti->SourSys());
        const StationRecord s = k.model.stations.GetStationByName(name);
        return t.Vystup({s.Name, s.X, s.Y, s.Z});
    }
};

// Compares every station with its truth mapped by `ocekavane`, naming the first that differs.
void PorovnejStanice(const Prostredi& p, const test::GenerovanaJeskyne& g,
                     const std::function<ZBod(const test::BodPravdy&)>& ocekavane)
{
    ASSERT_EQ(p.k.model.stations.StationCount(), static_cast<int>(g.stanice.size()));
    for (const test::BodPravdy& b : g.stanice) {
        const ZBod z = p.Vystup(b.name);
        const ZBod e = ocekavane(b);
        ASSERT_NEAR(z.X, e.X, Presnost) << b.name << " first coordinate";
        ASSERT_NEAR(z.Y, e.Y, Presnost) << b.name << " second coordinate";
        ASSERT_NEAR(z.Z, e.Z, Presnost) << b.name << " third coordinate";
    }
}

ZBod Stejne(const test::BodPravdy& b)
{
    return {b.name, b.x, b.y, b.z};
}

test::VolbyGeneratoru Jeskyne(int stanice, int danych, unsigned seed)
{
    test::VolbyGeneratoru v;
    v.stanice = stanice;
    v.danychBodu = danych;
    v.smyckaKazdych = 7;
    v.seed = seed;
    return v;
}

TEST(VypocetPresnychMereni, DeklinaceADatovanaOdchylkaKompasu)
{
    // Azimuths read 1.25° too small and turned by the declination and the deviation
    // (2.0° − 0.75°) back; an earlier-dated deviation entry must not matter.
    auto v = Jeskyne(300, 2, 11);
    v.hlavicka = "! DATUM = 20240101\r\n! DEKLINACE = 2.0\r\n! KOMPAS = ( K1\r\n!  PRE = 0.5\r\n )\r\n"
                 "! DATUM = 20230101\r\n! KOMPAS = K1, 5\r\n! DATUM = 20240601\r\n! KOMPAS = K1, -0.75\r\n";
    v.posunAzimutu = -1.25;
    const auto g = test::GenerujJeskyni(v);
    Prostredi p;
    p.Spocti(g.text);
    PorovnejStanice(p, g, Stejne);
}

TEST(VypocetPresnychMereni, OblastSJednimPripojenimSeSamostatneNenatoci)
{
    auto v = Jeskyne(100, 1, 5);
    v.hlavicka = "! SOU_SYS = 90/d, VLASTNI, VIR_VYROV = SAMOSTATNE\r\n";
    v.posunAzimutu = 3.0;
    const auto g = test::GenerujJeskyni(v);
    Prostredi p;
    p.Spocti(g.text);
    EXPECT_EQ(p.k.model.regions.GetRegionRotation(1), 0.0);
    // The second station lies 3° off its truth.
    const ZBod druha = p.Vystup(g.stanice[1].name);
    EXPECT_GT(std::hypot(druha.X - g.stanice[1].x, druha.Y - g.stanice[1].y), 1e-3);
}

TEST(VypocetRizeni, BezVektorizaceSeNepocita)
{
    Prostredi p;
    NactiZapisnik(p.k, "* A 0 0 0\r\nA B 10 0 0\r\n");
    ASSERT_EQ(p.k.stav.Stav, 1);
    EXPECT_EQ(SpustVypocet(p.k), "");
    EXPECT_EQ(p.k.stav.Stav, 1);
    EXPECT_EQ(p.k.model.stations.GetStationByName("B").Y, 0.0);
}

// Runs out of memory the first time the status line shows a text beginning with `kde`.
class DochaziPamet : public test::FakePlatforma {
public:
    void StavovyRadek(const std::string& text) override
    {
        FakePlatforma::StavovyRadek(text);
        if (!kde.empty() && text.rfind(kde, 0) == 0) {
            kde.clear();
            throw std::bad_alloc();
        }
    }
    std::string kde;
};

// Running out of memory inside a phase is caught at its boundary: the user is told, the
// stage falls back, and the phases run again once memory is back.
TEST(NedostatekPameti, FazeSeOhlasiAVratiStav)
{
    const std::tuple<const char*, const char*, int> pripady[] = {
        {"Komprese OBLASTÍ", "Zápisník nelze načíst: nedostatek paměti.", 0},
        {"Separace", "Vektorizaci nelze dokončit: nedostatek paměti.", 1},
        {"Řešení skupiny", "Výpočet nelze dokončit: nedostatek paměti.", 2},
    };
    for (const auto& [kde, zprava, stav] : pripady) {
        DochaziPamet p;
        PametoveNastaveni nastaveni;
        Kontext k(p, nastaveni);
        p.kde = kde;
        for (int beh = 0; beh < 2; ++beh) {
            NactiZapisnik(k, "* A 0 0 0\nA B 10 0 0\nB C 10 90 0\nC A 14.1421356 225 0\n");
            Vectorize(k);
            SpustVypocet(k);
            EXPECT_EQ(k.stav.Stav, beh == 0 ? stav : 3) << kde;
        }
        EXPECT_EQ(p.boxes.at(0).text, zprava);
    }
}

} // namespace
} // namespace lomvira
