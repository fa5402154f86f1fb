#pragma once
// UTF-8 text helpers: a "character" is one code point.

#include <cstddef>
#include <string>
#include <string_view>

namespace lomvira {

// Upper case of ASCII and of the Latin letters of Czech, Slovak and their neighbours.
std::string VelkaPismena(std::string_view text);
char32_t VelkePismeno(char32_t c);

// Number of bytes of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t DelkaZnaku(unsigned char lead);
// Number of code points.
std::size_t PocetZnaku(std::string_view text);
// The first `count` code points.
std::string ZnakyZleva(std::string_view text, std::size_t count);
// Cut to `width` code points and padded with blanks to exactly that width.
std::string PevnaSirka(std::string_view text, std::size_t width);
// Blanks (code 32 or less) removed from both ends.
std::string Orizni(std::string_view text);
bool JePlatneUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point.
void PridejZnak(std::string& out, char32_t c);
// Decodes the code point at `pos` and advances `pos` past it. A byte that does not start a
// well-formed sequence (overlong forms and surrogates included) gives U+FFFD and counts as one.
char32_t CtiZnak(std::string_view text, std::size_t& pos);

} // namespace lomvira
