// Instruments, deviations, declinations and the instrument state a notebook parse holds.

#include "common/Cisla.h"
#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "input/Chybovnik.h"
#include "input/MeridlaStav.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-12;

TEST(Delkomery, AddingANameAgainChangesNothingAndAnonymousOnesSkipTakenNames)
{
    Delkomery d;
    d.Add("PASMO", 0, 0.01, ZpusobSikma, 20240101);
    d.Add("#NEZNAMY 1", 0, 0.5, ZpusobVodorovna, 0);
    EXPECT_EQ(d.Add("PASMO", 0, 0.05, ZpusobSikma, 20250101), d.Delkomer(1));
    EXPECT_EQ(std::tuple(d.Count(), d.Delkomer(1)->Presnost, d.Exist("pasmo"), d.Delkomer(3)), std::tuple(2, 0.01, false, nullptr));
    // A named record is never reused for equal settings.
    Delkomer vzor;
    vzor.Zpusob = ZpusobVodorovna;
    vzor.Presnost = 0.5;
    auto a = d.AddAnonym(vzor);
    EXPECT_EQ(std::tuple(a->Jmeno, a->Anonym, a->Cislo), std::tuple("#NEZNAMY 2", true, 3));
    EXPECT_EQ(d.AddAnonym(vzor), a);
}

class MeridlaStavTest : public ::testing::Test {
protected:
    int Definuj(int druh, const std::string& blok, std::int32_t datum = 20240315)
    {
        return stav.Definice(druh, blok, datum, [this](const std::string& text, int style, const std::string&, int) {
            boxes.push_back(text);
            return MsgBox::DefaultAnswer(style);
        });
    }
    MeridlaStav stav{[] {
        Volby v;
        v.DK = 0.001;
        v.FK = 0.002;
        v.EK = 0.003;
        return v;
    }()};
    std::vector<std::string> boxes;
};

TEST_F(MeridlaStavTest, OldCommandsRegisterFurtherAnonymousInstrumentsOnFirstUse)
{
    EXPECT_EQ(stav.Delkomery().Count(), 0);
    stav.Pouzij();
    stav.Pouzij();
    EXPECT_EQ(std::tuple(stav.Delkomery().Count(), stav.Kompasy().Count(), stav.Sklonomery().Count()),
              std::tuple(1, 1, 1));
    stav.ZastaralaVzdalenost(ZpusobVodorovna, 20030415);
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 20100301);
    stav.Pouzij();
    const Delkomer& druhy = *stav.Delkomery().Delkomer(2);
    EXPECT_EQ(std::tuple(druhy.Jmeno, druhy.Zpusob, druhy.Datum), std::tuple("#NEZNAMY 2", ZpusobVodorovna, 20030415));
    EXPECT_EQ(stav.Delkomery().Delkomer(1)->Zpusob, ZpusobSikma);
    const KompasDef& k = *stav.Kompasy().KompasDef("#NEZNAMY 2");
    EXPECT_EQ(std::tuple(k.Jednotky, k.CountOdch(), k.Odchylky(1)->Datum), std::tuple(JednotkaGrady, 1, 20100301));
    // Back to slope: the first registration serves again; the same unit again adds nothing.
    stav.ZastaralaVzdalenost(ZpusobSikma, 20030416);
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 20100301);
    stav.Pouzij();
    EXPECT_EQ(stav.AktDelkomer()->Jmeno, "#NEZNAMY 1");
    EXPECT_EQ(std::tuple(stav.Delkomery().Count(), stav.Kompasy().Count(), k.CountOdch()), std::tuple(2, 2, 1));
}

TEST_F(MeridlaStavTest, OldAccuraciesAndDeclinationsAreConvertedAndLimited)
{
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 0);
    stav.ZastaralePresnosti(-0.5, 1.0, "", 2.0, "", 20200202);
    EXPECT_DOUBLE_EQ(stav.AktDelkomer()->Presnost, 0.005);
    EXPECT_NEAR(stav.AktKompas().Presnost(), PI / 200.0, Tol); // the compass's grads
    EXPECT_NEAR(stav.AktSklonomer()->Presnost, 2.0 * PI / 180.0, Tol);
    stav.ZastaralePresnosti(50.0, 0.0, "", 1.0, "R", 0);
    EXPECT_EQ(std::tuple(stav.AktDelkomer()->Presnost, stav.AktKompas().Presnost(), stav.AktSklonomer()->Presnost),
              std::tuple(MaxPresnostDelky, MinPresnostUhlu, MaxPresnostUhlu));

    auto d = stav.PridejDeklinaci(2.0, "", std::nullopt, 0.1, "", 20050505);
    EXPECT_EQ(std::pair(d->Jednotky, d->Datum), std::pair(JednotkaGrady, 20050505));
    EXPECT_NEAR(d->Hodnota, PI / 100.0, Tol);
    EXPECT_NEAR(d->RocniPrirustek, 0.1 * PI / 200.0, Tol);
    auto starsi = stav.PridejDeklinaci(3.0, "DEG", 19990101, 0.0, "", 20050505);
    EXPECT_EQ(stav.AktDeklinace(), starsi);
    EXPECT_NEAR(starsi->Hodnota, 3.0 * PI / 180.0, Tol);
}

// Definition blocks as the lexer hands them over: the text between the brackets, lines
// joined by CR LF, comments still in.
TEST_F(MeridlaStavTest, DefinitionBlocks)
{
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, " PASMO 30 m # hlavní (nové) pásmo\r\n\r\n# ZPUSOB = SIKMA\r\n"
                                             "!  ZPUSOB = HLOUBKA # svisle\r\n   !PRESNOST=1.5\r\n!  JEDNOTKY = CM\r\n  "),
              0);
    const auto p = stav.Delkomery().Delkomer("PASMO");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::tuple(p->Zpusob, p->Datum, p->Pouzit), std::tuple(ZpusobSvisla, 20240315, false));
    EXPECT_DOUBLE_EQ(p->Presnost, 0.015);
    // Tape accuracies in percent are limited, as the old command's are.
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, "B\r\n!PRE=50"), 0);
    EXPECT_EQ(stav.Delkomery().Delkomer("B")->Presnost, MaxPresnostDelky);
    ASSERT_EQ(Definuj(DruhMeridla::Sklonomer, "S\n!ZPU=Z\n!JED=RAD\n!PRE=0.9"), 0);
    const auto s = stav.Sklonomery().Sklonomer("S");
    EXPECT_EQ(std::tuple(s->Zpusob, s->Jednotky, s->Presnost), std::tuple(ZpusobOdZenitu, JednotkaRadiany, 0.78));
    // An unknown mode word means slope, an unknown unit word degrees.
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, "X\r\n!ZPU=NEVIM"), 0);
    EXPECT_EQ(stav.Delkomery().Delkomer("X")->Zpusob, ZpusobSikma);
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "U\r\n!JED=MILS"), 0);
    EXPECT_EQ(stav.Kompasy().KompasDef("U")->Jednotky, JednotkaStupne);
    // The compass's unit applies to the accuracy and deviation wherever it stands.
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "KG\r\n! ODCH = 2\r\n! PRE = 1\r\n! JED = GRADY"), 0);
    const auto kg = stav.Kompasy().KompasDef("KG");
    EXPECT_NEAR(kg->Presnost, PI / 200.0, Tol);
    EXPECT_NEAR(kg->AktOdchylka()->Odchylka, PI / 100.0, Tol);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MeridlaStavTest, DefinitionErrors)
{
    const int D = DruhMeridla::Delkomer, K = DruhMeridla::Kompas, S = DruhMeridla::Sklonomer;
    const std::tuple<int, const char*, int> pripady[] = {
        {D, "  \r\n# jen komentář\r\n ", 51}, {D, "!PRE=1", 51}, {K, ", K", 51}, {D, "P\r\n! BARVA = MODRA", 43},
        {D, "P\r\n! ODCH = 1", 43}, {S, "P\r\n! = 1", 43}, {K, "P\r\n! PRE\r\n", 2},
        // A number no double holds is refused, not read as 0.
        {D, "P\r\n! PRE = 1e999", ChybaHodnoty}, {K, "K\r\n! ODCH = 1e999", ChybaHodnoty},
        // None of the faulty blocks left a P behind; a second P of the same kind is refused.
        {D, "P", 0}, {D, "P\r\n!PRE=2", 53}, {S, "P", 0}, {S, "P", 53},
    };
    for (const auto& [druh, blok, chyba] : pripady)
        EXPECT_EQ(Definuj(druh, blok), chyba) << blok;
    EXPECT_EQ(stav.Vyber(DruhMeridla::Delkomer, "", std::nullopt, 0), 51);
    EXPECT_EQ(stav.Vyber(DruhMeridla::Kompas, "P", 1.0, 0), 52);
    EXPECT_EQ(std::tuple(stav.Delkomery().Count(), stav.Kompasy().Count(), stav.Sklonomery().Count()),
              std::tuple(1, 0, 1));
}

TEST_F(MeridlaStavTest, RepeatedCompassOnlyAddsADeviationAfterAWarning)
{
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=G\r\n!ODCH=1", 20200101), 0);
    EXPECT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!PRE=1"), 43);
    EXPECT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!KOMP_ZAM=X"), 0);
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K # znovu\r\n!  ODCH = 3 # nová\r\n", 20190101), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"Zastaraly zpusob zadani odchylky kompasu.\r\n!  ODCH = 3 \r\n"
                                              "Lepe je zadat odchylku pri vyberu kompasu prikazem:\r\n"
                                              "! KOMPAS = jmeno_kompasu, odchylka"});
    // In the compass's grads, dated by the repeat, and sorted before the first.
    const auto k = stav.Kompasy().KompasDef("K");
    ASSERT_EQ(k->CountOdch(), 2);
    EXPECT_NEAR(k->Odchylky(1)->Odchylka, 3.0 * PI / 200.0, Tol);
    EXPECT_EQ(std::tuple(k->Odchylky(1)->Datum, k->AktOdchylka(), k->Datum),
              std::tuple(20190101, k->Odchylky(1), 20200101));
}

TEST_F(MeridlaStavTest, SelectionsAndOldCommandsAfterThem)
{
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, "P\r\n!PRE=0.5"), 0);
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=GRADY\r\n!PRE=1"), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Delkomer, "P", std::nullopt, 0), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", 3.0, 20240401), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", 3.0, 20240401), 0);
    const auto k = stav.Kompasy().KompasDef("K");
    ASSERT_EQ(k->CountOdch(), 2);
    EXPECT_NEAR(stav.AktKompas().HodnotaOdchylky(), 3.0 * PI / 200.0, Tol);
    stav.Pouzij();
    EXPECT_TRUE(k->Pouzit && k->Odchylky(2)->Pouzita && !k->Odchylky(1)->Pouzita);
    // Without a number the current entry stays in force.
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", std::nullopt, 20250101), 0);
    EXPECT_EQ(stav.AktKompas().Odchylka(), k->Odchylky(2));

    // Old commands start from the selected instruments and leave them untouched.
    stav.ZastaralaVzdalenost(ZpusobVodorovna, 20240501);
    stav.ZastaralePresnosti(0.5, 2.0, "", 1.0, "", 20240501);
    stav.Pouzij();
    EXPECT_EQ(stav.Delkomery().Delkomer("P")->Zpusob, ZpusobSikma);
    const auto a = stav.Delkomery().Delkomer("#NEZNAMY 1");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(std::pair(stav.AktDelkomer(), a->Zpusob), std::pair(a, ZpusobVodorovna));
    EXPECT_DOUBLE_EQ(a->Presnost, 0.005);
    const auto ka = stav.Kompasy().KompasDef("#NEZNAMY 1");
    ASSERT_NE(ka, nullptr);
    EXPECT_NEAR(ka->Presnost, 2.0 * PI / 200.0, Tol); // the selected compass's grads
}

} // namespace
} // namespace lomvira
