#include "model/StationTable.h"

#include "common/Text.h"

#include <cmath>

namespace lomvira {

std::string JmenoBodu(std::string_view name)
{
    std::string jmeno;
    jmeno.reserve(DelkaJmenaBodu);
    // In NFC, so that a name stored with combining marks is the same station (an ASCII
    // name, the usual one, is its own normal form).
    if (JeAscii(name))
        PridejPevnouSirku(jmeno, name, DelkaJmenaBodu);
    else
        PridejPevnouSirku(jmeno, NFC(name), DelkaJmenaBodu);
    return jmeno;
}

CisloBodu StationTable::AddStation(std::string& name, bool* novy)
{
    Indexuj();
    name = JmenoBodu(name);
    if (novy)
        *novy = false;
    if (body_.size() >= static_cast<std::size_t>(MaxPocetBodu))
        return FindStation(name);
    // One search finds the station or makes its place.
    const auto n = static_cast<CisloBodu>(body_.size() + 1);
    const CisloBodu nalezeno = podleJmena_.NajdiNeboVloz(TabulkaCisel::Hash(name), n, [&](CisloBodu i) {
        return body_[static_cast<std::size_t>(i - 1)].Name == name;
    });
    if (nalezeno != n)
        return nalezeno;
    body_.push_back(StationRecord{name, 0.0, 0.0, 0.0, {}});
    indexovano_ = body_.size();
    extremyPlatne_ = false;
    if (novy)
        *novy = true;
    return n;
}

CisloBodu StationTable::PridejNovou(std::string_view name)
{
    if (body_.size() >= static_cast<std::size_t>(MaxPocetBodu))
        return 0;
    body_.push_back(StationRecord{JmenoBodu(name), 0.0, 0.0, 0.0, {}});
    extremyPlatne_ = false;
    return static_cast<CisloBodu>(body_.size());
}

void StationTable::Indexuj()
{
    // The slots are independent of each other, so the processor overlaps their misses.
    podleJmena_.Rezervuj(body_.size());
    for (; indexovano_ < body_.size(); ++indexovano_)
        podleJmena_.NajdiNeboVloz(TabulkaCisel::Hash(body_[indexovano_].Name),
                                  static_cast<CisloBodu>(indexovano_ + 1), [](CisloBodu) { return false; });
}

CisloBodu StationTable::FindStation(std::string_view name) const
{
    const std::string jmeno = JmenoBodu(name);
    const CisloBodu n = podleJmena_.Najdi(
        TabulkaCisel::Hash(jmeno), [&](CisloBodu i) { return body_[static_cast<std::size_t>(i - 1)].Name == jmeno; });
    if (n != 0)
        return n;
    // Stations appended since the last Indexuj (a search in the middle of a load).
    for (std::size_t i = indexovano_; i < body_.size(); ++i)
        if (body_[i].Name == jmeno)
            return static_cast<CisloBodu>(i + 1);
    return 0;
}

StationRecord StationTable::GetStation(int n) const
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return StationRecord{JmenoBodu("Neznamy"), 0.0, 0.0, 0.0, {}};
    return body_[static_cast<std::size_t>(n - 1)];
}

StationRecord StationTable::GetStationByName(std::string_view name) const
{
    const CisloBodu n = FindStation(name);
    if (n == 0)
        return StationRecord{JmenoBodu(""), 0.0, 0.0, 0.0, {}};
    return body_[static_cast<std::size_t>(n - 1)];
}

std::string StationTable::GetStationName(int n) const
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return {};
    return body_[static_cast<std::size_t>(n - 1)].Name;
}

bool StationTable::SetStationCoordinates(int n, double x, double y, double z)
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return false;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
        return false;
    StationRecord& r = body_[static_cast<std::size_t>(n - 1)];
    r.X = x;
    r.Y = y;
    r.Z = z;
    extremyPlatne_ = false;
    return true;
}

void StationTable::SetStationNote(int n, const std::string& text, Platforma& platforma)
{
    // Every measurement line hands its station texts over, most of them empty; only a
    // real second note is worth a word.
    if (n < 1 || n > static_cast<int>(body_.size()) || text.empty())
        return;
    StationRecord& r = body_[static_cast<std::size_t>(n - 1)];
    if (r.Note.empty()) {
        r.Note = text;
        return;
    }
    platforma.ZpravaBox("Bod " + r.Name + " je jiz opatren poznamkou \r\n" + r.Note, MsgBox::Critical);
}

void StationTable::ReserveStations(std::size_t n)
{
    body_.reserve(n);
    podleJmena_.Rezervuj(n);
}

void StationTable::ClearStations()
{
    body_.clear();
    podleJmena_.Vymaz();
    indexovano_ = 0;
    extremyPlatne_ = false;
}

CoordinateExtremes StationTable::GetCoordinateExtremes() const
{
    if (!extremyPlatne_) {
        const CisloBodu prvni = body_.empty() ? 0 : 1;
        for (auto& e : extremy_)
            e = prvni;
        for (std::size_t i = 1; i < body_.size(); ++i) {
            const StationRecord& r = body_[i];
            const double hodnoty[3] = {r.X, r.Y, r.Z};
            for (int osa = 0; osa < 3; ++osa) {
                if (hodnoty[osa] < Souradnice(extremy_[2 * osa], osa))
                    extremy_[2 * osa] = static_cast<CisloBodu>(i + 1);
                if (hodnoty[osa] > Souradnice(extremy_[2 * osa + 1], osa))
                    extremy_[2 * osa + 1] = static_cast<CisloBodu>(i + 1);
            }
        }
        extremyPlatne_ = true;
    }
    return {Souradnice(extremy_[0], 0), Souradnice(extremy_[1], 0), Souradnice(extremy_[2], 1),
            Souradnice(extremy_[3], 1), Souradnice(extremy_[4], 2), Souradnice(extremy_[5], 2)};
}

double StationTable::Souradnice(int n, int osa) const
{
    if (n < 1 || n > static_cast<int>(body_.size()))
        return 0.0;
    const StationRecord& r = body_[static_cast<std::size_t>(n - 1)];
    return osa == 0 ? r.X : osa == 1 ? r.Y : r.Z;
}

} // namespace lomvira
