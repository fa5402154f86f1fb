#include "model/DBody.h"

namespace lomvira {

DBod::DBod(const std::string& name, double x, double y, double z, std::int32_t datum, std::int32_t zacatekRadku)
    : Datum(datum), ZacatekRadku(zacatekRadku), bod_{name, x, y, z}, zbod_{name, 0.0, 0.0, 0.0}
{
}

void DBod::SetCoordinates(double x, double y, double z)
{
    bod_.X = x;
    bod_.Y = y;
    bod_.Z = z;
}

void DBod::SetZBod(const lomvira::ZBod& zbod)
{
    zbod_ = zbod;
    zbod_.Name = bod_.Name;
}

std::int32_t DBody::Add(const std::string& name, double x, double y, double z, std::int32_t datum,
                        std::int32_t zacatekRadku, Platforma& platforma)
{
    return Pridej(DBod(name, x, y, z, datum, zacatekRadku), platforma);
}

} // namespace lomvira
