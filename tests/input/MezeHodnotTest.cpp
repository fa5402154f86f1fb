// Values no declination, deviation or date can have are errors on their own line, and a
// shot the model refuses is reported with the model's reason.

#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "input/Nacti.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace lomvira {
namespace {

struct Pripad {
    const char* text;
    int chyba;
    const char* radek; // the faulty line; "" with no error
};

TEST(MezeHodnot, DeklinaceOdchylkaADatum)
{
    const Pripad pripady[] = {
        // A value and a date swapped: 20240101° is no declination.
        {"A B 1 2 3\n! DEKLINACE = 20240101, 4.2\nB C 1 2 3\n", ChybaHodnoty, "! DEKLINACE = 20240101, 4.2"},
        {"! DEKLINACE = 4.2, 20241301\n", ChybaDatumu, "! DEKLINACE = 4.2, 20241301"},
        {"! DEKLINACE = 4.2, 20230229\n", ChybaDatumu, "! DEKLINACE = 4.2, 20230229"},
        {"! DEKLINACE = 4.2, 20240229\n", 0, ""},
        {"! DEKLINACE = -360\n! DEKLINACE = 400/G\n! DEKLINACE = 6.28/R\n", 0, ""},
        {"! DEKLINACE = -360.01\n", ChybaHodnoty, "! DEKLINACE = -360.01"},
        {"! DEKLINACE = 400.01/G\n", ChybaHodnoty, "! DEKLINACE = 400.01/G"},
        {"! DEKLINACE = 6.29/R\n", ChybaHodnoty, "! DEKLINACE = 6.29/R"},
        // Deviations in a definition, judged in the compass's unit wherever JED stands.
        {"! KOMPAS = ( K\n! ODCH = 1e20\n! PRE = 1\n)\n", ChybaHodnoty, "! ODCH = 1e20"},
        {"! KOMPAS = ( K\n! ODCH = 390\n! JED = GRADY\n)\n", 0, ""},
        {"! KOMPAS = ( K\n! ODCH = 401\n! JED = GRADY\n)\n", ChybaHodnoty, "! ODCH = 401"},
        {"! KOMPAS = ( K )\n! KOMPAS = ( K\n! ODCH = -361\n)\n", ChybaHodnoty, "! ODCH = -361"},
        // ... and at a selection.
        {"! KOMPAS = ( K )\n! KOMPAS = K, 360\n", 0, ""},
        {"! KOMPAS = ( K )\n! KOMPAS = K, 361\n", ChybaHodnoty, "! KOMPAS = K, 361"},
    };
    test::FakePlatforma p;
    const Volby volby;
    for (const Pripad& c : pripady) {
        Nacti n(p, volby);
        n.Zapisnik(c.text);
        n.Zpracuj();
        EXPECT_EQ(std::tuple(n.Error(), n.ErrorRow()), std::tuple(c.chyba, std::string(c.radek))) << c.text;
    }
}

TEST(MezeHodnot, OdmitnutaZameraHlasiDuvodModelu)
{
    // A length so small that its weight overflows: a value error, not "too many shots".
    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k(p, nastaveni);
    NactiZapisnik(k, "A B 10 0 0\nB C 1e-320 90 0\nC D 1 2 3\n");
    EXPECT_EQ(std::tuple(k.posledniChybaNacteni, k.nacti->ErrorRow(), k.model.shots.ShotCount()),
              std::tuple(ChybaHodnoty, std::string("B C 1e-320 90 0"), 1));
}

} // namespace
} // namespace lomvira
