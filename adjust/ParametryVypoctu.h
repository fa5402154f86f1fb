#pragma once
// The computation parameters as their window shows them: the accuracy ratios in percent
// and degrees, the azimuth tolerance in degrees, and the limits the typed values must keep.

#include <string>

namespace lomvira {

// The values inside: ratios as a fraction of the length and in radians, tolerance in radians.
struct Pomery {
    double dk = 0.0, fk = 0.0, ek = 0.0;
};

// What the window shows and gives back.
struct HodnotyParametru {
    Pomery pomery;
    double tolerance = 0.0; // radians
    int dotazy = 0;         // DOTAZY
    int viceMereni = 0;     // VICE_MERENI
};

// The number boxes of the window.
enum class PoleParametru { Delka, Smer, Sklon, Tolerance };

// A box as it was filled: the exact value inside and the text shown for it. Reading the
// same text back gives the exact value again, not the rounded one the text shows.
struct NaplnenePole {
    double hodnota = 0.0;
    std::string text;
};

NaplnenePole NaplnPole(PoleParametru pole, double hodnota);

// The value inside read from the box, or the Czech reason it is refused (exactly one set).
struct PrectenePole {
    double hodnota = 0.0;
    std::string chyba;
};
PrectenePole CtiPole(PoleParametru pole, const std::string& text, const NaplnenePole& naplneno);

// DOTAZY of the two question boxes: the second asks both questions.
int DotazyZVoleb(bool natoceni, bool pridaniBodu);

} // namespace lomvira
