#include "Pruzkumy.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace lomvira::bench {

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Mereni {
    double delka, azimut, sklon; // metres, degrees
};

Mereni Zmer(const Poloha& a, const Poloha& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double h = std::hypot(dx, dy);
    double az = std::atan2(dx, dy) * 180.0 / Pi; // clockwise from north
    if (az < 0)
        az += 360.0;
    return {std::hypot(h, dz), az, std::atan2(dz, h) * 180.0 / Pi};
}

std::string Cisla(double a, double b, double c, int desetinnych)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.*f %.*f %.*f", desetinnych, a, desetinnych, b, desetinnych, c);
    return buf;
}

std::string Radek(const Pruzkum& p, const std::pair<int, int>& z)
{
    const Mereni m = Zmer(p.body[static_cast<std::size_t>(z.first)], p.body[static_cast<std::size_t>(z.second)]);
    return Jmeno(z.first) + " " + Jmeno(z.second) + " " + Cisla(m.delka, m.azimut, m.sklon, 4);
}

} // namespace

std::string Jmeno(int i)
{
    return "B" + std::to_string(i + 1);
}

Pruzkum Jeskyne(int stanic, int mistniKazdych, int dalekych, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    Pruzkum p;
    p.body.reserve(static_cast<std::size_t>(stanic));
    p.body.push_back({-745000.0, -1045000.0, 450.0});
    std::vector<int> rodic(1, -1);
    int tip = 0;
    double smer = 0;
    for (int i = 1; i < stanic; ++i) {
        if (uni(rng) < 1.0 / 15.0)
            tip = static_cast<int>(uni(rng) * i);
        smer += (uni(rng) - 0.5) * 1.2;
        const double delka = 2.0 + uni(rng) * 10.0, sklon = (uni(rng) - 0.5) * 0.8;
        const Poloha& a = p.body[static_cast<std::size_t>(tip)];
        p.body.push_back({a.x + delka * std::cos(smer) * std::cos(sklon), a.y + delka * std::sin(smer) * std::cos(sklon),
                          a.z + delka * std::sin(sklon)});
        p.zamery.push_back({tip, i});
        rodic.push_back(tip);
        if (mistniKazdych > 0 && i % mistniKazdych == 0) {
            int jiny = tip;
            for (int k = 1 + static_cast<int>(uni(rng) * 12); k > 0 && rodic[static_cast<std::size_t>(jiny)] >= 0; --k)
                jiny = rodic[static_cast<std::size_t>(jiny)];
            if (jiny != tip)
                p.zamery.push_back({i, jiny});
        }
        tip = i;
    }
    for (int k = 0; k < dalekych; ++k) {
        const int a = static_cast<int>(uni(rng) * stanic), b = static_cast<int>(uni(rng) * stanic);
        if (a != b)
            p.zamery.push_back({a, b});
    }
    p.dane = {0, stanic / 2};
    return p;
}

Pruzkum Dul(int strana, bool nahodne, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> posun(-0.5, 0.5);
    Pruzkum p;
    for (int r = 0; r < strana; ++r)
        for (int c = 0; c < strana; ++c)
            p.body.push_back({-745000.0 + 10.0 * c + posun(rng), -1045000.0 + 10.0 * r + posun(rng), 300.0 + posun(rng)});
    for (int r = 0; r < strana; ++r)
        for (int c = 0; c < strana; ++c) {
            const int i = r * strana + c;
            if (c + 1 < strana)
                p.zamery.push_back({i, i + 1});
            if (r + 1 < strana)
                p.zamery.push_back({i, i + strana});
        }
    if (nahodne)
        std::shuffle(p.zamery.begin(), p.zamery.end(), rng);
    p.dane = {0, strana * strana - 1};
    return p;
}

std::string Zapisnik(const Pruzkum& p)
{
    std::string s = "# Synthetic survey for timing: " + std::to_string(p.body.size()) + " stations, "
                    + std::to_string(p.zamery.size()) + " shots\r\n";
    for (const int d : p.dane) {
        const Poloha& b = p.body[static_cast<std::size_t>(d)];
        s += "* " + Jmeno(d) + " " + Cisla(b.x, b.y, b.z, 3) + "\r\n";
    }
    for (const auto& z : p.zamery)
        s += Radek(p, z) + "\r\n";
    return s;
}

std::string Svx(const Pruzkum& p)
{
    std::string s = "; Synthetic survey for timing: " + std::to_string(p.body.size()) + " stations\n*begin\n";
    for (const int d : p.dane) {
        const Poloha& b = p.body[static_cast<std::size_t>(d)];
        s += "*fix " + Jmeno(d) + " " + Cisla(b.x, b.y, b.z, 3) + "\n";
    }
    s += "*data normal from to tape compass clino\n";
    for (const auto& z : p.zamery)
        s += Radek(p, z) + "\n";
    return s + "*end\n";
}

} // namespace lomvira::bench
