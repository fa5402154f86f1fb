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
    // The user answered No to the rotation question.
    bool Odmitnuto() const { return odmitnuto_; }

private:
    bool Natoceni(int zpusob);
    bool SkupinaDrziVsechnaPripojeni(int r) const;
    bool PredbezneNatoceni(int r, std::vector<SpoctenePripojeni>& spoctene);
    bool PredbeznaSkupina(int r, std::vector<SpoctenePripojeni>& spoctene);
    bool PredbeznaOblast(int r, std::vector<SpoctenePripojeni>& spoctene);
    void Dvojice(const std::vector<SpoctenePripojeni>& spoctene, std::vector<DvojiceNatoceni>& dvojice) const;
    void Rozdily(const std::vector<SpoctenePripojeni>& spoctene, double corr);
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
    bool odmitnuto_ = false;
};

BodXYZ Vypocet::DanyBodVypoctu(int n) const
{
    const StationRecord p = k_.model.givenPoints.GetGivenPoint(n);
    const Bod kart = t_.GeogrToKart({p.Name, p.X, p.Y, p.Z});
    return {kart.X, kart.Y, kart.Z};
}

bool Vypocet::Chyba(int r, int g, const StavReseni& s)
{
    // g = 0: the whole region, solved at once for its rotation.
    chyba_ = (g < 1 ? "Předběžný výpočet oblasti " + std::to_string(r)
                    : "Výpočet skupiny " + std::to_string(r) + "." + std::to_string(g))
             + " nelze dokončit: " + s.text;
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

// Whether group 1 of the region is a network holding every connection of the region; only
// then can it alone tell how the region is turned.
bool Vypocet::SkupinaDrziVsechnaPripojeni(int r) const
{
    if (k_.sit.GroupKind(r, 1) != SkupinaSit)
        return false;
    int danych = 0;
    for (int i = 1; i <= k_.sit.GroupRefCount(r, 1); ++i)
        danych += k_.sit.Get_ZBod_OS(r, 1, i).RefPoint < 0 ? 1 : 0;
    return danych >= k_.model.connections.RegionConnectionCount(r);
}

// The region solved on its first given point alone, without any rotation: every
// connection with the position of its station, the first connection first. Group 1 does
// it when it holds every connection; otherwise (the first given point at a junction ends
// group 1 there, say) the whole region is solved at once, so that no given point is
// left out of the fit.
bool Vypocet::PredbezneNatoceni(int r, std::vector<SpoctenePripojeni>& spoctene)
{
    k_.StavovyRadek("Předběžný výpočet pro natočení");
    spoctene.clear();
    return SkupinaDrziVsechnaPripojeni(r) ? PredbeznaSkupina(r, spoctene) : PredbeznaOblast(r, spoctene);
}

bool Vypocet::PredbeznaSkupina(int r, std::vector<SpoctenePripojeni>& spoctene)
{
    const GroupRef prvni = k_.sit.Get_ZBod_OS(r, 1, 1);
    if (prvni.RefPoint >= 0)
        return true;
    const BodXYZ p1 = DanyBodVypoctu(-prvni.RefPoint);
    FixedNodes pevne;
    pevne.Add(prvni.RefPosition, p1.X, p1.Y, p1.Z);
    if (!VyrovnejSit(r, 1, 0.0, pevne))
        return false;
    if (!soustava_.Vyreseno())
        return true; // a group of self-shots alone gives no direction to fit
    const int n = std::min<int>(k_.model.connections.RegionConnectionCount(r), k_.sit.GroupRefCount(r, 1));
    for (int i = 1; i <= n; ++i) {
        const GroupRef ref = k_.sit.Get_ZBod_OS(r, 1, i);
        const auto reseni = soustava_.GetSolution(ref.RefPosition);
        if (ref.RefPoint < 0 && reseni)
            spoctene.push_back({k_.sit.GetGroupStation(r, 1, ref.RefPosition), -ref.RefPoint, *reseni});
    }
    return true;
}

bool Vypocet::PredbeznaOblast(int r, std::vector<SpoctenePripojeni>& spoctene)
{
    const ConnectionTable& pripojeni = k_.model.connections;
    const ConnectionRecord prvni = pripojeni.GetRegionConnection(r, 1);
    const BodXYZ p1 = DanyBodVypoctu(prvni.GivenPoint);
    FixedNodes pevne;
    pevne.Add(k_.model.regions.StationLocalNumber(prvni.Station), p1.X, p1.Y, p1.Z);
    // Group 0 is the whole region, its nodes the stations in the region's order.
    if (!VyrovnejSit(r, 0, 0.0, pevne))
        return false;
    if (!soustava_.Vyreseno())
        return true;
    for (int i = 1; i <= pripojeni.RegionConnectionCount(r); ++i) {
        const ConnectionRecord c = pripojeni.GetRegionConnection(r, i);
        if (const auto reseni = soustava_.GetSolution(k_.model.regions.StationLocalNumber(c.Station)))
            spoctene.push_back({c.Station, c.GivenPoint, *reseni});
    }
    return true;
}

// One pair per further connection: its given point and its computed position, both taken
// from those of the first connection.
void Vypocet::Dvojice(const std::vector<SpoctenePripojeni>& spoctene, std::vector<DvojiceNatoceni>& dvojice) const
{
    if (spoctene.empty())
        return;
    const BodXYZ p1 = DanyBodVypoctu(spoctene.front().danyBod);
    const BodXYZ& s1 = spoctene.front().poloha;
    for (std::size_t i = 1; i < spoctene.size(); ++i) {
        const BodXYZ dany = DanyBodVypoctu(spoctene[i].danyBod);
        const BodXYZ& p = spoctene[i].poloha;
        DvojiceNatoceni d;
        d.cilX = dany.X - p1.X;
        d.cilY = dany.Y - p1.Y;
        PolarniSouradnice(p.X - s1.X, p.Y - s1.Y, d.vaha, d.azimut);
        // A station where the first one lies has no direction; as the first pair it would
        // set the fit's start value at random.
        if (d.vaha > 0.0)
            dvojice.push_back(d);
    }
}

// How far each given point lies from the turned preliminary network, both taken about
// their centroids.
void Vypocet::Rozdily(const std::vector<SpoctenePripojeni>& spoctene, double corr)
{
    if (spoctene.empty())
        return;
    BodXYZ stredDanych, stredSpoctenych;
    for (const SpoctenePripojeni& sp : spoctene) {
        const BodXYZ dany = DanyBodVypoctu(sp.danyBod);
        stredDanych = {stredDanych.X + dany.X, stredDanych.Y + dany.Y, stredDanych.Z + dany.Z};
        stredSpoctenych = {stredSpoctenych.X + sp.poloha.X, stredSpoctenych.Y + sp.poloha.Y,
                           stredSpoctenych.Z + sp.poloha.Z};
    }
    const double m = static_cast<double>(spoctene.size());
    stredDanych = {stredDanych.X / m, stredDanych.Y / m, stredDanych.Z / m};
    stredSpoctenych = {stredSpoctenych.X / m, stredSpoctenych.Y / m, stredSpoctenych.Z / m};
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

// The rotation in degrees as the question shows it: within (-180, 180] after rounding to
// the three decimals shown, whatever number of turns the fit went through.
double UhelOtazky(double corr)
{
    const double stupne = std::round(std::remainder(-corr * 180.0 / PI, 360.0) * 1000.0) / 1000.0;
    return stupne <= -180.0 ? stupne + 360.0 : stupne;
}

bool Vypocet::Dotaz(int r, double corr)
{
    if (k_.volby.DOTAZY <= 0)
        return true;
    const std::string text = "Natočení polygonu oblasti " + std::to_string(r) + " ve směru azimutu: "
                             + FormatCislo(UhelOtazky(corr), 3, true) + "\xC2\xB0" + CRLF
                             + "Chcete pokračovat ve výpočtu?";
    if (k_.platforma.ZpravaBox(text, MsgBox::YesNo | MsgBox::Question) == MsgBox::Yes)
        return true;
    chyba_ = text;
    odmitnuto_ = true;
    return false;
}

bool Vypocet::Natoceni(int zpusob)
{
    RegionTable& oblasti = k_.model.regions;
    const int pocet = oblasti.RegionCount();
    std::vector<SpoctenePripojeni> spoctene;
    if (zpusob == NatoceniSpolecne) {
        std::vector<DvojiceNatoceni> vse;
        for (int r = 1; r <= pocet; ++r) {
            if (k_.model.connections.RegionConnectionCount(r) < 2)
                continue;
            if (!PredbezneNatoceni(r, spoctene))
                return false;
            Dvojice(spoctene, vse);
        }
        const double theta = vse.empty() ? 0.0 : RotationFit(vse, k_.platforma);
        for (int r = 1; r <= pocet; ++r)
            oblasti.SetRegionRotation(r, -theta);
    }
    for (int r = 1; r <= pocet; ++r) {
        double corr = zpusob == NatoceniSpolecne ? -oblasti.GetRegionRotation(r) : 0.0;
        if (zpusob == NatoceniSamostatne && k_.model.connections.RegionConnectionCount(r) >= 2) {
            if (!PredbezneNatoceni(r, spoctene))
                return false;
            std::vector<DvojiceNatoceni> dvojice;
            Dvojice(spoctene, dvojice);
            k_.StavovyRadek("Výpočet natočení");
            corr = dvojice.empty() ? 0.0 : RotationFit(dvojice, k_.platforma);
            Rozdily(spoctene, corr);
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
        // Declined, the question stays in the status bar on one line; after a failure the
        // message box has said it all.
        std::string radek = chyba;
        if (const auto crlf = radek.find(CRLF); vypocet.Odmitnuto() && crlf != std::string::npos)
            radek.replace(crlf, 2, " ");
        k.StavovyRadek(vypocet.Odmitnuto() ? radek : std::string());
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
        if (const CisloBodu s = k.model.stations.FindStation(system.SrovnavaciBod())) {
            const StationRecord b = k.model.stations.GetStation(s);
            system.SrovnavaciRovina(t.KartToGeogr({b.Name, b.X, b.Y, b.Z}).Z);
        } else {
            // Heights relative to a station nobody measured would read as relative to 0.
            k.platforma.ZpravaBox("Srovnávací bod výšek " + system.SrovnavaciBod()
                                      + " není mezi měřenými body; výšky zůstávají absolutní.",
                                  MsgBox::OkOnly | MsgBox::Exclamation);
            system.ZrusSrovnavaciVysku();
        }
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
