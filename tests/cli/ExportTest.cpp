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
    // The section in centimetres at 1 : 500 with 2.5 mm labels (typed with a comma), given on
    // the command line.
    ASSERT_EQ(Spust({"export", Pripad("jtsk-xy", "zapisnik.mer"), "--format", "dxf", "-o", T("v.dxf"), "--view", "yz",
                     "--unit", "cm", "--scale", "1:500", "--label-height", "2,5"}),
              0)
        << chyby_;
    EXPECT_EQ(vystup_, "Zapsán soubor " + T("v.dxf") + "\n");
    EXPECT_EQ(Cti(T("v.dxf")), Cti(Pripad("jtsk-xy", "vystup.dxf")));
    // The viewer's formats append their extensions.
    ASSERT_EQ(Spust({"export", Pripad("otoceny", "zapisnik.mer"), "--format", "vir21-ansi", "-o", T("w")}), 0);
    EXPECT_EQ(vystup_, "Zapsán soubor " + T("w.pol") + "\n");
}

TEST_F(Export, RefusalsAndTheQuestionBeforeReplacing)
{
    const std::string mistni = Pripad("mistni", "zapisnik.mer");
    // Refusals before anything is written (more cases in tests/data/cli/export-*).
    EXPECT_EQ(Spust({"export", mistni, "--format", "sou", "-o", T("")}), 1);
    EXPECT_NE(chyby_.find("nemá jméno"), std::string::npos) << chyby_;
    EXPECT_EQ(Spust({"export", mistni, "--format", "geojson", "-o", T("x")}), 2);
    EXPECT_NE(chyby_.find("S-JTSK"), std::string::npos) << chyby_;
    EXPECT_FALSE(fs::exists(T("x")));

    std::ofstream(T("x.sou")) << "stary";
    EXPECT_EQ(Spust({"--answer", "no", "export", mistni, "--format", "sou", "-o", T("x.sou")}), 2);
    EXPECT_NE(chyby_.find("existuje."), std::string::npos) << chyby_;
    EXPECT_EQ(Cti(T("x.sou")), "stary");
    EXPECT_EQ(Spust({"export", mistni, "--format", "sou", "-o", T("x.sou")}), 0) << chyby_;
    EXPECT_EQ(Cti(T("x.sou")), Cti(Pripad("mistni", "vystup.sou")));
}

} // namespace
