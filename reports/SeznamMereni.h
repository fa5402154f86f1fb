#pragma once
// The measurement list: every measurement line as written, in notebook order, with its
// corrected direction and its deviations from the shot's mean and from the adjusted
// network.

#include "model/Typy.h"
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lomvira {

class Platforma;
struct Model;

// The values of a record, as the list keeps them.
struct HodnotyZaznamu {
    std::int16_t Used = 0;
    std::int16_t Flags = 0;
    CisloBodu From = 0, To = 0;
    std::int16_t HasRepeatDeviations = 0;
    std::int16_t HasAdjustedDeviations = 0;
    double Distance = 0;
    double Direction = 0;
    double BackDirection = 0;
    double Inclination = 0;
    double Deviation = 0;         // radians
    double Declination = 0;       // radians
    double CorrectedDirection = 0;
    double RepeatDevDistance = 0, RepeatDevDirection = 0, RepeatDevInclination = 0;
    double AdjustedDevDistance = 0, AdjustedDevDirection = 0, AdjustedDevInclination = 0;
    // Where the line stands in the loaded notebook text: its 1-based byte index and its
    // length in bytes (0, 0 when not known).
    std::int32_t ZacatekRadku = 0;
    std::int32_t DelkaRadku = 0;
};

struct MeasurementListRecord : HodnotyZaznamu {
    std::string NameFrom, NameTo; // 10 characters each
    std::array<double, 3> DefaultAccuracies{};
};

// A measurement in the computation's convention.
struct ListingMeasurement {
    CisloBodu From = 0, To = 0;
    double L = 0, A = 0, I = 0;
};

// The unpacked codes of a record's Flags.
struct KodyMereni {
    int zpusobDelky = 0;   // 0 slope, 1 horizontal, 2 vertical
    bool zpetnySmer = false;
    int jednotkySmeru = 0; // 0 degrees, 1 grads, 2 radians
    int zpusobSklonu = 0;  // 0 from the horizon, 1 from the zenith
    int jednotkySklonu = 0;
};
KodyMereni RozbalKody(std::int16_t flags);

class SeznamMereni {
public:
    void ClearListing();
    // Room for that many records.
    void ReserveListing(std::size_t n);
    // The default accuracies of the load, stored with every record added after this.
    void NastavVychoziPresnosti(double dk, double fk, double ek);
    const std::array<double, 3>& VychoziPresnosti() const { return presnosti_; }
    // `shot`: the model's shot of the measurement when the caller knows it (the deviations
    // then need no search of the shot table).
    void AddListingRecord(int from, int to, double distance, double direction, double backDirection,
                          double inclination, std::int16_t flags, double deviation, double declination,
                          const std::string& nameFrom, const std::string& nameTo, int shot = 0);
    // Records where record n's line stands in the notebook text.
    void NastavRadekZapisniku(int n, std::int32_t zacatek, std::int32_t delka);
    int ListingCount() const { return static_cast<int>(zaznamy_.size()); }
    // A blank record outside 1..count.
    MeasurementListRecord GetListingRecord(int n) const;
    ListingMeasurement GetListingMeasurement(int n) const;

    // Corrected directions and deviations of every record. `veVyrovnaneSiti` tells whether
    // a shot lies in a network group the last computation adjusted; it is asked only when
    // `vypocteno` is set.
    void VypocetOdchylek(const Model& model, Platforma& platforma, bool vypocteno,
                         const std::function<bool(int shot)>& veVyrovnaneSiti);

    // One line per record; `desetinnyZnak` is the user's decimal mark.
    std::vector<std::string> VypisMereni(char desetinnyZnak) const;
    // The lines of the records of one shot (either orientation), columns 1 to 6.
    std::vector<std::string> VypisMereniZamery(const Model& model, int shot, char desetinnyZnak) const;

private:
    // A record as kept: a large notebook's list is the largest table of its load; the names
    // stand in one text for all records, the default accuracies once for each load.
    struct Zaznam : HodnotyZaznamu {
        std::uint32_t jmena = 0; // where the names stand in jmena_
        std::uint8_t delkaOd = 0, delkaK = 0;
        CisloZamery zamera = 0; // the model's shot as the load added it, 0 when not told
    };
    // The record's shot, signed as GetSignedShot gives it.
    int Zamera(const Model& model, const Zaznam& r) const;
    std::string Radek(const Zaznam& r, bool jenSesSloupcu, char desetinnyZnak) const;
    std::string_view Jmena(const Zaznam& r) const { return std::string_view(jmena_).substr(r.jmena, r.delkaOd + r.delkaK); }

    std::vector<Zaznam> zaznamy_;
    std::string jmena_; // each record's two names, one after the other
    // The default accuracies from each record on (by its index) until the next entry.
    std::vector<std::pair<std::size_t, std::array<double, 3>>> presnostiOd_;
    std::array<double, 3> presnosti_{};
};

} // namespace lomvira
