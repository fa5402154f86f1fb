#pragma once
// The window "Analýza chyb": the error intensities of the shots of the network groups, the
// differences of the cross-links the user selects, and the most likely faulty cross-link
// of each group. A double click on a line selects its shot's measurement line in the
// notebook (again and again for each line of a shot measured more than once); a click on
// the value heading puts the worst values first.

#include "app/KontrolaChyb.h"

#include <QMainWindow>

#include <string>

class QAction;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lomvira {

class Form1;
class PlochaTisku;

class frmChyby : public QMainWindow {
    Q_OBJECT

public:
    explicit frmChyby(Form1& hlavni);

    // "Intenzita", "Rozdíly" (over the selected lines), "Najdi chybu": each loads and
    // vectorises first when needed; false when nothing could be run.
    bool Intenzita();
    bool Rozdily();
    bool NajdiChybu();
    // The value heading: worst first, and back to the order of the analysis.
    void RadPodleHodnoty();
    // A double click on a line.
    void VyberRadek(QListWidgetItem* polozka);
    // "Tisk": the list through the print dialog.
    bool Tisk();
    // The document "Tisk" prints, drawn on any page surface.
    std::string TiskniChyby(PlochaTisku& plocha) const;

    QListWidget* Seznam() const { return lstPricky_; }
    QPushButton* Nadpis() const { return nadpis_; }
    QAction* AkceTisk() const { return tisk_; }

private:
    bool Pripraveno();
    void Zobraz();

    Form1& hlavni_;
    KontrolaChyb kontrola_;
    QListWidget* lstPricky_ = nullptr;
    QPushButton* nadpis_ = nullptr;
    QAction* tisk_ = nullptr;
    bool podleHodnoty_ = false;
};

// Adds "Kontrola chyb" to the "Pomůcky" menu of the main window.
void PridejKontroluChyb(Form1& okno);
// "Kontrola chyb": loads and vectorises when needed, then opens the window.
void KontrolaChybPrikaz(Form1& okno);

} // namespace lomvira
