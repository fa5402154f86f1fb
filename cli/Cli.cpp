#include "cli/Cli.h"

#include "common/ui/QtUlozisteNastaveni.h"
#include "cli/CliPlatforma.h"
#include "cli/PrikazChyby.h"
#include "cli/PrikazExport.h"
#include "cli/PrikazKonverze.h"
#include "cli/PrikazTisk.h"
#include "cli/Prikazy.h"
#include "common/Soubory.h"

#include <iostream>
#include <memory>
#include <optional>
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
    int (*run)(Prostredi&, const std::vector<std::string>&);
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
              "  vytiskne protokol do souboru PDF", PrikazTisk},
    {"draw", "draw SOUBOR.mer -o VÝSTUP.png|svg|pdf [--view plan|section] [--azimuth A] [--layers ...]"
             "  nakreslí půdorys nebo řez", PrikazKresli},
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

} // namespace

int Spust(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool konecProcesu)
{
    std::optional<std::string> settingsFile;
    std::optional<int> answer;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            PisNapovedu(out);
            return Uspech;
        }
        if (a == "--version") {
            out << "lomvira-cli " << LOMVIRA_VERSION << "\n";
            return Uspech;
        }
        if (a == "--settings") {
            if (i + 1 >= args.size()) {
                err << "Volba --settings potřebuje jméno souboru.\n";
                return ChybaPouziti;
            }
            settingsFile = args[++i];
        } else if (a == "--answer") {
            if (i + 1 >= args.size() || (args[i + 1] != "yes" && args[i + 1] != "no")) {
                err << "Volba --answer potřebuje hodnotu yes nebo no.\n";
                return ChybaPouziti;
            }
            answer = args[++i] == "yes" ? 1 : 0;
        } else if (!a.empty() && a[0] == '-') {
            err << "Neznámá volba " << a << ". Nápovědu vypíše lomvira-cli --help.\n";
            return ChybaPouziti;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        err << "Chybí příkaz. Nápovědu vypíše lomvira-cli --help.\n";
        return ChybaPouziti;
    }
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
            CliPlatforma platforma(out, err, answer);
            Prostredi env{platforma, *store, out, err, konecProcesu};
            return p.run(env, rest);
        }
    }
    err << "Neznámý příkaz " << command << ". Nápovědu vypíše lomvira-cli --help.\n";
    return ChybaPouziti;
}

} // namespace lomvira::cli
