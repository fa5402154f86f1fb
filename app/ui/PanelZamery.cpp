#include "app/ui/PanelZamery.h"

#include "common/Cisla.h"
#include "app/Kontext.h"
#include "app/ui/FormatVypisu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace lomvira {

namespace {

// An angle deviation in its line's unit; radians need more decimals to say as much.
std::string Uhel(double value, int jednotky, char znak)
{
    return CisloOdchylky(value, jednotky == JednotkaRadiany ? 5 : 3, znak) + ZnackaUhlu(jednotky);
}

} // namespace

PanelZamery::PanelZamery(Kontext& kontext, QWidget* parent) : QWidget(parent), k_(kontext)
{
    vsechna_ = new QRadioButton(QStringLiteral("Všechna měření"), this);
    vsechna_->setObjectName("optVsechnaMereni");
    vsechna_->setChecked(true);
    stejna_ = new QRadioButton(QStringLiteral("Měření na stejné záměře"), this);
    stejna_->setObjectName("optStejnaZamera");
    auto* na1 = new QPushButton(QStringLiteral("Na 1. bod"), this);
    na1->setObjectName("cmdNa1Bod");
    auto* na2 = new QPushButton(QStringLiteral("Na 2. bod"), this);
    na2->setObjectName("cmdNa2Bod");
    auto* hlavicka = new QLabel(QString::fromUtf8(HlavickaZamer), this);
    hlavicka->setObjectName("lblHlavicka");
    hlavicka->setTextFormat(Qt::PlainText);
    seznam_ = new QListWidget(this);
    seznam_->setObjectName("lstZamery");
    pevnaPisma_ = {hlavicka, seznam_};

    auto* volby = new QHBoxLayout;
    volby->addWidget(vsechna_);
    volby->addWidget(stejna_);
    volby->addStretch(1);
    volby->addWidget(na1);
    volby->addWidget(na2);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(volby);
    rozvrh->addWidget(hlavicka);
    rozvrh->addWidget(seznam_, 1);
    rozvrh->addWidget(VytvorOdchylky());

    connect(vsechna_, &QRadioButton::toggled, this, [this] { Obnov(); });
    connect(seznam_, &QListWidget::currentRowChanged, this, &PanelZamery::PriVyberu);
    connect(na1, &QPushButton::clicked, this, [this] { Skok(true); });
    connect(na2, &QPushButton::clicked, this, [this] { Skok(false); });
}

QWidget* PanelZamery::VytvorOdchylky()
{
    auto* panel = new QWidget(this);
    auto* mrizka = new QGridLayout(panel);
    mrizka->setContentsMargins(0, 0, 0, 0);
    const char* const sloupce[] = {"Vzdálenost", "Směr", "Sklon"};
    const char* const jmena[] = {"txtOpakVzdalenost", "txtOpakSmer",   "txtOpakSklon",
                                 "txtVyrovVzdalenost", "txtVyrovSmer", "txtVyrovSklon"};
    for (int j = 0; j < 3; ++j)
        mrizka->addWidget(new QLabel(QString::fromUtf8(sloupce[j]), panel), 0, j + 1);
    const char* const radky[] = {"Odchylky pro více měření:", "Odchylky po vyrovnání    :"};
    for (int i = 0; i < 2; ++i) {
        auto* popis = new QLabel(QString::fromUtf8(radky[i]), panel);
        popis->setTextFormat(Qt::PlainText);
        pevnaPisma_.push_back(popis);
        mrizka->addWidget(popis, i + 1, 0);
        for (int j = 0; j < 3; ++j) {
            QLineEdit*& pole = odchylky_[static_cast<std::size_t>(i * 3 + j)];
            pole = new QLineEdit(panel);
            pole->setObjectName(jmena[i * 3 + j]);
            pole->setReadOnly(true);
            pole->setAlignment(Qt::AlignRight);
            mrizka->addWidget(pole, i + 1, j + 1);
        }
    }
    return panel;
}

void PanelZamery::Obnov()
{
    if (k_.stav.Zaneprazdneno())
        return;
    const SeznamMereni& s = k_.seznamMereni;
    if (zaznam_ > s.ListingCount())
        zaznam_ = 0;
    const char znak = FormatUzivatele().desetinny;
    std::vector<std::string> radky;
    zaznamy_.clear();
    if (vsechna_->isChecked()) {
        radky = s.VypisMereni(znak);
        for (int n = 1; n <= s.ListingCount(); ++n)
            if (s.GetListingRecord(n).Used == 1)
                zaznamy_.push_back(n);
    } else if (zaznam_ != 0) {
        // The lines the listing gives for the shot, matched to their measurements the same way.
        const MeasurementListRecord vybrany = s.GetListingRecord(zaznam_);
        const int zamera = std::abs(k_.model.shots.GetSignedShot(vybrany.From, vybrany.To));
        radky = s.VypisMereniZamery(k_.model, zamera, znak);
        for (int n = 1; zamera != 0 && n <= s.ListingCount(); ++n) {
            const MeasurementListRecord r = s.GetListingRecord(n);
            if (r.Used == 1 && std::abs(k_.model.shots.GetSignedShot(r.From, r.To)) == zamera)
                zaznamy_.push_back(n);
        }
    }
    zaznamy_.resize(radky.size(), 0);
    NaplnSeznam(seznam_, radky);
    VyberZaznam(zaznam_);
    UkazOdchylky();
}

void PanelZamery::VyberZaznam(int n)
{
    for (std::size_t i = 0; i < zaznamy_.size(); ++i) {
        if (zaznamy_[i] == n && n != 0) {
            seznam_->setCurrentRow(static_cast<int>(i));
            return;
        }
    }
}

void PanelZamery::PriVyberu(int radek)
{
    if (radek < 0 || radek >= static_cast<int>(zaznamy_.size()))
        return;
    zaznam_ = zaznamy_[static_cast<std::size_t>(radek)];
    UkazOdchylky();
}

void PanelZamery::UkazOdchylky()
{
    for (QLineEdit* pole : odchylky_)
        pole->clear();
    if (zaznam_ == 0 || k_.stav.Zaneprazdneno())
        return;
    const MeasurementListRecord r = k_.seznamMereni.GetListingRecord(zaznam_);
    const KodyMereni kody = RozbalKody(r.Flags);
    const char znak = FormatUzivatele().desetinny;
    if (r.HasRepeatDeviations == -1) {
        odchylky_[0]->setText(TextQ(CisloOdchylky(r.RepeatDevDistance, 3, znak)));
        odchylky_[1]->setText(TextQ(Uhel(r.RepeatDevDirection, kody.jednotkySmeru, znak)));
        odchylky_[2]->setText(TextQ(Uhel(r.RepeatDevInclination, kody.jednotkySklonu, znak)));
    }
    if (r.HasAdjustedDeviations == -1) {
        odchylky_[3]->setText(TextQ(CisloOdchylky(r.AdjustedDevDistance, 3, znak)));
        odchylky_[4]->setText(TextQ(Uhel(r.AdjustedDevDirection, kody.jednotkySmeru, znak)));
        odchylky_[5]->setText(TextQ(Uhel(r.AdjustedDevInclination, kody.jednotkySklonu, znak)));
    }
}

void PanelZamery::Skok(bool prvni)
{
    if (zaznam_ == 0 || k_.stav.Zaneprazdneno())
        return;
    const MeasurementListRecord r = k_.seznamMereni.GetListingRecord(zaznam_);
    const int stanice = prvni ? r.From : r.To;
    if (stanice != 0)
        emit NaBod(stanice);
}

void PanelZamery::Vycisti()
{
    zaznam_ = 0;
    zaznamy_.clear();
    seznam_->clear();
    UkazOdchylky();
}

void PanelZamery::NastavPismo(const QFont& pismo)
{
    for (QWidget* w : pevnaPisma_)
        w->setFont(pismo);
}

QStringList PanelZamery::Radky() const
{
    QStringList radky;
    for (int i = 0; i < seznam_->count(); ++i)
        radky.append(seznam_->item(i)->text());
    return radky;
}

} // namespace lomvira
