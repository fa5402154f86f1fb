#include "model/PBody.h"

namespace lomvira {

PBod::PBod(const std::string& name, double x, double y, double z, std::int32_t datum, std::int32_t zacatekPrikazu)
    : Datum(datum), ZacatekPrikazu(zacatekPrikazu), bod_{name, x, y, z}
{
}

void PBod::SetCoordinates(double x, double y, double z)
{
    bod_.X = x;
    bod_.Y = y;
    bod_.Z = z;
}

std::int32_t PBody::Add(const std::string& name, double x, double y, double z, std::int32_t datum,
                        std::int32_t zacatekPrikazu, Platforma& platforma)
{
    return Pridej(PBod(name, x, y, z, datum, zacatekPrikazu), platforma);
}

} // namespace lomvira
