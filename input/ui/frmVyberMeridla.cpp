#include "input/ui/frmVyberMeridla.h"

#include "coords/KrovakJTSK.h"
#include "input/MeridlaStav.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lomvira {

namespace {

QString Titulek(int druh)
{
    return druh == DruhMeridla::Delkomer ? QStringLiteral("Výběr délkoměru")
        : druh == DruhMeridla::Kompas    ? QStringLiteral("Výběr kompasu")
                                         : QStringLiteral("Výběr sklonoměru");
}

} // namespace

frmVyberMeridla::frmVyberMeridla(int druh, const RozborZapisniku& rozbor, std::int32_t datum, QWidget* parent)
    : DialogPrikazu(Titulek(druh), parent), druh_(druh)
{
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* mrizka = new QGridLayout;
    jmena_ = new QComboBox(this);
    jmena_->setObjectName("cmbJmeno");
    for (const std::string& j : rozbor.Jmena(druh)) {
        jmena_->addItem(QString::fromStdString(j));
        jednotky_.push_back(druh == DruhMeridla::Kompas ? rozbor.JednotkyKompasu(j) : 0);
    }
    jmena_->setCurrentIndex(jmena_->count() - 1);
    auto* popis = new QLabel(QStringLiteral("&Měřidlo:"), this);
    popis->setBuddy(jmena_);
    mrizka->addWidget(popis, 0, 0);
    mrizka->addWidget(jmena_, 0, 1, 1, 2);
    if (druh == DruhMeridla::Kompas) {
        popisJednotek_ = new QLabel(this);
        popisJednotek_->setObjectName("lblJednotky");
        mrizka->addWidget(new QLabel(QStringLiteral("Jednotky:"), this), 1, 0);
        mrizka->addWidget(popisJednotek_, 1, 1, 1, 2);
        chkOdchylka_ = new QCheckBox(QStringLiteral("&Odchylka:"), this);
        chkOdchylka_->setObjectName("chkOdchylka");
        odchylka_ = new QLineEdit(QStringLiteral("0"), this);
        odchylka_->setObjectName("txtOdchylka");
        odchylka_->setEnabled(false);
        znacka_ = new QLabel(this);
        connect(chkOdchylka_, &QCheckBox::toggled, odchylka_, &QWidget::setEnabled);
        mrizka->addWidget(chkOdchylka_, 2, 0);
        mrizka->addWidget(odchylka_, 2, 1);
        mrizka->addWidget(znacka_, 2, 2);
        connect(jmena_, &QComboBox::currentIndexChanged, this, &frmVyberMeridla::UkazJednotky);
        UkazJednotky();
    }
    rozvrzeni->addLayout(mrizka);
    rozvrzeni->addWidget(VytvorDatum(DatumZapisniku(datum)));
    PridejTlacitka(rozvrzeni);
}

void frmVyberMeridla::UkazJednotky()
{
    const int i = jmena_->currentIndex();
    const int j = i >= 0 ? jednotky_[static_cast<std::size_t>(i)] : 0;
    popisJednotek_->setText(QString::fromUtf8(PopisJednotek(j)));
    znacka_->setText(QString::fromUtf8(ZnackaJednotek(j)));
}

HotovyPrikaz frmVyberMeridla::Prikaz() const
{
    VyberMeridla v;
    v.druh = druh_;
    v.jmeno = jmena_->currentText().toStdString();
    const int i = jmena_->currentIndex();
    v.jednotky = i >= 0 ? jednotky_[static_cast<std::size_t>(i)] : 0;
    if (chkOdchylka_ && chkOdchylka_->isChecked()) {
        v.odchylka = CtiCislo(odchylka_->text().toStdString());
        if (!v.odchylka)
            return {{}, "Odchylka není číslo."};
    }
    v.radekDatumu = Datum();
    return PrikazVyberu(v);
}

} // namespace lomvira
