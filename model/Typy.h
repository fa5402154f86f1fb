#pragma once
// The numbers of the survey's records: stations, shots, regions, groups and given points
// are counted from 1 and 0 means none; a shot number is negative for the shot walked
// against its stored direction (stored from the smaller station number to the larger).
// They are 32-bit so that only memory limits the size of a survey.

#include <cstdint>
#include <limits>

namespace lomvira {

using CisloBodu = std::int32_t;       // a station
using CisloZamery = std::int32_t;     // a shot, signed
using CisloOblasti = std::int32_t;    // a region
using CisloSkupiny = std::int32_t;    // a group, global or within its region
using CisloDanehoBodu = std::int32_t; // a given point

// The largest number a record can have; counts beyond it are refused.
inline constexpr std::int32_t MaxCislo = std::numeric_limits<std::int32_t>::max();

} // namespace lomvira
