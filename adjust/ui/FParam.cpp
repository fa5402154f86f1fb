#include "adjust/ui/FParam.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lomvira {

namespace {

template <class T>
T* Pojmenuj(T* w, const char* jmeno)
{
    w->setObjectName(jmeno);
    return w;
}

enum { Delka, Smer, Sklon, Tolerance };

} // namespace

FParam::FParam(const HodnotyParametru& hodnoty, const Pomery& vychozi, std::optional<Pomery> zeZapisniku,
               std::function<void(const Pomery&)> nastavVychozi, QWidget* parent)
    : QDialog(parent), vychozi_(vychozi), zeZapisniku_(zeZapisniku), nastavVychozi_(std::move(nastavVychozi)),
      vysledek_(hodnoty)
{
    setObjectName("FParam");
    setWindowTitle(QStringLiteral("Nastavení parametrů"));
    auto* rozvrzeni = new QVBoxLayout(this);

    auto* pomery = new QGroupBox(QStringLiteral("Výpočtový poměr"), this);
    auto* mrizka = new QGridLayout(pomery);
    auto radek = [&](int r, const QString& popis, const char* jmeno, const QString& jednotka) {
        auto* pole = Pojmenuj(new QLineEdit(pomery), jmeno);
        auto* l = new QLabel(popis, pomery);
        l->setBuddy(pole);
        mrizka->addWidget(l, r, 0);
        mrizka->addWidget(pole, r, 1);
        mrizka->addWidget(new QLabel(jednotka, pomery), r, 2);
        return pole;
    };
    TDK_ = radek(0, QStringLiteral("&Délka:"), "TDK", QStringLiteral("% (cm na 1 m)"));
    TFK_ = radek(1, QStringLiteral("&Směr:"), "TFK", QStringLiteral("° (stupně)"));
    TEK_ = radek(2, QStringLiteral("S&klon:"), "TEK", QStringLiteral("° (stupně)"));
    auto* vychoziBtn = Pojmenuj(new QPushButton(QStringLiteral("Obnovit &výchozí"), pomery), "BZeIni");
    auto* zapisnikBtn = Pojmenuj(new QPushButton(QStringLiteral("Obnovit ze &zápisníku"), pomery), "BZeZap");
    auto* nastavBtn = Pojmenuj(new QPushButton(QStringLiteral("&Nastavit jako výchozí"), pomery), "SetAsDef");
    auto* tlacitkaPomeru = new QVBoxLayout;
    tlacitkaPomeru->addWidget(vychoziBtn);
    tlacitkaPomeru->addWidget(zapisnikBtn);
    tlacitkaPomeru->addWidget(nastavBtn);
    mrizka->addLayout(tlacitkaPomeru, 0, 3, 3, 1);
    rozvrzeni->addWidget(pomery);

    auto* tolerance = new QHBoxLayout;
    txtTolerance_ = Pojmenuj(new QLineEdit(this), "txtTolerance");
    auto* popisTolerance = new QLabel(QStringLiteral("&Tolerance:"), this);
    popisTolerance->setBuddy(txtTolerance_);
    tolerance->addWidget(popisTolerance);
    tolerance->addWidget(txtTolerance_);
    tolerance->addWidget(new QLabel(QStringLiteral("° (stupně)"), this));
    tolerance->addStretch(1);
    rozvrzeni->addLayout(tolerance);

    auto* multi = new QGroupBox(QStringLiteral("Zpracování více měření na stejné záměře"), this);
    auto* rMulti = new QVBoxLayout(multi);
    optMultimereni_[1] = Pojmenuj(new QRadioButton(QStringLiteral("Použít každou hodnotu samostatně"), multi), "optMultimereni1");
    optMultimereni_[0] = Pojmenuj(new QRadioButton(QStringLiteral("Použít průměrnou hodnotu"), multi), "optMultimereni0");
    rMulti->addWidget(optMultimereni_[1]);
    rMulti->addWidget(optMultimereni_[0]);
    rozvrzeni->addWidget(multi);

    auto* dotazy = new QGroupBox(QStringLiteral("Oznamovat: "), this);
    auto* rDotazy = new QVBoxLayout(dotazy);
    chDotaz1_ = Pojmenuj(new QCheckBox(QStringLiteral("Natočení systému"), dotazy), "chDotaz1");
    chDotaz2_ = Pojmenuj(new QCheckBox(QStringLiteral("Automatické přidání danného bodu"), dotazy), "chDotaz2");
    rDotazy->addWidget(chDotaz1_);
    rDotazy->addWidget(chDotaz2_);
    rozvrzeni->addWidget(dotazy);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    auto* ok = Pojmenuj(new QPushButton(QStringLiteral("&Budiž"), this), "BOK");
    ok->setDefault(true);
    auto* zrusit = Pojmenuj(new QPushButton(QStringLiteral("Z&rušit"), this), "BCanc");
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);
    rozvrzeni->addLayout(tlacitka);

    NaplnPomery(hodnoty.pomery);
    naplneno_[Tolerance] = NaplnPole(PoleParametru::Tolerance, hodnoty.tolerance);
    txtTolerance_->setText(QString::fromStdString(naplneno_[Tolerance].text));
    chDotaz1_->setChecked(hodnoty.dotazy > 0);
    chDotaz2_->setChecked(hodnoty.dotazy > 1);
    optMultimereni_[hodnoty.viceMereni == 1 ? 1 : 0]->setChecked(true);

    connect(vychoziBtn, &QPushButton::clicked, this, [this] { NaplnPomery(vychozi_); });
    connect(zapisnikBtn, &QPushButton::clicked, this, [this] {
        if (zeZapisniku_)
            NaplnPomery(*zeZapisniku_);
    });
    connect(nastavBtn, &QPushButton::clicked, this, [this] {
        if (const auto p = CtiPomery()) {
            vychozi_ = *p;
            if (nastavVychozi_)
                nastavVychozi_(*p);
        }
    });
    connect(ok, &QPushButton::clicked, this, &FParam::Budiz);
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
}

void FParam::NaplnPomery(const Pomery& p)
{
    naplneno_[Delka] = NaplnPole(PoleParametru::Delka, p.dk);
    naplneno_[Smer] = NaplnPole(PoleParametru::Smer, p.fk);
    naplneno_[Sklon] = NaplnPole(PoleParametru::Sklon, p.ek);
    TDK_->setText(QString::fromStdString(naplneno_[Delka].text));
    TFK_->setText(QString::fromStdString(naplneno_[Smer].text));
    TEK_->setText(QString::fromStdString(naplneno_[Sklon].text));
}

std::optional<double> FParam::Cti(PoleParametru druh, QLineEdit* pole, const NaplnenePole& naplneno)
{
    const PrectenePole p = CtiPole(druh, pole->text().toStdString(), naplneno);
    if (p.chyba.empty())
        return p.hodnota;
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(p.chyba));
    pole->setFocus();
    pole->selectAll();
    return std::nullopt;
}

std::optional<Pomery> FParam::CtiPomery()
{
    const auto dk = Cti(PoleParametru::Delka, TDK_, naplneno_[Delka]);
    if (!dk)
        return std::nullopt;
    const auto fk = Cti(PoleParametru::Smer, TFK_, naplneno_[Smer]);
    if (!fk)
        return std::nullopt;
    const auto ek = Cti(PoleParametru::Sklon, TEK_, naplneno_[Sklon]);
    if (!ek)
        return std::nullopt;
    return Pomery{*dk, *fk, *ek};
}

void FParam::Budiz()
{
    const auto pomery = CtiPomery();
    if (!pomery)
        return;
    const auto tolerance = Cti(PoleParametru::Tolerance, txtTolerance_, naplneno_[Tolerance]);
    if (!tolerance)
        return;
    vysledek_.pomery = *pomery;
    vysledek_.tolerance = *tolerance;
    vysledek_.dotazy = DotazyZVoleb(chDotaz1_->isChecked(), chDotaz2_->isChecked());
    vysledek_.viceMereni = optMultimereni_[1]->isChecked() ? 1 : 0;
    accept();
}

} // namespace lomvira
