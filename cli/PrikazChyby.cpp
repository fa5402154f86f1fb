#include "cli/PrikazChyby.h"

#include "adjust/AnalyzaChyb.h"
#include "app/Kontext.h"
#include "app/KontrolaChyb.h"
#include "cli/Prikazy.h"

#include <ostream>

namespace lomvira::cli {

namespace {

const char* const Pouziti = "Použití: lomvira-cli errors SOUBOR.mer [--differences OD:DO ... | --find]\n";

} // namespace

int PrikazChyby(Prostredi& env, const std::vector<std::string>& args)
{
    std::vector<std::string> soubory;
    std::vector<std::string> dvojice;
    bool rozdily = false, najdi = false;
    for (const std::string& a : args) {
        if (a == "--differences")
            rozdily = true;
        else if (a == "--find")
            najdi = true;
        else if (rozdily && !soubory.empty())
            dvojice.push_back(a);
        else
            soubory.push_back(a);
    }
    if (soubory.size() != 1 || (rozdily && najdi) || (rozdily && dvojice.empty())) {
        env.err << Pouziti;
        return ChybaPouziti;
    }
    for (const std::string& d : dvojice) {
        const auto dvojtecka = d.find(':');
        if (dvojtecka == std::string::npos || dvojtecka == 0 || dvojtecka + 1 == d.size()) {
            env.err << "Záměru zadejte jako OD:DO, ne " << d << ".\n";
            return ChybaPouziti;
        }
    }
    Kontext k(env.platforma, env.nastaveni);
    if (!NactiDoKontextu(env, soubory[0], k))
        return ChybaZapisniku;
    Vectorize(k);
    if (k.stav.Stav < 2)
        return ChybaZapisniku;
    std::vector<CisloZamery> vybrane;
    for (const std::string& d : dvojice) {
        const auto dvojtecka = d.find(':');
        const CisloZamery z = ZameraMezi(k, d.substr(0, dvojtecka), d.substr(dvojtecka + 1));
        if (z == 0) {
            env.err << "Záměra " << d << " v zápisníku není.\n";
            return ChybaZapisniku;
        }
        vybrane.push_back(z);
    }
    KontrolaChyb kontrola(k);
    const bool hotovo = najdi ? kontrola.NajdiChybu() : rozdily ? kontrola.Rozdily(vybrane) : kontrola.Intenzity();
    if (!hotovo)
        return ChybaZapisniku;
    for (const std::string& radek : kontrola.RadkySCisly())
        env.out << radek << "\n";
    return Uspech;
}

} // namespace lomvira::cli
