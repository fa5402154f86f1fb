#pragma once
// Options kept between runs in the per-user settings store.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>

namespace lomvira {

inline constexpr const char* AplikaceNastaveni = "LOMVIRA";

// A per-user store of text values by application, section and key.
class UlozisteNastaveni {
public:
    virtual ~UlozisteNastaveni() = default;
    // The stored text, or "" when there is none.
    virtual std::string Cti(const std::string& app, const std::string& section, const std::string& key) = 0;
    virtual void Zapis(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Writes pending values out. Returns "" on success, otherwise the reason in Czech.
    virtual std::string Uloz() { return {}; }
};

// The store for tests and for runs that must not touch the user's settings.
class PametoveNastaveni : public UlozisteNastaveni {
public:
    std::string Cti(const std::string& app, const std::string& section, const std::string& key) override;
    void Zapis(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
    const std::map<std::tuple<std::string, std::string, std::string>, std::string>& Hodnoty() const
    {
        return values_;
    }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

// The option variables, read once at start-up.
struct Volby {
    double DK = 0.0001;     // tape accuracy, fraction of the length
    double FK = 0.00017;    // compass accuracy, radians
    double EK = 0.00017;    // clinometer accuracy, radians
    std::int16_t DOTAZY = 0;
    std::int16_t VICE_MERENI = 0;
    double TOLERANCE = 0.0; // forward/back azimuth tolerance, radians
    double AdjVert = 45.0;
    double AdjHori = 45.0;
    std::string Font = "Courier New CE";
    double VyskaBodu = 3.0;
    std::int16_t TypBodu = 0;
    double VelikostBodu = 2.0;
    double VystupniJednotky = 1.0;
    std::string AppPath;
    std::string TiskarnaText;
    std::string FontProp = "Times New Roman CE";
    std::string FontTab = "Courier New CE";
    // Whether the viewer menu item is shown: AppPath names an existing file.
    bool ProhlizecDostupny = false;
};

std::string CtiNastaveni(UlozisteNastaveni& store, const std::string& section, const std::string& key);
void ZapisNastaveni(UlozisteNastaveni& store, const std::string& section, const std::string& key,
                    const std::string& value);

// Reads every start-up option with its default and clamp.
Volby NactiNastaveni(UlozisteNastaveni& store);
// Writes the options the user saves; returns "" or the reason the store could not be written.
std::string UlozNastaveni(UlozisteNastaveni& store, const Volby& volby);

// Placement of a window in the platform's units. State: 0 normal, 1 minimized, 2 maximized.
struct UmisteniOkna {
    int WindowState = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Stored placement of a window, starting from its current one; stored under the
// executable's own name and the window's name.
UmisteniOkna ObnovUmisteniOkna(UlozisteNastaveni& store, const std::string& app, const std::string& window,
                               const UmisteniOkna& current, bool notMinimized);
void UlozUmisteniOkna(UlozisteNastaveni& store, const std::string& app, const std::string& window,
                      const UmisteniOkna& placement);

// The 16-bit integer of a stored text ("Val", then clamped into the 16-bit range).
std::int16_t CeleCislo16(const std::string& text);

} // namespace lomvira
