// lomvira-cli: the notebook commands for batch work and scripts.
#include "cli/Cli.h"
#include "cli/Vystup.h"

#include <csignal>
#include <new>
#include <ostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    // A reader that has gone away is a failed write to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    lomvira::cli::VystupDoDeskriptoru vystup(1, 1 << 16), chyby(2, 4096);
    std::ostream out(&vystup);
    std::ostream err(&chyby);
    err.setf(std::ios::unitbuf);
    int status = lomvira::cli::ChybaZapisniku;
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        status = lomvira::cli::Spust(args, out, err, true);
    } catch (const std::bad_alloc&) {
        err << "Nedostatek paměti.\n";
    } catch (const std::length_error&) {
        err << "Nedostatek paměti.\n";
    }
    return lomvira::cli::DokonciVystup(status, out, err);
}
