#include "output/CtiSou.h"

#include "common/Cisla.h"
#include "common/Soubory.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"

#include <charconv>
#include <cmath>

namespace lomvira {

namespace {

std::vector<std::string> Pole(std::string_view radek)
{
    std::vector<std::string> pole;
    std::size_t od = 0;
    while (true) {
        const std::size_t carka = radek.find(',', od);
        pole.push_back(Orizni(radek.substr(od, carka == std::string_view::npos ? std::string_view::npos : carka - od)));
        if (carka == std::string_view::npos)
            return pole;
        od = carka + 1;
    }
}

std::optional<double> Cislo(const std::string& text)
{
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// "JTSK,<angle>,<heights>", "JTSK_XY,<angle>,<heights>" or "<angle>,<heights>". A writer
// that used a decimal comma split the angle in two; its parts are joined again.
bool Hlavicka(const std::vector<std::string>& pole, ZdrojSouradnic& z)
{
    std::size_t prvni = 0;
    if (!pole.empty() && (pole[0] == "JTSK" || pole[0] == "JTSK_XY")) {
        z.typ = pole[0] == "JTSK" ? 2 : 3;
        prvni = 1;
    }
    const std::size_t castiUhlu = pole.size() - prvni - 1;
    if (pole.size() < prvni + 2 || castiUhlu > 2)
        return false;
    const std::string vysky = VelkaPismena(pole.back());
    if (vysky != "BPV" && vysky != "VLASTNI")
        return false;
    z.bpv = vysky == "BPV";
    std::string text = pole[prvni];
    if (castiUhlu == 2)
        text += "." + pole[prvni + 1];
    const auto uhel = Cislo(text);
    if (!uhel)
        return false;
    z.natoceni = NaRadiany(*uhel, JednotkaStupne) - (z.typ == 1 ? PI / 2 : 0.0);
    return true;
}

} // namespace

std::optional<ZdrojSouradnic> CtiSou(const std::string& text, const std::string& soubor, std::string& chyba)
{
    ZdrojSouradnic z;
    z.soubor = soubor;
    std::size_t od = 0;
    int cislo = 0;
    auto spatne = [&](const std::string& co) {
        chyba = "Soubor " + soubor + " není soubor souřadnic: " + co + " na řádku " + std::to_string(cislo) + ".";
        return std::nullopt;
    };
    while (od < text.size()) {
        std::size_t konec = text.find('\n', od);
        if (konec == std::string::npos)
            konec = text.size();
        std::string_view radek(text.data() + od, konec - od);
        od = konec + 1;
        ++cislo;
        if (!radek.empty() && radek.back() == '\r')
            radek.remove_suffix(1);
        const std::vector<std::string> pole = Pole(radek);
        if (cislo == 1) {
            if (!Hlavicka(pole, z))
                return spatne("chybná hlavička");
            continue;
        }
        if (Orizni(radek).empty())
            continue;
        if (pole.size() != 4 || pole[0].empty())
            return spatne("očekáván bod a tři souřadnice");
        ZBod b{NFC(pole[0]), 0.0, 0.0, 0.0};
        double* c[] = {&b.X, &b.Y, &b.Z};
        for (int i = 0; i < 3; ++i) {
            const auto v = Cislo(pole[static_cast<std::size_t>(i) + 1]);
            if (!v)
                return spatne("chybná souřadnice");
            *c[i] = *v;
        }
        z.body.push_back(std::move(b));
    }
    if (cislo == 0)
        return spatne("prázdný soubor");
    return z;
}

std::optional<ZdrojSouradnic> CtiSouSoubor(const std::string& path, std::string& chyba)
{
    const NactenyText t = NactiZapisnik(path);
    if (!t.ok) {
        chyba = t.chyba;
        return std::nullopt;
    }
    return CtiSou(t.text, path, chyba);
}

bool KompatibilniSoustava(const SourSystem& zapisnik, const ZdrojSouradnic& zdroj)
{
    return zapisnik.JTSK() == (zdroj.typ != 1);
}

Bod BodZeZdroje(const SourSystem& zapisnik, const ZdrojSouradnic& zdroj, const ZBod& z)
{
    if (zdroj.typ == 1)
        return SourSystTransf(zapisnik).ZVystupu(z);
    // S-JTSK is one frame for all: only the file's order of axes matters.
    SourSystem soustava;
    soustava.Nastav(zdroj.natoceni, true, zdroj.typ, 0, zdroj.bpv, JednotkaStupne, 0, {}, 0, 0);
    return SourSystTransf(soustava).ZVystupu(z);
}

} // namespace lomvira
