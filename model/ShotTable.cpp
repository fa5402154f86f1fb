#include "model/ShotTable.h"

#include "common/Cisla.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace lomvira {

namespace {

bool KladneKonecne(double v)
{
    return std::isfinite(v) && v > 0.0;
}

} // namespace

std::uint64_t ShotTable::Klic(int from, int to)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32) | static_cast<std::uint32_t>(to);
}

CisloZamery ShotTable::AddShot(int a, int b, double L, double Az, double Inc, double varL, double varAz,
                               double varInc, OdmitnutiZamery* duvod, bool novaStanice)
{
    auto odmitni = [duvod](OdmitnutiZamery d) {
        if (duvod)
            *duvod = d;
        return CisloZamery{0};
    };
    if (duvod)
        *duvod = OdmitnutiZamery::Zadne;
    if (a < 1 || b < 1)
        return odmitni(OdmitnutiZamery::NeplatnyBod);
    if (!KladneKonecne(L) || !KladneKonecne(varL) || !KladneKonecne(varAz) || !KladneKonecne(varInc)
        || !std::isfinite(Az) || !std::isfinite(Inc))
        return odmitni(OdmitnutiZamery::NeplatnaHodnota);
    if (a > b) { // the measurement turned round into the stored direction
        std::swap(a, b);
        Az += PI;
        Inc = -Inc;
    }
    Az = NormalizeAngle(Az);
    Inc = NormalizeSignedAngle(Inc);

    const double wL = 1.0 / varL, wAz = 1.0 / varAz, wInc = 1.0 / varInc;
    const double invL = (1.0 / L) / varL;
    const double incW = Inc / varInc;
    if (!std::isfinite(wL) || !std::isfinite(wAz) || !std::isfinite(wInc) || !std::isfinite(invL)
        || !std::isfinite(incW))
        return odmitni(OdmitnutiZamery::NeplatnaHodnota); // a length or variance so small that its weight overflows

    const CisloZamery n = novaStanice ? static_cast<CisloZamery>(zamery_.size() + 1) : Najdi(a, b);
    if (n > static_cast<CisloZamery>(zamery_.size())) {
        if (zamery_.size() >= static_cast<std::size_t>(MaxCislo))
            return odmitni(OdmitnutiZamery::PrilisMnohoZamer);
        ShotRecord r;
        r.From = a;
        r.To = b;
        r.RefAzimuth = Az;
        r.FirstLength = L;
        r.FirstInclination = Inc;
        zamery_.push_back(r);
        Zarad(n, a, b);
    }
    ShotRecord& r = zamery_[static_cast<std::size_t>(n - 1)];
    if (r.MeasurementCount >= MaxCislo)
        return odmitni(OdmitnutiZamery::PrilisMnohoMereni);
    // Readings of 0.1° and 359.9° lie 0.2° apart, not a full turn less 0.2°.
    const double odchylka = NormalizeSignedAngle(Az - r.RefAzimuth);
    const double sumy[6] = {r.SumInvLength + invL,  r.SumAzimuthDev + odchylka / varAz,
                            r.SumInclination + incW, r.SumWeightLength + wL,
                            r.SumWeightAzimuth + wAz, r.SumWeightInclination + wInc};
    // A repeated measurement whose weight would carry a sum past the largest double.
    for (double v : sumy)
        if (!std::isfinite(v))
            return odmitni(OdmitnutiZamery::NeplatnaHodnota);
    r.MeasurementCount++;
    r.SumInvLength = sumy[0];
    r.SumAzimuthDev = sumy[1];
    r.SumInclination = sumy[2];
    r.SumWeightLength = sumy[3];
    r.SumWeightAzimuth = sumy[4];
    r.SumWeightInclination = sumy[5];
    return n;
}

void ShotTable::ReserveShots(std::size_t n)
{
    zamery_.reserve(n);
    dalsi_.reserve(n);
    // A cave has about as many stations as shots.
    prvni_.reserve(n + 1);
    stupen_.reserve(n + 1);
}

CisloZamery ShotTable::Najdi(int from, int to) const
{
    const auto novy = static_cast<CisloZamery>(zamery_.size() + 1);
    const auto a = static_cast<std::size_t>(from);
    if (a >= prvni_.size())
        return novy;
    if (stupen_[a] > Prah) {
        const CisloZamery n = podleDvojice_.Najdi(TabulkaCisel::Hash(Klic(from, to)),
                                                  [&](CisloZamery i) { return JeDvojice(i, from, to); });
        return n != 0 ? n : novy;
    }
    for (CisloZamery n = prvni_[a]; n != 0; n = dalsi_[static_cast<std::size_t>(n - 1)])
        if (zamery_[static_cast<std::size_t>(n - 1)].To == to)
            return n;
    return novy;
}

void ShotTable::Zarad(CisloZamery n, int from, int to)
{
    const auto a = static_cast<std::size_t>(from);
    if (prvni_.size() <= a) {
        const std::size_t velikost = std::max(a + 1, static_cast<std::size_t>(to) + 1);
        prvni_.resize(velikost, 0);
        stupen_.resize(velikost, 0);
    }
    dalsi_.push_back(prvni_[a]);
    prvni_[a] = n;
    auto zarad = [this](CisloZamery k) {
        const ShotRecord& r = zamery_[static_cast<std::size_t>(k - 1)];
        podleDvojice_.NajdiNeboVloz(TabulkaCisel::Hash(Klic(r.From, r.To)), k, [](CisloZamery) { return false; });
    };
    if (stupen_[a] > Prah) {
        zarad(n);
    } else if (++stupen_[a] > Prah) {
        for (CisloZamery k = prvni_[a]; k != 0; k = dalsi_[static_cast<std::size_t>(k - 1)])
            zarad(k);
    }
}

CisloZamery ShotTable::FindShot(int from, int to) const
{
    if (from < 1 || to < 1)
        return 0;
    const CisloZamery n = Najdi(from, to);
    return n <= static_cast<CisloZamery>(zamery_.size()) ? n : 0;
}

CisloZamery ShotTable::GetSignedShot(int a, int b) const
{
    if (a <= b)
        return FindShot(a, b);
    return -FindShot(b, a);
}

const ShotRecord* ShotTable::Zaznam(int k) const
{
    const long long n = std::llabs(k);
    if (n < 1 || n > static_cast<long long>(zamery_.size()))
        return nullptr;
    return &zamery_[static_cast<std::size_t>(n - 1)];
}

ShotValues ShotTable::GetShot(int k) const
{
    const ShotRecord* r = Zaznam(k);
    if (!r)
        return {};
    ShotValues v{r->From, r->To, 0.0, 0.0, 0.0};
    if (r->MeasurementCount == 1) {
        v.L = r->FirstLength;
        v.Az = r->RefAzimuth;
        v.Inc = r->FirstInclination;
    } else {
        v.L = r->SumWeightLength / r->SumInvLength;
        v.Az = NormalizeAngle(r->RefAzimuth + r->SumAzimuthDev / r->SumWeightAzimuth);
        v.Inc = NormalizeSignedAngle(r->SumInclination / r->SumWeightInclination);
    }
    if (k < 0) {
        std::swap(v.From, v.To);
        v.Az = NormalizeAngle(v.Az + PI);
        v.Inc = -v.Inc;
    }
    return v;
}

std::optional<ShotValues> ShotTable::GetShotBetween(int a, int b) const
{
    const CisloZamery k = GetSignedShot(a, b);
    if (k == 0)
        return std::nullopt;
    return GetShot(k);
}

ShotVariances ShotTable::GetShotVariances(int k, bool viceMereni) const
{
    const ShotRecord* r = Zaznam(k);
    if (!r)
        return {};
    const double n = viceMereni ? 1.0 : static_cast<double>(r->MeasurementCount);
    return {n / r->SumWeightLength, n / r->SumWeightAzimuth, n / r->SumWeightInclination};
}

std::int32_t ShotTable::GetMeasurementCount(int k) const
{
    const ShotRecord* r = Zaznam(k);
    return r ? r->MeasurementCount : -1;
}

void ShotTable::SetShotStyles(int k, std::int32_t drawStyle, std::int32_t viewStyle)
{
    if (!Zaznam(k))
        return;
    ShotRecord& r = zamery_[static_cast<std::size_t>(std::llabs(k) - 1)];
    if (r.DrawStyle == 0)
        r.DrawStyle = drawStyle;
    if (r.ViewStyle == 0)
        r.ViewStyle = viewStyle;
}

ShotRecord ShotTable::GetShotRecord(int k) const
{
    const ShotRecord* r = Zaznam(k);
    return r ? *r : ShotRecord{};
}

void ShotTable::ClearShots()
{
    zamery_.clear();
    prvni_.clear();
    dalsi_.clear();
    stupen_.clear();
    podleDvojice_.Vymaz();
}

std::int16_t PackFlags(int a, int b, int c, int d, int e)
{
    return static_cast<std::int16_t>((a & 3) | (b & 3) << 2 | (c & 3) << 4 | (d & 3) << 6 | (e & 3) << 8);
}

std::array<std::int16_t, 5> UnpackFlags(std::int16_t flags)
{
    std::array<std::int16_t, 5> out{};
    for (int i = 0; i < 5; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>((flags >> (2 * i)) & 3);
    return out;
}

} // namespace lomvira
