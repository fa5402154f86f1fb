#pragma once
// The desktop program's command line: [--settings FILE] [NOTEBOOK].

#include <optional>
#include <string>
#include <vector>

namespace lomvira {

inline constexpr const char* PouzitiProgramu = "Použití: lomvira [--settings SOUBOR] [zápisník.mer]";

struct ArgumentyProgramu {
    std::optional<std::string> nastaveni; // INI file used instead of the user's settings
    std::string zapisnik;                 // the notebook as written, quotes and all
    bool napoveda = false;
    std::string chyba; // a usage error in Czech; empty when the line is fine
};

// The arguments after the program name (Qt's own options already removed). A settings
// file that exists but cannot be read as one (a folder, a FIFO, no permission) is a usage
// error.
ArgumentyProgramu RozeberArgumenty(const std::vector<std::string>& args);

} // namespace lomvira
