#pragma once
// What the output files of the open survey are written from.

#include "output/VstupVystupu.h"

namespace lomvira {

struct Kontext;

// The survey, the notebook's system, locality, layer and place names, the report comment
// and the program's version.
VstupVystupu DataVystupu(const Kontext& k);

// The program's version (major, minor, revision).
VerzeProgramu Verze();

} // namespace lomvira
