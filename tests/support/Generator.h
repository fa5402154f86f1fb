#pragma once
// Synthetic cave surveys for tests and benchmarks: a random passage network with side
// branches and loop-closing shots, with exact true coordinates, so that a computation
// with zero measurement noise can be checked station by station.

#include <functional>
#include <string>
#include <vector>

namespace lomvira::test {

struct BodPravdy {
    std::string name;
    double x = 0, y = 0, z = 0; // x east (azimuth 90°), y north (azimuth 0), z up
};

struct GenerovanaJeskyne {
    std::string text;              // the notebook
    std::vector<BodPravdy> stanice; // true coordinates, in order of the station numbers met
    int pocetZamer = 0;            // measurement lines
    int pocetSmycek = 0;           // loop-closing shots
};

struct VolbyGeneratoru {
    int stanice = 1000;
    int smyckaKazdych = 10;    // one loop-closing shot per this many stations (0: none)
    int odbockaKazdych = 15;   // a side branch starts every this many stations on average
    int danychBodu = 1;        // given points ("*" lines) taken from the true coordinates
    unsigned seed = 1;
    int desetinnych = 9;       // decimals of the measurement numbers
    double pocatekX = 1000.0, pocatekY = 2000.0, pocatekZ = 500.0; // the first station
    // Commands written before everything else (a coordinate system, a declination...).
    std::string hlavicka;
    // Added to every written azimuth, degrees (a declination of d is written as -d here).
    double posunAzimutu = 0.0;
    // Writes the given point line of a true point; the default writes its true coordinates.
    std::function<std::string(const BodPravdy&)> radekDanehoBodu;
};

GenerovanaJeskyne GenerujJeskyni(const VolbyGeneratoru& volby);

// The measurement line (CR LF ended) of the shot a -> b as exact data, with `posunAzimutu`
// degrees added to its azimuth.
std::string RadekZamery(const BodPravdy& a, const BodPravdy& b, double posunAzimutu, int desetinnych = 9);

// A passage of loops round pillars: at each junction the passage splits into two sides of
// `zamerStrany` shots that meet again, and a traverse of `zamerSpojky` shots leads on to the
// next loop, so every loop is a network group of its own. The data are exact except for the
// blunders asked for.
struct OmylZamery {
    int smycka = 0;       // 0-based loop
    int zamera = 0;       // 0-based shot of the loop: the first side's, then the second's
    char velicina = 'd';  // 'd' length (metres), 'a' azimuth, 's' inclination (degrees)
    double velikost = 0.0;
};

struct VolbySmycek {
    int smycek = 10;
    int zamerStrany = 4;
    int zamerSpojky = 2;
    unsigned seed = 1;
    std::vector<OmylZamery> omyly;
};

struct GenerovaneSmycky {
    GenerovanaJeskyne jeskyne;
    std::vector<int> radkyOmylu; // the notebook line of each blunder, 1-based, in `omyly` order
};

GenerovaneSmycky GenerujSmycky(const VolbySmycek& volby);

} // namespace lomvira::test
