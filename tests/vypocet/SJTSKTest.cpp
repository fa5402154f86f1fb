// A survey computed in S-JTSK against values worked out without the program's own
// conversions. The meridian convergence at the given point (Y = 745000, X = 1045000) is
// taken from an independent implementation of the Krovak projection (PROJ 9.1,
// "+proj=krovak +ellps=bessel": -7.85271110° in its convention, so true north lies
// 7.8527111° clockwise of the grid's north); the shots are carried by hand: with X to the
// south and Y to the west, a shot of horizontal length h and true azimuth a moves the point
// by dX = -h cos(a + c), dY = -h sin(a + c).
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "coords/SourSystTransf.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace lomvira {
namespace {

TEST(VypocetSJTSK, SouradniceOdvozeneNezavisle)
{
    const struct {
        const char* system;
        const char* bodP;
        bool xPrvni;
        double konvergence; // degrees
    } pripady[] = {
        {"JTSK, C_PDB", "745000 1045000 400", false, 7.8527111},
        {"JTSK_XY, C_PDB", "1045000 745000 400", true, 7.8527111},
        {"JTSK, 10/g", "745000 1045000 400", false, 9.0},
    };
    // Shots from the given point P: from, to, slope length, azimuth, inclination (degrees).
    const struct {
        const char *od, *kam;
        double delka, azimut, sklon;
    } zamery[] = {{"P", "A", 100, 0, 0}, {"A", "B", 50, 90, -30}, {"P", "C", 80, 225, 10}, {"C", "D", 30, 300, 5}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.system);
        std::string text = std::string("! SOU_SYS = ") + c.system + ", BPV, VIR_VYROV = ZADNE\r\n* P " + c.bodP + "\r\n";
        struct Jtsk {
            double x, y, h;
        };
        std::map<std::string, Jtsk> ocekavane{{"P", {1045000, 745000, 400}}};
        const double k = c.konvergence / 180.0 * PI;
        for (const auto& z : zamery) {
            text += std::string(z.od) + " " + z.kam + " " + FormatCislo(z.delka, 3) + " " + FormatCislo(z.azimut, 3)
                    + " " + FormatCislo(z.sklon, 3) + "\r\n";
            const double a = z.azimut / 180.0 * PI, i = z.sklon / 180.0 * PI, h = z.delka * std::cos(i);
            const Jtsk& p = ocekavane[z.od];
            ocekavane[z.kam] = {p.x - h * std::cos(a + k), p.y - h * std::sin(a + k), p.h + z.delka * std::sin(i)};
        }
        test::FakePlatforma platforma;
        PametoveNastaveni nastaveni;
        Kontext kontext{platforma, nastaveni};
        NactiZapisnik(kontext, text);
        Vectorize(kontext);
        ASSERT_EQ(SpustVypocet(kontext), "");
        // The convergence from forward differences of the projection agrees to 0.1".
        EXPECT_NEAR(kontext.nacti->SourSys().Natoceni(), k, 5e-7);
        const SourSystTransf t(kontext.nacti->SourSys());
        for (const auto& [jmeno, e] : ocekavane) {
            const StationRecord s = kontext.model.stations.GetStationByName(jmeno);
            const ZBod z = t.Vystup({s.Name, s.X, s.Y, s.Z});
            EXPECT_NEAR(z.X, c.xPrvni ? e.x : e.y, 1e-4) << jmeno;
            EXPECT_NEAR(z.Y, c.xPrvni ? e.y : e.x, 1e-4) << jmeno;
            EXPECT_NEAR(z.Z, e.h, 1e-4) << jmeno;
        }
    }
}

} // namespace
} // namespace lomvira
