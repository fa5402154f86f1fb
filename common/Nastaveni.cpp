#include "common/Nastaveni.h"

#include "common/Cisla.h"

#include <cmath>
#include <filesystem>

namespace lomvira {

std::string PametoveNastaveni::Cti(const std::string& app, const std::string& section, const std::string& key)
{
    auto it = values_.find({app, section, key});
    return it == values_.end() ? std::string() : it->second;
}

void PametoveNastaveni::Zapis(const std::string& app, const std::string& section, const std::string& key,
                              const std::string& value)
{
    values_[{app, section, key}] = value;
}

std::string CtiNastaveni(UlozisteNastaveni& store, const std::string& section, const std::string& key)
{
    return store.Cti(AplikaceNastaveni, section, key);
}

void ZapisNastaveni(UlozisteNastaveni& store, const std::string& section, const std::string& key,
                    const std::string& value)
{
    store.Zapis(AplikaceNastaveni, section, key, value);
}

std::int16_t CeleCislo16(const std::string& text)
{
    const double v = std::round(Val(text));
    if (v > 32767.0)
        return 32767;
    if (v < -32768.0)
        return -32768;
    return static_cast<std::int16_t>(v);
}

namespace {

double Clamp(double v, double lo, double hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

std::string IntText(int v)
{
    return std::to_string(v);
}

} // namespace

Volby NactiNastaveni(UlozisteNastaveni& store)
{
    auto real = [&](const char* section, const char* key) { return Val(CtiNastaveni(store, section, key)); };
    auto text = [&](const char* section, const char* key) { return CtiNastaveni(store, section, key); };

    Volby v;
    v.DK = Clamp(real("Vypocet", "DK"), 0.0001, 0.2);
    v.FK = Clamp(real("Vypocet", "FK"), 0.00017, 0.78);
    v.EK = Clamp(real("Vypocet", "EK"), 0.00017, 0.78);
    v.DOTAZY = CeleCislo16(text("Vypocet", "DOTAZY"));
    v.VICE_MERENI = CeleCislo16(text("Vypocet", "VICE_MERENI"));
    v.TOLERANCE = real("Vypocet", "TOLERANCE");
    v.AdjVert = real("Obrazovka", "Adj_Vert");
    if (v.AdjVert == 0.0)
        v.AdjVert = 45.0;
    v.AdjHori = real("Obrazovka", "Adj_Hori");
    if (v.AdjHori == 0.0)
        v.AdjHori = 45.0;
    v.Font = text("Obrazovka", "Font");
    if (v.Font.empty())
        v.Font = "Courier New CE";
    v.VyskaBodu = real("DXFOUT", "VYSKA_BODU");
    if (v.VyskaBodu <= 0.0)
        v.VyskaBodu = 3.0;
    v.TypBodu = CeleCislo16(text("DXFOUT", "TYP_BODU"));
    v.VelikostBodu = real("DXFOUT", "VELIKOST_BODU");
    if (v.VelikostBodu <= 0.0)
        v.VelikostBodu = 2.0;
    v.VystupniJednotky = real("DXFOUT", "VYSTUPNI_JEDNOTKY");
    if (v.VystupniJednotky <= 0.0)
        v.VystupniJednotky = 1.0;
    v.AppPath = text("VIROKA", "AppPath");
    std::error_code ec;
    v.ProhlizecDostupny = !v.AppPath.empty() && std::filesystem::is_regular_file(v.AppPath, ec);
    v.TiskarnaText = text("Tiskarny", "Text");
    v.FontProp = text("Tiskarny", "FontProp");
    if (v.FontProp.empty())
        v.FontProp = "Times New Roman CE";
    v.FontTab = text("Tiskarny", "FontTab");
    if (v.FontTab.empty())
        v.FontTab = "Courier New CE";
    return v;
}

std::string UlozNastaveni(UlozisteNastaveni& store, const Volby& v)
{
    ZapisNastaveni(store, "Vypocet", "DK", FormatCislo(v.DK, 5));
    ZapisNastaveni(store, "Vypocet", "FK", FormatCislo(v.FK, 7));
    ZapisNastaveni(store, "Vypocet", "EK", FormatCislo(v.EK, 7));
    ZapisNastaveni(store, "Vypocet", "TOLERANCE", FormatCislo(v.TOLERANCE, 7));
    ZapisNastaveni(store, "Vypocet", "DOTAZY", IntText(v.DOTAZY));
    ZapisNastaveni(store, "Vypocet", "VICE_MERENI", IntText(v.VICE_MERENI));
    // The screen factors keep whatever decimals they carry, so a saved value reads back the same.
    ZapisNastaveni(store, "Obrazovka", "Adj_Vert", FormatCislo(v.AdjVert, 6));
    ZapisNastaveni(store, "Obrazovka", "Adj_Hori", FormatCislo(v.AdjHori, 6));
    ZapisNastaveni(store, "Obrazovka", "Font", v.Font);
    ZapisNastaveni(store, "DXFOUT", "VYSKA_BODU", FormatCislo(v.VyskaBodu, 6));
    ZapisNastaveni(store, "DXFOUT", "TYP_BODU", IntText(v.TypBodu));
    ZapisNastaveni(store, "DXFOUT", "VELIKOST_BODU", FormatCislo(v.VelikostBodu, 6));
    ZapisNastaveni(store, "DXFOUT", "VYSTUPNI_JEDNOTKY", FormatCislo(v.VystupniJednotky, 8));
    return store.Uloz();
}

UmisteniOkna ObnovUmisteniOkna(UlozisteNastaveni& store, const std::string& app, const std::string& window,
                               const UmisteniOkna& current, bool notMinimized)
{
    auto read = [&](const char* key, int fallback) {
        const std::string t = store.Cti(app, window, key);
        if (t.empty())
            return fallback;
        const double v = std::round(Val(t));
        if (v > 1e9 || v < -1e9)
            return fallback;
        return static_cast<int>(v);
    };
    UmisteniOkna p = current;
    p.WindowState = read("WindowState", current.WindowState);
    if (notMinimized && p.WindowState == 1)
        p.WindowState = 0;
    if (p.WindowState != 0)
        return p;
    const int left = read("Left", current.Left);
    const int top = read("Top", current.Top);
    const int width = read("Width", current.Width);
    const int height = read("Height", current.Height);
    if (left >= 0)
        p.Left = left;
    if (top >= 0)
        p.Top = top;
    if (width > 0)
        p.Width = width;
    if (height > 0)
        p.Height = height;
    return p;
}

void UlozUmisteniOkna(UlozisteNastaveni& store, const std::string& app, const std::string& window,
                      const UmisteniOkna& p)
{
    store.Zapis(app, window, "WindowState", IntText(p.WindowState));
    if (p.WindowState != 0)
        return;
    store.Zapis(app, window, "Left", IntText(p.Left));
    store.Zapis(app, window, "Top", IntText(p.Top));
    store.Zapis(app, window, "Width", IntText(p.Width));
    store.Zapis(app, window, "Height", IntText(p.Height));
}

} // namespace lomvira
