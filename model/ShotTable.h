#pragma once
// The shots of the survey: one record per station pair, holding every measurement of that
// pair accumulated as weighted sums. A shot is stored from the smaller to the larger
// station number; a negative shot number means the same shot walked backwards.

#include "model/Typy.h"
#include "common/TabulkaCisel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lomvira {

struct ShotRecord {
    CisloBodu From = 0;           // the smaller station number
    CisloBodu To = 0;             // the larger station number
    double SumInvLength = 0.0;       // sum of 1/(L varL)
    double SumAzimuthDev = 0.0;      // sum of (Az - RefAzimuth)/varAz, the difference within ±π
    double SumInclination = 0.0;     // sum of Inc/varInc
    std::int32_t MeasurementCount = 0;
    double RefAzimuth = 0.0;         // azimuth of the first measurement, stored direction
    double SumWeightLength = 0.0;    // sum of 1/varL
    double SumWeightAzimuth = 0.0;   // sum of 1/varAz
    double SumWeightInclination = 0.0; // sum of 1/varInc
    std::int32_t DrawStyle = 0;      // layer, 0 = none
    std::int32_t ViewStyle = 0;      // place, 0 = none
    // The first measurement's length and inclination: a shot measured once gives them back
    // unchanged instead of through the rounding of the weighted sums.
    double FirstLength = 0.0;
    double FirstInclination = 0.0;
};

// Mean values of a shot in one direction.
struct ShotValues {
    CisloBodu From = 0;
    CisloBodu To = 0;
    double L = 0.0;
    double Az = 0.0;
    double Inc = 0.0;
};

// Variances of the mean length, azimuth and inclination.
struct ShotVariances {
    double L = 0.0;
    double Az = 0.0;
    double Inc = 0.0;
};

// Why the shot table refused a measurement.
enum class OdmitnutiZamery {
    Zadne,
    NeplatnyBod,       // a station number below 1
    NeplatnaHodnota,   // a length or variance not positive and finite, an angle not finite,
                       // or a length or variance so small that its weight overflows
    PrilisMnohoZamer,  // a new pair when MaxCislo shots are held
    PrilisMnohoMereni, // a pair measured MaxCislo times already
};

class ShotTable {
public:
    // Accumulates one measurement from a to b (length, azimuth and inclination in radians,
    // with their variances) and returns the shot number. Returns 0 and changes nothing when
    // it refuses the measurement; `duvod` (when given) then tells why, else Zadne.
    // `novaStanice`: the caller has just added a or b, so the pair has no shot yet and
    // needs no search.
    CisloZamery AddShot(int a, int b, double L, double Az, double Inc, double varL, double varAz,
                        double varInc, OdmitnutiZamery* duvod = nullptr, bool novaStanice = false);
    // Shot number of the pair as stored (from < to), or 0.
    CisloZamery FindShot(int from, int to) const;
    // +n when shot n is stored as a to b, -n when as b to a, 0 when there is none.
    CisloZamery GetSignedShot(int a, int b) const;
    // Mean values in the direction of the sign; From = To = 0 out of range.
    ShotValues GetShot(int k) const;
    // Mean values oriented from a to b; nothing when there is no such shot.
    std::optional<ShotValues> GetShotBetween(int a, int b) const;
    // With viceMereni (the "VICE_MERENI" option) repeated measurements reduce the
    // variances; without it they do not. Zeros out of range.
    ShotVariances GetShotVariances(int k, bool viceMereni) const;
    // -1 out of range.
    std::int32_t GetMeasurementCount(int k) const;
    // Each style is set only while it is still 0.
    void SetShotStyles(int k, std::int32_t drawStyle, std::int32_t viewStyle);
    // Copy of the record of |k|; a blank record out of range.
    ShotRecord GetShotRecord(int k) const;
    CisloZamery ShotCount() const { return static_cast<CisloZamery>(zamery_.size()); }
    void ClearShots();
    // Room for that many shots, so that a load of known size does not regrow the table.
    void ReserveShots(std::size_t n);

private:
    const ShotRecord* Zaznam(int k) const;
    static std::uint64_t Klic(int from, int to);
    bool JeDvojice(CisloZamery n, int from, int to) const
    {
        const ShotRecord& r = zamery_[static_cast<std::size_t>(n - 1)];
        return r.From == from && r.To == to;
    }

    // The shot of the pair, or the number it would get as a new one (count + 1).
    CisloZamery Najdi(int from, int to) const;
    // Links new shot n (just appended) into its first station's list.
    void Zarad(CisloZamery n, int from, int to);

    std::vector<ShotRecord> zamery_; // shot n is zamery_[n - 1]
    // The shots of each station as their smaller station, newest first: a line's shot is
    // looked up among the few shots of a station the line before used, which stay in the
    // caches, where a search of a table of all pairs is a miss in a large survey.
    std::vector<CisloZamery> prvni_; // by station number, 0 = none
    std::vector<CisloZamery> dalsi_; // by shot number - 1, 0 = end of the list
    std::vector<std::uint8_t> stupen_; // by station number; above Prah its shots are in the table
    // All shots of stations with more than Prah shots of their own, so that a station
    // measured to thousands of points costs no walk through them.
    TabulkaCisel podleDvojice_;
    static constexpr std::uint8_t Prah = 8;
};

// Five small values (their low two bits each) in bits 0-1, 2-3, 4-5, 6-7 and 8-9.
std::int16_t PackFlags(int a, int b, int c, int d, int e);
std::array<std::int16_t, 5> UnpackFlags(std::int16_t flags);

} // namespace lomvira
