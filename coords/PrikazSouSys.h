#pragma once
// The coordinate-system command composed from the choices of its dialog, and the choices
// that describe a system the notebook already has.

#include "coords/SourSystem.h"

#include <string>

namespace lomvira {

// Convergence choices of an S-JTSK system (the dialog's list order).
namespace KonvergenceJTSK {
inline constexpr int Zadana = 0;
inline constexpr int PrvniDanyBod = 1;
inline constexpr int TeziseDanychBodu = 2;
inline constexpr int TPB = 3;
} // namespace KonvergenceJTSK

struct VolbySouSys {
    bool jtsk = true;
    bool xy = false; // S-JTSK with X before Y
    int konvergence = KonvergenceJTSK::PrvniDanyBod;
    std::string konvergenceText = "0";
    int konvJednotky = 0;
    std::string uhelX = "0"; // azimuth of the X axis of an own system
    int osaXJednotky = 0;
    bool levotocivy = false;
    bool bpv = false;
    int zpusobVyrovnani = 2; // 0 none, 1 groups together, 2 each group apart
    bool srovnavaci = false; // heights relative to a reference
    bool kBodu = false;      // the reference is a station (else a height)
    std::string sr;          // the reference station or height
};

// "! SOU_SYS=" and its parts, ended by CR LF. Typed numbers may use "," as the decimal mark.
std::string PrikazSouSys(const VolbySouSys& v);

// Why the choices cannot be written ("" when they can): a number box that holds no number,
// or a reference station whose name the parser would cut.
std::string KontrolaSouSys(const VolbySouSys& v);

// The choices that write the given system again (numbers without trailing zeros); the defaults when it has none.
VolbySouSys VolbyZeSystemu(const SourSystem& s);

} // namespace lomvira
