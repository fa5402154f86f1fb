#pragma once
// Weighted least-squares adjustment of one network group: the normal equations of the
// coordinate differences measured by the shots, held sparsely, built shot by shot and
// solved by a sparse L D L^T factorisation under a fill-reducing ordering.
//
// The three axes share one sparsity pattern and carry their own values: each shot gives
// each axis its own weight, and the equations of different axes never mix. The matrix is
// the negative of the weighted graph Laplacian (off-diagonal +w, diagonal -sum w).
//
// The computation is deterministic (no threads, no pivoting), so a network gives the
// same coordinates to the last bit on every run and in both the driver and the error
// analysis.

#include "common/Platforma.h"
#include "model/Typy.h"

#include <optional>
#include <string>
#include <vector>

namespace lomvira {

// Node numbers of one system are 1..N; numbering follows the station numbers.
inline constexpr int MaxUzelSoustavy = MaxCislo;

struct BodXYZ {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

// Weights of the three axes of one shot.
struct VahyOs {
    double wX = 0.0;
    double wY = 0.0;
    double wZ = 0.0;
};

enum class ChybaReseni {
    Zadna = 0,
    NeplatnyUzel,        // node number outside 1..MaxUzelSoustavy, or a shot from a node to itself
    NeplatnaZamera,      // length or accuracy not positive and finite, angle not finite
    NeplatnaHodnota,     // a value added to the equations is not finite
    PrazdnaSoustava,     // no equation at all
    UzSpotrebovana,      // the system was solved already; clear it first
    ChybiRovnice,        // a node without any equation, or without its diagonal term
    NesoumernaSoustava,  // key (r, c) without key (c, r)
    BezPevnehoBodu,      // no fixed node, or a part of the network without one
    NeplatnyPevnyBod,    // fixed node not in the system, not finite, or fixed twice differently
    NulovyPivot,         // zero or non-finite pivot
    NeplatnyVysledek,    // a coordinate of the solution is not finite
    NedostatekPameti,
};

// Outcome of an operation: success, or the failure with the node concerned and its text.
struct StavReseni {
    ChybaReseni chyba = ChybaReseni::Zadna;
    int uzel = 0;
    std::string text; // Czech reason for the user; empty on success

    bool Ok() const { return chyba == ChybaReseni::Zadna; }
    explicit operator bool() const { return Ok(); }
};

// The weights 1/(L s) of the three axes, where sX, sY, sZ combine the accuracy of the
// length (along the shot), of the azimuth (horizontal transverse) and of the inclination
// (vertical transverse). No checks: AddShotEquations validates its arguments first.
VahyOs ShotAxisWeights(double L, double Az, double Inc, double vL, double vA, double vI);

// Nodes held at known coordinates. Any order is accepted; the solver sorts them.
class FixedNodes {
public:
    struct Uzel {
        int uzel = 0;
        BodXYZ xyz;
    };

    void Clear() { uzly_.clear(); }
    void Add(int uzel, double x, double y, double z) { uzly_.push_back({uzel, {x, y, z}}); }
    int Count() const { return static_cast<int>(uzly_.size()); }
    const std::vector<Uzel>& Uzly() const { return uzly_; }

private:
    std::vector<Uzel> uzly_;
};

class NormalSystem {
public:
    // Empties the system; the memory is kept for the next one.
    void ClearSystem();

    // Adds (dx, dy, dz) to the entry at (row, column), creating it at zero when missing.
    // Column 0 is the right-hand side. A node number out of range or a value that is not
    // finite changes nothing and makes the next SolveSystem fail with that reason.
    StavReseni AddToEntry(int row, int column, double dx, double dy, double dz);

    // The terms of one shot from node a to node b of length L (metres), azimuth Az and
    // inclination Inc (radians) with its accuracy values vL, vA, vI. A shot with invalid
    // values adds nothing; every failure is reported again by SolveSystem.
    StavReseni AddShotEquations(int a, int b, double L, double Az, double Inc, double vL, double vA,
                                double vI);

    // Solves with the given fixed nodes (in any order), reporting progress on the
    // platform. The equations are used up: the next system starts with ClearSystem. On
    // failure nothing of the solution can be read.
    StavReseni SolveSystem(const FixedNodes& pevne, Platforma& platforma);

    // Coordinates of node 1..N after a successful SolveSystem; nothing otherwise.
    std::optional<BodXYZ> GetSolution(int uzel) const;

    // The entry (row, column) while the system is being built; nothing when absent.
    std::optional<BodXYZ> FindEntry(int row, int column) const;

    // Number of unknowns: the highest node with an equation (the solved N after a solve).
    int N() const { return pocetUzlu_; }
    bool Vyreseno() const { return stav_ == Faze::Vyreseno; }

private:
    struct Clen {
        int sloupec = 0;
        double x = 0.0, y = 0.0, z = 0.0;
    };
    enum class Faze { Sestavovani, Vyreseno, Selhalo };

    StavReseni Zaznamenej(StavReseni s);
    StavReseni Zkontroluj(const FixedNodes& pevne, std::vector<FixedNodes::Uzel>& serazene) const;
    StavReseni ZkontrolujPevne(const FixedNodes& pevne, std::vector<FixedNodes::Uzel>& serazene) const;
    StavReseni ZkontrolujSpojeni(const std::vector<FixedNodes::Uzel>& serazene) const;
    StavReseni Pricti(int row, int column, double dx, double dy, double dz);
    StavReseni Rozloz(const std::vector<FixedNodes::Uzel>& serazene, Platforma& platforma);
    StavReseni Res(const FixedNodes& pevne, Platforma& platforma);

    // The system being built: row r holds its entries sorted by column, column 0 (the
    // right-hand side) first.
    std::vector<std::vector<Clen>> radky_;
    std::vector<BodXYZ> reseni_;
    int pocetUzlu_ = 0;
    Faze stav_ = Faze::Sestavovani;
    StavReseni prvniChyba_; // first failure while building; SolveSystem reports it
    bool jenZamery_ = true;  // built by AddShotEquations alone
};

} // namespace lomvira
