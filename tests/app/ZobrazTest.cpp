// The plan and section display: the projection from the view directions, the pan bits,
// zoom to all, zoom about the cursor, turning about the survey's centre, the scale box,
// picking, the picture's layers, and the screen correction's questions.

#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "app/Vypocet.h"
#include "app/Zobraz.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lomvira {
namespace {

constexpr double Tol = 1e-9;

ScenaPolygonu Scena(std::vector<BodSceny> stanice, std::vector<ScenaPolygonu::Zamera> zamery = {})
{
    ScenaPolygonu s;
    s.stanice = std::move(stanice);
    s.zamery = std::move(zamery);
    s.mereniBodu.assign(s.stanice.size(), 0);
    return s;
}

Platno Obraz()
{
    Platno p;
    p.sirka = 800;
    p.vyska = 600;
    p.pixeluNaJednotku = 96.0 / 1440;
    return p;
}

TEST(Zobraz, PromitnutiZeSmeruPohledu)
{
    struct Pripad {
        const char* pohled;
        double azimut; // < 0: the plan
        double u, v;
    };
    // The station X = 10, Y = 20, Z = 5.
    const std::vector<Pripad> pripady = {
        {"půdorys", -1, 10, 20},
        {"řez od azimutu 90: u = -Y, v = Z", 90, -20, 5},
        {"řez od azimutu 0: u = X", 0, 10, 5},
        {"řez od azimutu 180", 180, -10, 5},
        {"řez od azimutu 270", 270, 20, 5},
    };
    for (const Pripad& c : pripady) {
        Zobraz z;
        z.NastavScenu(Scena({{"A", 10, 20, 5}}));
        if (c.azimut < 0)
            z.Pudorys();
        else
            z.Rez(c.azimut);
        EXPECT_NEAR(z.U(1), c.u, Tol) << c.pohled;
        EXPECT_NEAR(z.V(1), c.v, Tol) << c.pohled;
        EXPECT_NEAR(z.AzimutPohledu(), c.azimut < 0 ? 0 : c.azimut, 1e-9) << c.pohled;
    }
}

TEST(Zobraz, PosunPoDesetinachVyskyObrazu)
{
    struct Pripad {
        int bity;
        double du, dv; // in tenths of the picture height
    };
    for (const Pripad& c : {Pripad{1, 1, 0}, Pripad{2, 0, -1}, Pripad{4, 0, 1}, Pripad{8, -1, 0},
                            Pripad{1 | 4, 1, 1}, Pripad{2 | 8, -1, -1}, Pripad{1 | 8, 0, 0}}) {
        Zobraz z;
        z.pohled.korekceVert = 30; // the axes have their own scale
        const Platno p = Obraz();
        z.Posun(c.bity, p);
        EXPECT_NEAR(z.pohled.stredU, c.du * 60 / z.PixeluNaMetrU(p), Tol) << c.bity;
        EXPECT_NEAR(z.pohled.stredV, c.dv * 60 / z.PixeluNaMetrV(p), Tol) << c.bity;
    }
}

TEST(Zobraz, ZoomNaVseOrameujePolygon)
{
    const Platno p = Obraz();
    Zobraz z;
    z.NastavScenu(Scena({{"A", 0, 0, 0}, {"B", 100, 20, 0}, {"C", 40, -30, 0}}));
    z.ZoomNaVse(p);
    EXPECT_NEAR(z.pohled.stredU, 50, Tol);
    EXPECT_NEAR(z.pohled.stredV, -5, Tol);
    // The wide survey fills the width less four times the offset on each side.
    EXPECT_NEAR(z.Xobr(0, p), 40, 1e-6);
    EXPECT_NEAR(z.Xobr(100, p), 760, 1e-6);
    EXPECT_GT(z.Yobr(20, p), 40);
    // Flat in v: framed by u alone; a single station keeps the zoom it had.
    z.NastavScenu(Scena({{"A", 0, 0, 0}, {"B", 10, 0, 0}}));
    z.ZoomNaVse(p);
    EXPECT_NEAR(z.Xobr(10, p) - z.Xobr(0, p), 720, 1e-6);
    z.NastavScenu(Scena({{"A", 3, 4, 0}}));
    const double zoom = z.pohled.zoom;
    z.ZoomNaVse(p);
    EXPECT_EQ(z.pohled.zoom, zoom);
    EXPECT_NEAR(z.Xobr(3, p), 400, Tol);
}

TEST(Zobraz, ZoomKolemKurzoruAObdelnikem)
{
    const Platno p = Obraz();
    Zobraz z;
    z.pohled.stredU = 7;
    const double u = z.UzX(123, p), v = z.VzY(456, p);
    z.ZoomKolem(123, 456, 1.25 * 1.25, p);
    EXPECT_NEAR(z.UzX(123, p), u, 1e-9);
    EXPECT_NEAR(z.VzY(456, p), v, 1e-9);
    EXPECT_NEAR(z.pohled.zoom, 0.0015625, 1e-15);
    // A rectangle a quarter of the picture wide fills it afterwards; a click zooms nothing.
    const double stred = z.UzX(300, p);
    z.ZoomNaObdelnik(200, 100, 400, 250, p);
    EXPECT_NEAR(z.pohled.zoom, 0.0015625 * 4, 1e-15);
    EXPECT_NEAR(z.pohled.stredU, stred, 1e-9);
    z.ZoomNaObdelnik(200, 100, 202, 300, p);
    EXPECT_NEAR(z.pohled.zoom, 0.0015625 * 4, 1e-15);
}

TEST(Zobraz, OtoceniKolemStreduSNaklonemDoDevadesatiStupnu)
{
    const Platno p = Obraz();
    Zobraz z;
    z.NastavScenu(Scena({{"A", 0, 0, 0}, {"B", 10, 20, 6}}));
    z.ZoomNaVse(p);
    // The survey's centre (5, 10, 3) stays where it was on the picture.
    auto stred = [&] {
        const double sa = std::sin(z.pohled.UhelA), ca = std::cos(z.pohled.UhelA);
        const double sb = std::sin(z.pohled.UhelB), cb = std::cos(z.pohled.UhelB);
        return std::pair(z.Xobr(5 * sb - 10 * cb, p), z.Yobr(3 * ca - sa * (5 * cb + 10 * sb), p));
    };
    const auto pred = stred();
    z.Otoc(-0.3, 0.7); // already looking straight down: the tilt stays at -90°
    EXPECT_NEAR(z.pohled.UhelA, -PI / 2, Tol);
    z.Otoc(3.5, 0);
    EXPECT_NEAR(z.pohled.UhelA, PI / 2, Tol);
    z.Otoc(-PI / 2, -0.7);
    EXPECT_NEAR(z.pohled.UhelA, 0, Tol);
    EXPECT_NEAR(z.pohled.UhelB, PI / 2, Tol);
    EXPECT_NEAR(stred().first, pred.first, 1e-6);
    EXPECT_NEAR(stred().second, pred.second, 1e-6);
    EXPECT_NEAR(z.V(2), 6, Tol); // a section now
}

TEST(Zobraz, PoleMeritka)
{
    for (const auto& [text, n] : std::vector<std::pair<std::string, double>>{
             {"500", 500}, {"-250", 250}, {"2,5", 2.5}, {" 1000 ", 1000}, {"1e300", 1e9}, {"0", 0}, {"", 0}, {"abc", 0}}) {
        Zobraz z;
        EXPECT_EQ(z.NastavCisloMeritka(text), n != 0) << text;
        EXPECT_NEAR(z.pohled.zoom, n != 0 ? 1 / n : 0.001, 1e-15) << text;
    }
}

TEST(Zobraz, DelkaMeritkaJeKulata)
{
    for (const auto& [nejvic, delka] : std::vector<std::pair<double, double>>{
             {7.3, 5}, {19.99, 10}, {20, 20}, {99, 50}, {1, 1}, {0.37, 0.2}, {0.099, 0.05}, {1234, 1000}, {0, 0}})
        EXPECT_NEAR(DelkaMeritka(nejvic), delka, 1e-12) << nejvic;
}

TEST(Zobraz, VyberBoduAZamery)
{
    const Platno p = Obraz();
    Zobraz z;
    z.NastavScenu(Scena({{"A", 0, 0, 0}, {"B", 100, 0, 0}, {"C", 100, 50, 0}}, {{1, 2, 1}, {2, 3, 2}}));
    z.ZoomNaVse(p);
    EXPECT_EQ(z.NajdiBod(z.Xobr(100, p) + 3, z.Yobr(50, p) - 3, p, 6), 3);
    EXPECT_EQ(z.NajdiBod(z.Xobr(50, p), z.Yobr(0, p), p, 6), 0);
    EXPECT_EQ(z.NajdiZameru(z.Xobr(50, p), z.Yobr(0, p) + 4, p, 6), 1);
    EXPECT_EQ(z.NajdiZameru(z.Xobr(100, p) + 5, z.Yobr(25, p), p, 6), 2);
    EXPECT_EQ(z.NajdiZameru(z.Xobr(50, p), z.Yobr(25, p), p, 6), 0);
}

// Every station drawn, by the colour of the line drawn there.
TEST(Zobraz, VrstvyObrazu)
{
    const Platno p = Obraz();
    Zobraz z;
    ScenaPolygonu s = Scena({{"DOLE", 0, 0, -10}, {"STRED", 50, 0, 0}, {"NAHORE", 100, 0, 10}}, {{1, 2, 1}, {2, 3, 2}});
    s.daneBody = {{"DOLE", 0, 0, -10}};
    s.mereni = {{1, 50, 1, 0, 0, 0}};
    z.NastavScenu(s);
    z.ZoomNaVse(p);
    auto jmena = [](const ObrazPolygonu& o) {
        std::string j;
        for (const auto& v : o.vrstvy)
            j += v.jmeno + " ";
        return j;
    };
    EXPECT_EQ(jmena(z.Kresli(p)), "polygon body dane doplnky ");
    z.vrstvy = {false, false, false, false, true, false};
    EXPECT_EQ(jmena(z.Kresli(p, true)), "kontrola doplnky ctverec ");
    const ObrazPolygonu kontrola = z.Kresli(p);
    ASSERT_EQ(kontrola.Vrstva("kontrola")->cary[0].usecky.size(), 1u);
    EXPECT_NEAR(kontrola.Vrstva("kontrola")->cary[0].usecky[0].y2, z.Yobr(1, p), Tol); // as measured, not to B

    z.vrstvy = {};
    const ObrazPolygonu o = z.Kresli(p);
    // North arrow ("S") in plan only; the legend only with the height colours.
    auto maText = [](const ObrazPolygonu& obraz, const std::string& text) {
        for (const auto& t : obraz.Vrstva("doplnky")->popisky)
            if (t.text == text)
                return true;
        return false;
    };
    EXPECT_TRUE(maText(o, "S"));
    EXPECT_FALSE(maText(o, "Výška [m]"));
    z.Rez(0);
    z.vrstvy.barvaPodleVysky = true;
    const ObrazPolygonu b = z.Kresli(p);
    EXPECT_FALSE(maText(b, "S"));
    EXPECT_TRUE(maText(b, "Výška [m]") && maText(b, "10") && maText(b, "-10"));
    // The low shot blue-ish, the high one red-ish.
    for (const Cary& c : b.Vrstva("polygon")->cary) {
        if (c.usecky.empty())
            continue;
        const bool dolni = c.usecky[0].y1 > 300 || c.usecky[0].y2 > 300;
        EXPECT_EQ(dolni ? c.barva.b > c.barva.r : c.barva.r > c.barva.b, true);
    }
}

TEST(Zobraz, KorekceObrazovky)
{
    struct Pripad {
        std::vector<std::optional<std::string>> odpovedi;
        bool zmeneno;
        double hori, vert;
        bool zprava;
    };
    for (const Pripad& c : {Pripad{{"50", "100"}, true, 60, 30, false}, Pripad{{"-75", "37,5"}, true, 40, 80, false},
                            Pripad{{"0", "5"}, false, 45, 45, true}, Pripad{{"abc", "5"}, false, 45, 45, true},
                            Pripad{{std::nullopt}, false, 45, 45, false},
                            Pripad{{"50", std::nullopt}, false, 45, 45, false}}) {
        test::FakePlatforma pl;
        pl.inputs.assign(c.odpovedi.begin(), c.odpovedi.end());
        Pohled pohled;
        EXPECT_EQ(KorekceObrazovky(pl, pohled), c.zmeneno);
        EXPECT_NEAR(pohled.korekceHori, c.hori, Tol);
        EXPECT_NEAR(pohled.korekceVert, c.vert, Tol);
        EXPECT_EQ(pl.boxes.size(), c.zprava ? 1u : 0u);
    }
}

// A loop whose last shot is measured 1 m short: its control line ends 1 m before A1, and every
// station and shot points at its first measurement line in the notebook.
TEST(Zobraz, ScenaZKontextu)
{
    test::FakePlatforma pl;
    PametoveNastaveni nastaveni;
    Kontext k(pl, nastaveni);
    const std::string text = "# Smyčka se zkrácenou poslední záměrou.\n* A1 0 0 0\nA1 A2 10 90 0\nA2 A3 10 0 0\n"
                             "A3 A4 10 270 0\nA4 A1 9 180 0\n";
    NactiZapisnik(k, text);
    Vectorize(k);
    SpustVypocet(k);
    ASSERT_EQ(k.stav.Stav, 3);
    const ScenaPolygonu s = ScenaZKontextu(k);
    ASSERT_EQ(s.stanice.size(), 4u);
    ASSERT_EQ(s.mereni.size(), 4u);
    const BodSceny& a4 = s.stanice[3];
    EXPECT_NEAR(s.mereni[3].X, a4.X, 1e-9);
    EXPECT_NEAR(s.mereni[3].Y, a4.Y - 9, 1e-9);
    EXPECT_EQ(s.mereni[3].od, 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& m = s.mereni[i];
        const std::string radek = text.substr(static_cast<std::size_t>(m.zacatekRadku - 1), static_cast<std::size_t>(m.delkaRadku));
        EXPECT_EQ(radek.substr(0, 5), s.stanice[i].jmeno + " A" + std::to_string(i == 3 ? 1 : i + 2)) << radek;
        EXPECT_EQ(s.mereniBodu[i], static_cast<int>(i == 0 ? 1 : i)); // A1 in line 1, A2 first in line 1...
    }
    for (const auto& zamera : s.zamery)
        EXPECT_GE(zamera.mereni, 1);
}

} // namespace
} // namespace lomvira
