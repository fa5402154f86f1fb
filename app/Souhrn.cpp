#include "app/Souhrn.h"

#include "app/Kontext.h"
#include "common/Cisla.h"

#include <algorithm>

namespace lomvira {

std::string Pocet(long n, const char* jeden, const char* dva, const char* pet)
{
    const char* tvar = n == 1 ? jeden : (n >= 2 && n <= 4) ? dva : pet;
    return std::to_string(n) + " " + tvar;
}

namespace {

// Whether the spoken numeral begins with a cluster that takes "ve": dvě, tři, čtyři,
// dvanáct to čtrnáct, dvacet to čtyřicet, sto.
bool ZacinaSkupinou(long n)
{
    if (n >= 1000)
        return n / 1000 != 1 && ZacinaSkupinou(n / 1000);
    if (n >= 100)
        return n / 100 == 1 || ZacinaSkupinou(n / 100);
    if (n >= 20)
        return n / 10 <= 4;
    return (n >= 2 && n <= 4) || (n >= 12 && n <= 14);
}

std::string Sekundy(double s)
{
    std::string t = FormatCislo(s, 2);
    std::replace(t.begin(), t.end(), '.', ',');
    return t + " s";
}

} // namespace

std::string VOblastech(long n)
{
    return std::string(ZacinaSkupinou(n) ? "ve " : "v ") + std::to_string(n) + (n == 1 ? " oblasti" : " oblastech");
}

std::string SouhrnNacteni(const Kontext& k)
{
    return "Načteno: " + Pocet(k.model.stations.StationCount(), "bod", "body", "bodů") + ", " +
           Pocet(k.seznamMereni.ListingCount(), "měření", "měření", "měření") + ", " +
           Pocet(k.model.givenPoints.GivenPointCount(), "daný bod", "dané body", "daných bodů");
}

std::string SouhrnVektorizace(const Kontext& k)
{
    const int oblasti = k.model.regions.RegionCount();
    long skupiny = 0;
    for (int r = 1; r <= oblasti; ++r)
        skupiny += k.sit.GroupCount(r);
    return "Vektorizováno: " + Pocet(skupiny, "skupina", "skupiny", "skupin") + " " + VOblastech(oblasti);
}

std::string SouhrnVypoctu(const Kontext& k, double sekundy)
{
    const long body = k.model.stations.StationCount();
    const long oblasti = k.model.regions.RegionCount();
    // Every shot beyond those that tie a region's stations together closes one loop.
    const long smycky = std::max(0L, static_cast<long>(k.model.shots.ShotCount()) - body + oblasti);
    return "Vypočteno: " + Pocet(body, "bod", "body", "bodů") + " " + VOblastech(oblasti) + ", " +
           Pocet(smycky, "uzavřená smyčka", "uzavřené smyčky", "uzavřených smyček") + ", " + Sekundy(sekundy);
}

} // namespace lomvira
