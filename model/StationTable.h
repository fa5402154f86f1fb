#pragma once
// The stations of the survey, numbered 1..count in the order they were first met.

#include "model/Typy.h"
#include "common/Platforma.h"
#include "common/TabulkaCisel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lomvira {

// Station names are fixed-width texts of this many characters (code points).
inline constexpr std::size_t DelkaJmenaBodu = 10;
// The most stations a survey can hold.
inline constexpr int MaxPocetBodu = MaxCislo;

// The name in its stored form: in Unicode NFC, cut to 10 characters, padded with blanks to 10.
std::string JmenoBodu(std::string_view name);

struct StationRecord {
    std::string Name; // always 10 characters
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    std::string Note;
};

struct CoordinateExtremes {
    double Xmin = 0.0, Xmax = 0.0;
    double Ymin = 0.0, Ymax = 0.0;
    double Zmin = 0.0, Zmax = 0.0;
};

class StationTable {
public:
    // Number of the station of that name, added when new. The name is replaced by its
    // 10-character form; `novy` (when given) tells whether the station was added.
    // 0 when the station is new and the table already holds MaxPocetBodu stations.
    CisloBodu AddStation(std::string& name, bool* novy = nullptr);
    // Appends a station the caller knows to be absent, without searching: a large load knows
    // that of most of its stations, and a search of a new name is a miss in the memory
    // caches. The search table takes such stations at the next AddStation or Indexuj.
    // 0 when the table already holds MaxPocetBodu stations.
    CisloBodu PridejNovou(std::string_view name);
    // Puts the stations appended by PridejNovou into the search table, all at once.
    void Indexuj();
    // Station number or 0.
    CisloBodu FindStation(std::string_view name) const;
    // Out of range: Name "Neznamy" (padded to 10), coordinates 0.
    StationRecord GetStation(int n) const;
    // Unknown name: a blank (10 blanks) name, coordinates 0.
    StationRecord GetStationByName(std::string_view name) const;
    // The 10-character name, "" out of range.
    std::string GetStationName(int n) const;
    // The same without a copy; n must be in 1..count.
    const std::string& StationName(int n) const { return body_[static_cast<std::size_t>(n - 1)].Name; }
    CisloBodu StationCount() const { return static_cast<CisloBodu>(body_.size()); }
    // False (and nothing changes) out of range or for a coordinate that is not finite.
    bool SetStationCoordinates(int n, double x, double y, double z);
    // Gives the station its note. A station that has a note keeps it, and the user is told
    // with a critical box; an empty text changes nothing and says nothing.
    void SetStationNote(int n, const std::string& text, Platforma& platforma);
    void ClearStations();
    // Room for that many stations, so that a load of known size does not regrow the table.
    void ReserveStations(std::size_t n);
    // Smallest and largest X, Y, Z over all stations (all 0 with no stations). Cached
    // until coordinates change.
    CoordinateExtremes GetCoordinateExtremes() const;
    void InvalidateExtremes() { extremyPlatne_ = false; }

private:
    // Coordinate 0 (X), 1 (Y) or 2 (Z) of station n; 0 out of range.
    double Souradnice(int n, int osa) const;

    std::vector<StationRecord> body_; // station n is body_[n - 1]
    TabulkaCisel podleJmena_;
    std::size_t indexovano_ = 0; // stations 1..indexovano_ are in podleJmena_
    // Stations holding the smallest / largest X, Y, Z (0 with no stations).
    mutable CisloBodu extremy_[6] = {};
    mutable bool extremyPlatne_ = false;
};

} // namespace lomvira
