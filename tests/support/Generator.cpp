#include "support/Generator.h"

#include "common/Cisla.h"

#include <cmath>
#include <random>
#include <vector>

namespace lomvira::test {

namespace {

std::string Jmeno(int i)
{
    return "B" + std::to_string(i);
}

// Distance, azimuth and inclination (degrees) of the shot a -> b.
void Mereni(const BodPravdy& a, const BodPravdy& b, double& d, double& az, double& inc)
{
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double h = std::sqrt(dx * dx + dy * dy);
    d = std::sqrt(h * h + dz * dz);
    // A compass azimuth runs clockwise from the second axis (north).
    az = NormalizeAngle(PI / 2.0 - std::atan2(dy, dx)) * 180.0 / PI;
    inc = std::atan2(dz, h) * 180.0 / PI;
}

} // namespace

std::string RadekZamery(const BodPravdy& a, const BodPravdy& b, double posunAzimutu, int desetinnych)
{
    double d, az, inc;
    Mereni(a, b, d, az, inc);
    return a.name + " " + b.name + " " + FormatCislo(d, desetinnych) + " "
           + FormatCislo(NormalizeAngle((az + posunAzimutu) / 180.0 * PI) * 180.0 / PI, desetinnych) + " "
           + FormatCislo(inc, desetinnych) + "\r\n";
}

GenerovanaJeskyne GenerujJeskyni(const VolbyGeneratoru& v)
{
    std::mt19937 rng(v.seed);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    GenerovanaJeskyne g;
    g.stanice.reserve(v.stanice);
    g.stanice.push_back({Jmeno(1), v.pocatekX, v.pocatekY, v.pocatekZ});

    std::string lines;
    auto shot = [&](int from, int to) {
        lines += RadekZamery(g.stanice[from], g.stanice[to], v.posunAzimutu, v.desetinnych);
        ++g.pocetZamer;
    };

    std::vector<int> rodic(1, -1); // the station each one was surveyed from
    int tip = 0;         // the station the passage grows from
    double heading = 0;  // radians, drifts slowly like a passage
    for (int i = 1; i < v.stanice; ++i) {
        if (v.odbockaKazdych > 0 && uni(rng) < 1.0 / v.odbockaKazdych)
            tip = static_cast<int>(uni(rng) * i); // a side branch from an older station
        heading += (uni(rng) - 0.5) * 1.2;
        const double len = 2.0 + uni(rng) * 10.0;
        const double inc = (uni(rng) - 0.5) * 0.8;
        const BodPravdy& a = g.stanice[tip];
        g.stanice.push_back({Jmeno(i + 1), a.x + len * std::cos(heading) * std::cos(inc),
                             a.y + len * std::sin(heading) * std::cos(inc), a.z + len * std::sin(inc)});
        shot(tip, i);
        rodic.push_back(tip);
        // Loop closures join the new station to one a few stations back along its own
        // passage, as a surveyor closes a loop round a pillar or an oxbow.
        if (v.smyckaKazdych > 0 && i % v.smyckaKazdych == 0) {
            int other = tip;
            const int kroku = 1 + static_cast<int>(uni(rng) * 12);
            for (int krok = 0; krok < kroku && rodic[static_cast<std::size_t>(other)] >= 0; ++krok)
                other = rodic[static_cast<std::size_t>(other)];
            if (other != tip) {
                shot(i, other);
                ++g.pocetSmycek;
            }
        }
        tip = i;
    }

    std::string head = "# Synthetic survey: " + std::to_string(v.stanice) + " stations\r\n" + v.hlavicka;
    const int given = std::min<int>(v.danychBodu, static_cast<int>(g.stanice.size()));
    for (int k = 0; k < given; ++k) {
        // Given points spread over the survey; the notebook frame equals the computation frame here.
        const BodPravdy& p = g.stanice[static_cast<std::size_t>(k) * g.stanice.size() / given];
        if (v.radekDanehoBodu)
            head += v.radekDanehoBodu(p);
        else
            head += "* " + p.name + " " + FormatCislo(p.x, 6) + " " + FormatCislo(p.y, 6) + " " + FormatCislo(p.z, 6)
                    + "\r\n";
    }
    g.text = head + lines;
    return g;
}

GenerovaneSmycky GenerujSmycky(const VolbySmycek& v)
{
    std::mt19937 rng(v.seed);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    GenerovaneSmycky out;
    GenerovanaJeskyne& g = out.jeskyne;
    out.radkyOmylu.assign(v.omyly.size(), 0);
    g.stanice.push_back({Jmeno(1), 0.0, 0.0, 0.0});
    std::string lines;
    int radek = 1; // the comment line comes first
    auto novy = [&](double x, double y, double z) {
        g.stanice.push_back({Jmeno(static_cast<int>(g.stanice.size()) + 1), x, y, z});
        return static_cast<int>(g.stanice.size()) - 1;
    };
    auto shot = [&](int from, int to, int smycka, int zamera) {
        double d, az, inc;
        Mereni(g.stanice[static_cast<std::size_t>(from)], g.stanice[static_cast<std::size_t>(to)], d, az, inc);
        ++radek;
        for (std::size_t i = 0; i < v.omyly.size(); ++i) {
            const OmylZamery& o = v.omyly[i];
            if (o.smycka != smycka || o.zamera != zamera)
                continue;
            (o.velicina == 'd' ? d : o.velicina == 'a' ? az : inc) += o.velikost;
            out.radkyOmylu[i] = radek;
        }
        lines += g.stanice[static_cast<std::size_t>(from)].name + " " + g.stanice[static_cast<std::size_t>(to)].name +
                 " " + FormatCislo(d, 9) + " " + FormatCislo(NormalizeAngle(az / 180.0 * PI) * 180.0 / PI, 9) + " " +
                 FormatCislo(inc, 9) + "\r\n";
        ++g.pocetZamer;
    };
    int j = 0;
    double heading = 0.0;
    for (int s = 0; s < v.smycek; ++s) {
        heading += (uni(rng) - 0.5) * 1.0;
        const BodPravdy a = g.stanice[static_cast<std::size_t>(j)];
        const double len = 4.0 * v.zamerStrany * (0.8 + 0.4 * uni(rng));
        const double ch = std::cos(heading), sh = std::sin(heading);
        const int k = novy(a.x + len * ch, a.y + len * sh, a.z + (uni(rng) - 0.5) * 4.0);
        const BodPravdy b = g.stanice[static_cast<std::size_t>(k)];
        // The two sides bulge out to the left and to the right of the pillar.
        int zamera = 0;
        for (double strana : {1.0, -1.0}) {
            int predchozi = j;
            for (int i = 1; i < v.zamerStrany; ++i) {
                const double t = static_cast<double>(i) / v.zamerStrany;
                const double bok = strana * (2.0 + 3.0 * uni(rng)) * std::sin(PI * t);
                const int p = novy(a.x + (b.x - a.x) * t - sh * bok, a.y + (b.y - a.y) * t + ch * bok,
                                   a.z + (b.z - a.z) * t + (uni(rng) - 0.5) * 2.0);
                shot(predchozi, p, s, zamera++);
                predchozi = p;
            }
            shot(predchozi, k, s, zamera++);
        }
        ++g.pocetSmycek;
        // On to the next loop.
        j = k;
        for (int i = 0; i < v.zamerSpojky; ++i) {
            const BodPravdy& p = g.stanice[static_cast<std::size_t>(j)];
            const double h = heading + (uni(rng) - 0.5) * 1.0, d = 3.0 + 6.0 * uni(rng);
            const int q = novy(p.x + d * std::cos(h), p.y + d * std::sin(h), p.z + (uni(rng) - 0.5) * 2.0);
            shot(j, q, -1, -1);
            j = q;
        }
    }
    g.text = "# Synthetic loops: " + std::to_string(v.smycek) + " loops\r\n" + lines;
    return out;
}

} // namespace lomvira::test
