// lomvira-cli convert: arguments in, printed lines and the exit status out.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Vysledek {
    int kod = -1;
    std::string out, err;
};

std::string Obsah(const std::string& cesta)
{
    std::ifstream in(cesta, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs the program without a shell, so that ° ' " reach it as typed.
Vysledek Spust(const std::vector<std::string>& args)
{
    const auto slozka = std::filesystem::temp_directory_path() / ("lomvira-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(slozka);
    const std::string out = (slozka / "out").string(), err = (slozka / "err").string();
    std::vector<std::string> vse = {LOMVIRA_CLI, "--settings", (slozka / "nastaveni.ini").string(), "convert"};
    vse.insert(vse.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : vse)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_addopen(&akce, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&akce, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Vysledek v;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &akce, nullptr, argv.data(), environ) == 0) {
        int stav = 0;
        ::waitpid(pid, &stav, 0);
        v.kod = WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
    }
    posix_spawn_file_actions_destroy(&akce);
    v.out = Obsah(out);
    v.err = Obsah(err);
    std::filesystem::remove_all(slozka);
    return v;
}

struct Radek {
    std::vector<std::string> args;
    int kod;
    std::string out;  // the start of standard output
    std::string err;  // a part of standard error
};

TEST(PrikazKonverze, Tabulka)
{
    // The EPSG Guidance Note 7-2 point (X 1050538.643, Y 568990.997), typed in several ways.
    const std::string epsg = "X = 1050538.643\nY = 568990.997\nVýsledná meridiánová divergence = 5.98";
    const Radek radky[] = {
        {{"to-jtsk", "50°12'32.4416\"", "16°50'59,179"}, 0, epsg, ""},
        {{"to-jtsk", "50.20901155556", "34.51227194444", "--meridian", "ferro"}, 0, epsg, ""},
        {{"to-geo", "1050538.643", "568990.997"}, 0,
         "Zeměpisná šířka = 50.2090115", ""},
        {{"to-geo", "1050538,643", "568990,997", "--meridian", "greenwich"}, 0,
         "Zeměpisná šířka = 50.2090115", ""},
        {{"to-jtsk", "95", "15"}, 1, "", "Zeměpisná šířka musí ležet mezi -90° a 90°.\nPoužití:"},
        {{"to-jtsk", "50", "15", "--meridian", "wgs84", "--height", "1e6"}, 1, "",
         "Výška musí ležet mezi -100000 m a 100000 m."},
        {{"to-geo", "1e12", "1e12"}, 2, "",
         "Bod X = 1000000000000.000, Y = 1000000000000.000 se nepodařilo převést: výpočet nekonverguje.\n"},
        {{}, 1, "", "Chybí směr převodu to-jtsk nebo to-geo.\nPoužití:"},
        {{"to-jtsk", "50"}, 1, "", "Zadejte zeměpisnou šířku a délku."},
        {{"to-geo", "abc", "5"}, 1, "", "Souřadnice abc není číslo."},
        {{"to-jtsk", "50°61'", "15"}, 1, "", "Úhel 50°61' nelze přečíst."},
        {{"to-jtsk", "50", "15", "--meridian", "mars"}, 1, "", "Neznámý poledník mars."},
        {{"to-jtsk", "50", "15", "--height"}, 1, "", "Volba --height potřebuje hodnotu."},
        {{"to-jtsk", "50", "15", "--vyska", "3"}, 1, "", "Neznámá volba --vyska."},
    };
    for (const Radek& r : radky) {
        std::string popis;
        for (const std::string& a : r.args)
            popis += a + " ";
        const Vysledek v = Spust(r.args);
        EXPECT_EQ(v.kod, r.kod) << popis << v.err;
        EXPECT_EQ(v.out.substr(0, r.out.size()), r.out) << popis;
        if (r.out.empty()) {
            EXPECT_EQ(v.out, "") << popis;
        }
        EXPECT_NE(v.err.find(r.err), std::string::npos) << popis << v.err;
    }
}

TEST(PrikazKonverze, GpsDavaIVyskuAVyskaSePouzije)
{
    const Vysledek nizko = Spust({"to-geo", "1050538.643", "568990.997", "--meridian", "wgs84", "--height", "300"});
    const Vysledek vysoko = Spust({"to-geo", "1050538.643", "568990.997", "--meridian", "wgs84", "--height", "1300"});
    ASSERT_EQ(nizko.kod, 0) << nizko.err;
    ASSERT_EQ(vysoko.kod, 0) << vysoko.err;
    const auto vyska = [](const std::string& out) {
        const std::size_t i = out.find("Výška = ");
        return i == std::string::npos ? -1e9 : std::stod(out.substr(i + std::string("Výška = ").size()));
    };
    // The ellipsoids lie some 40 m apart here; the typed height goes in metre for metre.
    EXPECT_NEAR(vyska(nizko.out), 340.0, 10.0) << nizko.out;
    EXPECT_NEAR(vyska(vysoko.out) - vyska(nizko.out), 1000.0, 0.01);
    EXPECT_EQ(Spust({"to-geo", "1050538.643", "568990.997"}).out.find("Výška"), std::string::npos);
}

} // namespace
