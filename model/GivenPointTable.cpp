#include "model/GivenPointTable.h"

#include "common/Text.h"

#include <cmath>

namespace lomvira {

void GivenPointTable::ClearGivenPoints()
{
    body_.clear();
    podleJmena_.clear();
    zdroje_.clear();
}

CisloDanehoBodu GivenPointTable::FindGivenPoint(std::string_view name) const
{
    const auto it = podleJmena_.find(JmenoBodu(name));
    return it == podleJmena_.end() ? 0 : it->second;
}

CisloDanehoBodu GivenPointTable::SetGivenPoint(std::string_view name, double x, double y, double z,
                                               Platforma& platforma)
{
    const std::string jmeno = JmenoBodu(name);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
        platforma.ZpravaBox("Daný bod " + Orizni(jmeno) + " nemá platné souřadnice, nebyl uložen.",
                            MsgBox::Exclamation);
        return 0;
    }
    CisloDanehoBodu n = FindGivenPoint(jmeno);
    if (n == 0) {
        GivenPointRecord r;
        r.Point.Name = jmeno;
        r.EqualName = JmenoBodu("");
        body_.push_back(r);
        n = static_cast<CisloDanehoBodu>(body_.size());
        podleJmena_.emplace(jmeno, n);
    }
    StationRecord& p = body_[static_cast<std::size_t>(n - 1)].Point;
    p.X = x;
    p.Y = y;
    p.Z = z;
    return n;
}

bool GivenPointTable::SetGivenPointSource(std::string_view name, std::string_view equalName,
                                          const std::string& source, Platforma& platforma)
{
    const CisloDanehoBodu n = FindGivenPoint(name);
    if (n == 0)
        return false;
    GivenPointRecord* bod = &body_[static_cast<std::size_t>(n - 1)];
    std::int32_t zdroj = 0;
    if (!source.empty()) {
        for (std::size_t i = 0; i < zdroje_.size() && zdroj == 0; ++i) {
            if (zdroje_[i] == source)
                zdroj = static_cast<std::int32_t>(i + 1);
        }
        if (zdroj == 0) {
            if (zdroje_.size() >= static_cast<std::size_t>(MaxZdroju)) {
                platforma.ZpravaBox("Zdroj souřadnic \"" + source + "\" nelze přidat: zdrojů může být nejvýše "
                                        + std::to_string(MaxZdroju) + ".",
                                    MsgBox::Exclamation);
                return false;
            }
            zdroje_.push_back(source);
            zdroj = static_cast<std::int32_t>(zdroje_.size());
        }
    }
    bod->Source = zdroj;
    bod->EqualName = JmenoBodu(equalName);
    return true;
}

StationRecord GivenPointTable::GetGivenPoint(int n) const
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return StationRecord{JmenoBodu(""), 0.0, 0.0, 0.0, {}};
    return body_[static_cast<std::size_t>(n - 1)].Point;
}

GivenPointSource GivenPointTable::GetGivenPointSource(int n) const
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return {};
    const GivenPointRecord& r = body_[static_cast<std::size_t>(n - 1)];
    if (r.Source < 1 || r.Source > static_cast<int>(zdroje_.size()))
        return {r.EqualName, ZdrojZapisnik};
    return {r.EqualName, zdroje_[static_cast<std::size_t>(r.Source - 1)]};
}

bool GivenPointTable::RemoveGivenPoint(int n)
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return false;
    body_.erase(body_.begin() + (n - 1));
    // The later points have moved down by one.
    podleJmena_.clear();
    for (std::size_t i = 0; i < body_.size(); ++i)
        podleJmena_.emplace(body_[i].Point.Name, static_cast<CisloDanehoBodu>(i + 1));
    return true;
}

} // namespace lomvira
