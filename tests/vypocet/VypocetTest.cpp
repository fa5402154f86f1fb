// The whole computation on generated surveys with exact measurements: every station must
// come back at its true position, whatever the rotation mode, coordinate system,
// declination or compass deviation.
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "app/Kontext.h"
#include "coords/KrovakJTSK.h"
#include "coords/SourSystTransf.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "reports/VypisBodu.h"
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

TEST(VypocetPresnychMereni, BezSouradnehoSystemuVratiPravdu)
{
    for (int danych : {1, 2, 5}) {
        const auto g = test::GenerujJeskyni(Jeskyne(400, danych, 3 + danych));
        ASSERT_GT(g.pocetSmycek, 20);
        Prostredi p;
        p.Spocti(g.text);
        PorovnejStanice(p, g, Stejne);
    }
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

// An own system whose X axis points to the given azimuth; right- or left-handed.
ZBod DoVlastniho(const test::BodPravdy& b, double azimutOsyX, bool levotocivy)
{
    // Unit vectors of the system's axes in the computation frame (x east, y north).
    const double a = azimutOsyX / 180.0 * PI;
    const double xe = std::sin(a), xn = std::cos(a);
    const double s = levotocivy ? 1.0 : -1.0; // a left-handed Y lies 90° clockwise of X
    const double ye = s * std::cos(a), yn = -s * std::sin(a);
    return {b.name, b.x * xe + b.y * xn, b.x * ye + b.y * yn, b.z};
}

TEST(VypocetPresnychMereni, VlastniSoustavaVeVsechZpusobechNatoceni)
{
    for (bool levotocivy : {false, true}) {
        for (const char* zpusob : {"ZADNE", "SPOLECNE", "SAMOSTATNE"}) {
            auto v = Jeskyne(250, 3, 17);
            const double osa = 30.0;
            v.hlavicka = std::string("! SOU_SYS = ") + "30/d" + (levotocivy ? ", L" : "") + ", VLASTNI, VIR_VYROV = "
                         + zpusob + "\r\n";
            v.radekDanehoBodu = [&](const test::BodPravdy& b) {
                const ZBod z = DoVlastniho(b, osa, levotocivy);
                return "* " + b.name + " " + FormatCislo(z.X, 7) + " " + FormatCislo(z.Y, 7) + " "
                       + FormatCislo(z.Z, 7) + "\r\n";
            };
            const auto g = test::GenerujJeskyni(v);
            Prostredi p;
            p.Spocti(g.text);
            SCOPED_TRACE(std::string(zpusob) + (levotocivy ? " levotočivá" : " pravotočivá"));
            PorovnejStanice(p, g, [&](const test::BodPravdy& b) { return DoVlastniho(b, osa, levotocivy); });
            for (int r = 1; r <= p.k.model.regions.RegionCount(); ++r)
                EXPECT_NEAR(p.k.model.regions.GetRegionRotation(r), 0.0, 1e-9);
        }
    }
}

TEST(VypocetPresnychMereni, NatoceniSiteSeVratiVeSpravnemZpusobu)
{
    // Every azimuth is read 3° too large: fitted onto its given points the network turns
    // back by 3°, and every station lands where it belongs.
    for (const char* zpusob : {"SPOLECNE", "SAMOSTATNE"}) {
        auto v = Jeskyne(300, 4, 23);
        v.hlavicka = std::string("! SOU_SYS = 90/d, VLASTNI, VIR_VYROV = ") + zpusob + "\r\n";
        v.posunAzimutu = 3.0;
        const auto g = test::GenerujJeskyni(v);
        Prostredi p;
        p.Spocti(g.text);
        SCOPED_TRACE(zpusob);
        PorovnejStanice(p, g, Stejne);
        // The fit stops once its step is below 0.0001°; the step before was about its square.
        EXPECT_NEAR(p.k.model.regions.GetRegionRotation(1), -3.0 / 180.0 * PI, 1e-8);
    }
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
    // The first station is the given point and stays; the second lies 3° off its truth.
    const ZBod prvni = p.Vystup(g.stanice[0].name);
    EXPECT_NEAR(prvni.X, g.stanice[0].x, Presnost);
    const ZBod druha = p.Vystup(g.stanice[1].name);
    EXPECT_GT(std::hypot(druha.X - g.stanice[1].x, druha.Y - g.stanice[1].y), 1e-3);
}

TEST(VypocetPresnychMereni, SJTSKSKonvergenciZPrvnihoDanehoBodu)
{
    // The survey lies in the grid near Y = 745 km, X = 1045 km; the notebook frame is the
    // negated grid and the computation frame is turned by the convergence there.
    const double yJtsk = 745000.0, xJtsk = 1045000.0;
    const auto geo = KrovakInverse(xJtsk, yJtsk);
    ASSERT_TRUE(geo.has_value());
    const double c = MeridianovaKonvergence(geo->lambda, geo->fi);
    SourSystem system;
    system.Nastav(c, true, 2, 2, true, 0, 0, {}, 0, 2);
    const SourSystTransf t(system);
    const Bod k0 = t.GeogrToKart({"", -yJtsk, -xJtsk, 400});

    auto v = Jeskyne(300, 3, 29);
    v.pocatekX = k0.X;
    v.pocatekY = k0.Y;
    v.pocatekZ = k0.Z;
    v.hlavicka = "! SOU_SYS = JTSK, C_PDB, BPV, VIR_VYROV = ZADNE\r\n";
    auto vJtsk = [&](const test::BodPravdy& b) { return t.Vystup(t.KartToGeogr({b.name, b.x, b.y, b.z})); };
    v.radekDanehoBodu = [&](const test::BodPravdy& b) {
        const ZBod z = vJtsk(b);
        return "* " + b.name + " " + FormatCislo(z.X, 7) + " " + FormatCislo(z.Y, 7) + " " + FormatCislo(z.Z, 7)
               + "\r\n";
    };
    const auto g = test::GenerujJeskyni(v);
    Prostredi p;
    p.Spocti(g.text);
    EXPECT_NEAR(p.k.nacti->SourSys().Natoceni(), c, 1e-12);
    PorovnejStanice(p, g, vJtsk);
    // S-JTSK values are positive in the grid: Y first in the usual order.
    const ZBod prvni = p.Vystup(g.stanice[0].name);
    EXPECT_NEAR(prvni.X, yJtsk, Presnost);
    EXPECT_NEAR(prvni.Y, xJtsk, Presnost);
}

TEST(VypocetRizeni, DotazNaNatoceniANeZastaviVypocet)
{
    const auto g = test::GenerujJeskyni(Jeskyne(50, 1, 2));
    Prostredi p;
    p.k.volby.DOTAZY = 1;
    NactiZapisnik(p.k, g.text);
    Vectorize(p.k);
    ASSERT_EQ(p.k.stav.Stav, 2);
    p.platforma.boxes.clear();
    p.platforma.answers = {MsgBox::No};
    EXPECT_NE(SpustVypocet(p.k), "");
    EXPECT_EQ(p.k.stav.Stav, 2);
    EXPECT_FALSE(p.k.stav.JeVypocteno());
    ASSERT_FALSE(p.platforma.boxes.empty());
    EXPECT_EQ(p.platforma.boxes.back().text,
              "Natočení polygonu oblasti 1 ve směru azimutu: 0.000\xC2\xB0\r\nChcete pokračovat ve výpočtu?");
    // Nothing half-computed is shown.
    const auto radky = VypisBodu(p.k.Body(), 0, false, false, FormatCisel{});
    ASSERT_EQ(radky.size(), 50u);
    EXPECT_EQ(radky[1], "B2         ");

    p.platforma.answers = {MsgBox::Yes};
    EXPECT_EQ(SpustVypocet(p.k), "");
    EXPECT_EQ(p.k.stav.Stav, 3);
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

TEST(RotationFit, PresnaDataVratiUhelPoJedineIteraci)
{
    test::FakePlatforma platforma;
    // Computed vectors turned by 0.2 rad against their targets.
    std::vector<DvojiceNatoceni> d;
    for (double az : {0.3, 1.7, 4.0}) {
        const double delka = 10 + az;
        d.push_back({delka, az, delka * std::cos(az + 0.2), delka * std::sin(az + 0.2)});
    }
    EXPECT_NEAR(RotationFit(d, platforma), 0.2, 1e-12);
    EXPECT_TRUE(platforma.boxes.empty());
    EXPECT_EQ(RotationFit({}, platforma), 0.0);
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
