#include "common/ui/OknoNapovedy.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lomvira {

QUrl StrankaNapovedy(int helpContext)
{
    // The bad attribute of a measurement line carries its own context besides its number.
    constexpr int AtributMereni = 1010;
    if (helpContext == 0)
        return QUrl(QStringLiteral("qrc:/napoveda/zapisnik.html"));
    const int chyba = helpContext == AtributMereni ? 6 : helpContext;
    const QString stranka = QStringLiteral("/napoveda/chyba-%1.html").arg(chyba);
    if (QFile::exists(QLatin1Char(':') + stranka))
        return QUrl(QStringLiteral("qrc:") + stranka);
    return QUrl(QString::fromLatin1(ObsahNapovedy));
}

OknoNapovedy::OknoNapovedy(QWidget* parent) : QDialog(parent)
{
    setObjectName("OknoNapovedy");
    setWindowTitle(QStringLiteral("Nápověda"));
    prohlizec_ = new QTextBrowser(this);
    prohlizec_->setObjectName("prohlizec");
    prohlizec_->setOpenLinks(true);
    auto* zpet = new QPushButton(QStringLiteral("&Zpět"), this);
    auto* obsah = new QPushButton(QStringLiteral("&Obsah"), this);
    auto* zavri = new QPushButton(QStringLiteral("&Zavřít"), this);
    zpet->setAutoDefault(false);
    obsah->setAutoDefault(false);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(zpet);
    tlacitka->addWidget(obsah);
    tlacitka->addStretch(1);
    tlacitka->addWidget(zavri);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(prohlizec_, 1);
    rozvrh->addLayout(tlacitka);
    connect(zpet, &QPushButton::clicked, prohlizec_, &QTextBrowser::backward);
    connect(prohlizec_, &QTextBrowser::backwardAvailable, zpet, &QPushButton::setEnabled);
    connect(obsah, &QPushButton::clicked, this, [this] { Otevri(QUrl(QString::fromLatin1(ObsahNapovedy))); });
    connect(zavri, &QPushButton::clicked, this, &QDialog::accept);
    zpet->setEnabled(false);
    resize(720, 560);
}

void OknoNapovedy::Otevri(const QUrl& stranka)
{
    prohlizec_->setSource(stranka);
}

} // namespace lomvira
