// Running out of memory inside a phase is caught at the phase's boundary: the user is told,
// the stage falls back, and the phase can run again.
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace lomvira {
namespace {

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

TEST(NedostatekPameti, FazeSeOhlasiAVratiStav)
{
    struct Pripad {
        const char* kde;     // a status text of the phase
        const char* zprava;  // what the user is told
        int stav;            // the stage afterwards
    };
    const Pripad pripady[] = {
        {"Komprese OBLASTÍ", "Zápisník nelze načíst: nedostatek paměti.", 0},
        {"Separace", "Vektorizaci nelze dokončit: nedostatek paměti.", 1},
        {"Řešení skupiny", "Výpočet nelze dokončit: nedostatek paměti.", 2},
    };
    const std::string zapisnik = "* A 0 0 0\nA B 10 0 0\nB C 10 90 0\nC A 14.1421356 225 0\n";
    for (const Pripad& c : pripady) {
        DochaziPamet p;
        PametoveNastaveni nastaveni;
        Kontext k(p, nastaveni);
        p.kde = c.kde;
        NactiZapisnik(k, zapisnik);
        Vectorize(k);
        SpustVypocet(k);
        ASSERT_FALSE(p.boxes.empty()) << c.kde;
        EXPECT_EQ(p.boxes.back().text, c.zprava);
        EXPECT_EQ(k.stav.Stav, c.stav) << c.kde;
        EXPECT_FALSE(k.stav.Zaneprazdneno());
        // Memory is back: the phases run again to the end.
        NactiZapisnik(k, zapisnik);
        Vectorize(k);
        EXPECT_EQ(SpustVypocet(k), "") << c.kde;
        EXPECT_EQ(k.stav.Stav, 3) << c.kde;
    }
}

} // namespace
} // namespace lomvira
