#include "network/KontrolaSkupin.h"

#include "model/Model.h"
#include "network/Krizovat.h"

#include <algorithm>
#include <cstdlib>

namespace lomvira {

namespace {

std::size_t Idx(int i)
{
    return static_cast<std::size_t>(i);
}

class Kontrola {
public:
    Kontrola(const Krizovat& sit, const Model& m)
        : sit_(sit), m_(m), spocten_(Idx(m.stations.StationCount()) + 1, 0),
          pocetVyskytu_(Idx(m.shots.ShotCount()) + 1, 0), spojeni_(Idx(m.stations.StationCount()) + 1, 0)
    {
        for (int i = 1; i <= m.connections.ConnectionCount(); ++i)
            spojeni_[Idx(m.connections.GetConnection(i).Station)] = m.connections.GetConnection(i).GivenPoint;
    }

    std::vector<std::string> Proved()
    {
        const int pocetOblasti = m_.regions.RegionCount();
        int celkem = 0;
        for (int r = 1; r <= pocetOblasti; ++r) {
            std::fill(spocten_.begin(), spocten_.end(), 0);
            for (int g = 1; g <= sit_.GroupCount(r); ++g) {
                if (sit_.GlobalGroup(r, g) != ++celkem)
                    Chyba(r, g, "global number out of sequence");
                Skupina(r, g);
            }
        }
        if (celkem != sit_.GroupCount(0))
            chyby_.push_back("groups outside the regions: " + std::to_string(sit_.GroupCount(0) - celkem));
        for (int s = 1; s <= m_.shots.ShotCount(); ++s) {
            if (pocetVyskytu_[Idx(s)] != 1)
                chyby_.push_back("shot " + std::to_string(s) + " stands in " +
                                 std::to_string(pocetVyskytu_[Idx(s)]) + " groups");
        }
        return chyby_;
    }

private:
    void Chyba(int r, int g, const std::string& text)
    {
        chyby_.push_back("group " + std::to_string(r) + "." + std::to_string(g) + ": " + text);
    }

    void Skupina(int r, int g)
    {
        const int kind = sit_.GroupKind(r, g);
        if (kind < SkupinaRajon || kind > SkupinaSit)
            Chyba(r, g, "kind " + std::to_string(kind));
        const std::vector<int> body = Body(r, g);
        if (body.empty())
            return;
        Zamery(r, g, kind, body);
        Reference(r, g, kind, body);
        for (int s : body)
            spocten_[Idx(s)] = 1;
    }

    // The stations of the group, after checking them on their own.
    std::vector<int> Body(int r, int g)
    {
        const int n = sit_.GroupStationCount(r, g);
        std::vector<int> body;
        if (n < 1 || sit_.GetGroupStation(r, g, 1) != sit_.GroupStart(r, g)) {
            Chyba(r, g, "does not begin at its start station");
            return body;
        }
        std::vector<char> videno(spocten_.size(), 0);
        for (int k = 1; k <= n; ++k) {
            const int s = sit_.GetGroupStation(r, g, k);
            if (s < 1 || s >= static_cast<int>(videno.size()) || m_.regions.RegionOf(s) != r) {
                Chyba(r, g, "station " + std::to_string(s) + " is not one of the region");
                return {};
            }
            if (videno[Idx(s)]++)
                Chyba(r, g, "station " + std::to_string(s) + " listed twice");
            body.push_back(s);
        }
        return body;
    }

    void Zamery(int r, int g, int kind, const std::vector<int>& body)
    {
        const int n = static_cast<int>(body.size());
        std::vector<char> pouzito(Idx(n) + 1, 0);
        pouzito[1] = 1;
        int dalsi = 2;       // the next position a newly met station must take
        int konecRetezu = 1; // where a chain's next shot must start
        const int pocet = sit_.GroupShotCount(r, g);
        if (pocet < 1)
            Chyba(r, g, "has no shots");
        for (int k = 1; k <= pocet; ++k) {
            const GroupShot e = sit_.GetGroupShotEntry(r, g, k);
            const int shot = std::abs(e.SignedShot);
            if (shot < 1 || shot > m_.shots.ShotCount() || e.FromPos < 1 || e.FromPos > n || e.ToPos < 1 ||
                e.ToPos > n) {
                Chyba(r, g, "shot entry " + std::to_string(k) + " out of range");
                continue;
            }
            ++pocetVyskytu_[Idx(shot)];
            const ShotRecord z = m_.shots.GetShotRecord(shot);
            if (body[Idx(e.FromPos - 1)] != z.From || body[Idx(e.ToPos - 1)] != z.To)
                Chyba(r, g, "shot " + std::to_string(shot) + " does not join the stations at its positions");
            const ShotPlacementRecord u = sit_.GetShotPlacement(shot);
            if (u.Region != r || u.Group != g)
                Chyba(r, g, "placement of shot " + std::to_string(shot) + " names another group");
            for (int p : {e.FromPos, e.ToPos}) {
                if (p == dalsi)
                    ++dalsi;
                else if (p > dalsi)
                    Chyba(r, g, "station at position " + std::to_string(p) + " met out of order");
                pouzito[Idx(p)] = 1;
            }
            const GroupShotValues v = sit_.GetGroupShotValues(r, g, k);
            if (kind != SkupinaSit) {
                if (v.From != konecRetezu)
                    Chyba(r, g, "shot " + std::to_string(shot) + " does not continue the chain");
                konecRetezu = v.To;
            }
        }
        for (int p = 1; p <= n; ++p) {
            if (!pouzito[Idx(p)])
                Chyba(r, g, "station at position " + std::to_string(p) + " has no shot of the group");
        }
    }

    void Reference(int r, int g, int kind, const std::vector<int>& body)
    {
        const int pocet = sit_.GroupRefCount(r, g);
        if (pocet < 1)
            Chyba(r, g, "has no reference entry");
        if (kind != SkupinaSit && pocet > 1)
            Chyba(r, g, "a chain with more than one reference entry");
        int predchozi = 0, danych = 0;
        for (int k = 1; k <= pocet; ++k) {
            const GroupRef ref = sit_.Get_ZBod_OS(r, g, k);
            if (ref.RefPosition <= predchozi || ref.RefPosition > static_cast<int>(body.size())) {
                Chyba(r, g,
                      "reference position " + std::to_string(ref.RefPosition) + " out of order or range");
                return;
            }
            predchozi = ref.RefPosition;
            const int s = body[Idx(ref.RefPosition - 1)];
            if (kind != SkupinaSit && ref.RefPosition != 1)
                Chyba(r, g, "a chain fixed elsewhere than at its start");
            if (ref.RefPoint < 0) {
                ++danych;
                if (spojeni_[Idx(s)] != -ref.RefPoint)
                    Chyba(r, g,
                          "given point " + std::to_string(-ref.RefPoint) + " is not connected to station " +
                              std::to_string(s));
            } else if (ref.RefPoint != s) {
                Chyba(r, g, "station reference " + std::to_string(ref.RefPoint) + " away from its position");
            } else if (!spocten_[Idx(s)]) {
                Chyba(r, g, "station reference " + std::to_string(s) + " computed by no earlier group");
            }
        }
        if (kind == SkupinaSit) {
            int pripojenych = 0;
            for (int s : body)
                pripojenych += spojeni_[Idx(s)] != 0 ? 1 : 0;
            if (pripojenych != danych)
                Chyba(r, g,
                      "refers to " + std::to_string(danych) + " of its " + std::to_string(pripojenych) +
                          " connected stations");
        }
    }

    const Krizovat& sit_;
    const Model& m_;
    std::vector<char> spocten_;     // stations computed by the region's groups so far
    std::vector<int> pocetVyskytu_; // groups holding each shot
    std::vector<int> spojeni_;      // given point connected to each station
    std::vector<std::string> chyby_;
};

} // namespace

std::vector<std::string> KontrolujSkupiny(const Krizovat& sit, const Model& model)
{
    return Kontrola(sit, model).Proved();
}

} // namespace lomvira
