#include "input/Chybovnik.h"

#include "common/Platforma.h"

namespace lomvira {

std::string ChybaText(int number, Platforma* platforma)
{
    switch (number) {
    case 1: return "Špatný řídící znak.";
    case 2: return "Chybí '='.";
    case 4: return "Neúplný zápis.";
    case 12: return "Chybí jedna či více uzavíracích závorek.";
    case 21: return "Rozdíl mezi směrem tam a zpět překročil povolenou hodnotu.";
    case 42: return "Neznámý nebo nevhodně použitý příkaz.";
    case 43: return "Neznámý nebo nevhodně použitý příkaz vrámci definice měřidla.";
    case 51: return "Nebylo zadáno jméno měřidla.";
    case 52: return "Pokus o použití nedefinovaného měřidla.";
    case 53: return "Pokus o opětovné definování stejného měřidla.";
    case 1401: return "Chyba v zadání datumu.";
    // Values no shot, declination or deviation can have, and notebooks larger than the
    // model holds.
    case 8:
        return "Nepřípustná hodnota: nulová či nepatrná délka, nekonečná šikmá délka (vodorovný délkoměr při "
               "sklonu ±90°, svislý při sklonu 0°), deklinace či odchylka kompasu přes celou otáčku nebo číslo "
               "mimo rozsah.";
    case 9: return "Příliš mnoho bodů: zápisník smí obsahovat nejvýše 2147483647 bodů.";
    case 10: return "Řádek je delší než 32767 znaků.";
    case 11: return "Příliš mnoho záměr: zápisník smí obsahovat nejvýše 2147483647 různých záměr.";
    case 13: return "Příliš mnoho měření jedné záměry: jednu záměru lze změřit nejvýše 2147483647krát.";
    default:
        if (platforma)
            platforma->ZpravaBox("Nedefinovana chyba " + std::to_string(number), 0 /*OK*/ | 48, "Lomvira");
        return {};
    }
}

} // namespace lomvira
