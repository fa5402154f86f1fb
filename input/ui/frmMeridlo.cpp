#include "input/ui/frmMeridlo.h"

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
    return druh == DruhMeridla::Delkomer ? QStringLiteral("Zadání délkoměru")
        : druh == DruhMeridla::Kompas    ? QStringLiteral("Zadání kompasu")
                                         : QStringLiteral("Zadání sklonoměru");
}

// An empty box is 0; anything else must be a number.
std::optional<double> Cislo(const QLineEdit* pole)
{
    const std::string text = pole->text().trimmed().toStdString();
    return text.empty() ? std::optional<double>(0.0) : CtiCislo(text);
}

} // namespace

frmMeridlo::frmMeridlo(int druh, QWidget* parent) : DialogPrikazu(Titulek(druh), parent), druh_(druh)
{
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* mrizka = new QGridLayout;
    int r = 0;
    auto radek = [&](const QString& popis, QWidget* pole, QWidget* za = nullptr) {
        auto* l = new QLabel(popis, this);
        l->setBuddy(pole);
        mrizka->addWidget(l, r, 0);
        mrizka->addWidget(pole, r, 1);
        if (za)
            mrizka->addWidget(za, r, 2);
        ++r;
    };
    jmeno_ = new QLineEdit(this);
    jmeno_->setObjectName("txtJmeno");
    radek(QStringLiteral("&Název:"), jmeno_);
    if (druh != DruhMeridla::Kompas) {
        zpusob_ = new QComboBox(this);
        zpusob_->setObjectName("cmbZpusob");
        if (druh == DruhMeridla::Delkomer)
            zpusob_->addItems({QStringLiteral("šikmá vzdálenost"), QStringLiteral("vodorovná vzdálenost"),
                               QStringLiteral("svislá vzdálenost (hloubka)")});
        else
            zpusob_->addItems({QStringLiteral("od horizontu (výškový úhel)"), QStringLiteral("od zenitu (zenitový úhel)")});
        radek(QStringLiteral("&Způsob měření:"), zpusob_);
    }
    if (druh != DruhMeridla::Delkomer) {
        jednotky_ = VyberJednotek(this, "cmbJednotky");
        radek(QStringLiteral("&Jednotky:"), jednotky_);
        connect(jednotky_, &QComboBox::currentIndexChanged, this, &frmMeridlo::UkazJednotky);
    }
    presnost_ = new QLineEdit(this);
    presnost_->setObjectName("txtPresnost");
    jednotkaPresnosti_ = new QLabel(this);
    radek(QStringLiteral("&Přesnost:"), presnost_, jednotkaPresnosti_);
    if (druh == DruhMeridla::Kompas) {
        odchylka_ = new QLineEdit(QStringLiteral("0"), this);
        odchylka_->setObjectName("txtOdchylka");
        jednotkaOdchylky_ = new QLabel(this);
        radek(QStringLiteral("&Odchylka:"), odchylka_, jednotkaOdchylky_);
    }
    rozvrzeni->addLayout(mrizka);
    pouzit_ = new QCheckBox(QStringLiteral("P&oužít od tohoto místa zápisníku"), this);
    pouzit_->setObjectName("chkPouzit");
    pouzit_->setChecked(true);
    rozvrzeni->addWidget(pouzit_);
    PridejTlacitka(rozvrzeni);
    UkazJednotky();
}

void frmMeridlo::UkazJednotky()
{
    if (druh_ == DruhMeridla::Delkomer) {
        jednotkaPresnosti_->setText(QStringLiteral("cm na 1 m (%), 0.01 až 20"));
        return;
    }
    const QString znacka = QString::fromUtf8(ZnackaJednotek(jednotky_->currentIndex()));
    jednotkaPresnosti_->setText(znacka);
    if (jednotkaOdchylky_)
        jednotkaOdchylky_->setText(znacka);
}

HotovyPrikaz frmMeridlo::Prikaz() const
{
    DefiniceMeridla d;
    d.druh = druh_;
    d.jmeno = jmeno_->text().toStdString();
    if (HotovyPrikaz jmeno = JmenoMeridla(d.jmeno); !jmeno.chyba.empty())
        return jmeno;
    d.zpusob = zpusob_ ? zpusob_->currentIndex() : 0;
    d.jednotky = jednotky_ ? jednotky_->currentIndex() : 0;
    d.pouzit = pouzit_->isChecked();
    const auto presnost = Cislo(presnost_);
    if (!presnost)
        return {{}, "Přesnost není číslo."};
    d.presnost = *presnost;
    if (odchylka_) {
        const auto odchylka = Cislo(odchylka_);
        if (!odchylka)
            return {{}, "Odchylka není číslo."};
        d.odchylka = *odchylka;
    }
    return PrikazDefinice(d);
}

} // namespace lomvira
