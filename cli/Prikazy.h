#pragma once
// The CLI's commands: each gets its arguments after the command word and returns the
// exit status.

#include "cli/Cli.h"
#include "cli/CliPlatforma.h"

#include <string>
#include <vector>

namespace lomvira {
struct Kontext;
}

namespace lomvira::cli {

int PrikazMeridla(Prostredi& env, const std::vector<std::string>& args);
int PrikazNacteni(Prostredi& env, const std::vector<std::string>& args);
int PrikazVypisMereni(Prostredi& env, const std::vector<std::string>& args);
int PrikazSkupiny(Prostredi& env, const std::vector<std::string>& args);
int PrikazVypocet(Prostredi& env, const std::vector<std::string>& args);

// Reads and loads the notebook into the context; on an error the load's message has been
// told and the line number follows on standard error.
bool NactiDoKontextu(Prostredi& env, const std::string& path, Kontext& k);

// Shared by the commands: the notebook file read as the program reads it, or a message
// on standard error.
bool CtiZapisnikCli(Prostredi& env, const std::string& path, std::string& text);
// Line ends as the terminal expects them.
std::string BezCR(const std::string& text);

} // namespace lomvira::cli
