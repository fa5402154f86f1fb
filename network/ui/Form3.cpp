#include "network/ui/Form3.h"

#include "common/Cisla.h"
#include "common/Text.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace lomvira {

namespace {

// The texts end their lines with CR LF; a label breaks at LF alone.
QString Q(const std::string& s)
{
    return QString::fromStdString(s).remove(QLatin1Char('\r'));
}

QListWidget* Seznam(const char* jmeno, QWidget* rodic)
{
    auto* s = new QListWidget(rodic);
    s->setObjectName(jmeno);
    return s;
}

QLabel* Popisek(const char* jmeno, QWidget* rodic)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QWidget* SNadpisem(const QString& nadpis, QListWidget* seznam, QWidget* rodic)
{
    auto* w = new QWidget(rodic);
    auto* r = new QVBoxLayout(w);
    r->setContentsMargins(0, 0, 0, 0);
    auto* l = new QLabel(nadpis, w);
    l->setBuddy(seznam);
    r->addWidget(l);
    r->addWidget(seznam, 1);
    return w;
}

} // namespace

Form3::Form3(const Model& model, const Krizovat& sit, const StavZpracovani& stav, const SourSystem& soustava,
             QWidget* parent)
    : QDialog(parent), model_(model), sit_(sit), stav_(stav)
{
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Informace o skupinách"));
    oblast_ = Seznam("Oblast", this);
    skupina_ = Seznam("Skupina", this);
    body_ = Seznam("Body", this);
    zamery_ = Seznam("Zamery", this);
    const QFont pevne = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    body_->setFont(pevne);
    zamery_->setFont(pevne);
    pocBodu_ = Popisek("PocBodu", this);
    pocZamer_ = Popisek("PocZamer", this);
    delka_ = Popisek("lblDelka", this);
    natoceni_ = Popisek("lblNatoceni", this);
    stupen_ = Popisek("lblStupen", this);
    stupen_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    stupen_->setMinimumWidth(190);
    stupne_ = new QRadioButton(QStringLiteral("&Stupně"), this);
    stupne_->setObjectName("optUhelD");
    stupne_->setChecked(true);
    grady_ = new QRadioButton(QStringLiteral("&Grády"), this);
    grady_->setObjectName("optUhelG");

    auto* seznamy = new QHBoxLayout;
    seznamy->addWidget(SNadpisem(QStringLiteral("&Oblast"), oblast_, this), 1);
    seznamy->addWidget(SNadpisem(QStringLiteral("S&kupina"), skupina_, this), 1);
    seznamy->addWidget(SNadpisem(QStringLiteral("&Body"), body_, this), 1);
    seznamy->addWidget(SNadpisem(QStringLiteral("&Záměry"), zamery_, this), 2);
    auto* jednotky = new QGroupBox(QStringLiteral("Úhly"), this);
    auto* rj = new QHBoxLayout(jednotky);
    rj->addWidget(stupne_);
    rj->addWidget(grady_);
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(stupen_, 1);
    vpravo->addWidget(jednotky);
    seznamy->addLayout(vpravo);
    auto* udaje = new QGridLayout;
    udaje->addWidget(pocBodu_, 0, 0);
    udaje->addWidget(pocZamer_, 1, 0);
    udaje->addWidget(delka_, 0, 1, 2, 1);
    udaje->addWidget(natoceni_, 2, 0, 1, 2);
    auto* zavri = new QDialogButtonBox(this);
    zavri->addButton(QStringLiteral("&Zavři"), QDialogButtonBox::RejectRole)->setObjectName("cmdZavri");
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(seznamy, 1);
    rozvrh->addLayout(udaje);
    rozvrh->addWidget(zavri);
    connect(zavri, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(860, 480);

    connect(oblast_, &QListWidget::currentRowChanged, this, [this] { VybranaOblast(); });
    connect(skupina_, &QListWidget::currentRowChanged, this, [this] { VybranaSkupina(); });
    connect(zamery_, &QListWidget::currentRowChanged, this, [this] { VybranaZamera(); });
    connect(stupne_, &QRadioButton::toggled, this, [this] { ZmenaJednotek(); });

    odchylky_ = ComputeShotDeviations(model_, sit_, soustava);
    stupen_->setText(QStringLiteral("Stupeň vyrovnání:"));
    oblast_->addItem(QStringLiteral("Všechny oblasti"));
    for (int r = 1; r <= model_.regions.RegionCount(); ++r)
        oblast_->addItem(QStringLiteral("Oblast %1").arg(r));
    oblast_->setCurrentRow(0);
}

int Form3::Oblast() const
{
    return std::max(0, oblast_->currentRow());
}

int Form3::Jednotky() const
{
    return grady_->isChecked() ? JednotkaGrady : JednotkaStupne;
}

void Form3::VybranaOblast()
{
    const int r = Oblast();
    const QSignalBlocker ticho(skupina_);
    skupina_->clear();
    skupina_->addItem(QStringLiteral("Všechny skupiny"));
    for (int g = 1; g <= sit_.GroupCount(r); ++g)
        skupina_->addItem(Q(PopisSkupiny(g, sit_.GroupKind(r, g))));
    natoceni_->setText(Q(TextNatoceni(model_.regions, r, Jednotky())));
    skupina_->setCurrentRow(-1);
    body_->clear();
    zamery_->clear();
    zameryVSeznamu_.clear();
    for (QLabel* l : {pocBodu_, pocZamer_, delka_})
        l->clear();
    stupen_->setText(QStringLiteral("Stupeň vyrovnání:"));
}

// "Všechny skupiny" (row 0) stands for the whole region, or for everything.
void Form3::VybranaSkupina()
{
    const int r = Oblast();
    const int g = skupina_->currentRow();
    if (g < 0)
        return;
    const int n = sit_.GroupStationCount(r, g);
    const int m = sit_.GroupShotCount(r, g);
    QStringList body;
    for (int k = 1; k <= n; ++k)
        body.append(Q(model_.stations.GetStationName(sit_.GetGroupStation(r, g, k))));
    QStringList zamery;
    zameryVSeznamu_.clear();
    for (int k = 1; k <= m; ++k) {
        const int zamera = sit_.GetGroupShot(r, g, k);
        const ShotValues z = model_.shots.GetShot(std::abs(zamera));
        const int od = zamera < 0 ? z.To : z.From;
        const int ke = zamera < 0 ? z.From : z.To;
        zameryVSeznamu_.push_back(zamera);
        zamery.append(Q(PevnaSirka(model_.stations.GetStationName(od), 10)
                        + PevnaSirka(model_.stations.GetStationName(ke), 10)));
    }
    {
        const QSignalBlocker ticho(zamery_);
        body_->clear();
        body_->addItems(body);
        zamery_->clear();
        zamery_->addItems(zamery);
    }
    pocBodu_->setText(QStringLiteral("Počet bodů: %1").arg(n));
    pocZamer_->setText(QStringLiteral("Počet záměr: %1").arg(m));
    delka_->setText(Q(TextDelky(sit_.GroupLength3D(r, g), sit_.GroupLength2D(r, g))));
    stupen_->setText(Q(StupenVyrovnani(n, m)));
}

void Form3::VybranaZamera()
{
    const int i = zamery_->currentRow();
    // The deviations exist only after a computation.
    if (i < 0 || i >= static_cast<int>(zameryVSeznamu_.size()) || stav_.Stav != 3)
        return;
    const std::size_t k = static_cast<std::size_t>(std::abs(zameryVSeznamu_[static_cast<std::size_t>(i)]));
    if (k >= 1 && k <= odchylky_.size())
        stupen_->setText(Q(TextOdchylek(odchylky_[k - 1], Jednotky())));
}

void Form3::ZmenaJednotek()
{
    natoceni_->setText(Q(TextNatoceni(model_.regions, Oblast(), Jednotky())));
    VybranaZamera();
}

} // namespace lomvira
