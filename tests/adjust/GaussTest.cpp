#include "adjust/Gauss.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

using namespace lomvira;

// 1 fixed at (1, 2, 3); 1 -> 2 level along X, 10 m; 2 -> 3 level along X, 5 m. Nodes are read
// of the solved system only; Init forgets the fixed nodes and the solution of the last network.
TEST(Gauss, ReadsTheSolvedNetworkOnlyAndInitForgetsTheLastOne)
{
    test::FakePlatforma p;
    Gauss g(p);
    auto retez = [&g] {
        g.Init();
        g.Add_ZBod(1, 1, 2, 3);
        g.Gdosad(1, 2, 10.0, 0.0, 0.0, 0.01, 0.02, 0.03);
        g.Gdosad(2, 3, 5.0, 0.0, 0.0, 0.01, 0.02, 0.03);
    };
    retez();
    EXPECT_FALSE(g.Get_Bod(2)); // not solved yet
    g.Add_ZBod(3, 100, 100, 100);
    ASSERT_TRUE(g.Reseni());
    EXPECT_EQ(g.Get_Bod(3)->X, 100.0);
    EXPECT_FALSE(g.Get_Bod(4)); // N + 1
    ASSERT_EQ(p.boxes.size(), 2u);
    EXPECT_EQ(p.boxes[1].text, "Chyba v Gauss");

    retez(); // without the stale fixed node 3 the chain is free to end where it was measured
    EXPECT_FALSE(g.Vyreseno());
    ASSERT_TRUE(g.Reseni());
    EXPECT_NEAR(g.Get_Bod(3)->X, 16.0, 1e-12);
    EXPECT_NEAR(g.Get_Bod(3)->Y, 2.0, 1e-12);

    g.Init();
    g.Gdosad(1, 2, 10.0, 0.0, 0.0, 0.01, 0.02, 0.03);
    EXPECT_EQ(g.Reseni().chyba, ChybaReseni::BezPevnehoBodu); // no fixed node left over from before
    EXPECT_FALSE(g.Get_Bod(1));
}
