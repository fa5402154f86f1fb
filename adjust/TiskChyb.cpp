#include "adjust/TiskChyb.h"

#include "adjust/AnalyzaChyb.h"
#include "common/PlochaTisku.h"
#include "common/Text.h"

#include <string>

namespace lomvira {

namespace {

constexpr double Okraj = 10.0;        // mm from the printable area's edge
constexpr double VelikostTextu = 9.0; // points
constexpr double VelikostNadpisu = 12.0;
// The value column starts after the three station columns of the header.
constexpr std::size_t SloupecHodnoty = 78;

void Zahlavi(PlochaTisku& plocha, const std::string& pismo, const std::string& hlavicka, int strana)
{
    plocha.Pismo(pismo, VelikostNadpisu, true, false);
    plocha.Pozice(Okraj, Okraj);
    plocha.Text("Analýza chyb");
    const std::string cislo = std::to_string(strana) + ". strana";
    plocha.Pismo(pismo, VelikostTextu, false, false);
    plocha.Pozice(plocha.Sirka() - Okraj - plocha.SirkaTextu(cislo), Okraj);
    plocha.Text(cislo);
    plocha.Pismo(pismo, VelikostTextu, true, false);
    const double y = Okraj + 2.0 * plocha.VyskaTextu(hlavicka);
    plocha.Pozice(Okraj, y);
    plocha.Text(hlavicka);
    const double pod = y + plocha.VyskaTextu(hlavicka);
    plocha.Cara(Okraj, pod, plocha.Sirka() - Okraj, pod);
    plocha.Pismo(pismo, VelikostTextu, false, false);
    plocha.Pozice(Okraj, pod + 1.0);
}

} // namespace

std::string TiskniChyby(PlochaTisku& plocha, const std::string& pismo, const std::string& nadpisHodnoty,
                        const std::vector<std::string>& radky)
{
    const std::string hlavicka = PevnaSirka(HlavickaChyb, SloupecHodnoty) + nadpisHodnoty;
    int strana = 1;
    Zahlavi(plocha, pismo, hlavicka, strana);
    for (const std::string& radek : radky) {
        const double vyska = plocha.VyskaTextu(radek);
        if (plocha.Y() + vyska > plocha.Vyska() - Okraj) {
            plocha.NovaStrana();
            Zahlavi(plocha, pismo, hlavicka, ++strana);
        }
        const double y = plocha.Y();
        plocha.Pozice(Okraj, y);
        plocha.Text(radek);
        plocha.Pozice(Okraj, y + vyska);
    }
    std::string chyba;
    return plocha.Konec(chyba) ? std::string() : chyba;
}

} // namespace lomvira
