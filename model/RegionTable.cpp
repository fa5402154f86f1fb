#include "model/RegionTable.h"

#include <algorithm>
#include <utility>

namespace lomvira {

void RegionTable::InitRegions()
{
    pocetOblasti_ = 0;
    mnozinaStanice_.clear();
    mnoziny_.clear();
    mnozinaCisla_.clear();
    pocetBodu_ = 0;
    konecOblasti_.assign(1, 0);
    staniceOblasti_.clear();
    mistniCislo_.clear();
    natoceni_.clear();
}

void RegionTable::AssignShotRegion(int a, int b, int& state)
{
    const bool novyA = (state & 1) != 0 || RegionOf(a) == 0;
    const bool novyB = (state & 2) != 0 || RegionOf(b) == 0 || a == b;
    state = (novyA ? 1 : 0) + (novyB ? 2 : 0);
    if (state == 1) {
        std::swap(a, b);
        state = 2;
    }
    if (state == 0) {
        const int ra = RegionOf(a), rb = RegionOf(b);
        if (ra != rb)
            RenumberRegion(std::max(ra, rb), std::min(ra, rb));
    } else if (state == 2) {
        SetStationRegion(b, RegionOf(a));
    } else if (pocetOblasti_ < MaxCislo) {
        ++pocetOblasti_;
        SetStationRegion(a, pocetOblasti_);
        SetStationRegion(b, pocetOblasti_);
    }
}

CisloOblasti RegionTable::RegionOf(int station) const
{
    if (station < 1 || station > static_cast<int>(mnozinaStanice_.size()))
        return 0;
    const int id = mnozinaStanice_[static_cast<std::size_t>(station - 1)];
    return id < 0 ? 0 : mnoziny_[static_cast<std::size_t>(id)].cislo;
}

int RegionTable::Mnozina_(int region)
{
    if (const auto it = mnozinaCisla_.find(region); it != mnozinaCisla_.end())
        return it->second;
    mnoziny_.push_back({region, {}});
    const int id = static_cast<int>(mnoziny_.size()) - 1;
    mnozinaCisla_.emplace(region, id);
    return id;
}

void RegionTable::SetStationRegion(int station, int region)
{
    if (station < 1 || region < 0)
        return;
    if (station > static_cast<int>(mnozinaStanice_.size()))
        mnozinaStanice_.resize(static_cast<std::size_t>(station), -1);
    pocetBodu_ = std::max(pocetBodu_, station);
    int& id = mnozinaStanice_[static_cast<std::size_t>(station - 1)];
    if (region == 0) {
        id = -1;
        return;
    }
    id = Mnozina_(region);
    mnoziny_[static_cast<std::size_t>(id)].stanice.push_back(station);
}

void RegionTable::RenumberRegion(int oldRegion, int newRegion)
{
    const auto stary = mnozinaCisla_.find(oldRegion);
    if (oldRegion == newRegion || stary == mnozinaCisla_.end() || newRegion < 0)
        return;
    int mala = stary->second;
    mnozinaCisla_.erase(stary);
    const auto novy = mnozinaCisla_.find(newRegion);
    int velka = -1;
    if (newRegion != 0 && novy == mnozinaCisla_.end()) {
        mnoziny_[static_cast<std::size_t>(mala)].cislo = newRegion;
        mnozinaCisla_.emplace(newRegion, mala);
        return;
    }
    if (newRegion != 0) {
        velka = novy->second;
        if (mnoziny_[static_cast<std::size_t>(mala)].stanice.size()
            > mnoziny_[static_cast<std::size_t>(velka)].stanice.size()) {
            std::swap(mala, velka);
            mnoziny_[static_cast<std::size_t>(velka)].cislo = newRegion;
            novy->second = velka;
        }
    }
    std::vector<CisloBodu> presun = std::move(mnoziny_[static_cast<std::size_t>(mala)].stanice);
    mnoziny_[static_cast<std::size_t>(mala)].stanice.clear();
    for (const CisloBodu s : presun) {
        int& id = mnozinaStanice_[static_cast<std::size_t>(s - 1)];
        if (id != mala)
            continue; // moved to another region earlier
        id = velka;
        if (velka >= 0)
            mnoziny_[static_cast<std::size_t>(velka)].stanice.push_back(s);
    }
}

void RegionTable::CompressRegions(int stationCount)
{
    pocetBodu_ = std::max(pocetBodu_, std::max(stationCount, 0));
    std::vector<int> poradi;
    std::vector<bool> videno(static_cast<std::size_t>(pocetOblasti_) + 1, false);
    for (int s = 1; s <= stationCount; ++s) {
        const int r = RegionOf(s);
        if (r >= static_cast<int>(videno.size()))
            videno.resize(static_cast<std::size_t>(r) + 1, false);
        if (r != 0 && !videno[static_cast<std::size_t>(r)]) {
            videno[static_cast<std::size_t>(r)] = true;
            poradi.push_back(r);
        }
    }
    pocetOblasti_ = static_cast<CisloOblasti>(poradi.size());
    // Each region's number is the smallest of its parts, handed out in station order, so
    // the i-th region met has a number of at least i and renumbering never joins two.
    for (std::size_t i = 0; i < poradi.size(); ++i) {
        const int cislo = static_cast<int>(i + 1);
        if (poradi[i] != cislo)
            RenumberRegion(poradi[i], cislo);
    }
}

void RegionTable::BuildRegionLists(int stationCount)
{
    const int n = std::max(stationCount, 0);
    pocetBodu_ = std::max(pocetBodu_, n);
    const int pocet = pocetOblasti_;
    std::vector<int> konec(static_cast<std::size_t>(pocet) + 1, 0);
    for (int s = 1; s <= n; ++s) {
        const int r = RegionOf(s);
        if (r >= 1 && r <= pocet)
            ++konec[static_cast<std::size_t>(r)];
    }
    for (int r = 1; r <= pocet; ++r)
        konec[static_cast<std::size_t>(r)] += konec[static_cast<std::size_t>(r - 1)];
    konecOblasti_.assign(konec.begin(), konec.end());
    staniceOblasti_.assign(static_cast<std::size_t>(konec.back()), 0);
    mistniCislo_.assign(static_cast<std::size_t>(n), 0);
    std::vector<int> dalsi(konec.begin(), konec.end() - 1); // next free position per region
    for (int s = 1; s <= n; ++s) {
        const int r = RegionOf(s);
        if (r < 1 || r > pocet)
            continue;
        int& pozice = dalsi[static_cast<std::size_t>(r - 1)];
        staniceOblasti_[static_cast<std::size_t>(pozice)] = s;
        ++pozice;
        mistniCislo_[static_cast<std::size_t>(s - 1)] =
            pozice - konec[static_cast<std::size_t>(r - 1)];
    }
}

std::int32_t RegionTable::RegionStationCount(int r) const
{
    if (r == 0)
        return pocetBodu_;
    if (r < 1 || r >= static_cast<int>(konecOblasti_.size()))
        return 0;
    return konecOblasti_[static_cast<std::size_t>(r)] - konecOblasti_[static_cast<std::size_t>(r - 1)];
}

CisloBodu RegionTable::GetRegionStation(int r, int k) const
{
    if (k < 1 || k > RegionStationCount(r))
        return 0;
    if (r == 0)
        return k;
    return staniceOblasti_[static_cast<std::size_t>(konecOblasti_[static_cast<std::size_t>(r - 1)] + k - 1)];
}

std::int32_t RegionTable::StationLocalNumber(int station) const
{
    if (station < 1 || station > static_cast<int>(mistniCislo_.size()))
        return 0;
    return mistniCislo_[static_cast<std::size_t>(station - 1)];
}

double RegionTable::GetRegionRotation(int r) const
{
    if (r < 1 || r > static_cast<int>(natoceni_.size()))
        return 0.0;
    return natoceni_[static_cast<std::size_t>(r - 1)];
}

void RegionTable::SetRegionRotation(int r, double angle)
{
    if (r < 1 || r > pocetOblasti_)
        return;
    if (r > static_cast<int>(natoceni_.size()))
        natoceni_.resize(static_cast<std::size_t>(r), 0.0);
    natoceni_[static_cast<std::size_t>(r - 1)] = angle;
}

} // namespace lomvira
