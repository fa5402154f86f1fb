#include "app/ui/ArgumentyProgramu.h"

#include "common/Soubory.h"

namespace lomvira {

ArgumentyProgramu RozeberArgumenty(const std::vector<std::string>& args)
{
    ArgumentyProgramu a;
    bool souborMa = false;
    bool volby = true;
    for (std::size_t i = 0; i < args.size() && a.chyba.empty(); ++i) {
        const std::string& arg = args[i];
        if (volby && arg == "--") {
            volby = false;
        } else if (volby && (arg == "--help" || arg == "-h")) {
            a.napoveda = true;
        } else if (volby && arg == "--settings") {
            if (i + 1 < args.size() && !args[i + 1].empty())
                a.nastaveni = args[++i];
            else
                a.chyba = "Volba --settings potřebuje jméno souboru.";
        } else if (volby && arg.rfind("--settings=", 0) == 0) {
            a.nastaveni = arg.substr(11);
            if (a.nastaveni->empty())
                a.chyba = "Volba --settings potřebuje jméno souboru.";
        } else if (volby && arg.size() > 2 && arg.rfind("--", 0) == 0) {
            a.chyba = "Neznámá volba " + arg + ".";
        } else if (souborMa) {
            a.chyba = "Program otevírá jen jeden zápisník; navíc je uvedeno " + arg + ".";
        } else {
            a.zapisnik = arg;
            souborMa = true;
        }
    }
    // Settings asked for by name must be those settings, not silently the defaults.
    if (a.chyba.empty() && a.nastaveni) {
        if (const std::string duvod = ProcNelzeCist(*a.nastaveni); !duvod.empty())
            a.chyba = "Soubor nastavení " + *a.nastaveni + " nelze přečíst: " + duvod + ".";
    }
    return a;
}

} // namespace lomvira
