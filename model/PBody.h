#pragma once
// The stations named in the notebook's measurement lines, each added when first met.

#include "model/Bod.h"
#include "model/KolekceBodu.h"

#include <cstdint>
#include <string>

namespace lomvira {

class PBod {
public:
    PBod(const std::string& name, double x, double y, double z, std::int32_t datum, std::int32_t zacatekPrikazu);

    const std::string& Name() const { return bod_.Name; }
    const lomvira::Bod& Bod() const { return bod_; }
    void SetCoordinates(double x, double y, double z);

    // The date and the start of the command line in force where the station was first met.
    std::int32_t Datum = 0;
    std::int32_t ZacatekPrikazu = 0;

private:
    lomvira::Bod bod_;
};

class PBody : public KolekceBodu<PBod> {
public:
    // The new station's number; 0 (after the box "Bod jiz existuje") when the name is held.
    std::int32_t Add(const std::string& name, double x, double y, double z, std::int32_t datum,
                     std::int32_t zacatekPrikazu, Platforma& platforma);
    // The number of the station of that name, added (at 0, 0, 0) when new.
    std::int32_t NajdiNeboPridej(const std::string& name, std::int32_t datum, std::int32_t zacatekPrikazu)
    {
        return KolekceBodu<PBod>::NajdiNeboPridej(name, 0.0, 0.0, 0.0, datum, zacatekPrikazu);
    }
};

} // namespace lomvira
