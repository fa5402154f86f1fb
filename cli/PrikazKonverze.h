#pragma once
// The command "convert": one point between geographic coordinates and S-JTSK.

#include "cli/CliPlatforma.h"

#include <string>
#include <vector>

namespace lomvira::cli {

// convert to-jtsk ŠÍŘKA DÉLKA | to-geo X Y, with [--meridian ferro|greenwich|wgs84] [--height H].
int PrikazKonverze(Prostredi& env, const std::vector<std::string>& args);

} // namespace lomvira::cli
