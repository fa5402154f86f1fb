#include "input/ui/DialogPrikazu.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace lomvira {

QString FormatKratkehoData()
{
    // A two-digit year would read back as a year of the last century.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

std::string KratkeDatum(const QDate& datum)
{
    return QLocale().toString(datum, FormatKratkehoData()).toStdString();
}

QDate DatumZTextu(const QString& text)
{
    const QString t = text.trimmed();
    QDate d = QLocale().toDate(t, FormatKratkehoData());
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    return d;
}

std::string RadekDatumu(const QDate& datum)
{
    return RadekDatumu(DatumCislem(datum.year(), datum.month(), datum.day()), KratkeDatum(datum));
}

QDate DatumZapisniku(std::int32_t datum)
{
    // Out-of-range months and days roll over in the notebook; the dialog offers the day meant.
    const QDate d = QDate(datum / 10000, 1, 1).addMonths(datum / 100 % 100 - 1).addDays(datum % 100 - 1);
    return datum > 0 && d.isValid() ? d : QDate::currentDate();
}

QComboBox* VyberJednotek(QWidget* rodic, const char* jmeno)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(jmeno);
    c->addItems({QStringLiteral("stupně (DEG)"), QStringLiteral("grády (GRAD)"), QStringLiteral("radiány (RAD)")});
    return c;
}

DialogPrikazu::DialogPrikazu(const QString& titulek, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(titulek);
}

void DialogPrikazu::PridejTlacitka(QBoxLayout* rozvrzeni)
{
    auto* radek = new QHBoxLayout;
    radek->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&Vložit"), this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* zrusit = new QPushButton(QStringLiteral("&Zrušit"), this);
    zrusit->setObjectName("btnCanc");
    radek->addWidget(ok);
    radek->addWidget(zrusit);
    rozvrzeni->addLayout(radek);
    connect(ok, &QPushButton::clicked, this, &DialogPrikazu::Vloz);
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* DialogPrikazu::VytvorDatum(QDate navrh)
{
    auto* w = new QWidget(this);
    auto* radek = new QHBoxLayout(w);
    radek->setContentsMargins(0, 0, 0, 0);
    chkDatum_ = new QCheckBox(QStringLiteral("Vložit &datum"), w);
    chkDatum_->setObjectName("chkDatum");
    datum_ = new QDateEdit(navrh, w);
    datum_->setObjectName("dtDatum");
    datum_->setDisplayFormat(FormatKratkehoData());
    datum_->setCalendarPopup(true);
    datum_->setEnabled(false);
    connect(chkDatum_, &QCheckBox::toggled, datum_, &QWidget::setEnabled);
    radek->addWidget(chkDatum_);
    radek->addWidget(datum_, 1);
    return w;
}

std::string DialogPrikazu::Datum() const
{
    return chkDatum_ && chkDatum_->isChecked() ? RadekDatumu(datum_->date()) : std::string();
}

void DialogPrikazu::Vloz()
{
    const HotovyPrikaz p = Prikaz();
    if (!p.chyba.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(p.chyba));
        return;
    }
    text_ = p.text;
    accept();
}

} // namespace lomvira
