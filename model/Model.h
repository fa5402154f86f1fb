#pragma once
// The survey model of one open notebook: stations, shots, regions, given points with their
// sources, and the connections between stations and given points. The load fills it; the
// later phases read it; the given point dialogs change it through the operations below.
//
// The operations that change the connections or the given points put the processing
// stage back to "loaded" (Stav 1), because the network must be vectorised again; a stage
// below 1 (no notebook loaded successfully) is left as it is. After any of them the
// front end lists the connections anew.

#include "common/Platforma.h"
#include "common/Stav.h"
#include "model/ConnectionTable.h"
#include "model/GivenPointTable.h"
#include "model/RegionTable.h"
#include "model/ShotTable.h"
#include "model/StationTable.h"

#include <cstdint>

namespace lomvira {

struct Model {
    StationTable stations;
    ShotTable shots;
    RegionTable regions;
    GivenPointTable givenPoints;
    ConnectionTable connections;

    // Empties every table (also the connections, so that none refers to a station or a
    // given point of an earlier notebook).
    void Clear();

    // Connects every given point to the station of the same name (if any), region by
    // region. Run once the stations, regions and given points of a load are in place.
    void RebuildConnections();
    // Connects every given point to the station of the same name, replacing that station's
    // earlier connection.
    void ConnectGivenPointsByName(StavZpracovani& stav);
    // Connects station s to given point g; a station already connected is re-connected.
    // False when nothing changed (already so connected, s or g out of range, or s in no
    // region).
    bool AddConnection(int s, int g, StavZpracovani& stav);
    // Removes the station's connection (if any).
    void DeleteConnection(int s, StavZpracovani& stav);
    // Removes the connections to given point g and renumbers those to higher points.
    void RemoveGivenPointFromConnections(int g, StavZpracovani& stav);
    // Removes given point n together with its connections; the later points and their
    // connections move down by one. Nothing happens for n outside 1..count.
    void DeleteGivenPoint(int n, Platforma& platforma, StavZpracovani& stav);

private:
    std::int32_t StejneJmeno(int s, int g) const;
};

} // namespace lomvira
