// Building and solving the normal equations of one network group: a maze of passages
// with many loops, its stations numbered in the order a surveyor walks them.
#include "adjust/GAUSV.h"
#include "common/Platforma.h"

#include "Pruzkumy.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using lomvira::BodXYZ;

class TichaPlatforma : public lomvira::Platforma {
public:
    int ZpravaBox(const std::string&, int, const std::string&, int) override { return lomvira::MsgBox::Ok; }
    std::optional<std::string> VstupniBox(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
    void StavovyRadek(const std::string&) override {}
};

struct Zamera {
    int a, b;
    double L, Az, Inc, vL, vA, vI;
};

struct Bludiste {
    int stanic = 0;
    std::vector<Zamera> zamery;
    BodXYZ prvni; // true position of station 1, held fixed
};

// A grid of about `stanic` chambers 5 m apart. A randomised depth-first walk carves the
// passages (a spanning tree) and numbers the stations as it reaches them; then each
// neighbouring pair the walk did not join is surveyed with probability `smycky`, closing a
// loop. Shots are measured from the true positions with a few centimetres of noise.
Bludiste GenerujBludiste(int stanic, double smycky, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> sum(-0.02, 0.02), posun(-1.5, 1.5), vyska(-3.0, 3.0);
    std::uniform_real_distribution<double> nahoda(0.0, 1.0);
    const int w = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(stanic))));
    const int h = (stanic + w - 1) / w;
    const int bunek = w * h;
    std::vector<BodXYZ> poloha(bunek);
    for (int k = 0; k < bunek; ++k)
        poloha[k] = {5.0 * (k % w) + posun(gen), 5.0 * (k / w) + posun(gen), vyska(gen)};

    std::vector<int> cislo(bunek, 0);
    std::vector<char> spojeno(static_cast<std::size_t>(bunek) * 2, 0); // per cell: joined right, joined up
    std::vector<std::pair<int, int>> chodby;
    std::vector<int> zasobnik = {0};
    int dalsi = 1;
    cislo[0] = dalsi++;
    while (!zasobnik.empty()) {
        const int c = zasobnik.back();
        std::vector<int> sousede;
        if (c % w > 0) sousede.push_back(c - 1);
        if (c % w < w - 1) sousede.push_back(c + 1);
        if (c >= w) sousede.push_back(c - w);
        if (c + w < bunek) sousede.push_back(c + w);
        std::erase_if(sousede, [&cislo](int s) { return cislo[s] != 0; });
        if (sousede.empty()) {
            zasobnik.pop_back();
            continue;
        }
        const int s = sousede[std::uniform_int_distribution<int>(0, static_cast<int>(sousede.size()) - 1)(gen)];
        cislo[s] = dalsi++;
        chodby.push_back({c, s});
        spojeno[static_cast<std::size_t>(std::min(c, s)) * 2 + (std::abs(c - s) == 1 ? 0 : 1)] = 1;
        zasobnik.push_back(s);
    }
    for (int c = 0; c < bunek; ++c) {
        if (c % w < w - 1 && !spojeno[static_cast<std::size_t>(c) * 2] && nahoda(gen) < smycky)
            chodby.push_back({c, c + 1});
        if (c + w < bunek && !spojeno[static_cast<std::size_t>(c) * 2 + 1] && nahoda(gen) < smycky)
            chodby.push_back({c, c + w});
    }

    Bludiste b;
    b.stanic = bunek;
    b.prvni = poloha[0];
    for (const auto& [p, q] : chodby) {
        const double dx = poloha[q].X - poloha[p].X + sum(gen);
        const double dy = poloha[q].Y - poloha[p].Y + sum(gen);
        const double dz = poloha[q].Z - poloha[p].Z + sum(gen);
        b.zamery.push_back({cislo[p], cislo[q], std::sqrt(dx * dx + dy * dy + dz * dz), std::atan2(dy, dx),
                            std::atan2(dz, std::hypot(dx, dy)), 0.01, 0.005, 0.007});
    }
    return b;
}

void BM_ResBludiste(benchmark::State& state)
{
    const Bludiste b = GenerujBludiste(static_cast<int>(state.range(0)), state.range(1) / 100.0, 7);
    TichaPlatforma platforma;
    lomvira::NormalSystem soustava;
    lomvira::FixedNodes pevne;
    pevne.Add(1, b.prvni.X, b.prvni.Y, b.prvni.Z);
    for (auto _ : state) {
        soustava.ClearSystem();
        for (const Zamera& z : b.zamery)
            soustava.AddShotEquations(z.a, z.b, z.L, z.Az, z.Inc, z.vL, z.vA, z.vI);
        const lomvira::StavReseni s = soustava.SolveSystem(pevne, platforma);
        if (!s.Ok()) {
            state.SkipWithError(s.text.c_str());
            break;
        }
        benchmark::DoNotOptimize(soustava.GetSolution(b.stanic));
    }
    state.counters["stations"] = b.stanic;
    state.counters["shots"] = static_cast<double>(b.zamery.size());
}
// Stations, and the chance in percent that a wall between neighbours is a surveyed loop.
BENCHMARK(BM_ResBludiste)
    ->Args({1000, 20})
    ->Args({5000, 10})
    ->Args({5000, 20})
    ->Args({5000, 50})
    ->Args({10000, 20})
    ->Unit(benchmark::kMillisecond);

// A mine grid, its crossings numbered row by row or in random order: the numbering must
// not matter to the fill-reducing factorisation.
void BM_ResMrizka(benchmark::State& state)
{
    const lomvira::bench::Pruzkum d = lomvira::bench::Dul(static_cast<int>(state.range(0)), state.range(1) != 0, 9);
    std::vector<int> cislo(d.body.size());
    for (std::size_t i = 0; i < cislo.size(); ++i)
        cislo[i] = static_cast<int>(i) + 1;
    if (state.range(1) != 0)
        std::shuffle(cislo.begin(), cislo.end(), std::mt19937(9));
    TichaPlatforma platforma;
    lomvira::NormalSystem soustava;
    lomvira::FixedNodes pevne;
    const auto& p0 = d.body[0];
    pevne.Add(cislo[0], p0.x, p0.y, p0.z);
    for (auto _ : state) {
        soustava.ClearSystem();
        for (const auto& [a, b] : d.zamery) {
            const auto &pa = d.body[static_cast<std::size_t>(a)], &pb = d.body[static_cast<std::size_t>(b)];
            const double dx = pb.x - pa.x, dy = pb.y - pa.y, dz = pb.z - pa.z;
            soustava.AddShotEquations(cislo[static_cast<std::size_t>(a)], cislo[static_cast<std::size_t>(b)],
                                      std::sqrt(dx * dx + dy * dy + dz * dz), std::atan2(dy, dx),
                                      std::atan2(dz, std::hypot(dx, dy)), 0.01, 0.005, 0.007);
        }
        if (!soustava.SolveSystem(pevne, platforma).Ok()) {
            state.SkipWithError("the grid did not solve");
            break;
        }
        benchmark::DoNotOptimize(soustava.GetSolution(cislo.back()));
    }
}
// Side of the grid, random numbering.
BENCHMARK(BM_ResMrizka)->Args({70, 0})->Args({70, 1})->Args({100, 0})->Args({100, 1})->Args({200, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
