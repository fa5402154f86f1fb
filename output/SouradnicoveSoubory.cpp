#include "output/SouradnicoveSoubory.h"

#include "common/Cesty.h"
#include "common/Cisla.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"
#include "output/TextVystupu.h"

namespace lomvira {

namespace {

constexpr int DesetinnychSouradnic = 5;
constexpr int DesetinnychKokes = 3;

// "name, first, second, third" of every station, in the transformation's output order.
void RadkyBodu(const VstupVystupu& v, const SourSystTransf& t, std::string& out)
{
    const StationTable& body = v.model.stations;
    for (int s = 1; s <= body.StationCount(); ++s) {
        const StationRecord p = body.GetStation(s);
        const ZBod z = t.Vystup({Orizni(p.Name), p.X, p.Y, p.Z});
        out += z.Name;
        for (const double c : {z.X, z.Y, z.Z}) {
            out += ", ";
            PridejCislo(out, c, DesetinnychSouradnic);
        }
        out += CRLF;
    }
}

std::string Vyska(const SourSystem& s)
{
    return s.BPV() ? "BPV" : "vlastni";
}

} // namespace

std::string TextSOU(const VstupVystupu& v)
{
    const SourSystem& s = v.system;
    std::string out;
    out.reserve(static_cast<std::size_t>(v.model.stations.StationCount()) * 48 + 32);
    if (s.JTSK())
        out += std::string(s.Typ() == 2 ? "JTSK," : "JTSK_XY,") + ObecneCislo(Z_Radianu(s.Natoceni(), JednotkaStupne));
    else
        out += ObecneCislo(Z_Radianu(PI / 2 + s.Natoceni(), JednotkaStupne));
    out += "," + Vyska(s) + CRLF;
    RadkyBodu(v, SourSystTransf(s), out);
    return out;
}

std::string TextSTX(const VstupVystupu& v, const std::string& jmeno)
{
    const StationTable& body = v.model.stations;
    if (body.StationCount() == 0)
        return {};
    std::string out;
    out.reserve(static_cast<std::size_t>(body.StationCount()) * 40 + 64);
    const StationRecord prvni = body.GetStation(1);
    out += jmeno + " XY mm ";
    PridejCislo(out, -prvni.Y, DesetinnychKokes);
    out += ' ';
    PridejCislo(out, -prvni.X, DesetinnychKokes);
    out += CRLF;
    // The station table's own values: no transformation, no rotation.
    for (int n = 1; n <= body.StationCount(); ++n) {
        const StationRecord p = body.GetStation(n);
        out += Orizni(p.Name);
        for (const double c : {-p.Y, -p.X, p.Z}) {
            out += ' ';
            PridejCislo(out, c, DesetinnychKokes);
        }
        out += CRLF;
    }
    out += "-1";
    out += CRLF;
    return out;
}

std::string TextPolygonu(const VstupVystupu& v)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    std::string out;
    out.reserve(static_cast<std::size_t>(body.StationCount()) * 48 + static_cast<std::size_t>(zamery.ShotCount()) * 26
                + 64);
    out += "# SOURADNICE";
    out += CRLF;
    // Fixed texts, whatever the rotation, axis order or height datum.
    out += v.system.JTSK() ? "JTSK,0,BPV" : "90,0,VLASTNI";
    out += CRLF;
    // S-JTSK goes Y, X, height here even when the notebook lists X first.
    SourSystTransf t(v.system);
    t.Poradi(1);
    RadkyBodu(v, t, out);
    out += "# VEKTORY";
    out += CRLF;
    for (int k = 1; k <= zamery.ShotCount(); ++k) {
        const ShotValues z = zamery.GetShot(k);
        out += body.GetStation(z.From).Name;
        out += "    ";
        out += body.GetStation(z.To).Name;
        out += CRLF;
    }
    return out;
}

std::string ZapisSOU(const VstupVystupu& v, const std::string& path)
{
    return ZapisAnsi(path, TextSOU(v));
}

std::string ZapisSTX(const VstupVystupu& v, const std::string& path)
{
    const std::string text = TextSTX(v, RozdelCestu(path).jmeno);
    if (text.empty())
        return "Soubor " + path + " nebyl zapsán: výpočet nedal žádné body.";
    return ZapisAnsi(path, text);
}

std::string ZapisPolygonText(const VstupVystupu& v, const std::string& path)
{
    return ZapisAnsi(path, TextPolygonu(v));
}

} // namespace lomvira
