#include "app/ui/frmPohled.h"

#include "common/Cisla.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace lomvira {

frmPohled::frmPohled(bool pudorys, double azimut, char desetinnyZnak, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPohled");
    setWindowTitle(QStringLiteral("Vlastnosti zobrazení"));
    auto* smer = new QGroupBox(QStringLiteral("Směr pohledu"), this);
    optPudorys_ = new QRadioButton(QStringLiteral("Půdorys"), smer);
    optPudorys_->setObjectName("optPudorys");
    optRez_ = new QRadioButton(QStringLiteral("Řez"), smer);
    optRez_->setObjectName("optRez");
    txtAzimut_ = new QLineEdit(smer);
    txtAzimut_->setObjectName("txtAzimut");
    std::string text = FormatCisloBezNul(azimut, 4);
    std::replace(text.begin(), text.end(), '.', desetinnyZnak);
    txtAzimut_->setText(QString::fromStdString(text));
    auto* popis = new QLabel(QStringLiteral("Azimut pohledu:"), smer);
    popis->setBuddy(txtAzimut_);
    auto* radekAzimutu = new QHBoxLayout;
    radekAzimutu->addWidget(popis);
    radekAzimutu->addWidget(txtAzimut_);
    auto* rozvrzeniSmeru = new QVBoxLayout(smer);
    rozvrzeniSmeru->addWidget(optPudorys_);
    rozvrzeniSmeru->addWidget(optRez_);
    rozvrzeniSmeru->addLayout(radekAzimutu);

    auto* tlacitka = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    tlacitka->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Zrušit"));
    connect(tlacitka, &QDialogButtonBox::accepted, this, &frmPohled::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(smer);
    rozvrzeni->addWidget(tlacitka);

    // The plan has no azimuth.
    connect(optPudorys_, &QRadioButton::toggled, txtAzimut_, [this](bool plan) { txtAzimut_->setEnabled(!plan); });
    (pudorys ? optPudorys_ : optRez_)->setChecked(true);
    txtAzimut_->setEnabled(!pudorys);
}

bool frmPohled::Pudorys() const
{
    return optPudorys_->isChecked();
}

std::optional<double> frmPohled::Azimut() const
{
    const std::string text = CarkaNaTecku(txtAzimut_->text().toStdString());
    const double azimut = Val(text);
    if (text.find_first_of("0123456789") == std::string::npos || !std::isfinite(azimut))
        return std::nullopt;
    return azimut;
}

void frmPohled::accept()
{
    if (!Pudorys() && !Azimut()) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Azimut pohledu musí být číslo ve stupních."));
        txtAzimut_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace lomvira
