#include "cli/Prikazy.h"

#include "app/Kontext.h"
#include "app/Soubory.h"
#include "input/NactiZapisnik.h"
#include "input/Nacti.h"
#include "input/VypisZapisniku.h"

#include <filesystem>
#include <ostream>

namespace lomvira::cli {

std::string BezCR(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

bool CtiZapisnikCli(Prostredi& env, const std::string& path, std::string& text)
{
    const NactenyText r = NactiZapisnik(path);
    if (!r.ok) {
        env.err << r.chyba << "\n";
        return false;
    }
    text = r.text;
    return true;
}

namespace {

// Parses the notebook; on an error prints what the program's message would say and the
// line number.
bool Parsuj(Prostredi& env, const std::string& path, Nacti& nacti)
{
    std::string text;
    if (!CtiZapisnikCli(env, path, text))
        return false;
    nacti.JmenoSouboru(std::filesystem::path(path).filename().string());
    nacti.Zapisnik(text);
    nacti.Interaktivni = true;
    nacti.Zpracuj();
    if (nacti.IsError()) {
        env.err << BezCR(ZpravaOChybe(nacti)) << "\n";
        env.err << "Řádek: " << CisloRadku(text, nacti.ErrorRowStart()) << "\n";
        return false;
    }
    return true;
}

} // namespace

bool NactiDoKontextu(Prostredi& env, const std::string& path, Kontext& k)
{
    std::string text;
    if (!CtiZapisnikCli(env, path, text))
        return false;
    k.volby = NactiNastaveni(env.nastaveni);
    k.souborZapisniku = path;
    NactiZapisnik(k, text);
    if (k.posledniChybaNacteni != 0) {
        // The load has told its message; the line number is what a script needs besides.
        env.err << "Řádek: " << CisloRadku(text, k.nacti->ErrorRowStart()) << "\n";
        return false;
    }
    return true;
}

int PrikazNacteni(Prostredi& env, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        env.err << "Použití: lomvira-cli load SOUBOR.mer\n";
        return ChybaPouziti;
    }
    Kontext k(env.platforma, env.nastaveni);
    return NactiDoKontextu(env, args[0], k) ? Uspech : ChybaZapisniku;
}

int PrikazVypisMereni(Prostredi& env, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        env.err << "Použití: lomvira-cli listing SOUBOR.mer\n";
        return ChybaPouziti;
    }
    Kontext k(env.platforma, env.nastaveni);
    if (!NactiDoKontextu(env, args[0], k))
        return ChybaZapisniku;
    for (const std::string& line : k.seznamMereni.VypisMereni('.'))
        env.out << line << "\n";
    return Uspech;
}

int PrikazMeridla(Prostredi& env, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        env.err << "Použití: lomvira-cli instruments SOUBOR.mer\n";
        return ChybaPouziti;
    }
    const Volby volby = NactiNastaveni(env.nastaveni);
    Nacti nacti(env.platforma, volby);
    if (!Parsuj(env, args[0], nacti))
        return ChybaZapisniku;
    env.out << BezCR(VypisZapisniku(nacti));
    return Uspech;
}

} // namespace lomvira::cli
