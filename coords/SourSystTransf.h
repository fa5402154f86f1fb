#pragma once
// Points between the computation frame (K: x towards direction 0, y towards direction
// π/2, z up) and the notebook's frame (G: K turned by the system's rotation), and the
// output record with the axis order, signs and labels of the notebook's system.

#include "coords/SourSystem.h"
#include "model/Bod.h"

namespace lomvira {

class SourSystTransf {
public:
    SourSystTransf() = default;
    explicit SourSystTransf(const SourSystem& system) { Create(system); }

    void Create(const SourSystem& system);

    Bod GeogrToKart(const Bod& p) const;
    Bod KartToGeogr(const Bod& p) const;

    Bod KBod() const { return k_; }
    Bod GBod() const { return g_; }
    // Sets the working point in one representation; the others follow.
    void NastavGBod(const Bod& p);
    void NastavKBod(const Bod& p);
    void NastavZBod(const lomvira::ZBod& z);

    // 0 as the system says, 1 Y before X, 2 X before Y.
    void Poradi(int poradi);
    int Poradi() const { return poradi_; }

    const lomvira::ZBod& ZBod() const { return z_; }
    const char* Lab1() const { return popisky_.lab1; }
    const char* Lab2() const { return popisky_.lab2; }
    const char* Lab3() const { return popisky_.lab3; }

    // The output record of a notebook-frame point, and back.
    lomvira::ZBod Vystup(const Bod& g) const;
    Bod ZVystupu(const lomvira::ZBod& z) const;

private:
    SourSystem system_;
    int poradi_ = 0;
    double cos_ = 1.0, sin_ = 0.0;
    PopiskyOs popisky_{"X", "Y", "Z"};
    Bod k_, g_;
    lomvira::ZBod z_;
};

} // namespace lomvira
