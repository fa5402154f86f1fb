#include "cli/Prikazy.h"

#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/Vypocet.h"
#include "common/Cisla.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"
#include "app/NactiZapisnik.h"
#include "network/Krizovat.h"
#include "reports/VypisBodu.h"
#include "input/Nacti.h"
#include "input/VypisZapisniku.h"

#include <filesystem>
#include <memory>
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
    NactenyText r = NactiZapisnik(path);
    if (!r.ok) {
        env.err << r.chyba << "\n";
        return false;
    }
    text = std::move(r.text);
    return true;
}

namespace {

// The survey of one command. When the process ends right after the command, the survey is
// left to the system, which takes the memory back at once: freeing a large survey record
// by record costs a good share of its load. It stays reachable from here meanwhile.
class KontextPrikazu {
public:
    explicit KontextPrikazu(Prostredi& env)
        : konecProcesu_(env.konecProcesu), k_(std::make_unique<Kontext>(env.platforma, env.nastaveni))
    {
    }
    KontextPrikazu(const KontextPrikazu&) = delete;
    KontextPrikazu& operator=(const KontextPrikazu&) = delete;
    ~KontextPrikazu()
    {
        if (konecProcesu_)
            Ponechane().push_back(k_.release());
    }
    Kontext& operator*() { return *k_; }

private:
    static std::vector<Kontext*>& Ponechane()
    {
        static auto* ponechane = new std::vector<Kontext*>(); // never freed, so it stays reachable
        return *ponechane;
    }
    bool konecProcesu_;
    std::unique_ptr<Kontext> k_;
};

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
    NactiZapisnik(k, std::move(text)); // the parser keeps the one copy
    if (!k.nacti || k.posledniChybaNacteni == ChybaMimoZapisnik)
        return false; // told already; no line of the notebook is at fault
    if (k.posledniChybaNacteni != 0) {
        // The load has told its message; the line number is what a script needs besides.
        env.err << "Řádek: " << CisloRadku(k.nacti->Zapisnik(), k.nacti->ErrorRowStart()) << "\n";
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
    KontextPrikazu kontext(env);
    Kontext& k = *kontext;
    return NactiDoKontextu(env, args[0], k) ? Uspech : ChybaZapisniku;
}

int PrikazVypisMereni(Prostredi& env, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        env.err << "Použití: lomvira-cli listing SOUBOR.mer\n";
        return ChybaPouziti;
    }
    KontextPrikazu kontext(env);
    Kontext& k = *kontext;
    if (!NactiDoKontextu(env, args[0], k))
        return ChybaZapisniku;
    for (const std::string& line : k.seznamMereni.VypisMereni('.'))
        env.out << line << "\n";
    return Uspech;
}

namespace {

const char* const ZnakySkupin = "RPS";

std::string JmenoStanice(const Kontext& k, int s)
{
    return Orizni(k.model.stations.GetStationName(s));
}

void VypisSkupinu(Prostredi& env, const Kontext& k, int r, int g)
{
    const Krizovat& sit = k.sit;
    const int druh = sit.GroupKind(r, g);
    env.out << "Skupina " << g << "  typ " << (druh >= 0 && druh <= 2 ? ZnakySkupin[druh] : 'N') << "  bodů "
            << sit.GroupStationCount(r, g) << "  záměr " << sit.GroupShotCount(r, g) << "\n";
    env.out << "  Vztažné:";
    for (int i = 1; i <= sit.GroupRefCount(r, g); ++i) {
        const GroupRef ref = sit.Get_ZBod_OS(r, g, i);
        env.out << " " << ref.RefPosition << "=";
        if (ref.RefPoint < 0)
            env.out << "*" << Orizni(k.model.givenPoints.GetGivenPoint(-ref.RefPoint).Name);
        else
            env.out << JmenoStanice(k, ref.RefPoint);
    }
    env.out << "\n  Body:";
    for (int i = 1; i <= sit.GroupStationCount(r, g); ++i)
        env.out << " " << JmenoStanice(k, sit.GetGroupStation(r, g, i));
    env.out << "\n  Záměry:";
    for (int i = 1; i <= sit.GroupShotCount(r, g); ++i) {
        const GroupShotValues z = sit.GetGroupShotValues(r, g, i);
        env.out << " " << JmenoStanice(k, sit.GetGroupStation(r, g, z.From)) << "-"
                << JmenoStanice(k, sit.GetGroupStation(r, g, z.To));
    }
    env.out << "\n";
}

// Loads and vectorises; false (after the message) when either fails.
bool Vektorizuj(Prostredi& env, const std::string& path, Kontext& k)
{
    if (!NactiDoKontextu(env, path, k))
        return false;
    Vectorize(k);
    return k.stav.Stav >= 2;
}

} // namespace

int PrikazSkupiny(Prostredi& env, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        env.err << "Použití: lomvira-cli groups SOUBOR.mer\n";
        return ChybaPouziti;
    }
    KontextPrikazu kontext(env);
    Kontext& k = *kontext;
    if (!Vektorizuj(env, args[0], k))
        return ChybaZapisniku;
    for (int r = 1; r <= k.model.regions.RegionCount(); ++r) {
        env.out << "Oblast " << r << "\n";
        for (int g = 1; g <= k.sit.GroupCount(r); ++g)
            VypisSkupinu(env, k, r, g);
    }
    return Uspech;
}

int PrikazVypocet(Prostredi& env, const std::vector<std::string>& args)
{
    std::vector<std::string> soubory;
    bool csv = false;
    for (const std::string& a : args) {
        if (a == "--csv")
            csv = true;
        else
            soubory.push_back(a);
    }
    if (soubory.size() != 1) {
        env.err << "Použití: lomvira-cli compute [--csv] SOUBOR.mer\n";
        return ChybaPouziti;
    }
    KontextPrikazu kontext(env);
    Kontext& k = *kontext;
    if (!Vektorizuj(env, soubory[0], k))
        return ChybaZapisniku;
    SpustVypocet(k);
    if (k.stav.Stav != 3)
        return ChybaZapisniku;
    if (csv) {
        const SourSystTransf t(k.nacti->SourSys());
        for (int s = 1; s <= k.model.stations.StationCount(); ++s) {
            const StationRecord p = k.model.stations.GetStation(s);
            const ZBod z = t.Vystup({p.Name, p.X, p.Y, p.Z});
            env.out << Orizni(p.Name) << "," << FormatCislo(z.X, 4) << "," << FormatCislo(z.Y, 4) << ","
                    << FormatCislo(z.Z, 4) << "\n";
        }
        return Uspech;
    }
    for (const std::string& line : VypisBodu(k.Body(), 0, false, false, FormatCisel{}))
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
