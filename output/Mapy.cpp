#include "output/Mapy.h"

#include "common/Cisla.h"
#include "common/Soubory.h"
#include "common/Text.h"
#include "coords/KrovakJTSK.h"
#include "coords/SourSystTransf.h"
#include "output/Prohlizec.h"
#include "output/TextVystupu.h"

namespace lomvira {

namespace {

constexpr int DesetinnychStupnu = 8;
constexpr int DesetinnychVysky = 3;

// Stations tied to a given point.
std::vector<bool> DaneStanice(const Model& model)
{
    std::vector<bool> dane(static_cast<std::size_t>(model.stations.StationCount()) + 1, false);
    for (int i = 1; i <= model.connections.ConnectionCount(); ++i) {
        const int s = model.connections.GetConnection(i).Station;
        if (s >= 1 && static_cast<std::size_t>(s) < dane.size())
            dane[static_cast<std::size_t>(s)] = true;
    }
    return dane;
}

// "lon,lat,height" as both formats write a position.
void PridejPolohu(std::string& out, const PolohaWGS84& p)
{
    PridejCislo(out, p.delka, DesetinnychStupnu);
    out += ',';
    PridejCislo(out, p.sirka, DesetinnychStupnu);
    out += ',';
    PridejCislo(out, p.vyska, DesetinnychVysky);
}

void PridejJsonText(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* const Hex = "0123456789abcdef";
            out += "\\u00";
            out += Hex[u >> 4];
            out += Hex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void PridejXmlText(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

const PolohaWGS84& Poloha(const std::vector<PolohaWGS84>& polohy, int s)
{
    static const PolohaWGS84 Nikde{};
    return s >= 1 && static_cast<std::size_t>(s) <= polohy.size() ? polohy[static_cast<std::size_t>(s - 1)] : Nikde;
}

std::string Zapis(const std::string& path, std::string (*text)(const VstupVystupu&, const std::vector<PolohaWGS84>&),
                  const VstupVystupu& v)
{
    std::vector<PolohaWGS84> polohy;
    std::string chyba;
    if (!PolohyWGS84(v, polohy, chyba))
        return "Soubor " + path + " nelze zapsat: " + chyba;
    const std::string obsah = text(v, polohy);
    return ZapisSouborBezpecne(path, JePlatneUtf8(obsah) ? obsah : ConvertToUTF8(obsah));
}

} // namespace

bool PolohyWGS84(const VstupVystupu& v, std::vector<PolohaWGS84>& polohy, std::string& chyba)
{
    if (!v.system.JTSK()) {
        chyba = "mapy GeoJSON a KML se kreslí v zeměpisných souřadnicích WGS-84, a ty lze určit jen pro zápisník "
                "v systému S-JTSK. Tento zápisník má vlastní (místní) souřadnicový systém, jehož poloha na Zemi "
                "není známa.";
        return false;
    }
    // Y before X: the S-JTSK coordinates as the grid gives them, whatever the notebook's order.
    SourSystTransf t(v.system);
    t.Poradi(1);
    const StationTable& body = v.model.stations;
    polohy.assign(static_cast<std::size_t>(body.StationCount()), {});
    std::optional<ZemepisnaPoloha> predchozi;
    for (int s = 1; s <= body.StationCount(); ++s) {
        const StationRecord p = body.GetStation(s);
        const ZBod z = t.Vystup({p.Name, p.X, p.Y, p.Z});
        const double X = z.Y, Y = z.X;
        // The conversion of the "Převod souřadnic" window, each station starting from the one
        // before: stations lie metres apart, and a survey of thousands needs no more time.
        const auto bessel = predchozi ? KrovakInverse(X, Y, *predchozi) : KrovakInverse(X, Y);
        std::optional<ElipsoidickaPoloha> wgs;
        if (bessel) {
            Geocentricke g = GeodToCart(bessel->fi, bessel->lambda, z.Z, ElipsoidBessel);
            BesselToWgs(g.X, g.Y, g.Z);
            wgs = CartToGeod(g.X, g.Y, g.Z, ElipsoidWgs84);
        }
        if (!wgs) {
            chyba = "bod " + Orizni(p.Name) + " (X = " + FormatCislo(X, 3) + ", Y = " + FormatCislo(Y, 3)
                    + ") leží příliš daleko od území S-JTSK a nelze jej převést na WGS-84.";
            return false;
        }
        predchozi = bessel;
        polohy[static_cast<std::size_t>(s - 1)] = {RadianyNaStupne(wgs->lambda), RadianyNaStupne(wgs->fi), z.Z};
    }
    return true;
}

std::string TextGeoJSON(const VstupVystupu& v, const std::vector<PolohaWGS84>& polohy)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    std::string out;
    out.reserve(256 + static_cast<std::size_t>(body.StationCount()) * 200
                + static_cast<std::size_t>(zamery.ShotCount()) * 220);
    out += "{\"type\":\"FeatureCollection\",\"features\":[";
    bool prvni = true;
    auto dalsi = [&] {
        out += prvni ? "\r\n" : ",\r\n";
        prvni = false;
    };
    for (int k = 1; k <= zamery.ShotCount(); ++k) {
        const ShotValues z = zamery.GetShot(k);
        dalsi();
        out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[[";
        PridejPolohu(out, Poloha(polohy, z.From));
        out += "],[";
        PridejPolohu(out, Poloha(polohy, z.To));
        out += "]]},\"properties\":{\"from\":";
        PridejJsonText(out, Orizni(body.GetStation(z.From).Name));
        out += ",\"to\":";
        PridejJsonText(out, Orizni(body.GetStation(z.To).Name));
        out += "}}";
    }
    const std::vector<bool> dane = DaneStanice(v.model);
    for (int s = 1; s <= body.StationCount(); ++s) {
        const PolohaWGS84& p = Poloha(polohy, s);
        dalsi();
        out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[";
        PridejPolohu(out, p);
        out += "]},\"properties\":{\"name\":";
        PridejJsonText(out, Orizni(body.GetStation(s).Name));
        out += ",\"z\":";
        PridejCislo(out, p.vyska, DesetinnychVysky);
        if (dane[static_cast<std::size_t>(s)])
            out += ",\"given\":true";
        out += "}}";
    }
    out += "\r\n]}\r\n";
    return out;
}

std::string TextKML(const VstupVystupu& v, const std::vector<PolohaWGS84>& polohy)
{
    const StationTable& body = v.model.stations;
    const ShotTable& zamery = v.model.shots;
    std::string out;
    out.reserve(512 + static_cast<std::size_t>(body.StationCount()) * 160
                + static_cast<std::size_t>(zamery.ShotCount()) * 140);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
           "<Document>\r\n<name>";
    PridejXmlText(out, Orizni(v.lokalita.jmeno));
    out += "</name>\r\n<Folder>\r\n<name>Body</name>\r\n";
    const std::vector<bool> dane = DaneStanice(v.model);
    for (int s = 1; s <= body.StationCount(); ++s) {
        out += "<Placemark><name>";
        PridejXmlText(out, Orizni(body.GetStation(s).Name));
        out += "</name>";
        if (dane[static_cast<std::size_t>(s)])
            out += "<description>Daný bod</description>";
        out += "<Point><coordinates>";
        PridejPolohu(out, Poloha(polohy, s));
        out += "</coordinates></Point></Placemark>\r\n";
    }
    out += "</Folder>\r\n<Placemark>\r\n<name>Polygon</name>\r\n<MultiGeometry>\r\n";
    for (int k = 1; k <= zamery.ShotCount(); ++k) {
        const ShotValues z = zamery.GetShot(k);
        out += "<LineString><coordinates>";
        PridejPolohu(out, Poloha(polohy, z.From));
        out += ' ';
        PridejPolohu(out, Poloha(polohy, z.To));
        out += "</coordinates></LineString>\r\n";
    }
    out += "</MultiGeometry>\r\n</Placemark>\r\n</Document>\r\n</kml>\r\n";
    return out;
}

std::string ZapisGeoJSON(const VstupVystupu& v, const std::string& path)
{
    return Zapis(path, TextGeoJSON, v);
}

std::string ZapisKML(const VstupVystupu& v, const std::string& path)
{
    return Zapis(path, TextKML, v);
}

} // namespace lomvira
