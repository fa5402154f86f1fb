#pragma once
// Czech texts of the notebook's parse errors.

#include <string>

namespace lomvira {

class Platforma;

// The message of a parse error; "" for a number without one, after a message box that
// says so (when a platform is given).
std::string ChybaText(int number, Platforma* platforma = nullptr);

} // namespace lomvira
