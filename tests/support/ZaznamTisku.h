#pragma once
// A page surface that records what the reports print: every text with its page, position
// and font, and every line. Texts are measured as a fixed-pitch font of 0.6 em per
// character; a page counts once something is drawn on it.

#include "common/PlochaTisku.h"

#include <string>
#include <vector>

namespace lomvira::test {

class ZaznamTisku : public PlochaTisku {
public:
    struct Napis {
        int strana;
        double x, y;
        std::string text, pismo;
        double velikost;
        bool tucne;
        double sirka;
    };
    struct Usek {
        int strana;
        double x1, y1, x2, y2;
        int sirka;
    };

    ZaznamTisku(double sirka = 200, double vyska = 287) : sirka_(sirka), vyska_(vyska) {}

    double Sirka() const override { return sirka_; }
    double Vyska() const override { return vyska_; }
    void Pismo(const std::string& jmeno, double velikost, bool tucne, bool dalsi) override;
    void Pozice(double x, double y) override { x_ = x, y_ = y; }
    double X() const override { return x_; }
    double Y() const override { return y_; }
    void Text(const std::string& text, bool konecRadku = false) override;
    double SirkaTextu(const std::string& text) const override;
    double VyskaTextu(const std::string&) const override { return velikost_ * 25.4 / 72 * 1.2; }
    void Cara(double x1, double y1, double x2, double y2, int sirka = 1) override;
    void NovaStrana() override { novaStrana_ = true; }
    bool Konec(std::string& chyba) override;

    int Stran() const { return strana_; }
    bool Ukonceno() const { return ukonceno_; }
    // The texts of one page (every page for 0), in print order, blanks left out.
    std::vector<Napis> Texty(int strana = 0) const;
    // The first text of the page equal to `text`; null when there is none.
    const Napis* Najdi(const std::string& text, int strana = 0) const;
    // The text printed on the same line right of the label (the label's value); "" when none.
    std::string Hodnota(const std::string& popis, int strana = 0) const;

    std::vector<Napis> texty;
    std::vector<Usek> cary;
    // Set to make Konec fail with this reason.
    std::string chybaKonce;

private:
    void Kresli();
    double sirka_, vyska_;
    double x_ = 0, y_ = 0;
    std::string pismo_;
    double velikost_ = 10;
    bool tucne_ = false;
    int strana_ = 0;
    bool novaStrana_ = true;
    bool ukonceno_ = false;
};

} // namespace lomvira::test
