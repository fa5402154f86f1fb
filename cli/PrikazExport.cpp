#include "cli/PrikazExport.h"

#include "app/DataVystupu.h"
#include "app/Kontext.h"
#include "app/Vypocet.h"
#include "cli/Cli.h"
#include "cli/Prikazy.h"
#include "common/Cesty.h"
#include "coords/KrovakJTSK.h"
#include "output/TypVystupu.h"

#include <optional>
#include <ostream>

namespace lomvira::cli {

namespace {

const char* const Pouziti =
    "Použití: lomvira-cli export SOUBOR.mer --format FORMÁT -o VÝSTUP [VOLBY DXF] [--comment TEXT]\n"
    "Formáty: sou, stx, dxf, txt, pol, vir21, vir21-ansi, vir12, geojson, kml\n"
    "  (vir21 a vir21-ansi připojí k VÝSTUPU \".pol\", vir12 připojí \".vir\")\n"
    "Volby DXF (jinak uložené nastavení):\n"
    "  --view 3d|xy|xz|yz   pohled\n"
    "  --scale 1:100        měřítko výkresu (nebo číslo, např. 0.01)\n"
    "  --unit m|dm|cm|mm|stopy|palce  výstupní jednotky\n"
    "  --point-size MM      velikost bodů na papíře\n"
    "  --label-height MM    velikost písma na papíře\n"
    "--comment TEXT: komentář, který soubory pro VIROKA nesou v hlavičce.\n";

struct Zadani {
    std::string zapisnik;
    int typ = -1;
    std::string vystup;
    std::string komentar;
    std::optional<int> pohled;
    std::optional<double> meritko, jednotky, velikostBodu, vyskaPisma;
};

int ChybneZadani(Prostredi& env, const std::string& zprava)
{
    env.err << zprava << "\n" << Pouziti;
    return ChybaPouziti;
}

std::optional<double> KladneCislo(const std::string& text)
{
    const auto v = CtiCislo(text);
    if (!v || !(*v > 0.0) || *v > 1e12)
        return std::nullopt;
    return v;
}

// "1:100", "1 : 250" or a number.
std::optional<double> Meritko(const std::string& text)
{
    const auto dvojtecka = text.find(':');
    if (dvojtecka == std::string::npos)
        return KladneCislo(text);
    const auto citatel = KladneCislo(text.substr(0, dvojtecka));
    const auto jmenovatel = KladneCislo(text.substr(dvojtecka + 1));
    if (!citatel || !jmenovatel)
        return std::nullopt;
    return *citatel / *jmenovatel;
}

std::optional<int> Pohled(const std::string& text)
{
    const char* const Pohledy[] = {"3d", "xy", "xz", "yz"};
    for (int i = 0; i < 4; ++i)
        if (text == Pohledy[i] || text == std::to_string(i))
            return i;
    return std::nullopt;
}

std::optional<std::string> CtiZadani(const std::vector<std::string>& args, Zadani& z)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            if (i + 1 >= args.size())
                return "Volba " + a + " potřebuje hodnotu.";
            const std::string& h = args[++i];
            if (a == "--format") {
                z.typ = -1;
                for (std::size_t t = 0; t < TypyVystupu.size(); ++t)
                    if (h == TypyVystupu[t].prikaz)
                        z.typ = static_cast<int>(t);
                if (z.typ < 0)
                    return "Neznámý formát " + h + ".";
            } else if (a == "-o" || a == "--output") {
                z.vystup = h;
            } else if (a == "--comment") {
                z.komentar = h;
            } else if (a == "--view") {
                if (!(z.pohled = Pohled(h)))
                    return "Neznámý pohled " + h + "; zadejte 3d, xy, xz nebo yz.";
            } else if (a == "--scale") {
                if (!(z.meritko = Meritko(h)))
                    return "Měřítko " + h + " nelze přečíst; zadejte například 1:100.";
            } else if (a == "--unit") {
                for (const JednotkaDXF& j : JednotkyDXF)
                    if (h == j.nazev)
                        z.jednotky = j.faktor;
                if (!z.jednotky)
                    return "Neznámá jednotka " + h + "; zadejte m, dm, cm, mm, stopy nebo palce.";
            } else if (a == "--point-size" || a == "--label-height") {
                const auto v = KladneCislo(h);
                if (!v)
                    return "Hodnota " + h + " volby " + a + " musí být kladné číslo (milimetry).";
                (a == "--point-size" ? z.velikostBodu : z.vyskaPisma) = v;
            } else {
                return "Neznámá volba " + a + ".";
            }
        } else if (z.zapisnik.empty()) {
            z.zapisnik = a;
        } else {
            return "Zadejte jediný zápisník.";
        }
    }
    if (z.zapisnik.empty())
        return "Chybí zápisník.";
    if (z.typ < 0)
        return "Chybí formát (--format).";
    if (z.vystup.empty())
        return "Chybí jméno výstupního souboru (-o).";
    if (RozdelCestu(z.vystup).jmeno.empty())
        return "Výstupní soubor " + z.vystup + " nemá jméno.";
    return std::nullopt;
}

} // namespace

int PrikazExport(Prostredi& env, const std::vector<std::string>& args)
{
    Zadani z;
    if (const auto chyba = CtiZadani(args, z))
        return ChybneZadani(env, *chyba);

    Kontext k(env.platforma, env.nastaveni);
    if (!NactiDoKontextu(env, z.zapisnik, k))
        return ChybaZapisniku;
    Vectorize(k);
    if (k.stav.Stav >= 2)
        SpustVypocet(k);
    if (!k.stav.JeVypocteno()) {
        env.err << "Nelze ukládat souřadnice bodů, pokud nebyl proveden výpočet!\n";
        return ChybaZapisniku;
    }
    k.komentarZpravy = z.komentar;

    MoznostiDXF dxf = NactiMoznostiDXF(env.nastaveni, k.volby.TypBodu);
    if (z.pohled)
        dxf.pohled = *z.pohled;
    if (z.meritko)
        dxf.meritko = *z.meritko;
    if (z.jednotky)
        dxf.jednotky = *z.jednotky;
    if (z.velikostBodu)
        dxf.velikostBodu = *z.velikostBodu;
    if (z.vyskaPisma)
        dxf.vyskaPisma = *z.vyskaPisma;

    const std::string soubor = SouborVystupu(z.typ, z.vystup);
    if (OtazkaNahrazeni(soubor, env.platforma) != MsgBox::Yes) {
        env.err << "Soubor " << soubor << " nebyl zapsán.\n";
        return ChybaZapisniku;
    }
    const std::string chyba = ZapisVystup(z.typ, z.vystup, DataVystupu(k), dxf, env.platforma);
    if (!chyba.empty()) {
        env.err << chyba << "\n";
        return ChybaZapisniku;
    }
    env.out << "Zapsán soubor " << soubor << "\n";
    return Uspech;
}

} // namespace lomvira::cli
