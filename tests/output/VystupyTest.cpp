// The pieces of the output files: path splitting, number texts, DXF options and limits, the
// viewer's binary limits, and the failures every writer must report instead of claiming success.

#include "common/Cesty.h"
#include "common/Cisla.h"
#include "output/ExportDXF.h"
#include "output/Mapy.h"
#include "output/Prohlizec.h"
#include "output/SouradnicoveSoubory.h"
#include "output/TextVystupu.h"
#include "output/TypVystupu.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace lomvira::test {
namespace {

namespace fs = std::filesystem;

// A model built directly: stations at the given points, shots between consecutive ones.
struct MalyModel {
    Model model;
    SeznamMereni seznam;
    VstupVystupu vstup{model, seznam, {}, {"Jeskyně", "12", 0}, {}, {}, {}, {1, 0, 0}};

    explicit MalyModel(const std::vector<Bod>& body)
    {
        for (const Bod& b : body) {
            std::string jmeno = b.Name;
            const int n = model.stations.AddStation(jmeno);
            model.stations.SetStationCoordinates(n, b.X, b.Y, b.Z);
        }
        for (int n = 2; n <= static_cast<int>(body.size()); ++n)
            model.shots.AddShot(n - 1, n, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0);
    }
};

class Soubor : public ::testing::Test {
protected:
    Soubor() : slozka_(fs::path(::testing::TempDir()) / ("vystupy-" + std::to_string(::getpid()))) {}
    void SetUp() override { fs::create_directories(slozka_); }
    void TearDown() override { fs::remove_all(slozka_); }
    std::string Cesta(const std::string& jmeno) const { return (slozka_ / jmeno).string(); }
    static std::string Cti(const std::string& p)
    {
        std::ostringstream ss;
        ss << std::ifstream(p, std::ios::binary).rdbuf();
        return ss.str();
    }
    fs::path slozka_;
};

TEST(RozdelCestu, WindowsAndLocalPaths)
{
    const struct {
        const char* cesta;
        CastiCesty casti;
    } pripady[] = {
        {"C:\\data\\a.b.c", {"C:", "\\data\\", "a", "b.c"}},
        {"C:\\data\\.skryty", {"C:", "\\data\\", "", ""}},
        {"a\\b:c.d", {}},
        {"jeskyne", {"", "", "jeskyne", ""}},
        // A local absolute path has no drive: its ":" belong to folder and file names.
        {"/home/jan/a:b/jeskyne.mer", {"", "/home/jan/a:b/", "jeskyne", "mer"}},
        {"/home/jan/x:y.mer", {"", "/home/jan/", "x:y", "mer"}},
    };
    for (const auto& p : pripady) {
        const CastiCesty c = RozdelCestu(p.cesta);
        EXPECT_EQ(c.disk, p.casti.disk) << p.cesta;
        EXPECT_EQ(c.slozka, p.casti.slozka) << p.cesta;
        EXPECT_EQ(c.jmeno, p.casti.jmeno) << p.cesta;
        EXPECT_EQ(c.pripona, p.casti.pripona) << p.cesta;
    }
}

TEST(RozdelCestu, ProposedNamesAndWrittenFiles)
{
    EXPECT_EQ(NavrhniJmeno("C:\\data\\", "SOU"), "C:\\data\\BEZJMENA.SOU");
    EXPECT_EQ(NavrhniJmeno("/tmp/a.b.mer", "DXF"), "/tmp/a.DXF");

    const char* puvodni = std::getenv("TEMP");
    const std::string zaloha = puvodni ? puvodni : "";
    for (const char* temp : {"/tmp/s mezerou", "/tmp/s mezerou/"}) {
        ::setenv("TEMP", temp, 1);
        EXPECT_EQ(PracovniSoubor(), "/tmp/s mezerou/$prac");
        EXPECT_EQ(SouborProhlizece(), "/tmp/s mezerou/~lmv.vir.pol");
    }
    puvodni ? ::setenv("TEMP", zaloha.c_str(), 1) : ::unsetenv("TEMP");
}

TEST(CislaVystupu, AppendedNumbersAreFormatCislo)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double v : {-0.0, -0.000004, 12.5, -12.5, 0.99996, 1234567.0000049, 1e15 + 0.25, 9.5e18, nan}) {
        for (const int d : {0, 3, 6}) {
            std::string s = "x";
            PridejCislo(s, v, d);
            EXPECT_EQ(s, "x" + FormatCislo(v, d)) << v << " with " << d;
        }
    }
    const struct {
        double v;
        const char* text;
    } obecne[] = {{-0.0, "0"}, {-7.25, "-7.25"}, {9e-8, "0.00000009"}, {1.0 / 3, "0.333333333333333"},
                  {180.00000000000003, "180"}, {-45.000000000000007, "-45"}};
    for (const auto& o : obecne)
        EXPECT_EQ(ObecneCislo(o.v), o.text) << o.v;
}

TEST(ExportDXF, OptionsFromTheStore)
{
    PametoveNastaveni store;
    const MoznostiDXF vychozi = NactiMoznostiDXF(store, 3);
    // Feet and inches are real factors, and come back as the same choice.
    for (std::size_t i = 0; i < JednotkyDXF.size(); ++i) {
        MoznostiDXF m = vychozi;
        m.jednotky = JednotkyDXF[i].faktor;
        m.meritko = 1.0 / 300;
        UlozMoznostiDXF(store, m);
        const MoznostiDXF zpet = NactiMoznostiDXF(store, 0);
        EXPECT_EQ(IndexJednotky(zpet.jednotky), static_cast<int>(i)) << JednotkyDXF[i].nazev;
        EXPECT_NEAR(1.0 / zpet.meritko, 300.0, 1e-6);
    }
}

TEST(ExportDXF, ViewsSizesAndLimits)
{
    MalyModel m({{"A", 0, 10, -2}, {"B", 100, 30, 8}});
    FakePlatforma platforma;
    auto text = [&](int pohled, double jednotky, double meritko) {
        MoznostiDXF o;
        o.pohled = pohled;
        o.jednotky = jednotky;
        o.meritko = meritko;
        return TextDXF(m.vstup, o, "x.dxf", platforma);
    };
    auto obsahuje = [](const std::string& t, const std::string& s) { return t.find(s) != std::string::npos; };
    // The plan has no third coordinate.
    const std::string pudorys = text(1, 1.0, 0.01);
    EXPECT_FALSE(obsahuje(pudorys, "    30\r\n"));
    // Millimetres: sizes a thousand times those of metres.
    EXPECT_TRUE(obsahuje(text(0, 0.001, 0.01), "$PDSIZE\r\n    40\r\n100.000000\r\n"));
    // An edited store's zero unit and scale fall back to metres at 1 : 100.
    EXPECT_EQ(text(1, 0.0, 0.0), pudorys);
    // Any other view: no extents, no entities.
    const std::string jiny = text(4, 1.0, 0.01);
    EXPECT_FALSE(obsahuje(jiny, "$EXTMIN"));
    EXPECT_TRUE(obsahuje(jiny, "ENTITIES\r\n     0\r\nENDSEC\r\n     0\r\nEOF\r\n"));
}

TEST(ExportDXF, LayersWithoutNames)
{
    MalyModel m({{"A", 0, 0, 0}, {"B", 1, 0, 0}, {"C", 2, 0, 0}});
    m.model.shots.SetShotStyles(1, 1, 0);
    m.model.shots.SetShotStyles(2, 3, 0); // no third name
    m.vstup.vrstvy = {"HLAVNÍ"};
    FakePlatforma platforma;
    const std::string t = TextDXF(m.vstup, MoznostiDXF{}, "x.dxf", platforma);
    EXPECT_NE(t.find("LINE\r\n     8\r\nPOLYGON_HLAVNÍ\r\n"), std::string::npos);
    EXPECT_NE(t.find("LINE\r\n     8\r\nPOLYGON_\r\n"), std::string::npos);
}

TEST(Prohlizec12, PointRecordsAndTheLimitsOfSixteenBits)
{
    std::string out;
    ASSERT_TRUE(ZapisBodRelativne({10, 20, 5}, {10, 20, 5}, out));
    ASSERT_TRUE(ZapisBodRelativne({10, 20, 5}, {9, 20, 5}, out));
    EXPECT_EQ(out, std::string("\0\0\0\0\0\0\x32\0\0\0\0\0", 12));
    EXPECT_FALSE(ZapisBodRelativne({700, 0, 0}, {0, 0, 0}, out));
    EXPECT_EQ(out.size(), 12u);

    for (const double rozsah : {655.34, 655.36}) {
        for (int osa = 0; osa < 3; ++osa) {
            Bod daleko{"B", 0, 0, 0};
            (osa == 0 ? daleko.X : osa == 1 ? daleko.Y : daleko.Z) = rozsah;
            MalyModel m({{"A", 0, 0, 0}, daleko});
            std::string bajty, chyba;
            EXPECT_EQ(BajtyPolygon12(m.vstup, bajty, chyba), rozsah < 655.35) << rozsah << " on axis " << osa;
            EXPECT_EQ(chyba.find("nejvýše 655.34 m") != std::string::npos, rozsah > 655.35) << chyba;
        }
    }
}

TEST_F(Soubor, FailuresAreReportedAndWriteNothing)
{
    FakePlatforma platforma;
    MalyModel jtsk({{"A", -745000, -1045000, 300}, {"B", -745010, -1045000, 300}});
    jtsk.vstup.system.Nastav(0, true, 2, 1, true, 0, 0, {}, 1, 0);
    // Into a folder that does not exist: every format names the file and writes nothing.
    for (std::size_t typ = 0; typ < TypyVystupu.size(); ++typ) {
        const std::string jmeno = Cesta("chybi/vystup.x");
        const std::string chyba = ZapisVystup(static_cast<int>(typ), jmeno, jtsk.vstup, MoznostiDXF{}, platforma);
        EXPECT_NE(chyba.find(SouborVystupu(static_cast<int>(typ), jmeno)), std::string::npos) << typ << ": " << chyba;
    }
    // A name Windows-1250 cannot hold.
    MalyModel azbuka({{"Ж1", 0, 0, 0}, {"A", 1, 1, 1}});
    for (const int typ : {VystupLomvira, VystupKokes, VystupDXF, VystupText, VystupVir21Ansi, VystupVir12}) {
        const std::string chyba = ZapisVystup(typ, Cesta("azbuka"), azbuka.vstup, MoznostiDXF{}, platforma);
        EXPECT_NE(chyba.find("Windows-1250"), std::string::npos) << typ << ": " << chyba;
    }
    EXPECT_EQ(ZapisVystup(VystupVir21Utf8, Cesta("azbuka"), azbuka.vstup, MoznostiDXF{}, platforma), "");
    // KOKEŠ without stations; maps of an own system.
    MalyModel prazdny({});
    EXPECT_NE(ZapisSTX(prazdny.vstup, Cesta("prazdny.stx")), "");
    for (const int typ : {VystupGeoJSON, VystupKML})
        EXPECT_NE(ZapisVystup(typ, Cesta("mapa"), azbuka.vstup, MoznostiDXF{}, platforma).find("S-JTSK"),
                  std::string::npos);
    std::vector<std::string> zapsane;
    for (const auto& e : fs::directory_iterator(slozka_))
        zapsane.push_back(e.path().filename().string());
    EXPECT_EQ(zapsane, std::vector<std::string>{"azbuka.pol"});
}

TEST_F(Soubor, Utf8Files)
{
    EXPECT_EQ(ConvertToUTF8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    ASSERT_EQ(WriteUTF8FileEx(Cesta("u.pol"), "/ Dóm\r\n"), "");
    EXPECT_EQ(Cti(Cesta("u.pol")), "/ Dóm\r\n");
    // An empty text leaves no file.
    ASSERT_EQ(WriteUTF8FileEx(Cesta("u.pol"), ""), "");
    EXPECT_FALSE(fs::exists(Cesta("u.pol")));
}

} // namespace
} // namespace lomvira::test
