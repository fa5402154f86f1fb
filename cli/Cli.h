#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lomvira::cli {

// Exit codes.
inline constexpr int Uspech = 0;
inline constexpr int ChybaPouziti = 1;
inline constexpr int ChybaZapisniku = 2;

int Spust(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace lomvira::cli
