// Vectorisation of generated surveys of 1k to 32k stations, and of the real survey. The
// notebook is loaded once; each iteration vectorises the loaded model again.
#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <benchmark/benchmark.h>

namespace {

void Vektorizuj(benchmark::State& state, const std::string& text)
{
    lomvira::test::FakePlatforma platforma;
    lomvira::PametoveNastaveni nastaveni;
    lomvira::Kontext k(platforma, nastaveni);
    lomvira::NactiZapisnik(k, text);
    if (!k.stav.JeNacteno()) {
        state.SkipWithError("the notebook did not load");
        return;
    }
    for (auto _ : state) {
        lomvira::Vectorize(k);
        if (!k.stav.JeVektorizovano())
            state.SkipWithError("the vectorisation failed");
        platforma.status.clear();
        benchmark::DoNotOptimize(k.sit.GroupCount(0));
    }
    state.counters["stations"] = k.model.stations.StationCount();
    state.counters["shots"] = k.model.shots.ShotCount();
    state.counters["groups"] = k.sit.GroupCount(0);
}

// Arguments: stations, one loop-closing shot per this many stations.
void BM_VektorizujGenerovany(benchmark::State& state)
{
    lomvira::test::VolbyGeneratoru v;
    v.stanice = static_cast<int>(state.range(0));
    v.smyckaKazdych = static_cast<int>(state.range(1));
    v.danychBodu = 3;
    Vektorizuj(state, lomvira::test::GenerujJeskyni(v).text);
}
BENCHMARK(BM_VektorizujGenerovany)
    ->Args({1000, 100})
    ->Args({4000, 100})
    ->Args({16000, 100})
    ->Args({32000, 100})
    ->Args({28000, 8}) // thousands of loops
    ->Unit(benchmark::kMillisecond);

// Based on cave survey data collected 1982-2015, CPC, WRCPC, RRCPC.
void BM_VektorizujDowProvidence(benchmark::State& state)
{
    const auto r = lomvira::NactiZapisnik(LOMVIRA_TEST_DATA "/dowprov.mer");
    if (!r.ok) {
        state.SkipWithError("the real survey is missing");
        return;
    }
    Vektorizuj(state, r.text);
}
BENCHMARK(BM_VektorizujDowProvidence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
