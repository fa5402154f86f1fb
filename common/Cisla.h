#pragma once
// Angles, number texts and the small helpers every subsystem shares.

#include <string>
#include <string_view>
#include <utility>

namespace lomvira {

// The system's π: eleven decimals, so that every listing and output agrees to the last digit.
inline constexpr double PI = 3.14159265359;
// The S-JTSK conversion carries its own, longer value.
inline constexpr double PI_JTSK = 3.14159265358979;

// Angle unit codes.
inline constexpr int JednotkaStupne = 0;
inline constexpr int JednotkaGrady = 1;
inline constexpr int JednotkaRadiany = 2;

double NaRadiany(double value, int unit);
double Z_Radianu(double value, int unit);
// True when the angle, in the given unit, is more than a full turn either way (or is not
// a number): no declination or compass deviation can be that.
bool VicNezOtacka(double value, int unit);

// Into [0, 2π) and [−π, π) with the system's π.
double NormalizeAngle(double a);
double NormalizeSignedAngle(double a);

// Distance and direction of (dx, dy); the angle is left alone when both are zero.
void PolarniSouradnice(double dx, double dy, double& r, double& angle);

// Locale-independent fixed-point text: the only writer of numbers to files and settings.
std::string FormatCislo(double value, int decimals, bool plus = false);

// FormatCislo with the trailing zeros dropped down to `minDecimals` decimals (and the
// decimal point when none is left).
std::string FormatCisloBezNul(double value, int maxDecimals, int minDecimals = 0);

// The mark of an angle unit in listings: "°" degrees, "g" grads, "r" radians.
const char* ZnackaUhlu(int unit);

// Accepts "," as a decimal mark in typed numbers.
std::string CarkaNaTecku(std::string text);

// Decimal degrees (text) to degrees, minutes and seconds text, in the user's decimal mark.
std::string StupneNaText(const std::string& text, char decimalMark = '.');

template <class T>
void Prohod(T& a, T& b)
{
    std::swap(a, b);
}

// The leading numeric part of a text as a number ("Val"): blanks are skipped, an empty or
// non-numeric text gives 0, "12abc" gives 12.
double Val(std::string_view text);

} // namespace lomvira
