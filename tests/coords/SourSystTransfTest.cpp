// The transformation between the computation frame, the notebook's frame and the output
// record: the quarter-turn example, the S-JTSK record in both axis orders with its labels,
// and right- and left-handed own systems.
#include "coords/SourSystTransf.h"
#include "common/Cisla.h"

#include <gtest/gtest.h>

#include <string>

namespace lomvira {
namespace {

constexpr double Tol = 1e-9;

void Stejne(double x, double y, double z, double ex, double ey, double ez, const char* co)
{
    EXPECT_NEAR(x, ex, Tol) << co;
    EXPECT_NEAR(y, ey, Tol) << co;
    EXPECT_NEAR(z, ez, Tol) << co;
}

TEST(SourSystTransf, RamceZaznamAPopisky)
{
    struct Pripad {
        int typ; // 1 own, 2 S-JTSK, 3 S-JTSK with X first
        bool levy;
        int poradi;
        double natoceni;
        Bod g;
        Bod k;
        ZBod z;
        std::string popisky;
    };
    const Pripad pripady[] = {
        {1, false, 0, PI / 2, {"A", 1, 0, 5}, {"A", 0, 1, 5}, {"A", 1, 0, 5}, "XYZ"},
        {1, false, 0, -PI / 2, {"A", 1, 0, 5}, {"A", 0, -1, 5}, {"A", 1, 0, 5}, "XYZ"},
        {1, true, 2, 0, {"A", 3, 4, 5}, {"A", 3, 4, 5}, {"A", 3, -4, 5}, "XYZ"},
        {2, true, 0, 0, {"J", -1000, -2000, 300}, {"J", -1000, -2000, 300}, {"J", 1000, 2000, 300}, "YXH"},
        {2, true, 2, 0, {"J", -1000, -2000, 300}, {"J", -1000, -2000, 300}, {"J", 2000, 1000, 300}, "XYH"},
        {3, true, 0, 0, {"J", -1000, -2000, 300}, {"J", -1000, -2000, 300}, {"J", 2000, 1000, 300}, "XYH"},
        {3, true, 1, PI, {"J", -1000, -2000, 300}, {"J", 1000, 2000, 300}, {"J", 1000, 2000, 300}, "YXH"},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.popisky + " " + std::to_string(c.typ) + "/" + std::to_string(c.poradi));
        SourSystem s;
        s.Nastav(c.natoceni, c.levy, c.typ, 1, false, 0, 0, {}, 0, 0);
        SourSystTransf t(s);
        t.Poradi(c.poradi);
        EXPECT_EQ(std::string(t.Lab1()) + t.Lab2() + t.Lab3(), c.popisky);

        t.NastavGBod(c.g);
        Stejne(t.KBod().X, t.KBod().Y, t.KBod().Z, c.k.X, c.k.Y, c.k.Z, "K z G");
        Stejne(t.ZBod().X, t.ZBod().Y, t.ZBod().Z, c.z.X, c.z.Y, c.z.Z, "záznam z G");
        EXPECT_EQ(t.ZBod().Name, c.g.Name);
        const Bod g = t.KartToGeogr(t.GeogrToKart(c.g));
        Stejne(g.X, g.Y, g.Z, c.g.X, c.g.Y, c.g.Z, "G tam a zpět");

        t.NastavZBod(c.z);
        Stejne(t.GBod().X, t.GBod().Y, t.GBod().Z, c.g.X, c.g.Y, c.g.Z, "G ze záznamu");
        t.NastavKBod(c.k);
        Stejne(t.GBod().X, t.GBod().Y, t.GBod().Z, c.g.X, c.g.Y, c.g.Z, "G z K");
    }
}

} // namespace
} // namespace lomvira
