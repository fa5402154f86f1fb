#include "adjust/Gauss.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

using namespace lomvira;

namespace {

// 1 fixed at (1, 2, 3); 1 -> 2 level along X, 10 m; 2 -> 3 level along X, 5 m.
void Retez(Gauss& g)
{
    g.Init();
    g.Add_ZBod(1, 1, 2, 3);
    g.Gdosad(1, 2, 10.0, 0.0, 0.0, 0.01, 0.02, 0.03);
    g.Gdosad(2, 3, 5.0, 0.0, 0.0, 0.01, 0.02, 0.03);
}

} // namespace

TEST(Gauss, ReadsNodesOfTheSolvedSystemOnlyAndSaysSoOtherwise)
{
    test::FakePlatforma p;
    Gauss g(p);
    Retez(g);
    EXPECT_FALSE(g.Get_Bod(2)); // not solved yet
    ASSERT_EQ(p.boxes.size(), 1u);
    ASSERT_TRUE(g.Reseni());
    EXPECT_TRUE(g.Vyreseno());
    ASSERT_TRUE(g.Get_Bod(3));
    EXPECT_NEAR(g.Get_Bod(3)->X, 16.0, 1e-12);
    EXPECT_EQ(g.Get_Bod(1)->Z, 3.0);
    EXPECT_EQ(p.boxes.size(), 1u);

    EXPECT_FALSE(g.Get_Bod(4)); // N + 1
    EXPECT_FALSE(g.Get_Bod(0));
    ASSERT_EQ(p.boxes.size(), 3u);
    for (const auto& b : p.boxes) {
        EXPECT_EQ(b.text, "Chyba v Gauss");
        EXPECT_EQ(b.style & MsgBox::ButtonMask, MsgBox::OkOnly);
    }
}

TEST(Gauss, InitForgetsTheFixedNodesAndTheSolutionOfTheLastNetwork)
{
    test::FakePlatforma p;
    Gauss g(p);
    Retez(g);
    g.Add_ZBod(3, 100, 100, 100);
    ASSERT_TRUE(g.Reseni());
    EXPECT_EQ(g.Get_Bod(3)->X, 100.0);

    Retez(g); // without the stale fixed node 3 the chain is free to end where it was measured
    EXPECT_FALSE(g.Vyreseno());
    ASSERT_TRUE(g.Reseni());
    EXPECT_NEAR(g.Get_Bod(3)->X, 16.0, 1e-12);
    EXPECT_NEAR(g.Get_Bod(3)->Y, 2.0, 1e-12);

    g.Init();
    g.Gdosad(1, 2, 10.0, 0.0, 0.0, 0.01, 0.02, 0.03);
    const StavReseni st = g.Reseni(); // no fixed node left over from before
    EXPECT_EQ(st.chyba, ChybaReseni::BezPevnehoBodu);
    EXPECT_FALSE(g.Vyreseno());
    EXPECT_FALSE(g.Get_Bod(1));
    EXPECT_EQ(p.boxes.back().text, "Chyba v Gauss");
}
