#pragma once
// The shots of the survey: one record per station pair, holding every measurement of that
// pair accumulated as weighted sums. A shot is stored from the smaller to the larger
// station number; a negative shot number means the same shot walked backwards.

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace lomvira {

struct ShotRecord {
    std::int16_t From = 0;           // the smaller station number
    std::int16_t To = 0;             // the larger station number
    double SumInvLength = 0.0;       // sum of 1/(L varL)
    double SumAzimuthDev = 0.0;      // sum of (Az - RefAzimuth)/varAz, the difference within ±π
    double SumInclination = 0.0;     // sum of Inc/varInc
    std::int16_t MeasurementCount = 0;
    double RefAzimuth = 0.0;         // azimuth of the first measurement, stored direction
    double SumWeightLength = 0.0;    // sum of 1/varL
    double SumWeightAzimuth = 0.0;   // sum of 1/varAz
    double SumWeightInclination = 0.0; // sum of 1/varInc
    std::int16_t DrawStyle = 0;      // 0 = none
    std::int16_t ViewStyle = 0;      // 0 = none
    // The first measurement's length and inclination: a shot measured once gives them back
    // unchanged instead of through the rounding of the weighted sums.
    double FirstLength = 0.0;
    double FirstInclination = 0.0;
};

// Mean values of a shot in one direction.
struct ShotValues {
    std::int16_t From = 0;
    std::int16_t To = 0;
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

class ShotTable {
public:
    // Accumulates one measurement from a to b (length, azimuth and inclination in radians,
    // with their variances) and returns the shot number. Returns 0 and changes nothing for
    // a station number outside 1..32767, a length or variance that is not positive and
    // finite, an angle that is not finite, a new pair when 32767 shots are held, or a pair
    // measured 32767 times already.
    std::int16_t AddShot(int a, int b, double L, double Az, double Inc, double varL, double varAz,
                         double varInc);
    // Shot number of the pair as stored (from < to), or 0.
    std::int16_t FindShot(int from, int to) const;
    // +n when shot n is stored as a to b, -n when as b to a, 0 when there is none.
    std::int16_t GetSignedShot(int a, int b) const;
    // Mean values in the direction of the sign; From = To = 0 out of range.
    ShotValues GetShot(int k) const;
    // Mean values oriented from a to b; nothing when there is no such shot.
    std::optional<ShotValues> GetShotBetween(int a, int b) const;
    // With viceMereni (the "VICE_MERENI" option) repeated measurements reduce the
    // variances; without it they do not. Zeros out of range.
    ShotVariances GetShotVariances(int k, bool viceMereni) const;
    // -1 out of range.
    std::int16_t GetMeasurementCount(int k) const;
    // Each style is set only while it is still 0.
    void SetShotStyles(int k, std::int16_t drawStyle, std::int16_t viewStyle);
    // Copy of the record of |k|; a blank record out of range.
    ShotRecord GetShotRecord(int k) const;
    std::int16_t ShotCount() const { return static_cast<std::int16_t>(zamery_.size()); }
    void ClearShots();

private:
    const ShotRecord* Zaznam(int k) const;
    static std::uint32_t Klic(int from, int to);

    std::vector<ShotRecord> zamery_; // shot n is zamery_[n - 1]
    std::unordered_map<std::uint32_t, std::int16_t> podleDvojice_;
};

// Five small values (their low two bits each) in bits 0-1, 2-3, 4-5, 6-7 and 8-9.
std::int16_t PackFlags(int a, int b, int c, int d, int e);
std::array<std::int16_t, 5> UnpackFlags(std::int16_t flags);

} // namespace lomvira
