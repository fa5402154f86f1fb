// A write that fails is a failure: output to a full disk or to a reader that has gone away
// ends with exit status 2 and a word on standard error.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs the CLI with its standard output and error on the given descriptors.
int Spust(std::vector<std::string> args, int out, int err)
{
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_adddup2(&akce, out, 1);
    posix_spawn_file_actions_adddup2(&akce, err, 2);
    args.insert(args.begin(), LOMVIRA_CLI);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int r = posix_spawn(&pid, LOMVIRA_CLI, &akce, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&akce);
    int status = 0;
    if (r != 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliVystup, SelhanyZapisKonciChybou)
{
    const fs::path dir = fs::path(testing::TempDir()) / "lomvira-cli-vystup";
    fs::create_directories(dir);
    const std::string ini = (dir / "n.ini").string(), mer = (dir / "z.mer").string();
    std::ofstream(ini) << "";
    // The deprecated VZD makes a notice on standard error.
    std::ofstream(mer) << "! VZD = SIK\n* A 0 0 0\nA B 10 90 0\n";
    const std::vector<std::string> args = {"--settings", ini, "compute", "--csv", mer};

    int roura[2];
    ASSERT_EQ(pipe(roura), 0);
    close(roura[0]); // nobody reads
    const int plny = open("/dev/full", O_WRONLY);
    ASSERT_GE(plny, 0);
    const std::string chyby = (dir / "chyby").string(), vystup = (dir / "vystup").string();
    struct Pripad {
        int out, err;
        int kod;
        const char* hlaseni;
    };
    const Pripad pripady[] = {
        {-1, -1, 0, ""},
        {plny, -1, 2, "Standardní výstup nelze zapsat: na disku není místo."},
        {roura[1], -1, 2, "Standardní výstup nelze zapsat: příjemce výstupu jej už nečte"},
        {-1, plny, 2, ""},
    };
    for (const Pripad& c : pripady) {
        const int f = open(vystup.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = open(chyby.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(Spust(args, c.out >= 0 ? c.out : f, c.err >= 0 ? c.err : e), c.kod) << c.hlaseni;
        close(f);
        close(e);
        std::ifstream in(chyby);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_NE(text.find(c.hlaseni), std::string::npos) << text;
    }
    close(roura[1]);
    close(plny);
    fs::remove_all(dir);
}

} // namespace
