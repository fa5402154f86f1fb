#include "app/Vypocet.h"

#include "adjust/GAUSV.h"
#include "common/Cisla.h"
#include "app/Kontext.h"
#include "coords/SourSystTransf.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace lomvira {

namespace {

const char* const CRLF = "\r\n";

// Rotation modes of the coordinate system command.
constexpr int BezNatoceni = 0;
constexpr int NatoceniSpolecne = 1;
constexpr int NatoceniSamostatne = 2;

// A connection of the preliminary computation: its station, given point and solved position.
struct SpoctenePripojeni {
    int stanice = 0;
    int danyBod = 0;
    BodXYZ poloha;
};

// Where the computation stands: the tables it writes and the transformation it uses.
class Vypocet {
public:
    explicit Vypocet(Kontext& k) : k_(k), t_(k.nacti->SourSys()) {}

    std::string Spust();

private:
    bool Natoceni(int zpusob);
    bool PredbezneNatoceni(int r, std::vector<DvojiceNatoceni>& dvojice, BodXYZ& stredDanych,
                           BodXYZ& stredSpoctenych, std::vector<SpoctenePripojeni>& spoctene);
    bool Dotaz(int r, double corr);
    bool PevneBody(int r, int g, FixedNodes& pevne);
    bool VyrovnejSit(int r, int g, double corr, const FixedNodes& pevne);
    void PrenesRetezec(int r, int g, double corr, const FixedNodes& pevne);
    bool Chyba(int r, int g, const StavReseni& s);
    BodXYZ DanyBodVypoctu(int n) const;

    Kontext& k_;
    SourSystTransf t_;
    NormalSystem soustava_;
    std::string chyba_;
};

BodXYZ Vypocet::DanyBodVypoctu(int n) const
{
    const StationRecord p = k_.model.givenPoints.GetGivenPoint(n);
    const Bod kart = t_.GeogrToKart({p.Name, p.X, p.Y, p.Z});
    return {kart.X, kart.Y, kart.Z};
}

bool Vypocet::Chyba(int r, int g, const StavReseni& s)
{
    chyba_ = "Výpočet skupiny " + std::to_string(r) + "." + std::to_string(g) + " nelze dokončit: " + s.text;
    k_.platforma.ZpravaBox(chyba_, MsgBox::OkOnly | MsgBox::Critical);
    return false;
}

// The group's reference entries as fixed nodes: given points converted into the
// computation frame, stations at their present coordinates.
bool Vypocet::PevneBody(int r, int g, FixedNodes& pevne)
{
    pevne.Clear();
    for (int i = 1; i <= k_.sit.GroupRefCount(r, g); ++i) {
        const GroupRef ref = k_.sit.Get_ZBod_OS(r, g, i);
        if (ref.RefPosition < 1)
            continue;
        BodXYZ p;
        if (ref.RefPoint < 0) {
            p = DanyBodVypoctu(-ref.RefPoint);
        } else {
            const StationRecord s = k_.model.stations.GetStation(ref.RefPoint);
            p = {s.X, s.Y, s.Z};
        }
        pevne.Add(ref.RefPosition, p.X, p.Y, p.Z);
    }
    return pevne.Count() > 0;
}

bool Vypocet::VyrovnejSit(int r, int g, double corr, const FixedNodes& pevne)
{
    soustava_.ClearSystem();
    const int pocet = k_.sit.GroupShotCount(r, g);
    int rovnic = 0;
    k_.platforma.ZacniPrubeh("Příprava matice", pocet);
    for (int i = 1; i <= pocet; ++i) {
        k_.platforma.KrokPrubehu(i);
        const GroupShotValues z = k_.sit.GetGroupShotValues(r, g, i);
        // A shot from a station to itself says nothing about where the station is.
        if (z.From == z.To)
            continue;
        ++rovnic;
        const ShotVariances v = k_.model.shots.GetShotVariances(z.Shot, k_.volby.VICE_MERENI != 0);
        const StavReseni s = soustava_.AddShotEquations(z.From, z.To, z.L, z.Az + corr, z.Inc, v.L, v.Az, v.Inc);
        if (!s)
            return Chyba(r, g, s);
    }
    k_.platforma.KonecPrubehu();
    if (rovnic == 0) {
        // Nothing to adjust: the group's stations are its fixed nodes.
        for (const FixedNodes::Uzel& u : pevne.Uzly())
            k_.model.stations.SetStationCoordinates(k_.sit.GetGroupStation(r, g, u.uzel), u.xyz.X, u.xyz.Y,
                                                    u.xyz.Z);
        return true;
    }
    const StavReseni s = soustava_.SolveSystem(pevne, k_.platforma);
    if (!s)
        return Chyba(r, g, s);
    return true;
}

// An open traverse or a dead end: each shot carries the position of its start on.
void Vypocet::PrenesRetezec(int r, int g, double corr, const FixedNodes& pevne)
{
    const int stanic = k_.sit.GroupStationCount(r, g);
    std::vector<BodXYZ> poloha(static_cast<std::size_t>(stanic) + 1);
    const FixedNodes::Uzel& start = pevne.Uzly().front();
    poloha[static_cast<std::size_t>(start.uzel)] = start.xyz;
    if (k_.sit.Get_ZBod_OS(r, g, 1).RefPoint < 0)
        k_.model.stations.SetStationCoordinates(k_.sit.GetGroupStation(r, g, start.uzel), start.xyz.X,
                                                start.xyz.Y, start.xyz.Z);
    for (int i = 1; i <= k_.sit.GroupShotCount(r, g); ++i) {
        const GroupShotValues z = k_.sit.GetGroupShotValues(r, g, i);
        const BodXYZ& p = poloha[static_cast<std::size_t>(z.From)];
        const double az = z.Az + corr;
        BodXYZ q{p.X + z.L * std::cos(az) * std::cos(z.Inc), p.Y + z.L * std::sin(az) * std::cos(z.Inc),
                 p.Z + z.L * std::sin(z.Inc)};
        poloha[static_cast<std::size_t>(z.To)] = q;
        k_.model.stations.SetStationCoordinates(k_.sit.GetGroupStation(r, g, z.To), q.X, q.Y, q.Z);
    }
}

// Group 1 of the region solved on its first given point alone, without any rotation; one
// pair per further given point of the group.
bool Vypocet::PredbezneNatoceni(int r, std::vector<DvojiceNatoceni>& dvojice, BodXYZ& stredDanych,
                                BodXYZ& stredSpoctenych, std::vector<SpoctenePripojeni>& spoctene)
{
    k_.StavovyRadek("Předběžný výpočet pro natočení");
    const GroupRef prvni = k_.sit.Get_ZBod_OS(r, 1, 1);
    if (prvni.RefPoint >= 0 || k_.sit.GroupKind(r, 1) != SkupinaSit)
        return true;
    const BodXYZ p1 = DanyBodVypoctu(-prvni.RefPoint);
    FixedNodes pevne;
    pevne.Add(prvni.RefPosition, p1.X, p1.Y, p1.Z);
    if (!VyrovnejSit(r, 1, 0.0, pevne))
        return false;
    if (!soustava_.Vyreseno())
        return true; // a group of self-shots alone gives no direction to fit
    const BodXYZ s1 = *soustava_.GetSolution(prvni.RefPosition);
    const int n = std::min<int>(k_.model.connections.RegionConnectionCount(r), k_.sit.GroupRefCount(r, 1));
    for (int i = 1; i <= n; ++i) {
        const GroupRef ref = k_.sit.Get_ZBod_OS(r, 1, i);
        if (ref.RefPoint >= 0)
            continue;
        const auto reseni = soustava_.GetSolution(ref.RefPosition);
        if (!reseni)
            continue;
        const BodXYZ dany = DanyBodVypoctu(-ref.RefPoint);
        const BodXYZ spocteny = *reseni;
        stredDanych = {stredDanych.X + dany.X, stredDanych.Y + dany.Y, stredDanych.Z + dany.Z};
        stredSpoctenych = {stredSpoctenych.X + spocteny.X, stredSpoctenych.Y + spocteny.Y,
                           stredSpoctenych.Z + spocteny.Z};
        spoctene.push_back({k_.sit.GetGroupStation(r, 1, ref.RefPosition), -ref.RefPoint, spocteny});
        if (i == 1)
            continue;
        DvojiceNatoceni d;
        d.cilX = dany.X - p1.X;
        d.cilY = dany.Y - p1.Y;
        PolarniSouradnice(spocteny.X - s1.X, spocteny.Y - s1.Y, d.vaha, d.azimut);
        dvojice.push_back(d);
    }
    if (!spoctene.empty()) {
        const double m = static_cast<double>(spoctene.size());
        stredDanych = {stredDanych.X / m, stredDanych.Y / m, stredDanych.Z / m};
        stredSpoctenych = {stredSpoctenych.X / m, stredSpoctenych.Y / m, stredSpoctenych.Z / m};
    }
    return true;
}

bool Vypocet::Dotaz(int r, double corr)
{
    if (k_.volby.DOTAZY <= 0)
        return true;
    const std::string text = "Natočení polygonu oblasti " + std::to_string(r) + " ve směru azimutu: "
                             + FormatCislo(-corr * 180.0 / PI, 3, true) + "\xC2\xB0" + CRLF
                             + "Chcete pokračovat ve výpočtu?";
    if (k_.platforma.ZpravaBox(text, MsgBox::YesNo | MsgBox::Question) == MsgBox::Yes)
        return true;
    chyba_ = text;
    return false;
}

bool Vypocet::Natoceni(int zpusob)
{
    RegionTable& oblasti = k_.model.regions;
    const int pocet = oblasti.RegionCount();
    if (zpusob == NatoceniSpolecne) {
        std::vector<DvojiceNatoceni> vse;
        for (int r = 1; r <= pocet; ++r) {
            if (k_.model.connections.RegionConnectionCount(r) < 2)
                continue;
            BodXYZ a, b;
            std::vector<SpoctenePripojeni> spoctene;
            if (!PredbezneNatoceni(r, vse, a, b, spoctene))
                return false;
        }
        const double theta = vse.empty() ? 0.0 : RotationFit(vse, k_.platforma);
        for (int r = 1; r <= pocet; ++r)
            oblasti.SetRegionRotation(r, -theta);
    }
    for (int r = 1; r <= pocet; ++r) {
        double corr = zpusob == NatoceniSpolecne ? -oblasti.GetRegionRotation(r) : 0.0;
        if (zpusob == NatoceniSamostatne && k_.model.connections.RegionConnectionCount(r) >= 2) {
            std::vector<DvojiceNatoceni> dvojice;
            BodXYZ stredDanych, stredSpoctenych;
            std::vector<SpoctenePripojeni> spoctene;
            if (!PredbezneNatoceni(r, dvojice, stredDanych, stredSpoctenych, spoctene))
                return false;
            k_.StavovyRadek("Výpočet natočení");
            corr = dvojice.empty() ? 0.0 : RotationFit(dvojice, k_.platforma);
            // How far each given point lies from the turned preliminary network, both
            // taken about their centroids.
            const double c = std::cos(corr), s = std::sin(corr);
            for (const SpoctenePripojeni& sp : spoctene) {
                const BodXYZ& p = sp.poloha;
                const BodXYZ dany = DanyBodVypoctu(sp.danyBod);
                const double x = p.X - stredSpoctenych.X, y = p.Y - stredSpoctenych.Y;
                const BodXYZ otoceny{stredDanych.X + x * c - y * s, stredDanych.Y + x * s + y * c,
                                     stredDanych.Z + p.Z - stredSpoctenych.Z};
                k_.model.connections.SetConnectionDifferences(sp.stanice, dany.X - otoceny.X, dany.Y - otoceny.Y,
                                                              dany.Z - otoceny.Z);
            }
        }
        if (zpusob != NatoceniSpolecne)
            oblasti.SetRegionRotation(r, -corr);
        if (!Dotaz(r, corr))
            return false;
    }
    return true;
}

std::string Vypocet::Spust()
{
    const SourSystem& system = k_.nacti->SourSys();
    // Without a coordinate system command nothing is turned.
    const int zpusob = system.Typ() == 0 ? BezNatoceni : system.ZpusobVyrovnani();
    if (!Natoceni(zpusob))
        return chyba_;

    RegionTable& oblasti = k_.model.regions;
    FixedNodes pevne;
    for (int r = 1; r <= oblasti.RegionCount(); ++r) {
        const double corr = -oblasti.GetRegionRotation(r);
        for (int g = 1; g <= k_.sit.GroupCount(r); ++g) {
            k_.StavovyRadek("Řešení skupiny " + std::to_string(r) + "." + std::to_string(g));
            if (!PevneBody(r, g, pevne)) {
                Chyba(r, g, {ChybaReseni::BezPevnehoBodu, 0, "skupina nemá žádný pevný bod."});
                return chyba_;
            }
            if (k_.sit.GroupKind(r, g) == SkupinaSit) {
                if (!VyrovnejSit(r, g, corr, pevne))
                    return chyba_;
                for (int i = 1; soustava_.Vyreseno() && i <= k_.sit.GroupStationCount(r, g); ++i) {
                    const auto p = soustava_.GetSolution(i);
                    if (p)
                        k_.model.stations.SetStationCoordinates(k_.sit.GetGroupStation(r, g, i), p->X, p->Y, p->Z);
                }
            } else {
                PrenesRetezec(r, g, corr, pevne);
            }
        }
    }
    return {};
}

} // namespace

double RotationFit(std::vector<DvojiceNatoceni> d, Platforma& platforma)
{
    if (d.empty())
        return 0.0;
    double smer1 = 0, delka1 = 0;
    PolarniSouradnice(d[0].cilX, d[0].cilY, delka1, smer1);
    const double theta0 = smer1 - d[0].azimut;
    for (DvojiceNatoceni& p : d)
        p.azimut += theta0;
    double total = theta0;
    if (d.size() == 1)
        return total;
    int iterace = 0;
    double krok = 0;
    bool ukonceno = false;
    for (;;) {
        ++iterace;
        double s1 = 0, s2 = 0;
        for (const DvojiceNatoceni& p : d) {
            s1 += p.vaha * (std::cos(p.azimut) * p.cilY - std::sin(p.azimut) * p.cilX);
            s2 += p.vaha * (std::cos(p.azimut) * p.cilX + std::sin(p.azimut) * p.cilY);
        }
        // A ratio that is not a number cannot turn anything: the fit stops where it is.
        if (s2 == 0.0 || !std::isfinite(s1 / s2)) {
            ukonceno = true;
            break;
        }
        krok = NormalizeSignedAngle(s1 / s2);
        for (DvojiceNatoceni& p : d)
            p.azimut += krok;
        total += krok;
        if (std::fabs(krok) <= 1.745329251994e-6)
            break;
        if (iterace >= 100 || std::fabs(krok) >= 3.2) {
            ukonceno = true;
            break;
        }
    }
    if (ukonceno)
        platforma.ZpravaBox("UKONCENO PO " + std::to_string(iterace) + " INTERAKCICH PRO NEKOREKTNOST ZADANI.",
                            MsgBox::OkOnly | MsgBox::Exclamation);
    return total;
}

namespace {

std::string VypocetBezPameti(Kontext& k)
{
    const std::string zprava = "Výpočet nelze dokončit: nedostatek paměti.";
    NedostatekPameti(k, zprava, 2);
    return zprava;
}

} // namespace

// Running out of memory anywhere in the computation ends it like any failed computation.
std::string SpustVypocet(Kontext& k)
try {
    Prace prace(k.stav);
    if (!prace.Ziskano() || k.stav.Stav < 2 || !k.nacti)
        return {};
    k.stav.Stav = 2;
    k.model.stations.InvalidateExtremes();

    Vypocet vypocet(k);
    const std::string chyba = vypocet.Spust();
    if (!chyba.empty()) {
        k.StavovyRadek("");
        return chyba;
    }
    k.stav.Hotovo |= HotovoVypocteno;
    k.stav.Stav = 3;
    k.seznamMereni.VypocetOdchylek(k.model, k.platforma, true, [&k](int shot) {
        const ShotPlacementRecord p = k.sit.GetShotPlacement(shot);
        return k.sit.GroupKind(p.Region, p.Group) == SkupinaSit;
    });

    const SourSystTransf t(k.nacti->SourSys());
    SourSystem& system = k.nacti->SourSys();
    if (system.RelativniVysky() == VyskyKBodu) {
        const StationRecord s = k.model.stations.GetStationByName(system.SrovnavaciBod());
        system.SrovnavaciRovina(t.KartToGeogr({s.Name, s.X, s.Y, s.Z}).Z);
    }
    for (int s = 1; s <= k.model.stations.StationCount(); ++s) {
        const StationRecord p = k.model.stations.GetStation(s);
        const Bod g = t.KartToGeogr({p.Name, p.X, p.Y, p.Z});
        k.model.stations.SetStationCoordinates(s, g.X, g.Y, g.Z);
    }
    k.StavovyRadek("");
    return {};
} catch (const std::bad_alloc&) {
    return VypocetBezPameti(k);
} catch (const std::length_error&) {
    return VypocetBezPameti(k);
}

} // namespace lomvira
