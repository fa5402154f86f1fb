#pragma once
// The page surface on a Qt paged device: a printer (QPrinter) or a PDF writer. Millimetres
// from the top left corner of the printable area; fonts by name, with an installed font
// of the same kind standing in for one the machine lacks.

#include "common/PlochaTisku.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPageLayout>

#include <functional>
#include <memory>
#include <string>

class QPagedPaintDevice;

namespace lomvira {

// The installed family that prints a font name: the font itself when the machine has it
// with the Czech letters, else its metric twin (Liberation Serif for "Times New Roman CE",
// Liberation Mono for "Courier New CE"...), else a serif or a fixed-pitch font that has the
// Czech letters. A fixed-pitch font is chosen for names that sound like one (Courier, Mono...).
QString NahradniPismo(const QString& jmeno);

// Whether the family draws every Czech letter itself.
bool MaCeskaPismena(const QString& rodina);

class QtPlochaTisku : public PlochaTisku {
public:
    // Draws on the device, which stays the caller's; the page is set upright. `overeni`
    // (when given) tells at the end whether the device took the document: "" or the reason.
    explicit QtPlochaTisku(QPagedPaintDevice& zarizeni, std::function<std::string()> overeni = {});
    ~QtPlochaTisku() override;

    double Sirka() const override { return sirka_; }
    double Vyska() const override { return vyska_; }
    void Pismo(const std::string& jmeno, double velikost, bool tucne, bool dalsi) override;
    void Pozice(double x, double y) override
    {
        x_ = x;
        y_ = y;
    }
    double X() const override { return x_; }
    double Y() const override { return y_; }
    void Text(const std::string& text, bool konecRadku = false) override;
    double SirkaTextu(const std::string& text) const override;
    double VyskaTextu(const std::string& text) const override;
    void Cara(double x1, double y1, double x2, double y2, int sirka = 1) override;
    void NovaStrana() override { novaStrana_ = true; }
    bool Konec(std::string& chyba) override;

    // The family that printed the last font set.
    QString Rodina() const { return pismo_.family(); }

private:
    void Kresli();

    QPagedPaintDevice& zarizeni_;
    std::function<std::string()> overeni_;
    QPainter painter_;
    double pixelu_ = 1;  // device pixels per millimetre
    double sirka_ = 0, vyska_ = 0;
    double x_ = 0, y_ = 0;
    QFont pismo_;
    bool novaStrana_ = false;
    bool ukonceno_ = false;
    QHash<QString, QString> rodiny_; // font name -> the family that prints it
};

// The print time stamp: the current date, " - ", the current time, in the short forms of
// the user's locale.
std::string CasovaZnackaTisku();

// The page of the PDF output: A4 upright with margins of 5 mm, as a printer prints it.
QPageLayout StrankaPdf();

// A surface that writes a PDF file: the document is made in memory and written to the file
// completely or not at all when it ends (Konec reports the failure with the file's name).
std::unique_ptr<PlochaTisku> PlochaPdf(const std::string& cesta, const QPageLayout& stranka = StrankaPdf());

} // namespace lomvira
