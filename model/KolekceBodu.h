#pragma once
// What the notebook's point collections (DBody, PBody) share: points numbered 1..count in
// the order added, found by name through a table of their numbers (the names stay in the
// points alone), and listed in natural name order through a Razeni.

#include "common/Platforma.h"
#include "common/TabulkaCisel.h"
#include "model/Razeni.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>

namespace lomvira {

template <class TBod>
class KolekceBodu {
public:
    // By name; nullptr when unknown.
    const TBod* Bod(const std::string& name) const { return Bod(Cislo(name, TabulkaCisel::Hash(name))); }
    // -k: the k-th point in natural name order; any other number: a position. nullptr
    // when out of range. The pointer stays valid while the collection lives.
    const TBod* Bod(std::int32_t key) const
    {
        const std::int32_t position = key < 0 ? Poradi().Item(key == INT32_MIN ? 0 : -key) : key;
        if (position < 1 || position > Count())
            return nullptr;
        return &body_[static_cast<std::size_t>(position - 1)];
    }
    TBod* Bod(const std::string& name) { return const_cast<TBod*>(std::as_const(*this).Bod(name)); }
    TBod* Bod(std::int32_t key) { return const_cast<TBod*>(std::as_const(*this).Bod(key)); }
    std::int32_t Count() const { return static_cast<std::int32_t>(body_.size()); }
    bool Exist(const std::string& name) const { return GetIndex(name) != 0; }
    // Room in the name table for that many points.
    void Rezervuj(std::size_t n) { cisla_.Rezervuj(n); }
    // The point's number, 0 when the name is unknown.
    std::int32_t GetIndex(const std::string& name) const { return Cislo(name, TabulkaCisel::Hash(name)); }
    // Starts bringing the name's place in the table into the caches: a new name's search
    // is a miss in the memory caches, which the work done meanwhile then hides.
    void Predzvedni(const std::string& name) const { cisla_.Predzvedni(TabulkaCisel::Hash(name)); }

protected:
    // Adds the point under its name and returns its number; a name already held is
    // refused with the box "Bod jiz existuje" (the first point stays) and gives 0.
    std::int32_t Pridej(TBod&& bod, Platforma& platforma)
    {
        const std::uint64_t hash = TabulkaCisel::Hash(bod.Name());
        if (Cislo(bod.Name(), hash) != 0) {
            platforma.ZpravaBox("Bod jiz existuje", MsgBox::OkOnly);
            return 0;
        }
        body_.push_back(std::move(bod));
        return Zarad(hash);
    }

    // The number of the point of that name; a new name adds the point made of the name and
    // the other arguments. One search either way.
    template <class... Args>
    std::int32_t NajdiNeboPridej(const std::string& name, const Args&... args)
    {
        const std::uint64_t hash = TabulkaCisel::Hash(name);
        if (const std::int32_t n = Cislo(name, hash); n != 0)
            return n;
        body_.emplace_back(name, args...);
        return Zarad(hash);
    }

private:
    std::int32_t Cislo(const std::string& name, std::uint64_t hash) const
    {
        return cisla_.Najdi(hash, [&](std::int32_t n) { return body_[static_cast<std::size_t>(n - 1)].Name() == name; });
    }
    // Puts the point just added into the table (after the point, so that the table never
    // names a point that a shortage of memory kept out).
    std::int32_t Zarad(std::uint64_t hash)
    {
        return cisla_.NajdiNeboVloz(hash, Count(), [](std::int32_t) { return false; });
    }

    // The natural order, told the names added since it was last asked: many a load never
    // asks, and the names need not be copied for it meanwhile.
    const Razeni& Poradi() const
    {
        for (std::int32_t n = razeni_.Count() + 1; n <= Count(); ++n)
            razeni_.Add(body_[static_cast<std::size_t>(n - 1)].Name(), n);
        return razeni_;
    }

    std::deque<TBod> body_; // point n is body_[n - 1]; deque keeps pointers stable
    TabulkaCisel cisla_;
    mutable Razeni razeni_;
};

} // namespace lomvira
