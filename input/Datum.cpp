#include "input/Datum.h"

namespace lomvira {

namespace {

// Days since 1 March of year 0 of the proleptic Gregorian calendar and back
// (H. Hinnant's civil-date algorithms).
std::int64_t DnyOdPocatku(std::int64_t rok, int mesic, int den)
{
    rok -= mesic <= 2 ? 1 : 0;
    const std::int64_t era = (rok >= 0 ? rok : rok - 399) / 400;
    const std::int64_t yoe = rok - era * 400;
    const std::int64_t doy = (153 * (mesic + (mesic > 2 ? -3 : 9)) + 2) / 5 + den - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

KalendarniDatum ZeDnu(std::int64_t dny)
{
    const std::int64_t era = (dny >= 0 ? dny : dny - 146096) / 146097;
    const std::int64_t doe = dny - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    KalendarniDatum d;
    d.den = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.mesic = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.rok = yoe + era * 400 + (d.mesic <= 2 ? 1 : 0);
    return d;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

KalendarniDatum DatumKalendar(std::int32_t yyyymmdd)
{
    const std::int64_t v = yyyymmdd;
    const std::int64_t rok = FloorDiv(v, 10000);
    const std::int64_t zbytek = v - rok * 10000; // mmdd, 0..9999
    // Surplus months carry into years, surplus days are counted on from the 1st.
    const std::int64_t mesice = rok * 12 + zbytek / 100 - 1;
    const std::int64_t rokMesice = FloorDiv(mesice, 12);
    const int mesic = static_cast<int>(mesice - rokMesice * 12) + 1;
    return ZeDnu(DnyOdPocatku(rokMesice, mesic, 1) + zbytek % 100 - 1);
}

bool JePlatneDatum(std::int32_t yyyymmdd)
{
    if (yyyymmdd < 10000)
        return false;
    const int mesic = yyyymmdd / 100 % 100;
    const int den = yyyymmdd % 100;
    if (mesic < 1 || mesic > 12 || den < 1)
        return false;
    // The day must not roll over into the next month.
    const KalendarniDatum d = DatumKalendar(yyyymmdd);
    return d.mesic == mesic && d.den == den;
}

std::string DatumText(std::int32_t yyyymmdd)
{
    if (yyyymmdd <= 0)
        return "neznámé";
    const KalendarniDatum d = DatumKalendar(yyyymmdd);
    return std::to_string(d.den) + "." + std::to_string(d.mesic) + "." + std::to_string(d.rok);
}

} // namespace lomvira
