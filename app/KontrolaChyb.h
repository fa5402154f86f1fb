#pragma once
// "Kontrola chyb" over the open survey: the error analysis run on the vectorised survey,
// its lines as the window and the command line show them, and where each shot's
// measurements stand in the notebook.

#include "adjust/AnalyzaChyb.h"
#include "model/Typy.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lomvira {

struct Kontext;

// A measurement line of the loaded notebook: its 1-based byte index and length, and its
// 1-based line number.
struct RadekZapisniku {
    std::int32_t zacatek = 0;
    std::int32_t delka = 0;
    int cislo = 0;
};

class KontrolaChyb {
public:
    // One line of the result list, with the value it is sorted by and the shot it stands
    // for (the listed shot, the cross-link's first shot, or the suspected shot).
    struct Radek {
        std::string text;
        double hodnota = 0.0;
        CisloZamery zamera = 0;
    };

    // What the lines show.
    enum class Rezim { Zadny, Intenzity, Rozdily, NalezeneChyby };

    explicit KontrolaChyb(Kontext& k) : k_(k) {}

    // The runs need a vectorised survey and no other long operation; false (nothing run)
    // otherwise. Each recomputes everything from the present survey.
    bool Intenzity();
    // The cross-links that hold the given shots.
    bool Rozdily(const std::vector<CisloZamery>& vybrane);
    bool NajdiChybu();

    Rezim Stav() const { return rezim_; }
    const std::vector<Radek>& Radky() const { return radky_; }
    // The lines with the notebook line numbers of their shots appended.
    std::vector<std::string> RadkySCisly() const;
    // The measurement lines of the shot (either sign), in notebook order.
    std::vector<RadekZapisniku> RadkyZamery(CisloZamery shot) const;

private:
    bool Spust(Rezim rezim, const std::vector<CisloZamery>& vybrane);
    void MapaRadku();
    std::string Jmeno(CisloBodu s) const;
    std::string CislaRadku(const std::vector<CisloZamery>& zamery) const;
    std::string RadekNalezu(const NalezChyby& n) const;

    Kontext& k_;
    Rezim rezim_ = Rezim::Zadny;
    std::vector<Radek> radky_;
    // The shots of each line, for the line numbers.
    std::vector<std::vector<CisloZamery>> zameryRadku_;
    // Per |shot|: its measurement lines.
    std::vector<std::vector<RadekZapisniku>> radkyZamer_;
};

// The shot between two stations named as in the notebook; 0 when there is none.
CisloZamery ZameraMezi(const Kontext& k, const std::string& od, const std::string& k2);

} // namespace lomvira
