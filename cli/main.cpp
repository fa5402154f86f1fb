// lomvira-cli: the notebook commands for batch work and scripts.
#include "cli/Cli.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return lomvira::cli::Spust(args, std::cout, std::cerr);
}
