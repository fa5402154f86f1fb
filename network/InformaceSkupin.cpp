#include "network/InformaceSkupin.h"

#include "common/Cisla.h"
#include "coords/SourSystTransf.h"

#include <cmath>

namespace lomvira {

namespace {

constexpr const char* CRLF = "\r\n";
constexpr int DesetinDelky = 3;
constexpr int DesetinUhlu = 4;

// A value that rounds to zero shows no sign: -0.000 is no deviation.
std::string Cislo(double v, int desetin)
{
    std::string s = FormatCislo(v, desetin);
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string Uhel(double radiany, int jednotky)
{
    return Cislo(Z_Radianu(radiany, jednotky), DesetinUhlu) + ZnackaUhlu(jednotky);
}

} // namespace

std::vector<ShotDeviation> ComputeShotDeviations(const Model& model, const Krizovat& sit,
                                                 const SourSystem& soustava)
{
    const SourSystTransf t(soustava);
    std::vector<ShotDeviation> tabulka(static_cast<std::size_t>(model.shots.ShotCount()));
    for (int r = 1; r <= model.regions.RegionCount(); ++r) {
        for (int g = 1; g <= sit.GroupCount(r); ++g) {
            const int druh = sit.GroupKind(r, g);
            // The network was turned as a whole; its measured directions were not.
            const double natoceni = model.regions.GetRegionRotation(r);
            for (int k = 1; k <= sit.GroupShotCount(r, g); ++k) {
                const int zamera = std::abs(sit.GetGroupShot(r, g, k));
                if (zamera < 1 || zamera > static_cast<int>(tabulka.size()))
                    continue;
                ShotDeviation& d = tabulka[static_cast<std::size_t>(zamera - 1)];
                d = {druh, 0, 0.0, 0.0, 0.0};
                if (druh != SkupinaSit)
                    continue;
                const ShotValues m = model.shots.GetShot(zamera);
                const StationRecord a = model.stations.GetStation(m.From);
                const StationRecord b = model.stations.GetStation(m.To);
                const Bod rozdil = t.GeogrToKart({"", b.X - a.X, b.Y - a.Y, b.Z - a.Z});
                const double dx = rozdil.X, dy = rozdil.Y, dz = rozdil.Z;
                const double vodorovna = std::hypot(dx, dy);
                double ignor = 0, smer = 0;
                PolarniSouradnice(dx, dy, ignor, smer);
                d.Adjusted = -1;
                d.DevLength = std::hypot(vodorovna, dz) - m.L;
                d.DevAzimuth = NormalizeSignedAngle(m.Az - (smer + natoceni));
                d.DevInclination = NormalizeSignedAngle(std::atan2(dz, vodorovna) - m.Inc);
            }
        }
    }
    return tabulka;
}

std::string PopisSkupiny(int g, int kind)
{
    const char* pismeno = kind == SkupinaRajon ? "R"
                          : kind == SkupinaPorad ? "P"
                          : kind == SkupinaSit   ? "S"
                          : kind == -1           ? "N"
                                                 : "?";
    return "Skupina " + std::to_string(g) + " " + pismeno;
}

std::string StupenVyrovnani(int n, int m)
{
    std::string t = std::string("Stupeň vyrovnání:") + CRLF + "Soustava:" + std::to_string(m) + CRLF;
    if (n > 2) {
        t += "Absolutně vyrovnaná: " + std::to_string(static_cast<long long>(n) * (n - 1) / 2) + CRLF;
        t += "Kubická: " + std::to_string(3LL * n) + CRLF;
        t += "Síťová: " + std::to_string(2LL * n) + CRLF;
    }
    return t + "Lineární: " + std::to_string(n) + CRLF + "Otevřená: " + std::to_string(n - 1);
}

std::string TextDelky(double prostorova, double vodorovna)
{
    return "Šikmá délka: " + FormatCislo(prostorova, DesetinDelky) + " m" + CRLF + "Vodorovná  : "
           + FormatCislo(vodorovna, DesetinDelky) + " m";
}

std::string TextNatoceni(const RegionTable& oblasti, int r, int jednotky)
{
    const std::string uvod = "Natočení oblasti: ";
    if (r >= 1)
        return uvod + Uhel(oblasti.GetRegionRotation(r), jednotky);
    for (int q = 2; q <= oblasti.RegionCount(); ++q)
        if (oblasti.GetRegionRotation(q) != oblasti.GetRegionRotation(1))
            return "Natočení je pro oblasti různé.";
    return uvod + Uhel(oblasti.GetRegionRotation(1), jednotky);
}

std::string TextOdchylek(const ShotDeviation& d, int jednotky)
{
    std::string t = std::string("Odchylky po vyrovnání:") + CRLF;
    if (d.Adjusted != -1)
        return t + "Nevyrovnáno";
    return t + "Délky: " + Cislo(d.DevLength, DesetinDelky) + CRLF + "Směru: " + Uhel(d.DevAzimuth, jednotky)
           + CRLF + "Sklonu: " + Uhel(d.DevInclination, jednotky);
}

} // namespace lomvira
