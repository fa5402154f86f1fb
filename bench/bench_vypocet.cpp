// The whole pipeline on generated cave surveys: load, vectorisation and computation.
#include "app/Vypocet.h"
#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"
#include "Pruzkumy.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lomvira;

void Pipeline(benchmark::State& state, const std::string& text, bool vypocet)
{
    for (auto _ : state) {
        test::FakePlatforma platforma;
        PametoveNastaveni nastaveni;
        Kontext k(platforma, nastaveni);
        NactiZapisnik(k, text);
        Vectorize(k);
        if (vypocet)
            SpustVypocet(k);
        if (k.stav.Stav != (vypocet ? 3 : 2))
            state.SkipWithError("the pipeline did not finish");
        benchmark::DoNotOptimize(k.model.stations.StationCount());
    }
}

// Shots are numbered in 16 bits too, so 32,000 stations leave room for about 760 loop
// closures; 28,000 stations take 3,500.
std::string Jeskyne(int stanice, int smyckaKazdych)
{
    test::VolbyGeneratoru v;
    v.stanice = stanice;
    v.smyckaKazdych = smyckaKazdych;
    v.danychBodu = 3;
    return test::GenerujJeskyni(v).text;
}

void BM_NactiAVektorizuj(benchmark::State& state)
{
    Pipeline(state, Jeskyne(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), false);
}
BENCHMARK(BM_NactiAVektorizuj)
    ->Args({4000, 45})->Args({8000, 45})->Args({16000, 45})->Args({32000, 45})->Args({28000, 8})
    ->Unit(benchmark::kMillisecond);

void BM_NactiVektorizujSpocti(benchmark::State& state)
{
    Pipeline(state, Jeskyne(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), true);
}
BENCHMARK(BM_NactiVektorizujSpocti)
    ->Args({4000, 45})->Args({8000, 45})->Args({16000, 45})->Args({32000, 45})->Args({28000, 8})
    ->Unit(benchmark::kMillisecond);

// The surveys bench/compare.sh times against the yardstick: load, vectorisation and
// computation in one go.
void BM_Pruzkum(benchmark::State& state, const bench::Pruzkum& pruzkum)
{
    Pipeline(state, bench::Zapisnik(pruzkum), true);
    state.counters["stations"] = static_cast<double>(pruzkum.body.size());
    state.counters["shots"] = static_cast<double>(pruzkum.zamery.size());
}
BENCHMARK_CAPTURE(BM_Pruzkum, jeskyne_30k_daleke_smycky, bench::Jeskyne(30000, 0, 300, 1))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, dul_70_nahodne, bench::Dul(70, true, 3))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, dul_100_radky, bench::Dul(100, false, 4))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, dul_100_nahodne, bench::Dul(100, true, 5))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, jeskyne_4k, bench::Jeskyne(4000, 10, 0, 6))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, jeskyne_32k, bench::Jeskyne(32000, 10, 0, 7))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pruzkum, jeskyne_300k, bench::Jeskyne(300000, 10, 0, 8))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Based on cave survey data collected 1982-2015, CPC, WRCPC, RRCPC.
void BM_DowProvidence(benchmark::State& state)
{
    const auto r = NactiZapisnik(LOMVIRA_TEST_DATA "/dowprov.mer");
    if (!r.ok) {
        state.SkipWithError("the real survey is missing");
        return;
    }
    Pipeline(state, r.text, true);
}
BENCHMARK(BM_DowProvidence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
