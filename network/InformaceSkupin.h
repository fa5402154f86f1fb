#pragma once
// What the group information window shows: the shot deviations after an adjustment, and
// the texts that describe a group, its degree of adjustment and a region's rotation.

#include "coords/SourSystem.h"
#include "model/Model.h"
#include "network/Krizovat.h"

#include <string>
#include <vector>

namespace lomvira {

struct ShotDeviation {
    int Kind = 0;        // kind of the shot's group
    int Adjusted = 0;    // -1 when the deviations were computed (network groups)
    double DevLength = 0.0;
    double DevAzimuth = 0.0;
    double DevInclination = 0.0;
};

// One entry per shot (shot k at k - 1): for the shots of network groups, the adjusted
// coordinates against the measured means; for the others only their group's kind. The
// stations lie in the frame of the notebook's system, turned against the measured one.
std::vector<ShotDeviation> ComputeShotDeviations(const Model& model, const Krizovat& sit,
                                                 const SourSystem& soustava);

// "Skupina " g " " and the kind's letter.
std::string PopisSkupiny(int g, int kind);
// How many shots other networks over n stations would have, to compare with m.
std::string StupenVyrovnani(int n, int m);
// The spatial and the horizontal length of a group.
std::string TextDelky(double prostorova, double vodorovna);
// The rotation of region r, or of all regions (r = 0) when they share one; `jednotky` is
// JednotkaStupne or JednotkaGrady.
std::string TextNatoceni(const RegionTable& oblasti, int r, int jednotky);
// The deviations of one shot after the adjustment.
std::string TextOdchylek(const ShotDeviation& d, int jednotky);

} // namespace lomvira
