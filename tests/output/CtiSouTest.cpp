// A coordinate file of the program's own format read back as a source of given points: the
// stations of a computed notebook, written and read again, come back as the same points in
// the same system; files of another kind are refused with the line that is wrong.

#include "app/DataVystupu.h"
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "output/CtiSou.h"
#include "output/SouradnicoveSoubory.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

// The file keeps five decimals.
constexpr double TolerancePolohy = 6e-6;

struct Pripad {
    const char* soustava;
    int typ;
    bool bpv;
};

TEST(CtiSou, StationsOfEverySystemReadBackAsTheSamePoints)
{
    const Pripad pripady[] = {{"", 1, false},
                              {"! SOU_SYS = 60/d, VLASTNI\n", 1, false},
                              {"! SOU_SYS = 33.3/g, L, BPV\n", 1, true},
                              {"! SOU_SYS = JTSK, 1.25/d, BPV\n", 2, true},
                              {"! SOU_SYS = JTSK_XY, -0.5/d\n", 3, false}};
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.soustava);
        FakePlatforma platforma;
        PametoveNastaveni nastaveni;
        Kontext k(platforma, nastaveni);
        NactiZapisnik(k, std::string(p.soustava) + "* A1 740100.25 1040200.5 310.125\n"
                                                   "A1 A2 10.5 45 5\nA2 A3 12.25 120 -3\nA3 A1 17 280 -1\n");
        Vectorize(k);
        ASSERT_EQ(SpustVypocet(k), "");
        std::string chyba;
        const auto zdroj = CtiSou(TextSOU(DataVystupu(k)), "x.sou", chyba);
        ASSERT_TRUE(zdroj) << chyba;
        const SourSystem& s = *k.Soustava();
        EXPECT_EQ(zdroj->typ, p.typ);
        EXPECT_EQ(zdroj->bpv, p.bpv);
        EXPECT_NEAR(zdroj->natoceni, s.Natoceni(), 1e-12);
        EXPECT_TRUE(KompatibilniSoustava(s, *zdroj));
        ASSERT_EQ(zdroj->body.size(), 3u);
        // The computation leaves the stations in the notebook's frame, as given points are.
        for (int i = 1; i <= 3; ++i) {
            const StationRecord st = k.model.stations.GetStation(i);
            const Bod ocekavany{st.Name, st.X, st.Y, st.Z};
            const Bod b = BodZeZdroje(s, *zdroj, zdroj->body[static_cast<std::size_t>(i - 1)]);
            EXPECT_EQ(zdroj->body[static_cast<std::size_t>(i - 1)].Name, "A" + std::to_string(i));
            EXPECT_NEAR(b.X, ocekavany.X, TolerancePolohy);
            EXPECT_NEAR(b.Y, ocekavany.Y, TolerancePolohy);
            EXPECT_NEAR(b.Z, ocekavany.Z, TolerancePolohy);
        }
    }
}

TEST(CtiSou, OtherFilesAreRefusedNamingTheLine)
{
    const std::pair<const char*, const char*> spatne[] = {
        {"", "řádku 0"},
        {"# SOURADNICE\r\n", "chybná hlavička na řádku 1"},
        {"90,vlastni\r\nA1, 1.0, 2.0\r\n", "očekáván bod a tři souřadnice na řádku 2"},
        {"JTSK,0,BPV\r\nA1, 1.0, x, 3\r\n", "chybná souřadnice na řádku 2"},
        {"JTSK,0,1,2,BPV\r\n", "chybná hlavička na řádku 1"},
    };
    for (const auto& [text, duvod] : spatne) {
        std::string chyba;
        EXPECT_FALSE(CtiSou(text, "a.sou", chyba));
        EXPECT_NE(chyba.find(duvod), std::string::npos) << chyba;
    }
    // A decimal comma in the angle of an own system, and S-JTSK against an own notebook.
    std::string chyba;
    const auto z = CtiSou("97,5,vlastni\r\nA1, 1, 2, 3\r\n\r\n", "a.sou", chyba);
    ASSERT_TRUE(z) << chyba;
    EXPECT_NEAR(z->natoceni, 7.5 * PI / 180, 1e-12);
    SourSystem vlastni;
    vlastni.Nastav(0, false, 1, 0, false, 0, 0, {}, 0, 0);
    ZdrojSouradnic jtsk;
    jtsk.typ = 2;
    EXPECT_FALSE(KompatibilniSoustava(vlastni, jtsk));
}

} // namespace
} // namespace lomvira::test
