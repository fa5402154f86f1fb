#include "support/ZaznamTisku.h"

#include "common/Text.h"

#include <cmath>

namespace lomvira::test {

void ZaznamTisku::Pismo(const std::string& jmeno, double velikost, bool tucne, bool)
{
    pismo_ = jmeno;
    velikost_ = velikost;
    tucne_ = tucne;
}

void ZaznamTisku::Kresli()
{
    if (novaStrana_) {
        ++strana_;
        novaStrana_ = false;
    }
}

double ZaznamTisku::SirkaTextu(const std::string& text) const
{
    return static_cast<double>(PocetZnaku(text)) * 0.6 * velikost_ * 25.4 / 72;
}

void ZaznamTisku::Text(const std::string& text, bool konecRadku)
{
    Kresli();
    const double sirka = SirkaTextu(text);
    texty.push_back({strana_, x_, y_, text, pismo_, velikost_, tucne_, sirka});
    if (konecRadku) {
        x_ = 0;
        y_ += VyskaTextu(text);
    } else {
        x_ += sirka;
    }
}

void ZaznamTisku::Cara(double x1, double y1, double x2, double y2, int sirka)
{
    Kresli();
    cary.push_back({strana_, x1, y1, x2, y2, sirka});
}

bool ZaznamTisku::Konec(std::string& chyba)
{
    ukonceno_ = true;
    chyba = chybaKonce;
    return chyba.empty();
}

std::vector<ZaznamTisku::Napis> ZaznamTisku::Texty(int strana) const
{
    std::vector<ZaznamTisku::Napis> out;
    for (const auto& t : texty)
        if ((strana == 0 || t.strana == strana) && Orizni(t.text) != "")
            out.push_back(t);
    return out;
}

const ZaznamTisku::Napis* ZaznamTisku::Najdi(const std::string& text, int strana) const
{
    for (const auto& t : texty)
        if ((strana == 0 || t.strana == strana) && t.text == text)
            return &t;
    return nullptr;
}

std::string ZaznamTisku::Hodnota(const std::string& popis, int strana) const
{
    const auto* p = Najdi(popis, strana);
    if (!p)
        return {};
    const ZaznamTisku::Napis* nejblizsi = nullptr;
    for (const auto& t : texty)
        if (t.strana == p->strana && std::fabs(t.y - p->y) < 0.01 && t.x > p->x &&
            (!nejblizsi || t.x < nejblizsi->x))
            nejblizsi = &t;
    return nejblizsi ? nejblizsi->text : std::string();
}

} // namespace lomvira::test
