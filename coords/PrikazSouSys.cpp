#include "coords/PrikazSouSys.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "coords/KrovakJTSK.h"

#include <algorithm>

namespace lomvira {

namespace {

const char* PriponaJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaGrady: return "/g";
    case JednotkaRadiany: return "/r";
    default: return "/d";
    }
}

std::string Uhel(double hodnota, int jednotky)
{
    return FormatCisloBezNul(hodnota, jednotky == JednotkaRadiany ? 7 : 5);
}

} // namespace

std::string PrikazSouSys(const VolbySouSys& v)
{
    std::string t = "! SOU_SYS=";
    if (v.jtsk) {
        t += v.xy ? "JTSK_XY," : "JTSK,";
        switch (v.konvergence) {
        case KonvergenceJTSK::Zadana:
            t += CarkaNaTecku(Orizni(v.konvergenceText)) + PriponaJednotek(v.konvJednotky);
            break;
        case KonvergenceJTSK::PrvniDanyBod: t += "C_PDB"; break;
        case KonvergenceJTSK::TeziseDanychBodu: t += "C_TDB"; break;
        default: t += "C_TPB"; break;
        }
    } else {
        t += CarkaNaTecku(Orizni(v.uhelX)) + PriponaJednotek(v.osaXJednotky) + "," + (v.levotocivy ? "L" : "P");
    }
    t += v.bpv ? ",BPV" : ",VLASTNI";
    t += ",VIR_VYROV=";
    t += v.zpusobVyrovnani == 0 ? "ZADNE" : v.zpusobVyrovnani == 1 ? "SPOLECNE" : "SAMOSTATNE";
    const std::string sr = Orizni(v.sr);
    if (v.srovnavaci && !sr.empty())
        t += v.kBodu ? ",NUL_BOD=" + sr : ",NUL_HLADINA=" + CarkaNaTecku(sr);
    return t + "\r\n";
}

std::string KontrolaSouSys(const VolbySouSys& v)
{
    if (v.jtsk && v.konvergence == KonvergenceJTSK::Zadana && !CtiCislo(v.konvergenceText))
        return "Meridiánová konvergence není číslo.";
    if (!v.jtsk && !CtiCislo(v.uhelX))
        return "Azimut osy X není číslo.";
    const std::string sr = Orizni(v.sr);
    if (v.srovnavaci && !sr.empty()) {
        if (!v.kBodu && !CtiCislo(sr))
            return "Výška srovnávací roviny není číslo.";
        if (v.kBodu && sr.find_first_of(" \t=!*#(),;\"") != std::string::npos)
            return "Název srovnávacího bodu nesmí obsahovat mezery ani znaky = ! * # ( ) , ; \"";
    }
    return {};
}

VolbySouSys VolbyZeSystemu(const SourSystem& s)
{
    VolbySouSys v;
    if (s.Typ() == 0)
        return v;
    const int jednotky = std::clamp(static_cast<int>(s.JednotkyUhlu()), 0, 2);
    v.jtsk = s.JTSK();
    v.xy = s.XY();
    if (v.jtsk) {
        // Without a convergence the system computes it at the first given point.
        v.konvergence = s.AutomatickaKonvergence() <= 0 ? KonvergenceJTSK::PrvniDanyBod
                                                        : std::min(s.AutomatickaKonvergence() - 1, 3);
        if (v.konvergence == KonvergenceJTSK::Zadana) {
            v.konvergenceText = Uhel(Z_Radianu(s.Natoceni(), jednotky), jednotky);
            v.konvJednotky = jednotky;
        }
    } else {
        // The rotation is stored as π/2 minus the azimuth of the X axis.
        v.uhelX = Uhel(Z_Radianu(PI / 2 - s.Natoceni(), jednotky), jednotky);
        v.osaXJednotky = jednotky;
        v.levotocivy = s.SLev() < 0;
    }
    v.bpv = s.BPV();
    v.zpusobVyrovnani = std::clamp(static_cast<int>(s.ZpusobVyrovnani()), 0, 2);
    v.srovnavaci = s.RelativniVysky() != VyskyVlastni;
    v.kBodu = s.RelativniVysky() == VyskyKBodu;
    if (v.kBodu)
        v.sr = s.SrovnavaciBod();
    else if (v.srovnavaci)
        v.sr = FormatCisloBezNul(s.SrovnavaciRovina(), 4);
    return v;
}

} // namespace lomvira
