#pragma once
// The plan and section display: the computed survey projected in parallel from any
// direction, the view's centre and zoom, and the picture it gives as plain shapes in
// pixels, which the window and the CLI paint alike.
//
// The view looks along the direction UhelB (the horizontal direction, radians) tilted by
// UhelA: UhelA = -π/2 looks straight down (plan), 0 horizontally (section). A station
// (X, Y, Z) of the notebook frame goes to
//     u = X sin B - Y cos B,   v = Z cos A - sin A (X cos B + Y sin B),
// u to the right and v up in the picture.

#include "common/Cisla.h"
#include "coords/SourSystem.h"
#include "reports/VypisBodu.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lomvira {

class Platforma;
struct Kontext;

struct BodSceny {
    std::string jmeno; // without the blanks that pad it
    double X = 0, Y = 0, Z = 0;
};

// What the display draws, copied out of the survey so that a later load can never pull it
// from under the window.
struct ScenaPolygonu {
    struct Zamera {
        int od = 0, k = 0; // station numbers
        int mereni = 0;    // the shot's first measurement line in the list, 0 when none
    };
    // One measurement as measured: from its start station along its own length, direction
    // and inclination, to where it ends (notebook frame).
    struct Mereni {
        int od = 0;
        double X = 0, Y = 0, Z = 0;
        std::int32_t zacatekRadku = 0, delkaRadku = 0; // its line in the notebook text
    };

    std::vector<BodSceny> stanice;   // station n is stanice[n - 1]
    std::vector<Zamera> zamery;      // shot n is zamery[n - 1]
    std::vector<Mereni> mereni;      // record n of the list is mereni[n - 1]
    std::vector<int> mereniBodu;     // per station: its first measurement line, 0 when none
    std::vector<BodSceny> daneBody;
    SourSystem system;               // for a station's output coordinates
};

// The survey of the context as the display shows it (coordinates of the last computation).
ScenaPolygonu ScenaZKontextu(const Kontext& k);

struct VrstvyPolygonu {
    bool polygon = true;          // "Polygon": the shots
    bool body = true;             // "Body": the stations
    bool daneBody = true;         // "Dané body"
    bool popisy = true;           // "Popisy": station names
    bool kontrola = false;        // "Měření pro kontrolu": every measurement as measured
    bool barvaPodleVysky = false; // "Barva podle výšky": shots coloured by their mean height
};

struct Pohled {
    double UhelA = -PI / 2; // tilt
    double UhelB = PI / 2;  // direction
    double stredU = 0, stredV = 0;
    double zoom = 0.001;    // the reciprocal of the scale number N (1 : N)
    // Screen correction: screen units per millimetre of the screen, vertical and horizontal.
    double korekceVert = 45, korekceHori = 45;
};

// The picture's geometry. A screen unit is a twip of the logical inch (1/1440 inch).
struct Platno {
    double sirka = 800, vyska = 600;      // pixels
    double pixeluNaJednotku = 96.0 / 1440;
    double okraj = 10;                    // the picture's left offset in its window, pixels
    double sirkaZnaku = 7, vyskaPisma = 14; // of the labels, pixels
    char desetinnyZnak = '.';
};

// --- the picture as shapes ----------------------------------------------------------------

struct Barva {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Barva&, const Barva&) = default;
};
inline constexpr Barva BarvaKontroly{255, 0, 255};
inline constexpr Barva BarvaBodu{255, 0, 0};
inline constexpr Barva BarvaDanychBodu{0, 255, 0};
inline constexpr Barva BarvaPolygonu{0, 0, 0};
inline constexpr Barva BarvaPopisu{40, 40, 40};

struct Usecka {
    double x1, y1, x2, y2;
};
struct BodObrazu {
    double x, y;
};
enum class Tvar { Ctverec, Trojuhelnik };

struct Cary {
    Barva barva;
    double sirka = 1;
    std::vector<Usecka> usecky;
};
struct Znacky {
    Barva barva;
    Tvar tvar = Tvar::Ctverec;
    double velikost = 5; // pixels across
    std::vector<BodObrazu> body;
};
struct Plocha {
    double x, y, sirka, vyska;
    Barva barva;
};
// A text with its top left corner at (x, y).
struct Popisek {
    double x, y;
    std::string text;
    Barva barva;
};

// One layer of the picture: its filled areas, lines, point symbols and texts, painted in
// this order.
struct VrstvaObrazu {
    std::string jmeno;
    std::vector<Plocha> plochy;
    std::vector<Cary> cary;
    std::vector<Znacky> znacky;
    std::vector<Popisek> popisky;
};

struct ObrazPolygonu {
    double sirka = 0, vyska = 0;
    std::vector<VrstvaObrazu> vrstvy; // painted in order
    // The layer of that name, or null.
    const VrstvaObrazu* Vrstva(const std::string& jmeno) const;
};

// Layer names: "kontrola", "polygon", "body", "dane", "doplnky" (legend, scale bar, north
// arrow), "ctverec" (the test square of the screen correction).

// --- the display ---------------------------------------------------------------------------

// Half the side of the test square of the screen correction, in screen units.
inline constexpr double PolovinaCtverce = 1500;

class Zobraz {
public:
    Pohled pohled;
    VrstvyPolygonu vrstvy;

    // A new survey to show: projected at once; the view stays until zoomed.
    void NastavScenu(ScenaPolygonu scena);
    const ScenaPolygonu& Scena() const { return scena_; }

    // Rebuilds the projected table of every station and its extents.
    void Promitni();
    double U(int stanice) const { return u_[static_cast<std::size_t>(stanice - 1)]; }
    double V(int stanice) const { return v_[static_cast<std::size_t>(stanice - 1)]; }
    struct Rozsah {
        double umin = 0, umax = 0, vmin = 0, vmax = 0;
    };
    Rozsah Rozsahy() const { return rozsah_; }

    // The view directions of "Vlastnosti zobrazení": the plan, or a section seen from an
    // azimuth in degrees. Each keeps the survey's centre where it was on the picture.
    void Pudorys();
    void Rez(double azimutStupne);
    // The azimuth the view looks from, in degrees: 90 - UhelB in degrees.
    double AzimutPohledu() const;
    bool JePudorys() const;
    // Turns the view by the two angles (radians), the tilt held within ±π/2, about the
    // centre of the survey.
    void Otoc(double dA, double dB);

    // Pixels per metre across and up.
    double PixeluNaMetrU(const Platno& p) const;
    double PixeluNaMetrV(const Platno& p) const;
    double Xobr(double u, const Platno& p) const;
    double Yobr(double v, const Platno& p) const;
    double UzX(double x, const Platno& p) const;
    double VzY(double y, const Platno& p) const;

    // The four pan buttons: bits 1 (u grows), 2 (v decreases), 4 (v grows), 8 (u decreases),
    // each moving the centre by a tenth of the picture's height.
    void Posun(int bity, const Platno& p);
    // Moves the picture with the mouse by so many pixels.
    void PosunOPixely(double dx, double dy, const Platno& p);
    // Centre on the extents and fill the picture with them, less a margin of four times the
    // picture's left offset on each side.
    void ZoomNaVse(const Platno& p);
    // Zooms to the rectangle between two picture points; a rectangle under 3 pixels is ignored.
    void ZoomNaObdelnik(double x1, double y1, double x2, double y2, const Platno& p);
    // Multiplies the zoom, the point under (x, y) staying where it is.
    void ZoomKolem(double x, double y, double faktor, const Platno& p);
    // The scale box: N typed (sign dropped, decimal comma accepted) sets the zoom to 1 / N.
    // False for 0 or no number.
    bool NastavCisloMeritka(const std::string& text);

    // The station (or shot) nearest to a picture point within `tolerance` pixels; 0 for none.
    int NajdiBod(double x, double y, const Platno& p, double tolerance) const;
    int NajdiZameru(double x, double y, const Platno& p, double tolerance) const;
    // "Bod A1:  X = ...  Y = ...  Z = ..." with the output coordinates and their labels.
    std::string PopisBodu(int stanice, const FormatCisel& f) const;

    // The picture of the view; `ctverec` adds the test square of the screen correction.
    ObrazPolygonu Kresli(const Platno& p, bool ctverec = false) const;

private:
    void Projekce(double& sa, double& ca, double& sb, double& cb) const;
    void NastavUhly(double a, double b);

    ScenaPolygonu scena_;
    std::vector<double> u_, v_;
    Rozsah rozsah_;
};

// The colour of a height on the scale from `dole` to `hore`: blue, cyan, green, yellow, red.
Barva BarvaVysky(double z, double dole, double hore);
// The longest length of 1, 2 or 5 × 10^n metres not longer than `nejvic` metres.
double DelkaMeritka(double nejvic);

// "Korekce obrazovky": asks the measured width and height of the test square, then sets each
// correction to twice the square's nominal size over the measured value. False (nothing
// changed) when a question is cancelled, or when the product of the answers is 0 (after
// "Špatné zadání!").
bool KorekceObrazovky(Platforma& platforma, Pohled& pohled);

} // namespace lomvira
