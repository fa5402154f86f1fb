#pragma once
// The instruments and declinations a notebook parse holds: the collections, the three
// anonymous instruments, the instruments and declination in force, and the operations the
// parser's commands call.

#include "input/Meridla.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lomvira {

struct Volby;

// Kinds of instrument as the commands number them (command number - 7).
namespace DruhMeridla {
inline constexpr int Delkomer = 1;
inline constexpr int Kompas = 2;
inline constexpr int Sklonomer = 3;
} // namespace DruhMeridla

// The parser's warning box: prompt, style bits, title, help context; returns the answer.
using MyMsgBoxFn = std::function<int(const std::string&, int, const std::string&, int)>;

// Limits of instrument accuracies (inclusive).
inline constexpr double MinPresnostDelky = 0.0001; // fraction of the length
inline constexpr double MaxPresnostDelky = 0.2;
inline constexpr double MinPresnostUhlu = 0.00017; // radians
inline constexpr double MaxPresnostUhlu = 0.78;

// The angle unit named by suffix letters: the first of D, G, R in the text; otherwise `vychozi`.
int JednotkaZPismen(std::string_view pismena, int vychozi);

class MeridlaStav {
public:
    // Empty collections, the anonymous instruments with the default accuracies in force,
    // and declination entry 0.
    explicit MeridlaStav(const Volby& volby);
    // A copy would share the records; a new notebook gets a new state instead.
    MeridlaStav(const MeridlaStav&) = delete;
    MeridlaStav& operator=(const MeridlaStav&) = delete;
    MeridlaStav(MeridlaStav&&) = default;
    MeridlaStav& operator=(MeridlaStav&&) = default;

    const lomvira::Delkomery& Delkomery() const { return delkomery_; }
    const lomvira::Kompasy& Kompasy() const { return kompasy_; }
    const lomvira::Sklonomery& Sklonomery() const { return sklonomery_; }
    const lomvira::Deklinaces& Deklinace() const { return deklinace_; }

    const std::shared_ptr<Delkomer>& AktDelkomer() const { return aktDelkomer_; }
    const lomvira::Kompas& AktKompas() const { return aktKompas_; }
    const std::shared_ptr<Sklonomer>& AktSklonomer() const { return aktSklonomer_; }
    const std::shared_ptr<lomvira::Deklinace>& AktDeklinace() const { return deklinace_.AktDekl(); }

    // A bracketed definition block (its text without the outer brackets). Returns 0, or the
    // error: 51 no name, 53 tape or clinometer defined twice, 43 a line without a control
    // character or an unknown property, 2 a property without "=", 8 a number too large or a
    // deviation beyond a full turn. `radekChyby` (when given) gets the 0-based line of the
    // block the error is on.
    int Definice(int druh, const std::string& blok, std::int32_t datum, const MyMsgBoxFn& box,
                 int* radekChyby = nullptr);

    // Makes the named instrument current. A compass may carry a deviation in its own unit,
    // which is added for the date. Returns 0, 51 (no name), 52 (not defined) or 8 (a
    // deviation beyond a full turn).
    int Vyber(int druh, const std::string& jmeno, std::optional<double> odchylka, std::int32_t datum);

    // Before each measurement line: registers anonymous instruments, marks named ones used.
    void Pouzij();

    // The unit of a declination written with these suffix letters: the first of D, G, R,
    // else the current compass's unit.
    int JednotkaDeklinace(std::string_view pismena) const;

    // DEKLINACE: the value with its suffix letters (unit default: the current compass's),
    // the date (default the current one) and the annual increment with its letters.
    const std::shared_ptr<lomvira::Deklinace>& PridejDeklinaci(double hodnota, std::string_view pismena,
                                                              std::optional<std::int32_t> datum,
                                                              double prirustek, std::string_view pismenaPrirustku,
                                                              std::int32_t aktualniDatum);

    // The old commands change the anonymous instruments and make them current.
    // VZD: distance mode, or -1 to leave it.
    void ZastaralaVzdalenost(int zpusob, std::int32_t datum);
    // HOR_UH with a unit word: the compass's unit, with a deviation entry 0 for the date.
    void ZastaralaJednotkaAzimutu(int jednotky, std::int32_t datum);
    // VER_UH: inclination mode and unit, -1 leaving either.
    void ZastaralySklonomer(std::int32_t datum, int zpusob = -1, int jednotky = -1);
    // VYP_POM: tape accuracy in percent of the length; the angles with their suffix letters,
    // in the instrument's own unit when there are none.
    void ZastaralePresnosti(double delka, double kompas, std::string_view pismenaKompasu, double sklon,
                            std::string_view pismenaSklonu, std::int32_t datum);

private:
    // `chybny`: the index (in `radky`) of the line an error is on.
    int DefiniceDelkomeru(const std::string& jmeno, const std::vector<std::string>& radky, std::int32_t datum,
                          std::size_t& chybny);
    int DefiniceSklonomeru(const std::string& jmeno, const std::vector<std::string>& radky, std::int32_t datum,
                           std::size_t& chybny);
    int DefiniceKompasu(const std::string& jmeno, const std::vector<std::string>& radky, std::int32_t datum,
                        const MyMsgBoxFn& box, std::size_t& chybny);
    void PouzijKompas();
    template <class T>
    static void Zastaraly(T& meridlo, std::int32_t datum);

    lomvira::Delkomery delkomery_;
    lomvira::Kompasy kompasy_;
    lomvira::Sklonomery sklonomery_;
    lomvira::Deklinaces deklinace_;

    // The parser's own anonymous instruments: never registered themselves, only copied.
    std::shared_ptr<Delkomer> anonDelkomer_;
    lomvira::Kompas anonKompas_;
    std::shared_ptr<Sklonomer> anonSklonomer_;

    std::shared_ptr<Delkomer> aktDelkomer_;
    lomvira::Kompas aktKompas_;
    std::shared_ptr<Sklonomer> aktSklonomer_;
};

} // namespace lomvira
