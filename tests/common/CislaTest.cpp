// Angles and number texts with the system's eleven-decimal π.

#include "common/Cisla.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <locale>
#include <stdexcept>

namespace lomvira {
namespace {

constexpr double Pi = 3.14159265359;

TEST(Uhly, JednotkyNormalizaceAPolarniSouradnice)
{
    // The system's π differs from the double nearest π by about 2e-13: exact comparisons tell them apart.
    EXPECT_EQ(NaRadiany(180.0, JednotkaStupne), Pi);
    EXPECT_EQ(NaRadiany(50.0, JednotkaGrady), 0.7853981633975);
    EXPECT_NEAR(Z_Radianu(Pi, JednotkaGrady), 200.0, 1e-12);
    EXPECT_EQ(NaRadiany(1.25, -1), 1.25); // radians and unknown codes pass through

    const std::pair<double, double> nezaporne[] = {
        {-0.1, 6.18318530718}, {6.28318530718, 0.0}, {-12.56637061436, 0.0}, {100.0, 5.7522203923}};
    for (const auto& [uhel, ocekavano] : nezaporne)
        EXPECT_NEAR(NormalizeAngle(uhel), ocekavano, 1e-12) << uhel;
    EXPECT_EQ(NormalizeAngle(-1e-17), 0.0); // the sum rounds to a whole turn: that is 0, not 2π
    // π belongs to the lower end, and just below −π the result must not round up to +π.
    EXPECT_EQ(NormalizeSignedAngle(Pi), -Pi);
    EXPECT_NEAR(NormalizeSignedAngle(10.0), -2.56637061436, 1e-13);
    for (double a = -Pi, i = 0; i < 3; ++i) {
        a = std::nextafter(a, -10.0);
        EXPECT_TRUE(NormalizeSignedAngle(a) >= -Pi && NormalizeSignedAngle(a) < Pi) << a;
    }

    double r = -1, angle = 99;
    PolarniSouradnice(-3, -4, r, angle); // dx < 0 adds π
    EXPECT_EQ(r, 5.0);
    EXPECT_NEAR(angle, 4.0688878715916122, 1e-14);
    PolarniSouradnice(0, -0.5, r, angle);
    EXPECT_EQ(angle, -1.570796326795);
    angle = 1.23;
    PolarniSouradnice(0, 0, r, angle); // both zero: the caller's angle stays
    EXPECT_EQ(std::pair(r, angle), std::pair(0.0, 1.23));
}

TEST(Cisla, FormatCisloValAStupneNaText)
{
    const std::tuple<double, int, bool, const char*> formaty[] = {
        {12.5, 0, true, "+13"}, {0.99996, 4, false, "1.0000"}, {-0.0, 2, false, "0.00"},
        {-0.0004, 3, false, "-0.000"}, // the sign stays
        {-2.5, 0, false, "-3"},        // halves round away from zero
        {-1e20, 1, false, "-100000000000000000000.0"},
        {std::numeric_limits<double>::quiet_NaN(), 2, false, "0.00"},
        {std::numeric_limits<double>::infinity(), 0, true, "0"}};
    for (const auto& [hodnota, mist, plus, text] : formaty)
        EXPECT_EQ(FormatCislo(hodnota, mist, plus), text) << hodnota << " " << mist;
    // Scaling past the double range still gives digits, never "inf".
    const std::string obri = FormatCislo(1e300, 9);
    EXPECT_EQ(std::tuple(obri.size(), obri.substr(0, 4), obri.substr(301)), std::tuple(311u, "1000", ".000000000"));

    const std::pair<const char*, double> cisla[] = {
        {"", 0}, {"-", 0}, {"12abc", 12}, {"  \t-3.25e2x", -325}, {".5", 0.5}, {"1,5", 1}, {"1.5.7", 1.5},
        {"2e+x", 2}, {"x12", 0}, {"1e999", 0}};
    for (const auto& [text, hodnota] : cisla)
        EXPECT_EQ(Val(text), hodnota) << '"' << text << '"';

    const std::tuple<const char*, char, const char*> uhly[] = {
        {"-12,5", '.', "-12°30'"}, {"0,5", '.', "30'"}, {"2.0025", '.', "2°9\""},
        {"1.7", '.', "1°42'"}, // not 1°41'59.99"
        {"10,1234", ',', "10°7'24,24\""}, {"-0.5005", ',', "-30'1,8\""},
        {"1.00001", '.', "1°0.03\""}, // seconds are cut, not rounded
        {"-0.000001", '.', "0°"}};
    for (const auto& [text, znak, ocekavano] : uhly)
        EXPECT_EQ(StupneNaText(text, znak), ocekavano) << text;
}

// A locale with a decimal comma, set the way the front end sets the user's one; built
// privately when none is installed.
bool CarkovaLokalizace()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8"}) {
            try {
                std::locale::global(std::locale(name));
            } catch (const std::runtime_error&) {
                continue;
            }
            if (*std::localeconv()->decimal_point == ',')
                return true;
        }
        const std::string dir = testing::TempDir() + "lomvira-locale";
        std::filesystem::create_directories(dir);
        const std::string cmd = "localedef -i cs_CZ -f UTF-8 '" + dir + "/cs_CZ.UTF-8' >/dev/null 2>&1";
        [[maybe_unused]] const int rc = std::system(cmd.c_str());
        setenv("LOCPATH", dir.c_str(), 1);
    }
    std::locale::global(std::locale::classic());
    return false;
}

TEST(Cisla, DesetinnaCarkaLokalizaceNicNemeni)
{
    if (!CarkovaLokalizace())
        GTEST_SKIP() << "no locale with a decimal comma available";
    EXPECT_EQ(FormatCislo(-1234.5678, 3), "-1234.568");
    EXPECT_EQ(Val("-3.25e2"), -325.0); // settings written with "." read back under any locale
    EXPECT_EQ(StupneNaText("10.1234", ','), "10°7'24,24\"");
    std::locale::global(std::locale::classic());
}

} // namespace
} // namespace lomvira
