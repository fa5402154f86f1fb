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

TEST(Nastaveni, MezeANahrady)
{
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        double loaded;
    };
    const Case cases[] = {
        {"Vypocet", "DK", "0.5", 0.2},          {"Vypocet", "DK", "0.00009", 0.0001},
        {"Vypocet", "DK", "", 0.0001},          {"Vypocet", "FK", "1", 0.78},
        {"Vypocet", "FK", "0.00016", 0.00017},  {"Vypocet", "EK", "abc", 0.00017},
        {"Vypocet", "EK", " 0.5x", 0.5},        {"Vypocet", "TOLERANCE", "-0.1", -0.1},
        {"Obrazovka", "DK", "0.05", 0.0001}, // the wrong section
        {"Obrazovka", "Adj_Vert", "-3", -3},    {"Obrazovka", "Adj_Hori", "0.0", 45},
        {"DXFOUT", "VYSKA_BODU", "-1", 3},      {"DXFOUT", "VELIKOST_BODU", "0", 2},
        {"DXFOUT", "TYP_BODU", "70000", 32767}, // held, not wrapped
    };
    for (const Case& c : cases) {
        PametoveNastaveni s;
        s.Zapis("LOMVIRA", c.section, c.key, c.stored);
        const Volby v = NactiNastaveni(s);
        const std::map<std::string, double> loaded = {
            {"DK", v.DK}, {"FK", v.FK}, {"EK", v.EK}, {"TOLERANCE", v.TOLERANCE}, {"Adj_Vert", v.AdjVert},
            {"Adj_Hori", v.AdjHori}, {"VYSKA_BODU", v.VyskaBodu}, {"VELIKOST_BODU", v.VelikostBodu},
            {"TYP_BODU", v.TypBodu}};
        EXPECT_EQ(loaded.at(c.key), c.loaded) << c.key << " = \"" << c.stored << "\"";
    }
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
    EXPECT_FALSE(NactiNastaveni(s).ProhlizecDostupny);
    s.Zapis("LOMVIRA", "VIROKA", "AppPath", dir.string()); // a folder is no program
    EXPECT_FALSE(NactiNastaveni(s).ProhlizecDostupny);
    fs::remove_all(dir);
}

TEST(Nastaveni, UlozeniPevnymiDesetinnymiMistyACteniZpet)
{
    Volby v;
    v.DK = 0.00123456;
    v.FK = 0.0012345678;
    v.EK = 0.78;
    v.TOLERANCE = 0.01745329;
    v.VICE_MERENI = -1;
    v.Font = "Písmo ČE";
    v.VyskaBodu = 2.5;
    v.VystupniJednotky = 0.001;
    v.AppPath = "/opt/prohlizec";
    PametoveNastaveni s;
    EXPECT_EQ(UlozNastaveni(s, v), "");
    const std::pair<const char*, const char*> zapsano[] = {
        {"DK", "0.00123"}, {"FK", "0.0012346"}, {"EK", "0.7800000"}, {"TOLERANCE", "0.0174533"}, {"VICE_MERENI", "-1"}};
    for (const auto& [klic, hodnota] : zapsano)
        EXPECT_EQ(s.Cti("LOMVIRA", "Vypocet", klic), hodnota) << klic;
    EXPECT_EQ(s.Cti("LOMVIRA", "DXFOUT", "VYSKA_BODU"), "2.500000");
    EXPECT_EQ(s.Cti("LOMVIRA", "DXFOUT", "VYSTUPNI_JEDNOTKY"), "0.00100000");
    EXPECT_EQ(s.Cti("LOMVIRA", "VIROKA", "AppPath"), ""); // the viewer's dialog saves its path
    const Volby r = NactiNastaveni(s);
    EXPECT_EQ(std::tuple(r.FK, r.VICE_MERENI, r.Font, r.VystupniJednotky), std::tuple(0.0012346, -1, v.Font, 0.001));
}

// The main window's placement is checked with the window itself; other windows may stay
// minimized, and out of their normal state only that state is saved.
TEST(UmisteniOkna, JinaOknaMohouZustatMinimalizovana)
{
    PametoveNastaveni s;
    UlozUmisteniOkna(s, "lomvira", "FPolygon", {1, 5, 6, 7, 8});
    EXPECT_EQ(s.Hodnoty().size(), 1ul);
    const UmisteniOkna p = ObnovUmisteniOkna(s, "lomvira", "FPolygon", {0, 10, 20, 800, 600}, false);
    EXPECT_EQ(std::pair(p.WindowState, p.Width), std::pair(1, 800));
}

} // namespace
} // namespace lomvira
