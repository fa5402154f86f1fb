#pragma once
// The vectorised network: every region of the survey cut into groups that the adjustment
// computes one after another. A group is a network (loops, or a path between fixed
// points) to adjust, an open traverse to carry from its start, or a dead end (side shots)
// carried from the station where it hangs.
//
// Order of the groups within a region: every group after the first has a reference entry
// at a given point or at a station of an earlier group, so computing the groups in order
// always starts from known coordinates. The shots of an open traverse or a dead end run as
// a chain from its start station (position 1), each signed in the direction walked.
//
// Numbers follow the model: regions, groups and positions are counted from 1; a group
// number g is the group's number within its region, a global number counts all groups.
// Out of range means r outside 1..RegionCount or g outside 1..GroupCount(r); a region out
// of range makes g a global group number, and g < 1 asks about the whole region (or, with
// r out of range, about everything).

#include "model/ShotTable.h"
#include "model/Typy.h"

#include <cstdint>
#include <vector>

namespace lomvira {

class StavZpracovani;
struct Model;
class Platforma;

// Group kinds, shown as "R", "P", "S" ("N" for -1).
inline constexpr int SkupinaRajon = 0; // dead end, side shots
inline constexpr int SkupinaPorad = 1; // open traverse
inline constexpr int SkupinaSit = 2;   // network: closes a loop or ends on fixed points

// The automatic given point of a region that has none.
inline constexpr const char* JmenoPocatku = "POCATEK";

struct GroupRecord {
    std::int32_t ShotEnd = 0; // cumulative end in the group shots
    int Kind = 0;
    std::int32_t StationEnd = 0; // cumulative end in the group stations
    std::int32_t RefEnd = 0;     // cumulative end in the group references
    CisloBodu Start = 0;      // start station, position 1 of the group
};

// One shot of a group: its ends as positions in the group's station list in the shot's
// stored direction, and the shot number, negative when walked against that direction.
struct GroupShot {
    std::int32_t FromPos = 0;
    std::int32_t ToPos = 0;
    CisloZamery SignedShot = 0;
};

// A reference entry: a position in the group's station list and what fixes it there: a
// station (computed by an earlier group) when positive, minus a given point number when
// negative.
struct GroupRef {
    std::int32_t RefPosition = 0;
    CisloDanehoBodu RefPoint = 0;
};

struct ShotPlacementRecord {
    CisloOblasti Region = 0;
    CisloSkupiny Group = 0; // within the region
};

// A group shot oriented along its sign: From and To are where the walk went from and to,
// and L, Az, Inc are the mean values in that direction (GetShot of the signed shot).
struct GroupShotValues {
    CisloBodu From = 0;
    CisloBodu To = 0;
    CisloZamery Shot = 0;
    double L = 0.0;
    double Az = 0.0;
    double Inc = 0.0;
};

class Krizovat {
public:
    Krizovat(const Model& model, Platforma& platforma) : model_(model), platforma_(platforma) {}
    Krizovat(const Krizovat&) = delete;
    Krizovat& operator=(const Krizovat&) = delete;

    // Forgets the groups and the adjacency (before a new load or a new run).
    void Clear();

    // Number of groups of region r; all groups when r is out of range.
    CisloSkupiny GroupCount(int r) const;
    // Global number of group g of region r (g itself when g < 1 or r is out of range).
    CisloSkupiny GlobalGroup(int r, int g) const;
    // Kind of the group; -1 when g is out of range.
    int GroupKind(int r, int g) const;
    // Start station of the group; 0 when g is out of range.
    CisloBodu GroupStart(int r, int g) const;

    // Shots of the group; g < 1: of the region (of all groups when r is out of range).
    std::int32_t GroupShotCount(int r, int g) const;
    // Signed shot of the k-th entry; 0 when out of range.
    CisloZamery GetGroupShot(int r, int g, int k) const;
    // The k-th entry as stored (FromPos/ToPos in the stored direction).
    GroupShot GetGroupShotEntry(int r, int g, int k) const;
    // The k-th shot oriented along its sign. From and To are positions in the group; with
    // g < 1 they are the ends' numbers within their region.
    GroupShotValues GetGroupShotValues(int r, int g, int k) const;

    // Stations of the group; g < 1: of the region (all stations when r is out of range).
    std::int32_t GroupStationCount(int r, int g) const;
    // Station at position k; g < 1: the k-th station of the region (k itself when r is out
    // of range); 0 when out of range.
    CisloBodu GetGroupStation(int r, int g, int k) const;

    // Reference entries of the group, in ascending position order (the solver takes its
    // fixed nodes in that order); g < 1: the region's connections (all connections when r is
    // out of range).
    std::int32_t GroupRefCount(int r, int g) const;
    // The k-th reference entry; a bad r or g shows "?Krizovat.Get_ZBod_OS?" and gives {0, 0},
    // a k outside the group's entries gives {0, 0}.
    GroupRef Get_ZBod_OS(int r, int g, int k) const;

    // Sum over the shots (g < 1: of the region or all) of the horizontal or the spatial
    // distance between the present coordinates of their ends; 0 when g is out of range.
    double GroupLength2D(int r, int g) const;
    double GroupLength3D(int r, int g) const;

    // Region and group (within the region) of shot k; {0, 0} out of range or before a run.
    ShotPlacementRecord GetShotPlacement(int k) const;

    // Shots at station s (the measured network without connections); 0 for s out of range.
    std::int32_t Degree(int s) const;
    // The k-th neighbour of s in shot-table order; 0 out of range.
    CisloBodu Neighbour(int s, int k) const;

private:
    friend class Vektorizace;
    friend void SestavUzly(Krizovat& sit);

    // Global group number, 0 for g < 1 (the whole region), -1 when g is out of range.
    int Global(int r, int g) const;
    bool PlatnaOblast(int r) const;
    // Half-open range [first, last) of the entries of group gg, of region r (gg = 0) or of
    // all (gg = 0, r out of range); empty for gg = -1.
    void RozsahZamer(int r, int gg, int& first, int& last) const;
    double Delka(int r, int g, bool prostorova) const;

    const Model& model_;
    Platforma& platforma_;

    std::vector<GroupRecord> groups_;             // global group n is groups_[n - 1]
    std::vector<std::int32_t> regionGroupEnd_{0}; // RegionGroupEnd[0..R]
    std::vector<CisloBodu> groupStations_;
    std::vector<GroupShot> groupShots_;
    std::vector<GroupRef> groupRefs_;
    std::vector<ShotPlacementRecord> shotPlacement_; // shot n is shotPlacement_[n - 1]

    // The measured network in compressed rows: the neighbours of s are
    // adjacency_[adjacencyEnd_[s - 1] .. adjacencyEnd_[s] - 1].
    std::vector<std::int32_t> adjacencyEnd_{0};
    std::vector<CisloBodu> adjacency_;
};

// Builds the adjacency of the measured network (Degree, Neighbour) after a load.
void SestavUzly(Krizovat& sit);

// Cuts every region into groups. Runs only when a notebook has been loaded (Stav at least
// 1) and no other long operation runs; on success Stav becomes 2. A region without a
// connection to a given point is first connected to the given point "POCATEK" at 0, 0, 0.
// The added start point is reported when dotazy (the option DOTAZY) is above 1.
void Vectorize(Model& model, Krizovat& sit, StavZpracovani& stav, Platforma& platforma, int dotazy);

} // namespace lomvira
