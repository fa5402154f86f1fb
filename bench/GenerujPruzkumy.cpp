// Writes the timing surveys into a folder, each as NAME.mer and its twin NAME.svx.
#include "Pruzkumy.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

using namespace lomvira::bench;

namespace {

bool Zapis(const std::string& cesta, const std::string& text)
{
    std::ofstream f(cesta, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Použití: generuj_pruzkumy SLOŽKA\n";
        return 2;
    }
    const std::string slozka = argv[1];
    const struct {
        const char* jmeno;
        Pruzkum (*vytvor)();
    } pruzkumy[] = {
        {"jeskyne-30k-daleke-smycky", [] { return Jeskyne(30000, 0, 300, 1); }},
        {"dul-70-radky", [] { return Dul(70, false, 2); }},
        {"dul-70-nahodne", [] { return Dul(70, true, 3); }},
        {"dul-100-radky", [] { return Dul(100, false, 4); }},
        {"dul-100-nahodne", [] { return Dul(100, true, 5); }},
        {"jeskyne-4k", [] { return Jeskyne(4000, 10, 0, 6); }},
        {"jeskyne-32k", [] { return Jeskyne(32000, 10, 0, 7); }},
        {"jeskyne-300k", [] { return Jeskyne(300000, 10, 0, 8); }},
    };
    for (const auto& p : pruzkumy) {
        const Pruzkum pruzkum = p.vytvor();
        const std::string zaklad = slozka + "/" + p.jmeno;
        if (!Zapis(zaklad + ".mer", Zapisnik(pruzkum)) || !Zapis(zaklad + ".svx", Svx(pruzkum))) {
            std::cerr << "Nelze zapsat " << zaklad << "\n";
            return 1;
        }
        std::cout << p.jmeno << " " << pruzkum.body.size() << " " << pruzkum.zamery.size() << "\n";
    }
    return 0;
}
