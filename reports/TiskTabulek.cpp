// The three tables of the protocol: the measurements as written, the computed points
// region by region, and the profile boxes to be filled in by hand.
#include "reports/TiskProtokolu.h"

#include "common/Cisla.h"
#include "common/PlochaTisku.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"
#include "input/Nacti.h"
#include "model/Model.h"
#include "model/Razeni.h"
#include "reports/SeznamMereni.h"
#include "reports/StranaTisku.h"

#include <algorithm>
#include <array>
#include <optional>

namespace lomvira {

namespace {

// --- measurement table ------------------------------------------------------------------

constexpr int RadkuMereni = 26;
constexpr int MereniNaStranu = RadkuMereni - 1;

// Column boundaries on the grid of twenty-fifths: from, to, distance, forward and back
// direction, inclination, declination, mean, then the repeat and the adjusted deviations
// (distance, direction, inclination each).
constexpr std::array<double, 15> HraniceMereni = {0,    2.2,  4.4,   6.2,  8.0,  9.8,   11.8, 13.4,
                                                   15.2, 16.8, 18.45, 20.1, 21.7, 23.35, 25.0};
// How far down the head each boundary starts: 0 at the frame's top, 1 below a group's
// caption, 2 below "SMĚR" (between "TAM" and "ZPĚT").
constexpr std::array<int, 15> UrovenHranice = {0, 0, 0, 1, 2, 1, 1, 0, 0, 1, 1, 0, 1, 1, 0};

std::string Znacka(int jednotky)
{
    return jednotky == JednotkaStupne ? "\xC2\xB0" : jednotky == JednotkaGrady ? "g" : "";
}

void ZahlaviZapisniku(StranaTisku& s, const Ramec& r)
{
    const BehTisku& beh = s.Beh();
    s.PismoTab(14, true);
    s.Text("ZÁPISNÍK KOMPASOVÉHO MĚŘENÍ", r.leva, r.prava, 18, Zarovnani::Vlevo, 0);
    s.PismoTab(10, true);
    s.Text("Datum: " + beh.casovaZnacka, r.leva, r.prava, 30, Zarovnani::Vlevo, 0);
    s.Text("Strana: " + std::to_string(beh.strana), r.leva, r.prava, 30, Zarovnani::Vpravo, 0);

    s.Obdelnik(r.leva, r.horni, r.prava, r.dolni, 4);
    for (int i = 2; i <= RadkuMereni; ++i)
        s.Cara(r.leva, r.Horni(i), r.prava, r.Horni(i));
    const double tretina = r.radek / 3;
    auto x = [&](int i) { return r.Mrizka(HraniceMereni[static_cast<std::size_t>(i)], 25); };
    for (int i = 1; i < 14; ++i)
        s.Cara(x(i), r.horni + UrovenHranice[static_cast<std::size_t>(i)] * tretina, x(i), r.dolni);
    const double y1 = r.horni, y2 = y1 + tretina, y3 = y2 + tretina, y4 = r.Horni(2);
    s.Cara(x(2), y2, x(7), y2);
    s.Cara(x(8), y2, x(14), y2);
    s.Cara(x(3), y3, x(5), y3);

    s.PismoTab(6, true);
    auto hlava = [&](const char* text, int od, int po, double horni, double dolni) {
        s.TextVBunce(text, x(od), x(po), horni, dolni, Zarovnani::NaStred, 0.5);
    };
    hlava("Z BODU", 0, 1, y1, y4);
    hlava("DO BODU", 1, 2, y1, y4);
    hlava("MĚŘENÍ NA ZÁMĚŘE", 2, 7, y1, y2);
    hlava("VZDÁL.", 2, 3, y2, y4);
    hlava("SMĚR", 3, 5, y2, y3);
    hlava("TAM", 3, 4, y3, y4);
    hlava("ZPĚT", 4, 5, y3, y4);
    hlava("SKLON", 5, 6, y2, y4);
    hlava("DEKL.", 6, 7, y2, y4);
    hlava("STŘED", 7, 8, y1, y4);
    for (const int od : {8, 11}) {
        hlava(od == 8 ? "Odchylky pro více měření" : "Odchylky po vyrovnání", od, od + 3, y1, y2);
        hlava("VZDÁL.", od, od + 1, y2, y4);
        hlava("SMĚR", od + 1, od + 2, y2, y4);
        hlava("SKLON", od + 2, od + 3, y2, y4);
    }
}

// The values of one record in the order of the columns.
std::array<std::string, 14> HodnotyMereni(const MeasurementListRecord& z, const FormatCisel& f)
{
    const KodyMereni k = RozbalKody(z.Flags);
    const std::string smer = Znacka(k.jednotkySmeru), sklon = Znacka(k.jednotkySklonu);
    const std::string zpusobDelky(1, " VH"[std::clamp(k.zpusobDelky, 0, 2)]);
    const std::string zpusobSklonu(1, k.zpusobSklonu == 1 ? 'Z' : ' ');
    std::array<std::string, 14> h;
    h[0] = Orizni(z.NameFrom);
    h[1] = Orizni(z.NameTo);
    h[2] = CisloSkupinTisku(z.Distance, 3, f) + zpusobDelky;
    h[3] = CisloTisku(z.Direction, 3, f) + smer;
    if (k.zpetnySmer)
        h[4] = CisloTisku(z.BackDirection, 3, f) + smer;
    h[5] = CisloTisku(z.Inclination, 3, f) + sklon + zpusobSklonu;
    h[6] = CisloPromenneTisku(Z_Radianu(z.Declination, k.jednotkySmeru), 4, 1, f) + smer;
    h[7] = CisloTisku(z.CorrectedDirection, 3, f) + smer;
    if (z.HasRepeatDeviations) {
        h[8] = CisloSkupinTisku(z.RepeatDevDistance, 3, f);
        h[9] = CisloTisku(z.RepeatDevDirection, 3, f) + smer;
        h[10] = CisloTisku(z.RepeatDevInclination, 3, f) + sklon;
    }
    if (z.HasAdjustedDeviations) {
        h[11] = CisloSkupinTisku(z.AdjustedDevDistance, 3, f);
        h[12] = CisloTisku(z.AdjustedDevDirection, 3, f) + smer;
        h[13] = CisloTisku(z.AdjustedDevInclination, 3, f) + sklon;
    }
    return h;
}

// --- point table ------------------------------------------------------------------------

constexpr int RadkuBodu = 31;
constexpr int BoduNaStranu = RadkuBodu - 1;
// Name, the three coordinates and the relative height on the grid of eighteenths; without
// relative heights the four columns share the width.
constexpr std::array<double, 6> HraniceBodu = {0, 4, 8, 12, 15, 18};
constexpr std::array<double, 6> HraniceBoduBezRelativnich = {0, 4.5, 9, 13.5, 18, 18};

const std::array<double, 6>& Hranice(bool relativni)
{
    return relativni ? HraniceBodu : HraniceBoduBezRelativnich;
}

bool RelativniVysky(const SourSystem* system)
{
    return system && (system->RelativniVysky() == VyskyKHladine || system->RelativniVysky() == VyskyKBodu);
}

std::string RadekSystemu(const PodkladyTisku& d, int oblast, const FormatCisel& f)
{
    std::string t = "Souř. systém: ";
    const SourSystem* s = d.nacti ? &d.nacti->SourSys() : nullptr;
    const double natoceni = s ? s->Natoceni() : 0.0;
    if (s && s->JTSK())
        t += "JTSK, C'=" + UhelDMS(natoceni, f) + " (" + UhelGrady(natoceni, f) + ")";
    else
        t += "vlastní, x=" + UhelDMS(natoceni + PI / 2, f) + " (" + UhelGrady(natoceni + PI / 2, f) + ")";
    const bool samostatne = s && s->ZpusobVyrovnani() == 2;
    if (oblast >= 1 && (d.model.connections.RegionConnectionCount(oblast) > 1 || samostatne)) {
        const double k = d.model.regions.GetRegionRotation(oblast);
        t += ", K=" + UhelDMS(k, f) + " (" + UhelGrady(k, f) + ")";
    } else {
        t += ", K nelze určit";
    }
    return t;
}

void ZahlaviSouradnic(StranaTisku& s, const Ramec& r, const PodkladyTisku& d, int oblast)
{
    const BehTisku& beh = s.Beh();
    const SourSystem* system = d.nacti ? &d.nacti->SourSys() : nullptr;
    s.PismoTab(14, true);
    s.Text("SOUŘADNICE VYPOČTENÝCH BODŮ", r.leva, r.prava, 15, Zarovnani::Vlevo, 0);
    s.PismoTab(9, true);
    s.Text("Ev. č.: " + (d.nacti ? d.nacti->LokalitaZapisniku().cislo : std::string()), r.leva, r.prava, 23,
           Zarovnani::Vlevo, 0);
    s.Text("Datum: " + beh.casovaZnacka, r.leva, r.prava, 23, Zarovnani::NaStred, 0);
    s.Text("Strana: " + std::to_string(beh.strana), r.leva, r.prava, 23, Zarovnani::Vpravo, 0);
    s.PismoTab(8, true);
    s.Text(RadekSystemu(d, oblast, beh.format), r.leva, r.prava, 30, Zarovnani::Vlevo, 0);
    if (RelativniVysky(system)) {
        std::string reference = "o=" + CisloTisku(system->SrovnavaciRovina(), 3, beh.format);
        if (system->RelativniVysky() == VyskyKBodu)
            reference = "K bodu " + Orizni(system->SrovnavaciBod()) + "  " + reference;
        s.Text(reference, r.leva, r.prava, 34.5, Zarovnani::Vlevo, 0);
    }

    s.Obdelnik(r.leva, r.horni, r.prava, r.dolni, 4);
    for (int i = 2; i <= RadkuBodu; ++i)
        s.Cara(r.leva, r.Horni(i), r.prava, r.Horni(i));
    const int sloupcu = RelativniVysky(system) ? 5 : 4;
    const auto& hranice = Hranice(RelativniVysky(system));
    for (int i = 1; i < sloupcu; ++i) {
        const double x = r.Mrizka(hranice[static_cast<std::size_t>(i)], 18);
        s.Cara(x, r.horni, x, r.dolni);
    }
    const PopiskyOs osy = system ? Popisky(*system) : PopiskyOs{"X", "Y", "Z"};
    const std::array<std::string, 5> hlavy = {"BOD", osy.lab1, osy.lab2, osy.lab3, std::string(osy.lab3) + "d"};
    s.PismoTab(9, true);
    for (int i = 0; i < sloupcu; ++i)
        s.TextVBunce(hlavy[static_cast<std::size_t>(i)], r.Mrizka(hranice[static_cast<std::size_t>(i)], 18),
                     r.Mrizka(hranice[static_cast<std::size_t>(i) + 1], 18), r.Horni(1), r.Horni(2),
                     Zarovnani::NaStred);
}

// The station's output record; nothing before a computation has given coordinates.
std::optional<ZBod> Vystup(const PodkladyTisku& d, const SourSystTransf& t, int stanice)
{
    if (!d.spocteno)
        return std::nullopt;
    const StationRecord p = d.model.stations.GetStation(stanice);
    return t.Vystup({p.Name, p.X, p.Y, p.Z});
}

// --- profile table ----------------------------------------------------------------------

constexpr int ProfiluNaStranu = 8;

double MeritkoProfilu(double sirka, double vyska)
{
    return std::min((sirka - 10) / 175, (vyska - 25) / 240);
}

void ZahlaviProfilu(StranaTisku& s, double k, const PodkladyTisku& d)
{
    const BehTisku& beh = s.Beh();
    const double leva = 5 * k, prava = 180 * k;
    s.PismoTab(14 * k, true);
    s.Text("TABULKA PROFILŮ", leva, prava, 8 * k, Zarovnani::Vlevo, 0);
    const double nazev = s.Plocha().SirkaTextu("TABULKA PROFILŮ ");
    s.PismoTab(9 * k, true);
    s.Text(ZkratZleva(s.Plocha(), beh.soubor, prava - leva - nazev - 5 * k), leva + nazev + 5 * k, prava, 9 * k,
           Zarovnani::Vpravo, 0);
    s.Text("Ev. č.: " + (d.nacti ? d.nacti->LokalitaZapisniku().cislo : std::string()), leva, prava, 15 * k,
           Zarovnani::Vlevo, 0);
    s.Text("Datum: " + beh.casovaZnacka, leva, prava, 15 * k, Zarovnani::NaStred, 0);
    s.Text("Strana: " + std::to_string(beh.strana), leva, prava, 15 * k, Zarovnani::Vpravo, 0);
}

void Profil(StranaTisku& s, double k, double horni, const std::string& jmeno, const std::optional<ZBod>& z,
            const std::array<std::string, 3>& popisky, const FormatCisel& f)
{
    const double x0 = 5 * k, x1 = 7 * k, x2 = 52 * k, x3 = 97 * k, x4 = 142 * k, x5 = 180 * k;
    const double radek = 10 * k;
    s.Obdelnik(x0, horni, x5, horni + 30 * k, 3);
    s.Cara(x0, horni + radek, x5, horni + radek);
    s.Cara(x0, horni + 2 * radek, x5, horni + 2 * radek);
    for (const double x : {x2, x3, x4})
        s.Cara(x, horni, x, horni + radek);
    s.Cara(x3, horni + radek, x3, horni + 2 * radek);

    s.PismoTab(8 * k, true);
    s.TextVBunce("BOD:", x1, x2, horni, horni + radek, Zarovnani::Vlevo, 0);
    const std::array<double, 4> bunky = {x2, x3, x4, x5};
    for (std::size_t i = 0; i < 3; ++i)
        s.TextVBunce(popisky[i], bunky[i], bunky[i + 1], horni, horni + radek, Zarovnani::Vlevo, 2 * k);
    s.TextVBunce("Od stropu:", x1, x3, horni + radek, horni + 2 * radek, Zarovnani::Vlevo, 0);
    s.TextVBunce("Od počvy:", x3, x5, horni + radek, horni + 2 * radek, Zarovnani::Vlevo, 2 * k);
    s.TextVBunce("Poznámka:", x1, x5, horni + 2 * radek, horni + 3 * radek, Zarovnani::Vlevo, 0);

    s.PismoTab(10 * k, true);
    const double nazvy = s.Plocha().SirkaTextu("BOD: ");
    s.TextVBunce(jmeno, x1 + nazvy, x2, horni, horni + radek, Zarovnani::Vpravo, 4 * k);
    if (!z)
        return;
    const std::array<double, 3> hodnoty = {z->X, z->Y, z->Z};
    for (std::size_t i = 0; i < 3; ++i) {
        s.PismoTab(8 * k, true);
        const double popis = s.Plocha().SirkaTextu(popisky[i]);
        s.PismoTab(10 * k, false);
        s.TextVBunce(CisloSkupinTisku(hodnoty[i], 3, f), bunky[i] + 2 * k + popis, bunky[i + 1], horni,
                     horni + radek, Zarovnani::Vpravo, 2 * k);
    }
}

} // namespace

void TiskTabulkaMereni(PlochaTisku& plocha, const PodkladyTisku& d, BehTisku& beh)
{
    StranaTisku s(plocha, beh);
    const Ramec r(s.Sirka(), s.Vyska(), RadkuMereni);
    auto strana = [&] {
        s.ZacniStranu(10);
        ZahlaviZapisniku(s, r);
        s.PismoTab(6, false);
    };
    strana();
    for (int n = 1, naStrane = 0; n <= d.seznam.ListingCount(); ++n, ++naStrane) {
        if (naStrane == MereniNaStranu) {
            plocha.NovaStrana();
            strana();
            naStrane = 0;
        }
        const auto hodnoty = HodnotyMereni(d.seznam.GetListingRecord(n), beh.format);
        const double horni = r.Horni(naStrane + 2), dolni = r.Horni(naStrane + 3);
        for (std::size_t i = 0; i < hodnoty.size(); ++i)
            s.TextVBunce(hodnoty[i], r.Mrizka(HraniceMereni[i], 25), r.Mrizka(HraniceMereni[i + 1], 25), horni,
                         dolni, Zarovnani::Vpravo, 0.5);
    }
    plocha.NovaStrana();
}

void TiskTabulkaBodu(PlochaTisku& plocha, const PodkladyTisku& d, BehTisku& beh)
{
    StranaTisku s(plocha, beh);
    const Ramec r(s.Sirka(), s.Vyska(), RadkuBodu);
    const SourSystem* system = d.nacti ? &d.nacti->SourSys() : nullptr;
    const SourSystTransf t = system ? SourSystTransf(*system) : SourSystTransf();
    auto strana = [&](int oblast) {
        s.ZacniStranu(8);
        ZahlaviSouradnic(s, r, d, oblast);
        s.PismoTab(9, false);
    };
    const RegionTable& oblasti = d.model.regions;
    if (oblasti.RegionCount() < 1) {
        strana(0);
        plocha.NovaStrana();
        return;
    }
    const auto& hranice = Hranice(RelativniVysky(system));
    auto x = [&](int i) { return r.Mrizka(hranice[static_cast<std::size_t>(i)], 18); };
    for (int oblast = 1; oblast <= oblasti.RegionCount(); ++oblast) {
        strana(oblast);
        int naStrane = 0;
        for (int i = 1; i <= d.razeni.Count(); ++i) {
            const int stanice = d.razeni.Item(i);
            if (oblasti.RegionOf(stanice) != oblast)
                continue;
            if (naStrane == BoduNaStranu) {
                plocha.NovaStrana();
                strana(oblast);
                naStrane = 0;
            }
            const double horni = r.Horni(naStrane + 2), dolni = r.Horni(naStrane + 3);
            s.TextVBunce(Orizni(d.model.stations.GetStationName(stanice)), x(0), x(1), horni, dolni, Zarovnani::Vlevo);
            if (const auto z = Vystup(d, t, stanice)) {
                const std::array<double, 3> hodnoty = {z->X, z->Y, z->Z};
                for (int j = 0; j < 3; ++j)
                    s.TextVBunce(CisloSkupinTisku(hodnoty[static_cast<std::size_t>(j)], 3, beh.format), x(j + 1),
                                 x(j + 2), horni, dolni, Zarovnani::Vpravo);
                if (RelativniVysky(system))
                    s.TextVBunce(CisloSkupinTisku(z->Z - system->SrovnavaciRovina(), 3, beh.format), x(4), x(5),
                                 horni, dolni, Zarovnani::Vpravo);
            }
            ++naStrane;
        }
        plocha.NovaStrana();
    }
}

void TiskTabulkaProfilu(PlochaTisku& plocha, const PodkladyTisku& d, BehTisku& beh)
{
    StranaTisku s(plocha, beh);
    const double k = MeritkoProfilu(s.Sirka(), s.Vyska());
    const SourSystem* system = d.nacti ? &d.nacti->SourSys() : nullptr;
    const SourSystTransf t = system ? SourSystTransf(*system) : SourSystTransf();
    const PopiskyOs osy = system ? Popisky(*system) : PopiskyOs{"X", "Y", "Z"};
    const std::array<std::string, 3> popisky = {std::string(osy.lab1) + "=", std::string(osy.lab2) + "=",
                                                system && system->BPV() ? "BPV=" : std::string(osy.lab3) + "="};
    auto strana = [&] {
        s.ZacniStranu(8);
        ZahlaviProfilu(s, k, d);
    };
    strana();
    for (int i = 1, naStrane = 0; i <= d.razeni.Count(); ++i, ++naStrane) {
        if (naStrane == ProfiluNaStranu) {
            plocha.NovaStrana();
            strana();
            naStrane = 0;
        }
        const int stanice = d.razeni.Item(i);
        Profil(s, k, (22 + 30 * naStrane) * k, Orizni(d.model.stations.GetStationName(stanice)),
               Vystup(d, t, stanice), popisky, beh.format);
    }
    plocha.NovaStrana();
}

} // namespace lomvira
