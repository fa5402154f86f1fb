#pragma once
// The computation: turns the vectorised network into station coordinates. Regions may be
// turned onto their given points first; network groups are adjusted by least squares,
// the other groups are carried along their shots; at the end every station is brought
// into the notebook's coordinate system.

#include <string>
#include <vector>

namespace lomvira {

struct Kontext;
class Platforma;

// One computed direction against its target vector, weighted by the computed length.
struct DvojiceNatoceni {
    double vaha = 0;    // length of the computed vector
    double azimut = 0;  // direction of the computed vector, radians
    double cilX = 0;    // the target vector
    double cilY = 0;
};

// The rotation that turns the computed directions onto the target vectors in the least
// squares sense. 0 for no pairs; a fit that does not settle is reported to the user and
// its last value returned.
double RotationFit(std::vector<DvojiceNatoceni> dvojice, Platforma& platforma);

// Runs the computation when the network is vectorised (Stav 2); on success Stav is 3.
// Returns "" or the reason the computation stopped (already told to the user).
std::string SpustVypocet(Kontext& k);

} // namespace lomvira
