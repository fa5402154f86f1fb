// The whole pipeline on generated cave surveys: load, vectorisation and computation.
#include "app/Vypocet.h"
#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

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
