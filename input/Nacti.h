#pragma once
// The notebook parser: reads the text line by line into measurement records, instruments,
// declinations, locality, coordinate system and given points, and stops at the first error.

#include "model/Typy.h"
#include "common/Nastaveni.h"
#include "coords/SourSystem.h"
#include "input/Chybovnik.h"
#include "input/KlicovaSlova.h"
#include "input/MeridlaStav.h"
#include "input/Vstup.h"
#include "model/DBody.h"
#include "model/Index.h"
#include "model/PBody.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lomvira {

class Platforma;


// The most stations the survey model can number.
inline constexpr int MaxBodu = MaxCislo;

struct Lokalita {
    std::string jmeno;
    std::string cislo;
    std::int32_t zacatekPrikazu = 0; // 0 until a LOKALITA command was read
};

// One measurement line as parsed. Laid out with the small fields together: a large
// notebook holds one record a line.
struct Mereni {
    std::string_view radek; // into the parsed text
    std::int32_t zacatekRadku = 0;
    int pbodOd = 0, pbodK = 0; // positions in PBody; 0 while the line lacks its stations
    int vrstva = 0;
    int misto = 0;
    std::int32_t datum = 0;
    // -1: the instrument's own setting applies.
    int zpusobDelky = -1, jednotkyAzimutu = -1, jednotkySklonu = -1, zpusobSklonu = -1;
    bool maZpetnyAzimut = false;
    bool uplny = false;      // every field set (the line passed all checks but the last question)
    // Station names as written, upper case: views of the names the parser's stations keep,
    // set once the line's stations are known.
    std::string_view od, k;
    double delka = 0, azimut = 0, zpetnyAzimut = 0, sklon = 0; // as written
    double sikmaDelka = 0;   // metres
    double azimutRad = 0, zpetnyAzimutRad = 0, sklonRad = 0, stredniAzimut = 0;
    // The station and line texts; few lines have any, so they are kept by the parser and
    // viewed from here.
    std::string_view textA, textB, textZ;
    std::shared_ptr<Delkomer> delkomer;
    Kompas kompas; // the definition and its deviation entry
    std::shared_ptr<Sklonomer> sklonomer;
    std::shared_ptr<Deklinace> deklinace;
};

class Nacti {
public:
    Nacti(Platforma& platforma, const Volby& volby);
    ~Nacti();
    Nacti(const Nacti&) = delete;
    Nacti(Nacti&&) = delete;
    Nacti& operator=(const Nacti&) = delete;

    // Setting the text resets the whole parse state.
    void Zapisnik(std::string text);
    const std::string& Zapisnik() const { return vstup_.Soubor(); }
    // Name of the notebook file, which names the locality until a LOKALITA command does.
    void JmenoSouboru(const std::string& name);

    bool Interaktivni = true;

    // Parses the whole text once.
    void Zpracuj();

    bool IsError() const { return error_ > 0; }
    int Error() const { return error_; }
    const std::string& ErrorRow() const { return errorRow_; }
    std::int32_t ErrorRowStart() const { return error_ ? errorRowStart_ : 0; }
    std::int32_t ErrorRowLen() const { return error_ ? errorRowLen_ : 0; }
    int ErrorHelp() const { return error_ ? errorHelp_ : 0; }

    // Hands each complete measurement record to `prevzeti` as soon as its line is read,
    // instead of keeping it: a large notebook's records need not all stand in memory at
    // once. The receiver stops the parse by setting an error (NastavChybuMereni). Set before
    // Zpracuj; the kept records below then stay empty.
    void PredavejMereni(std::function<void(const Mereni&)> prevzeti) { prevzeti_ = std::move(prevzeti); }
    // Lines of the text (counting a last one without its end), an upper bound of the records.
    std::size_t PocetRadku() const;

    int MereniCount() const { return static_cast<int>(mereni_.size()); }
    // Record i (1-based); nullptr outside 1..MereniCount.
    const Mereni* MereniZaznam(int i) const;

    const Lokalita& LokalitaZapisniku() const { return lokalita_; }
    const lomvira::DBody& DBody() const { return dbody_; }
    lomvira::DBody& DBody() { return dbody_; }
    const lomvira::PBody& PBody() const { return pbody_; }
    const MeridlaStav& Meridla() const { return *meridla_; }
    const Index& Mista() const { return mista_; }
    const Index& Vrstvy() const { return vrstvy_; }
    // The layer names (POLYGON, VRSTVA, P=) and the place names (MISTO) by their numbers:
    // entry k - 1 names number k, the number a shot's drawing or viewer style holds.
    std::vector<std::string> JmenaVrstev() const { return PodleCisel(vrstvy_); }
    std::vector<std::string> JmenaMist() const { return PodleCisel(mista_); }
    const SourSystem& SourSys() const { return sourSys_; }
    SourSystem& SourSys() { return sourSys_; }
    std::int32_t Datum() const { return datum_; }
    bool AzimutKontrola() const { return azimutKontrola_; }
    double Tolerance() const { return tolerance_; }

    // Sets the error on a measurement's line (the load refuses a record the model cannot take).
    void NastavChybuMereni(int number, const Mereni& m);

    // The parser's warning box: silent with the default button when not interactive.
    int MyMsgBox(const std::string& prompt, int style, const std::string& title = {}, int helpContext = 0);

private:
    static std::vector<std::string> PodleCisel(const Index& index);
    void Reset(std::string text);
    void NastavChybu(int number, int help = 0);
    // The error on the line `dalsi` lines after the one that starts at `zacatek` (1-based).
    void NastavChybuNaRadku(int number, std::int32_t zacatek, int dalsi);
    void PrikazovyRadek();
    void DanyBod();
    void MericiRadek();
    void Zastarale(const std::string& advice);
    // After the parse: the convergence from the given points when the system asks for it,
    // and the given points into the notebook frame.
    void PrevedDaneBody();

    void PrikazVzd();
    void PrikazHorUh();
    void PrikazVerUh();
    void PrikazSouSys();
    void PrikazVypPom();
    void PrikazLokalita();
    void PrikazMeridlo(int number);
    void PrikazDeklinace();
    void PrikazVrstva();
    void PrikazMisto();
    void PrikazDatum();

    // The parser's point of that name, added when new.
    std::int32_t BodRadku(const std::string& jmeno);
    bool CtiAtributy(Mereni& m);
    // The unit and mode letters of the distance, the azimuths and the inclination.
    void UplatniPripony(Mereni& m, std::string_view delky, std::string_view azimutu, std::string_view sklonu);
    bool SpocitejMereni(Mereni& m);

    Platforma& platforma_;
    Volby volby_;
    double tolerance_;
    std::string jmenoSouboru_;
    Vstup vstup_;
    KlicovaSlova prikazy_;
    std::vector<Mereni> mereni_;
    std::function<void(const Mereni&)> prevzeti_;
    Mereni predavane_; // the record of the current line while records are handed on
    Mereni& NovyPredavany();
    mutable std::size_t pocetRadku_ = 0; // counted when first asked; 0 until then
    std::deque<std::string> texty_; // the records' texts; a deque keeps them in place
    std::unique_ptr<MeridlaStav> meridla_;
    lomvira::DBody dbody_;
    lomvira::PBody pbody_;
    Index mista_, vrstvy_;
    int misto_ = 0, vrstva_ = 0;
    std::int32_t pbodyPredchozi_[2] = {}; // the points of the last measurement line
    Lokalita lokalita_;
    SourSystem sourSys_;
    std::int32_t datum_ = 0;
    bool azimutKontrola_ = false;
    std::int32_t zacatekPrikazu_ = 0;
    std::string posledniKomentar_;
    int error_ = 0;
    std::string errorRow_;
    std::int32_t errorRowStart_ = 0;
    std::int32_t errorRowLen_ = 0;
    int errorHelp_ = 0;
};

// What the user is told of the parse error: its text and the faulty line, or "Chyba N v
// řádku:" and the line for a number without a text. Lines are separated by CR LF.
std::string ZpravaOChybe(const Nacti& nacti);
// The 1-based number of the line that starts at the given 1-based byte index.
int CisloRadku(const std::string& text, std::int32_t zacatekRadku);

// The forward/back azimuth tolerance a load uses: the setting, or 5 degrees when it is not positive.
double ToleranceAzimutu(const Volby& volby);

} // namespace lomvira
