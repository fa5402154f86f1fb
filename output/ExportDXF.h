#pragma once
// The survey as an ASCII DXF drawing: the adjusted traverse, the stations and given points
// with their names, and every measurement of the notebook as a control line. Three
// dimensional, or projected onto one of the coordinate planes.

#include "common/Nastaveni.h"
#include "output/VstupVystupu.h"

#include <array>
#include <string>
#include <string_view>

namespace lomvira {

class Platforma;

inline constexpr const char* SekceDXF = "DXFOUT";

// The drawing's options, kept in the settings store's section "DXFOUT".
struct MoznostiDXF {
    double jednotky = 1.0;     // output unit factor f: 1 m, 0.1 dm, 0.01 cm, 0.001 mm ...
    double meritko = 0.01;     // drawing scale s (1 : 100 is 0.01)
    int pohled = 0;            // view V: 0 three-dimensional, 1 plan (X, Y), 2 (X, Z), 3 (Y, Z)
    double velikostBodu = 2.0; // point size P on paper, mm
    double vyskaPisma = 2.0;   // label height H on paper, mm
    int typBodu = 0;           // point display mode of the header ($PDMODE)
};

struct JednotkaDXF {
    const char* nazev;
    double faktor;
};
// The unit list of the options dialog, in its order.
inline constexpr std::array<JednotkaDXF, 6> JednotkyDXF{{
    {"m", 1.0}, {"dm", 0.1}, {"cm", 0.01}, {"mm", 0.001}, {"stopy", 0.3048}, {"palce", 0.0254}}};
// Position in JednotkyDXF of a stored factor; 0 ("m") for any other value.
int IndexJednotky(double faktor);

// The five options of the store, each with its default when missing ("1.0", "0.01", "0",
// "2", "2"); the point display mode is the start-up option's.
MoznostiDXF NactiMoznostiDXF(UlozisteNastaveni& store, int typBodu);
void UlozMoznostiDXF(UlozisteNastaveni& store, const MoznostiDXF& m);
// A number of the options as stored and shown: "." and no trailing zeros.
std::string TextMoznosti(double value);

// One group: the code right-aligned in six characters, CR LF, the value, CR LF. Reals have
// six decimals, integers none; a text is written as it is.
std::string DxfSkupina(int code, double value);
std::string DxfSkupina(int code, int value);
std::string DxfSkupina(int code, std::string_view value);

// The drawing's text (UTF-8); the status line follows the phases.
std::string TextDXF(const VstupVystupu& v, const MoznostiDXF& m, const std::string& path, Platforma& platforma);
// Writes the drawing in Windows-1250, completely or not at all; "" or the Czech reason.
std::string ExportDXF(const VstupVystupu& v, const MoznostiDXF& m, const std::string& path, Platforma& platforma);

} // namespace lomvira
