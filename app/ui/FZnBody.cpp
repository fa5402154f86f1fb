#include "app/ui/FZnBody.h"

#include "app/Kontext.h"
#include "app/ui/FormatVypisu.h"
#include "common/Text.h"
#include "coords/SourSystTransf.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lomvira {

namespace {

constexpr const char* Titulek = "Zadané body";

std::string NazevSoustavy(const SourSystem* s)
{
    if (!s || s->Typ() == 0)
        return "nebyl definován";
    return s->JTSK() ? "JTSK" : "vlastní";
}

} // namespace

FZnBody::FZnBody(Kontext& kontext, int oblast, QWidget* parent) : QDialog(parent), k_(kontext)
{
    setObjectName("FZnBody");
    setWindowTitle(QString::fromUtf8(Titulek));
    const SourSystTransf t(k_.Soustava() ? *k_.Soustava() : SourSystem());
    auto* ramec = new QGroupBox(TextQ("Připojovací body pro "
                                      + (oblast >= 1 ? "oblast " + std::to_string(oblast) : "všechny oblasti")),
                                this);
    ramec->setObjectName("fraBody");
    seznam_ = new QTreeWidget(ramec);
    seznam_->setObjectName("lstBody");
    seznam_->setRootIsDecorated(false);
    seznam_->header()->setStretchLastSection(false);
    seznam_->setHeaderLabels({QStringLiteral("Bod"), TextQ(t.Lab1()), TextQ(t.Lab2()), TextQ(t.Lab3())});
    (new QVBoxLayout(ramec))->addWidget(seznam_);
    auto* soustava = new QLabel(TextQ("Souřadný systém " + NazevSoustavy(k_.Soustava())), this);
    soustava->setObjectName("fraSoustava");
    auto* tlacitka = new QDialogButtonBox(this);
    QPushButton* vymaz = tlacitka->addButton(QStringLiteral("&Vymaž"), QDialogButtonBox::ActionRole);
    vymaz->setObjectName("cmdVymaz");
    tlacitka->addButton(QStringLiteral("&Zavři"), QDialogButtonBox::RejectRole)->setObjectName("cmdZavri");
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(ramec, 1);
    rozvrh->addWidget(soustava);
    rozvrh->addWidget(tlacitka);
    connect(vymaz, &QPushButton::clicked, this, &FZnBody::Vymaz);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 380);
    Obnov();
}

void FZnBody::Obnov()
{
    const int vybrany = seznam_->indexOfTopLevelItem(seznam_->currentItem());
    seznam_->clear();
    const SourSystTransf t(k_.Soustava() ? *k_.Soustava() : SourSystem());
    const FormatCisel f = FormatUzivatele();
    const GivenPointTable& dane = k_.model.givenPoints;
    for (int i = 1; i <= dane.GivenPointCount(); ++i) {
        const StationRecord p = dane.GetGivenPoint(i);
        const ZBod z = t.Vystup({p.Name, p.X, p.Y, p.Z});
        QStringList sloupce{TextQ(Orizni(p.Name))};
        for (const double c : {z.X, z.Y, z.Z})
            sloupce.append(TextQ(CisloOdchylky(c, 3, f.desetinny)));
        auto* polozka = new QTreeWidgetItem(sloupce);
        for (int s = 1; s <= 3; ++s)
            polozka->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
        seznam_->addTopLevelItem(polozka);
    }
    for (int s = 0; s < 4; ++s)
        seznam_->resizeColumnToContents(s);
    Vyber(std::min(vybrany, static_cast<int>(dane.GivenPointCount()) - 1) + 1);
}

void FZnBody::Vyber(int danyBod)
{
    if (QTreeWidgetItem* p = seznam_->topLevelItem(danyBod - 1))
        seznam_->setCurrentItem(p);
}

void FZnBody::Vymaz()
{
    const int n = seznam_->indexOfTopLevelItem(seznam_->currentItem()) + 1;
    if (n < 1)
        return;
    const std::string jmeno = Orizni(k_.model.givenPoints.GetGivenPoint(n).Name);
    if (k_.platforma.ZpravaBox("Opravdu chcete smazat daný bod '" + jmeno + "'?", MsgBox::YesNo | MsgBox::Question,
                               Titulek)
        != MsgBox::Yes)
        return;
    k_.model.DeleteGivenPoint(n, k_.platforma, k_.stav);
    k_.StavovyRadek("");
    if (PriSmazani)
        PriSmazani(jmeno);
    Obnov();
}

} // namespace lomvira
