// The output files of hand-computed notebooks against files derived by hand. Each folder of
// tests/data/output is one case:
//   zapisnik.mer     the notebook (its first comment says what the case is about)
//   komentar.txt     the report comment (optional)
//   dxf.ini          KEY=VALUE lines of the "DXFOUT" options, TYP_BODU among them (optional)
//   vystup.FORMAT    the expected file of each format the case checks, named as the save
//                    dialog names it (vystup.vir21.pol, vystup.vir12.vir ...); a binary file is
//                    given as FILE.hex: hexadecimal bytes, "#" to the end of a line is a comment.
// Maps are compared number by number within a tolerance (the expected positions come from an
// independent transformation), everything else byte for byte.

#include "app/DataVystupu.h"
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "common/Soubory.h"
#include "output/TypVystupu.h"
#include "support/FakePlatforma.h"
#include "support/SlozkyPripadu.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lomvira::test {
namespace {

namespace fs = std::filesystem;

// 5e-6 degrees: about 0.35 m, the difference between two published seven-parameter shifts.
constexpr double ToleranceMapy = 5e-6;

std::string Cti(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string ZHex(const std::string& text)
{
    std::string bajty, cislice;
    std::istringstream radky(text);
    for (std::string r; std::getline(radky, r);) {
        for (const char c : r.substr(0, r.find('#'))) {
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                continue;
            cislice += c;
            if (cislice.size() == 2) {
                bajty += static_cast<char>(std::stoi(cislice, nullptr, 16));
                cislice.clear();
            }
        }
    }
    EXPECT_TRUE(cislice.empty()) << "odd number of hexadecimal digits";
    return bajty;
}

// Splits a text into runs of number characters and the rest.
std::vector<std::string> Useky(const std::string& text)
{
    std::vector<std::string> out;
    auto cislo = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-'; };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = i;
        const bool c = cislo(text[i]);
        while (j < text.size() && cislo(text[j]) == c)
            ++j;
        out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

void PorovnejSTolerancí(const std::string& skutecny, const std::string& ocekavany, const std::string& co)
{
    const auto a = Useky(skutecny), b = Useky(ocekavany);
    ASSERT_EQ(a.size(), b.size()) << co;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const bool cislo = std::isdigit(static_cast<unsigned char>(b[i].back()));
        if (cislo && std::isdigit(static_cast<unsigned char>(a[i].back())))
            EXPECT_NEAR(std::stod(a[i]), std::stod(b[i]), ToleranceMapy) << co << ", part " << i;
        else
            EXPECT_EQ(a[i], b[i]) << co << ", part " << i;
    }
}

class Vystupy : public ::testing::TestWithParam<std::string> {};

TEST_P(Vystupy, FilesAsDerivedByHand)
{
    const fs::path slozka = fs::path(LOMVIRA_TEST_DATA) / "output" / GetParam();
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext k(platforma, nastaveni);
    k.souborZapisniku = (slozka / "zapisnik.mer").string();
    const NactenyText zapisnik = NactiZapisnik(k.souborZapisniku);
    ASSERT_TRUE(zapisnik.ok) << zapisnik.chyba;
    NactiZapisnik(k, zapisnik.text);
    Vectorize(k);
    ASSERT_EQ(SpustVypocet(k), "");
    ASSERT_EQ(k.stav.Stav, 3);
    EXPECT_TRUE(platforma.boxes.empty()) << platforma.boxes.front().text;
    if (fs::exists(slozka / "komentar.txt"))
        k.komentarZpravy = Cti(slozka / "komentar.txt");
    std::istringstream ini(fs::exists(slozka / "dxf.ini") ? Cti(slozka / "dxf.ini") : std::string());
    for (std::string r; std::getline(ini, r);)
        if (const auto rovna = r.find('='); rovna != std::string::npos)
            ZapisNastaveni(nastaveni, SekceDXF, r.substr(0, rovna), r.substr(rovna + 1));
    const MoznostiDXF dxf =
        NactiMoznostiDXF(nastaveni, CeleCislo16(CtiNastaveni(nastaveni, SekceDXF, "TYP_BODU")));
    VstupVystupu v = DataVystupu(k);
    v.verze = {2, 1, 7};

    const std::string tmp = (fs::path(::testing::TempDir()) / ("vystup-" + GetParam())).string();
    fs::create_directories(tmp);
    int porovnano = 0;
    for (std::size_t typ = 0; typ < TypyVystupu.size(); ++typ) {
        const std::string jmeno = std::string("vystup.") + TypyVystupu[typ].prikaz;
        const std::string soubor = SouborVystupu(static_cast<int>(typ), jmeno);
        const fs::path ocekavany = slozka / soubor;
        const bool hex = fs::exists(ocekavany.string() + ".hex");
        if (!hex && !fs::exists(ocekavany))
            continue;
        ++porovnano;
        ASSERT_EQ(ZapisVystup(static_cast<int>(typ), tmp + "/" + jmeno, v, dxf, platforma), "") << soubor;
        const std::string skutecny = Cti(tmp + "/" + soubor);
        if (hex)
            EXPECT_EQ(skutecny, ZHex(Cti(ocekavany.string() + ".hex"))) << soubor;
        else if (typ == VystupGeoJSON || typ == VystupKML)
            PorovnejSTolerancí(skutecny, Cti(ocekavany), soubor);
        else
            EXPECT_EQ(skutecny, Cti(ocekavany)) << soubor;
    }
    EXPECT_GT(porovnano, 0);
    fs::remove_all(tmp);
}

INSTANTIATE_TEST_SUITE_P(Data, Vystupy, ::testing::ValuesIn(test::SlozkyPripadu("output")),
                         [](const auto& info) { return test::JmenoPripadu(info.param); });

} // namespace
} // namespace lomvira::test
