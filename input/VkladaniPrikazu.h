#pragma once
// The notebook commands the insert menu writes for the surveyor, in the syntax the parser
// reads, and the parse of the notebook above the caret that the selection dialogs offer.

#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "input/Nacti.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lomvira {

// A notebook text with its caret (0-based byte position).
struct TextSKurzorem {
    std::string text;
    std::size_t kurzor = 0;
};

// The start of the line that holds the caret: just after the previous LF, or 0.
std::size_t ZacatekRadkuKurzoru(const std::string& text, std::size_t kurzor);
// Inserts the command at the start of the line holding the caret and puts the caret just
// after it; an empty command changes nothing.
TextSKurzorem VlozText(const std::string& text, std::size_t kurzor, const std::string& prikaz);
// Deletes the line holding the caret with its line end; the caret stays where the line began.
TextSKurzorem SmazRadek(const std::string& text, std::size_t kurzor);

// Angles as the dialogs write them: 2 to 5 decimals in degrees and grads, 2 to 7 in radians.
std::string FormatUhlu(double hodnota, int jednotky);

// yyyymmdd of a calendar date.
std::int32_t DatumCislem(int rok, int mesic, int den);
// "! DATUM = yyyymmdd # tj. <the user's short date>" and CR LF.
std::string RadekDatumu(std::int32_t datum, const std::string& kratkeDatum);
std::string PrikazAzimutu(bool kontrola);

// A command, or the Czech reason it cannot be written (exactly one is not empty).
struct HotovyPrikaz {
    std::string text;
    std::string chyba;
};

// Ends with a second CR LF when no earlier LOKALITA is being replaced.
HotovyPrikaz PrikazLokality(const std::string& jmeno, const std::string& cislo, bool nahrazuje);

// An instrument definition as the dialog holds it. Accuracy: tape in percent of the length
// (centimetres per metre), the others in their own unit; deviation in the compass's unit.
struct DefiniceMeridla {
    int druh = 1; // DruhMeridla
    std::string jmeno;
    int zpusob = 0;   // tape: distance mode; clinometer: inclination mode
    int jednotky = 0; // compass and clinometer
    double presnost = 0.0;
    double odchylka = 0.0;
    bool pouzit = false; // a selection line follows
};

// Blanks become "_" so that the parser reads one name; characters that would end the name
// or the line are refused.
HotovyPrikaz JmenoMeridla(const std::string& zadane);
// The accuracy as it is written: the tape within 0.01 .. 20 percent, angles within the
// parser's limits expressed in the instrument's unit.
double OmezenaPresnost(const DefiniceMeridla& d);
HotovyPrikaz PrikazDefinice(const DefiniceMeridla& d);

struct VyberMeridla {
    int druh = 1;
    std::string jmeno;
    std::optional<double> odchylka; // compass only, in its unit
    int jednotky = 0;               // the compass's unit, for the deviation's text
    std::string radekDatumu;        // "" when no date line goes first
};
HotovyPrikaz PrikazVyberu(const VyberMeridla& v);

// West negates the value. Refused beyond a full turn, which the parser refuses too.
HotovyPrikaz PrikazDeklinace(double hodnota, bool zapad, int jednotky, const std::string& radekDatumu);

// The legacy settings: each group that is set writes its line.
struct ZastaraleNastaveni {
    std::optional<int> vzdalenost;      // distance mode
    std::optional<int> jednotkyAzimutu; // degrees or grads
    std::optional<bool> kontrola;       // forward and back azimuth
    std::optional<int> jednotkySklonu;  // degrees or grads
    std::optional<int> zpusobSklonu;    // inclination mode
};
std::string PrikazyZastaralych(const ZastaraleNastaveni& z);

// The unit of a compass as its selection dialog shows it, and the unit's mark.
const char* PopisJednotek(int jednotky);
const char* ZnackaJednotek(int jednotky);

// A notebook parsed silently: the dialogs only look at what it defines.
class RozborZapisniku {
public:
    RozborZapisniku(const std::string& text, const Volby& volby, const std::string& jmenoSouboru = {});
    RozborZapisniku(const RozborZapisniku&) = delete;
    RozborZapisniku& operator=(const RozborZapisniku&) = delete;

    const Nacti& Vysledek() const { return nacti_; }
    // Names of the kind defined by name, in name order.
    std::vector<std::string> Jmena(int druh) const;
    // The unit of a named compass (degrees when unknown).
    int JednotkyKompasu(const std::string& jmeno) const;

private:
    class TichaPlatforma : public Platforma {
    public:
        int ZpravaBox(const std::string&, int style, const std::string&, int) override
        {
            return MsgBox::DefaultAnswer(style);
        }
        std::optional<std::string> VstupniBox(const std::string&, const std::string&, const std::string&) override
        {
            return std::nullopt;
        }
        void StavovyRadek(const std::string&) override {}
    };
    TichaPlatforma platforma_;
    Nacti nacti_;
};

// Why a selection cannot be inserted at the caret: no instrument of the kind defined above it.
std::string ZpravaBezMeridel(int druh);

} // namespace lomvira
