#pragma once
// Finding blunders. Every network group of a region is adjusted as a free network (its
// first point held at 0, 0, 0, nothing else fixed, no rotation) and each shot gets its
// error intensity: its weighted misfit in that adjustment. A cross-link (a vector of the
// network between junctions) can then be cut: the rest is adjusted without it, and the
// cross-link carried from its start misses the solved position of its end by its
// difference in metres. A large intensity or difference points at the blunder.
//
// The analysis builds its own networks (Mash) and systems (Gauss); it never changes the
// survey model or the results of the computation.

#include "adjust/GAUSV.h"
#include "adjust/Gauss.h"
#include "model/Typy.h"
#include "network/Mash.h"

#include <string>
#include <vector>

namespace lomvira {

struct Model;
class Krizovat;
class Platforma;

// Texts of the result list.
inline constexpr const char* HlavickaChyb = "Z                         Přez                      Do";
inline constexpr const char* NadpisIntenzit = "Intenzita chyby";
inline constexpr const char* NadpisRozdilu = "Rozdíl [m]";

// One line of the result list: a shot (intensities) or a cross-link (differences).
struct PolozkaChyby {
    CisloBodu od = 0;
    CisloBodu pres = 0; // the cross-link's first intermediate station; 0 for none ("-")
    CisloBodu k = 0;
    double hodnota = 0.0;
    // The shot the line stands for: the listed shot, or the cross-link's first shot.
    CisloZamery polozka = 0;
    int oblast = 0;
    int skupina = 0; // group and vector of the region's network
    int pricka = 0;
    std::vector<CisloZamery> zamery; // a cross-link's shots, signed as walked; empty for a shot
};

// The measurement that best explains a cross-link's difference.
enum class Velicina { Delka, Azimut, Sklon };

// The most likely faulty cross-link of one network group.
struct NalezChyby {
    PolozkaChyby pricka;                 // its stations, shots and difference
    CisloZamery podezrela = 0;           // the shot whose single error fits the difference best; 0 none
    Velicina velicina = Velicina::Delka; // and which of its measurements
};

class AnalyzaChyb {
public:
    // viceMereni: the "VICE_MERENI" option (repeated measurements reduce the variances).
    AnalyzaChyb(const Model& model, const Krizovat& sit, Platforma& platforma, bool viceMereni);

    // Mode 1: the intensity of every shot of every network group, one line per shot. Mode 2:
    // the difference of every cross-link that holds one of the `vybrane` shots (their sign
    // ignored), one line per cross-link. A group that cannot be built or solved is told
    // ("Chyba v analyze skupiny") and the analysis goes on with the next.
    const std::vector<PolozkaChyby>& AnalyzujChyby(int rezim, const std::vector<CisloZamery>& vybrane = {});

    // Per network group: cuts the three cross-links that hold its highest intensities and
    // names the one whose cut explains most of the group's misfit (of nearly equal ones,
    // the one where a single measurement explains the difference best).
    std::vector<NalezChyby> NajdiChybu();

    // The weighted misfit of the shot when its ends stand at p1 and p2.
    double IntenzitaChyby(CisloZamery shot, const BodXYZ& p1, const BodXYZ& p2) const;
    // The intensity the last run found for the shot (0 when none).
    double Intenzita(CisloZamery shot) const;

    int Rezim() const { return rezim_; }
    const std::vector<PolozkaChyby>& Vysledky() const { return vysledky_; }

private:
    struct Rozdil {
        bool ok = false;
        BodXYZ d;           // carried end minus solved end
        double metru = 0.0;
        double ubytek = 0.0; // how much of the group's misfit the cut removes
    };

    bool SestavOblast(int r);
    std::string Jmeno(int r, int s, int pricka) const;
    void Polohy(int s);
    int Poloha(int bod) const { return poloha_[static_cast<std::size_t>(bod)]; }
    bool Res(int r, int s, int pricka, std::vector<BodXYZ>& body);
    double Nesoulad(int s, int pricka, const std::vector<BodXYZ>& body, bool zapsat);
    double Nesoulad(CisloZamery shot, const BodXYZ& p1, const BodXYZ& p2, double& rozpor) const;
    Rozdil Odpoj(int r, int s, int pricka, double nesoulad);
    PolozkaChyby Pricka(int r, int s, int pricka, double hodnota) const;
    NalezChyby Vyber(int r, int s, const std::vector<int>& pricky, const std::vector<Rozdil>& rozdily) const;
    bool Skupina(int r, int s, const std::vector<CisloZamery>& vybrane);
    void ChybaSkupiny();

    const Model& model_;
    const Krizovat& sit_;
    Platforma& platforma_;
    const bool viceMereni_;
    Mash mash_;
    Gauss gauss_;
    int rezim_ = 0;
    std::vector<double> intenzita_; // by |shot|
    std::vector<PolozkaChyby> vysledky_;
    std::vector<NalezChyby> nalezy_;
    // Position of each mesh point in the group being solved.
    std::vector<int> poloha_;
};

// The line of the list: the three station names as 10 characters each in the columns of
// the header, "-" for no intermediate station, then the value.
std::string RadekChyby(const Model& model, const PolozkaChyby& p);

} // namespace lomvira
