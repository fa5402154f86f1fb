// Redrawing the plan and section display: 30,000 stations and 30,000 shots projected,
// turned into shapes and painted into an image of a window's size, as every wheel step,
// pan or turning drag does.
#include "app/Zobraz.h"
#include "app/ui/KresleniPolygonu.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using namespace lomvira;

// A winding passage of n stations, 5 m a shot, closed back to its start.
ScenaPolygonu Jeskyne(int n)
{
    ScenaPolygonu s;
    std::mt19937 nahoda(7);
    std::uniform_real_distribution<double> smer(-0.6, 0.6), sklon(-0.3, 0.3);
    double x = 0, y = 0, z = 0, azimut = 0;
    for (int i = 1; i <= n; ++i) {
        s.stanice.push_back({"S" + std::to_string(i), x, y, z});
        azimut += smer(nahoda);
        const double i0 = sklon(nahoda);
        x += 5 * std::cos(azimut) * std::cos(i0);
        y += 5 * std::sin(azimut) * std::cos(i0);
        z += 5 * std::sin(i0);
        if (i < n)
            s.zamery.push_back({i, i + 1, i});
    }
    s.zamery.push_back({1, n, n});
    s.mereniBodu.assign(static_cast<std::size_t>(n), 0);
    return s;
}

struct Okno {
    Okno()
    {
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
        obraz.fill(Qt::white);
    }
    int argc = 1;
    char jmeno[8] = "bench";
    char* argv[2] = {jmeno, nullptr};
    std::unique_ptr<QGuiApplication> app;
    QImage obraz{1200, 900, QImage::Format_ARGB32_Premultiplied};
};

void BM_Prekresleni(benchmark::State& state)
{
    Okno okno;
    Zobraz z;
    z.vrstvy.barvaPodleVysky = state.range(1) != 0;
    z.NastavScenu(Jeskyne(static_cast<int>(state.range(0))));
    const Platno p = PlatnoZarizeni(okno.obraz, 1200, 900, '.');
    z.ZoomNaVse(p);
    for (auto _ : state) {
        // A step of a turning drag: the projection, the shapes and the painting.
        z.Otoc(0, 0.01);
        okno.obraz.fill(Qt::white);
        QPainter painter(&okno.obraz);
        VykresliObraz(painter, z.Kresli(p));
    }
    state.counters["stations"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_Prekresleni)->Args({30000, 0})->Args({30000, 1})->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_Tvary(benchmark::State& state)
{
    Okno okno;
    Zobraz z;
    z.NastavScenu(Jeskyne(30000));
    const Platno p = PlatnoZarizeni(okno.obraz, 1200, 900, '.');
    z.ZoomNaVse(p);
    for (auto _ : state)
        benchmark::DoNotOptimize(z.Kresli(p));
}
BENCHMARK(BM_Tvary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
