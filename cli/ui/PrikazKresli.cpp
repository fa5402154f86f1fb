// The command "draw": the picture of the display written to a file.
#include "cli/ui/PrikazTisk.h"

#include "app/Kontext.h"
#include "app/Zobraz.h"
#include "app/ui/KresleniPolygonu.h"
#include "cli/Cli.h"
#include "common/Cisla.h"

#include <QImage>

#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>

namespace lomvira::cli {

namespace {

const char* const PouzitiKresleni =
    "Použití: lomvira-cli draw SOUBOR.mer -o VÝSTUP.png|svg|pdf [--view plan|section] [--azimuth A]\n"
    "         [--layers shots,stations,given,labels,control,height] [--size ŠÍŘKAxVÝŠKA]\n"
    "Azimut pohledu řezu ve stupních; vrstvy: záměry, body, dané body, popisy, měření pro kontrolu,\n"
    "barva podle výšky (výchozí shots,stations,given,labels); velikost v pixelech (výchozí 1200x900).\n";

struct ZadaniKresleni {
    std::string soubor, vystup;
    bool rez = false;
    std::optional<double> azimut;
    VrstvyPolygonu vrstvy;
    int sirka = 1200, vyska = 900;
};

bool CtiVrstvy(const std::string& text, VrstvyPolygonu& v, std::string& chyba)
{
    v = {false, false, false, false, false, false};
    std::stringstream ss(text);
    std::string jmeno;
    while (std::getline(ss, jmeno, ',')) {
        bool* prepinac = jmeno == "shots"      ? &v.polygon
                         : jmeno == "stations" ? &v.body
                         : jmeno == "given"    ? &v.daneBody
                         : jmeno == "labels"   ? &v.popisy
                         : jmeno == "control"  ? &v.kontrola
                         : jmeno == "height"   ? &v.barvaPodleVysky
                                               : nullptr;
        if (!prepinac) {
            chyba = "Neznámá vrstva " + jmeno + ".";
            return false;
        }
        *prepinac = true;
    }
    return true;
}

bool CtiVelikost(const std::string& text, int& sirka, int& vyska)
{
    const auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    const double w = Val(text.substr(0, x)), h = Val(text.substr(x + 1));
    if (!(w >= 16 && w <= 20000 && h >= 16 && h <= 20000))
        return false;
    sirka = static_cast<int>(w);
    vyska = static_cast<int>(h);
    return true;
}

// The arguments after "draw", or the message that refuses them.
std::optional<std::string> CtiZadani(const std::vector<std::string>& args, ZadaniKresleni& z)
{
    std::vector<std::string> soubory;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool sHodnotou = a == "-o" || a == "--view" || a == "--azimuth" || a == "--layers" || a == "--size";
        if (sHodnotou && i + 1 >= args.size())
            return "Volba " + a + " potřebuje hodnotu.";
        std::string chyba;
        if (a == "-o") {
            z.vystup = args[++i];
        } else if (a == "--view") {
            const std::string& v = args[++i];
            if (v != "plan" && v != "section")
                return "Pohled je plan nebo section, ne " + v + ".";
            z.rez = v == "section";
        } else if (a == "--azimuth") {
            const std::string text = CarkaNaTecku(args[++i]);
            const double azimut = Val(text);
            if (text.find_first_of("0123456789") == std::string::npos || !std::isfinite(azimut))
                return "Azimut " + args[i] + " není číslo.";
            z.azimut = azimut;
        } else if (a == "--layers") {
            if (!CtiVrstvy(args[++i], z.vrstvy, chyba))
                return chyba;
        } else if (a == "--size") {
            if (!CtiVelikost(args[++i], z.sirka, z.vyska))
                return "Velikost " + args[i] + " není ŠÍŘKAxVÝŠKA v pixelech (16 až 20000).";
        } else if (!a.empty() && a[0] == '-') {
            return "Neznámá volba " + a + ".";
        } else {
            soubory.push_back(a);
        }
    }
    if (soubory.size() != 1 || z.vystup.empty())
        return std::string();
    if (z.azimut && !z.rez)
        return "Azimut pohledu patří k řezu (--view section).";
    z.soubor = soubory[0];
    return std::nullopt;
}

} // namespace

int PrikazKresli(Prostredi& env, const std::vector<std::string>& args)
{
    ZadaniKresleni z;
    if (const auto chyba = CtiZadani(args, z)) {
        if (!chyba->empty())
            env.err << *chyba << "\n";
        env.err << PouzitiKresleni;
        return ChybaPouziti;
    }
    const GuiProstredi gui;
    Kontext k(env.platforma, env.nastaveni);
    if (!NactiASpocti(env, z.soubor, k))
        return ChybaZapisniku;
    // The display draws computed coordinates only.
    if (k.stav.Stav != 3)
        return ChybaZapisniku;
    Zobraz zobraz;
    zobraz.vrstvy = z.vrstvy;
    zobraz.pohled.korekceHori = k.volby.AdjHori;
    zobraz.pohled.korekceVert = k.volby.AdjVert;
    zobraz.NastavScenu(ScenaZKontextu(k));
    if (z.rez)
        zobraz.Rez(z.azimut.value_or(0));
    QImage vzor(1, 1, QImage::Format_ARGB32_Premultiplied);
    vzor.setDotsPerMeterX(3780); // 96 pixels to the inch, as the written pictures
    vzor.setDotsPerMeterY(3780);
    const Platno platno = PlatnoZarizeni(vzor, z.sirka, z.vyska, '.');
    zobraz.ZoomNaVse(platno);
    const std::string chyba = UlozObrazek(z.vystup, zobraz.Kresli(platno));
    if (!chyba.empty()) {
        env.err << chyba << "\n";
        return ChybaZapisniku;
    }
    return Uspech;
}

} // namespace lomvira::cli
