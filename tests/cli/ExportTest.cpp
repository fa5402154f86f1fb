// "lomvira-cli export": its options reach the writers (the files equal the hand-derived ones of
// tests/data/output), its name rules, the question before replacing, and its refusals.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Cti(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string Uvozovky(const std::string& a)
{
    std::string out = "'";
    for (char c : a)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string vzor = (fs::temp_directory_path() / "lomvira-export-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vzor.data()), nullptr);
        tmp_ = vzor;
        std::ofstream(tmp_ / "nastaveni.ini") << "";
    }
    void TearDown() override { fs::remove_all(tmp_); }

    // Exit status; standard output and error kept in vystup_ and chyby_.
    int Spust(const std::vector<std::string>& args)
    {
        std::string prikaz = Uvozovky(LOMVIRA_CLI) + " --settings " + Uvozovky((tmp_ / "nastaveni.ini").string());
        for (const std::string& a : args)
            prikaz += " " + Uvozovky(a);
        prikaz += " >" + Uvozovky((tmp_ / "out").string()) + " 2>" + Uvozovky((tmp_ / "err").string());
        const int status = std::system(prikaz.c_str());
        vystup_ = Cti(tmp_ / "out");
        chyby_ = Cti(tmp_ / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Pripad(const std::string& slozka, const std::string& soubor)
    {
        return (fs::path(LOMVIRA_TEST_DATA) / "output" / slozka / soubor).string();
    }
    std::string T(const std::string& jmeno) const { return (tmp_ / jmeno).string(); }

    fs::path tmp_;
    std::string vystup_, chyby_;
};

TEST_F(Export, OptionsReachTheFiles)
{
    // The section in centimetres at 1 : 500 with 2.5 mm labels, given on the command line.
    ASSERT_EQ(Spust({"export", Pripad("jtsk-xy", "zapisnik.mer"), "--format", "dxf", "-o", T("v.dxf"), "--view", "yz",
                     "--unit", "cm", "--scale", "1:500", "--label-height", "2,5"}),
              0)
        << chyby_;
    EXPECT_EQ(vystup_, "Zapsán soubor " + T("v.dxf") + "\n");
    EXPECT_EQ(Cti(T("v.dxf")), Cti(Pripad("jtsk-xy", "vystup.dxf")));

    // vir21 appends ".pol"; the comment reaches the header; the version is the program's.
    ASSERT_EQ(Spust({"export", Pripad("mistni", "zapisnik.mer"), "--format", "vir21", "-o", T("v"), "--comment",
                     "Měřeno 2024"}),
              0)
        << chyby_;
    std::string ocekavany = Cti(Pripad("mistni", "vystup.vir21.pol"));
    ocekavany.replace(ocekavany.find("2.1.7"), 5, LOMVIRA_VERSION);
    EXPECT_EQ(Cti(T("v.pol")), ocekavany);
    ASSERT_EQ(Spust({"export", Pripad("otoceny", "zapisnik.mer"), "--format", "vir12", "-o", T("v")}), 0) << chyby_;
    EXPECT_TRUE(fs::exists(T("v.vir")));
}

TEST_F(Export, RefusalsAndTheQuestionBeforeReplacing)
{
    const std::string mistni = Pripad("mistni", "zapisnik.mer");
    const struct {
        std::vector<std::string> args;
        int kod;
        const char* chyba;
    } pripady[] = {
        {{"export", mistni, "--format", "doc", "-o", T("x")}, 1, "Neznámý formát doc."},
        {{"export", mistni, "--format", "sou"}, 1, "Chybí jméno výstupního souboru"},
        {{"export", mistni, "--format", "sou", "-o", T("")}, 1, "nemá jméno"},
        {{"export", mistni, "--format", "dxf", "-o", T("x"), "--scale", "1:0"}, 1, "Měřítko 1:0"},
        {{"export", mistni, "--format", "dxf", "-o", T("x"), "--unit", "yard"}, 1, "Neznámá jednotka yard"},
        {{"export", mistni, "--format", "geojson", "-o", T("x")}, 2, "S-JTSK"},
        {{"export", T("neni.mer"), "--format", "sou", "-o", T("x")}, 2, "neni.mer"},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(Spust(p.args), p.kod) << p.chyba;
        EXPECT_NE(chyby_.find(p.chyba), std::string::npos) << chyby_;
    }
    EXPECT_FALSE(fs::exists(T("x")));

    std::ofstream(T("x.sou")) << "stary";
    EXPECT_EQ(Spust({"--answer", "no", "export", mistni, "--format", "sou", "-o", T("x.sou")}), 2);
    EXPECT_NE(chyby_.find("existuje."), std::string::npos) << chyby_;
    EXPECT_EQ(Cti(T("x.sou")), "stary");
    EXPECT_EQ(Spust({"export", mistni, "--format", "sou", "-o", T("x.sou")}), 0) << chyby_;
    EXPECT_EQ(Cti(T("x.sou")), Cti(Pripad("mistni", "vystup.sou")));
}

} // namespace
