#pragma once
// What the sections of the protocol share: the start of a page, the frame of rows, texts
// fitted into table cells, and the number texts in the user's marks.

#include "reports/TiskProtokolu.h"

#include <string>

namespace lomvira {

class PlochaTisku;

enum class Zarovnani { Vlevo, Vpravo, NaStred };

// Draws through the page surface and remembers the font, so that a text too wide for its
// cell can be set a little smaller instead of running over the cell's rules.
class StranaTisku {
public:
    StranaTisku(PlochaTisku& plocha, BehTisku& beh) : plocha_(plocha), beh_(beh) {}

    PlochaTisku& Plocha() { return plocha_; }
    BehTisku& Beh() { return beh_; }
    double Sirka() const;
    double Vyska() const;

    // The start of every page: the page counter, the status line, the table font in that
    // size (bold, with the further flag), the position (10, 10) and an empty line.
    void ZacniStranu(double velikost);
    void PismoTab(double velikost, bool tucne) { Pismo(beh_.pismoTab, velikost, tucne); }
    void PismoProp(double velikost, bool tucne) { Pismo(beh_.pismoProp, velikost, tucne); }

    // The text between the cell edges `leva` and `prava`, its top at y, kept `odsazeni`
    // millimetres off the edges. A text wider than the cell shrinks to fit (to half its size
    // at most).
    void Text(const std::string& text, double leva, double prava, double y, Zarovnani z, double odsazeni = 1.0);
    // The same, centred in height between `horni` and `dolni`.
    void TextVBunce(const std::string& text, double leva, double prava, double horni, double dolni, Zarovnani z,
                    double odsazeni = 1.0);
    void Cara(double x1, double y1, double x2, double y2, int sirka = 1);
    void Obdelnik(double x1, double y1, double x2, double y2, int sirka);

private:
    void Pismo(const std::string& jmeno, double velikost, bool tucne);

    PlochaTisku& plocha_;
    BehTisku& beh_;
    std::string pismo_;
    double velikost_ = 8;
    bool tucne_ = true;
};

// The frame of the title sheet and the tables: from 15 mm to W - 15 across, from 40 mm to
// H - 5 down, in rows of equal height.
struct Ramec {
    Ramec(double sirka, double vyska, int radku);
    // Top of row i (1-based); Horni(radku + 1) is the bottom.
    double Horni(int i) const { return horni + (i - 1) * radek; }
    // The position of a grid line, `dilku` of the frame's width split into `deleni` parts.
    double Mrizka(double dilku, int deleni) const { return leva + (prava - leva) * dilku / deleni; }

    double leva, prava, horni, dolni, radek;
    int radku;
};

// The text as it fits `misto` millimetres in the surface's present font: a long file name
// loses its beginning ("...") rather than run out of its cell, as its end names the file.
std::string ZkratZleva(PlochaTisku& plocha, const std::string& text, double misto);

// Number texts with the user's marks; none shows a minus sign for a value that rounds to 0.
// "###0.000": the decimals fixed, no grouping.
std::string CisloTisku(double value, int decimals, const FormatCisel& f);
// "#,###,##0.000": with digit grouping.
std::string CisloSkupinTisku(double value, int decimals, const FormatCisel& f);
// "##0.0###": at least `minimum`, at most `maximum` decimals.
std::string CisloPromenneTisku(double value, int maximum, int minimum, const FormatCisel& f);
// An angle in radians as degrees, minutes and seconds.
std::string UhelDMS(double radians, const FormatCisel& f);
// An angle in radians in grads with the mask "###0.00##g".
std::string UhelGrady(double radians, const FormatCisel& f);

} // namespace lomvira
