#pragma once
// The window "Nastavení parametrů": the accuracy ratios, the azimuth tolerance, the
// treatment of repeated measurements and the questions of the computation.

#include "adjust/ParametryVypoctu.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace lomvira {

class FParam : public QDialog {
    Q_OBJECT

public:
    // `vychozi`: what "Obnovit výchozí" brings; `zeZapisniku`: the ratios of the loaded
    // notebook, none when nothing is loaded; `nastavVychozi` is called by "Nastavit jako výchozí".
    FParam(const HodnotyParametru& hodnoty, const Pomery& vychozi, std::optional<Pomery> zeZapisniku,
           std::function<void(const Pomery&)> nastavVychozi, QWidget* parent = nullptr);

    // The values "Budiž" read; the opening values until then.
    const HodnotyParametru& Vysledek() const { return vysledek_; }

private:
    void NaplnPomery(const Pomery& p);
    // The three ratio boxes; none after a message naming the refused box.
    std::optional<Pomery> CtiPomery();
    std::optional<double> Cti(PoleParametru druh, QLineEdit* pole, const NaplnenePole& naplneno);
    void Budiz();

    QLineEdit* TDK_;
    QLineEdit* TFK_;
    QLineEdit* TEK_;
    QLineEdit* txtTolerance_;
    QCheckBox* chDotaz1_;
    QCheckBox* chDotaz2_;
    QRadioButton* optMultimereni_[2];
    NaplnenePole naplneno_[4];
    Pomery vychozi_;
    std::optional<Pomery> zeZapisniku_;
    std::function<void(const Pomery&)> nastavVychozi_;
    HodnotyParametru vysledek_;
};

} // namespace lomvira
