#include "model/Body.h"
#include "model/DBody.h"
#include "model/Index.h"
#include "model/Razeni.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lomvira;

namespace {

std::vector<int> Poradi(const Razeni& r)
{
    std::vector<int> out;
    for (int k = 1; k <= r.Count(); ++k)
        out.push_back(r.Item(k));
    return out;
}

} // namespace

TEST(Razeni, NumbersCompareAsNumbersAndDigitsComeBeforeLetters)
{
    Razeni r;
    r.Add("P10A", 1);
    r.Add("P2", 2);
    r.Add("P10", 3);
    r.Add("P1", 4);
    r.Add("12", 5);
    r.Add("A", 6);
    EXPECT_EQ(Poradi(r), (std::vector<int>{5, 6, 4, 2, 3, 1}));
    EXPECT_EQ(r.Item(0), 0);
    EXPECT_EQ(r.Item(7), 0);
}

TEST(Razeni, SeparatorsSortBeforeNumbersAndAccentedLettersAreSeparators)
{
    Razeni r;
    r.Add("DUB", 1);
    r.Add("ČERT", 2); // "Č" is a separator, so it sorts before any letter
    r.Add("A-1", 3);
    r.Add("A1", 4);   // the empty separator between A and 1 is less than "-"
    r.Add("5", 5);
    r.Add("-5", 6);   // a separator before a number at the same position
    EXPECT_EQ(Poradi(r), (std::vector<int>{6, 2, 5, 4, 3, 1}));

    const auto t = Razeni::Tokenize("ČERT");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].kind, Razeni::Oddelovac);
    EXPECT_EQ(t[0].text, "Č");
    EXPECT_EQ(t[1].kind, Razeni::Pismena);
    EXPECT_EQ(t[1].text, "ERT");
}

TEST(Razeni, EqualNamesKeepTheirOrderOfAddition)
{
    Razeni r;
    r.Add("B", 1);
    r.Add("A", 2);
    r.Add("B", 3);
    r.Add("A7", 4);
    r.Add("A", 5);
    r.Add("A07", 6); // 07 and 7 are the same number
    EXPECT_EQ(Poradi(r), (std::vector<int>{2, 5, 4, 6, 1, 3}));
    r.Add("AA", 7);
    EXPECT_EQ(Poradi(r), (std::vector<int>{2, 5, 4, 6, 7, 1, 3}));
}

TEST(Razeni, TokenPatternsAreCountedAndShown)
{
    Razeni r;
    r.Add("P10A", 1);
    r.Add("Q7B", 2); // the same pattern
    EXPECT_EQ(r.TypeCount(), 1);
    EXPECT_EQ(r.ZobrTyp(), "Pisme 'P' \r\nOddel '' \r\nCislo '10' \r\nOddel '' \r\nPisme 'A' ");
    r.Add("12", 3);
    EXPECT_EQ(r.TypeCount(), 2);
}

TEST(Index, ItemNumbersInAdditionOrderKeysInBinaryOrder)
{
    Index x;
    EXPECT_EQ(x.Add("C"), 1);
    EXPECT_EQ(x.Add("a"), 2);
    EXPECT_EQ(x.Add("A"), 3);
    EXPECT_EQ(x.Add("Č"), 4);
    EXPECT_EQ(x.Add("B"), 5);
    EXPECT_EQ(x.Add("A"), 3);
    EXPECT_EQ(x.Count(), 5);
    EXPECT_TRUE(x.Exist("Č"));
    EXPECT_FALSE(x.Exist("D"));

    // Binary order: upper case, then lower case, then the multi-byte letters.
    const std::vector<std::string> klice{x.Key(0), x.Key(1), x.Key(2), x.Key(3), x.Key(4), x.Key(5), x.Key(6)};
    EXPECT_EQ(klice, (std::vector<std::string>{"", "A", "B", "C", "a", "Č", ""}));

    EXPECT_EQ(x.ItemNo(-1), 3);
    EXPECT_EQ(x.ItemNo(-5), 4);
    EXPECT_EQ(x.ItemNo(-6), 0);
    EXPECT_EQ(x.ItemNo(4), 4);
    EXPECT_EQ(x.ItemNo(6), 0);
    EXPECT_EQ(x.ItemNo(std::string("B")), 5);
    EXPECT_EQ(x.ItemNo(std::string("Z")), 0);

    x.Clear();
    EXPECT_EQ(x.Key(1), "");
    EXPECT_EQ(x.Add("Z"), 1);
}

TEST(Body, AddReportsNewAndExistingPoints)
{
    Body b;
    EXPECT_EQ(b.Add({"A", 1.0, 2.0, 3.0}), -1);
    EXPECT_EQ(b.Add({"B", 0.0, 0.0, 0.0}), -2);
    EXPECT_EQ(b.Add({"A", 9.0, 9.0, 9.0}), 1);
    EXPECT_EQ(b.Count(), 2);
    ASSERT_NE(b.GetBod("A"), nullptr);
    EXPECT_EQ(b.GetBod("A")->X, 1.0); // the first one stays
    EXPECT_EQ(b.GetBod(2)->Name, "B");
    EXPECT_EQ(b.GetBod(3), nullptr);
    EXPECT_EQ(b.GetBod("a"), nullptr);
    EXPECT_EQ(b.GetIndex("B"), 2);
}

TEST(DBody, DuplicateIsRefusedAndPointsAreReachedThreeWays)
{
    DBody d;
    test::FakePlatforma p;
    EXPECT_EQ(d.Add("P10", 1.0, 2.0, 3.0, 20240101, 55, p), 1);
    EXPECT_EQ(d.Add("P9", 4.0, 5.0, 6.0, 20240102, 80, p), 2);
    EXPECT_TRUE(p.boxes.empty());
    EXPECT_EQ(d.Add("P10", 7.0, 8.0, 9.0, 0, 0, p), 0);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "Bod jiz existuje");

    EXPECT_EQ(d.Count(), 2);
    EXPECT_TRUE(d.Exist("P9"));
    const DBod* prvni = d.Bod(std::string("P10"));
    ASSERT_NE(prvni, nullptr);
    EXPECT_EQ(prvni->Bod().X, 1.0);
    EXPECT_EQ(prvni->Datum, 20240101);
    EXPECT_EQ(prvni->ZacatekRadku, 55);
    EXPECT_EQ(d.Bod(-1)->Name(), "P9"); // natural order
    EXPECT_EQ(d.Bod(-2)->Name(), "P10");
    EXPECT_EQ(d.Bod(2)->Name(), "P9");
    EXPECT_EQ(d.Bod(-3), nullptr);
    EXPECT_EQ(d.Bod(std::string("X")), nullptr);

    // The transformation's record keeps the point's name.
    DBod* bod = d.Bod(1);
    EXPECT_EQ(bod->ZBod().Name, "P10");
    bod->SetZBod({"JINY", 1.0, 2.0, 3.0});
    EXPECT_EQ(bod->ZBod().Name, "P10");
    EXPECT_EQ(bod->ZBod().Y, 2.0);
}
