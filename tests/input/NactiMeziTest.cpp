// Numbers at the edge of what a command takes: a declination's written date and the
// accuracies of the old VYP_POM command.
#include "input/Chybovnik.h"
#include "input/Nacti.h"
#include "common/Nastaveni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(NactiMeze, DatumDeklinaceAPresnostiVypPom)
{
    struct Pripad {
        const char* radek;
        int chyba;
        std::int32_t datumDeklinace; // of the last entry, when the line is read
    };
    const Pripad pripady[] = {
        {"! DEKLINACE = 2", 0, 20200101}, // no date written: the notebook's date
        {"! DEKLINACE = 2, 20240315", 0, 20240315},
        {"! DEKLINACE = 2, 0", 0, 0}, // a date of 0 or below is unknown
        {"! DEKLINACE = 2, -20240315", 0, 0},
        {"! DEKLINACE = 2, 3000000000", ChybaHodnoty, 0},
        {"! VYP_POM = 1e999, 1, 1", ChybaHodnoty, 0},
        {"! VYP_POM = 1, 1e999/g, 1", ChybaHodnoty, 0},
        {"! VYP_POM = 1, 1, -1e999", ChybaHodnoty, 0},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.radek);
        test::FakePlatforma p;
        Volby volby;
        Nacti n(p, volby);
        n.Zapisnik(std::string("! DATUM = 20200101\r\n") + c.radek + "\r\nA B 10 20 0\r\n");
        n.Interaktivni = false;
        n.Zpracuj();
        EXPECT_EQ(n.Error(), c.chyba);
        if (c.chyba != 0) {
            EXPECT_EQ(n.ErrorRow(), c.radek);
            EXPECT_EQ(n.MereniCount(), 0);
        } else {
            EXPECT_EQ(n.Meridla().Deklinace().AktDekl()->Datum, c.datumDeklinace);
        }
    }
}

} // namespace
} // namespace lomvira
