#pragma once
// Czech texts of the notebook's parse errors.

#include <string>

namespace lomvira {

class Platforma;

// Error numbers of the notebook beyond the classic table: a value that cannot be a
// measurement, more stations than the model holds, a line longer than the reader holds,
// more shots than the model holds.
inline constexpr int ChybaHodnoty = 8;
inline constexpr int ChybaPoctuBodu = 9;
inline constexpr int ChybaDelkyRadku = 10;
inline constexpr int ChybaPoctuZamer = 11;
// One shot measured more often than the model counts.
inline constexpr int ChybaPoctuMereni = 13;
// A date that is no date: DATUM of 0 or none, a declination's date that is no calendar day.
inline constexpr int ChybaDatumu = 1401;

// The message of a parse error; "" for a number without one, after a message box that
// says so (when a platform is given).
std::string ChybaText(int number, Platforma* platforma = nullptr);

} // namespace lomvira
