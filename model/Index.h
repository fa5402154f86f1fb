#pragma once
// A key index: each new key gets the next item number (1, 2, ...); keys can be listed in
// ascending binary order.

#include "common/TabulkaCisel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lomvira {

class Index {
public:
    // Item number of the key; a new key gets count + 1.
    std::int32_t Add(const std::string& key);
    bool Exist(const std::string& key) const { return ItemNo(key) != 0; }
    void Clear();
    // Room for that many keys.
    void Reserve(std::size_t n);
    std::int32_t Count() const { return static_cast<std::int32_t>(klice_.size()); }
    // Item number of the key, or 0.
    std::int32_t ItemNo(const std::string& key) const;
    // n itself for 0..count, 0 above count; for negative n, the item number of the key at
    // sorted position -n (0 when -n is above count).
    std::int32_t ItemNo(std::int32_t n) const;
    // The key at sorted position 1..count, else "".
    std::string Key(std::int32_t position) const;

private:
    void Serad() const;

    std::vector<std::string> klice_; // by item number - 1
    TabulkaCisel polozky_;
    // Item numbers in key order; sorted lazily, since keys mostly arrive out of order and a
    // sorted insert each time would make a large collection quadratic to build.
    mutable std::vector<std::int32_t> poradi_;
    mutable bool serazeno_ = true;
};

} // namespace lomvira
