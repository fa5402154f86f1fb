#include "input/VkladaniPrikazu.h"

#include "common/Cisla.h"
#include "common/Text.h"
#include "input/MeridlaStav.h"

#include <algorithm>
#include <cmath>

namespace lomvira {

namespace {

constexpr const char* KR = "\r\n";

// Characters that end a name for the parser, or start a comment or another command.
constexpr std::string_view ZnakyMimoJmeno = "=!*#(),;\"";

const char* SlovoJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaGrady: return "GRAD";
    case JednotkaRadiany: return "RAD";
    default: return "DEG";
    }
}

const char* PismenoJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaGrady: return "/G";
    case JednotkaRadiany: return "/R";
    default: return "/D";
    }
}

} // namespace

std::size_t ZacatekRadkuKurzoru(const std::string& text, std::size_t kurzor)
{
    kurzor = std::min(kurzor, text.size());
    const std::size_t lf = kurzor == 0 ? std::string::npos : text.rfind('\n', kurzor - 1);
    return lf == std::string::npos ? 0 : lf + 1;
}

TextSKurzorem VlozText(const std::string& text, std::size_t kurzor, const std::string& prikaz)
{
    if (prikaz.empty())
        return {text, std::min(kurzor, text.size())};
    const std::size_t kam = ZacatekRadkuKurzoru(text, kurzor);
    std::string novy = text;
    novy.insert(kam, prikaz);
    return {std::move(novy), kam + prikaz.size()};
}

TextSKurzorem SmazRadek(const std::string& text, std::size_t kurzor)
{
    const std::size_t zacatek = ZacatekRadkuKurzoru(text, kurzor);
    const std::size_t lf = text.find('\n', zacatek);
    const std::size_t konec = lf == std::string::npos ? text.size() : lf + 1;
    std::string novy = text;
    novy.erase(zacatek, konec - zacatek);
    return {std::move(novy), zacatek};
}

std::string FormatUhlu(double hodnota, int jednotky)
{
    return jednotky == JednotkaRadiany ? FormatCisloBezNul(hodnota, 7, 2) : FormatCisloBezNul(hodnota, 5, 2);
}

std::int32_t DatumCislem(int rok, int mesic, int den)
{
    return rok * 10000 + mesic * 100 + den;
}

std::string RadekDatumu(std::int32_t datum, const std::string& kratkeDatum)
{
    return "! DATUM = " + std::to_string(datum) + " # tj. " + kratkeDatum + KR;
}

std::string PrikazAzimutu(bool kontrola)
{
    return std::string("! AZIMUT = ")
        + (kontrola ? "KONTROLA # Zadavani smeru pri obou smerech zaveseni" : "JEDNODUSE # Zadavani pouze jednoho smeru")
        + KR;
}

HotovyPrikaz PrikazLokality(const std::string& jmeno, const std::string& cislo, bool nahrazuje)
{
    // A quotation mark would close the quoted text early and leave the rest to the parser.
    if (jmeno.find('"') != std::string::npos || cislo.find('"') != std::string::npos)
        return {{}, "Název ani číslo lokality nesmí obsahovat uvozovky."};
    std::string t = "! LOKALITA = \"" + jmeno + "\" \"" + cislo + "\"" + KR;
    if (!nahrazuje)
        t += KR;
    return {t, {}};
}

HotovyPrikaz JmenoMeridla(const std::string& zadane)
{
    const std::string jmeno = Orizni(zadane);
    if (jmeno.empty())
        return {{}, "Nebyl zadán název měřidla!"};
    std::string vysledek;
    for (char c : jmeno) {
        if (ZnakyMimoJmeno.find(c) != std::string_view::npos)
            return {{}, "Název měřidla nesmí obsahovat znaky = ! * # ( ) , ; \""};
        vysledek += c == ' ' || c == '\t' ? '_' : c;
    }
    return {vysledek, {}};
}

double OmezenaPresnost(const DefiniceMeridla& d)
{
    const double p = std::fabs(d.presnost);
    if (d.druh == DruhMeridla::Delkomer)
        return std::clamp(p, MinPresnostDelky * 100, MaxPresnostDelky * 100);
    return std::clamp(p, Z_Radianu(MinPresnostUhlu, d.jednotky), Z_Radianu(MaxPresnostUhlu, d.jednotky));
}

HotovyPrikaz PrikazDefinice(const DefiniceMeridla& d)
{
    const HotovyPrikaz jmeno = JmenoMeridla(d.jmeno);
    if (!jmeno.chyba.empty())
        return jmeno;
    const std::string& n = jmeno.text;
    const double presnost = OmezenaPresnost(d);
    std::string t;
    if (d.druh == DruhMeridla::Delkomer) {
        static constexpr const char* zpusoby[] = {"SIKMA", "VODOROVNA", "SVISLA"};
        t = "! DELKOMER = ( " + n + "   # Definice Delkomeru '" + n + "'" + KR;
        t += std::string("!  ZPUSOB = ") + zpusoby[std::clamp(d.zpusob, 0, 2)] + KR;
        t += "!  PRESNOST = " + FormatCisloBezNul(presnost, 6) + KR;
    } else if (d.druh == DruhMeridla::Kompas) {
        if (VicNezOtacka(d.odchylka, d.jednotky))
            return {{}, "Odchylka kompasu nesmí přesáhnout celou otáčku."};
        t = "! KOMPAS = ( " + n + "     # Definice kompasu '" + n + "'" + KR;
        t += std::string("!  JEDNOTKY = ") + SlovoJednotek(d.jednotky) + KR;
        t += "!  PRESNOST = " + FormatUhlu(presnost, d.jednotky) + KR;
        t += "!  ODCHYLKA = " + FormatUhlu(d.odchylka, d.jednotky) + KR;
    } else {
        t = "! SKLONOMER = ( " + n + "  # Definice sklonomeru '" + n + "'" + KR;
        t += std::string("!  JEDNOTKY = ") + SlovoJednotek(d.jednotky) + KR;
        t += "!  PRESNOST = " + FormatUhlu(presnost, d.jednotky) + KR;
        t += std::string("!  ZPUSOB = ") + (d.zpusob == ZpusobOdZenitu ? "ZENITOVY" : "VYSKOVY") + KR;
    }
    t += std::string("  )") + KR + KR;
    if (d.pouzit) {
        if (d.druh == DruhMeridla::Delkomer)
            t += "! DELKOMER = " + n + "     # Pouzit delkomer '" + n + "'";
        else if (d.druh == DruhMeridla::Kompas)
            t += "! KOMPAS = " + n + "       # Pouzit kompas '" + n + "'";
        else
            t += "! SKLONOMER = " + n + "    # Pouzit sklonomer '" + n + "'";
        t += std::string(KR) + KR;
    }
    return {t, {}};
}

HotovyPrikaz PrikazVyberu(const VyberMeridla& v)
{
    if (v.jmeno.empty())
        return {{}, "Nebylo vybráno žádné měřidlo."};
    std::string t = v.radekDatumu;
    if (v.druh == DruhMeridla::Delkomer) {
        t += "! DELKOMER = " + v.jmeno + " # Vybran delkomer '" + v.jmeno + "'";
    } else if (v.druh == DruhMeridla::Kompas) {
        std::string odchylka;
        if (v.odchylka) {
            if (VicNezOtacka(*v.odchylka, v.jednotky))
                return {{}, "Odchylka kompasu nesmí přesáhnout celou otáčku."};
            odchylka = FormatUhlu(*v.odchylka, v.jednotky);
        }
        t += "! KOMPAS = " + v.jmeno + (v.odchylka ? ", " + odchylka : std::string()) + " # Vybran kompas '"
            + v.jmeno + "'" + (v.odchylka ? " s odchylkou " + odchylka : std::string());
    } else {
        t += "! SKLONOMER = " + v.jmeno + " # Vybran sklonomer '" + v.jmeno + "'";
    }
    return {t + KR + KR, {}};
}

HotovyPrikaz PrikazDeklinace(double hodnota, bool zapad, int jednotky, const std::string& radekDatumu)
{
    if (VicNezOtacka(hodnota, jednotky))
        return {{}, "Deklinace nesmí přesáhnout celou otáčku."};
    const std::string h = FormatUhlu(zapad ? -hodnota : hodnota, jednotky);
    return {radekDatumu + "! DEKLINACE = " + h + PismenoJednotek(jednotky) + " # Zadana deklinace " + h
                + ZnackaJednotek(jednotky) + KR,
            {}};
}

std::string PrikazyZastaralych(const ZastaraleNastaveni& z)
{
    static constexpr const char* vzdalenosti[] = {"SIKMA", "VODOROVNA", "HLOUBKA"};
    auto stupneGrady = [](int j) { return j == JednotkaGrady ? "GRAD" : "DEG"; };
    std::string t;
    if (z.vzdalenost)
        t += std::string("! VZDALENOST = ") + vzdalenosti[std::clamp(*z.vzdalenost, 0, 2)] + KR;
    if (z.jednotkyAzimutu)
        t += std::string("! HOR_UHEL = ") + stupneGrady(*z.jednotkyAzimutu) + KR;
    if (z.kontrola)
        t += std::string("! HOR_UHEL = ") + (*z.kontrola ? "KONTROLA" : "JEDNODUSE") + KR;
    if (z.jednotkySklonu)
        t += std::string("! VER_UHEL = ") + stupneGrady(*z.jednotkySklonu) + KR;
    if (z.zpusobSklonu)
        t += std::string("! VER_UHEL = ") + (*z.zpusobSklonu == ZpusobOdZenitu ? "ZENITOVY" : "VYSKOVY") + KR;
    return t;
}

const char* PopisJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaGrady: return "grády [GRA] (1/400)";
    case JednotkaRadiany: return "radiány [RAD] (1/2Pi)";
    default: return "stupně [DEG] (1/360)";
    }
}

const char* ZnackaJednotek(int jednotky)
{
    switch (jednotky) {
    case JednotkaGrady: return "g";
    case JednotkaRadiany: return "R";
    default: return "\xC2\xB0";
    }
}

RozborZapisniku::RozborZapisniku(const std::string& text, const Volby& volby, const std::string& jmenoSouboru)
    : nacti_(platforma_, volby)
{
    nacti_.JmenoSouboru(jmenoSouboru);
    nacti_.Zapisnik(text);
    nacti_.Interaktivni = false;
    // An error only ends the parse there: what was defined before it still counts.
    if (!text.empty())
        nacti_.Zpracuj();
}

std::vector<std::string> RozborZapisniku::Jmena(int druh) const
{
    const MeridlaStav& m = nacti_.Meridla();
    std::vector<std::string> jmena;
    auto pridej = [&jmena](const auto& meridlo) {
        if (meridlo && !meridlo->Anonym)
            jmena.push_back(meridlo->Jmeno);
    };
    const int pocet = druh == DruhMeridla::Delkomer ? m.Delkomery().Count()
        : druh == DruhMeridla::Kompas               ? m.Kompasy().Count()
                                                    : m.Sklonomery().Count();
    for (int k = 1; k <= pocet; ++k) {
        if (druh == DruhMeridla::Delkomer)
            pridej(m.Delkomery().Delkomer(-k));
        else if (druh == DruhMeridla::Kompas)
            pridej(m.Kompasy().KompasDef(-k));
        else
            pridej(m.Sklonomery().Sklonomer(-k));
    }
    return jmena;
}

int RozborZapisniku::JednotkyKompasu(const std::string& jmeno) const
{
    const auto def = nacti_.Meridla().Kompasy().KompasDef(std::string_view(jmeno));
    return def ? def->Jednotky : JednotkaStupne;
}

std::string ZpravaBezMeridel(int druh)
{
    const char* jednotne = druh == DruhMeridla::Delkomer ? "delkomeru" : druh == DruhMeridla::Kompas ? "kompasu" : "sklonomeru";
    const char* mnozne = druh == DruhMeridla::Delkomer ? "delkomery" : druh == DruhMeridla::Kompas ? "kompasy" : "sklonomery";
    return std::string("Na toto místo v zápisníku nelze vložit příkaz k výběru ") + jednotne + "." + KR
        + "Nebyly dosud definovány žádné " + mnozne + ".";
}

} // namespace lomvira
