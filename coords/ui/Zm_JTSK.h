#pragma once
// The window "Převod souřadnic": one point from geographic coordinates to S-JTSK and back,
// with the meridian convergence at the point.

#include "coords/KrovakJTSK.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace lomvira {

class Zm_JTSK : public QDialog {
    Q_OBJECT

public:
    explicit Zm_JTSK(QWidget* parent = nullptr);

    // Latitude and longitude from their degree, minute and second boxes, in radians; empty,
    // after a message box, when a box holds no usable number.
    std::optional<double> CtiFi();
    std::optional<double> CtiLambda();
    void ZobrFi(double fi);
    void ZobrLambda(double lambda);
    // Shows the last convergence in the unit of the options.
    void Divergence();

    // "Převod ze zeměpisných souřadnic na JTSK" and "Převod ze souřadnic JTSK na zeměpisné".
    void NaJTSK();
    void NaZemepisne();

private:
    struct PoleUhlu {
        QLineEdit* stupne;
        QLineEdit* minuty;
        QLineEdit* vteriny;
    };

    QGridLayout* VytvorVstupy();
    QGroupBox* VytvorDivergenci();
    PoleUhlu VytvorPoleUhlu(const char* jmeno, const char* popis);
    std::optional<double> CtiUhel(const PoleUhlu& pole, const char* popis);
    static void ZobrUhel(const PoleUhlu& pole, double radiany);
    // A typed number, an empty box counting as zero when allowed; a message box otherwise.
    std::optional<double> CtiPole(QLineEdit* pole, const char* popis, bool prazdneJeNula);
    Meridian VybranyMeridian() const;
    void Zprava(const std::string& text);

    QComboBox* meridian_;
    PoleUhlu fi_;
    PoleUhlu lambda_;
    QLineEdit* vyska_;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* divergence_;
    QRadioButton* optStupne_;
    QRadioButton* optGrady_;
    QRadioButton* optDMS_;
    std::optional<double> konvergence_;
};

} // namespace lomvira
