#include "common/Text.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace lomvira {

std::size_t DelkaZnaku(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

bool JeAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

namespace {

// Decodes the n-byte sequence at pos; false for a truncated sequence, a bad continuation
// byte, an overlong form, a surrogate or a value past U+10FFFF.
bool DekodujSekvenci(std::string_view text, std::size_t pos, std::size_t n, char32_t& c)
{
    if (n == 1 || pos + n > text.size())
        return false;
    c = static_cast<unsigned char>(text[pos]) & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t nejmensi[5] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= nejmensi[n] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

char32_t CtiZnak(std::string_view text, std::size_t& pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const std::size_t n = DelkaZnaku(lead);
    char32_t c = 0;
    if (!DekodujSekvenci(text, pos, n, c)) {
        ++pos;
        return 0xFFFD;
    }
    pos += n;
    return c;
}

void PridejZnak(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t VelkePismeno(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c < 0xE0)
        return c;
    if (c <= 0xFE) // à..þ, except ÷
        return c == 0xF7 ? c : c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x137) // pairs: even upper, odd lower (ı stays)
        return (c & 1) && c != 0x131 ? c - 1 : c;
    if (c >= 0x139 && c <= 0x148) // Ĺĺ Ľľ Ŀŀ Łł Ńń Ņņ Ňň: odd upper, even lower
        return (c & 1) ? c : c - 1;
    if (c >= 0x14A && c <= 0x177) // Ŋŋ .. Ŷŷ: even upper, odd lower
        return (c & 1) ? c - 1 : c;
    if (c >= 0x179 && c <= 0x17E) // Źź Żż Žž
        return (c & 1) ? c : c - 1;
    return c;
}

std::string VelkaPismena(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out += static_cast<char>(b >= 'a' && b <= 'z' ? b - 32 : b);
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t c = CtiZnak(text, pos);
        if (c == 0xFFFD) // keep undecodable bytes exactly as they are
            out.append(text.substr(start, pos - start));
        else
            PridejZnak(out, VelkePismeno(c));
    }
    return out;
}

std::size_t PocetZnaku(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n)
        CtiZnak(text, pos);
    return n;
}

std::string ZnakyZleva(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n)
        CtiZnak(text, pos);
    return std::string(text.substr(0, pos));
}

std::string PevnaSirka(std::string_view text, std::size_t width)
{
    std::string out;
    PridejPevnouSirku(out, text, width);
    return out;
}

std::size_t PridejPevnouSirku(std::string& cil, std::string_view text, std::size_t width)
{
    const std::size_t pred = cil.size();
    // An ASCII name (the usual one) has a byte for each character.
    if (JeAscii(text)) {
        cil.append(text.substr(0, std::min(text.size(), width)));
        cil.append(width - std::min(text.size(), width), ' ');
        return width;
    }
    cil += ZnakyZleva(text, width);
    const std::size_t n = PocetZnaku(std::string_view(cil).substr(pred));
    if (n < width)
        cil.append(width - n, ' ');
    return cil.size() - pred;
}

std::string Orizni(std::string_view text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && static_cast<unsigned char>(text[a]) <= 32)
        ++a;
    while (b > a && static_cast<unsigned char>(text[b - 1]) <= 32)
        --b;
    return std::string(text.substr(a, b - a));
}

bool JePlatneUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            // ASCII, the bulk of a notebook, eight bytes at a time.
            std::uint64_t osm = 0;
            while (i + sizeof osm <= bytes.size()) {
                std::memcpy(&osm, bytes.data() + i, sizeof osm);
                if (osm & 0x8080808080808080ULL)
                    break;
                i += sizeof osm;
            }
            continue;
        }
        const std::size_t n = DelkaZnaku(b);
        char32_t c = 0;
        if (!DekodujSekvenci(bytes, i, n, c))
            return false;
        i += n;
    }
    return true;
}

std::string NFC(std::string&& text)
{
    if (JeAscii(text))
        return std::move(text);
    return NFC(std::string_view(text));
}

std::string NFC(std::string_view text)
{
    // ASCII is its own normal form; most names and lines are ASCII.
    if (JeAscii(text))
        return std::string(text);
    utf8proc_uint8_t* vystup = nullptr;
    const utf8proc_ssize_t n =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()), static_cast<utf8proc_ssize_t>(text.size()),
                     &vystup, static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> drzak(vystup, &std::free);
    if (n < 0)
        return std::string(text);
    return std::string(reinterpret_cast<const char*>(vystup), static_cast<std::size_t>(n));
}

std::size_t PocetBajtu(std::string_view text, char bajt)
{
    // Eight bytes at a time: a large notebook is counted in a few milliseconds.
    constexpr std::uint64_t Jednicky = 0x0101010101010101ULL, Sedmicky = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t vzor = Jednicky * static_cast<unsigned char>(bajt);
    std::size_t n = 0, i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        w ^= vzor; // the byte's places are now zero
        // The top bit of each zero byte, and of no other.
        const std::uint64_t nuly = ~(((w & Sedmicky) + Sedmicky) | w | Sedmicky);
        n += static_cast<std::size_t>(((nuly >> 7) * Jednicky) >> 56);
    }
    for (; i < text.size(); ++i)
        n += text[i] == bajt ? 1 : 0;
    return n;
}

KonecRadku NejcastejsiKonecRadku(std::string_view text)
{
    // Most notebooks have no CR at all: only the LFs need counting then.
    std::size_t crlf = 0, cr = 0;
    for (std::size_t i = text.find('\r'); i != std::string_view::npos; i = text.find('\r', i + 1)) {
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++crlf;
        else
            ++cr;
    }
    const std::size_t lf = PocetBajtu(text, '\n') - crlf;
    if (crlf > 0 && crlf >= lf && crlf >= cr)
        return KonecRadku::CRLF;
    if (cr > lf)
        return KonecRadku::CR;
    return KonecRadku::LF;
}

std::string SKoncemRadku(std::string_view text, KonecRadku konec)
{
    if (konec == KonecRadku::LF)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + (konec == KonecRadku::CRLF ? text.size() / 16 : 0));
    for (char c : text) {
        if (c != '\n')
            out += c;
        else if (konec == KonecRadku::CR)
            out += '\r';
        else
            out += "\r\n";
    }
    return out;
}

} // namespace lomvira
