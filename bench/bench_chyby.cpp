// The error analysis on generated surveys: the intensities of a large network and
// "Najdi chybu" over many loops. The survey is loaded and vectorised once, outside the
// timing; each iteration runs the analysis as the window's button does.
#include "app/Kontext.h"
#include "app/KontrolaChyb.h"
#include "app/NactiZapisnik.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace lomvira;

struct Pripravena {
    test::FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k{platforma, nastaveni};
};

std::unique_ptr<Pripravena> Priprav(const std::string& text)
{
    auto p = std::make_unique<Pripravena>();
    NactiZapisnik(p->k, text);
    Vectorize(p->k);
    return p;
}

void Spust(benchmark::State& state, const std::string& text, int smycek, bool najdi)
{
    const auto p = Priprav(text);
    if (p->k.stav.Stav != 2) {
        state.SkipWithError("the survey did not vectorise");
        return;
    }
    std::size_t radku = 0;
    for (auto _ : state) {
        KontrolaChyb kontrola(p->k);
        if (!(najdi ? kontrola.NajdiChybu() : kontrola.Intenzity()))
            state.SkipWithError("the analysis did not run");
        radku = kontrola.Radky().size();
        benchmark::DoNotOptimize(radku);
    }
    state.counters["stanic"] = static_cast<double>(p->k.model.stations.StationCount());
    state.counters["smycek"] = smycek;
    state.counters["radku"] = static_cast<double>(radku);
}

// Intensities: 30,000 stations, a loop closure every 100 stations.
void BM_Intenzity(benchmark::State& state)
{
    test::VolbyGeneratoru v;
    v.stanice = static_cast<int>(state.range(0));
    v.smyckaKazdych = static_cast<int>(state.range(1));
    const test::GenerovanaJeskyne g = test::GenerujJeskyni(v);
    Spust(state, g.text, g.pocetSmycek, false);
}
BENCHMARK(BM_Intenzity)->Args({30000, 100})->Unit(benchmark::kMillisecond);

// "Najdi chybu": 2,000 stations in a passage of 100 loops, each a group of its own, with
// a blunder in every tenth loop...
void BM_NajdiChybuSmycky(benchmark::State& state)
{
    test::VolbySmycek v;
    v.smycek = 100;
    v.zamerStrany = 8;
    v.zamerSpojky = 5;
    for (int s = 0; s < v.smycek; s += 10)
        v.omyly.push_back({s, s % 16, 'd', 0.5});
    const test::GenerovaneSmycky g = test::GenerujSmycky(v);
    Spust(state, g.jeskyne.text, g.jeskyne.pocetSmycek, true);
}
BENCHMARK(BM_NajdiChybuSmycky)->Unit(benchmark::kMillisecond);

// ...and 2,000 stations whose 100 loop closures make one large network.
void BM_NajdiChybuSit(benchmark::State& state)
{
    test::VolbyGeneratoru v;
    v.stanice = 2000;
    v.smyckaKazdych = 20;
    const test::GenerovanaJeskyne g = test::GenerujJeskyni(v);
    Spust(state, g.text, g.pocetSmycek, true);
}
BENCHMARK(BM_NajdiChybuSit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
