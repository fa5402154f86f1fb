#pragma once
// S-JTSK and geographic coordinates.
//
// The projection is Krovák's oblique conformal conic projection of the Bessel 1841
// ellipsoid (J. Křovák, 1922), in the usual arrangement of Czech geodesy:
// φ,λ (ellipsoid) → U,V (Gauss sphere) → S,D (cartographic sphere) → ρ,ε (cone) → X,Y.
// X grows to the south and Y to the west; the origin is the apex of the cone. The forward
// direction is closed; the inverse runs Newton's method on the forward formulas. Between
// WGS-84 and Bessel a seven-parameter similarity of geocentric coordinates is applied.
//
// Every angle here is in radians, longitudes east of Greenwich unless a name says Ferro,
// and π is PI_JTSK. Iterations are bounded: a point that does not settle comes back as an
// empty optional, never as NaN or a hang.

#include <optional>
#include <string>
#include <string_view>

namespace lomvira {

struct Elipsoid {
    double a;                  // semi-major axis, m
    double inverzniZplosteni;  // 1 / f
};

inline constexpr Elipsoid ElipsoidBessel{6377397.15508, 299.152812853};
inline constexpr Elipsoid ElipsoidWgs84{6378137.0, 298.257223563};

struct KrovakRovina {
    double X;  // m, to the south
    double Y;  // m, to the west
};

struct ZemepisnaPoloha {
    double lambda;  // rad, east of Greenwich
    double fi;      // rad
};

struct Geocentricke {
    double X, Y, Z;  // m
};

struct ElipsoidickaPoloha {
    double fi;      // rad
    double lambda;  // rad
    double h;       // m above the ellipsoid
};

// arctan(x / sqrt(1 − x²)); ±π/2 at |x| ≥ 1, where rounding may have pushed a sine.
double ArcSin(double x);

// Bessel λ, φ to S-JTSK. Near the antipode of the cartographic pole, half a world away
// from the grid, the result is not finite; callers that take arbitrary points check it.
KrovakRovina KrovakXY(double lambda, double fi);
// S-JTSK to Bessel λ, φ; empty when the iteration does not settle within its bound.
std::optional<ZemepisnaPoloha> KrovakInverse(double X, double Y);
// The same, the iteration starting at a known position nearby (the station before along a
// survey), from where it settles in one or two steps instead of three to five.
std::optional<ZemepisnaPoloha> KrovakInverse(double X, double Y, const ZemepisnaPoloha& start);

// Partial derivatives of the projection by one forward difference of 0.00001".
double KrovakDerivativeXFi(double lambda, double fi);
double KrovakDerivativeYFi(double lambda, double fi);
double KrovakDerivativeXLambda(double lambda, double fi);
double KrovakDerivativeYLambda(double lambda, double fi);

// The angle of the projected meridian against the grid X axis at Bessel λ, φ.
double MeridianovaKonvergence(double lambda, double fi);

Geocentricke GeodToCart(double fi, double lambda, double h, const Elipsoid& elipsoid);
// Empty for the centre of the Earth, non-finite input, or a latitude that does not settle.
std::optional<ElipsoidickaPoloha> CartToGeod(double X, double Y, double Z, const Elipsoid& elipsoid);

// The seven-parameter shift of geocentric coordinates, in place.
void WgsToBessel(double& X, double& Y, double& Z);
void BesselToWgs(double& X, double& Y, double& Z);

// --- The conversions of the window and the command line ---------------------------------

// The meridian of geographic input and output, in the order of the window's combo box.
enum class Meridian { Ferro = 0, Greenwich = 1, Wgs84 = 2 };

enum class StavPrevodu {
    Hotovo,
    NeplatnyVstup,  // refused before computing: not a number, or an impossible value
    NelzePrevest,   // the computation fails for the point: it lies too far from the grid
};

struct PrevodNaJTSK {
    StavPrevodu stav = StavPrevodu::Hotovo;
    std::string zprava;  // the Czech message unless Hotovo
    double X = 0.0;
    double Y = 0.0;
    double konvergence = 0.0;
};

struct PrevodNaZemepisne {
    StavPrevodu stav = StavPrevodu::Hotovo;
    std::string zprava;
    double fi = 0.0;
    double lambda = 0.0;  // east of Ferro when the meridian is Ferro
    double h = 0.0;       // the WGS-84 height; the entered height otherwise
    double konvergence = 0.0;
};

// Geographic φ, λ (λ east of Ferro for Ferro) to S-JTSK; h is the WGS-84 height.
PrevodNaJTSK ZemepisneNaJTSK(double fi, double lambda, double h, Meridian meridian);
// S-JTSK to geographic; for WGS-84, h is the height of the point on the Bessel ellipsoid.
PrevodNaZemepisne JTSKNaZemepisne(double X, double Y, double h, Meridian meridian);

// --- Angles as the user types and reads them -----------------------------------------------

double StupneNaRadiany(double stupne);
double RadianyNaStupne(double radiany);

// A typed number: blanks around it, "," or "." as the decimal mark, nothing else.
std::optional<double> CtiCislo(std::string_view text);
// Degrees as decimal degrees ("49.5", "49,5") or degrees, minutes and seconds
// ("49°30'15.5\"", "49°30'"); minutes and seconds below 60.
std::optional<double> UhelZTextu(std::string_view text);

// Degrees from the three parts; the sign of the angle is negative.
double StupneZDMS(double stupne, double minuty, double vteriny, bool zaporne);

struct UhelDMS {
    bool zaporne = false;
    int stupne = 0;
    int minuty = 0;
    double vteriny = 0.0;  // rounded to the decimals asked for
};
// Degrees split for display; rounding the seconds carries into minutes and degrees.
UhelDMS RozlozDMS(double stupne, int desetinyVterin);
// 50°12'32.4416" (with "-" before a negative angle).
std::string TextDMS(double stupne, int desetinyVterin);

enum class JednotkaDivergence { Stupne, Grady, DMS };
// The convergence as the window shows it: "7.834404°", "8.704893g" or "7°50'3.85\"".
std::string TextDivergence(double konvergence, JednotkaDivergence jednotka);

} // namespace lomvira
