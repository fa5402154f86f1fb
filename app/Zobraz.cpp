#include "app/Zobraz.h"

#include "app/Kontext.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace lomvira {

// --- the survey's copy ----------------------------------------------------------------------

ScenaPolygonu ScenaZKontextu(const Kontext& k)
{
    ScenaPolygonu s;
    const Model& m = k.model;
    const int stanic = m.stations.StationCount();
    s.stanice.reserve(static_cast<std::size_t>(stanic));
    for (int i = 1; i <= stanic; ++i) {
        const StationRecord r = m.stations.GetStation(i);
        s.stanice.push_back({Orizni(r.Name), r.X, r.Y, r.Z});
    }
    s.zamery.reserve(static_cast<std::size_t>(m.shots.ShotCount()));
    for (int i = 1; i <= m.shots.ShotCount(); ++i) {
        const ShotRecord r = m.shots.GetShotRecord(i);
        s.zamery.push_back({r.From, r.To, 0});
    }
    for (int i = 1; i <= m.givenPoints.GivenPointCount(); ++i) {
        const StationRecord r = m.givenPoints.GetGivenPoint(i);
        s.daneBody.push_back({Orizni(r.Name), r.X, r.Y, r.Z});
    }
    if (k.nacti)
        s.system = k.nacti->SourSys();

    // Every measurement from its start station along its own values: turned by its region's
    // rotation as the computation turned it, then into the notebook frame.
    const SourSystTransf t(s.system);
    s.mereniBodu.assign(static_cast<std::size_t>(stanic), 0);
    const int pocet = k.seznamMereni.ListingCount();
    s.mereni.reserve(static_cast<std::size_t>(pocet));
    for (int i = 1; i <= pocet; ++i) {
        const MeasurementListRecord r = k.seznamMereni.GetListingRecord(i);
        const ListingMeasurement lm = k.seznamMereni.GetListingMeasurement(i);
        ScenaPolygonu::Mereni mereni{lm.From, 0, 0, 0, r.ZacatekRadku, r.DelkaRadku};
        if (lm.From >= 1 && lm.From <= stanic && lm.To >= 1 && lm.To <= stanic) {
            const int zamera = std::abs(m.shots.GetSignedShot(lm.From, lm.To));
            if (zamera >= 1 && zamera <= m.shots.ShotCount() && s.zamery[static_cast<std::size_t>(zamera - 1)].mereni == 0)
                s.zamery[static_cast<std::size_t>(zamera - 1)].mereni = i;
            for (const int b : {lm.From, lm.To})
                if (s.mereniBodu[static_cast<std::size_t>(b - 1)] == 0)
                    s.mereniBodu[static_cast<std::size_t>(b - 1)] = i;
            const double a = lm.A - m.regions.GetRegionRotation(m.regions.RegionOf(lm.From));
            const Bod d = t.KartToGeogr({"", lm.L * std::cos(a) * std::cos(lm.I), lm.L * std::sin(a) * std::cos(lm.I),
                                         lm.L * std::sin(lm.I)});
            const BodSceny& od = s.stanice[static_cast<std::size_t>(lm.From - 1)];
            mereni.X = od.X + d.X;
            mereni.Y = od.Y + d.Y;
            mereni.Z = od.Z + d.Z;
        } else {
            mereni.od = 0;
        }
        s.mereni.push_back(mereni);
    }
    return s;
}

// --- projection and view ------------------------------------------------------------------

const VrstvaObrazu* ObrazPolygonu::Vrstva(const std::string& jmeno) const
{
    for (const VrstvaObrazu& v : vrstvy)
        if (v.jmeno == jmeno)
            return &v;
    return nullptr;
}

namespace {

constexpr double Nekonecno = std::numeric_limits<double>::infinity();

// From 1 : 10^9 to 10^6 : 1: beyond that a picture would need coordinates no painter takes.
double Omez(double zoom)
{
    return std::clamp(zoom, 1e-9, 1e6);
}

// The centre of the survey's box, about which the view turns.
struct Stred3 {
    double X = 0, Y = 0, Z = 0;
};

Stred3 StredSceny(const ScenaPolygonu& s)
{
    if (s.stanice.empty())
        return {};
    double mn[3] = {Nekonecno, Nekonecno, Nekonecno}, mx[3] = {-Nekonecno, -Nekonecno, -Nekonecno};
    for (const BodSceny& b : s.stanice) {
        const double p[3] = {b.X, b.Y, b.Z};
        for (int i = 0; i < 3; ++i) {
            mn[i] = std::min(mn[i], p[i]);
            mx[i] = std::max(mx[i], p[i]);
        }
    }
    return {(mn[0] + mx[0]) / 2, (mn[1] + mx[1]) / 2, (mn[2] + mx[2]) / 2};
}

} // namespace

void Zobraz::NastavScenu(ScenaPolygonu scena)
{
    scena_ = std::move(scena);
    Promitni();
}

void Zobraz::Projekce(double& sa, double& ca, double& sb, double& cb) const
{
    sa = std::sin(pohled.UhelA);
    ca = std::cos(pohled.UhelA);
    sb = std::sin(pohled.UhelB);
    cb = std::cos(pohled.UhelB);
}

void Zobraz::Promitni()
{
    double sa, ca, sb, cb;
    Projekce(sa, ca, sb, cb);
    const std::size_t n = scena_.stanice.size();
    u_.resize(n);
    v_.resize(n);
    rozsah_ = {};
    for (std::size_t i = 0; i < n; ++i) {
        const BodSceny& b = scena_.stanice[i];
        u_[i] = b.X * sb - b.Y * cb;
        v_[i] = b.Z * ca - sa * (b.X * cb + b.Y * sb);
        if (i == 0) {
            rozsah_ = {u_[i], u_[i], v_[i], v_[i]};
            continue;
        }
        rozsah_.umin = std::min(rozsah_.umin, u_[i]);
        rozsah_.umax = std::max(rozsah_.umax, u_[i]);
        rozsah_.vmin = std::min(rozsah_.vmin, v_[i]);
        rozsah_.vmax = std::max(rozsah_.vmax, v_[i]);
    }
}

void Zobraz::NastavUhly(double a, double b)
{
    const Stred3 c = StredSceny(scena_);
    double sa, ca, sb, cb;
    Projekce(sa, ca, sb, cb);
    const double u0 = c.X * sb - c.Y * cb, v0 = c.Z * ca - sa * (c.X * cb + c.Y * sb);
    pohled.UhelA = std::clamp(a, -PI / 2, PI / 2);
    pohled.UhelB = NormalizeAngle(b);
    Projekce(sa, ca, sb, cb);
    pohled.stredU += c.X * sb - c.Y * cb - u0;
    pohled.stredV += c.Z * ca - sa * (c.X * cb + c.Y * sb) - v0;
    Promitni();
}

void Zobraz::Pudorys()
{
    NastavUhly(-PI / 2, PI / 2);
}

void Zobraz::Rez(double azimutStupne)
{
    NastavUhly(0, NaRadiany(90 - azimutStupne, JednotkaStupne));
}

double Zobraz::AzimutPohledu() const
{
    const double a = 90 - pohled.UhelB / PI * 180;
    return a - 360 * std::floor(a / 360);
}

bool Zobraz::JePudorys() const
{
    return pohled.UhelA <= -PI / 2;
}

void Zobraz::Otoc(double dA, double dB)
{
    NastavUhly(pohled.UhelA + dA, pohled.UhelB + dB);
}

double Zobraz::PixeluNaMetrU(const Platno& p) const
{
    return pohled.zoom * pohled.korekceHori * 1000 * p.pixeluNaJednotku;
}

double Zobraz::PixeluNaMetrV(const Platno& p) const
{
    return pohled.zoom * pohled.korekceVert * 1000 * p.pixeluNaJednotku;
}

double Zobraz::Xobr(double u, const Platno& p) const
{
    return p.sirka / 2 + (u - pohled.stredU) * PixeluNaMetrU(p);
}

double Zobraz::Yobr(double v, const Platno& p) const
{
    return p.vyska / 2 - (v - pohled.stredV) * PixeluNaMetrV(p);
}

double Zobraz::UzX(double x, const Platno& p) const
{
    return pohled.stredU + (x - p.sirka / 2) / PixeluNaMetrU(p);
}

double Zobraz::VzY(double y, const Platno& p) const
{
    return pohled.stredV - (y - p.vyska / 2) / PixeluNaMetrV(p);
}

void Zobraz::Posun(int bity, const Platno& p)
{
    const double desetina = p.vyska / 10;
    if (bity & 1)
        pohled.stredU += desetina / PixeluNaMetrU(p);
    if (bity & 2)
        pohled.stredV -= desetina / PixeluNaMetrV(p);
    if (bity & 4)
        pohled.stredV += desetina / PixeluNaMetrV(p);
    if (bity & 8)
        pohled.stredU -= desetina / PixeluNaMetrU(p);
}

void Zobraz::PosunOPixely(double dx, double dy, const Platno& p)
{
    pohled.stredU -= dx / PixeluNaMetrU(p);
    pohled.stredV += dy / PixeluNaMetrV(p);
}

void Zobraz::ZoomNaVse(const Platno& p)
{
    if (scena_.stanice.empty())
        return;
    pohled.stredU = (rozsah_.umin + rozsah_.umax) / 2;
    pohled.stredV = (rozsah_.vmin + rozsah_.vmax) / 2;
    // Screen units a metre takes at zoom 1, and the units left for the survey.
    const double du = (rozsah_.umax - rozsah_.umin) * pohled.korekceHori * 1000;
    const double dv = (rozsah_.vmax - rozsah_.vmin) * pohled.korekceVert * 1000;
    const double sirka = std::max(1.0, p.sirka - 2 * 4 * p.okraj) / p.pixeluNaJednotku;
    const double vyska = std::max(1.0, p.vyska - 2 * 4 * p.okraj) / p.pixeluNaJednotku;
    // A survey flat in one direction is framed by the other; a single point keeps the zoom.
    double zoom = Nekonecno;
    if (du > 0)
        zoom = sirka / du;
    if (dv > 0)
        zoom = std::min(zoom, vyska / dv);
    if (std::isfinite(zoom) && zoom > 0)
        pohled.zoom = Omez(zoom);
}

void Zobraz::ZoomNaObdelnik(double x1, double y1, double x2, double y2, const Platno& p)
{
    const double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
    if (w < 3 || h < 3)
        return;
    const double u = UzX((x1 + x2) / 2, p), v = VzY((y1 + y2) / 2, p);
    pohled.zoom = Omez(pohled.zoom * std::min(p.sirka / w, p.vyska / h));
    pohled.stredU = u;
    pohled.stredV = v;
}

void Zobraz::ZoomKolem(double x, double y, double faktor, const Platno& p)
{
    if (!(faktor > 0) || !std::isfinite(faktor))
        return;
    const double u = UzX(x, p), v = VzY(y, p);
    pohled.zoom = Omez(pohled.zoom * faktor);
    pohled.stredU = u - (x - p.sirka / 2) / PixeluNaMetrU(p);
    pohled.stredV = v + (y - p.vyska / 2) / PixeluNaMetrV(p);
}

bool Zobraz::NastavCisloMeritka(const std::string& text)
{
    const double n = std::fabs(Val(CarkaNaTecku(text)));
    if (n == 0 || !std::isfinite(n))
        return false;
    pohled.zoom = Omez(1 / n);
    return true;
}

int Zobraz::NajdiBod(double x, double y, const Platno& p, double tolerance) const
{
    int nejblizsi = 0;
    double nejmene = tolerance * tolerance;
    for (std::size_t i = 0; i < u_.size(); ++i) {
        const double dx = Xobr(u_[i], p) - x, dy = Yobr(v_[i], p) - y;
        const double d = dx * dx + dy * dy;
        if (d <= nejmene) {
            nejmene = d;
            nejblizsi = static_cast<int>(i) + 1;
        }
    }
    return nejblizsi;
}

int Zobraz::NajdiZameru(double x, double y, const Platno& p, double tolerance) const
{
    int nejblizsi = 0;
    double nejmene = tolerance * tolerance;
    const int stanic = static_cast<int>(u_.size());
    for (std::size_t i = 0; i < scena_.zamery.size(); ++i) {
        const ScenaPolygonu::Zamera& z = scena_.zamery[i];
        if (z.od < 1 || z.k < 1 || z.od > stanic || z.k > stanic)
            continue;
        const double ax = Xobr(U(z.od), p), ay = Yobr(V(z.od), p);
        const double bx = Xobr(U(z.k), p), by = Yobr(V(z.k), p);
        const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
        const double t = l2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0.0;
        const double ex = ax + t * dx - x, ey = ay + t * dy - y;
        const double d = ex * ex + ey * ey;
        if (d <= nejmene) {
            nejmene = d;
            nejblizsi = static_cast<int>(i) + 1;
        }
    }
    return nejblizsi;
}

std::string Zobraz::PopisBodu(int stanice, const FormatCisel& f) const
{
    if (stanice < 1 || stanice > static_cast<int>(scena_.stanice.size()))
        return {};
    const BodSceny& b = scena_.stanice[static_cast<std::size_t>(stanice - 1)];
    const SourSystTransf t(scena_.system);
    const ZBod z = t.Vystup({b.jmeno, b.X, b.Y, b.Z});
    return "Bod " + b.jmeno + ":  " + t.Lab1() + " = " + CisloSeSkupinami(z.X, 3, f) + "  " + t.Lab2() + " = " +
           CisloSeSkupinami(z.Y, 3, f) + "  " + t.Lab3() + " = " + CisloSeSkupinami(z.Z, 3, f);
}

// --- the picture --------------------------------------------------------------------------

Barva BarvaVysky(double z, double dole, double hore)
{
    static constexpr std::array<Barva, 5> Stupnice = {
        {{0, 0, 255}, {0, 200, 255}, {0, 190, 0}, {255, 210, 0}, {255, 0, 0}}};
    double t = hore > dole ? (z - dole) / (hore - dole) : 0.5;
    t = std::clamp(t, 0.0, 1.0) * (Stupnice.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(t), Stupnice.size() - 2);
    const double f = t - static_cast<double>(i);
    auto mez = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    };
    const Barva& a = Stupnice[i];
    const Barva& b = Stupnice[i + 1];
    return {mez(a.r, b.r), mez(a.g, b.g), mez(a.b, b.b)};
}

double DelkaMeritka(double nejvic)
{
    if (!(nejvic > 0) || !std::isfinite(nejvic))
        return 0;
    const double rad = std::pow(10.0, std::floor(std::log10(nejvic)));
    for (const double k : {5.0, 2.0, 1.0})
        if (k * rad <= nejvic * (1 + 1e-12))
            return k * rad;
    return rad / 2;
}

namespace {

constexpr int TridVysek = 32;

// Decides where station names go: a name is left out where it would cover one already placed,
// so that a dense survey stays readable and quick to draw.
class RozmisteniPopisu {
public:
    RozmisteniPopisu(double sirka, double vyska)
        : sloupcu_(static_cast<int>(sirka / Bunka) + 1), radku_(static_cast<int>(vyska / Bunka) + 1),
          obsazeno_(static_cast<std::size_t>(sloupcu_) * static_cast<std::size_t>(radku_), false)
    {
    }
    bool Umisti(double x1, double y1, double x2, double y2)
    {
        const int c1 = std::max(0, static_cast<int>(x1 / Bunka)), c2 = std::min(sloupcu_ - 1, static_cast<int>(x2 / Bunka));
        const int r1 = std::max(0, static_cast<int>(y1 / Bunka)), r2 = std::min(radku_ - 1, static_cast<int>(y2 / Bunka));
        for (int r = r1; r <= r2; ++r)
            for (int c = c1; c <= c2; ++c)
                if (obsazeno_[Index(r, c)])
                    return false;
        for (int r = r1; r <= r2; ++r)
            for (int c = c1; c <= c2; ++c)
                obsazeno_[Index(r, c)] = true;
        return true;
    }

private:
    static constexpr double Bunka = 6;
    std::size_t Index(int r, int c) const { return static_cast<std::size_t>(r) * static_cast<std::size_t>(sloupcu_) + static_cast<std::size_t>(c); }
    int sloupcu_, radku_;
    std::vector<bool> obsazeno_;
};

// Whether a line between two picture points can cross the picture.
bool MuzeBytVidet(double x1, double y1, double x2, double y2, const Platno& p)
{
    constexpr double m = 2;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    return !((x1 < -m && x2 < -m) || (y1 < -m && y2 < -m) || (x1 > p.sirka + m && x2 > p.sirka + m) ||
             (y1 > p.vyska + m && y2 > p.vyska + m));
}

bool JeVidet(double x, double y, const Platno& p, double m)
{
    return x >= -m && y >= -m && x <= p.sirka + m && y <= p.vyska + m;
}

std::string CisloPopisu(double value, int decimals, char znak)
{
    std::string s = FormatCisloBezNul(value, decimals, decimals);
    if (s == "-0" || s.rfind("-0.", 0) == 0) {
        if (s.find_first_of("123456789") == std::string::npos)
            s.erase(0, 1);
    }
    std::replace(s.begin(), s.end(), '.', znak);
    return s;
}

} // namespace

ObrazPolygonu Zobraz::Kresli(const Platno& p, bool ctverec) const
{
    ObrazPolygonu o;
    o.sirka = p.sirka;
    o.vyska = p.vyska;
    const std::size_t stanic = u_.size();
    std::vector<double> xs(stanic), ys(stanic);
    for (std::size_t i = 0; i < stanic; ++i) {
        xs[i] = Xobr(u_[i], p);
        ys[i] = Yobr(v_[i], p);
    }
    auto platna = [stanic](int s) { return s >= 1 && static_cast<std::size_t>(s) <= stanic; };
    double sa, ca, sb, cb;
    Projekce(sa, ca, sb, cb);
    auto promitni = [&](double X, double Y, double Z, double& x, double& y) {
        x = Xobr(X * sb - Y * cb, p);
        y = Yobr(Z * ca - sa * (X * cb + Y * sb), p);
    };

    if (vrstvy.kontrola) {
        VrstvaObrazu& v = o.vrstvy.emplace_back();
        v.jmeno = "kontrola";
        Cary& c = v.cary.emplace_back(Cary{BarvaKontroly, 1, {}});
        for (const ScenaPolygonu::Mereni& m : scena_.mereni) {
            if (!platna(m.od))
                continue;
            double x2, y2;
            promitni(m.X, m.Y, m.Z, x2, y2);
            const std::size_t a = static_cast<std::size_t>(m.od - 1);
            if (MuzeBytVidet(xs[a], ys[a], x2, y2, p))
                c.usecky.push_back({xs[a], ys[a], x2, y2});
        }
    }

    double zmin = 0, zmax = 0;
    for (std::size_t i = 0; i < stanic; ++i) {
        const double z = scena_.stanice[i].Z;
        zmin = i == 0 ? z : std::min(zmin, z);
        zmax = i == 0 ? z : std::max(zmax, z);
    }
    const bool barevne = vrstvy.polygon && vrstvy.barvaPodleVysky && stanic > 0;
    if (vrstvy.polygon) {
        VrstvaObrazu& v = o.vrstvy.emplace_back();
        v.jmeno = "polygon";
        if (barevne) {
            for (int t = 0; t < TridVysek; ++t)
                v.cary.push_back({BarvaVysky(zmin + (zmax - zmin) * (t + 0.5) / TridVysek, zmin, zmax), 1, {}});
        } else {
            v.cary.push_back({BarvaPolygonu, 1, {}});
        }
        for (const ScenaPolygonu::Zamera& z : scena_.zamery) {
            if (!platna(z.od) || !platna(z.k))
                continue;
            const std::size_t a = static_cast<std::size_t>(z.od - 1), b = static_cast<std::size_t>(z.k - 1);
            if (!MuzeBytVidet(xs[a], ys[a], xs[b], ys[b], p))
                continue;
            std::size_t trida = 0;
            if (barevne && zmax > zmin) {
                const double t = ((scena_.stanice[a].Z + scena_.stanice[b].Z) / 2 - zmin) / (zmax - zmin);
                trida = std::min<std::size_t>(TridVysek - 1, static_cast<std::size_t>(std::max(0.0, t) * TridVysek));
            } else if (barevne) {
                trida = TridVysek / 2;
            }
            v.cary[trida].usecky.push_back({xs[a], ys[a], xs[b], ys[b]});
        }
    }

    if (vrstvy.body) {
        VrstvaObrazu& v = o.vrstvy.emplace_back();
        v.jmeno = "body";
        Znacky& z = v.znacky.emplace_back(Znacky{BarvaBodu, Tvar::Ctverec, 5, {}});
        RozmisteniPopisu rozmisteni(p.sirka, p.vyska);
        for (std::size_t i = 0; i < stanic; ++i) {
            if (!JeVidet(xs[i], ys[i], p, 3))
                continue;
            z.body.push_back({xs[i], ys[i]});
            if (!vrstvy.popisy)
                continue;
            const std::string& jmeno = scena_.stanice[i].jmeno;
            const double x = xs[i] + 5, y = ys[i] - p.vyskaPisma + 2;
            const double w = static_cast<double>(PocetZnaku(jmeno)) * p.sirkaZnaku;
            if (rozmisteni.Umisti(x, y, x + w, y + p.vyskaPisma))
                v.popisky.push_back({x, y, jmeno, BarvaPopisu});
        }
    }

    if (vrstvy.daneBody) {
        VrstvaObrazu& v = o.vrstvy.emplace_back();
        v.jmeno = "dane";
        Znacky& z = v.znacky.emplace_back(Znacky{BarvaDanychBodu, Tvar::Trojuhelnik, 10, {}});
        for (const BodSceny& b : scena_.daneBody) {
            double x, y;
            promitni(b.X, b.Y, b.Z, x, y);
            if (JeVidet(x, y, p, 6))
                z.body.push_back({x, y});
        }
    }

    VrstvaObrazu& d = o.vrstvy.emplace_back();
    d.jmeno = "doplnky";
    const Barva cerna{0, 0, 0};
    // The scale bar: a round length not longer than a quarter of the picture.
    const double pxm = PixeluNaMetrU(p);
    if (const double delka = DelkaMeritka(p.sirka / 4 / pxm); delka > 0) {
        const double x0 = 15, y0 = p.vyska - 15, x1 = x0 + delka * pxm;
        Cary& c = d.cary.emplace_back(Cary{cerna, 2, {}});
        c.usecky = {{x0, y0, x1, y0}, {x0, y0, x0, y0 - 6}, {x1, y0, x1, y0 - 6}, {(x0 + x1) / 2, y0, (x0 + x1) / 2, y0 - 4}};
        const std::string text = CisloPopisu(delka, delka < 1 ? 3 : 0, p.desetinnyZnak) + " m";
        const double w = static_cast<double>(PocetZnaku(text)) * p.sirkaZnaku;
        d.popisky.push_back({(x0 + x1 - w) / 2, y0 - 8 - p.vyskaPisma, text, cerna});
    }
    // The north arrow, while the view looks down more than sideways.
    if (pohled.UhelA <= -PI / 4) {
        const double th = scena_.system.Natoceni();
        const double nx = std::sin(th), ny = std::cos(th);
        double dx = (nx * sb - ny * cb) * PixeluNaMetrU(p), dy = sa * (nx * cb + ny * sb) * PixeluNaMetrV(p);
        const double l = std::hypot(dx, dy);
        if (l > 0 && std::isfinite(l)) {
            dx /= l;
            dy /= l;
            const double bx = 35, by = 65, delka = 36;
            const double tx = bx + dx * delka, ty = by + dy * delka;
            const double k = std::cos(0.45), s = std::sin(0.45);
            Cary& c = d.cary.emplace_back(Cary{cerna, 2, {}});
            c.usecky = {{bx - dx * delka, by - dy * delka, tx, ty},
                        {tx, ty, tx - 12 * (dx * k - dy * s), ty - 12 * (dx * s + dy * k)},
                        {tx, ty, tx - 12 * (dx * k + dy * s), ty - 12 * (-dx * s + dy * k)}};
            d.popisky.push_back({tx + dx * 10 - p.sirkaZnaku / 2, ty + dy * 10 - p.vyskaPisma / 2, "S", cerna});
        }
    }
    // The legend of the height colours.
    if (barevne) {
        const double rozpeti = zmax - zmin;
        const int des = rozpeti < 1 ? 2 : rozpeti < 10 ? 1 : 0;
        std::array<std::string, 5> texty;
        std::size_t nejdelsi = 0;
        for (std::size_t i = 0; i < texty.size(); ++i) {
            texty[i] = CisloPopisu(zmax - rozpeti * static_cast<double>(i) / 4, des, p.desetinnyZnak);
            nejdelsi = std::max(nejdelsi, PocetZnaku(texty[i]));
        }
        const double sirkaTextu = static_cast<double>(std::max<std::size_t>(nejdelsi, 9)) * p.sirkaZnaku;
        const double x0 = p.sirka - 10 - sirkaTextu - 22, y0 = 20 + p.vyskaPisma + 6;
        const double vyska = std::clamp(p.vyska - y0 - 60, 40.0, 200.0);
        d.popisky.push_back({x0, 20, "Výška [m]", cerna});
        for (int t = 0; t < TridVysek; ++t) {
            const double y = y0 + vyska * t / TridVysek;
            d.plochy.push_back({x0, y, 14, vyska / TridVysek + 0.5,
                                BarvaVysky(zmax - (zmax - zmin) * (t + 0.5) / TridVysek, zmin, zmax)});
        }
        Cary& c = d.cary.emplace_back(Cary{cerna, 1, {}});
        for (std::size_t i = 0; i < texty.size(); ++i) {
            const double y = y0 + vyska * static_cast<double>(i) / 4;
            c.usecky.push_back({x0 + 14, y, x0 + 19, y});
            d.popisky.push_back({x0 + 22, y - p.vyskaPisma / 2, texty[i], cerna});
        }
    }

    if (ctverec) {
        VrstvaObrazu& v = o.vrstvy.emplace_back();
        v.jmeno = "ctverec";
        const double h = PolovinaCtverce * p.pixeluNaJednotku, x = p.sirka / 2, y = p.vyska / 2;
        v.cary.push_back({cerna, 1, {{x - h, y - h, x + h, y - h}, {x + h, y - h, x + h, y + h},
                                     {x + h, y + h, x - h, y + h}, {x - h, y + h, x - h, y - h}}});
    }
    return o;
}

bool KorekceObrazovky(Platforma& platforma, Pohled& pohled)
{
    const char* titulek = "Korekce obrazovky";
    const auto sirka = platforma.VstupniBox("Šířka zobrazeného čtverce v milimetrech:", titulek, "");
    if (!sirka)
        return false;
    const auto vyska = platforma.VstupniBox("Výška zobrazeného čtverce v milimetrech:", titulek, "");
    if (!vyska)
        return false;
    const double w = std::fabs(Val(CarkaNaTecku(*sirka))), h = std::fabs(Val(CarkaNaTecku(*vyska)));
    if (w * h == 0 || !std::isfinite(w * h)) {
        platforma.ZpravaBox("Špatné zadání!", MsgBox::OkOnly | MsgBox::Exclamation, titulek);
        return false;
    }
    pohled.korekceHori = 2 * PolovinaCtverce / w;
    pohled.korekceVert = 2 * PolovinaCtverce / h;
    return true;
}

} // namespace lomvira
