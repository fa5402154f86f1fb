#include "app/DataVystupu.h"

#include "app/Kontext.h"

#include <sstream>

namespace lomvira {

VerzeProgramu Verze()
{
    VerzeProgramu v;
    char tecka = 0;
    std::istringstream text(LOMVIRA_VERSION);
    text >> v.hlavni >> tecka >> v.vedlejsi >> tecka >> v.revize;
    return v;
}

VstupVystupu DataVystupu(const Kontext& k)
{
    VstupVystupu v{k.model, k.seznamMereni, {}, {}, k.komentarZpravy, {}, {}, Verze()};
    if (k.nacti) {
        v.system = k.nacti->SourSys();
        v.lokalita = k.nacti->LokalitaZapisniku();
        v.vrstvy = k.nacti->JmenaVrstev();
        v.mista = k.nacti->JmenaMist();
    }
    return v;
}

} // namespace lomvira
