#pragma once
// The slow, obvious least-squares solution of a network, to check the sparse solver: the
// dense normal equations of each axis built directly from the observations and solved by
// Cholesky decomposition. Plus random networks with known true coordinates, and a
// comparison of coordinates that names the node and axis that differ.

#include "adjust/GAUSV.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace lomvira::test {

struct HustaZamera {
    int a = 0, b = 0;                // from node, to node
    double L = 0, Az = 0, Inc = 0;   // metres, radians
    double vL = 0, vA = 0, vI = 0;   // accuracy of the length, azimuth and inclination
};

struct HustyPevnyBod {
    int uzel = 0;
    BodXYZ xyz;
};

// Coordinates of nodes 1..n (index 0 unused) minimising, per axis, the sum over shots of
// w (coordinate(b) - coordinate(a) - d)^2 with w = 1 / (L s), s the standard deviation of
// that axis of the shot vector. Nothing when the normal matrix is not positive definite.
std::optional<std::vector<BodXYZ>> HusteReseni(int n, const std::vector<HustaZamera>& zamery,
                                               const std::vector<HustyPevnyBod>& pevne);

// The shot from a to b that measures the vector (dx, dy, dz).
HustaZamera ZameraVektoru(int a, int b, double dx, double dy, double dz, double vL, double vA, double vI);

struct NahodnaSit {
    int n = 0;
    std::vector<BodXYZ> pravda; // true coordinates, index 1..n
    std::vector<HustaZamera> zamery;
    std::vector<HustyPevnyBod> pevne;
};

// A connected network over nodes 1..n: a spanning tree whose shots mostly join nodes close
// in number (as a survey walks), `smycek` extra loop-closing shots, `pevnych` fixed nodes
// at their true positions. Shots are measured from the truth with uniform noise of up to
// `sum` metres per axis (0 gives exact geometry) and random accuracies.
NahodnaSit GenerujSit(int n, int smycek, int pevnych, double sum, unsigned seed);

// The same network through the sparse solver (fixed nodes handed over in the given
// order); the failure's reason goes to `stav` when given.
std::optional<std::vector<BodXYZ>> ResitRidce(NormalSystem& soustava, const NahodnaSit& sit, Platforma& platforma,
                                              StavReseni* stav = nullptr);

// Every node 1..n of `skutecne` within `tolerance` of `ocekavane`, per axis.
::testing::AssertionResult StejneSouradnice(const std::vector<BodXYZ>& ocekavane,
                                            const std::vector<BodXYZ>& skutecne, double tolerance);

} // namespace lomvira::test
