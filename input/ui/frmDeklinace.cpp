#include "input/ui/frmDeklinace.h"

#include "coords/KrovakJTSK.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lomvira {

frmDeklinace::frmDeklinace(std::int32_t datum, QWidget* parent) : DialogPrikazu(QStringLiteral("Deklinace"), parent)
{
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* radek = new QHBoxLayout;
    hodnota_ = new QLineEdit(this);
    hodnota_->setObjectName("txtDeklinace");
    auto* popis = new QLabel(QStringLiteral("&Deklinace:"), this);
    popis->setBuddy(hodnota_);
    jednotky_ = VyberJednotek(this, "cmbJednotky");
    radek->addWidget(popis);
    radek->addWidget(hodnota_, 1);
    radek->addWidget(jednotky_);
    rozvrzeni->addLayout(radek);
    auto* smer = new QHBoxLayout;
    vychod_ = new QRadioButton(QStringLiteral("na &východ"), this);
    vychod_->setObjectName("optVychod");
    vychod_->setChecked(true);
    zapad_ = new QRadioButton(QStringLiteral("na &západ"), this);
    zapad_->setObjectName("optZapad");
    smer->addWidget(vychod_);
    smer->addWidget(zapad_);
    smer->addStretch(1);
    rozvrzeni->addLayout(smer);
    rozvrzeni->addWidget(VytvorDatum(DatumZapisniku(datum)));
    PridejTlacitka(rozvrzeni);
}

HotovyPrikaz frmDeklinace::Prikaz() const
{
    const auto hodnota = CtiCislo(hodnota_->text().toStdString());
    if (!hodnota)
        return {{}, "Deklinace není číslo."};
    return PrikazDeklinace(*hodnota, zapad_->isChecked(), jednotky_->currentIndex(), Datum());
}

} // namespace lomvira
