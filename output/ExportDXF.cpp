#include "output/ExportDXF.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "output/TextVystupu.h"

#include <charconv>
#include <cmath>

namespace lomvira {

namespace {

constexpr int DesetinnychDXF = 6;

// The group code, right-aligned in six characters.
void Kod(std::string& out, int code)
{
    char cislice[12];
    const auto r = std::to_chars(cislice, cislice + sizeof cislice, code);
    const auto delka = static_cast<std::size_t>(r.ptr - cislice);
    if (delka < 6)
        out.append(6 - delka, ' ');
    out.append(cislice, delka);
    out += CRLF;
}

void Skupina(std::string& out, int code, double value)
{
    Kod(out, code);
    PridejCislo(out, value, DesetinnychDXF);
    out += CRLF;
}

void Skupina(std::string& out, int code, int value)
{
    Kod(out, code);
    PridejCislo(out, value, 0);
    out += CRLF;
}

void Skupina(std::string& out, int code, std::string_view value)
{
    Kod(out, code);
    out += value;
    out += CRLF;
}

void Skupina(std::string& out, int code, const char* value)
{
    Skupina(out, code, std::string_view(value));
}

struct Vrstva {
    const char* jmeno;
    int barva;
};

constexpr Vrstva PevneVrstvy[] = {{"0", 7},         {"POLYGON", 7},   {"BODY", 2},       {"POPIS", 12},
                                  {"KONTROLNI", 3}, {"BODY_DANE", 2}, {"POPIS_DANE", 12}};

// Writes points in the coordinates of one view.
class Pohled {
public:
    explicit Pohled(int v) : v_(v) {}
    bool Kresli() const { return v_ >= 0 && v_ <= 3; }
    double Prvni(double x, double y, double) const { return v_ == 3 ? y : x; }
    double Druha(double, double y, double z) const { return v_ == 2 || v_ == 3 ? z : y; }
    // Groups code, code + 10 (and code + 20 in three dimensions); `posun` moves the first.
    void Bod(std::string& out, int code, double x, double y, double z, double posun = 0.0) const
    {
        Skupina(out, code, Prvni(x, y, z) + posun);
        Skupina(out, code + 10, Druha(x, y, z));
        if (v_ == 0)
            Skupina(out, code + 20, z);
    }

private:
    int v_;
};

void Hlavicka(std::string& out, const VstupVystupu& v, const MoznostiDXF& m, double velikostBodu)
{
    Skupina(out, 0, "SECTION");
    Skupina(out, 2, "HEADER");
    Skupina(out, 9, "$BLIPMODE");
    Skupina(out, 70, 0);
    Skupina(out, 9, "$PDMODE");
    Skupina(out, 70, m.typBodu);
    Skupina(out, 9, "$PDSIZE");
    Skupina(out, 40, velikostBodu);
    Skupina(out, 9, "$INSUNITS");
    Skupina(out, 70, 0);
    const Pohled p(m.pohled);
    if (p.Kresli()) {
        const CoordinateExtremes e = v.model.stations.GetCoordinateExtremes();
        const double min1 = p.Prvni(e.Xmin, e.Ymin, e.Zmin), max1 = p.Prvni(e.Xmax, e.Ymax, e.Zmax);
        const double min2 = p.Druha(e.Xmin, e.Ymin, e.Zmin), max2 = p.Druha(e.Xmax, e.Ymax, e.Zmax);
        Skupina(out, 9, "$EXTMIN");
        Skupina(out, 10, min1);
        Skupina(out, 20, min2);
        Skupina(out, 9, "$EXTMAX");
        Skupina(out, 10, max1);
        Skupina(out, 20, max2);
        // The extents widened on each side by 5 % of their span and half a unit.
        Skupina(out, 9, "$LIMMIN");
        Skupina(out, 10, 1.05 * min1 - 0.05 * max1 - 0.5);
        Skupina(out, 20, 1.05 * min2 - 0.05 * max2 - 0.5);
        Skupina(out, 9, "$LIMMAX");
        Skupina(out, 10, 1.05 * max1 - 0.05 * min1 + 0.5);
        Skupina(out, 20, 1.05 * max2 - 0.05 * min2 + 0.5);
    }
    // The text is Windows-1250; a reader that honours this keeps the Czech names intact.
    Skupina(out, 9, "$DWGCODEPAGE");
    Skupina(out, 3, "ANSI_1250");
    Skupina(out, 0, "ENDSEC");
}

void Tabulky(std::string& out, const VstupVystupu& v)
{
    Skupina(out, 0, "SECTION");
    Skupina(out, 2, "TABLES");
    Skupina(out, 0, "TABLE");
    Skupina(out, 2, "STYLE");
    Skupina(out, 70, "    1");
    Skupina(out, 0, "STYLE");
    Skupina(out, 2, "BODY");
    Skupina(out, 70, "   64");
    Skupina(out, 40, "0.0");
    Skupina(out, 41, "1");
    Skupina(out, 50, "0");
    Skupina(out, 71, "0");
    Skupina(out, 42, "1.0");
    Skupina(out, 3, "ROMANS");
    Skupina(out, 4, "");
    Skupina(out, 0, "ENDTAB");

    Skupina(out, 0, "TABLE");
    Skupina(out, 2, "LTYPE");
    Skupina(out, 70, "    1");
    Skupina(out, 0, "LTYPE");
    Skupina(out, 2, "CONTINUOUS");
    Skupina(out, 70, "   64");
    Skupina(out, 3, "Plna cara");
    Skupina(out, 72, "   65");
    Skupina(out, 73, "    0");
    Skupina(out, 40, "0.0");
    Skupina(out, 0, "ENDTAB");

    Skupina(out, 0, "TABLE");
    Skupina(out, 2, "LAYER");
    Skupina(out, 70, "    7");
    auto vrstva = [&out](std::string_view jmeno, int barva) {
        Skupina(out, 0, "LAYER");
        Skupina(out, 2, jmeno);
        Skupina(out, 70, "   64");
        Skupina(out, 62, barva);
        Skupina(out, 6, "CONTINUOUS");
    };
    for (const Vrstva& p : PevneVrstvy)
        vrstva(p.jmeno, p.barva);
    for (const std::string& jmeno : v.vrstvy)
        vrstva("POLYGON_" + jmeno, 7);
    Skupina(out, 0, "ENDTAB");
    Skupina(out, 0, "ENDSEC");
}

void Polygon(std::string& out, const VstupVystupu& v, const Pohled& p)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    for (int k = 1; k <= zamery.ShotCount(); ++k) {
        const ShotValues z = zamery.GetShot(k);
        const int styl = zamery.GetShotRecord(k).DrawStyle;
        const StationRecord a = body.GetStation(z.From), b = body.GetStation(z.To);
        Skupina(out, 0, "LINE");
        if (styl > 0) {
            const bool znamy = static_cast<std::size_t>(styl) <= v.vrstvy.size();
            Skupina(out, 8, "POLYGON_" + (znamy ? v.vrstvy[static_cast<std::size_t>(styl - 1)] : std::string()));
        } else {
            Skupina(out, 8, "POLYGON");
        }
        p.Bod(out, 10, a.X, a.Y, a.Z);
        p.Bod(out, 11, b.X, b.Y, b.Z);
    }
}

void BodSPopisem(std::string& out, const Pohled& p, const StationRecord& s, const char* vrstvaBodu,
                 const char* vrstvaPopisu, double posun, double vyska)
{
    Skupina(out, 0, "POINT");
    Skupina(out, 8, vrstvaBodu);
    p.Bod(out, 10, s.X, s.Y, s.Z);
    Skupina(out, 0, "TEXT");
    Skupina(out, 8, vrstvaPopisu);
    p.Bod(out, 10, s.X, s.Y, s.Z, posun);
    Skupina(out, 40, vyska);
    Skupina(out, 1, Orizni(s.Name));
    Skupina(out, 7, "BODY");
}

// Every measurement drawn from its start station along its own length and direction. The
// stations are in the notebook's frame, so the direction is turned by the region's rotation
// and by the system's rotation between the computation frame and the notebook's frame.
void KontrolniCary(std::string& out, const VstupVystupu& v, const Pohled& p)
{
    const double natoceniSoustavy = v.system.Natoceni();
    for (int n = 1; n <= v.seznam.ListingCount(); ++n) {
        const ListingMeasurement m = v.seznam.GetListingMeasurement(n);
        const StationRecord s = v.model.stations.GetStation(m.From);
        const double r = v.model.regions.GetRegionRotation(v.model.regions.RegionOf(m.From));
        const double smer = m.A - r - natoceniSoustavy;
        const double vodorovne = m.L * std::cos(m.I);
        Skupina(out, 0, "LINE");
        Skupina(out, 8, "KONTROLNI");
        p.Bod(out, 10, s.X, s.Y, s.Z);
        p.Bod(out, 11, s.X + vodorovne * std::cos(smer), s.Y + vodorovne * std::sin(smer), s.Z + m.L * std::sin(m.I));
    }
}

bool Kladne(double x)
{
    return std::isfinite(x) && x > 0.0;
}

} // namespace

int IndexJednotky(double faktor)
{
    for (std::size_t i = 1; i < JednotkyDXF.size(); ++i)
        if (JednotkyDXF[i].faktor == faktor)
            return static_cast<int>(i);
    return 0;
}

MoznostiDXF NactiMoznostiDXF(UlozisteNastaveni& store, int typBodu)
{
    auto text = [&store](const char* key, const char* vychozi) {
        const std::string t = CtiNastaveni(store, SekceDXF, key);
        return t.empty() ? std::string(vychozi) : t;
    };
    MoznostiDXF m;
    m.jednotky = Val(text("VYSTUPNI_JEDNOTKY", "1.0"));
    m.meritko = Val(text("Meritko", "0.01"));
    m.pohled = CeleCislo16(text("Pohled", "0"));
    m.velikostBodu = Val(text("VELIKOST_BODU", "2"));
    m.vyskaPisma = Val(text("VYSKA_BODU", "2"));
    m.typBodu = typBodu;
    return m;
}

std::string TextMoznosti(double value)
{
    return FormatCisloBezNul(value, 12);
}

void UlozMoznostiDXF(UlozisteNastaveni& store, const MoznostiDXF& m)
{
    ZapisNastaveni(store, SekceDXF, "VYSTUPNI_JEDNOTKY", TextMoznosti(m.jednotky));
    ZapisNastaveni(store, SekceDXF, "Meritko", TextMoznosti(m.meritko));
    ZapisNastaveni(store, SekceDXF, "Pohled", std::to_string(m.pohled));
    ZapisNastaveni(store, SekceDXF, "VELIKOST_BODU", TextMoznosti(m.velikostBodu));
    ZapisNastaveni(store, SekceDXF, "VYSKA_BODU", TextMoznosti(m.vyskaPisma));
}

std::string DxfSkupina(int code, double value)
{
    std::string out;
    Skupina(out, code, value);
    return out;
}

std::string DxfSkupina(int code, int value)
{
    std::string out;
    Skupina(out, code, value);
    return out;
}

std::string DxfSkupina(int code, std::string_view value)
{
    std::string out;
    Skupina(out, code, value);
    return out;
}

std::string TextDXF(const VstupVystupu& v, const MoznostiDXF& m, const std::string& path, Platforma& platforma)
{
    // A unit factor or scale of 0 (only an edited store holds one) would make every size
    // infinite: such values fall back to metres and 1 : 100.
    const double f = Kladne(m.jednotky) ? m.jednotky : 1.0;
    const double s = Kladne(m.meritko) ? m.meritko : 0.01;
    const double velikostBodu = m.velikostBodu / 2000.0 / f / s;
    const double posunPopisu = m.velikostBodu / 1000.0 / f / s;
    const double vyskaPisma = m.vyskaPisma / 1000.0 / f / s;

    const Pohled p(m.pohled);
    std::string out;
    // Room for every entity at once: a three-dimensional line or a point with its label takes up
    // to about 250 bytes with the grid's seven-digit coordinates.
    const std::size_t car = static_cast<std::size_t>(v.model.shots.ShotCount() + v.seznam.ListingCount());
    const std::size_t bodu = static_cast<std::size_t>(v.model.stations.StationCount() + v.model.givenPoints.GivenPointCount());
    out.reserve(8192 + (car + 2 * bodu) * 260 + v.vrstvy.size() * 80);
    Hlavicka(out, v, m, velikostBodu);
    Tabulky(out, v);
    Skupina(out, 0, "SECTION");
    Skupina(out, 2, "BLOCKS");
    Skupina(out, 0, "ENDSEC");
    Skupina(out, 0, "SECTION");
    Skupina(out, 2, "ENTITIES");
    if (p.Kresli()) {
        platforma.StavovyRadek("Export polygonu...");
        Polygon(out, v, p);
        platforma.StavovyRadek("Export bodů...");
        for (int n = 1; n <= v.model.stations.StationCount(); ++n)
            BodSPopisem(out, p, v.model.stations.GetStation(n), "BODY", "POPIS", posunPopisu, vyskaPisma);
        platforma.StavovyRadek("Export daných bodů...");
        for (int n = 1; n <= v.model.givenPoints.GivenPointCount(); ++n)
            BodSPopisem(out, p, v.model.givenPoints.GetGivenPoint(n), "BODY_DANE", "POPIS_DANE", posunPopisu,
                        vyskaPisma);
        platforma.StavovyRadek("Export měření...");
        KontrolniCary(out, v, p);
    }
    platforma.StavovyRadek("Zápis do souboru " + path + "...");
    Skupina(out, 0, "ENDSEC");
    Skupina(out, 0, "EOF");
    return out;
}

std::string ExportDXF(const VstupVystupu& v, const MoznostiDXF& m, const std::string& path, Platforma& platforma)
{
    const std::string chyba = ZapisAnsi(path, TextDXF(v, m, path, platforma));
    platforma.StavovyRadek("");
    return chyba;
}

} // namespace lomvira
