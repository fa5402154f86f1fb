#pragma once
// Reads back a coordinate file of the program's own format (see SouradnicoveSoubory.h) as a
// source of given points: its coordinate system and its points as the file writes them.

#include "coords/SourSystem.h"
#include "model/Bod.h"

#include <optional>
#include <string>
#include <vector>

namespace lomvira {

struct ZdrojSouradnic {
    std::string soubor;     // the file's path, which names the source
    int typ = 1;            // 1 own system, 2 S-JTSK, 3 S-JTSK with X before Y
    double natoceni = 0.0;  // the network's rotation in radians, as the notebook states it
    bool bpv = false;
    std::vector<ZBod> body; // in the file's order of axes
};

// Parses the text of a file; nullopt with the Czech reason (naming `soubor` and the line)
// when it is not such a file.
std::optional<ZdrojSouradnic> CtiSou(const std::string& text, const std::string& soubor, std::string& chyba);
std::optional<ZdrojSouradnic> CtiSouSoubor(const std::string& path, std::string& chyba);

// Whether the points of the source may be given points of a notebook in that system: S-JTSK
// with S-JTSK, an own system (or none) with an own system.
bool KompatibilniSoustava(const SourSystem& zapisnik, const ZdrojSouradnic& zdroj);

// A point of the source in the notebook's frame (the frame of the given point table).
Bod BodZeZdroje(const SourSystem& zapisnik, const ZdrojSouradnic& zdroj, const ZBod& z);

} // namespace lomvira
