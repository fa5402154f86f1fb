#include "adjust/GAUSV.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numeric>
#include <utility>

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>

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

using Matice = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;
using Rozklad = Eigen::SimplicialLDLT<Matice, Eigen::Lower, Eigen::AMDOrdering<int>>;

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
    jenZamery_ = true;
}

StavReseni NormalSystem::Zaznamenej(StavReseni s)
{
    if (prvniChyba_.Ok())
        prvniChyba_ = s;
    return s;
}

StavReseni NormalSystem::AddToEntry(int row, int column, double dx, double dy, double dz)
{
    // Terms of anything but shots may break the zero row sums the shift relies on.
    if (stav_ == Faze::Sestavovani)
        jenZamery_ = false;
    return Pricti(row, column, dx, dy, dz);
}

StavReseni NormalSystem::Pricti(int row, int column, double dx, double dy, double dz)
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
        Pricti(a, a, -w.wX, -w.wY, -w.wZ),
        Pricti(b, b, -w.wX, -w.wY, -w.wZ),
        Pricti(a, b, w.wX, w.wY, w.wZ),
        Pricti(b, a, w.wX, w.wY, w.wZ),
        Pricti(a, 0, w.wX * dX, w.wY * dY, w.wZ * dZ),
        Pricti(b, 0, -w.wX * dX, -w.wY * dY, -w.wZ * dZ),
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
        s = Rozloz(serazene, platforma);
    } catch (const std::exception&) {
        s = Chyba(ChybaReseni::NedostatekPameti, 0, "Nedostatek paměti pro řešení soustavy rovnic.");
    }
    platforma.KonecPrubehu();
    return s;
}

// Everything the factorisation relies on, checked before it starts, so that a bad system is
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
    // Sorted, so that a node given twice is found next to itself.
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

// The fixed nodes leave the unknowns: their terms move to the right-hand side, and what
// remains (the free nodes' part of the negative weighted Laplacian, symmetric and, for a
// connected group with a fixed node, definite) is factorised as L D L^T. A fill-reducing
// ordering keeps L about as sparse as the network itself whatever the node numbering; the
// ordering and the symbolic analysis depend on the pattern alone, so they are made once
// for the three axes, which differ only in their values.
//
// A system built from shots alone has rows that sum to zero, so its solution moves with
// the fixed nodes: it is solved about the first fixed node and shifted back, which keeps
// national grid coordinates of a million metres from costing the result its digits.
StavReseni NormalSystem::Rozloz(const std::vector<FixedNodes::Uzel>& pevne, Platforma& platforma)
{
    const int n = pocetUzlu_;
    reseni_.assign(static_cast<std::size_t>(n) + 1, BodXYZ{});
    std::vector<int> index(static_cast<std::size_t>(n) + 1, 0); // free node -> 0..m-1, fixed -> -1
    for (const FixedNodes::Uzel& p : pevne)
        index[static_cast<std::size_t>(p.uzel)] = -1;
    const BodXYZ o = jenZamery_ ? pevne.front().xyz : BodXYZ{};
    for (const FixedNodes::Uzel& p : pevne)
        reseni_[static_cast<std::size_t>(p.uzel)] = {p.xyz.X - o.X, p.xyz.Y - o.Y, p.xyz.Z - o.Z};
    std::vector<int> uzly; // the free nodes in ascending order
    uzly.reserve(static_cast<std::size_t>(n) - pevne.size());
    for (int r = 1; r <= n; ++r)
        if (index[static_cast<std::size_t>(r)] == 0)
            index[static_cast<std::size_t>(r)] = static_cast<int>(uzly.size()), uzly.push_back(r);
    const int m = static_cast<int>(uzly.size());

    // The lower triangle column by column; the pattern of column k is that of row uzly[k].
    std::size_t clenu = 0;
    for (const int r : uzly)
        for (const Clen& c : radky_[static_cast<std::size_t>(r)])
            clenu += c.sloupec >= r && index[static_cast<std::size_t>(c.sloupec)] >= 0 ? 1 : 0;
    Matice a(m, m);
    a.resizeNonZeros(static_cast<Eigen::Index>(clenu));
    std::vector<double> hodnoty[3];
    for (std::vector<double>& h : hodnoty)
        h.reserve(clenu);
    Eigen::VectorXd prave[3];
    for (Eigen::VectorXd& b : prave)
        b.resize(m);
    int* const sloupce = a.outerIndexPtr();
    int* const radky = a.innerIndexPtr();
    std::size_t k = 0;
    for (int r = 1; r <= n; ++r) {
        platforma.KrokPrubehu(r);
        const int ir = index[static_cast<std::size_t>(r)];
        if (ir < 0)
            continue;
        sloupce[ir] = static_cast<int>(k);
        BodXYZ b;
        for (const Clen& c : radky_[static_cast<std::size_t>(r)]) {
            const int ic = c.sloupec == 0 ? -2 : index[static_cast<std::size_t>(c.sloupec)];
            if (ic == -2) {
                b.X += c.x, b.Y += c.y, b.Z += c.z;
            } else if (ic == -1) {
                const BodXYZ& x = reseni_[static_cast<std::size_t>(c.sloupec)];
                b.X -= c.x * x.X, b.Y -= c.y * x.Y, b.Z -= c.z * x.Z;
            } else if (c.sloupec >= r) {
                radky[k++] = ic;
                hodnoty[0].push_back(c.x);
                hodnoty[1].push_back(c.y);
                hodnoty[2].push_back(c.z);
            }
        }
        prave[0][ir] = b.X, prave[1][ir] = b.Y, prave[2][ir] = b.Z;
    }
    sloupce[m] = static_cast<int>(k);

    if (m > 0) {
        Rozklad ldlt;
        ldlt.analyzePattern(a);
        for (int osa = 0; osa < 3; ++osa) {
            std::copy(hodnoty[osa].begin(), hodnoty[osa].end(), a.valuePtr());
            ldlt.factorize(a);
            // A zero pivot stops the factorisation where it occurs; one that is not finite
            // (an overflow) lets it run on.
            const Eigen::VectorXd& d = ldlt.vectorD();
            for (int p = 0; p < m; ++p)
                if (d[p] == 0.0 || !std::isfinite(d[p])) {
                    const int uzel = uzly[static_cast<std::size_t>(ldlt.permutationPinv().indices()[p])];
                    return Chyba(ChybaReseni::NulovyPivot, uzel,
                                 "Nulový nebo neplatný pivot v rovnici uzlu " + Cislo(uzel) + ".");
                }
            prave[osa] = ldlt.solve(prave[osa]);
        }
    }
    for (int r = n; r >= 1; --r) {
        if (r >= 2)
            platforma.KrokPrubehu(2L * n - r);
        BodXYZ& x = reseni_[static_cast<std::size_t>(r)];
        if (const int ir = index[static_cast<std::size_t>(r)]; ir >= 0)
            x = {prave[0][ir] + o.X, prave[1][ir] + o.Y, prave[2][ir] + o.Z};
        else
            x = {x.X + o.X, x.Y + o.Y, x.Z + o.Z};
        if (!Konecne(x.X, x.Y, x.Z))
            return Chyba(ChybaReseni::NeplatnyVysledek, r,
                         "Výsledné souřadnice uzlu " + Cislo(r) + " nejsou konečná čísla.");
    }
    // Fixed nodes keep their given values to the last bit.
    for (const FixedNodes::Uzel& p : pevne)
        reseni_[static_cast<std::size_t>(p.uzel)] = p.xyz;
    return {};
}

} // namespace lomvira
