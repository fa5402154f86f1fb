#pragma once
// The window "Souřadnicový systém": composes the notebook's coordinate-system command from
// choices on the screen.

#include "coords/PrikazSouSys.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace lomvira {

// The axes of an own system: X turned by its azimuth, Y to its left or right.
class ObrazekOs : public QWidget {
    Q_OBJECT

public:
    explicit ObrazekOs(QWidget* parent = nullptr);
    void Nastav(double azimutX, bool levotocivy);
    double AzimutX() const { return azimut_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double azimut_ = 0.0; // radians, clockwise from up
    bool levotocivy_ = false;
};

class frmInsSourSys : public QDialog {
    Q_OBJECT

public:
    // Preset with the choices of the notebook's present system (or the defaults).
    explicit frmInsSourSys(const VolbySouSys& volby, QWidget* parent = nullptr);

    // S-JTSK axis order of the present system: X before Y.
    bool XY = false;
    // The present command is to be replaced by the new one.
    bool SmazPuvodni = false;

    VolbySouSys Volby() const;
    // The command line "Vložit" built; empty when the window was cancelled.
    const std::string& Prikaz() const { return prikaz_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void Form_Load();
    void Nastav(const VolbySouSys& v);
    void UkazSystem();
    void UkazKonvergenci();
    void UkazSrovnani();
    void PouzijUhelX();
    void Vloz();

    QRadioButton* optSJTSK_;
    QRadioButton* optSVlastni_;
    QGroupBox* fraJTSK_;
    QComboBox* cmbJTSKKonv_;
    QLineEdit* txtKonvergence_;
    QComboBox* cmbKonvJedn_;
    QGroupBox* fraVlastni_;
    QLineEdit* txtUhX_;
    QComboBox* cmbOsXJedn_;
    QRadioButton* optLToc_;
    QRadioButton* optPToc_;
    ObrazekOs* obrazek_;
    QRadioButton* optVVlastni_;
    QRadioButton* optVBPV_;
    QCheckBox* cheSr_;
    QGroupBox* fraSr_;
    QRadioButton* optSrV_;
    QRadioButton* optSrB_;
    QLineEdit* txtSr_;
    QComboBox* cmbZpVyrovnani_;
    std::string prikaz_;
};

} // namespace lomvira
