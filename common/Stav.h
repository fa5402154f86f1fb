#pragma once
// The processing stage of the survey data and the guard against re-entering long work.

#include <cstdint>

namespace lomvira {

// Bits of Hotovo.
inline constexpr std::uint16_t HotovoNacteno = 0x1;
inline constexpr std::uint16_t HotovoVektorizovano = 0x4;
inline constexpr std::uint16_t HotovoVypocteno = 0x8;

class StavZpracovani {
public:
    // 0 no survey data, 1 loaded, 2 vectorised, 3 computed.
    std::int16_t Stav = 0;
    std::uint16_t Hotovo = 0;

    bool JeNacteno() const { return (Hotovo & HotovoNacteno) != 0; }
    bool JeVektorizovano() const { return (Hotovo & HotovoVektorizovano) != 0; }
    bool JeVypocteno() const { return (Hotovo & HotovoVypocteno) != 0; }

    // True when no long operation runs; the caller then owns the guard until KonecPrace.
    bool ZacniPraci();
    void KonecPrace();
    std::int16_t Zaneprazdneno() const { return zaneprazdneno_; }

private:
    std::int16_t zaneprazdneno_ = 0;
};

// Holds the guard for one scope; `Ziskano()` tells whether the work may run.
class Prace {
public:
    explicit Prace(StavZpracovani& stav) : stav_(stav), ziskano_(stav.ZacniPraci()) {}
    ~Prace()
    {
        if (ziskano_)
            stav_.KonecPrace();
    }
    Prace(const Prace&) = delete;
    Prace& operator=(const Prace&) = delete;
    bool Ziskano() const { return ziskano_; }

private:
    StavZpracovani& stav_;
    bool ziskano_;
};

} // namespace lomvira
