#pragma once
// "Vlastnosti exportu do formátu DXF": view, drawing scale, output unit, point size and label
// height of the drawing, kept in the settings store.

#include "common/Nastaveni.h"
#include "output/ExportDXF.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace lomvira {

class Platforma;

class frmACAD : public QDialog {
    Q_OBJECT

public:
    // Shows the options; "Budiž" stores them in `moznosti`, the store and the option variables.
    frmACAD(MoznostiDXF& moznosti, UlozisteNastaveni& nastaveni, Volby& volby, Platforma& platforma,
            QWidget* parent = nullptr);

    // "Budiž": false (the dialog stays open, after a message) when a size is not a positive number.
    bool Potvrd();

private:
    MoznostiDXF& moznosti_;
    UlozisteNastaveni& nastaveni_;
    Volby& volby_;
    Platforma& platforma_;
    QRadioButton* opt3D_;
    QRadioButton* optXY_;
    QRadioButton* optXZ_;
    QRadioButton* optYZ_;
    QLineEdit* txtM1_;
    QLineEdit* txtM2_;
    QComboBox* comJednotky_;
    QLineEdit* txtVBodu_;
    QLineEdit* txtVelPisma_;
};

} // namespace lomvira
