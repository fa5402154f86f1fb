// The walk that cuts the survey into groups. The working structures live for one run; the
// results go to the context's Krizovat at the end.
//
// Dead ends are stripped first (a station with one remaining edge is peeled off, and the
// walk goes on while the next station is left with one edge), so that the network that
// remains has no station of degree 1. A connection to a given point counts as one extra,
// virtual edge (neighbour -1): a connected station is never a dead end.
//
// The trace of a region is a depth-first walk from its first connected station. It cuts
// the walk into vectors at junctions (degree above 2); an edge to a station reached
// before, or to a given point, closes a loop: the vectors back to the one that starts at
// that station (or to the region's start) join one network group. Every vector of a group
// hangs from a vector of the same group except its first, whose start was reached through
// an earlier group, so the group of the smallest vector number comes first.

#include "network/Krizovat.h"

#include "common/Platforma.h"
#include "common/Stav.h"
#include "model/Model.h"
#include "network/KontrolaSkupin.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <string>
#include <vector>

namespace lomvira {

namespace {

constexpr CisloBodu Virtualni = -1; // the neighbour that stands for a given point

std::size_t Idx(int i)
{
    return static_cast<std::size_t>(i);
}

// One shot as walked: from and to station and the shot, negative against its stored
// direction (stored from the smaller station number to the larger).
struct KrokZamery {
    CisloBodu from = 0;
    CisloBodu to = 0;
    CisloZamery shot = 0;
};

KrokZamery Krok(int from, int to, int shot)
{
    return {from, to, from <= to ? shot : -shot};
}

struct Vektor {
    CisloBodu start = 0;       // 0 while the vector has walked nothing
    std::int32_t prvniZamera = 0; // first entry in the vector shot list
    std::int32_t hloubka = 0;     // vectors between it and the region's start
};

// What a group is made of before it is laid out.
struct PlanSkupiny {
    int region = 0;
    int kind = 0;
    CisloBodu start = 0;
    int zdroj = 0; // the heading vector, or the dead-end chain
};

} // namespace

class Vektorizace {
public:
    Vektorizace(Model& m, Krizovat& sit, StavZpracovani& stav, Platforma& platforma, int dotazy)
        : m_(m), sit_(sit), stav_(stav), platforma_(platforma), dotazy_(dotazy), n_(m.stations.StationCount())
    {
    }
    // False when a region can be given no start station (the user has been told).
    bool Proved();

private:
    void Priprava();
    void OdeberHranu(int s, int e);
    int PrvniHrana(int s) const;
    void SeparaceSlepychKoncu();
    int StartOblasti(int r) const;
    bool ZajistiSpojeni(int r);
    int NovyVektor(int start);
    void Zacni(int v, int start);
    int NeproslaHrana(int s);
    void Trasuj(int s);
    void Uzavri(int v, int n);
    int Koren(int v);
    void Spoj(int a, int b);
    std::vector<PlanSkupiny> Plan();
    void Rozvrhni(const std::vector<PlanSkupiny>& plan);
    void PridejSkupinu(const PlanSkupiny& p, const std::vector<int>& clenove,
                       const std::vector<std::int32_t>& clenoveKonec);
    void PridejZameru(const KrokZamery& z);
    void Reference(const PlanSkupiny& p);

    Model& m_;
    Krizovat& sit_;
    StavZpracovani& stav_;
    Platforma& platforma_;
    const int dotazy_; // DOTAZY: above 1 the added start point is reported
    const int n_; // stations

    // Working adjacency: the entries of s are [konec_[s - 1], konec_[s]).
    std::vector<std::int32_t> konec_;
    std::vector<CisloBodu> soused_; // neighbour, or Virtualni
    std::vector<std::int32_t> dvojce_; // the same shot's entry at the neighbour; -1 virtual
    std::vector<CisloZamery> zamera_; // shot number; 0 virtual
    std::vector<char> odebrana_;       // stripped as part of a dead end
    std::vector<std::int32_t> stupen_; // entries left per station
    std::vector<std::int32_t> prosla_; // EdgeMark: vector that walked the entry, 0 not walked
    std::vector<std::int32_t> kurzor_; // per station: entries at or above it are tried

    // Dead-end chains: stations from the attachment out to the free end, and the shots
    // between consecutive stations in that direction.
    std::vector<std::int32_t> retezKonec_{0};
    std::vector<CisloBodu> retezBody_;
    std::vector<std::int32_t> retezZamerKonec_{0};
    std::vector<KrokZamery> retezZamery_;
    std::vector<CisloBodu> posledniUchyt_; // per region: where its last chain hangs, 0 none

    // StationMark: 0 not reached, -1 the region's start, else the vector it was reached by.
    std::vector<std::int32_t> znacka_;
    std::vector<Vektor> vektory_{Vektor{}}; // vector v is vektory_[v]; 0 unused
    std::vector<KrokZamery> vektorZamery_;
    std::vector<std::int32_t> skupina_{0};      // union-find parent; a root is its smallest vector
    std::vector<int> druh_{0};         // kind, kept at the root
    std::vector<std::int32_t> posledniZacatek_; // per station: the last vector started there
    int startOblasti_ = 0;

    // Layout of the groups.
    std::vector<CisloDanehoBodu> spojeniBodu_;     // given point connected to each station, 0 none
    std::vector<std::int32_t> razitko_;         // global group that last listed the station
    std::vector<std::int32_t> poloha_;          // its position there
    std::vector<std::int32_t> zameraVeSkupine_; // global group holding the shot, 0 none
    int skupinaCislo_ = 0;                      // global number of the group being laid out
    int regionSkupiny_ = 0;                     // its region and number within the region
    int cisloVOblasti_ = 0;
};

// --- Příprava ----------------------------------------------------------------------------

void Vektorizace::Priprava()
{
    platforma_.StavovyRadek("Příprava");
    // The published adjacency is the measured network alone, without the virtual edges.
    SestavUzly(sit_);
    const int pocetZamer = m_.shots.ShotCount();
    konec_.assign(Idx(n_) + 1, 0);
    std::vector<CisloBodu> od(Idx(pocetZamer) + 1), ke(Idx(pocetZamer) + 1);
    for (int i = 1; i <= pocetZamer; ++i) {
        const ShotRecord z = m_.shots.GetShotRecord(i);
        od[Idx(i)] = z.From;
        ke[Idx(i)] = z.To;
        ++konec_[Idx(z.From)];
        ++konec_[Idx(z.To)];
    }
    const int pocetSpojeni = m_.connections.ConnectionCount();
    for (int i = 1; i <= pocetSpojeni; ++i)
        ++konec_[Idx(m_.connections.GetConnection(i).Station)];
    for (int s = 1; s <= n_; ++s)
        konec_[Idx(s)] += konec_[Idx(s - 1)];

    const auto pocet = Idx(konec_[Idx(n_)]);
    soused_.assign(pocet, 0);
    dvojce_.assign(pocet, -1);
    zamera_.assign(pocet, 0);
    std::vector<std::int32_t> volne(konec_.begin(), konec_.end() - 1); // next free entry of s + 1
    auto pridej = [&](int s, int t, int shot) {
        const std::int32_t e = volne[Idx(s - 1)]++;
        soused_[Idx(e)] = t;
        zamera_[Idx(e)] = shot;
        return e;
    };
    for (int i = 1; i <= pocetZamer; ++i) {
        const std::int32_t ea = pridej(od[Idx(i)], ke[Idx(i)], i);
        const std::int32_t eb = pridej(ke[Idx(i)], od[Idx(i)], i);
        dvojce_[Idx(ea)] = eb;
        dvojce_[Idx(eb)] = ea;
    }
    for (int i = 1; i <= pocetSpojeni; ++i)
        pridej(m_.connections.GetConnection(i).Station, Virtualni, 0);

    odebrana_.assign(pocet, 0);
    prosla_.assign(pocet, 0);
    stupen_.assign(Idx(n_) + 1, 0);
    kurzor_.assign(Idx(n_) + 1, 0);
    for (int s = 1; s <= n_; ++s) {
        stupen_[Idx(s)] = konec_[Idx(s)] - konec_[Idx(s - 1)];
        kurzor_[Idx(s)] = konec_[Idx(s)];
    }
    znacka_.assign(Idx(n_) + 1, 0);
    posledniZacatek_.assign(Idx(n_) + 1, 0);
}

// --- Separace slepých konců ----------------------------------------------------------------

int Vektorizace::PrvniHrana(int s) const
{
    for (std::int32_t e = konec_[Idx(s - 1)]; e < konec_[Idx(s)]; ++e) {
        if (!odebrana_[Idx(e)])
            return e;
    }
    return -1;
}

void Vektorizace::OdeberHranu(int s, int e)
{
    odebrana_[Idx(e)] = 1;
    --stupen_[Idx(s)];
    const std::int32_t d = dvojce_[Idx(e)];
    if (d >= 0) {
        odebrana_[Idx(d)] = 1;
        --stupen_[Idx(soused_[Idx(e)])];
    }
}

void Vektorizace::SeparaceSlepychKoncu()
{
    platforma_.StavovyRadek("Separace slepých konců");
    std::vector<CisloBodu> body;
    std::vector<KrokZamery> kroky;
    bool zmena = true;
    while (zmena) {
        zmena = false;
        for (int s = n_; s >= 1; --s) {
            if (stupen_[Idx(s)] != 1)
                continue;
            zmena = true;
            // Gathered from the free end inwards, stored from the attachment outwards.
            body.assign(1, s);
            kroky.clear();
            int x = s;
            while (x > 0 && stupen_[Idx(x)] == 1) {
                const int e = PrvniHrana(x);
                const int t = soused_[Idx(e)];
                OdeberHranu(x, e);
                if (t != Virtualni) {
                    body.push_back(t);
                    kroky.push_back(Krok(t, x, zamera_[Idx(e)]));
                }
                x = t;
            }
            retezBody_.insert(retezBody_.end(), body.rbegin(), body.rend());
            retezKonec_.push_back(static_cast<std::int32_t>(retezBody_.size()));
            retezZamery_.insert(retezZamery_.end(), kroky.rbegin(), kroky.rend());
            retezZamerKonec_.push_back(static_cast<std::int32_t>(retezZamery_.size()));
        }
    }
    posledniUchyt_.assign(Idx(m_.regions.RegionCount()) + 1, 0);
    for (std::size_t c = 1; c < retezKonec_.size(); ++c) {
        const CisloBodu s = retezBody_[Idx(retezKonec_[c - 1])];
        if (const int r = m_.regions.RegionOf(s); r < static_cast<int>(posledniUchyt_.size()))
            posledniUchyt_[Idx(r)] = s;
    }
}

// --- Optimalizace: the start of each region and its trace -----------------------------------

int Vektorizace::StartOblasti(int r) const
{
    const int pocet = m_.regions.RegionStationCount(r);
    for (int i = 1; i <= pocet; ++i) {
        const int s = m_.regions.GetRegionStation(r, i);
        if (stupen_[Idx(s)] > 0)
            return s;
    }
    // Only dead ends: the station the region's last chain hangs from is the one that
    // stayed after everything else had been peeled off, so every chain of the region can be
    // carried from it. (The chain's free end would leave the chain itself without a start.)
    return posledniUchyt_[Idx(r)];
}

bool Vektorizace::ZajistiSpojeni(int r)
{
    if (m_.connections.RegionConnectionCount(r) > 0)
        return true;
    const int start = StartOblasti(r);
    if (start == 0) {
        platforma_.ZpravaBox("Nelze optimalizovat, pokud nejsou zadány dané body!", MsgBox::Exclamation);
        return false;
    }
    // A point of that name from the notebook keeps its coordinates: the region is then
    // placed on it instead of moving the point the other regions hang on.
    int bod = m_.givenPoints.FindGivenPoint(JmenoPocatku);
    if (bod == 0)
        bod = m_.givenPoints.SetGivenPoint(JmenoPocatku, 0.0, 0.0, 0.0, platforma_);
    if (bod == 0)
        return false; // the table of given points is full; the user has been told
    m_.AddConnection(start, bod, stav_);
    if (dotazy_ > 1)
        platforma_.ZpravaBox("Pro " + std::to_string(r) + ". oblast byl doplněn daný bod " + JmenoPocatku,
                               MsgBox::Information);
    return m_.connections.RegionConnectionCount(r) > 0;
}

int Vektorizace::NovyVektor(int start)
{
    vektory_.push_back({0, static_cast<std::int32_t>(vektorZamery_.size()), 0});
    const int v = static_cast<int>(vektory_.size()) - 1;
    skupina_.push_back(v);
    druh_.push_back(SkupinaPorad);
    if (start != 0)
        Zacni(v, start);
    return v;
}

void Vektorizace::Zacni(int v, int start)
{
    Vektor& vek = vektory_[Idx(v)];
    vek.start = start;
    const int rodic = znacka_[Idx(start)];
    vek.hloubka = rodic > 0 ? vektory_[Idx(rodic)].hloubka + 1 : 0;
    posledniZacatek_[Idx(start)] = v;
}

int Vektorizace::NeproslaHrana(int s)
{
    // Neighbours are tried from the last to the first; an entry once passed over is
    // walked or stripped for good.
    std::int32_t& e = kurzor_[Idx(s)];
    while (e > konec_[Idx(s - 1)]) {
        const std::int32_t kandidat = e - 1;
        if (!odebrana_[Idx(kandidat)] && prosla_[Idx(kandidat)] == 0)
            return kandidat;
        --e;
    }
    return -1;
}

void Vektorizace::Trasuj(int s)
{
    startOblasti_ = s;
    znacka_[Idx(s)] = -1;
    int v = NovyVektor(s);
    for (std::int32_t e = konec_[Idx(s - 1)]; e < konec_[Idx(s)]; ++e) {
        if (soused_[Idx(e)] == Virtualni && !odebrana_[Idx(e)])
            prosla_[Idx(e)] = v;
    }
    int c = s;
    while (c != -1) {
        const int e = NeproslaHrana(c);
        if (e < 0) { // back to the start of the vector that reached c
            const int m = znacka_[Idx(c)];
            c = m == -1 ? -1 : vektory_[Idx(m)].start;
            continue;
        }
        const int n = soused_[Idx(e)];
        if (vektory_[Idx(v)].start == 0)
            Zacni(v, c);
        prosla_[Idx(e)] = v;
        if (n != Virtualni) {
            prosla_[Idx(dvojce_[Idx(e)])] = v;
            vektorZamery_.push_back(Krok(c, n, zamera_[Idx(e)]));
        }
        if (n != Virtualni && znacka_[Idx(n)] == 0) {
            znacka_[Idx(n)] = v;
            c = n;
            if (stupen_[Idx(n)] > 2) // a junction; a connection counts as an edge
                v = NovyVektor(n);
        } else {
            Uzavri(v, n);
            v = NovyVektor(0);
        }
    }
}

int Vektorizace::Koren(int v)
{
    while (skupina_[Idx(v)] != v) {
        skupina_[Idx(v)] = skupina_[Idx(skupina_[Idx(v)])];
        v = skupina_[Idx(v)];
    }
    return v;
}

void Vektorizace::Spoj(int a, int b)
{
    a = Koren(a);
    b = Koren(b);
    if (a == b)
        return;
    if (b < a)
        std::swap(a, b);
    skupina_[Idx(b)] = a;
    druh_[Idx(a)] = std::max(druh_[Idx(a)], druh_[Idx(b)]);
}

void Vektorizace::Uzavri(int v, int n)
{
    // Every vector back to the one that starts at n joins one group; a given point (n = -1)
    // leads back to the region's start. The vectors that start at n one after another
    // each hang from n, so the one on the way back is the last of them. A group is a
    // subtree of the vectors whose top is its smallest number, so the way back can jump
    // from group top to group top instead of going vector by vector.
    const int cil = posledniZacatek_[Idx(n == Virtualni ? startOblasti_ : n)];
    assert(cil > 0);
    const int hloubka = vektory_[Idx(cil)].hloubka;
    for (int t = Koren(v); vektory_[Idx(t)].hloubka > hloubka; t = Koren(t)) {
        Spoj(t, znacka_[Idx(vektory_[Idx(t)].start)]);
    }
    druh_[Idx(Koren(v))] = SkupinaSit;
}

// --- Třídění vektorů and Začlenění rajónů: which groups, in which order ---------------------

std::vector<PlanSkupiny> Vektorizace::Plan()
{
    platforma_.StavovyRadek("Třídění vektorů");
    const int pocetVektoru = static_cast<int>(vektory_.size()) - 1;
    std::vector<char> maZamery(Idx(pocetVektoru) + 1, 0);
    for (int v = 1; v <= pocetVektoru; ++v) {
        const std::int32_t konec = v < pocetVektoru ? vektory_[Idx(v + 1)].prvniZamera
                                                    : static_cast<std::int32_t>(vektorZamery_.size());
        if (konec > vektory_[Idx(v)].prvniZamera)
            maZamery[Idx(Koren(v))] = 1;
    }
    std::vector<PlanSkupiny> plan;
    // A group without shots (a start station left with no edge) carries nothing.
    for (int v = 1; v <= pocetVektoru; ++v) {
        if (Koren(v) == v && vektory_[Idx(v)].start != 0 && maZamery[Idx(v)])
            plan.push_back(
                {m_.regions.RegionOf(vektory_[Idx(v)].start), druh_[Idx(v)], vektory_[Idx(v)].start, v});
    }
    platforma_.StavovyRadek("Začlenění rajónů");
    for (int c = static_cast<int>(retezKonec_.size()) - 1; c >= 1; --c) {
        if (retezZamerKonec_[Idx(c)] == retezZamerKonec_[Idx(c - 1)])
            continue;
        const CisloBodu s = retezBody_[Idx(retezKonec_[Idx(c - 1)])];
        plan.push_back({m_.regions.RegionOf(s), SkupinaRajon, s, -c});
    }
    // Region by region, keeping the order within each region. (A station outside every
    // region would mean a model the load never built; its shots are left out.)
    const int pocetOblasti = m_.regions.RegionCount();
    std::erase_if(plan,
                  [pocetOblasti](const PlanSkupiny& p) { return p.region < 1 || p.region > pocetOblasti; });
    std::stable_sort(plan.begin(), plan.end(),
                     [](const PlanSkupiny& a, const PlanSkupiny& b) { return a.region < b.region; });
    return plan;
}

// --- Layout of the groups, Přiřazení daných bodů ----------------------------------------------

void Vektorizace::PridejZameru(const KrokZamery& z)
{
    const int shot = std::abs(z.shot);
    if (zameraVeSkupine_[Idx(shot)] == skupinaCislo_)
        return;
    zameraVeSkupine_[Idx(shot)] = skupinaCislo_;
    // Positions in the stored direction: the smaller station number first.
    const int a = std::min(z.from, z.to), b = std::max(z.from, z.to);
    Krizovat& sit = sit_;
    auto poloha = [&](int s) {
        if (razitko_[Idx(s)] != skupinaCislo_) {
            razitko_[Idx(s)] = skupinaCislo_;
            sit.groupStations_.push_back(s);
            const int prvni = skupinaCislo_ < 2 ? 0 : sit.groups_[Idx(skupinaCislo_ - 2)].StationEnd;
            poloha_[Idx(s)] = static_cast<std::int32_t>(sit.groupStations_.size()) - prvni;
        }
        return poloha_[Idx(s)];
    };
    const std::int32_t pa = poloha(a);
    const std::int32_t pb = poloha(b);
    sit.groupShots_.push_back({pa, pb, z.shot});
    sit.shotPlacement_[Idx(shot - 1)] = {regionSkupiny_, cisloVOblasti_};
}

void Vektorizace::Reference(const PlanSkupiny& p)
{
    Krizovat& sit = sit_;
    const auto prvni = sit.groupRefs_.size();
    if (p.kind == SkupinaSit) {
        const int pocet = m_.connections.RegionConnectionCount(p.region);
        for (int i = pocet; i >= 1; --i) {
            const ConnectionRecord c = m_.connections.GetRegionConnection(p.region, i);
            if (razitko_[Idx(c.Station)] == skupinaCislo_)
                sit.groupRefs_.push_back({poloha_[Idx(c.Station)], -c.GivenPoint});
        }
        // The solver takes its fixed nodes in ascending order.
        std::sort(sit.groupRefs_.begin() + static_cast<std::ptrdiff_t>(prvni), sit.groupRefs_.end(),
                  [](const GroupRef& a, const GroupRef& b) { return a.RefPosition < b.RefPosition; });
    } else if (const int bod = spojeniBodu_[Idx(p.start)]; bod != 0) {
        sit.groupRefs_.push_back({1, -bod});
    }
    if (sit.groupRefs_.size() == prvni)
        sit.groupRefs_.push_back({1, p.start});
}

void Vektorizace::PridejSkupinu(const PlanSkupiny& p, const std::vector<int>& clenove,
                                const std::vector<std::int32_t>& clenoveKonec)
{
    Krizovat& sit = sit_;
    sit.groups_.push_back({});
    skupinaCislo_ = static_cast<int>(sit.groups_.size());
    razitko_[Idx(p.start)] = skupinaCislo_;
    poloha_[Idx(p.start)] = 1;
    sit.groupStations_.push_back(p.start);
    if (p.zdroj > 0) {
        for (std::int32_t i = clenoveKonec[Idx(p.zdroj - 1)]; i < clenoveKonec[Idx(p.zdroj)]; ++i) {
            const int v = clenove[Idx(i)];
            const std::int32_t konec = v + 1 < static_cast<int>(vektory_.size())
                                           ? vektory_[Idx(v + 1)].prvniZamera
                                           : static_cast<std::int32_t>(vektorZamery_.size());
            for (std::int32_t z = vektory_[Idx(v)].prvniZamera; z < konec; ++z)
                PridejZameru(vektorZamery_[Idx(z)]);
        }
    } else {
        const int c = -p.zdroj;
        for (std::int32_t z = retezZamerKonec_[Idx(c - 1)]; z < retezZamerKonec_[Idx(c)]; ++z)
            PridejZameru(retezZamery_[Idx(z)]);
    }
    Reference(p);
    GroupRecord& g = sit.groups_.back();
    g.ShotEnd = static_cast<std::int32_t>(sit.groupShots_.size());
    g.Kind = p.kind;
    g.StationEnd = static_cast<std::int32_t>(sit.groupStations_.size());
    g.RefEnd = static_cast<std::int32_t>(sit.groupRefs_.size());
    g.Start = p.start;
}

void Vektorizace::Rozvrhni(const std::vector<PlanSkupiny>& plan)
{
    platforma_.StavovyRadek("Přiřazení daných bodů");
    // The vectors of each group, in vector order.
    const int pocetVektoru = static_cast<int>(vektory_.size()) - 1;
    std::vector<std::int32_t> clenoveKonec(Idx(pocetVektoru) + 1, 0);
    for (int v = 1; v <= pocetVektoru; ++v)
        ++clenoveKonec[Idx(Koren(v))];
    for (int v = 1; v <= pocetVektoru; ++v)
        clenoveKonec[Idx(v)] += clenoveKonec[Idx(v - 1)];
    std::vector<std::int32_t> volne(clenoveKonec.begin(), clenoveKonec.end() - 1);
    std::vector<int> clenove(Idx(pocetVektoru));
    for (int v = 1; v <= pocetVektoru; ++v)
        clenove[Idx(volne[Idx(Koren(v) - 1)]++)] = v;

    spojeniBodu_.assign(Idx(n_) + 1, 0);
    for (int i = 1; i <= m_.connections.ConnectionCount(); ++i) {
        const ConnectionRecord c = m_.connections.GetConnection(i);
        spojeniBodu_[Idx(c.Station)] = c.GivenPoint;
    }
    razitko_.assign(Idx(n_) + 1, 0);
    poloha_.assign(Idx(n_) + 1, 0);
    zameraVeSkupine_.assign(Idx(m_.shots.ShotCount()) + 1, 0);

    Krizovat& sit = sit_;
    const int pocetOblasti = m_.regions.RegionCount();
    sit.regionGroupEnd_.assign(Idx(pocetOblasti) + 1, 0);
    sit.shotPlacement_.assign(Idx(m_.shots.ShotCount()), {});
    for (const PlanSkupiny& p : plan) {
        if (p.region != regionSkupiny_) {
            regionSkupiny_ = p.region;
            cisloVOblasti_ = 0;
        }
        ++cisloVOblasti_;
        PridejSkupinu(p, clenove, clenoveKonec);
        ++sit.regionGroupEnd_[Idx(p.region)];
    }
    for (int r = 1; r <= pocetOblasti; ++r)
        sit.regionGroupEnd_[Idx(r)] += sit.regionGroupEnd_[Idx(r - 1)];
}

bool Vektorizace::Proved()
{
    Priprava();
    SeparaceSlepychKoncu();
    const int pocetOblasti = m_.regions.RegionCount();
    for (int r = 1; r <= pocetOblasti; ++r) {
        platforma_.StavovyRadek("Optimalizace " + std::to_string(r) + " oblasti.");
        if (!ZajistiSpojeni(r))
            return false;
        Trasuj(m_.connections.GetRegionConnection(r, 1).Station);
    }
    Rozvrhni(Plan());
    platforma_.StavovyRadek("Oblasti a skupiny pro každou záměru...");
    return true;
}

// --- the drivers ---------------------------------------------------------------------------

void SestavUzly(Krizovat& sit)
{
    sit.Clear();
    const Model& m = sit.model_;
    const int n = m.stations.StationCount();
    std::vector<std::int32_t> konec(Idx(n) + 1, 0);
    const int pocetZamer = m.shots.ShotCount();
    for (int i = 1; i <= pocetZamer; ++i) {
        const ShotRecord z = m.shots.GetShotRecord(i);
        ++konec[Idx(z.From)];
        ++konec[Idx(z.To)];
    }
    for (int s = 1; s <= n; ++s)
        konec[Idx(s)] += konec[Idx(s - 1)];
    std::vector<std::int32_t> volne(konec.begin(), konec.end() - 1);
    sit.adjacency_.assign(Idx(konec[Idx(n)]), 0);
    for (int i = 1; i <= pocetZamer; ++i) {
        const ShotRecord z = m.shots.GetShotRecord(i);
        sit.adjacency_[Idx(volne[Idx(z.From - 1)]++)] = z.To;
        sit.adjacency_[Idx(volne[Idx(z.To - 1)]++)] = z.From;
    }
    sit.adjacencyEnd_ = std::move(konec);
}

void Vectorize(Model& model, Krizovat& sit, StavZpracovani& stav, Platforma& platforma, int dotazy)
{
    Prace prace(stav);
    if (!prace.Ziskano() || stav.Stav < 1)
        return;
    stav.Stav = 1;
    if (!stav.JeNacteno()) {
        platforma.ZpravaBox("Nelze vektorizovat, pokud nebyl načten soubor měření!", MsgBox::Exclamation);
        return;
    }
    // The groups of an earlier run no longer describe the network.
    stav.Hotovo &= static_cast<std::uint16_t>(~HotovoVektorizovano);
    sit.Clear();
    Vektorizace v(model, sit, stav, platforma, dotazy);
    if (v.Proved()) {
        assert(KontrolujSkupiny(sit, model).empty());
        stav.Hotovo |= HotovoVektorizovano;
        stav.Stav = 2;
    }
    platforma.StavovyRadek("");
}

} // namespace lomvira
