#include "reports/TiskProtokolu.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/PlochaTisku.h"
#include "common/Text.h"
#include "input/Nacti.h"
#include "model/Model.h"
#include "network/Krizovat.h"
#include "reports/SeznamMereni.h"
#include "reports/StranaTisku.h"

#include <algorithm>
#include <vector>

namespace lomvira {

std::string ProgramSVerzi()
{
    return "Lomvira pro Windows " + std::to_string(LOMVIRA_VERSION_MAJOR) + "." +
           std::to_string(LOMVIRA_VERSION_MINOR);
}

std::string TiskniProtokol(PlochaTisku& plocha, const PodkladyTisku& data, BehTisku& beh, const CastiTisku& casti)
{
    beh.strana = 0;
    if (casti.titulniList)
        TiskTitulniList(plocha, data, beh);
    if (casti.tabulkaMereni)
        TiskTabulkaMereni(plocha, data, beh);
    if (casti.tabulkaBodu)
        TiskTabulkaBodu(plocha, data, beh);
    if (casti.tabulkaProfilu)
        TiskTabulkaProfilu(plocha, data, beh);
    std::string chyba;
    const bool hotovo = plocha.Konec(chyba);
    beh.platforma.StavovyRadek("");
    if (!hotovo)
        return chyba.empty() ? std::string("Tisk se nepodařilo dokončit.") : chyba;
    return {};
}

namespace {

constexpr double MmNaBod = 25.4 / 72;

// The header strip of the title sheet: two rows of the frame on a grid of eighteenths.
void HlavickaTitulu(StranaTisku& s, const Ramec& r)
{
    BehTisku& beh = s.Beh();
    const double y1 = r.Horni(1), y2 = r.Horni(2), y3 = r.Horni(3);
    const double x5 = r.Mrizka(5, 18), x7 = r.Mrizka(7, 18), x14 = r.Mrizka(14, 18);
    s.PismoTab(9, true);
    s.TextVBunce("PROTOKOL O MĚŘENÍ", r.leva, x5, y1, y2, Zarovnani::Vlevo);
    s.TextVBunce(ZkratZleva(s.Plocha(), beh.soubor, r.prava - x5 - 2), x5, r.prava, y1, y2, Zarovnani::Vlevo);
    s.TextVBunce(ProgramSVerzi(), r.leva, x7, y2, y3, Zarovnani::Vlevo);
    s.TextVBunce("Datum: " + beh.casovaZnacka, x7, x14, y2, y3, Zarovnani::Vlevo);
    s.TextVBunce("Strana: " + std::to_string(beh.strana), x14, r.prava, y2, y3, Zarovnani::Vlevo);
    s.Cara(r.leva, y2, r.prava, y2);
    s.Cara(r.leva, y3, r.prava, y3);
    s.Cara(x5, y1, x5, y2);
    s.Cara(x7, y2, x7, y3);
    s.Cara(x14, y2, x14, y3);
}

// The S-JTSK position (Y, X) the convergence was computed for: the first given point, or
// the centroid of all of them. False when there is no given point.
bool BodKonvergence(const Nacti& nacti, double& y, double& x)
{
    const SourSystem& system = nacti.SourSys();
    const std::int32_t pocet = nacti.DBody().Count();
    if (pocet < 1)
        return false;
    const std::int32_t n = system.AutomatickaKonvergence() == 2 ? 1 : pocet;
    y = x = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        const ZBod& z = nacti.DBody().Bod(i)->ZBod();
        // The notebook writes Y before X unless its system says otherwise.
        const bool yPrvni = EfektivniPoradi(system, 0) == 1;
        y += (yPrvni ? z.X : z.Y) / n;
        x += (yPrvni ? z.Y : z.X) / n;
    }
    return true;
}

struct RadekStatistiky {
    std::string popis, hodnota;
};

std::vector<RadekStatistiky> Statistika(const PodkladyTisku& d, const BehTisku& beh)
{
    const FormatCisel& f = beh.format;
    const Model& m = d.model;
    std::vector<RadekStatistiky> radky = {
        {"Počet daných bodů:", std::to_string(m.givenPoints.GivenPointCount())},
        {"Počet připojovacích bodů:", std::to_string(m.connections.ConnectionCount())},
        {"Počet počítaných bodů:", std::to_string(m.stations.StationCount())},
        {"Počet záměr:", std::to_string(m.shots.ShotCount())},
        {"Počet měření:", std::to_string(d.seznam.ListingCount())},
        {},
    };
    // Heights and lengths of coordinates that no computation has given would be made up.
    // Lengths and heights are written as files write them (with "."); the masked values below
    // take the user's marks.
    RadekStatistiky denivelace{"Denivelace:", ""}, nejvyssi{"Nejvyšší místo:", ""}, nejnizsi{"Nejnižší místo:", ""};
    double delka = 0;
    if (d.spocteno && m.stations.StationCount() > 0) {
        int hore = 1, dole = 1;
        for (int s = 2; s <= m.stations.StationCount(); ++s) {
            const double z = m.stations.GetStation(s).Z;
            if (z > m.stations.GetStation(hore).Z)
                hore = s;
            if (z < m.stations.GetStation(dole).Z)
                dole = s;
        }
        const StationRecord h = m.stations.GetStation(hore), l = m.stations.GetStation(dole);
        denivelace.hodnota = FormatCislo(h.Z - l.Z, 3) + " m";
        nejvyssi.hodnota = FormatCislo(h.Z, 3) + " m je v bodě " + Orizni(h.Name);
        nejnizsi.hodnota = FormatCislo(l.Z, 3) + " m je v bodě " + Orizni(l.Name);
        delka = d.sit.GroupLength3D(0, 0);
    } else {
        for (int k = 1; k <= m.shots.ShotCount(); ++k)
            delka += m.shots.GetShot(k).L;
    }
    radky.insert(radky.end(), {denivelace, nejvyssi, nejnizsi, {}});
    radky.push_back({"Celková délka polygonu:", FormatCislo(delka, 3) + " m"});
    radky.push_back({});

    const Nacti* nacti = d.nacti;
    const bool jtsk = nacti && nacti->SourSys().JTSK();
    radky.push_back({"Souřadný systém:", jtsk ? "JTSK" : "vlastní"});
    if (jtsk) {
        const SourSystem& s = nacti->SourSys();
        const double c = s.Natoceni();
        radky.push_back({"Meridiánová konvergence:", "C=" + UhelDMS(c, f) + " = " +
                                                          CisloTisku(Z_Radianu(c, JednotkaGrady), 4, f) + "g"});
        double y = 0, x = 0;
        if (s.AutomatickaKonvergence() <= 1) {
            radky.push_back({"", "zadaná hodnotou"});
        } else if (BodKonvergence(*nacti, y, x)) {
            radky.push_back({"", s.AutomatickaKonvergence() == 2
                                     ? "k danému bodu " + Orizni(nacti->DBody().Bod(1)->Name()) + ":"
                                     : std::string("pro souřadnice:")});
            radky.push_back({"", "(Y=" + CisloSkupinTisku(y, 3, f) + "; X=" + CisloSkupinTisku(x, 3, f) + ")"});
        }
    }
    const int zpusob = nacti ? nacti->SourSys().ZpusobVyrovnani() : 0;
    radky.push_back({"Korekce natočení:", zpusob == 1   ? "pro všechny oblasti společně"
                                          : zpusob == 2 ? "pro každou oblast zvlášť"
                                                        : "nenatáčet"});
    radky.push_back({});
    radky.push_back({"Výškový systém:", nacti && nacti->SourSys().BPV() ? "BPV" : "vlastní"});
    return radky;
}

} // namespace

void TiskTitulniList(PlochaTisku& plocha, const PodkladyTisku& d, BehTisku& beh)
{
    StranaTisku s(plocha, beh);
    s.ZacniStranu(8);
    const Ramec r(s.Sirka(), s.Vyska(), 31);
    s.Obdelnik(r.leva, r.horni, r.prava, r.dolni, 4);
    HlavickaTitulu(s, r);

    Lokalita lokalita;
    if (d.nacti)
        lokalita = d.nacti->LokalitaZapisniku();
    s.PismoProp(20, true);
    s.Text(lokalita.jmeno, r.leva, r.prava, 70, Zarovnani::NaStred, 0);
    s.PismoProp(14, true);
    s.Text(lokalita.cislo, r.leva, r.prava, 80, Zarovnani::NaStred, 0);
    s.Text(beh.komentar, r.leva, r.prava, 90, Zarovnani::NaStred, 0);
    s.Cara(r.leva, 100, r.prava, 100);

    // One row of the frame per item; on a short page the rows (and the font) close up so
    // that the last one stays inside the frame.
    const std::vector<RadekStatistiky> radky = Statistika(d, beh);
    const double rozestup = std::min(r.radek, (r.dolni - 2 - 110) / static_cast<double>(radky.size()));
    s.PismoTab(std::min(12.0, rozestup / MmNaBod / 1.15), true);
    double y = 110;
    for (const RadekStatistiky& radek : radky) {
        s.Text(radek.popis, r.leva + 2, 95, y, Zarovnani::Vlevo, 0);
        s.Text(radek.hodnota, 95, r.prava, y, Zarovnani::Vlevo, 0);
        y += rozestup;
    }
    plocha.NovaStrana();
}

} // namespace lomvira
