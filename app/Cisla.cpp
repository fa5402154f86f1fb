#include "app/Cisla.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace lomvira {

double NaRadiany(double value, int unit)
{
    switch (unit) {
    case JednotkaStupne: return value / 180.0 * PI;
    case JednotkaGrady: return value / 200.0 * PI;
    default: return value;
    }
}

double Z_Radianu(double value, int unit)
{
    switch (unit) {
    case JednotkaStupne: return value * 180.0 / PI;
    case JednotkaGrady: return value * 200.0 / PI;
    default: return value;
    }
}

double NormalizeAngle(double a)
{
    return a - 2.0 * PI * std::floor(a / 2.0 / PI);
}

double NormalizeSignedAngle(double a)
{
    const double b = a + PI;
    return b - 2.0 * PI * std::floor(b / 2.0 / PI) - PI;
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

std::string FormatCislo(double value, int decimals, bool plus)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        value = 0.0; // never write "nan" or "inf" into a file
    const double scaled = std::floor(std::fabs(value) * std::pow(10.0, decimals) + 0.5);
    std::string s;
    if (scaled < 9.0e18) {
        s = std::to_string(static_cast<std::uint64_t>(scaled));
    } else {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", scaled);
        s = buf;
    }
    if (static_cast<int>(s.size()) <= decimals)
        s = "0." + std::string(decimals - s.size(), '0') + s;
    else
        s.insert(s.size() - decimals, ".");
    if (decimals == 0 && !s.empty() && s.back() == '.')
        s.pop_back();
    if (value < 0 && scaled != 0.0)
        s.insert(0, "-");
    else if (plus && value > 0)
        s.insert(0, "+");
    return s;
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
    std::string numeral;
    std::size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
        numeral += text[j++];
    bool digits = false, point = false;
    while (j < text.size()) {
        const char c = text[j];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        numeral += c;
        ++j;
    }
    if (!digits)
        return 0.0;
    // An exponent only counts when digits follow it.
    if (j < text.size() && (text[j] == 'E' || text[j] == 'e')) {
        std::size_t k = j + 1;
        std::string exponent = "e";
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            exponent += text[k++];
        const std::size_t first = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9')
            exponent += text[k++];
        if (k > first)
            numeral += exponent;
    }
    const double v = std::strtod(numeral.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
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
    std::string out;
    if (value < 0)
        out += '-';
    if (whole != 0.0 || value == 0.0)
        out += FormatCislo(whole, 0) + "\xC2\xB0";
    if (minutes != 0.0)
        out += FormatCislo(minutes, 0) + "'";
    if (seconds != 0.0) {
        std::string s = FormatCislo(seconds, 2);
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
        for (char& c : s)
            if (c == '.')
                c = decimalMark;
        out += s + "\"";
    }
    return out;
}

} // namespace lomvira
