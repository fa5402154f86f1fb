#pragma once
// Given point lines of the notebook ("*" name and three coordinates) as the given point
// dialogs write, find and replace them, so that the notebook keeps what the user changed.

#include "model/Bod.h"

#include <string>
#include <string_view>

namespace lomvira {

// The name of the given point that the line defines, as the notebook reader reads it; ""
// when the line defines none.
std::string JmenoDanehoBodu(std::string_view radek);

// The line (without its end) that defines the point with its coordinates in the order of
// the notebook's system; a non-empty `poznamka` follows as a comment.
std::string RadekDanehoBodu(const ZBod& bod, const std::string& poznamka = {});

// A typed name as the notebook keeps it: trimmed, upper-cased, at most 10 characters; ""
// with the Czech reason when the notebook could not read it back as one name.
std::string JmenoProZapisnik(const std::string& napsane, std::string& chyba);

} // namespace lomvira
