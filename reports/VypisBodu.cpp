#include "reports/VypisBodu.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"
#include "model/Model.h"
#include "model/Razeni.h"

#include <cmath>

namespace lomvira {

std::string CisloSeSkupinami(double value, int decimals, const FormatCisel& f)
{
    std::string s = FormatCislo(value, decimals);
    const bool zaporne = !s.empty() && s[0] == '-';
    if (zaporne)
        s.erase(0, 1);
    const auto tecka = s.find('.');
    std::string cela = s.substr(0, tecka);
    const std::string zlomek = tecka == std::string::npos ? std::string() : s.substr(tecka + 1);
    for (int i = static_cast<int>(cela.size()) - 3; i > 0; i -= 3)
        cela.insert(static_cast<std::size_t>(i), f.tisice);
    std::string out = (zaporne ? "-" : "") + cela;
    if (!zlomek.empty())
        out += f.desetinny + zlomek;
    return out;
}

namespace {

std::string Vpravo(const std::string& text, std::size_t width)
{
    const std::size_t n = PocetZnaku(text);
    return n >= width ? text : std::string(width - n, ' ') + text;
}

} // namespace

std::string RadekBodu(const std::string& jmeno, const ZBod& z, std::optional<double> relativni,
                      const FormatCisel& f)
{
    std::string s = PevnaSirka(jmeno, 10) + " " + Vpravo(CisloSeSkupinami(z.X, 3, f), 13) + "  "
                    + Vpravo(CisloSeSkupinami(z.Y, 3, f), 13) + "  " + Vpravo(CisloSeSkupinami(z.Z, 3, f), 10);
    if (relativni)
        s += Vpravo(CisloSeSkupinami(*relativni, 3, f), 10);
    return s;
}

std::vector<std::string> VypisBodu(const ZdrojBodu& k, int r, bool abecedne, bool relativni, const FormatCisel& f)
{
    std::vector<std::string> lines;
    if (!k.system)
        return lines;
    const SourSystem& system = *k.system;
    const SourSystTransf t(system);
    const bool sRelativni = relativni && (system.RelativniVysky() == VyskyKHladine
                                          || system.RelativniVysky() == VyskyKBodu);
    const RegionTable& oblasti = k.model.regions;
    // Until a computation has finished, the table may hold stations of a computation that
    // stopped halfway, still in the computation frame: only the names are shown.
    const bool spocteno = k.spocteno;
    auto pridej = [&](int s) {
        const StationRecord p = k.model.stations.GetStation(s);
        if (!spocteno) {
            lines.push_back(PevnaSirka(p.Name, 10) + " ");
            return;
        }
        const ZBod z = t.Vystup({p.Name, p.X, p.Y, p.Z});
        std::optional<double> rel;
        if (sRelativni)
            rel = z.Z - system.SrovnavaciRovina();
        lines.push_back(RadekBodu(p.Name, z, rel, f));
    };
    const bool vse = r < 1 || r > oblasti.RegionCount();
    if (abecedne) {
        for (int i = 1; i <= k.razeni.Count(); ++i) {
            const int s = k.razeni.Item(i);
            if (vse || oblasti.RegionOf(s) == r)
                pridej(s);
        }
    } else if (vse) {
        for (int s = 1; s <= k.model.stations.StationCount(); ++s)
            pridej(s);
    } else {
        for (int i = 1; i <= oblasti.RegionStationCount(r); ++i)
            pridej(oblasti.GetRegionStation(r, i));
    }
    return lines;
}

std::vector<std::string> HlavickaBodu(const SourSystem* soustava, bool relativni)
{
    std::string system = "Souřadný systém: ";
    PopiskyOs osy{"X", "Y", "Z"};
    if (soustava) {
        const SourSystem& s = *soustava;
        osy = Popisky(s);
        if (s.JTSK()) {
            system += "JTSK C=";
            if (s.AutomatickaKonvergence() > 1 && s.Natoceni() == 0.0)
                system += "nezjistitelné";
            else
                system += FormatCislo(Z_Radianu(s.Natoceni(), JednotkaGrady), 4) + "g";
        } else {
            system += "vlastní, x: " + FormatCislo(Z_Radianu(PI / 2 - s.Natoceni(), JednotkaStupne), 4) + "\xC2\xB0";
        }
        if (s.RelativniVysky() == VyskyKBodu)
            system += "  Relativne k  bodu " + s.SrovnavaciBod() + "  H=" + FormatCislo(s.SrovnavaciRovina(), 3);
        else if (s.RelativniVysky() == VyskyKHladine)
            system += "  Relativne k  H=" + FormatCislo(s.SrovnavaciRovina(), 3);
    }
    std::string sloupce = "Bod        " + std::string(12, ' ') + osy.lab1 + "  " + std::string(12, ' ') + osy.lab2
                          + "  " + std::string(9, ' ') + osy.lab3;
    if (relativni)
        sloupce += "  relativní";
    return {system, sloupce};
}

} // namespace lomvira
