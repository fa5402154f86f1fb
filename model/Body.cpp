#include "model/Body.h"

#include <limits>

namespace lomvira {

std::int32_t Body::Add(const Bod& bod)
{
    if (const auto it = podleJmena_.find(bod.Name); it != podleJmena_.end())
        return it->second;
    if (body_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    body_.push_back(bod);
    const auto position = static_cast<std::int32_t>(body_.size());
    podleJmena_.emplace(bod.Name, position);
    return -position;
}

const Bod* Body::GetBod(const std::string& name) const
{
    return GetBod(static_cast<int>(GetIndex(name)));
}

const Bod* Body::GetBod(int position) const
{
    if (position < 1 || position > static_cast<int>(body_.size()))
        return nullptr;
    return &body_[static_cast<std::size_t>(position - 1)];
}

std::int32_t Body::GetIndex(const std::string& name) const
{
    const auto it = podleJmena_.find(name);
    return it == podleJmena_.end() ? 0 : it->second;
}

} // namespace lomvira
