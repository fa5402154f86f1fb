// Parsing generated notebooks of 1k to 32k stations and the real survey; loading whole
// notebooks of 30k and 300k stations into the model, in megabytes of notebook a second.
//
//   bench_nacti --zapisnik SOUBOR N   writes the generated notebook of N stations instead,
//                                     for timing `lomvira-cli load` on the same text.
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "common/Nastaveni.h"
#include "common/Soubory.h"
#include "input/Nacti.h"
#include "support/Generator.h"
#include "support/FakePlatforma.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

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

// A notebook as surveyors write one: a head of commands, a passage with side branches,
// loop closures measured back, a comment every 50 lines, a dated day every 1000 stations
// and a station note with a layer now and then. Station names are B1..Bn.
std::string GenerujZapisnik(int stanic)
{
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    std::string t = "! LOKALITA = \"Generovana jeskyne\" \"1-234\"\r\n"
                    "! DATUM = 20240512\r\n"
                    "! DELKOMER = ( PASMO  # ocelove pasmo\r\n!  ZPUSOB = SIKMA\r\n!  PRESNOST = 0.5\r\n  )\r\n"
                    "! DEKLINACE = 4.5/D, 20240101, 0.1\r\n"
                    "! POLYGON = HLAVNI\r\n"
                    "* B1 1000.000 2000.000 500.000\r\n";
    t.reserve(static_cast<std::size_t>(stanic) * 42);
    char radek[160];
    int tip = 1;
    for (int i = 2; i <= stanic; ++i) {
        if (uni(rng) < 1.0 / 15)
            tip = 1 + static_cast<int>(uni(rng) * (i - 1));
        const double d = 2 + uni(rng) * 10, az = uni(rng) * 360, inc = (uni(rng) - 0.5) * 60;
        if (i % 50 == 0) {
            std::snprintf(radek, sizeof radek, "# usek %d, sintrova vyzdoba\r\n", i);
            t += radek;
        }
        const char* poznamka = i % 97 == 0 ? " B=\"pod komin\" P=BOCNI" : "";
        std::snprintf(radek, sizeof radek, "B%d B%d %.3f %.2f %.2f%s\r\n", tip, i, d, az, inc, poznamka);
        t += radek;
        if (i % 8 == 0 && tip > 3) {
            std::snprintf(radek, sizeof radek, "B%d B%d %.3f %.2f %.2f\r\n", i, tip - 2, d, az, inc);
            t += radek;
        }
        if (i % 1000 == 0) {
            std::snprintf(radek, sizeof radek, "! DATUM = %d\r\n", 20240513 + (i / 1000) % 20);
            t += radek;
        }
        tip = i;
    }
    return t;
}

void BM_NactiDoModelu(benchmark::State& state)
{
    const std::string text = GenerujZapisnik(static_cast<int>(state.range(0)));
    lomvira::test::FakePlatforma platforma;
    lomvira::PametoveNastaveni nastaveni;
    for (auto _ : state) {
        lomvira::Kontext k(platforma, nastaveni);
        lomvira::NactiZapisnik(k, text);
        if (k.posledniChybaNacteni != 0)
            state.SkipWithError("the notebook has an error");
        benchmark::DoNotOptimize(k.model.stations.StationCount());
    }
    state.counters["stations"] = static_cast<double>(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_NactiDoModelu)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--zapisnik") == 0) {
        std::ofstream(argv[2], std::ios::binary) << GenerujZapisnik(std::atoi(argv[3]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
