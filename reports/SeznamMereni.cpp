#include "reports/SeznamMereni.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "model/Model.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace lomvira {

namespace {

// Half a circle in an angle unit.
double PulKruhu(int jednotky)
{
    return jednotky == JednotkaStupne ? 180.0 : (jednotky == JednotkaGrady ? 200.0 : PI);
}

// x − Int(x / m) × m, with Int rounding towards minus infinity.
double Mod(double x, double m)
{
    return x - std::floor(x / m) * m;
}

// A fixed-decimals number with the user's decimal mark, right-aligned in the width.
std::string Sloupec(double value, int decimals, std::size_t width, char desetinnyZnak)
{
    std::string s = FormatCislo(value, decimals);
    std::replace(s.begin(), s.end(), '.', desetinnyZnak);
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

// The mark of an angle unit; the lines of one shot give radians none.
std::string ZnackaJednotky(int jednotky, bool sRadiany)
{
    return jednotky == JednotkaRadiany && !sRadiany ? "" : ZnackaUhlu(jednotky);
}

// Reduces a slope length to the line's distance mode.
double DelkaVeZpusobu(double slope, double inclination, int zpusob)
{
    if (zpusob == 1)
        return slope * std::cos(inclination);
    if (zpusob == 2)
        return slope * std::fabs(std::sin(inclination));
    return slope;
}

} // namespace

KodyMereni RozbalKody(std::int16_t flags)
{
    const auto k = UnpackFlags(flags);
    return {k[0], k[1] != 0, k[2], k[3], k[4]};
}

void SeznamMereni::NastavRadekZapisniku(int n, std::int32_t zacatek, std::int32_t delka)
{
    if (n < 1 || n > ListingCount())
        return;
    zaznamy_[static_cast<std::size_t>(n - 1)].ZacatekRadku = zacatek;
    zaznamy_[static_cast<std::size_t>(n - 1)].DelkaRadku = delka;
}

void SeznamMereni::ClearListing()
{
    zaznamy_.clear();
    jmena_.clear();
    presnostiOd_.clear();
}

void SeznamMereni::ReserveListing(std::size_t n)
{
    zaznamy_.reserve(n);
    jmena_.reserve(n * 2 * DelkaJmenaBodu);
}

void SeznamMereni::NastavVychoziPresnosti(double dk, double fk, double ek)
{
    presnosti_ = {dk, fk, ek};
    if (!presnostiOd_.empty() && presnostiOd_.back().first == zaznamy_.size())
        presnostiOd_.back().second = presnosti_;
    else
        presnostiOd_.emplace_back(zaznamy_.size(), presnosti_);
}

void SeznamMereni::AddListingRecord(int from, int to, double distance, double direction, double backDirection,
                                    double inclination, std::int16_t flags, double deviation, double declination,
                                    const std::string& nameFrom, const std::string& nameTo, int shot)
{
    if (jmena_.size() > UINT32_MAX - 2 * 4 * DelkaJmenaBodu)
        throw std::length_error("seznam měření");
    const auto kde = static_cast<std::uint32_t>(jmena_.size());
    const auto delkaOd = static_cast<std::uint8_t>(PridejPevnouSirku(jmena_, nameFrom, DelkaJmenaBodu));
    const auto delkaK = static_cast<std::uint8_t>(PridejPevnouSirku(jmena_, nameTo, DelkaJmenaBodu));
    Zaznam& r = zaznamy_.emplace_back(); // in place: the record is large
    r.Used = 1;
    r.Flags = flags;
    r.From = from;
    r.To = to;
    r.Distance = distance;
    r.Direction = direction;
    r.BackDirection = backDirection;
    r.Inclination = inclination;
    r.Deviation = deviation;
    r.Declination = declination;
    r.jmena = kde;
    r.delkaOd = delkaOd;
    r.delkaK = delkaK;
    r.zamera = shot;
    if (presnostiOd_.empty())
        presnostiOd_.emplace_back(0, presnosti_);
}

MeasurementListRecord SeznamMereni::GetListingRecord(int n) const
{
    if (n < 1 || n > ListingCount())
        return {};
    const auto i = static_cast<std::size_t>(n - 1);
    const Zaznam& z = zaznamy_[i];
    MeasurementListRecord r;
    static_cast<HodnotyZaznamu&>(r) = z;
    const std::string_view jmena = Jmena(z);
    r.NameFrom = jmena.substr(0, z.delkaOd);
    r.NameTo = jmena.substr(z.delkaOd);
    for (auto p = presnostiOd_.rbegin(); p != presnostiOd_.rend(); ++p)
        if (p->first <= i) {
            r.DefaultAccuracies = p->second;
            break;
        }
    return r;
}

ListingMeasurement SeznamMereni::GetListingMeasurement(int n) const
{
    if (n < 1 || n > ListingCount())
        return {};
    const Zaznam& r = zaznamy_[static_cast<std::size_t>(n - 1)];
    if (r.Used != 1)
        return {};
    const KodyMereni k = RozbalKody(r.Flags);
    ListingMeasurement m;
    m.From = r.From;
    m.To = r.To;
    m.I = NaRadiany(r.Inclination, k.jednotkySklonu);
    if (k.zpusobSklonu == 1)
        m.I = PI / 2 - m.I;
    m.L = r.Distance;
    if (k.zpusobDelky == 1)
        m.L /= std::cos(m.I);
    else if (k.zpusobDelky == 2)
        m.L /= std::sin(m.I);
    // A depth measured downwards (or a negative reading) is still a length: the load takes
    // the same absolute value, and a negative one would draw the line backwards.
    m.L = std::fabs(m.L);
    m.A = PI / 2 - NaRadiany(r.CorrectedDirection, k.jednotkySmeru);
    return m;
}

void SeznamMereni::VypocetOdchylek(const Model& model, Platforma& platforma, bool vypocteno,
                                   const std::function<bool(int shot)>& veVyrovnaneSiti)
{
    platforma.StavovyRadek("Výpočet odchylek");
    for (Zaznam& r : zaznamy_) {
        r.HasRepeatDeviations = 0;
        r.HasAdjustedDeviations = 0;
        const KodyMereni k = RozbalKody(r.Flags);
        const double h = PulKruhu(k.jednotkySmeru);
        const double hi = PulKruhu(k.jednotkySklonu);

        double stred = r.Direction;
        if (k.zpetnySmer)
            stred = r.Direction + (Mod(r.BackDirection - r.Direction, 2 * h) - h) / 2;
        r.CorrectedDirection = Mod((r.Deviation + r.Declination) / PI * h + stred, 2 * h);
        const double opraveny = NaRadiany(r.CorrectedDirection, k.jednotkySmeru);

        const int shot = Zamera(model, r);
        if (shot != 0 && model.shots.GetMeasurementCount(std::abs(shot)) >= 2) {
            const ShotValues mean = model.shots.GetShot(shot); // oriented from From to To
            r.HasRepeatDeviations = -1;
            const double a = PI / 2 - mean.Az;
            double sklon = mean.Inc;
            const double delka = DelkaVeZpusobu(mean.L, sklon, k.zpusobDelky);
            if (k.zpusobSklonu == 1)
                sklon = PI / 2 - sklon;
            r.RepeatDevDistance = delka - r.Distance;
            r.RepeatDevDirection = NormalizeSignedAngle(a - opraveny) / PI * h;
            r.RepeatDevInclination =
                NormalizeSignedAngle(sklon - NaRadiany(r.Inclination, k.jednotkySklonu)) / PI * hi;
        }

        if (vypocteno && shot != 0 && veVyrovnaneSiti && veVyrovnaneSiti(std::abs(shot))) {
            const StationRecord a = model.stations.GetStation(r.From);
            const StationRecord b = model.stations.GetStation(r.To);
            const double dx = b.X - a.X, dy = b.Y - a.Y, dz = b.Z - a.Z;
            const double vodorovna = std::sqrt(dx * dx + dy * dy);
            const double sikma = std::sqrt(vodorovna * vodorovna + dz * dz);
            double azimut = 0, ignor = 0;
            PolarniSouradnice(dx, dy, ignor, azimut);
            double sklon = std::atan2(dz, vodorovna);
            const double smer =
                PI / 2 - azimut - model.regions.GetRegionRotation(model.regions.RegionOf(r.From));
            const double delka = DelkaVeZpusobu(sikma, sklon, k.zpusobDelky);
            if (k.zpusobSklonu == 1)
                sklon = PI / 2 - sklon;
            r.HasAdjustedDeviations = -1;
            r.AdjustedDevDistance = delka - r.Distance;
            r.AdjustedDevDirection = NormalizeSignedAngle(smer - opraveny) / PI * h;
            r.AdjustedDevInclination =
                NormalizeSignedAngle(sklon - NaRadiany(r.Inclination, k.jednotkySklonu)) / PI * hi;
        }
    }
    platforma.StavovyRadek("");
}

std::string SeznamMereni::Radek(const Zaznam& r, bool jenSesSloupcu, char znak) const
{
    const KodyMereni k = RozbalKody(r.Flags);
    static const char* const znackyDelky[] = {" ", "V", "H", " "};
    const std::string smer = ZnackaJednotky(k.jednotkySmeru, !jenSesSloupcu);
    const std::string sklon = ZnackaJednotky(k.jednotkySklonu, !jenSesSloupcu);
    std::string s(Jmena(r));
    s += Sloupec(r.Distance, 3, 8, znak) + znackyDelky[k.zpusobDelky & 3];
    s += Sloupec(r.Direction, 2, 7, znak) + smer;
    s += k.zpetnySmer ? Sloupec(r.BackDirection, 2, 7, znak) + smer : std::string(8, ' ');
    s += Sloupec(r.Inclination, 2, 7, znak) + sklon + (k.zpusobSklonu == 1 ? "Z" : " ");
    s += Sloupec(r.CorrectedDirection, 3, 8, znak) + smer;
    if (!jenSesSloupcu) {
        s += Sloupec(Z_Radianu(r.Deviation, k.jednotkySmeru), 3, 8, znak) + smer;
        s += Sloupec(Z_Radianu(r.Declination, k.jednotkySmeru), 3, 8, znak) + smer;
    }
    return s;
}

int SeznamMereni::Zamera(const Model& model, const Zaznam& r) const
{
    // The shot the load gave, while it still joins the record's stations; a search else.
    if (r.zamera > 0) {
        const ShotValues z = model.shots.GetShot(r.zamera);
        if (z.From == r.From && z.To == r.To)
            return r.zamera;
        if (z.From == r.To && z.To == r.From)
            return -r.zamera;
    }
    return model.shots.GetSignedShot(r.From, r.To);
}

std::vector<std::string> SeznamMereni::VypisMereni(char desetinnyZnak) const
{
    std::vector<std::string> lines;
    lines.reserve(zaznamy_.size());
    for (const Zaznam& r : zaznamy_)
        if (r.Used == 1)
            lines.push_back(Radek(r, false, desetinnyZnak));
    return lines;
}

std::vector<std::string> SeznamMereni::VypisMereniZamery(const Model& model, int shot, char desetinnyZnak) const
{
    std::vector<std::string> lines;
    for (const Zaznam& r : zaznamy_)
        if (r.Used == 1 && std::abs(Zamera(model, r)) == std::abs(shot) && shot != 0)
            lines.push_back(Radek(r, true, desetinnyZnak));
    return lines;
}

} // namespace lomvira
