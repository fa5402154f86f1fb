#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lomvira::cli {

// Exit codes.
inline constexpr int Uspech = 0;
inline constexpr int ChybaPouziti = 1;
inline constexpr int ChybaZapisniku = 2;

// `konecProcesu`: the process ends right after the command, so the command's survey may be
// left for the system to take back instead of being freed piece by piece.
int Spust(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool konecProcesu = false);

} // namespace lomvira::cli
