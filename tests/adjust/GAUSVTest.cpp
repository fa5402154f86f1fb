#include "adjust/GAUSV.h"
#include "common/Cisla.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace lomvira;

namespace {

constexpr double Stupen = PI / 180.0;
constexpr double Presne = 1e-12;
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Nekonecno = std::numeric_limits<double>::infinity();

FixedNodes Pevny(int uzel, double x, double y, double z)
{
    FixedNodes f;
    f.Add(uzel, x, y, z);
    return f;
}

} // namespace

TEST(ShotAxisWeights, CombineTheThreeAccuraciesPerAxisAsDerivedByHand)
{
    // Level shot along X: sX is the length error, sY the azimuth error, sZ the inclination error.
    VahyOs w = ShotAxisWeights(10.0, 0.0, 0.0, 0.01, 0.02, 0.04);
    EXPECT_NEAR(w.wX, 10.0, Presne);
    EXPECT_NEAR(w.wY, 5.0, Presne);
    EXPECT_NEAR(w.wZ, 2.5, Presne);
    // Vertical shot: the length error goes to Z, the inclination error to X.
    w = ShotAxisWeights(10.0, 0.0, 90 * Stupen, 0.01, 0.02, 0.04);
    EXPECT_NEAR(w.wX, 2.5, Presne);
    EXPECT_NEAR(w.wY, 5.0, Presne);
    EXPECT_NEAR(w.wZ, 10.0, Presne);
    // Az 30°, Inc 60°: horizontal variance 0.02²·¼ + 0.04²·¾ = 0.0013;
    // sX² = 0.0013·¾ + 0.03²·¼ = 0.0012, sY² = 0.0013·¼ + 0.03²·¾ = 0.001,
    // sZ² = 0.02²·¾ + 0.04²·¼ = 0.0007.
    w = ShotAxisWeights(5.0, 30 * Stupen, 60 * Stupen, 0.02, 0.03, 0.04);
    EXPECT_NEAR(w.wX, 10.0 / std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(w.wY, 2.0 * std::sqrt(10.0), 1e-9);
    EXPECT_NEAR(w.wZ, 1.0 / (5.0 * std::sqrt(0.0007)), 1e-9);
}

TEST(NormalSystem, InvalidShotsAddNothingAndTheSolutionReportsTheFirstOfThem)
{
    NormalSystem s;
    ASSERT_TRUE(s.AddShotEquations(1, 2, 10.0, 0.3, 0.1, 0.01, 0.01, 0.01));
    const struct {
        int a, b;
        double L, Az, Inc, vL, vA, vI;
        ChybaReseni chyba;
    } spatne[] = {
        {2, 3, 0.0, 0, 0, 0.01, 0.01, 0.01, ChybaReseni::NeplatnaZamera},
        {2, 3, 4.0, 0, 0, 0.0, 0.01, 0.01, ChybaReseni::NeplatnaZamera},
        {2, 3, 4.0, 0, 0, 0.01, 0.01, Nekonecno, ChybaReseni::NeplatnaZamera},
        {2, 3, 4.0, Nan, 0, 0.01, 0.01, 0.01, ChybaReseni::NeplatnaZamera},
        {2, 3, 1e-200, 0, 0, 1e-200, 1e-200, 1e-200, ChybaReseni::NeplatnaZamera}, // weight overflows
        {2, 2, 4.0, 0, 0, 0.01, 0.01, 0.01, ChybaReseni::NeplatnyUzel},
    };
    for (const auto& z : spatne) {
        const StavReseni st = s.AddShotEquations(z.a, z.b, z.L, z.Az, z.Inc, z.vL, z.vA, z.vI);
        EXPECT_EQ(st.chyba, z.chyba) << "shot " << z.a << "-" << z.b << " L " << z.L;
        EXPECT_FALSE(st.text.empty());
    }
    EXPECT_EQ(s.FindEntry(2, 2)->X, s.FindEntry(1, 1)->X); // only the valid shot is in
    EXPECT_FALSE(s.FindEntry(3, 3));
    EXPECT_EQ(s.AddToEntry(2, 0, Nan, 0, 0).chyba, ChybaReseni::NeplatnaHodnota);

    test::FakePlatforma p;
    EXPECT_EQ(s.SolveSystem(Pevny(1, 0, 0, 0), p).chyba, ChybaReseni::NeplatnaZamera);
    EXPECT_FALSE(s.GetSolution(2));
}

TEST(NormalSystem, LoopsBetweenFixedNodesTakeWeightedMeans)
{
    test::FakePlatforma p;
    {
        // 1 -> 2 along X, 2 -> 3 along Y, both fixed ends; closure (0.2, 0.1, 0.3).
        // Shot 1->2: w (10, 2.5, 5); shot 2->3: w (2.5, 10, 5).
        NormalSystem s;
        s.AddShotEquations(1, 2, 10.0, 0.0, 0.0, 0.01, 0.04, 0.02);
        s.AddShotEquations(2, 3, 10.0, 90 * Stupen, 0.0, 0.01, 0.04, 0.02);
        FixedNodes f;
        f.Add(3, 10.2, 10.1, 0.3);
        f.Add(1, 0, 0, 0);
        ASSERT_TRUE(s.SolveSystem(f, p));
        const BodXYZ b = *s.GetSolution(2);
        // X: (10·10 + 2.5·10.2)/12.5; the shot with the larger sX takes 0.16 of the 0.2.
        EXPECT_NEAR(b.X, 10.04, 1e-9);
        // Y: (2.5·0 + 10·0.1)/12.5; here the first shot has the larger sY and takes 0.08.
        EXPECT_NEAR(b.Y, 0.08, 1e-9);
        EXPECT_NEAR(b.Z, 0.15, 1e-9);
        EXPECT_EQ(s.GetSolution(3)->X, 10.2); // fixed nodes keep their given values exactly
        EXPECT_EQ(s.GetSolution(3)->Y, 10.1);
    }
    {
        // The same pair measured twice, once each way: 10 m (w 10) and 12.5 m back (w 4).
        NormalSystem s;
        s.AddShotEquations(1, 2, 10.0, 0.0, 0.0, 0.01, 0.01, 0.01);
        s.AddShotEquations(2, 1, 12.5, 180 * Stupen, 0.0, 0.02, 0.02, 0.02);
        ASSERT_TRUE(s.SolveSystem(Pevny(1, 5, 6, 7), p));
        EXPECT_NEAR(s.GetSolution(2)->X, 5 + 150.0 / 14.0, 1e-9);
        EXPECT_NEAR(s.GetSolution(2)->Y, 6, 1e-9);
        EXPECT_NEAR(s.GetSolution(2)->Z, 7, 1e-9);
    }
}

TEST(NormalSystem, SystemsThatCannotBeSolvedAreReportedFailures)
{
    test::FakePlatforma p;
    auto res = [&p](NormalSystem& s, const FixedNodes& f) {
        const StavReseni st = s.SolveSystem(f, p);
        EXPECT_FALSE(st.text.empty());
        EXPECT_FALSE(s.GetSolution(1)); // nothing of a failed solution is readable
        return st;
    };
    auto retez = [](NormalSystem& s, std::initializer_list<std::pair<int, int>> zamery) {
        s.ClearSystem();
        for (const auto& [a, b] : zamery)
            s.AddShotEquations(a, b, 10.0, 0.5, 0.1, 0.01, 0.01, 0.01);
    };
    NormalSystem s;
    EXPECT_EQ(res(s, Pevny(1, 0, 0, 0)).chyba, ChybaReseni::PrazdnaSoustava);

    retez(s, {{1, 2}, {2, 4}}); // node 3 has no equation
    StavReseni st = res(s, Pevny(1, 0, 0, 0));
    EXPECT_EQ(st.chyba, ChybaReseni::ChybiRovnice);
    EXPECT_EQ(st.uzel, 3);

    retez(s, {{1, 2}, {3, 4}}); // the part 3-4 hangs free
    st = res(s, Pevny(2, 0, 0, 0));
    EXPECT_EQ(st.chyba, ChybaReseni::BezPevnehoBodu);
    EXPECT_EQ(st.uzel, 3);

    retez(s, {{1, 2}});
    EXPECT_EQ(res(s, Pevny(1, 0, Nan, 0)).chyba, ChybaReseni::NeplatnyPevnyBod);
    retez(s, {{1, 2}});
    FixedNodes dvakrat = Pevny(1, 0, 0, 0);
    dvakrat.Add(1, 0, 0, 1);
    EXPECT_EQ(res(s, dvakrat).chyba, ChybaReseni::NeplatnyPevnyBod);

    // Built term by term: a one-sided term, a zero pivot, an overflow.
    s.ClearSystem();
    s.AddToEntry(1, 1, -1, -1, -1);
    s.AddToEntry(2, 2, -1, -1, -1);
    s.AddToEntry(1, 2, 1, 1, 1);
    EXPECT_EQ(res(s, Pevny(1, 0, 0, 0)).chyba, ChybaReseni::NesoumernaSoustava);

    // [[1 1 1] [1 1 0] [1 0 1]]: eliminating row 1 leaves 0 on the diagonal of row 2.
    s.ClearSystem();
    for (const auto& [r, c] : {std::pair{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {3, 1}, {3, 3}})
        s.AddToEntry(r, c, 1, 1, 1);
    st = res(s, Pevny(3, 0, 0, 0));
    EXPECT_EQ(st.chyba, ChybaReseni::NulovyPivot);
    EXPECT_EQ(st.uzel, 2);

    s.ClearSystem();
    s.AddToEntry(1, 1, 1e-300, 1, 1);
    s.AddToEntry(1, 2, 1, 1, 1);
    s.AddToEntry(2, 1, 1, 1, 1);
    s.AddToEntry(2, 2, -1, -1, -1);
    s.AddToEntry(1, 0, 1e300, 1, 1);
    st = res(s, Pevny(2, 0, 0, 0));
    EXPECT_EQ(st.chyba, ChybaReseni::NeplatnyVysledek);
    EXPECT_EQ(st.uzel, 1);
}

TEST(NormalSystem, ASolvedSystemIsConsumedUntilClearedAndThenServesTheNextOne)
{
    test::FakePlatforma p;
    NormalSystem s;
    s.AddShotEquations(1, 2, 10.0, 0.0, 0.0, 0.01, 0.01, 0.01);
    ASSERT_TRUE(s.SolveSystem(Pevny(1, 0, 0, 0), p));
    EXPECT_EQ(s.SolveSystem(Pevny(1, 0, 0, 0), p).chyba, ChybaReseni::UzSpotrebovana);
    EXPECT_EQ(s.AddToEntry(1, 1, 1, 1, 1).chyba, ChybaReseni::UzSpotrebovana);
    EXPECT_NEAR(s.GetSolution(2)->X, 10.0, 1e-12); // still there
    EXPECT_FALSE(s.GetSolution(3));

    s.ClearSystem();
    EXPECT_FALSE(s.GetSolution(2));
    s.AddShotEquations(2, 1, 3.0, 0.0, -90 * Stupen, 0.01, 0.01, 0.01);
    ASSERT_TRUE(s.SolveSystem(Pevny(2, 1, 1, 1), p));
    EXPECT_NEAR(s.GetSolution(1)->Z, -2.0, 1e-12);
    EXPECT_NEAR(s.GetSolution(1)->X, 1.0, 1e-9);
}

