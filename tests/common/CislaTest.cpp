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

// The system's π differs from the double nearest π by about 2e-13; this tells them apart.
constexpr double Presne = 1e-14;
constexpr double Pi = 3.14159265359;

TEST(Uhly, JednotkyPrevadejiSystemovymPi)
{
    EXPECT_EQ(NaRadiany(180.0, JednotkaStupne), Pi);
    EXPECT_EQ(NaRadiany(-360.0, JednotkaStupne), -6.28318530718);
    EXPECT_EQ(NaRadiany(50.0, JednotkaGrady), 0.7853981633975);
    EXPECT_NEAR(Z_Radianu(Pi, JednotkaStupne), 180.0, 1e-12);
    EXPECT_NEAR(Z_Radianu(Pi, JednotkaGrady), 200.0, 1e-12);
    // Radians and unknown codes pass the value through.
    for (int unit : {JednotkaRadiany, 3, -1}) {
        EXPECT_EQ(NaRadiany(1.25, unit), 1.25) << unit;
        EXPECT_EQ(Z_Radianu(-0.75, unit), -0.75) << unit;
    }
}

TEST(Uhly, Normalizace)
{
    EXPECT_NEAR(NormalizeAngle(-0.1), 6.18318530718, Presne);
    EXPECT_EQ(NormalizeAngle(6.28318530718), 0.0);
    EXPECT_EQ(NormalizeAngle(-12.56637061436), 0.0);
    EXPECT_NEAR(NormalizeAngle(100.0), 5.7522203923, 1e-12);  // 15 turns
    EXPECT_NEAR(NormalizeAngle(-100.0), 0.53096491488, 1e-12); // 16 turns
    // Just below zero the sum rounds to a whole turn: that is 0, not 2π.
    EXPECT_EQ(NormalizeAngle(-1e-17), 0.0);

    // π belongs to the lower end.
    EXPECT_EQ(NormalizeSignedAngle(Pi), -Pi);
    EXPECT_EQ(NormalizeSignedAngle(-Pi), -Pi);
    EXPECT_NEAR(NormalizeSignedAngle(-0.1), -0.1, Presne);
    EXPECT_NEAR(NormalizeSignedAngle(4.712388980385), -1.570796326795, 1e-13);
    EXPECT_NEAR(NormalizeSignedAngle(10.0), -2.56637061436, 1e-13);
    // Just below −π the result must not round up to +π.
    for (double a = -Pi, i = 0; i < 3; ++i) {
        a = std::nextafter(a, -10.0);
        EXPECT_GE(NormalizeSignedAngle(a), -Pi) << a;
        EXPECT_LT(NormalizeSignedAngle(a), Pi) << a;
    }
}

TEST(Uhly, PolarniSouradnice)
{
    double r = -1, angle = 99;
    PolarniSouradnice(3, 4, r, angle);
    EXPECT_EQ(r, 5.0);
    EXPECT_NEAR(angle, 0.9272952180016122, Presne);
    // dx < 0 adds π and the angle is left in (π/2, 3π/2).
    PolarniSouradnice(-3, -4, r, angle);
    EXPECT_NEAR(angle, 4.0688878715916122, Presne);
    PolarniSouradnice(-2, 0, r, angle);
    EXPECT_EQ(angle, Pi);
    PolarniSouradnice(0, -0.5, r, angle);
    EXPECT_EQ(r, 0.5);
    EXPECT_EQ(angle, -1.570796326795);
    // Both zero: the caller's angle stays.
    angle = 1.23;
    PolarniSouradnice(0, 0, r, angle);
    EXPECT_EQ(r, 0.0);
    EXPECT_EQ(angle, 1.23);
}

TEST(FormatCislo, Texty)
{
    struct Case {
        double value;
        int decimals;
        bool plus;
        const char* text;
    };
    const Case cases[] = {
        {-0.0456, 3, false, "-0.046"},
        {12.5, 0, true, "+13"},
        {0.99996, 4, false, "1.0000"},
        {0.0, 2, true, "0.00"},
        {-0.0, 2, false, "0.00"},
        {0.0001, 2, true, "+0.00"},
        {-0.0004, 3, false, "-0.000"}, // a negative value keeps its sign
        {-2.5, 0, false, "-3"},        // halves round away from zero
        {0.004, 3, false, "0.004"},
        {0.05, 4, false, "0.0500"},
        {123456789.125, 2, false, "123456789.13"},
        {-1e20, 1, false, "-100000000000000000000.0"},
        {std::numeric_limits<double>::quiet_NaN(), 2, false, "0.00"},
        {std::numeric_limits<double>::infinity(), 0, true, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatCislo(c.value, c.decimals, c.plus), c.text) << c.value << " " << c.decimals;

    // Scaling past the double range still gives digits, never "inf".
    const std::string huge = FormatCislo(1e300, 9);
    EXPECT_EQ(huge.size(), 301u + 10);
    EXPECT_EQ(huge.substr(0, 16), "1000000000000000");
    EXPECT_EQ(huge.substr(301), ".000000000");
}

TEST(Cisla, CarkaNaTeckuAVal)
{
    EXPECT_EQ(CarkaNaTecku("1,2,3 ě"), "1.2.3 ě");
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},      {"abc", 0},   {"-", 0},   {"12abc", 12}, {"  \t-3.25e2x", -325},
        {"+4", 4},    {".5", 0.5},  {"5.", 5},  {"1,5", 1},    {"1.5.7", 1.5},
        {"2e", 2},    {"2e+x", 2},  {"2E-1", 0.2}, {"x12", 0}, {"1e999", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(StupneNaText, StupneMinutySekundy)
{
    EXPECT_EQ(StupneNaText("-12,5"), "-12°30'");
    EXPECT_EQ(StupneNaText("0,5"), "30'");
    EXPECT_EQ(StupneNaText("0"), "0°");
    EXPECT_EQ(StupneNaText("2.0025"), "2°9\"");
    // 0.7° must not come out as 41'59.99".
    EXPECT_EQ(StupneNaText("1.7"), "1°42'");
    EXPECT_EQ(StupneNaText("10.1234"), "10°7'24.24\"");
    EXPECT_EQ(StupneNaText("10,1234", ','), "10°7'24,24\"");
    EXPECT_EQ(StupneNaText("-0.5005", ','), "-30'1,8\"");
    // Seconds are cut, not rounded: 0.00001° is 0.036".
    EXPECT_EQ(StupneNaText("1.00001"), "1°0.03\"");
    // Below a hundredth of a second nothing but zero is left to show.
    EXPECT_EQ(StupneNaText("-0.000001"), "0°");
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
    EXPECT_EQ(FormatCislo(1e20, 2), "100000000000000000000.00");
    // Settings written with "." read back under any locale.
    EXPECT_EQ(Val("0.5"), 0.5);
    EXPECT_EQ(Val("-3.25e2"), -325.0);
    EXPECT_EQ(StupneNaText("10.1234", ','), "10°7'24,24\"");
    std::locale::global(std::locale::classic());
}

} // namespace
} // namespace lomvira
