#include "cli/PrikazKonverze.h"

#include "common/Cisla.h"
#include "cli/Cli.h"
#include "coords/KrovakJTSK.h"

#include <optional>
#include <ostream>

namespace lomvira::cli {

namespace {

const char* const Pouziti =
    "Použití: lomvira-cli convert to-jtsk ŠÍŘKA DÉLKA [--meridian ferro|greenwich|wgs84] [--height VÝŠKA]\n"
    "         lomvira-cli convert to-geo X Y [--meridian ferro|greenwich|wgs84] [--height VÝŠKA]\n"
    "Úhly ve stupních (49.5 nebo 49,5) nebo jako 49°30'15.5\"; délka od Ferra pro ferro.\n"
    "Výška v metrech se použije jen pro wgs84 (výchozí poledník je greenwich).\n";

struct Zadani {
    bool naJTSK = true;
    std::vector<std::string> hodnoty;
    Meridian meridian = Meridian::Greenwich;
    double vyska = 0.0;
};

int ChybneZadani(Prostredi& env, const std::string& zprava)
{
    env.err << zprava << "\n" << Pouziti;
    return ChybaPouziti;
}

std::optional<Meridian> CtiMeridian(const std::string& text)
{
    if (text == "ferro")
        return Meridian::Ferro;
    if (text == "greenwich")
        return Meridian::Greenwich;
    if (text == "wgs84")
        return Meridian::Wgs84;
    return std::nullopt;
}

// The arguments after "convert", or the message that refuses them.
std::optional<std::string> CtiZadani(const std::vector<std::string>& args, Zadani& z)
{
    if (args.empty() || (args[0] != "to-jtsk" && args[0] != "to-geo"))
        return "Chybí směr převodu to-jtsk nebo to-geo.";
    z.naJTSK = args[0] == "to-jtsk";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool volba = a == "--meridian" || a == "--height";
        if (volba && i + 1 >= args.size())
            return "Volba " + a + " potřebuje hodnotu.";
        if (a == "--meridian") {
            const auto m = CtiMeridian(args[++i]);
            if (!m)
                return "Neznámý poledník " + args[i] + ".";
            z.meridian = *m;
        } else if (a == "--height") {
            const auto h = CtiCislo(args[++i]);
            if (!h)
                return "Výška " + args[i] + " není číslo.";
            z.vyska = *h;
        } else if (a.rfind("--", 0) == 0) {
            return "Neznámá volba " + a + ".";
        } else {
            z.hodnoty.push_back(a);
        }
    }
    if (z.hodnoty.size() != 2)
        return z.naJTSK ? "Zadejte zeměpisnou šířku a délku." : "Zadejte souřadnice X a Y.";
    return std::nullopt;
}

std::string Stupne(double radiany)
{
    const double d = RadianyNaStupne(radiany);
    return FormatCislo(d, 9) + "\xC2\xB0 (" + TextDMS(d, 5) + ")";
}

std::string Divergence(double konvergence)
{
    return "Výsledná meridiánová divergence = " + TextDivergence(konvergence, JednotkaDivergence::Stupne) + "\n";
}

int NaJTSK(Prostredi& env, const Zadani& z)
{
    const auto fi = UhelZTextu(z.hodnoty[0]);
    const auto lambda = UhelZTextu(z.hodnoty[1]);
    if (!fi || !lambda)
        return ChybneZadani(env, "Úhel " + z.hodnoty[!fi ? 0 : 1] + " nelze přečíst.");
    const PrevodNaJTSK r = ZemepisneNaJTSK(StupneNaRadiany(*fi), StupneNaRadiany(*lambda), z.vyska, z.meridian);
    if (r.stav == StavPrevodu::NeplatnyVstup)
        return ChybneZadani(env, r.zprava);
    if (r.stav != StavPrevodu::Hotovo) {
        env.err << r.zprava << "\n";
        return ChybaZapisniku;
    }
    env.out << "X = " << FormatCislo(r.X, 3) << "\n"
            << "Y = " << FormatCislo(r.Y, 3) << "\n"
            << Divergence(r.konvergence);
    return Uspech;
}

int NaZemepisne(Prostredi& env, const Zadani& z)
{
    const auto x = CtiCislo(z.hodnoty[0]);
    const auto y = CtiCislo(z.hodnoty[1]);
    if (!x || !y)
        return ChybneZadani(env, "Souřadnice " + z.hodnoty[!x ? 0 : 1] + " není číslo.");
    const PrevodNaZemepisne r = JTSKNaZemepisne(*x, *y, z.vyska, z.meridian);
    if (r.stav == StavPrevodu::NeplatnyVstup)
        return ChybneZadani(env, r.zprava);
    if (r.stav != StavPrevodu::Hotovo) {
        env.err << r.zprava << "\n";
        return ChybaZapisniku;
    }
    env.out << "Zeměpisná šířka = " << Stupne(r.fi) << "\n"
            << "Zeměpisná délka = " << Stupne(r.lambda) << "\n";
    if (z.meridian == Meridian::Wgs84)
        env.out << "Výška = " << FormatCislo(r.h, 3) << "\n";
    env.out << Divergence(r.konvergence);
    return Uspech;
}

} // namespace

int PrikazKonverze(Prostredi& env, const std::vector<std::string>& args)
{
    Zadani z;
    if (const auto chyba = CtiZadani(args, z))
        return ChybneZadani(env, *chyba);
    return z.naJTSK ? NaJTSK(env, z) : NaZemepisne(env, z);
}

} // namespace lomvira::cli
