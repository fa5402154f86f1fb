#include "model/Index.h"

#include <algorithm>

namespace lomvira {

std::int32_t Index::Add(const std::string& key)
{
    const auto item = static_cast<std::int32_t>(klice_.size() + 1);
    // One search finds the key or makes its place.
    const std::int32_t nalezeno = polozky_.NajdiNeboVloz(TabulkaCisel::Hash(key), item, [&](std::int32_t i) {
        return klice_[static_cast<std::size_t>(i - 1)] == key;
    });
    if (nalezeno != item)
        return nalezeno;
    // Keys that arrive in order keep the sorted list valid without a sort.
    if (serazeno_ && !poradi_.empty() && key < klice_[static_cast<std::size_t>(poradi_.back() - 1)])
        serazeno_ = false;
    klice_.push_back(key);
    poradi_.push_back(item);
    return item;
}

void Index::Reserve(std::size_t n)
{
    polozky_.Rezervuj(n);
    klice_.reserve(n);
    poradi_.reserve(n);
}

void Index::Clear()
{
    polozky_.Vymaz();
    klice_.clear();
    poradi_.clear();
    serazeno_ = true;
}

std::int32_t Index::ItemNo(const std::string& key) const
{
    return polozky_.Najdi(TabulkaCisel::Hash(key),
                          [&](std::int32_t i) { return klice_[static_cast<std::size_t>(i - 1)] == key; });
}

std::int32_t Index::ItemNo(std::int32_t n) const
{
    const std::int64_t count = Count();
    if (n >= 0)
        return n > count ? 0 : n;
    const std::int64_t position = -static_cast<std::int64_t>(n);
    if (position > count)
        return 0;
    Serad();
    return poradi_[static_cast<std::size_t>(position - 1)];
}

std::string Index::Key(std::int32_t position) const
{
    if (position < 1 || position > Count())
        return {};
    Serad();
    return klice_[static_cast<std::size_t>(poradi_[static_cast<std::size_t>(position - 1)] - 1)];
}

void Index::Serad() const
{
    if (serazeno_)
        return;
    std::sort(poradi_.begin(), poradi_.end(), [this](std::int32_t a, std::int32_t b) {
        return klice_[static_cast<std::size_t>(a - 1)] < klice_[static_cast<std::size_t>(b - 1)];
    });
    serazeno_ = true;
}

} // namespace lomvira
