#include "app/KontrolaChyb.h"

#include "app/Kontext.h"
#include "common/Cisla.h"
#include "common/Text.h"

#include <algorithm>
#include <cstdlib>

namespace lomvira {

namespace {

std::size_t Idx(std::int64_t i)
{
    return static_cast<std::size_t>(i);
}

const char* NazevVeliciny(Velicina v)
{
    switch (v) {
    case Velicina::Azimut: return "azimut";
    case Velicina::Sklon: return "sklon";
    default: return "délka";
    }
}

} // namespace

bool KontrolaChyb::Intenzity()
{
    return Spust(Rezim::Intenzity, {});
}

bool KontrolaChyb::Rozdily(const std::vector<CisloZamery>& vybrane)
{
    return Spust(Rezim::Rozdily, vybrane);
}

bool KontrolaChyb::NajdiChybu()
{
    return Spust(Rezim::NalezeneChyby, {});
}

bool KontrolaChyb::Spust(Rezim rezim, const std::vector<CisloZamery>& vybrane)
{
    // The analysis reads the vectorised survey and lets the front end process events.
    Prace prace(k_.stav);
    if (!prace.Ziskano() || k_.stav.Stav < 2 || !k_.stav.JeVektorizovano())
        return false;
    AnalyzaChyb analyza(k_.model, k_.sit, k_.platforma, k_.volby.VICE_MERENI != 0);
    radky_.clear();
    zameryRadku_.clear();
    MapaRadku();
    if (rezim == Rezim::NalezeneChyby) {
        for (const NalezChyby& n : analyza.NajdiChybu()) {
            const CisloZamery z = n.podezrela != 0 ? n.podezrela : n.pricka.polozka;
            radky_.push_back({RadekNalezu(n), n.pricka.hodnota, z});
            zameryRadku_.push_back(n.pricka.zamery);
        }
    } else {
        for (const PolozkaChyby& p : analyza.AnalyzujChyby(rezim == Rezim::Intenzity ? 1 : 2, vybrane)) {
            radky_.push_back({RadekChyby(k_.model, p), p.hodnota, p.polozka});
            zameryRadku_.push_back(p.zamery.empty() ? std::vector<CisloZamery>{p.polozka} : p.zamery);
        }
    }
    rezim_ = rezim;
    return true;
}

// Which notebook lines measured each shot, from the measurement list of the last load.
void KontrolaChyb::MapaRadku()
{
    radkyZamer_.assign(Idx(k_.model.shots.ShotCount()) + 1, {});
    const std::string* text = k_.nacti ? &k_.nacti->Zapisnik() : nullptr;
    // The start of every line, for the line numbers.
    std::vector<std::int32_t> zacatky{1};
    if (text) {
        for (std::size_t i = 0; i < text->size(); ++i) {
            const char c = (*text)[i];
            if (c == '\n' || (c == '\r' && (i + 1 >= text->size() || (*text)[i + 1] != '\n')))
                zacatky.push_back(static_cast<std::int32_t>(i + 2));
        }
    }
    const int pocet = k_.seznamMereni.ListingCount();
    for (int n = 1; n <= pocet; ++n) {
        const MeasurementListRecord r = k_.seznamMereni.GetListingRecord(n);
        const auto z = Idx(std::abs(static_cast<std::int64_t>(k_.model.shots.GetSignedShot(r.From, r.To))));
        if (z == 0 || z >= radkyZamer_.size() || r.ZacatekRadku < 1)
            continue;
        const auto it = std::upper_bound(zacatky.begin(), zacatky.end(), r.ZacatekRadku);
        radkyZamer_[z].push_back({r.ZacatekRadku, r.DelkaRadku, static_cast<int>(it - zacatky.begin())});
    }
}

std::vector<RadekZapisniku> KontrolaChyb::RadkyZamery(CisloZamery shot) const
{
    const auto z = Idx(std::abs(static_cast<std::int64_t>(shot)));
    return z < radkyZamer_.size() ? radkyZamer_[z] : std::vector<RadekZapisniku>{};
}

std::string KontrolaChyb::Jmeno(CisloBodu s) const
{
    return Orizni(k_.model.stations.GetStationName(s));
}

// "řádek 12" or "řádky 10, 11, 30": the lines of the shots, in shot order.
std::string KontrolaChyb::CislaRadku(const std::vector<CisloZamery>& zamery) const
{
    std::string cisla;
    int pocet = 0;
    for (CisloZamery z : zamery)
        for (const RadekZapisniku& r : RadkyZamery(z)) {
            cisla += (pocet++ > 0 ? ", " : "") + std::to_string(r.cislo);
        }
    if (pocet == 0)
        return {};
    return (pocet == 1 ? "řádek " : "řádky ") + cisla;
}

std::string KontrolaChyb::RadekNalezu(const NalezChyby& n) const
{
    const PolozkaChyby& p = n.pricka;
    std::string radek = std::to_string(p.oblast) + "." + std::to_string(p.skupina) + "  " + Jmeno(p.od);
    if (p.pres > 0)
        radek += " - " + Jmeno(p.pres);
    radek += " - " + Jmeno(p.k) + "  rozdíl " + FormatCislo(p.hodnota, 3) + " m";
    if (n.podezrela != 0) {
        const ShotValues z = k_.model.shots.GetShot(n.podezrela);
        radek += "  nejspíš " + std::string(NazevVeliciny(n.velicina)) + " " + Jmeno(z.From) + "-" + Jmeno(z.To);
        if (const std::string cisla = CislaRadku({n.podezrela}); !cisla.empty())
            radek += " (" + cisla + ")";
    }
    if (const std::string cisla = CislaRadku(p.zamery); !cisla.empty())
        radek += "  příčka: " + cisla;
    return radek;
}

std::vector<std::string> KontrolaChyb::RadkySCisly() const
{
    std::vector<std::string> out;
    out.reserve(radky_.size());
    for (std::size_t i = 0; i < radky_.size(); ++i) {
        if (rezim_ == Rezim::NalezeneChyby) {
            out.push_back(radky_[i].text);
            continue;
        }
        const std::string cisla = CislaRadku(zameryRadku_[i]);
        out.push_back(cisla.empty() ? radky_[i].text : radky_[i].text + "  " + cisla);
    }
    return out;
}

CisloZamery ZameraMezi(const Kontext& k, const std::string& od, const std::string& k2)
{
    const CisloBodu a = k.model.stations.FindStation(VelkaPismena(od));
    const CisloBodu b = k.model.stations.FindStation(VelkaPismena(k2));
    return a > 0 && b > 0 ? k.model.shots.GetSignedShot(a, b) : 0;
}

} // namespace lomvira
