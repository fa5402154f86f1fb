#pragma once
// Maps of the survey for other programs: GeoJSON (RFC 7946) and KML, on WGS-84. Only a
// notebook in S-JTSK has a place on the Earth; every station goes through the program's own
// S-JTSK to WGS-84 conversion.

#include "output/VstupVystupu.h"

#include <string>
#include <vector>

namespace lomvira {

struct PolohaWGS84 {
    double delka = 0; // degrees east
    double sirka = 0; // degrees north
    double vyska = 0; // the station's own height, m
};

// The WGS-84 position of every station (entry s - 1 for station s). False with the Czech
// reason when the notebook is not in S-JTSK or a station cannot be converted.
bool PolohyWGS84(const VstupVystupu& v, std::vector<PolohaWGS84>& polohy, std::string& chyba);

// A FeatureCollection: one LineString per shot (properties "from", "to"), then one Point
// per station (properties "name", "z" and, for a station tied to a given point, "given").
std::string TextGeoJSON(const VstupVystupu& v, const std::vector<PolohaWGS84>& polohy);
// A Document named by the locality: a Folder of stations as Placemarks and the traverse as
// one MultiGeometry.
std::string TextKML(const VstupVystupu& v, const std::vector<PolohaWGS84>& polohy);

// Write the map in UTF-8, completely or not at all; "" or the Czech reason.
std::string ZapisGeoJSON(const VstupVystupu& v, const std::string& path);
std::string ZapisKML(const VstupVystupu& v, const std::string& path);

} // namespace lomvira
