#include "output/ui/frmACAD.h"

#include "common/Cisla.h"
#include "common/Platforma.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace lomvira {

namespace {

const char* const Titulek = "Vlastnosti exportu do formátu DXF";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QLineEdit* Pole(QWidget* rodic, const char* jmeno, const std::string& text)
{
    auto* p = new QLineEdit(Q(text), rodic);
    p->setObjectName(jmeno);
    p->setMaximumWidth(90);
    return p;
}

QRadioButton* Volba(QWidget* rodic, const char* jmeno, const char* text)
{
    auto* v = new QRadioButton(QString::fromUtf8(text), rodic);
    v->setObjectName(jmeno);
    return v;
}

// A typed number: "," or "." as the decimal mark; 0 when there is none.
double Cislo(const QLineEdit* pole)
{
    return Val(CarkaNaTecku(pole->text().trimmed().toStdString()));
}

} // namespace

frmACAD::frmACAD(MoznostiDXF& moznosti, UlozisteNastaveni& nastaveni, Volby& volby, Platforma& platforma,
                 QWidget* parent)
    : QDialog(parent), moznosti_(moznosti), nastaveni_(nastaveni), volby_(volby), platforma_(platforma)
{
    setObjectName("frmACAD");
    setWindowTitle(QString::fromUtf8(Titulek));

    auto* pohled = new QGroupBox(QStringLiteral("Pohled"), this);
    opt3D_ = Volba(pohled, "opt3D", "3D");
    optXY_ = Volba(pohled, "optXY", "Půdorys (X, Y)");
    optXZ_ = Volba(pohled, "optXZ", "Řez (X, Z)");
    optYZ_ = Volba(pohled, "optYZ", "Řez (Y, Z)");
    auto* rozvrhPohledu = new QVBoxLayout(pohled);
    for (QRadioButton* v : {opt3D_, optXY_, optXZ_, optYZ_})
        rozvrhPohledu->addWidget(v);
    QRadioButton* const volby3[] = {opt3D_, optXY_, optXZ_, optYZ_};
    const int v = moznosti.pohled >= 1 && moznosti.pohled <= 3 ? moznosti.pohled : 0;
    volby3[v]->setChecked(true);

    // 1 : 100 shows as "1" and "100"; a scale of 1 or more as the number and "1".
    const double s = moznosti.meritko;
    const bool zmenseni = s > 0 && s < 1;
    txtM1_ = Pole(this, "txtM1", zmenseni || !(s >= 1) ? "1" : TextMoznosti(s));
    txtM2_ = Pole(this, "txtM2", zmenseni ? FormatCisloBezNul(1 / s, 6) : s >= 1 ? "1" : "100");
    auto* meritko = new QHBoxLayout;
    meritko->addWidget(txtM1_);
    meritko->addWidget(new QLabel(QStringLiteral(":"), this));
    meritko->addWidget(txtM2_);
    meritko->addStretch(1);

    comJednotky_ = new QComboBox(this);
    comJednotky_->setObjectName("comJednotky");
    for (const JednotkaDXF& j : JednotkyDXF)
        comJednotky_->addItem(QString::fromUtf8(j.nazev));
    comJednotky_->setCurrentIndex(IndexJednotky(moznosti.jednotky));
    txtVBodu_ = Pole(this, "txtVBodu", FormatCislo(moznosti.velikostBodu, 3));
    txtVelPisma_ = Pole(this, "txtVelPisma", FormatCislo(moznosti.vyskaPisma, 3));

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Měřítko výkresu"), meritko);
    formular->addRow(QStringLiteral("Výstupní jednotky"), comJednotky_);
    formular->addRow(QStringLiteral("Velikost bodů [mm]"), txtVBodu_);
    formular->addRow(QStringLiteral("Velikost písma [mm]"), txtVelPisma_);

    auto* ok = new QPushButton(QStringLiteral("Budiž"), this);
    ok->setObjectName("BOK");
    ok->setDefault(true);
    auto* zrusit = new QPushButton(QStringLiteral("Zrušit"), this);
    zrusit->setObjectName("BCH");
    zrusit->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Potvrd())
            accept();
    });
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);

    auto* horni = new QHBoxLayout;
    horni->addWidget(pohled);
    horni->addLayout(formular, 1);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(horni);
    rozvrh->addLayout(tlacitka);
}

bool frmACAD::Potvrd()
{
    const double velikostBodu = Cislo(txtVBodu_), vyskaPisma = Cislo(txtVelPisma_);
    for (const auto& [hodnota, pole, popis] :
         {std::tuple{velikostBodu, txtVBodu_, "Velikost bodů"}, std::tuple{vyskaPisma, txtVelPisma_, "Velikost písma"}}) {
        if (!(hodnota > 0)) {
            platforma_.ZpravaBox(std::string(popis) + " musí být kladné číslo (milimetry na papíře).",
                                 MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
            pole->setFocus();
            pole->selectAll();
            return false;
        }
    }
    MoznostiDXF m = moznosti_;
    m.jednotky = JednotkyDXF[static_cast<std::size_t>(std::max(0, comJednotky_->currentIndex()))].faktor;
    const double m2 = Cislo(txtM2_);
    m.meritko = m2 > 0 ? Cislo(txtM1_) / m2 : 0.0;
    if (!(m.meritko > 0))
        m.meritko = 1.0 / 100.0;
    m.pohled = opt3D_->isChecked() ? 0 : optXY_->isChecked() ? 1 : optXZ_->isChecked() ? 2 : 3;
    m.velikostBodu = velikostBodu;
    m.vyskaPisma = vyskaPisma;
    moznosti_ = m;
    UlozMoznostiDXF(nastaveni_, m);
    // "Ulož nastavení" writes these option variables too; they must not undo this choice.
    volby_.VystupniJednotky = m.jednotky;
    volby_.VelikostBodu = m.velikostBodu;
    volby_.VyskaBodu = m.vyskaPisma;
    if (const std::string chyba = nastaveni_.Uloz(); !chyba.empty())
        platforma_.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
    return true;
}

} // namespace lomvira
