#include "common/Cesty.h"

#include "common/Soubory.h"

namespace lomvira {

namespace {

bool JeOddelovac(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

CastiCesty RozdelCestu(std::string_view path)
{
    CastiCesty c;
    std::size_t konecDisku = 0; // the folder starts here
    if (path.empty() || path.front() != '/') {
        const std::size_t dvojtecka = path.find(':');
        if (dvojtecka != std::string_view::npos) {
            if (dvojtecka == 0)
                return {};
            const std::size_t posledni = path.find_last_of("\\/");
            if (posledni != std::string_view::npos && posledni < dvojtecka)
                return {};
            konecDisku = dvojtecka + 1;
        }
    }
    c.disk = std::string(path.substr(0, konecDisku));
    std::size_t zacatekJmena = konecDisku;
    for (std::size_t i = konecDisku; i < path.size(); ++i)
        if (JeOddelovac(path[i]))
            zacatekJmena = i + 1;
    c.slozka = std::string(path.substr(konecDisku, zacatekJmena - konecDisku));
    const std::string_view soubor = path.substr(zacatekJmena);
    if (!soubor.empty() && soubor.front() == '.')
        return c;
    const std::size_t tecka = soubor.find('.');
    c.jmeno = std::string(soubor.substr(0, tecka));
    if (tecka != std::string_view::npos)
        c.pripona = std::string(soubor.substr(tecka + 1));
    return c;
}

std::string PracovniSoubor()
{
    std::string slozka = DocasnaSlozka();
    if (!slozka.empty() && !JeOddelovac(slozka.back()))
        slozka += '/';
    return slozka + "$prac";
}

} // namespace lomvira
