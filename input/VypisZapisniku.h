#pragma once
// The listing of a parsed notebook for the instruments pane: the instruments and
// declinations, then the coordinate system, the given points, the measurements and the
// stations as the parser holds them.

#include <string>
#include <vector>

namespace lomvira {

class Nacti;

// A measurement line of the listing.
struct MereniVypisu {
    std::string od, k;
    double delka = 0, azimut = 0, sklon = 0; // as written
    double odchylka = 0, deklinace = 0;      // radians
};

// With the measurement records the parser kept.
std::string VypisZapisniku(const Nacti& nacti);
// With the measurements given apart, for a parse that handed its records on.
std::string VypisZapisniku(const Nacti& nacti, const std::vector<MereniVypisu>& mereni);

} // namespace lomvira
