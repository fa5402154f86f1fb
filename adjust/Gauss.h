#pragma once
// The adjustment as an object with its own system and fixed nodes, for the error analysis,
// which builds and solves many small networks one after another. Same equations, same
// factorisation and so the same bits as NormalSystem used directly.

#include "adjust/GAUSV.h"
#include "common/Platforma.h"

#include <optional>

namespace lomvira {

class Gauss {
public:
    explicit Gauss(Platforma& platforma) : platforma_(platforma) {}

    // Empties the system and the fixed nodes: each network starts from nothing.
    void Init();
    // Holds the node at (x, y, z); checked when solving.
    void Add_ZBod(int uzel, double x, double y, double z);
    // The terms of one shot, as NormalSystem::AddShotEquations.
    StavReseni Gdosad(int a, int b, double L, double Az, double Inc, double vL, double vA, double vI);
    StavReseni Reseni();
    // Coordinates of a node of the solved system. Any other node (or no solution) shows
    // "Chyba v Gauss" and gives nothing.
    std::optional<BodXYZ> Get_Bod(int uzel);

    bool Vyreseno() const { return soustava_.Vyreseno(); }

private:
    Platforma& platforma_;
    NormalSystem soustava_;
    FixedNodes pevne_;
};

} // namespace lomvira
