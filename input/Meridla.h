#pragma once
// The notebook's instruments (tapes, compasses with dated deviations, clinometers) and its
// magnetic declinations, each owned by its collection.
//
// Records are held by shared_ptr: the parser's current instruments and every measurement
// record keep pointing at the same record however the collections grow.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lomvira {

// Distance modes of a tape.
inline constexpr int ZpusobSikma = 0;
inline constexpr int ZpusobVodorovna = 1;
inline constexpr int ZpusobSvisla = 2;
// Inclination modes of a clinometer.
inline constexpr int ZpusobOdHorizontu = 0;
inline constexpr int ZpusobOdZenitu = 1;

inline constexpr const char* PredponaAnonymu = "#NEZNAMY ";

// The fields a tape and a clinometer share.
struct Meridlo {
    std::string Jmeno;
    int Jednotky = 0;       // clinometer: angle unit of its readings; tape: read by nothing
    double Presnost = 0.0;  // tape: fraction of the length; clinometer: radians
    int Zpusob = 0;         // tape: distance mode; clinometer: inclination mode
    std::int32_t Datum = 0; // date when defined or last changed
    bool Pouzit = false;    // a measurement line used it
    int Cislo = 0;          // position in its collection, from 1
    bool Anonym = false;    // not defined by name
};

struct Delkomer : Meridlo {
    std::shared_ptr<Delkomer> Copy() const { return std::make_shared<Delkomer>(*this); }
};

struct Sklonomer : Meridlo {
    std::shared_ptr<Sklonomer> Copy() const { return std::make_shared<Sklonomer>(*this); }
};

struct KompasOdchylka {
    double Odchylka = 0.0; // radians
    std::int32_t Datum = 0;
    bool Pouzita = false;
};

class KompasDef {
public:
    std::string Jmeno;
    int Jednotky = 0;      // angle unit of readings, deviations and accuracy
    double Presnost = 0.0; // radians
    std::int32_t Datum = 0;
    bool Pouzit = false;
    bool Anonym = false;
    int Cislo = 0;

    // The entry of this date and value when there is one, else a new one placed after every
    // entry not later; either way it becomes the current entry.
    std::shared_ptr<KompasOdchylka> AddOdch(double odchylka, std::int32_t datum);
    const std::shared_ptr<KompasOdchylka>& AktOdchylka() const { return aktualni_; }
    int CountOdch() const { return static_cast<int>(odchylky_.size()); }
    // Entry i (1..CountOdch) in date order; nothing outside.
    std::shared_ptr<KompasOdchylka> Odchylky(int i) const;

    // The settings without the deviations.
    std::shared_ptr<KompasDef> Copy() const;
    // Degrees, the given accuracy and one deviation entry 0 of the given date.
    static std::shared_ptr<KompasDef> CreateAnonym(double presnost, std::int32_t datum);

private:
    std::vector<std::shared_ptr<KompasOdchylka>> odchylky_;
    std::shared_ptr<KompasOdchylka> aktualni_;
};

// The compass in force for a measurement: a definition and one of its deviation entries.
class Kompas {
public:
    Kompas() = default;
    Kompas(std::shared_ptr<KompasDef> definice, std::shared_ptr<KompasOdchylka> odchylka)
        : definice_(std::move(definice)), odchylka_(std::move(odchylka))
    {
    }

    const std::shared_ptr<KompasDef>& Definice() const { return definice_; }
    const std::shared_ptr<KompasOdchylka>& Odchylka() const { return odchylka_; }
    bool Platny() const { return definice_ && odchylka_; }

    const std::string& Jmeno() const { return definice_->Jmeno; }
    int Jednotky() const { return definice_->Jednotky; }
    double Presnost() const { return definice_->Presnost; }
    bool Anonym() const { return definice_->Anonym; }
    double HodnotaOdchylky() const { return odchylka_->Odchylka; }

    // Both the definition and the deviation entry used.
    bool Use() const { return definice_->Pouzit && odchylka_->Pouzita; }
    void Use(bool pouzit);

    // The same definition and the same deviation entry.
    bool operator==(const Kompas&) const = default;

    // A copied definition carrying the same deviation value and date.
    Kompas Copy() const;
    static Kompas CreateAnonym(double presnost, std::int32_t datum);

private:
    std::shared_ptr<KompasDef> definice_;
    std::shared_ptr<KompasOdchylka> odchylka_;
};

// Records 1..Count in order of addition, plus (name, number) pairs sorted by name.
template <class T>
class SeznamMeridel {
public:
    int Count() const { return static_cast<int>(polozky_.size()); }
    bool Exist(std::string_view jmeno) const { return Najdi(jmeno) != nullptr; }

protected:
    std::shared_ptr<T> Najdi(std::string_view jmeno) const;
    // Positive: position; negative -k: the k-th in name order; nothing for other keys.
    std::shared_ptr<T> Polozka(int klic) const;
    // Numbers the record and indexes its name (which must be new).
    std::shared_ptr<T> Vloz(std::shared_ptr<T> zaznam);
    // "#NEZNAMY n" with the lowest n not taken yet.
    std::string VolneAnonymniJmeno() const;

    std::vector<std::shared_ptr<T>> polozky_;

private:
    std::size_t DolniMez(std::string_view jmeno) const;
    std::vector<std::pair<std::string, int>> jmena_;
};

// Tapes and clinometers differ only in what their fields mean.
template <class T>
class SeznamSeZpusobem : public SeznamMeridel<T> {
public:
    // A name that exists already adds nothing; the existing record is returned.
    std::shared_ptr<T> Add(const std::string& jmeno, int jednotky, double presnost, int zpusob,
                           std::int32_t datum);
    // A registered anonymous record of the same unit, mode and accuracy, or a new one under
    // the next free "#NEZNAMY n", anonymous and used.
    std::shared_ptr<T> AddAnonym(const T& vzor);
};

class Delkomery : public SeznamSeZpusobem<lomvira::Delkomer> {
public:
    std::shared_ptr<lomvira::Delkomer> Delkomer(std::string_view jmeno) const { return Najdi(jmeno); }
    std::shared_ptr<lomvira::Delkomer> Delkomer(int klic) const { return Polozka(klic); }
};

class Sklonomery : public SeznamSeZpusobem<lomvira::Sklonomer> {
public:
    std::shared_ptr<lomvira::Sklonomer> Sklonomer(std::string_view jmeno) const { return Najdi(jmeno); }
    std::shared_ptr<lomvira::Sklonomer> Sklonomer(int klic) const { return Polozka(klic); }
};

class Kompasy : public SeznamMeridel<lomvira::KompasDef> {
public:
    // Also adds the first deviation entry. A name that exists already adds nothing.
    std::shared_ptr<lomvira::KompasDef> Add(const std::string& jmeno, int jednotky, double presnost,
                                            double odchylka, std::int32_t datum);
    // Registers an anonymous compass by unit and accuracy (as for tapes) and returns the
    // registered definition paired with the same deviation value and date, all used.
    lomvira::Kompas AddAnonym(const lomvira::Kompas& vzor);
    std::shared_ptr<lomvira::KompasDef> KompasDef(std::string_view jmeno) const { return Najdi(jmeno); }
    std::shared_ptr<lomvira::KompasDef> KompasDef(int klic) const { return Polozka(klic); }
};

struct Deklinace {
    double Hodnota = 0.0;        // radians
    double RocniPrirustek = 0.0; // radians per year; listed, applied by nothing
    std::int32_t Datum = 0;
    int Jednotky = 0;            // unit the command used, for the listing
    bool Pouzita = false;
};

// Entries 1..Count sorted by date, and entry 0 (value 0) in force until the first one.
class Deklinaces {
public:
    Deklinaces();
    // As KompasDef::AddOdch: an equal entry (date and value) is reused; the result is current.
    std::shared_ptr<lomvira::Deklinace> Add(double hodnota, std::int32_t datum, int jednotky,
                                            double rocniPrirustek);
    const std::shared_ptr<lomvira::Deklinace>& AktDekl() const { return aktualni_; }
    int Count() const { return static_cast<int>(polozky_.size()) - 1; }
    // Entry i; entry 0 for any i outside 1..Count.
    std::shared_ptr<lomvira::Deklinace> Deklinace(int i) const;

private:
    std::vector<std::shared_ptr<lomvira::Deklinace>> polozky_; // [0] is entry 0
    std::shared_ptr<lomvira::Deklinace> aktualni_;
};

extern template class SeznamMeridel<Delkomer>;
extern template class SeznamMeridel<Sklonomer>;
extern template class SeznamMeridel<KompasDef>;
extern template class SeznamSeZpusobem<Delkomer>;
extern template class SeznamSeZpusobem<Sklonomer>;

} // namespace lomvira
