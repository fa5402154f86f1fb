#include "app/ui/PanelDaneBody.h"

#include "app/Kontext.h"
#include "app/Text.h"
#include "app/ui/FormatVypisu.h"
#include "coords/SourSystTransf.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lomvira {

PanelDaneBody::PanelDaneBody(Kontext& kontext, QWidget* parent) : QWidget(parent), k_(kontext)
{
    souradnice_ = new QRadioButton(QStringLiteral("Souřadnice"), this);
    souradnice_->setObjectName("optSouradnice");
    souradnice_->setChecked(true);
    zdroje_ = new QRadioButton(QStringLiteral("Zdroje"), this);
    zdroje_->setObjectName("optZdroje");
    auto* obnov = new QPushButton(QStringLiteral("Obnov"), this);
    obnov->setObjectName("cmdObnov");
    hlavicka_ = new QLabel(this);
    hlavicka_->setObjectName("lblHlavicka");
    hlavicka_->setTextFormat(Qt::PlainText);
    seznam_ = new QListWidget(this);
    seznam_->setObjectName("lstDaneBody");

    auto* volby = new QHBoxLayout;
    volby->addWidget(souradnice_);
    volby->addWidget(zdroje_);
    volby->addStretch(1);
    volby->addWidget(obnov);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(volby);
    rozvrh->addWidget(hlavicka_);
    rozvrh->addWidget(seznam_, 1);

    connect(souradnice_, &QRadioButton::toggled, this, [this] { Obnov(); });
    connect(obnov, &QPushButton::clicked, this, [this] { Obnov(); });
}

void PanelDaneBody::Obnov()
{
    if (k_.stav.Zaneprazdneno())
        return;
    QStringList radky;
    QString hlavicka;
    if (k_.nacti) {
        if (souradnice_->isChecked())
            Souradnice(radky, hlavicka);
        else
            Zdroje(radky, hlavicka);
    }
    hlavicka_->setText(hlavicka);
    seznam_->clear();
    seznam_->addItems(radky);
}

// The coordinates as the notebook's system writes them, labelled by its axes.
void PanelDaneBody::Souradnice(QStringList& radky, QString& hlavicka) const
{
    const SourSystTransf t(k_.nacti->SourSys());
    hlavicka = TextQ(PevnaSirka("Bod", 10) + " " + ZarovnejVpravo(t.Lab1(), 13) + "  " + ZarovnejVpravo(t.Lab2(), 13)
                     + "  " + ZarovnejVpravo(t.Lab3(), 10));
    const FormatCisel f = FormatUzivatele();
    const GivenPointTable& dane = k_.model.givenPoints;
    for (int i = 1; i <= dane.GivenPointCount(); ++i) {
        const StationRecord p = dane.GetGivenPoint(i);
        radky.append(TextQ(RadekBodu(p.Name, t.Vystup({p.Name, p.X, p.Y, p.Z}), std::nullopt, f)));
    }
}

void PanelDaneBody::Zdroje(QStringList& radky, QString& hlavicka) const
{
    hlavicka = TextQ(PevnaSirka("Bod", 10) + " " + PevnaSirka("Shodný bod", 10) + " Zdroj");
    const GivenPointTable& dane = k_.model.givenPoints;
    for (int i = 1; i <= dane.GivenPointCount(); ++i) {
        const GivenPointSource z = dane.GetGivenPointSource(i);
        radky.append(TextQ(PevnaSirka(dane.GetGivenPoint(i).Name, 10) + " " + PevnaSirka(z.EqualName, 10) + " "
                           + z.Source));
    }
}

void PanelDaneBody::Vycisti()
{
    hlavicka_->clear();
    seznam_->clear();
}

void PanelDaneBody::NastavPismo(const QFont& pismo)
{
    hlavicka_->setFont(pismo);
    seznam_->setFont(pismo);
}

QStringList PanelDaneBody::Radky() const
{
    QStringList radky;
    for (int i = 0; i < seznam_->count(); ++i)
        radky.append(seznam_->item(i)->text());
    return radky;
}

QString PanelDaneBody::Hlavicka() const
{
    return hlavicka_->text();
}

} // namespace lomvira
