#include "network/Mash.h"

#include "common/Platforma.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

namespace lomvira {

namespace {

constexpr int Virtualni = -1; // the neighbour that stands for the mark

std::size_t Idx(std::int64_t i)
{
    return static_cast<std::size_t>(i);
}

} // namespace

// One run of Skupiny: the adjacency in compressed rows, the depth-first walk that cuts it
// into vectors and joins the vectors of each loop, then the layout of the groups.
class Mash::Pruchod {
public:
    explicit Pruchod(Mash& m) : m_(m), n_(m.Get_Poc_iBod()) {}
    // False when the walk met a state it cannot go on from.
    bool Proved();

private:
    void Sousedstvi();
    int NovyVektor(int start);
    void Zacni(int v, int start);
    int NeproslaHrana(int p);
    bool Trasuj(int s);
    bool Uzavri(int v, int n);
    int Koren(int v);
    void Spoj(int a, int b);
    void Rozvrhni();
    std::int32_t KonecVektoru(int v) const
    {
        return v + 1 < static_cast<int>(vek_.size()) ? vek_[Idx(v + 1)].prvni
                                                      : static_cast<std::int32_t>(kroky_.size());
    }

    struct Vek {
        int start = 0;              // 0 while the vector has walked nothing
        std::int32_t prvni = 0;     // first entry in kroky_
        std::int32_t hloubka = 0;   // vectors between it and the walk's start
    };

    Mash& m_;
    const int n_;
    std::vector<std::int32_t> konec_;   // the entries of p are [konec_[p - 1], konec_[p])
    std::vector<int> soused_;            // neighbour, or Virtualni
    std::vector<std::int32_t> dvojce_;  // the same shot's entry at the neighbour; -1 virtual
    std::vector<std::int32_t> zamera_;  // index into the shot list; -1 virtual
    std::vector<std::int32_t> prosla_;  // the vector that walked the entry, 0 none
    std::vector<std::int32_t> kurzor_;  // per point: entries at or above it are tried
    std::vector<std::int32_t> znacka_;  // 0 not reached, -1 a start, else the reaching vector
    std::vector<std::int32_t> posledniZacatek_;
    std::vector<Vek> vek_{Vek{}};       // vector v is vek_[v]; 0 unused
    std::vector<Krok> kroky_;
    std::vector<std::int32_t> skupina_{0}; // union-find parent; a root is its smallest vector
    std::vector<int> druh_{0};
    int start_ = 0;
};

void Mash::Pruchod::Sousedstvi()
{
    const std::vector<Zamera>& seznam = m_.seznam_;
    konec_.assign(Idx(n_) + 1, 0);
    for (const Zamera& z : seznam) {
        ++konec_[Idx(z.nizsi)];
        ++konec_[Idx(z.vyssi)];
    }
    if (m_.oznaceny_ > 0)
        ++konec_[Idx(m_.oznaceny_)];
    for (int p = 1; p <= n_; ++p)
        konec_[Idx(p)] += konec_[Idx(p - 1)];
    const auto pocet = Idx(konec_[Idx(n_)]);
    soused_.assign(pocet, 0);
    dvojce_.assign(pocet, -1);
    zamera_.assign(pocet, -1);
    std::vector<std::int32_t> volne(konec_.begin(), konec_.end() - 1);
    auto pridej = [&](int p, int q, std::int32_t z) {
        const std::int32_t e = volne[Idx(p - 1)]++;
        soused_[Idx(e)] = q;
        zamera_[Idx(e)] = z;
        return e;
    };
    // Each point's neighbours in the order they were added, the mark among them.
    for (std::size_t i = 0; i <= seznam.size(); ++i) {
        if (i == m_.znackaPo_ && m_.oznaceny_ > 0)
            pridej(m_.oznaceny_, Virtualni, -1);
        if (i == seznam.size())
            break;
        const Zamera& z = seznam[i];
        const std::int32_t ea = pridej(z.nizsi, z.vyssi, static_cast<std::int32_t>(i));
        const std::int32_t eb = pridej(z.vyssi, z.nizsi, static_cast<std::int32_t>(i));
        dvojce_[Idx(ea)] = eb;
        dvojce_[Idx(eb)] = ea;
    }
    prosla_.assign(pocet, 0);
    kurzor_ = konec_;
    znacka_.assign(Idx(n_) + 1, 0);
    posledniZacatek_.assign(Idx(n_) + 1, 0);
}

int Mash::Pruchod::NovyVektor(int start)
{
    vek_.push_back({0, static_cast<std::int32_t>(kroky_.size()), 0});
    const int v = static_cast<int>(vek_.size()) - 1;
    skupina_.push_back(v);
    druh_.push_back(1);
    if (start != 0)
        Zacni(v, start);
    return v;
}

void Mash::Pruchod::Zacni(int v, int start)
{
    const int rodic = znacka_[Idx(start)];
    vek_[Idx(v)].start = start;
    vek_[Idx(v)].hloubka = rodic > 0 ? vek_[Idx(rodic)].hloubka + 1 : 0;
    posledniZacatek_[Idx(start)] = v;
}

int Mash::Pruchod::NeproslaHrana(int p)
{
    // Neighbours are tried from the last to the first; an entry passed over is walked.
    std::int32_t& e = kurzor_[Idx(p)];
    while (e > konec_[Idx(p - 1)]) {
        if (prosla_[Idx(e - 1)] == 0)
            return e - 1;
        --e;
    }
    return -1;
}

bool Mash::Pruchod::Trasuj(int s)
{
    start_ = s;
    znacka_[Idx(s)] = -1;
    int v = NovyVektor(s);
    for (std::int32_t e = konec_[Idx(s - 1)]; e < konec_[Idx(s)]; ++e)
        if (soused_[Idx(e)] == Virtualni)
            prosla_[Idx(e)] = v;
    int c = s;
    while (c != -1) {
        const int e = NeproslaHrana(c);
        if (e < 0) {
            // Back to the start of the vector that reached c. A vector that ran into a dead
            // end ends there: what is walked next starts a vector of its own.
            if (KonecVektoru(v) > vek_[Idx(v)].prvni)
                v = NovyVektor(0);
            const int z = znacka_[Idx(c)];
            c = z == -1 ? -1 : vek_[Idx(z)].start;
            continue;
        }
        const int n = soused_[Idx(e)];
        if (vek_[Idx(v)].start == 0)
            Zacni(v, c);
        prosla_[Idx(e)] = v;
        if (n != Virtualni) {
            prosla_[Idx(dvojce_[Idx(e)])] = v;
            const Zamera& z = m_.seznam_[Idx(zamera_[Idx(e)])];
            kroky_.push_back({c, n, c == z.nizsi ? z.cislo : -z.cislo});
        }
        if (n != Virtualni && znacka_[Idx(n)] == 0) {
            znacka_[Idx(n)] = v;
            c = n;
            if (konec_[Idx(n)] - konec_[Idx(n - 1)] > 2) // a junction; the mark counts
                v = NovyVektor(n);
        } else {
            if (!Uzavri(v, n))
                return false;
            v = NovyVektor(0);
        }
    }
    return true;
}

int Mash::Pruchod::Koren(int v)
{
    while (skupina_[Idx(v)] != v) {
        skupina_[Idx(v)] = skupina_[Idx(skupina_[Idx(v)])];
        v = skupina_[Idx(v)];
    }
    return v;
}

void Mash::Pruchod::Spoj(int a, int b)
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

bool Mash::Pruchod::Uzavri(int v, int n)
{
    // Every vector back to the one that starts at n joins one group; the mark leads back to
    // the walk's start. The vector on the way back is the last one started at n, and a
    // group is a subtree of vectors topped by its smallest number, so the way back jumps
    // from group top to group top.
    const int cil = posledniZacatek_[Idx(n == Virtualni ? start_ : n)];
    if (cil <= 0)
        return false;
    const std::int32_t hloubka = vek_[Idx(cil)].hloubka;
    for (int t = Koren(v); vek_[Idx(t)].hloubka > hloubka; t = Koren(t)) {
        const int rodic = znacka_[Idx(vek_[Idx(t)].start)];
        if (rodic <= 0)
            return false;
        Spoj(t, rodic);
    }
    druh_[Idx(Koren(v))] = 2;
    return true;
}

void Mash::Pruchod::Rozvrhni()
{
    const int pocet = static_cast<int>(vek_.size()) - 1;
    // The vectors of each group in vector order, vectors without shots left out.
    std::vector<std::vector<int>> clenove(Idx(pocet) + 1);
    for (int v = 1; v <= pocet; ++v)
        if (KonecVektoru(v) > vek_[Idx(v)].prvni)
            clenove[Idx(Koren(v))].push_back(v);
    std::vector<std::int32_t> razitko(Idx(n_) + 1, 0);
    for (int g = 1; g <= pocet; ++g) {
        const std::vector<int>& vs = clenove[Idx(g)];
        if (vs.empty())
            continue;
        const int s = static_cast<int>(m_.skupiny_.size()) + 1;
        const int start = vek_[Idx(vs.front())].start;
        auto bod = [&](int p) {
            if (razitko[Idx(p)] != s) {
                razitko[Idx(p)] = s;
                m_.skupBody_.push_back(p);
            }
        };
        bod(start);
        int cislo = 0;
        for (int v : vs) {
            ++cislo;
            for (std::int32_t i = vek_[Idx(v)].prvni; i < KonecVektoru(v); ++i) {
                const Krok& k = kroky_[Idx(i)];
                bod(k.z);
                bod(k.k);
                m_.zamery_.push_back(k);
                const int index = static_cast<int>(i - vek_[Idx(v)].prvni) + 1;
                m_.polohy_.push_back({std::abs(k.cislo), {s, cislo, index}});
            }
            m_.vektory_.push_back({vek_[Idx(v)].start, kroky_[Idx(KonecVektoru(v) - 1)].k,
                                   static_cast<std::int32_t>(m_.zamery_.size()), druh_[Idx(g)]});
        }
        m_.skupiny_.push_back({druh_[Idx(g)], start, static_cast<std::int32_t>(m_.vektory_.size()),
                               static_cast<std::int32_t>(m_.skupBody_.size())});
    }
    // The first place of a shot added more than once is where Find_Zam finds it.
    std::stable_sort(m_.polohy_.begin(), m_.polohy_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool Mash::Pruchod::Proved()
{
    Sousedstvi();
    if (!Trasuj(m_.oznaceny_))
        return false;
    // What the mark does not reach hangs from its own first point.
    for (int p = 1; p <= n_; ++p)
        if (znacka_[Idx(p)] == 0 && !Trasuj(p))
            return false;
    Rozvrhni();
    return true;
}

// --- building ------------------------------------------------------------------------------

int Mash::PridejBod(CisloBodu j)
{
    const auto [it, novy] = index_.try_emplace(j, static_cast<int>(body_.size()) + 1);
    if (novy)
        body_.push_back(j);
    return it->second;
}

void Mash::Add_Zam(CisloBodu a, CisloBodu b, CisloZamery shot)
{
    const int pa = PridejBod(a);
    const int pb = PridejBod(b);
    if (pa <= pb)
        seznam_.push_back({pa, pb, shot});
    else
        seznam_.push_back({pb, pa, -shot});
    platne_ = false;
}

void Mash::Add_DBod(CisloBodu j)
{
    const int p = Get_Bod(j);
    if (p == 0 || oznaceny_ != 0)
        return;
    oznaceny_ = p;
    znackaPo_ = seznam_.size();
    platne_ = false;
}

CisloBodu Mash::Auto_DBod()
{
    const int n = Get_Poc_iBod();
    if (oznaceny_ != 0 || n < 2)
        return 0;
    std::vector<std::int32_t> stupen(Idx(n) + 1, 0);
    for (const Zamera& z : seznam_) {
        ++stupen[Idx(z.nizsi)];
        ++stupen[Idx(z.vyssi)];
    }
    int nejvic = 1, bezSouseda = 0;
    for (int p = 1; p <= n; ++p) {
        if (stupen[Idx(p)] > stupen[Idx(nejvic)])
            nejvic = p;
        if (stupen[Idx(p)] == 0 && bezSouseda == 0)
            bezSouseda = p;
    }
    const int p = stupen[Idx(nejvic)] > 2 || bezSouseda == 0 ? nejvic : bezSouseda;
    oznaceny_ = p;
    znackaPo_ = seznam_.size();
    platne_ = false;
    return Get_jBod(p);
}

void Mash::Skupiny()
{
    if (platne_)
        return;
    skupiny_.clear();
    vektory_.clear();
    zamery_.clear();
    skupBody_.clear();
    polohy_.clear();
    platne_ = true;
    if (seznam_.empty())
        return;
    if (oznaceny_ == 0) {
        platforma_.ZpravaBox("Síť nemá označený výchozí bod.", MsgBox::OkOnly | MsgBox::Critical, "Chyba");
        return;
    }
    Pruchod pruchod(*this);
    if (!pruchod.Proved()) {
        skupiny_.clear();
        vektory_.clear();
        zamery_.clear();
        skupBody_.clear();
        polohy_.clear();
        platforma_.ZpravaBox("Síť nelze rozdělit do skupin.", MsgBox::OkOnly | MsgBox::Critical, "Chyba");
    }
}

void Mash::Reset_Mash()
{
    body_.clear();
    index_.clear();
    seznam_.clear();
    oznaceny_ = 0;
    znackaPo_ = 0;
    platne_ = false;
    skupiny_.clear();
    vektory_.clear();
    zamery_.clear();
    skupBody_.clear();
    polohy_.clear();
}

// --- reading -------------------------------------------------------------------------------

std::int32_t Mash::PrvniVektor(int s) const
{
    return s > 1 ? skupiny_[Idx(s - 2)].vektorKonec : 0;
}

std::int32_t Mash::PrvniBod(int s) const
{
    return s > 1 ? skupiny_[Idx(s - 2)].bodKonec : 0;
}

std::int32_t Mash::PrvniZamera(std::int32_t vektor) const
{
    return vektor > 0 ? vektory_[Idx(vektor - 1)].zamerKonec : 0;
}

int Mash::Get_Bod(CisloBodu j) const
{
    const auto it = index_.find(j);
    return it == index_.end() ? 0 : it->second;
}

CisloBodu Mash::Get_jBod(int i) const
{
    return i >= 1 && i <= Get_Poc_iBod() ? body_[Idx(i - 1)] : 0;
}

int Mash::Get_Poc_Bod_S(int s) const
{
    return PlatnaSkupina(s) ? skupiny_[Idx(s - 1)].bodKonec - PrvniBod(s) : 0;
}

int Mash::Get_Poc_Vek_S(int s) const
{
    return PlatnaSkupina(s) ? skupiny_[Idx(s - 1)].vektorKonec - PrvniVektor(s) : 0;
}

int Mash::Get_Poc_Zam_SV(int s, int v) const
{
    if (!PlatnyVektor(s, v))
        return 0;
    const std::int32_t w = PrvniVektor(s) + v;
    return vektory_[Idx(w - 1)].zamerKonec - PrvniZamera(w - 1);
}

int Mash::Get_Typ_Sku(int s) const
{
    return PlatnaSkupina(s) ? skupiny_[Idx(s - 1)].typ : -1;
}

int Mash::Get_IBod_SL(int s, int l) const
{
    return l >= 1 && l <= Get_Poc_Bod_S(s) ? skupBody_[Idx(PrvniBod(s) + l - 1)] : 0;
}

CisloBodu Mash::Get_Bod_SI(int s, int i) const
{
    return Get_jBod(Get_IBod_SL(s, i));
}

int Mash::Get_lBod_SJ(int s, CisloBodu j) const
{
    const int p = Get_Bod(j);
    const int pocet = Get_Poc_Bod_S(s);
    for (int l = 1; p != 0 && l <= pocet; ++l)
        if (skupBody_[Idx(PrvniBod(s) + l - 1)] == p)
            return l;
    return 0;
}

CisloZamery Mash::Get_iZam_SVI(int s, int v, int i) const
{
    if (i < 1 || i > Get_Poc_Zam_SV(s, v))
        return 0;
    return zamery_[Idx(PrvniZamera(PrvniVektor(s) + v - 1) + i - 1)].cislo;
}

Mash::Konce Mash::Get_Zam_SVI(int s, int v, int i) const
{
    if (i < 1 || i > Get_Poc_Zam_SV(s, v))
        return {};
    const Krok& k = zamery_[Idx(PrvniZamera(PrvniVektor(s) + v - 1) + i - 1)];
    return {k.z, k.k};
}

Mash::Konce Mash::Get_Zam_SI(int s, int i) const
{
    if (!PlatnaSkupina(s))
        return {};
    const std::int32_t prvni = PrvniZamera(PrvniVektor(s));
    const std::int32_t konec = PrvniZamera(skupiny_[Idx(s - 1)].vektorKonec);
    if (i < 1 || i > konec - prvni)
        return {};
    const Krok& k = zamery_[Idx(prvni + i - 1)];
    return {k.z, k.k};
}

Mash::Poloha Mash::Find_Zam(CisloZamery shot) const
{
    const CisloZamery klic = std::abs(shot);
    const auto it = std::lower_bound(polohy_.begin(), polohy_.end(), klic,
                                     [](const auto& a, CisloZamery k) { return a.first < k; });
    return it != polohy_.end() && it->first == klic ? it->second : Poloha{};
}

std::vector<CisloBodu> Mash::Vystup() const
{
    std::vector<CisloBodu> out(1, 0);
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
}

void Mash::VypisSite(std::ostream& out)
{
    Skupiny();
    out << "Skupiny\ni\tAdr\tStBod\tTyp\n";
    for (int s = 1; s <= Get_Poc_Sku(); ++s) {
        const Skupina& g = skupiny_[Idx(s - 1)];
        out << s << '\t' << g.vektorKonec << '\t' << g.start << '\t' << g.typ << '\n';
    }
    out << "Vektory\ni\tAdr\tStBod\tTyp\n";
    for (std::size_t v = 0; v < vektory_.size(); ++v)
        out << v + 1 << '\t' << vektory_[v].zamerKonec << '\t' << vektory_[v].start << '\t' << vektory_[v].typ
            << '\n';
    out << "Zamery\ni\tZ\tDo\n";
    int poradi = 0;
    for (int s = 1; s <= Get_Poc_Sku(); ++s)
        for (int v = 1; v <= Get_Poc_Vek_S(s); ++v)
            for (int i = 1; i <= Get_Poc_Zam_SV(s, v); ++i) {
                const Konce k = Get_Zam_SVI(s, v, i);
                out << ++poradi << '(' << s << '.' << v << '.' << i << ")\t" << k.z << '\t' << k.k << "\t|\t"
                    << Get_jBod(k.z) << '\t' << Get_jBod(k.k) << '\n';
            }
}

} // namespace lomvira
