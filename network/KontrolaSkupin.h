#pragma once
// The invariants of a vectorised network, checked through the same read operations the
// adjustment uses. Run by the tests on every network they build, and by debug builds after
// each vectorisation.

#include <string>
#include <vector>

namespace lomvira {

class Krizovat;
struct Model;

// One line per broken invariant; empty when the network is sound:
// - every shot stands in exactly one group, of the region of its stations, and its
//   placement names that group;
// - a group's first station is its start; its stations are distinct stations of its region,
//   each the start or an end of one of its shots, numbered in the order first met; every
//   shot's positions name its stored ends;
// - every group has a reference entry; the entries are in ascending position order within
//   the group's stations; a given point entry sits on a station connected to that point, a
//   station entry on that very station, computed by an earlier group of the region;
// - a network group refers to every connected station it holds (to its start when it holds
//   none); an open traverse or dead end has the single entry at position 1 and its shots
//   run as a chain from there.
std::vector<std::string> KontrolujSkupiny(const Krizovat& sit, const Model& model);

} // namespace lomvira
