#include "input/VypisMeridel.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "input/Datum.h"
#include "input/MeridlaStav.h"

namespace lomvira {

namespace {

constexpr const char* Konec = "\r\n";

std::string NazevJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaStupne: return "° - stupně (1/360)";
    case JednotkaGrady: return "g - grády (1/400)";
    default: return "R - radiány (1/2/PI)";
    }
}

std::string Nazev(const std::string& druh, const std::string& jmeno, bool pouzit)
{
    return druh + " '" + jmeno + "'" + (pouzit ? "" : " - nepoužívaný!") + Konec;
}

void VypisDelkomery(std::string& out, const lomvira::Delkomery& delkomery)
{
    static constexpr const char* zpusoby[] = {"šikmá vzdálenost", "vodorovná vzdálenost", "svislá vzdálenost"};
    static constexpr const char* jednotky[] = {"m ", "cm", "ft", "in"};
    if (delkomery.Count() == 0) {
        out += std::string("Nebyly definovány žádné délkoměry!") + Konec + Konec;
        return;
    }
    for (int i = 1; i <= delkomery.Count(); ++i) {
        const Delkomer& d = *delkomery.Delkomer(i);
        out += Nazev("Délkoměr", Orizni(d.Jmeno), d.Pouzit);
        out += " Datum zadání: " + DatumText(d.Datum) + Konec;
        out += std::string(" Způsob zadávání: ") + zpusoby[d.Zpusob >= 0 && d.Zpusob <= 2 ? d.Zpusob : 0] + Konec;
        out += std::string(" Jednotky: ") + jednotky[d.Jednotky >= 0 && d.Jednotky <= 3 ? d.Jednotky : 0] + Konec;
        out += " Přesnost= " + FormatCisloBezNul(d.Presnost * 100.0, 10, 0) + "%" + Konec + Konec;
    }
}

void VypisKompasy(std::string& out, const lomvira::Kompasy& kompasy)
{
    if (kompasy.Count() == 0) {
        out += std::string("Nebyly definovány žádné kompasy!") + Konec + Konec;
        return;
    }
    for (int i = 1; i <= kompasy.Count(); ++i) {
        const KompasDef& k = *kompasy.KompasDef(i);
        out += Nazev("Kompas", k.Jmeno, k.Pouzit);
        out += " Datum zadání: " + DatumText(k.Datum) + Konec;
        out += " Jednotky: " + NazevJednotek(k.Jednotky) + Konec;
        out += " Přesnost=" + UhelVeVypisu(k.Presnost, k.Jednotky) + Konec;
        for (int j = 1; j <= k.CountOdch(); ++j) {
            const KompasOdchylka& o = *k.Odchylky(j);
            out += " Odchylka=" + UhelVeVypisu(o.Odchylka, k.Jednotky) + " k datu: " + DatumText(o.Datum) +
                   (o.Pouzita ? "" : " - nepouzita") + Konec;
        }
        out += Konec;
    }
}

void VypisSklonomery(std::string& out, const lomvira::Sklonomery& sklonomery)
{
    if (sklonomery.Count() == 0) {
        out += std::string("Nebyly definovány žádné sklonoměry!") + Konec + Konec;
        return;
    }
    for (int i = 1; i <= sklonomery.Count(); ++i) {
        const Sklonomer& s = *sklonomery.Sklonomer(i);
        out += Nazev("Sklonoměr", s.Jmeno, s.Pouzit);
        out += " Datum zadání: " + DatumText(s.Datum) + Konec;
        out += std::string(" Způsob zadávání úhlu: ") + (s.Zpusob == ZpusobOdZenitu ? "od zenitu" : "od horizontu") +
               Konec;
        out += " Jednotky: " + NazevJednotek(s.Jednotky) + Konec;
        out += " Přesnost=" + UhelVeVypisu(s.Presnost, s.Jednotky) + Konec + Konec;
    }
}

void VypisDeklinace(std::string& out, const Deklinaces& deklinace)
{
    out += std::string("DEKLINACE") + Konec;
    for (int i = 1; i <= deklinace.Count(); ++i) {
        const lomvira::Deklinace& d = *deklinace.Deklinace(i);
        out += " K datu " + DatumText(d.Datum) + ": " + UhelVeVypisu(d.Hodnota, d.Jednotky);
        if (d.RocniPrirustek != 0.0)
            out += ", roční přírůstek: " + FormatCisloBezNul(Z_Radianu(d.RocniPrirustek, d.Jednotky), 4, 2) +
                   ZnackaUhlu(d.Jednotky);
        out += Konec;
    }
}

} // namespace

std::string UhelVeVypisu(double radiany, int jednotky)
{
    const double hodnota = Z_Radianu(radiany, jednotky);
    std::string s = FormatCisloBezNul(hodnota, 4, 2) + ZnackaUhlu(jednotky);
    if (jednotky == JednotkaStupne)
        s += " (=" + StupneNaText(FormatCislo(hodnota, 10)) + ")";
    return s;
}

std::string VypisMeridel(const MeridlaStav& meridla)
{
    std::string out = std::string("MĚŘIDLA:") + Konec;
    VypisDelkomery(out, meridla.Delkomery());
    VypisKompasy(out, meridla.Kompasy());
    VypisSklonomery(out, meridla.Sklonomery());
    VypisDeklinace(out, meridla.Deklinace());
    return out;
}

} // namespace lomvira
