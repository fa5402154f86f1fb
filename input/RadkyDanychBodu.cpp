#include "input/RadkyDanychBodu.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "input/Vstup.h"

namespace lomvira {

namespace {

constexpr int DesetinSouradnic = 6;
constexpr std::size_t DelkaJmena = 10;

} // namespace

std::string JmenoDanehoBodu(std::string_view radek)
{
    const std::size_t prvni = radek.find_first_not_of(" \t");
    if (prvni == std::string_view::npos || radek[prvni] != '*')
        return {};
    // Read by the same rules as the notebook reader reads the line.
    Vstup vstup;
    vstup.NastavProZapisnik();
    vstup.RidiciZnak("*");
    vstup.Zavorka("[]");
    vstup.Soubor(std::string(radek));
    vstup.GetZnak();
    return NFC(vstup.GetKS());
}

std::string RadekDanehoBodu(const ZBod& bod, const std::string& poznamka)
{
    std::string radek = "* " + Orizni(bod.Name);
    for (const double c : {bod.X, bod.Y, bod.Z})
        radek += "  " + FormatCisloBezNul(c, DesetinSouradnic);
    if (!poznamka.empty())
        radek += "   # " + poznamka;
    return radek;
}

std::string JmenoProZapisnik(const std::string& napsane, std::string& chyba)
{
    const std::string jmeno = Orizni(ZnakyZleva(Orizni(NFC(VelkaPismena(napsane))), DelkaJmena));
    chyba.clear();
    if (jmeno.empty())
        chyba = "Nebylo zadáno jméno bodu.";
    else if (JmenoDanehoBodu("* " + jmeno + " 0 0 0") != jmeno)
        chyba = "Jméno bodu '" + jmeno + "' nelze zapsat do zápisníku: nesmí obsahovat mezery, čárky, středníky "
                "ani znaky, kterými začínají příkazy a poznámky.";
    return chyba.empty() ? jmeno : std::string();
}

} // namespace lomvira
