// lomvira-cli-grafika: the command line with the commands that draw and print, which need
// Qt's painting; lomvira-cli hands those commands over to it.
#include "cli/Cli.h"
#include "cli/ui/PrikazTisk.h"

int main(int argc, char** argv)
{
    const lomvira::cli::GrafickePrikazy grafika{lomvira::cli::PrikazTisk, lomvira::cli::PrikazKresli};
    return lomvira::cli::Hlavni(argc, argv, &grafika);
}
