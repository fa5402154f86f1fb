#pragma once
// The printed survey protocol: the title sheet, the measurement table, the point table and
// the profile table, drawn on a page surface in this fixed order. Every section starts on
// a fresh page and ends with a page break.

#include "reports/VypisBodu.h"

#include <string>

namespace lomvira {

class Krizovat;
class Nacti;
class Platforma;
class PlochaTisku;
class Razeni;
class SeznamMereni;
struct Model;

// Which sections are printed.
struct CastiTisku {
    bool titulniList = true;
    bool tabulkaMereni = true;
    bool tabulkaBodu = true;
    bool tabulkaProfilu = true;

    bool Zadna() const { return !titulniList && !tabulkaMereni && !tabulkaBodu && !tabulkaProfilu; }
};

// What the protocol is printed from. `nacti` is the parser of the last load (locality,
// coordinate system, given points as written); `spocteno` tells whether the station table
// holds the coordinates of a finished computation.
struct PodkladyTisku {
    const Model& model;
    const Krizovat& sit;
    const SeznamMereni& seznam;
    const Razeni& razeni;
    const Nacti* nacti;
    bool spocteno;
};

// The values one print run shares between its sections.
struct BehTisku {
    explicit BehTisku(Platforma& p) : platforma(p) {}

    Platforma& platforma;            // the status line "Tiskne se N. stránka"
    std::string pismoProp = "Times New Roman CE"; // titles and the title sheet's centred block
    std::string pismoTab = "Courier New CE";      // headers, tables and values
    std::string komentar;            // the report comment, trimmed
    std::string casovaZnacka;        // date " - " time, in the user's short forms
    std::string soubor;              // the notebook's file name
    FormatCisel format;              // decimal mark and digit grouping of the user's locale
    int strana = 0;                  // the page counter
};

// Prints the chosen sections and ends the document. The page counter starts at 0. Returns
// "" or the reason the document could not be finished.
std::string TiskniProtokol(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh, const CastiTisku& casti);

void TiskTitulniList(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh);
void TiskTabulkaMereni(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh);
void TiskTabulkaBodu(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh);
void TiskTabulkaProfilu(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh);

// The program's name and its version (major.minor), as the header strip names it.
std::string ProgramSVerzi();

} // namespace lomvira
