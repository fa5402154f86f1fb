#pragma once
// Splitting a path into drive, folder, name and extension, and the working file's name.

#include <string>
#include <string_view>

namespace lomvira {

struct CastiCesty {
    std::string disk;    // up to and including the first ":" ("C:"), else empty
    std::string slozka;  // the rest up to and including the last folder separator
    std::string jmeno;   // the name up to its first "."
    std::string pripona; // what follows that first "." (without it)
};

// Windows paths split as the old dialogs split them: the drive is everything up to the first
// ":", the folder runs to the last "\" or "/", the name stops at its first "." (so a.b.c has
// the name a and the extension b.c). A path whose first character is ":" or whose last folder
// separator comes before its first ":" gives four empty parts; a name that begins with "."
// gives an empty name and extension. A path that begins with "/" has no drive: its ":" are ordinary characters
// of folder and file names here.
CastiCesty RozdelCestu(std::string_view path);

// The working file of the program: "$prac" in the folder for temporary files.
std::string PracovniSoubor();

} // namespace lomvira
