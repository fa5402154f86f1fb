#pragma once
// The given points of the notebook's "*" lines, as the parser met them.

#include "model/Bod.h"
#include "model/KolekceBodu.h"

#include <cstdint>
#include <string>

namespace lomvira {

class DBod {
public:
    DBod(const std::string& name, double x, double y, double z, std::int32_t datum, std::int32_t zacatekRadku);

    const std::string& Name() const { return bod_.Name; }
    const lomvira::Bod& Bod() const { return bod_; }
    void SetCoordinates(double x, double y, double z);
    // The point record of the coordinate transformation; it keeps the point's name.
    const lomvira::ZBod& ZBod() const { return zbod_; }
    void SetZBod(const lomvira::ZBod& zbod);

    // Where the notebook defined the point: the date in force and the start of its line.
    std::int32_t Datum = 0;
    std::int32_t ZacatekRadku = 0;

private:
    lomvira::Bod bod_;
    lomvira::ZBod zbod_;
};

class DBody : public KolekceBodu<DBod> {
public:
    // The new point's number; 0 (after the box "Bod jiz existuje") when the name is held.
    std::int32_t Add(const std::string& name, double x, double y, double z, std::int32_t datum,
                     std::int32_t zacatekRadku, Platforma& platforma);
};

} // namespace lomvira
