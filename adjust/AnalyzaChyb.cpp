#include "adjust/AnalyzaChyb.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "model/Model.h"
#include "network/Krizovat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <optional>

namespace lomvira {

namespace {

std::size_t Idx(std::int64_t i)
{
    return static_cast<std::size_t>(i);
}

// Cuts that remove this share of the largest removal or more count as equally good: a
// loop of two cross-links is closed by cutting either.
constexpr double PodilShody = 0.95;
// Differences below this (metres) show no error worth naming.
constexpr double ZanedbatelnyRozdil = 0.0005;
// Explanations of a difference that miss it by less than this share of it are equally
// good. (A 1 m error along a square loop's side is that side's length as well as the
// azimuth of the sides across it.)
constexpr double ShodaSmeru = 1e-6;
// Cross-links cut per group by NajdiChybu.
constexpr int ZkoumanychPricek = 3;
// Width of a station column of the list, as the header spaces them.
constexpr std::size_t SirkaSloupce = 26;

double Skalar(const BodXYZ& a, const BodXYZ& b)
{
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

// How far the shot's true vector, its measured one less the difference d (carried minus
// solved), is from any vector that differs from the measured one in that measurement
// alone: along the shot for the length; on the horizontal circle of the same height and
// horizontal length for the azimuth; on the circle of the same length in the same
// vertical plane for the inclination.
double Nevysvetleno(const ShotValues& z, const BodXYZ& d, Velicina velicina)
{
    const double ca = std::cos(z.Az), sa = std::sin(z.Az), ci = std::cos(z.Inc), si = std::sin(z.Inc);
    const BodXYZ m{z.L * ca * ci, z.L * sa * ci, z.L * si};
    const BodXYZ p{m.X - d.X, m.Y - d.Y, m.Z - d.Z};
    switch (velicina) {
    case Velicina::Delka: {
        const double t = Skalar(d, {ca * ci, sa * ci, si});
        return std::sqrt(std::max(0.0, Skalar(d, d) - t * t));
    }
    case Velicina::Azimut:
        return std::hypot(std::hypot(p.X, p.Y) - z.L * ci, d.Z);
    default: {
        const double vedle = Skalar(p, {-sa, ca, 0.0});
        const double vRovine = std::hypot(p.X * ca + p.Y * sa, p.Z);
        return std::hypot(vedle, vRovine - z.L);
    }
    }
}

} // namespace

AnalyzaChyb::AnalyzaChyb(const Model& model, const Krizovat& sit, Platforma& platforma, bool viceMereni)
    : model_(model), sit_(sit), platforma_(platforma), viceMereni_(viceMereni), mash_(platforma),
      gauss_(platforma)
{
}

double AnalyzaChyb::IntenzitaChyby(CisloZamery shot, const BodXYZ& p1, const BodXYZ& p2) const
{
    double rozpor = 0.0;
    return Nesoulad(shot, p1, p2, rozpor);
}

// The intensity, and in `rozpor` the shot's term of what the adjustment minimises: the
// sum over the axes of w r².
double AnalyzaChyb::Nesoulad(CisloZamery shot, const BodXYZ& p1, const BodXYZ& p2, double& rozpor) const
{
    const ShotValues z = model_.shots.GetShot(shot);
    const ShotVariances v = model_.shots.GetShotVariances(shot, viceMereni_);
    const double rX = (p2.X - p1.X) - z.L * std::cos(z.Az) * std::cos(z.Inc);
    const double rY = (p2.Y - p1.Y) - z.L * std::sin(z.Az) * std::cos(z.Inc);
    const double rZ = (p2.Z - p1.Z) - z.L * std::sin(z.Inc);
    const VahyOs w = ShotAxisWeights(z.L, z.Az, z.Inc, v.L, v.Az, v.Inc);
    rozpor = w.wX * rX * rX + w.wY * rY * rY + w.wZ * rZ * rZ;
    return std::sqrt((w.wX * rX) * (w.wX * rX) + (w.wY * rY) * (w.wY * rY) + (w.wZ * rZ) * (w.wZ * rZ));
}

double AnalyzaChyb::Intenzita(CisloZamery shot) const
{
    const auto i = Idx(std::abs(static_cast<std::int64_t>(shot)));
    return i < intenzita_.size() ? intenzita_[i] : 0.0;
}

// The region's mesh: every shot of the region, hung from its busiest point. A shot from a
// station to itself tells nothing of where the station is and stays out.
bool AnalyzaChyb::SestavOblast(int r)
{
    platforma_.StavovyRadek("Příprava " + std::to_string(r) + ". oblasti pro výpočet chyb...");
    mash_.Reset_Mash();
    const std::int32_t pocet = sit_.GroupShotCount(r, 0);
    for (std::int32_t i = 1; i <= pocet; ++i) {
        const CisloZamery shot = sit_.GetGroupShot(r, 0, i);
        const ShotRecord z = model_.shots.GetShotRecord(shot);
        if (z.From != z.To && z.From > 0)
            mash_.Add_Zam(z.From, z.To, std::abs(shot));
    }
    mash_.Auto_DBod();
    mash_.Skupiny();
    poloha_.assign(Idx(mash_.Get_Poc_iBod()) + 1, 0);
    return mash_.Get_Poc_Sku() > 0;
}

std::string AnalyzaChyb::Jmeno(int r, int s, int pricka) const
{
    return std::to_string(r) + "." + std::to_string(s) + (pricka > 0 ? "-" + std::to_string(pricka) : "");
}

void AnalyzaChyb::Polohy(int s)
{
    const int n = mash_.Get_Poc_Bod_S(s);
    for (int l = 1; l <= n; ++l)
        poloha_[Idx(mash_.Get_IBod_SL(s, l))] = l;
}

// Adjusts group s (with cross-link `pricka` cut off at its start, which becomes the extra
// node n + 1) and reads every node. False when the system cannot be built or solved.
bool AnalyzaChyb::Res(int r, int s, int pricka, std::vector<BodXYZ>& body)
{
    const int n = mash_.Get_Poc_Bod_S(s);
    const std::string jmeno = Jmeno(r, s, pricka);
    gauss_.Init();
    gauss_.Add_ZBod(1, 0.0, 0.0, 0.0);
    long celkem = 0;
    for (int v = 1; v <= mash_.Get_Poc_Vek_S(s); ++v)
        celkem += mash_.Get_Poc_Zam_SV(s, v);
    platforma_.ZacniPrubeh("Příprava matice " + jmeno, celkem);
    long hotovo = 0;
    bool ok = true;
    for (int v = 1; ok && v <= mash_.Get_Poc_Vek_S(s); ++v) {
        for (int i = 1; ok && i <= mash_.Get_Poc_Zam_SV(s, v); ++i) {
            platforma_.KrokPrubehu(++hotovo);
            const CisloZamery shot = mash_.Get_iZam_SVI(s, v, i);
            const Mash::Konce k = mash_.Get_Zam_SVI(s, v, i);
            const int a = v == pricka && i == 1 ? n + 1 : Poloha(k.z);
            const ShotValues z = model_.shots.GetShot(shot);
            const ShotVariances var = model_.shots.GetShotVariances(shot, viceMereni_);
            ok = gauss_.Gdosad(a, Poloha(k.k), z.L, z.Az, z.Inc, var.L, var.Az, var.Inc).Ok();
        }
    }
    platforma_.KonecPrubehu();
    if (!ok)
        return false;
    platforma_.StavovyRadek("Reseni matice " + jmeno + "...");
    if (!gauss_.Reseni())
        return false;
    const int uzlu = pricka > 0 ? n + 1 : n;
    body.assign(Idx(uzlu) + 1, {});
    for (int p = 1; p <= uzlu; ++p) {
        const std::optional<BodXYZ> b = gauss_.Get_Bod(p);
        if (!b)
            return false;
        body[Idx(p)] = *b;
    }
    return true;
}

// The group's misfit as the adjustment weighs it, the cut shot's start at n + 1. With
// `zapsat` the intensities are kept, and in mode 1 listed.
double AnalyzaChyb::Nesoulad(int s, int pricka, const std::vector<BodXYZ>& body, bool zapsat)
{
    const int n = mash_.Get_Poc_Bod_S(s);
    double soucet = 0.0;
    for (int v = 1; v <= mash_.Get_Poc_Vek_S(s); ++v) {
        for (int i = 1; i <= mash_.Get_Poc_Zam_SV(s, v); ++i) {
            const CisloZamery shot = mash_.Get_iZam_SVI(s, v, i);
            const Mash::Konce k = mash_.Get_Zam_SVI(s, v, i);
            const int a = v == pricka && i == 1 ? n + 1 : Poloha(k.z);
            double rozpor = 0.0;
            const double intenzita = Nesoulad(shot, body[Idx(a)], body[Idx(Poloha(k.k))], rozpor);
            soucet += rozpor;
            if (!zapsat)
                continue;
            const auto z = Idx(std::abs(static_cast<std::int64_t>(shot)));
            if (z >= intenzita_.size())
                intenzita_.resize(z + 1, 0.0);
            intenzita_[z] = intenzita;
            if (rezim_ == 1) {
                PolozkaChyby p;
                p.od = mash_.Get_jBod(k.z);
                p.k = mash_.Get_jBod(k.k);
                p.hodnota = intenzita;
                p.polozka = shot;
                p.skupina = s;
                p.pricka = v;
                vysledky_.push_back(p);
            }
        }
    }
    return soucet;
}

PolozkaChyby AnalyzaChyb::Pricka(int r, int s, int pricka, double hodnota) const
{
    PolozkaChyby p;
    const int pocet = mash_.Get_Poc_Zam_SV(s, pricka);
    p.od = mash_.Get_jBod(mash_.Get_Zam_SVI(s, pricka, 1).z);
    p.pres = pocet > 1 ? mash_.Get_jBod(mash_.Get_Zam_SVI(s, pricka, 1).k) : 0;
    p.k = mash_.Get_jBod(mash_.Get_Zam_SVI(s, pricka, pocet).k);
    p.hodnota = hodnota;
    p.polozka = mash_.Get_iZam_SVI(s, pricka, 1);
    p.oblast = r;
    p.skupina = s;
    p.pricka = pricka;
    for (int i = 1; i <= pocet; ++i)
        p.zamery.push_back(mash_.Get_iZam_SVI(s, pricka, i));
    return p;
}

// Cuts the cross-link at its start: its first shot leaves from the extra node n + 1, so
// the cross-link hangs from its end alone and is carried along its own shots. Where that
// puts its start against where the rest of the group puts it is the difference.
AnalyzaChyb::Rozdil AnalyzaChyb::Odpoj(int r, int s, int pricka, double nesoulad)
{
    const CisloBodu start = mash_.Get_jBod(mash_.Get_Zam_SVI(s, pricka, 1).z);
    platforma_.StavovyRadek("Ze skupiny " + Jmeno(r, s, 0) + " odpojuji " + std::to_string(pricka) +
                            ". příčku z " + Orizni(model_.stations.GetStationName(start)));
    Rozdil rozdil;
    std::vector<BodXYZ> body;
    if (!Res(r, s, pricka, body))
        return rozdil;
    const int n = mash_.Get_Poc_Bod_S(s);
    const BodXYZ& a = body[Idx(Poloha(mash_.Get_Zam_SVI(s, pricka, 1).z))];
    const BodXYZ& b = body[Idx(n + 1)];
    rozdil.d = {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
    rozdil.metru = std::sqrt(Skalar(rozdil.d, rozdil.d));
    if (nesoulad >= 0.0)
        rozdil.ubytek = nesoulad - Nesoulad(s, pricka, body, false);
    rozdil.ok = std::isfinite(rozdil.metru);
    return rozdil;
}

void AnalyzaChyb::ChybaSkupiny()
{
    platforma_.KonecPrubehu();
    platforma_.ZpravaBox("Chyba v analyze skupiny", MsgBox::OkOnly | MsgBox::Critical);
}

// One network group in the present mode; false when it cannot be built or solved.
bool AnalyzaChyb::Skupina(int r, int s, const std::vector<CisloZamery>& vybrane)
{
    Polohy(s);
    std::vector<int> pricky;
    if (rezim_ == 2) {
        for (CisloZamery z : vybrane) {
            const Mash::Poloha p = mash_.Find_Zam(z);
            if (p.skupina == s)
                pricky.push_back(p.vektor);
        }
        std::sort(pricky.begin(), pricky.end());
        pricky.erase(std::unique(pricky.begin(), pricky.end()), pricky.end());
        if (pricky.empty())
            return true; // nothing of this group was asked for
    }
    platforma_.StavovyRadek("Skupina " + Jmeno(r, s, 0) + " bude podrobena zkoumání...");
    double nesoulad = -1.0;
    if (rezim_ != 2) {
        std::vector<BodXYZ> body;
        if (!Res(r, s, 0, body))
            return false;
        const std::size_t prvni = vysledky_.size();
        nesoulad = Nesoulad(s, 0, body, true);
        for (std::size_t i = prvni; i < vysledky_.size(); ++i)
            vysledky_[i].oblast = r;
    }
    if (rezim_ == 3) {
        // The cross-links of the highest intensities, highest first.
        std::vector<std::pair<double, int>> zamery;
        for (int v = 1; v <= mash_.Get_Poc_Vek_S(s); ++v)
            for (int i = 1; i <= mash_.Get_Poc_Zam_SV(s, v); ++i)
                zamery.push_back({Intenzita(mash_.Get_iZam_SVI(s, v, i)), v});
        std::stable_sort(zamery.begin(), zamery.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& z : zamery) {
            if (static_cast<int>(pricky.size()) == ZkoumanychPricek)
                break;
            if (std::find(pricky.begin(), pricky.end(), z.second) == pricky.end())
                pricky.push_back(z.second);
        }
    }
    std::vector<Rozdil> rozdily;
    for (int k : pricky) {
        const Rozdil d = Odpoj(r, s, k, nesoulad);
        if (!d.ok)
            return false;
        rozdily.push_back(d);
        if (rezim_ == 2)
            vysledky_.push_back(Pricka(r, s, k, d.metru));
    }
    if (rezim_ == 3 && !pricky.empty())
        nalezy_.push_back(Vyber(r, s, pricky, rozdily));
    return true;
}

NalezChyby AnalyzaChyb::Vyber(int r, int s, const std::vector<int>& pricky, const std::vector<Rozdil>& rozdily) const
{
    double nejvic = rozdily.front().ubytek;
    for (const Rozdil& d : rozdily)
        nejvic = std::max(nejvic, d.ubytek);
    // In a group without error every removal is rounding noise about 0: any may be named.
    const double prah = nejvic - (1.0 - PodilShody) * std::abs(nejvic);
    // Of the cuts that remove (nearly) the most misfit, the one with a measurement that
    // alone accounts for its difference: along the shot for a length, across it
    // horizontally for an azimuth, across it vertically for an inclination.
    NalezChyby nalez;
    double nejlepsi = 0.0;
    bool vybrano = false;
    for (std::size_t j = 0; j < pricky.size(); ++j) {
        const Rozdil& d = rozdily[j];
        if (d.ubytek < prah)
            continue;
        const int v = pricky[j];
        CisloZamery podezrela = 0;
        Velicina velicina = Velicina::Delka;
        double zbytek = 0.0;
        // Lengths first: of explanations that fit equally, a misread tape is the likeliest.
        for (int q = 0; q < 3; ++q) {
            for (int i = 1; i <= mash_.Get_Poc_Zam_SV(s, v); ++i) {
                const CisloZamery shot = mash_.Get_iZam_SVI(s, v, i);
                const double mimo = Nevysvetleno(model_.shots.GetShot(shot), d.d, static_cast<Velicina>(q));
                if (podezrela == 0 || mimo < zbytek - ShodaSmeru * d.metru) {
                    podezrela = shot;
                    velicina = static_cast<Velicina>(q);
                    zbytek = mimo;
                }
            }
        }
        const double podil = d.metru > 0.0 ? zbytek / d.metru : 0.0;
        if (vybrano && podil >= nejlepsi - ShodaSmeru)
            continue;
        vybrano = true;
        nejlepsi = podil;
        nalez.pricka = Pricka(r, s, v, d.metru);
        nalez.podezrela = d.metru >= ZanedbatelnyRozdil ? podezrela : 0;
        nalez.velicina = velicina;
    }
    return nalez;
}

const std::vector<PolozkaChyby>& AnalyzaChyb::AnalyzujChyby(int rezim, const std::vector<CisloZamery>& vybrane)
{
    rezim_ = rezim;
    vysledky_.clear();
    nalezy_.clear();
    intenzita_.assign(Idx(model_.shots.ShotCount()) + 1, 0.0);
    const int oblasti = model_.regions.RegionCount();
    for (int r = 1; r <= oblasti; ++r) {
        try {
            if (!SestavOblast(r))
                continue;
        } catch (const std::exception&) {
            ChybaSkupiny();
            continue;
        }
        for (int s = 1; s <= mash_.Get_Poc_Sku(); ++s) {
            if (mash_.Get_Typ_Sku(s) != 2)
                continue;
            // A group that fails leaves no half of its lines behind.
            const std::size_t radku = vysledky_.size();
            bool ok = false;
            try {
                ok = Skupina(r, s, vybrane);
            } catch (const std::exception&) {
                ok = false;
            }
            if (!ok) {
                vysledky_.resize(radku);
                ChybaSkupiny();
            }
        }
    }
    platforma_.StavovyRadek("Kontrola chyb dokončena.");
    return vysledky_;
}

std::vector<NalezChyby> AnalyzaChyb::NajdiChybu()
{
    AnalyzujChyby(3);
    rezim_ = 3;
    vysledky_.clear();
    for (const NalezChyby& n : nalezy_)
        vysledky_.push_back(n.pricka);
    return nalezy_;
}

std::string RadekChyby(const Model& model, const PolozkaChyby& p)
{
    auto sloupec = [](const std::string& text) { return PevnaSirka(text, SirkaSloupce); };
    const std::string pres = p.pres > 0 ? PevnaSirka(model.stations.GetStationName(p.pres), 10) : "-";
    std::string hodnota = FormatCislo(p.hodnota, 3);
    if (hodnota.size() < 10)
        hodnota.insert(0, 10 - hodnota.size(), ' ');
    return sloupec(PevnaSirka(model.stations.GetStationName(p.od), 10)) + sloupec(pres) +
           sloupec(PevnaSirka(model.stations.GetStationName(p.k), 10)) + hodnota;
}

} // namespace lomvira
