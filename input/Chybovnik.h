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

// The message of a parse error; "" for a number without one, after a message box that
// says so (when a platform is given).
std::string ChybaText(int number, Platforma* platforma = nullptr);

} // namespace lomvira
