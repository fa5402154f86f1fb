#pragma once
// The station lines of the "Body" panel and of the CLI: the name and the three output
// coordinates in fixed columns, and the header that describes the coordinate system.

#include "model/Bod.h"

#include <optional>
#include <string>
#include <vector>

namespace lomvira {

struct Model;
class Razeni;
class SourSystem;

// Marks of the user's locale for the listings.
struct FormatCisel {
    char desetinny = '.';
    std::string tisice = ",";
};

// A number with thousands grouping and a fixed number of decimals ("#,##0.000").
std::string CisloSeSkupinami(double value, int decimals, const FormatCisel& f);

// One station line: name (10 characters), the three output coordinates right-aligned in
// 13, 13 and 10 characters, and when given the height relative to the reference.
std::string RadekBodu(const std::string& jmeno, const ZBod& z, std::optional<double> relativni,
                      const FormatCisel& f);

// What the station lines are made of: the model, the notebook's coordinate system (none
// before a load), the natural order of the names, and whether a computation has finished.
struct ZdrojBodu {
    const Model& model;
    const SourSystem* system;
    const Razeni& razeni;
    bool spocteno;
};

// The lines of the stations of region r (all regions for r < 1), in station order or in
// natural name order; until a computation has finished, the names alone. Relative
// heights are added when asked for and the system has a height reference (a level or a
// station).
std::vector<std::string> VypisBodu(const ZdrojBodu& z, int r, bool abecedne, bool relativni, const FormatCisel& f);

// "Souřadný systém: ..." and the column header.
std::vector<std::string> HlavickaBodu(const SourSystem* system, bool relativni);

} // namespace lomvira
