// Whole networks: exact geometry comes back, noisy networks agree with the dense
// least-squares solution, and wide rows need no limit.
#include "adjust/GAUSV.h"
#include "support/FakePlatforma.h"
#include "support/HusteReseni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace lomvira;
using namespace lomvira::test;

namespace {

// Coordinates agree to this fraction of the network's largest coordinate.
constexpr double Relativne = 1e-9;

double Rozsah(const std::vector<BodXYZ>& body)
{
    double m = 1.0;
    for (const BodXYZ& b : body)
        m = std::max({m, std::fabs(b.X), std::fabs(b.Y), std::fabs(b.Z)});
    return m;
}

std::string Popis(int n, int smycek, int pevnych, unsigned seed)
{
    return "n " + std::to_string(n) + " loops " + std::to_string(smycek) + " fixed " + std::to_string(pevnych)
           + " seed " + std::to_string(seed);
}

} // namespace

TEST(Sit, ExactGeometryComesBackAndFixedNodesKeepTheirValues)
{
    FakePlatforma p;
    NormalSystem s; // one system reused for every network, as the driver does
    for (const int n : {2, 3, 17, 60, 250})
        for (unsigned seed = 1; seed <= 6; ++seed) {
            const int smycek = n / 3, pevnych = 1 + static_cast<int>(seed % 3);
            SCOPED_TRACE(Popis(n, smycek, pevnych, seed));
            const NahodnaSit sit = GenerujSit(n, smycek, pevnych, 0.0, seed);
            const auto vysledek = ResitRidce(s, sit, p);
            ASSERT_TRUE(vysledek);
            EXPECT_TRUE(StejneSouradnice(sit.pravda, *vysledek, Relativne * Rozsah(sit.pravda)));
            for (const auto& f : sit.pevne) {
                EXPECT_EQ((*vysledek)[f.uzel].X, f.xyz.X);
                EXPECT_EQ((*vysledek)[f.uzel].Z, f.xyz.Z);
            }
        }
}

TEST(Sit, NoisyNetworksAgreeWithTheDenseLeastSquaresSolution)
{
    FakePlatforma p;
    NormalSystem s;
    for (const int n : {3, 12, 45, 120})
        for (unsigned seed = 11; seed <= 16; ++seed) {
            const int smycek = n / 2, pevnych = std::min(n - 1, 1 + static_cast<int>(seed % 4));
            SCOPED_TRACE(Popis(n, smycek, pevnych, seed));
            const NahodnaSit sit = GenerujSit(n, smycek, pevnych, 0.05, seed);
            const auto ridce = ResitRidce(s, sit, p);
            const auto huste = HusteReseni(sit.n, sit.zamery, sit.pevne);
            ASSERT_TRUE(ridce);
            ASSERT_TRUE(huste);
            EXPECT_TRUE(StejneSouradnice(*huste, *ridce, Relativne * Rozsah(*huste)));
            // The noise really moved the nodes: the comparison is not the exact case again.
            EXPECT_FALSE(StejneSouradnice(sit.pravda, *ridce, 1e-4));
        }
}

TEST(Sit, ARowWithMoreThanAHundredNeighboursToItsRightSolves)
{
    // Hub 1 joined to 150 nodes on a ring, with the fixed node 152 on the ring: eliminating
    // row 1 turns the ring into a dense block of 150 columns.
    NahodnaSit sit;
    sit.n = 152;
    sit.pravda.assign(153, BodXYZ{});
    sit.pravda[1] = {3, -4, 1};
    for (int k = 2; k <= 152; ++k) {
        const double a = 2.0 * 3.14159265358979 * k / 151.0;
        sit.pravda[k] = {20 * std::cos(a), 20 * std::sin(a), 0.1 * k};
    }
    auto zamer = [&sit](int a, int b, double odchylka) {
        const BodXYZ &pa = sit.pravda[a], &pb = sit.pravda[b];
        sit.zamery.push_back(ZameraVektoru(a, b, pb.X - pa.X + odchylka, pb.Y - pa.Y - odchylka, pb.Z - pa.Z,
                                           0.01 + 0.0001 * b, 0.02, 0.015));
    };
    for (int k = 2; k <= 151; ++k)
        zamer(1, k, 0.0);
    for (int k = 2; k <= 151; ++k)
        zamer(k, k + 1, 0.0);
    sit.pevne.push_back({152, sit.pravda[152]});

    FakePlatforma p;
    NormalSystem s;
    auto vysledek = ResitRidce(s, sit, p);
    ASSERT_TRUE(vysledek);
    EXPECT_TRUE(StejneSouradnice(sit.pravda, *vysledek, Relativne * Rozsah(sit.pravda)));

    // With disturbed ring shots, against the dense solution.
    for (std::size_t k = 150; k < sit.zamery.size(); ++k)
        sit.zamery[k].L += 0.01 * static_cast<double>(k % 7) - 0.03;
    vysledek = ResitRidce(s, sit, p);
    const auto huste = HusteReseni(sit.n, sit.zamery, sit.pevne);
    ASSERT_TRUE(vysledek);
    ASSERT_TRUE(huste);
    EXPECT_TRUE(StejneSouradnice(*huste, *vysledek, Relativne * Rozsah(*huste)));
}

TEST(Sit, TheOrderOfTheFixedNodesDoesNotMatter)
{
    FakePlatforma p;
    NormalSystem s;
    NahodnaSit sit = GenerujSit(80, 30, 5, 0.05, 7);
    std::sort(sit.pevne.begin(), sit.pevne.end(), [](const auto& a, const auto& b) { return a.uzel > b.uzel; });
    const auto sestupne = ResitRidce(s, sit, p);
    std::reverse(sit.pevne.begin(), sit.pevne.end());
    sit.pevne.push_back(sit.pevne.front()); // the same node with the same values twice is harmless
    const auto vzestupne = ResitRidce(s, sit, p);
    ASSERT_TRUE(sestupne);
    ASSERT_TRUE(vzestupne);
    EXPECT_TRUE(StejneSouradnice(*vzestupne, *sestupne, 0.0));
    for (const auto& f : sit.pevne)
        EXPECT_EQ((*sestupne)[f.uzel].Y, f.xyz.Y);
}

TEST(Sit, NationalGridCoordinatesCostNoDigits)
{
    // The same networks a million metres away: the shots are unchanged, so the result must
    // be the dense one moved by the offset, to a micrometre.
    const BodXYZ posun{-745123.25, -1045678.5, 310.0};
    FakePlatforma p;
    NormalSystem s;
    for (const int n : {40, 300})
        for (unsigned seed = 21; seed <= 23; ++seed) {
            SCOPED_TRACE(Popis(n, n / 2, 2, seed));
            NahodnaSit sit = GenerujSit(n, n / 2, 2, 0.05, seed);
            const auto huste = HusteReseni(sit.n, sit.zamery, sit.pevne);
            ASSERT_TRUE(huste);
            for (auto& f : sit.pevne)
                f.xyz = {f.xyz.X + posun.X, f.xyz.Y + posun.Y, f.xyz.Z + posun.Z};
            auto ridce = ResitRidce(s, sit, p);
            ASSERT_TRUE(ridce);
            for (BodXYZ& b : *ridce)
                b = {b.X - posun.X, b.Y - posun.Y, b.Z - posun.Z};
            EXPECT_TRUE(StejneSouradnice(*huste, *ridce, 1e-6));
        }
}
