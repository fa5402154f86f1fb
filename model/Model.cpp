#include "model/Model.h"

#include <algorithm>

namespace lomvira {

namespace {

// Back to "loaded": the vectorisation and the computation must run again.
void ZpetNaNacteno(StavZpracovani& stav)
{
    stav.Stav = std::min<std::int16_t>(stav.Stav, 1);
}

} // namespace

void Model::Clear()
{
    stations.ClearStations();
    shots.ClearShots();
    regions.InitRegions();
    givenPoints.ClearGivenPoints();
    connections.Vyprazdni(0);
}

std::int32_t Model::StejneJmeno(int s, int g) const
{
    return stations.GetStationName(s) == givenPoints.GetGivenPoint(g).Name ? -1 : 0;
}

void Model::RebuildConnections()
{
    connections.Vyprazdni(regions.RegionCount());
    const int pocet = givenPoints.GivenPointCount();
    for (int g = 1; g <= pocet; ++g) {
        const CisloBodu s = stations.FindStation(givenPoints.GetGivenPoint(g).Name);
        const int r = regions.RegionOf(s);
        if (s != 0 && r != 0)
            connections.Vloz({s, g, -1, 0.0, 0.0, 0.0}, r);
    }
}

void Model::ConnectGivenPointsByName(StavZpracovani& stav)
{
    const int pocet = givenPoints.GivenPointCount();
    for (int g = 1; g <= pocet; ++g) {
        const CisloBodu s = stations.FindStation(givenPoints.GetGivenPoint(g).Name);
        if (s != 0)
            AddConnection(s, g, stav);
    }
}

bool Model::AddConnection(int s, int g, StavZpracovani& stav)
{
    if (s < 1 || s > stations.StationCount() || g < 1 || g > givenPoints.GivenPointCount())
        return false;
    if (const int i = connections.Najdi(s); i >= 0) {
        ConnectionRecord& c = connections.spojeni_[static_cast<std::size_t>(i)];
        if (c.GivenPoint == g)
            return false;
        // Another given point fixes the network differently: the groups built for the old
        // one are stale.
        c.GivenPoint = g;
        c.SameName = StejneJmeno(s, g);
        ZpetNaNacteno(stav);
        return true;
    }
    const int r = regions.RegionOf(s);
    if (r == 0)
        return false;
    connections.Vloz({s, g, StejneJmeno(s, g), 0.0, 0.0,
                      0.0},
                     r);
    ZpetNaNacteno(stav);
    return true;
}

void Model::DeleteConnection(int s, StavZpracovani& stav)
{
    if (const int i = connections.Najdi(s); i >= 0)
        connections.Odeber(static_cast<std::size_t>(i));
    ZpetNaNacteno(stav);
}

void Model::RemoveGivenPointFromConnections(int g, StavZpracovani& stav)
{
    std::size_t i = 0;
    while (i < connections.spojeni_.size()) {
        ConnectionRecord& c = connections.spojeni_[i];
        if (c.GivenPoint == g) {
            connections.Odeber(i); // the next one moves into place i
            continue;
        }
        if (c.GivenPoint > g)
            --c.GivenPoint;
        ++i;
    }
    // The groups refer to given points by number, and those numbers have moved.
    ZpetNaNacteno(stav);
}

void Model::DeleteGivenPoint(int n, Platforma& platforma, StavZpracovani& stav)
{
    if (n < 1 || n > givenPoints.GivenPointCount())
        return;
    platforma.StavovyRadek("Mazání daného bodu");
    givenPoints.RemoveGivenPoint(n);
    RemoveGivenPointFromConnections(n, stav);
}

} // namespace lomvira
