// lomvira-cli: the notebook commands for batch work and scripts.
#include "cli/Cli.h"
#include "common/Soubory.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

// The folder of this program (with its final "/"), "" when the system does not tell.
std::string SlozkaProgramu()
{
    std::string cesta(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", cesta.data(), cesta.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= cesta.size())
        return {};
    cesta.resize(static_cast<std::size_t>(n));
    return cesta.substr(0, cesta.rfind('/') + 1);
}

// Hands the whole command over to lomvira-cli-grafika, beside this program in the build
// and in the folder of helper programs when installed; returns only when neither starts.
int PredejGrafice(char** argv)
{
    const std::string slozka = SlozkaProgramu();
    const std::string kandidati[] = {slozka + "lomvira-cli-grafika", slozka + LOMVIRA_GRAFIKA_INSTALOVANA};
    int chyba = ENOENT;
    // Never a program of that name from the current folder: without our own folder, none.
    for (const std::string& cesta : kandidati) {
        if (slozka.empty())
            break;
        execv(cesta.c_str(), argv);
        if (errno != ENOENT)
            chyba = errno;
    }
    const std::string zprava = "Kreslení a tisk provádí program lomvira-cli-grafika, který nelze spustit ("
                               + kandidati[0] + "): " + lomvira::DuvodChyby(chyba) + ".\n";
    (void)!write(2, zprava.data(), zprava.size());
    return lomvira::cli::ChybaZapisniku;
}

} // namespace

int main(int argc, char** argv)
{
    if (lomvira::cli::JeGrafickyPrikaz(std::vector<std::string>(argv + 1, argv + argc)))
        return PredejGrafice(argv);
    return lomvira::cli::Hlavni(argc, argv, nullptr);
}
