#pragma once
// Large synthetic surveys for timing: caves grown as passages with loops, and mine
// grids. Each is written as a notebook and, for the yardstick run, as the same data in
// the other reduction program's text format.

#include <string>
#include <vector>

namespace lomvira::bench {

struct Poloha {
    double x = 0, y = 0, z = 0; // east, north, up
};

struct Pruzkum {
    std::vector<Poloha> body;               // station i is named Jmeno(i)
    std::vector<std::pair<int, int>> zamery; // in the order of the notebook lines
    std::vector<int> dane;                  // stations given by their true coordinates
};

std::string Jmeno(int i);

// A cave of `stanic` stations: passages that wander, side branches from older stations,
// every `mistniKazdych`-th station closing a small loop a few stations back along its
// passage (0: none), and `dalekych` loop shots between stations chosen anywhere.
Pruzkum Jeskyne(int stanic, int mistniKazdych, int dalekych, unsigned seed);

// A mine of `strana` x `strana` crossings 10 m apart, each joined to its neighbours; the
// lines run row by row or in random order.
Pruzkum Dul(int strana, bool nahodne, unsigned seed);

// The notebook (.mer) and the same shots and given points as .svx text.
std::string Zapisnik(const Pruzkum& p);
std::string Svx(const Pruzkum& p);

} // namespace lomvira::bench
