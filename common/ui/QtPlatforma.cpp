#include "common/ui/QtPlatforma.h"

#include "common/ui/OknoNapovedy.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include <cmath>
#include <vector>

namespace lomvira {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Texts from the notebook code end their lines with CR LF; a label wants LF only.
QString TextZpravy(const std::string& text)
{
    QString t = Q(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

// The answer codes of the style's buttons, in their order.
std::vector<int> Tlacitka(int style)
{
    switch (style & MsgBox::ButtonMask) {
    case MsgBox::OkCancel:
        return {MsgBox::Ok, MsgBox::Cancel};
    case MsgBox::AbortRetryIgnore:
        return {MsgBox::Abort, MsgBox::Retry, MsgBox::Ignore};
    case MsgBox::YesNoCancel:
        return {MsgBox::Yes, MsgBox::No, MsgBox::Cancel};
    case MsgBox::YesNo:
        return {MsgBox::Yes, MsgBox::No};
    case MsgBox::RetryCancel:
        return {MsgBox::Retry, MsgBox::Cancel};
    default:
        return {MsgBox::Ok};
    }
}

QMessageBox::StandardButton QtTlacitko(int kod)
{
    switch (kod) {
    case MsgBox::Cancel:
        return QMessageBox::Cancel;
    case MsgBox::Abort:
        return QMessageBox::Abort;
    case MsgBox::Retry:
        return QMessageBox::Retry;
    case MsgBox::Ignore:
        return QMessageBox::Ignore;
    case MsgBox::Yes:
        return QMessageBox::Yes;
    case MsgBox::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

// The program speaks Czech even where Qt's translation is not installed.
QString TextTlacitka(int kod)
{
    switch (kod) {
    case MsgBox::Cancel:
        return QStringLiteral("Storno");
    case MsgBox::Abort:
        return QStringLiteral("Přerušit");
    case MsgBox::Retry:
        return QStringLiteral("Opakovat");
    case MsgBox::Ignore:
        return QStringLiteral("Ignorovat");
    case MsgBox::Yes:
        return QStringLiteral("Ano");
    case MsgBox::No:
        return QStringLiteral("Ne");
    default:
        return QStringLiteral("OK");
    }
}

QMessageBox::Icon Ikona(int style)
{
    switch (style & MsgBox::IconMask) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case MsgBox::Exclamation:
        return QMessageBox::Warning;
    case MsgBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtPlatforma::PripojOkno(QWidget* okno, QLabel* koment)
{
    okno_ = okno;
    koment_ = koment;
}

int QtPlatforma::ZpravaBox(const std::string& text, int style, const std::string& title, int helpContext)
{
    const std::string titulek = title.empty() ? std::string(TitulekZprav) : title;
    QMessageBox box(okno_);
    box.setWindowTitle(Q(titulek));
    box.setTextFormat(Qt::PlainText);
    box.setText(TextZpravy(text));
    box.setIcon(Ikona(style));

    const std::vector<int> kody = Tlacitka(style);
    std::vector<QPushButton*> tlacitka;
    for (int kod : kody) {
        tlacitka.push_back(box.addButton(QtTlacitko(kod)));
        tlacitka.back()->setText(TextTlacitka(kod));
    }
    QPushButton* napoveda = (style & MsgBox::HelpButton) ? box.addButton(QMessageBox::Help) : nullptr;
    if (napoveda) {
        napoveda->setText(QStringLiteral("Nápověda"));
        // F1 as everywhere else.
        auto* f1 = new QShortcut(QKeySequence::HelpContents, &box);
        QObject::connect(f1, &QShortcut::activated, napoveda, &QPushButton::click);
    }

    // The same default as every other front end: the core decides it.
    const int vychozi = MsgBox::DefaultAnswer(style);
    // Closing the box counts as Cancel where there is one, else as the only button.
    int zavreni = 0;
    for (std::size_t i = 0; i < kody.size(); ++i) {
        if (kody[i] == vychozi)
            box.setDefaultButton(tlacitka[i]);
        if (kody[i] == MsgBox::Cancel || kody.size() == 1) {
            box.setEscapeButton(tlacitka[i]);
            zavreni = kody[i];
        }
    }
    for (;;) {
        box.exec();
        QAbstractButton* stisknuto = box.clickedButton();
        if (napoveda && stisknuto == napoveda) {
            ZobrazNapovedu(&box, helpContext);
            continue;
        }
        for (std::size_t i = 0; i < kody.size(); ++i)
            if (stisknuto == tlacitka[i])
                return kody[i];
        return zavreni != 0 ? zavreni : vychozi;
    }
}

void QtPlatforma::ZobrazNapovedu(QWidget* box, int helpContext)
{
    // Over the box, which waits for the answer once the help is read.
    OknoNapovedy napoveda(box);
    napoveda.Otevri(StrankaNapovedy(helpContext));
    napoveda.exec();
}

std::optional<std::string> QtPlatforma::VstupniBox(const std::string& prompt, const std::string& title,
                                                   const std::string& defaultText)
{
    QInputDialog dialog(okno_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Q(title.empty() ? std::string(TitulekZprav) : title));
    dialog.setLabelText(TextZpravy(prompt));
    dialog.setTextValue(Q(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Storno"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtPlatforma::StavovyRadek(const std::string& text)
{
    if (koment_)
        koment_->setText(Q(text));
    // Twice: the first pass may post the repaint that the second one carries out.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void QtPlatforma::ZacniPrubeh(const std::string& text, long total)
{
    celkemPrubehu_ = total;
    hodinyPrubehu_.start();
    Platforma::ZacniPrubeh(text, total);
}

void QtPlatforma::KrokPrubehu(long done)
{
    // A moment: what is over sooner would only flicker.
    constexpr qint64 ChvilkaMs = 300;
    auto* lista = koment_ ? qobject_cast<QStatusBar*>(koment_->parentWidget()) : nullptr;
    if (lista && celkemPrubehu_ > 0 && hodinyPrubehu_.isValid() && hodinyPrubehu_.elapsed() > ChvilkaMs) {
        if (!prubeh_) {
            prubeh_ = new QProgressBar(lista);
            prubeh_->setObjectName("prubeh");
            prubeh_->setRange(0, 100);
            prubeh_->setMaximumWidth(200);
            lista->addPermanentWidget(prubeh_);
        }
        const double podil = static_cast<double>(done) / static_cast<double>(celkemPrubehu_);
        prubeh_->setValue(static_cast<int>(std::lround(100.0 * podil)));
        prubeh_->show();
    }
    Platforma::KrokPrubehu(done);
}

void QtPlatforma::KonecPrubehu()
{
    if (prubeh_)
        prubeh_->hide();
    hodinyPrubehu_.invalidate();
    Platforma::KonecPrubehu();
}

char QtPlatforma::DesetinnyZnak() const
{
    const QString znak = QLocale().decimalPoint();
    if (znak.size() == 1 && znak.at(0).unicode() < 128)
        return static_cast<char>(znak.at(0).unicode());
    return '.';
}

} // namespace lomvira
