#pragma once
// The short Czech sentences that say what a command has done, for the status line.

#include <string>

namespace lomvira {

struct Kontext;

// "5 bodů": the count with the Czech form for 1, for 2 to 4 and for the rest (0 included).
std::string Pocet(long n, const char* jeden, const char* dva, const char* pet);
// "v 1 oblasti", "ve 2 oblastech": the preposition as the numeral is spoken.
std::string VOblastech(long n);

// "Načteno: 756 bodů, 759 měření, 3 dané body".
std::string SouhrnNacteni(const Kontext& k);
// "Vektorizováno: 12 skupin ve 2 oblastech".
std::string SouhrnVektorizace(const Kontext& k);
// "Vypočteno: 756 bodů ve 2 oblastech, 5 uzavřených smyček, 0,04 s".
std::string SouhrnVypoctu(const Kontext& k, double sekundy);

} // namespace lomvira
