#include "model/ConnectionTable.h"

#include <algorithm>

namespace lomvira {

ConnectionRecord ConnectionTable::GetConnection(int position) const
{
    if (position < 1 || position > static_cast<int>(spojeni_.size()))
        return {};
    return spojeni_[static_cast<std::size_t>(position - 1)];
}

bool ConnectionTable::SetConnectionDifferences(int station, double a, double b, double c)
{
    const int i = Najdi(station);
    if (i < 0)
        return false;
    ConnectionRecord& r = spojeni_[static_cast<std::size_t>(i)];
    r.DiffA = a;
    r.DiffB = b;
    r.DiffC = c;
    return true;
}

std::int32_t ConnectionTable::RegionConnectionCount(int r) const
{
    if (r < 1 || r >= static_cast<int>(konecOblasti_.size()))
        return 0;
    return static_cast<std::int32_t>(konecOblasti_[static_cast<std::size_t>(r)]
                                     - konecOblasti_[static_cast<std::size_t>(r - 1)]);
}

ConnectionRecord ConnectionTable::GetRegionConnection(int r, int k) const
{
    if (r < 1 || r >= static_cast<int>(konecOblasti_.size()))
        return GetConnection(k);
    if (k < 1 || k > RegionConnectionCount(r))
        return {};
    return GetConnection(konecOblasti_[static_cast<std::size_t>(r - 1)] + k);
}

void ConnectionTable::Vyprazdni(int regionCount)
{
    spojeni_.clear();
    konecOblasti_.assign(static_cast<std::size_t>(std::max(regionCount, 0)) + 1, 0);
}

void ConnectionTable::Vloz(const ConnectionRecord& c, int r)
{
    if (r >= static_cast<int>(konecOblasti_.size())) // a region the table was not sized for
        konecOblasti_.resize(static_cast<std::size_t>(r) + 1, konecOblasti_.back());
    const auto konec = static_cast<std::size_t>(konecOblasti_[static_cast<std::size_t>(r)]);
    spojeni_.insert(spojeni_.begin() + static_cast<std::ptrdiff_t>(konec), c);
    for (std::size_t q = static_cast<std::size_t>(r); q < konecOblasti_.size(); ++q)
        ++konecOblasti_[q];
}

void ConnectionTable::Odeber(std::size_t i)
{
    spojeni_.erase(spojeni_.begin() + static_cast<std::ptrdiff_t>(i));
    // The block that held it: the first region whose end lies at or beyond it.
    for (std::size_t q = 1; q < konecOblasti_.size(); ++q) {
        if (static_cast<std::size_t>(konecOblasti_[q]) > i)
            --konecOblasti_[q];
    }
}

int ConnectionTable::Najdi(int station) const
{
    for (std::size_t i = spojeni_.size(); i > 0; --i) {
        if (spojeni_[i - 1].Station == station)
            return static_cast<int>(i - 1);
    }
    return -1;
}

} // namespace lomvira
