#include "cli/Prikazy.h"

#include "app/Soubory.h"
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
