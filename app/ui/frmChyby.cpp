#include "app/ui/frmChyby.h"
#include "app/ui/KurzorPrace.h"

#include "adjust/AnalyzaChyb.h"
#include "adjust/TiskChyb.h"
#include "app/ui/Form1.h"
#include "common/Text.h"
#include "common/ui/TiskNaTiskarne.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lomvira {

namespace {

// Item data of a list line.
constexpr int RoleZamera = Qt::UserRole;      // the shot the line stands for
constexpr int RoleHodnota = Qt::UserRole + 1; // the value it is sorted by
constexpr int RolePoradi = Qt::UserRole + 2;  // its place in the analysis' order
constexpr int RoleKrok = Qt::UserRole + 3;    // the measurement line the next double click selects

// Columns before the value heading: the header's three station columns.
constexpr int SloupecHodnoty = 78;

} // namespace

frmChyby::frmChyby(Form1& hlavni) : QMainWindow(&hlavni, Qt::Window), hlavni_(hlavni), kontrola_(hlavni.kontext())
{
    setObjectName("frmChyby");
    setWindowTitle(QStringLiteral("Analýza chyb"));
    const QFont pismo = PismoVypisu(hlavni.kontext().volby.Font);

    tisk_ = menuBar()->addAction(QStringLiteral("Tisk"));
    tisk_->setObjectName("mnuTisk");
    tisk_->setEnabled(false);
    connect(tisk_, &QAction::triggered, this, &frmChyby::Tisk);

    auto* stred = new QWidget(this);
    auto* rozvrh = new QVBoxLayout(stred);
    auto* hlavicka = new QHBoxLayout;
    hlavicka->setSpacing(0);
    auto* sloupce = new QLabel(QString::fromUtf8(HlavickaChyb), stred);
    sloupce->setFont(pismo);
    sloupce->setMinimumWidth(QFontMetrics(pismo).horizontalAdvance(QString(SloupecHodnoty, QLatin1Char('M'))));
    nadpis_ = new QPushButton(stred);
    nadpis_->setObjectName("cmdHodnota");
    nadpis_->setFlat(true);
    nadpis_->setEnabled(false);
    nadpis_->setToolTip(QStringLiteral("Seřadit od nejhorší hodnoty"));
    connect(nadpis_, &QPushButton::clicked, this, &frmChyby::RadPodleHodnoty);
    hlavicka->addWidget(sloupce);
    hlavicka->addWidget(nadpis_);
    hlavicka->addStretch(1);
    rozvrh->addLayout(hlavicka);

    lstPricky_ = new QListWidget(stred);
    lstPricky_->setObjectName("lstPricky");
    lstPricky_->setFont(pismo);
    lstPricky_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(lstPricky_, &QListWidget::itemDoubleClicked, this, &frmChyby::VyberRadek);
    rozvrh->addWidget(lstPricky_, 1);

    auto* tlacitka = new QHBoxLayout;
    auto tlacitko = [&](const char* text, const char* jmeno, auto prikaz) {
        auto* b = new QPushButton(QString::fromUtf8(text), stred);
        b->setObjectName(jmeno);
        connect(b, &QPushButton::clicked, this, prikaz);
        tlacitka->addWidget(b);
    };
    tlacitko("&Intenzita", "cmdIntenzita", &frmChyby::Intenzita);
    tlacitko("&Rozdíly", "cmdRozdily", &frmChyby::Rozdily);
    tlacitko("&Najdi chybu", "cmdNajdi", &frmChyby::NajdiChybu);
    tlacitka->addStretch(1);
    tlacitko("&Konec", "cmdKonec", &QWidget::close);
    rozvrh->addLayout(tlacitka);
    setCentralWidget(stred);
    resize(QFontMetrics(pismo).horizontalAdvance(QString(SloupecHodnoty + 40, QLatin1Char('M'))), 480);
}

// Each press works on the present survey: loaded and vectorised first when it is not.
bool frmChyby::Pripraveno()
{
    Kontext& k = hlavni_.kontext();
    if (k.stav.Zaneprazdneno())
        return false;
    if (k.stav.Stav < 2)
        hlavni_.Vektorizace();
    return k.stav.Stav >= 2;
}

bool frmChyby::Intenzita()
{
    if (!Pripraveno())
        return false;
    const KurzorPrace kurzor;
    if (!kontrola_.Intenzity())
        return false;
    Zobraz();
    return true;
}

bool frmChyby::Rozdily()
{
    std::vector<CisloZamery> vybrane;
    for (const QListWidgetItem* polozka : lstPricky_->selectedItems())
        vybrane.push_back(polozka->data(RoleZamera).toInt());
    if (!Pripraveno())
        return false;
    const KurzorPrace kurzor;
    if (!kontrola_.Rozdily(vybrane))
        return false;
    Zobraz();
    return true;
}

bool frmChyby::NajdiChybu()
{
    if (!Pripraveno())
        return false;
    const KurzorPrace kurzor;
    if (!kontrola_.NajdiChybu())
        return false;
    Zobraz();
    return true;
}

void frmChyby::Zobraz()
{
    const bool intenzity = kontrola_.Stav() == KontrolaChyb::Rezim::Intenzity;
    nadpis_->setText(QString::fromUtf8(intenzity ? NadpisIntenzit : NadpisRozdilu));
    nadpis_->setEnabled(true);
    // The list of intensities is not printed: it is the list to pick cross-links from.
    tisk_->setEnabled(!intenzity);
    podleHodnoty_ = false;
    lstPricky_->clear();
    const auto& radky = kontrola_.Radky();
    for (std::size_t i = 0; i < radky.size(); ++i) {
        auto* polozka = new QListWidgetItem(QString::fromStdString(radky[i].text));
        polozka->setData(RoleZamera, radky[i].zamera);
        polozka->setData(RoleHodnota, radky[i].hodnota);
        polozka->setData(RolePoradi, static_cast<int>(i));
        polozka->setData(RoleKrok, 0);
        lstPricky_->addItem(polozka);
    }
}

void frmChyby::RadPodleHodnoty()
{
    podleHodnoty_ = !podleHodnoty_;
    std::vector<QListWidgetItem*> polozky;
    while (lstPricky_->count() > 0)
        polozky.push_back(lstPricky_->takeItem(0));
    if (podleHodnoty_)
        std::stable_sort(polozky.begin(), polozky.end(), [](const QListWidgetItem* a, const QListWidgetItem* b) {
            return a->data(RoleHodnota).toDouble() > b->data(RoleHodnota).toDouble();
        });
    else
        std::sort(polozky.begin(), polozky.end(), [](const QListWidgetItem* a, const QListWidgetItem* b) {
            return a->data(RolePoradi).toInt() < b->data(RolePoradi).toInt();
        });
    for (QListWidgetItem* p : polozky)
        lstPricky_->addItem(p);
}

void frmChyby::VyberRadek(QListWidgetItem* polozka)
{
    // The notebook's lines are those of the load only while nothing was edited since.
    if (!polozka || hlavni_.ZmenenoOdNacteni())
        return;
    const std::vector<RadekZapisniku> radky = kontrola_.RadkyZamery(polozka->data(RoleZamera).toInt());
    if (radky.empty())
        return;
    const int krok = polozka->data(RoleKrok).toInt() % static_cast<int>(radky.size());
    polozka->setData(RoleKrok, krok + 1);
    hlavni_.PrepniNaZapisnik();
    hlavni_.OznacChybnyRadek(radky[static_cast<std::size_t>(krok)].zacatek - 1, radky[static_cast<std::size_t>(krok)].delka);
}

std::string frmChyby::TiskniChyby(PlochaTisku& plocha) const
{
    std::vector<std::string> radky;
    for (int i = 0; i < lstPricky_->count(); ++i)
        radky.push_back(lstPricky_->item(i)->text().toStdString());
    return lomvira::TiskniChyby(plocha, hlavni_.kontext().volby.Font, nadpis_->text().toStdString(), radky);
}

bool frmChyby::Tisk()
{
    return Tiskni(this, QStringLiteral("Analýza chyb"), [this](PlochaTisku& p) { return TiskniChyby(p); });
}

void PridejKontroluChyb(Form1& okno)
{
    QMenu* pomucky = okno.findChild<QMenu*>("mnuPomucky");
    if (!pomucky)
        pomucky = okno.PridejMenu("Pomůcky");
    auto* akce = new QAction(QStringLiteral("&Kontrola chyb"), &okno);
    akce->setObjectName("mnuKontrolaChyb");
    QObject::connect(akce, &QAction::triggered, &okno, [&okno] { KontrolaChybPrikaz(okno); });
    const QList<QAction*> polozky = pomucky->actions();
    pomucky->insertAction(polozky.isEmpty() ? nullptr : polozky.front(), akce);
    okno.PridejPolozkuSDaty(akce);
}

void KontrolaChybPrikaz(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Zaneprazdneno())
        return;
    if (k.stav.Stav < 1)
        okno.CtiZapisnik();
    if (k.stav.Stav < 2)
        okno.Vektorizace();
    if (k.stav.Stav < 2)
        return;
    auto* okno_ = okno.findChild<frmChyby*>();
    if (!okno_)
        okno_ = new frmChyby(okno);
    okno_->show();
    okno_->raise();
    okno_->activateWindow();
}

} // namespace lomvira
