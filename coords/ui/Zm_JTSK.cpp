#include "coords/ui/Zm_JTSK.h"

#include "common/Cisla.h"

#include <QComboBox>
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

const char* const Titulek = "Převod souřadnic";
constexpr int DesetinyVterin = 5;  // 0.00001" is a third of a millimetre
constexpr int DesetinyMetru = 3;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* Pole(QWidget* rodic, const char* jmeno, const QString& napoveda, int sirka)
{
    auto* pole = new QLineEdit(rodic);
    pole->setObjectName(jmeno);
    pole->setToolTip(napoveda);
    pole->setMaximumWidth(sirka);
    return pole;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const char* text, const char* napoveda)
{
    auto* t = new QPushButton(QString::fromUtf8(text), rodic);
    t->setObjectName(jmeno);
    t->setToolTip(QString::fromUtf8(napoveda));
    t->setAutoDefault(false);
    return t;
}

} // namespace

Zm_JTSK::Zm_JTSK(QWidget* parent) : QDialog(parent)
{
    setObjectName("Zm_JTSK");
    setWindowTitle(QString::fromUtf8(Titulek));

    auto* naJTSK = Tlacitko(this, "cmdNaJTSK", "Převod ze zeměpisných souřadnic na JTSK",
                            "Vypočte souřadnice X a Y ze zadané šířky a délky");
    auto* naZemepisne = Tlacitko(this, "cmdNaZemepisne", "Převod ze souřadnic JTSK na zeměpisné",
                                 "Vypočte šířku a délku ze zadaných souřadnic X a Y");
    connect(naJTSK, &QPushButton::clicked, this, [this] { NaJTSK(); });
    connect(naZemepisne, &QPushButton::clicked, this, [this] { NaZemepisne(); });
    auto* zavrit = Tlacitko(this, "cmdZavrit", "Zavřít", "Zavře okno převodu");
    connect(zavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(VytvorVstupy());
    rozvrh->addWidget(naJTSK);
    rozvrh->addWidget(naZemepisne);
    rozvrh->addWidget(VytvorDivergenci());
    rozvrh->addWidget(zavrit, 0, Qt::AlignRight);

    // The height matters only for WGS-84.
    const auto povolVysku = [this] { vyska_->setEnabled(VybranyMeridian() == Meridian::Wgs84); };
    connect(meridian_, &QComboBox::currentIndexChanged, this, povolVysku);
    povolVysku();
}

QGridLayout* Zm_JTSK::VytvorVstupy()
{
    auto* mrizka = new QGridLayout;
    meridian_ = new QComboBox(this);
    meridian_->setObjectName("cmbMeridian");
    meridian_->addItems({"Ferro", "Greenwich", "WGS-84(GPS)"});
    meridian_->setCurrentIndex(static_cast<int>(Meridian::Greenwich));
    meridian_->setToolTip("Poledník a elipsoid zeměpisných souřadnic: Ferro a Greenwich na Besselově elipsoidu, "
                          "WGS-84 pro souřadnice z GPS");
    mrizka->addWidget(new QLabel("Poledník:", this), 0, 0);
    mrizka->addWidget(meridian_, 0, 1, 1, 6);

    fi_ = VytvorPoleUhlu("Fi", "severní šířky");
    lambda_ = VytvorPoleUhlu("Lambda", "východní délky");
    int radek = 1;
    for (const auto& [pole, popis] : {std::pair{fi_, "Zeměpisná šířka:"}, {lambda_, "Zeměpisná délka:"}}) {
        mrizka->addWidget(new QLabel(popis, this), radek, 0);
        mrizka->addWidget(pole.stupne, radek, 1);
        mrizka->addWidget(new QLabel("°", this), radek, 2);
        mrizka->addWidget(pole.minuty, radek, 3);
        mrizka->addWidget(new QLabel("'", this), radek, 4);
        mrizka->addWidget(pole.vteriny, radek, 5);
        mrizka->addWidget(new QLabel("\"", this), radek, 6);
        ++radek;
    }
    vyska_ = Pole(this, "txtVyska",
                  "Výška bodu nad elipsoidem v metrech. Při převodu z JTSK se zadaná výška bere nad Besselovým "
                  "elipsoidem a nahradí ji výška nad elipsoidem WGS-84.",
                  120);
    mrizka->addWidget(new QLabel("Výška (WGS-84):", this), radek, 0);
    mrizka->addWidget(vyska_, radek++, 1, 1, 3);
    x_ = Pole(this, "txtX", "Zadání souřadnice X", 160);
    y_ = Pole(this, "txtY", "Zadání souřadnice Y", 160);
    mrizka->addWidget(new QLabel("X:", this), radek, 0);
    mrizka->addWidget(x_, radek++, 1, 1, 6);
    mrizka->addWidget(new QLabel("Y:", this), radek, 0);
    mrizka->addWidget(y_, radek, 1, 1, 6);
    return mrizka;
}

QGroupBox* Zm_JTSK::VytvorDivergenci()
{
    auto* skupina = new QGroupBox("Výsledná meridiánová divergence", this);
    divergence_ = new QLineEdit(skupina);
    divergence_->setObjectName("txtDivergence");
    divergence_->setReadOnly(true);
    divergence_->setToolTip("Úhel obrazu poledníku bodu od osy X");
    optStupne_ = new QRadioButton("Stupne", skupina);
    optGrady_ = new QRadioButton("Grady", skupina);
    optDMS_ = new QRadioButton("DMS", skupina);
    optStupne_->setObjectName("optStupne");
    optGrady_->setObjectName("optGrady");
    optDMS_->setObjectName("optDMS");
    optStupne_->setToolTip("Divergence ve stupních");
    optGrady_->setToolTip("Divergence v gradech");
    optDMS_->setToolTip("Divergence ve stupních, minutách a vteřinách");
    optStupne_->setChecked(true);
    auto* jednotky = new QHBoxLayout;
    for (QRadioButton* o : {optStupne_, optGrady_, optDMS_}) {
        jednotky->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this](bool zapnuto) {
            if (zapnuto)
                Divergence();
        });
    }
    auto* rozvrh = new QVBoxLayout(skupina);
    rozvrh->addWidget(divergence_);
    rozvrh->addLayout(jednotky);
    return skupina;
}

Zm_JTSK::PoleUhlu Zm_JTSK::VytvorPoleUhlu(const char* jmeno, const char* popis)
{
    const QString p = QString::fromUtf8(popis);
    const std::string j = jmeno;
    PoleUhlu pole{};
    pole.stupne = Pole(this, ("txt" + j + "Stupne").c_str(), "Zadání " + p + " - stupně", 60);
    pole.minuty = Pole(this, ("txt" + j + "Minuty").c_str(), "Zadání " + p + " - minuty", 60);
    pole.vteriny = Pole(this, ("txt" + j + "Vteriny").c_str(), "Zadání " + p + " - vteřiny", 100);
    return pole;
}

Meridian Zm_JTSK::VybranyMeridian() const { return static_cast<Meridian>(meridian_->currentIndex()); }

void Zm_JTSK::Zprava(const std::string& text) { QMessageBox::warning(this, QString::fromUtf8(Titulek), Q(text)); }

std::optional<double> Zm_JTSK::CtiPole(QLineEdit* pole, const char* popis, bool prazdneJeNula)
{
    const std::string text = pole->text().trimmed().toStdString();
    if (text.empty() && prazdneJeNula)
        return 0.0;
    const auto v = CtiCislo(text);
    if (!v) {
        Zprava(text.empty() ? std::string("Chybí ") + popis + "."
                            : "„" + text + "“ není číslo (" + popis + ").");
        pole->setFocus();
    }
    return v;
}

std::optional<double> Zm_JTSK::CtiUhel(const PoleUhlu& pole, const char* popis)
{
    const std::string p = popis;
    const auto stupne = CtiPole(pole.stupne, (p + " - stupně").c_str(), true);
    if (!stupne)
        return std::nullopt;
    const auto minuty = CtiPole(pole.minuty, (p + " - minuty").c_str(), true);
    if (!minuty)
        return std::nullopt;
    const auto vteriny = CtiPole(pole.vteriny, (p + " - vteřiny").c_str(), true);
    if (!vteriny)
        return std::nullopt;
    if (*minuty < 0 || *minuty >= 60 || *vteriny < 0 || *vteriny >= 60) {
        Zprava("Minuty a vteřiny musí ležet mezi 0 a 60 (" + p + ").");
        return std::nullopt;
    }
    // "-0" degrees with minutes is a negative angle too.
    const bool zaporne = pole.stupne->text().trimmed().startsWith('-');
    return StupneNaRadiany(StupneZDMS(*stupne, *minuty, *vteriny, zaporne));
}

std::optional<double> Zm_JTSK::CtiFi() { return CtiUhel(fi_, "zeměpisná šířka"); }
std::optional<double> Zm_JTSK::CtiLambda() { return CtiUhel(lambda_, "zeměpisná délka"); }

void Zm_JTSK::ZobrUhel(const PoleUhlu& pole, double radiany)
{
    const UhelDMS u = RozlozDMS(RadianyNaStupne(radiany), DesetinyVterin);
    pole.stupne->setText(Q((u.zaporne ? "-" : "") + std::to_string(u.stupne)));
    pole.minuty->setText(QString::number(u.minuty));
    pole.vteriny->setText(Q(FormatCislo(u.vteriny, DesetinyVterin)));
}

void Zm_JTSK::ZobrFi(double fi) { ZobrUhel(fi_, fi); }
void Zm_JTSK::ZobrLambda(double lambda) { ZobrUhel(lambda_, lambda); }

void Zm_JTSK::Divergence()
{
    if (!konvergence_) {
        divergence_->clear();
        return;
    }
    const JednotkaDivergence j = optGrady_->isChecked() ? JednotkaDivergence::Grady
                                 : optDMS_->isChecked() ? JednotkaDivergence::DMS
                                                        : JednotkaDivergence::Stupne;
    divergence_->setText(Q(TextDivergence(*konvergence_, j)));
}

void Zm_JTSK::NaJTSK()
{
    const auto fi = CtiFi();
    if (!fi)
        return;
    const auto lambda = CtiLambda();
    if (!lambda)
        return;
    const Meridian m = VybranyMeridian();
    const auto h = m == Meridian::Wgs84 ? CtiPole(vyska_, "výška", true) : std::optional<double>(0.0);
    if (!h)
        return;
    const PrevodNaJTSK r = ZemepisneNaJTSK(*fi, *lambda, *h, m);
    if (r.stav != StavPrevodu::Hotovo) {
        Zprava(r.zprava);
        return;
    }
    x_->setText(Q(FormatCislo(r.X, DesetinyMetru)));
    y_->setText(Q(FormatCislo(r.Y, DesetinyMetru)));
    konvergence_ = r.konvergence;
    Divergence();
}

void Zm_JTSK::NaZemepisne()
{
    const auto x = CtiPole(x_, "souřadnice X", false);
    if (!x)
        return;
    const auto y = CtiPole(y_, "souřadnice Y", false);
    if (!y)
        return;
    const Meridian m = VybranyMeridian();
    const auto h = m == Meridian::Wgs84 ? CtiPole(vyska_, "výška", true) : std::optional<double>(0.0);
    if (!h)
        return;
    const PrevodNaZemepisne r = JTSKNaZemepisne(*x, *y, *h, m);
    if (r.stav != StavPrevodu::Hotovo) {
        Zprava(r.zprava);
        return;
    }
    ZobrFi(r.fi);
    ZobrLambda(r.lambda);
    if (m == Meridian::Wgs84)
        vyska_->setText(Q(FormatCislo(r.h, DesetinyMetru)));
    konvergence_ = r.konvergence;
    Divergence();
}

} // namespace lomvira
