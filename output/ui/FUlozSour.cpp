#include "output/ui/FUlozSour.h"

#include "common/Cesty.h"
#include "common/Platforma.h"
#include "common/ui/CeskyDialogSouboru.h"
#include "output/Mapy.h"
#include "output/TypVystupu.h"
#include "output/ui/frmACAD.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lomvira {

namespace {

const char* const Titulek = "Uložení souřadnic";

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const char* text)
{
    auto* t = new QPushButton(QString::fromUtf8(text), rodic);
    t->setObjectName(jmeno);
    t->setAutoDefault(false);
    return t;
}

std::optional<std::string> DialogUlozeni(QWidget* rodic, const std::string& filtr, const std::string& pripona,
                                         const std::string& jmeno)
{
    QFileDialog d(rodic, QString::fromUtf8(Titulek));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(QString::fromStdString(filtr));
    d.setDefaultSuffix(QString::fromStdString(pripona));
    d.selectFile(QFile::decodeName(jmeno.c_str()));
    CeskyDialogSouboru(d);
    return VyberSoubor(d, true);
}

} // namespace

FUlozSour::FUlozSour(const VstupVystupu& vstup, Platforma& platforma, UlozisteNastaveni& nastaveni, Volby& volby,
                     const std::string& jmenoZapisniku, QWidget* parent)
    : QDialog(parent), vstup_(vstup), platforma_(platforma), nastaveni_(nastaveni), volby_(volby)
{
    setObjectName("FUlozSour");
    setWindowTitle(QString::fromUtf8(Titulek));
    Prochazet = [this](const std::string& f, const std::string& p, const std::string& j) {
        return DialogUlozeni(this, f, p, j);
    };

    jmSoub_ = new QLineEdit(QFile::decodeName(jmenoZapisniku.c_str()), this);
    jmSoub_->setObjectName("JmSoub");
    jmSoub_->setMinimumWidth(420);
    auto* popis = new QLabel(QStringLiteral("Ulož jako:"), this);
    popis->setBuddy(jmSoub_);
    auto* browse = Tlacitko(this, "Browse", "Procházet...");
    typVyst_ = new QComboBox(this);
    typVyst_->setObjectName("TypVyst");
    for (const TypVystupu& t : TypyVystupu)
        typVyst_->addItem(QString::fromUtf8(t.text));
    auto* popisTypu = new QLabel(QStringLiteral("Formát:"), this);
    popisTypu->setBuddy(typVyst_);
    vlastnosti_ = Tlacitko(this, "btnVlastnosti", "Vlastnosti");
    auto* ok = Tlacitko(this, "BOK", "Budiž");
    ok->setDefault(true);
    auto* zrusit = Tlacitko(this, "BCanc", "Zrušit");

    auto* mrizka = new QGridLayout(this);
    mrizka->addWidget(popis, 0, 0);
    mrizka->addWidget(jmSoub_, 0, 1);
    mrizka->addWidget(browse, 0, 2);
    mrizka->addWidget(popisTypu, 1, 0);
    mrizka->addWidget(typVyst_, 1, 1);
    mrizka->addWidget(vlastnosti_, 1, 2);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);
    mrizka->addLayout(tlacitka, 2, 0, 1, 3);

    connect(browse, &QPushButton::clicked, this, [this] { Prochazej(); });
    connect(vlastnosti_, &QPushButton::clicked, this, [this] { Vlastnosti(); });
    connect(ok, &QPushButton::clicked, this, [this] { Zapis(); });
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
    connect(typVyst_, &QComboBox::currentIndexChanged, this, [this](int i) { ZmenaTypu(i); });

    ZmenaTypu(0);
    dxf_ = NactiMoznostiDXF(nastaveni_, volby_.TypBodu);
}

std::string FUlozSour::Jmeno() const
{
    return QFile::encodeName(jmSoub_->text()).toStdString();
}

int FUlozSour::Typ() const
{
    return typVyst_->currentIndex();
}

void FUlozSour::ZmenaTypu(int index)
{
    if (index < 0 || index >= static_cast<int>(TypyVystupu.size()))
        return;
    const TypVystupu& t = TypyVystupu[static_cast<std::size_t>(index)];
    // The 2.1 ANSI and 1.2 viewer formats keep the extension and filter of the choice before.
    if (t.pripona) {
        pripona_ = t.pripona;
        filtr_ = std::string(t.filtr) + " (" + t.vzor + ")";
        vlastnosti_->setEnabled(t.vlastnosti);
    }
    jmSoub_->setText(QFile::decodeName(NavrhniJmeno(Jmeno(), pripona_).c_str()));
}

void FUlozSour::Vlastnosti()
{
    if (Typ() != VystupDXF)
        return;
    frmACAD d(dxf_, nastaveni_, volby_, platforma_, this);
    d.exec();
}

void FUlozSour::Prochazej()
{
    const CastiCesty c = RozdelCestu(Jmeno());
    if (const auto zvolene = Prochazet(filtr_, pripona_, c.disk + c.slozka + c.jmeno))
        jmSoub_->setText(QFile::decodeName(zvolene->c_str()));
}

void FUlozSour::Zapis()
{
    if (zapisuje_)
        return;
    const std::string jmeno = Jmeno();
    if (RozdelCestu(jmeno).jmeno.empty())
        return;
    const int typ = Typ();
    if (typ == VystupGeoJSON || typ == VystupKML) {
        std::vector<PolohaWGS84> polohy;
        std::string chyba;
        if (!PolohyWGS84(vstup_, polohy, chyba)) {
            platforma_.ZpravaBox("Mapu nelze zapsat: " + chyba, MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
            return;
        }
    }
    // The question concerns the file that is written, the viewer's appended extension included.
    switch (OtazkaNahrazeni(SouborVystupu(typ, jmeno), platforma_)) {
    case MsgBox::Yes: break;
    case MsgBox::Cancel: reject(); return;
    default: return;
    }
    zapisuje_ = true;
    const std::string chyba = ZapisVystup(typ, jmeno, vstup_, dxf_, platforma_);
    zapisuje_ = false;
    if (!chyba.empty()) {
        platforma_.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
        return;
    }
    accept();
}

} // namespace lomvira
