#pragma once
// The command "errors": the error analysis of the notebook's network groups.

#include "cli/CliPlatforma.h"

#include <string>
#include <vector>

namespace lomvira::cli {

// errors SOUBOR.mer                      the intensity of every shot of the network groups
// errors SOUBOR.mer --differences OD:DO ...  the differences of the cross-links of those shots
// errors SOUBOR.mer --find               the most likely faulty cross-link of every group
int PrikazChyby(Prostredi& env, const std::vector<std::string>& args);

} // namespace lomvira::cli
