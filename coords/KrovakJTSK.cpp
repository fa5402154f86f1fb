#include "coords/KrovakJTSK.h"

#include "common/Cisla.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lomvira {

namespace {

constexpr double Pi = PI_JTSK;

constexpr double Stupne(double value) { return value / 180.0 * Pi; }
constexpr double Vteriny(double value) { return value / 3600.0 / 180.0 * Pi; }

// The projection of S-JTSK.
constexpr double Fi0 = Stupne(49.5);                      // rad, reference parallel 49°30'
constexpr double LambdaOsyFerro = Stupne(42.5);           // rad, projection axis, 42°30' east of Ferro
constexpr double FerroProjekce = Stupne(53.0 / 3.0);      // rad, Ferro west of Greenwich in the projection (17°40')
constexpr double FerroOkno = Stupne(17.6625);             // rad, Ferro west of Greenwich for geographic input and output
constexpr double Uk = 1.04216856379752;                   // rad, latitude of the cartographic pole
constexpr double S0 = Stupne(78.5);                       // rad, standard parallel 78°30'
constexpr double Rho0 = 1298039.00463899;                 // m, radius of the standard parallel, scale included

// The inverse iteration.
constexpr double KrokDerivace = 4.84813681109536e-11;     // rad, 0.00001"
constexpr double StartLambda = Stupne(15.0);              // rad, east of Greenwich
constexpr double StartFi = Stupne(50.0);                  // rad
constexpr double TolerInverze = 4.5e-13;                  // rad, on both increments
constexpr int MaxKrokuInverze = 50;                       // a point of the grid needs three to five
constexpr double TolerOvereni = 1e-3;                     // m, what the settled point must reproduce

// The geodetic latitude iteration: about eight rounds reach the last bit.
constexpr int MaxKrokuSirky = 50;

// WGS-84 ↔ Bessel, rotations as the position-vector convention states them.
constexpr double PosunX = 570.69;                         // m, Bessel → WGS-84
constexpr double PosunY = 85.69;                          // m
constexpr double PosunZ = 462.84;                         // m
constexpr double OmegaX = Vteriny(4.99821);               // rad
constexpr double OmegaY = Vteriny(1.58676);               // rad
constexpr double OmegaZ = Vteriny(5.2611);                // rad
constexpr double MeritkoWgsNaBessel = -3.543e-6;          // added to 1
constexpr double FaktorBesselNaWgs = 1.000003543;

// Inputs beyond these are mistakes, not points.
constexpr double MaxVyska = 100000.0;                     // m
constexpr double MaxDelka = 2.0 * Pi;                     // rad

double Excentricita2(const Elipsoid& elipsoid)
{
    const double f = 1.0 / elipsoid.inverzniZplosteni;
    return 1.0 - (1.0 - f) * (1.0 - f);
}

// tan(φ/2 + π/4) · ((1 − e sin φ) / (1 + e sin φ))^(e/2), the ellipsoid's part of the Gauss
// sphere's latitude.
double Izometricka(double fi, double e)
{
    const double es = e * std::sin(fi);
    return std::tan(fi / 2.0 + Pi / 4.0) * std::pow((1.0 - es) / (1.0 + es), e / 2.0);
}

// What the projection derives from its constants, once.
struct Projekce {
    double e;     // first eccentricity of Bessel
    double alfa;  // ellipsoid → Gauss sphere, longitude factor
    double k;     // ellipsoid → Gauss sphere, latitude factor
    double n;     // cone constant
};

Projekce SpoctiProjekci()
{
    Projekce p{};
    const double e2 = Excentricita2(ElipsoidBessel);
    p.e = std::sqrt(e2);
    const double cos2 = std::cos(Fi0) * std::cos(Fi0);
    p.alfa = std::sqrt(1.0 + e2 * cos2 * cos2 / (1.0 - e2));
    const double u0 = ArcSin(std::sin(Fi0) / p.alfa);
    p.k = std::tan(u0 / 2.0 + Pi / 4.0) / std::pow(Izometricka(Fi0, p.e), p.alfa);
    p.n = std::sin(S0);
    return p;
}

const Projekce& Konstanty()
{
    static const Projekce p = SpoctiProjekci();
    return p;
}

struct Derivace {
    KrovakRovina bod;
    double xFi, yFi, xLambda, yLambda;
};

Derivace Derivuj(double lambda, double fi)
{
    const KrovakRovina b = KrovakXY(lambda, fi);
    const KrovakRovina bFi = KrovakXY(lambda, fi + KrokDerivace);
    const KrovakRovina bLambda = KrovakXY(lambda + KrokDerivace, fi);
    return {b, (bFi.X - b.X) / KrokDerivace, (bFi.Y - b.Y) / KrokDerivace,
            (bLambda.X - b.X) / KrokDerivace, (bLambda.Y - b.Y) / KrokDerivace};
}

bool Konecne(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// A settled iteration still has to land on the point it was asked for.
std::optional<ZemepisnaPoloha> Overeny(double X, double Y, double lambda, double fi)
{
    if (!Konecne(lambda, fi) || std::fabs(fi) > Pi / 2.0)
        return std::nullopt;
    const KrovakRovina b = KrovakXY(lambda, fi);
    if (!(std::fabs(b.X - X) <= TolerOvereni && std::fabs(b.Y - Y) <= TolerOvereni))
        return std::nullopt;
    return ZemepisnaPoloha{lambda, fi};
}

} // namespace

double ArcSin(double x)
{
    if (x >= 1.0)
        return Pi / 2.0;
    if (x <= -1.0)
        return -Pi / 2.0;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

KrovakRovina KrovakXY(double lambda, double fi)
{
    const Projekce& p = Konstanty();
    const double u = 2.0 * std::atan(p.k * std::pow(Izometricka(fi, p.e), p.alfa)) - Pi / 2.0;
    const double v = p.alfa * (LambdaOsyFerro - (lambda + FerroProjekce));
    const double s = ArcSin(std::sin(Uk) * std::sin(u) + std::cos(Uk) * std::cos(u) * std::cos(v));
    const double d = ArcSin(std::cos(u) * std::sin(v) / std::cos(s));
    const double rho = Rho0 * std::pow(std::tan(S0 / 2.0 + Pi / 4.0) / std::tan(s / 2.0 + Pi / 4.0), p.n);
    const double eps = p.n * d;
    return {rho * std::cos(eps), rho * std::sin(eps)};
}

double KrovakDerivativeXFi(double lambda, double fi) { return Derivuj(lambda, fi).xFi; }
double KrovakDerivativeYFi(double lambda, double fi) { return Derivuj(lambda, fi).yFi; }
double KrovakDerivativeXLambda(double lambda, double fi) { return Derivuj(lambda, fi).xLambda; }
double KrovakDerivativeYLambda(double lambda, double fi) { return Derivuj(lambda, fi).yLambda; }

double MeridianovaKonvergence(double lambda, double fi)
{
    const Derivace d = Derivuj(lambda, fi);
    return std::atan(d.yFi / d.xFi);
}

std::optional<ZemepisnaPoloha> KrovakInverse(double X, double Y)
{
    return KrovakInverse(X, Y, {StartLambda, StartFi});
}

std::optional<ZemepisnaPoloha> KrovakInverse(double X, double Y, const ZemepisnaPoloha& start)
{
    if (!Konecne(X, Y) || !Konecne(start.lambda, start.fi))
        return std::nullopt;
    double lambda = start.lambda;
    double fi = start.fi;
    for (int krok = 0; krok < MaxKrokuInverze; ++krok) {
        const Derivace d = Derivuj(lambda, fi);
        const double rX = X - d.bod.X;
        const double rY = Y - d.bod.Y;
        // Cramer's rule on dX/dφ·Δφ + dX/dλ·Δλ = rX, dY/dφ·Δφ + dY/dλ·Δλ = rY.
        const double det = d.xFi * d.yLambda - d.xLambda * d.yFi;
        const double dFi = (rX * d.yLambda - d.xLambda * rY) / det;
        const double dLambda = (d.xFi * rY - rX * d.yFi) / det;
        if (!Konecne(dFi, dLambda))
            return std::nullopt;
        fi += dFi;
        lambda += dLambda;
        if (std::fabs(dFi) <= TolerInverze && std::fabs(dLambda) <= TolerInverze)
            return Overeny(X, Y, lambda, fi);
    }
    return std::nullopt;
}

Geocentricke GeodToCart(double fi, double lambda, double h, const Elipsoid& elipsoid)
{
    const double e2 = Excentricita2(elipsoid);
    const double sinFi = std::sin(fi);
    const double n = elipsoid.a / std::sqrt(1.0 - e2 * sinFi * sinFi);
    return {(n + h) * std::cos(fi) * std::cos(lambda), (n + h) * std::cos(fi) * std::sin(lambda),
            (n * (1.0 - e2) + h) * sinFi};
}

std::optional<ElipsoidickaPoloha> CartToGeod(double X, double Y, double Z, const Elipsoid& elipsoid)
{
    if (!Konecne(X, Y) || !std::isfinite(Z))
        return std::nullopt;
    const double a = elipsoid.a;
    const double e2 = Excentricita2(elipsoid);
    const double p = std::sqrt(X * X + Y * Y);
    if (p == 0.0) {
        // On the axis: a pole, unless it is the centre, which has no latitude.
        if (Z == 0.0)
            return std::nullopt;
        return ElipsoidickaPoloha{Z > 0 ? Pi / 2.0 : -Pi / 2.0, 0.0, std::fabs(Z) - a * std::sqrt(1.0 - e2)};
    }
    // Equal to 2 arctan(Y / (p + X)), which divides by zero on the meridian of 180°.
    const double lambda = std::atan2(Y, X);
    double t = Z / p / (1.0 - e2);
    double predtim = std::numeric_limits<double>::quiet_NaN();
    bool ustaleno = false;
    for (int krok = 0; krok < MaxKrokuSirky && !ustaleno; ++krok) {
        const double dalsi = Z / (p - e2 * a / std::sqrt(1.0 + (1.0 - e2) * t * t));
        if (!std::isfinite(dalsi))
            return std::nullopt;
        // Rounding can leave the last bit flipping between two neighbours for ever.
        ustaleno = dalsi == t || dalsi == predtim;
        predtim = t;
        t = dalsi;
    }
    if (!ustaleno)
        return std::nullopt;
    const double fi = std::atan(t);
    const double sinFi = std::sin(fi);
    // h = p / cos φ − N, written so that it holds up near the poles as well.
    const double h = p * std::cos(fi) + Z * sinFi - a * std::sqrt(1.0 - e2 * sinFi * sinFi);
    return ElipsoidickaPoloha{fi, lambda, h};
}

void WgsToBessel(double& X, double& Y, double& Z)
{
    const double m = 1.0 + MeritkoWgsNaBessel;
    const double x = (X + OmegaZ * Y - OmegaY * Z) * m - PosunX;
    const double y = (-OmegaZ * X + Y + OmegaX * Z) * m - PosunY;
    const double z = (OmegaY * X - OmegaX * Y + Z) * m - PosunZ;
    X = x;
    Y = y;
    Z = z;
}

void BesselToWgs(double& X, double& Y, double& Z)
{
    const double m = FaktorBesselNaWgs;
    const double x = (X - OmegaZ * Y + OmegaY * Z) * m + PosunX;
    const double y = (OmegaZ * X + Y - OmegaX * Z) * m + PosunY;
    const double z = (-OmegaY * X + OmegaX * Y + Z) * m + PosunZ;
    X = x;
    Y = y;
    Z = z;
}

// --- The conversions of the window and the command line ---------------------------------

namespace {

const char* const Nekonverguje = "výpočet nekonverguje.";
const char* const MimoZobrazeni = "leží příliš daleko od území S-JTSK.";

const char* const NeniCislo = "Souřadnice musí být konečná čísla.";
const char* const SpatnaVyska = "Výška musí ležet mezi -100000 m a 100000 m.";

std::optional<std::string> ChybaZemepisnych(double fi, double lambda, double h, Meridian meridian)
{
    if (!Konecne(fi, lambda) || !std::isfinite(h))
        return NeniCislo;
    if (std::fabs(fi) > Pi / 2.0)
        return "Zeměpisná šířka musí ležet mezi -90° a 90°.";
    if (std::fabs(lambda) > MaxDelka)
        return "Zeměpisná délka musí ležet mezi -360° a 360°.";
    // The height is used, and so checked, only on the way through WGS-84.
    if (meridian == Meridian::Wgs84 && std::fabs(h) > MaxVyska)
        return SpatnaVyska;
    return std::nullopt;
}

std::optional<std::string> ChybaJTSK(double X, double Y, double h, Meridian meridian)
{
    if (!Konecne(X, Y) || !std::isfinite(h))
        return NeniCislo;
    if (meridian == Meridian::Wgs84 && std::fabs(h) > MaxVyska)
        return SpatnaVyska;
    return std::nullopt;
}

std::string BodZemepisny(double fi, double lambda)
{
    return "Bod φ = " + FormatCislo(RadianyNaStupne(fi), 7) + "°, λ = " + FormatCislo(RadianyNaStupne(lambda), 7) +
           "° se nepodařilo převést: ";
}

std::string BodJTSK(double X, double Y)
{
    return "Bod X = " + FormatCislo(X, 3) + ", Y = " + FormatCislo(Y, 3) + " se nepodařilo převést: ";
}

} // namespace

PrevodNaJTSK ZemepisneNaJTSK(double fi, double lambda, double h, Meridian meridian)
{
    PrevodNaJTSK r;
    if (const auto chyba = ChybaZemepisnych(fi, lambda, h, meridian)) {
        r.stav = StavPrevodu::NeplatnyVstup;
        r.zprava = *chyba;
        return r;
    }
    double fiBessel = fi;
    double lambdaBessel = lambda;
    if (meridian == Meridian::Ferro) {
        lambdaBessel = lambda - FerroOkno;
    } else if (meridian == Meridian::Wgs84) {
        Geocentricke g = GeodToCart(fi, lambda, h, ElipsoidWgs84);
        WgsToBessel(g.X, g.Y, g.Z);
        const auto b = CartToGeod(g.X, g.Y, g.Z, ElipsoidBessel);
        if (!b) {
            r.stav = StavPrevodu::NelzePrevest;
            r.zprava = BodZemepisny(fi, lambda) + Nekonverguje;
            return r;
        }
        fiBessel = b->fi;
        lambdaBessel = b->lambda;
    }
    const KrovakRovina xy = KrovakXY(lambdaBessel, fiBessel);
    const double c = MeridianovaKonvergence(lambdaBessel, fiBessel);
    if (!Konecne(xy.X, xy.Y) || !std::isfinite(c)) {
        r.stav = StavPrevodu::NelzePrevest;
        r.zprava = BodZemepisny(fi, lambda) + MimoZobrazeni;
        return r;
    }
    r.X = xy.X;
    r.Y = xy.Y;
    r.konvergence = c;
    return r;
}

PrevodNaZemepisne JTSKNaZemepisne(double X, double Y, double h, Meridian meridian)
{
    PrevodNaZemepisne r;
    if (const auto chyba = ChybaJTSK(X, Y, h, meridian)) {
        r.stav = StavPrevodu::NeplatnyVstup;
        r.zprava = *chyba;
        return r;
    }
    const auto b = KrovakInverse(X, Y);
    const double c = b ? MeridianovaKonvergence(b->lambda, b->fi) : 0.0;
    if (!b || !std::isfinite(c)) {
        r.stav = StavPrevodu::NelzePrevest;
        r.zprava = BodJTSK(X, Y) + Nekonverguje;
        return r;
    }
    r.fi = b->fi;
    r.lambda = b->lambda;
    r.h = h;
    r.konvergence = c;
    if (meridian == Meridian::Ferro) {
        r.lambda += FerroOkno;
    } else if (meridian == Meridian::Wgs84) {
        Geocentricke g = GeodToCart(b->fi, b->lambda, h, ElipsoidBessel);
        BesselToWgs(g.X, g.Y, g.Z);
        const auto w = CartToGeod(g.X, g.Y, g.Z, ElipsoidWgs84);
        if (!w) {
            r.stav = StavPrevodu::NelzePrevest;
            r.zprava = BodJTSK(X, Y) + Nekonverguje;
            return r;
        }
        r.fi = w->fi;
        r.lambda = w->lambda;
        r.h = w->h;
    }
    return r;
}

// --- Angles as the user types and reads them -----------------------------------------------

double StupneNaRadiany(double stupne) { return stupne / 180.0 * Pi; }
double RadianyNaStupne(double radiany) { return radiany * 180.0 / Pi; }

namespace {

std::string_view Orez(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The text up to the separator, which is consumed; the whole text when it is not there.
std::string_view Odeber(std::string_view& text, std::string_view oddelovac)
{
    const std::size_t i = text.find(oddelovac);
    const std::string_view cast = text.substr(0, i);
    text = i == std::string_view::npos ? std::string_view() : text.substr(i + oddelovac.size());
    return cast;
}

std::optional<double> CastUhlu(std::string_view text)
{
    const auto v = CtiCislo(text);
    if (!v || *v < 0.0)
        return std::nullopt;
    return v;
}

} // namespace

std::optional<double> CtiCislo(std::string_view text)
{
    const std::string s = CarkaNaTecku(std::string(Orez(text)));
    std::size_t zacatek = 0;
    bool zaporne = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        zaporne = s[0] == '-';
        zacatek = 1;
    }
    // from_chars takes no sign of its own beyond "-", and "inf" or "nan" are no typed numbers.
    if (zacatek >= s.size() || !(std::isdigit(static_cast<unsigned char>(s[zacatek])) || s[zacatek] == '.'))
        return std::nullopt;
    double v = 0.0;
    const char* konec = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data() + zacatek, konec, v);
    if (ec != std::errc() || ptr != konec || !std::isfinite(v))
        return std::nullopt;
    return zaporne ? -v : v;
}

std::optional<double> UhelZTextu(std::string_view text)
{
    text = Orez(text);
    const std::string_view znakStupne = "\xC2\xB0";
    if (text.find(znakStupne) == std::string_view::npos)
        return CtiCislo(text);
    bool zaporne = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        zaporne = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto stupne = CastUhlu(Odeber(text, znakStupne));
    double minuty = 0.0, vteriny = 0.0;
    if (!Orez(text).empty()) {
        const std::string_view m = Odeber(text, "'");
        const auto mv = CastUhlu(m);
        if (!mv)
            return std::nullopt;
        minuty = *mv;
    }
    if (!Orez(text).empty()) {
        std::string_view s = Orez(text);
        if (s.back() == '"')
            s.remove_suffix(1);
        const auto sv = CastUhlu(s);
        if (!sv)
            return std::nullopt;
        vteriny = *sv;
    }
    if (!stupne || minuty >= 60.0 || vteriny >= 60.0)
        return std::nullopt;
    return StupneZDMS(*stupne, minuty, vteriny, zaporne);
}

double StupneZDMS(double stupne, double minuty, double vteriny, bool zaporne)
{
    const double v = std::fabs(stupne) + minuty / 60.0 + vteriny / 3600.0;
    return zaporne ? -v : v;
}

UhelDMS RozlozDMS(double stupne, int desetinyVterin)
{
    UhelDMS u;
    if (desetinyVterin < 0)
        desetinyVterin = 0;
    if (desetinyVterin > 6)
        desetinyVterin = 6;
    const double jednotek = std::pow(10.0, desetinyVterin);
    const double celkem = std::round(std::fabs(stupne) * 3600.0 * jednotek);
    // An angle so large that its seconds overflow is no angle anybody typed.
    if (!std::isfinite(celkem) || celkem > 9.0e18)
        return u;
    const auto vse = static_cast<std::int64_t>(celkem);
    const auto naStupen = static_cast<std::int64_t>(3600.0 * jednotek);
    const auto naMinutu = static_cast<std::int64_t>(60.0 * jednotek);
    u.stupne = static_cast<int>(vse / naStupen);
    u.minuty = static_cast<int>(vse % naStupen / naMinutu);
    u.vteriny = static_cast<double>(vse % naMinutu) / jednotek;
    u.zaporne = stupne < 0 && vse != 0;
    return u;
}

std::string TextDMS(double stupne, int desetinyVterin)
{
    const UhelDMS u = RozlozDMS(stupne, desetinyVterin);
    return std::string(u.zaporne ? "-" : "") + std::to_string(u.stupne) + "\xC2\xB0" + std::to_string(u.minuty) +
           "'" + FormatCislo(u.vteriny, desetinyVterin) + "\"";
}

namespace {

// A value that shows as zero has no sign.
std::string SeZnamenkem(double hodnota, int desetiny)
{
    const std::string s = FormatCislo(std::fabs(hodnota), desetiny);
    const bool nula = s.find_first_of("123456789") == std::string::npos;
    return (hodnota < 0 && !nula ? "-" : "") + s;
}

} // namespace

std::string TextDivergence(double konvergence, JednotkaDivergence jednotka)
{
    switch (jednotka) {
    case JednotkaDivergence::Grady: return SeZnamenkem(konvergence * 200.0 / Pi, 6) + "g";
    case JednotkaDivergence::DMS: return TextDMS(RadianyNaStupne(konvergence), 2);
    case JednotkaDivergence::Stupne: break;
    }
    return SeZnamenkem(RadianyNaStupne(konvergence), 6) + "\xC2\xB0";
}

} // namespace lomvira
