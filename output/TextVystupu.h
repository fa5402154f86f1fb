#pragma once
// Small pieces every output writer shares: numbers appended without a temporary text, the
// general number text of the coordinate file header, and text in the ANSI code page.

#include <string>

namespace lomvira {

inline constexpr const char* CRLF = "\r\n";

// Appends exactly what FormatCislo(value, decimals, false) gives, without building a
// string of its own: the writers put out hundreds of thousands of numbers.
void PridejCislo(std::string& out, double value, int decimals);

// A number as the general conversion writes it: at most 15 significant digits, no
// trailing zeros, no decimal point for a whole value, never an exponent, and "." as the
// decimal mark whatever the user's locale ("90", "-7.5", "0.0001").
std::string ObecneCislo(double value);

// The UTF-8 text in Windows-1250, the ANSI code page of the formats. False when a
// character has no place in it.
bool DoAnsi(const std::string& text, std::string& bajty);

// Writes the text in Windows-1250, completely or not at all. Returns "" or the Czech
// reason naming the file. A text of plain ASCII is written as it is, without a copy.
std::string ZapisAnsi(const std::string& path, const std::string& text);

// The reason a text cannot go into Windows-1250.
std::string ChybaAnsi(const std::string& path);

} // namespace lomvira
