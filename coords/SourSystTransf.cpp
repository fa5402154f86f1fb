#include "coords/SourSystTransf.h"

#include <cmath>

namespace lomvira {

void SourSystTransf::Create(const SourSystem& system)
{
    system_ = system;
    poradi_ = 0;
    cos_ = std::cos(system.Natoceni());
    sin_ = std::sin(system.Natoceni());
    popisky_ = Popisky(system_, poradi_);
    z_ = Vystup(g_);
}

Bod SourSystTransf::GeogrToKart(const Bod& p) const
{
    return {p.Name, p.X * cos_ - p.Y * sin_, p.X * sin_ + p.Y * cos_, p.Z};
}

Bod SourSystTransf::KartToGeogr(const Bod& p) const
{
    return {p.Name, p.X * cos_ + p.Y * sin_, -p.X * sin_ + p.Y * cos_, p.Z};
}

lomvira::ZBod SourSystTransf::Vystup(const Bod& g) const
{
    if (system_.JTSK()) {
        if (EfektivniPoradi(system_, poradi_) == 1)
            return {g.Name, -g.X, -g.Y, g.Z};
        return {g.Name, -g.Y, -g.X, g.Z};
    }
    // A left-handed own system counts its second axis the other way round; without this
    // its given points would be mirrored against the measured shots.
    return {g.Name, g.X, g.Y * system_.SLev(), g.Z};
}

Bod SourSystTransf::ZVystupu(const lomvira::ZBod& z) const
{
    if (system_.JTSK()) {
        if (EfektivniPoradi(system_, poradi_) == 1)
            return {z.Name, -z.X, -z.Y, z.Z};
        return {z.Name, -z.Y, -z.X, z.Z};
    }
    return {z.Name, z.X, z.Y * system_.SLev(), z.Z};
}

void SourSystTransf::NastavGBod(const Bod& p)
{
    g_ = p;
    k_ = GeogrToKart(p);
    z_ = Vystup(g_);
}

void SourSystTransf::NastavKBod(const Bod& p)
{
    k_ = p;
    g_ = KartToGeogr(p);
    z_ = Vystup(g_);
}

void SourSystTransf::NastavZBod(const lomvira::ZBod& z)
{
    NastavGBod(ZVystupu(z));
}

void SourSystTransf::Poradi(int poradi)
{
    if (poradi == poradi_)
        return;
    poradi_ = poradi;
    popisky_ = Popisky(system_, poradi_);
    z_ = Vystup(g_);
}

} // namespace lomvira
