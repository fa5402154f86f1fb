// Filling the survey model from shots met in scrambled order (a notebook written out of
// sequence): stations, shots, regions and the natural name order of 32k stations.
#include "common/Stav.h"
#include "common/Text.h"
#include "model/Model.h"
#include "model/Razeni.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_ZamichanyModel(benchmark::State& state)
{
    const long n = state.range(0);
    for (auto _ : state) {
        lomvira::Model m;
        lomvira::Razeni razeni;
        for (long i = 0; i < n - 1; ++i) {
            const long k = (i * 7919) % (n - 1) + 1; // 7919 is prime to n - 1: a permutation
            std::string a = "R" + std::to_string(k), b = "R" + std::to_string(k + 1);
            bool novyA = false, novyB = false;
            const int sa = m.stations.AddStation(a, &novyA);
            const int sb = m.stations.AddStation(b, &novyB);
            int stavDvojice = (novyA ? 1 : 0) + (novyB ? 2 : 0);
            m.regions.AssignShotRegion(sa, sb, stavDvojice);
            m.shots.AddShot(sa, sb, 5.0, 0.1, 0.0, 2.5e-7, 3e-8, 3e-8);
        }
        m.regions.CompressRegions(m.stations.StationCount());
        m.regions.BuildRegionLists(m.stations.StationCount());
        for (int s = 1; s <= m.stations.StationCount(); ++s)
            razeni.Add(lomvira::Orizni(m.stations.GetStationName(s)), s);
        benchmark::DoNotOptimize(razeni.Item(1));
    }
    state.counters["stations"] = static_cast<double>(n);
}
BENCHMARK(BM_ZamichanyModel)->Arg(4000)->Arg(32000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
