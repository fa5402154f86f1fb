#include "common/Cisla.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace lomvira {

double NaRadiany(double value, int unit)
{
    switch (unit) {
    case JednotkaStupne: return value / 180.0 * PI;
    case JednotkaGrady: return value / 200.0 * PI;
    default: return value;
    }
}

bool VicNezOtacka(double value, int unit)
{
    const double otacka = unit == JednotkaStupne ? 360.0 : unit == JednotkaGrady ? 400.0 : 2 * PI;
    return !(std::fabs(value) <= otacka);
}

double Z_Radianu(double value, int unit)
{
    switch (unit) {
    case JednotkaStupne: return value * 180.0 / PI;
    case JednotkaGrady: return value * 200.0 / PI;
    default: return value;
    }
}

// A value a hair below a whole turn rounds up to the upper end; it belongs to the lower one.
double NormalizeAngle(double a)
{
    const double r = a - 2.0 * PI * std::floor(a / 2.0 / PI);
    return r >= 2.0 * PI ? r - 2.0 * PI : r;
}

double NormalizeSignedAngle(double a)
{
    const double b = a + PI;
    const double r = b - 2.0 * PI * std::floor(b / 2.0 / PI) - PI;
    return r >= PI ? r - 2.0 * PI : r;
}

void PolarniSouradnice(double dx, double dy, double& r, double& angle)
{
    r = std::sqrt(dx * dx + dy * dy);
    if (dx == 0.0) {
        if (dy != 0.0)
            angle = (dy > 0 ? 1.0 : -1.0) * PI / 2.0;
        return;
    }
    angle = std::atan(dy / dx);
    if (dx < 0)
        angle += PI;
}

namespace {

// The decimal digits of Int(|value| × 10^decimals + 0.5).
std::string ZaokrouhleneCislice(double magnitude, int decimals)
{
    const double scaled = std::floor(magnitude * std::pow(10.0, decimals) + 0.5);
    if (scaled < 9.0e18)
        return std::to_string(static_cast<std::uint64_t>(scaled));
    std::vector<char> buf(static_cast<std::size_t>(decimals) + 400);
    if (std::isfinite(scaled)) {
        std::snprintf(buf.data(), buf.size(), "%.0f", scaled);
        return buf.data();
    }
    // Past the double range once scaled: so large a value has no fraction left to round.
    std::snprintf(buf.data(), buf.size(), "%.*f", decimals, magnitude);
    std::string digits = buf.data();
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    return digits;
}

} // namespace

std::string FormatCislo(double value, int decimals, bool plus)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        value = 0.0; // never write "nan" or "inf" into a file
    std::string s = ZaokrouhleneCislice(std::fabs(value), decimals);
    if (static_cast<int>(s.size()) <= decimals)
        s = "0." + std::string(decimals - s.size(), '0') + s;
    else
        s.insert(s.size() - decimals, ".");
    if (decimals == 0 && s.back() == '.')
        s.pop_back();
    // A negative value keeps its sign even when it rounds to zero ("-0.00").
    if (value < 0)
        s.insert(0, "-");
    else if (plus && value > 0)
        s.insert(0, "+");
    return s;
}

std::string FormatCisloBezNul(double value, int maxDecimals, int minDecimals)
{
    std::string s = FormatCislo(value, maxDecimals);
    const std::size_t tecka = s.find('.');
    if (tecka == std::string::npos)
        return s;
    std::size_t delka = s.size();
    while (delka > tecka + 1 + static_cast<std::size_t>(minDecimals) && s[delka - 1] == '0')
        --delka;
    if (delka == tecka + 1)
        --delka;
    return s.substr(0, delka);
}

const char* ZnackaUhlu(int unit)
{
    switch (unit) {
    case JednotkaStupne: return "\xC2\xB0";
    case JednotkaGrady: return "g";
    default: return "r";
    }
}

std::string CarkaNaTecku(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

double Val(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::size_t j = i;
    bool digits = false, point = false;
    for (; j < text.size(); ++j) {
        const char c = text[j];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return 0.0;
    // An exponent only counts when digits follow it.
    if (j < text.size() && (text[j] == 'E' || text[j] == 'e')) {
        std::size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            ++k;
        const std::size_t first = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9')
            ++k;
        if (k > first)
            j = k;
    }
    // from_chars, unlike strtod, ignores the C locale: a decimal-comma locale set by the
    // front end must not turn "0.5" into 0.
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + j, v);
    if (ec != std::errc() || !std::isfinite(v))
        return 0.0;
    return negative ? -v : v;
}

std::string StupneNaText(const std::string& text, char decimalMark)
{
    const double value = Val(CarkaNaTecku(text));
    const double a = std::fabs(value);
    double whole = std::floor(a);
    double minutesAll = (a - whole) * 60.0;
    double minutes = std::floor(minutesAll + 1e-9);
    if (minutes > minutesAll)
        minutesAll = minutes; // a value a hair below a whole minute
    double seconds = std::floor(((minutesAll - minutes) * 60.0) * 100.0 + 1e-6) / 100.0;
    if (seconds >= 60.0) {
        seconds = 0.0;
        minutes += 1.0;
    }
    if (minutes >= 60.0) {
        minutes = 0.0;
        whole += 1.0;
    }
    // A value below a hundredth of a second shows as zero, without a sign.
    const bool zero = whole == 0.0 && minutes == 0.0 && seconds == 0.0;
    std::string out;
    if (value < 0 && !zero)
        out += '-';
    if (whole != 0.0 || zero)
        out += FormatCislo(whole, 0) + "\xC2\xB0";
    if (minutes != 0.0)
        out += FormatCislo(minutes, 0) + "'";
    if (seconds != 0.0) {
        std::string s = FormatCisloBezNul(seconds, 2);
        std::replace(s.begin(), s.end(), '.', decimalMark);
        out += s + "\"";
    }
    return out;
}

} // namespace lomvira
