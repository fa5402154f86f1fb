#include "model/Body.h"
#include "model/DBody.h"
#include "model/Index.h"
#include "model/Razeni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace lomvira;

// Names added in order are listed in natural order: numbers as numbers, separators before
// numbers, digits before letters, a Czech letter as a separator, equal names (07 is 7) in
// their order of addition.
TEST(Razeni, NaturalOrder)
{
    const std::pair<std::vector<std::string>, std::vector<int>> pripady[] = {
        {{"P10A", "P2", "P10", "P1", "12", "A"}, {5, 6, 4, 2, 3, 1}},
        {{"DUB", "ČERT", "A-1", "A1", "5", "-5"}, {6, 2, 5, 4, 3, 1}},
        {{"B", "A", "B", "A7", "A", "A07", "AA"}, {2, 5, 4, 6, 7, 1, 3}},
    };
    for (const auto& [jmena, poradi] : pripady) {
        Razeni r;
        for (std::size_t i = 0; i < jmena.size(); ++i)
            r.Add(jmena[i], static_cast<int>(i) + 1);
        std::vector<int> out;
        for (int k = 1; k <= r.Count(); ++k)
            out.push_back(r.Item(k));
        EXPECT_EQ(out, poradi) << jmena[0];
        EXPECT_EQ(std::pair(r.Item(0), r.Item(r.Count() + 1)), std::pair(0, 0));
    }
}

TEST(Index, ItemNumbersInAdditionOrderKeysInBinaryOrder)
{
    Index x;
    for (const char* k : {"C", "a", "A", "Č", "B", "A"})
        x.Add(k);
    EXPECT_EQ(std::pair(x.Count(), x.Add("A")), std::pair(5, 3));
    // Binary order: upper case, then lower case, then the multi-byte letters.
    const std::vector<std::string> klice{x.Key(0), x.Key(1), x.Key(2), x.Key(3), x.Key(4), x.Key(5), x.Key(6)};
    EXPECT_EQ(klice, (std::vector<std::string>{"", "A", "B", "C", "a", "Č", ""}));
    EXPECT_EQ((std::vector<int>{x.ItemNo(-1), x.ItemNo(-5), x.ItemNo(-6), x.ItemNo(6), x.ItemNo(std::string("B"))}),
              (std::vector<int>{3, 4, 0, 0, 5}));
    // A copy holds keys of its own: the original's go and others take their memory.
    const Index kopie = x;
    x.Clear();
    EXPECT_EQ(x.Add("Z"), 1);
    EXPECT_EQ(std::pair(kopie.Key(1), kopie.Key(5)), std::pair(std::string("A"), std::string("Č")));
}

TEST(Index, ManyKeysSurviveTheTableGrowing)
{
    // Far past the first table: every regrowth must place each key where a search finds it.
    Index x;
    constexpr int n = 40000;
    for (int i = 1; i <= n; ++i)
        ASSERT_EQ(x.Add("B" + std::to_string(i)), i);
    int nalezeno = 0;
    for (int i = 1; i <= n; ++i)
        nalezeno += x.ItemNo("B" + std::to_string(i)) == i && x.Add("B" + std::to_string(i)) == i;
    EXPECT_EQ(nalezeno, n);
    EXPECT_EQ(std::tuple(x.Count(), x.ItemNo(std::string("B0")), x.ItemNo(std::string("B40001"))), std::tuple(n, 0, 0));
}

TEST(Body, FirstPointOfANameStaysAndGivenPointsAreReachedThreeWays)
{
    Body b;
    EXPECT_EQ((std::vector<int>{b.Add({"A", 1.0, 2.0, 3.0}), b.Add({"B", 0.0, 0.0, 0.0}), b.Add({"A", 9.0, 9.0, 9.0})}),
              (std::vector<int>{-1, -2, 1}));
    EXPECT_EQ(b.GetBod("A")->X, 1.0);
    EXPECT_EQ(b.GetBod("a"), nullptr);

    DBody d;
    test::FakePlatforma p;
    EXPECT_EQ(d.Add("P10", 1.0, 2.0, 3.0, 20240101, 55, p), 1);
    EXPECT_EQ(d.Add("P9", 4.0, 5.0, 6.0, 20240102, 80, p), 2);
    EXPECT_EQ(d.Add("P10", 7.0, 8.0, 9.0, 0, 0, p), 0);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Bod jiz existuje");
    EXPECT_EQ(d.Bod(std::string("P10"))->Bod().X, 1.0);
    EXPECT_EQ(std::tuple(d.Bod(-1)->Name(), d.Bod(-2)->Name(), d.Bod(2)->Name()), std::tuple("P9", "P10", "P9"));
    EXPECT_EQ(d.Bod(-3), nullptr);
    // The transformation's record keeps the point's name.
    d.Bod(1)->SetZBod({"JINY", 1.0, 2.0, 3.0});
    EXPECT_EQ(std::pair(d.Bod(1)->ZBod().Name, d.Bod(1)->ZBod().Y), std::pair(std::string("P10"), 2.0));
}
