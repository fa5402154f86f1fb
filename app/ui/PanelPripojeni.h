#pragma once
// The "Připojení" panel: the connections of the selected region's stations to given points
// and, once computed, how far each given point lies from the turned network, either as a
// horizontal length, its bearing and a height ("Cylindrické") or by the output axes
// ("Kartéřské").

#include "app/ui/PanelSeznamu.h"

namespace lomvira {

struct Kontext;

class PanelPripojeni : public PanelSeznamu {
    Q_OBJECT

public:
    explicit PanelPripojeni(Kontext& kontext, QWidget* parent = nullptr);

    // Lists the connections of region r (0: of all regions).
    void Obnov(int oblast);

private:
    std::string HlavickaOdchylek() const;
    std::string Odchylky(double a, double b, double c) const;

    Kontext& k_;
    int oblast_ = 0;
};

} // namespace lomvira
