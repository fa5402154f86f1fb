#include "cli/Cli.h"

#include "common/ui/QtUlozisteNastaveni.h"
#include "cli/CliPlatforma.h"
#include "cli/PrikazChyby.h"
#include "cli/PrikazExport.h"
#include "cli/PrikazKonverze.h"
#include "cli/Vystup.h"
#include "cli/Prikazy.h"
#include "common/Soubory.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace lomvira::cli {

namespace {

const char* const Napoveda =
    "Použití: lomvira-cli [VOLBY] PŘÍKAZ [ARGUMENTY]\n"
    "\n"
    "Zpracuje zápisník měření (.mer) bez okna programu.\n"
    "\n"
    "Volby:\n"
    "  --settings SOUBOR   nastavení číst z tohoto souboru (INI) místo uživatelského\n"
    "  --answer yes|no     odpověď na všechny dotazy (jinak výchozí tlačítko)\n"
    "  --help              tato nápověda\n"
    "  --version           verze programu\n"
    "\n"
    "Příkazy:\n";

struct Prikaz {
    const char* name;
    const char* usage;
    FunkcePrikazu run; // nullptr: a command of lomvira-cli-grafika
};

// The commands, in the order of the help text.
const std::vector<Prikaz> Prikazy = {
    {"instruments", "instruments SOUBOR.mer   vypíše měřidla a deklinace zápisníku", PrikazMeridla},
    {"load", "load SOUBOR.mer          načte zápisník (vypíše jen varování a chyby)", PrikazNacteni},
    {"listing", "listing SOUBOR.mer       vypíše seznam měření", PrikazVypisMereni},
    {"groups", "groups SOUBOR.mer        načte, vektorizuje a vypíše skupiny každé oblasti", PrikazSkupiny},
    {"compute", "compute [--csv] SOUBOR.mer  spočte souřadnice bodů a vypíše je", PrikazVypocet},
    {"export", "export SOUBOR.mer --format FORMÁT -o VÝSTUP  spočte zápisník a zapíše soubor souřadnic, výkres DXF, polygon nebo mapu", PrikazExport},
    {"print", "print SOUBOR.mer --pdf VÝSTUP.pdf [--sections title,measurements,points,profiles] [--comment TEXT]"
              "  vytiskne protokol do souboru PDF", nullptr},
    {"draw", "draw SOUBOR.mer -o VÝSTUP.png|svg|pdf [--view plan|section] [--azimuth A] [--layers ...]"
             "  nakreslí půdorys nebo řez", nullptr},
    {"errors", "errors SOUBOR.mer [--differences OD:DO ... | --find]  hledá hrubé chyby v sítích:"
               " intenzity chyb záměr, rozdíly odpojených příček, nejpravděpodobnější chyba skupiny", PrikazChyby},
    {"convert", "convert to-jtsk ŠÍŘKA DÉLKA | to-geo X Y  převede bod mezi zeměpisnými souřadnicemi a S-JTSK", PrikazKonverze},
};

void PisNapovedu(std::ostream& out)
{
    out << Napoveda;
    for (const Prikaz& p : Prikazy)
        out << "  " << p.usage << "\n";
}

// The general options before the command, read without a word said.
struct ObecneVolby {
    enum Druh { Napoveda, Verze, Chyba, Prikaz } druh = Prikaz;
    std::string chyba;
    std::optional<std::string> settingsFile;
    std::optional<int> answer;
    std::size_t prikaz = 0; // the command's index in the arguments
};

ObecneVolby CtiObecneVolby(const std::vector<std::string>& args)
{
    ObecneVolby v;
    auto chyba = [&v](std::string text) {
        v.druh = ObecneVolby::Chyba;
        v.chyba = std::move(text);
        return v;
    };
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            v.druh = ObecneVolby::Napoveda;
            return v;
        }
        if (a == "--version") {
            v.druh = ObecneVolby::Verze;
            return v;
        }
        if (a == "--settings") {
            if (i + 1 >= args.size())
                return chyba("Volba --settings potřebuje jméno souboru.");
            v.settingsFile = args[++i];
        } else if (a == "--answer") {
            if (i + 1 >= args.size() || (args[i + 1] != "yes" && args[i + 1] != "no"))
                return chyba("Volba --answer potřebuje hodnotu yes nebo no.");
            v.answer = args[++i] == "yes" ? 1 : 0;
        } else if (!a.empty() && a[0] == '-') {
            return chyba("Neznámá volba " + a + ". Nápovědu vypíše lomvira-cli --help.");
        } else {
            break;
        }
    }
    if (i >= args.size())
        return chyba("Chybí příkaz. Nápovědu vypíše lomvira-cli --help.");
    v.prikaz = i;
    return v;
}

} // namespace

bool JeGrafickyPrikaz(const std::vector<std::string>& args)
{
    const ObecneVolby v = CtiObecneVolby(args);
    if (v.druh != ObecneVolby::Prikaz)
        return false;
    for (const Prikaz& p : Prikazy)
        if (args[v.prikaz] == p.name)
            return p.run == nullptr;
    return false;
}

int Spust(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool konecProcesu,
          const GrafickePrikazy* grafika)
{
    const ObecneVolby v = CtiObecneVolby(args);
    switch (v.druh) {
    case ObecneVolby::Napoveda:
        PisNapovedu(out);
        return Uspech;
    case ObecneVolby::Verze:
        out << "lomvira-cli " << LOMVIRA_VERSION << "\n";
        return Uspech;
    case ObecneVolby::Chyba:
        err << v.chyba << "\n";
        return ChybaPouziti;
    case ObecneVolby::Prikaz:
        break;
    }
    const std::optional<std::string>& settingsFile = v.settingsFile;
    const std::optional<int>& answer = v.answer;
    const std::size_t i = v.prikaz;
    const std::string command = args[i];
    const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const Prikaz& p : Prikazy) {
        if (command == p.name) {
            // Settings asked for by name must be those settings, not silently the defaults.
            if (settingsFile) {
                if (const std::string duvod = ProcNelzeCist(*settingsFile); !duvod.empty()) {
                    err << "Soubor nastavení " << *settingsFile << " nelze přečíst: " << duvod << ".\n";
                    return ChybaPouziti;
                }
            }
            std::unique_ptr<QtUlozisteNastaveni> store = settingsFile
                ? std::make_unique<QtUlozisteNastaveni>(*settingsFile)
                : std::make_unique<QtUlozisteNastaveni>();
            if (const std::string chyba = store->Chyba(); !chyba.empty())
                err << chyba << "\n";
            FunkcePrikazu run = p.run;
            if (!run && grafika)
                run = command == "print" ? grafika->tisk : grafika->kresli;
            if (!run) {
                err << "Příkaz " << command << " provádí program lomvira-cli-grafika.\n";
                return ChybaZapisniku;
            }
            CliPlatforma platforma(out, err, answer);
            Prostredi env{platforma, *store, out, err, konecProcesu};
            return run(env, rest);
        }
    }
    err << "Neznámý příkaz " << command << ". Nápovědu vypíše lomvira-cli --help.\n";
    return ChybaPouziti;
}

int Hlavni(int argc, char** argv, const GrafickePrikazy* grafika)
{
    // A reader that has gone away is a failed write to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    VystupDoDeskriptoru vystup(1, 1 << 16), chyby(2, 4096);
    std::ostream out(&vystup);
    std::ostream err(&chyby);
    err.setf(std::ios::unitbuf);
    int status = ChybaZapisniku;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        status = Spust(args, out, err, true, grafika);
    } catch (const std::bad_alloc&) {
        err << "Nedostatek paměti.\n";
    } catch (const std::length_error&) {
        err << "Nedostatek paměti.\n";
    }
    return DokonciVystup(status, out, err);
}

} // namespace lomvira::cli
