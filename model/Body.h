#pragma once
// A collection of points looked up by their full name (binary comparison) or position.

#include "model/Bod.h"

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

namespace lomvira {

class Body {
public:
    // Stores a copy of the point at position count + 1 and returns minus that position.
    // When a point of the same name is already held, returns its (positive) position and
    // stores nothing. 0 when the collection already holds 32767 points.
    std::int32_t Add(const Bod& bod);
    std::int32_t Count() const { return static_cast<std::int32_t>(body_.size()); }
    // nullptr for an unknown name or a position outside 1..count. The pointer stays
    // valid while the collection lives.
    const Bod* GetBod(const std::string& name) const;
    const Bod* GetBod(int position) const;
    // Position of the name, or 0.
    std::int32_t GetIndex(const std::string& name) const;

private:
    std::deque<Bod> body_; // position k is body_[k - 1]; deque keeps references stable
    std::unordered_map<std::string, std::int32_t> podleJmena_;
};

} // namespace lomvira
