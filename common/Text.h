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
// Whether every byte is ASCII (such a text is its own NFC and has a byte per character).
bool JeAscii(std::string_view text);
// How many bytes of the text are that byte (a notebook's lines are counted by it).
std::size_t PocetBajtu(std::string_view text, char bajt);
// The first `count` code points.
std::string ZnakyZleva(std::string_view text, std::size_t count);
// Cut to `width` code points and padded with blanks to exactly that width.
std::string PevnaSirka(std::string_view text, std::size_t width);
// Appends the same to `cil` and returns the number of bytes appended.
std::size_t PridejPevnouSirku(std::string& cil, std::string_view text, std::size_t width);
// Blanks (code 32 or less) removed from both ends.
std::string Orizni(std::string_view text);
bool JePlatneUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point.
void PridejZnak(std::string& out, char32_t c);
// Decodes the code point at `pos` and advances `pos` past it. A byte that does not start a
// well-formed sequence (overlong forms and surrogates included) gives U+FFFD and counts as one.
char32_t CtiZnak(std::string_view text, std::size_t& pos);

// The text in Unicode normalisation form NFC, so that a letter written precomposed and
// the same letter written as a base and a combining mark compare equal. Text that is not
// valid UTF-8 comes back unchanged.
std::string NFC(std::string_view text);
// The same, keeping the text's own storage when it is ASCII.
std::string NFC(std::string&& text);
inline std::string NFC(const char* text) { return NFC(std::string_view(text)); }

// How the lines of a text end. A lone CR (as old editors write), a LF and a CR LF each end
// one line.
enum class KonecRadku { LF, CRLF, CR };
// The kind most of the text's lines end with; a tie goes to CR LF, then LF. A text
// without a line end gives LF.
KonecRadku NejcastejsiKonecRadku(std::string_view text);
// The text, whose lines end with LF, with every LF turned into the given line end.
std::string SKoncemRadku(std::string_view text, KonecRadku konec);

} // namespace lomvira
