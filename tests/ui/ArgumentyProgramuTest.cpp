#include "app/ui/ArgumentyProgramu.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(ArgumentyProgramu, SettingsFileOneNotebookAndUsageErrors)
{
    auto a = RozeberArgumenty({"--settings", "/tmp/t.ini", "\"moje jeskyně.mer\""});
    EXPECT_EQ(a.chyba, "");
    EXPECT_EQ(a.nastaveni, "/tmp/t.ini");
    EXPECT_EQ(a.zapisnik, "\"moje jeskyně.mer\""); // the quotes are the window's business
    a = RozeberArgumenty({"a.mer", "--settings=x.ini"});
    EXPECT_EQ(a.nastaveni, "x.ini");
    EXPECT_EQ(a.zapisnik, "a.mer");
    EXPECT_EQ(RozeberArgumenty({"--", "--divne.mer"}).zapisnik, "--divne.mer");

    for (const auto& spatne : std::vector<std::vector<std::string>>{
             {"--settings"}, {"--settings="}, {"a.mer", "b.mer"}, {"--answer", "yes"}, {"--settings", "/"}})
        EXPECT_NE(RozeberArgumenty(spatne).chyba, "") << spatne[0];
}

} // namespace
} // namespace lomvira
