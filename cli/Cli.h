#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lomvira::cli {

// Exit codes.
inline constexpr int Uspech = 0;
inline constexpr int ChybaPouziti = 1;
inline constexpr int ChybaZapisniku = 2;

struct Prostredi;
using FunkcePrikazu = int (*)(Prostredi&, const std::vector<std::string>&);

// The commands that draw and print need Qt's painting, whose libraries took 12 ms of a small
// command's 30 ms to load: they live in a second program, lomvira-cli-grafika, which the
// command line hands such a command over to.
struct GrafickePrikazy {
    FunkcePrikazu tisk = nullptr;
    FunkcePrikazu kresli = nullptr;
};

// `konecProcesu`: the process ends right after the command, so the command's survey may be
// left for the system to take back instead of being freed piece by piece. Without
// `grafika` the commands print and draw are refused.
int Spust(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool konecProcesu = false,
          const GrafickePrikazy* grafika = nullptr);

// Whether the arguments (without the program's name) ask for print or draw.
bool JeGrafickyPrikaz(const std::vector<std::string>& args);

// The whole run of a program of the command line, from main's arguments to the exit status.
int Hlavni(int argc, char** argv, const GrafickePrikazy* grafika);

} // namespace lomvira::cli
