#pragma once
// What the notebook's point collections (DBody, PBody) share: points numbered 1..count in
// the order added, found by name through an Index, and listed in natural name order
// through a Razeni.

#include "common/Platforma.h"
#include "model/Index.h"
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
    const TBod* Bod(const std::string& name) const { return Bod(index_.ItemNo(name)); }
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
    bool Exist(const std::string& name) const { return index_.Exist(name); }
    // Room in the name index for that many points.
    void Rezervuj(std::size_t n) { index_.Reserve(n); }
    // The point's number, 0 when the name is unknown.
    std::int32_t GetIndex(const std::string& name) const { return index_.ItemNo(name); }

protected:
    // Adds the point under its name and returns its number; a name already held is
    // refused with the box "Bod jiz existuje" (the first point stays) and gives 0.
    std::int32_t Pridej(TBod&& bod, Platforma& platforma)
    {
        const std::string name = bod.Name();
        if (index_.Exist(name)) {
            platforma.ZpravaBox("Bod jiz existuje", MsgBox::OkOnly);
            return 0;
        }
        const std::int32_t n = index_.Add(name);
        body_.push_back(std::move(bod));
        return n;
    }

    // The number of the point of that name; a new name adds the point made of the name and
    // the other arguments. One search either way.
    template <class... Args>
    std::int32_t NajdiNeboPridej(const std::string& name, const Args&... args)
    {
        const std::int32_t pred = index_.Count();
        const std::int32_t n = index_.Add(name);
        if (n > pred)
            body_.emplace_back(name, args...);
        return n;
    }

private:
    // The natural order, told the names added since it was last asked: many a load never
    // asks, and the names need not be copied for it meanwhile.
    const Razeni& Poradi() const
    {
        for (std::int32_t n = razeni_.Count() + 1; n <= Count(); ++n)
            razeni_.Add(body_[static_cast<std::size_t>(n - 1)].Name(), n);
        return razeni_;
    }

    std::deque<TBod> body_; // point n is body_[n - 1]; deque keeps pointers stable
    Index index_;
    mutable Razeni razeni_;
};

} // namespace lomvira
