#pragma once
// The instrument listing: every tape, compass and clinometer with its settings and use,
// the compass deviations and the declinations, lines ended by CR LF.

#include <string>

namespace lomvira {

class MeridlaStav;

// "MĚŘIDLA:" and the tapes, compasses, clinometers and declinations of a parse.
std::string VypisMeridel(const MeridlaStav& meridla);

// An angle in the given unit as "##0.00##" (two to four decimals, "." as the mark) with
// the unit's mark, and in degrees also as " (=" degrees, minutes, seconds ")".
std::string UhelVeVypisu(double radiany, int jednotky);

} // namespace lomvira
