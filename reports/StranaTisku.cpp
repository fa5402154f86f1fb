#include "reports/StranaTisku.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/PlochaTisku.h"
#include "common/Text.h"

#include <algorithm>

namespace lomvira {

double StranaTisku::Sirka() const
{
    return plocha_.Sirka();
}

double StranaTisku::Vyska() const
{
    return plocha_.Vyska();
}

void StranaTisku::ZacniStranu(double velikost)
{
    ++beh_.strana;
    beh_.platforma.StavovyRadek("Tiskne se " + std::to_string(beh_.strana) + ". stránka");
    PismoTab(velikost, true);
    plocha_.Pozice(10, 10);
    plocha_.Text(" ", true);
}

void StranaTisku::Pismo(const std::string& jmeno, double velikost, bool tucne)
{
    pismo_ = jmeno;
    velikost_ = velikost;
    tucne_ = tucne;
    // The reports switch the further style flag on together with bold.
    plocha_.Pismo(jmeno, velikost, tucne, tucne);
}

void StranaTisku::Text(const std::string& text, double leva, double prava, double y, Zarovnani z, double odsazeni)
{
    if (text.empty())
        return;
    const double mistoL = leva + odsazeni, mistoP = prava - odsazeni;
    const double misto = std::max(0.0, mistoP - mistoL);
    double sirka = plocha_.SirkaTextu(text);
    const bool zmensit = sirka > misto && sirka > 0;
    if (zmensit) {
        plocha_.Pismo(pismo_, velikost_ * std::max(0.5, misto / sirka), tucne_, tucne_);
        sirka = plocha_.SirkaTextu(text);
    }
    double x = mistoL;
    if (z == Zarovnani::Vpravo)
        x = mistoP - sirka;
    else if (z == Zarovnani::NaStred)
        x = (mistoL + mistoP - sirka) / 2;
    plocha_.Pozice(x, y);
    plocha_.Text(text);
    if (zmensit)
        plocha_.Pismo(pismo_, velikost_, tucne_, tucne_);
}

void StranaTisku::TextVBunce(const std::string& text, double leva, double prava, double horni, double dolni,
                             Zarovnani z, double odsazeni)
{
    if (text.empty())
        return;
    const double vyska = plocha_.VyskaTextu(text);
    Text(text, leva, prava, horni + (dolni - horni - vyska) / 2, z, odsazeni);
}

void StranaTisku::Cara(double x1, double y1, double x2, double y2, int sirka)
{
    plocha_.Cara(x1, y1, x2, y2, sirka);
}

void StranaTisku::Obdelnik(double x1, double y1, double x2, double y2, int sirka)
{
    Cara(x1, y1, x2, y1, sirka);
    Cara(x2, y1, x2, y2, sirka);
    Cara(x2, y2, x1, y2, sirka);
    Cara(x1, y2, x1, y1, sirka);
}

std::string ZkratZleva(PlochaTisku& plocha, const std::string& text, double misto)
{
    if (plocha.SirkaTextu(text) <= misto)
        return text;
    std::size_t od = 0;
    while (od < text.size()) {
        od += DelkaZnaku(static_cast<unsigned char>(text[od]));
        const std::string zbytek = "..." + text.substr(od);
        if (plocha.SirkaTextu(zbytek) <= misto)
            return zbytek;
    }
    return "...";
}

Ramec::Ramec(double sirka, double vyska, int pocet)
    : leva(15), prava(sirka - 15), horni(40), dolni(vyska - 5), radek((vyska - 45) / pocet), radku(pocet)
{
}

namespace {

std::string BezZaporneNuly(std::string s)
{
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string SZnakem(std::string s, char desetinny)
{
    std::replace(s.begin(), s.end(), '.', desetinny);
    return s;
}

} // namespace

std::string CisloTisku(double value, int decimals, const FormatCisel& f)
{
    return SZnakem(BezZaporneNuly(FormatCislo(value, decimals)), f.desetinny);
}

std::string CisloSkupinTisku(double value, int decimals, const FormatCisel& f)
{
    return BezZaporneNuly(CisloSeSkupinami(value, decimals, f));
}

std::string CisloPromenneTisku(double value, int maximum, int minimum, const FormatCisel& f)
{
    return SZnakem(BezZaporneNuly(FormatCisloBezNul(value, maximum, minimum)), f.desetinny);
}

std::string UhelDMS(double radians, const FormatCisel& f)
{
    return StupneNaText(FormatCislo(Z_Radianu(radians, JednotkaStupne), 12), f.desetinny);
}

std::string UhelGrady(double radians, const FormatCisel& f)
{
    return CisloPromenneTisku(Z_Radianu(radians, JednotkaGrady), 4, 2, f) + "g";
}

} // namespace lomvira
