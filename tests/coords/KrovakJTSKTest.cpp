// S-JTSK and geographic conversions against published points, an independent closed-form
// inverse, round trips, and the inputs that must be refused or reported.

#include "coords/KrovakJTSK.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lomvira {
namespace {

constexpr double Pi = 3.14159265358979;
constexpr double Mm = 1e-3;                 // m
constexpr double UhelMm = 1.6e-10;          // rad: a millimetre on the ground
constexpr double Vterina = Pi / 180 / 3600; // rad

double Deg(double d, double m = 0, double s = 0) { return (d + m / 60 + s / 3600) / 180 * Pi; }

// The textbook closed-form inverse: ρ, ε → S, D on the cartographic sphere → U, V on the
// Gauss sphere, then the latitude on the ellipsoid by the usual fixed-point iteration.
// Constants are the defining ones of S-JTSK.
struct Sjtsk {
    double e, alfa, k;
    double uk = 1.04216856379752, s0 = Deg(78.5), rho0 = 1298039.00463899, n = std::sin(Deg(78.5));
    Sjtsk()
    {
        const double f = 1 / 299.152812853, e2 = 2 * f - f * f, fi0 = Deg(49.5);
        e = std::sqrt(e2);
        alfa = std::sqrt(1 + e2 * std::pow(std::cos(fi0), 4) / (1 - e2));
        const double u0 = std::asin(std::sin(fi0) / alfa);
        const double g0 = std::tan(fi0 / 2 + Pi / 4) * std::pow((1 - e * std::sin(fi0)) / (1 + e * std::sin(fi0)), e / 2);
        k = std::tan(u0 / 2 + Pi / 4) / std::pow(g0, alfa);
    }
};

struct NaKouli {
    double s, d, u, v;
};

NaKouli ZRoviny(double X, double Y)
{
    const Sjtsk c;
    NaKouli k;
    k.d = std::atan2(Y, X) / c.n;
    k.s = 2 * std::atan(std::pow(c.rho0 / std::hypot(X, Y), 1 / c.n) * std::tan(c.s0 / 2 + Pi / 4)) - Pi / 2;
    k.u = std::asin(std::sin(c.uk) * std::sin(k.s) - std::cos(c.uk) * std::cos(k.s) * std::cos(k.d));
    k.v = std::asin(std::cos(k.s) * std::sin(k.d) / std::cos(k.u));
    return k;
}

ZemepisnaPoloha UzavrenaInverze(double X, double Y)
{
    const Sjtsk c;
    const NaKouli k = ZRoviny(X, Y);
    const double lambda = Deg(42.5) - k.v / c.alfa - Deg(17, 40);
    double fi = k.u;
    for (int i = 0; i < 30; ++i)
        fi = 2 * std::atan(std::pow(std::tan(k.u / 2 + Pi / 4) / c.k, 1 / c.alfa) *
                           std::pow((1 + c.e * std::sin(fi)) / (1 - c.e * std::sin(fi)), c.e / 2)) - Pi / 2;
    return {lambda, fi};
}

TEST(KrovakJTSK, PublikovaneBodyObemaSmery)
{
    // EPSG Guidance Note 7-2, the worked example of the Krovák method: published to the millimetre.
    const double lambda = Deg(16, 50, 59.1790), fi = Deg(50, 12, 32.4416);
    const KrovakRovina epsg = KrovakXY(lambda, fi);
    EXPECT_NEAR(epsg.X, 1050538.643, Mm);
    EXPECT_NEAR(epsg.Y, 568990.997, Mm);
    const auto geo = KrovakInverse(1050538.643, 568990.997);
    ASSERT_TRUE(geo);
    EXPECT_NEAR(geo->lambda, lambda, UhelMm);
    EXPECT_NEAR(geo->fi, fi, UhelMm);
    // Where the cone touches the sphere: the standard parallel on the axis lies at ρ0.
    const ZemepisnaPoloha dotyk = UzavrenaInverze(1298039.00463899, 0);
    EXPECT_NEAR(dotyk.lambda, Deg(24, 50), 1e-14);
    const KrovakRovina xy = KrovakXY(dotyk.lambda, dotyk.fi);
    EXPECT_NEAR(xy.X, 1298039.00463899, Mm);
    EXPECT_NEAR(xy.Y, 0.0, Mm);
}

TEST(KrovakJTSK, InverzeSouhlasiSUzavrenymVzorcemNaCelemUzemi)
{
    // A grid over the Czech and Slovak territory in S-JTSK, west Bohemia to east Slovakia.
    for (double X = 1000000; X <= 1340000; X += 34000)
        for (double Y = 180000; Y <= 920000; Y += 74000) {
            const auto geo = KrovakInverse(X, Y);
            ASSERT_TRUE(geo) << X << " " << Y;
            const ZemepisnaPoloha ocekavano = UzavrenaInverze(X, Y);
            EXPECT_NEAR(geo->lambda, ocekavano.lambda, UhelMm) << X << " " << Y;
            EXPECT_NEAR(geo->fi, ocekavano.fi, UhelMm) << X << " " << Y;
        }
}

TEST(KrovakJTSK, TamAZpetNaUzemiVTolerancicIterace)
{
    for (double lon = 12.0; lon <= 22.6; lon += 0.53)
        for (double lat = 47.7; lat <= 51.1; lat += 0.17) {
            const KrovakRovina xy = KrovakXY(Deg(lon), Deg(lat));
            const auto geo = KrovakInverse(xy.X, xy.Y);
            ASSERT_TRUE(geo) << lon << " " << lat;
            EXPECT_NEAR(geo->lambda, Deg(lon), 1e-11) << lon << " " << lat;
            EXPECT_NEAR(geo->fi, Deg(lat), 1e-11) << lon << " " << lat;
        }
}

TEST(KrovakJTSK, DerivaceAKonvergence)
{
    // Each of the four derivatives against a central difference with a far larger step. A
    // step of 0.00001" leaves only about four digits above the rounding of X and Y.
    const double lambda = Deg(14, 25), fi = Deg(50, 5), h = 1e-6;
    const auto X = [](double l, double f) { return KrovakXY(l, f).X; };
    const auto Y = [](double l, double f) { return KrovakXY(l, f).Y; };
    const double xFi = (X(lambda, fi + h) - X(lambda, fi - h)) / (2 * h);
    const double yFi = (Y(lambda, fi + h) - Y(lambda, fi - h)) / (2 * h);
    const double xLambda = (X(lambda + h, fi) - X(lambda - h, fi)) / (2 * h);
    const double yLambda = (Y(lambda + h, fi) - Y(lambda - h, fi)) / (2 * h);
    EXPECT_NEAR(KrovakDerivativeXFi(lambda, fi), xFi, 1e-4 * std::fabs(xFi));
    EXPECT_NEAR(KrovakDerivativeYFi(lambda, fi), yFi, 1e-4 * std::fabs(yFi));
    EXPECT_NEAR(KrovakDerivativeXLambda(lambda, fi), xLambda, 1e-4 * std::fabs(xLambda));
    EXPECT_NEAR(KrovakDerivativeYLambda(lambda, fi), yLambda, 1e-4 * std::fabs(yLambda));

    // On the axis 24°50' the meridian is the X axis.
    for (double lat : {46.0, 49.5, 52.0})
        EXPECT_NEAR(MeridianovaKonvergence(Deg(24, 50), Deg(lat)), 0.0, 1e-12) << lat;

    // Elsewhere it is ε − ξ: the cone's angle of the cartographic meridian less the angle
    // between the geographic and the cartographic meridian on the sphere, sin ξ =
    // cos Uk sin V / cos S. A forward difference of 0.00001" is good to a few seconds.
    for (const auto& [lon, lat] : {std::pair{12.1, 50.2}, {14.42, 50.08}, {18.3, 49.8}, {22.5, 48.5}, {30.0, 52.0}}) {
        const KrovakRovina xy = KrovakXY(Deg(lon), Deg(lat));
        const NaKouli k = ZRoviny(xy.X, xy.Y);
        const double xi = std::asin(std::cos(Sjtsk().uk) * std::sin(k.v) / std::cos(k.s));
        EXPECT_NEAR(MeridianovaKonvergence(Deg(lon), Deg(lat)), Sjtsk().n * k.d - xi, 5 * Vterina) << lon << " " << lat;
    }
}

TEST(Geocentricke, PublikovanyPrikladATamAZpet)
{
    // EPSG Guidance Note 7-2, geographic ↔ geocentric on WGS-84.
    const Geocentricke g = GeodToCart(Deg(53, 48, 33.82), Deg(2, 7, 46.38), 73.0, ElipsoidWgs84);
    EXPECT_NEAR(g.X, 3771793.968, Mm);
    EXPECT_NEAR(g.Y, 140253.342, Mm);
    EXPECT_NEAR(g.Z, 5124304.349, Mm);
    const auto p = CartToGeod(3771793.968, 140253.342, 5124304.349, ElipsoidWgs84);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->fi, Deg(53, 48, 33.82), UhelMm);
    EXPECT_NEAR(p->lambda, Deg(2, 7, 46.38), UhelMm);
    EXPECT_NEAR(p->h, 73.0, Mm);

    // The poles, the meridian of 180° (where the half-angle form divides by zero), the centre.
    const double bBessel = 6377397.15508 * (1 - 1 / 299.152812853);
    const auto sever = CartToGeod(0, 0, bBessel + 10, ElipsoidBessel);
    ASSERT_TRUE(sever);
    EXPECT_EQ(sever->fi, Pi / 2);
    EXPECT_NEAR(sever->h, 10.0, Mm);
    const auto protinozec = CartToGeod(-6378137.0, 0, 0, ElipsoidWgs84);
    ASSERT_TRUE(protinozec);
    EXPECT_NEAR(std::fabs(protinozec->lambda), Pi, 1e-14);
    EXPECT_NEAR(protinozec->h, 0.0, Mm);
    EXPECT_FALSE(CartToGeod(0, 0, 0, ElipsoidBessel));
    EXPECT_FALSE(CartToGeod(std::numeric_limits<double>::quiet_NaN(), 1, 1, ElipsoidBessel));
    EXPECT_FALSE(CartToGeod(1, std::numeric_limits<double>::infinity(), 1, ElipsoidBessel));
}

TEST(Geocentricke, SirkaKterePreskakujeMeziDvemaSousedySeUstali)
{
    const double X = 4000167.0, Y = 1000000.0, Z = 4850000.0;
    // The plain rule "until t' equals t" never stops on this point: the last bit flips.
    const double f = 1 / 299.152812853, e2 = 1 - (1 - f) * (1 - f), a = 6377397.15508;
    const double p = std::sqrt(X * X + Y * Y);
    double t = Z / p / (1 - e2);
    bool rovno = false;
    for (int i = 0; i < 100 && !rovno; ++i) {
        const double dalsi = Z / (p - e2 * a / std::sqrt(1 + (1 - e2) * t * t));
        rovno = dalsi == t;
        t = dalsi;
    }
    ASSERT_FALSE(rovno) << "the point no longer alternates on this machine; pick another";

    const auto geo = CartToGeod(X, Y, Z, ElipsoidBessel);
    ASSERT_TRUE(geo);
    const Geocentricke zpet = GeodToCart(geo->fi, geo->lambda, geo->h, ElipsoidBessel);
    EXPECT_NEAR(zpet.X, X, Mm);
    EXPECT_NEAR(zpet.Y, Y, Mm);
    EXPECT_NEAR(zpet.Z, Z, Mm);
}

TEST(Helmert, TamAZpetAPublikovanyPrevodGps)
{
    // The inverse uses the negated linear rotations, so a round trip keeps |ω|²·R ≈ 8 mm.
    for (const auto& [lon, lat] : {std::pair{12.5, 50.2}, {15.0, 49.0}, {22.0, 48.8}}) {
        const Geocentricke p = GeodToCart(Deg(lat), Deg(lon), 400, ElipsoidWgs84);
        Geocentricke q = p;
        WgsToBessel(q.X, q.Y, q.Z);
        EXPECT_GT(std::fabs(q.X - p.X), 500.0); // it did move
        BesselToWgs(q.X, q.Y, q.Z);
        EXPECT_NEAR(q.X, p.X, 10 * Mm);
        EXPECT_NEAR(q.Y, p.Y, 10 * Mm);
        EXPECT_NEAR(q.Z, p.Z, 10 * Mm);
    }
    // A published GPS → S-JTSK conversion (cs2cs, towgs84=570.8,85.7,462.8,4.998,1.587,5.261,
    // 3.56). Those parameters differ from ours by about 0.15 m, so 0.3 m; a wrong sign of any
    // rotation or translation would be off by tens of metres or more.
    const PrevodNaJTSK j = ZemepisneNaJTSK(Deg(49, 27, 8.14571), Deg(12, 48, 25.15992), 559.417, Meridian::Wgs84);
    ASSERT_EQ(j.stav, StavPrevodu::Hotovo) << j.zprava;
    EXPECT_NEAR(j.X, 1095793.58, 0.3);
    EXPECT_NEAR(j.Y, 868208.54, 0.3);
    const PrevodNaZemepisne g = JTSKNaZemepisne(1095793.58, 868208.54, 512.46, Meridian::Wgs84);
    ASSERT_EQ(g.stav, StavPrevodu::Hotovo) << g.zprava;
    EXPECT_NEAR(g.fi, Deg(49, 27, 8.14571), 0.3 * UhelMm / Mm);
    EXPECT_NEAR(g.lambda, Deg(12, 48, 25.15992), 0.3 * UhelMm / Mm);
    EXPECT_NEAR(g.h, 559.417, 0.3);

    // The height typed for the point goes into the conversion, metre for metre.
    const PrevodNaZemepisne vysoko = JTSKNaZemepisne(1095793.58, 868208.54, 1512.46, Meridian::Wgs84);
    EXPECT_NEAR(vysoko.h - g.h, 1000.0, 10 * Mm);
}

TEST(PrevodOkna, Poledniky)
{
    // Ferro 32.6625° is Greenwich 15°, both ways.
    const PrevodNaJTSK ferro = ZemepisneNaJTSK(Deg(50), Deg(32.6625), 0, Meridian::Ferro);
    const PrevodNaJTSK greenwich = ZemepisneNaJTSK(Deg(50), Deg(15), 0, Meridian::Greenwich);
    ASSERT_EQ(ferro.stav, StavPrevodu::Hotovo);
    EXPECT_NEAR(ferro.X, greenwich.X, 1e-6);
    EXPECT_NEAR(ferro.Y, greenwich.Y, 1e-6);
    EXPECT_NEAR(ferro.konvergence, greenwich.konvergence, 1e-12);
    const PrevodNaZemepisne zpet = JTSKNaZemepisne(greenwich.X, greenwich.Y, 0, Meridian::Ferro);
    EXPECT_NEAR(zpet.lambda, Deg(32.6625), 1e-11);
    EXPECT_NEAR(zpet.fi, Deg(50), 1e-11);

    // The height of Bessel points is not used and comes back as entered.
    EXPECT_EQ(JTSKNaZemepisne(greenwich.X, greenwich.Y, 250.5, Meridian::Greenwich).h, 250.5);
}

TEST(PrevodOkna, OdmitnuteANeprevoditelneBody)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Radek {
        double fi, lambda, h;
        Meridian m;
        const char* zprava;
    };
    const Radek odmitnute[] = {
        {Deg(50), Deg(15), nan, Meridian::Wgs84, "Souřadnice musí být konečná čísla."},
        {Deg(90.0001), Deg(15), 0, Meridian::Greenwich, "Zeměpisná šířka musí ležet mezi -90° a 90°."},
        {Deg(50), Deg(361), 0, Meridian::Greenwich, "Zeměpisná délka musí ležet mezi -360° a 360°."},
        {Deg(50), Deg(15), 2e5, Meridian::Wgs84, "Výška musí ležet mezi -100000 m a 100000 m."},
    };
    for (const Radek& r : odmitnute) {
        const PrevodNaJTSK v = ZemepisneNaJTSK(r.fi, r.lambda, r.h, r.m);
        EXPECT_EQ(v.stav, StavPrevodu::NeplatnyVstup) << r.zprava;
        EXPECT_EQ(v.zprava, r.zprava);
    }
    // Bessel input carries no height to check.
    EXPECT_EQ(ZemepisneNaJTSK(Deg(50), Deg(15), 2e5, Meridian::Greenwich).stav, StavPrevodu::Hotovo);
    EXPECT_EQ(JTSKNaZemepisne(inf, 1, 0, Meridian::Greenwich).stav, StavPrevodu::NeplatnyVstup);
    EXPECT_EQ(JTSKNaZemepisne(1e6, 6e5, -2e5, Meridian::Wgs84).stav, StavPrevodu::NeplatnyVstup);

    // Far outside the grid the inverse stops within its bound and says so.
    EXPECT_FALSE(KrovakInverse(1e12, 1e12));
    EXPECT_EQ(JTSKNaZemepisne(1e12, 1e12, 0, Meridian::Wgs84).stav, StavPrevodu::NelzePrevest);

    // Any valid point of the world either converts to finite numbers or is reported.
    for (double lat = -90; lat <= 90; lat += 7.5)
        for (double lon = -180; lon <= 180; lon += 7.5)
            for (Meridian m : {Meridian::Greenwich, Meridian::Wgs84}) {
                const PrevodNaJTSK v = ZemepisneNaJTSK(Deg(lat), Deg(lon), 0, m);
                if (v.stav == StavPrevodu::Hotovo)
                    EXPECT_TRUE(std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.konvergence)) << lat << " " << lon;
                else
                    EXPECT_EQ(v.stav, StavPrevodu::NelzePrevest) << lat << " " << lon;
            }
}

TEST(UhlyOkna, TextyDivergenceAStupnu)
{
    EXPECT_EQ(TextDivergence(Deg(7.5), JednotkaDivergence::Stupne), "7.500000°");
    EXPECT_EQ(TextDivergence(-Deg(7.5), JednotkaDivergence::Grady), "-8.333333g");
    EXPECT_EQ(TextDivergence(-Deg(7, 30, 15.5), JednotkaDivergence::DMS), "-7°30'15.50\"");
    // Rounding carries into minutes and degrees; what shows as zero has no sign.
    EXPECT_EQ(TextDivergence(Deg(0, 59, 59.996), JednotkaDivergence::DMS), "1°0'0.00\"");
    EXPECT_EQ(TextDivergence(-1e-12, JednotkaDivergence::Stupne), "0.000000°");
    EXPECT_EQ(TextDivergence(-1e-12, JednotkaDivergence::DMS), "0°0'0.00\"");
    EXPECT_EQ(TextDMS(50 + 12 / 60.0 + 32.4416 / 3600, 4), "50°12'32.4416\"");

    struct Radek {
        const char* text;
        double stupne;
    };
    const Radek dobre[] = {{" 49,5 ", 49.5}, {"+3", 3}, {"49° 30' 36\"", 49.51}, {"-0°30'", -0.5},
                           {"16°50'59,179\"", 16 + 50 / 60.0 + 59.179 / 3600}, {"49°", 49}};
    for (const Radek& r : dobre) {
        const auto v = UhelZTextu(r.text);
        ASSERT_TRUE(v) << r.text;
        EXPECT_NEAR(*v, r.stupne, 1e-12) << r.text;
    }
    for (const char* spatne : {"", "12abc", "--1", "nan", "1e999", "0x10", "49°60'", "49°30'60\"", "49°-5'", "°30'",
                               "49°30'15\"x"})
        EXPECT_FALSE(UhelZTextu(spatne)) << spatne;
}

} // namespace
} // namespace lomvira
