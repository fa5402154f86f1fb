#include "coords/SourSystem.h"

namespace lomvira {

void SourSystem::Nastav(double rotation, bool leftHanded, int typeCode, int convergenceMode, bool baltic,
                        int angleUnit, std::int32_t further, const SrovnavaciVyska& reference,
                        std::int32_t commandStart, int rotationMode)
{
    if (definovan_)
        return;
    definovan_ = true;
    natoceni_ = rotation;
    levotocivy_ = leftHanded;
    jtsk_ = typeCode == 2 || typeCode == 3;
    xy_ = typeCode == 3;
    konvergence_ = convergenceMode;
    bpv_ = baltic;
    jednotky_ = angleUnit;
    dalsi_ = further;
    reference_ = reference;
    zacatek_ = commandStart;
    zpusobVyrovnani_ = rotationMode;
}

int SourSystem::Typ() const
{
    if (!definovan_)
        return 0;
    if (!jtsk_)
        return 1;
    return xy_ ? 3 : 2;
}

double SourSystem::SrovnavaciRovina() const
{
    return reference_.druh == VyskyKHladine || reference_.druh == VyskyKBodu ? reference_.vyska : 0.0;
}

void SourSystem::SrovnavaciRovina(double height)
{
    if (reference_.druh == VyskyKBodu)
        reference_.vyska = height;
}

int EfektivniPoradi(const SourSystem& system, int poradi)
{
    if (poradi == 1 || poradi == 2)
        return poradi;
    return system.XY() ? 2 : 1;
}

PopiskyOs Popisky(const SourSystem& system, int poradi)
{
    if (!system.JTSK())
        return {"X", "Y", "Z"};
    return EfektivniPoradi(system, poradi) == 1 ? PopiskyOs{"Y", "X", "H"} : PopiskyOs{"X", "Y", "H"};
}

} // namespace lomvira
