#include "coords/ui/frmInsSourSys.h"

#include "common/Cisla.h"
#include "coords/KrovakJTSK.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace lomvira {

namespace {

QComboBox* Jednotky(QWidget* rodic, const char* jmeno)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(jmeno);
    c->addItems({QStringLiteral("stupně"), QStringLiteral("grády"), QStringLiteral("radiány")});
    return c;
}

template <class T>
T* Pojmenuj(T* w, const char* jmeno)
{
    w->setObjectName(jmeno);
    return w;
}

} // namespace

ObrazekOs::ObrazekOs(QWidget* parent) : QWidget(parent)
{
    setObjectName("picOsy");
    setFixedSize(120, 120);
}

void ObrazekOs::Nastav(double azimutX, bool levotocivy)
{
    azimut_ = azimutX;
    levotocivy_ = levotocivy;
    update();
}

void ObrazekOs::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QPointF stred(width() / 2.0, height() / 2.0);
    const double delka = width() / 2.0 - 16;
    // Azimuths run clockwise from up, as on a map.
    auto osa = [&](double azimut, const QString& popis) {
        const QPointF smer(std::sin(azimut), -std::cos(azimut));
        const QPointF konec = stred + smer * delka;
        p.drawLine(stred, konec);
        const QPointF sipka1(std::sin(azimut + 2.7), -std::cos(azimut + 2.7));
        const QPointF sipka2(std::sin(azimut - 2.7), -std::cos(azimut - 2.7));
        p.drawLine(konec, konec + sipka1 * 7);
        p.drawLine(konec, konec + sipka2 * 7);
        const QPointF misto = stred + smer * (delka + 9);
        p.drawText(QRectF(misto.x() - 8, misto.y() - 8, 16, 16), Qt::AlignCenter, popis);
    };
    p.setPen(QPen(palette().text().color(), 1.5));
    osa(azimut_, QStringLiteral("X"));
    osa(azimut_ + (levotocivy_ ? -PI / 2 : PI / 2), QStringLiteral("Y"));
}

frmInsSourSys::frmInsSourSys(const VolbySouSys& volby, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmInsSourSys");
    setWindowTitle(QStringLiteral("Souřadnicový systém"));
    auto* rozvrzeni = new QVBoxLayout(this);

    auto* polohovy = new QGroupBox(QStringLiteral("Polohový"), this);
    auto* rPolohovy = new QGridLayout(polohovy);
    optSJTSK_ = Pojmenuj(new QRadioButton(QStringLiteral("JTSK"), polohovy), "optSJTSK");
    optSVlastni_ = Pojmenuj(new QRadioButton(QStringLiteral("Vlastní"), polohovy), "optSVlastni");
    auto* volbaSystemu = new QButtonGroup(this);
    volbaSystemu->addButton(optSJTSK_);
    volbaSystemu->addButton(optSVlastni_);
    rPolohovy->addWidget(optSJTSK_, 0, 0);
    rPolohovy->addWidget(optSVlastni_, 1, 0);

    fraJTSK_ = Pojmenuj(new QGroupBox(QStringLiteral("JTSK"), polohovy), "fraJTSK");
    auto* rJTSK = new QGridLayout(fraJTSK_);
    cmbJTSKKonv_ = Pojmenuj(new QComboBox(fraJTSK_), "cmbJTSKKonv");
    txtKonvergence_ = Pojmenuj(new QLineEdit(fraJTSK_), "txtKonvergence");
    cmbKonvJedn_ = Jednotky(fraJTSK_, "cmbKonvJedn");
    rJTSK->addWidget(new QLabel(QStringLiteral(" Meridiánová konvergence"), fraJTSK_), 0, 0, 1, 2);
    rJTSK->addWidget(cmbJTSKKonv_, 1, 0, 1, 2);
    rJTSK->addWidget(txtKonvergence_, 2, 0);
    rJTSK->addWidget(cmbKonvJedn_, 2, 1);
    rJTSK->setRowStretch(3, 1);

    fraVlastni_ = Pojmenuj(new QGroupBox(QStringLiteral("Vlastní"), polohovy), "fraVlastni");
    auto* rVlastni = new QGridLayout(fraVlastni_);
    txtUhX_ = Pojmenuj(new QLineEdit(fraVlastni_), "txtUhX");
    cmbOsXJedn_ = Jednotky(fraVlastni_, "cmbOsXJedn");
    optLToc_ = Pojmenuj(new QRadioButton(QStringLiteral("vlevo"), fraVlastni_), "optLToc");
    optPToc_ = Pojmenuj(new QRadioButton(QStringLiteral("vpravo"), fraVlastni_), "optPToc");
    obrazek_ = new ObrazekOs(fraVlastni_);
    rVlastni->addWidget(new QLabel(QStringLiteral("Azimut osy X"), fraVlastni_), 0, 0, 1, 2);
    rVlastni->addWidget(new QLabel(QStringLiteral("Osa X:"), fraVlastni_), 1, 0);
    rVlastni->addWidget(txtUhX_, 1, 1);
    rVlastni->addWidget(cmbOsXJedn_, 1, 2);
    rVlastni->addWidget(new QLabel(QStringLiteral("Osa Y:"), fraVlastni_), 2, 0);
    auto* strany = new QHBoxLayout;
    strany->addWidget(optLToc_);
    strany->addWidget(optPToc_);
    rVlastni->addLayout(strany, 2, 1, 1, 2);
    rVlastni->addWidget(obrazek_, 0, 3, 3, 1);
    // Both frames share one place; only the chosen system's frame shows.
    rPolohovy->addWidget(fraJTSK_, 0, 1, 3, 1);
    rPolohovy->addWidget(fraVlastni_, 0, 1, 3, 1);
    rPolohovy->setRowStretch(2, 1);
    rozvrzeni->addWidget(polohovy);

    auto* vyskovy = new QGroupBox(QStringLiteral("Výškový"), this);
    auto* rVyskovy = new QGridLayout(vyskovy);
    optVVlastni_ = Pojmenuj(new QRadioButton(QStringLiteral("Vlastní"), vyskovy), "optVVlastni");
    optVBPV_ = Pojmenuj(new QRadioButton(QStringLiteral("BPV - Baltský po vyrovnání"), vyskovy), "optVBPV");
    cheSr_ = Pojmenuj(new QCheckBox(QStringLiteral("      Srovnávací rovina"), vyskovy), "cheSr");
    fraSr_ = Pojmenuj(new QGroupBox(vyskovy), "fraSr");
    auto* rSr = new QHBoxLayout(fraSr_);
    optSrV_ = Pojmenuj(new QRadioButton(QStringLiteral("K výšce"), fraSr_), "optSrV");
    optSrB_ = Pojmenuj(new QRadioButton(QStringLiteral("K bodu"), fraSr_), "optSrB");
    txtSr_ = Pojmenuj(new QLineEdit(fraSr_), "txtSr");
    rSr->addWidget(optSrV_);
    rSr->addWidget(optSrB_);
    rSr->addWidget(txtSr_, 1);
    auto* volbaVysek = new QButtonGroup(this);
    volbaVysek->addButton(optVVlastni_);
    volbaVysek->addButton(optVBPV_);
    rVyskovy->addWidget(optVVlastni_, 0, 0);
    rVyskovy->addWidget(optVBPV_, 0, 1);
    rVyskovy->addWidget(cheSr_, 1, 0, 1, 2);
    rVyskovy->addWidget(fraSr_, 2, 0, 1, 2);
    rozvrzeni->addWidget(vyskovy);

    auto* natoceni = new QGroupBox(QStringLiteral("Natočení při vyrovnání"), this);
    auto* rNatoceni = new QHBoxLayout(natoceni);
    cmbZpVyrovnani_ = Pojmenuj(new QComboBox(natoceni), "cmbZpVyrovnani");
    cmbZpVyrovnani_->addItems(
        {QStringLiteral("Nenatáčet"), QStringLiteral("Natočit-skupiny společně"), QStringLiteral("Natočit-skupiny zvlášť")});
    rNatoceni->addWidget(cmbZpVyrovnani_, 1);
    rozvrzeni->addWidget(natoceni);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    auto* ok = Pojmenuj(new QPushButton(QStringLiteral("&Vložit"), this), "btnOK");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* zrusit = Pojmenuj(new QPushButton(QStringLiteral("&Zrušit"), this), "btnCanc");
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);
    rozvrzeni->addLayout(tlacitka);

    Form_Load();
    Nastav(volby);

    connect(optSJTSK_, &QRadioButton::toggled, this, &frmInsSourSys::UkazSystem);
    connect(cmbJTSKKonv_, &QComboBox::currentIndexChanged, this, &frmInsSourSys::UkazKonvergenci);
    connect(cheSr_, &QCheckBox::toggled, this, &frmInsSourSys::UkazSrovnani);
    connect(cmbOsXJedn_, &QComboBox::currentIndexChanged, this, &frmInsSourSys::PouzijUhelX);
    connect(optLToc_, &QRadioButton::toggled, this, &frmInsSourSys::PouzijUhelX);
    connect(optPToc_, &QRadioButton::toggled, this, &frmInsSourSys::PouzijUhelX);
    connect(ok, &QPushButton::clicked, this, &frmInsSourSys::Vloz);
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
    txtUhX_->installEventFilter(this);
}

void frmInsSourSys::Form_Load()
{
    cmbJTSKKonv_->addItems(
        {QStringLiteral("Zadaná"), QStringLiteral("Pro první daný bod"), QStringLiteral("Pro težiště daných bodů")});
}

void frmInsSourSys::Nastav(const VolbySouSys& v)
{
    XY = v.xy;
    optSJTSK_->setChecked(v.jtsk);
    optSVlastni_->setChecked(!v.jtsk);
    cmbJTSKKonv_->setCurrentIndex(std::clamp(v.konvergence, 0, cmbJTSKKonv_->count() - 1));
    txtKonvergence_->setText(QString::fromStdString(v.konvergenceText));
    cmbKonvJedn_->setCurrentIndex(v.konvJednotky);
    txtUhX_->setText(QString::fromStdString(v.uhelX));
    cmbOsXJedn_->setCurrentIndex(v.osaXJednotky);
    optLToc_->setChecked(v.levotocivy);
    optPToc_->setChecked(!v.levotocivy);
    optVBPV_->setChecked(v.bpv);
    optVVlastni_->setChecked(!v.bpv);
    cheSr_->setChecked(v.srovnavaci);
    optSrB_->setChecked(v.kBodu);
    optSrV_->setChecked(!v.kBodu);
    txtSr_->setText(QString::fromStdString(v.sr));
    cmbZpVyrovnani_->setCurrentIndex(v.zpusobVyrovnani);
    UkazSystem();
    UkazKonvergenci();
    UkazSrovnani();
    PouzijUhelX();
}

VolbySouSys frmInsSourSys::Volby() const
{
    VolbySouSys v;
    v.jtsk = optSJTSK_->isChecked();
    v.xy = XY;
    v.konvergence = cmbJTSKKonv_->currentIndex();
    v.konvergenceText = txtKonvergence_->text().toStdString();
    v.konvJednotky = cmbKonvJedn_->currentIndex();
    v.uhelX = txtUhX_->text().toStdString();
    v.osaXJednotky = cmbOsXJedn_->currentIndex();
    v.levotocivy = optLToc_->isChecked();
    v.bpv = optVBPV_->isChecked();
    v.zpusobVyrovnani = cmbZpVyrovnani_->currentIndex();
    v.srovnavaci = cheSr_->isChecked();
    v.kBodu = optSrB_->isChecked();
    v.sr = txtSr_->text().toStdString();
    return v;
}

void frmInsSourSys::UkazSystem()
{
    fraJTSK_->setVisible(optSJTSK_->isChecked());
    fraVlastni_->setVisible(!optSJTSK_->isChecked());
}

void frmInsSourSys::UkazKonvergenci()
{
    const bool zadana = cmbJTSKKonv_->currentIndex() == KonvergenceJTSK::Zadana;
    txtKonvergence_->setVisible(zadana);
    cmbKonvJedn_->setVisible(zadana);
}

void frmInsSourSys::UkazSrovnani()
{
    const bool zapnuto = cheSr_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(fraSr_), static_cast<QWidget*>(optSrV_), static_cast<QWidget*>(optSrB_),
                       static_cast<QWidget*>(txtSr_)})
        w->setEnabled(zapnuto);
}

void frmInsSourSys::PouzijUhelX()
{
    // A box that holds no number leaves the figure as it was.
    if (const auto uhel = CtiCislo(txtUhX_->text().toStdString()))
        obrazek_->Nastav(NaRadiany(*uhel, cmbOsXJedn_->currentIndex()), optLToc_->isChecked());
    else
        obrazek_->Nastav(obrazek_->AzimutX(), optLToc_->isChecked());
}

bool frmInsSourSys::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == txtUhX_) {
        if (udalost->type() == QEvent::KeyPress) {
            const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
                txtUhX_->selectAll();
                PouzijUhelX();
                return true;
            }
        } else if (udalost->type() == QEvent::FocusOut) {
            PouzijUhelX();
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void frmInsSourSys::Vloz()
{
    if (const std::string chyba = KontrolaSouSys(Volby()); !chyba.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(chyba));
        return;
    }
    prikaz_ = PrikazSouSys(Volby());
    accept();
}

} // namespace lomvira
