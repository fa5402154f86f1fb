#pragma once
// Connections tie survey stations to given points. They are kept grouped by the region of
// their station; RegionConnectionEnd[r] is the last position of region r's block.
// The operations that need the stations, regions or given points as well live in Model.

#include "model/Typy.h"
#include <cstdint>
#include <vector>

namespace lomvira {

struct ConnectionRecord {
    CisloBodu Station = 0;
    CisloDanehoBodu GivenPoint = 0;
    std::int32_t SameName = 0; // -1 when the station and the given point share their name
    double DiffA = 0.0;        // written by the adjustment
    double DiffB = 0.0;
    double DiffC = 0.0;
};

class ConnectionTable {
public:
    std::int32_t ConnectionCount() const { return static_cast<std::int32_t>(spojeni_.size()); }
    // Copy of the connection at that position; a blank record out of range.
    ConnectionRecord GetConnection(int position) const;
    // Stores the adjustment's differences in the station's connection; false when the
    // station has none.
    bool SetConnectionDifferences(int station, double a, double b, double c);
    // Number of connections of region r; 0 when r is outside 1..R.
    std::int32_t RegionConnectionCount(int r) const;
    // k-th connection of region r; for r outside 1..R the k-th of the whole table. A blank
    // record when k is outside that range.
    ConnectionRecord GetRegionConnection(int r, int k) const;

private:
    friend struct Model;

    // Empties the table and sizes the region blocks to 1..regionCount.
    void Vyprazdni(int regionCount);
    // Places the connection at the end of region r's block.
    void Vloz(const ConnectionRecord& c, int r);
    // Removes the connection at 0-based index i from its block.
    void Odeber(std::size_t i);
    // 0-based index of the station's connection (the last one, searching from the end), or -1.
    int Najdi(int station) const;

    std::vector<ConnectionRecord> spojeni_;
    std::vector<std::int32_t> konecOblasti_{0}; // RegionConnectionEnd[0..R]
};

} // namespace lomvira
