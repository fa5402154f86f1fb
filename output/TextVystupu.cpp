#include "output/TextVystupu.h"

#include "common/Cisla.h"
#include "common/Soubory.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace lomvira {

namespace {

// The exact powers of ten a double holds.
constexpr double MocninyDeseti[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

void PridejCislo(std::string& out, double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        value = 0.0;
    const double scaled = decimals <= 22 ? std::floor(std::fabs(value) * MocninyDeseti[decimals] + 0.5) : 1e300;
    if (scaled >= 9.0e18) {
        out += FormatCislo(value, decimals);
        return;
    }
    char cislice[24];
    const auto vysledek = std::to_chars(cislice, cislice + sizeof cislice, static_cast<std::uint64_t>(scaled));
    const int pocet = static_cast<int>(vysledek.ptr - cislice);
    if (value < 0)
        out += '-';
    if (pocet <= decimals) {
        out += "0.";
        out.append(static_cast<std::size_t>(decimals - pocet), '0');
        out.append(cislice, static_cast<std::size_t>(pocet));
        return;
    }
    out.append(cislice, static_cast<std::size_t>(pocet - decimals));
    if (decimals > 0) {
        out += '.';
        out.append(cislice + pocet - decimals, static_cast<std::size_t>(decimals));
    }
}

std::string ObecneCislo(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    // Fifteen significant digits in fixed notation: the decimals follow the magnitude.
    const int rad = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int desetinnych = std::min(std::max(14 - rad, 0), 340);
    std::string text(400, '\0');
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                 desetinnych);
    text.resize(static_cast<std::size_t>(r.ptr - text.data()));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

namespace {

bool JeAscii(const std::string& text)
{
    unsigned char vse = 0;
    for (const char c : text)
        vse |= static_cast<unsigned char>(c);
    return vse < 0x80;
}

} // namespace

bool DoAnsi(const std::string& text, std::string& bajty)
{
    if (JeAscii(text)) {
        bajty = text;
        return true;
    }
    return Utf8NaWindows1250(text, bajty);
}

std::string ChybaAnsi(const std::string& path)
{
    return "Soubor " + path
           + " nelze uložit: jména bodů nebo popisy obsahují znaky, které kódování Windows-1250 nezná.";
}

std::string ZapisAnsi(const std::string& path, const std::string& text)
{
    if (JeAscii(text))
        return ZapisSouborBezpecne(path, text);
    std::string bajty;
    if (!DoAnsi(text, bajty))
        return ChybaAnsi(path);
    return ZapisSouborBezpecne(path, bajty);
}

} // namespace lomvira
