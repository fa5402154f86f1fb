// The command-line driver run as a program: the golden cases, the files that print, draw and
// export write, the conversions, and failed writes. Each folder of
// tests/data/cli is one case:
//   zapisnik.mer   the notebook (its first comment says what the case is about)
//   argumenty      the arguments, one per line ("#" lines are comments); {ZAPISNIK} is the
//                  notebook's path
//   nastaveni.ini  the settings the run reads (optional; otherwise an empty INI file)
//   vystup.txt     the expected standard output, byte for byte
//   kod            the expected exit status
//   chyby.txt      lines that must each appear in the standard error output (optional)

#include "support/SlozkyPripadu.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string Cti(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Zapis(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string VUvozovkach(const std::string& arg)
{
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Beh {
    int kod = -1;
    std::string vystup;
    std::string chyby;
};

// A temporary folder for one run with an empty settings file, removed afterwards.
class DocasnaSlozka {
public:
    DocasnaSlozka()
    {
        std::string vzor = (fs::temp_directory_path() / "lomvira-cli-XXXXXX").string();
        if (mkdtemp(vzor.data())) {
            cesta_ = vzor;
            Zapis(cesta_ / "nastaveni.ini", "");
        }
    }
    ~DocasnaSlozka()
    {
        std::error_code ec;
        if (!cesta_.empty())
            fs::remove_all(cesta_, ec);
    }
    const fs::path& Cesta() const { return cesta_; }

private:
    fs::path cesta_;
};

// Runs the CLI with --settings pointing at the folder's settings file and the arguments.
Beh Spust(const DocasnaSlozka& tmp, const std::vector<std::string>& args)
{
    std::string prikaz = VUvozovkach(LOMVIRA_CLI) + " --settings " + VUvozovkach(tmp.Cesta() / "nastaveni.ini");
    for (const std::string& a : args)
        prikaz += " " + VUvozovkach(a);
    const fs::path out = tmp.Cesta() / "stdout", err = tmp.Cesta() / "stderr";
    prikaz += " >" + VUvozovkach(out.string()) + " 2>" + VUvozovkach(err.string());
    Beh beh;
    const int status = std::system(prikaz.c_str());
    beh.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    beh.vystup = Cti(out);
    beh.chyby = Cti(err);
    return beh;
}

class CliPripad : public ::testing::TestWithParam<std::string> {};

TEST_P(CliPripad, OutputAndExitStatus)
{
    const fs::path slozka = fs::path(LOMVIRA_TEST_DATA) / "cli" / GetParam();
    DocasnaSlozka tmp;
    ASSERT_FALSE(tmp.Cesta().empty());
    const fs::path zapisnik = tmp.Cesta() / "zapisnik.mer";
    if (fs::exists(slozka / "zapisnik.mer"))
        fs::copy_file(slozka / "zapisnik.mer", zapisnik);
    if (fs::exists(slozka / "nastaveni.ini"))
        Zapis(tmp.Cesta() / "nastaveni.ini", Cti(slozka / "nastaveni.ini"));

    std::vector<std::string> args;
    std::istringstream radky(Cti(slozka / "argumenty"));
    for (std::string r; std::getline(radky, r);) {
        if (r.empty() || r[0] == '#')
            continue;
        args.push_back(r == "{ZAPISNIK}" ? zapisnik.string() : r);
    }

    const Beh beh = Spust(tmp, args);
    EXPECT_EQ(beh.kod, std::stoi(Cti(slozka / "kod"))) << beh.chyby;
    EXPECT_EQ(beh.vystup, Cti(slozka / "vystup.txt")) << beh.chyby;
    if (fs::exists(slozka / "chyby.txt")) {
        std::istringstream ocekavane(Cti(slozka / "chyby.txt"));
        for (std::string r; std::getline(ocekavane, r);) {
            if (!r.empty()) {
                EXPECT_NE(beh.chyby.find(r), std::string::npos) << "missing: " << r << "\nstderr:\n" << beh.chyby;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Data, CliPripad, ::testing::ValuesIn(lomvira::test::SlozkyPripadu("cli")),
                         [](const auto& info) { return lomvira::test::JmenoPripadu(info.param); });

// print and draw write files: the protocol's pages, and the picture in the size asked for.
TEST(Cli, PrintAndDrawWriteTheirFiles)
{
    DocasnaSlozka tmp;
    const fs::path mer = tmp.Cesta() / "jeskyne.mer";
    Zapis(mer, "# Tisk a kresba: deset bodů k severu.\n* S1 0 0 0\nS1 S2 1 0 0\nS2 S3 1 0 0\nS3 S4 1 0 0\n"
               "S4 S5 1 0 0\nS5 S6 1 0 0\nS6 S7 1 0 0\nS7 S8 1 0 0\nS8 S9 1 0 0\nS9 S10 1 0 0\n");
    auto stran = [](const std::string& pdf) {
        int n = 0;
        for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos; i = pdf.find("/Type /Page", i + 1))
            n += pdf.compare(i, 12, "/Type /Pages") != 0;
        return n;
    };
    struct Tisk {
        std::vector<std::string> volby;
        int stran;
    };
    // Title sheet, measurements, points, and ten profiles on two pages.
    for (const Tisk& t : {Tisk{{}, 5}, Tisk{{"--sections", "title,points"}, 2}}) {
        std::vector<std::string> args = {"print", mer.string(), "--pdf", (tmp.Cesta() / "p.pdf").string(),
                                         "--comment", "Zaměřil Šimon"};
        args.insert(args.end(), t.volby.begin(), t.volby.end());
        const Beh beh = Spust(tmp, args);
        EXPECT_EQ(beh.kod, 0) << beh.chyby;
        EXPECT_EQ(beh.chyby, "");
        EXPECT_EQ(stran(Cti(tmp.Cesta() / "p.pdf")), t.stran) << t.volby.size();
    }
    for (const char* pripona : {"png", "svg", "pdf"}) {
        const fs::path obraz = tmp.Cesta() / (std::string("o.") + pripona);
        const Beh beh = Spust(tmp, {"draw", mer.string(), "-o", obraz.string(), "--view", "section",
                                         "--azimuth", "90", "--layers", "shots,stations,labels,height", "--size", "320x240"});
        EXPECT_EQ(beh.kod, 0) << beh.chyby;
        const std::string obsah = Cti(obraz);
        if (std::string(pripona) == "png") {
            ASSERT_GT(obsah.size(), 24u);
            EXPECT_EQ(obsah.substr(0, 4), "\x89PNG");
            EXPECT_EQ(obsah.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xF0", 8)); // 320 x 240
        } else {
            EXPECT_EQ(obsah.substr(0, 4), std::string(pripona) == "svg" ? "<?xm" : "%PDF");
        }
    }
    // A folder that is not there: the reason, and no success.
    const Beh beh = Spust(tmp, {"draw", mer.string(), "-o", (tmp.Cesta() / "chybi" / "o.png").string()});
    EXPECT_EQ(beh.kod, 2);
    EXPECT_NE(beh.chyby.find("nelze uložit"), std::string::npos) << beh.chyby;
}

// Without its drawing program beside it, lomvira-cli says so for print and draw, and does the
// rest of its commands itself.
TEST(Cli, BezKreslicihoProgramuKresleniSelzeSeZpravou)
{
    DocasnaSlozka tmp;
    ASSERT_FALSE(tmp.Cesta().empty());
    const fs::path cli = tmp.Cesta() / "lomvira-cli";
    fs::copy_file(LOMVIRA_CLI, cli);
    const fs::path mer = tmp.Cesta() / "a.mer";
    Zapis(mer, "A B 10 0 0\n");
    const std::string presmeruj = " 2>" + VUvozovkach((tmp.Cesta() / "stderr").string()) + " >/dev/null";
    const std::string kresli = VUvozovkach(cli.string()) + " draw " + VUvozovkach(mer.string()) + " -o "
                               + VUvozovkach((tmp.Cesta() / "a.png").string()) + presmeruj;
    int status = std::system(kresli.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_NE(Cti(tmp.Cesta() / "stderr").find("lomvira-cli-grafika, který nelze spustit"), std::string::npos);
    EXPECT_FALSE(fs::exists(tmp.Cesta() / "a.png"));
    status = std::system((VUvozovkach(cli.string()) + " load " + VUvozovkach(mer.string()) + presmeruj).c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
}

// A write that fails is a failure: output to a full disk or to a reader that has gone away
// ends with exit status 2 and a word on standard error.
TEST(Cli, SelhanyZapisVystupuKonciChybou)
{
    DocasnaSlozka tmp;
    const std::string ini = tmp.Cesta() / "nastaveni.ini", mer = tmp.Cesta() / "z.mer", chyby = tmp.Cesta() / "err";
    Zapis(mer, "! VZD = SIK\n* A 0 0 0\nA B 10 90 0\n"); // VZD makes a notice on standard error
    int roura[2];
    ASSERT_EQ(pipe(roura), 0);
    close(roura[0]); // nobody reads
    const int plny = open("/dev/full", O_WRONLY), nic = open("/dev/null", O_WRONLY);
    const std::tuple<int, int, int, const char*> pripady[] = {
        {nic, -1, 0, ""},
        {plny, -1, 2, "Standardní výstup nelze zapsat: na disku není místo."},
        {roura[1], -1, 2, "Standardní výstup nelze zapsat: příjemce výstupu jej už nečte"},
        {nic, plny, 2, ""}};
    for (const auto& [out, err, kod, hlaseni] : pripady) {
        const int e = err >= 0 ? err : open(chyby.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_t akce;
        posix_spawn_file_actions_init(&akce);
        posix_spawn_file_actions_adddup2(&akce, out, 1);
        posix_spawn_file_actions_adddup2(&akce, e, 2);
        std::string args[] = {LOMVIRA_CLI, "--settings", ini, "compute", "--csv", mer};
        char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), args[4].data(),
                        args[5].data(), nullptr};
        pid_t pid = 0;
        int status = -1;
        ASSERT_EQ(posix_spawn(&pid, LOMVIRA_CLI, &akce, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&akce);
        waitpid(pid, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, kod) << hlaseni;
        EXPECT_NE(Cti(chyby).find(hlaseni), std::string::npos) << Cti(chyby);
        if (err < 0)
            close(e);
    }
}

// "export": its options reach the writers (the files equal the hand-derived ones of
// tests/data/output), the viewer's formats name their files, and the question before replacing.
TEST(Cli, ExportOptionsReachTheFilesAndReplacingAsks)
{
    DocasnaSlozka tmp;
    auto pripad = [](const std::string& slozka, const std::string& soubor) {
        return (fs::path(LOMVIRA_TEST_DATA) / "output" / slozka / soubor).string();
    };
    auto t = [&tmp](const std::string& jmeno) { return (tmp.Cesta() / jmeno).string(); };
    // The section in centimetres at 1 : 500 with 2.5 mm labels typed with a comma.
    Beh beh = Spust(tmp, {"export", pripad("jtsk-xy", "zapisnik.mer"), "--format", "dxf", "-o", t("v.dxf"),
                               "--view", "yz", "--unit", "cm", "--scale", "1:500", "--label-height", "2,5"});
    ASSERT_EQ(beh.kod, 0) << beh.chyby;
    EXPECT_EQ(beh.vystup, "Zapsán soubor " + t("v.dxf") + "\n");
    EXPECT_EQ(Cti(t("v.dxf")), Cti(pripad("jtsk-xy", "vystup.dxf")));
    beh = Spust(tmp, {"export", pripad("otoceny", "zapisnik.mer"), "--format", "vir21-ansi", "-o", t("w")});
    EXPECT_EQ(beh.vystup, "Zapsán soubor " + t("w.pol") + "\n");

    const std::string mistni = pripad("mistni", "zapisnik.mer");
    EXPECT_EQ(Spust(tmp, {"export", mistni, "--format", "geojson", "-o", t("x")}).kod, 2); // an own system
    EXPECT_FALSE(fs::exists(t("x")));
    Zapis(t("x.sou"), "stary");
    beh = Spust(tmp, {"--answer", "no", "export", mistni, "--format", "sou", "-o", t("x.sou")});
    EXPECT_EQ(beh.kod, 2);
    EXPECT_NE(beh.chyby.find("existuje."), std::string::npos) << beh.chyby;
    EXPECT_EQ(Cti(t("x.sou")), "stary");
    EXPECT_EQ(Spust(tmp, {"export", mistni, "--format", "sou", "-o", t("x.sou")}).kod, 0);
    EXPECT_EQ(Cti(t("x.sou")), Cti(pripad("mistni", "vystup.sou")));
}

// "convert": the ways an angle may be typed, the meridians, the height, and the usage errors.
TEST(Cli, ConvertArgumentsLinesAndExitStatus)
{
    DocasnaSlozka tmp;
    struct Radek {
        std::vector<std::string> args;
        int kod;
        std::string out; // the start of standard output
        std::string err; // a part of standard error
    };
    // The EPSG Guidance Note 7-2 point (X 1050538.643, Y 568990.997), typed in several ways.
    const std::string epsg = "X = 1050538.643\nY = 568990.997\nVýsledná meridiánová divergence = 5.98";
    const Radek radky[] = {
        {{"to-jtsk", "50°12'32.4416\"", "16°50'59,179"}, 0, epsg, ""},
        {{"to-jtsk", "50.20901155556", "34.51227194444", "--meridian", "ferro"}, 0, epsg, ""},
        {{"to-geo", "1050538,643", "568990,997", "--meridian", "greenwich"}, 0, "Zeměpisná šířka = 50.2090115", ""},
        {{"to-jtsk", "95", "15"}, 1, "", "Zeměpisná šířka musí ležet mezi -90° a 90°.\nPoužití:"},
        {{"to-geo", "1e12", "1e12"}, 2, "", "se nepodařilo převést: výpočet nekonverguje.\n"},
        {{}, 1, "", "Chybí směr převodu to-jtsk nebo to-geo.\nPoužití:"},
        {{"to-jtsk", "50"}, 1, "", "Zadejte zeměpisnou šířku a délku."},
        {{"to-geo", "abc", "5"}, 1, "", "Souřadnice abc není číslo."},
        {{"to-jtsk", "50°61'", "15"}, 1, "", "Úhel 50°61' nelze přečíst."},
        {{"to-jtsk", "50", "15", "--meridian", "mars"}, 1, "", "Neznámý poledník mars."},
        {{"to-jtsk", "50", "15", "--height"}, 1, "", "Volba --height potřebuje hodnotu."},
    };
    for (const Radek& r : radky) {
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), r.args.begin(), r.args.end());
        const Beh v = Spust(tmp, args);
        const std::string popis = r.args.empty() ? "" : r.args[0] + " " + r.args.back();
        EXPECT_EQ(v.kod, r.kod) << popis << v.chyby;
        EXPECT_EQ(v.vystup.substr(0, r.out.empty() ? std::string::npos : r.out.size()), r.out) << popis;
        EXPECT_NE(v.chyby.find(r.err), std::string::npos) << popis << v.chyby;
    }
    // WGS-84 gives the height too; the typed height goes in metre for metre.
    auto vyska = [&](const char* h) {
        const std::string out = Spust(tmp, {"convert", "to-geo", "1050538.643", "568990.997", "--meridian",
                                                  "wgs84", "--height", h}).vystup;
        const std::size_t i = out.find("Výška = ");
        return i == std::string::npos ? -1e9 : std::stod(out.substr(i + std::string("Výška = ").size()));
    };
    EXPECT_NEAR(vyska("1300") - vyska("300"), 1000.0, 0.01);
}

} // namespace
