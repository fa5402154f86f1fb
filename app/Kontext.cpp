#include "app/Kontext.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace lomvira {

void Vectorize(Kontext& k)
{
    try {
        Vectorize(k.model, k.sit, k.stav, k.platforma, k.volby.DOTAZY);
    } catch (const std::bad_alloc&) {
        NedostatekPameti(k, "Vektorizaci nelze dokončit: nedostatek paměti.", 1);
    } catch (const std::length_error&) {
        NedostatekPameti(k, "Vektorizaci nelze dokončit: nedostatek paměti.", 1);
    }
}

void NedostatekPameti(Kontext& k, const std::string& zprava, std::int16_t stav)
{
    k.stav.Stav = std::min(k.stav.Stav, stav);
    if (stav < 3)
        k.stav.Hotovo &= static_cast<std::uint16_t>(~HotovoVypocteno);
    if (stav < 2)
        k.stav.Hotovo &= static_cast<std::uint16_t>(~HotovoVektorizovano);
    if (stav < 1)
        k.stav.Hotovo = 0;
    k.StavovyRadek("");
    k.platforma.ZpravaBox(zprava, MsgBox::OkOnly | MsgBox::Critical);
}

} // namespace lomvira
