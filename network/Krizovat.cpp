#include "network/Krizovat.h"

#include "common/Platforma.h"
#include "model/Model.h"

#include <cmath>
#include <utility>

namespace lomvira {

namespace {

std::size_t Idx(int i)
{
    return static_cast<std::size_t>(i);
}

} // namespace

void Krizovat::Clear()
{
    groups_.clear();
    regionGroupEnd_.assign(1, 0);
    groupStations_.clear();
    groupShots_.clear();
    groupRefs_.clear();
    shotPlacement_.clear();
    adjacencyEnd_.assign(1, 0);
    adjacency_.clear();
}

bool Krizovat::PlatnaOblast(int r) const
{
    return r >= 1 && r < static_cast<int>(regionGroupEnd_.size());
}

CisloSkupiny Krizovat::GroupCount(int r) const
{
    if (!PlatnaOblast(r))
        return static_cast<std::int32_t>(groups_.size());
    return static_cast<std::int32_t>(regionGroupEnd_[Idx(r)] - regionGroupEnd_[Idx(r - 1)]);
}

CisloSkupiny Krizovat::GlobalGroup(int r, int g) const
{
    if (g < 1 || !PlatnaOblast(r))
        return static_cast<std::int32_t>(g);
    return static_cast<std::int32_t>(regionGroupEnd_[Idx(r - 1)] + g);
}

int Krizovat::Global(int r, int g) const
{
    if (g < 1)
        return 0;
    if (g > GroupCount(r))
        return -1;
    return PlatnaOblast(r) ? regionGroupEnd_[Idx(r - 1)] + g : g;
}

int Krizovat::GroupKind(int r, int g) const
{
    const int gg = Global(r, g);
    return gg < 1 ? std::int32_t{-1} : groups_[Idx(gg - 1)].Kind;
}

CisloBodu Krizovat::GroupStart(int r, int g) const
{
    const int gg = Global(r, g);
    return gg < 1 ? std::int32_t{0} : groups_[Idx(gg - 1)].Start;
}

void Krizovat::RozsahZamer(int r, int gg, int& first, int& last) const
{
    auto konec = [this](int n) { return n < 1 ? 0 : groups_[Idx(n - 1)].ShotEnd; };
    first = last = 0;
    if (gg > 0) {
        first = konec(gg - 1);
        last = konec(gg);
    } else if (gg == 0 && PlatnaOblast(r)) {
        first = konec(regionGroupEnd_[Idx(r - 1)]);
        last = konec(regionGroupEnd_[Idx(r)]);
    } else if (gg == 0) {
        last = static_cast<int>(groupShots_.size());
    }
}

std::int32_t Krizovat::GroupShotCount(int r, int g) const
{
    int first = 0, last = 0;
    RozsahZamer(r, Global(r, g), first, last);
    return static_cast<std::int32_t>(last - first);
}

GroupShot Krizovat::GetGroupShotEntry(int r, int g, int k) const
{
    int first = 0, last = 0;
    RozsahZamer(r, Global(r, g), first, last);
    if (k < 1 || k > last - first)
        return {};
    return groupShots_[Idx(first + k - 1)];
}

CisloZamery Krizovat::GetGroupShot(int r, int g, int k) const
{
    return GetGroupShotEntry(r, g, k).SignedShot;
}

GroupShotValues Krizovat::GetGroupShotValues(int r, int g, int k) const
{
    const int gg = Global(r, g);
    const GroupShot e = GetGroupShotEntry(r, g, k);
    if (e.SignedShot == 0)
        return {};
    const ShotValues v = model_.shots.GetShot(e.SignedShot);
    GroupShotValues out{e.FromPos, e.ToPos, e.SignedShot, v.L, v.Az, v.Inc};
    if (gg < 1) {
        // GetShot has already turned the ends round for a negative shot.
        out.From = model_.regions.StationLocalNumber(v.From);
        out.To = model_.regions.StationLocalNumber(v.To);
    } else if (e.SignedShot < 0) {
        std::swap(out.From, out.To);
    }
    return out;
}

std::int32_t Krizovat::GroupStationCount(int r, int g) const
{
    const int gg = Global(r, g);
    if (gg < 0)
        return 0;
    if (gg == 0)
        return PlatnaOblast(r) ? model_.regions.RegionStationCount(r) : model_.stations.StationCount();
    const int first = gg < 2 ? 0 : groups_[Idx(gg - 2)].StationEnd;
    return static_cast<std::int32_t>(groups_[Idx(gg - 1)].StationEnd - first);
}

CisloBodu Krizovat::GetGroupStation(int r, int g, int k) const
{
    const int gg = Global(r, g);
    if (gg < 0 || k < 1 || k > GroupStationCount(r, g))
        return 0;
    if (gg == 0)
        return PlatnaOblast(r) ? model_.regions.GetRegionStation(r, k) : static_cast<std::int32_t>(k);
    const int first = gg < 2 ? 0 : groups_[Idx(gg - 2)].StationEnd;
    return groupStations_[Idx(first + k - 1)];
}

std::int32_t Krizovat::GroupRefCount(int r, int g) const
{
    const int gg = Global(r, g);
    if (gg < 0)
        return 0;
    if (gg == 0)
        return PlatnaOblast(r) ? model_.connections.RegionConnectionCount(r)
                               : model_.connections.ConnectionCount();
    const int first = gg < 2 ? 0 : groups_[Idx(gg - 2)].RefEnd;
    return static_cast<std::int32_t>(groups_[Idx(gg - 1)].RefEnd - first);
}

GroupRef Krizovat::Get_ZBod_OS(int r, int g, int k) const
{
    const int gg = Global(r, g);
    if (!PlatnaOblast(r) || gg < 1) {
        platforma_.ZpravaBox("?Krizovat.Get_ZBod_OS?", MsgBox::OkOnly);
        return {};
    }
    if (k < 1 || k > GroupRefCount(r, g))
        return {};
    const int first = gg < 2 ? 0 : groups_[Idx(gg - 2)].RefEnd;
    return groupRefs_[Idx(first + k - 1)];
}

double Krizovat::Delka(int r, int g, bool prostorova) const
{
    int first = 0, last = 0;
    RozsahZamer(r, Global(r, g), first, last);
    double soucet = 0.0;
    for (int i = first; i < last; ++i) {
        const ShotRecord z = model_.shots.GetShotRecord(groupShots_[Idx(i)].SignedShot);
        const StationRecord a = model_.stations.GetStation(z.From);
        const StationRecord b = model_.stations.GetStation(z.To);
        const double dx = b.X - a.X, dy = b.Y - a.Y, dz = prostorova ? b.Z - a.Z : 0.0;
        soucet += std::sqrt(dx * dx + dy * dy + dz * dz);
    }
    return soucet;
}

double Krizovat::GroupLength2D(int r, int g) const
{
    return Delka(r, g, false);
}

double Krizovat::GroupLength3D(int r, int g) const
{
    return Delka(r, g, true);
}

ShotPlacementRecord Krizovat::GetShotPlacement(int k) const
{
    if (k < 1 || k > static_cast<int>(shotPlacement_.size()))
        return {};
    return shotPlacement_[Idx(k - 1)];
}

std::int32_t Krizovat::Degree(int s) const
{
    if (s < 1 || s >= static_cast<int>(adjacencyEnd_.size()))
        return 0;
    return static_cast<std::int32_t>(adjacencyEnd_[Idx(s)] - adjacencyEnd_[Idx(s - 1)]);
}

CisloBodu Krizovat::Neighbour(int s, int k) const
{
    if (k < 1 || k > Degree(s))
        return 0;
    return adjacency_[Idx(adjacencyEnd_[Idx(s - 1)] + k - 1)];
}

} // namespace lomvira
