#pragma once
// The choices of the coordinate save dialog: what each writes, under which extension and
// filter, and the writing itself with the question before a file is replaced. The command
// line's "export" writes through the same table.

#include "output/ExportDXF.h"
#include "output/VstupVystupu.h"

#include <array>
#include <string>

namespace lomvira {

class Platforma;

// The choices by their index in the dialog's list.
enum IndexVystupu {
    VystupLomvira = 0,
    VystupKokes = 1,
    VystupDXF = 2,
    VystupText = 3,
    VystupPrevalon = 4,
    VystupVir21Utf8 = 5,
    VystupVir21Ansi = 6,
    VystupVir12 = 7,
    VystupGeoJSON = 8,
    VystupKML = 9,
};

struct TypVystupu {
    const char* text;       // the list's text
    const char* pripona;    // default extension; nullptr keeps the previous choice's
    const char* filtr;      // the save dialog's filter description ...
    const char* vzor;       // ... and its pattern
    bool vlastnosti;        // the properties button is enabled
    const char* prikaz;     // the command line's --format
};

inline constexpr std::array<TypVystupu, 10> TypyVystupu{{
    {"LOMVIRA", "SOU", "Formát LOMVIRA", "*.sou", false, "sou"},
    {"KOKEŠ", "STX", "Formát KOKEŠ", "*.stx", false, "stx"},
    {"AutoCAD", "DXF", "AutoCAD", "*.dxf", true, "dxf"},
    {"ASCII Text", "TXT", "Text", "*.txt", false, "txt"},
    {"Polygon pro PREVALON", "POL", "Formát PREVALON", "*.pol", false, "pol"},
    {"Polygon pro VIROKA 2.1 (UTF-8)", "VIR", "Formát VIROKA", "*.vir", false, "vir21"},
    {"Polygon pro VIROKA 2.1 (ANSI)", nullptr, nullptr, nullptr, false, "vir21-ansi"},
    {"Polygon pro VIROKA 1.2", nullptr, nullptr, nullptr, false, "vir12"},
    {"GeoJSON (WGS-84)", "geojson", "GeoJSON", "*.geojson", false, "geojson"},
    {"KML (Google Earth)", "kml", "KML", "*.kml", false, "kml"},
}};

// The name a newly proposed file gets: "BEZJMENA" when the path has no name part.
inline constexpr const char* BezJmena = "BEZJMENA";

// The path with its extension replaced: drive, folder, the name (BEZJMENA when empty), "."
// and the extension.
std::string NavrhniJmeno(const std::string& path, const std::string& pripona);

// The file a choice writes for the name shown: the viewer formats append ".pol" (2.1) or
// ".vir" (1.2); the others write the name itself.
std::string SouborVystupu(int typ, const std::string& jmeno);

// Before a file is replaced: a file that exists and is not empty brings the question
// "Soubor ... existuje. Nahradit?" (Yes, No, Cancel). MsgBox::Yes when writing may go on,
// otherwise MsgBox::No or MsgBox::Cancel as answered.
int OtazkaNahrazeni(const std::string& path, Platforma& platforma);

// Writes the choice to the file for the name shown (SouborVystupu). "" or the Czech reason
// nothing was written.
std::string ZapisVystup(int typ, const std::string& jmeno, const VstupVystupu& v, const MoznostiDXF& dxf,
                        Platforma& platforma);

} // namespace lomvira
