#pragma once
// The CLI's commands: each gets its arguments after the command word and returns the
// exit status.

#include "cli/Cli.h"
#include "cli/CliPlatforma.h"

#include <string>
#include <vector>

namespace lomvira::cli {

int PrikazMeridla(Prostredi& env, const std::vector<std::string>& args);

// Shared by the commands: the notebook file read as the program reads it, or a message
// on standard error.
bool CtiZapisnikCli(Prostredi& env, const std::string& path, std::string& text);
// Line ends as the terminal expects them.
std::string BezCR(const std::string& text);

} // namespace lomvira::cli
