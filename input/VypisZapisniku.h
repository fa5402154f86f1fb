#pragma once
// The listing of a parsed notebook for the instruments pane: the instruments and
// declinations, then the coordinate system, the given points, the measurements and the
// stations as the parser holds them.

#include <string>

namespace lomvira {

class Nacti;

std::string VypisZapisniku(const Nacti& nacti);

} // namespace lomvira
