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

TEST(Delkomery, NumbersInOrderOfAdditionAndKeysByNameOrder)
{
    Delkomery d;
    d.Add("PASMO", 0, 0.01, ZpusobSikma, 20240101);
    d.Add("B", 0, 0.02, ZpusobVodorovna, 20240102);
    d.Add("ADAM", 0, 0.03, ZpusobSvisla, 20240103);
    ASSERT_EQ(d.Count(), 3);
    EXPECT_EQ(d.Delkomer(3)->Cislo, 3);
    // k is the k-th added, -k the k-th in name order; 0 and past either end are nothing.
    const std::vector<std::pair<int, std::string>> klice = {{1, "PASMO"}, {-1, "ADAM"}, {-2, "B"}, {-3, "PASMO"},
                                                            {0, ""},      {4, ""},       {-4, ""}};
    for (const auto& [klic, jmeno] : klice)
        EXPECT_EQ(d.Delkomer(klic) ? d.Delkomer(klic)->Jmeno : "", jmeno) << klic;
    EXPECT_EQ(d.Delkomer("B")->Presnost, 0.02);
    EXPECT_EQ(d.Delkomer("PASM"), nullptr);
    EXPECT_FALSE(d.Exist("pasmo")); // names are compared by character code
    // Adding a name again changes nothing.
    EXPECT_EQ(d.Add("B", 0, 0.05, ZpusobSikma, 20250101), d.Delkomer(2));
    EXPECT_EQ(d.Count(), 3);
    EXPECT_EQ(d.Delkomer(2)->Presnost, 0.02);
}

TEST(Delkomery, NameOrderIsByCharacterCodeWithCzechLetters)
{
    Sklonomery s;
    // Ž starts with a byte above every ASCII letter.
    for (const char* jmeno : {"ŽLUTÝ", "ZELENY", "CERNY"})
        s.Add(jmeno, 0, 0.001, 0, 0);
    EXPECT_EQ(s.Sklonomer(-1)->Jmeno + " " + s.Sklonomer(-2)->Jmeno + " " + s.Sklonomer(-3)->Jmeno,
              "CERNY ZELENY ŽLUTÝ");
    EXPECT_TRUE(s.Exist("ŽLUTÝ"));
}

TEST(Delkomery, AddAnonymReusesEqualSettingsAndSkipsTakenNames)
{
    Delkomery d;
    d.Add("#NEZNAMY 1", 0, 0.5, ZpusobSikma, 0);
    Delkomer vzor;
    vzor.Presnost = 0.001;
    vzor.Datum = 20030405;
    auto a = d.AddAnonym(vzor);
    EXPECT_EQ(a->Jmeno, "#NEZNAMY 2");
    EXPECT_TRUE(a->Anonym && a->Pouzit);
    EXPECT_EQ(a->Datum, 20030405);
    EXPECT_EQ(a->Cislo, 2);
    EXPECT_EQ(d.AddAnonym(vzor), a);
    // The named record of accuracy 0.5 is not anonymous, so it is never reused.
    vzor.Presnost = 0.5;
    EXPECT_EQ(d.AddAnonym(vzor)->Jmeno, "#NEZNAMY 3");
    vzor.Presnost = 0.001;
    vzor.Zpusob = ZpusobVodorovna;
    EXPECT_EQ(d.AddAnonym(vzor)->Jmeno, "#NEZNAMY 4");
    EXPECT_EQ(d.Count(), 4);
}

TEST(KompasDef, DeviationsSortedByDateAndTheLastGivenIsCurrent)
{
    Kompasy k;
    auto def = k.Add("K1", JednotkaGrady, 0.01, 0.1, 20240310);
    ASSERT_EQ(def->CountOdch(), 1);
    EXPECT_EQ(def->AktOdchylka()->Odchylka, 0.1);

    auto drivejsi = def->AddOdch(0.2, 20240101);
    EXPECT_EQ(def->AktOdchylka(), drivejsi);
    EXPECT_EQ(def->Odchylky(1), drivejsi);

    // Same date, other value: after the entries of that date.
    auto tentyzDen = def->AddOdch(0.3, 20240310);
    EXPECT_EQ(def->Odchylky(3), tentyzDen);
    EXPECT_EQ(def->Odchylky(2)->Odchylka, 0.1);

    // Same date and value: the existing entry again, now current.
    auto znovu = def->AddOdch(0.1, 20240310);
    EXPECT_EQ(def->CountOdch(), 3);
    EXPECT_EQ(znovu, def->Odchylky(2));
    EXPECT_EQ(def->AktOdchylka(), znovu);
    EXPECT_EQ(def->Odchylky(0), nullptr);
    EXPECT_EQ(def->Odchylky(4), nullptr);
}

TEST(Deklinaces, EntryZeroUntilTheFirstAndEarlierDatesStayInForce)
{
    Deklinaces d;
    EXPECT_EQ(d.Count(), 0);
    EXPECT_EQ(d.AktDekl()->Hodnota, 0.0);
    EXPECT_EQ(d.AktDekl(), d.Deklinace(0));

    auto pozdni = d.Add(0.05, 20200101, JednotkaStupne, 0.0);
    auto drivejsi = d.Add(0.03, 20100101, JednotkaStupne, 0.001);
    EXPECT_EQ(d.AktDekl(), drivejsi);
    EXPECT_EQ(d.Deklinace(1), drivejsi);
    EXPECT_EQ(d.Deklinace(2), pozdni);
    EXPECT_EQ(d.Add(0.05, 20200101, JednotkaGrady, 0.0), pozdni);
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(d.AktDekl(), pozdni);
    EXPECT_EQ(d.Deklinace(3), d.Deklinace(0));
    EXPECT_EQ(d.Deklinace(-1), d.Deklinace(0));
}

class MeridlaStavTest : public ::testing::Test {
protected:
    MeridlaStav stav{[] {
        Volby v;
        v.DK = 0.001;
        v.FK = 0.002;
        v.EK = 0.003;
        return v;
    }()};
};

TEST_F(MeridlaStavTest, AnonymousInstrumentsRegisterOnFirstUseOnly)
{
    EXPECT_EQ(stav.Delkomery().Count(), 0);
    EXPECT_EQ(stav.AktDelkomer()->Presnost, 0.001);
    EXPECT_EQ(stav.AktKompas().Presnost(), 0.002);
    EXPECT_EQ(stav.AktSklonomer()->Presnost, 0.003);
    stav.Pouzij();
    stav.Pouzij();
    for (int pocet : {stav.Delkomery().Count(), stav.Kompasy().Count(), stav.Sklonomery().Count()})
        ASSERT_EQ(pocet, 1);
    EXPECT_EQ(stav.AktDelkomer(), stav.Delkomery().Delkomer("#NEZNAMY 1"));
    EXPECT_EQ(stav.AktSklonomer(), stav.Sklonomery().Sklonomer("#NEZNAMY 1"));
    const KompasDef& k = *stav.Kompasy().KompasDef(1);
    EXPECT_EQ(k.Jmeno, "#NEZNAMY 1");
    EXPECT_EQ(k.Presnost, 0.002);
    ASSERT_EQ(k.CountOdch(), 1);
    EXPECT_TRUE(k.Pouzit && k.Odchylky(1)->Pouzita);
    EXPECT_EQ(k.Odchylky(1)->Odchylka, 0.0);
}

TEST_F(MeridlaStavTest, OldDistanceCommandRegistersASecondAnonymousTape)
{
    stav.Pouzij();
    stav.ZastaralaVzdalenost(ZpusobVodorovna, 20030415);
    EXPECT_FALSE(stav.AktDelkomer()->Pouzit);
    stav.Pouzij();
    ASSERT_EQ(stav.Delkomery().Count(), 2);
    const Delkomer& druhy = *stav.Delkomery().Delkomer(2);
    EXPECT_EQ(druhy.Jmeno, "#NEZNAMY 2");
    EXPECT_EQ(druhy.Zpusob, ZpusobVodorovna);
    EXPECT_EQ(druhy.Datum, 20030415);
    // The first tape kept its slope mode.
    EXPECT_EQ(stav.Delkomery().Delkomer(1)->Zpusob, ZpusobSikma);
    // Back to slope: the first registration serves again; an unknown word keeps the mode.
    stav.ZastaralaVzdalenost(ZpusobSikma, 20030416);
    stav.Pouzij();
    EXPECT_EQ(stav.AktDelkomer()->Jmeno, "#NEZNAMY 1");
    stav.ZastaralaVzdalenost(-1, 20030417);
    stav.Pouzij();
    EXPECT_EQ(stav.AktDelkomer()->Jmeno, "#NEZNAMY 1");
    EXPECT_EQ(stav.Delkomery().Count(), 2);
}

TEST_F(MeridlaStavTest, OldAzimuthUnitAddsAZeroDeviationOfTheDate)
{
    stav.Pouzij();
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 20100301);
    stav.Pouzij();
    ASSERT_EQ(stav.Kompasy().Count(), 2);
    const KompasDef& k = *stav.Kompasy().KompasDef("#NEZNAMY 2");
    EXPECT_EQ(k.Jednotky, JednotkaGrady);
    ASSERT_EQ(k.CountOdch(), 1);
    EXPECT_EQ(k.Odchylky(1)->Datum, 20100301);
    EXPECT_TRUE(k.Odchylky(1)->Pouzita);
    // The same unit again on the same date: nothing new anywhere.
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 20100301);
    stav.Pouzij();
    EXPECT_EQ(stav.Kompasy().Count(), 2);
    EXPECT_EQ(k.CountOdch(), 1);
    EXPECT_EQ(stav.AktKompas().Definice().get(), &k);
}

TEST_F(MeridlaStavTest, OldAccuraciesAreConvertedAndLimited)
{
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 0);
    stav.ZastaralePresnosti(-0.5, 1.0, "", 2.0, "", 20200202);
    EXPECT_DOUBLE_EQ(stav.AktDelkomer()->Presnost, 0.005);
    EXPECT_NEAR(stav.AktKompas().Presnost(), PI / 200.0, Tol); // the compass's grads
    EXPECT_NEAR(stav.AktSklonomer()->Presnost, 2.0 * PI / 180.0, Tol);
    EXPECT_EQ(stav.AktSklonomer()->Datum, 20200202);

    stav.ZastaralePresnosti(50.0, 0.0, "", 1.0, "R", 0);
    EXPECT_EQ(stav.AktDelkomer()->Presnost, MaxPresnostDelky);
    EXPECT_EQ(stav.AktKompas().Presnost(), MinPresnostUhlu);
    EXPECT_EQ(stav.AktSklonomer()->Presnost, MaxPresnostUhlu);
    stav.ZastaralePresnosti(0.0, 1.0, "G", 0.0, "D", 0);
    EXPECT_EQ(stav.AktDelkomer()->Presnost, MinPresnostDelky);
    EXPECT_NEAR(stav.AktKompas().Presnost(), PI / 200.0, Tol);
}

TEST_F(MeridlaStavTest, DeclinationUnitDateAndIncrement)
{
    stav.ZastaralaJednotkaAzimutu(JednotkaGrady, 0);
    auto d = stav.PridejDeklinaci(2.0, "", std::nullopt, 0.1, "", 20050505);
    EXPECT_EQ(d->Jednotky, JednotkaGrady);
    EXPECT_NEAR(d->Hodnota, PI / 100.0, Tol);
    EXPECT_NEAR(d->RocniPrirustek, 0.1 * PI / 200.0, Tol);
    EXPECT_EQ(d->Datum, 20050505);

    auto starsi = stav.PridejDeklinaci(3.0, "DEG", 19990101, 0.0, "", 20050505);
    EXPECT_EQ(stav.AktDeklinace(), starsi);
    EXPECT_EQ(starsi->Jednotky, JednotkaStupne);
    EXPECT_NEAR(starsi->Hodnota, 3.0 * PI / 180.0, Tol);
    EXPECT_EQ(stav.Deklinace().Deklinace(1), starsi);
    EXPECT_EQ(stav.Deklinace().Deklinace(2)->Datum, 20050505);
}

// Definition blocks as the lexer hands them over: the text between the brackets, lines
// joined by CR LF, comments still in.
class DefiniceTest : public ::testing::Test {
protected:
    int Definuj(int druh, const std::string& blok, std::int32_t datum = 20240315)
    {
        return stav.Definice(druh, blok, datum, [this](const std::string& text, int style, const std::string&, int) {
            boxes.push_back(text);
            return MsgBox::DefaultAnswer(style);
        });
    }
    MeridlaStav stav{Volby{}};
    std::vector<std::string> boxes;
};

TEST_F(DefiniceTest, TapeAccuracyInPercentIsLimited)
{
    // Block, name, accuracy, whether exact: a limit is, a converted percentage is compared as a double.
    const std::vector<std::tuple<const char*, const char*, double, bool>> pripady = {
        {" A # velmi přesné\r\n! PRESNOST = 0.005\r\n  ", "A", 0.0001, true}, {"B\r\n!PRE=50", "B", 0.2, true},
        {"C\r\n!PRE=-1", "C", 0.01, false}, {"D", "D", 0.0001, true}, {"E\r\n!PRE=0.25", "E", 0.0025, false},
    };
    const Delkomery& d = stav.Delkomery();
    for (const auto& [blok, jmeno, presnost, presne] : pripady) {
        SCOPED_TRACE(blok);
        ASSERT_EQ(Definuj(DruhMeridla::Delkomer, blok), 0);
        if (presne)
            EXPECT_EQ(d.Delkomer(jmeno)->Presnost, presnost);
        else
            EXPECT_DOUBLE_EQ(d.Delkomer(jmeno)->Presnost, presnost);
    }
    EXPECT_EQ(d.Delkomer("E")->Datum, 20240315);
    EXPECT_FALSE(d.Delkomer("E")->Pouzit || d.Delkomer("E")->Anonym);
}

TEST_F(DefiniceTest, PropertiesInAnyOrderWithCommentsAndBlankLines)
{
    const std::string blok = " PASMO 30 m # hlavní (nové) pásmo\r\n"
                             "\r\n"
                             "# ZPUSOB = SIKMA\r\n"
                             "!  ZPUSOB = HLOUBKA # svisle\r\n"
                             "   !PRESNOST=1.5\r\n"
                             "!  JEDNOTKY = CM\r\n"
                             "  ";
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, blok), 0);
    const auto p = stav.Delkomery().Delkomer("PASMO");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(stav.Delkomery().Count(), 1);
    EXPECT_EQ(p->Zpusob, ZpusobSvisla);
    EXPECT_DOUBLE_EQ(p->Presnost, 0.015);

    ASSERT_EQ(Definuj(DruhMeridla::Sklonomer, "S\n!ZPU=Z\n!JED=RAD\n!PRE=0.9"), 0);
    const auto s = stav.Sklonomery().Sklonomer("S");
    EXPECT_EQ(s->Zpusob, ZpusobOdZenitu);
    EXPECT_EQ(s->Jednotky, JednotkaRadiany);
    EXPECT_EQ(s->Presnost, 0.78);

    // An unknown mode word means slope; a one-character block is a name like any other.
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, "X\r\n!ZPU=NEVIM"), 0);
    EXPECT_EQ(stav.Delkomery().Delkomer("X")->Zpusob, ZpusobSikma);
    ASSERT_EQ(Definuj(DruhMeridla::Sklonomer, "Q"), 0);
    EXPECT_EQ(stav.Sklonomery().Sklonomer("Q")->Presnost, MinPresnostUhlu);
    // An unknown unit word means degrees, never an invalid unit code.
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "U\r\n!JED=MILS"), 0);
    EXPECT_EQ(stav.Kompasy().KompasDef("U")->Jednotky, JednotkaStupne);
}

TEST_F(DefiniceTest, CompassUnitAppliesToAccuracyAndDeviationWhereverItStands)
{
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "KG\r\n! ODCH = 2\r\n! PRE = 1\r\n! JED = GRADY"), 0);
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "KD\r\n! KOMP_ZAM = cokoli"), 0);
    const auto kg = stav.Kompasy().KompasDef("KG");
    EXPECT_EQ(kg->Jednotky, JednotkaGrady);
    EXPECT_NEAR(kg->Presnost, PI / 200.0, Tol);
    ASSERT_EQ(kg->CountOdch(), 1);
    EXPECT_NEAR(kg->AktOdchylka()->Odchylka, PI / 100.0, Tol);
    EXPECT_EQ(kg->AktOdchylka()->Datum, 20240315);
    const auto kd = stav.Kompasy().KompasDef("KD");
    EXPECT_EQ(kd->Jednotky, JednotkaStupne);
    EXPECT_EQ(kd->Presnost, 0.00017);
    EXPECT_EQ(kd->AktOdchylka()->Odchylka, 0.0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DefiniceTest, Errors)
{
    const int D = DruhMeridla::Delkomer, K = DruhMeridla::Kompas, S = DruhMeridla::Sklonomer;
    const std::vector<std::tuple<int, const char*, int>> pripady = {
        {D, "", 51}, {D, "  \r\n# jen komentář\r\n ", 51}, {D, "!PRE=1", 51}, {K, ", K", 51},
        {D, "P\r\nPRE = 1", 43}, {D, "P\r\n! BARVA = MODRA", 43}, {D, "P\r\n! ODCH = 1", 43}, {S, "P\r\n! = 1", 43},
        {D, "P\r\n! PRE 1", 2}, {K, "P\r\n! PRE\r\n", 2},
        // A number no double holds is refused, not read as 0.
        {D, "P\r\n! PRE = 1e999", ChybaHodnoty}, {K, "K\r\n! ODCH = 1e999", ChybaHodnoty},
        // None of the faulty blocks left a P behind; a second P of the same kind is refused.
        {D, "P", 0}, {D, "P\r\n!PRE=2", 53}, {S, "P", 0}, {S, "P", 53},
    };
    for (const auto& [druh, blok, chyba] : pripady)
        EXPECT_EQ(Definuj(druh, blok), chyba) << blok;
    EXPECT_EQ(stav.Vyber(DruhMeridla::Delkomer, "", std::nullopt, 0), 51);
    EXPECT_EQ(stav.Vyber(DruhMeridla::Kompas, "P", 1.0, 0), 52);
    // Nor any other instrument.
    EXPECT_EQ((std::vector<int>{stav.Delkomery().Count(), stav.Kompasy().Count(), stav.Sklonomery().Count()}),
              (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(stav.Delkomery().Delkomer("P")->Presnost, 0.0001);
}

TEST_F(DefiniceTest, RepeatedCompassOnlyAddsADeviationAfterAWarning)
{
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=G\r\n!ODCH=1", 20200101), 0);
    EXPECT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!PRE=1"), 43);
    EXPECT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=D"), 43);
    EXPECT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!KOMP_ZAM=X"), 0);
    EXPECT_TRUE(boxes.empty());

    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K # znovu\r\n!  ODCH = 3 # nová\r\n", 20190101), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Zastaraly zpusob zadani odchylky kompasu.\r\n"
                        "!  ODCH = 3 \r\n"
                        "Lepe je zadat odchylku pri vyberu kompasu prikazem:\r\n"
                        "! KOMPAS = jmeno_kompasu, odchylka");
    const auto k = stav.Kompasy().KompasDef("K");
    EXPECT_EQ(stav.Kompasy().Count(), 1);
    ASSERT_EQ(k->CountOdch(), 2);
    // In the compass's grads, dated by the repeat, and sorted before the first.
    EXPECT_NEAR(k->Odchylky(1)->Odchylka, 3.0 * PI / 200.0, Tol);
    EXPECT_EQ(k->Odchylky(1)->Datum, 20190101);
    EXPECT_EQ(k->AktOdchylka(), k->Odchylky(1));
    EXPECT_EQ(k->Datum, 20200101);
}

TEST_F(DefiniceTest, SelectionOfACompassWithADeviation)
{
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=GRADY\r\n!PRE=1"), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", 3.0, 20240401), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", 3.0, 20240401), 0);
    const auto k = stav.Kompasy().KompasDef("K");
    ASSERT_EQ(k->CountOdch(), 2);
    EXPECT_EQ(stav.AktKompas().Definice(), k);
    EXPECT_NEAR(stav.AktKompas().HodnotaOdchylky(), 3.0 * PI / 200.0, Tol);
    EXPECT_EQ(stav.AktKompas().Odchylka(), k->Odchylky(2));

    stav.Pouzij();
    EXPECT_TRUE(k->Pouzit && k->Odchylky(2)->Pouzita);
    EXPECT_FALSE(k->Odchylky(1)->Pouzita);
    EXPECT_EQ(stav.Kompasy().Count(), 1); // no anonymous compass was needed

    // Without a number the current entry stays in force.
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", std::nullopt, 20250101), 0);
    EXPECT_EQ(stav.AktKompas().Odchylka(), k->Odchylky(2));
    EXPECT_EQ(k->CountOdch(), 2);
}

TEST_F(DefiniceTest, OldCommandsStartFromTheSelectedInstrument)
{
    ASSERT_EQ(Definuj(DruhMeridla::Delkomer, "P\r\n!PRE=0.5"), 0);
    ASSERT_EQ(Definuj(DruhMeridla::Kompas, "K\r\n!JED=GRADY\r\n!PRE=1"), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Delkomer, "P", std::nullopt, 0), 0);
    ASSERT_EQ(stav.Vyber(DruhMeridla::Kompas, "K", std::nullopt, 0), 0);
    stav.ZastaralaVzdalenost(ZpusobVodorovna, 20240501);
    stav.ZastaralePresnosti(0.5, 2.0, "", 1.0, "", 20240501);
    stav.Pouzij();

    const auto p = stav.Delkomery().Delkomer("P");
    EXPECT_EQ(p->Zpusob, ZpusobSikma); // the named tape itself is untouched
    EXPECT_FALSE(p->Pouzit);
    const auto a = stav.Delkomery().Delkomer("#NEZNAMY 1");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(stav.AktDelkomer(), a);
    EXPECT_EQ(a->Zpusob, ZpusobVodorovna);
    EXPECT_DOUBLE_EQ(a->Presnost, 0.005);

    // The compass accuracy without letters is in the selected compass's grads.
    const auto ka = stav.Kompasy().KompasDef("#NEZNAMY 1");
    ASSERT_NE(ka, nullptr);
    EXPECT_EQ(ka->Jednotky, JednotkaGrady);
    EXPECT_NEAR(ka->Presnost, 2.0 * PI / 200.0, Tol);
    EXPECT_NEAR(stav.Kompasy().KompasDef("K")->Presnost, PI / 200.0, Tol);
}

} // namespace
} // namespace lomvira
