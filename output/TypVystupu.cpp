#include "output/TypVystupu.h"

#include "common/Cesty.h"
#include "common/Platforma.h"
#include "output/Mapy.h"
#include "output/Prohlizec.h"
#include "output/SouradnicoveSoubory.h"

#include <filesystem>

namespace lomvira {

std::string NavrhniJmeno(const std::string& path, const std::string& pripona)
{
    const CastiCesty c = RozdelCestu(path);
    return c.disk + c.slozka + (c.jmeno.empty() ? std::string(BezJmena) : c.jmeno) + "." + pripona;
}

std::string SouborVystupu(int typ, const std::string& jmeno)
{
    switch (typ) {
    case VystupVir21Utf8:
    case VystupVir21Ansi: return jmeno + ".pol";
    case VystupVir12: return jmeno + ".vir";
    default: return jmeno;
    }
}

int OtazkaNahrazeni(const std::string& path, Platforma& platforma)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status))
        return MsgBox::Yes;
    const auto velikost = std::filesystem::file_size(path, ec);
    if (ec || velikost == 0)
        return MsgBox::Yes;
    return platforma.ZpravaBox("Soubor " + path + " existuje.\r\nNahradit?", MsgBox::YesNoCancel | MsgBox::Question);
}

std::string ZapisVystup(int typ, const std::string& jmeno, const VstupVystupu& v, const MoznostiDXF& dxf,
                        Platforma& platforma)
{
    const std::string soubor = SouborVystupu(typ, jmeno);
    switch (typ) {
    case VystupLomvira: return ZapisSOU(v, soubor);
    case VystupKokes: return ZapisSTX(v, soubor);
    case VystupDXF: return ExportDXF(v, dxf, soubor, platforma);
    case VystupText:
    case VystupPrevalon: return ZapisPolygonText(v, soubor);
    case VystupVir21Utf8: return ZapisPolygon21(v, soubor, true);
    case VystupVir21Ansi: return ZapisPolygon21(v, soubor, false);
    case VystupVir12: return ZapisPolygon12(v, soubor);
    case VystupGeoJSON: return ZapisGeoJSON(v, soubor);
    case VystupKML: return ZapisKML(v, soubor);
    default: return "Neznámý typ výstupu " + std::to_string(typ) + ".";
    }
}

} // namespace lomvira
