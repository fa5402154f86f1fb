#include "app/ui/PanelBody.h"

#include "app/Kontext.h"
#include "common/Text.h"
#include "app/ui/FormatVypisu.h"
#include "reports/VypisBodu.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace lomvira {

PanelBody::PanelBody(Kontext& kontext, QWidget* parent) : PanelSeznamu("lstBody", parent), k_(kontext)
{
    auto* rozvrh = new QVBoxLayout(this);
    hlavicka_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    abecedne_ = new QCheckBox(QStringLiteral("Řadit dle abecedy"), this);
    abecedne_->setObjectName("chkAbecedne");
    rozvrh->addWidget(hlavicka_);
    rozvrh->addWidget(seznam_, 1);
    rozvrh->addWidget(abecedne_);
    connect(abecedne_, &QCheckBox::toggled, this, [this] { Obnov(oblast_); });
}

void PanelBody::Obnov(int oblast)
{
    oblast_ = oblast;
    // The model is being rebuilt while a long operation yields; its end refreshes the panel.
    if (k_.stav.Zaneprazdneno())
        return;
    if (!k_.nacti) {
        Vycisti();
        return;
    }
    const int druh = k_.nacti->SourSys().RelativniVysky();
    const bool relativni = druh == VyskyKHladine || druh == VyskyKBodu;
    QStringList hlavicka;
    for (const std::string& radek : HlavickaBodu(k_.Soustava(), relativni))
        hlavicka.append(TextQ(radek));
    hlavicka_->setText(hlavicka.join(QLatin1Char('\n')));
    const QString vybrany =
        seznam_->currentItem() ? TextQ(ZnakyZleva(seznam_->currentItem()->text().toStdString(), 11)) : QString();
    NaplnSeznam(seznam_, VypisBodu(k_.Body(), oblast, abecedne_->isChecked(), relativni, FormatUzivatele()));
    // The same station stays selected when the order or the coordinates change.
    for (int i = 0; !vybrany.isEmpty() && i < seznam_->count(); ++i)
        if (seznam_->item(i)->text().startsWith(vybrany))
            seznam_->setCurrentRow(i);
}


bool PanelBody::VyberBod(int stanice)
{
    if (stanice < 1 || stanice > k_.model.stations.StationCount())
        return false;
    // Names are unique in their first ten characters, and every line starts with them.
    const QString zacatek = TextQ(PevnaSirka(k_.model.stations.GetStationName(stanice), 10) + " ");
    for (int i = 0; i < seznam_->count(); ++i) {
        if (seznam_->item(i)->text().startsWith(zacatek)) {
            seznam_->setCurrentRow(i);
            seznam_->scrollToItem(seznam_->item(i));
            return true;
        }
    }
    return false;
}




} // namespace lomvira
