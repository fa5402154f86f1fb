// Options read at start-up with their defaults and limits, written back with fixed
// decimals, and the placement of windows.

#include "common/Nastaveni.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace lomvira {
namespace {

TEST(Nastaveni, PrazdneUlozisteDavaVychoziHodnoty)
{
    PametoveNastaveni s;
    const Volby v = NactiNastaveni(s);
    EXPECT_EQ(v.DK, 0.0001);
    EXPECT_EQ(v.FK, 0.00017);
    EXPECT_EQ(v.EK, 0.00017);
    EXPECT_EQ(v.TOLERANCE, 0.0);
    EXPECT_EQ(v.DOTAZY, 0);
    EXPECT_EQ(v.VICE_MERENI, 0);
    EXPECT_EQ(v.AdjVert, 45.0);
    EXPECT_EQ(v.AdjHori, 45.0);
    EXPECT_EQ(v.Font, "Courier New CE");
    EXPECT_EQ(v.VyskaBodu, 3.0);
    EXPECT_EQ(v.VelikostBodu, 2.0);
    EXPECT_EQ(v.VystupniJednotky, 1.0);
    EXPECT_EQ(v.FontProp, "Times New Roman CE");
    EXPECT_EQ(v.FontTab, "Courier New CE");
    EXPECT_FALSE(v.ProhlizecDostupny);
}

TEST(Nastaveni, MezeANahrady)
{
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        double loaded;
    };
    const Case cases[] = {
        {"Vypocet", "DK", "0.5", 0.2},          {"Vypocet", "DK", "0.2", 0.2},
        {"Vypocet", "DK", "0.0001", 0.0001},    {"Vypocet", "DK", "0.00009", 0.0001},
        {"Vypocet", "DK", "", 0.0001},          {"Vypocet", "FK", "1", 0.78},
        {"Vypocet", "FK", "0.78", 0.78},        {"Vypocet", "FK", "0.00016", 0.00017},
        {"Vypocet", "EK", "abc", 0.00017},      {"Vypocet", "EK", " 0.5x", 0.5},
        {"Vypocet", "TOLERANCE", "-0.1", -0.1}, {"Obrazovka", "Adj_Vert", "-3", -3},
        {"Obrazovka", "Adj_Hori", "0.0", 45},   {"DXFOUT", "VYSKA_BODU", "-1", 3},
        {"DXFOUT", "VELIKOST_BODU", "0", 2},    {"DXFOUT", "VYSTUPNI_JEDNOTKY", "0.001", 0.001},
        {"Vypocet", "DOTAZY", "3", 3},          {"DXFOUT", "TYP_BODU", "70000", 32767}, // held, not wrapped
    };
    for (const Case& c : cases) {
        PametoveNastaveni s;
        s.Zapis("LOMVIRA", c.section, c.key, c.stored);
        const Volby v = NactiNastaveni(s);
        const std::map<std::string, double> loaded = {
            {"DK", v.DK}, {"FK", v.FK}, {"EK", v.EK}, {"TOLERANCE", v.TOLERANCE},
            {"Adj_Vert", v.AdjVert}, {"Adj_Hori", v.AdjHori}, {"VYSKA_BODU", v.VyskaBodu},
            {"VELIKOST_BODU", v.VelikostBodu}, {"VYSTUPNI_JEDNOTKY", v.VystupniJednotky},
            {"DOTAZY", v.DOTAZY}, {"TYP_BODU", v.TypBodu}};
        EXPECT_EQ(loaded.at(c.key), c.loaded) << c.key << " = \"" << c.stored << "\"";
    }

    // Texts, and keys in the wrong section or under another application name.
    PametoveNastaveni s;
    s.Zapis("LOMVIRA", "Obrazovka", "Font", "Písmo ČE");
    s.Zapis("LOMVIRA", "Tiskarny", "Text", "Tiskárna 2");
    s.Zapis("lomvira", "Vypocet", "DK", "0.05");
    s.Zapis("LOMVIRA", "Obrazovka", "DK", "0.05");
    const Volby v = NactiNastaveni(s);
    EXPECT_EQ(v.Font, "Písmo ČE");
    EXPECT_EQ(v.TiskarnaText, "Tiskárna 2");
    EXPECT_EQ(v.DK, 0.0001);
}

TEST(Nastaveni, ProhlizecJenKdyzSouborExistuje)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(testing::TempDir()) / "lomvira-prohlizec";
    fs::create_directories(dir);
    const fs::path program = dir / "prohlížeč";
    std::ofstream(program) << "#!/bin/sh\n";

    PametoveNastaveni s;
    s.Zapis("LOMVIRA", "VIROKA", "AppPath", program.string());
    EXPECT_TRUE(NactiNastaveni(s).ProhlizecDostupny);
    fs::remove(program);
    const Volby v = NactiNastaveni(s);
    EXPECT_EQ(v.AppPath, program.string());
    EXPECT_FALSE(v.ProhlizecDostupny);
    s.Zapis("LOMVIRA", "VIROKA", "AppPath", dir.string()); // a folder is no program
    EXPECT_FALSE(NactiNastaveni(s).ProhlizecDostupny);
    fs::remove_all(dir);
}

// Remembers the order of writes.
class ZaznamNastaveni : public PametoveNastaveni {
public:
    void Zapis(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override
    {
        poradi.push_back(section + "/" + key + "=" + value);
        PametoveNastaveni::Zapis(app, section, key, value);
    }
    std::vector<std::string> poradi;
};

TEST(Nastaveni, UlozeniPevnymiDesetinnymiMisty)
{
    Volby v;
    v.DK = 0.00123456;
    v.FK = 0.0012345678;
    v.EK = 0.78;
    v.TOLERANCE = 0.01745329;
    v.DOTAZY = 5;
    v.VICE_MERENI = -1;
    v.AdjVert = 44.5;
    v.Font = "Písmo ČE";
    v.VyskaBodu = 2.5;
    v.TypBodu = 3;
    v.VelikostBodu = 1.25;
    v.VystupniJednotky = 0.001;
    v.AppPath = "/opt/prohlizec";

    ZaznamNastaveni s;
    EXPECT_EQ(UlozNastaveni(s, v), "");
    ASSERT_EQ(s.poradi.size(), 13u); // the viewer path and printer belong to their dialogs
    const std::vector<std::string> expected = {
        "Vypocet/DK=0.00123",   "Vypocet/FK=0.0012346",       "Vypocet/EK=0.7800000",
        "Vypocet/TOLERANCE=0.0174533", "Vypocet/DOTAZY=5",    "Vypocet/VICE_MERENI=-1"};
    EXPECT_EQ(std::vector<std::string>(s.poradi.begin(), s.poradi.begin() + 6), expected);
    EXPECT_EQ(s.poradi[8], "Obrazovka/Font=Písmo ČE");
    EXPECT_EQ(s.poradi[9], "DXFOUT/VYSKA_BODU=2.500000");
    EXPECT_EQ(s.poradi[10], "DXFOUT/TYP_BODU=3");
    EXPECT_EQ(s.poradi[11], "DXFOUT/VELIKOST_BODU=1.250000");
    EXPECT_EQ(s.poradi[12], "DXFOUT/VYSTUPNI_JEDNOTKY=0.00100000");

    const Volby r = NactiNastaveni(s);
    EXPECT_EQ(r.FK, 0.0012346);
    EXPECT_EQ(r.AdjVert, 44.5);
    EXPECT_EQ(r.AdjHori, 45.0);
    EXPECT_EQ(r.VICE_MERENI, -1);
    EXPECT_EQ(r.VystupniJednotky, 0.001);
}

TEST(UmisteniOkna, Obnoveni)
{
    const UmisteniOkna current{0, 10, 20, 800, 600};
    PametoveNastaveni s;
    EXPECT_EQ(ObnovUmisteniOkna(s, "lomvira", "Form1", current, true).Height, 600);

    s.Zapis("lomvira", "Form1", "WindowState", "1");
    s.Zapis("lomvira", "Form1", "Left", "-1");
    s.Zapis("lomvira", "Form1", "Top", "0");
    s.Zapis("lomvira", "Form1", "Width", "0");
    s.Zapis("lomvira", "Form1", "Height", "480");
    // The main window never starts minimized; a negative edge and a zero size are not used.
    UmisteniOkna p = ObnovUmisteniOkna(s, "lomvira", "Form1", current, true);
    EXPECT_EQ(p.WindowState, 0);
    EXPECT_EQ(p.Left, 10);
    EXPECT_EQ(p.Top, 0);
    EXPECT_EQ(p.Width, 800);
    EXPECT_EQ(p.Height, 480);
    // Without the flag it stays minimized and the extents are not read.
    p = ObnovUmisteniOkna(s, "lomvira", "Form1", current, false);
    EXPECT_EQ(p.WindowState, 1);
    EXPECT_EQ(p.Height, 600);
    s.Zapis("lomvira", "Form1", "WindowState", "2");
    p = ObnovUmisteniOkna(s, "lomvira", "Form1", current, true);
    EXPECT_EQ(p.WindowState, 2);
    EXPECT_EQ(p.Height, 600);
}

TEST(UmisteniOkna, UlozeniJenVNormalnimStavu)
{
    PametoveNastaveni s;
    UlozUmisteniOkna(s, "lomvira", "FPolygon", {2, 5, 6, 7, 8});
    EXPECT_EQ(s.Cti("lomvira", "FPolygon", "WindowState"), "2");
    EXPECT_EQ(s.Hodnoty().size(), 1u);
    UlozUmisteniOkna(s, "lomvira", "FPolygon", {0, -4, 6, 700, 500});
    EXPECT_EQ(s.Cti("lomvira", "FPolygon", "Left"), "-4");
    EXPECT_EQ(s.Cti("lomvira", "FPolygon", "Height"), "500");
    EXPECT_EQ(s.Hodnoty().size(), 5u);
}

} // namespace
} // namespace lomvira
