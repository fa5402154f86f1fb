#pragma once
// Notebook dates: the integer yyyymmdd of the DATUM command as a calendar date.

#include <cstdint>
#include <string>

namespace lomvira {

struct KalendarniDatum {
    std::int64_t rok = 0;
    int mesic = 1; // 1..12
    int den = 1;   // 1..31
};

// The calendar date of yyyymmdd. Month and day out of their range roll over as on a real
// calendar: month 15 of 2003 is March 2004, day 32 of January is 1 February, month 0 is
// the December before and day 0 the last day of the month before.
KalendarniDatum DatumKalendar(std::int32_t yyyymmdd);

// True when yyyymmdd names a real day: a year from 1, a month 1..12 and a day that month has.
bool JePlatneDatum(std::int32_t yyyymmdd);

// The date as "d.m.yyyy" (for example 15.3.2024); "neznámé" when the integer is not positive.
std::string DatumText(std::int32_t yyyymmdd);

} // namespace lomvira
