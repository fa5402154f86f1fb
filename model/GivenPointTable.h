#pragma once
// Points with known coordinates (from the notebook or from coordinate files) and the list
// of the coordinate files they came from.

#include "model/Typy.h"
#include "common/Platforma.h"
#include "model/StationTable.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace lomvira {

inline constexpr int MaxZdroju = 50;
// The source text of points from the notebook itself.
inline constexpr const char* ZdrojZapisnik = "Zápisník";

struct GivenPointRecord {
    StationRecord Point;  // 10-character name, X, Y, Z, note
    std::int32_t Source = 0; // 0 = the notebook, else 1..50 in the source names
    std::string EqualName;   // 10 characters: the point's name in its source, blank when none
};

struct GivenPointSource {
    std::string EqualName;
    std::string Source;
};

class GivenPointTable {
public:
    // No points and no source names.
    void ClearGivenPoints();
    CisloDanehoBodu GivenPointCount() const { return static_cast<CisloDanehoBodu>(body_.size()); }
    // Number of the point with that (10-character) name, or 0.
    CisloDanehoBodu FindGivenPoint(std::string_view name) const;
    // Gives the named point its coordinates; an unknown name is appended (as many as
    // memory holds). Returns the point's number, or 0 when a coordinate that is not finite
    // is refused (the user is told why).
    CisloDanehoBodu SetGivenPoint(std::string_view name, double x, double y, double z, Platforma& platforma);
    // Records where the named point came from (an empty source text: the notebook). False
    // when the name is unknown, or when a 51st source is refused (the user is told).
    bool SetGivenPointSource(std::string_view name, std::string_view equalName, const std::string& source,
                             Platforma& platforma);
    // Copy of the point; out of range a record with a blank name.
    StationRecord GetGivenPoint(int n) const;
    // The equal name and the source text ("Zápisník" for the notebook); empty out of range.
    GivenPointSource GetGivenPointSource(int n) const;
    // Removes point n; the later points move down by one. False out of range. The
    // connections are the caller's to renumber (see Model::DeleteGivenPoint).
    bool RemoveGivenPoint(int n);

private:
    std::vector<GivenPointRecord> body_; // point n is body_[n - 1]
    std::unordered_map<std::string, CisloDanehoBodu> podleJmena_; // by the 10-character name
    std::vector<std::string> zdroje_;     // source n is zdroje_[n - 1]
};

} // namespace lomvira
