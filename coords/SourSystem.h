#pragma once
// The notebook's coordinate system as its SOU_SYS command states it.

#include <cstdint>
#include <string>

namespace lomvira {

// Height reference kinds.
inline constexpr int VyskyVlastni = 0;
inline constexpr int VyskyKHladine = 1;
inline constexpr int VyskyKBodu = 2;

struct SrovnavaciVyska {
    int druh = VyskyVlastni;   // 0 none, 1 a level, 2 a station
    std::string bod;           // the reference station (kind 2)
    double vyska = 0.0;        // the reference height
};

class SourSystem {
public:
    // Sets every field at once; ignored once a system has been defined.
    void Nastav(double rotation, bool leftHanded, int typeCode, int convergenceMode, bool baltic, int angleUnit,
                std::int32_t further, const SrovnavaciVyska& reference, std::int32_t commandStart,
                int rotationMode);
    void NastavNatoc(double rotation) { natoceni_ = rotation; }

    double Natoceni() const { return natoceni_; }
    double SLev() const { return levotocivy_ ? -1.0 : 1.0; }
    bool JTSK() const { return jtsk_; }
    bool XY() const { return xy_; }
    bool BPV() const { return bpv_; }
    int AutomatickaKonvergence() const { return konvergence_; }
    std::int32_t JednotkyUhlu() const { return jednotky_; }
    // 0 none, 1 own, 2 S-JTSK, 3 S-JTSK with X before Y.
    int Typ() const;
    std::int32_t ZacatekPrikazu() const { return zacatek_; }
    std::int32_t ZpusobVyrovnani() const { return zpusobVyrovnani_; }
    std::int32_t Dalsi() const { return dalsi_; }

    int RelativniVysky() const { return reference_.druh; }
    std::string SrovnavaciBod() const { return reference_.druh == VyskyKBodu ? reference_.bod : std::string(); }
    double SrovnavaciRovina() const;
    void SrovnavaciRovina(double height);
    // Drops the height reference: heights are absolute from then on.
    void ZrusSrovnavaciVysku() { reference_ = {}; }

private:
    bool definovan_ = false;
    bool jtsk_ = false;
    bool bpv_ = false;
    bool levotocivy_ = false;
    double natoceni_ = 0.0;
    std::int32_t jednotky_ = 0;
    int konvergence_ = 0;
    bool xy_ = false;
    SrovnavaciVyska reference_;
    std::int32_t zacatek_ = 0;
    std::int32_t zpusobVyrovnani_ = 0;
    std::int32_t dalsi_ = 0;
};

// Labels of the three output coordinates. Order: 0 as the system says, 1 Y before X,
// 2 X before Y (S-JTSK only).
struct PopiskyOs {
    const char* lab1;
    const char* lab2;
    const char* lab3;
};
int EfektivniPoradi(const SourSystem& system, int poradi);
PopiskyOs Popisky(const SourSystem& system, int poradi = 0);

} // namespace lomvira
