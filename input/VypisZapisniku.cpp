#include "input/VypisZapisniku.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "input/Nacti.h"
#include "input/VypisMeridel.h"

namespace lomvira {

namespace {

const char* const CRLF = "\r\n";

// The three coordinates, each as a tab, its axis label, "=" and the value.
std::string Souradnice(const PopiskyOs& osy, double a, double b, double c)
{
    return std::string("\t") + osy.lab1 + "=" + FormatCislo(a, 3) + "\t" + osy.lab2 + "=" + FormatCislo(b, 3) + "\t"
           + osy.lab3 + "=" + FormatCislo(c, 3);
}

} // namespace

std::string VypisZapisniku(const Nacti& nacti)
{
    std::vector<MereniVypisu> mereni;
    mereni.reserve(static_cast<std::size_t>(nacti.MereniCount()));
    for (int i = 1; i <= nacti.MereniCount(); ++i) {
        const Mereni& m = *nacti.MereniZaznam(i);
        mereni.push_back({std::string(m.od), std::string(m.k), m.delka, m.azimut, m.sklon,
                          m.kompas.Platny() ? m.kompas.HodnotaOdchylky() : 0.0,
                          m.deklinace ? m.deklinace->Hodnota : 0.0});
    }
    return VypisZapisniku(nacti, mereni);
}

std::string VypisZapisniku(const Nacti& nacti, const std::vector<MereniVypisu>& mereni)
{
    std::string out = VypisMeridel(nacti.Meridla());
    const SourSystem& system = nacti.SourSys();
    const PopiskyOs osy = Popisky(system);

    out += "C=" + FormatCislo(Z_Radianu(system.Natoceni(), JednotkaStupne), 6) + "\xC2\xB0";
    if (system.RelativniVysky() == VyskyKBodu) {
        const DBod* bod = nacti.DBody().Bod(system.SrovnavaciBod());
        out += " k bodu: " + system.SrovnavaciBod();
        out += bod ? Souradnice(osy, bod->ZBod().X, bod->ZBod().Y, bod->ZBod().Z)
                   : Souradnice(osy, 0, 0, system.SrovnavaciRovina());
    }
    out += CRLF;

    for (std::int32_t i = 1; i <= nacti.DBody().Count(); ++i) {
        // As written: the labels are those of the notebook's system.
        const ZBod& b = nacti.DBody().Bod(i)->ZBod();
        out += "Dany: " + b.Name + Souradnice(osy, b.X, b.Y, b.Z) + CRLF;
    }

    for (const MereniVypisu& m : mereni) {
        out += m.od + "\t" + m.k + "\t" + FormatCislo(m.delka, 3) + "\t" + FormatCislo(m.azimut, 4) + "\t"
               + FormatCislo(m.sklon, 4);
        out += "\tO=" + FormatCislo(Z_Radianu(m.odchylka, JednotkaStupne), 4) + "\tD="
               + FormatCislo(Z_Radianu(m.deklinace, JednotkaStupne), 4) + CRLF;
    }

    out += std::string("Pocitane body:") + CRLF;
    for (std::int32_t i = 1; i <= nacti.PBody().Count(); ++i)
        out += nacti.PBody().Bod(i)->Name() + CRLF;
    return out;
}

} // namespace lomvira
