#pragma once
// The page surface that printed reports draw on: the Qt program prints through QPrinter
// (a printer or a PDF file), tests record the calls. Positions and sizes are millimetres
// from the top left corner of the printable area; font sizes are points.

#include <string>

namespace lomvira {

class PlochaTisku {
public:
    virtual ~PlochaTisku() = default;

    // Printable width and height of the page.
    virtual double Sirka() const = 0;
    virtual double Vyska() const = 0;

    // The font for the texts that follow. `dalsi` is the further style flag that reports
    // switch on together with bold.
    virtual void Pismo(const std::string& jmeno, double velikost, bool tucne, bool dalsi) = 0;
    // The drawing position: where the next text's top left corner goes.
    virtual void Pozice(double x, double y) = 0;
    virtual double X() const = 0;
    virtual double Y() const = 0;
    // Prints the text at the position. Without a line end the position moves to the text's
    // right end; with one it moves to the left margin (x = 0) of the next line.
    virtual void Text(const std::string& text, bool konecRadku = false) = 0;
    virtual double SirkaTextu(const std::string& text) const = 0;
    virtual double VyskaTextu(const std::string& text) const = 0;
    // A straight line; `sirka` is the line width in the printer's units (1 thin).
    virtual void Cara(double x1, double y1, double x2, double y2, int sirka = 1) = 0;
    virtual void NovaStrana() = 0;
    // Ends the document. False with a reason when it could not be finished (a full disk, a
    // printer that went away): the caller reports it, nothing claims success.
    virtual bool Konec(std::string& chyba) = 0;
};

} // namespace lomvira
