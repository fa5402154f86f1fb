// The solver's results are fixed to the last bit: they must equal those of the elimination
// written out plainly over one flat key list sorted by (row, column), with value slots, a
// stack of freed slots and shifting inserts and removals, every operation in its order.
#include "adjust/GAUSV.h"
#include "adjust/Gauss.h"
#include "support/FakePlatforma.h"
#include "support/HusteReseni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace lomvira;
using namespace lomvira::test;

namespace {

class PlochaSoustava {
public:
    void AddShotEquations(int a, int b, double L, double Az, double Inc, double vL, double vA, double vI)
    {
        const VahyOs w = ShotAxisWeights(L, Az, Inc, vL, vA, vI);
        const double dX = L * std::cos(Az) * std::cos(Inc);
        const double dY = L * std::sin(Az) * std::cos(Inc);
        const double dZ = L * std::sin(Inc);
        AddToEntry(a, a, -w.wX, -w.wY, -w.wZ);
        AddToEntry(b, b, -w.wX, -w.wY, -w.wZ);
        AddToEntry(a, b, w.wX, w.wY, w.wZ);
        AddToEntry(b, a, w.wX, w.wY, w.wZ);
        AddToEntry(a, 0, w.wX * dX, w.wY * dY, w.wZ * dZ);
        AddToEntry(b, 0, -w.wX * dX, -w.wY * dY, -w.wZ * dZ);
    }

    // Fixed nodes in ascending order.
    std::vector<BodXYZ> SolveSystem(const std::vector<HustyPevnyBod>& pevne)
    {
        const int n = klice_.back().c;
        std::size_t f = 0;
        for (int i = 1; i <= n; ++i) {
            const bool pevny = f < pevne.size() && pevne[f].uzel == i;
            const int pd = FindEntry(i, i);
            const int sd = klice_[pd].slot;
            std::vector<std::pair<int, int>> prace; // column, slot
            for (std::size_t p = pd + 1; p < klice_.size() && klice_[p].r == i; ++p) {
                prace.push_back({klice_[p].c, klice_[p].slot});
                Vydel(klice_[p].slot, sd);
            }
            const int sr = klice_[pd - 1].slot; // (i, 0)
            if (pevny) {
                X_[sr] = pevne[f].xyz.X, Y_[sr] = pevne[f].xyz.Y, Z_[sr] = pevne[f].xyz.Z;
                ++f;
                for (std::size_t k = 0; k < prace.size(); ++k)
                    RemoveEntry(pd + 1);
            } else {
                Vydel(sr, sd);
            }
            RemoveEntry(pd);
            for (const auto& [j, ignored] : prace) {
                const int q = FindEntry(j, i);
                const int sl = klice_[q].slot, sj = klice_[q - 1].slot;
                const double lX = X_[sl], lY = Y_[sl], lZ = Z_[sl];
                X_[sj] -= lX * X_[sr], Y_[sj] -= lY * Y_[sr], Z_[sj] -= lZ * Z_[sr];
                if (!pevny)
                    for (const auto& [c, su] : prace) {
                        if (const int pc = FindEntry(j, c)) {
                            const int s = klice_[pc].slot;
                            X_[s] -= lX * X_[su], Y_[s] -= lY * Y_[su], Z_[s] -= lZ * Z_[su];
                        } else {
                            const int s = InsertKey(j, c);
                            X_[s] = -lX * X_[su], Y_[s] = -lY * Y_[su], Z_[s] = -lZ * Z_[su];
                        }
                    }
                RemoveEntry(FindEntry(j, i));
            }
        }
        for (int i = n; i >= 2; --i) {
            const int si = klice_[FindEntry(i, 0)].slot;
            for (int r = i - 1; r >= 1; --r)
                if (const int p = FindEntry(r, i)) {
                    const int s = klice_[p].slot;
                    RemoveEntry(p);
                    const int sr = klice_[FindEntry(r, 0)].slot;
                    X_[sr] -= X_[s] * X_[si], Y_[sr] -= Y_[s] * Y_[si], Z_[sr] -= Z_[s] * Z_[si];
                }
        }
        std::vector<BodXYZ> x(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(klice_[i].r, i);
            EXPECT_EQ(klice_[i].c, 0);
            const int s = klice_[i].slot;
            x[i] = {X_[s], Y_[s], Z_[s]};
        }
        return x;
    }

private:
    struct Klic {
        int r = 0, c = 0, slot = 0;
        bool operator<(const Klic& o) const { return r < o.r || (r == o.r && c < o.c); }
    };

    void AddToEntry(int r, int c, double dx, double dy, double dz)
    {
        int p = FindEntry(r, c);
        const int s = p ? klice_[p].slot : InsertKey(r, c);
        X_[s] += dx, Y_[s] += dy, Z_[s] += dz;
    }
    int FindEntry(int r, int c) const
    {
        const auto it = std::lower_bound(klice_.begin() + 1, klice_.end(), Klic{r, c, 0});
        return it != klice_.end() && it->r == r && it->c == c ? static_cast<int>(it - klice_.begin()) : 0;
    }
    int InsertKey(int r, int c)
    {
        int s;
        if (!volne_.empty()) {
            s = volne_.back();
            volne_.pop_back();
        } else {
            s = static_cast<int>(X_.size());
            X_.push_back(0), Y_.push_back(0), Z_.push_back(0);
        }
        X_[s] = Y_[s] = Z_[s] = 0.0;
        klice_.insert(std::lower_bound(klice_.begin() + 1, klice_.end(), Klic{r, c, 0}), Klic{r, c, s});
        return s;
    }
    void RemoveEntry(int p)
    {
        volne_.push_back(klice_[p].slot);
        klice_.erase(klice_.begin() + p);
    }
    void Vydel(int s, int pivot) { X_[s] /= X_[pivot], Y_[s] /= Y_[pivot], Z_[s] /= Z_[pivot]; }

    std::vector<Klic> klice_{Klic{}}; // position 0 unused
    std::vector<double> X_{0.0}, Y_{0.0}, Z_{0.0};
    std::vector<int> volne_;
};

std::vector<BodXYZ> PlosneReseni(const NahodnaSit& sit)
{
    PlochaSoustava s;
    for (const auto& z : sit.zamery)
        s.AddShotEquations(z.a, z.b, z.L, z.Az, z.Inc, z.vL, z.vA, z.vI);
    std::vector<HustyPevnyBod> pevne = sit.pevne;
    std::sort(pevne.begin(), pevne.end(), [](const auto& a, const auto& b) { return a.uzel < b.uzel; });
    return s.SolveSystem(pevne);
}

::testing::AssertionResult BitoveStejne(const std::vector<BodXYZ>& a, const std::vector<BodXYZ>& b)
{
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes differ";
    for (std::size_t u = 1; u < a.size(); ++u)
        if (a[u].X != b[u].X || a[u].Y != b[u].Y || a[u].Z != b[u].Z)
            return StejneSouradnice(a, b, 0.0) << " (first difference at or after node " << u << ")";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(PoradiOperaci, TheSparseEliminationEqualsThePlainOneToTheLastBit)
{
    FakePlatforma p;
    NormalSystem s;
    for (const int n : {2, 9, 40, 130})
        for (unsigned seed = 21; seed <= 26; ++seed) {
            const int pevnych = std::min(n, 1 + static_cast<int>(seed % 5));
            SCOPED_TRACE("n " + std::to_string(n) + " seed " + std::to_string(seed));
            const NahodnaSit sit = GenerujSit(n, n, pevnych, 0.1, seed);
            const auto ridce = ResitRidce(s, sit, p);
            ASSERT_TRUE(ridce);
            EXPECT_TRUE(BitoveStejne(PlosneReseni(sit), *ridce));
        }
}

TEST(PoradiOperaci, TheClassAndTheModuleFormGiveIdenticalBits)
{
    FakePlatforma p;
    NormalSystem s;
    Gauss g(p);
    for (unsigned seed = 31; seed <= 35; ++seed) {
        const NahodnaSit sit = GenerujSit(70, 40, 3, 0.1, seed);
        const auto modul = ResitRidce(s, sit, p);
        ASSERT_TRUE(modul);
        g.Init(); // the same object serves one network after another
        for (const auto& f : sit.pevne)
            g.Add_ZBod(f.uzel, f.xyz.X, f.xyz.Y, f.xyz.Z);
        for (const auto& z : sit.zamery)
            ASSERT_TRUE(g.Gdosad(z.a, z.b, z.L, z.Az, z.Inc, z.vL, z.vA, z.vI));
        ASSERT_TRUE(g.Reseni());
        std::vector<BodXYZ> trida(modul->size());
        for (int u = 1; u <= sit.n; ++u)
            trida[u] = g.Get_Bod(u).value_or(BodXYZ{-1, -1, -1});
        EXPECT_TRUE(BitoveStejne(*modul, trida)) << "seed " << seed;
    }
    EXPECT_TRUE(p.boxes.empty());
}
