#pragma once
// The command "export": computes the notebook and writes one of the output files, exactly
// as the coordinate save dialog's choice writes it.

#include "cli/CliPlatforma.h"

#include <string>
#include <vector>

namespace lomvira::cli {

// export SOUBOR.mer --format F -o VÝSTUP [--view ...] [--scale ...] [--unit ...]
//        [--point-size MM] [--label-height MM] [--comment TEXT]
int PrikazExport(Prostredi& env, const std::vector<std::string>& args);

} // namespace lomvira::cli
