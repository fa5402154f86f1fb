#include "app/ui/AddPri.h"

#include "app/Kontext.h"
#include "app/ui/FormatVypisu.h"
#include "common/Cisla.h"
#include "common/Text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lomvira {

namespace {

constexpr const char* Titulek = "Připojení měření";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

AddPri::AddPri(Kontext& kontext, int oblast, QWidget* parent) : QDialog(parent), k_(kontext)
{
    setObjectName("AddPri");
    setWindowTitle(Q(Titulek));
    if (const SourSystem* s = k_.Soustava())
        t_.Create(*s);
    stanice_ = new QListWidget(this);
    stanice_->setObjectName("lstPocitany");
    daneBody_ = new QListWidget(this);
    daneBody_->setObjectName("lstDany");
    auto* popisStanice = new QLabel(QStringLiteral("&Počítaný bod:"), this);
    popisStanice->setBuddy(stanice_);
    auto* popisDaneho = new QLabel(QStringLiteral("&Daný bod:"), this);
    popisDaneho->setBuddy(daneBody_);
    auto* seznamy = new QGridLayout;
    seznamy->addWidget(popisStanice, 0, 0);
    seznamy->addWidget(stanice_, 1, 0);
    seznamy->addWidget(popisDaneho, 0, 1);
    seznamy->addWidget(daneBody_, 1, 1);
    auto* formular = new QFormLayout;
    const char* const popisky[] = {t_.Lab1(), t_.Lab2(), t_.Lab3()};
    for (int i = 0; i < 3; ++i) {
        souradnice_[i] = new QLineEdit(this);
        souradnice_[i]->setObjectName(QStringLiteral("txtSouradnice%1").arg(i + 1));
        souradnice_[i]->setReadOnly(true);
        formular->addRow(Q(popisky[i]) + ":", souradnice_[i]);
    }
    auto* tlacitka = new QDialogButtonBox(this);
    tlacitka->addButton(QStringLiteral("&Budiž"), QDialogButtonBox::AcceptRole)->setObjectName("cmdBudiz");
    tlacitka->addButton(QStringLiteral("Z&rušit"), QDialogButtonBox::RejectRole)->setObjectName("cmdZrusit");
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(seznamy, 1);
    rozvrh->addLayout(formular);
    rozvrh->addWidget(tlacitka);

    const RegionTable& oblasti = k_.model.regions;
    const int r = oblast >= 1 && oblast <= oblasti.RegionCount() ? oblast : 0;
    for (int i = 1; i <= oblasti.RegionStationCount(r); ++i) {
        const int s = oblasti.GetRegionStation(r, i);
        cislaStanic_.push_back(s);
        stanice_->addItem(Q(Orizni(k_.model.stations.GetStationName(s))));
    }
    const GivenPointTable& dane = k_.model.givenPoints;
    for (int g = 1; g <= dane.GivenPointCount(); ++g)
        daneBody_->addItem(Q(Orizni(dane.GetGivenPoint(g).Name)));
    connect(daneBody_, &QListWidget::currentRowChanged, this, &AddPri::UkazDanyBod);
    connect(stanice_, &QListWidget::itemDoubleClicked, this, &AddPri::Budiz);
    connect(tlacitka, &QDialogButtonBox::accepted, this, &AddPri::Budiz);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    stanice_->setCurrentRow(cislaStanic_.empty() ? -1 : 0);
    daneBody_->setCurrentRow(daneBody_->count() > 0 ? 0 : -1);
}

bool AddPri::MuzeOtevrit() const
{
    const char* proc = k_.model.stations.StationCount() == 0 ? "počítané"
                       : k_.model.givenPoints.GivenPointCount() == 0 ? "dané"
                                                                   : nullptr;
    if (!proc)
        return true;
    k_.platforma.ZpravaBox(std::string("Nelze provést připojení,\r\nzápisník neobsahuje žádné ") + proc + " body!",
                           MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
    return false;
}

void AddPri::Vyber(int stanice, int danyBod)
{
    const auto i = std::find(cislaStanic_.begin(), cislaStanic_.end(), stanice);
    if (i != cislaStanic_.end())
        stanice_->setCurrentRow(static_cast<int>(i - cislaStanic_.begin()));
    if (danyBod >= 1 && danyBod <= daneBody_->count())
        daneBody_->setCurrentRow(danyBod - 1);
}

int AddPri::VybranaStanice() const
{
    const int r = stanice_->currentRow();
    return r >= 0 && r < static_cast<int>(cislaStanic_.size()) ? cislaStanic_[static_cast<std::size_t>(r)] : 0;
}

void AddPri::UkazDanyBod()
{
    const StationRecord p = k_.model.givenPoints.GetGivenPoint(daneBody_->currentRow() + 1);
    const ZBod z = t_.Vystup({p.Name, p.X, p.Y, p.Z});
    const double hodnoty[] = {z.X, z.Y, z.Z};
    for (int i = 0; i < 3; ++i)
        souradnice_[i]->setText(daneBody_->currentRow() < 0 ? QString() : Q(CisloOdchylky(hodnoty[i], 3, FormatUzivatele().desetinny)));
}

void AddPri::Budiz()
{
    const int radek = stanice_->currentRow();
    const int g = daneBody_->currentRow() + 1;
    if (radek < 0 || g < 1) {
        k_.platforma.ZpravaBox("Vyberte počítaný bod i daný bod.", MsgBox::Exclamation, Titulek);
        return;
    }
    k_.model.AddConnection(cislaStanic_[static_cast<std::size_t>(radek)], g, k_.stav);
    k_.StavovyRadek("");
    accept();
}

} // namespace lomvira
