#include "adjust/ParametryVypoctu.h"

#include "common/Cisla.h"
#include "coords/KrovakJTSK.h"
#include "input/MeridlaStav.h"

#include <algorithm>

namespace lomvira {

namespace {

constexpr int DesetinBoxu = 6;
// A limit retyped from its rounded text lands a hair outside it; that much is let in.
constexpr double VulePrelimitu = 1e-4;

struct Pravidla {
    const char* popis;
    double nasobek; // shown = inside × nasobek
    double min, max; // inside
    const char* jednotka;
};

Pravidla PravidlaPole(PoleParametru pole)
{
    const double naStupne = 180.0 / PI;
    switch (pole) {
    case PoleParametru::Delka: return {"Délka", 100.0, MinPresnostDelky, MaxPresnostDelky, "%"};
    case PoleParametru::Smer: return {"Směr", naStupne, MinPresnostUhlu, MaxPresnostUhlu, "° (stupně)"};
    case PoleParametru::Sklon: return {"Sklon", naStupne, MinPresnostUhlu, MaxPresnostUhlu, "° (stupně)"};
    case PoleParametru::Tolerance: break;
    }
    return {"Tolerance", naStupne, 0.0, PI, "° (stupně)"};
}

} // namespace

NaplnenePole NaplnPole(PoleParametru pole, double hodnota)
{
    return {hodnota, FormatCisloBezNul(hodnota * PravidlaPole(pole).nasobek, DesetinBoxu)};
}

PrectenePole CtiPole(PoleParametru pole, const std::string& text, const NaplnenePole& naplneno)
{
    if (text == naplneno.text)
        return {naplneno.hodnota, {}};
    const Pravidla p = PravidlaPole(pole);
    const std::optional<double> cislo = CtiCislo(text);
    if (!cislo)
        return {0.0, std::string(p.popis) + ": \"" + text + "\" není číslo."};
    const double hodnota = *cislo / p.nasobek;
    if (pole == PoleParametru::Tolerance) {
        if (hodnota <= 0.0 || hodnota > p.max)
            return {0.0, "Tolerance musí být větší než 0 a nejvýše 180 ° (stupně)."};
        return {hodnota, {}};
    }
    if (hodnota < p.min * (1 - VulePrelimitu) || hodnota > p.max * (1 + VulePrelimitu))
        return {0.0, std::string(p.popis) + ": hodnota musí ležet mezi " + FormatCisloBezNul(p.min * p.nasobek, 5) + " a "
                         + FormatCisloBezNul(p.max * p.nasobek, 5) + " " + p.jednotka + "."};
    return {std::clamp(hodnota, p.min, p.max), {}};
}

int DotazyZVoleb(bool natoceni, bool pridaniBodu)
{
    return pridaniBodu ? 2 : natoceni ? 1 : 0;
}

} // namespace lomvira
