#include "output/Prohlizec.h"

#include "common/Cisla.h"
#include "common/Soubory.h"
#include "common/Text.h"
#include "output/TextVystupu.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>

namespace lomvira {

namespace {

constexpr int DesetinnychProhlizece = 5;
constexpr std::int16_t ZnackaFormatu12 = 7265;
// A point record counts in units of 2 cm.
constexpr double JednotekNaMetr = 50.0;
constexpr int DelkaJmenaLokality12 = 16;
constexpr int DelkaJmenaBodu12 = 8;
const char* const NazevFormatu12 = "Polygon pro VIROKA 1.2";

void PridejInteger(std::string& out, int value)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PridejLong(std::string& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A name field of n bytes: a blank and the name cut to n characters and trimmed, as a
// length byte, the text and blanks up to n. The name is already in Windows-1250.
void PridejPoleJmena(std::string& out, const std::string& jmeno, int n)
{
    const std::string text = Orizni((" " + jmeno).substr(0, static_cast<std::size_t>(n)));
    out += static_cast<char>(text.size());
    out += text;
    out.append(static_cast<std::size_t>(n) - 1 - text.size(), ' ');
}

bool VRozsahuInteger(double v)
{
    return v >= -32768.0 && v <= 32767.0;
}

} // namespace

std::string TextPolygon21(const VstupVystupu& v)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    std::string out;
    out.reserve(512 + static_cast<std::size_t>(body.StationCount()) * 48
                + static_cast<std::size_t>(zamery.ShotCount()) * 32);
    out += "/ UniPolygon z LOMVIRY ver. " + std::to_string(v.verze.hlavni) + "." + std::to_string(v.verze.vedlejsi)
           + "." + std::to_string(v.verze.revize) + CRLF;
    out += "# INFO";
    out += CRLF;
    out += "\"Lokalita:\"";
    out += CRLF;
    out += "\"   " + Orizni(v.lokalita.jmeno) + "\"" + CRLF;
    out += "\"Evidenční číslo:\"";
    out += CRLF;
    out += "\"   " + Orizni(v.lokalita.cislo) + "\"" + CRLF;
    out += CRLF;
    out += "\"   " + v.komentar + "\"" + CRLF;
    out += CRLF;
    out += "# SOURADNICE";
    out += CRLF;
    for (int s = 1; s <= body.StationCount(); ++s) {
        const StationRecord p = body.GetStation(s);
        out += Orizni(p.Name);
        for (const double c : {-p.X, -p.Y, p.Z}) {
            out += ' ';
            PridejCislo(out, c, DesetinnychProhlizece);
        }
        out += CRLF;
    }
    out += CRLF;
    out += "# VEKTORY";
    out += CRLF;
    for (int k = 1; k <= zamery.ShotCount(); ++k) {
        const ShotValues z = zamery.GetShot(k);
        const int misto = zamery.GetShotRecord(k).ViewStyle;
        out += body.GetStation(z.From).Name;
        out += ' ';
        out += body.GetStation(z.To).Name;
        out += " \"";
        if (misto > 0 && static_cast<std::size_t>(misto) <= v.mista.size())
            out += v.mista[static_cast<std::size_t>(misto - 1)];
        out += '"';
        out += CRLF;
    }
    return out;
}

std::string ZapisPolygon21(const VstupVystupu& v, const std::string& path, bool utf8)
{
    const std::string text = TextPolygon21(v);
    return utf8 ? WriteUTF8FileEx(path, text) : ZapisAnsi(path, text);
}

bool ZapisBodRelativne(const BodVieweru& r, const BodVieweru& p, std::string& out)
{
    const double x = -std::floor((p.x - r.x) * JednotekNaMetr);
    const double y = -std::floor((p.y - r.y) * JednotekNaMetr);
    const double z = std::nearbyint((p.z - r.z) * JednotekNaMetr);
    if (!VRozsahuInteger(x) || !VRozsahuInteger(y) || !VRozsahuInteger(z))
        return false;
    PridejInteger(out, static_cast<int>(x));
    PridejInteger(out, static_cast<int>(y));
    PridejInteger(out, static_cast<int>(z));
    return true;
}

bool BajtyPolygon12(const VstupVystupu& v, std::string& bajty, std::string& chyba)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    const int pocetBodu = body.StationCount(), pocetZamer = zamery.ShotCount();
    constexpr int MaxInteger = std::numeric_limits<std::int16_t>::max();
    if (pocetBodu > MaxInteger || pocetZamer > MaxInteger) {
        chyba = std::string(NazevFormatu12) + " nelze zapsat: měření má " + std::to_string(pocetBodu) + " bodů a "
                + std::to_string(pocetZamer) + " záměr, formát pojme nejvýše " + std::to_string(MaxInteger)
                + " bodů a záměr. Použijte formát VIROKA 2.1.";
        return false;
    }
    const CoordinateExtremes e = body.GetCoordinateExtremes();
    // Offsets from the reference corner are 16-bit numbers of 2 cm.
    const struct {
        const char* osa;
        double od, po;
    } osy[] = {{"X", e.Xmin, e.Xmax}, {"Y", e.Ymin, e.Ymax}, {"Z", e.Zmin, e.Zmax}};
    for (const auto& o : osy) {
        const double rozsah = o.po - o.od;
        const bool vejdeSe = std::nearbyint(rozsah * JednotekNaMetr) <= MaxInteger
                             && std::floor(-rozsah * JednotekNaMetr) >= -MaxInteger;
        if (!vejdeSe) {
            chyba = std::string(NazevFormatu12) + " nelze zapsat: měření je v ose " + o.osa + " rozlehlé "
                    + FormatCislo(rozsah, 2) + " m, formát pojme nejvýše 655.34 m. Použijte formát VIROKA 2.1.";
            return false;
        }
    }
    const double rohy[6] = {-e.Xmax, -e.Ymax, e.Zmin, -e.Xmin, -e.Ymin, e.Zmax};
    for (const double c : rohy) {
        const double cm = std::nearbyint(c * 100.0);
        if (!(cm >= std::numeric_limits<std::int32_t>::min() && cm <= std::numeric_limits<std::int32_t>::max())) {
            chyba = std::string(NazevFormatu12) + " nelze zapsat: souřadnice " + FormatCislo(c, 2)
                    + " m se do formátu nevejde (nejvýše 21474836.47 m).";
            return false;
        }
    }

    std::string lokalita;
    if (!DoAnsi(Orizni(v.lokalita.jmeno), lokalita)) {
        chyba = std::string(NazevFormatu12)
                + " nelze zapsat: jméno lokality obsahuje znaky, které kódování Windows-1250 nezná.";
        return false;
    }
    std::string out;
    out.reserve(70 + static_cast<std::size_t>(pocetBodu) * 14 + static_cast<std::size_t>(pocetZamer) * 8);
    PridejInteger(out, ZnackaFormatu12);
    PridejPoleJmena(out, lokalita, DelkaJmenaLokality12);
    PridejInteger(out, pocetBodu);
    PridejInteger(out, pocetZamer);
    PridejInteger(out, 1);
    for (const double c : rohy)
        PridejLong(out, static_cast<std::int32_t>(std::nearbyint(c * 100.0)));
    PridejPoleJmena(out, std::string(), 16);
    const BodVieweru reference{e.Xmax, e.Ymax, e.Zmin};
    ZapisBodRelativne(reference, {(e.Xmin + e.Xmax) / 2, (e.Ymin + e.Ymax) / 2, (e.Zmin + e.Zmax) / 2}, out);
    for (int s = 1; s <= pocetBodu; ++s) {
        const StationRecord p = body.GetStation(s);
        std::string jmeno;
        if (!DoAnsi(p.Name, jmeno)) {
            chyba = std::string(NazevFormatu12) + " nelze zapsat: jméno bodu " + Orizni(p.Name)
                    + " obsahuje znaky, které kódování Windows-1250 nezná.";
            return false;
        }
        PridejPoleJmena(out, jmeno, DelkaJmenaBodu12);
        ZapisBodRelativne(reference, {p.X, p.Y, p.Z}, out);
    }
    for (int k = 1; k <= pocetZamer; ++k) {
        const ShotValues z = zamery.GetShot(k);
        PridejInteger(out, z.From);
        PridejInteger(out, z.To);
        PridejInteger(out, 1);
        PridejInteger(out, 0);
    }
    bajty = std::move(out);
    return true;
}

std::string ZapisPolygon12(const VstupVystupu& v, const std::string& path)
{
    std::string bajty, chyba;
    if (!BajtyPolygon12(v, bajty, chyba))
        return chyba;
    return ZapisSouborBezpecne(path, bajty);
}

std::string ConvertToUTF8(const std::string& text)
{
    if (JePlatneUtf8(text))
        return text;
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size();)
        PridejZnak(out, CtiZnak(text, i));
    return out;
}

std::string WriteUTF8FileEx(const std::string& path, const std::string& text)
{
    if (!text.empty())
        return ZapisSouborBezpecne(path, JePlatneUtf8(text) ? text : ConvertToUTF8(text));
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec)
        return "Soubor " + path + " nelze odstranit: " + ec.message() + ".";
    return {};
}

std::string SouborProhlizece()
{
    std::string slozka = DocasnaSlozka();
    if (!slozka.empty() && slozka.back() != '/')
        slozka += '/';
    return slozka + "~lmv.vir" + ".pol";
}

bool ProhlizecExistuje(const std::string& appPath)
{
    std::error_code ec;
    return !appPath.empty() && std::filesystem::is_regular_file(appPath, ec);
}

std::string SpustProhlizec(const VstupVystupu& v, const std::string& appPath, const SpustProgram& spust)
{
    if (!ProhlizecExistuje(appPath))
        return "Program prohlížeče " + appPath
               + " neexistuje. Jeho umístění nastavíte v nabídce Parametry, položce Umístění souborů...";
    const std::string soubor = SouborProhlizece();
    if (std::string chyba = ZapisPolygon21(v, soubor, false); !chyba.empty())
        return chyba;
    return spust(appPath, {soubor});
}

} // namespace lomvira
