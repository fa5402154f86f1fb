// Writing every output format for a computed survey of 30,000 stations.
#include "app/DataVystupu.h"
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Soubory.h"
#include "output/Mapy.h"
#include "output/TypVystupu.h"
#include "support/FakePlatforma.h"
#include "support/Generator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

using namespace lomvira;

// The survey computed once, then moved into the S-JTSK grid (so that the maps can be drawn)
// and squeezed into 600 m (so that the viewer's 1.2 format can hold it).
struct Pruzkum {
    test::FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k{platforma, nastaveni};
    std::unique_ptr<VstupVystupu> vstup;
    std::string slozka;

    Pruzkum()
    {
        test::VolbyGeneratoru v;
        v.stanice = 30000;
        v.smyckaKazdych = 45;
        v.danychBodu = 3;
        NactiZapisnik(k, test::GenerujJeskyni(v).text);
        Vectorize(k);
        SpustVypocet(k);
        StationTable& body = k.model.stations;
        const CoordinateExtremes e = body.GetCoordinateExtremes();
        const double meritko = 600.0 / std::max({e.Xmax - e.Xmin, e.Ymax - e.Ymin, e.Zmax - e.Zmin});
        for (int s = 1; s <= body.StationCount(); ++s) {
            const StationRecord p = body.GetStation(s);
            body.SetStationCoordinates(s, -745000.0 + (p.X - e.Xmin) * meritko, -1045000.0 + (p.Y - e.Ymin) * meritko,
                                       400.0 + (p.Z - e.Zmin) * meritko);
        }
        vstup = std::make_unique<VstupVystupu>(DataVystupu(k));
        vstup->system.Nastav(0.0, true, 2, 1, true, 0, 0, {}, 1, 0);
        slozka = (std::filesystem::temp_directory_path() / "lomvira-bench-vystupy").string();
        std::filesystem::create_directories(slozka);
    }
};

Pruzkum& Data()
{
    static Pruzkum p;
    return p;
}

void BM_Zapis(benchmark::State& state)
{
    Pruzkum& p = Data();
    const int typ = static_cast<int>(state.range(0));
    state.SetLabel(TypyVystupu[static_cast<std::size_t>(typ)].prikaz);
    const std::string jmeno = p.slozka + "/vystup." + TypyVystupu[static_cast<std::size_t>(typ)].prikaz;
    MoznostiDXF dxf;
    for (auto _ : state) {
        const std::string chyba = ZapisVystup(typ, jmeno, *p.vstup, dxf, p.platforma);
        if (!chyba.empty())
            state.SkipWithError(chyba.c_str());
    }
    state.counters["stanic"] = p.k.model.stations.StationCount();
    state.counters["bajtu"] =
        static_cast<double>(std::filesystem::file_size(SouborVystupu(typ, jmeno)));
}
BENCHMARK(BM_Zapis)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// The maps' share: every station from S-JTSK to WGS-84.
void BM_PolohyWGS84(benchmark::State& state)
{
    Pruzkum& p = Data();
    std::vector<PolohaWGS84> polohy;
    std::string chyba;
    for (auto _ : state) {
        if (!PolohyWGS84(*p.vstup, polohy, chyba))
            state.SkipWithError(chyba.c_str());
        benchmark::DoNotOptimize(polohy.data());
    }
}
BENCHMARK(BM_PolohyWGS84)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
