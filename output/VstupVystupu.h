#pragma once
// What the output files are written from: the computed survey and what the notebook said
// about it. The application fills it from the open survey; tests and benchmarks build it
// themselves, so every writer is deterministic.

#include "coords/SourSystem.h"
#include "input/Nacti.h"
#include "model/Model.h"
#include "reports/SeznamMereni.h"

#include <string>
#include <vector>

namespace lomvira {

struct VerzeProgramu {
    int hlavni = 0;
    int vedlejsi = 0;
    int revize = 0;
};

struct VstupVystupu {
    const Model& model;
    const SeznamMereni& seznam;
    // The notebook's coordinate system (an undefined one before a load).
    SourSystem system;
    Lokalita lokalita;
    // The report comment shared with the printed reports.
    std::string komentar;
    // Names of the notebook's layers and places: entry k - 1 names the shots whose drawing
    // (viewer) style is k.
    std::vector<std::string> vrstvy;
    std::vector<std::string> mista;
    VerzeProgramu verze;
};

} // namespace lomvira
