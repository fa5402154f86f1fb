#include "model/ui/DlgZam.h"

#include "common/Text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lomvira {

namespace {

std::string BezMezer(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

} // namespace

frmDlgZam::frmDlgZam(const Model& model, QWidget* parent) : QDialog(parent), model_(model)
{
    setObjectName("frmDlgZam");
    setWindowTitle(QStringLiteral("Výběr záměry"));
    seznam_ = new QListWidget(this);
    seznam_->setObjectName("lstZamery");
    podleBodu_ = new QLineEdit(this);
    podleBodu_->setObjectName("txtPodleBodu");
    auto* popis = new QLabel(QStringLiteral("&Podle bodu:"), this);
    popis->setBuddy(podleBodu_);
    auto* zBodu = new QPushButton(QStringLiteral("&Z bodu"), this);
    zBodu->setObjectName("cmdZBodu");
    auto* doBodu = new QPushButton(QStringLiteral("&Do bodu"), this);
    doBodu->setObjectName("cmdDoBodu");
    auto* tlacitka = new QDialogButtonBox(this);
    tlacitka->addButton(QStringLiteral("&Budiž"), QDialogButtonBox::AcceptRole)->setObjectName("cmdBudiz");
    tlacitka->addButton(QStringLiteral("Z&rušit"), QDialogButtonBox::RejectRole)->setObjectName("cmdZrusit");

    auto* filtr = new QHBoxLayout;
    filtr->addWidget(popis);
    filtr->addWidget(podleBodu_, 1);
    filtr->addWidget(zBodu);
    filtr->addWidget(doBodu);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(seznam_, 1);
    rozvrh->addLayout(filtr);
    rozvrh->addWidget(tlacitka);
    connect(podleBodu_, &QLineEdit::textChanged, this, [this] { Naplnit(); });
    connect(zBodu, &QPushButton::clicked, this, [this] { FiltrZKonce(true); });
    connect(doBodu, &QPushButton::clicked, this, [this] { FiltrZKonce(false); });
    connect(seznam_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string frmDlgZam::Radek(int zamera) const
{
    const ShotValues z = model_.shots.GetShot(zamera);
    return PevnaSirka(model_.stations.GetStationName(z.From), 10) + "  "
           + PevnaSirka(model_.stations.GetStationName(z.To), 10);
}

void frmDlgZam::NastavZamery(std::vector<int> zamery)
{
    zamery_ = std::move(zamery);
    Naplnit();
}

void frmDlgZam::Serad()
{
    std::stable_sort(zamery_.begin(), zamery_.end(), [this](int a, int b) { return Radek(a) < Radek(b); });
    Naplnit();
}

void frmDlgZam::NastavFiltr(const std::string& bod)
{
    podleBodu_->setText(QString::fromStdString(bod));
}

void frmDlgZam::Naplnit()
{
    const int vybrana = Vybrana();
    const std::string filtr = BezMezer(VelkaPismena(podleBodu_->text().toStdString()));
    seznam_->clear();
    zobrazene_.clear();
    for (const int k : zamery_) {
        const ShotValues z = model_.shots.GetShot(k);
        if (!filtr.empty() && BezMezer(model_.stations.GetStationName(z.From)) != filtr
            && BezMezer(model_.stations.GetStationName(z.To)) != filtr)
            continue;
        zobrazene_.push_back(k);
        seznam_->addItem(QString::fromStdString(Radek(k)));
    }
    Vyber(vybrana);
}

// "Z bodu", "Do bodu": the shots at the first or the second end of the selected one.
void frmDlgZam::FiltrZKonce(bool prvni)
{
    const int k = Vybrana();
    if (k == 0)
        return;
    const ShotValues z = model_.shots.GetShot(k);
    NastavFiltr(Orizni(model_.stations.GetStationName(prvni ? z.From : z.To)));
    Vyber(k);
}

void frmDlgZam::Vyber(int zamera)
{
    const auto i = std::find(zobrazene_.begin(), zobrazene_.end(), zamera);
    seznam_->setCurrentRow(i == zobrazene_.end() ? (zobrazene_.empty() ? -1 : 0)
                                                 : static_cast<int>(i - zobrazene_.begin()));
}

int frmDlgZam::Vybrana() const
{
    const int r = seznam_->currentRow();
    return r >= 0 && r < static_cast<int>(zobrazene_.size()) ? zobrazene_[static_cast<std::size_t>(r)] : 0;
}

void DlgZam::Caption(const std::string& titulek)
{
    okno_.setWindowTitle(QString::fromStdString(titulek));
}

int DlgZam::Show()
{
    return okno_.exec() == QDialog::Accepted ? okno_.Vybrana() : 0;
}

} // namespace lomvira
