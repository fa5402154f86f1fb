#include "output/ui/frmUmisteni.h"

#include "common/Platforma.h"
#include "common/Text.h"
#include "output/Prohlizec.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lomvira {

namespace {

const char* const Titulek = "Umístění souborů";

} // namespace

frmUmisteni::frmUmisteni(Volby& volby, UlozisteNastaveni& nastaveni, Platforma& platforma, QWidget* parent)
    : QDialog(parent), volby_(volby), nastaveni_(nastaveni), platforma_(platforma)
{
    setObjectName("frmUmisteni");
    setWindowTitle(QString::fromUtf8(Titulek));
    Prochazet = [this](const std::string& start) -> std::optional<std::string> {
        const QString jmeno = QFileDialog::getOpenFileName(this, QStringLiteral("Program VIROKA"),
                                                           QFile::decodeName(start.c_str()));
        if (jmeno.isEmpty())
            return std::nullopt;
        return QFile::encodeName(jmeno).toStdString();
    };

    txtVIROKA_ = new QLineEdit(QFile::decodeName(volby.AppPath.c_str()), this);
    txtVIROKA_->setObjectName("txtVIROKA");
    txtVIROKA_->setMinimumWidth(420);
    auto* popis = new QLabel(QStringLiteral("Program VIROKA (verze 2.1):"), this);
    popis->setBuddy(txtVIROKA_);
    auto* browse = new QPushButton(QStringLiteral("Procházet..."), this);
    browse->setObjectName("Browse");
    browse->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("Budiž"), this);
    ok->setObjectName("BOK");
    ok->setDefault(true);
    auto* zrusit = new QPushButton(QStringLiteral("Zrušit"), this);
    zrusit->setObjectName("BCanc");
    zrusit->setAutoDefault(false);

    auto* mrizka = new QGridLayout(this);
    mrizka->addWidget(popis, 0, 0, 1, 2);
    mrizka->addWidget(txtVIROKA_, 1, 0);
    mrizka->addWidget(browse, 1, 1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);
    mrizka->addLayout(tlacitka, 2, 0, 1, 2);

    connect(browse, &QPushButton::clicked, this, [this] {
        if (const auto zvolene = Prochazet(QFile::encodeName(txtVIROKA_->text()).toStdString()))
            txtVIROKA_->setText(QFile::decodeName(zvolene->c_str()));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Potvrd())
            accept();
    });
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmUmisteni::Potvrd()
{
    const std::string cesta = Orizni(QFile::encodeName(txtVIROKA_->text()).toStdString());
    // An empty path switches the viewer off; any other must name a program that is there.
    if (!cesta.empty() && !ProhlizecExistuje(cesta)) {
        platforma_.ZpravaBox("Program " + cesta + " neexistuje. Zadejte úplnou cestu k programu VIROKA.",
                             MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
        txtVIROKA_->setFocus();
        return false;
    }
    volby_.AppPath = cesta;
    volby_.ProhlizecDostupny = ProhlizecExistuje(cesta);
    ZapisNastaveni(nastaveni_, "VIROKA", "AppPath", cesta);
    if (const std::string chyba = nastaveni_.Uloz(); !chyba.empty())
        platforma_.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
    return true;
}

} // namespace lomvira
