// Notebook files in their encodings, and writes that complete or leave the old file alone.

#include "common/Soubory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace lomvira {
namespace {

namespace fs = std::filesystem;

class Soubory : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(testing::TempDir())
               / (std::string("lomvira-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Cesta(const std::string& name) const { return (dir_ / name).string(); }
    static void Zapis(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Cti(const std::string& path)
    {
        std::ostringstream ss;
        ss << std::ifstream(path, std::ios::binary).rdbuf();
        return ss.str();
    }
    // The names in the folder: no temporary file may stay behind.
    std::vector<std::string> Obsah() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

// "Jeskyně Ďáblova\r\nŠtola 1 ř\r\n" in Windows-1250, byte by byte.
const std::string kCp1250 = "Jeskyn\xEC \xCF\xE1" "blova\r\n\x8Atola 1 \xF8\r\n";
const std::string kUtf8 = "Jeskyně Ďáblova\r\nŠtola 1 ř\r\n";

TEST_F(Soubory, KodovaniADlouheRadky)
{
    const std::string longest(MaxDelkaRadku, 'a');
    struct Pripad {
        std::string bajty, text, chyba;
        Kodovani kodovani = Kodovani::Utf8;
    };
    const Pripad pripady[] = {
        {kUtf8, kUtf8, ""},
        {"\xEF\xBB\xBF" + kUtf8, kUtf8, "", Kodovani::Utf8Bom}, // the mark is dropped but remembered
        {kCp1250, kUtf8, "", Kodovani::Windows1250},
        // NUL bytes (a binary file, UTF-16) and 0x98, which Windows-1250 lacks.
        {std::string("ab\0cd", 5), "", "Soubor d.mer není textový"},
        {"abc\x98", "", "Soubor d.mer není textový"},
        // The CR of a CR LF line end is no part of the line.
        {"prvni\r\n" + longest + "a\r\n", "", "Řádek 2 souboru d.mer"},
    };
    for (const Pripad& c : pripady) {
        const NactenyText r = DekodujZapisnik(c.bajty, "d.mer");
        EXPECT_EQ(std::tuple(r.ok, r.text), std::tuple(c.chyba.empty(), c.text)) << c.bajty.substr(0, 20);
        EXPECT_TRUE(!r.ok || r.kodovani == c.kodovani) << c.bajty.substr(0, 20);
        EXPECT_NE(r.chyba.find(c.chyba), std::string::npos) << r.chyba;
    }
}

TEST_F(Soubory, UlozeniVraciStejneBajty)
{
    const std::string cases[] = {kUtf8, "\xEF\xBB\xBF" + kUtf8, kCp1250};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string in = Cesta("in" + std::to_string(i) + ".mer");
        const std::string out = Cesta("out" + std::to_string(i) + ".mer");
        Zapis(in, cases[i]);
        const NactenyText r = NactiZapisnik(in);
        ASSERT_TRUE(r.ok) << r.chyba;
        EXPECT_EQ(UlozZapisnik(out, r.text, r.kodovani), "");
        EXPECT_EQ(Cti(out), cases[i]) << i;
    }
    EXPECT_EQ(UlozZapisnik(Cesta("euro.mer"), "5 €", Kodovani::Windows1250), "");
    EXPECT_EQ(Cti(Cesta("euro.mer")), "5 \x80");
    // A letter Windows-1250 lacks leaves the old text alone.
    const std::string reason = UlozZapisnik(Cesta("out2.mer"), kUtf8 + "Ω\r\n", Kodovani::Windows1250);
    EXPECT_NE(reason.find(Cesta("out2.mer") + " nelze"), std::string::npos) << reason;
    EXPECT_NE(reason.find("Windows-1250"), std::string::npos) << reason;
    EXPECT_EQ(Cti(Cesta("out2.mer")), kCp1250);
    EXPECT_EQ(Obsah().size(), 7u);
    EXPECT_NE(NactiZapisnik(Cesta("chybi.mer")).chyba.find(Cesta("chybi.mer")), std::string::npos);
}

TEST_F(Soubory, BezpecnyZapisNahradiCelySoubor)
{
    const std::string path = Cesta("v.txt");
    Zapis(path, "stary obsah, delsi nez novy");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    EXPECT_EQ(ZapisSouborBezpecne(path, "novy"), "");
    EXPECT_EQ(Cti(path), "novy");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, perms);

    // A name near the length limit still leaves room for the temporary one.
    const std::string longName = std::string(250, 'x') + ".mer";
    EXPECT_EQ(ZapisSouborBezpecne(Cesta(longName), "abc"), "");
    EXPECT_EQ(Cti(Cesta(longName)), "abc");
    EXPECT_EQ(Obsah().size(), 2u);
}

TEST_F(Soubory, SelhanyZapisHlasiSouborADuvod)
{
    Zapis(Cesta("soubor"), "x");
    std::string reason = ZapisSouborBezpecne(Cesta("soubor/v.txt"), "abc");
    EXPECT_NE(reason.find(Cesta("soubor/v.txt") + " nelze uložit: část cesty není složka"), std::string::npos)
        << reason;
    reason = ZapisSouborBezpecne(Cesta("neni/v.txt"), "abc");
    EXPECT_NE(reason.find("neexistuje"), std::string::npos) << reason;

    // The target is a folder: the rename fails after the data was written; the temporary
    // file goes and the folder stays as it was.
    fs::create_directories(Cesta("slozka"));
    Zapis(Cesta("slozka/uvnitr"), "1");
    reason = ZapisSouborBezpecne(Cesta("slozka"), "abc");
    EXPECT_NE(reason.find(Cesta("slozka")), std::string::npos) << reason;
    EXPECT_EQ(Cti(Cesta("slozka/uvnitr")), "1");
    EXPECT_EQ(Obsah(), (std::vector<std::string>{"slozka", "soubor"}));

    if (geteuid() == 0)
        return; // root writes into read-only folders
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    reason = ZapisSouborBezpecne(Cesta("soubor"), "novy");
    EXPECT_NE(reason.find(Cesta("soubor") + " nelze uložit: přístup odepřen"), std::string::npos) << reason;
    EXPECT_EQ(Cti(Cesta("soubor")), "x");
    EXPECT_EQ(Obsah(), (std::vector<std::string>{"slozka", "soubor"}));
}

// --- reading only regular files, saving through links with the old file's properties ---

TEST_F(Soubory, CteSeJenObycejnySouborDoMeze)
{
    fs::create_directories(Cesta("slozka"));
    ASSERT_EQ(mkfifo(Cesta("roura").c_str(), 0600), 0);
    Zapis(Cesta("velky.mer"), "");
    fs::resize_file(Cesta("velky.mer"), MaxVelikostZapisniku + 1); // sparse: no disk taken
    const std::pair<std::string, const char*> pripady[] = {{Cesta("slozka"), "je to složka"},
                                                           {Cesta("roura"), "je to roura (FIFO)"},
                                                           {"/dev/zero", "je to zařízení"},
                                                           {Cesta("velky.mer"), "je větší než 512 MB"}};
    for (const auto& [cesta, duvod] : pripady) {
        const NactenyText r = NactiZapisnik(cesta); // a FIFO without a writer must not block
        EXPECT_TRUE(r.chyba.find(cesta) != std::string::npos && r.chyba.find(duvod) != std::string::npos) << r.chyba;
    }
}

TEST_F(Soubory, UlozeniPresOdkazyAVlastnostiStarehoSouboru)
{
    fs::create_directories(Cesta("jinde"));
    Zapis(Cesta("jinde/cil.mer"), "stary");
    fs::create_symlink(Cesta("jinde/cil.mer"), Cesta("absolutni.mer"));
    fs::create_symlink("jinde/cil.mer", Cesta("relativni.mer"));
    fs::create_symlink("relativni.mer", Cesta("retez.mer"));
    fs::create_symlink("jinde/novy.mer", Cesta("mrtvy.mer"));
    for (const auto& [odkaz, cil] : {std::pair{"absolutni.mer", "jinde/cil.mer"}, {"relativni.mer", "jinde/cil.mer"},
                                     {"retez.mer", "jinde/cil.mer"}, {"mrtvy.mer", "jinde/novy.mer"}}) {
        ASSERT_EQ(ZapisSouborBezpecne(Cesta(odkaz), odkaz), "") << odkaz;
        EXPECT_TRUE(fs::is_symlink(Cesta(odkaz)) && Cti(Cesta(cil)) == odkaz) << odkaz;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Cesta("jinde")), fs::directory_iterator()), 2);

    // Permission bits stay, the set-user and set-group bits go; root keeps owner and group.
    const std::string path = Cesta("jinde/cil.mer");
    const bool root = geteuid() == 0;
    ASSERT_EQ(chmod(path.c_str(), 06751) | (root ? chown(path.c_str(), 4321, 8765) : 0), 0);
    ASSERT_EQ(ZapisSouborBezpecne(Cesta("retez.mer"), "novy"), "");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0751u);
    EXPECT_TRUE(!root || (st.st_uid == 4321 && st.st_gid == 8765));
}

TEST_F(Soubory, DlouhyRadek)
{
    Zapis(Cesta("a.mer"), "stary");

    // Any line end ends a line; the CR of a CR LF belongs to no line.
    const std::string dlouhy(MaxDelkaRadku + 1, 'a'), nejdelsi(MaxDelkaRadku, 'a');
    EXPECT_EQ(PrilisDlouhyRadek(nejdelsi + "\r\n" + nejdelsi), 0u);
    EXPECT_EQ(PrilisDlouhyRadek("a\r\rb\n" + dlouhy), 4u);
    // Such a notebook is not saved: it could never be opened again.
    const std::string duvod = UlozZapisnik(Cesta("a.mer"), "a\r" + dlouhy, Kodovani::Utf8);
    EXPECT_NE(duvod.find("řádek 2 je delší než 32767 bajtů"), std::string::npos) << duvod;
    EXPECT_EQ(Cti(Cesta("a.mer")), "stary");
    EXPECT_EQ(Obsah(), std::vector<std::string>{"a.mer"});
}

} // namespace
} // namespace lomvira
