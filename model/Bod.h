#pragma once
// A named point with three coordinates, as the notebook side of the model passes it around.

#include <string>

namespace lomvira {

struct Bod {
    std::string Name;
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

// The point record that the coordinate transformation fills: a name and the three
// coordinates in the order and with the signs of the output system.
struct ZBod {
    std::string Name;
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

} // namespace lomvira
