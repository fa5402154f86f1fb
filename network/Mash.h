#pragma once
// A network of its own, apart from the survey's vectorisation: the caller puts shots into
// it, marks the point it hangs from, and has it cut into groups and vectors (chains of
// shots between junctions). The error analysis builds one per region and reads it back
// through the numbered accessors below, without touching the survey's groups.
//
// Names: Poc = count of, Sku = group, Vek = vector, Zam = shot, Bod = point; the suffix
// letters are the indexes taken (S group, V vector within the group, I and L an index
// within that, J a station). Internal points are numbered 1..Get_Poc_iBod() in the order
// their stations were first added. Every index is 1-based; an index out of range gives 0
// (a count, point or shot) or -1 (a group type) and never fails.
//
// The walk is the vectorisation's, without stripping dead ends: every shot is walked, and
// a dead end stays a group of its own (type 1) beside the network groups (type 2) whose
// vectors each lie on a loop.

#include "model/Typy.h"

#include <cstdint>
#include <iosfwd>
#include <unordered_map>
#include <vector>

namespace lomvira {

class Platforma;

class Mash {
public:
    // The two ends (internal points) of a group's shot, in the direction walked.
    struct Konce {
        int z = 0;
        int k = 0;
    };
    // Where a shot lies: group, vector within it and index within the vector.
    struct Poloha {
        int skupina = 0;
        int vektor = 0;
        int index = 0;
    };

    explicit Mash(Platforma& platforma) : platforma_(platforma) {}

    // When no point is marked and the mesh has two points or more: marks the point with
    // the most neighbours (the first on ties), or the first point without any when no
    // point has more than two; returns its station, else 0.
    CisloBodu Auto_DBod();
    // Where the shot lies (its sign ignored); 0, 0, 0 when it is not in any group.
    Poloha Find_Zam(CisloZamery shot) const;
    // Position of the station in the group's point list; 0 when absent.
    int Get_lBod_SJ(int s, CisloBodu j) const;
    // Station of internal point i; 0 out of range.
    CisloBodu Get_jBod(int i) const;
    // Internal point at position l of the group's point list.
    int Get_IBod_SL(int s, int l) const;
    // Station of the group's i-th point.
    CisloBodu Get_Bod_SI(int s, int i) const;
    // The shot of that entry, signed so that it runs in the direction walked.
    CisloZamery Get_iZam_SVI(int s, int v, int i) const;
    int Get_Poc_Bod_S(int s) const;
    int Get_Poc_iBod() const { return static_cast<int>(body_.size()); }
    int Get_Poc_Sku() const { return static_cast<int>(skupiny_.size()); }
    int Get_Poc_Vek_S(int s) const;
    int Get_Poc_Zam_SV(int s, int v) const;
    // 1 for a traverse or dead end, 2 for a network group; -1 out of range.
    int Get_Typ_Sku(int s) const;
    Konce Get_Zam_SVI(int s, int v, int i) const;
    // The group's i-th shot counted over all its vectors.
    Konce Get_Zam_SI(int s, int i) const;
    // Forms the groups once after the last change. A mesh with shots but no marked point
    // has nothing to hang from: "Chyba" is shown and no group formed. Parts not connected
    // to the marked point are walked from their first point.
    void Skupiny();
    // Marks the station's point as fixed (a virtual neighbour); a station not in the mesh,
    // or a second mark, changes nothing.
    void Add_DBod(CisloBodu j);
    // Adds the shot from station a to station b; `shot` is its number signed so that it
    // runs from a to b. Kept with the number negated when a's point is the higher one.
    void Add_Zam(CisloBodu a, CisloBodu b, CisloZamery shot);
    // Internal point of the station; 0 when absent.
    int Get_Bod(CisloBodu j) const;
    void Reset_Mash();
    // The diagnostic dump: tables "Skupiny", "Vektory" and "Zamery".
    void VypisSite(std::ostream& out);
    // The station of every internal point; element 0 unused.
    std::vector<CisloBodu> Vystup() const;

private:
    struct Zamera {
        int nizsi = 0;
        int vyssi = 0;
        CisloZamery cislo = 0; // runs from the lower to the higher point
    };
    struct Skupina {
        int typ = 0;
        int start = 0;            // the point at position 1
        std::int32_t vektorKonec = 0; // cumulative ends in vektory_ and skupBody_
        std::int32_t bodKonec = 0;
    };
    struct Vektor {
        int start = 0;
        int konec = 0;
        std::int32_t zamerKonec = 0; // cumulative end in zamery_ of the groups
        int typ = 0;
    };
    struct Krok {
        int z = 0;
        int k = 0;
        CisloZamery cislo = 0; // signed along the walk
    };
    class Pruchod;

    bool PlatnaSkupina(int s) const { return s >= 1 && s <= Get_Poc_Sku(); }
    bool PlatnyVektor(int s, int v) const { return PlatnaSkupina(s) && v >= 1 && v <= Get_Poc_Vek_S(s); }
    std::int32_t PrvniVektor(int s) const;
    std::int32_t PrvniZamera(std::int32_t vektor) const;
    std::int32_t PrvniBod(int s) const;
    int PridejBod(CisloBodu j);

    Platforma& platforma_;
    std::vector<CisloBodu> body_; // internal point i is body_[i - 1]
    std::unordered_map<CisloBodu, int> index_;
    std::vector<Zamera> seznam_;
    int oznaceny_ = 0;            // the marked point, 0 none
    std::size_t znackaPo_ = 0;    // shots added before the mark: its place among the neighbours
    bool platne_ = false;

    std::vector<Skupina> skupiny_;
    std::vector<Vektor> vektory_;
    std::vector<Krok> zamery_;
    std::vector<int> skupBody_;
    // Sorted by |shot|: the shot and where it lies.
    std::vector<std::pair<CisloZamery, Poloha>> polohy_;
};

} // namespace lomvira
