#include "output/ui/frmVystDoSoub.h"

#include "common/Cesty.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "output/TypVystupu.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lomvira {

namespace {

const char* const Titulek = "Výstup do souboru";
const char* const PriponaDokumentu = "DOC";
const char* const FiltrDokumentu = "Formát WorPerfect 5.1 (*.doc)";

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const char* text)
{
    auto* t = new QPushButton(QString::fromUtf8(text), rodic);
    t->setObjectName(jmeno);
    t->setAutoDefault(false);
    return t;
}

QLabel* Popisek(QWidget* rodic, const char* jmeno, const std::string& text)
{
    auto* l = new QLabel(QString::fromStdString(text), rodic);
    l->setObjectName(jmeno);
    return l;
}

} // namespace

frmVystDoSoub::frmVystDoSoub(const Lokalita& lokalita, std::string& komentar, Platforma& platforma,
                             const std::string& jmenoZapisniku, QWidget* parent)
    : QDialog(parent), komentar_(komentar), platforma_(platforma)
{
    setObjectName("frmVystDoSoub");
    setWindowTitle(QString::fromUtf8(Titulek));
    Prochazet = [this](const std::string& f, const std::string& p, const std::string& j) -> std::optional<std::string> {
        QFileDialog d(this, QString::fromUtf8(Titulek));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setNameFilter(QString::fromStdString(f));
        d.setDefaultSuffix(QString::fromStdString(p));
        d.selectFile(QFile::decodeName(j.c_str()));
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return std::nullopt;
        return QFile::encodeName(d.selectedFiles().constFirst()).toStdString();
    };

    auto* fraLokalita = new QGroupBox(this);
    fraLokalita->setObjectName("fraLokalita");
    auto* mrizkaLokality = new QGridLayout(fraLokalita);
    mrizkaLokality->addWidget(new QLabel(QStringLiteral("Lokalita:"), fraLokalita), 0, 0);
    mrizkaLokality->addWidget(Popisek(fraLokalita, "lblLokalita", lokalita.jmeno), 0, 1);
    mrizkaLokality->addWidget(new QLabel(QStringLiteral("Evidenční číslo:"), fraLokalita), 1, 0);
    mrizkaLokality->addWidget(Popisek(fraLokalita, "lblCislo", lokalita.cislo), 1, 1);
    mrizkaLokality->setColumnStretch(1, 1);

    txtKoment_ = new QLineEdit(QString::fromStdString(komentar), this);
    txtKoment_->setObjectName("txtKoment");
    // The proposed name gets the document's extension, as a choice of the coordinate dialog does.
    jmSoub_ = new QLineEdit(QFile::decodeName(NavrhniJmeno(jmenoZapisniku, PriponaDokumentu).c_str()), this);
    jmSoub_->setObjectName("JmSoub");
    jmSoub_->setMinimumWidth(420);
    auto* browse = Tlacitko(this, "Browse", "Procházet...");
    auto* typVyst = new QComboBox(this);
    typVyst->setObjectName("TypVyst");
    typVyst->addItem(QStringLiteral("WordPerfect 5.1"));
    auto* ok = Tlacitko(this, "BOK", "Budiž");
    ok->setDefault(true);
    auto* zrusit = Tlacitko(this, "BCanc", "Zrušit");

    auto* mrizka = new QGridLayout;
    mrizka->addWidget(new QLabel(QStringLiteral("Komentář:"), this), 0, 0);
    mrizka->addWidget(txtKoment_, 0, 1, 1, 2);
    mrizka->addWidget(new QLabel(QStringLiteral(" Ulož jako:"), this), 1, 0);
    mrizka->addWidget(jmSoub_, 1, 1);
    mrizka->addWidget(browse, 1, 2);
    mrizka->addWidget(new QLabel(QStringLiteral("Formát:"), this), 2, 0);
    mrizka->addWidget(typVyst, 2, 1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(ok);
    tlacitka->addWidget(zrusit);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(fraLokalita);
    rozvrh->addLayout(mrizka);
    rozvrh->addLayout(tlacitka);

    connect(browse, &QPushButton::clicked, this, [this] {
        const CastiCesty c = RozdelCestu(Jmeno());
        if (const auto zvolene = Prochazet(FiltrDokumentu, PriponaDokumentu, c.disk + c.slozka + c.jmeno))
            jmSoub_->setText(QFile::decodeName(zvolene->c_str()));
    });
    connect(ok, &QPushButton::clicked, this, [this] { Potvrd(); });
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
}

std::string frmVystDoSoub::Jmeno() const
{
    return QFile::encodeName(jmSoub_->text()).toStdString();
}

void frmVystDoSoub::Potvrd()
{
    const std::string jmeno = Jmeno();
    if (RozdelCestu(jmeno).jmeno.empty())
        return;
    komentar_ = Orizni(txtKoment_->text().toStdString());
    switch (OtazkaNahrazeni(jmeno, platforma_)) {
    case MsgBox::Yes: break;
    case MsgBox::Cancel: reject(); return;
    default: return;
    }
    platforma_.ZpravaBox(NedostupnyDokument, MsgBox::OkOnly | MsgBox::Information, Titulek);
    accept();
}

} // namespace lomvira
