#pragma once
// Starting a program as a separate process: its arguments go to it as they are, no shell
// between, so blanks, quotes and shell characters arrive intact.

#include <string>
#include <vector>

namespace lomvira {

// "" or the Czech reason the program could not be started.
std::string SpustOddelene(const std::string& program, const std::vector<std::string>& args);

} // namespace lomvira
