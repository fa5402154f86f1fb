#include "app/ui/PanelDaneBody.h"

#include "app/Kontext.h"
#include "common/Text.h"
#include "app/ui/FormatVypisu.h"
#include "coords/SourSystTransf.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace lomvira {

PanelDaneBody::PanelDaneBody(Kontext& kontext, QWidget* parent)
    : PanelSeznamu("lstDaneBody", parent), k_(kontext)
{
    SestavSDvemaPohledy(QStringLiteral("Souřadnice"), "optSouradnice", QStringLiteral("Zdroje"), "optZdroje",
                        [this] { Obnov(); });
}

void PanelDaneBody::Obnov()
{
    if (k_.stav.Zaneprazdneno())
        return;
    QStringList radky;
    QString hlavicka;
    if (k_.nacti) {
        if (prvniPohled_->isChecked())
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





} // namespace lomvira
