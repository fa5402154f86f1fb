#include "input/Meridla.h"

#include <algorithm>

namespace lomvira {

namespace {

// The entry of this date and value in a list sorted by date (from index `od`), or a new
// one made by `novy` and inserted after every entry whose date is not later.
template <class E, class Hodnota, class Novy>
std::shared_ptr<E> NajdiNeboVlozPodleData(std::vector<std::shared_ptr<E>>& seznam, std::size_t od,
                                          std::int32_t datum, double hodnota, Hodnota hodnotaZaznamu,
                                          Novy novy)
{
    for (std::size_t i = od; i < seznam.size(); ++i) {
        if (seznam[i]->Datum == datum && hodnotaZaznamu(*seznam[i]) == hodnota)
            return seznam[i];
    }
    auto pozice = std::upper_bound(seznam.begin() + static_cast<std::ptrdiff_t>(od), seznam.end(), datum,
                                   [](std::int32_t d, const std::shared_ptr<E>& e) { return d < e->Datum; });
    return *seznam.insert(pozice, novy());
}

} // namespace

// --- compass ---------------------------------------------------------------------------

std::shared_ptr<KompasOdchylka> KompasDef::AddOdch(double odchylka, std::int32_t datum)
{
    aktualni_ = NajdiNeboVlozPodleData(
        odchylky_, 0, datum, odchylka, [](const KompasOdchylka& e) { return e.Odchylka; },
        [&] { return std::make_shared<KompasOdchylka>(KompasOdchylka{odchylka, datum, false}); });
    return aktualni_;
}

std::shared_ptr<KompasOdchylka> KompasDef::Odchylky(int i) const
{
    if (i < 1 || i > CountOdch())
        return nullptr;
    return odchylky_[static_cast<std::size_t>(i - 1)];
}

std::shared_ptr<KompasDef> KompasDef::Copy() const
{
    auto kopie = std::make_shared<KompasDef>();
    kopie->Jmeno = Jmeno;
    kopie->Jednotky = Jednotky;
    kopie->Presnost = Presnost;
    kopie->Datum = Datum;
    kopie->Pouzit = Pouzit;
    kopie->Anonym = Anonym;
    kopie->Cislo = Cislo;
    return kopie;
}

std::shared_ptr<KompasDef> KompasDef::CreateAnonym(double presnost, std::int32_t datum)
{
    auto def = std::make_shared<KompasDef>();
    def->Presnost = presnost;
    def->Datum = datum;
    def->Anonym = true;
    def->AddOdch(0.0, datum);
    return def;
}

void Kompas::Use(bool pouzit)
{
    definice_->Pouzit = pouzit;
    odchylka_->Pouzita = pouzit;
}

Kompas Kompas::Copy() const
{
    auto def = definice_->Copy();
    auto odch = def->AddOdch(odchylka_->Odchylka, odchylka_->Datum);
    return Kompas(std::move(def), std::move(odch));
}

Kompas Kompas::CreateAnonym(double presnost, std::int32_t datum)
{
    auto def = KompasDef::CreateAnonym(presnost, datum);
    auto odch = def->AktOdchylka();
    return Kompas(std::move(def), std::move(odch));
}

// --- collections -----------------------------------------------------------------------

template <class T>
std::size_t SeznamMeridel<T>::DolniMez(std::string_view jmeno) const
{
    // std::string compares as unsigned bytes, i.e. by character code.
    auto it = std::lower_bound(jmena_.begin(), jmena_.end(), jmeno,
                               [](const std::pair<std::string, int>& p, std::string_view j) {
                                   return std::string_view(p.first) < j;
                               });
    return static_cast<std::size_t>(it - jmena_.begin());
}

template <class T>
std::shared_ptr<T> SeznamMeridel<T>::Najdi(std::string_view jmeno) const
{
    const std::size_t i = DolniMez(jmeno);
    if (i < jmena_.size() && jmena_[i].first == jmeno)
        return polozky_[static_cast<std::size_t>(jmena_[i].second - 1)];
    return nullptr;
}

template <class T>
std::shared_ptr<T> SeznamMeridel<T>::Polozka(int klic) const
{
    if (klic >= 1 && klic <= Count())
        return polozky_[static_cast<std::size_t>(klic - 1)];
    if (klic <= -1 && klic >= -Count())
        return polozky_[static_cast<std::size_t>(jmena_[static_cast<std::size_t>(-klic - 1)].second - 1)];
    return nullptr;
}

template <class T>
std::shared_ptr<T> SeznamMeridel<T>::Vloz(std::shared_ptr<T> zaznam)
{
    polozky_.push_back(zaznam);
    zaznam->Cislo = Count();
    const auto pozice = jmena_.begin() + static_cast<std::ptrdiff_t>(DolniMez(zaznam->Jmeno));
    jmena_.insert(pozice, {zaznam->Jmeno, zaznam->Cislo});
    return zaznam;
}

template <class T>
std::string SeznamMeridel<T>::VolneAnonymniJmeno() const
{
    for (int n = 1;; ++n) {
        std::string jmeno = PredponaAnonymu + std::to_string(n);
        if (!Exist(jmeno))
            return jmeno;
    }
}

template <class T>
std::shared_ptr<T> SeznamSeZpusobem<T>::Add(const std::string& jmeno, int jednotky, double presnost, int zpusob,
                                            std::int32_t datum)
{
    if (auto existujici = this->Najdi(jmeno))
        return existujici;
    auto zaznam = std::make_shared<T>();
    zaznam->Jmeno = jmeno;
    zaznam->Jednotky = jednotky;
    zaznam->Presnost = presnost;
    zaznam->Zpusob = zpusob;
    zaznam->Datum = datum;
    return this->Vloz(std::move(zaznam));
}

template <class T>
std::shared_ptr<T> SeznamSeZpusobem<T>::AddAnonym(const T& vzor)
{
    for (const auto& z : this->polozky_) {
        if (z->Anonym && z->Jednotky == vzor.Jednotky && z->Zpusob == vzor.Zpusob && z->Presnost == vzor.Presnost)
            return z;
    }
    auto zaznam = vzor.Copy();
    zaznam->Jmeno = this->VolneAnonymniJmeno();
    zaznam->Anonym = true;
    zaznam->Pouzit = true;
    return this->Vloz(std::move(zaznam));
}

std::shared_ptr<KompasDef> Kompasy::Add(const std::string& jmeno, int jednotky, double presnost, double odchylka,
                                        std::int32_t datum)
{
    if (auto existujici = Najdi(jmeno))
        return existujici;
    auto def = std::make_shared<lomvira::KompasDef>();
    def->Jmeno = jmeno;
    def->Jednotky = jednotky;
    def->Presnost = presnost;
    def->Datum = datum;
    def->AddOdch(odchylka, datum);
    return Vloz(std::move(def));
}

Kompas Kompasy::AddAnonym(const Kompas& vzor)
{
    const lomvira::KompasDef& v = *vzor.Definice();
    std::shared_ptr<lomvira::KompasDef> def;
    for (const auto& z : polozky_) {
        if (z->Anonym && z->Jednotky == v.Jednotky && z->Presnost == v.Presnost) {
            def = z;
            break;
        }
    }
    if (!def) {
        def = v.Copy();
        def->Jmeno = VolneAnonymniJmeno();
        def->Anonym = true;
        Vloz(def);
    }
    Kompas registrovany(def, def->AddOdch(vzor.HodnotaOdchylky(), vzor.Odchylka()->Datum));
    registrovany.Use(true);
    return registrovany;
}

// --- declinations ----------------------------------------------------------------------

Deklinaces::Deklinaces()
{
    polozky_.push_back(std::make_shared<lomvira::Deklinace>());
    aktualni_ = polozky_.front();
}

std::shared_ptr<Deklinace> Deklinaces::Add(double hodnota, std::int32_t datum, int jednotky, double rocniPrirustek)
{
    aktualni_ = NajdiNeboVlozPodleData(
        polozky_, 1, datum, hodnota, [](const lomvira::Deklinace& e) { return e.Hodnota; },
        [&] {
            return std::make_shared<lomvira::Deklinace>(
                lomvira::Deklinace{hodnota, rocniPrirustek, datum, jednotky, false});
        });
    return aktualni_;
}

std::shared_ptr<Deklinace> Deklinaces::Deklinace(int i) const
{
    if (i < 1 || i > Count())
        return polozky_.front();
    return polozky_[static_cast<std::size_t>(i)];
}

template class SeznamMeridel<Delkomer>;
template class SeznamMeridel<Sklonomer>;
template class SeznamMeridel<KompasDef>;
template class SeznamSeZpusobem<Delkomer>;
template class SeznamSeZpusobem<Sklonomer>;

} // namespace lomvira
