#pragma once
// Regions: the connected parts of the survey network. Each station gets the number of its
// region while the shots are loaded; at the end of the load the numbers are compressed to
// 1..R and the stations are listed region by region.

#include "model/Typy.h"
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lomvira {

class RegionTable {
public:
    // No regions, no station assigned, no rotations.
    void InitRegions();
    // Puts the two ends of one shot into a common region. `state` tells which ends are new:
    // 1 for a, 2 for b, 3 for both. A station without a region counts as new whatever the
    // state says, so that a shot from a station to itself still gets a region. On return
    // state is 2 when only a was new (the ends are exchanged so that a is the old one).
    void AssignShotRegion(int a, int b, int& state);
    // Renumbers the regions 1..R in the order of their first station among 1..stationCount.
    void CompressRegions(int stationCount);
    // Lists the stations 1..stationCount region by region, ascending within each region.
    void BuildRegionLists(int stationCount);

    CisloOblasti RegionCount() const { return pocetOblasti_; }
    // 0 while unassigned or out of range.
    CisloOblasti RegionOf(int station) const;
    // Region 0 leaves the station unassigned.
    void SetStationRegion(int station, int region);
    // Every station of the old region gets the new number (joining the new region when that
    // one has stations already).
    void RenumberRegion(int oldRegion, int newRegion);
    // r = 0: the number of all stations; r outside 0..R: 0.
    std::int32_t RegionStationCount(int r) const;
    // k-th station of region r (k itself for r = 0); 0 for k outside the region's count.
    CisloBodu GetRegionStation(int r, int k) const;
    // Position of the station within its region (1-based), 0 when not listed.
    std::int32_t StationLocalNumber(int station) const;
    // Rotation angle of the region written by the adjustment; 0 when never set.
    double GetRegionRotation(int r) const;
    void SetRegionRotation(int r, double angle);

private:
    // Stations of one region number. Renumbering relabels a whole set at once and a merge
    // moves the smaller set into the larger, so loading stays fast however the shots of a
    // large notebook are ordered.
    struct Mnozina {
        CisloOblasti cislo = 0;
        std::vector<CisloBodu> stanice; // may hold stations that have moved on since
    };
    int Mnozina_(int region); // set id of the region number, created when missing

    CisloOblasti pocetOblasti_ = 0;
    std::vector<int> mnozinaStanice_; // set id per station - 1, -1 when unassigned
    std::vector<Mnozina> mnoziny_;
    std::unordered_map<int, int> mnozinaCisla_; // region number -> set id
    int pocetBodu_ = 0;

    std::vector<std::int32_t> konecOblasti_{0}; // RegionStationEnd[0..R]
    std::vector<CisloBodu> staniceOblasti_;  // RegionStations, 0-based positions
    std::vector<std::int32_t> mistniCislo_;     // StationLocalNumber per station - 1
    std::vector<double> natoceni_;              // rotation per region - 1
};

} // namespace lomvira
