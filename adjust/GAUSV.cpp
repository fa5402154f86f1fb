#include "adjust/GAUSV.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <numeric>
#include <utility>

namespace lomvira {

namespace {

bool KladneKonecne(double v)
{
    return std::isfinite(v) && v > 0.0;
}

bool Konecne(double x, double y, double z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

double Ctverec(double v)
{
    return v * v;
}

StavReseni Chyba(ChybaReseni chyba, int uzel, std::string text)
{
    return {chyba, uzel, std::move(text)};
}

std::string Cislo(int n)
{
    return std::to_string(n);
}

} // namespace

VahyOs ShotAxisWeights(double L, double Az, double Inc, double vL, double vA, double vI)
{
    const double cos2Az = Ctverec(std::cos(Az)), sin2Az = Ctverec(std::sin(Az));
    const double cos2Inc = Ctverec(std::cos(Inc)), sin2Inc = Ctverec(std::sin(Inc));
    // Error of the horizontal projection: the length error tilted by the inclination, and
    // the vertical transverse error tilted the other way.
    const double vodorovna = Ctverec(vL) * cos2Inc + Ctverec(vI) * sin2Inc;
    const double sX = std::sqrt(vodorovna * cos2Az + Ctverec(vA) * sin2Az);
    const double sY = std::sqrt(vodorovna * sin2Az + Ctverec(vA) * cos2Az);
    const double sZ = std::sqrt(Ctverec(vL) * sin2Inc + Ctverec(vI) * cos2Inc);
    return {1.0 / L / sX, 1.0 / L / sY, 1.0 / L / sZ};
}

void NormalSystem::ClearSystem()
{
    // Rows keep their memory: the error analysis builds many small systems in a row.
    const int pouzite = std::min<int>(pocetUzlu_, static_cast<int>(radky_.size()) - 1);
    for (int r = 1; r <= pouzite; ++r)
        radky_[r].clear();
    reseni_.clear();
    pocetUzlu_ = 0;
    stav_ = Faze::Sestavovani;
    prvniChyba_ = {};
}

StavReseni NormalSystem::Zaznamenej(StavReseni s)
{
    if (prvniChyba_.Ok())
        prvniChyba_ = s;
    return s;
}

StavReseni NormalSystem::AddToEntry(int row, int column, double dx, double dy, double dz)
{
    if (stav_ != Faze::Sestavovani)
        return Chyba(ChybaReseni::UzSpotrebovana, 0, "Soustava rovnic už byla řešena.");
    if (row < 1 || column < 0)
        return Zaznamenej(Chyba(ChybaReseni::NeplatnyUzel, row,
                                "Neplatné číslo uzlu v rovnici (" + Cislo(row) + ", " + Cislo(column) + ")."));
    if (!Konecne(dx, dy, dz))
        return Zaznamenej(Chyba(ChybaReseni::NeplatnaHodnota, row,
                                "Neplatná hodnota v rovnici uzlu " + Cislo(row) + "."));
    try {
        if (static_cast<int>(radky_.size()) <= row)
            radky_.resize(static_cast<std::size_t>(row) + 1);
        std::vector<Clen>& radek = radky_[row];
        auto it = std::lower_bound(radek.begin(), radek.end(), column,
                                   [](const Clen& c, int sloupec) { return c.sloupec < sloupec; });
        if (it == radek.end() || it->sloupec != column)
            it = radek.insert(it, Clen{column, 0.0, 0.0, 0.0});
        it->x += dx;
        it->y += dy;
        it->z += dz;
        pocetUzlu_ = std::max(pocetUzlu_, row);
    } catch (const std::exception&) {
        return Zaznamenej(Chyba(ChybaReseni::NedostatekPameti, row, "Nedostatek paměti pro soustavu rovnic."));
    }
    return {};
}

StavReseni NormalSystem::AddShotEquations(int a, int b, double L, double Az, double Inc, double vL, double vA,
                                          double vI)
{
    if (stav_ != Faze::Sestavovani)
        return Chyba(ChybaReseni::UzSpotrebovana, 0, "Soustava rovnic už byla řešena.");
    if (a < 1 || b < 1 || a == b)
        return Zaznamenej(Chyba(ChybaReseni::NeplatnyUzel, a,
                                "Neplatná záměra z uzlu " + Cislo(a) + " do uzlu " + Cislo(b) + "."));
    const std::string neplatna =
        "Záměra z uzlu " + Cislo(a) + " do uzlu " + Cislo(b) + " má neplatnou délku, směr, sklon nebo přesnost.";
    if (!KladneKonecne(L) || !KladneKonecne(vL) || !KladneKonecne(vA) || !KladneKonecne(vI)
        || !std::isfinite(Az) || !std::isfinite(Inc))
        return Zaznamenej(Chyba(ChybaReseni::NeplatnaZamera, a, neplatna));

    const VahyOs w = ShotAxisWeights(L, Az, Inc, vL, vA, vI);
    const double dX = L * std::cos(Az) * std::cos(Inc);
    const double dY = L * std::sin(Az) * std::cos(Inc);
    const double dZ = L * std::sin(Inc);
    // Accuracies so small (or lengths so extreme) that a weight or a term overflows.
    if (!KladneKonecne(w.wX) || !KladneKonecne(w.wY) || !KladneKonecne(w.wZ)
        || !Konecne(w.wX * dX, w.wY * dY, w.wZ * dZ))
        return Zaznamenej(Chyba(ChybaReseni::NeplatnaZamera, a, neplatna));

    const StavReseni kroky[] = {
        AddToEntry(a, a, -w.wX, -w.wY, -w.wZ),
        AddToEntry(b, b, -w.wX, -w.wY, -w.wZ),
        AddToEntry(a, b, w.wX, w.wY, w.wZ),
        AddToEntry(b, a, w.wX, w.wY, w.wZ),
        AddToEntry(a, 0, w.wX * dX, w.wY * dY, w.wZ * dZ),
        AddToEntry(b, 0, -w.wX * dX, -w.wY * dY, -w.wZ * dZ),
    };
    for (const StavReseni& s : kroky)
        if (!s.Ok())
            return s;
    return {};
}

std::optional<BodXYZ> NormalSystem::FindEntry(int row, int column) const
{
    if (stav_ != Faze::Sestavovani || row < 1 || row >= static_cast<int>(radky_.size()))
        return std::nullopt;
    const std::vector<Clen>& radek = radky_[row];
    auto it = std::lower_bound(radek.begin(), radek.end(), column,
                               [](const Clen& c, int sloupec) { return c.sloupec < sloupec; });
    if (it == radek.end() || it->sloupec != column)
        return std::nullopt;
    return BodXYZ{it->x, it->y, it->z};
}

std::optional<BodXYZ> NormalSystem::GetSolution(int uzel) const
{
    if (stav_ != Faze::Vyreseno || uzel < 1 || uzel > pocetUzlu_)
        return std::nullopt;
    return reseni_[static_cast<std::size_t>(uzel)];
}

StavReseni NormalSystem::SolveSystem(const FixedNodes& pevne, Platforma& platforma)
{
    StavReseni s;
    try {
        s = Res(pevne, platforma);
    } catch (const std::exception&) {
        s = Chyba(ChybaReseni::NedostatekPameti, 0, "Nedostatek paměti pro řešení soustavy rovnic.");
    }
    if (s.Ok()) {
        stav_ = Faze::Vyreseno;
    } else if (stav_ == Faze::Sestavovani) {
        stav_ = Faze::Selhalo;
        reseni_.clear();
    }
    return s;
}

StavReseni NormalSystem::Res(const FixedNodes& pevne, Platforma& platforma)
{
    std::vector<FixedNodes::Uzel> serazene;
    if (StavReseni s = Zkontroluj(pevne, serazene); !s.Ok())
        return s;
    const long n = pocetUzlu_;
    platforma.ZacniPrubeh("Řešení " + std::to_string(n) + " rovnic", 2 * n);
    StavReseni s;
    try {
        s = Eliminuj(serazene, platforma);
        if (s.Ok())
            s = ZpetnyChod(platforma);
    } catch (const std::exception&) {
        s = Chyba(ChybaReseni::NedostatekPameti, 0, "Nedostatek paměti pro řešení soustavy rovnic.");
    }
    platforma.KonecPrubehu();
    return s;
}

// Everything the elimination relies on, checked before it starts, so that a bad system is
// a reported failure instead of a division by zero or a wrong result.
StavReseni NormalSystem::Zkontroluj(const FixedNodes& pevne, std::vector<FixedNodes::Uzel>& serazene) const
{
    if (stav_ != Faze::Sestavovani)
        return Chyba(ChybaReseni::UzSpotrebovana, 0, "Soustava rovnic už byla řešena.");
    if (!prvniChyba_.Ok())
        return prvniChyba_;
    const int n = pocetUzlu_;
    if (n == 0)
        return Chyba(ChybaReseni::PrazdnaSoustava, 0, "Soustava neobsahuje žádnou rovnici.");
    for (int r = 1; r <= n; ++r) {
        const std::vector<Clen>& radek = radky_[r];
        if (radek.empty())
            return Chyba(ChybaReseni::ChybiRovnice, r,
                         "Uzel " + Cislo(r) + " nemá žádnou rovnici (mezera v číslování uzlů).");
        if (!FindEntry(r, r))
            return Chyba(ChybaReseni::ChybiRovnice, r, "V rovnici uzlu " + Cislo(r) + " chybí diagonální člen.");
        for (const Clen& c : radek)
            if (c.sloupec != 0 && c.sloupec != r && (c.sloupec > n || !FindEntry(c.sloupec, r)))
                return Chyba(ChybaReseni::NesoumernaSoustava, r,
                             "Soustava rovnic není souměrná (uzly " + Cislo(r) + " a " + Cislo(c.sloupec) + ").");
    }
    if (StavReseni s = ZkontrolujPevne(pevne, serazene); !s.Ok())
        return s;
    if (StavReseni s = ZkontrolujSpojeni(serazene); !s.Ok())
        return s;
    return {};
}

StavReseni NormalSystem::ZkontrolujPevne(const FixedNodes& pevne, std::vector<FixedNodes::Uzel>& serazene) const
{
    serazene = pevne.Uzly();
    // The elimination meets the fixed nodes in node order, whatever order they came in.
    std::stable_sort(serazene.begin(), serazene.end(),
                     [](const FixedNodes::Uzel& a, const FixedNodes::Uzel& b) { return a.uzel < b.uzel; });
    for (std::size_t k = 0; k < serazene.size(); ++k) {
        const FixedNodes::Uzel& p = serazene[k];
        if (p.uzel < 1 || p.uzel > pocetUzlu_)
            return Chyba(ChybaReseni::NeplatnyPevnyBod, p.uzel,
                         "Pevný bod v uzlu " + Cislo(p.uzel) + " není uzlem soustavy.");
        if (!Konecne(p.xyz.X, p.xyz.Y, p.xyz.Z))
            return Chyba(ChybaReseni::NeplatnyPevnyBod, p.uzel,
                         "Pevný bod v uzlu " + Cislo(p.uzel) + " nemá platné souřadnice.");
        if (k > 0 && serazene[k - 1].uzel == p.uzel) {
            const BodXYZ& q = serazene[k - 1].xyz;
            if (q.X != p.xyz.X || q.Y != p.xyz.Y || q.Z != p.xyz.Z)
                return Chyba(ChybaReseni::NeplatnyPevnyBod, p.uzel,
                             "Uzel " + Cislo(p.uzel) + " je pevným bodem dvakrát s různými souřadnicemi.");
        }
    }
    serazene.erase(std::unique(serazene.begin(), serazene.end(),
                               [](const FixedNodes::Uzel& a, const FixedNodes::Uzel& b) { return a.uzel == b.uzel; }),
                   serazene.end());
    if (serazene.empty())
        return Chyba(ChybaReseni::BezPevnehoBodu, 0, "Soustava rovnic nemá žádný pevný bod.");
    return {};
}

// A part of the network without a fixed node makes the system singular; rounding would
// hide that behind a tiny pivot and a wildly wrong result, so it is found beforehand.
StavReseni NormalSystem::ZkontrolujSpojeni(const std::vector<FixedNodes::Uzel>& serazene) const
{
    const int n = pocetUzlu_;
    std::vector<int> rodic(static_cast<std::size_t>(n) + 1);
    std::iota(rodic.begin(), rodic.end(), 0);
    auto koren = [&rodic](int u) {
        while (rodic[u] != u) {
            rodic[u] = rodic[rodic[u]];
            u = rodic[u];
        }
        return u;
    };
    for (int r = 1; r <= n; ++r)
        for (const Clen& c : radky_[r])
            if (c.sloupec > r)
                rodic[koren(c.sloupec)] = koren(r);
    std::vector<char> upevneno(static_cast<std::size_t>(n) + 1, 0);
    for (const FixedNodes::Uzel& p : serazene)
        upevneno[koren(p.uzel)] = 1;
    for (int r = 1; r <= n; ++r)
        if (!upevneno[koren(r)])
            return Chyba(ChybaReseni::BezPevnehoBodu, r,
                         "Uzel " + Cislo(r) + " není spojen s žádným pevným bodem.");
    return {};
}

// Row by row: row j takes, in ascending order of i, the update that eliminating each
// earlier row i makes to it (l = the term (j, i) as it stands at that moment; row j minus
// l times the normalised row i). Every entry thus meets the same operations in the same
// order as when each normalised row is subtracted from all the rows below it in turn;
// only the merging of whole rows is saved. Fill-in starts as -l u. A fixed row keeps its
// known values as its right-hand side and passes nothing else on.
StavReseni NormalSystem::Eliminuj(const std::vector<FixedNodes::Uzel>& pevne, Platforma& platforma)
{
    const int n = pocetUzlu_;
    acc_.assign(static_cast<std::size_t>(n) + 1, Clen{});
    prava_.assign(static_cast<std::size_t>(n) + 1, BodXYZ{});
    uZacatek_.assign(static_cast<std::size_t>(n) + 2, 0);
    uClen_.clear();
    std::size_t dalsiPevny = 0;
    for (int j = 1; j <= n; ++j) {
        platforma.KrokPrubehu(j);
        BodXYZ b;
        if (dalsiPevny < pevne.size() && pevne[dalsiPevny].uzel == j) {
            b = pevne[dalsiPevny++].xyz; // whatever its own equation became, it is dropped
        } else {
            b = NactiRadek(j);
            while (!dolni_.empty()) {
                std::pop_heap(dolni_.begin(), dolni_.end(), std::greater<>{});
                const int i = dolni_.back();
                dolni_.pop_back();
                PrictiRadek(j, i, b);
            }
            if (!Normalizuj(j, b))
                return Chyba(ChybaReseni::NulovyPivot, j,
                             "Nulový nebo neplatný pivot v rovnici uzlu " + Cislo(j) + ".");
        }
        prava_[static_cast<std::size_t>(j)] = b;
        uZacatek_[static_cast<std::size_t>(j) + 1] = uClen_.size();
    }
    return {};
}

// Divides the reduced row j by its pivot and keeps its terms right of the diagonal, in
// ascending column order, for the rows below and the back substitution.
bool NormalSystem::Normalizuj(int j, BodXYZ& b)
{
    const Clen& d = acc_[static_cast<std::size_t>(j)];
    const BodXYZ p{d.x, d.y, d.z};
    if (!Konecne(p.X, p.Y, p.Z) || p.X == 0.0 || p.Y == 0.0 || p.Z == 0.0)
        return false;
    std::sort(horni_.begin(), horni_.end());
    for (const int c : horni_) {
        const Clen& a = acc_[static_cast<std::size_t>(c)];
        uClen_.push_back({c, a.x / p.X, a.y / p.Y, a.z / p.Z});
    }
    b = {b.X / p.X, b.Y / p.Y, b.Z / p.Z};
    return true;
}

// Loads the built row j into the accumulator: columns left of the diagonal wait in the
// heap, those right of it are listed. Returns the right-hand side.
BodXYZ NormalSystem::NactiRadek(int j)
{
    dolni_.clear();
    horni_.clear();
    BodXYZ b;
    for (const Clen& e : radky_[static_cast<std::size_t>(j)]) {
        if (e.sloupec == 0) {
            b = {e.x, e.y, e.z};
            continue;
        }
        acc_[static_cast<std::size_t>(e.sloupec)] = {j, e.x, e.y, e.z};
        if (e.sloupec < j)
            dolni_.push_back(e.sloupec);
        else if (e.sloupec > j)
            horni_.push_back(e.sloupec);
    }
    std::make_heap(dolni_.begin(), dolni_.end(), std::greater<>{});
    return b;
}

// Row j minus l times the normalised row i, l being the term (j, i) as it stands now.
void NormalSystem::PrictiRadek(int j, int i, BodXYZ& b)
{
    const Clen& li = acc_[static_cast<std::size_t>(i)];
    const BodXYZ l{li.x, li.y, li.z};
    const BodXYZ& bi = prava_[static_cast<std::size_t>(i)];
    b.X -= l.X * bi.X;
    b.Y -= l.Y * bi.Y;
    b.Z -= l.Z * bi.Z;
    // Plain pointers: the compiler cannot otherwise tell that the stores into the
    // accumulator leave the vectors themselves alone, and reloads them every term.
    Clen* const acc = acc_.data();
    const Clen* u = uClen_.data() + uZacatek_[static_cast<std::size_t>(i)];
    const Clen* const konec = uClen_.data() + uZacatek_[static_cast<std::size_t>(i) + 1];
    for (; u != konec; ++u) {
        Clen& a = acc[u->sloupec];
        if (a.sloupec == j) {
            a.x -= l.X * u->x;
            a.y -= l.Y * u->y;
            a.z -= l.Z * u->z;
            continue;
        }
        a = {j, -(l.X * u->x), -(l.Y * u->y), -(l.Z * u->z)}; // fill-in
        if (u->sloupec < j) {
            dolni_.push_back(u->sloupec);
            std::push_heap(dolni_.begin(), dolni_.end(), std::greater<>{});
        } else if (u->sloupec > j) {
            horni_.push_back(u->sloupec);
        }
    }
}

// Each row subtracts its terms times the solved values of their nodes, in descending
// column order.
StavReseni NormalSystem::ZpetnyChod(Platforma& platforma)
{
    const int n = pocetUzlu_;
    reseni_.assign(static_cast<std::size_t>(n) + 1, BodXYZ{});
    for (int r = n; r >= 1; --r) {
        if (r >= 2)
            platforma.KrokPrubehu(2L * n - r);
        BodXYZ b = prava_[static_cast<std::size_t>(r)];
        for (std::size_t k = uZacatek_[static_cast<std::size_t>(r) + 1]; k > uZacatek_[static_cast<std::size_t>(r)];) {
            const Clen& u = uClen_[--k];
            const BodXYZ& x = reseni_[static_cast<std::size_t>(u.sloupec)];
            b.X -= u.x * x.X;
            b.Y -= u.y * x.Y;
            b.Z -= u.z * x.Z;
        }
        if (!Konecne(b.X, b.Y, b.Z))
            return Chyba(ChybaReseni::NeplatnyVysledek, r,
                         "Výsledné souřadnice uzlu " + Cislo(r) + " nejsou konečná čísla.");
        reseni_[static_cast<std::size_t>(r)] = b;
    }
    return {};
}

} // namespace lomvira
