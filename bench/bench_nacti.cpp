// Parsing generated notebooks of 1k to 32k stations, and the real survey.
#include "common/Nastaveni.h"
#include "common/Soubory.h"
#include "input/Nacti.h"
#include "support/Generator.h"
#include "support/FakePlatforma.h"

#include <benchmark/benchmark.h>

namespace {

void Parsuj(benchmark::State& state, const std::string& text)
{
    lomvira::test::FakePlatforma platforma;
    lomvira::Volby volby;
    for (auto _ : state) {
        lomvira::Nacti nacti(platforma, volby);
        nacti.Zapisnik(text);
        nacti.Interaktivni = false;
        nacti.Zpracuj();
        if (nacti.IsError())
            state.SkipWithError("the notebook has an error");
        benchmark::DoNotOptimize(nacti.MereniCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ParsujGenerovany(benchmark::State& state)
{
    lomvira::test::VolbyGeneratoru v;
    v.stanice = static_cast<int>(state.range(0));
    v.smyckaKazdych = 8;
    const auto jeskyne = lomvira::test::GenerujJeskyni(v);
    state.counters["stations"] = v.stanice;
    Parsuj(state, jeskyne.text);
}
BENCHMARK(BM_ParsujGenerovany)->Arg(1000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)
    ->Unit(benchmark::kMillisecond);

// Based on cave survey data collected 1982-2015, CPC, WRCPC, RRCPC.
void BM_ParsujDowProvidence(benchmark::State& state)
{
    const auto r = lomvira::NactiZapisnik(LOMVIRA_TEST_DATA "/dowprov.mer");
    if (!r.ok) {
        state.SkipWithError("the real survey is missing");
        return;
    }
    Parsuj(state, r.text);
}
BENCHMARK(BM_ParsujDowProvidence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
